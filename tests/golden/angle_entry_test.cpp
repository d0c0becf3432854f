// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Typing a new direction for A, B or R in the current angle unit.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

Json angleA(const std::string& reply) { return lastDump(fresh(reply + "click AngleA\ndump\n")); }

}  // namespace

TEST(AngleEntry, ZeroTurnsAToTheRightAndRFollows) {
    const Json d = angleA("reply 0\n");
    ASSERT_EQ(dialogs(d).items().size(), 1u);
    expectPrompt(dialogs(d)[0], "Degrees", "New value for angle A");
    EXPECT_EQ(tip(d, "LineA"), (Point{7920, 5040}));
    EXPECT_EQ(tip(d, "LineR"), (Point{11160, 5040}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
    EXPECT_EQ(caption(d, "SetA"), "A= 4200, 0°");
    EXPECT_EQ(caption(d, "SetR"), "R= 7440, 0°");
}

TEST(AngleEntry, HalfTurnLandsOnTheLeftDespiteTheInexactLiteral) {
    const Json d = angleA("reply 180\n");
    EXPECT_EQ(tip(d, "LineA"), (Point{-480, 5040}));
    EXPECT_EQ(tip(d, "LineR"), (Point{2760, 5040}));
    EXPECT_EQ(caption(d, "SetA"), "A= 4200, 180°");
    EXPECT_EQ(caption(d, "Rx"), "Rx=-960");
}

TEST(AngleEntry, QuarterTurnKeepsTheStartUpTip) {
    const Json d = angleA("reply 90\n");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 840}));
}

TEST(AngleEntry, RadiansAreTakenAsTyped) {
    const Json d = lastDump(fresh("click AngleMode\nreply 3.14\nclick AngleA\ndump\n"));
    expectPrompt(dialogs(d)[0], "Radians", "New value for angle A");
    EXPECT_EQ(tip(d, "LineA"), (Point{-479.9946594238281, 5033.31103515625}));
    EXPECT_EQ(tip(d, "LineR"), (Point{2760.00537109375, 5033.31103515625}));
    EXPECT_EQ(caption(d, "SetA"), "A= 4200, 3.14 r");
    EXPECT_EQ(caption(d, "Ax"), "Ax=-4199.99");
    EXPECT_EQ(caption(d, "Ay"), "Ay= 6.69");
}

TEST(AngleEntry, EquivalentAnglesPointTheSameWayUpToOneSingleStep) {
    // -90 and 270 both point down, 450 and 90 both up; the divisor 57.29578 leaves cosines of
    // about 1e-8 that round the x of the tip differently.
    const Json minus90 = angleA("reply -90\n");
    const Json plus270 = angleA("reply 270\n");
    EXPECT_EQ(tip(minus90, "LineA"), (Point{3720, 9240}));
    EXPECT_EQ(tip(plus270, "LineA"), (Point{3719.999755859375, 9240}));
    for (const Json* d : {&minus90, &plus270}) {
        EXPECT_EQ(caption(*d, "SetA"), "A= 4200, 270°");
        EXPECT_EQ(caption(*d, "Ax"), "Ax= 0");
        EXPECT_EQ(caption(*d, "Ay"), "Ay=-4200");
        EXPECT_EQ(tip(*d, "LineR"), (Point{6960, 9240}));
    }
    const Json plus450 = angleA("reply 450\n");
    EXPECT_EQ(tip(plus450, "LineA"), (Point{3720.000244140625, 840}));
    EXPECT_EQ(caption(plus450, "SetA"), "A= 4200, 90°");
    EXPECT_EQ(caption(plus450, "Ax"), "Ax= 0");
}

TEST(AngleEntry, ZeroVectorStaysAPoint) {
    const Json d = lastDump(fresh("reply 0\nclick SizeA\nreply 45\nclick AngleA\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), kOrigin);
    EXPECT_EQ(caption(d, "SetA"), "A= 0, 270°");
}

TEST(AngleEntry, BInModeBPutsRsTipOnBsTip) {
    const Json d = lastDump(fresh("click ModeB\nreply 30\nclick AngleB\ndump\n"));
    expectPrompt(dialogs(d)[0], "Degrees", "New value for angle B");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6525.92236328125, -780}));
    EXPECT_EQ(tip(d, "LineR"), tip(d, "LineB"));
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 30°");
}

TEST(AngleEntry, BInModeAMovesREvenWhileRIsLocked) {
    const Json d = lastDump(fresh("reply 30\nclick AngleB\ndump\n"));
    EXPECT_FALSE(d["menus"]["SetR"]["enabled"].boolean());
    EXPECT_EQ(tip(d, "LineB"), (Point{6525.92236328125, 3420}));
    EXPECT_EQ(tip(d, "LineR"), (Point{6525.92236328125, -780}));
    EXPECT_EQ(caption(d, "SetR"), "R= 6461.08, 64.26°");
}

TEST(AngleEntry, RWithALockedMakesBGiveWay) {
    const Json d = lastDump(fresh("click LockA\nreply 30\nclick AngleR\ndump\n"));
    expectPrompt(dialogs(d)[0], "Degrees", "New value for angle R");
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{8313.822265625, 2387.755615234375}));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{8313.822265625, 6587.755859375}));
    EXPECT_EQ(caption(d, "SetR"), "R= 5304.49, 30°");
}

TEST(AngleEntry, RWithBLockedMakesAGiveWay) {
    const Json d = lastDump(fresh("click LockB\nreply 30\nclick AngleR\ndump\n"));
    EXPECT_EQ(tip(d, "LineR"), (Point{8313.822265625, 2387.755615234375}));
    EXPECT_EQ(tip(d, "LineA"), (Point{5073.822265625, 2387.755615234375}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));
}

TEST(AngleEntry, RWithBLockedInModeBRedrawsB) {
    const Json d = lastDump(fresh("click ModeB\nclick LockB\nreply 30\nclick AngleR\ndump\n"));
    EXPECT_EQ(tip(d, "LineR"), (Point{8313.822265625, 2387.755615234375}));
    EXPECT_EQ(tip(d, "LineA"), (Point{5073.822265625, 2387.755615234375}));
    EXPECT_EQ(tail(d, "LineB"), tip(d, "LineA"));
    EXPECT_EQ(tip(d, "LineB"), tip(d, "LineR"));
    EXPECT_EQ(caption(d, "SetR"), "R= 5304.49, 30°");
}

TEST(AngleEntry, CancelOrARefusedReplyLeavesNoTrace) {
    for (const char* item : {"AngleA", "AngleB"}) {
        const Json d = expectNoTrace("click ModeB\n", std::string("cancel\nclick ") + item + "\n");
        EXPECT_EQ(dialogs(d).items().size(), 1u) << item;
        for (const char* reply : {"1e999", "", "abc", "22,5"})
            expectNoTrace("click ModeB\n", std::string("reply ") + reply + "\nclick " + item + "\n");
    }
    expectNoTrace("click LockB\n", "cancel\nclick AngleR\n");
}

TEST(AngleEntry, UsesTheStoredMagnitudeNotTheDrawnLength) {
    // "Mode B" on a figure whose R is not A + B draws B 3129.22 long while its stored
    // magnitude is 3240.
    const Json d = lastDump(fresh(apart("click ModeB\nreply 90\nclick AngleB\ndump\n")));
    expectPrompt(dialogs(d)[0], "Degrees", "New value for angle B");
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{3720, -2400}));
    EXPECT_EQ(caption(d, "SetB"), "B= 3240, 90°");
}
