// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>

class QAction;
class QMenu;
class QMenuBar;
class QString;

namespace fendrel {

// A menu of the window's own, which the window logic knows nothing of, found by its object
// name NAME and showing TITLE: put on the bar in front of "Info", so the menus it adds keep
// the order they are added in.
QMenu& addOwnMenu(QMenuBar& bar, const QString& name, const QString& title);

// The same, put first on the bar, as the "File" menu of every desktop program is.
QMenu& addFirstMenu(QMenuBar& bar, const QString& name, const QString& title);

// The same, put last on the bar, after "Info", as the "Help" menu of every desktop program is.
QMenu& addLastMenu(QMenuBar& bar, const QString& name, const QString& title);

// An item of such a menu, found by its object name NAME and chosen with any of KEYS.
QAction* addOwnItem(QMenu& menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys = {});

}  // namespace fendrel
