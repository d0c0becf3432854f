// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class QMenuBar;

namespace fendrel {

// The key that opens the menu bar.
inline constexpr Qt::Key kMenuBarKey = Qt::Key_F10;

// The menu bar from the keyboard. kMenuBarKey (F10) opens the first menu that can be opened, with its
// first item that can be chosen highlighted; from there the arrows move through the menus,
// their items and the titles without items, Enter chooses and Escape leaves the bar. While
// a title reached by key is highlighted with no menu open, the keys go to the bar and not
// to the window: Enter and Space choose a title without items as a click does. Leaving the
// bar gives the keyboard back to where it was.
void useMenuBarByKeyboard(QMenuBar& bar);

}  // namespace fendrel
