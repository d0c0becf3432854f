// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace fendrel {

// A label that assistive technology knows as a notification: each text it says is announced
// (the label appears anew to the screen reader, which reads a notification that appears),
// while the focus stays where it is.
class SpokenLabel : public QLabel {
    Q_OBJECT

public:
    explicit SpokenLabel(QWidget* parent);

    // Shows the text and, unless it is empty, announces it, even when it is the one shown.
    void say(const QString& text);
};

}  // namespace fendrel
