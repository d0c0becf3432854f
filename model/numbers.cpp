// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace fendrel {

namespace {

// Decimal digits of v rounded to `significant` digits, correctly rounded from the exact
// binary value with exact ties to even, and the decimal exponent of the first digit.
struct Digits {
    bool negative = false;
    std::string digits;  // no trailing zeros; empty for zero
    int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent + 1)
};

Digits decimalDigits(double v, int significant) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significant - 1);
    std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    Digits d;
    if (!text.empty() && text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.digits.push_back(c);
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), d.exponent);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string layout(const Digits& d) {
    std::string out = d.negative ? "-" : " ";
    if (d.digits.empty()) return " 0";
    if (d.exponent >= 15) {
        out += d.digits.front();
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        out += d.exponent < 0 ? "E-" : "E+";
        const int e = std::abs(d.exponent);
        if (e < 10) out += '0';
        out += std::to_string(e);
        return out;
    }
    if (d.exponent < 0) {
        out += '.';
        out.append(static_cast<size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    const size_t whole = static_cast<size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) {
        out += d.digits;
        out.append(whole - d.digits.size(), '0');
    } else {
        out.append(d.digits, 0, whole);
        out += '.';
        out.append(d.digits, whole);
    }
    return out;
}

// The value of a 2-decimal rounded number n / 100 laid out without going through a
// general decimal conversion.
std::string layoutHundredths(std::int64_t n) {
    char buf[32];
    char* end = buf + sizeof buf;
    char* p = end;
    std::uint64_t a = n < 0 ? static_cast<std::uint64_t>(-n) : static_cast<std::uint64_t>(n);
    const unsigned frac = static_cast<unsigned>(a % 100);
    a /= 100;
    if (frac != 0) {
        if (frac % 10 != 0) *--p = static_cast<char>('0' + frac % 10);
        *--p = static_cast<char>('0' + frac / 10);
        *--p = '.';
    }
    if (a != 0 || frac == 0) {
        do {
            *--p = static_cast<char>('0' + a % 10);
            a /= 10;
        } while (a != 0);
    }
    *--p = n < 0 ? '-' : ' ';
    return std::string(p, end);
}

// Exact hundredfold of a double, as an integer nearest to it (ties to even).
// |v| < 2^46 keeps both the product (in the 64-bit long double) and the integer exact.
constexpr double kExactHundredths = 0x1p46;

long double nearestHundredths(double v) {
    return std::rintl(static_cast<long double>(v) * 100.0L);
}

float withBits(std::uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// The float nearest to n / 100 (n whole, |n| < 2^31), ties to the even neighbour. n / 100
// in double is only a first guess: rounding twice can miss by one step, so the guess and
// its two neighbours are compared exactly (each float times 100 is exact in double).
float nearestFloatToHundredths(double n) {
    const float guess = static_cast<float>(n / 100.0);
    if (guess == 0) return guess;
    std::uint32_t bits;
    std::memcpy(&bits, &guess, sizeof bits);
    float best = guess;
    double bestError = std::fabs(static_cast<double>(guess) * 100.0 - n);
    for (std::uint32_t neighbour : {bits - 1, bits + 1}) {  // one step smaller and larger in magnitude
        const float c = withBits(neighbour);
        const double error = std::fabs(static_cast<double>(c) * 100.0 - n);
        if (error < bestError || (error == bestError && (neighbour & 1u) == 0)) {
            best = c;
            bestError = error;
        }
    }
    return best;
}

}  // namespace

double round2(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= 0x1p53) return v;  // already whole
    if (std::fabs(v) < kExactHundredths)
        return static_cast<double>(nearestHundredths(v)) / 100.0;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    double out = v;
    std::from_chars(buf, res.ptr, out);
    return out;
}

float round2(float v) {
    if (!std::isfinite(v) || std::fabs(v) >= 0x1p24f) return v;  // already whole
    const double n = std::rint(static_cast<double>(v) * 100.0);  // exact product
    return nearestFloatToHundredths(n);
}

Number round2(Number v) {
    if (v.kind == Number::Kind::Single) return Number::single(round2(static_cast<float>(v.value)));
    return Number::dbl(round2(v.value));
}

