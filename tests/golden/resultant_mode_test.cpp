// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two Mode items: where B's arrow is drawn, without any refresh.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

bool checked(const Json& d, const char* menu) { return d["menus"][menu]["checked"].boolean(); }

}  // namespace

TEST(ModeItems, ModeBOnAFreshWindowDrawsBFromAsTipToRsWithItsExtentAndKeepsTheMenus) {
    const Json before = lastDump(fresh("dump\n"));
    const Json d = lastDump(fresh("click ModeB\ndump\n"));
    EXPECT_FALSE(checked(d, "ModeA"));
    EXPECT_TRUE(checked(d, "ModeB"));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 840}));
    EXPECT_EQ(labelAt(d, "LabelB"), (Point{6960, 840}));
    EXPECT_EQ(tip(d, "LineA"), tip(before, "LineA"));
    EXPECT_EQ(tip(d, "LineR"), tip(before, "LineR"));
    EXPECT_EQ(firstDifference(before["menus"]["SetB"], d["menus"]["SetB"]), "");
    EXPECT_EQ(caption(d, "Bx"), "Bx= 3240");
    EXPECT_EQ(caption(d, "By"), "By= 0");
    EXPECT_EQ(firstDifference(before["vars"], d["vars"]), "");
}

TEST(ModeItems, ModeBThenModeAPutsBBackAtTheOriginWithItsExtent) {
    const Json d = lastDump(fresh("click ModeB\nclick ModeA\ndump\n"));
    EXPECT_TRUE(checked(d, "ModeA"));
    EXPECT_FALSE(checked(d, "ModeB"));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{6960, 5040}));  // its start-up line again
    EXPECT_EQ(labelAt(d, "LabelB"), (Point{6960, 5040}));
}

TEST(ModeItems, ModeAAfterADragInModeBRestoresBsExtentAndShownValues) {
    const std::string setup = "move 1 5000 2000\nclick ModeB\nclick LabelB\nmove 1 4000 7000\n";
    const Json inB = lastDump(fresh(setup + "dump\n"));
    EXPECT_EQ(tail(inB, "LineB"), (Point{5000, 2000}));
    EXPECT_EQ(tip(inB, "LineB"), (Point{4000, 7000}));
    const Json d = lastDump(fresh(setup + "click ModeA\ndump\n"));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{2720, 10040}));
    for (const char* menu : {"SetA", "SetB", "Bx", "By", "SetR"})
        EXPECT_EQ(caption(d, menu), caption(inB, menu)) << menu;
    // A refresh (two unit toggles) measures the same B again.
    const Json refreshed = lastDump(fresh(setup + "click ModeA\nclick AngleMode\nclick AngleMode\ndump\n"));
    EXPECT_EQ(caption(refreshed, "SetB"), caption(inB, "SetB"));
    EXPECT_EQ(var(refreshed, "modB"), var(inB, "modB"));
    EXPECT_EQ(var(refreshed, "angB"), var(inB, "angB"));
}

TEST(ModeItems, ModeAAddsTheSingleExtentToTheOriginInSingles) {
    const std::string setup = "move 1 1234.567 -89.123\nclick ModeB\nclick LabelB\nmove 1 777.7 3333.3\n";
    const Json d = lastDump(fresh(setup + "click ModeA\ndump\n"));
    EXPECT_EQ(tail(d, "LineB"), kOrigin);
    EXPECT_EQ(tip(d, "LineB"), (Point{3263.133056640625, 8462.4228515625}));
    EXPECT_EQ(labelAt(d, "LabelB"), (Point{3263.133056640625, 8462.4228515625}));
    EXPECT_EQ(caption(d, "SetB"), "B= 3452.78, 262.4°");
}

TEST(ModeItems, ModeAWhileModeAIsOnChangesNothing) {
    const Json before = lastDump(fresh("move 1 5000 2000\ndump\n"));
    const Json d = lastDump(fresh("move 1 5000 2000\nclick ModeA\ndump\n"));
    EXPECT_EQ(stateDifference(before, d), "");
}

TEST(ModeItems, ModeBWhileModeBIsOnRedrawsTheSamePicture) {
    const Json before = lastDump(fresh("move 1 5000 2000\nclick ModeB\ndump\n"));
    const Json d = lastDump(fresh("move 1 5000 2000\nclick ModeB\nclick ModeB\ndump\n"));
    EXPECT_EQ(stateDifference(before, d), "");
}

TEST(ModeItems, ModeBWithRsTipOnAsTipDrawsAZeroLengthBThere) {
    const Json d = lastDump(fresh("click LabelB\nmove 1 3720 5040\nclick ModeB\ndump\n"));
    EXPECT_EQ(tip(d, "LineR"), (Point{3720, 840}));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(labelAt(d, "LabelB"), (Point{3720, 840}));
    EXPECT_EQ(caption(d, "SetB"), "B= 0, 270°");
}

TEST(ModeItems, ModeBDrawsBToRsTipAndKeepsTheMenusEvenWhereRIsNotTheSum) {
    const Json before = lastDump(fresh(apart("dump\n")));
    const Json d = lastDump(fresh(apart("click ModeB\ndump\n")));
    EXPECT_EQ(tail(d, "LineB"), (Point{3720, 840}));
    EXPECT_EQ(tip(d, "LineB"), (Point{6840, 600}));
    EXPECT_EQ(labelAt(d, "LabelB"), (Point{6840, 600}));
    EXPECT_EQ(firstDifference(before["menus"], d["menus"], {"checked"}), "");
    EXPECT_EQ(firstDifference(before["vars"], d["vars"]), "");
}
