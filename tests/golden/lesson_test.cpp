// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Lesson files through the driver: files that are refused leave everything as it was, the
// modified mark follows the history, and New starts the window afresh.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "scenario.h"

using namespace golden;
namespace fs = std::filesystem;

namespace {

// A folder of its own for each test, removed afterwards.
class Lessons : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("fendrel-lessons-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    void write(const std::string& name, const std::string& text) const { std::ofstream(path(name)) << text; }

    fs::path dir;
};

struct Depth {
    double undo, redo;
};

std::string fileField(const Json& d) {
    const Json f = d["file"];
    return (f["name"].isNull() ? "null" : fs::path(f["name"].string()).filename().string()) +
           (f["modified"].boolean() ? " modified" : " saved");
}

}  // namespace

TEST_F(Lessons, ABadFileIsRefusedWithOneMessageAndChangesNothing) {
    constexpr const char* kUnitRule =
        "\"unit\" must be a unit of at most 12 characters, with no line breaks or other control characters";
    // A saved lesson, edited into each of the faults below.
    const std::string good = path("good.fendrel");
    const std::string setup = "move 1 5000 2000\nsave " + good + "\nclick LockA\nreply 4\nclick cb\n";
    runScenario(fresh(setup));
    const nlohmann::json lesson = nlohmann::json::parse(readFile(good));
    using Edit = std::function<void(nlohmann::json&)>;
    struct Case {
        const char* what;
        std::string text;  // the file's text, or nothing to make it another way
        const char* reason;
    };
    const auto edited = [&](const Edit& edit) {
        nlohmann::json j = lesson;
        edit(j);
        return j.dump();
    };
    // The lesson with a task to reach, or one to predict, edited.
    const auto reach = nlohmann::json::parse(R"({"kind": "reach", "text": "Go", "vector": "R", "goal": {"x": 1, "y": 2},
                                                "movable": ["B"], "hidden": ["R"], "reveal": true})");
    const auto predict = nlohmann::json::parse(R"({"kind": "predict", "text": "Guess", "predict": ["x R"],
                                                  "movable": ["A"], "hidden": ["R"], "reveal": false})");
    const auto withTask = [&](const nlohmann::json& task, const Edit& edit) {
        return edited([&](auto& j) {
            j["version"] = 2;
            j["task"] = task;
            edit(j["task"]);
        });
    };
    const std::vector<Case> cases{
        {"missing", "", "there is no such file or folder"},
        {"a folder", "", "it is a folder"},
        {"a named pipe", "", "it is not a regular file"},
        {"unreadable", "", "permission denied"},
        {"too large", std::string(1024 * 1024 + 1, ' '), "it is larger than 1 MiB"},
        {"not JSON", "{\n  \"format\": fendrel\n}", "it is not valid JSON (line 2, column 14)"},
        {"too deep", std::string(100000, '['), "it is nested more than 32 levels deep"},
        {"another format", edited([](auto& j) { j["format"] = "svg"; }), "it is not a Fendrel lesson"},
        {"no object", "[1, 2]", "it is not a Fendrel lesson"},
        {"newer", edited([](auto& j) { j["version"] = 3; }), "it was written by a newer version of Fendrel (lesson version 3)"},
        {"fractional version", edited([](auto& j) { j["version"] = 1.5; }), "\"version\" must be a whole number from 1 up"},
        {"twice", R"({"vectors": {"A": {"tip": [0, 0], "tip": [1, 1]}}})", "\"vectors.A.tip\" appears twice"},
        {"trailing NUL", std::string("{}\n\0", 4), "it is not valid JSON (line 2, column 1)"},
        {"missing field", edited([](auto& j) { j["vectors"]["B"].erase("tip"); }),
         "the field \"vectors.B.tip\" is missing"},
        {"wrong type", edited([](auto& j) { j["vectors"]["R"]["locked"] = "yes"; }),
         "\"vectors.R.locked\" must be true or false"},
        {"not finite", std::string(R"({"format": "fendrel-lesson", "version": 1, "origin": [1e999, 0]})"),
         "it holds a number too large to use"},
        {"beyond range", edited([](auto& j) { j["vectors"]["A"]["tip"][1] = -10000001; }),
         "\"vectors.A.tip\" lies beyond \u00B110,000,000 window units"},
        {"none locked", edited([](auto& j) { j["vectors"]["R"]["locked"] = false; }),
         "exactly one vector must be locked, not 0"},
        {"two locked", edited([](auto& j) { j["vectors"]["B"]["locked"] = true; }),
         "exactly one vector must be locked, not 2"},
        {"two references", edited([](auto& j) { j["vectors"]["A"]["reference"] = true; j["vectors"]["B"]["reference"] = true; }),
         "only one vector can be the reference vector, not 2"},
        {"colour", edited([](auto& j) { j["background"] = 0x1000000; }), "\"background\" must be a colour from 0 to 16777215"},
        {"fraction", edited([](auto& j) { j["background"] = 0.5; }), "\"background\" must be a colour from 0 to 16777215"},
        {"zoom in", edited([](auto& j) { j["view"]["zoom"] = std::nextafter(4.0, 5.0); }), "\"view.zoom\" must be a zoom from 0.5 to 4"},
        {"zoom out", edited([](auto& j) { j["view"]["zoom"] = std::nextafter(0.5, 0.0); }), "\"view.zoom\" must be a zoom from 0.5 to 4"},
        {"components", edited([](auto& j) { j["view"] = {{"zoom", 1}, {"fitToWindow", false}, {"arrowHeads", false}, {"grid", false}, {"components", "spiral"}}; }),
         "\"view.components\" must be one of \"off\", \"triangle\", \"fromTail\", \"onAxes\""},
        {"angles", edited([](auto& j) { j["view"] = {{"zoom", 1}, {"fitToWindow", false}, {"arrowHeads", false}, {"grid", false}, {"angles", 1}}; }),
         "\"view.angles\" must be true or false"},
        {"odd layout", edited([](auto& j) { j["layout"] = "triangle"; }), "in the triangle layout B must end at R's tip"},
        {"no constant", edited([](auto& j) { j["vectors"]["A"]["reference"] = true; }),
         "the reference vector needs a \"constant\""},
        {"unit with a tab", edited([](auto& j) { j["unit"] = "m\ts"; }), kUnitRule},
        {"unit not text", edited([](auto& j) { j["unit"] = 3; }), kUnitRule},
        {"task in version 1", edited([&](auto& j) { j["task"] = reach; }),
         "a lesson with a \"task\" must be of \"version\" 2"},
        {"unknown kind", withTask(reach, [](auto& t) { t["kind"] = "guess"; }), "\"task.kind\" must be one of \"reach\", \"predict\""},
        {"no goal", withTask(reach, [](auto& t) { t.erase("goal"); }), "the field \"task.goal\" is missing"},
        {"two goals", withTask(reach, [](auto& t) { t["goal"]["magnitude"] = 5; }),
         "\"task.goal\" must hold either \"magnitude\", \"angle\" and \"unit\", or \"x\" and \"y\""},
        {"half a goal", withTask(reach, [](auto& t) { t["goal"] = {{"magnitude", 5}, {"angle", 0}}; }),
         "the field \"task.goal.unit\" is missing"},
        {"goal of 0", withTask(reach, [](auto& t) { t["goal"] = {{"magnitude", 0}, {"angle", 0}, {"unit", "degrees"}}; }),
         "\"task.goal.magnitude\" must be above 0 (a goal of 0 is given as components)"},
        {"beyond a turn", withTask(reach, [](auto& t) { t["goal"] = {{"magnitude", 1}, {"angle", 6.3}, {"unit", "radians"}}; }),
         "\"task.goal.angle\" must be an angle of at most one turn either way"},
        {"hidden and movable", withTask(reach, [](auto& t) { t["hidden"] = {"B"}; }),
         "\"task.hidden\" and \"task.movable\" both name \"B\": a vector the student moves shows its values"},
        {"nothing to move", withTask(reach, [](auto& t) { t["movable"] = nlohmann::json::array(); }),
         "\"task.movable\" must name a vector: a reach task is solved by moving one"},
        {"unknown letter", withTask(reach, [](auto& t) { t["movable"] = {"C"}; }), "\"task.movable\" must be one of \"A\", \"B\", \"R\""},
        {"named twice", withTask(reach, [](auto& t) { t["movable"] = {"B", "B"}; }), "\"task.movable\" names \"B\" twice"},
        {"no list", withTask(reach, [](auto& t) { t["hidden"] = "R"; }), "\"task.hidden\" must be a list"},
        {"negative tolerance", withTask(reach, [](auto& t) { t["tolerance"] = {{"component", -0.01}}; }),
         "\"task.tolerance.component\" must be a number of 0 or more"},
        {"wide tolerance", withTask(reach, [](auto& t) { t["tolerance"] = {{"angle", 180.5}}; }),
         "\"task.tolerance.angle\" must be an angle from 0 to 180 degrees"},
        {"NaN tolerance", withTask(reach, [](auto& t) { t["tolerance"] = {{"magnitude", "NaN"}}; }),
         "\"task.tolerance.magnitude\" must be a number"},
        {"long text", withTask(reach, [](auto& t) { t["text"] = std::string(499, 'x') + "éé"; }),
         "\"task.text\" must be one line of 1 to 500 characters"},
        {"two lines", withTask(reach, [](auto& t) { t["text"] = "Go\non"; }), "\"task.text\" must be one line of 1 to 500 characters"},
        {"odd prediction", withTask(predict, [](auto& t) { t["predict"] = {"speed R"}; }),
         "\"task.predict\" must list values such as \"magnitude R\", \"direction R\", \"x R\" or \"y R\""},
        {"shown prediction", withTask(predict, [](auto& t) { t["predict"] = {"x R", "magnitude A"}; }),
         "\"task.predict\" asks for \"magnitude A\" of a vector that is not hidden"},
        {"predicted twice", withTask(predict, [](auto& t) { t["predict"] = {"x R", "x R"}; }), "\"task.predict\" names \"x R\" twice"},
        {"nothing to predict", withTask(predict, [](auto& t) { t["predict"] = nlohmann::json::array(); }),
         "\"task.predict\" must name a value to predict"},
    };
    for (const Case& c : cases) {
        const std::string bad = path(c.what);
        if (c.what == std::string("a folder")) fs::create_directory(bad);
        if (c.what == std::string("a named pipe")) ::mkfifo(bad.c_str(), 0600);
        if (!c.text.empty()) write(c.what, c.text);
        if (c.what == std::string("unreadable")) {
            if (::geteuid() == 0) continue;  // the superuser reads every file
            write(c.what, lesson.dump());
            ::chmod(bad.c_str(), 0);
        }
        const Json before = lastDump(fresh(setup + "dump\n"));
        const Json after = lastDump(fresh(setup + "dump\nopen " + bad + "\ndump\n"));
        EXPECT_EQ(firstDifference(before, after, {"dialogs"}), "") << c.what;
        ASSERT_EQ(dialogs(after).items().size(), 1u) << c.what;
        EXPECT_EQ(dialogs(after)[0]["text"].string(),
                  "The lesson \"" + bad + "\" could not be opened: " + c.reason + ".");
        EXPECT_EQ(dialogs(after)[0]["title"].string(), "Open Lesson");
    }
}

