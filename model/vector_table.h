// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "model/elements.h"
#include "model/translation.h"

namespace fendrel {

// What a prompt for a new component shows: a pattern with the component now as {value},
// and its title.
struct ComponentPrompt {
    std::string_view pattern;
    std::string_view title;
};

// Everything that belongs to one vector: the names the driver and the widget tree know its
// parts by, the texts it shows, and its menu's elements as the element table lists them.
// English texts are marked for the catalogue and translated where they are shown.
struct VectorFacts {
    std::string_view letter;          // "A", as the captions write it
    std::string_view lineName;        // "LineA"
    std::string_view labelName;       // "LabelA"
    std::string_view labelCaption;    // what its label shows while it is no reference vector
    std::string_view title;           // of its magnitude's and constant's prompts; its name for assistive technology
    std::string_view angleTitle;      // of the prompt for its direction
    PerAxis<ComponentPrompt> componentPrompts;
    bool startsLocked;                // its menu disabled at start-up
    // Its menu's elements, by VectorItem: the names and the captions at start-up (the refresh
    // rewrites the title's and the components').
    std::array<std::string_view, kVectorItemCount> menuNames;
    std::array<std::string_view, kVectorItemCount> menuCaptions;
};

// TRANSLATORS: the prompt for a new component; {value} is the component now, with a blank
// before it unless negative. Rx's has no blank before the colon: translate both alike.
inline constexpr std::string_view kComponentPattern = N_("Current value :{value}");

inline constexpr PerVector<VectorFacts> kVectorTable{{{
    {"A", "LineA", "LabelA", "A", N_("Vector A"), N_("New value for angle A"),
     {{ComponentPrompt{kComponentPattern, C_("prompt title", "Ax")}, {kComponentPattern, C_("prompt title", "Ay")}}},
     false,
     {"SetA", "SizeA", "Ax", "Ay", "AngleA", "LockA", "ca"},
     // TRANSLATORS: the items of each vector's menu: a new magnitude (the vector's letter), the
     // two components, a new direction ("Angle"), locking it, and making it the reference
     // vector, whose magnitude is declared to be a chosen constant that every length is shown in.
     {"A", C_("magnitude item", "A"), "Ax", "Ay", N_("Angle"), N_("Lock A"), N_("A constant")}},
    {"B", "LineB", "LabelB", "B", N_("Vector B"), N_("New value for angle B"),
     {{ComponentPrompt{kComponentPattern, C_("prompt title", "Bx")}, {kComponentPattern, C_("prompt title", "By")}}},
     false,
     {"SetB", "SizeB", "Bx", "By", "AngleB", "LockB", "cb"},
     {"B", C_("magnitude item", "B"), "Bx", "By", N_("Angle"), N_("Lock B"), N_("B constant")}},
    {"R", "LineR", "LabelR", "R ", N_("Vector R"), N_("New value for angle R"),
     {{ComponentPrompt{N_("Current value:{value}"), C_("prompt title", "Rx")}, {kComponentPattern, C_("prompt title", "Ry")}}},
     true,  // R starts locked
     {"SetR", "SizeR", "Rx", "Ry", "AngleR", "LockR", "cr"},
     {"R", C_("magnitude item", "R"), "Rx", "Ry", N_("Angle"), N_("Lock R"), N_("R constant")}},
}}};

inline constexpr const VectorFacts& facts(Vec v) { return kVectorTable[v]; }
inline constexpr std::string_view letter(Vec v) { return facts(v).letter; }

// The letters "A", "B", "R" in the vectors' order.
inline constexpr std::array<std::string_view, 3> kLetters{letter(Vec::A), letter(Vec::B), letter(Vec::R)};
// "x", "y": how a component's caption names its axis.
inline constexpr PerAxis<std::string_view> kAxisLetters{"x", "y"};

// The vector whose label has this name.
std::optional<Vec> labelByName(std::string_view name);

}  // namespace fendrel
