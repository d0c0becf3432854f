// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script_runner.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/element_table.h"
#include "app/form.h"
#include "interaction/key_names.h"
#include "tools/json_dump.h"
#include "tools/script_host.h"

namespace fendrel {

namespace {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The dumps could not be written.
struct OutputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What the system said went wrong with the last stream operation, after ": ", if anything.
std::string systemReason() { return errno ? ": " + std::generic_category().message(errno) : std::string(); }

// A word of the script as a message shows it: quoted, with control bytes as \xNN (so a NUL
// cannot cut the message short), and clipped to about 80 bytes, with the word's length, so
// that a word a megabyte long does not bury the message.
std::string quoted(std::string_view word) {
    constexpr std::size_t kShown = 80;
    std::size_t end = std::min(word.size(), kShown);
    // Not in the middle of a character of several bytes.
    const auto continues = [word](std::size_t i) { return (static_cast<unsigned char>(word[i]) & 0xc0) == 0x80; };
    while (end > kShown - 4 && end < word.size() && continues(end)) --end;
    std::string shown = "\"";
    for (const char c : word.substr(0, end)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        shown += escaped;
    }
    shown += '"';
    if (end < word.size()) shown += "... (" + std::to_string(word.size()) + " bytes)";
    return shown;
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const size_t blank = line.find(' ');
        out.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos) break;
        line.remove_prefix(blank + 1);
    }
    for (auto w : out)
        if (w.empty()) throw ScriptError("words must be separated by single blanks");
    return out;
}

// What follows "COMMAND " to the end of the line, kept exactly; empty for the command alone.
// Nothing when the line is another command.
std::optional<std::string_view> restOfLine(std::string_view line, std::string_view cmd) {
    if (!line.starts_with(cmd)) return std::nullopt;
    line.remove_prefix(cmd.size());
    if (line.empty()) return line;
    if (line.front() != ' ') return std::nullopt;
    return line.substr(1);
}

template <class T>
T parse(std::string_view word, const char* what) {
    T value{};
    const auto res = std::from_chars(word.data(), word.data() + word.size(), value);
    bool ok = res.ec == std::errc() && res.ptr == word.data() + word.size();
    if constexpr (std::is_floating_point_v<T>) ok = ok && std::isfinite(value);
    if (!ok) throw ScriptError(std::string("bad ") + what + " " + quoted(word));
    return value;
}

void expectWords(const std::vector<std::string_view>& w, size_t n) {
    if (w.size() != n) throw ScriptError(quoted(w[0]) + " takes " + std::to_string(n - 1) + " argument(s)");
}

// The commands without arguments that are one event of the window each.
using PlainEvent = void (Form::*)();
PlainEvent plainEvent(std::string_view cmd) {
    static constexpr std::pair<std::string_view, PlainEvent> kEvents[] = {
        {"release", &Form::mouseRelease}, {"undo", &Form::undo}, {"redo", &Form::redo}};
    for (const auto& [name, event] : kEvents)
        if (name == cmd) return event;
    return nullptr;
}

class Session {
public:
    explicit Session(std::ostream& out) : out_(out) {}

