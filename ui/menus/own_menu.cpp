// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/own_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/element_table.h"
#include "ui/base/qt_text.h"

namespace fendrel {

namespace {

QMenu& insertMenu(QMenuBar& bar, const QString& name, const QString& title, QAction* before) {
    auto* menu = new QMenu(title, &bar);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    bar.insertMenu(before, menu);
    return *menu;
}

}  // namespace

QMenu& addOwnMenu(QMenuBar& bar, const QString& name, const QString& title) {
    QAction* info = nullptr;
    for (QAction* a : bar.actions())
        if (a->objectName() == toQString(element(Menu::Info).name)) info = a;
    return insertMenu(bar, name, title, info);
}

QMenu& addFirstMenu(QMenuBar& bar, const QString& name, const QString& title) {
    return insertMenu(bar, name, title, bar.actions().isEmpty() ? nullptr : bar.actions().front());
}

QMenu& addLastMenu(QMenuBar& bar, const QString& name, const QString& title) {
    return insertMenu(bar, name, title, nullptr);
}

QAction* addOwnItem(QMenu& menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcuts(keys);
    return action;
}

}  // namespace fendrel
