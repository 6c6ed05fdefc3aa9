// The upagraha stage's input for a birth in New Delhi (28 deg 37' North, 77 deg 13' East, Indian
// time) with sunrises and sunsets chosen by the test, shared by the upagraha tests.
#pragma once

#include <cstdint>
#include <utility>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "upagraha/upagraha.h"

namespace vela::test_support {

// A reading state with chosen sunrise and sunset times (clock hours and minutes) around the birth date.
inline UpagrahaInput StateWithSun(int y, int m, int d, int hour, int minute, std::pair<int, int> prevSet,
                                  std::pair<int, int> rise, std::pair<int, int> set, std::pair<int, int> nextRise) {
    UpagrahaInput s;
    s.intYear = static_cast<std::int16_t>(y);
    s.intMonth = static_cast<std::int16_t>(m);
    s.intDay = static_cast<std::int16_t>(d);
    s.intHour = static_cast<std::int16_t>(hour);
    s.intMinute = static_cast<std::int16_t>(minute);
    s.intLatDeg = 28;
    s.intLatMin = 37;
    s.intLonDeg = 77;
    s.intLonMin = 13;
    s.blnEast = true;
    s.varZoneHours = -5;
    s.varZoneMinutes = -30;
    const double day = DateSerial(y, m, d);
    const auto at = [](double date, std::pair<int, int> hm) { return date + (hm.first * 60 + hm.second) / 1440.0; };
    s.dtPrevSunset = at(day - 1, prevSet);
    s.dtBirthSunrise = at(day, rise);
    s.dtBirthSunset = at(day, set);
    s.dtNextSunrise = at(day + 1, nextRise);
    double t = hour + minute / 60.0;
    s.strBirthAscendant =
        modVedicPlanetPosition::CompactPositionText(modVedicEphemeris::CalculateChartAngles(s, t).varAscendantText)
            .str();
    return s;
}

}  // namespace vela::test_support
