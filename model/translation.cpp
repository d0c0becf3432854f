// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/translation.h"

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#include "model/numbers.h"

// glibc's count of catalogue changes: raised, it makes gettext look the language up again.
extern "C" int _nl_msg_cat_cntr;

namespace fendrel {

namespace {

constexpr const char* kDomain = "fendrel";

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

struct Catalogue {
    std::string code;  // empty for English
    int generation = 0;  // raised with every change of language
    std::string separator = ".";
    // Each text as translated, looked up once; the catalogue's lookups are slow for the refresh.
    std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> texts;
};

// Nothing translates before main() starts: no static object's constructor reads a text.
Catalogue theCatalogue;
Catalogue& catalogue() { return theCatalogue; }

// The text without the context C_() put in front of it.
std::string_view original(std::string_view text) {
    const std::size_t context = text.find('\004');
    return context == std::string_view::npos ? text : text.substr(context + 1);
}

// The language of a locale name, "de_DE" of "de_DE.UTF-8@euro": letters, digits and '_'
// before its codeset and modifier. Empty for a name of any other shape ("../x", "\xff").
std::string languageOf(std::string_view code) {
    const std::string_view language = code.substr(0, code.find_first_of(".@"));
    const auto isNamePart = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    };
    return std::all_of(language.begin(), language.end(), isNamePart) ? std::string(language) : std::string();
}

bool isEnglish(const std::string& language) {
    return language == "C" || language == "POSIX" || language == "en" || language.starts_with("en_");
}

// The catalogue's own name for CODE: "pt_BR" as it is, "de_AT" as "de"; empty if none.
std::string catalogueFor(const std::string& code, const std::string& localeDir) {
    if (code.empty()) return {};
    for (const std::string& name : {code, code.substr(0, code.find('_'))}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(localeDir + "/" + name + "/LC_MESSAGES/" + kDomain + ".mo", error))
            return name;
    }
    return {};
}

void useEnglish() {
    Catalogue& c = catalogue();
    ++c.generation;
    c.code.clear();
    c.separator = std::string(".");  // as a whole: GCC 12 warns wrongly of assigning the literal
    c.texts.clear();
}

}  // namespace

std::string_view _(std::string_view text) {
    Catalogue& c = catalogue();
    if (c.code.empty()) return original(text);
    auto found = c.texts.find(text);
    if (found == c.texts.end()) {
        std::string key(text);
        const char* translated = dgettext(kDomain, key.c_str());
        std::string value = translated == key.c_str() ? std::string(original(text)) : std::string(translated);
        found = c.texts.emplace(std::move(key), std::move(value)).first;
    }
    return found->second;
}

namespace {

// Calls `text` with each run of the pattern that stands as it is, and `placeholder` with the
// name of each {name} (a view into the pattern, between its braces).
template <class Text, class Placeholder>
void walk(std::string_view pattern, Text text, Placeholder placeholder) {
    while (!pattern.empty()) {
        const std::size_t open = pattern.find('{');
        const std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        if (open > 0) text(pattern.substr(0, open));
        placeholder(pattern.substr(open + 1, close - open - 1));
        pattern.remove_prefix(close + 1);
    }
    if (!pattern.empty()) text(pattern);
}

// "{name}" as it stands in the pattern, around the name.
std::string_view braced(std::string_view name) { return {name.data() - 1, name.size() + 2}; }

}  // namespace

std::string fill(std::string_view pattern, std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    std::string out;  // most captions fit in the string itself, with no allocation
    walk(pattern, [&](std::string_view text) { out.append(text); },
         [&](std::string_view name) {
             for (const auto& [placeholder, value] : values)
                 if (placeholder == name) {
                     out.append(value);
                     return;
                 }
             out.append(braced(name));
         });
    return out;
}

Pattern::Pattern(const char* text, std::initializer_list<std::string_view> names) : text_(text), names_(names) {}

void Pattern::split() const {
    pieces_.clear();
    walk(_(text_), [this](std::string_view text) { pieces_.push_back({text, -1}); },
         [this](std::string_view name) {
             const auto known = std::find(names_.begin(), names_.end(), name);
             if (known == names_.end())
                 pieces_.push_back({braced(name), -1});
             else
                 pieces_.push_back({{}, static_cast<int>(known - names_.begin())});
         });
    language_ = catalogue().generation;
}

std::string Pattern::operator()(std::initializer_list<std::string_view> values) const {
    if (language_ != catalogue().generation) split();
    // Sized once and copied into: this runs for every caption of every refresh.
    const auto valueOf = [&values](const Piece& piece) {
        return piece.value >= 0 ? values.begin()[piece.value] : std::string_view();
    };
    std::size_t size = 0;
    for (const Piece& piece : pieces_) size += piece.text.size() + valueOf(piece).size();
    std::string out(size, '\0');
    char* at = out.data();
    for (const Piece& piece : pieces_) {
        at = std::copy(piece.text.begin(), piece.text.end(), at);
        const std::string_view value = valueOf(piece);
        at = std::copy(value.begin(), value.end(), at);
    }
    return out;
}

std::string withDecimalSeparator(std::string number) {
    const Catalogue& c = catalogue();
    if (c.code.empty()) return number;
    const std::string& separator = c.separator;
    std::string out;
    out.reserve(number.size() + separator.size());
    for (char c : number) {
        if (c == '.')
            out.append(separator);
        else
            out.push_back(c);
    }
    return out;
}

std::string shownNumber(double v) { return withDecimalSeparator(display(v)); }
std::string shownNumber(float v) { return withDecimalSeparator(display(v)); }
std::string shownNumber(Number v) { return withDecimalSeparator(display(v)); }

char typedDecimalSeparator() {
    const std::string& separator = catalogue().separator;
    return separator.size() == 1 && separator != "." ? separator.front() : '\0';
}

bool useLanguage(std::string_view code, const std::string& localeDir) {
    const std::string wanted = languageOf(code);
    if (code.empty() || isEnglish(wanted)) {
        useEnglish();
        return true;
    }
    const std::string name = catalogueFor(wanted, localeDir);
    if (name.empty()) return false;
    // gettext takes LANGUAGE before the locale, but not while the messages' locale is "C".
    ::setenv("LANGUAGE", name.c_str(), 1);
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    bindtextdomain(kDomain, localeDir.c_str());
    bind_textdomain_codeset(kDomain, "UTF-8");
    ++_nl_msg_cat_cntr;
    useEnglish();
    Catalogue& c = catalogue();
    c.code = name;
    c.separator = std::string(_(C_("decimal separator", ".")));
    return true;
}

std::string desktopLanguage(const std::string& localeDir) {
    if (const char* list = std::getenv("LANGUAGE"); list && *list) {
        for (std::string_view entries(list);;) {
            const std::size_t colon = entries.find(':');
            const std::string entry = languageOf(entries.substr(0, colon));
            if (isEnglish(entry)) return {};
            if (!catalogueFor(entry, localeDir).empty()) return entry;
            if (colon == std::string_view::npos) break;
            entries.remove_prefix(colon + 1);
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value) {
            const std::string code = languageOf(value);
            return isEnglish(code) || catalogueFor(code, localeDir).empty() ? std::string() : code;
        }
    return {};
}

const std::string& languageInUse() { return catalogue().code; }

}  // namespace fendrel
