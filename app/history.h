// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "model/state.h"

namespace fendrel {

// The steps Undo and Redo walk through, as whole states: for every step that can be
// undone the state before it, for every undone step the state it is redone to.
class History {
public:
    static constexpr std::size_t kKept = 1000;

    // Ends one user action that started from `before`. It becomes a step unless `after`
    // looks exactly like `before`; a new step empties the redo list and the oldest steps
    // beyond the kept number are forgotten.
    void record(FormState&& before, const FormState& after);

    // Puts `current` back as it was before the last step, or after the next undone one.
    // With nothing to undo (or redo) `current` stays as it is.
    void undo(FormState& current);
    void redo(FormState& current);

    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }

    // The state as it is now is the one in its file. Undo or Redo back to it brings it back
    // unmodified; once a new step has made it unreachable, nothing does.
    void markSaved() { saved_ = undo_.size(); }
    bool modified() const { return saved_ != undo_.size(); }

    // No steps at all, and the state as it is now the saved one.
    void clear();

private:
    std::deque<FormState> undo_, redo_;
    std::optional<std::size_t> saved_ = 0;  // how many steps Undo can take from the saved state
};

}  // namespace fendrel
