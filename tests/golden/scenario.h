// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "json.h"

namespace golden {

// The window on its start-up background (dark grey), ready for commands.
inline constexpr std::string_view kFreshWindow = "random 0.1\nload\n";

struct ScriptRun {
    int status = 0;
    std::string out;
    std::string err;
    std::vector<Json> dumps;
};

// Runs a script through the scenario driver in this process and parses every dump line.
ScriptRun runScenario(std::string_view script);

// Runs a script that must succeed and returns its dumps (the test fails otherwise).
std::vector<Json> dumpsOf(std::string_view script);

// The last dump of a script that must succeed.
Json lastDump(std::string_view script);

// kFreshWindow followed by `commands`.
std::string fresh(std::string_view commands);

// `commands` after opening a lesson whose R is not A + B (R's tip at (6840, 600), A's and
// B's as at start-up), as a lesson may keep a figure: its menus show R as drawn. Until a
// command adds the vectors up again, what runs a refresh and what does not shows.
std::string apart(std::string_view commands);

std::string readFile(const std::string& path);

// A point in window units, compared exactly.
struct Point {
    double x;
    double y;
    friend bool operator==(const Point&, const Point&) = default;
};
void PrintTo(const Point& p, std::ostream* os);

// The common tail of A and R (and of B in Mode A) on a fresh window.
inline constexpr Point kOrigin{3720, 5040};

Point tail(const Json& dump, std::string_view line);
Point tip(const Json& dump, std::string_view line);
Point labelAt(const Json& dump, std::string_view label);
std::string caption(const Json& dump, std::string_view menu);
std::string labelCaption(const Json& dump, std::string_view label);
double var(const Json& dump, std::string_view name);
Json dialogs(const Json& dump);

// Expects the script's dumps to be, one by one, those of `expected`, a JSON list.
void expectDumps(std::string_view script, std::string_view expected);

// Where the window state of two dumps first differs (the dialogs, the history and the file
// are not compared).
std::string stateDifference(const Json& before, const Json& after);

// Expects `dialog` to be an input prompt with these texts.
void expectPrompt(const Json& dialog, std::string_view text, std::string_view title,
                  std::string_view defaultText = "");

// Expects `dialog` to be a message box with this text, title and buttons value.
void expectMessage(const Json& dialog, std::string_view text, std::string_view title, double buttons);

// Expects that `attempt`, run on a fresh window after `setup`, changes nothing in the window
// state; returns the dump taken after the attempt (its dialogs show what was asked).
Json expectNoTrace(std::string_view setup, std::string_view attempt);

// The single-precision value nearest v, as the dump prints it.
constexpr double single(double v) { return static_cast<double>(static_cast<float>(v)); }

}  // namespace golden
