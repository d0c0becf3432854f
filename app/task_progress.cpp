// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/task_progress.h"

#include "model/captions.h"

namespace fendrel {

bool taskOpen(const FormState& s, const TaskProgress& p) { return s.task && !p.solved && !p.revealed; }

bool mayChange(const FormState& s, const TaskProgress& p, Vec v) { return !taskOpen(s, p) || s.task->movable[v]; }

PerVector<bool> changeable(const FormState& s, const TaskProgress& p) {
    PerVector<bool> out;
    for (Vec v : kVectors) out[v] = mayChange(s, p, v);
    return out;
}

bool mayChoose(const FormState& s, const TaskProgress& p, Menu m) {
    if (!taskOpen(s, p)) return true;
    for (Vec v : kVectors) {
        if (m == vectorMenu(v, VectorItem::Lock) || m == vectorMenu(v, VectorItem::Constant)) return false;
        for (VectorItem entry : {VectorItem::Magnitude, VectorItem::X, VectorItem::Y, VectorItem::Angle})
            if (m == vectorMenu(v, entry)) return mayChange(s, p, v);
    }
    return true;
}

FormState stateAsShown(const FormState& s, const TaskProgress& p) {
    FormState shown = s;
    if (!shown.task) return shown;
    if (!taskOpen(s, p)) {
        shown.task->hidden = {};
        return shown;
    }
    for (Vec v : kVectors) {
        if (!shown.task->hidden[v]) continue;
        shown.menu(vectorMenu(v, VectorItem::Title)).caption =
            vectorCaption(v, kHiddenNumber, kHiddenNumber, s.vars.radMode);
        for (Axis axis : kAxes) shown.menu(componentItem(v, axis)).caption = componentCaption(v, axis, kHiddenNumber);
        if (s.checked(vectorMenu(v, VectorItem::Constant)))
            shown.label(v).caption = referenceLabelCaption(v, kHiddenNumber);
    }
    return shown;
}

}  // namespace fendrel
