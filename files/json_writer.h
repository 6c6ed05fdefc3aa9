// A small JSON writer that appends straight to a string, for the command line's output.
//
// A batch run writes one object per row; building each in a document tree first cost more than
// the reading itself. This writer keeps the layout of nlohmann-json's compact dump (which the tests
// read the output back with): no blanks, strings escaped as it escapes them (UTF-8 kept, invalid
// bytes replaced by U+FFFD), doubles with ".0" on whole numbers and an exponent outside 1e-4 .. 1e15.
// Doubles are written in their shortest round-trip digits (fmt's Dragonbox, astro/number_text),
// which the library's Grisu2 misses in a few cases in a thousand: the same value, one digit fewer.
//
// Most of a row is fixed text (keys, names, significance lines, interpretations): keys are checked
// when the program is compiled and copied as they are, and fixed texts are escaped once
// (EscapedJson) and then copied, so only the texts of the reading itself are escaped per row.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace vela::files {

// Room for any number's text ("-1.2345678901234567e-308" is 24 bytes, the longest plain one the
// sign, 17 digits, the point and three zeros), with some to spare.
inline constexpr std::size_t kMaxJsonNumberBytes = 40;

// A key of the program's own objects. The constructor only runs when compiled (consteval), and a
// key that would need escaping stops the build, so a key is copied as it is.
class JsonKey {
public:
    template <std::size_t N>
    consteval JsonKey(const char (&key)[N]) : text(key, N - 1) {  // NOLINT: implicit on purpose
        for (const char c : text)
            if (c < 0x20 || c == '"' || c == '\\' || c == 0x7F) NeedsEscaping();
    }
    std::string_view Text() const { return text; }

private:
    // Not constexpr: calling it from the constructor makes the key a compile-time error.
    static void NeedsEscaping() {}
    std::string_view text;
};

// The JSON text of a string, quotes included, escaped ahead by EscapedJson.
struct EscapedJsonText {
    std::string_view json;
};

// The last two numbers written and their texts: the portions' ends are the next portions' starts,
// and two upagrahas that share a moment share their longitude too (moment, longitude, moment,
// longitude), so their text is copied instead of made again.
class RecentNumbers {
public:
    // The text of value, made or remembered; it lies at the start of kMaxJsonNumberBytes bytes.
    std::string_view Text(double value);

private:
    struct WrittenNumber {
        std::uint64_t bits = 0;
        std::array<char, kMaxJsonNumberBytes> text{};
        std::size_t length = 0;  // 0: no number written here yet
    };
    std::array<WrittenNumber, 2> numbers{};
    std::size_t newest = 0;  // the index of the last number written
};

// Text that grows without writing its room first (std::string::resize fills it with zeros, which
// the next bytes overwrite at once): the batch's lines are written here, a chunk at a time.
class TextBuffer {
public:
    std::string_view View() const { return {bytes.get(), size}; }
    std::size_t Size() const { return size; }
    std::size_t Capacity() const { return capacity; }
    void Clear() { size = 0; }
    // Cuts the text to its first length bytes.
    void Truncate(std::size_t length) { size = std::min(size, length); }
    // Gives the memory back.
    void Release() {
        bytes.reset();
        size = capacity = 0;
    }
    void Append(std::string_view text) {
        if (text.empty()) return;  // no room may have been made yet
        std::memcpy(Room(text.size()), text.data(), text.size());
        size += text.size();
    }
    void Append(char c) {
        *Room(1) = c;
        ++size;
    }
    // Room for at least count bytes after the text; what is written there counts once Commit is
    // told where it ends.
    char* Room(std::size_t count) {
        if (capacity - size < count) Grow(count);
        return bytes.get() + size;
    }
    void Commit(const char* end) { size = static_cast<std::size_t>(end - bytes.get()); }

private:
    void Grow(std::size_t count);
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::size_t capacity = 0;
};

// JSON laid out by its caller: the fixed runs of an object (keys with their quotes and colons,
// commas, brackets) are copied as given, as whole pieces, and only the values are escaped or
// formatted, in the same way as JsonWriter writes them. The batch's line is mostly such runs.
class JsonPieces {
public:
    explicit JsonPieces(TextBuffer& target) : out(target) {}

