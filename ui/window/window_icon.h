// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace fendrel {

// Three arrows from one point: the icon of the window.
QIcon makeWindowIcon();

}  // namespace fendrel
