#include "cli/Json.h"

#include "cli/CliStrings.h"

#include <cstdio>
#include <iomanip>
#include <ostream>
#include <sstream>

JsonValue& JsonValue::add(std::string key, JsonValue value) {
    auto& object = std::get<Object>(value_);
    object.emplace_back(std::move(key), std::move(value));
    return object.back().second;
}

JsonValue& JsonValue::add(std::string key, JsonValue value, int textLabel) {
    value.textLabel_ = textLabel;
    return add(std::move(key), std::move(value));
}

JsonValue& JsonValue::push(JsonValue value) {
    auto& array = std::get<Array>(value_);
    array.push_back(std::move(value));
    return array.back();
}

const JsonValue* JsonValue::find(const std::string& key) const {
    if (!isObject()) return nullptr;
    for (const auto& [k, v] : members())
        if (k == key) return &v;
    return nullptr;
}

std::string JsonValue::asString() const {
    struct Visitor {
        std::string operator()(std::nullptr_t) const { return "null"; }
        std::string operator()(bool b) const { return b ? "true" : "false"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const {
            std::ostringstream os;
            os << std::setprecision(17) << d;
            return os.str();
        }
        std::string operator()(const std::string& s) const { return s; }
        std::string operator()(const Array&) const { return "[...]"; }
        std::string operator()(const Object&) const { return "{...}"; }
    };
    return std::visit(Visitor{}, value_);
}

std::string jsonQuote(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

void JsonValue::writeJson(std::ostream& os, int indent) const {
    const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
    const std::string closePad(static_cast<std::size_t>(indent), ' ');
    if (const auto* s = std::get_if<std::string>(&value_)) {
        os << jsonQuote(*s);
    } else if (const auto* a = std::get_if<Array>(&value_)) {
        if (a->empty()) {
            os << "[]";
            return;
        }
        os << "[\n";
        for (std::size_t i = 0; i < a->size(); ++i) {
            os << pad;
            (*a)[i].writeJson(os, indent + 2);
            os << (i + 1 < a->size() ? ",\n" : "\n");
        }
        os << closePad << "]";
    } else if (const auto* o = std::get_if<Object>(&value_)) {
        if (o->empty()) {
            os << "{}";
            return;
        }
        os << "{\n";
        for (std::size_t i = 0; i < o->size(); ++i) {
            os << pad << jsonQuote((*o)[i].first) << ": ";
            (*o)[i].second.writeJson(os, indent + 2);
            os << (i + 1 < o->size() ? ",\n" : "\n");
        }
        os << closePad << "}";
    } else {
        os << asString();
    }
}

void JsonValue::writeText(std::ostream& os, int indent) const {
    const std::string pad(static_cast<std::size_t>(indent), ' ');
    if (const auto* o = std::get_if<Object>(&value_)) {
        for (const auto& [key, value] : *o) {
            const std::string& label = value.textLabel_ != 0 ? kxString(value.textLabel_) : key;
            if ((value.isObject() && !value.members().empty()) ||
                (value.isArray() && !value.elements().empty())) {
                os << pad << label << ":\n";
                value.writeText(os, indent + 2);
            } else if (value.isArray() || value.isObject()) {
                os << pad << label << ": " << kxString(kxStrCliNone) << "\n";
            } else {
                os << pad << label << ": " << value.asString() << "\n";
            }
        }
    } else if (const auto* a = std::get_if<Array>(&value_)) {
        for (const auto& element : *a) {
            if (element.isObject()) {
                std::ostringstream inner;
                element.writeText(inner, indent + 2);
                std::string text = inner.str();
                // The first line of each element carries the list marker.
                text.replace(static_cast<std::size_t>(indent), 2, "- ");
                os << text;
            } else {
                os << pad << "- " << element.asString() << "\n";
            }
        }
    } else {
        os << pad << asString() << "\n";
    }
}
