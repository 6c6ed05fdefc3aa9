// Sunrise and sunset of a civil date at a place, by a few Newton steps on the Sun's altitude.
//
// The upagraha stage cuts the day between a sunrise and a sunset and the night between a sunset
// and the next sunrise, so each date's events come from here for the birth date and its two
// neighbours. An event is found by Newton steps on the Sun's altitude, from its apparent right
// ascension and declination (three swe_calc_ut calls a date, interpolated between) and the
// apparent sidereal time (one swe_sidtime a date): within a second of swe_rise_trans, and a date's
// two events cost less than the library's search for one (bench/README.md).
//
// Which events belong to a date: those around the Sun's upper transit (local apparent noon) that
// falls on that date's clock in the given zone; the sunrise before the transit, the sunset after
// it. Beyond the polar circles a sunset can come after local midnight (it is given with its own
// moment, hours above 24), and on some dates there is no sunrise, no sunset, or neither.
#pragma once

#include <optional>
#include <string_view>

#include "sky/ascendant.h"

namespace vela::sky {

// Which moment counts as the Sun's rising and setting.
//  - UpperLimbRefracted: the upper limb on the horizon, with the standard atmosphere's refraction
//    (1013.25 hPa, 10 C: 34.5' at the horizon) and the Sun's true semidiameter (15.8' to 16.3'),
//    the centre about 50' below the horizon: the event almanacs print.
//  - CentreGeometric: the disc's centre at altitude 0, no refraction: the tradition of Indian
//    almanacs (the Surya Siddhanta's rising).
//  - CentreRefracted: the disc's centre seen on the horizon, with refraction.
// All three take the observer on the Earth's surface (the Sun's 8.8" parallax) at sea level.
enum class SunriseDefinition { UpperLimbRefracted, CentreGeometric, CentreRefracted };

struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

struct SunDay {
    double midnightJdUt = 0;  // 0:00 of the date on the zone's clock, as a Julian day (UT)
    double transitJdUt = 0;   // the Sun's upper transit on that date
    bool upAtTransit = true;  // false: the Sun stays below the horizon all day (polar night)
    // Sunrise before the transit; empty when the Sun was already up at the lower transit before
    // it, or stays down. Sunset after the transit, empty likewise.
    std::optional<double> riseJdUt;
    std::optional<double> setJdUt;

    // Hours after the date's midnight on the zone's clock; a sunset after the next midnight is
    // above 24, a sunrise before the date's own midnight (a zone far from the place's meridian)
    // below 0.
    std::optional<double> RiseHours() const;
    std::optional<double> SetHours() const;
};

// The texts for a missing event, defined once here.
inline constexpr std::string_view kNoSunriseText = "The Sun does not rise on this date at this place.";
inline constexpr std::string_view kNoSunsetText = "The Sun does not set on this date at this place.";

// Sunrise and sunset of a date. zoneHoursEast: the clock's offset from UT, East positive, daylight
// saving included if the clock kept it. Empty when the date is not on the calendar or the place
// is not on the Earth (latitude beyond +-90, longitude beyond +-180).
std::optional<SunDay> SunEventsOfDate(const CivilDate& date, double zoneHoursEast, const Place& place,
                                      SunriseDefinition definition);

}  // namespace vela::sky
