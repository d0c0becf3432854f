#pragma once

#include "commands/host.h"
#include "interaction/keyboard.h"
#include "model/state.h"

namespace fendrel {

// The window's logic behind its events: the real window and the scenario driver both
// deliver every event here and render what `state()` holds afterwards.
class Form {
public:
    explicit Form(Host& host);

    void load();
    void mouseMove(int button, int shift, float x, float y);
    void clickLabel(Vec v);
    // Items of a disabled menu cannot be chosen, and a title with items only opens.
    void clickMenu(Menu m);
    // A key pressed while the figure has the keyboard focus.
    void key(Key k);

    const FormState& state() const { return state_; }

private:
    // Runs one handler; if it left any end point non-finite or beyond the coordinate
    // limit, the whole state goes back to what it was before the event.
    template <class Handler>
    void guarded(Handler handler);

    Host& host_;
    FormState state_;
};

}  // namespace fendrel
