// Long random sequences of events through the window logic, checking after every event
// what must always hold.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/form.h"
#include "interaction/key_names.h"
#include "tests/support/invariants.h"
#include "tools/script_host.h"

using namespace fendrel;
using fendrel::testing::checkRefreshed;
using fendrel::testing::checkResultant;
using fendrel::testing::checkSoundness;

namespace {

class RandomSession {
public:
    explicit RandomSession(unsigned seed) : rng_(seed), form_(host_) {
        host_.queueRandom(pick(0.0f, 0.99f));
        form_.load();
    }

    // Runs one random event and checks the invariants; returns the first violation.
    std::string step(std::string& event) {
        const FormState before = form_.state();
        bool refreshing = false;
        bool movesEveryFollower = false;
        const int kind = pickInt(0, 10);
        if (kind < 5) {
            static constexpr int kButtons[] = {1, 1, 1, 2, 2, 0, 3, 4};
            const int button = kButtons[pickInt(0, 7)];
            const float x = coordinate(), y = coordinate();
            event = "move " + std::to_string(button) + " " + std::to_string(x) + " " + std::to_string(y);
            form_.mouseMove(button, 0, x, y);
            refreshing = movesEveryFollower = button == 1;
        } else if (kind == 10) {
            static constexpr const char* kKeys[] = {"Left", "Ctrl+Up", "Shift+Right", "Ctrl+Shift+Down",
                                                    "Tab", "Shift+Tab", "Right", "Down"};
            const char* name = kKeys[pickInt(0, 7)];
            event = std::string("key ") + name;
            const Key key = *keyByName(name);
            form_.key(key);
            refreshing = movesEveryFollower = key.name != Key::Name::Tab && !key.shift;
        } else if (kind < 6) {
            const Vec v = kVectors[static_cast<size_t>(pickInt(0, 2))];
            event = "click " + std::string(kLabelNames[static_cast<size_t>(index(v))]);
            form_.clickLabel(v);
        } else {
            const MenuDescription& d = kMenus[static_cast<size_t>(pickInt(0, kMenuCount - 1))];
            if (hasItems(d.id)) return "";
            event = "click " + std::string(d.name);
            queueAnswers(d.id);
            form_.clickMenu(d.id);
            refreshing = isRefreshing(d.id);
            movesEveryFollower = refreshing && d.id != Menu::Bx && d.id != Menu::By;
        }
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

private:
    static bool sameGeometry(const FormState& a, const FormState& b) {
        for (Vec v : kVectors) {
            const Line &p = a.line(v), &q = b.line(v);
            if (p.x1 != q.x1 || p.y1 != q.y1 || p.x2 != q.x2 || p.y2 != q.y2) return false;
        }
        return true;
    }

    static bool isRefreshing(Menu m) {
        switch (m) {
            case Menu::LockA: case Menu::LockB: case Menu::LockR: case Menu::ModeA: case Menu::ModeB:
            case Menu::Products: case Menu::Info:
                return false;
            default:
                return true;
        }
    }

    void queueAnswers(Menu m) {
        static const std::vector<std::string> kReplies{
            "", "0", "100", "-250", "2100", "45", "90", "180", "3.14", "1e999", "-1e999", "abc", "1,5",
            "0.004", "1e6", "5e6", "-0", "1e30", "0.1", "12345.678", " 1 2.5", "-"};
        host_.queueRandom(pick(0.0f, 0.99f));
        if (pickInt(0, 5) == 0)
            host_.queueAnswer(std::nullopt);
        else
            host_.queueAnswer(kReplies[static_cast<size_t>(pickInt(0, static_cast<int>(kReplies.size()) - 1))]);
        if (m == Menu::ca || m == Menu::cb || m == Menu::cr) host_.queueAnswer("7");
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

TEST(RandomEvents, InvariantsHoldAfterEveryEvent) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandomSession session(seed);
        std::vector<std::string> history;
        for (int i = 0; i < 2500; ++i) {
            std::string event;
            const std::string problem = session.step(event);
            if (!event.empty()) history.push_back(event);
            if (!problem.empty()) {
                std::string tail;
                for (size_t k = history.size() > 8 ? history.size() - 8 : 0; k < history.size(); ++k)
                    tail += "\n  " + history[k];
                FAIL() << "seed " << seed << ", event " << i << ": " << problem << "\nlast events:" << tail;
            }
        }
    }
}
