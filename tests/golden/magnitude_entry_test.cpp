// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Typing a new magnitude for A, B or R (the first item of each vector menu).
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

TEST(MagnitudeEntry, HalvingAKeepsItsDirectionAndRFollows) {
    const Json d = lastDump(fresh("reply 2100\nclick SizeA\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 1u);
    expectPrompt(dialogs(d)[0], "Current value : 4200", "Vector A");
    EXPECT_EQ(tail(d, "LineA"), kOrigin);
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 2940}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 2940}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
    EXPECT_EQ(var(d, "modA"), 2100);
    EXPECT_EQ(caption(d, "SetA"), "A= 2100, 90°");
    EXPECT_EQ(caption(d, "SetR"), "R= 3861.04, 32.95°");
    EXPECT_EQ(labelAt(d, "LabelA"), (Point{3720, 2940}));
}

TEST(MagnitudeEntry, NegativeReplyReversesTheVector) {
    const Json d = lastDump(fresh("reply -4200\nclick SizeA\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 9240}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 9240}));
    EXPECT_EQ(caption(d, "SetA"), "A= 4200, 270°");
    EXPECT_EQ(caption(d, "Ay"), "Ay=-4200");
}

TEST(MagnitudeEntry, ZeroEmptyOrLettersPutTheTipOnTheTail) {
    for (const char* reply : {"reply 0\n", "reply\n", "reply abc\n"}) {
        const Json d = lastDump(fresh(std::string(reply) + "click SizeA\ndump\n"));
        EXPECT_EQ(tip(d, "LineA"), kOrigin) << reply;
        EXPECT_EQ(tip(d, "LineR"), (Point{6960, 5040})) << reply;
        EXPECT_EQ(var(d, "modA"), 0) << reply;
        EXPECT_EQ(caption(d, "SetA"), "A= 0, 270°") << reply;
        EXPECT_EQ(caption(d, "SetR"), "R= 3240, 0°") << reply;
    }
}

TEST(MagnitudeEntry, PromptShowsTheStoredMagnitudeWithFifteenDigits) {
    const Json d = lastDump(fresh("move 1 4720 4040\nreply 1000\nclick SizeA\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 1414.2135623731", "Vector A");
    EXPECT_EQ(tip(d, "LineA"), (Point{4427.10693359375, 4332.89306640625}));
    EXPECT_EQ(tip(d, "LineR"), (Point{7667.10693359375, 4332.89306640625}));
    EXPECT_EQ(caption(d, "SetA"), "A= 1000, 45°");
    EXPECT_EQ(caption(d, "Ax"), "Ax= 707.11");
}

TEST(MagnitudeEntry, DecimalCommaEndsTheNumber) {
    const Json d = lastDump(fresh("reply 1,5\nclick SizeA\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 5039}));
    EXPECT_EQ(var(d, "modA"), 1);
}

TEST(MagnitudeEntry, WorksInWindowUnitsWhileAReferenceIsMarked) {
    const Json d = lastDump(fresh("reply 1\nclick ca\nreply 2\nclick SizeA\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 2u);
    expectPrompt(dialogs(d)[1], "Current value : 4200", "Vector A");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 5038}));
    EXPECT_EQ(var(d, "modA"), 2);
    EXPECT_EQ(caption(d, "SetA"), "A= 1, 90°");
    EXPECT_EQ(caption(d, "SetB"), "B= 1620, 0°");
}

TEST(MagnitudeEntry, BInModeBPutsRsTipOnBsTipAndLeavesA) {
    const Json d = lastDump(fresh("move 1 3720 840\nclick ModeB\nreply 1000\nclick SizeB\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 3240", "Vector B");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{4720, 840}));
    EXPECT_EQ(tip(d, "LineR"), tip(d, "LineB"));
    EXPECT_EQ(caption(d, "SetB"), "B= 1000, 0°");
}

TEST(MagnitudeEntry, BInModeAMovesRToBsTipPlusAsExtent) {
    const Json d = lastDump(fresh("reply 1000\nclick SizeB\ndump\n"));
    EXPECT_EQ(tip(d, "LineB"), (Point{4720, 5040}));
    EXPECT_EQ(tip(d, "LineR"), (Point{4720, 840}));
    EXPECT_EQ(caption(d, "SetR"), "R= 4317.41, 76.61°");
}

TEST(MagnitudeEntry, RWithALockedMakesBGiveWay) {
    const Json d = lastDump(fresh("click LockA\nreply 3000\nclick SizeR\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 5426.60114620561", "Vector R");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5444.83642578125, 2585.4248046875}));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{5444.83642578125, 6785.4248046875}));
    EXPECT_EQ(caption(d, "SetR"), "R= 3000, 54.9°");
    EXPECT_EQ(caption(d, "SetB"), "B= 2453.89, 314.66°");
}

