// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/edit_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/menus/own_menu.h"

namespace fendrel {

namespace {

QAction* addItem(QMenu& menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys,
                 std::function<void()> chosen) {
    QAction* action = addOwnItem(menu, name, caption, keys);
    QObject::connect(action, &QAction::triggered, action, [chosen = std::move(chosen)] { chosen(); });
    return action;
}

}  // namespace

EditMenu::EditMenu(QMenuBar& bar, std::function<void()> undo, std::function<void()> redo)
    : menu_(addOwnMenu(bar, QStringLiteral("Edit"), toQString(_("Edit")))) {
    undo_ = addItem(menu_, QStringLiteral("Undo"), toQString(_("Undo")), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                    std::move(undo));
    redo_ = addItem(menu_, QStringLiteral("Redo"), toQString(_("Redo")),
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, std::move(redo));
}

void EditMenu::render(const History& history) {
    undo_->setEnabled(history.undoCount() > 0);
    redo_->setEnabled(history.redoCount() > 0);
}

}  // namespace fendrel
