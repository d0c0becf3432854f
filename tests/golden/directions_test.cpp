// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Direction angles (quadrants, the inexact literals, the wrap near a full turn) and the angles
// between vectors, as the refresh stores and shows them.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

// A's tip at (x, y) with the origin moved to (0, 0) first; y grows downwards.
Json aAt(const std::string& x, const std::string& y) {
    return lastDump(fresh("move 2 0 0\nmove 1 " + x + " " + y + "\ndump\n"));
}

}  // namespace

TEST(Directions, AxesCarryTheLiteralsInexactness) {
    EXPECT_EQ(var(lastDump(fresh("dump\n")), "angA"), 90.00000077660006);
    EXPECT_EQ(var(lastDump(fresh("dump\n")), "angB"), 0);
    const Json left = lastDump(fresh("reply 180\nclick AngleA\ndump\n"));
    EXPECT_EQ(var(left, "angA"), 180.00000155320012);
    const Json down = lastDump(fresh("reply -4200\nclick SizeA\ndump\n"));
    EXPECT_EQ(var(down, "angA"), 270.00000232980017);
    const Json zero = lastDump(fresh("reply 0\nclick SizeA\ndump\n"));
    EXPECT_EQ(var(zero, "angA"), 270.00000232980017);
}

TEST(Directions, Quadrants) {
    const Json first = aAt("1000", "-1000");
    EXPECT_EQ(var(first, "angA"), 45.00000038242425);
    EXPECT_EQ(caption(first, "SetA"), "A= 1414.21, 45°");
    const Json third = aAt("-1000", "1000");
    EXPECT_EQ(var(third, "angA"), 225.00000193562437);
    EXPECT_EQ(caption(third, "SetA"), "A= 1414.21, 225°");
    const Json fourth = aAt("1000", "1000");
    EXPECT_EQ(var(fourth, "angA"), 315.000002723976);
    EXPECT_EQ(caption(fourth, "SetA"), "A= 1414.21, 315°");
}

TEST(Directions, RightAndSlightlyDownReadsAFullTurnNotZero) {
    const Json deg = aAt("1000", "0.001");
    EXPECT_EQ(var(deg, "angA"), 359.99994581062026);
    EXPECT_EQ(caption(deg, "SetA"), "A= 1000, 360°");
    const Json rad = lastDump(fresh("move 2 0 0\nmove 1 1000 0.001\nclick AngleMode\ndump\n"));
    EXPECT_EQ(var(rad, "angA"), 6.283184308);
    EXPECT_EQ(caption(rad, "SetA"), "A= 1000, 6.28 r");
}

TEST(AnglesBetween, WrapAcrossTheZeroDirectionInBothOrders) {
    const Json ab = lastDump(fresh("reply 350\nclick AngleA\nreply 10\nclick AngleB\ndump\n"));
    EXPECT_EQ(caption(ab, "SetA"), "A= 4200, 350°");
    EXPECT_EQ(var(ab, "angAB"), 20);
    const Json ba = lastDump(fresh("reply 10\nclick AngleA\nreply 350\nclick AngleB\ndump\n"));
    EXPECT_EQ(caption(ba, "SetB"), "B= 3240, 350°");
    EXPECT_EQ(var(ba, "angAB"), 20);
}

TEST(AnglesBetween, OppositeVectorsGiveAHalfTurn) {
    const Json d = lastDump(fresh("reply 0\nclick AngleA\nreply 180\nclick AngleB\ndump\n"));
    EXPECT_EQ(var(d, "angAB"), 180);
    EXPECT_EQ(var(d, "angBR"), 180);
    const Json upDown = lastDump(fresh("click LockA\nclick LabelR\nmove 1 3720 9240\ndump\n"));
    EXPECT_EQ(var(upDown, "angR"), 270.00000232980017);
    EXPECT_EQ(var(upDown, "angAR"), 180);
    EXPECT_EQ(var(upDown, "angBR"), 0);
}
