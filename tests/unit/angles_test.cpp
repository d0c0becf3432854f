// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/angles.h"
#include "model/numbers.h"

using namespace fendrel;

TEST(Atn2, QuadrantsAndAxesInBothUnits) {
    EXPECT_EQ(directionAngle(1, 0, false), 0);
    EXPECT_EQ(directionAngle(1, 0, true), 0);
    EXPECT_EQ(directionAngle(0, 1, false), 90.00000077660006);
    EXPECT_DOUBLE_EQ(directionAngle(0, 1, true), 1.570796327);
    EXPECT_DOUBLE_EQ(directionAngle(-1, 0, false), 180.0000015532001);
    EXPECT_DOUBLE_EQ(directionAngle(0, -1, false), 270.0000023298002);
    EXPECT_DOUBLE_EQ(directionAngle(0, 0, false), 270.0000023298002);
    EXPECT_DOUBLE_EQ(directionAngle(0, 0, true), 4.712388981);
    EXPECT_EQ(directionAngle(1, 1, false), 45.000000382424247);
    EXPECT_EQ(round2(directionAngle(-1, -1, false)), 225);
    EXPECT_EQ(round2(directionAngle(1, -1, false)), 315);
    EXPECT_EQ(round2(directionAngle(1000, -0.001, false)), 360);
}

TEST(Angoli, SmallerAngleBetweenDirections) {
    auto between = [](double p, double q, bool rad = false) {
        Vars v;
        v.radMode = rad;
        v.direction = {Number::dbl(p), Number::dbl(q), Number::dbl(q)};
        measureAnglesBetween(v);
        return v.anglesBetween[0].read();
    };
    EXPECT_EQ(between(350, 10), 20);
    EXPECT_EQ(between(10, 350), 20);
    EXPECT_EQ(between(0, 180), 180);
    EXPECT_EQ(between(90.00000077660006, 270.0000023298002), 180);
    EXPECT_EQ(between(0.1, 6.2, true), 0.18);
}
