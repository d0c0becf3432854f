// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes decoded into a session of events, checked as fuzz_scenario checks them; at the end
// every step that can be undone is undone, which must give back the window where the
// history began (after the load, File › New or an opening), and then redone, which must give
// back the window as the session left it. Undo and Redo must never show a dialog or draw a
// random number. On a broken property the session is printed as a fendrel-script scenario
// before the abort.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "tests/support/byte_reader.h"
#include "tests/support/session.h"

namespace {

constexpr int kMaxEvents = 256;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fendrel::testing::ByteReader bytes(data, size);
    fendrel::testing::Session session(bytes);
    std::string problem = session.play(kMaxEvents);
    if (problem.empty()) problem = session.undoAndRedoAll();
    fendrel::fuzz::requireSession(problem, session.script());
    return 0;
}
