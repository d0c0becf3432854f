// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dump reader itself: a mis-read dump would hide faults in every other test.
#include <gtest/gtest.h>

#include <stdexcept>

#include "json.h"

using golden::Json;

TEST(JsonReader, ReadsEscapesNumbersAndNesting) {
    const Json v = Json::parse(R"({"t": "\rA x\u00b0\"\\", "n": [-0.5, 1E+20, 3720, 0.10000000149011612],
                                  "o": {"b": true, "f": false, "z": null}})");
    EXPECT_EQ(v["t"].string(), "\rA x\xC2\xB0\"\\");
    EXPECT_EQ(v["n"][0].number(), -0.5);
    EXPECT_EQ(v["n"][1].number(), 1e20);
    EXPECT_EQ(v["n"][2].number(), 3720);
    EXPECT_EQ(v["n"][3].number(), static_cast<double>(0.1f));
    EXPECT_TRUE(v["o"]["b"].boolean());
    EXPECT_FALSE(v["o"]["f"].boolean());
    EXPECT_TRUE(v["o"]["z"].isNull());
}

TEST(JsonReader, RejectsMalformedTextAndWrongKinds) {
    EXPECT_THROW(Json::parse(R"({"a": 1,})"), std::runtime_error);
    EXPECT_THROW(Json::parse(R"({"a": 1} x)"), std::runtime_error);
    EXPECT_THROW(Json::parse("\"open"), std::runtime_error);
    const Json v = Json::parse(R"({"a": "1"})");
    EXPECT_THROW(v["a"].number(), std::runtime_error);
    EXPECT_THROW(v["b"], std::runtime_error);
}

TEST(JsonReader, DifferenceNamesThePathAndIgnoresMemberOrder) {
    const Json a = Json::parse(R"({"x": {"p": 1, "q": [true, "s"]}, "d": [1]})");
    const Json b = Json::parse(R"({"d": [2], "x": {"q": [true, "s"], "p": 1}})");
    EXPECT_EQ(golden::firstDifference(a, b, {"d"}), "");
    EXPECT_EQ(golden::firstDifference(a, b), "/d/0: expected 1, got 2");
}
