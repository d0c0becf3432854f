// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_mapping.h"

namespace fendrel {

std::optional<Key> keyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    Key key;
    key.ctrl = modifiers.testFlag(Qt::ControlModifier);
    key.shift = modifiers.testFlag(Qt::ShiftModifier);
    switch (qtKey) {
        case Qt::Key_Left: key.name = Key::Name::Left; return key;
        case Qt::Key_Right: key.name = Key::Name::Right; return key;
        case Qt::Key_Up: key.name = Key::Name::Up; return key;
        case Qt::Key_Down: key.name = Key::Name::Down; return key;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (key.ctrl) return std::nullopt;
            key.name = Key::Name::Tab;
            key.shift = key.shift || qtKey == Qt::Key_Backtab;
            return key;
        default: return std::nullopt;
    }
}

}  // namespace fendrel
