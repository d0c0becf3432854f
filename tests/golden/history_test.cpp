// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo: what makes a step, gestures from press to release, the redo list, and
// whole states coming back across every kind of handler.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "scenario.h"

using namespace golden;

namespace {

struct Depth {
    double undo;
    double redo;
    friend bool operator==(const Depth&, const Depth&) = default;
};
void PrintTo(const Depth& d, std::ostream* os) { *os << "undo " << d.undo << ", redo " << d.redo; }

Depth depth(const Json& dump) { return {dump["history"]["undo"].number(), dump["history"]["redo"].number()}; }

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

}  // namespace

TEST(History, AFreshWindowHasNothingToUndoOrRedoAndBothDoNothing) {
    const Json before = lastDump(fresh("dump\n"));
    EXPECT_EQ(depth(before), (Depth{0, 0}));
    const Json after = lastDump(fresh("undo\nredo\nundo\ndump\n"));
    EXPECT_EQ(stateDifference(before, after), "");
    EXPECT_EQ(depth(after), (Depth{0, 0}));
}

TEST(History, TheMovesOfAGestureAreOneStepCountedOnlyOnceItCloses) {
    const auto d = dumpsOf(fresh("dump\npress 1 10 10\nmove 1 3000 1000\nmove 1 3100 1200\ndump\n"
                                 "press 1 0 0\nmove 1 3200 1300\nrelease\ndump\nundo\ndump\nredo\ndump\n"));
    EXPECT_EQ(depth(d[1]), (Depth{0, 0})) << "an open gesture is not counted";
    EXPECT_EQ(depth(d[2]), (Depth{1, 0})) << "a second press does not start a new gesture";
    EXPECT_EQ(tip(d[2], "LineA"), (Point{3200, 1300}));
    EXPECT_EQ(stateDifference(d[0], d[3]), "");
    EXPECT_EQ(depth(d[3]), (Depth{0, 1}));
    EXPECT_EQ(stateDifference(d[2], d[4]), "");
    EXPECT_EQ(depth(d[4]), (Depth{1, 0}));
}

TEST(History, EachMoveOutsideAGestureIsAStepOfItsOwn) {
    const auto d = dumpsOf(fresh("move 1 3000 1000\ndump\nmove 1 3100 1200\ndump\nundo\ndump\n"));
    EXPECT_EQ(depth(d[1]), (Depth{2, 0}));
    EXPECT_EQ(stateDifference(d[0], d[2]), "");
}

TEST(History, EveryCommandButMovePressDumpAndTheQueuesClosesAnOpenGesture) {
    struct Case {
        const char* commands;  // run inside a gesture that already moved A's tip
        Depth expected;
    };
    const Case cases[] = {
        {"dump\nmove 1 3100 1100\n", {1, 0}},
        {"reply 5\ncancel\nrandom 0.5\nmove 1 3100 1100\n", {1, 0}},
        {"press 1 0 0\nmove 1 3100 1100\n", {1, 0}},
        {"click LabelB\nmove 1 3100 1100\n", {3, 0}},  // the move after the click is a step of its own
        {"click Info\nmove 1 3100 1100\n", {2, 0}},
        {"undo\n", {0, 1}},
        {"redo\nmove 1 3100 1100\n", {2, 0}},
    };
    for (const Case& c : cases) {
        const Json d = lastDump(fresh(std::string("press 1 0 0\nmove 1 3000 1000\n") + c.commands + "release\ndump\n"));
        EXPECT_EQ(depth(d), c.expected) << c.commands;
    }
}

