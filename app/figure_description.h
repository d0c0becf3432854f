// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "app/figure_marks.h"
#include "model/state.h"
#include "model/translation.h"

// What assistive technology is told about the figure: one node for the drawing and one per
// vector, whose description reads what the vector's menu shows.
namespace fendrel {

// For the catalogue: the name of the drawing as a whole.
inline constexpr std::string_view kFigureName = N_("Vectors");

// "Vector A", "Vector B", "Vector R".
std::string vectorName(Vec v);

// The vector menu's caption and its two component captions, joined by "; ", and "; locked"
// while the menu is disabled: "A= 4200, 90°; Ax= 0; Ay= 4200". Then what the view draws of
// it besides its arrow: "; components drawn: Ay= 4200", "; angle drawn: 90°", and for A
// and B "; angle between A and B drawn: 90°".
std::string vectorDescription(const FormState& s, Vec v, const FigureMarks& drawn);

// The vector the arrow keys move.
bool isSelected(const FormState& s, Vec v);

}  // namespace fendrel
