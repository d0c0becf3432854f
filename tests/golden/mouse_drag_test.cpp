// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer movement: the tip drag for every selection and lock in both layouts of B, the
// figure drag with the right button, and the button dispatch.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

// B drawn head-to-tail with its start-up extent of (3240, 0): "Mode B" on a fresh window.
std::string modeB(std::string_view commands) { return fresh(std::string("click ModeB\n") + std::string(commands)); }

void expectLabelsOnTips(const Json& d) {
    EXPECT_EQ(labelAt(d, "LabelA"), tip(d, "LineA"));
    EXPECT_EQ(labelAt(d, "LabelB"), tip(d, "LineB"));
    EXPECT_EQ(labelAt(d, "LabelR"), tip(d, "LineR"));
}

}  // namespace

// ---- Mode A: B drawn from the origin ----

TEST(TipDragModeA, ATipGoesToThePointerAndRFollowsWithBsExtent) {
    const Json d = lastDump(fresh("move 1 5000 2000\ndump\n"));
    EXPECT_EQ(tail(d, "LineA"), kOrigin);
    EXPECT_EQ(tip(d, "LineA"), (Point{5000, 2000}));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
    EXPECT_EQ(tip(d, "LineR"), (Point{8240, 2000}));
    expectLabelsOnTips(d);
    EXPECT_EQ(caption(d, "SetA"), "A= 3298.48, 67.17°");
    EXPECT_EQ(caption(d, "Ax"), "Ax= 1280");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 3040");
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
    EXPECT_EQ(caption(d, "SetR"), "R= 5447.2, 33.92°");
    EXPECT_EQ(caption(d, "Rx"), "Rx= 4520");
    EXPECT_EQ(caption(d, "Ry"), "Ry= 3040");
    EXPECT_EQ(var(d, "modA"), 3298.4845004941284);
    EXPECT_EQ(d["topLabel"].string(), "LabelB");
}

TEST(TipDragModeA, ADragOntoItsOwnTipChangesNothing) { expectNoTrace("", "move 1 3720 840\n"); }

TEST(TipDragModeA, LockedAMovesNothing) { expectNoTrace("click LockA\n", "move 1 5000 2000\n"); }

