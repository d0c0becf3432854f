// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology reads about each vector, and the contrast of the focus ring.
#include <gtest/gtest.h>

#include "app/contrast.h"
#include "app/figure_description.h"
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
