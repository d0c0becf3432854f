// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/translation.h"

#include <libintl.h>

#include <algorithm>

#include "model/catalogue.h"

namespace fendrel {

// Nothing translates before main() starts: no static object's constructor reads a text.
namespace {
Catalogue theCatalogue;
}  // namespace
Catalogue& catalogue() { return theCatalogue; }

namespace {

// The text without the context C_() put in front of it.
std::string_view original(std::string_view text) {
    const std::size_t context = text.find('\004');
    return context == std::string_view::npos ? text : text.substr(context + 1);
}

}  // namespace

std::string_view _(std::string_view text) {
    Catalogue& c = catalogue();
    if (c.code.empty()) return original(text);
    auto found = c.texts.find(text);
    if (found == c.texts.end()) {
        std::string key(text);
        const char* translated = dgettext(kTextDomain, key.c_str());
        std::string value = translated == key.c_str() ? std::string(original(text)) : std::string(translated);
        found = c.texts.emplace(std::move(key), std::move(value)).first;
    }
    return found->second;
}

std::string _n(std::string_view singular, std::string_view plural, unsigned long n) {
    if (catalogue().code.empty()) return std::string(n == 1 ? singular : plural);
    const std::string one(singular), many(plural);
    return dngettext(kTextDomain, one.c_str(), many.c_str(), n);
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

const std::string& languageInUse() { return catalogue().code; }

}  // namespace fendrel
