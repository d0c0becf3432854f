// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

#include <QFont>

namespace fendrel {

// The font `scale` times as large, in the kind of size it has (points or pixels).
inline QFont scaledFont(QFont font, double scale) {
    if (scale == 1.0) return font;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    return font;
}

}  // namespace fendrel