    void run(std::string_view line) {
        if (const auto text = restOfLine(line, "reply")) {
            requireLoaded();
            host_.queueAnswer(std::string(*text));
            return;
        }
        if (const auto path = restOfLine(line, "save")) {
            const std::string file = pathIn(*path, "save");
            form_->save(file);
            return;
        }
        if (const auto path = restOfLine(line, "open")) {
            const std::string file = pathIn(*path, "open");
            form_->open(file);
            return;
        }
        const auto w = words(line);
        const std::string_view cmd = w[0];
        if (cmd == "random") {
            expectWords(w, 2);
            const double v = parse<double>(w[1], "random number");
            if (!(v >= 0 && v < 1)) throw ScriptError("random number must lie in [0, 1)");
            // A single-precision draw never reaches 1.
            host_.queueRandom(std::fmin(static_cast<float>(v), std::nextafter(1.0f, 0.0f)));
        } else if (cmd == "load") {
            expectWords(w, 1);
            if (form_) throw ScriptError("the window is already loaded");
            form_ = std::make_unique<Form>(host_);
            form_->load();
        } else if (cmd == "move") {
            expectWords(w, 4);
            requireLoaded();
            const int button = parse<int>(w[1], "button");
            form_->mouseMove(button, 0, parse<float>(w[2], "x"), parse<float>(w[3], "y"));
        } else if (cmd == "press") {
            expectWords(w, 4);
            requireLoaded();
            // Where and with which buttons only matters to the moves that follow.
            parse<int>(w[1], "button");
            parse<float>(w[2], "x");
            parse<float>(w[3], "y");
            form_->mousePress();
        } else if (const auto event = plainEvent(cmd)) {
            expectWords(w, 1);
            requireLoaded();
            ((*form_).*event)();
        } else if (cmd == "click") {
            expectWords(w, 2);
            requireLoaded();
            click(w[1]);
        } else if (cmd == "key") {
            expectWords(w, 2);
            requireLoaded();
            const auto key = keyByName(w[1]);
            if (!key) throw ScriptError("unknown key " + quoted(w[1]));
            form_->key(*key);
        } else if (cmd == "cancel") {
            expectWords(w, 1);
            requireLoaded();
            host_.queueAnswer(std::nullopt);
        } else if (cmd == "new") {
            expectWords(w, 1);
            requireLoaded();
            form_->newLesson();
        } else if (cmd == "dump") {
            expectWords(w, 1);
            requireLoaded();
            errno = 0;  // so that the reason given for a failed write is that write's own
            out_ << dumpJson(*form_, host_.takeDialogs()) << '\n' << std::flush;
            if (!out_) throw OutputError("the dump could not be written" + systemReason());
        } else {
            throw ScriptError("unknown command " + quoted(cmd));
        }
    }

private:
    void requireLoaded() const {
        if (!form_) throw ScriptError("the window is not loaded yet");
    }

    // The path a file command names, once the window is there to take it.
    std::string pathIn(std::string_view path, std::string_view cmd) const {
        requireLoaded();
        if (path.empty()) throw ScriptError(quoted(cmd) + " takes a path");
        return std::string(path);
    }

    void click(std::string_view name) {
        if (const auto label = labelByName(name)) {
            form_->clickLabel(*label);
            return;
        }
        const auto menu = menuByName(name);
        if (!menu) throw ScriptError("no element " + quoted(name));
        if (hasItems(*menu)) throw ScriptError(quoted(name) + " is a menu with items");
        form_->clickMenu(*menu);
    }

    std::ostream& out_;
    ScriptHost host_;
    std::unique_ptr<Form> form_;
};

// A script line of any length could take all the memory: a longer one is an error.
constexpr std::size_t kMaxLineBytes = 1024 * 1024;

// Reads the next line, without its line break, and stops reading it once it is longer than
// the longest line allowed. False at the end of the script, or when it cannot be read on.
bool readLine(std::istream& in, std::string& line) {
    line.clear();
    bool tookAny = false;
    std::array<char, 4096> chunk;
    while (line.size() <= kMaxLineBytes) {
        in.getline(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const bool ended = !in.fail() && !in.eof();  // at a line break, which is taken too
        const auto taken = static_cast<std::size_t>(in.gcount());
        tookAny = tookAny || taken > 0;
        line.append(chunk.data(), ended ? taken - 1 : taken);
        if (ended) return true;
        if (in.eof() || in.bad()) return tookAny && !in.bad();
        in.clear();  // the chunk is full and the line goes on
    }
    return true;
}

}  // namespace

int runScript(std::istream& in, std::ostream& out, std::ostream& err) {
    Session session(out);
    std::string line;
    for (long number = 1;; ++number) {
        const auto stop = [&err, number](std::string_view reason, int status) {
            err << "line " << number << ": " << reason << '\n';
            return status;
        };
        errno = 0;  // so that the reason given for a failed read is that read's own
        if (!readLine(in, line)) return in.bad() ? stop("the script could not be read" + systemReason(), 1) : 0;
        if (line.size() > kMaxLineBytes) return stop("the line is longer than 1 MiB", 2);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        try {
            session.run(std::string_view(line).substr(first));
        } catch (const NoQueuedAnswer& e) {
            return stop(e.what(), 3);
        } catch (const ScriptError& e) {
            return stop(e.what(), 2);
        } catch (const OutputError& e) {
            return stop(e.what(), 1);
        }
    }
}

}  // namespace fendrel
