// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes decoded into a session of events on the window over the scripted host (the layout
// is in tests/support/event_decoder.h); the state is checked after the load and after every
// event. On a broken invariant the session is printed as a fendrel-script scenario before
// the abort, so it can be replayed by hand; with FENDREL_FUZZ_TRACE set in the environment
// every event is printed as it is decoded (for inputs that end in a sanitizer report instead).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/require.h"
#include "tests/support/byte_reader.h"
#include "tests/support/session.h"

namespace {

constexpr int kMaxEvents = 256;

std::FILE* const trace = std::getenv("FENDREL_FUZZ_TRACE") != nullptr ? stderr : nullptr;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fendrel::testing::ByteReader bytes(data, size);
    fendrel::testing::Session session(bytes, trace);
    fendrel::fuzz::requireSession(session.play(kMaxEvents), session.script());
    return 0;
}