// The unit of the reference scale is the view's: no dump shows it, and a lesson keeps it
// exactly, blanks and brackets inside it too, without its outer blanks.
TEST_F(Lessons, AUnitTravelsWithTheLessonAndNoDumpShowsIt) {
    const std::string plain = path("plain.fendrel"), again = path("again.fendrel");
    runScenario(fresh("reply 2\nclick cb\nsave " + plain + "\n"));
    nlohmann::json lesson = nlohmann::json::parse(readFile(plain));
    lesson["unit"] = " [m  s] ";
    write("unit.fendrel", lesson.dump());
    const Json opened = lastDump(fresh("open " + path("unit.fendrel") + "\ndump\nsave " + again + "\n"));
    EXPECT_EQ(stateDifference(lastDump(fresh("open " + plain + "\ndump\n")), opened), "");
    lesson["unit"] = "[m  s]";
    EXPECT_EQ(nlohmann::json::parse(readFile(again)), lesson);
}

TEST_F(Lessons, TheModifiedMarkFollowsTheHistoryToTheSavedStep) {
    const std::string file = path("a.fendrel");
    const auto d = dumpsOf(fresh("dump\nmove 1 3000 1000\ndump\nsave " + file + "\ndump\nmove 1 3100 1100\ndump\n"
                                 "undo\ndump\nundo\ndump\nredo\ndump\nundo\nmove 1 0 0\ndump\nundo\ndump\n"
                                 "open " + file + "\ndump\nnew\ndump\n"));
    const std::vector<std::string> expected{"null saved",        "null modified",    "a.fendrel saved",
                                            "a.fendrel modified", "a.fendrel saved",  "a.fendrel modified",
                                            "a.fendrel saved",    "a.fendrel modified", "a.fendrel modified",
                                            "a.fendrel saved",    "null saved"};
    ASSERT_EQ(d.size(), expected.size());
    for (std::size_t i = 0; i < d.size(); ++i) EXPECT_EQ(fileField(d[i]), expected[i]) << "dump " << i;
    EXPECT_EQ(stateDifference(d[2], d[9]), "") << "the opened file is the saved window";
    EXPECT_EQ(d[9]["history"]["undo"].number(), 0);
}

