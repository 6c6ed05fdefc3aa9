#include "files/json_writer.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

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

// Unsigned 128-bit integers (a GCC and Clang extension; -Wpedantic is told so).
__extension__ typedef unsigned __int128 Wide;  // NOLINT(modernize-use-using): __extension__ needs typedef

// 10^k for k in [0, 21], exactly.
constexpr std::array<Wide, 22> kPowersOfTen = [] {
    std::array<Wide, 22> powers{};
    Wide p = 1;
    for (Wide& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void PutPair(char* o, std::uint32_t pair) { std::memcpy(o, kDigitPairs + 2 * pair, 2); }

// value (below 10^8) as exactly eight digits at o.
void PutEightDigits(char* o, std::uint32_t value) {
    const std::uint32_t high = value / 10000, low = value % 10000;
    PutPair(o, high / 100);
    PutPair(o + 2, high % 100);
    PutPair(o + 4, low / 100);
    PutPair(o + 6, low % 100);
}

// The digits of value written ending just before end, without leading zeros; answers where they
// begin.
char* DigitsBefore(char* end, std::uint32_t value) {
    while (value >= 100) {
        end -= 2;
        PutPair(end, value % 100);
        value /= 100;
    }
    if (value >= 10) {
        end -= 2;
        PutPair(end, value);
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

// The same for values below 10^18, eight digits at a time.
char* DigitsBefore(char* end, std::uint64_t value) {
    constexpr std::uint64_t kEight = 100000000;
    if (value < kEight) return DigitsBefore(end, static_cast<std::uint32_t>(value));
    PutEightDigits(end - 8, static_cast<std::uint32_t>(value % kEight));
    value /= kEight;
    if (value < kEight) return DigitsBefore(end - 8, static_cast<std::uint32_t>(value));
    PutEightDigits(end - 16, static_cast<std::uint32_t>(value % kEight));
    return DigitsBefore(end - 16, static_cast<std::uint32_t>(value / kEight));
}

// The shortest digits that read back as the same double, and among those the nearest to it (an
// exact tie to the even digit), for 1e-4 <= magnitude < 1e15. There a double is c * 2^q with c
// of 53 bits and q from -66 to -3, and it is scaled by 10^k (k from 2 to 21) to between 1e16 and
// 2e17: c * 4 * 10^k fits in 128 bits, so the value and both ends of the interval that reads back
// as it are exact fractions over 2^(2 - q), and every comparison below is exact.
char* WriteShortestPlain(char* o, double magnitude) {
    constexpr std::uint64_t kFractionBits = (std::uint64_t{1} << 52) - 1;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t c = (bits & kFractionBits) | (std::uint64_t{1} << 52);
    const int q = static_cast<int>(bits >> 52) - 1075;
    // floor(log10(2^(q + 52))): the value is at least 10^e10 and below 2 * 10^(e10 + 1).
    const int e10 = ((q + 52) * 315653) >> 20;
    const int k = 16 - e10;
    const Wide scale = kPowersOfTen[static_cast<std::size_t>(k)];
    // 10^19 is the last power of ten of 64 bits: below it one 64 x 64 multiplication makes the
    // product (values from 1e-3 up).
    constexpr int kLastNarrowPower = 19;
    const int shift = 2 - q;
    const Wide below = (Wide{1} << shift) - 1;
    // The interval of the reals that read back as this double, in quarters of its unit: half a
    // unit either side, a quarter below where c is the least of its binade (the unit below is half
    // as large). Its ends belong to it when c is even (reading rounds ties to even).
    const bool ends = (c & 1) == 0;
    const Wide value = k <= kLastNarrowPower ? Wide{4 * c} * static_cast<std::uint64_t>(scale) : Wide{4 * c} * scale;
    const Wide upper = value + 2 * scale;
    const Wide lower = value - ((bits & kFractionBits) == 0 ? scale : 2 * scale);
    // The least and greatest whole numbers (units of 10^-k) inside the interval.
    std::uint64_t high = static_cast<std::uint64_t>(upper >> shift);
    if (!ends && (upper & below) == 0) --high;
    std::uint64_t low = static_cast<std::uint64_t>(lower >> shift);
    if (!ends || (lower & below) != 0) ++low;
    // Drop digits while a multiple of the next power of ten still lies inside. The value's whole
    // units lose their digits alongside (divisions by a constant, no division instruction).
    const auto whole = static_cast<std::uint64_t>(value >> shift);
    std::uint64_t unit = 1;
    std::uint64_t digits = whole;  // whole / unit
    int dropped = 0;
    for (std::uint64_t highPart = high, lowPart = low;;) {
        const std::uint64_t nextHigh = highPart / 10, nextLow = (lowPart + 9) / 10;
        if (nextHigh < nextLow) break;
        highPart = nextHigh;
        lowPart = nextLow;
        digits /= 10;
        unit *= 10;
        ++dropped;
    }
    // The multiples of unit on either side of the value; the nearer one, unless it lies outside.
    const Wide rest = ((Wide{whole - digits * unit} << shift) | (value & below)) << 1;
    const Wide half = Wide{unit} << shift;
    bool up = rest > half || (rest == half && (digits & 1) != 0);
    if (up && (digits + 1) * unit > high)
        up = false;
    else if (!up && digits * unit < low)
        up = true;
    if (up) ++digits;

    // digits * 10^(dropped - k), laid out plain: a whole number gains ".0". There are at most 17
    // digits (the interval is over ten units wide from 1e17 up, so one is always dropped there),
    // at most 15 before the point. Every copy is of 16 bytes, which text's bytes after the digits
    // and the caller's room (kMaxJsonNumberBytes) allow: what lies past the number is only room.
    char text[48];
    char* const end = text + 32;
    const char* const first = DigitsBefore(end, digits);
    const int count = static_cast<int>(end - first);
    const int fraction = k - dropped;  // digits after the point
    if (fraction <= 0) {
        // Below 1e15: at most 15 digits, zeros included.
        std::memcpy(o, first, 16);
        o += count;
        std::memset(o, '0', 16);
        o += -fraction;
        std::memcpy(o, ".0", 2);
        return o + 2;
    }
    if (count > fraction) {
        const int before = count - fraction;  // digits before the point
        std::memcpy(o, first, 16);
        o += before;
        *o++ = '.';
        std::memcpy(o, first + before, 16);  // at most 16 digits after the point
        return o + fraction;
    }
    // Below 1: "0.", at most three zeros from 1e-4 up, then up to 17 digits.
    std::memcpy(o, "0.000", 5);
    o += 2 + (fraction - count);
    std::memcpy(o, first, 16);
    if (count > 16) o[16] = first[16];
    return o + count;
}

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
    // Nearly every number of a reading lies where the layout is plain: there the shortest digits
    // in fixed notation are the same digits, laid out as wanted, but for the ".0" of a whole
    // number. 1e15 is a double of its own, so no value below it has its shortest digits round up to
    // it; a value under 1e-4 whose digits round up to 1e-4 takes the general way below.
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-4 && magnitude < 1e15) {
        if (value < 0) *o++ = '-';
        return WriteShortestPlain(o, magnitude);
    }
    // The shortest digits that read back as the same double ("d.ddde+XX"), then laid out as a
    // person writes a number: plain between 1e-4 and 1e15, with an exponent beyond.
    char scientific[32];
    const char* end =
        std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value), std::chars_format::scientific).ptr;
    char digits[24];
    int k = 0;
    const char* p = scientific;
    digits[k++] = *p++;
    if (*p == '.')
        for (++p; *p != 'e'; ++p) digits[k++] = *p;
    ++p;  // the 'e'
    const bool negativeExponent = *p++ == '-';
    int exponent = 0;
    for (; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    if (negativeExponent) exponent = -exponent;
    const int n = exponent + 1;  // where the decimal point falls after digits[0 .. n)

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
    const auto bits = std::bit_cast<std::uint64_t>(value);
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
    auto grown = std::make_unique_for_overwrite<char[]>(wanted);
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