TEST(TipDragModeA, BTipGoesToThePointerAndRLandsAtAPlusB) {
    const Json d = lastDump(fresh("click LabelB\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, -2200}));
    expectLabelsOnTips(d);
    EXPECT_EQ(caption(d, "SetB"), "B= 3298.48, 67.17°");
    EXPECT_EQ(caption(d, "SetR"), "R= 7352.28, 79.97°");
    EXPECT_EQ(caption(d, "Ry"), "Ry= 7240");
}

TEST(TipDragModeA, LockedBMovesNothing) {
    const Json before = lastDump(fresh("move 1 3720 840\nclick LabelB\nclick LockB\ndump\n"));
    const Json d = lastDump(fresh("move 1 3720 840\nclick LabelB\nclick LockB\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(stateDifference(before, d), "");
}

TEST(TipDragModeA, RWithALockedMovesBAndKeepsA) {
    const Json d = lastDump(fresh("click LockA\nclick LabelR\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{5000, 6200}));
    EXPECT_EQ(caption(d, "SetB"), "B= 1727.43, 317.82°");
    EXPECT_EQ(caption(d, "By"), "By=-1160");
    EXPECT_EQ(caption(d, "SetR"), "R= 3298.48, 67.17°");
    EXPECT_EQ(d["topLabel"].string(), "LabelR");
}

TEST(TipDragModeA, RWithBLockedMovesAAndKeepsB) {
    const Json d = lastDump(fresh("click LockB\nclick LabelR\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{1760, 2000}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(caption(d, "SetA"), "A= 3617.07, 122.81°");
    EXPECT_EQ(caption(d, "Ax"), "Ax=-1960");
    EXPECT_EQ(d["topLabel"].string(), "LabelR");
}

TEST(TipDragModeA, SelectedRStillMovesAfterRIsLocked) {
    const Json d = lastDump(fresh("click LockB\nclick LabelR\nclick LockR\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(var(d, "curVec"), 3);
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineA"), (Point{1760, 2000}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
}

TEST(TipDragModeA, PointerPositionsAreSinglesAndSumsAreRoundedToSingle) {
    const Json d = lastDump(fresh("move 1 1234.567 -89.123\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{single(1234.567), single(-89.123)}));
    EXPECT_EQ(tip(d, "LineR"), (Point{4474.56689453125, single(-89.123)}));
    EXPECT_EQ(labelAt(d, "LabelR"), (Point{4474.56689453125, single(-89.123)}));
    // Shown components are 2-decimal rounded singles.
    EXPECT_EQ(var(d, "compAx"), single(-2485.43));
    EXPECT_EQ(var(d, "compAy"), single(5129.12));
    EXPECT_EQ(var(d, "compRx"), single(754.57));
    EXPECT_EQ(caption(d, "Ax"), "Ax=-2485.43");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 5129.12");
    EXPECT_EQ(caption(d, "Rx"), "Rx= 754.57");
    EXPECT_EQ(var(d, "modA"), 5699.585938940118);
    EXPECT_EQ(var(d, "angA"), 115.85356281864485);
    EXPECT_EQ(var(d, "modR"), 5184.329653747105);
    EXPECT_EQ(var(d, "angR"), 81.63100812076766);
    EXPECT_EQ(caption(d, "SetA"), "A= 5699.59, 115.85°");
    EXPECT_EQ(caption(d, "SetR"), "R= 5184.33, 81.63°");
    EXPECT_EQ(var(d, "angAB"), 115.85);
    EXPECT_EQ(var(d, "angAR"), 34.22);
    EXPECT_EQ(var(d, "angBR"), 81.63);
}

// ---- Mode B: B drawn from A's tip to R's tip ----

TEST(TipDragModeB, AKeepsBsExtentAndBIsRedrawnFromTheNewTip) {
    const Json before = lastDump(modeB("dump\n"));
    EXPECT_EQ(tail(before, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(before, "LineB"), (Point{6960, 840}));
    const Json d = lastDump(modeB("move 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{5000, 2000}));
    EXPECT_EQ(tail(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineB"), (Point{8240, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{8240, 2000}));
    expectLabelsOnTips(d);
    EXPECT_EQ(caption(d, "SetB"), caption(before, "SetB"));
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
    EXPECT_EQ(caption(d, "SetA"), "A= 3298.48, 67.17°");
    EXPECT_EQ(caption(d, "SetR"), "R= 5447.2, 33.92°");
}

TEST(TipDragModeB, LockedAMovesNothingAndBIsRedrawnInPlace) {
    const Json before = lastDump(modeB("click LockA\ndump\n"));
    const Json d = lastDump(modeB("click LockA\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(stateDifference(before, d), "");
}

TEST(TipDragModeB, BRunsFromAsTipToThePointerAndItsLabelComesOnTop) {
    // Lock B then Lock A: B is free again and LabelR lies on top of the common tip.
    const Json before = lastDump(modeB("click LockB\nclick LockA\ndump\n"));
    EXPECT_EQ(before["topLabel"].string(), "LabelR");
    const Json d = lastDump(modeB("click LockB\nclick LockA\nclick LabelB\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(d["topLabel"].string(), "LabelB");
    EXPECT_EQ(caption(d, "SetB"), "B= 1727.43, 317.82°");
    EXPECT_EQ(caption(d, "SetR"), "R= 3298.48, 67.17°");
}

TEST(TipDragModeB, LockedBStillFollowsThePointerWhileAStays) {
    const Json d = lastDump(modeB("click LabelB\nclick LockB\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(d["menus"]["SetB"]["enabled"].boolean(), false);
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(d["topLabel"].string(), "LabelB");
}

TEST(TipDragModeB, RWithALockedRedrawsBToThePointer) {
    const Json d = lastDump(modeB("click LockA\nclick LabelR\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(d["topLabel"].string(), "LabelR");
}

TEST(TipDragModeB, RWithBLockedMovesAAndCarriesBAlong) {
    const Json d = lastDump(modeB("click LockB\nclick LabelR\nmove 1 5000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{1760, 2000}));
    EXPECT_EQ(tail(d, "LineB"), (Point{1760, 2000}));
    EXPECT_EQ(tip(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
    EXPECT_EQ(caption(d, "SetA"), "A= 3617.07, 122.81°");
    EXPECT_EQ(d["topLabel"].string(), "LabelR");
}

TEST(TipDragModeB, SelectedRStillMovesAfterRIsLocked) {
    const Json d = lastDump(modeB("click LockB\nclick LabelR\nclick LockR\nmove 1 5000 2000\ndump\n"));
    EXPECT_FALSE(d["menus"]["SetR"]["enabled"].boolean());
    EXPECT_EQ(tip(d, "LineR"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineA"), (Point{1760, 2000}));
    EXPECT_EQ(tail(d, "LineB"), (Point{1760, 2000}));
    EXPECT_EQ(tip(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(d["topLabel"].string(), "LabelR");
}

// ---- Figure drag (right button) ----

TEST(FigureDrag, OriginJumpsToThePointerAndNothingIsRecomputed) {
    const Json before = lastDump(fresh("dump\n"));
    const Json d = lastDump(fresh("move 2 1000 2000\ndump\n"));
    EXPECT_EQ(tail(d, "LineA"), (Point{1000, 2000}));
    EXPECT_EQ(tip(d, "LineA"), (Point{1000, -2200}));
    EXPECT_EQ(tail(d, "LineB"), (Point{1000, 2000}));
    EXPECT_EQ(tip(d, "LineB"), (Point{4240, 2000}));
    EXPECT_EQ(tail(d, "LineR"), (Point{1000, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{4240, -2200}));
    expectLabelsOnTips(d);
    EXPECT_EQ(firstDifference(before["menus"], d["menus"]), "");
    EXPECT_EQ(firstDifference(before["vars"], d["vars"]), "");
    for (const char* label : {"LabelA", "LabelB", "LabelR"}) {
        EXPECT_EQ(labelCaption(d, label), labelCaption(before, label));
        EXPECT_EQ(d["labels"][label]["tooltip"].string(), before["labels"][label]["tooltip"].string());
    }
}

TEST(FigureDrag, KeepsBHeadToTailInModeB) {
    const Json d = lastDump(modeB("move 1 5000 2000\nmove 2 1000 2000\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{2280, -1040}));
    EXPECT_EQ(tail(d, "LineB"), tip(d, "LineA"));
    EXPECT_EQ(tip(d, "LineB"), tip(d, "LineR"));
    EXPECT_EQ(tip(d, "LineR"), (Point{5520, -1040}));
    expectLabelsOnTips(d);
}

TEST(FigureDrag, OffsetIsASingleSoTheOriginLandsNearNotOnASmallPointer) {
    // 0.1 - 3720 is rounded to a single (-3719.89990234375) before it is added.
    const Json d = lastDump(fresh("move 2 0.1 0.1\ndump\n"));
    EXPECT_EQ(tail(d, "LineA"), (Point{0.10009765625, 0.10009765625}));
    EXPECT_EQ(tip(d, "LineA"), (Point{0.10009765625, -4199.89990234375}));
    EXPECT_EQ(tip(d, "LineB"), (Point{3240.10009765625, 0.10009765625}));
    EXPECT_EQ(tip(d, "LineR"), (Point{3240.10009765625, -4199.89990234375}));
    expectLabelsOnTips(d);
}

// ---- Dispatch ----

TEST(PointerDispatch, NoButtonMiddleButtonOrBothButtonsDoNothing) {
    const Json before = lastDump(fresh("click ModeB\ndump\n"));
    for (const char* button : {"0", "3", "4"}) {
        const Json d = lastDump(fresh(std::string("click ModeB\nmove ") + button + " 5000 2000\ndump\n"));
        EXPECT_EQ(stateDifference(before, d), "") << "button " << button;
    }
}

// A figure whose menus describe lines as they no longer stand: what refreshes shows.
TEST(StaleCaptions, FirstDragMakesTheResultantTheSum) {
    const Json d = lastDump(fresh(apart("move 1 3720 840\ndump\n")));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 840}));
    EXPECT_EQ(caption(d, "SetR"), "R= 5304.49, 52.35°");
}

TEST(StaleCaptions, LockedAMovesNothingButTheRefreshStillRuns) {
    // "Mode B" then "Mode A" leaves B's line at (3120, -240) with B's menu still showing
    // 3240: only a refresh rewrites it.
    const Json before = lastDump(fresh(apart("click ModeB\nclick ModeA\nclick LockA\ndump\n")));
    EXPECT_EQ(caption(before, "SetB"), "B= 3240, 0°");
    const Json d = lastDump(fresh(apart("click ModeB\nclick ModeA\nclick LockA\nmove 1 5000 2000\ndump\n")));
    for (const char* line : {"LineA", "LineB", "LineR"}) EXPECT_EQ(tip(d, line), tip(before, line)) << line;
    EXPECT_EQ(caption(d, "SetB"), "B= 3129.22, 4.4°");
    EXPECT_EQ(var(d, "modB"), 3129.217154497271);
    // In Mode B too: the drag moves nothing, its refresh measures B as drawn.
    const Json b = lastDump(fresh(apart("click ModeB\nclick LockA\nmove 1 5000 2000\ndump\n")));
    EXPECT_EQ(tip(b, "LineB"), (Point{6840, 600}));
    EXPECT_EQ(caption(b, "SetB"), "B= 3129.22, 4.4°");
}

TEST(StaleCaptions, FigureDragAndLabelClickRefreshNothing) {
    for (const char* event : {"move 2 100 -300\n", "click LabelB\n"}) {
        const Json d = lastDump(fresh(apart(std::string("click ModeB\n") + event + "dump\n")));
        EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°") << event;
        EXPECT_EQ(var(d, "modB"), 3240) << event;
    }
}
