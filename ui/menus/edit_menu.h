// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "app/history.h"

class QAction;
class QMenu;
class QMenuBar;

namespace fendrel {

// The window's own "Edit" menu, between "Mode" and "Info": Undo (Ctrl+Z) and Redo
// (Ctrl+Shift+Z, Ctrl+Y), each enabled only while there is a step to take.
class EditMenu {
public:
    EditMenu(QMenuBar& bar, std::function<void()> undo, std::function<void()> redo);

    void render(const History& history);
    // Where the window adds its other editing items, below Undo and Redo.
    QMenu& menu() { return menu_; }

private:
    QMenu& menu_;
    QAction* undo_;
    QAction* redo_;
};

}  // namespace fendrel
