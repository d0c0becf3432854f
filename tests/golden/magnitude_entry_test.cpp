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

TEST(MagnitudeEntry, ZeroPutsTheTipOnTheTail) {
    const Json d = lastDump(fresh("reply 0\nclick SizeA\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), kOrigin);
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 5040}));
    EXPECT_EQ(var(d, "modA"), 0);
    EXPECT_EQ(caption(d, "SetA"), "A= 0, 270°");
    EXPECT_EQ(caption(d, "SetR"), "R= 3240, 0°");
}

TEST(MagnitudeEntry, PromptShowsTheStoredMagnitudeWithFifteenDigits) {
    const Json d = lastDump(fresh("move 1 4720 4040\nreply 1000\nclick SizeA\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 1414.2135623731", "Vector A");
    EXPECT_EQ(tip(d, "LineA"), (Point{4427.10693359375, 4332.89306640625}));
    EXPECT_EQ(tip(d, "LineR"), (Point{7667.10693359375, 4332.89306640625}));
    EXPECT_EQ(caption(d, "SetA"), "A= 1000, 45°");
    EXPECT_EQ(caption(d, "Ax"), "Ax= 707.11");
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
    const Json d = lastDump(fresh("click ModeB\nreply 1000\nclick SizeB\ndump\n"));
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
    expectPrompt(dialogs(d)[0], "Current value : 5304.48866527208", "Vector R");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5552.41015625, 2664.6533203125}));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{5552.41015625, 6864.6533203125}));
    EXPECT_EQ(caption(d, "SetR"), "R= 3000, 52.35°");
    EXPECT_EQ(caption(d, "SetB"), "B= 2585.94, 315.12°");
}

TEST(MagnitudeEntry, RWithBLockedMakesAGiveWay) {
    const Json d = lastDump(fresh("click LockB\nreply 3000\nclick SizeR\ndump\n"));
    EXPECT_EQ(tip(d, "LineR"), (Point{5552.41015625, 2664.6533203125}));
    EXPECT_EQ(tip(d, "LineA"), (Point{2312.41015625, 2664.6533203125}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
    EXPECT_EQ(caption(d, "SetA"), "A= 2761.08, 120.65°");
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
}

TEST(MagnitudeEntry, RWithBLockedInModeBCarriesBToAsNewTip) {
    const Json d = lastDump(fresh("click ModeB\nclick LockB\nreply 3000\nclick SizeR\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 5304.48866527208", "Vector R");
    EXPECT_EQ(tip(d, "LineR"), (Point{5552.41015625, 2664.6533203125}));
    EXPECT_EQ(tip(d, "LineA"), (Point{2312.41015625, 2664.6533203125}));
    EXPECT_EQ(tail(d, "LineB"), tip(d, "LineA"));
    EXPECT_EQ(tip(d, "LineB"), tip(d, "LineR"));
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°");
    EXPECT_EQ(caption(d, "SetR"), "R= 3000, 52.35°");
}

TEST(MagnitudeEntry, CancelLeavesNoTrace) {
    for (const char* item : {"SizeA", "SizeB"}) {
        const Json d = expectNoTrace("click ModeB\n", std::string("cancel\nclick ") + item + "\n");
        EXPECT_EQ(dialogs(d).items().size(), 1u) << item;
    }
    expectNoTrace("click ModeB\nclick LockA\n", "cancel\nclick SizeR\n");
}

// A reply that is empty ends the command as Cancel does; one that is no number, or too
// large, does so after a message box titled as the prompt.
TEST(MagnitudeEntry, RefusedRepliesLeaveNoTraceAndSayWhy) {
    const struct {
        const char* reply;
        const char* message;  // none for an empty reply
    } cases[] = {{"", nullptr}, {"abc", "\"abc\" is not a number."}, {"1e400", "\"1e400\" is too large."}};
    for (const auto& c : cases) {
        const Json d = expectNoTrace("click ModeB\n", std::string("reply ") + c.reply + "\nclick SizeB\n");
        ASSERT_EQ(dialogs(d).items().size(), c.message ? 2u : 1u) << c.reply;
        if (c.message) expectMessage(dialogs(d)[1], c.message, "Vector B", 48);
    }
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

TEST(MagnitudeEntry, CancelDoesNotRefresh) {
    // After "Mode B" B's menu is stale; a refresh would rewrite it.
    for (const char* item : {"SizeA", "SizeB"}) {
        const Json d = expectNoTrace(apart("click ModeB\n"), std::string("cancel\nclick ") + item + "\n");
        EXPECT_EQ(caption(d, "SetB"), "B= 3240, 0°") << item;
    }
}
