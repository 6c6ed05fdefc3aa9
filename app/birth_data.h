// The shared variables of one reading.
//
// Flow of a reading: form -> validation -> driver -> chart angles -> sunrise x3 -> upagrahas -> report.
// The driver owns one SharedChartState per reading (the window keeps one for its lifetime, a batch
// run one per row) and is the only stage that takes it by non-const reference; every later stage
// reads it through a const reference. Nothing is reset between readings: each run that passes
// validation overwrites every field.
#pragma once

#include <cstdint>
#include <string>

#include "app/reference_tables.h"

namespace vela {

// Days since 30 December 1899, the time of day as the fraction.
using DateValue = double;

struct SharedChartState {
    // Birth data, copied from the form by the driver.
    std::string strName;
    std::int16_t intDay = 0;          // 1..31
    std::int16_t intMonth = 0;        // 1 (January)..12
    std::int16_t intYear = 0;         // 1901..2050
    std::int16_t intHour = 0;         // 0..23, local clock time of birth
    std::int16_t intMinute = 0;       // 0..59
    std::int16_t intZoneHours = 0;    // |hour offset| of the zone
    std::int16_t intZoneMinutes = 0;  // |minute offset| of the zone
    std::int16_t varZoneHours = 0;    // hour offset, hours West of Greenwich positive
    std::int16_t varZoneMinutes = 0;  // minute offset, same sign as varZoneHours
    std::int16_t intLatDeg = 0;
    std::int16_t intLatMin = 0;
    std::int16_t intLonDeg = 0;
    std::int16_t intLonMin = 0;
    bool blnSouth = false;  // false: North
    bool blnEast = false;   // false: West
    bool blnDST = false;    // daylight-saving tick
    std::string strCity;
    std::string strState;
    std::string strCountry;
    std::string varBirthDate;  // "March 7,1975"

    // Zone tables, refilled with the same values at every reading.
    ZoneTables zones;
    // Row of the zone table chosen for this reading (kept for the reading file and the JSON output).
    std::int16_t intZoneRow = 0;

    // Compact text of the sidereal ascendant at the birth moment ("05 Can 45").
    std::string strBirthAscendant;
    // The same ascendant in degrees, [0, 360).
    double dblBirthAscendant = 0;

    // Sunrise and sunset of the day before, the birth day and the day after.
    DateValue dtPrevSunrise = 0;
    DateValue dtPrevSunset = 0;
    DateValue dtBirthSunrise = 0;
    DateValue dtBirthSunset = 0;
    DateValue dtNextSunrise = 0;
    DateValue dtNextSunset = 0;
};

}  // namespace vela
