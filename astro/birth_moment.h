// The birth moment and place as the astronomical stages read them.
//
// The reading record (reading/birth_data.h) extends this record; the chart angles and the sunrise
// stage take it by const reference, so they see the birth data without knowing the reading.
#pragma once

#include <cstdint>
#include <optional>

namespace vela::astro {

struct BirthMoment {
    std::int16_t day = 0;                   // 1..31
    std::int16_t month = 0;                 // 1 (January)..12
    std::int16_t year = 0;                  // 1901..2050
    std::int16_t hour = 0;                  // 0..23, local clock time of birth
    std::int16_t minute = 0;                // 0..59
    std::int16_t zoneHoursMagnitude = 0;    // |hour offset| of the zone
    std::int16_t zoneMinutesMagnitude = 0;  // |minute offset| of the zone
    std::int16_t zoneHoursWest = 0;         // hour offset, hours West of Greenwich positive
    std::int16_t zoneMinutesWest = 0;       // minute offset, same sign as zoneHoursWest
    std::int16_t latDegrees = 0;            // whole degrees, the direction in south
    std::int16_t latMinutes = 0;
    std::int16_t lonDegrees = 0;  // whole degrees, the direction in east
    std::int16_t lonMinutes = 0;
    bool south = false;  // false: North
    bool east = false;   // false: West
    bool dst = false;    // daylight-saving tick: the clock runs one hour ahead of the zone
    // The zone's exact offset, hours EAST of Greenwich, daylight saving not included. It differs
    // from the whole minutes above only for local mean time, whose offset is the place's own
    // longitude / 15 (seconds and their fractions kept); those fields then hold it cut to whole
    // minutes. Left empty, the stages read the offset from zoneHoursWest and zoneMinutesWest.
    std::optional<double> exactZoneHoursEast;
};

// The offset the stages work with: hours East of Greenwich, daylight saving not included.
inline double ZoneHoursEast(const BirthMoment& s) {
    return s.exactZoneHoursEast ? *s.exactZoneHoursEast : -(s.zoneHoursWest + s.zoneMinutesWest / 60.0);
}

}  // namespace vela::astro
