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
inline upagraha::UpagrahaInput StateWithSun(int y, int m, int d, int hour, int minute, std::pair<int, int> prevSet,
                                            std::pair<int, int> rise, std::pair<int, int> set,
                                            std::pair<int, int> nextRise) {
    upagraha::UpagrahaInput s;
    s.year = static_cast<std::int16_t>(y);
    s.month = static_cast<std::int16_t>(m);
    s.day = static_cast<std::int16_t>(d);
    s.hour = static_cast<std::int16_t>(hour);
    s.minute = static_cast<std::int16_t>(minute);
    s.latDegrees = 28;
    s.latMinutes = 37;
    s.lonDegrees = 77;
    s.lonMinutes = 13;
    s.east = true;
    s.zone = astro::ZoneOffset::FromSecondsEast(5 * 3600 + 30 * 60);
    const double day = astro::DateSerial(y, m, d);
    const auto at = [](double date, std::pair<int, int> hm) { return date + (hm.first * 60 + hm.second) / 1440.0; };
    s.prevSunset = at(day - 1, prevSet);
    s.birthSunrise = at(day, rise);
    s.birthSunset = at(day, set);
    s.nextSunrise = at(day + 1, nextRise);
    s.birthAscendant = astro::AscendantClock(s).SiderealAscendantAt(astro::ClockHours(hour + minute / 60.0));
    return s;
}

}  // namespace vela::test_support
