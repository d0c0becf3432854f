// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/events.h"

#include <cstdio>

#include "app/element_table.h"
#include "interaction/key_names.h"

namespace fendrel::testing {

namespace {

std::string withControlBytesEscaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c != 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

std::string number(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));  // reads back as the same float
    return text;
}

}  // namespace

void deliver(const Event& e, Form& form, ScriptHost& host) {
    switch (e.kind) {
        case Event::Kind::Move: form.mouseMove(e.button, 0, e.x, e.y); break;
        case Event::Kind::Press: form.mousePress(); break;
        case Event::Kind::Release: form.mouseRelease(); break;
        case Event::Kind::LabelClick: form.clickLabel(e.label); break;
        case Event::Kind::MenuClick: form.clickMenu(e.menu); break;
        case Event::Kind::KeyPress: form.key(*keyByName(e.key)); break;
        case Event::Kind::Undo: form.undo(); break;
        case Event::Kind::Redo: form.redo(); break;
        case Event::Kind::New: form.newLesson(); break;
        case Event::Kind::Save: form.save(e.text); break;
        case Event::Kind::Open: form.open(e.text); break;
        case Event::Kind::Check: form.check(); break;
        case Event::Kind::Reveal: form.reveal(); break;
        case Event::Kind::Reply: host.queueAnswer(e.text); break;
        case Event::Kind::Cancel: host.queueAnswer(std::nullopt); break;
        case Event::Kind::Random: host.queueRandom(e.random); break;
    }
}

bool endsWithRefresh(const Event& e) {
    if (e.kind == Event::Kind::Move) return e.button == 1;
    if (e.kind == Event::Kind::KeyPress) {
        const Key k = *keyByName(e.key);
        return k.name != Key::Name::Tab && !k.shift;  // an arrow drags the selected tip
    }
    return e.kind == Event::Kind::MenuClick && element(e.menu).is(kRefreshes);
}

bool movesOneAxisOfR(const Event& e) {
    return e.kind == Event::Kind::MenuClick && (e.menu == Menu::Bx || e.menu == Menu::By);
}

bool leavesStateAsItIs(const Event& e) {
    switch (e.kind) {
        case Event::Kind::Press: case Event::Kind::Release: case Event::Kind::Save: case Event::Kind::Check:
        case Event::Kind::Reveal: case Event::Kind::Reply: case Event::Kind::Cancel: case Event::Kind::Random: return true;
        default: return false;
    }
}

std::string scriptLine(const Event& e) {
    switch (e.kind) {
        case Event::Kind::Move:
            return "move " + std::to_string(e.button) + " " + number(e.x) + " " + number(e.y);
        case Event::Kind::Press: return "press 1 0 0";
        case Event::Kind::Release: return "release";
        case Event::Kind::LabelClick: return "click " + std::string(facts(e.label).labelName);
        case Event::Kind::MenuClick: return "click " + std::string(element(e.menu).name);
        case Event::Kind::KeyPress: return "key " + e.key;
        case Event::Kind::Undo: return "undo";
        case Event::Kind::Redo: return "redo";
        case Event::Kind::New: return "new";
        case Event::Kind::Save: return "save " + e.text;
        case Event::Kind::Open: return "open " + e.text;
        case Event::Kind::Check: return "check";
        case Event::Kind::Reveal: return "reveal";
        case Event::Kind::Reply: return "reply " + withControlBytesEscaped(e.text);
        case Event::Kind::Cancel: return "cancel";
        case Event::Kind::Random: return "random " + number(e.random);
    }
    return {};
}

}  // namespace fendrel::testing
