// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "app/history.h"
#include "app/task_progress.h"
#include "app/view_settings.h"
#include "commands/host.h"
#include "interaction/keyboard.h"
#include "model/state.h"

namespace fendrel {

// The window's logic behind its events: the real window and the scenario driver both
// deliver every event here, and nowhere else, and render what `state()` holds afterwards.
// A menu click runs what the element table gives for that element. Each event that
// changes what the window shows is one step of the history, except the moves between a
// press and a release, which together form one. While the lesson's task is open, the
// events it keeps from the student do nothing (app/task_progress.h).
class Form {
public:
    explicit Form(Host& host);

    void load();
    void mouseMove(int button, int shift, float x, float y);
    // A button went down (a press while a gesture is open changes nothing) / every button
    // went up. Nothing in the figure changes.
    void mousePress();
    void mouseRelease();
    void clickLabel(Vec v);
    // Items of a disabled menu cannot be chosen, and a title with items only opens.
    void clickMenu(Menu m);
    // Neither shows a dialog or draws a random number.
    void undo();
    void redo();
    // A key pressed while the figure has the keyboard focus.
    void key(Key k);
    // Edit › Unit of Measure…: asks for the unit of the reference scale, the one named now
    // offered (empty for none). A new unit is a step; one that cannot be used is refused with
    // a message box saying why, and nothing changes.
    void chooseUnit();

    // Check on the task (app/task_check.h): a verdict counts one attempt and becomes the
    // feedback, and solves the task when every value is right. With no task, or one that is
    // solved or revealed, nothing. Neither this nor Reveal is a step.
    void check();
    // Shows the hidden values without solving, where the task allows it and is still open.
    void reveal();
    // Writes the task (or, with none, removes it) as a step; its progress starts afresh.
    void setTask(std::optional<Task> task);

    // File › New: the window as after start-up, its load handler run again; no steps, no file.
    void newLesson();
    // Closes an open gesture, as a release would; then writes the window as it stands, with
    // the view it is drawn in, as the lesson file PATH, which becomes the window's file.
    // Changes nothing else and is no step. On failure a message box says why and nothing
    // else changes.
    bool save(const std::string& path, const std::optional<ViewSettings>& view = std::nullopt);
    // The window becomes exactly the lesson in PATH, with no steps, and PATH its file (or, for
    // an example the user is not to change, no file). A file that cannot be read or is no
    // valid lesson: a message box says why and nothing changes.
    enum class Opening { AsItsFile, AsNewLesson };
    struct Opened {
        std::optional<ViewSettings> view;  // how the lesson was drawn, when the file says
    };
    std::optional<Opened> open(const std::string& path, Opening how = Opening::AsItsFile);

    const FormState& state() const { return state_; }
    // The state as the student sees it (stateAsShown): what the window and the dump show.
    FormState shown() const { return stateAsShown(state_, progress_); }
    const TaskProgress& taskProgress() const { return progress_; }
    // What the task allows now: a click on the menu element, and selecting the vector.
    bool mayChoose(Menu m) const { return fendrel::mayChoose(state_, progress_, m); }
    bool mayChange(Vec v) const { return fendrel::mayChange(state_, progress_, v); }
    // The steps of an open gesture are not counted until it closes.
    const History& history() const { return history_; }
    // The lesson file the window was last opened from or saved to.
    const std::optional<std::string>& fileName() const { return fileName_; }
    // Whether the window differs from its file (or, with none, from its start-up state).
    bool modified() const { return history_.modified(); }

private:
    // Runs one handler; if it left any end point non-finite or beyond the coordinate
    // limit, the whole state goes back to what it was before the event.
    template <class Handler>
    void guarded(Handler handler);

    // Runs one event as a step of its own, after closing an open gesture. With `inRange`,
    // the snapshot the step keeps is also the range guard's: an event that left an end
    // point out of range is undone, and so is no step.
    template <class Event>
    void step(Event event, bool inRange = false);
    void closeGesture();

    Host& host_;
    FormState state_;
    History history_;
    std::optional<FormState> gestureStart_;  // the state at the press of an open gesture
    std::optional<std::string> fileName_;
    TaskProgress progress_;
};

}  // namespace fendrel
