// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fendrel::fuzz {

// A broken invariant ends the run at once, so the fuzzer keeps the input that broke it.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The same for a session: `problem` is what broke ("" when nothing did), `script` the
// fendrel-script scenario that replays it.
inline void requireSession(const std::string& problem, const std::string& script) {
    if (problem.empty()) return;
    std::fprintf(stderr, "invariant broken: %s\nscenario:\n%sdump\n", problem.c_str(), script.c_str());
    std::abort();
}

}  // namespace fendrel::fuzz
