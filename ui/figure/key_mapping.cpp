// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/key_mapping.h"

#include <array>
#include <utility>

namespace fendrel {

namespace {

#define FENDREL_QT_KEY(name, qtKey, takesCtrl, dx, dy) std::pair{Qt::qtKey, Key::Name::name},
constexpr std::array kQtKeys{FENDREL_FIGURE_KEYS(FENDREL_QT_KEY)};
#undef FENDREL_QT_KEY

}  // namespace

std::optional<Key> keyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    Key key;
    key.ctrl = modifiers.testFlag(Qt::ControlModifier);
    key.shift = modifiers.testFlag(Qt::ShiftModifier);
    // Qt gives Shift+Tab as a key of its own.
    if (qtKey == Qt::Key_Backtab) {
        qtKey = Qt::Key_Tab;
        key.shift = true;
    }
    for (const auto& [qt, name] : kQtKeys) {
        if (qt != qtKey) continue;
        key.name = name;
        return isFigureKey(key) ? std::optional(key) : std::nullopt;
    }
    return std::nullopt;
}

QKeyCombination qtKeyOf(const Key& key) {
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, key.ctrl);
    modifiers.setFlag(Qt::ShiftModifier, key.shift);
    return QKeyCombination(modifiers, kQtKeys[static_cast<std::size_t>(key.name)].first);
}

std::optional<KeyFacts> arrowFromQt(int qtKey) {
    for (const auto& [qt, name] : kQtKeys)
        if (qt == qtKey && (keyFacts(name).dx != 0 || keyFacts(name).dy != 0)) return keyFacts(name);
    return std::nullopt;
}

}  // namespace fendrel
