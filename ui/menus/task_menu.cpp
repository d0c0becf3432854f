// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/task_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/task_authoring.h"
#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/menus/own_menu.h"
#include "ui/menus/task_dialog.h"

namespace fendrel {

TaskMenu::TaskMenu(QMenuBar& bar, Form& form, QWidget& window, std::function<void()> showStep)
    : form_(form), window_(window), showStep_(std::move(showStep)) {
    // TRANSLATORS: the menu of the lesson's task.
    QMenu& menu = addOwnMenu(bar, QStringLiteral("Task"), toQString(_("Task")));
    const auto item = [&](const char* name, std::string_view caption, const QList<QKeySequence>& keys,
                          std::function<void()> chosen) {
        QAction* action = addOwnItem(menu, QString::fromLatin1(name), toQString(_(caption)), keys);
        QObject::connect(action, &QAction::triggered, action, [this, chosen = std::move(chosen)] {
            chosen();
            showStep_();
        });
        return action;
    };
    check_ = item("Check", N_("Check"), {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
                  [this] { form_.check(); });
    reveal_ = item("Reveal", N_("Reveal"), {}, [this] { form_.reveal(); });
    menu.addSeparator();
    // TRANSLATORS: writes a task whose goal is the figure as it stands; the teacher then
    // arranges the figure the student starts from, and saves.
    item("NewTask", N_("New Task from This Figure\u2026"), {}, [this] { write(taskFromFigure(form_.state())); });
    edit_ = item("EditTask", N_("Edit Task\u2026"), {}, [this] {
        if (form_.state().task) write(*form_.state().task);
    });
    remove_ = item("RemoveTask", N_("Remove Task"), {}, [this] { form_.setTask(std::nullopt); });
}

void TaskMenu::write(const Task& start) {
    if (const std::optional<Task> task = askForTask(window_, form_.state(), start)) form_.setTask(*task);
}

void TaskMenu::render() {
    const FormState& s = form_.state();
    const bool open = taskOpen(s, form_.taskProgress());
    check_->setEnabled(open);
    reveal_->setEnabled(open && s.task->reveal);
    edit_->setEnabled(s.task.has_value());
    remove_->setEnabled(s.task.has_value());
}

}  // namespace fendrel
