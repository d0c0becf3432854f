// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes through the number rules: the reader on the bytes as typed text, then the
// display format, the plain text, the trimmed form and the 2-decimal rounding of what was
// read and of every float and double the raw bytes spell.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "model/numbers.h"
#include "tests/support/byte_reader.h"

namespace {

using fendrel::fuzz::require;

// The double nearest the 7-significant-digit decimal of f, by the C library's exact
// conversions (ties to even, as the display format rounds).
double nearestSevenDigitDouble(float f) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6e", static_cast<double>(f));
    return std::strtod(text, nullptr);
}

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') out.push_back(c);
    return out;
}

bool atMostTwoDecimals(const std::string& text) {
    if (text.find('E') != std::string::npos) return true;  // exponent form keeps its digits
    const size_t dot = text.find('.');
    return dot == std::string::npos || text.size() - dot - 1 <= 2;
}

bool signShown(const std::string& text, double v) {
    return (text.front() == '-') == (v < 0) && (text.front() == ' ' || text.front() == '-');
}

void checkDouble(double d) {
    const double r = fendrel::round2(d);
    if (!std::isfinite(d)) {
        require(std::isnan(d) ? std::isnan(r) : r == d, "2-decimal rounding leaves a non-finite double alone");
        return;
    }
    require(std::isfinite(r), "2-decimal rounding of a finite double is finite");
    require(std::fabs(r - d) <= 0.005 + std::fabs(d) * 0x1p-50, "2-decimal rounding moves a double by at most .005");
    require(fendrel::round2(r) == r, "2-decimal rounding of a double is idempotent");
    require(atMostTwoDecimals(fendrel::display(r)), "a 2-decimal rounded double shows at most two decimals");

    const std::string text = fendrel::display(d);
    require(signShown(text, d), "the display of a double starts with a blank, or '-' when negative");
    require(fendrel::trimmed(d) == text.substr(text.front() == ' ' ? 1 : 0),
            "the trimmed form is the display without its leading blank");
    if (std::fabs(d) < 1e15) {
        const fendrel::Reading back = fendrel::readNumber(text);
        require(back.kind == fendrel::Reading::Kind::Number && fendrel::display(back.value) == text,
                "a displayed double reads back to the same 15-digit text");
    }
}

void checkFloat(float f) {
    const float r = fendrel::round2(f);
    if (!std::isfinite(f)) {
        require(std::isnan(f) ? std::isnan(r) : r == f, "2-decimal rounding leaves a non-finite float alone");
        return;
    }
    require(std::isfinite(r), "2-decimal rounding of a finite float is finite");
    const double step = std::fabs(static_cast<double>(f)) * 0x1p-23;
    require(std::fabs(static_cast<double>(r) - f) <= 0.005 + step, "2-decimal rounding moves a float by at most .005");
    require(fendrel::round2(r) == r, "2-decimal rounding of a float is idempotent");
    require(atMostTwoDecimals(fendrel::display(r)), "a 2-decimal rounded float shows at most two decimals");

    const std::string text = fendrel::display(f);
    require(signShown(text, f), "the display of a float starts with a blank, or '-' when negative");
    const std::string plain = fendrel::plainText(f);
    require(plain.front() != ' ', "the plain text has no leading blank");
    require(plain.find('.') != 0 && plain.find("-.") != 0, "the plain text has a zero before the separator");
    const double expected = nearestSevenDigitDouble(f);
    require(fendrel::readNumber(plain) == fendrel::Reading{fendrel::Reading::Kind::Number, expected},
            "the plain text of a float reads back as its 7-digit decimal");
    require(fendrel::plainDouble(f) == expected, "plainDouble is the double nearest the 7-digit decimal");
}

// The C library's reading of a text made of digits, signs, points and exponent letters
// alone: whether it takes the whole text as one number, and what it reads.
struct LibraryReading {
    bool whole;
    double value;
};
LibraryReading libraryReading(const std::string& compact) {
    char* end = nullptr;
    const double value = std::strtod(compact.c_str(), &end);
    return {end == compact.c_str() + compact.size(), value};
}

void checkTypedText(std::string_view text) {
    using Kind = fendrel::Reading::Kind;
    const fendrel::Reading read = fendrel::readNumber(text);
    require(std::isfinite(read.value), "the reader gives a finite value");
    require(read.kind == Kind::Number || read.value == 0, "only a number has a value");
    const std::string compact = withoutBlanks(text);
    require(fendrel::readNumber(compact) == read, "blanks, tabs and line feeds are ignored wherever they stand");
    require((read.kind == Kind::Empty) == compact.empty(), "only a text of blanks is empty");
    if (!compact.empty() && compact.find_first_not_of("0123456789+-.eE") == std::string::npos) {
        const LibraryReading library = libraryReading(compact);
        require((read.kind == Kind::NotANumber) == !library.whole, "a text is one number as the C library reads one");
        if (read.kind == Kind::Number) require(read.value == library.value, "a number reads as the C library reads it");
        if (read.kind == Kind::TooLarge) require(std::isinf(library.value), "too large is beyond the doubles");
    }
    checkDouble(read.value);
    checkFloat(static_cast<float>(read.value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkTypedText(std::string_view(reinterpret_cast<const char*>(data), size));
    fendrel::testing::ByteReader bytes(data, size);
    while (!bytes.empty()) {
        const auto bits = bytes.raw<std::uint64_t>();
        checkDouble(std::bit_cast<double>(bits));
        checkFloat(std::bit_cast<float>(static_cast<std::uint32_t>(bits)));
        checkFloat(std::bit_cast<float>(static_cast<std::uint32_t>(bits >> 32)));
    }
    return 0;
}
