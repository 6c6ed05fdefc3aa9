// A small JSON writer that appends straight to a string, for the command line's output.
//
// A batch run writes one object per row; building each in a document tree first cost more than
// the reading itself. This writer keeps the layout of nlohmann-json's compact dump (which the tests
// read the output back with): no blanks, strings escaped as it escapes them (UTF-8 kept, invalid
// bytes replaced by U+FFFD), doubles with ".0" on whole numbers and an exponent outside 1e-4 .. 1e15.
// Doubles are written in their shortest round-trip digits, which the library's Grisu2 misses in a
// few cases in a thousand: the same value, one digit fewer.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vela::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::string& target) : out(target) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The key of the next value in an object.
    void Key(std::string_view key);

    void String(std::string_view text);
    void Number(double value);
    void Integer(std::int64_t value);
    void Bool(bool value);
    void Null();

    // Key and value in one call.
    template <class T>
    void Field(std::string_view key, const T& value) {
        Key(key);
        Value(value);
    }

private:
    void Value(std::string_view v) { String(v); }
    void Value(const char* v) { String(v); }
    void Value(double v) { Number(v); }
    void Value(int v) { Integer(v); }
    void Value(std::int64_t v) { Integer(v); }
    void Value(bool v) { Bool(v); }

    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    static constexpr std::size_t kMaxDepth = 16;
    std::string& out;
    std::array<bool, kMaxDepth> first{};  // nothing written yet at this depth
    std::size_t depth = 0;
    bool afterKey = false;
};

// The text of a JSON string, quotes included, as JsonWriter writes it.
void AppendJsonString(std::string& out, std::string_view text);
// A double as JsonWriter writes it ("null" for infinities and NaN, which JSON cannot hold).
void AppendJsonNumber(std::string& out, double value);

}  // namespace vela::cli
