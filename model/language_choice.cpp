// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/language_choice.h"

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "model/catalogue.h"
#include "model/translation.h"

// glibc's count of catalogue changes: raised, it makes gettext look the language up again.
extern "C" int _nl_msg_cat_cntr;

namespace fendrel {

namespace {

// The language of a locale name, "de_DE" of "de_DE.UTF-8@euro": letters, digits and '_'
// before its codeset and modifier. Empty for a name of any other shape ("../x", "\xff").
std::string languageOf(std::string_view code) {
    const std::string_view language = code.substr(0, code.find_first_of(".@"));
    const auto isNamePart = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    };
    return std::all_of(language.begin(), language.end(), isNamePart) ? std::string(language) : std::string();
}

bool isEnglish(const std::string& language) {
    return language == "C" || language == "POSIX" || language == "en" || language.starts_with("en_");
}

// The catalogue's own name for CODE: "pt_BR" as it is, "de_AT" as "de"; empty if none.
std::string catalogueFor(const std::string& code, const std::string& localeDir) {
    if (code.empty()) return {};
    for (const std::string& name : {code, code.substr(0, code.find('_'))}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(localeDir + "/" + name + "/LC_MESSAGES/" + kTextDomain + ".mo", error))
            return name;
    }
    return {};
}

void useEnglish() {
    Catalogue& c = catalogue();
    ++c.generation;
    c.code.clear();
    c.separator = std::string(".");  // as a whole: GCC 12 warns wrongly of assigning the literal
    c.leadingZero = false;
    c.texts.clear();
}

}  // namespace

bool useLanguage(std::string_view code, const std::string& localeDir) {
    const std::string wanted = languageOf(code);
    if (code.empty() || isEnglish(wanted)) {
        useEnglish();
        return true;
    }
    const std::string name = catalogueFor(wanted, localeDir);
    if (name.empty()) return false;
    // gettext takes LANGUAGE before the locale, but not while the messages' locale is "C".
    ::setenv("LANGUAGE", name.c_str(), 1);
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    bindtextdomain(kTextDomain, localeDir.c_str());
    bind_textdomain_codeset(kTextDomain, "UTF-8");
    ++_nl_msg_cat_cntr;
    useEnglish();
    Catalogue& c = catalogue();
    c.code = name;
    c.separator = std::string(_(C_("decimal separator", ".")));
    // TRANSLATORS: one half as the language writes it: "0,5" where a zero stands before the
    // decimal separator of a number below one, ".5" where none does. Only the zero counts;
    // the separator is the one translated above.
    c.leadingZero = _(C_("one half", ".5")).starts_with('0');
    return true;
}

std::string desktopLanguage(const std::string& localeDir) {
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        for (std::string_view entries(list);;) {
            const std::size_t colon = entries.find(':');
            const std::string entry = languageOf(entries.substr(0, colon));
            if (isEnglish(entry)) return {};
            if (!catalogueFor(entry, localeDir).empty()) return entry;
            if (colon == std::string_view::npos) break;
            entries.remove_prefix(colon + 1);
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value) {
            const std::string code = languageOf(value);
            return isEnglish(code) || catalogueFor(code, localeDir).empty() ? std::string() : code;
        }
    return {};
}

}  // namespace fendrel
