// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;

namespace fendrel {

// F10 opens the first menu of the bar that can be opened; from there the arrows move
// through the menus and items, Enter chooses and Escape closes.
void openMenusWithF10(QMenuBar& bar);

}  // namespace fendrel
