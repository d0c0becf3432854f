// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace golden {

// A parsed JSON value of a dump or a stored golden: a view into one parsed document.
// Accessors throw std::runtime_error when the value has another kind or a key is missing,
// so a malformed dump fails the test that reads it.
class Json {
public:
    using Member = std::pair<std::string, Json>;

    static Json parse(std::string_view text);

    bool isNull() const { return node_->is_null(); }
    bool boolean() const;
    double number() const;
    const std::string& string() const;
    std::vector<Json> items() const;
    std::vector<Member> members() const;

    bool has(std::string_view key) const;
    Json operator[](std::string_view key) const;
    Json operator[](std::size_t index) const;

    const nlohmann::json& value() const { return *node_; }

private:
    Json(std::shared_ptr<const nlohmann::json> document, const nlohmann::json* node)
        : document_(std::move(document)), node_(node) {}
    Json at(const nlohmann::json& node) const { return {document_, &node}; }

    std::shared_ptr<const nlohmann::json> document_;
    const nlohmann::json* node_;
};

// Where two values first differ, as "path: expected ..., got ...", or "" when they are equal.
// Numbers compare as doubles, object members regardless of their order. Members named in
// `ignoredKeys` are skipped at every depth.
std::string firstDifference(const Json& expected, const Json& actual,
                            const std::vector<std::string>& ignoredKeys = {});

}  // namespace golden
