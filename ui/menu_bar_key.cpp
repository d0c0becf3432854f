// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_bar_key.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>

namespace fendrel {

void openMenusWithF10(QMenuBar& bar) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F10), &bar);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &bar, [&bar] {
        for (QAction* action : bar.actions()) {
            if (action->isEnabled() && action->isVisible()) {
                bar.setActiveAction(action);
                return;
            }
        }
    });
}

}  // namespace fendrel
