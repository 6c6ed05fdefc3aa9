// Sunrise and sunset of one date at the birth place, with a fixed-coefficient low-precision solar model.
//
// The driver calls this for the birth date and its two calendar neighbours and copies the two
// values out of each result; the upagraha stage cuts the day or night between them.
#pragma once

#include <array>
#include <cstdint>

namespace vela::modSunRiseSunSet {

struct SunRiseSet {
    // [0] sunrise, [1] sunset of the requested date as date values, whole minutes; [2] unused.
    // Where an event does not happen (polar day or night) its value is the date at 0:00 and its
    // flag below is false: the driver must not build portions from it.
    std::array<double, 3> varSunRiseSet{};
    bool blnSunRises = false;
    bool blnSunSets = false;
    bool HasBoth() const { return blnSunRises && blnSunSets; }
};

// zoneHours, zoneMinutes: the zone row's offsets, West of Greenwich positive. With blnDST the
// events are given on the daylight-saving clock (zone + 1 hour) whatever the date, as the chart
// angles read the birth time. hour and minute are accepted for the shape of the call and not used.
SunRiseSet CalculateSunRiseSet(int month, int day, int year, int hour, int minute, int latDeg, int latMin,
                               bool blnSouth, int lonDeg, int lonMin, bool blnEast, int zoneHours, int zoneMinutes,
                               bool blnDST);

}  // namespace vela::modSunRiseSunSet
