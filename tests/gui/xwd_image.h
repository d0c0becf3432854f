// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace fendrel {

// Reads an X window dump (the format of `xwd` and of Xvfb's -fbdir screen file) of a
// true-colour screen with 24 or 32 bits per pixel. A null image when it cannot.
QImage readXwd(const QString& path);

}  // namespace fendrel
