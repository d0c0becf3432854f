// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens: the three background draws as whole-dump goldens (degrees, then
// radians after one click on the unit title), plus the start-up facts that matter most.
#include <gtest/gtest.h>

#include "scenario.h"

using namespace golden;

namespace {

void expectGolden(const std::string& name) {
    const std::string dir = GOLDEN_DATA_DIR;
    expectDumps(readFile(dir + "/startup_" + name + ".script"), readFile(dir + "/startup_" + name + ".json"));
}

}  // namespace

TEST(Startup, DarkGreyDrawInDegreesAndRadians) { expectGolden("dark_grey"); }
TEST(Startup, NavyDrawInDegreesAndRadians) { expectGolden("navy"); }
TEST(Startup, MaroonDrawInDegreesAndRadians) { expectGolden("maroon"); }

TEST(Startup, EmptyRandomQueueDrawsZeroAndGivesDarkGrey) {
    const Json d = lastDump("load\ndump\n");
    EXPECT_EQ(d["window"]["backColor"].number(), 0x404040);
    for (const char* label : {"LabelA", "LabelB", "LabelR"})
        EXPECT_EQ(d["labels"][label]["backColor"].number(), 0x404040) << label;
}

TEST(Startup, DrawsOnEitherSideOfTheThirdsPickNeighbouringColours) {
    EXPECT_EQ(lastDump("random 0.33\nload\ndump\n")["window"]["backColor"].number(), 0x404040);
    EXPECT_EQ(lastDump("random 0.34\nload\ndump\n")["window"]["backColor"].number(), 0x800000);
    EXPECT_EQ(lastDump("random 0.66\nload\ndump\n")["window"]["backColor"].number(), 0x800000);
    EXPECT_EQ(lastDump("random 0.67\nload\ndump\n")["window"]["backColor"].number(), 0x000080);
}

TEST(Startup, ResultantIsTheSumOfAAndB) {
    const Json d = lastDump(fresh("dump\n"));
    EXPECT_EQ(tip(d, "LineR"), (Point{6960, 840}));
    EXPECT_EQ(var(d, "compRx"), 3240);
    EXPECT_EQ(var(d, "compRy"), 4200);
    EXPECT_EQ(var(d, "modR"), 5304.4886652720825);
    EXPECT_EQ(var(d, "angR"), 52.35237980479946);
    EXPECT_EQ(caption(d, "SetR"), "R= 5304.49, 52.35°");
    EXPECT_EQ(labelAt(d, "LabelA"), (Point{3720, 840}));
    EXPECT_EQ(labelAt(d, "LabelB"), (Point{6960, 5040}));
    EXPECT_EQ(labelAt(d, "LabelR"), (Point{6960, 840}));
    EXPECT_EQ(d["topLabel"].string(), "LabelB");
    EXPECT_TRUE(d["vars"]["kConst"].isNull());
}
