// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Label clicks (which vector the left-button drag moves) and the three lock items.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

struct Font {
    bool bold;
    double size;
    friend bool operator==(const Font&, const Font&) = default;
};
void PrintTo(const Font& f, std::ostream* os) { *os << (f.bold ? "bold " : "regular ") << f.size; }

Font font(const Json& d, const char* label) {
    return {d["labels"][label]["bold"].boolean(), d["labels"][label]["size"].number()};
}

bool enabled(const Json& d, const char* menu) { return d["menus"][menu]["enabled"].boolean(); }

}  // namespace

TEST(LabelClick, RIsLockedAtStartSoItsLabelIgnoresTheClick) {
    const Json before = lastDump(fresh("dump\n"));
    const Json d = lastDump(fresh("click LabelR\ndump\n"));
    EXPECT_EQ(stateDifference(before, d), "");
}

TEST(LabelClick, BSelectsBAndSetsAllThreeFonts) {
    const Json d = lastDump(fresh("click LabelB\ndump\n"));
    EXPECT_EQ(var(d, "curVec"), 2);
    EXPECT_EQ(font(d, "LabelB"), (Font{true, 15}));
    EXPECT_EQ(font(d, "LabelA"), (Font{false, 10}));
    EXPECT_EQ(font(d, "LabelR"), (Font{false, 10}));
}

TEST(LabelClick, ABringsTheSelectionBack) {
    const Json d = lastDump(fresh("click LabelB\nclick LabelA\ndump\n"));
    EXPECT_EQ(var(d, "curVec"), 1);
    EXPECT_EQ(font(d, "LabelA"), (Font{true, 15}));
    EXPECT_EQ(font(d, "LabelB"), (Font{false, 10}));
    EXPECT_EQ(font(d, "LabelR"), (Font{false, 10}));
}

TEST(LabelClick, RBecomesSelectableOnceAnotherVectorIsLocked) {
    const Json d = lastDump(fresh("click LockB\nclick LabelR\ndump\n"));
    EXPECT_EQ(var(d, "curVec"), 3);
    EXPECT_EQ(font(d, "LabelR"), (Font{true, 15}));
    EXPECT_EQ(font(d, "LabelA"), (Font{false, 10}));
    EXPECT_EQ(font(d, "LabelB"), (Font{false, 10}));
}

TEST(LabelClick, ALockedLabelIgnoresTheClick) {
    const Json before = lastDump(fresh("click LabelB\nclick LockA\ndump\n"));
    const Json d = lastDump(fresh("click LabelB\nclick LockA\nclick LabelA\ndump\n"));
    EXPECT_EQ(stateDifference(before, d), "");
    EXPECT_EQ(var(d, "curVec"), 2);
}

TEST(Lock, LockingTheSelectedADisablesItsMenuAndLeavesNoLabelBold) {
    const Json d = lastDump(fresh("click LockA\ndump\n"));
    EXPECT_FALSE(enabled(d, "SetA"));
    EXPECT_TRUE(enabled(d, "SetB"));
    EXPECT_TRUE(enabled(d, "SetR"));
    EXPECT_EQ(font(d, "LabelA"), (Font{false, 10}));
    EXPECT_EQ(font(d, "LabelB"), (Font{false, 9.75}));
    EXPECT_EQ(font(d, "LabelR"), (Font{false, 9.75}));
    EXPECT_EQ(var(d, "curVec"), 1);
    EXPECT_EQ(d["topLabel"].string(), "LabelB");

    const Json dragged = lastDump(fresh("click LockA\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(dragged, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(dragged, "LineR"), (Point{6960, 840}));
}

TEST(Lock, LockBTouchesOnlyBsFontAndBringsLabelROnTop) {
    const Json d = lastDump(fresh("click LockB\ndump\n"));
    EXPECT_TRUE(enabled(d, "SetA"));
    EXPECT_FALSE(enabled(d, "SetB"));
    EXPECT_TRUE(enabled(d, "SetR"));
    EXPECT_EQ(font(d, "LabelB"), (Font{false, 10}));
    EXPECT_EQ(font(d, "LabelA"), (Font{true, 12}));
    EXPECT_EQ(font(d, "LabelR"), (Font{false, 9.75}));
    EXPECT_EQ(d["topLabel"].string(), "LabelR");
}

TEST(Lock, LockRBringsLabelBOnTopAndLockAChangesNoStacking) {
    const Json r = lastDump(fresh("click LockB\nclick LockR\ndump\n"));
    EXPECT_TRUE(enabled(r, "SetA"));
    EXPECT_TRUE(enabled(r, "SetB"));
    EXPECT_FALSE(enabled(r, "SetR"));
    EXPECT_EQ(font(r, "LabelR"), (Font{false, 10}));
    EXPECT_EQ(r["topLabel"].string(), "LabelB");

    const Json a = lastDump(fresh("click LockB\nclick LockA\ndump\n"));
    EXPECT_EQ(a["topLabel"].string(), "LabelR");
    EXPECT_FALSE(enabled(a, "SetA"));
    EXPECT_TRUE(enabled(a, "SetB"));
}

TEST(Lock, LockingTheSelectedRLeavesTheSelection) {
    const Json d = lastDump(fresh("click LockB\nclick LabelR\nclick LockR\ndump\n"));
    EXPECT_EQ(var(d, "curVec"), 3);
    EXPECT_EQ(font(d, "LabelR"), (Font{false, 10}));
    EXPECT_EQ(font(d, "LabelA"), (Font{false, 10}));
    EXPECT_EQ(font(d, "LabelB"), (Font{false, 10}));
}

TEST(Lock, TheLabelOnTheCommonTipInModeBFollowsTheLock) {
    const Json b = lastDump(fresh("move 1 3720 840\nclick ModeB\nclick LockB\ndump\n"));
    EXPECT_EQ(labelAt(b, "LabelB"), labelAt(b, "LabelR"));
    EXPECT_EQ(b["topLabel"].string(), "LabelR");
    const Json r = lastDump(fresh("move 1 3720 840\nclick ModeB\nclick LockB\nclick LockR\ndump\n"));
    EXPECT_EQ(r["topLabel"].string(), "LabelB");
}

TEST(Lock, MovesNoLineAndRewritesNoCaption) {
    const Json before = lastDump(fresh("click ModeB\ndump\n"));
    const Json d = lastDump(fresh("click ModeB\nclick LockB\nclick LockA\ndump\n"));
    EXPECT_EQ(firstDifference(before["lines"], d["lines"]), "");
    EXPECT_EQ(firstDifference(before["vars"], d["vars"]), "");
    for (const char* menu : {"SetA", "Ax", "Ay", "SetB", "Bx", "By", "SetR", "Rx", "Ry"})
        EXPECT_EQ(caption(d, menu), caption(before, menu)) << menu;
}
