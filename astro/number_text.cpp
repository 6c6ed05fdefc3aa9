#include "astro/number_text.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace vela::astro {

ShortestDigits ShortestDigitsOf(double positive) {
    // fmt's shortest form is "125", "1.25", "0.0125" or "1.25e+20": its digits, and where its
    // point falls.
    char text[32];
    const char* const end = fmt::format_to(text, "{}", positive);
    ShortestDigits out;
    bool point = false;
    int pointAt = 0, written = 0;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p) {
        if (*p == '.') {
            point = true;
            pointAt = written;
        } else if (out.count > 0 || *p != '0') {
            out.digits[static_cast<std::size_t>(out.count++)] = *p;
            ++written;
        } else if (point) {
            --pointAt;  // a zero after "0." moves the first digit one place down
        }
    }
    if (!point) pointAt = written;
    int exponent = 0;
    if (p != end) {
        const bool negative = p[1] == '-';
        for (p += 2; p != end; ++p) exponent = exponent * 10 + (*p - '0');
        if (negative) exponent = -exponent;
    }
    while (out.count > 1 && out.digits[static_cast<std::size_t>(out.count - 1)] == '0') --out.count;
    out.exponent = pointAt - 1 + exponent;
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

}  // namespace vela::astro
