// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/own_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/element_table.h"
#include "ui/qt_text.h"

namespace fendrel {

QMenu& addOwnMenu(QMenuBar& bar, const QString& name) {
    auto* menu = new QMenu(name, &bar);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    QAction* info = nullptr;
    for (QAction* a : bar.actions())
        if (a->objectName() == toQString(element(Menu::Info).name)) info = a;
    bar.insertMenu(info, menu);
    return *menu;
}

QAction* addOwnItem(QMenu& menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcuts(keys);
    return action;
}

}  // namespace fendrel
