// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/number.h"

// Numbers as a person sees and types them in the language in use.
namespace fendrel {

// A number as the display format wrote it ("-.25", " 4200.5"), with the decimal separator
// of the language in use, and a zero before it below one where the language writes one
// (" 4200,5" and "-0,25" in German).
std::string withDecimalSeparator(std::string number);

// A number in the display format, with the decimal separator of the language in use.
std::string shownNumber(double v);
std::string shownNumber(float v);
std::string shownNumber(Number v);

// The other character a typed number may take as its decimal separator: ',' in a language
// that writes one, otherwise none ('\0').
char typedDecimalSeparator();

}  // namespace fendrel
