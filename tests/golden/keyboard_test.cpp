// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the canvas: arrows drag the selected tip (Ctrl: the small step) or, with Shift,
// the whole figure, exactly as the pointer would; Tab and Shift+Tab select as a label click.
#include <gtest/gtest.h>

#include <array>

#include "scenario.h"
#include "tools/json_dump.h"

using namespace golden;

namespace {

// Selections, locks and layouts that the mouse handlers treat differently.
constexpr std::array<const char*, 8> kSetups{
    "",
    "click LockA\n",
    "click LabelB\n",
    "click LockB\nclick LabelR\n",
    "click LockA\nclick LabelR\n",
    "move 1 3720 840\nclick ModeB\n",
    "move 1 3720 840\nclick ModeB\nclick LabelB\n",
    "move 1 3720 840\nclick ModeB\nclick LockA\nclick LabelR\n",
};

struct Arrow {
    const char* name;
    double dx, dy;
};
constexpr std::array<Arrow, 4> kArrows{{{"Left", -1, 0}, {"Right", 1, 0}, {"Up", 0, -1}, {"Down", 0, 1}}};

std::string number(double v) { return fendrel::jsonNumber(v); }

// The pointer move the contract equates with an arrow key, from the state before the key.
std::string equivalentMove(const Json& before, const Arrow& arrow, bool ctrl, bool shift) {
    const double step = ctrl ? 15 : 120;
    static constexpr std::array<const char*, 3> kLines{"LineA", "LineB", "LineR"};
    const Point from = shift ? tail(before, "LineA") : tip(before, kLines[static_cast<size_t>(var(before, "curVec")) - 1]);
    return std::string("move ") + (shift ? "2 " : "1 ") + number(single(from.x + arrow.dx * step)) + " " +
           number(single(from.y + arrow.dy * step)) + "\n";
}

std::string keyName(const Arrow& arrow, bool ctrl, bool shift) {
    return std::string(ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "") + arrow.name;
}

void expectScriptError(const std::string& script, int line) {
    const ScriptRun run = runScenario(script);
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_EQ(run.err.rfind("line " + std::to_string(line) + ": ", 0), 0u) << run.err;
}

}  // namespace

TEST(ArrowKeys, EveryArrowIsThePointerMoveOneStepAwayInEverySetup) {
    for (const char* setup : kSetups) {
        const Json before = lastDump(fresh(std::string(setup) + "dump\n"));
        for (const Arrow& arrow : kArrows) {
            for (const bool ctrl : {false, true}) {
                for (const bool shift : {false, true}) {
                    const std::string key = keyName(arrow, ctrl, shift);
                    const Json byKey = lastDump(fresh(std::string(setup) + "key " + key + "\ndump\n"));
                    const std::string move = equivalentMove(before, arrow, ctrl, shift);
                    const Json byPointer = lastDump(fresh(std::string(setup) + move + "dump\n"));
                    EXPECT_EQ(stateDifference(byPointer, byKey), "") << "after: " << setup << key << " vs " << move;
                }
            }
        }
    }
}

TEST(ArrowKeys, RightMovesAsTipAndTheResultantFollows) {
    const Json d = lastDump(fresh("key Right\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3840, 840}));
    EXPECT_EQ(tip(d, "LineR"), (Point{7080, 840}));
    EXPECT_EQ(caption(d, "Ax"), "Ax= 120");
    EXPECT_EQ(caption(d, "SetA"), "A= 4201.71, 88.36°");
    EXPECT_EQ(labelAt(d, "LabelA"), (Point{3840, 840}));
}

TEST(ArrowKeys, CtrlTakesTheSmallStepAndUpIsTowardsTheTop) {
    const Json d = lastDump(fresh("key Ctrl+Up\nkey Ctrl+Up\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{3720, 810}));
    EXPECT_EQ(caption(d, "Ay"), "Ay= 4230");
}

TEST(ArrowKeys, ShiftMovesTheOriginAndRecomputesNothing) {
    const Json before = lastDump(fresh("click ModeB\ndump\n"));
    const Json d = lastDump(fresh("click ModeB\nkey Shift+Left\nkey Ctrl+Shift+Down\ndump\n"));
    EXPECT_EQ(tail(d, "LineA"), (Point{3600, 5055}));
    EXPECT_EQ(tip(d, "LineA"), (Point{3600, 855}));
    EXPECT_EQ(labelAt(d, "LabelA"), (Point{3600, 855}));
    EXPECT_EQ(firstDifference(before["menus"], d["menus"]), "");
}

TEST(ArrowKeys, StepsAreAddedInSinglePrecision) {
    const Json d = lastDump(fresh("move 1 0.1 840\nkey Ctrl+Right\ndump\n"));
    EXPECT_EQ(tip(d, "LineA"), (Point{single(single(0.1) + 15), 840}));
}

TEST(ArrowKeys, AStepPastTheCoordinateLimitLeavesNoTrace) {
    expectNoTrace("move 2 9996760 5040\n", "key Shift+Right\n");
    expectNoTrace("move 2 9996760 5040\nclick LabelB\n", "key Ctrl+Right\n");
    expectNoTrace("move 1 -9999990 840\n", "key Left\n");
}

TEST(TabKey, VisitsTheUnlockedVectorsForwardAndBackward) {
    struct Case {
        const char* setup;
        const char* keys;
        int selected;
    };
    const std::array<Case, 9> cases{{
        {"", "key Tab\n", 2},
        {"", "key Tab\nkey Tab\n", 1},  // R is locked at start
        {"", "key Shift+Tab\n", 2},
        {"click LockB\n", "key Tab\n", 3},
        {"click LockB\n", "key Tab\nkey Tab\n", 1},
        {"click LockB\n", "key Shift+Tab\n", 3},
        {"click LockA\n", "key Tab\n", 2},  // the selected A is locked itself
        {"click LockA\n", "key Tab\nkey Tab\n", 3},
        {"click LockA\n", "key Shift+Tab\n", 3},
    }};
    for (const Case& c : cases) {
        const Json d = lastDump(fresh(std::string(c.setup) + c.keys + "dump\n"));
        EXPECT_EQ(var(d, "curVec"), c.selected) << c.setup << c.keys;
    }
}

TEST(TabKey, IsExactlyAClickOnTheLabelItSelects) {
    struct Case {
        const char* setup;
        const char* key;
        const char* label;
    };
    const std::array<Case, 5> cases{{
        {"", "Tab", "LabelB"},
        {"click LabelB\n", "Shift+Tab", "LabelA"},
        {"click LockB\n", "Shift+Tab", "LabelR"},
        {"click ModeB\nclick LockA\n", "Tab", "LabelB"},  // fonts set
        {"click LockB\nclick LabelR\nclick LockR\n", "Tab", "LabelA"},
    }};
    for (const Case& c : cases) {
        const Json byKey = lastDump(fresh(std::string(c.setup) + "key " + c.key + "\ndump\n"));
        const Json byClick = lastDump(fresh(std::string(c.setup) + "click " + c.label + "\ndump\n"));
        EXPECT_EQ(stateDifference(byClick, byKey), "") << c.setup << c.key;
    }
}

TEST(KeyCommand, UnknownKeysAndMissingArgumentsAreErrors) {
    for (const char* key : {"left", "Ctrl+Tab", "Shift+Ctrl+Left", "Alt+Left", "Ctrl+", "Shift+", "Enter",
                            "Right Left", "Ctrl+Shift+Tab", " Left"})
        expectScriptError(std::string("load\nkey ") + key + "\n", 2);
    expectScriptError("load\nkey\n", 2);
    expectScriptError("key Right\n", 1);
}
