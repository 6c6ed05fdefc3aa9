// The birth form the tests and benchmarks share: New Delhi, Sunday 15 June 1975, 10:30 Indian
// time, a day birth whose ascendant, 05 Leo 54, is the worked value of the chart-angle tests.
#pragma once

#include <string>
#include <string_view>

#include "reading/birth_form.h"

inline vela::BirthForm NewDelhiForm(std::string_view hour = "10", std::string_view minute = "30") {
    vela::BirthForm f;
    f.txtName = "Asha";
    f.cboDate = "15";
    f.cboMonth = 5;
    f.cboYear = "1975";
    f.cboHour = hour;
    f.cboMinute = minute;
    f.cboTimeZone = 34;  // "Indian Time, IST, +5.3"
    f.txtLatDeg = "28";
    f.txtLatMin = "37";
    f.txtLonDeg = "77";
    f.txtLonMin = "13";
    f.optLat = vela::LatChoice::North;
    f.optLong = vela::LonChoice::East;
    f.txtCity = "New Delhi";
    f.txtState = "Delhi";
    f.txtCountry = "India";
    return f;
}

// Tromso (69 deg 39' N, 18 deg 57' E) on Central European Time, a day of 2000 at the given clock
// time: the Sun stops setting in the second half of May and stops rising at the end of November.
inline vela::BirthForm TromsoForm(int month, int day, std::string_view hour = "12") {
    vela::BirthForm f = NewDelhiForm(hour, "0");
    f.txtName = "Polar";
    f.cboYear = "2000";
    f.cboMonth = month - 1;
    f.cboDate = std::to_string(day);
    f.cboTimeZone = 20;  // "Central European Time,CET,+1.0"
    f.txtLatDeg = "69";
    f.txtLatMin = "39";
    f.txtLonDeg = "18";
    f.txtLonMin = "57";
    f.txtCity = "Tromso";
    f.txtState = "Troms";
    f.txtCountry = "Norway";
    return f;
}
