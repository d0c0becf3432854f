// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace golden {

// A parsed JSON value: just enough to read the driver's dumps and the stored goldens.
// Accessors throw std::runtime_error when the value has another kind or a key is missing,
// so a malformed dump fails the test that reads it.
class Json {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };
    using Member = std::pair<std::string, Json>;

    static Json parse(std::string_view text);

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool boolean() const;
    double number() const;
    const std::string& string() const;
    const std::vector<Json>& items() const;
    const std::vector<Member>& members() const;

    bool has(std::string_view key) const;
    const Json& operator[](std::string_view key) const;
    const Json& operator[](std::size_t index) const;

private:
    friend class JsonParser;
    Kind kind_ = Kind::Null;
    bool bool_ = false;
    double number_ = 0;
    std::string string_;
    std::vector<Json> items_;
    std::vector<Member> members_;
};

// Where two values first differ, as "path: expected ..., got ...", or "" when they are equal.
// Numbers compare as doubles, object members regardless of their order. Members named in
// `ignoredKeys` are skipped at every depth.
std::string firstDifference(const Json& expected, const Json& actual,
                            const std::vector<std::string>& ignoredKeys = {});

}  // namespace golden
