// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The driver in each language of the catalogues: every text of the window's logic once, with
// the language's decimal separator, against that language's golden.
#include <gtest/gtest.h>

#include "model/language_choice.h"
#include "model/translation.h"
#include "scenario.h"

using namespace golden;

namespace {

// Speaks the language while it lives, English afterwards.
struct Speaking {
    explicit Speaking(const char* code) { EXPECT_TRUE(fendrel::useLanguage(code, LOCALE_DIR)) << code; }
    ~Speaking() { fendrel::useLanguage("C", LOCALE_DIR); }
};

}  // namespace

TEST(Languages, EachSpeaksItsGoldenWithItsDecimalSeparator) {
    const std::string dir = GOLDEN_DATA_DIR;
    const std::string script = readFile(dir + "/languages.script");
    for (const char* code : {"de", "fr", "es", "it", "pt_BR", "pl"}) {
        const Json expected = Json::parse(readFile(dir + "/language_" + code + ".json"));
        std::vector<Json> dumps;
        {
            const Speaking language(code);
            dumps = dumpsOf(script);
        }
        ASSERT_EQ(dumps.size(), expected.items().size()) << code;
        for (std::size_t i = 0; i < dumps.size(); ++i)
            EXPECT_EQ(firstDifference(expected[i], dumps[i]), "") << code << ", dump " << i;
    }
    // English again: the same scenario refuses "2500,5", which is no number there.
    EXPECT_EQ(var(dumpsOf(script).back(), "modA"), 4200);
}
