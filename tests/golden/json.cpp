// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <algorithm>
#include <stdexcept>

namespace golden {

namespace {

[[noreturn]] void wrongKind(const nlohmann::json& v, const char* wanted) {
    throw std::runtime_error(std::string("expected ") + wanted + ", got " + v.dump());
}

// Drops the ignored members at every depth, so that what is left compares as a whole.
nlohmann::json without(const nlohmann::json& v, const std::vector<std::string>& ignored) {
    if (v.is_array()) {
        nlohmann::json out = nlohmann::json::array();
        for (const auto& item : v) out.push_back(without(item, ignored));
        return out;
    }
    if (!v.is_object()) return v;
    nlohmann::json out = nlohmann::json::object();
    for (const auto& [key, item] : v.items())
        if (std::find(ignored.begin(), ignored.end(), key) == ignored.end()) out[key] = without(item, ignored);
    return out;
}

}  // namespace

Json Json::parse(std::string_view text) {
    try {
        auto document = std::make_shared<const nlohmann::json>(nlohmann::json::parse(text));
        const nlohmann::json* root = document.get();
        return {std::move(document), root};
    } catch (const nlohmann::json::parse_error& e) {
        throw std::runtime_error(e.what());
    }
}

bool Json::boolean() const {
    if (!node_->is_boolean()) wrongKind(*node_, "true or false");
    return node_->get<bool>();
}

double Json::number() const {
    if (!node_->is_number()) wrongKind(*node_, "a number");
    return node_->get<double>();
}

const std::string& Json::string() const {
    if (!node_->is_string()) wrongKind(*node_, "a string");
    return node_->get_ref<const std::string&>();
}

std::vector<Json> Json::items() const {
    if (!node_->is_array()) wrongKind(*node_, "an array");
    std::vector<Json> out;
    for (const auto& item : *node_) out.push_back(at(item));
    return out;
}

std::vector<Json::Member> Json::members() const {
    if (!node_->is_object()) wrongKind(*node_, "an object");
    std::vector<Member> out;
    for (const auto& [key, item] : node_->items()) out.emplace_back(key, at(item));
    return out;
}

bool Json::has(std::string_view key) const { return node_->is_object() && node_->contains(key); }

Json Json::operator[](std::string_view key) const {
    if (!has(key)) throw std::runtime_error("no member \"" + std::string(key) + "\" in " + node_->dump());
    return at(node_->find(key).value());
}

Json Json::operator[](std::size_t index) const {
    if (!node_->is_array() || index >= node_->size())
        throw std::runtime_error("no item " + std::to_string(index) + " in " + node_->dump());
    return at((*node_)[index]);
}

std::string firstDifference(const Json& expected, const Json& actual, const std::vector<std::string>& ignoredKeys) {
    const nlohmann::json e = without(expected.value(), ignoredKeys);
    const nlohmann::json a = without(actual.value(), ignoredKeys);
    const nlohmann::json patch = nlohmann::json::diff(e, a);
    if (patch.empty()) return "";
    const nlohmann::json& first = patch.front();
    const nlohmann::json::json_pointer where(first["path"].get<std::string>());
    const std::string op = first["op"].get<std::string>();
    const std::string path = where.to_string();
    if (op == "add") return path + ": unexpected member";
    if (op == "remove") return path + ": missing";
    return path + ": expected " + e.at(where).dump() + ", got " + a.at(where).dump();
}

}  // namespace golden
