// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>


// The one catalogue every text a person sees goes through (GNU gettext, domain "fendrel").
// With no language chosen every text is its English original, byte for byte.
//
// Texts are marked where they are written, for xgettext (po/extract):
//   _("Info")                      translated where it stands
//   N_("Lock A")                   only marked: a table's text, translated where it is used
//   C_("magnitude item", "A")      marked with a context that tells like texts apart; the
//                                  context travels in the text, so _() translates it later
//   _n("{count} attempt", "{count} attempts", n)
//                                  the form for n things, by the language's plural rules
// A text with {name} placeholders is a pattern for fill(): the translation may reorder them.
#define N_(text) text
#define C_(context, text) context "\004" text

namespace fendrel {

// The text in the language in use.
std::string_view _(std::string_view text);

// The form of the text for `n` things in the language in use; English has `singular` for 1
// and `plural` otherwise.
std::string _n(std::string_view singular, std::string_view plural, unsigned long n);

// The pattern with each {name} replaced by its value; the other characters as they stand.
std::string fill(std::string_view pattern, std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// A pattern that is filled on every refresh: translated and split into its pieces once, and
// again only after the language changes. Its values are given in the order of its names.
class Pattern {
public:
    Pattern(const char* text, std::initializer_list<std::string_view> names);

    std::string operator()(std::initializer_list<std::string_view> values) const;

private:
    struct Piece {
        std::string_view text;  // written as it stands, then
        int value;              // the value of this index, or none (-1)
    };
    void split() const;

    const char* text_;
    std::vector<std::string_view> names_;
    mutable std::vector<Piece> pieces_;
    mutable int language_ = -1;  // the language the pieces are of
};

// The code of the language in use, empty for English.
const std::string& languageInUse();

}  // namespace fendrel