TEST(History, AnActionThatChangesNothingIsNoStepAndKeepsTheRedoList) {
    struct Case {
        const char* setup;
        const char* attempt;
    };
    const Case cases[] = {
        {"", "cancel\nclick SizeA\n"},
        {"", "click Products\n"},
        {"", "click Info\n"},
        {"", "click LabelR\n"},  // R is locked at start
        {"", "press 1 5 5\nrelease\n"},
        {"", "press 2 5 5\nmove 2 3720 5040\nrelease\n"},  // the figure dragged onto itself
        {"", "move 0 3000 1000\n"},
        {"", "move 1 20000000 5\n"},  // undone by the range guard
        {"click LockB\n", "click Bx\n"},  // an item of a disabled menu
    };
    for (const Case& c : cases) {
        const std::string undone = std::string(c.setup) + "move 1 3000 1000\nundo\n";
        const Json before = lastDump(fresh(undone + "dump\n"));
        const Json after = lastDump(fresh(undone + c.attempt + "dump\n"));
        EXPECT_EQ(stateDifference(before, after), "") << c.attempt;
        EXPECT_EQ(depth(after), depth(before)) << c.attempt;
        EXPECT_EQ(depth(after).redo, 1) << c.attempt;
    }
}

TEST(History, ANewStepEmptiesTheRedoList) {
    const auto d = dumpsOf(fresh("move 1 3000 1000\nmove 1 3100 1200\nundo\nundo\ndump\n"
                                 "click LabelB\ndump\nredo\ndump\n"));
    EXPECT_EQ(depth(d[0]), (Depth{0, 2}));
    EXPECT_EQ(depth(d[1]), (Depth{1, 0}));
    EXPECT_EQ(stateDifference(d[1], d[2]), "") << "redo has nothing left to put back";
    EXPECT_EQ(tip(d[2], "LineA"), (Point{3720, 840}));
}

TEST(History, UndoAndRedoWalkBackAndForthAcrossALockAMarkAndTheAngleUnit) {
    const auto d = dumpsOf(fresh("dump\nclick LockB\ndump\nreply 5\nclick ca\ndump\nclick AngleMode\ndump\n"
                                 "reply 2500\nclick SizeA\ndump\n"
                                 "undo\ndump\nundo\ndump\nundo\ndump\nundo\ndump\nundo\ndump\n"
                                 "redo\nredo\nredo\nredo\nredo\ndump\n"));
    ASSERT_EQ(d.size(), 11u);
    for (int back = 1; back <= 5; ++back) {
        const Json& undone = d[static_cast<size_t>(4 + back)];
        const int steps = std::min(back, 4);
        EXPECT_EQ(stateDifference(d[static_cast<size_t>(4 - steps)], undone), "") << back << " undone";
        EXPECT_EQ(depth(undone), (Depth{4.0 - steps, 0.0 + steps})) << back << " undone";
        EXPECT_EQ(dialogs(undone).items().size(), 0u) << "undo shows no dialog again";
    }
    EXPECT_EQ(stateDifference(d[4], d[10]), "");
    EXPECT_EQ(depth(d[10]), (Depth{4, 0}));
    EXPECT_EQ(dialogs(d[10]).items().size(), 0u) << "redo shows no dialog again";
}

TEST(History, MinusZeroAndZeroAreDifferentStates) {
    // The dump writes -0 for a tip dragged to x = -0, so that drag is a step.
    const Json d = lastDump(fresh("move 1 0 100\nmove 1 -0 100\ndump\n"));
    EXPECT_EQ(depth(d), (Depth{2, 0}));
}

TEST(History, OnlyTheLastThousandStepsAreKept) {
    const std::string twoSteps = "move 1 3000 1000\nmove 1 3100 1200\n";
    const auto d = dumpsOf(fresh(twoSteps + "dump\n" + repeated(twoSteps, 500) + "dump\n" + repeated("undo\n", 1001) +
                                 "dump\n"));
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(depth(d[1]), (Depth{1000, 0}));
    EXPECT_EQ(depth(d[2]), (Depth{0, 1000}));
    EXPECT_EQ(stateDifference(d[0], d[2]), "") << "undo stops at the state after the two forgotten steps";
    EXPECT_TRUE(d[2]["file"]["modified"].boolean()) << "the unchanged start was forgotten with them";
}

TEST(History, DriverCommands) {
    for (const char* script : {"load\npress 1 2\n", "load\npress x 1 1\n", "load\nrelease 1\n", "load\nundo 1\n",
                               "load\nredo now\n", "undo\n", "press 1 1 1\n"}) {
        const ScriptRun run = runScenario(script);
        EXPECT_EQ(run.status, 2) << script;
    }
}
