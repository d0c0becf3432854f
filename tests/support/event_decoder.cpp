// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/event_decoder.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/element_table.h"
#include "interaction/key_names.h"

namespace fendrel::testing {

namespace {

// Replies that sit on the edges of the number reader and of the coordinate range.
constexpr std::array<const char*, 34> kStockReplies{
    "", "0", "-0", "1e999", "-1e999", "nan", "inf", "-inf", "4200", "-4200", "0.004", "0.005",
    "1e-320", "1e7", "-1e7", "9999999", "1e38", "3.4e38", "1e-45", " 1 2.5", "3,5", "abc", "90",
    "-90", "360", "3.141592654", "1E+15", "123456789012345678", "0.1", ".07", "-.25", "12.345",
    "5e6", "-1.5",
};

const std::vector<Menu>& clickableMenus() {
    static const std::vector<Menu> menus = [] {
        std::vector<Menu> out;
        for (const Element& e : elements())
            if (!hasItems(e.id)) out.push_back(e.id);
        return out;
    }();
    return menus;
}

float coordinate(ByteReader& bytes) {
    switch (bytes.byte() % 4) {
        case 0: return static_cast<float>(bytes.raw<std::int16_t>());
        case 1: {
            const auto v = bytes.raw<float>();
            return std::isfinite(v) ? v : std::copysign(FLT_MAX, v);
        }
        case 2: {
            const auto mantissa = static_cast<float>(bytes.raw<std::int16_t>());
            return std::ldexp(mantissa, bytes.byte() % 128 - 64);
        }
        default: return static_cast<float>(bytes.raw<std::int16_t>()) / 256.0f;
    }
}

// Any key of the figure, with or without the modifiers it takes.
std::string figureKey(std::uint8_t k) {
    Key key{kKeyFacts[k % kKeyFacts.size()].name};
    key.shift = k / kKeyFacts.size() % 2;
    key.ctrl = k / (2 * kKeyFacts.size()) % 2 && keyFacts(key.name).takesCtrl;
    return keyName(key);
}

}  // namespace

float decodeRandom(ByteReader& bytes) { return static_cast<float>(bytes.raw<std::uint16_t>()) / 65536.0f; }

Event decodeEvent(ByteReader& bytes, const std::string& lessonFile, const std::array<std::string, 3>& taskLessons) {
    Event e;
    switch (bytes.byte() % 16) {
        case 0: case 1: case 2: case 3: case 4: {
            e.kind = Event::Kind::Move;
            const std::uint8_t b = bytes.byte();
            e.button = b < 0xF0 ? b % 4 : bytes.raw<std::int32_t>();
            e.x = coordinate(bytes);
            e.y = coordinate(bytes);
            break;
        }
        case 5: e.kind = Event::Kind::Press; break;
        case 6: e.kind = Event::Kind::Release; break;
        case 7:
            e.kind = Event::Kind::LabelClick;
            e.label = kVectors[bytes.byte() % 3];
            break;
        case 8:
            e.kind = Event::Kind::MenuClick;
            e.menu = clickableMenus()[bytes.byte() % clickableMenus().size()];
            break;
        case 9:
            e.kind = Event::Kind::KeyPress;
            e.key = figureKey(bytes.byte());
            break;
        case 10: {
            e.kind = Event::Kind::Reply;
            const std::uint8_t r = bytes.byte();
            e.text = r < 0xC0 ? kStockReplies[r % kStockReplies.size()] : bytes.text(r - 0xC0u);
            break;
        }
        case 11: e.kind = Event::Kind::Cancel; break;
        case 12:
            e.kind = Event::Kind::Random;
            e.random = decodeRandom(bytes);
            break;
        case 13: e.kind = Event::Kind::Undo; break;
        case 14: e.kind = Event::Kind::Redo; break;
        default: {
            const std::uint8_t f = bytes.byte() % 6;
            static constexpr Event::Kind kFileAndTaskCommands[] = {Event::Kind::New,  Event::Kind::Save,  Event::Kind::Open,
                                                                   Event::Kind::Open, Event::Kind::Check, Event::Kind::Reveal};
            e.kind = kFileAndTaskCommands[f];
            if (f == 1 || f == 2) e.text = lessonFile;
            if (f == 3) e.text = taskLessons[bytes.byte() % taskLessons.size()];
            break;
        }
    }
    return e;
}

}  // namespace fendrel::testing
