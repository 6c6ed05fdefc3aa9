#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace vela::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the valid UTF-8 sequence that starts at text[i], or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

// The length of the leading run of text that a JSON string holds as it is: printable ASCII other
// than the quote and the backslash. Eight bytes are judged at a time, since most of what the
// program writes (interpretations, labels, names) is such text from end to end.
std::size_t PlainRun(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t v = 0;
        std::memcpy(&v, text.data() + i, 8);
        // A byte of 0x80 or more, a byte below 0x20, a quote or a backslash stops the run.
        const std::uint64_t special = (v & kHighs) | ((v - kOnes * 0x20) & ~v & kHighs) |
                                      hasZeroByte(v ^ (kOnes * '"')) | hasZeroByte(v ^ (kOnes * '\\'));
        if (special != 0) break;
    }
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\') break;
        ++i;
    }
    return i;
}

void AppendExponent(std::string& out, int e) {
    out += e < 0 ? '-' : '+';
    e = std::abs(e);
    if (e >= 100) out += static_cast<char>('0' + e / 100);
    out += static_cast<char>('0' + e / 10 % 10);
    out += static_cast<char>('0' + e % 10);
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t plainFrom = 0;
    const auto flush = [&](std::size_t upTo) { out.append(text.substr(plainFrom, upTo - plainFrom)); };
    for (std::size_t i = 0; i < text.size();) {
        i += PlainRun(text.substr(i));
        if (i >= text.size()) break;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text, i);
            if (length > 0) {
                i += length;
                continue;
            }
            flush(i);
            out += kReplacement;
            plainFrom = ++i;
            continue;
        }
        flush(i);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0x0F];
        }
        plainFrom = ++i;
    }
    flush(text.size());
    out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    if (value == 0) {
        out += std::signbit(value) ? "-0.0" : "0.0";
        return;
    }
    if (value < 0) {
        out += '-';
        value = -value;
    }
    // The shortest digits that read back as the same double, then laid out as a person writes a
    // number: plain between 1e-4 and 1e15, with an exponent beyond.
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr;
    const char* e = std::find(buf, end, 'e');
    char digits[24];
    int k = 0;
    for (const char* p = buf; p < e; ++p)
        if (*p != '.') digits[k++] = *p;
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    const int n = exponent + 1;  // where the decimal point falls after digits[0 .. n)
    const std::string_view all(digits, static_cast<std::size_t>(k));
    if (k <= n && n <= 15) {
        out += all;
        out.append(static_cast<std::size_t>(n - k), '0');
        out += ".0";
    } else if (0 < n && n <= 15) {
        out += all.substr(0, static_cast<std::size_t>(n));
        out += '.';
        out += all.substr(static_cast<std::size_t>(n));
    } else if (-4 < n && n <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-n), '0');
        out += all;
    } else {
        out += all[0];
        if (k > 1) {
            out += '.';
            out += all.substr(1);
        }
        out += 'e';
        AppendExponent(out, n - 1);
    }
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    AppendJsonString(out, key);
    out += ':';
    afterKey = true;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    AppendJsonString(out, text);
}

void JsonWriter::Number(double value) {
    BeforeValue();
    AppendJsonNumber(out, value);
}

void JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    char buf[24];
    out.append(buf, static_cast<std::size_t>(std::to_chars(buf, buf + sizeof buf, value).ptr - buf));
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    out += "null";
}

void JsonWriter::BeforeValue() {
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (depth > 0) {
        bool& firstInLevel = first[std::min(depth, kMaxDepth) - 1];
        if (!firstInLevel) out += ',';
        firstInLevel = false;
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out += bracket;
    if (depth < kMaxDepth) first[depth] = true;
    ++depth;
}

void JsonWriter::Close(char bracket) {
    out += bracket;
    if (depth > 0) --depth;
}

}  // namespace vela::cli
