// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz/byte_reader.h"
#include "tests/support/events.h"

namespace fendrel::fuzz {

using testing::Event;

// Input layout, one event after another, each starting with a selector byte s:
//   s % 8 in 0..2  move: button byte b (b % 4, or a raw 32-bit button when b >= 0xF0),
//                  then x and y, each a form byte f and its payload:
//                    f % 4 = 0  16-bit whole window units
//                    f % 4 = 1  raw float bits (a non-finite pattern becomes the largest float)
//                    f % 4 = 2  16-bit value times a power of two from 2^-64 to 2^63
//                    f % 4 = 3  16-bit value in 256ths
//   s % 8 = 3      label click: byte % 3 picks LabelA, LabelB, LabelR
//   s % 8 = 4      menu click: byte picks one of the elements a click can reach
//   s % 8 = 5      reply: byte r; r < 0xC0 picks a stock reply, otherwise the next
//                  r - 0xC0 bytes are the text
//   s % 8 = 6      cancel
//   s % 8 = 7      random number: 16 bits, in 65536ths
// Bytes that run out read as zeros.
Event decodeEvent(ByteReader& bytes);

// The random number the load handler draws, as the first two bytes give it.
float decodeRandom(ByteReader& bytes);

}  // namespace fendrel::fuzz
