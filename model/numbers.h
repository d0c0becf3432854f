// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/number.h"

// The number rules every caption, prompt and reply goes through.
namespace fendrel {

// 2-decimal rounding of the exact stored value; exact ties go to the even neighbour.
// A single stays a single (the nearest float to the rounded decimal), a double a double.
double round2(double v);
float round2(float v);
Number round2(Number v);

// Display format: one leading blank unless negative, "." separator, no zero before the
// separator below 1, no trailing zeros, 15 (double) or 7 (single) significant digits,
// exponent form ("1.5E+20") from 10^15 up.
std::string display(double v);
std::string display(float v);
std::string display(Number v);

// A shown number without the blank the display format puts before a non-negative one.
std::string withoutLeadingBlank(std::string number);

// The display format without its leading blank.
std::string trimmed(double v);

// Plain text: no leading blank and a zero before the separator below 1 ("0.5").
std::string plainText(float v);

// What the plain text of a single reads back as: the double nearest its 7-digit decimal.
double plainDouble(float v);

// Typed text read as one number: blanks, tabs and line feeds are skipped wherever they
// stand. The rest is an optional sign, digits with at most one decimal separator (at least
// one digit), and an optional exponent ('e' or 'E', an optional sign, at least one digit);
// anything else is no number. The decimal separator is ".", and also `otherSeparator` where
// a language writes one (',' in German: "2500,5" and "2500.5" both read as 2500.5). A number
// too small to hold reads as 0.
struct Reading {
    enum class Kind { Number, Empty, NotANumber, TooLarge };
    Kind kind = Kind::Empty;
    double value = 0;  // the number read, when it is one

    friend bool operator==(const Reading&, const Reading&) = default;
};
Reading readNumber(std::string_view text, char otherSeparator = '\0');

// The text without the blanks, tabs and line feeds around it.
std::string_view withoutOuterBlanks(std::string_view text);

}  // namespace fendrel