std::string display(double v) {
    // Never shown: a handler whose writes leave the finite range is undone as a whole, but
    // its refresh may already have formatted what it measured.
    if (!std::isfinite(v)) return std::isnan(v) ? " NaN" : v > 0 ? " Infinity" : "-Infinity";
    if (std::fabs(v) < 1e13) {
        const long double n = nearestHundredths(v);
        if (static_cast<double>(n) / 100.0 == v) return layoutHundredths(static_cast<std::int64_t>(n));
    }
    return layout(decimalDigits(v, 15));
}

std::string display(float v) {
    if (!std::isfinite(v)) return display(static_cast<double>(v));
    // Below a million hundredths a 2-decimal value has at most six digits, which a float
    // always writes back unchanged.
    if (std::fabs(v) < 10000.0f) {
        const double n = std::rint(static_cast<double>(v) * 100.0);
        if (nearestFloatToHundredths(n) == v) return layoutHundredths(static_cast<std::int64_t>(n));
    }
    return layout(decimalDigits(static_cast<double>(v), 7));
}

std::string display(Number v) {
    if (v.kind == Number::Kind::Single) return display(static_cast<float>(v.value));
    return display(v.value);
}

std::string withoutLeadingBlank(std::string number) {
    if (!number.empty() && number.front() == ' ') number.erase(0, 1);
    return number;
}

std::string trimmed(double v) { return withoutLeadingBlank(display(v)); }

std::string plainText(float v) {
    std::string text = withoutLeadingBlank(display(v));
    const size_t dot = text.front() == '-' ? 1 : 0;
    if (text.size() > dot && text[dot] == '.') text.insert(dot, 1, '0');
    return text;
}

double plainDouble(float v) {
    // A whole number of up to seven digits is written, and so read back, exactly.
    if (v == std::trunc(v) && std::fabs(v) < 1e7f) return v;
    return readNumber(plainText(v)).value;
}

namespace {

constexpr std::string_view kBlanks = " \t\n";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view withoutOuterBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

Reading readNumber(std::string_view typed, char otherSeparator) {
    std::string text;
    for (char c : typed)
        if (kBlanks.find(c) == std::string_view::npos) text.push_back(c);
    if (text.empty()) return {Reading::Kind::Empty};
    size_t i = 0;
    const auto at = [&] { return i < text.size() ? text[i] : '\0'; };

    bool negative = false;
    if (at() == '+' || at() == '-') negative = text[i++] == '-';
    std::string mantissa;
    bool dot = false;
    bool anyDigit = false;
    int leadingZeros = 0;   // zeros after the point before the first significant digit
    int wholeDigits = 0;    // significant digits before the point
    bool significant = false;
    for (char c = at(); ; c = at()) {
        if (isDigit(c)) {
            anyDigit = true;
            if (c != '0') significant = true;
            if (!dot && significant) ++wholeDigits;
            if (dot && !significant) ++leadingZeros;
        } else if ((c == '.' || (c == otherSeparator && c != '\0')) && !dot) {
            dot = true;
            c = '.';
        } else {
            break;
        }
        mantissa.push_back(c);
        ++i;
    }
    if (!anyDigit) return {Reading::Kind::NotANumber};

    long long exponent = 0;
    if (at() == 'e' || at() == 'E') {
        ++i;
        bool expNegative = false;
        if (at() == '+' || at() == '-') expNegative = text[i++] == '-';
        if (!isDigit(at())) return {Reading::Kind::NotANumber};
        for (; isDigit(at()); ++i)
            if (exponent < 1000000) exponent = exponent * 10 + (text[i] - '0');
        if (expNegative) exponent = -exponent;
    }
    if (i != text.size()) return {Reading::Kind::NotANumber};

    const std::string number = mantissa + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        const long long magnitude = significant ? (wholeDigits > 0 ? wholeDigits : -leadingZeros) + exponent : 0;
        if (magnitude > 0) return {Reading::Kind::TooLarge};
        value = 0.0;
    }
    return {Reading::Kind::Number, negative ? -value : value};
}

}  // namespace fendrel
