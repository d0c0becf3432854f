// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "commands/typed_answer.h"
#include "model/numbers.h"
#include "model/refresh.h"
#include "model/shown_sum.h"
#include "tools/script_host.h"

using namespace fendrel;

namespace {

// A decimal text reduced to sign, significant digits and the exponent of the first digit,
// so texts in different layouts ("1.5E+20", "%.7g" output) can be compared as numbers.
std::string canonical(std::string text) {
    bool negative = false;
    std::string digits;
    int exponent = 0, pointAt = -1;
    size_t i = text.find_first_not_of(' ');
    if (text[i] == '-') negative = true, ++i;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') pointAt = static_cast<int>(digits.size());
        else digits += text[i];
    }
    if (i < text.size()) exponent = std::atoi(text.c_str() + i + 1);
    if (pointAt < 0) pointAt = static_cast<int>(digits.size());
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    exponent += pointAt - static_cast<int>(first);
    digits = digits.substr(first);
    digits.erase(digits.find_last_not_of('0') + 1);
    return (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
}

std::string printfText(const char* format, double v) {
    char buf[512];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

}  // namespace

TEST(Round2, TiesGoToTheEvenNeighbourJudgedOnTheExactValue) {
    EXPECT_EQ(round2(2.5), 2.5);
    EXPECT_EQ(round2(0.125), 0.12);
    EXPECT_EQ(round2(-0.125), -0.12);
    EXPECT_EQ(round2(0.375), 0.38);
    EXPECT_EQ(round2(2.675), 2.67);        // the double nearest 2.675 lies below it
    EXPECT_EQ(round2(12.345f), 12.35f);    // the single nearest 12.345 lies above it
    EXPECT_EQ(round2(1.005), 1.0);         // below the tie
    EXPECT_EQ(round2(90.00000077660006), 90.0);
    EXPECT_EQ(round2(-3.14159), -3.14);
    EXPECT_TRUE(std::signbit(round2(-0.001)));
    EXPECT_EQ(round2(1e300), 1e300);
    EXPECT_TRUE(std::isinf(round2(std::numeric_limits<double>::infinity())));
}

TEST(Round2, AgreesWithCorrectlyRoundedDecimalConversionAcrossMagnitudes) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 17);
    for (int i = 0; i < 300000; ++i) {
        const double v = std::ldexp(mantissa(rng), exponent(rng) * 3);
        const double expected = std::strtod(printfText("%.2f", v).c_str(), nullptr);
        ASSERT_EQ(round2(v), expected) << printfText("%.17g", v);
        const float f = static_cast<float>(v);
        const float expectedSingle = std::strtof(printfText("%.2f", f).c_str(), nullptr);
        ASSERT_EQ(round2(f), expectedSingle) << printfText("%.9g", f);
    }
    // Exact ties of hundredths, where only the even neighbour is right.
    for (int n = -100000; n <= 100000; n += 2) {
        const double tie = (n + 0.5) / 100.0;  // exact only where the binary value is a tie
        const double expected = std::strtod(printfText("%.2f", tie).c_str(), nullptr);
        ASSERT_EQ(round2(tie), expected) << n;
    }
}

TEST(Display, WritesTheDocumentedForms) {
    EXPECT_EQ(display(0.0), " 0");
    EXPECT_EQ(display(-0.0), " 0");
    EXPECT_EQ(display(0.0f * -1.0f), " 0");
    EXPECT_EQ(display(12.5), " 12.5");
    EXPECT_EQ(display(-3.0), "-3");
    EXPECT_EQ(display(0.07), " .07");
    EXPECT_EQ(display(0.5), " .5");
    EXPECT_EQ(display(-0.25), "-.25");
    EXPECT_EQ(display(90.0), " 90");
    EXPECT_EQ(display(-150.25f), "-150.25");
    EXPECT_EQ(display(std::sqrt(2e6)), " 1414.2135623731");
    EXPECT_EQ(display(5304.4886652720825), " 5304.48866527208");
    EXPECT_EQ(display(1e-20), " .00000000000000000001");
    EXPECT_EQ(display(999999999999999.0), " 999999999999999");
}

