// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"
#include "commands/typed_answer.h"
#include "interaction/placement.h"
#include "model/numbers.h"
#include "model/refresh.h"

namespace fendrel {

void constantClick(FormState& s, Host& host, Vec v) {
    PerVector<bool> before;
    for (Vec w : kVectors) {
        MenuElement& item = s.menu(vectorMenu(w, VectorItem::Constant));
        before[w] = item.checked;
        item.checked = w == v ? !item.checked : false;
    }
    if (s.checked(vectorMenu(v, VectorItem::Constant))) {
        for (;;) {
            // TRANSLATORS: asks for the reference vector's magnitude, any number but 0; say so in
            // words ("not 0"), as a class would, not as a formula.
            const auto typed = askNumber(host, _("Constant value <>0"), _(facts(v).title));
            if (!typed) {  // cancelled or refused: the marks go back, nothing else happened
                for (Vec w : kVectors) s.menu(vectorMenu(w, VectorItem::Constant)).checked = before[w];
                return;
            }
            if (const double k = round2(*typed); k != 0) {
                s.vars.referenceConstant = Number::dbl(k);
                break;
            }
        }
    }
    applyVectorColours(s);
    refreshQuantities(s);
}

}  // namespace fendrel
