// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/host.h"
#include "model/state.h"

// The menu commands. Each runs to completion; those that ask for a number return at once,
// without effect, when the prompt is cancelled or the reply is not a finite number.
namespace fendrel {

void sizeClick(FormState& s, Host& host, Vec v);             // SizeA, SizeB, SizeR
void componentClick(FormState& s, Host& host, Menu item);    // Ax .. Ry
void angleClick(FormState& s, Host& host, Vec v);            // AngleA, AngleB, AngleR
void constantClick(FormState& s, Host& host, Vec v);         // ca, cb, cr
void angleModeClick(FormState& s);                           // AngleMode
void modeAClick(FormState& s);                               // ModeA
void modeBClick(FormState& s);                               // ModeB
void productsClick(const FormState& s, Host& host);          // Products
void infoClick(Host& host);                                  // Info

}  // namespace fendrel
