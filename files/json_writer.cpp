#include "files/json_writer.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "astro/number_text.h"

namespace vela::files {

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

}  // namespace

// The leading run of text that a JSON string holds as it is: printable ASCII other than the quote
// and the backslash. Eight bytes are judged at a time, since most of what the program writes
// (names, places, labels) is such text from end to end.
std::size_t JsonPlainRun(std::string_view text) {
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

namespace {

// Whether a JSON string holds text as it is (JsonPlainRun(text) == text.size()), judged eight
// bytes at a time; the last eight bytes are judged together even where they overlap bytes already
// judged, and a text shorter than eight is judged padded with blanks.
bool IsJsonPlain(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const auto special = [](std::uint64_t v) {
        const auto hasZeroByte = [](std::uint64_t w) { return (w - kOnes) & ~w & kHighs; };
        return (v & kHighs) | ((v - kOnes * 0x20) & ~v & kHighs) | hasZeroByte(v ^ (kOnes * '"')) |
               hasZeroByte(v ^ (kOnes * '\\'));
    };
    std::uint64_t v = kOnes * ' ';
    if (text.size() < 8) {
        if (!text.empty()) std::memcpy(&v, text.data(), text.size());
        return special(v) == 0;
    }
    for (std::size_t i = 0; i + 8 <= text.size(); i += 8) {
        std::memcpy(&v, text.data() + i, 8);
        if (special(v) != 0) return false;
    }
    std::memcpy(&v, text.data() + text.size() - 8, 8);
    return special(v) == 0;
}

}  // namespace

namespace {

// Appends the exponent of a number as the library writes it: a sign, then at least two digits.
char* WriteExponent(char* o, int e) {
    *o++ = e < 0 ? '-' : '+';
    e = std::abs(e);
    if (e >= 100) *o++ = static_cast<char>('0' + e / 100);
    *o++ = static_cast<char>('0' + e / 10 % 10);
    *o++ = static_cast<char>('0' + e % 10);
    return o;
}

char* Copy(char* o, const char* from, int count) {
    std::memcpy(o, from, static_cast<std::size_t>(count));
    return o + count;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void PutPair(char* o, std::uint32_t pair) { std::memcpy(o, kDigitPairs + 2 * pair, 2); }

}  // namespace

char* WriteJsonString(char* o, std::string_view text) {
    *o++ = '"';
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t plain = JsonPlainRun(text.substr(i));
        std::memcpy(o, text.data() + i, plain);
        o += plain;
        i += plain;
        if (i >= text.size()) break;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text, i);
            if (length > 0) {
                std::memcpy(o, text.data() + i, length);
                o += length;
                i += length;
            } else {
                o = Copy(o, kReplacement.data(), static_cast<int>(kReplacement.size()));
                ++i;
            }
            continue;
        }
        *o++ = '\\';
        switch (c) {
            case '"':
                *o++ = '"';
                break;
            case '\\':
                *o++ = '\\';
                break;
            case '\b':
                *o++ = 'b';
                break;
            case '\f':
                *o++ = 'f';
                break;
            case '\n':
                *o++ = 'n';
                break;
            case '\r':
                *o++ = 'r';
                break;
            case '\t':
                *o++ = 't';
                break;
            default:
                o = Copy(o, "u00", 3);
                *o++ = kHex[c >> 4];
                *o++ = kHex[c & 0x0F];
        }
        ++i;
    }
    *o++ = '"';
    return o;
}

