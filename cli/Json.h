#pragma once
// A small tree of values that the tool prints either as JSON or as indented text, so both
// outputs of a command come from one description.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class JsonValue {
public:
    using Array = std::vector<JsonValue>;
    using Object = std::vector<std::pair<std::string, JsonValue>>;

    JsonValue() : value_(nullptr) {}
    JsonValue(bool b) : value_(b) {}
    JsonValue(int i) : value_(static_cast<std::int64_t>(i)) {}
    JsonValue(std::int64_t i) : value_(i) {}
    JsonValue(std::uint32_t i) : value_(static_cast<std::int64_t>(i)) {}
    JsonValue(std::size_t i) : value_(static_cast<std::int64_t>(i)) {}
    JsonValue(double d) : value_(d) {}
    JsonValue(std::string s) : value_(std::move(s)) {}
    JsonValue(const char* s) : value_(std::string(s)) {}
    JsonValue(Array a) : value_(std::move(a)) {}
    JsonValue(Object o) : value_(std::move(o)) {}

    static JsonValue object() { return JsonValue(Object{}); }
    static JsonValue array() { return JsonValue(Array{}); }

    // Appends a member to an object or an element to an array; returns the new value.
    JsonValue& add(std::string key, JsonValue value);
    // The same, with the numbered text the text report prints instead of the key.
    JsonValue& add(std::string key, JsonValue value, int textLabel);
    JsonValue& push(JsonValue value);

    bool isObject() const { return std::holds_alternative<Object>(value_); }
    bool isArray() const { return std::holds_alternative<Array>(value_); }
    const Object& members() const { return std::get<Object>(value_); }
    const Array& elements() const { return std::get<Array>(value_); }
    const JsonValue* find(const std::string& key) const;
    std::string asString() const;

    void writeJson(std::ostream& os, int indent = 0) const;
    void writeText(std::ostream& os, int indent = 0) const;

private:
    std::variant<std::nullptr_t, bool, std::int64_t, double, std::string, Array, Object> value_;
    int textLabel_ = 0; // as an object's member: the text report's label; 0 prints the key
};

// JSON string escaping of UTF-8 text.
std::string jsonQuote(const std::string& utf8);
