// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "tests/support/byte_reader.h"
#include "tests/support/events.h"

namespace fendrel::testing {

// Input layout, one event after another, each starting with a selector byte s:
//   s % 16 in 0..4  move: button byte b (b % 4, or a raw 32-bit button when b >= 0xF0),
//                   then x and y, each a form byte f and its payload:
//                     f % 4 = 0  16-bit whole window units
//                     f % 4 = 1  raw float bits (a non-finite pattern becomes the largest float)
//                     f % 4 = 2  16-bit value times a power of two from 2^-64 to 2^63
//                     f % 4 = 3  16-bit value in 256ths
//   s % 16 = 5      press
//   s % 16 = 6      release
//   s % 16 = 7      label click: byte % 3 picks LabelA, LabelB, LabelR
//   s % 16 = 8      menu click: byte picks one of the elements a click can reach
//   s % 16 = 9      key: byte k; k % 5 picks Left, Right, Up, Down, Tab, k / 5 % 2 adds
//                   Shift, k / 10 % 2 Ctrl (to the arrows; there is no Ctrl+Tab)
//   s % 16 = 10     reply: byte r; r < 0xC0 picks a stock reply, otherwise the next
//                   r - 0xC0 bytes are the text
//   s % 16 = 11     cancel
//   s % 16 = 12     random number: 16 bits, in 65536ths
//   s % 16 = 13     undo
//   s % 16 = 14     redo
//   s % 16 = 15     file or task: byte % 6 picks New, Save and Open of `lessonFile`, Open of
//                   the task example the next byte picks (% 3, of `taskLessons`), Check and
//                   Reveal
// Bytes that run out read as zeros.
Event decodeEvent(ByteReader& bytes, const std::string& lessonFile, const std::array<std::string, 3>& taskLessons);

// The random number the load handler draws, as the first two bytes give it.
float decodeRandom(ByteReader& bytes);

}  // namespace fendrel::testing
