// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "app/form.h"

class QAction;
class QMenuBar;
class QWidget;

namespace fendrel {

// The window's own "Task" menu: Check (Ctrl+Return) and Reveal for the student, and for the
// teacher New Task from This Figure…, Edit Task… and Remove Task, whose dialog writes the
// task (ui/menus/task_dialog.h). Each item is enabled only while it can do something.
class TaskMenu {
public:
    TaskMenu(QMenuBar& bar, Form& form, QWidget& window, std::function<void()> showStep);

    void render();

private:
    void write(const Task& start);

    Form& form_;
    QWidget& window_;
    std::function<void()> showStep_;
    QAction* check_;
    QAction* reveal_;
    QAction* edit_;
    QAction* remove_;
};

}  // namespace fendrel
