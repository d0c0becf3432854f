// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/elements.h"

// A task a lesson gives the student, as the teacher wrote it: part of the figure, so that a
// lesson carries it and Undo and Redo treat writing one as any other change. How far the
// student has got with it is no part of the figure (app/task_progress.h).
namespace fendrel {

// Reach: bring a vector to a goal. Predict: type values the window hides.
enum class TaskKind { Reach, Predict };
inline constexpr std::array<std::string_view, 2> kTaskKindNames{"reach", "predict"};

// A number a vector's captions show.
enum class Quantity { Magnitude, Direction, X, Y };
inline constexpr std::array<std::string_view, 4> kQuantityNames{"magnitude", "direction", "x", "y"};

// One value a predict task asks for: "magnitude R".
struct PredictedQuantity {
    Quantity quantity = Quantity::Magnitude;
    Vec vector = Vec::R;

    friend bool operator==(const PredictedQuantity&, const PredictedQuantity&) = default;
};

// Where a reach task wants its vector, in the units the captions show (the reference scale
// while a constant is marked): a magnitude and a direction, or two components.
struct Goal {
    enum class Form { Polar, Components };

    Form form = Form::Polar;
    double magnitude = 0;  // above 0
    double angle = 0;      // in its own unit, at most one turn either way
    bool radians = false;  // the angle's unit
    PerAxis<double> components{};

    friend bool operator==(const Goal&, const Goal&) = default;
};

// How far a value may be from the one wanted and still be right; each left out takes its
// default (app/task_check.h). The angle's is in degrees, whatever the angle unit.
struct Tolerance {
    std::optional<double> magnitude, angle, component;

    friend bool operator==(const Tolerance&, const Tolerance&) = default;
};

struct Task {
    TaskKind kind = TaskKind::Reach;
    std::string text;                        // the instruction, one line
    Vec vector = Vec::R;                     // reach: the vector brought to the goal
    Goal goal;                               // reach
    std::vector<PredictedQuantity> predict;  // predict: what is asked, in order
    Tolerance tolerance;
    PerVector<bool> movable{};  // what the student may select, drag and type into
    PerVector<bool> hidden{};   // whose numbers read "?" until the task is solved or revealed
    bool reveal = false;        // whether the student may have the hidden values shown

    friend bool operator==(const Task&, const Task&) = default;
};

// The longest instruction, in characters.
inline constexpr std::size_t kMaxTaskText = 500;

}  // namespace fendrel
