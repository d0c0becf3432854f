#include "interaction/keyboard.h"

#include "interaction/mouse_drag.h"
#include "interaction/selection.h"
#include "model/single.h"

namespace fendrel {

namespace {

constexpr double kStep = 120;       // window units
constexpr double kSmallStep = 15;
constexpr int kTipButton = 1;
constexpr int kFigureButton = 2;

struct Offset {
    double x, y;
};

Offset direction(Key::Name name) {
    switch (name) {
        case Key::Name::Left: return {-1, 0};
        case Key::Name::Right: return {1, 0};
        case Key::Name::Up: return {0, -1};
        case Key::Name::Down: return {0, 1};
        case Key::Name::Tab: break;
    }
    return {0, 0};
}

// Where the pointer would be after moving one step from (x, y).
void dragFrom(FormState& s, int button, float x, float y, Key key) {
    const double step = key.ctrl ? kSmallStep : kStep;
    const Offset d = direction(key.name);
    formMouseMove(s, button, 0, single(x + d.x * step), single(y + d.y * step));
}

// 0 for A, 1 for B, 2 for R; -1 while nothing is selected (before the load).
int selectedIndex(const FormState& s) { return s.vars.curVec >= 1 && s.vars.curVec <= 3 ? s.vars.curVec - 1 : -1; }

// The first unlocked vector after the selected one in the order A, B, R, A (backwards:
// A, R, B, A) is selected as a click on its label selects it.
void selectNextUnlocked(FormState& s, bool backwards) {
    const int current = selectedIndex(s);
    if (current < 0) return;
    for (int offset = 1; offset < 3; ++offset) {
        const int next = (current + (backwards ? 3 - offset : offset)) % 3;
        const Vec v = kVectors[static_cast<size_t>(next)];
        if (s.enabled(setMenu(v))) {
            labelClick(s, v);
            return;
        }
    }
}

}  // namespace

void formKey(FormState& s, Key key) {
    if (key.name == Key::Name::Tab) {
        selectNextUnlocked(s, key.shift);
        return;
    }
    if (key.shift) {
        const Line& a = s.line(Vec::A);
        dragFrom(s, kFigureButton, a.x1, a.y1, key);
        return;
    }
    const int selected = selectedIndex(s);
    if (selected < 0) return;
    const Line& line = s.lines[static_cast<size_t>(selected)];
    dragFrom(s, kTipButton, line.x2, line.y2, key);
}

}  // namespace fendrel
