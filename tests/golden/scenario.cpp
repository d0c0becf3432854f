// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/script_runner.h"

namespace golden {

ScriptRun runScenario(std::string_view script) {
    std::istringstream in{std::string(script)};
    std::ostringstream out, err;
    ScriptRun run;
    run.status = fendrel::runScript(in, out, err);
    run.out = out.str();
    run.err = err.str();
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) run.dumps.push_back(Json::parse(line));
    return run;
}

std::vector<Json> dumpsOf(std::string_view script) {
    ScriptRun run = runScenario(script);
    EXPECT_EQ(run.status, 0) << run.err;
    return std::move(run.dumps);
}

Json lastDump(std::string_view script) {
    std::vector<Json> dumps = dumpsOf(script);
    if (dumps.empty()) throw std::runtime_error("the script wrote no dump");
    return dumps.back();
}

void expectDumps(std::string_view script, std::string_view expected) {
    const Json dumps = Json::parse(expected);
    const ScriptRun run = runScenario(script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), dumps.items().size());
    for (std::size_t i = 0; i < run.dumps.size(); ++i)
        EXPECT_EQ(firstDifference(dumps[i], run.dumps[i]), "") << "dump " << i;
}

std::string fresh(std::string_view commands) { return std::string(kFreshWindow) + std::string(commands); }

std::string apart(std::string_view commands) {
    return "open " GOLDEN_DATA_DIR "/resultant_apart.fendrel\n" + std::string(commands);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void PrintTo(const Point& p, std::ostream* os) {
    const auto old = os->precision(17);
    *os << '(' << p.x << ", " << p.y << ')';
    os->precision(old);
}

Point tail(const Json& dump, std::string_view line) {
    const Json& l = dump["lines"][line];
    return {l["x1"].number(), l["y1"].number()};
}

Point tip(const Json& dump, std::string_view line) {
    const Json& l = dump["lines"][line];
    return {l["x2"].number(), l["y2"].number()};
}

Point labelAt(const Json& dump, std::string_view label) {
    const Json& l = dump["labels"][label];
    return {l["left"].number(), l["top"].number()};
}

std::string caption(const Json& dump, std::string_view menu) { return dump["menus"][menu]["caption"].string(); }

std::string labelCaption(const Json& dump, std::string_view label) {
    return dump["labels"][label]["caption"].string();
}

double var(const Json& dump, std::string_view name) { return dump["vars"][name].number(); }

Json dialogs(const Json& dump) { return dump["dialogs"]; }

std::string stateDifference(const Json& before, const Json& after) {
    return firstDifference(before, after, {"dialogs", "history", "file"});
}

void expectPrompt(const Json& dialog, std::string_view text, std::string_view title,
                  std::string_view defaultText) {
    EXPECT_EQ(dialog["kind"].string(), "prompt");
    EXPECT_EQ(dialog["prompt"].string(), text);
    EXPECT_EQ(dialog["title"].string(), title);
    EXPECT_EQ(dialog["default"].string(), defaultText);
}

void expectMessage(const Json& dialog, std::string_view text, std::string_view title, double buttons) {
    EXPECT_EQ(dialog["kind"].string(), "message");
    EXPECT_EQ(dialog["text"].string(), text);
    EXPECT_EQ(dialog["title"].string(), title);
    EXPECT_EQ(dialog["buttons"].number(), buttons);
}

Json expectNoTrace(std::string_view setup, std::string_view attempt) {
    const Json before = lastDump(fresh(std::string(setup) + "dump\n"));
    Json after = lastDump(fresh(std::string(setup) + std::string(attempt) + "dump\n"));
    EXPECT_EQ(stateDifference(before, after), "") << "after: " << attempt;
    return after;
}

}  // namespace golden
