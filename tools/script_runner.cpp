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

template <class T>
T parse(std::string_view word, const char* what) {
    T value{};
    const auto res = std::from_chars(word.data(), word.data() + word.size(), value);
    bool ok = res.ec == std::errc() && res.ptr == word.data() + word.size();
    if constexpr (std::is_floating_point_v<T>) ok = ok && std::isfinite(value);
    if (!ok) throw ScriptError(std::string("bad ") + what + " " + quoted(word));
    return value;
}

class Session;

// One command of the scripts: its name, what follows it (so many words, or the rest of the
// line kept exactly, or a path), whether it needs the window, and what it does.
struct ScriptCommand {
    enum class Takes { Words, RestOfLine, Path };

    std::string_view name;
    Takes takes;
    std::size_t words;  // the arguments, for Takes::Words
    bool needsWindow;
    void (Session::*run)(const std::vector<std::string_view>& arguments);
};

class Session {
public:
    explicit Session(std::ostream& out) : out_(out) {}

    void run(std::string_view line);

private:
    using Arguments = std::vector<std::string_view>;
    static const std::vector<ScriptCommand>& commands();

    void random(const Arguments& a) {
        const double v = parse<double>(a[0], "random number");
        if (!(v >= 0 && v < 1)) throw ScriptError("random number must lie in [0, 1)");
        // A single-precision draw never reaches 1.
        host_.queueRandom(std::fmin(static_cast<float>(v), std::nextafter(1.0f, 0.0f)));
    }
    void load(const Arguments&) {
        if (form_) throw ScriptError("the window is already loaded");
        form_ = std::make_unique<Form>(host_);
        form_->load();
    }
    void move(const Arguments& a) {
        const int button = parse<int>(a[0], "button");
        form_->mouseMove(button, 0, parse<float>(a[1], "x"), parse<float>(a[2], "y"));
    }
    void press(const Arguments& a) {
        // Where and with which buttons only matters to the moves that follow.
        parse<int>(a[0], "button");
        parse<float>(a[1], "x");
        parse<float>(a[2], "y");
        form_->mousePress();
    }
    void release(const Arguments&) { form_->mouseRelease(); }
    void click(const Arguments& a) {
        const std::string_view name = a[0];
        if (const auto label = labelByName(name)) {
            form_->clickLabel(*label);
            return;
        }
        const auto menu = menuByName(name);
        if (!menu) throw ScriptError("no element " + quoted(name));
        if (hasItems(*menu)) throw ScriptError(quoted(name) + " is a menu with items");
        form_->clickMenu(*menu);
    }
    void key(const Arguments& a) {
        const auto key = keyByName(a[0]);
        if (!key) throw ScriptError("unknown key " + quoted(a[0]));
        form_->key(*key);
    }
    void reply(const Arguments& a) { host_.queueAnswer(std::string(a[0])); }
    void cancel(const Arguments&) { host_.queueAnswer(std::nullopt); }
    void undo(const Arguments&) { form_->undo(); }
    void redo(const Arguments&) { form_->redo(); }
    void newLesson(const Arguments&) { form_->newLesson(); }
    void save(const Arguments& a) { form_->save(std::string(a[0])); }
    void open(const Arguments& a) { form_->open(std::string(a[0])); }
    void check(const Arguments&) { form_->check(); }
    void reveal(const Arguments&) { form_->reveal(); }
    void dump(const Arguments&) {
        errno = 0;  // so that the reason given for a failed write is that write's own
        out_ << dumpJson(*form_, host_.takeDialogs()) << '\n' << std::flush;
        if (!out_) throw OutputError("the dump could not be written" + systemReason());
    }

    std::ostream& out_;
    ScriptHost host_;
    std::unique_ptr<Form> form_;
};

const std::vector<ScriptCommand>& Session::commands() {
    using Takes = ScriptCommand::Takes;
    static const std::vector<ScriptCommand> table{
        {"random", Takes::Words, 1, false, &Session::random},
        {"load", Takes::Words, 0, false, &Session::load},
        {"move", Takes::Words, 3, true, &Session::move},
        {"press", Takes::Words, 3, true, &Session::press},
        {"release", Takes::Words, 0, true, &Session::release},
        {"click", Takes::Words, 1, true, &Session::click},
        {"key", Takes::Words, 1, true, &Session::key},
        {"reply", Takes::RestOfLine, 0, true, &Session::reply},
        {"cancel", Takes::Words, 0, true, &Session::cancel},
        {"undo", Takes::Words, 0, true, &Session::undo},
        {"redo", Takes::Words, 0, true, &Session::redo},
        {"new", Takes::Words, 0, true, &Session::newLesson},
        {"save", Takes::Path, 0, true, &Session::save},
        {"open", Takes::Path, 0, true, &Session::open},
        {"check", Takes::Words, 0, true, &Session::check},
        {"reveal", Takes::Words, 0, true, &Session::reveal},
        {"dump", Takes::Words, 0, true, &Session::dump},
    };
    return table;
}

void Session::run(std::string_view line) {
    const std::string_view name = line.substr(0, line.find(' '));
    const auto& table = commands();
    const auto command = std::find_if(table.begin(), table.end(), [&](const ScriptCommand& c) { return c.name == name; });
    if (command == table.end()) {
        words(line);  // blanks that are not single say so first
        throw ScriptError("unknown command " + quoted(name));
    }
    Arguments arguments;
    if (command->takes == ScriptCommand::Takes::Words) {
        arguments = words(line);
        arguments.erase(arguments.begin());
        if (arguments.size() != command->words)
            throw ScriptError(quoted(name) + " takes " + std::to_string(command->words) + " argument(s)");
    } else {
        arguments.push_back(line.size() > name.size() ? line.substr(name.size() + 1) : std::string_view());
    }
    if (command->needsWindow && !form_) throw ScriptError("the window is not loaded yet");
    if (command->takes == ScriptCommand::Takes::Path && arguments[0].empty())
        throw ScriptError(quoted(name) + " takes a path");
    (this->*command->run)(arguments);
}

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
