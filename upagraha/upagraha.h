// The eight portions of the day or night of birth, their lords, and the six time-based upagrahas.
//
// Reads the birth moment and place, the birth ascendant and all six stored sunrises and sunsets
// (a night can begin or end on a neighbouring date), and takes the ascendant at the middle of each
// upagraha's portion (Gulika and Maandi share Saturn's, so five moments make six longitudes).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "astro/birth_moment.h"
#include "astro/calendar.h"
#include "astro/fixed_text.h"

namespace vela {

// What the upagraha stage reads of a reading: the birth moment and place, the birth ascendant, and
// the sunrise and sunset of the birth date and its two calendar neighbours. The reading record
// extends it; the driver fills it before this stage runs.
struct UpagrahaInput : BirthMoment {
    // Compact text of the sidereal ascendant at the birth moment ("05 Can 45").
    std::string strBirthAscendant;
    // Sunrise and sunset of the day before, the birth day and the day after.
    DateValue dtPrevSunrise = 0;
    DateValue dtPrevSunset = 0;
    DateValue dtBirthSunrise = 0;
    DateValue dtBirthSunset = 0;
    DateValue dtNextSunrise = 0;
    DateValue dtNextSunset = 0;
};

}  // namespace vela

namespace vela::modConventionProfiles {
struct ConventionProfile;
}

namespace vela::modVedicUpagrahas {

inline constexpr int kUpagrahaCount = 6;
inline constexpr int kPortionCount = 8;

// The em dash marks a portion that no planet rules.
inline constexpr std::string_view kNoLord = "\u2014";

// The portions' lords by the names the tables and the report use.
namespace modLords {
inline constexpr std::string_view Sun = "Sun", Moon = "Moon", Mars = "Mars", Merc = "Merc", Jup = "Jup", Ven = "Ven",
                                  Sat = "Sat", Non = kNoLord;
}  // namespace modLords

using LordRow = std::array<std::string_view, kPortionCount>;
// Indexed by weekday (0 = Sunday) and portion.
extern const std::array<LordRow, 7> strDayPortionLords;
extern const std::array<LordRow, 7> strNightPortionLords;

inline constexpr std::array<std::string_view, kUpagrahaCount> strUpagrahaNames = {
    "Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka", "Gulika", "Maandi"};
inline constexpr std::array<std::string_view, kUpagrahaCount> strUpagrahaLords = {
    modLords::Sun, modLords::Mars, modLords::Merc, modLords::Jup, modLords::Sat, modLords::Sat};
inline constexpr std::array<std::string_view, 12> strSignNames = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                                  "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                                  "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

struct Portion {
    std::string_view strLord;
    double dblStart = 0;  // hours on the birth date's clock (may lie below 0 or above 24)
    double dblEnd = 0;
};

struct Upagrahas {
    double dblBirthHour = 0;  // decimal hours on the birth date's clock
    double dblSunrise = 0;    // hours of the sunrise that opens the day of the birth's reckoning
    double dblSunset = 0;     // hours of the sunset that ends that day's daylight
    bool blnBirthByDay = false;
    bool blnBeforeSunrise = false;  // born before the birth day's sunrise: the previous day's reckoning
    int intReckonedDay = 0;         // the sunrise-to-sunrise day of the birth: -1 previous, 0 birth date, +1 next
    int intWeekday = 0;             // 0 = Sunday; the weekday whose lords rule the portions
    std::array<Portion, kPortionCount> portions{};
    std::array<int, kUpagrahaCount> intPortion{};                      // index of each upagraha's portion
    std::array<double, kUpagrahaCount> dblMoments{};                   // clock hours on the birth date
    std::array<PositionText, kUpagrahaCount> varUpagrahaLongitudes{};  // compact, "05 Leo 23"
    std::array<double, kUpagrahaCount> dblLongitudes{};                // sidereal degrees, [0, 360)
    std::array<int, kUpagrahaCount> intHouses{};                       // 1..12 from the birth ascendant's sign
};

// Under the program's own conventions, and under a profile's (upagraha/profiles.h): its lords,
// the point of each upagraha's portion, and the sunrises and sunsets the driver computed with its
// definition of the event.
Upagrahas CalculateUpagrahas(const UpagrahaInput& s);
Upagrahas CalculateUpagrahas(const UpagrahaInput& s, const modConventionProfiles::ConventionProfile& profile);

// House (1..12) of a sign counted from the ascendant's sign, both three-letter abbreviations;
// 12 when a sign is not found. The upagraha stage counts the same way on sign indices.
int HouseFromSigns(std::string_view ascendantSign, std::string_view sign);

// 0 = Aries .. 11 = Pisces for a three-letter abbreviation, -1 for anything else.
int SignIndexOfAbbreviation(std::string_view abbreviation);
// The same count on sign indices; 12 when either is -1.
int HouseFromSignIndices(int ascendantIndex, int signIndex);

}  // namespace vela::modVedicUpagrahas
