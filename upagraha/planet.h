// The seven planets that rule portions of the day and night, and the portion no planet rules.
//
// The upagraha stage gives each of the eight portions a lord from one rotation rule per lord order
// (upagraha/profiles.h); the lords travel as values and become texts only where they are shown:
// the report, the working, the command line's JSON.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vela::upagraha {

// In weekday order: Sunday's lord first. NoLord marks the portion no planet rules.
enum class Planet : std::int8_t { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, NoLord };

inline constexpr int kWeekdayLordCount = 7;

// The lord of a weekday (0 = Sunday .. 6 = Saturday).
constexpr Planet WeekdayLord(int weekday) { return static_cast<Planet>(((weekday % 7) + 7) % 7); }

// The name the report and the command line show: "Sun", "Moon", "Mars", "Merc", "Jup", "Ven",
// "Sat", and the em dash for the portion no planet rules.
constexpr std::string_view PlanetText(Planet planet) {
    constexpr std::array<std::string_view, 8> kTexts = {"Sun", "Moon", "Mars", "Merc", "Jup", "Ven", "Sat", "\u2014"};
    return kTexts[static_cast<std::size_t>(planet)];
}

}  // namespace vela::upagraha
