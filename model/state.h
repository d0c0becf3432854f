// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/number.h"
#include "model/task.h"
#include "model/vector_table.h"

// The whole window as plain values: what the handlers read and write, and what the real
// window renders.
namespace fendrel {

using Color = std::uint32_t;  // red in the low byte, blue in the high byte

struct Line {
    float x1 = 0, y1 = 0;  // tail
    float x2 = 0, y2 = 0;  // tip
    Color color = 0;
    int width = 3;

    friend bool operator==(const Line&, const Line&) = default;
};

struct Label {
    float left = 0, top = 0;
    std::string caption, tooltip;
    Color foreColor = 0, backColor = 0;
    bool bold = false;
    double size = 0;  // points

    friend bool operator==(const Label&, const Label&) = default;
};

struct MenuElement {
    std::string caption;
    bool enabled = true;
    bool checked = false;

    friend bool operator==(const MenuElement&, const MenuElement&) = default;
};

// The per-window variables: what the last refresh measured and showed, and the user's
// choices. The dump names them as the window always has (app/shown_fields.h).
struct Vars {
    PerVector<Number> magnitude;             // window units, never rounded
    PerVector<PerAxis<Number>> components;   // as the component items show them: rounded, scaled
    Number referenceConstant;                // the reference vector's declared magnitude; empty until entered
    std::optional<Vec> selected;             // the vector the left button and the arrow keys move
    bool radMode = false;                    // angles in radians, not degrees
    PerVector<Number> direction;             // in the angle unit, never rounded
    std::array<Number, 3> anglesBetween;     // A and B, A and R, B and R: rounded, in the angle unit
    PerVector<Number> colour;                // each line's own colour, which the reference's white gives way to

    friend bool operator==(const Vars&, const Vars&) = default;
};

struct FormState {
    std::string caption;
    Color backColor = 0;
    PerVector<Line> lines;
    // The lines as the last refresh measured them: what the shown quantities describe. They
    // differ from `lines` after a drag of the whole figure or a change of layout, which
    // move lines without a refresh.
    PerVector<Line> measured;
    PerVector<Label> labels;
    std::array<Vec, 3> stacking{Vec::A, Vec::B, Vec::R};  // bottom to top
    PerMenu<MenuElement> menus;
    Vars vars;
    // The unit of the reference scale ("N"), empty for none: the view writes it after every
    // value in that scale; no caption holds it.
    std::string unit;
    std::optional<Task> task;  // the lesson's task, as the teacher wrote it

    Line& line(Vec v) { return lines[v]; }
    const Line& line(Vec v) const { return lines[v]; }
    Label& label(Vec v) { return labels[v]; }
    const Label& label(Vec v) const { return labels[v]; }
    MenuElement& menu(Menu m) { return menus[m]; }
    const MenuElement& menu(Menu m) const { return menus[m]; }

    // The name label's top-left corner goes to the line's tip.
    void putLabelOnTip(Vec v) { label(v).top = line(v).y2; label(v).left = line(v).x2; }
    void bringToFront(Vec v);
    Vec topLabel() const { return stacking.back(); }

    bool enabled(Menu m) const { return menu(m).enabled; }
    bool checked(Menu m) const { return menu(m).checked; }
    bool modeB() const { return checked(Menu::ModeB); }
    // Whether the task hides the vector's numbers; in the state as shown (app/task_progress.h)
    // the task lists only the vectors still hidden.
    bool hides(Vec v) const { return task && task->hidden[v]; }

    friend bool operator==(const FormState&, const FormState&) = default;
};

// Every line end point finite and within this many window units of the corner.
inline constexpr float kCoordinateLimit = 10'000'000.0f;
bool coordinatesInRange(const FormState& s);

}  // namespace fendrel
