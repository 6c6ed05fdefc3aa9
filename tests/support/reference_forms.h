// The birth form the tests and benchmarks share: New Delhi, Sunday 15 June 1975, 10:30 Indian
// time, a day birth whose ascendant, 05 Leo 54, is the worked value of the chart-angle tests.
#pragma once

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
