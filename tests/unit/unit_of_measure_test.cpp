// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The unit of the reference scale: what may be one, counted in characters, and naming it in
// the window as one step that Undo takes back, a refused one changing nothing.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/form.h"
#include "app/unit_of_measure.h"
#include "tools/script_host.h"

using namespace fendrel;

TEST(UnitOfMeasure, AtMostTwelveCharactersWithoutControlsAndNamedAsOneStep) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {" N ", "N"},
        {"kg\u00B7m/s\u00B2", "kg\u00B7m/s\u00B2"},
        {"\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4", "\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4\u00E4"},
        {"abcdefghijklm", std::nullopt},
        {"m\ns", std::nullopt},
        {"m\u0085s", std::nullopt},
        {"m\u2028s", std::nullopt},
        {"\xFF", std::nullopt},
    };
    for (const auto& [typed, kept] : cases) EXPECT_EQ(unitOfMeasure(typed), kept) << typed;

    // Named in the window, it is one step; one refused changes nothing.
    ScriptHost host;
    Form form(host);
    form.load();
    host.queueAnswer(" N");
    form.chooseUnit();
    EXPECT_EQ(form.state().unit, "N");
    EXPECT_TRUE(form.modified());
    host.queueAnswer("m\ts");
    form.chooseUnit();
    const std::vector<DialogRecord> dialogs = host.takeDialogs();
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_EQ(dialogs[1].defaultText, "N");
    EXPECT_EQ(dialogs[2].kind, DialogRecord::Kind::Message);
    EXPECT_EQ(form.state().unit, "N");
    form.undo();
    EXPECT_EQ(form.state().unit, "");
    EXPECT_FALSE(form.modified());
}
