// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a script for the driver. It ends with status 0, 2 (a bad script) or 3 (a
// prompt without an answer), never throws, crashes or hangs, and says what went wrong in one
// line that begins "line N: ", holds no control byte and quotes a word only clipped.
// Scripts that name a file (save, open) are left out, so that the fuzzer never writes or
// reads a file at a path it made up; fuzz_lesson has the lesson files.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz/require.h"
#include "tools/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fendrel::fuzz::require;
    const std::string script(reinterpret_cast<const char*>(data), size);
    if (script.find("save") != std::string::npos || script.find("open") != std::string::npos) return -1;
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = fendrel::runScript(in, out, err);
    const std::string message = err.str();
    require(status == 0 || status == 2 || status == 3, "the driver ends with 0, 2 or 3");
    require((status == 0) == message.empty(), "an error, and only an error, is reported");
    if (status == 0) return 0;
    const std::size_t colon = message.find(": ");
    require(message.starts_with("line ") && colon > 5 &&
                message.find_first_not_of("0123456789", 5) == colon,
            "an error begins \"line N: \"");
    require(message.find('\n') == message.size() - 1, "an error is one line");
    require(std::none_of(message.begin(), message.end() - 1, [](unsigned char c) { return c < 0x20 || c == 0x7f; }),
            "an error holds no control byte");
    require(message.size() < 512, "an error quotes no more than a clipped word");
    return 0;
}