// Appended piece by piece: a std::string cannot grow without writing its room first, and six
// bytes of room per byte of text would cost more than the escaping.
void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t plainFrom = 0;
    const auto flush = [&](std::size_t upTo) { out.append(text.substr(plainFrom, upTo - plainFrom)); };
    for (std::size_t i = 0; i < text.size();) {
        i += JsonPlainRun(text.substr(i));
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

std::string EscapedJson(std::string_view text) {
    std::string json;
    AppendJsonString(json, text);
    return json;
}

void AppendJsonNumber(std::string& out, double value) {
    char text[kMaxJsonNumberBytes];
    out.append(text, static_cast<std::size_t>(WriteJsonNumber(text, value) - text));
}

char* WriteJsonNumber(char* o, double value) {
    if (!std::isfinite(value)) return Copy(o, "null", 4);
    if (value == 0) return std::signbit(value) ? Copy(o, "-0.0", 4) : Copy(o, "0.0", 3);
    // The shortest digits that read back as the same double, then laid out as a person writes a
    // number: plain between 1e-4 and 1e15, with an exponent beyond.
    const astro::ShortestDigits shortest = astro::ShortestDigitsOf(std::fabs(value));
    const char* const digits = shortest.digits.data();
    const int k = shortest.count;
    const int n = shortest.exponent + 1;  // where the decimal point falls after digits[0 .. n)

    if (value < 0) *o++ = '-';
    if (k <= n && n <= 15) {
        o = Copy(o, digits, k);
        std::memset(o, '0', static_cast<std::size_t>(n - k));
        o += n - k;
        o = Copy(o, ".0", 2);
    } else if (0 < n && n <= 15) {
        o = Copy(o, digits, n);
        *o++ = '.';
        o = Copy(o, digits + n, k - n);
    } else if (-4 < n && n <= 0) {
        o = Copy(o, "0.", 2);
        std::memset(o, '0', static_cast<std::size_t>(-n));
        o += -n;
        o = Copy(o, digits, k);
    } else {
        *o++ = digits[0];
        if (k > 1) {
            *o++ = '.';
            o = Copy(o, digits + 1, k - 1);
        }
        *o++ = 'e';
        o = WriteExponent(o, n - 1);
    }
    return o;
}

void JsonWriter::Grow(std::size_t count) {
    // A step of room at a time (the string's capacity still grows by doubling): the zeros that
    // resize writes are soon overwritten, and a target that is used again (the batch's lines)
    // keeps its capacity, so after the first row a step costs only those zeros.
    constexpr std::size_t kStepBytes = 1024;
    out.resize(out.size() + std::max(count, kStepBytes));
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    if (IsJsonPlain(text)) {
        char* o = Room(text.size() + 2);
        *o++ = '"';
        std::memcpy(o, text.data(), text.size());
        o[text.size()] = '"';
        cursor += text.size() + 2;
        return;
    }
    Finish();
    AppendJsonString(out, text);
    cursor = out.size();
}

std::string_view RecentNumbers::Text(double value) {
    // The same bits give the same text (so 0.0 and -0.0 stay apart).
    std::uint64_t bits = 0;  // (std::bit_cast, where both toolchains' libraries have it)
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        const WrittenNumber& known = numbers[(newest + k) % numbers.size()];
        if (known.length != 0 && known.bits == bits) return {known.text.data(), known.length};
    }
    newest = (newest + 1) % numbers.size();
    WrittenNumber& written = numbers[newest];
    written.length = static_cast<std::size_t>(WriteJsonNumber(written.text.data(), value) - written.text.data());
    written.bits = bits;
    return {written.text.data(), written.length};
}

void JsonWriter::Number(double value) {
    BeforeValue();
    Put(recent.Text(value));
}

void JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    constexpr std::size_t kMaxBytes = 20;
    char* o = Room(kMaxBytes);
    cursor = static_cast<std::size_t>(std::to_chars(o, o + kMaxBytes, value).ptr - out.data());
}

void TextBuffer::Grow(std::size_t count) {
    // Doubling, from 4 KiB (one reading's line): a chunk of the batch's lines fits after a few
    // steps, once for the whole run, since the batch keeps its buffers.
    constexpr std::size_t kFirstBytes = 4096;
    const std::size_t wanted = std::max({2 * capacity, size + count, kFirstBytes});
    std::unique_ptr<char[]> grown(new char[wanted]);  // left unset, as it is soon overwritten
    if (size > 0) std::memcpy(grown.get(), bytes.get(), size);
    bytes = std::move(grown);
    capacity = wanted;
}

void JsonPieces::String(std::string_view text) {
    // A long text (the zone check's sentence with its degree sign) is copied run by run as it is
    // escaped; a short one (names, places, positions) is judged first and copied whole.
    constexpr std::size_t kLongText = 64;
    if (text.size() <= kLongText && IsJsonPlain(text)) {
        char* o = out.Room(text.size() + 2);
        *o++ = '"';
        std::memcpy(o, text.data(), text.size());
        o[text.size()] = '"';
        out.Commit(o + text.size() + 1);
        return;
    }
    out.Commit(WriteJsonString(out.Room(MaxJsonStringBytes(text.size())), text));
}

void JsonPieces::Integer(std::int64_t value) {
    // Most integers of a line are a digit or two (pada, house, weekday, zone row).
    if (value >= 0 && value < 100) {
        char* o = out.Room(2);
        if (value < 10) {
            *o = static_cast<char>('0' + value);
            out.Commit(o + 1);
        } else {
            PutPair(o, static_cast<std::uint32_t>(value));
            out.Commit(o + 2);
        }
        return;
    }
    constexpr std::size_t kMaxBytes = 20;
    char* o = out.Room(kMaxBytes);
    out.Commit(std::to_chars(o, o + kMaxBytes, value).ptr);
}

}  // namespace vela::files
