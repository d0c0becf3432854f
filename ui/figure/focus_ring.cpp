// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure/focus_ring.h"

#include <QPainter>

#include "app/focus_ring_style.h"
#include "ui/base/colors.h"

namespace fendrel {

FocusRing::FocusRing(QWidget* canvas) : QWidget(canvas) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void FocusRing::surround(const QWidget& label, bool shown) {
    if (shown) {
        setGeometry(label.geometry().adjusted(-kFocusRingWidth, -kFocusRingWidth, kFocusRingWidth, kFocusRingWidth));
        raise();
    }
    setVisible(shown);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor colour = toQColor(kFocusRingColor);
    const int w = kFocusRingWidth;
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

}  // namespace fendrel
