// The birth form the tests and benchmarks share: New Delhi, Sunday 15 June 1975, 10:30 Indian
// time, a day birth whose ascendant, 05 Leo 54, is the worked value of the chart-angle tests.
#pragma once

#include <string>
#include <string_view>

#include "reading/birth_form.h"

inline vela::reading::BirthForm NewDelhiForm(std::string_view hour = "10", std::string_view minute = "30") {
    vela::reading::BirthForm f;
    f.name = "Asha";
    f.day = "15";
    f.month = 5;
    f.year = "1975";
    f.hour = hour;
    f.minute = minute;
    f.zoneRow = 34;  // "Indian Time, IST, +5.3"
    f.latDegrees = "28";
    f.latMinutes = "37";
    f.lonDegrees = "77";
    f.lonMinutes = "13";
    f.latDirection = vela::reading::LatChoice::North;
    f.lonDirection = vela::reading::LonChoice::East;
    f.city = "New Delhi";
    f.state = "Delhi";
    f.country = "India";
    return f;
}

// Tromso (69 deg 39' N, 18 deg 57' E) on Central European Time, a day of 2000 at the given clock
// time: the Sun stops setting in the second half of May and stops rising at the end of November.
inline vela::reading::BirthForm TromsoForm(int month, int day, std::string_view hour = "12") {
    vela::reading::BirthForm f = NewDelhiForm(hour, "0");
    f.name = "Polar";
    f.year = "2000";
    f.month = month - 1;
    f.day = std::to_string(day);
    f.zoneRow = 20;  // "Central European Time,CET,+1.0"
    f.latDegrees = "69";
    f.latMinutes = "39";
    f.lonDegrees = "18";
    f.lonMinutes = "57";
    f.city = "Tromso";
    f.state = "Troms";
    f.country = "Norway";
    return f;
}
