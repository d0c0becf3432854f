// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Which catalogue the texts come from.
namespace fendrel {

// Chooses the language of the catalogue in LOCALE_DIR/CODE/LC_MESSAGES/fendrel.mo (CODE as
// "de", "pt_BR", "de_DE.UTF-8" or "de@euro": a codeset or modifier names its language).
// English, "C" and "POSIX" need none. False, and English kept, when there is no catalogue for
// CODE, or CODE is no locale name ("../x").
bool useLanguage(std::string_view code, const std::string& localeDir);

// The language the desktop asks for, as gettext programs read it: the first of LANGUAGE's
// entries, then LC_ALL, LC_MESSAGES and LANG, that is English or has a catalogue.
std::string desktopLanguage(const std::string& localeDir);

}  // namespace fendrel
