// The JSON writer's own shortest digits as they were before numbers went through astro/number_text
// (fmt's Dragonbox): exact 128-bit arithmetic for 1e-4 <= magnitude < 1e15. Kept here only to be
// timed side by side with the route that replaced it (cli_bench, BM_NumberBefore).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace vela::bench_before {

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline void PutPair(char* o, std::uint32_t pair) { std::memcpy(o, kDigitPairs + 2 * pair, 2); }

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

// value (below 10^8) as exactly eight digits at o.
inline void PutEightDigits(char* o, std::uint32_t value) {
    const std::uint32_t high = value / 10000, low = value % 10000;
    PutPair(o, high / 100);
    PutPair(o + 2, high % 100);
    PutPair(o + 4, low / 100);
    PutPair(o + 6, low % 100);
}

// The digits of value written ending just before end, without leading zeros; answers where they
// begin.
inline char* DigitsBefore(char* end, std::uint32_t value) {
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
inline char* DigitsBefore(char* end, std::uint64_t value) {
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
inline char* WriteShortestPlain(char* o, double magnitude) {
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

}  // namespace vela::bench_before
