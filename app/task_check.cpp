// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/task_check.h"

#include <algorithm>
#include <cmath>

#include "commands/typed_answer.h"
#include "model/angles.h"
#include "model/refresh.h"
#include "model/translation.h"

namespace fendrel {

namespace {

constexpr double kShareOfMagnitude = 0.01;
constexpr double kLeastTolerance = 0.01;
constexpr double kAngleTolerance = 1;  // degrees

// A difference that the captions' two decimals make equal to the tolerance is within it.
bool within(double difference, double tolerance, double scale) {
    return std::fabs(difference) <= tolerance + 1e-9 * std::max(1.0, std::fabs(scale));
}

double degrees(double angle, bool radians) { return radians ? angle * kDegreesPerRadian : angle; }

// What a quantity is, against what is wanted, and how far it may be from it.
struct Measured {
    Quantity quantity;
    Vec vector;
    double value;      // directions in degrees
    double wanted;
    double tolerance;
};

// The feedback line on one quantity; `right` tells whether it is.
std::string feedback(const Measured& m, bool& right) {
    const double difference = m.quantity == Quantity::Direction ? std::remainder(m.wanted - m.value, 360.0)
                                                                : m.wanted - m.value;
    right = within(difference, m.tolerance, m.wanted);
    switch (m.quantity) {
        case Quantity::Magnitude:
            // TRANSLATORS: the feedback of a check on the task, one line for each value: of the
            // vector the student moved, or of the value the student typed.
            return right ? std::string(_("The magnitude is right."))
                         : std::string(difference > 0 ? _("The magnitude is too small.") : _("The magnitude is too large."));
        case Quantity::Direction:
            // TRANSLATORS: counter-clockwise is the way the angles grow.
            return right ? std::string(_("The direction is right."))
                         : std::string(difference > 0 ? _("Turn it counter-clockwise.") : _("Turn it clockwise."));
        case Quantity::X:
        case Quantity::Y: {
            const std::string component = std::string(letter(m.vector)) +
                                          std::string(kAxisLetters[m.quantity == Quantity::X ? Axis::X : Axis::Y]);
            // TRANSLATORS: the feedback on a component of a vector; {component} is its name as
            // the menus write it ("Rx", "By").
            const std::string_view line = right ? _("{component} is right.")
                                          : difference > 0 ? _("{component} is too small.")
                                                           : _("{component} is too large.");
            return fill(line, {{"component", component}});
        }
    }
    return {};
}

// A magnitude's or a component's tolerance: as given, or 1 % of the magnitude it is about.
double lengthTolerance(const std::optional<double>& given, double magnitude) {
    return given.value_or(std::max(kLeastTolerance, kShareOfMagnitude * std::fabs(magnitude)));
}

double shownValue(const ShownValues& shown, Quantity q, bool radMode) {
    switch (q) {
        case Quantity::Magnitude: return shown.magnitude;
        case Quantity::Direction: return degrees(shown.direction, radMode);
        case Quantity::X: return shown.components[Axis::X];
        case Quantity::Y: return shown.components[Axis::Y];
    }
    return 0;
}

std::vector<Measured> reachMeasured(const FormState& s, const Task& t) {
    const ShownValues shown = shownValues(s, t.vector);
    const Goal& g = t.goal;
    if (g.form == Goal::Form::Components) {
        const double tolerance = lengthTolerance(t.tolerance.component, std::hypot(g.components[Axis::X], g.components[Axis::Y]));
        return {{Quantity::X, t.vector, shown.components[Axis::X], g.components[Axis::X], tolerance},
                {Quantity::Y, t.vector, shown.components[Axis::Y], g.components[Axis::Y], tolerance}};
    }
    return {{Quantity::Magnitude, t.vector, shown.magnitude, g.magnitude, lengthTolerance(t.tolerance.magnitude, g.magnitude)},
            {Quantity::Direction, t.vector, degrees(shown.direction, s.vars.radMode), degrees(g.angle, g.radians),
             t.tolerance.angle.value_or(kAngleTolerance)}};
}

// "The magnitude of R:", the prompt for one predicted value.
std::string promptFor(const PredictedQuantity& p, bool radMode) {
    const std::string_view vector = letter(p.vector);
    switch (p.quantity) {
        // TRANSLATORS: the prompts of a predict task, one for each value the student is to
        // type; {vector} is A, B or R.
        case Quantity::Magnitude: return fill(_("The magnitude of {vector}:"), {{"vector", vector}});
        case Quantity::Direction:
            return fill(radMode ? _("The direction of {vector} in radians:") : _("The direction of {vector} in degrees:"),
                        {{"vector", vector}});
        case Quantity::X: return fill(_("The x component of {vector}:"), {{"vector", vector}});
        case Quantity::Y: return fill(_("The y component of {vector}:"), {{"vector", vector}});
    }
    return {};
}

// The answers, each against the value shown, or nothing when one was not given.
std::optional<std::vector<Measured>> predictMeasured(const FormState& s, const Task& t, Host& host) {
    std::vector<Measured> out;
    for (const PredictedQuantity& p : t.predict) {
        // TRANSLATORS: the title of the prompts of a predict task.
        const auto typed = askNumber(host, promptFor(p, s.vars.radMode), _("Your Answer"));
        if (!typed) return std::nullopt;
        const ShownValues shown = shownValues(s, p.vector);
        const bool direction = p.quantity == Quantity::Direction;
        out.push_back({p.quantity, p.vector, direction ? degrees(*typed, s.vars.radMode) : *typed,
                       shownValue(shown, p.quantity, s.vars.radMode),
                       direction ? t.tolerance.angle.value_or(kAngleTolerance)
                                 : lengthTolerance(p.quantity == Quantity::Magnitude ? t.tolerance.magnitude
                                                                                     : t.tolerance.component,
                                                   shown.magnitude)});
    }
    return out;
}

}  // namespace

std::optional<Verdict> checkTask(const FormState& s, Host& host) {
    if (!s.task) return std::nullopt;
    const Task& t = *s.task;
    const auto measured = t.kind == TaskKind::Reach ? std::optional(reachMeasured(s, t)) : predictMeasured(s, t, host);
    if (!measured) return std::nullopt;
    Verdict verdict{{}, true};
    for (const Measured& m : *measured) {
        bool right = false;
        verdict.lines.push_back(feedback(m, right));
        verdict.allRight = verdict.allRight && right;
    }
    return verdict;
}

std::string solvedText(int attempts) {
    // TRANSLATORS: the last line of the feedback once every value is right; {count} is how
    // many checks it took.
    return fill(_n("Solved in {count} attempt.", "Solved in {count} attempts.", static_cast<unsigned long>(attempts)),
                {{"count", std::to_string(attempts)}});
}

}  // namespace fendrel
