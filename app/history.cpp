// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/history.h"

#include <utility>

#include "app/shown_fields.h"

namespace fendrel {

namespace {

// Moves `current` onto `to` and takes the latest state of `from` in its place.
void swapLatest(std::deque<FormState>& from, std::deque<FormState>& to, FormState& current) {
    if (from.empty()) return;
    to.push_back(std::exchange(current, std::move(from.back())));
    from.pop_back();
}

}  // namespace

void History::record(FormState&& before, const FormState& after) {
    if (sameAsShown(before, after)) return;
    if (saved_ > undo_.size()) saved_.reset();  // it was on the redo list
    redo_.clear();
    undo_.push_back(std::move(before));
    if (undo_.size() > kKept) {
        undo_.pop_front();
        saved_ = saved_ > 0 ? std::optional(*saved_ - 1) : std::nullopt;
    }
}

void History::clear() {
    undo_.clear();
    redo_.clear();
    markSaved();
}

void History::undo(FormState& current) { swapLatest(undo_, redo_, current); }

void History::redo(FormState& current) { swapLatest(redo_, undo_, current); }

}  // namespace fendrel
