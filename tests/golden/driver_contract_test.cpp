// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario driver's own contract: script errors, unreadable scripts and unwritable dumps,
// unanswered prompts, the dump's shape and the dialogs list, and menus that cannot be chosen.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "scenario.h"

using namespace golden;
using namespace std::string_literals;

namespace {

void expectScriptError(const std::string& script, int line) {
    const ScriptRun run = runScenario(script);
    EXPECT_EQ(run.status, 2) << script;
    const std::string prefix = "line " + std::to_string(line) + ": ";
    EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << "stderr: " << run.err << "script: " << script;
    EXPECT_GT(run.err.size(), prefix.size()) << "no reason given";
}

std::string firstLineOf(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

TEST(DriverErrors, UnknownOrMalformedCommandsExitTwoNamingTheLine) {
    expectScriptError("load\nfoo\n", 2);
    expectScriptError("load\nmove 1 2\n", 2);
    expectScriptError("load\nmove x 1 1\n", 2);
    expectScriptError("load\nmove 1 a 1\n", 2);
    expectScriptError("load\nmove 1 2 3 4\n", 2);
    expectScriptError("load\nclick\n", 2);
    expectScriptError("random\n", 1);
    expectScriptError("random x\n", 1);
}

TEST(DriverErrors, EveryCommandButRandomNeedsLoadFirst) {
    expectScriptError("dump\n", 1);
    expectScriptError("random 0.5\nclick LabelA\n", 2);
    expectScriptError("move 1 1 1\n", 1);
    expectScriptError("load\nload\n", 2);
}

TEST(DriverErrors, ClicksOnMenusWithItemsOrUnknownNamesAreErrors) {
    for (const char* name : {"SetA", "SetB", "SetR", "Mode", "Nope", "LineA"})
        expectScriptError(std::string("load\nclick ") + name + "\n", 2);
}

TEST(DriverErrors, BlankAndCommentLinesCountForTheLineNumber) {
    expectScriptError("\n# a comment\n   # indented comment\nrandom 0.2\nload\nbogus\n", 6);
}

TEST(DriverErrors, ErrorStopsTheScriptAfterTheDumpsBeforeIt) {
    const ScriptRun run = runScenario("load\ndump\nbogus\ndump\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.dumps.size(), 1u);
}

TEST(DriverErrors, StreamFailuresExitOneAndWordsAreShownEscapedAndClipped) {
    struct Case {
        std::string script;  // empty: the script is a folder
        const char* output;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"", "/dev/null", 1, "line 1: the script could not be read: Is a directory\n"},
        {"load\ndump\n", "/dev/full", 1, "line 2: the dump could not be written: No space left on device\n"},
        {"load\nclick Label\0A\n"s, "/dev/null", 2, "line 2: no element \"Label\\x00A\"\n"},
        {"load\nkey " + std::string((1 << 20) - 4, 'x'), "/dev/null", 2,
         "line 2: unknown key \"" + std::string(80, 'x') + "\"... (1048572 bytes)\n"},
        {"load\n" + std::string((1 << 20) + 1, 'x'), "/dev/null", 2, "line 2: the line is longer than 1 MiB\n"},
    };
    const std::string file = ::testing::TempDir() + "fendrel-driver-" + std::to_string(::getpid()) + ".script";
    for (const Case& c : cases) {  // the program itself, which must flush its standard output
        if (!c.script.empty()) std::ofstream(file, std::ios::binary) << c.script;
        const std::string script = c.script.empty() ? ::testing::TempDir() : file;
        EXPECT_EQ(std::system((FENDREL_SCRIPT " " + script + " >" + c.output + " 2>" + file + ".err").c_str()), c.status << 8);
        EXPECT_EQ(readFile(file + ".err"), c.error);
    }
    std::remove((file + ".err").c_str());
    std::remove(file.c_str());
}

TEST(DriverPrompts, UnansweredPromptExitsThreeWithItsTitle) {
    const ScriptRun run = runScenario("load\ndump\nclick SizeA\ndump\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(firstLineOf(run.err), "line 3: input prompt \"Vector A\" has no queued answer");
    EXPECT_EQ(run.dumps.size(), 1u);
}

TEST(DriverPrompts, RepeatingConstantPromptCannotHang) {
    const ScriptRun run = runScenario("load\nreply 0\nreply 0.001\nclick cb\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(firstLineOf(run.err), "line 4: input prompt \"Vector B\" has no queued answer");
}

TEST(DriverPrompts, AnswersLeftInTheQueueAreNotAnError) {
    const ScriptRun run = runScenario("load\nreply 5\ncancel\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(run.dumps.size(), 1u);
    EXPECT_EQ(dialogs(run.dumps[0]).items().size(), 0u);
}

TEST(DriverDump, OneLinePerDumpWithEveryElement) {
    const ScriptRun run = runScenario("random 0.5\nload\ndump\ndump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
    const Json& d = run.dumps[0];
    EXPECT_EQ(d["window"]["caption"].string(), "Fendrel");
    EXPECT_EQ(d["lines"].members().size(), 3u);
    EXPECT_EQ(d["labels"].members().size(), 3u);
    EXPECT_EQ(d["menus"].members().size(), 27u);
    EXPECT_EQ(d["vars"].members().size(), 21u);
    for (const char* line : {"LineA", "LineB", "LineR"}) EXPECT_EQ(d["lines"][line]["width"].number(), 3);
}

TEST(DriverDump, DialogsAreListedOnceOldestFirstAndClearedByEachDump) {
    const auto dumps = dumpsOf(fresh("random 0.2\nreply 2100\nclick SizeA\nclick Info\ndump\ndump\nclick Products\ndump\n"));
    ASSERT_EQ(dumps.size(), 3u);
    ASSERT_EQ(dialogs(dumps[0]).items().size(), 2u);
    EXPECT_EQ(dialogs(dumps[0])[0]["kind"].string(), "prompt");
    EXPECT_EQ(dialogs(dumps[0])[1]["title"].string(), "INFO");
    EXPECT_EQ(dialogs(dumps[1]).items().size(), 0u);
    ASSERT_EQ(dialogs(dumps[2]).items().size(), 1u);
    EXPECT_EQ(dialogs(dumps[2])[0]["title"].string(), "PRODUCTS");
}

TEST(DriverMenus, ItemsOfADisabledMenuDoNothingAndAskNothing) {
    // R is locked at start: none of its items runs, so no prompt waits for an answer.
    const Json d = expectNoTrace("", "click SizeR\nclick Rx\nclick Ry\nclick AngleR\nclick LockR\nclick cr\n");
    EXPECT_EQ(dialogs(d).items().size(), 0u);
    // Once A is locked its items are the dead ones, and R's work again.
    const Json a = expectNoTrace("click LockA\n", "click SizeA\nclick Ax\nclick Ay\nclick AngleA\nclick LockA\nclick ca\n");
    EXPECT_EQ(dialogs(a).items().size(), 0u);
    const Json r = lastDump(fresh("click LockA\nreply 3000\nclick SizeR\ndump\n"));
    EXPECT_EQ(dialogs(r).items().size(), 1u);
}

TEST(DriverMenus, ItemlessTitlesAndModeItemsCanBeClicked) {
    const ScriptRun run = runScenario(fresh("click AngleMode\nclick Products\nclick Info\nclick ModeB\nclick ModeA\ndump\n"));
    EXPECT_EQ(run.status, 0) << run.err;
}
