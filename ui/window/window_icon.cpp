// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/window_icon.h"

#include <QPixmap>

namespace fendrel {

namespace {
#include "data/icons/fendrel-32.xpm"
}  // namespace

QIcon makeWindowIcon() { return QIcon(QPixmap(fendrel_32)); }

}  // namespace fendrel
