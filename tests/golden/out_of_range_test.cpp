// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// End points beyond 10,000,000 window units (or not finite): the handler leaves no trace.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

TEST(OutOfRange, FigureDragUpToTheLimitIsAcceptedOneUnitFurtherIsNot) {
    const Json d = lastDump(fresh("move 2 9996760 5040\ndump\n"));
    EXPECT_EQ(tip(d, "LineB"), (Point{10000000, 5040}));
    EXPECT_EQ(labelAt(d, "LabelB"), (Point{10000000, 5040}));
    expectNoTrace("move 2 9996760 5040\n", "move 2 9996761 5040\n");
}

TEST(OutOfRange, FigureDragFarAwayThenFurther) {
    const Json far = lastDump(fresh("move 2 9990000 5040\ndump\n"));
    EXPECT_EQ(tail(far, "LineA"), (Point{9990000, 5040}));
    EXPECT_EQ(tip(far, "LineB"), (Point{9993240, 5040}));
    EXPECT_EQ(tip(far, "LineR"), (Point{9993240, 840}));
    expectNoTrace("move 2 9990000 5040\n", "move 2 9999000 5040\n");
    expectNoTrace("move 2 9990000 5040\n", "move 2 -9999000 -9999000\n");
}

TEST(OutOfRange, TipDragBeyondTheLimitMovesNothingInEitherLayout) {
    expectNoTrace("click ModeB\n", "move 1 20000000 5\n");
    expectNoTrace("", "move 1 5 -10000001\n");
    expectNoTrace("", "press 1 0 0\nmove 1 3720 99999999\nrelease\n");  // a gesture, as the window drags
}

TEST(OutOfRange, RejectedRDragLeavesTheStackingOrderAsItWas) {
    // A locked: dragging R moves B's tip, here beyond the limit; LabelB stays on top.
    expectNoTrace("click LockA\nclick LabelR\n", "move 1 20000000 5\n");
    const Json d = lastDump(fresh("click LockA\nclick LabelR\nmove 1 20000000 5\ndump\n"));
    EXPECT_EQ(d["topLabel"].string(), "LabelB");
}

TEST(OutOfRange, AFollowUpPastTheLimitRejectsTheWholeDrag) {
    // A's tip itself stays inside, but R's tip = A's tip + B's extent would not.
    expectNoTrace("", "move 1 9998000 840\n");
}

TEST(OutOfRange, ModeAThatWouldPutBPastTheLimitKeepsModeB) {
    const std::string setup = "click ModeB\nmove 1 -9000000 5040\nclick LabelB\nmove 1 9000000 5040\n";
    const Json inB = lastDump(fresh(setup + "dump\n"));
    EXPECT_EQ(caption(inB, "SetB"), "B= 18000000, 0°");
    expectNoTrace(setup, "click ModeA\n");
    const Json d = lastDump(fresh(setup + "click ModeA\ndump\n"));
    EXPECT_TRUE(d["menus"]["ModeB"]["checked"].boolean());
    EXPECT_FALSE(d["menus"]["ModeA"]["checked"].boolean());
}

TEST(OutOfRange, HugeTypedMagnitudeLeavesNoTraceButThePromptWasShown) {
    const Json d = expectNoTrace("", "reply 1e9\nclick SizeA\n");
    ASSERT_EQ(dialogs(d).items().size(), 1u);
    EXPECT_EQ(dialogs(d)[0]["title"].string(), "Vector A");
}

TEST(OutOfRange, MagnitudeWhoseTipOverflowsToInfinityLeavesNoTrace) {
    expectNoTrace("", "reply 1e300\nclick SizeA\n");
    expectNoTrace("", "reply -1e300\nclick SizeB\n");
}

TEST(OutOfRange, HugeComponentsAndRFollowUpsLeaveNoTrace) {
    expectNoTrace("", "reply 1e8\nclick Ax\n");
    expectNoTrace("", "reply 10003000\nclick By\n");  // B's tip inside, R's beyond
    expectNoTrace("click LockB\n", "reply 3e7\nclick Rx\n");
}

TEST(OutOfRange, ARejectedCommandLeavesTheWindowUsable) {
    const Json d = lastDump(fresh("reply 1e9\nclick SizeA\nreply 2100\nclick SizeA\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 2940}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 2940}));
    EXPECT_EQ(var(d, "modA"), 2100);
}

TEST(OutOfRange, ARejectedTipDragDoesNotRefresh) {
    // After "Mode B" B's caption is stale: a refresh would rewrite it.
    expectNoTrace(apart("click ModeB\n"), "move 1 20000000 5\n");
}
