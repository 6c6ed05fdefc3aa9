// The birth moment and place as the astronomical stages read them.
//
// The reading record (reading/birth_data.h) extends this record; the chart angles and the sunrise
// stage take it by const reference, so they see the birth data without knowing the reading.
#pragma once

#include <cstdint>
#include <optional>

namespace vela {

struct BirthMoment {
    std::int16_t intDay = 0;          // 1..31
    std::int16_t intMonth = 0;        // 1 (January)..12
    std::int16_t intYear = 0;         // 1901..2050
    std::int16_t intHour = 0;         // 0..23, local clock time of birth
    std::int16_t intMinute = 0;       // 0..59
    std::int16_t intZoneHours = 0;    // |hour offset| of the zone
    std::int16_t intZoneMinutes = 0;  // |minute offset| of the zone
    std::int16_t varZoneHours = 0;    // hour offset, hours West of Greenwich positive
    std::int16_t varZoneMinutes = 0;  // minute offset, same sign as varZoneHours
    std::int16_t intLatDeg = 0;       // whole degrees, the direction in blnSouth
    std::int16_t intLatMin = 0;
    std::int16_t intLonDeg = 0;  // whole degrees, the direction in blnEast
    std::int16_t intLonMin = 0;
    bool blnSouth = false;  // false: North
    bool blnEast = false;   // false: West
    bool blnDST = false;    // daylight-saving tick: the clock runs one hour ahead of the zone
    // The zone's exact offset, hours EAST of Greenwich, daylight saving not included. It differs
    // from the whole minutes above only for local mean time, whose offset is the place's own
    // longitude / 15 (seconds and their fractions kept); those fields then hold it cut to whole
    // minutes. Left empty, the stages read the offset from varZoneHours and varZoneMinutes.
    std::optional<double> dblZoneHoursEast;
};

// The offset the stages work with: hours East of Greenwich, daylight saving not included.
inline double ZoneHoursEast(const BirthMoment& s) {
    return s.dblZoneHoursEast ? *s.dblZoneHoursEast : -(s.varZoneHours + s.varZoneMinutes / 60.0);
}

}  // namespace vela
