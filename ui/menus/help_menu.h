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

// What About Fendrel says: the version, the copyright, the licence with its warranty
// disclaimer and where its text is installed, Qt's version and the language in use.
QString aboutText();

}  // namespace fendrel