// Saving in the middle of a drag closes the drag first, so the file holds the step it ends.
TEST_F(Lessons, ASaveInsideAGestureClosesItFirst) {
    const auto d = dumpsOf(fresh("dump\npress 1 3720 840\nmove 1 4000 1000\nsave " + path("a.fendrel") +
                                 "\nrelease\ndump\nundo\ndump\n"));
    EXPECT_EQ(fileField(d[1]), "a.fendrel saved");
    EXPECT_EQ(d[1]["history"]["undo"].number(), 1);
    EXPECT_EQ(tip(d[1], "LineA"), (Point{4000, 1000}));
    EXPECT_EQ(fileField(d[2]), "a.fendrel modified");
    EXPECT_EQ(stateDifference(d[0], d[2]), "");
}

TEST_F(Lessons, ASaveThatFailsSaysWhyAndKeepsTheWindowsFile) {
    const std::string file = path("a.fendrel");
    const std::string nowhere = path("no/such/folder.fendrel");
    const Json d = lastDump(fresh("save " + file + "\nmove 1 3000 1000\nsave " + nowhere + "\ndump\n"));
    EXPECT_EQ(fileField(d), "a.fendrel modified");
    ASSERT_EQ(dialogs(d).items().size(), 1u);
    EXPECT_EQ(dialogs(d)[0]["text"].string(),
              "The lesson \"" + nowhere + "\" could not be saved: there is no such file or folder.");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "no file left behind";
}

