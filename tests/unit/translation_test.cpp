// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Typed and shown numbers in a language with a decimal comma, and which language the desktop
// asks for.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>

#include "commands/typed_answer.h"
#include "model/language_choice.h"
#include "model/shown_number.h"
#include "model/translation.h"

using namespace fendrel;

TEST(TypedNumbers, TakeTheLanguagesSeparatorAsWellAsThePoint) {
    struct Case {
        const char* language;
        const char* typed;
        std::optional<double> read;  // none: no number
    };
    const Case cases[] = {
        {"de", "2500,5", 2500.5}, {"de", "2500.5", 2500.5},    {"de", "-0,25", -0.25},     {"de", ",5", 0.5},
        {"de", "1,5e3", 1500},    {"de", "1,2,3", std::nullopt}, {"de", "1.2,3", std::nullopt}, {"de", " 2 500,5", 2500.5},
        {"pt_BR", "0,1", 0.1},    {"C", "2500,5", std::nullopt}, {"C", "2500.5", 2500.5},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(useLanguage(c.language, LOCALE_DIR));
        const Reading r = readReply(c.typed);
        EXPECT_EQ(r.kind == Reading::Kind::Number ? std::optional(r.value) : std::nullopt, c.read) << c.language << ": " << c.typed;
    }
    useLanguage("C", LOCALE_DIR);
}

// Shown numbers take the language's separator and, below one, its zero before it; English
// keeps the display format as it is.
TEST(ShownNumbers, TakeTheLanguagesSeparatorAndItsZeroBelowOne) {
    const std::array<std::array<const char*, 3>, 5> cases{
        {{"de", "-.25", "-0,25"}, {"fr", " .5", " 0,5"}, {"pl", "1.5E+20", "1,5E+20"}, {"it", " 4200.5", " 4200,5"}, {"C", "-.25", "-.25"}}};
    for (const auto& [language, display, shown] : cases) {
        ASSERT_TRUE(useLanguage(language, LOCALE_DIR));
        EXPECT_EQ(withDecimalSeparator(display), shown) << language;
    }
    useLanguage("C", LOCALE_DIR);
}

TEST(DesktopLanguage, IsTheFirstOfTheVariablesThatHasACatalogueOrIsEnglish) {
    struct Case {
        const char* language;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; "" for unset
        const char* all;
        const char* messages;
        const char* lang;
        const char* chosen;
    };
    const std::string kLong = std::string(50000, 'j') + std::string(50000, ':');
    const Case cases[] = {
        {"fr:de", "", "", "de_DE.UTF-8", "fr"},  {"xx:pt_BR", "", "", "", "pt_BR"},
        {"en:de", "", "", "", ""},               {"", "pl_PL.UTF-8", "", "de_DE", "pl_PL"},
        {"", "C", "de_DE", "de_DE", ""},         {"", "", "it_IT.UTF-8@euro", "C", "it_IT"},
        {"", "", "", "es_MX.UTF-8", "es_MX"},    {"", "", "", "nl_NL.UTF-8", ""},
        {"", "", "", "", ""},
        // Lists and names that have no catalogue, of any shape and length, end in English.
        {"ja", "", "", "", ""},   {"nl:ru", "", "", "", ""},           {"ja:", "", "", "", ""}, {":", "", "", "", ""},
        {kLong.c_str(), "", "", "", ""}, {"", kLong.c_str(), "", "", ""}, {"", "", "", "../de", ""},
        {"de.UTF-8@euro", "", "", "", "de"},  {"\xff\xfe:.:@:pl", "", "", "", "pl"},
    };
    for (const Case& c : cases) {
        const std::pair<const char*, const char*> variables[] = {
            {"LANGUAGE", c.language}, {"LC_ALL", c.all}, {"LC_MESSAGES", c.messages}, {"LANG", c.lang}};
        for (const auto& [name, value] : variables) *value ? ::setenv(name, value, 1) : ::unsetenv(name);
        EXPECT_EQ(desktopLanguage(LOCALE_DIR), c.chosen) << c.language << "|" << c.all << "|" << c.messages << "|" << c.lang;
    }
}

TEST(ChosenLanguage, IsACatalogueOrEnglishWhateverItsCodesetOrModifierAndNothingElse) {
    for (const auto& [code, chosen] : {std::pair{"de.UTF-8", "de"}, {"de@euro", "de"}, {"en.UTF-8", ""}, {"C.UTF-8", ""},
                                       {"xx", "refused"}, {"../../tmp/x", "refused"}, {"de/../fr", "refused"}})
        EXPECT_EQ(useLanguage(code, LOCALE_DIR) ? languageInUse() : "refused", chosen) << code;
    useLanguage("C", LOCALE_DIR);
}
