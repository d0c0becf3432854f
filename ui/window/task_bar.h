// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QGroupBox>

#include "app/task_progress.h"

class QLabel;
class QPushButton;

namespace fendrel {

class SpokenLabel;

// The strip above the figure that gives the lesson's task: its instruction in large type,
// Check and Reveal (where the task allows it), the feedback of the last check and the
// attempts so far. Hidden while the lesson has no task. Assistive technology reads it as a
// group named "Task"; the instruction is announced when the bar appears or the instruction
// changes, the feedback after every verdict (the same lines as before too).
class TaskBar : public QGroupBox {
public:
    TaskBar(QWidget* parent, std::function<void()> check, std::function<void()> reveal);

    void render(const FormState& s, const TaskProgress& progress);

    // How many times a label's font the instruction's is, in presentation mode too.
    static constexpr double kInstructionSize = 1.5;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showInstructionLarge();

    SpokenLabel* instruction_;
    QPushButton* check_;
    QPushButton* reveal_;
    SpokenLabel* feedback_;
    QLabel* attempts_;
    int attemptsShown_ = 0;
};

}  // namespace fendrel
