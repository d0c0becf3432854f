// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace fendrel {

// The catalogues beside the program: share/locale, as installed and as built.
std::string localeFolder();

// Speaks CODE ("de", "pt_BR"), or the desktop's language when CODE is empty: the program's
// own texts from its catalogue, Qt's (its buttons and dialogs) from Qt's translations. Needs
// the application object; false, and English kept, when there is no catalogue for CODE.
bool speak(const std::string& code);

}  // namespace fendrel
