// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_units.h"

#include <QScreen>
#include <QWidget>

namespace fendrel {

WindowUnits WindowUnits::of(const QWidget& w, double zoom, QPointF origin) {
    const QScreen& screen = *w.screen();
    return {screen.logicalDotsPerInchX(), screen.logicalDotsPerInchY(), zoom, origin};
}

}  // namespace fendrel