TEST(Display, SingleAndDoubleSignificantDigits) {
    EXPECT_EQ(display(994409.25f), " 994409.2");  // exact tie at seven digits: to even
    EXPECT_EQ(display(994409.35f), " 994409.4");
    EXPECT_EQ(display(0.1f), " .1");
    EXPECT_EQ(display(static_cast<double>(0.1f)), " .100000001490116");
    EXPECT_EQ(display(3129.2f), " 3129.2");
    EXPECT_EQ(display(1234567.8f), " 1234568");
    EXPECT_EQ(display(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(display(1.0f / 3.0f), " .3333333");
    EXPECT_EQ(display(Number::single(2.5f)), " 2.5");
    EXPECT_EQ(display(Number::dbl(1.0 / 3.0)), " .333333333333333");
}

TEST(Display, NonFiniteValuesHaveAText) {
    // Only a handler that is about to be undone measures such values; they must not fault.
    EXPECT_EQ(display(std::numeric_limits<double>::infinity()), " Infinity");
    EXPECT_EQ(display(-std::numeric_limits<float>::infinity()), "-Infinity");
    EXPECT_EQ(display(std::numeric_limits<double>::quiet_NaN()), " NaN");
    EXPECT_EQ(plainText(std::numeric_limits<float>::quiet_NaN()), "NaN");
}

TEST(Display, ExponentFormFromTenToTheFifteenth) {
    EXPECT_EQ(display(1e15), " 1E+15");
    EXPECT_EQ(display(1.5e20), " 1.5E+20");
    EXPECT_EQ(display(-2.5e16), "-2.5E+16");
    EXPECT_EQ(display(1.7976931348623157e308), " 1.79769313486232E+308");
    EXPECT_EQ(display(9999999999999999.0), " 1E+16");
    EXPECT_EQ(display(3.4028235e38f), " 3.402823E+38");
    EXPECT_EQ(display(1e15f), " 1E+15");
}

TEST(Display, FastLayoutOfRoundedValuesMatchesTheGeneralConversion) {
    // Every 2-decimal single below ten thousand, and a wide sample of 2-decimal doubles.
    for (int n = -999999; n <= 999999; ++n) {
        const float v = round2(static_cast<float>(n) / 100.0f);
        ASSERT_EQ(canonical(display(v)), canonical(printfText("%.7g", v))) << n;
    }
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<long long> hundredths(-999999999999999LL, 999999999999999LL);
    for (int i = 0; i < 200000; ++i) {
        const long long n = hundredths(rng) >> (i % 40);
        const double v = round2(static_cast<double>(n) / 100.0);
        ASSERT_EQ(canonical(display(v)), canonical(printfText("%.15g", v))) << n;
    }
}

TEST(TrimmedAndPlainText, DropTheBlankAndRestoreTheLeadingZero) {
    EXPECT_EQ(trimmed(5.0), "5");
    EXPECT_EQ(trimmed(-2.0), "-2");
    EXPECT_EQ(trimmed(0.5), ".5");
    EXPECT_EQ(plainText(0.5f), "0.5");
    EXPECT_EQ(plainText(-0.25f), "-0.25");
    EXPECT_EQ(plainText(4200.0f), "4200");
    EXPECT_EQ(plainText(-4200.0f), "-4200");
    EXPECT_EQ(plainText(0.0f * -1.0f), "0");
    EXPECT_EQ(plainText(1e20f), "1E+20");
}

TEST(TrimmedAndPlainText, ASinglesPlainTextReadsBackAsItsSevenDigitDecimal) {
    EXPECT_EQ(plainDouble(0.1f), 0.1);
    EXPECT_EQ(plainDouble(-4200.0f), -4200.0);
    EXPECT_EQ(plainDouble(1.0f / 3.0f), 0.3333333);
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> any(-2e7f, 2e7f);
    for (int i = 0; i < 100000; ++i) {
        const float v = any(rng) / static_cast<float>(1 << (i % 24));
        ASSERT_EQ(plainDouble(v), std::strtod(printfText("%.7g", v).c_str(), nullptr)) << v;
    }
}

// A typed answer is one number as a whole, read with blanks ignored anywhere, or it is
// refused with a message that quotes it; an empty one is cancelled without a word.
TEST(TypedAnswer, IsOneNumberOrRefusedWithAMessage) {
    struct Case {
        std::string typed;
        std::optional<double> number;
        std::string message;  // shown when refused; none for an empty answer
    };
    const auto nan = [](const std::string& quoted) { return "\"" + quoted + "\" is not a number."; };
    const auto large = [](const std::string& quoted) { return "\"" + quoted + "\" is too large."; };
    std::string e40;  // forty characters of two bytes each
    for (int i = 0; i < 40; ++i) e40 += "\u00E9";
    const Case cases[] = {
        {" 1 2.5", 12.5, ""}, {"\t-\n4 2", -42.0, ""}, {"1 000", 1000.0, ""}, {"+.5e1", 5.0, ""},
        {" 7 ", 7.0, ""}, {"1.", 1.0, ""}, {".5", 0.5, ""}, {"-.25", -0.25, ""}, {"2E3", 2000.0, ""},
        {"1 e - 2", 0.01, ""}, {"0.1", 0.1, ""}, {"1e-400", 0.0, ""}, {"0.0000001e-999", 0.0, ""},
        {"00000000000000000000001e-400", 0.0, ""}, {"0e999999", 0.0, ""},
        {"17976931348623157" + std::string(292, '0'), 1.7976931348623157e308, ""},
        {"", std::nullopt, ""}, {" \t\n ", std::nullopt, ""},
        {"abc", std::nullopt, nan("abc")}, {"12.5.7", std::nullopt, nan("12.5.7")},
        {"5abc", std::nullopt, nan("5abc")}, {"--5", std::nullopt, nan("--5")}, {"e3", std::nullopt, nan("e3")},
        {".", std::nullopt, nan(".")}, {"2,5", std::nullopt, nan("2,5")}, {"-", std::nullopt, nan("-")},
        {"1e", std::nullopt, nan("1e")}, {"1e+", std::nullopt, nan("1e+")}, {"1.5r", std::nullopt, nan("1.5r")},
        {"nan", std::nullopt, nan("nan")}, {"inf", std::nullopt, nan("inf")}, {"0x10", std::nullopt, nan("0x10")},
        {"\r5", std::nullopt, nan("\r5")},  // a carriage return is not a blank
        {" \n1 2 x\t", std::nullopt, nan("1 2 x")},
        {"1e400", std::nullopt, large("1e400")}, {"-1e999", std::nullopt, large("-1e999")},
        {"1e99999999999999999999", std::nullopt, large("1e99999999999999999999")},
        {std::string(400, '9'), std::nullopt, large(std::string(40, '9') + "\u2026")},
        {e40 + "x", std::nullopt, nan(e40 + "\u2026")}, {" " + e40 + " ", std::nullopt, nan(e40)},
    };
    for (const Case& c : cases) {
        ScriptHost host;
        host.queueAnswer(c.typed);
        EXPECT_EQ(askNumber(host, "Degrees", "New value for angle A"), c.number) << c.typed;
        const std::vector<DialogRecord> shown = host.takeDialogs();
        ASSERT_EQ(shown.size(), c.message.empty() ? 1u : 2u) << c.typed;
        if (c.message.empty()) continue;
        EXPECT_EQ(shown[1].kind, DialogRecord::Kind::Message);
        EXPECT_EQ(shown[1].text, c.message);
        EXPECT_EQ(shown[1].title, "New value for angle A");
        EXPECT_EQ(shown[1].buttons, 48);
    }
}

// The magnitude is the correctly rounded root of the correctly rounded sum of the correctly
// rounded squares, whatever the optimisation level: a square computed by libm's pow instead
// of a product comes out one unit in the last place off for this line.
TEST(Magnitude, IsTheSameInEveryBuildForEachVectorAndDirection) {
    const Line forward{6863.75f, 773.25f, 978.8462524414062f, -1029.5799560546875f};
    const Line backward{forward.x2, forward.y2, forward.x1, forward.y1};
    for (const Line& line : {forward, backward}) {
        FormState s;
        for (Vec v : kVectors) s.line(v) = line;
        refreshQuantities(s);
        for (Vec v : kVectors)
            EXPECT_EQ(s.vars.magnitude[v], Number::dbl(6154.858891028885)) << letter(v);
    }
}

// Decimals as the display format writes them, added exactly: never in binary floating point
// (0.1 + 0.2 is not 0.3 there), and in whatever digits a single or a double shows.
TEST(ShownSum, AddsTheShownDecimalsExactly) {
    const struct {
        Number first, second, sum;
        bool addsUp;
    } cases[] = {
        {Number::dbl(0.1), Number::dbl(0.2), Number::dbl(0.3), true},
        {Number::single(1.1f), Number::single(2.2f), Number::single(3.3f), true},
        {Number::dbl(2.72), Number::dbl(6.88), Number::dbl(9.59), false},
        {Number::dbl(-1.25), Number::dbl(3.5), Number::dbl(2.25), true},
        {Number::single(-0.0f), Number::dbl(0), Number::single(0), true},
        // " 123456.8" each, seven digits of a single: shown, .01 more is no longer the sum.
        {Number::single(123456.78f), Number::single(0.01f), Number::single(123456.79f), false},
        {Number::single(123456.7f), Number::single(0.1f), Number::single(123456.8f), true},
        {Number::dbl(1e20), Number::dbl(5e19), Number::dbl(1.5e20), true},   // " 1E+20" + " 5E+19"
        {Number::dbl(1e300), Number::dbl(0.01), Number::dbl(1e300), false},
        {Number::dbl(INFINITY), Number::dbl(0), Number::dbl(INFINITY), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(addsUpAsShown(c.first, c.second, c.sum), c.addsUp)
            << display(c.first) << " +" << display(c.second) << " =" << display(c.sum);
}