TEST_F(Lessons, ASaveKeepsTheGroupAndOwnerDropsSetIdsRefusesAProtectedFileAndFollowsALink) {
    const std::string nobody = "setpriv --reuid=nobody --regid=nogroup --groups=users ";
    const std::string kept = "grep -q 'saved: the file is write-protected' $D/dump && test $(cat $F) = old";
    // Who saves (the test itself, or nobody as a member of users), the name saved, and shell
    // commands on the folder $D and the file $F: one that makes what the save meets (it fails
    // where it needs the superuser), and one that holds after the driver's program saved.
    const std::vector<std::array<std::string, 4>> rows{
        {"", "a", "printf old >$F && chown nobody:nogroup $F && chmod 6755 $F", "test $(stat -c %a:%U:%G $F) = 755:nobody:nogroup"},
        {nobody, "a", "chgrp users $D && chmod 770 $D && printf old >$F && chgrp users $F && chmod 660 $F",
         "test $(stat -c %a:%U:%G $F) = 660:nobody:users"},
        {"", "a", "printf old >$F && chmod 444 $F", kept},
        {nobody, "a", "chmod 777 $D && printf old >$F", kept},
        {"", "a", "ln -s b $F", "test -L $F && grep -q version $D/b"},
        {"", std::string(255, 'n'), "true", "grep -q version $F"},
        {"", "\xff", "true", "grep -q version $F && iconv -f UTF-8 -t UTF-8 $D/dump >/dev/null"},
    };
    for (const auto& [saver, name, make, holds] : rows) {
        fs::remove_all(dir);
        fs::create_directory(dir);
        ::setenv("D", dir.c_str(), 1);
        ::setenv("F", path(name).c_str(), 1);
        if ((!saver.empty() && ::geteuid() != 0) || std::system(make.c_str()) != 0) {
            std::cout << "skipped, it needs the superuser: " << make << '\n';
            continue;
        }
        const std::string save = "printf 'load\\nsave %s\\ndump\\n' \"$F\" | " + saver + FENDREL_SCRIPT " >$D/dump";
        EXPECT_EQ(std::system((save + " && " + holds + " && ! ls -A $D | grep -q saving").c_str()), 0) << holds;
    }
}

