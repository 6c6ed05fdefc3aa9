// Sunrise and sunset of one date at the birth place, with a fixed-coefficient low-precision solar model.
//
// The driver calls this for the birth date and its two calendar neighbours and copies the two
// values out of each result; the upagraha stage cuts the day or night between them.
#pragma once

#include <array>
#include <cstdint>

#include "astro/calendar.h"
#include "astro/units.h"

namespace vela::astro {

struct SunRiseSet {
    // [0] sunrise, [1] sunset of the requested date as date values, whole minutes; [2] unused.
    // Where an event does not happen (polar day or night) its value is the date at 0:00 and its
    // flag below is false: the driver must not build portions from it.
    std::array<double, 3> sunRiseSet{};
    bool sunRises = false;
    bool sunSets = false;
    bool HasBoth() const { return sunRises && sunSets; }
};

// Which moment counts as the Sun's rising and setting: the cosine of the zenith distance of the
// Sun's centre at that moment (the sine of its altitude).
//  - The upper limb touching the horizon, with refraction: the centre 50' below it (16' of
//    semi-diameter and 34' of refraction), zenith distance 90 deg 50'. The program's own event, and
//    the one almanacs print.
//  - The centre of the disc on the horizon, without refraction: zenith distance 90 deg, the
//    almanac tradition of Indian calendars and much Indian software. Rises about 3 to 4 minutes
//    later and sets as much earlier in middle latitudes.
//  - The centre of the disc seen on the horizon, with refraction: zenith distance 90 deg 34'.
inline constexpr double kUpperLimbWithRefraction = -0.0145439;   // cos(90 deg 50'), the model's six digits
inline constexpr double kDiscCentreWithoutRefraction = 0;        // cos(90 deg)
inline constexpr double kDiscCentreWithRefraction = -0.0098900;  // cos(90 deg 34')

// The sunrise and sunset of a date at a place, on the clock of a zone (with dst, the
// daylight-saving clock, zone + 1 hour, whatever the date, as the chart angles read the birth
// time). zenithCosine: the event, one of the three above (or any cosine between -1 and 1).
SunRiseSet CalculateSunRiseSet(const CivilDate& date, const Place& place, const ZoneOffset& zone, bool dst,
                               double zenithCosine = kUpperLimbWithRefraction);

}  // namespace vela::astro
