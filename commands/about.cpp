// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>

#include "commands/commands.h"
#include "model/translation.h"

namespace fendrel {

void infoClick(FormState&, Host& host, Vec) {
    constexpr char kCR = '\r';
    std::string text(_("Fendrel was made by the Fendrel contributors"));
    text += kCR;
    text += _("Free teaching software, written in C++ with Qt");
    text += kCR;
    text += _("Last edition : 15th September 2005");
    text += {kCR, kCR};
    text += _("Web page: none yet; see the README shipped with the program");
    const int d = static_cast<int>(std::floor(host.rnd() * 10.0f));
    if (d > 8) {
        text += kCR;
        text += _("E-mail: none; ask whoever installed Fendrel");
    }
    // A translation says which it is; the English box stays as it always was.
    if (!languageInUse().empty()) {
        text += {kCR, kCR};
        // TRANSLATORS: {language} is the name of this translation's language, as translated below.
        text += fill(_("Language: {language}"),
                     // TRANSLATORS: the name of the language of this translation, in that language.
                     {{"language", _(C_("name of this translation's language", "English"))}});
    }
    // TRANSLATORS: the title of the box that says who made the program.
    host.messageBox(text, kInformationIcon, _("INFO"));
}

}  // namespace fendrel
