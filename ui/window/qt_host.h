// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>

#include "commands/host.h"

class QWidget;

namespace fendrel {

// The host services of the real window: Qt's modal input and message dialogs, and a
// random generator seeded from the time of day. Texts are UTF-8.
class QtHost : public Host {
public:
    // Dialogs open modal over `dialogParent`.
    explicit QtHost(QWidget* dialogParent) : dialogParent_(dialogParent) {}

    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override;
    void messageBox(std::string_view text, int buttons, std::string_view title) override;
    void randomize() override;
    float rnd() override;

private:
    QWidget* dialogParent_;
    std::mt19937 random_;
};

}  // namespace fendrel
