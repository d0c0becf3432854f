// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <stdexcept>

namespace golden {

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    Json document() {
        Json value = parseValue();
        skipBlanks();
        if (pos_ != text_.size()) fail("trailing text");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& why) const {
        throw std::runtime_error("JSON: " + why + " at offset " + std::to_string(pos_));
    }

    void skipBlanks() {
        while (pos_ < text_.size() && std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
    }

    char peek() {
        skipBlanks();
        if (pos_ >= text_.size()) fail("unexpected end");
        return text_[pos_];
    }

    void expect(char c) {
        if (peek() != c) fail(std::string("expected '") + c + "'");
        ++pos_;
    }

    void expectWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) fail("bad literal");
        pos_ += word.size();
    }

    Json parseValue() {
        Json v;
        switch (peek()) {
        case '{': parseObject(v); break;
        case '[': parseArray(v); break;
        case '"': v.kind_ = Json::Kind::String; v.string_ = parseString(); break;
        case 't': expectWord("true"); v.kind_ = Json::Kind::Bool; v.bool_ = true; break;
        case 'f': expectWord("false"); v.kind_ = Json::Kind::Bool; break;
        case 'n': expectWord("null"); break;
        default: v.kind_ = Json::Kind::Number; v.number_ = parseNumber(); break;
        }
        return v;
    }

    void parseObject(Json& v) {
        v.kind_ = Json::Kind::Object;
        expect('{');
        if (peek() == '}') { ++pos_; return; }
        for (;;) {
            if (peek() != '"') fail("expected a key");
            std::string key = parseString();
            expect(':');
            v.members_.emplace_back(std::move(key), parseValue());
            if (peek() == ',') { ++pos_; continue; }
            expect('}');
            return;
        }
    }

    void parseArray(Json& v) {
        v.kind_ = Json::Kind::Array;
        expect('[');
        if (peek() == ']') { ++pos_; return; }
        for (;;) {
            v.items_.push_back(parseValue());
            if (peek() == ',') { ++pos_; continue; }
            expect(']');
            return;
        }
    }

    double parseNumber() {
        const char* first = text_.data() + pos_;
        const char* last = text_.data() + text_.size();
        double value = 0;
        const auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || end == first) fail("bad number");
        pos_ += static_cast<std::size_t>(end - first);
        return value;
    }

    unsigned hex4() {
        if (pos_ + 4 > text_.size()) fail("short \\u escape");
        unsigned code = 0;
        const auto [end, ec] = std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
        if (ec != std::errc() || end != text_.data() + pos_ + 4) fail("bad \\u escape");
        pos_ += 4;
        return code;
    }

    static void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string parseString() {
        expect('"');
        std::string out;
        for (;;) {
            if (pos_ >= text_.size()) fail("unterminated string");
            const char c = text_[pos_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) fail("raw control character in string");
            if (c != '\\') { out += c; continue; }
            if (pos_ >= text_.size()) fail("unterminated escape");
            const char e = text_[pos_++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                unsigned code = hex4();
                if (code >= 0xD800 && code < 0xDC00) {
                    expectWord("\\u");
                    const unsigned low = hex4();
                    if (low < 0xDC00 || low >= 0xE000) fail("lone surrogate");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                appendUtf8(out, code);
                break;
            }
            default: fail("unknown escape");
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

Json Json::parse(std::string_view text) { return JsonParser(text).document(); }

namespace {

[[noreturn]] void wrongKind(const char* wanted) {
    throw std::runtime_error(std::string("JSON value is not ") + wanted);
}

std::string describe(const Json& v) {
    std::ostringstream out;
    out.precision(17);
    switch (v.kind()) {
    case Json::Kind::Null: return "null";
    case Json::Kind::Bool: return v.boolean() ? "true" : "false";
    case Json::Kind::Number: out << v.number(); return out.str();
    case Json::Kind::String: return '"' + v.string() + '"';
    case Json::Kind::Array: return "an array of " + std::to_string(v.items().size());
    case Json::Kind::Object: return "an object";
    }
    return "?";
}

}  // namespace

bool Json::boolean() const {
    if (kind_ != Kind::Bool) wrongKind("a Boolean");
    return bool_;
}

double Json::number() const {
    if (kind_ != Kind::Number) wrongKind("a number");
    return number_;
}

const std::string& Json::string() const {
    if (kind_ != Kind::String) wrongKind("a string");
    return string_;
}

const std::vector<Json>& Json::items() const {
    if (kind_ != Kind::Array) wrongKind("an array");
    return items_;
}

const std::vector<Json::Member>& Json::members() const {
    if (kind_ != Kind::Object) wrongKind("an object");
    return members_;
}

bool Json::has(std::string_view key) const {
    const auto& m = members();
    return std::any_of(m.begin(), m.end(), [&](const Member& p) { return p.first == key; });
}

const Json& Json::operator[](std::string_view key) const {
    for (const auto& [name, value] : members())
        if (name == key) return value;
    throw std::runtime_error("JSON object has no member \"" + std::string(key) + '"');
}

const Json& Json::operator[](std::size_t index) const {
    const auto& a = items();
    if (index >= a.size()) throw std::runtime_error("JSON array index out of range");
    return a[index];
}

std::string firstDifference(const Json& expected, const Json& actual,
                            const std::vector<std::string>& ignoredKeys) {
    struct Walk {
        const std::vector<std::string>& ignored;
        bool skip(const std::string& key) const {
            return std::find(ignored.begin(), ignored.end(), key) != ignored.end();
        }
        std::string operator()(const Json& e, const Json& a, const std::string& path) const {
            const std::string mismatch = path + ": expected " + describe(e) + ", got " + describe(a);
            if (e.kind() != a.kind()) return mismatch;
            switch (e.kind()) {
            case Json::Kind::Null: return "";
            case Json::Kind::Bool: return e.boolean() == a.boolean() ? "" : mismatch;
            case Json::Kind::Number: return e.number() == a.number() ? "" : mismatch;
            case Json::Kind::String: return e.string() == a.string() ? "" : mismatch;
            case Json::Kind::Array:
                if (e.items().size() != a.items().size()) return mismatch;
                for (std::size_t i = 0; i < e.items().size(); ++i)
                    if (auto d = (*this)(e[i], a[i], path + '[' + std::to_string(i) + ']'); !d.empty())
                        return d;
                return "";
            case Json::Kind::Object:
                for (const auto& [key, value] : e.members()) {
                    if (skip(key)) continue;
                    if (!a.has(key)) return path + '/' + key + ": missing";
                    if (auto d = (*this)(value, a[key], path + '/' + key); !d.empty()) return d;
                }
                for (const auto& [key, value] : a.members())
                    if (!skip(key) && !e.has(key)) return path + '/' + key + ": unexpected member";
                return "";
            }
            return mismatch;
        }
    };
    return Walk{ignoredKeys}(expected, actual, "");
}

}  // namespace golden
