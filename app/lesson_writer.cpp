// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include <nlohmann/json.hpp>

#include "app/lesson.h"
#include "app/shown_fields.h"
#include "model/refresh.h"

namespace fendrel {

namespace {

// Keeps the fields in the order written, "format" first, so that the file reads from the top.
using Json = nlohmann::ordered_json;

// A whole number as an integer (3720, not 3720.0), any other as the shortest text that reads
// back as the same double. -0 stays a double, so that its sign survives.
Json number(double v) {
    const bool minusZero = v == 0 && std::signbit(v);
    if (v == std::trunc(v) && std::fabs(v) < 0x1p53 && !minusZero) return static_cast<std::int64_t>(v);
    return v;
}

// A single is written as its own shortest text (0.1, not 0.10000000149011612) where that
// text, read as a double and rounded to single precision, gives back the same single. For
// the two that it does not (±7.038531e-26 rounds twice to a neighbour), the exact double.
Json number(float v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    double shortest = 0;
    std::from_chars(text, end, shortest);
    return number(static_cast<float>(shortest) == v ? shortest : static_cast<double>(v));
}

Json point(float x, float y) { return Json::array({number(x), number(y)}); }

Json vector(const FormState& s, Vec v) {
    const Line& l = s.line(v);
    const Label& label = s.label(v);
    return {{"tip", point(l.x2, l.y2)},
            {"locked", !s.enabled(vectorMenu(v, VectorItem::Title))},
            {"reference", s.checked(vectorMenu(v, VectorItem::Constant))},
            {"label", {{"bold", label.bold}, {"size", number(label.size)}}}};
}

Json lines(const PerVector<Line>& lines) {
    Json out = Json::object();
    for (Vec v : kVectors)
        out[letter(v)] = {{"tail", point(lines[v].x1, lines[v].y1)}, {"tip", point(lines[v].x2, lines[v].y2)}};
    return out;
}

Json letters(const PerVector<bool>& named) {
    Json out = Json::array();
    for (Vec v : kVectors)
        if (named[v]) out.push_back(letter(v));
    return out;
}

Json task(const Task& t) {
    Json out = {{"kind", kTaskKindNames[static_cast<std::size_t>(t.kind)]}, {"text", t.text}};
    if (t.kind == TaskKind::Reach) {
        out["vector"] = letter(t.vector);
        const Goal& g = t.goal;
        out["goal"] = g.form == Goal::Form::Components
                          ? Json{{"x", number(g.components[Axis::X])}, {"y", number(g.components[Axis::Y])}}
                          : Json{{"magnitude", number(g.magnitude)}, {"angle", number(g.angle)},
                                 {"unit", kAngleUnitNames[g.radians ? 1 : 0]}};
    } else {
        Json predict = Json::array();
        for (const PredictedQuantity& p : t.predict)
            predict.push_back(std::string(kQuantityNames[static_cast<std::size_t>(p.quantity)]) + " " +
                              std::string(letter(p.vector)));
        out["predict"] = std::move(predict);
    }
    Json tolerance = Json::object();
    if (t.tolerance.magnitude) tolerance["magnitude"] = number(*t.tolerance.magnitude);
    if (t.tolerance.angle) tolerance["angle"] = number(*t.tolerance.angle);
    if (t.tolerance.component) tolerance["component"] = number(*t.tolerance.component);
    if (!tolerance.empty()) out["tolerance"] = std::move(tolerance);
    out["movable"] = letters(t.movable);
    out["hidden"] = letters(t.hidden);
    out["reveal"] = t.reveal;
    return out;
}

// Whether the quantities shown are what a refresh of the lines as they stand would show.
bool measuredAsTheyStand(const FormState& s) {
    FormState refreshed = s;
    refreshQuantities(refreshed);
    return sameAsShown(refreshed, s);
}

// The position of the quotation mark that closes the JSON string opening at `open`.
std::size_t stringEnd(const std::string& text, std::size_t open) {
    std::size_t i = open + 1;
    while (i < text.size() && text[i] != '"') i += text[i] == '\\' ? 2 : 1;
    return std::min(i, text.size() - 1);
}

// Whether the array opening at `open` holds plain values only: it ends before any array or
// object opens.
bool holdsPlainValues(const std::string& text, std::size_t open) {
    for (std::size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '"') i = stringEnd(text, i);
        else if (text[i] == '[' || text[i] == '{') return false;
        else if (text[i] == ']') return true;
    }
    return false;
}

// Puts each array of plain values on one line ("tip": [3720, 840]): every blank run inside
// such an array, outside its strings, is layout.
std::string withFlatArrays(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    bool flat = false, blank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (flat && (c == ' ' || c == '\n')) {
            blank = true;
            continue;
        }
        if (blank && c != ']' && out.back() != '[') out += ' ';
        blank = false;
        if (c == '[') flat = holdsPlainValues(text, i);
        if (c == ']') flat = false;
        if (c != '"') {
            out += c;
            continue;
        }
        const std::size_t end = stringEnd(text, i);
        out.append(text, i, end + 1 - i);
        i = end;
    }
    return out;
}

}  // namespace

std::string lessonText(const FormState& s, const std::optional<ViewSettings>& view) {
    Json vectors = Json::object();
    for (Vec v : kVectors) vectors[letter(v)] = vector(s, v);
    Json stacking = Json::array();
    for (Vec v : s.stacking) stacking.push_back(letter(v));
    const Line& a = s.line(Vec::A);

    Json lesson = {{"format", kLessonFormat}, {"version", s.task ? kLessonVersion : kLessonVersionWithoutTask}};
    lesson["origin"] = point(a.x1, a.y1);
    lesson["vectors"] = std::move(vectors);
    lesson["layout"] = kLayoutNames[s.modeB() ? 1 : 0];
    lesson["selected"] = letter(s.vars.selected.value_or(Vec::A));
    lesson["angleUnit"] = kAngleUnitNames[s.vars.radMode ? 1 : 0];
    lesson["constant"] = s.vars.referenceConstant.empty() ? Json() : number(s.vars.referenceConstant.read());
    if (!s.unit.empty()) lesson["unit"] = s.unit;
    lesson["background"] = s.backColor;
    lesson["labelStacking"] = std::move(stacking);
    if (!measuredAsTheyStand(s)) lesson["measuredAt"] = lines(s.measured);
    if (view)
        lesson["view"] = {{"zoom", number(view->zoom)},
                          {"fitToWindow", view->fitToWindow},
                          {"arrowHeads", view->arrowHeads},
                          {"grid", view->grid},
                          {"components", kComponentStyleNames[static_cast<std::size_t>(view->components)]},
                          {"angles", view->angles}};
    if (s.task) lesson["task"] = task(*s.task);
    return withFlatArrays(lesson.dump(2)) + "\n";
}

}  // namespace fendrel
