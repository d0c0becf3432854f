// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The check's verdicts on the start-up figure (R= 5304.49, 52.35°; Rx= 3240; Ry= 4200):
// the default and given tolerances, the shorter way round, the goal's own angle unit, and
// typed answers that are right, wrong or refused.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/task_check.h"
#include "tools/script_host.h"

using namespace fendrel;

namespace {

Task reach(Goal::Form form, double a, double b, bool radians = false, Tolerance tolerance = {}) {
    Task t;
    t.goal = {form, a, b, radians, {{a, b}}};
    t.tolerance = tolerance;
    return t;
}

Task predict(std::vector<PredictedQuantity> asked) {
    Task t;
    t.kind = TaskKind::Predict;
    t.predict = std::move(asked);
    t.hidden[Vec::R] = true;
    return t;
}

}  // namespace

TEST(TaskCheck, VerdictsOnTheStartUpFigure) {
    constexpr auto polar = Goal::Form::Polar;
    constexpr auto components = Goal::Form::Components;
    const PredictedQuantity magnitude{Quantity::Magnitude, Vec::R}, direction{Quantity::Direction, Vec::R};
    struct Case {
        Task task;
        std::vector<std::string> replies;
        std::optional<std::vector<std::string>> lines;  // none: no verdict
    };
    const std::string m = "The magnitude is right.", d = "The direction is right.";
    const std::vector<Case> cases{
        {reach(polar, 5304.49, 52.35), {}, {{m, d}}},
        {reach(polar, 5358, 52.35), {}, {{m, d}}},  // within 1 % of 5358
        {reach(polar, 5400, 53.4), {}, {{"The magnitude is too small.", "Turn it counter-clockwise."}}},
        {reach(polar, 5250, 51.3), {}, {{"The magnitude is too large.", "Turn it clockwise."}}},
        {reach(polar, 5304.49, 51.35), {}, {{m, d}}},  // 1° exactly
        {reach(polar, 5304.48, 52.35, false, {0.01, {}, {}}), {}, {{m, d}}},  // 0.01 exactly, in two decimals
        {reach(polar, 5304.49, -307.65), {}, {{m, d}}},
        {reach(polar, 5304.49, 235), {}, {{m, "Turn it clockwise."}}},  // 182.65° the other way
        {reach(polar, 5304.49, 0.9137, true), {}, {{m, d}}},
        {reach(polar, 5304.49, 45, false, {0, 10, {}}), {}, {{"The magnitude is right.", d}}},
        {reach(polar, 5304.5, 45, false, {0, 7, {}}), {}, {{"The magnitude is too small.", "Turn it clockwise."}}},
        {reach(components, 3240, 4200), {}, {{"Rx is right.", "Ry is right."}}},
        {reach(components, 3300, 4100), {}, {{"Rx is too small.", "Ry is too large."}}},
        {reach(components, 3300, 4100, false, {{}, {}, 100}), {}, {{"Rx is right.", "Ry is right."}}},
        {predict({magnitude, direction}), {"5304.49", "52.35"}, {{m, d}}},
        {predict({magnitude, direction}), {"5000", "53.5"}, {{"The magnitude is too small.", "Turn it clockwise."}}},
        {predict({{Quantity::Y, Vec::R}}), {" 4 2 0 0"}, {{"Ry is right."}}},
        {predict({magnitude, direction}), {"5304.49", "north"}, std::nullopt},
        {predict({magnitude}), {""}, std::nullopt},
    };
    ScriptHost host;
    Form form(host);
    form.load();
    for (const Case& c : cases) {
        FormState s = form.state();
        s.task = c.task;
        for (const std::string& reply : c.replies) host.queueAnswer(reply);
        const std::optional<Verdict> verdict = checkTask(s, host);
        ASSERT_EQ(verdict.has_value(), c.lines.has_value()) << c.task.goal.magnitude;
        if (!verdict) continue;
        EXPECT_EQ(verdict->lines, *c.lines) << c.task.goal.magnitude << " " << c.task.goal.angle;
        EXPECT_EQ(verdict->allRight, std::all_of(c.lines->begin(), c.lines->end(), [](const std::string& line) {
                      return line.ends_with("right.");
                  }));
    }
    EXPECT_EQ(solvedText(1), "Solved in 1 attempt.");
    EXPECT_EQ(solvedText(2), "Solved in 2 attempts.");
}
