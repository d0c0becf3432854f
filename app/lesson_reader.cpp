// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/initial_form.h"
#include "app/lesson.h"
#include "app/load_handler.h"
#include "app/unit_of_measure.h"
#include "commands/angle_unit.h"
#include "interaction/placement.h"
#include "model/angles.h"
#include "model/numbers.h"
#include "model/refresh.h"
#include "model/translation.h"
#include "model/utf8.h"

namespace fendrel {

namespace {

using Json = nlohmann::json;

// A lesson needs four levels; anything much deeper is no lesson and costs only memory.
constexpr int kMaxDepth = 32;
constexpr double kMinLabelSize = 4;
constexpr double kMaxLabelSize = 96;
constexpr double kMaxColor = 0xFFFFFF;

// Each reason follows "could not be opened: " and is a pattern of the catalogue.
[[noreturn]] void refuse(std::string_view reason,
                         std::initializer_list<std::pair<std::string_view, std::string_view>> values = {}) {
    throw LessonError(fill(_(reason), values));
}

// A value of the file and where it stands in it ("vectors.A.tip"), for the messages.
struct Field {
    const Json& value;
    std::string path;

    [[noreturn]] void mustBe(std::string_view reason) const { refuse(reason, {{"field", path}}); }

    const Json& object() const {
        // TRANSLATORS: why a lesson file is refused, after "could not be opened: ", as all the
        // texts that follow. {field} names a field as the file writes it ("vectors.A.tip"):
        // keep it as it is, in its quotation marks.
        if (!value.is_object()) mustBe(N_("\"{field}\" must be an object"));
        return value;
    }
    std::optional<Field> optional(const std::string& key) const {
        const auto it = object().find(key);
        if (it == value.end()) return std::nullopt;
        return Field{*it, path.empty() ? key : path + "." + key};
    }
    Field operator[](const std::string& key) const {
        if (auto f = optional(key)) return *f;
        refuse(N_("the field \"{field}\" is missing"), {{"field", path.empty() ? key : path + "." + key}});
    }
    // Always finite: the parser refuses a number beyond the double range.
    double number() const {
        if (!value.is_number()) mustBe(N_("\"{field}\" must be a number"));
        return value.get<double>();
    }
    double numberWithin(double low, double high, std::string_view what) const {
        const double v = number();
        if (v < low || v > high) mustBe(what);
        return v;
    }
    double wholeWithin(double low, double high, std::string_view what) const {
        const double v = numberWithin(low, high, what);
        if (v != std::trunc(v)) mustBe(what);
        return v;
    }
    bool flag() const {
        if (!value.is_boolean()) mustBe(N_("\"{field}\" must be true or false"));
        return value.get<bool>();
    }
    const std::string& text() const {
        if (!value.is_string()) mustBe(N_("\"{field}\" must be a text"));
        return value.get_ref<const std::string&>();
    }
    // The items of an array, each by where it stands ("task.hidden").
    std::vector<Field> items() const {
        if (!value.is_array()) mustBe(N_("\"{field}\" must be a list"));
        std::vector<Field> out;
        for (const Json& item : value) out.push_back({item, path});
        return out;
    }
    // The position of the field's text among `names`.
    template <std::size_t N>
    std::size_t oneOf(const std::array<std::string_view, N>& names) const {
        std::string list;
        for (std::string_view n : names) list += (list.empty() ? "\"" : ", \"") + std::string(n) + "\"";
        const auto it = value.is_string() ? std::find(names.begin(), names.end(), value.get_ref<const std::string&>())
                                          : names.end();
        if (it == names.end()) refuse(N_("\"{field}\" must be one of {choices}"), {{"field", path}, {"choices", list}});
        return static_cast<std::size_t>(it - names.begin());
    }
    Vec vector() const { return kVectors[oneOf(kLetters)]; }
    // [x, y] in window units, each within the coordinate limit.
    std::array<float, 2> point() const {
        if (!value.is_array() || value.size() != 2) mustBe(N_("\"{field}\" must be a pair of numbers [x, y]"));
        std::array<float, 2> p{};
        for (std::size_t i = 0; i < 2; ++i) {
            const double c = Field{value[i], path}.number();
            p[i] = static_cast<float>(c);
            if (!(std::fabs(p[i]) <= kCoordinateLimit)) mustBe(N_("\"{field}\" lies beyond \u00B110,000,000 window units"));
        }
        return p;
    }
};

void setTail(Line& l, std::array<float, 2> p) { l.x1 = p[0]; l.y1 = p[1]; }
void setTip(Line& l, std::array<float, 2> p) { l.x2 = p[0]; l.y2 = p[1]; }
void placeLike(Line& l, const Line& where) { l.x1 = where.x1; l.y1 = where.y1; l.x2 = where.x2; l.y2 = where.y2; }

// An object or an array being read: an object's keys so far, and the key of the value read now.
struct OpenValue {
    std::set<std::string, std::less<>> keys;
    std::string key;
};

// "vectors.A.tip": the keys of the open objects down to `key`.
std::string fieldPath(const std::vector<OpenValue>& open, std::string_view key) {
    std::string path;
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        if (!open[i].key.empty()) path += open[i].key + ".";
    return path + std::string(key);
}

Json parse(std::string_view text) {
    std::vector<OpenValue> open;
    const auto check = [&open](int depth, Json::parse_event_t event, Json& parsed) {
        if (depth > kMaxDepth)
            refuse(N_("it is nested more than {depth} levels deep"), {{"depth", std::to_string(kMaxDepth)}});
        using Event = Json::parse_event_t;
        if (event == Event::object_start || event == Event::array_start) open.emplace_back();
        if (event == Event::object_end || event == Event::array_end) open.pop_back();
        if (event == Event::key) {
            const std::string& key = parsed.get_ref<const std::string&>();
            // TRANSLATORS: {field} names a field as the file writes it ("vectors.A.tip").
            constexpr const char* kTwice = N_("\"{field}\" appears twice");
            if (!open.back().keys.insert(key).second) refuse(kTwice, {{"field", fieldPath(open, key)}});
            open.back().key = key;
        }
        return true;
    };
    // A position of the text that breaks JSON's rules, by its line and column.
    const auto notJsonAt = [text](std::size_t at) {
        const std::string_view before = text.substr(0, at);
        const std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
        const std::size_t column = at - (before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1) + 1;
        refuse(N_("it is not valid JSON (line {line}, column {column})"),
               {{"line", std::to_string(line)}, {"column", std::to_string(column)}});
    };
    // The parser ends the text at a NUL byte: the text before it must be the whole value, and
    // the NUL itself is refused where it stands.
    const std::size_t nul = text.find('\0');
    const std::string_view value = text.substr(0, nul);
    Json json;
    try {
        json = Json::parse(value.begin(), value.end(), check);
    } catch (const Json::parse_error& e) {
        notJsonAt(std::min(e.byte > 0 ? e.byte - 1 : 0, value.size()));
    } catch (const Json::out_of_range&) {
        refuse(N_("it holds a number too large to use"));
    }
    if (nul != std::string_view::npos) notJsonAt(nul);
    return json;
}

// The lesson's version, one this Fendrel reads.
int checkFormat(const Field& root) {
    const auto format = root.value.is_object() ? root.optional("format") : std::nullopt;
    if (!format || !format->value.is_string() || format->value.get_ref<const std::string&>() != kLessonFormat)
        refuse(N_("it is not a Fendrel lesson"));
    const double v = root["version"].wholeWithin(1, 1e9, N_("\"{field}\" must be a whole number from 1 up"));
    if (v > kLessonVersion)
        refuse(N_("it was written by a newer version of Fendrel (lesson version {version})"),
               {{"version", std::to_string(static_cast<long long>(v))}});
    return static_cast<int>(v);
}

// The locks, the reference vector and the label of each vector; its tip is placed apart.
void readVectors(const Field& vectors, FormState& s) {
    int locked = 0, references = 0;
    for (Vec v : kVectors) {
        const Field f = vectors[std::string(letter(v))];
        const bool isLocked = f["locked"].flag();
        s.menu(vectorMenu(v, VectorItem::Title)).enabled = !isLocked;
        locked += isLocked;
        const bool isReference = f["reference"].flag();
        s.menu(vectorMenu(v, VectorItem::Constant)).checked = isReference;
        references += isReference;
        const Field label = f["label"];
        s.label(v).bold = label["bold"].flag();
        s.label(v).size = label["size"].numberWithin(kMinLabelSize, kMaxLabelSize,
                                                     N_("\"{field}\" must be a size from 4 to 96 points"));
    }
    if (locked != 1) refuse(N_("exactly one vector must be locked, not {count}"), {{"count", std::to_string(locked)}});
    if (references > 1)
        refuse(N_("only one vector can be the reference vector, not {count}"), {{"count", std::to_string(references)}});
}

// Where the lines stand: from the origin, B from A's tip in the triangle layout.
PerVector<Line> readFigure(const Field& root, const FormState& s) {
    PerVector<Line> lines;
    const std::array<float, 2> origin = root["origin"].point();
    for (Vec v : kVectors) {
        setTail(lines[v], origin);
        setTip(lines[v], root["vectors"][std::string(letter(v))]["tip"].point());
    }
    if (s.modeB()) {
        lines[Vec::B].x1 = lines[Vec::A].x2;
        lines[Vec::B].y1 = lines[Vec::A].y2;
        if (lines[Vec::B].x2 != lines[Vec::R].x2 || lines[Vec::B].y2 != lines[Vec::R].y2)
            refuse(N_("in the triangle layout B must end at R's tip"));
    }
    return lines;
}

PerVector<Line> readMeasured(const Field& measured) {
    PerVector<Line> lines;
    for (Vec v : kVectors) {
        const Field f = measured[std::string(letter(v))];
        setTail(lines[v], f["tail"].point());
        setTip(lines[v], f["tip"].point());
    }
    return lines;
}

std::array<Vec, 3> readStacking(const Field& f) {
    constexpr const char* kOrder = N_("\"{field}\" must be the three letters \"A\", \"B\" and \"R\", bottom first");
    if (!f.value.is_array() || f.value.size() != 3) f.mustBe(kOrder);
    std::array<Vec, 3> order{};
    for (std::size_t i = 0; i < 3; ++i) order[i] = Field{f.value[i], f.path}.vector();
    for (Vec v : kVectors)
        if (std::count(order.begin(), order.end(), v) != 1) f.mustBe(kOrder);
    return order;
}

std::string readUnit(const std::optional<Field>& f) {
    if (!f) return {};
    const auto unit = f->value.is_string() ? unitOfMeasure(f->value.get_ref<const std::string&>()) : std::nullopt;
    if (unit) return *unit;
    // TRANSLATORS: {field} names the field ("unit"), {count} is the most characters a unit may have.
    refuse(N_("\"{field}\" must be a unit of at most {count} characters, with no line breaks or other control characters"),
           {{"field", f->path}, {"count", std::to_string(kMaxUnitCharacters)}});
}

std::optional<ViewSettings> readView(const std::optional<Field>& f) {
    if (!f) return std::nullopt;
    ViewSettings view;
    view.zoom = (*f)["zoom"].numberWithin(kMinZoom, kMaxZoom, N_("\"{field}\" must be a zoom from 0.5 to 4"));
    view.fitToWindow = (*f)["fitToWindow"].flag();
    view.arrowHeads = (*f)["arrowHeads"].flag();
    view.grid = (*f)["grid"].flag();
    // A view saved before the components and angles were drawn draws neither.
    if (const auto components = f->optional("components"))
        view.components = static_cast<ComponentStyle>(components->oneOf(kComponentStyleNames));
    if (const auto angles = f->optional("angles")) view.angles = angles->flag();
    return view;
}

// The letters of a list of vectors, each named once.
PerVector<bool> readLetters(const Field& f) {
    PerVector<bool> named{};
    for (const Field& item : f.items()) {
        const Vec v = item.vector();
        // TRANSLATORS: {field} names a list of the file, {item} what it names twice.
        if (named[v]) refuse(N_("\"{field}\" names \"{item}\" twice"), {{"field", f.path}, {"item", letter(v)}});
        named[v] = true;
    }
    return named;
}

std::string readInstruction(const Field& f) {
    const std::string& text = f.text();
    const std::optional<std::size_t> characters = oneLineCharacters(text);
    if (!characters || *characters == 0 || *characters > kMaxTaskText)
        refuse(N_("\"{field}\" must be one line of 1 to {most} characters"),
               {{"field", f.path}, {"most", std::to_string(kMaxTaskText)}});
    return text;
}

// "magnitude R": a quantity of a vector.
PredictedQuantity readPredicted(const Field& f) {
    // TRANSLATORS: keep the quoted words as they are: the file writes them so.
    constexpr const char* kShape = N_("\"{field}\" must list values such as \"magnitude R\", \"direction R\", \"x R\" or \"y R\"");
    if (!f.value.is_string()) f.mustBe(kShape);
    const std::string& entry = f.value.get_ref<const std::string&>();
    const std::size_t blank = entry.find(' ');
    const std::string_view quantity = std::string_view(entry).substr(0, blank);
    const std::string_view vector = blank == std::string::npos ? std::string_view() : std::string_view(entry).substr(blank + 1);
    const auto q = std::find(kQuantityNames.begin(), kQuantityNames.end(), quantity);
    const auto v = std::find(kLetters.begin(), kLetters.end(), vector);
    if (q == kQuantityNames.end() || v == kLetters.end()) f.mustBe(kShape);
    return {static_cast<Quantity>(q - kQuantityNames.begin()), kVectors[static_cast<std::size_t>(v - kLetters.begin())]};
}

Goal readGoal(const Field& f) {
    const auto has = [&f](const char* key) { return f.object().contains(key); };
    const bool polar = has("magnitude") || has("angle") || has("unit");
    if (polar == (has("x") || has("y")))
        f.mustBe(N_("\"{field}\" must hold either \"magnitude\", \"angle\" and \"unit\", or \"x\" and \"y\""));
    Goal g;
    if (!polar) {
        g.form = Goal::Form::Components;
        g.components = {{f["x"].number(), f["y"].number()}};
        return g;
    }
    const Field magnitude = f["magnitude"];
    g.magnitude = magnitude.number();
    if (!(g.magnitude > 0)) magnitude.mustBe(N_("\"{field}\" must be above 0 (a goal of 0 is given as components)"));
    g.radians = f["unit"].oneOf(kAngleUnitNames) == 1;
    const double turn = g.radians ? 2 * kPi : 360;
    g.angle = f["angle"].numberWithin(-turn, turn, N_("\"{field}\" must be an angle of at most one turn either way"));
    return g;
}

Tolerance readTolerance(const std::optional<Field>& f) {
    Tolerance t;
    if (!f) return t;
    constexpr const char* kLength = N_("\"{field}\" must be a number of 0 or more");
    if (const auto m = f->optional("magnitude")) t.magnitude = m->numberWithin(0, DBL_MAX, kLength);
    if (const auto a = f->optional("angle"))
        t.angle = a->numberWithin(0, 180, N_("\"{field}\" must be an angle from 0 to 180 degrees"));
    if (const auto c = f->optional("component")) t.component = c->numberWithin(0, DBL_MAX, kLength);
    return t;
}

Task readTask(const Field& f) {
    Task t;
    t.kind = static_cast<TaskKind>(f["kind"].oneOf(kTaskKindNames));
    t.text = readInstruction(f["text"]);
    if (t.kind == TaskKind::Reach) {
        t.vector = f["vector"].vector();
        t.goal = readGoal(f["goal"]);
    }
    t.tolerance = readTolerance(f.optional("tolerance"));
    const Field movable = f["movable"], hidden = f["hidden"];
    t.movable = readLetters(movable);
    t.hidden = readLetters(hidden);
    t.reveal = f["reveal"].flag();
    for (Vec v : kVectors)
        if (t.hidden[v] && t.movable[v])
            // TRANSLATORS: {hidden} and {movable} name the two lists of the file, {item} a vector.
            refuse(N_("\"{hidden}\" and \"{movable}\" both name \"{item}\": a vector the student moves shows its values"),
                   {{"hidden", hidden.path}, {"movable", movable.path}, {"item", letter(v)}});
    if (t.kind == TaskKind::Reach) {
        if (std::none_of(t.movable.begin(), t.movable.end(), [](bool m) { return m; }))
            movable.mustBe(N_("\"{field}\" must name a vector: a reach task is solved by moving one"));
        return t;
    }
    const Field predict = f["predict"];
    for (const Field& item : predict.items()) {
        const PredictedQuantity p = readPredicted(item);
        const std::string& entry = item.value.get_ref<const std::string&>();
        if (std::find(t.predict.begin(), t.predict.end(), p) != t.predict.end())
            refuse(N_("\"{field}\" names \"{item}\" twice"), {{"field", predict.path}, {"item", entry}});
        if (!t.hidden[p.vector])
            refuse(N_("\"{field}\" asks for \"{item}\" of a vector that is not hidden"),
                   {{"field", predict.path}, {"item", entry}});
        t.predict.push_back(p);
    }
    if (t.predict.empty()) predict.mustBe(N_("\"{field}\" must name a value to predict"));
    return t;
}

}  // namespace

Lesson lessonFromText(std::string_view text) {
    const Json json = parse(text);
    const Field root{json, ""};
    const int version = checkFormat(root);

    FormState s = initialForm();
    readVectors(root["vectors"], s);
    const bool triangle = root["layout"].oneOf(kLayoutNames) == 1;
    s.menu(Menu::ModeA).checked = !triangle;
    s.menu(Menu::ModeB).checked = triangle;
    s.vars.selected = root["selected"].vector();
    setAngleUnit(s, root["angleUnit"].oneOf(kAngleUnitNames) == 1);
    if (const Field k = root["constant"]; !k.value.is_null()) {
        const double constant = round2(k.number());
        if (constant == 0) k.mustBe(N_("\"{field}\" must not be 0: it is the reference vector's magnitude"));
        s.vars.referenceConstant = Number::dbl(constant);
    }
    if (std::any_of(kVectors.begin(), kVectors.end(), [&](Vec v) { return s.checked(vectorMenu(v, VectorItem::Constant)); }) &&
        s.vars.referenceConstant.empty())
        refuse(N_("the reference vector needs a \"constant\""));
    s.unit = readUnit(root.optional("unit"));
    const double background =
        root["background"].wholeWithin(0, kMaxColor, N_("\"{field}\" must be a colour from 0 to 16777215"));
    paintBackground(s, static_cast<Color>(background));
    s.stacking = readStacking(root["labelStacking"]);
    const PerVector<Line> lines = readFigure(root, s);
    const auto measured = root.optional("measuredAt");
    std::optional<ViewSettings> view = readView(root.optional("view"));
    if (const auto task = root.optional("task"); task && !task->value.is_null()) {
        if (version < kLessonVersion) refuse(N_("a lesson with a \"task\" must be of \"version\" 2"));
        s.task = readTask(*task);
    }

    // The quantities as they were measured, then the lines where they stand now.
    recordArrowColours(s);
    applyVectorColours(s);
    const PerVector<Line> shown = measured ? readMeasured(*measured) : lines;
    for (Vec v : kVectors) placeLike(s.line(v), shown[v]);
    refreshQuantities(s);
    for (Vec v : kVectors) {
        placeLike(s.line(v), lines[v]);
        s.putLabelOnTip(v);
    }
    return {std::move(s), view};
}

}  // namespace fendrel
