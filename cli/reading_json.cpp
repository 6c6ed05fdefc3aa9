#include "cli/reading_json.h"

#include <cmath>
#include <cstdio>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "upagraha/upagraha_report.h"

namespace vela::cli {

namespace {

std::string HourMinuteText(int hour, int minute) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", hour, minute);
    return buf;
}

std::string DateText(int year, int month, int day) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

// Signed decimal degrees from the record's whole degrees and minutes.
double Degrees(int deg, int min, bool negative) {
    const double d = deg + min / 60.0;
    return negative ? -d : d;
}

// The sidereal longitude in [0, 360): the chart-angle stage normalises once, which can leave 360.
double Longitude(double degrees) { return degrees >= 360 ? degrees - 360 : degrees; }

Json SunDay(DateValue rise, DateValue set) {
    return Json{{"rise", ClockText(rise)}, {"set", ClockText(set)}};
}

}  // namespace

std::string ClockText(DateValue value) {
    constexpr int kMinutesPerDay = 24 * 60;
    // Stored sunrise and sunset values are whole minutes; rounding (half to even) only removes the
    // error of the day fraction, and a value that rounds up to midnight is 00:00 of its day.
    const int minutes = static_cast<int>(std::nearbyint(HoursOfDay(value) * 60.0)) % kMinutesPerDay;
    return HourMinuteText(minutes / 60, minutes % 60);
}

Json ReadingJson(const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u) {
    using namespace modVedicUpagrahas;
    const auto row = static_cast<std::size_t>(s.intZoneRow);
    const double birthTime = s.intHour + s.intMinute / 60.0;

    Json portions = Json::array();
    for (const auto& p : u.portions)
        portions.push_back(Json{{"lord", p.strLord}, {"start", p.dblStart}, {"end", p.dblEnd}});

    Json upagrahas = Json::array();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        const int house = u.intHouses[i];
        const std::string_view interpretation =
            house >= 1 && house <= 12
                ? modUpagrahaReport::strUpagrahaInterpretations[i][static_cast<std::size_t>(house - 1)]
                : std::string_view{};
        upagrahas.push_back(Json{{"name", strUpagrahaNames[i]},
                                 {"lord", strUpagrahaLords[i]},
                                 {"moment", u.dblMoments[i]},
                                 {"longitude", u.varUpagrahaLongitudes[i].view()},
                                 {"degrees", u.dblLongitudes[i]},
                                 {"house", house},
                                 {"significance", modUpagrahaReport::strUpagrahaSignificance[i]},
                                 {"interpretation", interpretation}});
    }

    return Json{
        {"name", s.strName},
        {"date", DateText(s.intYear, s.intMonth, s.intDay)},
        {"time", HourMinuteText(s.intHour, s.intMinute)},
        {"zone", s.intZoneRow},
        {"zone_text", row < s.zones.strZoneTable.size() ? s.zones.strZoneTable[row] : std::string_view{}},
        {"dst", s.blnDST},
        {"latitude", Degrees(s.intLatDeg, s.intLatMin, s.blnSouth)},
        {"longitude", Degrees(s.intLonDeg, s.intLonMin, !s.blnEast)},
        {"city", s.strCity},
        {"state", s.strState},
        {"country", s.strCountry},
        {"ascendant",
         Json{{"text", s.strBirthAscendant},
              {"degrees", Longitude(modVedicEphemeris::CalculateChartAngles(s, birthTime).varAscendant)}}},
        {"sun", Json{{"previous", SunDay(s.dtPrevSunrise, s.dtPrevSunset)},
                     {"birth", SunDay(s.dtBirthSunrise, s.dtBirthSunset)},
                     {"next", SunDay(s.dtNextSunrise, s.dtNextSunset)}}},
        {"birth_by_day", u.blnBirthByDay},
        {"weekday", u.intWeekday},
        {"portions", std::move(portions)},
        {"upagrahas", std::move(upagrahas)},
    };
}

Json RowErrorJson(std::int64_t row, std::string_view message) {
    return Json{{"row", row}, {"error", message}};
}

std::string JsonLine(const Json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace vela::cli
