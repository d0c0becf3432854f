// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads about each vector, the texts the figure and the values
// panel show, and the contrast of the focus ring.
#include <gtest/gtest.h>

#include "app/contrast.h"
#include "app/figure_description.h"
#include "app/figure_marks.h"
#include "app/figure_texts.h"
#include "app/focus_ring_style.h"
#include "app/form.h"
#include "tools/script_host.h"

using namespace fendrel;

namespace {

struct LoadedForm {
    explicit LoadedForm(float random = 0.1f) : form(host) {
        host.queueRandom(random);
        form.load();
    }
    ScriptHost host;
    Form form;
};

}  // namespace

TEST(VectorDescription, ReadsTheMenuCaptionsAndTheLock) {
    LoadedForm f;
    EXPECT_EQ(vectorName(Vec::B), "Vector B");
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::A, {}), "A= 4200, 90°; Ax= 0; Ay= 4200");
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::B, {}), "B= 3240, 0°; Bx= 3240; By= 0");
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::R, {}), "R= 5304.49, 52.35°; Rx= 3240; Ry= 4200; locked");

    f.form.clickMenu(Menu::LockA);
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::A, {}), "A= 4200, 90°; Ax= 0; Ay= 4200; locked");
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::R, {}), "R= 5304.49, 52.35°; Rx= 3240; Ry= 4200");
}

TEST(VectorDescription, FollowsTheReferenceUnitsAndTheAngleUnit) {
    LoadedForm f;
    f.host.queueAnswer("7");
    f.form.clickMenu(Menu::cb);
    f.form.clickMenu(Menu::AngleMode);
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::B, {}), "B= 7, 0 r; Bx= 7; By= 0");
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::A, {}), "A= 9.07, 1.57 r; Ax= 0; Ay= 9.07");
    // With the components and the angles drawn, what is drawn as the figure labels it; a
    // component of 0 draws nothing, and R has no part in the angle between A and B.
    const FigureMarks drawn = figureMarks(f.form.state(), {1, false, false, false, ComponentStyle::Triangle, true});
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::A, drawn),
              "A= 9.07, 1.57 r; Ax= 0; Ay= 9.07; components drawn: Ay= 9.07; angle drawn: 1.57 r; "
              "angle between A and B drawn: 1.57r");
    EXPECT_EQ(vectorDescription(f.form.state(), Vec::R, drawn),
              "R= 11.46, .91 r; Rx= 7; Ry= 9.07; locked; components drawn: Rx= 7, Ry= 9.07; angle drawn: .91 r");
    // A's x of one window unit is 0 in this scale: drawn as long as it is, it would read 0. A
    // unit named for the scale stands after each label's number, as in the values panel.
    f.form.mouseMove(1, 0, 3721, 840);
    f.host.queueAnswer("N");
    f.form.chooseUnit();
    EXPECT_EQ(figureMarks(f.form.state(), {1, false, false, false, ComponentStyle::Triangle, false}).components.front().label.text,
              "Ay= 9.07 N");
}

// R's components as the sums of A's and B's, from the numbers the captions show: "≈" where
// the rounded scaled numbers do not add up (2.72 + 6.88 is 9.6, not 9.59).
TEST(FigureTexts, SumLinesAddUpTheShownComponentsAndSayWhenTheyDoNotExactly) {
    const struct {
        const char* constant;  // none: window units
        const char* x;
        const char* y;
    } cases[] = {
        {nullptr, "Rx = Ax + Bx:  4520 = 1280 + 3240", "Ry = Ay + By:  3040 = 3040 + 0"},
        {"7", "Rx = Ax + Bx:  9.59 \u2248 2.72 + 6.88", "Ry = Ay + By:  6.45 = 6.45 + 0"},
        {"-10", "Rx = Ax + Bx:  -13.7 = -3.88 + -9.82", "Ry = Ay + By:  -9.22 = -9.22 + 0"},
    };
    for (const auto& c : cases) {
        LoadedForm f;
        f.form.mouseMove(1, 0, 5000, 2000);
        if (c.constant) {
            f.host.queueAnswer(c.constant);
            f.form.clickMenu(Menu::ca);
        }
        EXPECT_EQ(componentSumLine(f.form.state(), Axis::X), c.x);
        EXPECT_EQ(componentSumLine(f.form.state(), Axis::Y), c.y);
    }
}

// While a task hides a vector, every number the figure draws and says about it reads "?".
TEST(FigureTexts, AHiddenVectorReadsQuestionMarksWhereverItIsDrawn) {
    LoadedForm f;
    Task hideR;
    hideR.hidden[Vec::R] = true;
    f.form.setTask(hideR);
    const FormState s = f.form.shown();
    const FigureMarks drawn = figureMarks(s, {1, false, false, false, ComponentStyle::FromTail, true});
    EXPECT_EQ(vectorDescription(s, Vec::R, drawn), "R= ?, ?°; Rx= ?; Ry= ?; locked; components drawn: Rx= ?, Ry= ?; angle drawn: ?°");
    EXPECT_EQ(angleBetweenLabel(s), "90°");
    EXPECT_EQ(componentSumLine(s, Axis::X), "Rx = Ax + Bx:  ? = 0 + 3240");
    hideR.hidden[Vec::A] = true;
    f.form.setTask(hideR);
    EXPECT_EQ(angleBetweenLabel(f.form.shown()), "?°");
    EXPECT_EQ(directionLabel(f.form.shown(), Vec::B), "0°");
}

TEST(Contrast, RelativeLuminanceOnTheSrgbScale) {
    EXPECT_DOUBLE_EQ(relativeLuminance(0x000000), 0);
    EXPECT_DOUBLE_EQ(relativeLuminance(0xFFFFFF), 1);
    // Red weighs three times as much as blue: the low byte is red.
    EXPECT_NEAR(relativeLuminance(0x0000FF), 0.2126, 1e-12);
    EXPECT_NEAR(relativeLuminance(0xFF0000), 0.0722, 1e-12);
    EXPECT_NEAR(relativeLuminance(0x00FF00), 0.7152, 1e-12);
    // Dark channels are on the linear segment of the curve, bright ones on the power law.
    EXPECT_NEAR(relativeLuminance(0x0A0A0A), 10 / 255.0 / 12.92, 1e-12);
    EXPECT_NEAR(relativeLuminance(0x404040), 0.05127, 1e-5);
}

TEST(Contrast, RatioIsSymmetricAndSpansOneToTwentyOne) {
    EXPECT_DOUBLE_EQ(contrastRatio(0xFFFFFF, 0x000000), 21);
    EXPECT_DOUBLE_EQ(contrastRatio(0x000000, 0xFFFFFF), 21);
    EXPECT_DOUBLE_EQ(contrastRatio(0x404040, 0x404040), 1);
    EXPECT_NEAR(contrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);
}

TEST(Contrast, FocusRingStandsOutFromEveryStartUpBackground) {
    for (float random : {0.1f, 0.5f, 0.9f}) {
        LoadedForm f(random);
        EXPECT_GE(contrastRatio(kFocusRingColor, f.form.state().backColor), 3.0) << f.form.state().backColor;
    }
}
