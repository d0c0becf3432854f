#include "app/form.h"

#include "app/window_description.h"
#include "commands/commands.h"
#include "interaction/mouse_drag.h"
#include "interaction/selection.h"

namespace fendrel {

Form::Form(Host& host) : host_(host), state_(initialForm()) {}

template <class Handler>
void Form::guarded(Handler handler) {
    FormState before = state_;
    handler();
    if (!coordinatesInRange(state_)) state_ = std::move(before);
}

void Form::load() { formLoad(state_, host_); }

void Form::mouseMove(int button, int shift, float x, float y) {
    guarded([&] { formMouseMove(state_, button, shift, x, y); });
}

void Form::clickLabel(Vec v) { labelClick(state_, v); }

void Form::key(Key k) {
    guarded([&] { formKey(state_, k); });
}

void Form::clickMenu(Menu m) {
    const auto& parent = describe(m).parent;
    if (hasItems(m) || !state_.enabled(m) || (parent && !state_.enabled(*parent))) return;
    FormState& s = state_;
    Host& h = host_;
    switch (m) {
        case Menu::SizeA: guarded([&] { sizeClick(s, h, Vec::A); }); break;
        case Menu::SizeB: guarded([&] { sizeClick(s, h, Vec::B); }); break;
        case Menu::SizeR: guarded([&] { sizeClick(s, h, Vec::R); }); break;
        case Menu::Ax: case Menu::Ay: case Menu::Bx: case Menu::By: case Menu::Rx: case Menu::Ry:
            guarded([&] { componentClick(s, h, m); });
            break;
        case Menu::AngleA: guarded([&] { angleClick(s, h, Vec::A); }); break;
        case Menu::AngleB: guarded([&] { angleClick(s, h, Vec::B); }); break;
        case Menu::AngleR: guarded([&] { angleClick(s, h, Vec::R); }); break;
        case Menu::LockA: lockClick(s, Vec::A); break;
        case Menu::LockB: lockClick(s, Vec::B); break;
        case Menu::LockR: lockClick(s, Vec::R); break;
        case Menu::ca: constantClick(s, h, Vec::A); break;
        case Menu::cb: constantClick(s, h, Vec::B); break;
        case Menu::cr: constantClick(s, h, Vec::R); break;
        case Menu::AngleMode: angleModeClick(s); break;
        case Menu::Products: productsClick(s, h); break;
        case Menu::ModeA: guarded([&] { modeAClick(s); }); break;
        case Menu::ModeB: guarded([&] { modeBClick(s); }); break;
        case Menu::Info: infoClick(h); break;
        case Menu::SetA: case Menu::SetB: case Menu::SetR: case Menu::Mode: break;
    }
}

}  // namespace fendrel
