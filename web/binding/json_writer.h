// SPDX-License-Identifier: MIT
// A small writer of JSON text: what the browser view receives from the WebAssembly binding.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace kalvora::web {

// Appends values to one JSON text. Objects and arrays are opened and closed by the caller;
// commas between members and elements are written automatically.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The name of the next member of the open object.
    JsonWriter& Key(std::string_view name);
    JsonWriter& String(std::string_view text);
    JsonWriter& Int(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // A member with its value in one call.
    template <typename Value>
    JsonWriter& Member(std::string_view name, const Value& value);

    const std::string& Text() const { return text_; }

private:
    void BeforeValue();
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);

    std::string text_;
    bool needComma_ = false;
};

// `text` as a JSON string literal, quotes included. Bytes from 0x80 up pass unchanged (UTF-8).
std::string Quoted(std::string_view text);

template <typename Value>
JsonWriter& JsonWriter::Member(std::string_view name, const Value& value) {
    Key(name);
    if constexpr (std::is_same_v<Value, bool>)
        return Bool(value);
    else if constexpr (std::is_integral_v<Value> || std::is_enum_v<Value>)
        return Int(static_cast<long long>(value));
    else
        return String(value);
}

}  // namespace kalvora::web
