// The JSON writer's numbers against std::to_chars on tens of millions of doubles.
//
// Between 1e-4 and 1e15 the writer finds the shortest digits itself (exact 128-bit arithmetic)
// instead of asking std::to_chars; its text must stay what the library's shortest fixed form gives
// ("7" gaining ".0"). This program holds the two against each other on every kind of value a
// reading writes and on the awkward ones (the least double of each binade, powers of ten and
// their neighbours, short decimals, exact halves), and prints how many differ per kind; it fails
// at the first difference. Not a test of the test command: it takes about a minute.
//   build/vela_number_check [millions per kind, default 10]
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string_view>

#include "files/json_writer.h"

namespace {

// The library's shortest fixed text, as the writer wrote every such number before.
std::string_view LibraryText(char* text, double value) {
    char* o = std::to_chars(text, text + 40, value, std::chars_format::fixed).ptr;
    if (std::memchr(text, '.', static_cast<std::size_t>(o - text)) == nullptr) {
        std::memcpy(o, ".0", 2);
        o += 2;
    }
    return {text, static_cast<std::size_t>(o - text)};
}

std::uint64_t checked = 0;

bool Same(double value) {
    if (!(std::fabs(value) >= 1e-4 && std::fabs(value) < 1e15)) return true;  // the other way
    char library[48];
    char ours[vela::files::kMaxJsonNumberBytes];
    const std::string_view expected = LibraryText(library, value);
    const std::string_view written(ours, static_cast<std::size_t>(vela::files::WriteJsonNumber(ours, value) - ours));
    ++checked;
    if (expected == written) return true;
    std::printf("DIFFERENT for %a: library %.*s, ours %.*s\n", value, static_cast<int>(expected.size()),
                expected.data(), static_cast<int>(written.size()), written.data());
    return false;
}

// Runs count values of one kind, each also negated; false at the first difference.
bool Kind(const char* name, std::uint64_t count, const std::function<double(std::uint64_t)>& make) {
    const std::uint64_t before = checked;
    for (std::uint64_t i = 0; i < count; ++i) {
        const double v = make(i);
        if (!Same(v) || !Same(-v)) return false;
    }
    std::printf("%-44s %12llu values, none differs\n", name, static_cast<unsigned long long>(checked - before));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::uint64_t millions = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10;
    const std::uint64_t n = millions * 1000000;
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double least = 1e-4, most = 1e15;
    const auto leastBits = std::bit_cast<std::uint64_t>(least);
    const auto mostBits = std::bit_cast<std::uint64_t>(most);

    bool ok = true;
    // Every bit pattern between the two ends, uniformly: each binade and each fraction alike.
    ok = ok && Kind("bit patterns from 1e-4 to 1e15", n,
                    [&](std::uint64_t) { return std::bit_cast<double>(leastBits + rng() % (mostBits - leastBits)); });
    // What a reading writes: longitudes, clock hours, latitudes and longitudes of places.
    ok = ok && Kind("degrees in [0, 360)", n, [&](std::uint64_t) { return unit(rng) * 360.0; });
    ok = ok && Kind("hours as sums of sixtieths and days' shares", n, [&](std::uint64_t i) {
             const double hours = static_cast<double>(rng() % 48) + static_cast<double>(rng() % 60) / 60.0;
             const double share = (static_cast<double>(rng() % 1440) / 60.0) / 8.0;
             return i % 2 == 0 ? hours + share * static_cast<double>(rng() % 9) : hours + unit(rng) / 3600.0;
         });
    ok = ok && Kind("places in degrees, minutes and seconds", n, [&](std::uint64_t) {
             return static_cast<double>(rng() % 180) + static_cast<double>(rng() % 60) / 60.0 +
                    static_cast<double>(rng() % 60) / 3600.0;
         });
    // Short decimals: the shortest digits are few and the interval holds several candidates.
    ok = ok && Kind("short decimals (integer / 10^d)", n, [&](std::uint64_t) {
             const int places = static_cast<int>(rng() % 19);
             return static_cast<double>(rng() % 100000000000000ULL) / std::pow(10.0, places);
         });
    // Around the least double of each binade (its interval is uneven), powers of ten, whole numbers.
    ok = ok && Kind("powers of two and neighbours", 64 * 2001, [&](std::uint64_t i) {
             const double power = std::ldexp(1.0, static_cast<int>(i / 2001) - 14);
             return std::bit_cast<double>(std::bit_cast<std::uint64_t>(power) + (i % 2001) - 1000);
         });
    ok = ok && Kind("powers of ten and neighbours", 20 * 200001, [&](std::uint64_t i) {
             const double power = std::pow(10.0, static_cast<int>(i / 200001) - 4);
             return std::bit_cast<double>(std::bit_cast<std::uint64_t>(power) + (i % 200001) - 100000);
         });
    ok = ok && Kind("whole numbers and halves up to 1e15", n, [&](std::uint64_t i) {
             const double whole = static_cast<double>(rng() % 1000000000000000ULL >> (rng() % 50));
             return i % 2 == 0 ? whole : whole + 0.5;
         });
    ok = ok && Kind("exact dyadic fractions (k / 2^n)", n, [&](std::uint64_t) {
             return std::ldexp(static_cast<double>(rng() % (1ULL << 40)), -static_cast<int>(rng() % 54));
         });
    std::printf("%s: %llu values compared\n", ok ? "same" : "DIFFERENT", static_cast<unsigned long long>(checked));
    return ok ? 0 : 1;
}
