// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks through the driver: a golden of each kind, run on its example lesson.
#include <gtest/gtest.h>

#include <regex>

#include "scenario.h"

using namespace golden;

namespace {

// The golden's script and dumps, with the folder of the examples for @EXAMPLES@.
void expectTaskGolden(const std::string& kind) {
    const std::string dir = GOLDEN_DATA_DIR;
    const auto withExamples = [](const std::string& text) { return std::regex_replace(text, std::regex("@EXAMPLES@"), EXAMPLES_DIR); };
    expectDumps(withExamples(readFile(dir + "/task_" + kind + ".script")), withExamples(readFile(dir + "/task_" + kind + ".json")));
}

}  // namespace

TEST(Tasks, ReachIsCheckedOnTheShownValuesAndKeepsTheOtherVectorsFromTheStudent) { expectTaskGolden("reach"); }
TEST(Tasks, PredictHidesTheValuesItAsksForUntilSolvedOrRevealed) { expectTaskGolden("predict"); }
