#include "astro/number_text.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace vela::astro {

ShortestDigits ShortestDigitsOf(double positive) {
    // fmt's Dragonbox: the shortest significand and its power of ten, before fmt lays them out
    // (fmt::format("{}") itself lays them out in a shape of its own, which we would parse back).
    const auto decimal = fmt::detail::dragonbox::to_decimal(positive);
    char text[24];
    char* const end = fmt::format_to(text, "{}", decimal.significand);
    ShortestDigits out;
    out.count = static_cast<int>(end - text);
    while (out.count > 1 && text[out.count - 1] == '0') --out.count;
    std::copy(text, text + out.count, out.digits.begin());
    out.exponent = decimal.exponent + static_cast<int>(end - text) - 1;
    return out;
}

std::optional<double> ParseDecimal(std::string_view text) {
    double value = 0;
    const char* const end = text.data() + text.size();
    const auto [ptr, ec] = fast_float::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    // A value below the least double reads as zero: too small to hold, as std::from_chars says.
    if (value == 0) {
        const std::string_view digits = text.substr(0, text.find_first_of("eE"));
        if (std::any_of(digits.begin(), digits.end(), [](char c) { return c >= '1' && c <= '9'; })) return std::nullopt;
    }
    return value;
}

std::string FixedDecimalsText(double value, int decimals) { return fmt::format("{:.{}f}", value, decimals); }

}  // namespace vela::astro
