// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes decoded into a session of events on the window over the scripted host; the state
// is checked after the load and after every event. On a broken invariant the session is
// printed as a fendrel-script scenario before the abort, so it can be replayed by hand;
// with FENDREL_FUZZ_TRACE set in the environment every event is printed as it is decoded
// (for inputs that end in a sanitizer report instead).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/form.h"
#include "fuzz/byte_reader.h"
#include "fuzz/scenario_checks.h"
#include "fuzz/scenario_event.h"
#include "tools/script_host.h"

namespace {

constexpr int kMaxEvents = 256;

const bool traceEvents = std::getenv("FENDREL_FUZZ_TRACE") != nullptr;

void failIf(const std::string& broken, const std::string& script) {
    if (broken.empty()) return;
    std::fprintf(stderr, "invariant broken: %s\nscenario:\n%sdump\n", broken.c_str(), script.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fendrel;
    fuzz::ByteReader bytes(data, size);
    ScriptHost host;
    const float background = fuzz::decodeRandom(bytes);
    host.queueRandom(background);
    fuzz::Event draw;
    draw.kind = fuzz::Event::Kind::Random;
    draw.random = background;
    std::string script = testing::scriptLine(draw) + "\nload\n";
    if (traceEvents) std::fprintf(stderr, "%s", script.c_str());

    Form form(host);
    form.load();
    fuzz::ScenarioChecker checker;
    failIf(checker.checkLoaded(form.state()), script);

    for (int n = 0; n < kMaxEvents && !bytes.empty(); ++n) {
        const fuzz::Event e = fuzz::decodeEvent(bytes);
        script += testing::scriptLine(e) + "\n";
        if (traceEvents) std::fprintf(stderr, "%s\n", testing::scriptLine(e).c_str());
        const FormState before = form.state();
        try {
            testing::deliver(e, form, host);
        } catch (const NoQueuedAnswer&) {
            break;  // the driver stops here too; the handler did not finish
        }
        host.takeDialogs();
        failIf(checker.checkEvent(e, before, form.state()), script);
    }
    return 0;
}
