// Decimal texts read as std::from_chars reads them, whatever library does the reading.
#include "astro/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// What std::from_chars makes of the whole text, finite values only: the reading that files kept
// before fast_float did it.
std::optional<double> StandardReading(std::string_view text) {
    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

TEST(ParseDecimal, reads_every_text_as_std_from_chars_does) {
    for (const std::string_view text : {"12.5",   "-0.25", "0",       "-0",     "1e3",
                                        "1E-3",   ".5",    "5.",      "4e-320", "2.5e-308",
                                        "1e-400", "1e400", "-1e-400", "0e-400", "+1",
                                        " 1",     "1 ",    "1.5e",    "0x10",   "nan",
                                        "inf",    "",      "-",       "1,5",    "123456789012345678901234567890"}) {
        EXPECT_EQ(vela::astro::ParseDecimal(text), StandardReading(text)) << '"' << text << '"';
    }
}

}  // namespace
