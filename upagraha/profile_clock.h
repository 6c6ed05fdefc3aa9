// The sky of a reading under its profile: the ascendant of any moment on the birth date's clock and
// the sunrise and sunset of a date, by the original's formulas or by the precise ephemeris, in the
// profile's ayanamsa.
//
// Flow of a reading: driver -> birth ascendant and the sunrises of three dates (here) -> upagraha
// stage -> the ascendant at each upagraha's moment (here again). Under the original's formulas and
// ayanamsa every value comes from the original's arithmetic (with the zone's own sign and the
// daylight-saving hour on every date, docs/differences.md); under the precise ephemeris the same
// values come from sky/, in the same units: sidereal degrees, and date values (days from
// 30 December 1899 on the zone's clock, daylight saving included).
#pragma once

#include <optional>

#include "astro/birth_moment.h"
#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "sky/ephemeris.h"
#include "sky/sunrise.h"
#include "upagraha/profiles.h"

namespace vela::upagraha {

// The ayanamsa a profile subtracts at a moment (Julian day, UT): the original's formula or Lahiri's.
sky::Ayanamsa ProfileAyanamsa(const ConventionProfile& profile, double jdUt);

// The place of a birth as sky/ takes it: degrees, North and East positive.
sky::Place SkyPlaceOf(const astro::BirthMoment& s);

// The offset of the birth's clock from UT in hours, East positive, daylight saving included.
double ClockHoursEast(const astro::BirthMoment& s);

// The sunrise and sunset of one date by the precise ephemeris, as date values on the birth's clock
// (a sunset after the next midnight carries the next date). Empty where the Sun does not rise or
// does not set on that date.
struct DateSunEvents {
    astro::DateValue rise = 0;
    astro::DateValue set = 0;
};
std::optional<DateSunEvents> PreciseSunEvents(const astro::BirthMoment& s, const ConventionProfile& profile,
                                              const astro::CivilDate& date);

// One reading's moments: clock hours on the birth date -> Julian day (UT) and sidereal ascendant.
// What depends only on the date, zone and place is worked out once.
class ProfileClock {
public:
    ProfileClock(const astro::BirthMoment& s, const ConventionProfile& profile);

    // Julian day (UT) of clock hours on the birth date (may lie outside 0..24).
    double JulianDayAt(double hours) const { return midnightJdUt + hours / 24; }
    // The sidereal ascendant in degrees [0, 360) under the profile's ephemeris and ayanamsa.
    astro::Degrees SiderealAscendantAt(astro::ClockHours hours) const;

private:
    astro::AscendantClock original;
    EphemerisChoice ephemeris;
    AyanamsaChoice ayanamsa;
    sky::Place place;
    double midnightJdUt = 0;  // 0:00 of the birth date on the birth's clock, as a Julian day (UT)
};

}  // namespace vela::upagraha
