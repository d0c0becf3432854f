// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/task_bar.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/translation.h"
#include "ui/access/spoken_label.h"
#include "ui/base/qt_text.h"
#include "ui/base/scaled_font.h"

namespace fendrel {

namespace {

QPushButton* addButton(QWidget& bar, QBoxLayout& row, const char* name, std::string_view caption,
                       std::function<void()> pressed) {
    auto* button = new QPushButton(toQString(_(caption)), &bar);
    button->setObjectName(QString::fromLatin1(name));
    // The figure keeps the keyboard: Tab there selects the vectors, and Ctrl+Return checks.
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, button, [pressed = std::move(pressed)] { pressed(); });
    row.addWidget(button);
    return button;
}

}  // namespace

TaskBar::TaskBar(QWidget* parent, std::function<void()> check, std::function<void()> reveal)
    : QGroupBox(parent), instruction_(new SpokenLabel(this)), feedback_(new SpokenLabel(this)), attempts_(new QLabel(this)) {
    setObjectName(QStringLiteral("task"));
    // TRANSLATORS: the strip above the figure that gives the lesson's task, as assistive
    // technology names it.
    setAccessibleName(toQString(_("Task")));
    instruction_->setObjectName(QStringLiteral("instruction"));
    showInstructionLarge();
    feedback_->setObjectName(QStringLiteral("feedback"));
    attempts_->setObjectName(QStringLiteral("attempts"));
    attempts_->setTextFormat(Qt::PlainText);

    auto* column = new QVBoxLayout(this);
    column->addWidget(instruction_);
    auto* row = new QHBoxLayout();
    column->addLayout(row);
    // TRANSLATORS: the button that checks the student's answer to the task (also Ctrl+Return).
    check_ = addButton(*this, *row, "check", N_("Check"), std::move(check));
    // TRANSLATORS: the button that shows the values the task hides, without solving it.
    reveal_ = addButton(*this, *row, "reveal", N_("Reveal"), std::move(reveal));
    row->addWidget(feedback_, 1);
    row->addWidget(attempts_);
    hide();
}

// From the font the application gives a label, which presentation mode enlarges.
void TaskBar::showInstructionLarge() {
    QFont large = scaledFont(QApplication::font(instruction_), kInstructionSize);
    large.setBold(true);
    instruction_->setFont(large);
}

void TaskBar::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) showInstructionLarge();
}

void TaskBar::render(const FormState& s, const TaskProgress& progress) {
    const bool appears = s.task && isHidden();
    setVisible(s.task.has_value());
    if (!s.task) return;
    const bool open = taskOpen(s, progress);
    const QString instruction = toQString(s.task->text);
    if (appears || instruction != instruction_->text()) instruction_->say(instruction);
    check_->setEnabled(open);
    reveal_->setVisible(s.task->reveal);
    reveal_->setEnabled(open);
    QStringList lines;
    for (const std::string& line : progress.feedback) lines << toQString(line);
    const QString feedback = lines.join(QLatin1Char('\n'));
    if (progress.attempts != attemptsShown_ || feedback != feedback_->text()) feedback_->say(feedback);
    attemptsShown_ = progress.attempts;
    // TRANSLATORS: how many checks on the task have reached a verdict so far.
    attempts_->setText(toQString(fill(_("Attempts: {count}"), {{"count", std::to_string(progress.attempts)}})));
}

}  // namespace fendrel
