// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/json_dump.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "app/shown_fields.h"
#include "model/utf8.h"

namespace fendrel {

std::string jsonNumber(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

namespace {

// Quotes and backslashes escaped, line breaks and tabs by their short escapes, the other
// control characters as \u00XX; each byte that is no part of a UTF-8 character (a file name
// can hold any) as U+FFFD, so that the dump is UTF-8 throughout.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const std::size_t length = utf8Length(text);
        const char c = text.front();
        const char* shortEscape = c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : nullptr;
        if (length == 0) {
            out += "\uFFFD";
        } else if (length > 1) {
            out.append(text.substr(0, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (shortEscape) {
            out += shortEscape;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += c;
        }
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return out + "\"";
}

const char* boolean(bool b) { return b ? "true" : "false"; }

// A JSON object written member by member.
class Object {
public:
    Object& field(std::string_view key, const std::string& jsonValue) {
        text_ += text_.size() > 1 ? "," : "";
        text_ += quoted(key) + ":" + jsonValue;
        return *this;
    }
    std::string str() const { return text_ + "}"; }

private:
    std::string text_ = "{";
};

// Each shown field as the dump writes its value.
std::string json(float v) { return jsonNumber(v); }
std::string json(double v) { return jsonNumber(v); }
std::string json(int v) { return std::to_string(v); }
std::string json(bool v) { return boolean(v); }
std::string json(ShownColour<const Color> c) { return jsonNumber(c.value); }
std::string json(const Number& n) { return n.empty() ? "null" : jsonNumber(n.value); }
std::string json(const std::string& text) { return quoted(text); }
std::string json(Vec label) { return quoted(facts(label).labelName); }
// The selected vector as a number: 1 for A, 2 for B, 3 for R.
std::string json(std::optional<Vec> v) { return v ? std::to_string(static_cast<int>(*v) + 1) : "null"; }

std::string dialog(const DialogRecord& d) {
    if (d.kind == DialogRecord::Kind::Prompt)
        return Object().field("kind", quoted("prompt")).field("prompt", quoted(d.text))
            .field("title", quoted(d.title)).field("default", quoted(d.defaultText)).str();
    return Object().field("kind", quoted("message")).field("text", quoted(d.text))
        .field("buttons", std::to_string(d.buttons)).field("title", quoted(d.title)).str();
}

std::string list(const std::vector<std::string>& jsonValues) {
    std::string out = "[";
    for (const std::string& v : jsonValues) out += (out.size() > 1 ? "," : "") + v;
    return out + "]";
}

std::string letters(const PerVector<bool>& marked) {
    std::vector<std::string> out;
    for (Vec v : kVectors)
        if (marked[v]) out.push_back(quoted(letter(v)));
    return list(out);
}

// The lesson's task with how far the student has got with it.
std::string json(const std::optional<Task>& task, const TaskProgress& progress) {
    if (!task) return "null";
    std::vector<std::string> feedback;
    for (const std::string& line : progress.feedback) feedback.push_back(quoted(line));
    return Object()
        .field("kind", quoted(kTaskKindNames[static_cast<std::size_t>(task->kind)]))
        .field("text", quoted(task->text))
        .field("attempts", std::to_string(progress.attempts))
        .field("solved", boolean(progress.solved))
        .field("revealed", boolean(progress.revealed))
        .field("feedback", list(feedback))
        .field("hidden", letters(task->hidden))
        .field("movable", letters(task->movable))
        .str();
}

// Writes the shown fields into nested objects as the walk groups them.
class Printer {
public:
    explicit Printer(const TaskProgress& progress) : progress_(progress) {}

    template <class Inside>
    void group(std::string_view name, Inside inside) {
        Object outer = std::exchange(object_, Object());
        inside();
        object_ = std::move(outer.field(name, object_.str()));
    }
    template <class T>
    void field(std::string_view name, const T& value) {
        object_.field(name, json(value));
    }
    // The view's own texts are no part of the dump.
    void viewText(std::string_view, const std::string&) {}
    void field(std::string_view name, const std::optional<Task>& task) { object_.field(name, json(task, progress_)); }
    Object& object() { return object_; }

private:
    const TaskProgress& progress_;
    Object object_;
};

// The window's own fields, to which the dump adds the dialogs, the history and the file.
Object windowFields(const FormState& s, const TaskProgress& progress) {
    Printer printer(progress);
    walkShownFields(printer, s);
    return std::move(printer.object());
}

}  // namespace

std::string stateJson(const FormState& s) { return windowFields(s, TaskProgress{}).str(); }

std::string dumpJson(const Form& form, const std::vector<DialogRecord>& dialogs) {
    std::vector<std::string> shownDialogs;
    for (const DialogRecord& d : dialogs) shownDialogs.push_back(dialog(d));
    const History& history = form.history();
    return windowFields(form.shown(), form.taskProgress())
        .field("dialogs", list(shownDialogs))
        .field("history", Object()
                              .field("undo", std::to_string(history.undoCount()))
                              .field("redo", std::to_string(history.redoCount()))
                              .str())
        .field("file", Object()
                           .field("name", form.fileName() ? quoted(*form.fileName()) : "null")
                           .field("modified", boolean(form.modified()))
                           .str())
        .str();
}

}  // namespace fendrel
