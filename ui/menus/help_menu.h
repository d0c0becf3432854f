// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenuBar;
class QString;
class QWidget;

namespace fendrel {

// The window's own "Help" menu, last on the bar: Keyboard Shortcuts (F1), About Fendrel and
// About Qt. The "Info" box of the window logic stays as it is.
void addHelpMenu(QMenuBar& bar, QWidget& window);

}  // namespace fendrel
