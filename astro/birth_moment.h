// The birth moment and place as the astronomical stages read them.
//
// The reading record (reading/birth_data.h) extends this record; the chart angles and the sunrise
// stage take it by const reference, so they see the birth data without knowing the reading.
#pragma once

#include <cstdint>

#include "astro/units.h"

namespace vela::astro {

struct BirthMoment {
    std::int16_t day = 0;     // 1..31
    std::int16_t month = 0;   // 1 (January)..12
    std::int16_t year = 0;    // 1901..2050
    std::int16_t hour = 0;    // 0..23, local clock time of birth
    std::int16_t minute = 0;  // 0..59
    // The zone's offset, East positive, daylight saving not included.
    ZoneOffset zone;
    // The place as the form gives it (and the reading files keep it): whole degrees and minutes of
    // each coordinate, and its direction. PlaceOf turns them into a Place.
    std::int16_t latDegrees = 0;
    std::int16_t latMinutes = 0;
    std::int16_t lonDegrees = 0;
    std::int16_t lonMinutes = 0;
    // Whole seconds of arc, 0..59, for a place given to the second (a .vela or .jhd file); 0 for
    // the form's places and the .ved file, which hold minutes.
    std::int16_t latSeconds = 0;
    std::int16_t lonSeconds = 0;
    bool south = false;  // false: North
    bool east = false;   // false: West
    bool dst = false;    // daylight-saving tick: the clock runs one hour ahead of the zone
};

// The birth place in degrees, latitude North positive, longitude East positive.
constexpr Place PlaceOf(const BirthMoment& s) {
    return Place{DegreesOf(s.latDegrees, s.latMinutes, s.latSeconds, s.south),
                 DegreesOf(s.lonDegrees, s.lonMinutes, s.lonSeconds, !s.east)};
}

}  // namespace vela::astro
