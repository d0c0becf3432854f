// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace fendrel {

// The outline around the selected vector's label that shows where the keyboard acts. It
// lies above the labels on the canvas and lets every mouse event through.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* canvas);

    // Surrounds `label` (a sibling) while `shown`, and hides otherwise.
    void surround(const QWidget& label, bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fendrel
