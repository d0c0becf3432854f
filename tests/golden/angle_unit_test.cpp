// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The angle unit title: every shown and typed angle in degrees or radians.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

TEST(AngleUnit, OneClickSwitchesCaptionsAnglesAndThePrompt) {
    const Json d = lastDump(fresh("click AngleMode\nreply 1.5\nclick AngleA\ndump\n"));
    ASSERT_EQ(dialogs(d).items().size(), 1u);
    EXPECT_EQ(dialogs(d)[0]["prompt"].string(), "Radians");
    const Json r = lastDump(fresh("click AngleMode\ndump\n"));
    EXPECT_EQ(caption(r, "AngleMode"), "Radians");
    EXPECT_TRUE(r["vars"]["radMode"].boolean());
    EXPECT_EQ(caption(r, "SetA"), "A= 4200, 1.57 r");
    EXPECT_EQ(caption(r, "SetB"), "B= 3240, 0 r");
    EXPECT_EQ(caption(r, "SetR"), "R= 5304.49, .91 r");
    EXPECT_EQ(var(r, "angA"), 1.570796327);
    EXPECT_EQ(var(r, "angR"), 0.9137213910832431);
    EXPECT_EQ(var(r, "angAB"), 1.57);
    EXPECT_EQ(var(r, "angAR"), 0.66);
    EXPECT_EQ(var(r, "angBR"), 0.91);
    EXPECT_EQ(labelAt(r, "LabelR"), tip(r, "LineR"));
}

TEST(AngleUnit, TwoClicksGiveBackTheDegreeValuesExactly) {
    expectNoTrace("move 1 1234.567 -89.123\n", "click AngleMode\nclick AngleMode\n");
    const Json d = lastDump(fresh("click AngleMode\nclick AngleMode\ndump\n"));
    EXPECT_EQ(caption(d, "AngleMode"), "Degrees");
    EXPECT_FALSE(d["vars"]["radMode"].boolean());
}

TEST(AngleUnit, ZeroVectorPointsThreeQuartersOfATurn) {
    const Json d = lastDump(fresh("reply 0\nclick SizeA\nclick AngleMode\ndump\n"));
    EXPECT_EQ(caption(d, "SetA"), "A= 0, 4.71 r");
    EXPECT_EQ(var(d, "angA"), 4.712388981);
}

TEST(AngleUnit, RefreshesFromTheLinesAsTheyStand) {
    // "Mode B" drew B as (3120, -240) without a refresh.
    const Json d = lastDump(fresh(apart("click ModeB\nclick AngleMode\ndump\n")));
    EXPECT_EQ(caption(d, "SetB"), "B= 3129.22, .08 r");
    EXPECT_EQ(caption(d, "By"), "By= 240");
    EXPECT_EQ(var(d, "angB"), 0.07677189126977804);
    EXPECT_EQ(var(d, "angAB"), 1.49);
}
