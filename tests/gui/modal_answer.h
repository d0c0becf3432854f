// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace fendrel {

// Answers the next modal dialog from inside its own event loop: polls until a modal
// widget is open, then hands it to the answer, once.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget&)> answer) : answer_(std::move(answer)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            poll_.stop();
            answered_ = true;
            answer_(*modal);
        });
        poll_.start(10);
    }

    bool answered() const { return answered_; }

private:
    std::function<void(QWidget&)> answer_;
    QTimer poll_;
    bool answered_ = false;
};

}  // namespace fendrel