    // A fixed run, copied as it is: the caller's own literal, which needs no escaping.
    template <std::size_t N>
    void Put(const char (&piece)[N]) {
        Copy(piece, N - 1);
    }
    // A string escaped ahead (EscapedJson), quotes included.
    void Put(EscapedJsonText text) { Copy(text.json.data(), text.json.size()); }
    void String(std::string_view text);
    void Number(double value) {
        // A number's text is at most 24 bytes and lies in an array of kMaxJsonNumberBytes: a
        // copy of fixed length (a few moves) and the cursor moved by the text's own.
        constexpr std::size_t kCopied = 32;
        static_assert(kCopied <= kMaxJsonNumberBytes);
        const std::string_view text = recent.Text(value);
        char* o = out.Room(kCopied);
        std::memcpy(o, text.data(), kCopied);
        out.Commit(o + text.size());
    }
    void Integer(std::int64_t value);
    void Bool(bool value) {
        if (value)
            Put("true");
        else
            Put("false");
    }

private:
    void Copy(const char* from, std::size_t count) {
        char* o = out.Room(count);
        std::memcpy(o, from, count);
        out.Commit(o + count);
    }
    TextBuffer& out;
    RecentNumbers recent;
};

// Appends to the target string through a cursor: room is made in steps, and every piece is a
// plain copy, so the fixed parts of an object cost a few moves each. The target holds exactly the
// text written once the writer is gone (or after Finish).
class JsonWriter {
public:
    explicit JsonWriter(std::string& target) : out(target), cursor(target.size()) {}
    ~JsonWriter() { Finish(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // Cuts the target to what was written; writing may go on after it.
    void Finish() { out.resize(cursor); }

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }

    // The key of the next value in an object.
    void Key(JsonKey key) {
        BeforeValue();
        const std::string_view text = key.Text();
        char* o = Room(text.size() + 3);
        *o++ = '"';
        std::memcpy(o, text.data(), text.size());
        o += text.size();
        *o++ = '"';
        *o = ':';
        cursor += text.size() + 3;
        afterKey = true;
    }

    void String(std::string_view text);
    // A string escaped ahead: copied as it is.
    void String(EscapedJsonText text) {
        BeforeValue();
        Put(text.json);
    }
    void Number(double value);
    void Integer(std::int64_t value);
    void Bool(bool value) {
        BeforeValue();
        Put(value ? std::string_view("true") : std::string_view("false"));
    }
    void Null() {
        BeforeValue();
        Put("null");
    }

    // Key and value in one call.
    template <class T>
    void Field(JsonKey key, const T& value) {
        Key(key);
        Value(value);
    }

private:
    void Value(std::string_view v) { String(v); }
    void Value(const char* v) { String(std::string_view(v)); }
    void Value(EscapedJsonText v) { String(v); }
    void Value(double v) { Number(v); }
    void Value(int v) { Integer(v); }
    void Value(std::int64_t v) { Integer(v); }
    void Value(bool v) { Bool(v); }

    // Where the next bytes (at most count) go; cursor moves only when they are written.
    char* Room(std::size_t count) {
        if (out.size() - cursor < count) Grow(count);
        return out.data() + cursor;
    }
    void Grow(std::size_t count);
    void Put(std::string_view text) {
        std::memcpy(Room(text.size()), text.data(), text.size());
        cursor += text.size();
    }
    void Put(char c) {
        *Room(1) = c;
        ++cursor;
    }

    void BeforeValue() {
        if (afterKey) {
            afterKey = false;
            return;
        }
        if (depth > 0) {
            bool& firstInLevel = first[std::min(depth, kMaxDepth) - 1];
            if (!firstInLevel) Put(',');
            firstInLevel = false;
        }
    }
    void Open(char bracket) {
        BeforeValue();
        Put(bracket);
        if (depth < kMaxDepth) first[depth] = true;
        ++depth;
    }
    void Close(char bracket) {
        Put(bracket);
        if (depth > 0) --depth;
    }

    static constexpr std::size_t kMaxDepth = 16;
    std::string& out;  // written up to cursor; what lies beyond is room, not text
    std::size_t cursor = 0;
    RecentNumbers recent;
    std::array<bool, kMaxDepth> first{};  // nothing written yet at this depth
    std::size_t depth = 0;
    bool afterKey = false;
};

// The text of a JSON string, quotes included, as JsonWriter writes it.
void AppendJsonString(std::string& out, std::string_view text);
// The most bytes the JSON string of a text can take: a control byte becomes six.
constexpr std::size_t MaxJsonStringBytes(std::size_t textBytes) { return 6 * textBytes + 2; }
// The same written at o, which has room for MaxJsonStringBytes(text.size()); answers the end.
char* WriteJsonString(char* o, std::string_view text);
// The same as a string of its own, for fixed texts escaped once and written as EscapedJsonText.
std::string EscapedJson(std::string_view text);
// A double as JsonWriter writes it ("null" for infinities and NaN, which JSON cannot hold).
void AppendJsonNumber(std::string& out, double value);
// The same written at o, which has room for kMaxJsonNumberBytes; answers the end of the text.
char* WriteJsonNumber(char* o, double value);
// The length of the leading run of text that a JSON string holds as it is.
std::size_t JsonPlainRun(std::string_view text);

}  // namespace vela::files
