// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sequences of events through the window logic, checking after every event
// what must always hold.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "app/element_table.h"
#include "app/form.h"
#include "app/lesson.h"
#include "tests/support/events.h"
#include "tests/support/invariants.h"
#include "tools/json_dump.h"
#include "tools/script_host.h"

using namespace fendrel;
using fendrel::testing::checkRefreshed;
using fendrel::testing::checkResultant;
using fendrel::testing::checkSoundness;
using fendrel::testing::deliver;
using fendrel::testing::endsWithRefresh;
using fendrel::testing::Event;
using fendrel::testing::movesOneAxisOfR;
using fendrel::testing::scriptLine;

namespace {

class RandomSession {
public:
    explicit RandomSession(unsigned seed) : rng_(seed), form_(host_) {
        host_.queueRandom(pick(0.0f, 0.99f));
        form_.load();
    }

    // Runs one random event, with the answers it may ask for queued before it, and checks
    // the invariants; returns the first violation. Every event delivered goes to `history`.
    std::string step(std::vector<std::string>& history) {
        const std::vector<Event> events = draw();
        if (events.empty()) return "";
        const FormState before = form_.state();
        for (const Event& e : events) {
            history.push_back(scriptLine(e));
            deliver(e, form_, host_);
        }
        const Event& user = events.back();
        const bool refreshing = endsWithRefresh(user);
        const bool movesEveryFollower = refreshing && !movesOneAxisOfR(user);
        const FormState& after = form_.state();
        if (auto problem = checkSoundness(after); !problem.empty()) return problem;
        if (refreshing && !(after == before)) clean_ = true;
        const bool tipMoved = !sameGeometry(after, before);
        if (!refreshing && tipMoved) clean_ = false;
        if (clean_)
            if (auto problem = checkRefreshed(after); !problem.empty()) return problem;
        if (movesEveryFollower && tipMoved) return checkResultant(after);
        return "";
    }

    // The window as its lesson file gives it back, compared with the window: "" when alike.
    std::string roundTrip() const {
        const std::string text = lessonText(form_.state(), std::nullopt);
        const std::string saved = stateJson(form_.state());
        const std::string opened = stateJson(lessonFromText(text).state);
        return opened == saved ? "" : "opened as\n" + opened + "\nsaved as\n" + saved + "\nfile:\n" + text;
    }

private:
    static bool sameGeometry(const FormState& a, const FormState& b) {
        for (Vec v : kVectors) {
            const Line &p = a.line(v), &q = b.line(v);
            if (p.x1 != q.x1 || p.y1 != q.y1 || p.x2 != q.x2 || p.y2 != q.y2) return false;
        }
        return true;
    }

    // A pointer move, a label click, a key or a menu click; nothing for a title with items.
    std::vector<Event> draw() {
        Event e;
        const int kind = pickInt(0, 10);
        if (kind < 5) {
            static constexpr int kButtons[] = {1, 1, 1, 2, 2, 0, 3, 4};
            e.kind = Event::Kind::Move;
            e.button = kButtons[pickInt(0, 7)];
            e.x = coordinate();
            e.y = coordinate();
            return {e};
        }
        if (kind == 10) {
            static constexpr const char* kKeys[] = {"Left", "Ctrl+Up", "Shift+Right", "Ctrl+Shift+Down",
                                                    "Tab", "Shift+Tab", "Right", "Down"};
            e.kind = Event::Kind::KeyPress;
            e.key = kKeys[pickInt(0, 7)];
            return {e};
        }
        if (kind < 6) {
            e.kind = Event::Kind::LabelClick;
            e.label = kVectors[static_cast<size_t>(pickInt(0, 2))];
            return {e};
        }
        const Element& d = *std::next(elements().begin(), pickInt(0, kMenuCount - 1));
        if (hasItems(d.id)) return {};
        std::vector<Event> events = answers(d.id);
        e.kind = Event::Kind::MenuClick;
        e.menu = d.id;
        events.push_back(e);
        return events;
    }

    // A random draw and an answer for the prompt the click may show; a valid constant
    // after the reply, so that the reference prompt cannot ask for ever.
    std::vector<Event> answers(Menu m) {
        static const std::vector<std::string> kReplies{
            "", "0", "100", "-250", "2100", "45", "90", "180", "3.14", "1e999", "-1e999", "abc", "1,5",
            "0.004", "1e6", "5e6", "-0", "1e30", "0.1", "12345.678", " 1 2.5", "-"};
        static const std::string kValidConstant = "7";
        Event draw;
        draw.kind = Event::Kind::Random;
        draw.random = pick(0.0f, 0.99f);
        std::vector<Event> out{draw};
        if (pickInt(0, 5) == 0)
            out.push_back(cancel());
        else
            out.push_back(reply(kReplies[static_cast<size_t>(pickInt(0, static_cast<int>(kReplies.size()) - 1))]));
        if (m == Menu::ca || m == Menu::cb || m == Menu::cr) out.push_back(reply(kValidConstant));
        return out;
    }

    static Event reply(const std::string& text) {
        Event e;
        e.kind = Event::Kind::Reply;
        e.text = text;
        return e;
    }

    static Event cancel() {
        Event e;
        e.kind = Event::Kind::Cancel;
        return e;
    }

    float coordinate() {
        switch (pickInt(0, 19)) {
            case 0: return pick(-2e7f, 2e7f);
            case 1: return pick(-100.0f, 100.0f);
            case 2: return static_cast<float>(pickInt(-3, 3)) * 1e6f;
            default: return static_cast<float>(pickInt(-2000, 14000));
        }
    }

    int pickInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    float pick(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng_); }

    std::mt19937 rng_;
    ScriptHost host_;
    Form form_;
    bool clean_ = true;  // captions equal a fresh refresh of the current lines
};

}  // namespace

namespace {

std::string lastEvents(const std::vector<std::string>& history) {
    std::string tail;
    for (size_t k = history.size() > 8 ? history.size() - 8 : 0; k < history.size(); ++k) tail += "\n  " + history[k];
    return tail;
}

}  // namespace

TEST(RandomEvents, ALessonFileGivesBackTheWindowItWasSavedFrom) {
    for (unsigned seed = 101; seed <= 110; ++seed) {
        RandomSession session(seed);
        std::vector<std::string> history;
        for (int i = 0; i < 1000; ++i) {
            session.step(history);
            if (const std::string problem = session.roundTrip(); !problem.empty())
                FAIL() << "seed " << seed << ", event " << i << ": " << problem << "\nlast events:" << lastEvents(history);
        }
    }
}

TEST(RandomEvents, InvariantsHoldAfterEveryEvent) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandomSession session(seed);
        std::vector<std::string> history;
        for (int i = 0; i < 2500; ++i) {
            const std::string problem = session.step(history);
            if (!problem.empty())
                FAIL() << "seed " << seed << ", event " << i << ": " << problem << "\nlast events:" << lastEvents(history);
        }
    }
}
