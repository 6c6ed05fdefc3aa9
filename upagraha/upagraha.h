// The eight portions of the day or night of birth, their lords, and the six time-based upagrahas.
//
// Reads the birth moment and place, the birth ascendant and all six stored sunrises and sunsets
// (a night can begin or end on a neighbouring date), and takes the ascendant at the point of each
// upagraha's portion that the profile names: its start, middle or end, or Maandi's ghatis by the
// Kerala rule (upagraha/profiles.h). Under the original's profile every point is the middle, and
// Gulika and Maandi share Saturn's portion, so five moments make six longitudes.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "astro/birth_moment.h"
#include "astro/calendar.h"
#include "astro/fixed_text.h"
#include "upagraha/planet.h"

namespace vela::upagraha {

// What the upagraha stage reads of a reading: the birth moment and place, the birth ascendant, and
// the sunrise and sunset of the birth date and its two calendar neighbours. The reading record
// extends it; the driver fills it before this stage runs.
struct UpagrahaInput : astro::BirthMoment {
    // The sidereal ascendant at the birth moment, [0, 360).
    astro::Degrees birthAscendant;
    // Sunrise and sunset of the day before, the birth day and the day after.
    astro::DateValue prevSunrise = 0;
    astro::DateValue prevSunset = 0;
    astro::DateValue birthSunrise = 0;
    astro::DateValue birthSunset = 0;
    astro::DateValue nextSunrise = 0;
    astro::DateValue nextSunset = 0;
};

}  // namespace vela::upagraha

namespace vela::upagraha {
struct ConventionProfile;
}

namespace vela::upagraha {

inline constexpr int kUpagrahaCount = 6;
inline constexpr int kPortionCount = 8;

inline constexpr std::array<std::string_view, kUpagrahaCount> kUpagrahaNames = {
    "Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka", "Gulika", "Maandi"};
// The planet whose portion gives each upagraha, Kaala .. Maandi.
inline constexpr std::array<Planet, kUpagrahaCount> kUpagrahaLords = {Planet::Sun,     Planet::Mars,   Planet::Mercury,
                                                                      Planet::Jupiter, Planet::Saturn, Planet::Saturn};
inline constexpr std::array<std::string_view, 12> kSignNames = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                                "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                                "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

struct Portion {
    Planet lord = Planet::NoLord;
    double start = 0;  // hours on the birth date's clock (may lie below 0 or above 24)
    double end = 0;
};

struct Upagrahas {
    double birthHour = 0;  // decimal hours on the birth date's clock
    double sunrise = 0;    // hours of the sunrise that opens the day of the birth's reckoning
    double sunset = 0;     // hours of the sunset that ends that day's daylight
    bool birthByDay = false;
    bool beforeSunrise = false;  // born before the birth day's sunrise: the previous day's reckoning
    int reckonedDay = 0;         // the sunrise-to-sunrise day of the birth: -1 previous, 0 birth date, +1 next
    int weekday = 0;             // 0 = Sunday; the weekday whose lords rule the portions
    std::array<Portion, kPortionCount> portions{};
    std::array<int, kUpagrahaCount> portionIndex{};                        // index of each upagraha's portion
    std::array<double, kUpagrahaCount> moments{};                          // clock hours on the birth date
    std::array<astro::PositionText, kUpagrahaCount> upagrahaLongitudes{};  // compact, "05 Leo 23"
    std::array<double, kUpagrahaCount> longitudes{};                       // sidereal degrees, [0, 360)
    std::array<int, kUpagrahaCount> houses{};                              // 1..12 from the birth ascendant's sign
};

// Under the program's own conventions, and under a profile's (upagraha/profiles.h): its lords,
// the point of each upagraha's portion, and the sunrises and sunsets the driver computed with its
// definition of the event.
Upagrahas CalculateUpagrahas(const UpagrahaInput& s);
Upagrahas CalculateUpagrahas(const UpagrahaInput& s, const ConventionProfile& profile);

// House (1..12) of a sign counted from the ascendant's sign, both three-letter abbreviations;
// 12 when a sign is not found. The upagraha stage counts the same way on sign indices.
int HouseFromSigns(std::string_view ascendantSign, std::string_view sign);

// 0 = Aries .. 11 = Pisces for a three-letter abbreviation, -1 for anything else.
int SignIndexOfAbbreviation(std::string_view abbreviation);
// The same count on sign indices; 12 when either is -1.
int HouseFromSignIndices(int ascendantIndex, int signIndex);

}  // namespace vela::upagraha
