// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QMenuBar;
class QWidget;

namespace fendrel {

// One line of the keyboard help: keys as the desktop writes them ("Ctrl+Left"), and what
// they do.
struct ShortcutLine {
    QStringList keys;
    QString does;
};
struct ShortcutGroup {
    QString title;
    QList<ShortcutLine> lines;
};

// Every key of the window, in the language in use: the figure's, from its own key table; the
// view's, the figure's arrows with Alt; the menu bar's F10; and every menu item's shortcuts,
// found on the menu bar itself, a group for each menu that has any.
QList<ShortcutGroup> keyboardShortcuts(const QMenuBar& bar);

// Help › Keyboard Shortcuts: the list above in a dialog of its own.
void showKeyboardShortcuts(QWidget& window, const QMenuBar& bar);

}  // namespace fendrel
