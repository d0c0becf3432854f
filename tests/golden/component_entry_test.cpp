// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Typing a new x or y component (the Ax ... Ry items), y counted upwards.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

TEST(ComponentEntry, OkOnTheOfferedAyKeepsAButMovesRToTheSum) {
    const Json d = lastDump(fresh("reply 4200\nclick Ay\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 1u);
    expectPrompt(dialogs(d)[0], "Current value : 4200", "Ay", "4200");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 840}));
    EXPECT_EQ(caption(d, "SetR"), "R= 5304.49, 52.35°");
}

TEST(ComponentEntry, AxZeroPutsTheTipOnTheVerticalThroughTheTail) {
    const Json d = lastDump(fresh("move 1 5000 2000\nreply 0\nclick Ax\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 1280", "Ax", "1280");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 2000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 2000}));
    EXPECT_EQ(caption(d, "Ax"), "Ax= 0");
}

TEST(ComponentEntry, ByCountsUpwardsAndWritesOnlyRsY) {
    const Json up = lastDump(fresh("reply 1000\nclick By\ndump\n"));
    expectPrompt(dialogs(up)[0], "Current value : 0", "By", "0");
    EXPECT_EQ(tip(up, "LineB"), (Point{6960, 4040}));
    EXPECT_EQ(tip(up, "LineR"), (Point{6960, -160}));
    EXPECT_EQ(caption(up, "By"), "By= 1000");
    EXPECT_EQ(caption(up, "SetB"), "B= 3390.81, 17.15°");

    const Json down = lastDump(fresh("reply -1000\nclick By\ndump\n"));
    EXPECT_EQ(tip(down, "LineB"), (Point{6960, 6040}));
    EXPECT_EQ(tip(down, "LineR"), (Point{6960, 1840}));
    EXPECT_EQ(caption(down, "By"), "By=-1000");
    EXPECT_EQ(caption(down, "SetB"), "B= 3390.81, 342.85°");
}

TEST(ComponentEntry, BxInModeAWritesOnlyRsX) {
    const Json d = lastDump(fresh("reply 1000\nclick Bx\ndump\n"));
    EXPECT_EQ(tip(d, "LineB"), (Point{4720, 5040}));
    EXPECT_EQ(tip(d, "LineR"), (Point{4720, 840}));
}

TEST(ComponentEntry, NegativeCurrentValueHasNoBlankAfterTheColon) {
    const Json d = lastDump(fresh("reply -500\nclick Bx\nreply 7\nclick Bx\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 2u);
    expectPrompt(dialogs(d)[1], "Current value :-500", "Bx", "-500");
    EXPECT_EQ(tip(d, "LineB"), (Point{3727, 5040}));
}

TEST(ComponentEntry, RxPromptHasNoBlankBeforeTheColon) {
    const Json d = lastDump(fresh("click LockB\nreply 3120\nclick Rx\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value: 3240", "Rx", "3240");
    // A gives way and becomes R - B.
    EXPECT_EQ(tip(d, "LineR"), (Point{6840, 840}));
    EXPECT_EQ(tip(d, "LineA"), (Point{3600, 840}));
    EXPECT_EQ(caption(d, "Ax"), "Ax=-120");
}

TEST(ComponentEntry, BxInModeBMovesRsXOntoBsTipOnly) {
    const Json d = lastDump(fresh("move 1 5000 2000\nclick ModeB\nclick LabelB\nmove 1 8000 1000\nreply 100\nclick Bx\ndump\n"));
    EXPECT_EQ(tail(d, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(d, "LineB"), (Point{5100, 1000}));
    EXPECT_EQ(tip(d, "LineR"), (Point{5100, 1000}));
    EXPECT_EQ(tip(d, "LineA"), (Point{5000, 2000}));
}

TEST(ComponentEntry, ScaledCaptionButWindowUnitPromptAndReply) {
    const Json d = lastDump(fresh("reply 5\nclick ca\nreply 1000\nclick Ay\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 2u);
    expectPrompt(dialogs(d)[1], "Current value : 4200", "Ay", "4200");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 4040}));
    EXPECT_EQ(caption(d, "Ay"), "Ay= 5");
    EXPECT_EQ(caption(d, "Bx"), "Bx= 16.2");
}

TEST(ComponentEntry, RyWithALockedMakesBGiveWayInBothCoordinates) {
    const Json d = lastDump(fresh("click LockA\nreply 100\nclick Ry\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 4200", "Ry", "4200");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 4940}));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 9140}));
}

TEST(ComponentEntry, RyWithBLockedMakesAGiveWay) {
    const Json d = lastDump(fresh("click LockB\nreply 100\nclick Ry\ndump\n"));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 4940}));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 4940}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
    EXPECT_EQ(caption(d, "SetA"), "A= 100, 90°");
}

TEST(ComponentEntry, RyWithBLockedInModeBRedrawsBFromAsNewTip) {
    const Json d = lastDump(fresh("click ModeB\nclick LockB\nreply 100\nclick Ry\ndump\n"));
    expectPrompt(dialogs(d)[0], "Current value : 4200", "Ry", "4200");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 4940}));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 4940}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 4940}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 4940}));
}

TEST(ComponentEntry, CurrentValueIsTheUnroundedSingleWithSevenDigits) {
    const Json d = lastDump(fresh("move 1 1234.567 -89.123\nreply 1\nclick Ax\nreply 2\nclick Ay\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 2u);
    expectPrompt(dialogs(d)[0], "Current value :-2485.433", "Ax", "-2485.433");
    expectPrompt(dialogs(d)[1], "Current value : 5129.123", "Ay", "5129.123");
    EXPECT_EQ(tip(d, "LineA"), (Point{3721, 5038}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6961, 5038}));
}

TEST(ComponentEntry, FractionBelowOneIsOfferedWithALeadingZero) {
    const Json d = lastDump(fresh("move 1 3720.5 840\nreply -0.5\nclick Ax\ncancel\nclick Ax\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 2u);
    expectPrompt(dialogs(d)[0], "Current value : .5", "Ax", "0.5");
    expectPrompt(dialogs(d)[1], "Current value :-.5", "Ax", "-0.5");
}

TEST(ComponentEntry, CancelOrAnOverflowingReplyLeavesNoTrace) {
    for (const char* item : {"Ax", "Ay", "Bx", "By"}) {
        const Json d = expectNoTrace("click ModeB\n", std::string("cancel\nclick ") + item + "\n");
        EXPECT_EQ(dialogs(d).items().size(), 1u) << item;
        expectNoTrace("click ModeB\n", std::string("reply 1e999\nclick ") + item + "\n");
    }
    expectNoTrace("click LockA\n", "cancel\nclick Rx\n");
    expectNoTrace("click LockA\n", "reply -1e999\nclick Ry\n");
}
