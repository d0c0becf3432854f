// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace fendrel {

// A label that assistive technology knows as a notification: each new text it is given is
// announced (the label appears anew to the screen reader, which reads a notification that
// appears), while the focus stays where it is.
class SpokenLabel : public QLabel {
    Q_OBJECT

public:
    explicit SpokenLabel(QWidget* parent);

    // Shows the text, and announces it when it differs from the last one and is not empty.
    void say(const QString& text);
};

}  // namespace fendrel
