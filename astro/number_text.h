// Numbers to text and back, the same in the native and the web build: the shortest digits that read
// back as the same double (fmt's Dragonbox) and the reading of a decimal number (fast_float), both
// exact, neither depending on the locale.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vela::astro {

// The shortest digits of a positive finite double that read back as it, the nearest to it among
// those: the value is d1.d2...dn x 10^exponent.
struct ShortestDigits {
    std::array<char, 17> digits{};  // '1'..'9' first, no trailing zeros
    int count = 0;                  // 1..17
    int exponent = 0;               // of the first digit: 1.25 has 0, 1250 has 3, 0.0125 has -2
};

ShortestDigits ShortestDigitsOf(double positive);

// The whole text as one decimal number, as std::from_chars reads it ("12.5", "-0.25", "1e3"; no
// '+', no blanks, no hexadecimal). Refused: anything else in the text, a value that is not finite,
// and a value too large or too small for a double to hold (one that would read as 0 or infinity).
std::optional<double> ParseDecimal(std::string_view text);

// A finite double with a fixed number of decimals, exactly rounded ("14.199999999999999" for 14.2
// with 15), as std::to_chars with std::chars_format::fixed writes it.
std::string FixedDecimalsText(double value, int decimals);

}  // namespace vela::astro
