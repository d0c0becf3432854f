// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/json_dump.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>

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

// Writes the shown fields into nested objects as the walk groups them.
class Printer {
public:
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
    Object& object() { return object_; }

private:
    Object object_;
};

// The window's own fields, to which the dump adds the dialogs, the history and the file.
Object windowFields(const FormState& s) {
    Printer printer;
    walkShownFields(printer, s);
    return std::move(printer.object());
}

}  // namespace

std::string stateJson(const FormState& s) { return windowFields(s).str(); }

std::string dumpJson(const Form& form, const std::vector<DialogRecord>& dialogs) {
    std::string list = "[";
    for (const DialogRecord& d : dialogs) {
        if (list.size() > 1) list += ',';
        list += dialog(d);
    }
    list += "]";
    const History& history = form.history();
    return windowFields(form.state())
        .field("dialogs", list)
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