TEST_F(Lessons, NewStartsAfreshWithOneRandomDraw) {
    const Json d = lastDump("random 0.1\nload\nmove 1 3000 1000\nclick LockB\nrandom 0.5\nnew\ndump\n");
    const Json started = lastDump("random 0.5\nload\ndump\n");
    EXPECT_EQ(stateDifference(started, d), "");
    EXPECT_EQ(d["history"]["undo"].number(), 0);
    EXPECT_EQ(fileField(d), "null saved");
}

TEST(ExampleLessons, EachOpensAsTheFigureItsTitlePromises) {
    struct Case {
        const char* file;
        const char* a;
        const char* b;
        const char* r;
    };
    const Case cases[] = {
        {"perpendicular", "A= 3, 0°", "B= 4, 90°", "R= 5, 53.13°"},
        {"equal-at-120", "A= 3000, 0°", "B= 3000, 120°", "R= 3000, 60°"},
        {"opposite", "A= 4000, 0°", "B= 2500, 180°", "R= 1500, 0°"},
        {"triangle", "A= 3354.1, 26.57°", "B= 2692.58, 111.8°", "R= 4472.14, 63.43°"},
        {"forces-to-scale", "A= 30, 0°", "B= 20, 90°", "R= 36.06, 33.69°"},
        {"radians", "A= 3000, .52 r", "B= 2000, 1.57 r", "R= 4358.9, .93 r"},
        {"task-reach", "A= 30, 0°", "B= 20, 90°", "R= 36.06, 33.69°"},
        {"task-balance", "A= 3000, 36.87°", "B= 1697.06, 45°", "R= 4686.15, 39.81°"},
        {"task-predict", "A= 3, 0°", "B= 4, 90°", "R= ?, ?°"},
    };
    const std::string saved = (fs::temp_directory_path() / ("fendrel-example-" + std::to_string(::getpid()))).string();
    for (const Case& c : cases) {
        const std::string file = EXAMPLES_DIR "/" + std::string(c.file) + ".fendrel";
        const Json d = lastDump("load\nopen " + file + "\ndump\nsave " + saved + "\n");
        EXPECT_EQ(readFile(saved), readFile(file)) << c.file << " is not written as the window saves it";
        EXPECT_EQ(dialogs(d).items().size(), 0u) << c.file;
        EXPECT_EQ(caption(d, "SetA"), c.a) << c.file;
        EXPECT_EQ(caption(d, "SetB"), c.b) << c.file;
        EXPECT_EQ(caption(d, "SetR"), c.r) << c.file;
    }
    fs::remove(saved);
    EXPECT_TRUE(lastDump("load\nopen " EXAMPLES_DIR "/triangle.fendrel\ndump\n")["menus"]["ModeB"]["checked"].boolean());
    // The newtons the title promises, which the values below the figure write after each value.
    EXPECT_EQ(nlohmann::json::parse(readFile(EXAMPLES_DIR "/forces-to-scale.fendrel"))["unit"], "N");
}