TEST(MagnitudeEntry, RWithBLockedMakesAGiveWay) {
    const Json d = lastDump(fresh("click LockB\nreply 3000\nclick SizeR\ndump\n"));
    EXPECT_EQ(tip(d, "LineR"), (Point{5444.83642578125, 2585.4248046875}));
    EXPECT_EQ(tip(d, "LineA"), (Point{2204.83642578125, 2585.4248046875}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
    EXPECT_EQ(caption(d, "SetA"), "A= 2884.56, 121.69°");
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
}

TEST(MagnitudeEntry, RWithBLockedInModeBCarriesBToAsNewTip) {
    const Json d = lastDump(fresh("move 1 3720 840\nclick ModeB\nclick LockB\nreply 3000\nclick SizeR\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 5304.48866527208", "Vector R");
    EXPECT_EQ(tip(d, "LineR"), (Point{5552.41015625, 2664.6533203125}));
    EXPECT_EQ(tip(d, "LineA"), (Point{2312.41015625, 2664.6533203125}));
    EXPECT_EQ(tail(d, "LineB"), tip(d, "LineA"));
    EXPECT_EQ(tip(d, "LineB"), tip(d, "LineR"));
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
    EXPECT_EQ(caption(d, "SetR"), "R= 3000, 52.35°");
}

TEST(MagnitudeEntry, CancelLeavesNoTraceAndDoesNotRefresh) {
    // After "Mode B" on a fresh window B's menu is stale; a refresh would rewrite it.
    for (const char* item : {"SizeA", "SizeB"}) {
        const Json d = expectNoTrace("click ModeB\n", std::string("cancel\nclick ") + item + "\n");
        EXPECT_EQ(dialogs(d).items().size(), 1u) << item;
        EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°") << item;
    }
    expectNoTrace("click ModeB\nclick LockA\n", "cancel\nclick SizeR\n");
}

TEST(MagnitudeEntry, ReplyThatOverflowsIsTakenAsCancel) {
    expectNoTrace("click ModeB\n", "reply 1e999\nclick SizeA\n");
    expectNoTrace("click ModeB\n", "reply -1e400\nclick SizeB\n");
}

TEST(MagnitudeEntry, ZeroVectorGetsTheTypedLengthStraightDown) {
    const Json d = lastDump(fresh("reply 0\nclick SizeA\nreply 1000\nclick SizeA\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 2u);
    expectPrompt(dialogs(d)[1], "Current value : 0", "Vector A");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 6040}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 6040}));
    EXPECT_EQ(caption(d, "SetA"), "A= 1000, 270°");
}

TEST(MagnitudeEntry, ZeroVectorInRadiansWithANegativeLengthPointsUp) {
    const Json d = lastDump(fresh("reply 0\nclick SizeA\nclick AngleMode\nreply -1000\nclick SizeA\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 4040}));
    EXPECT_EQ(caption(d, "SetA"), "A= 1000, 1.57 r");
}

TEST(MagnitudeEntry, ZeroBGetsItsLengthAndRFollows) {
    const Json d = lastDump(fresh("click LabelB\nmove 1 3720 5040\nreply 500\nclick SizeB\ndump\n"));
    EXPECT_EQ(tip(d, "LineB"), (Point{3720, 5540}));
    EXPECT_EQ(tip(d, "LineR"), (Point{3720, 1340}));
    EXPECT_EQ(caption(d, "SetB"), "B= 500, 270°");
}
