#include "cli/reading_json.h"

#include <cmath>

#include "astro/text.h"
#include "cli/json_writer.h"
#include "upagraha/nakshatra.h"
#include "upagraha/upagraha_report.h"

namespace vela::cli {

namespace {

std::string DateText(int year, int month, int day) {
    std::string text = std::to_string(year);
    text += '-';
    modText::AppendTwoDigits(text, month);
    text += '-';
    modText::AppendTwoDigits(text, day);
    return text;
}

// Signed decimal degrees from the record's whole degrees and minutes.
double Degrees(int deg, int min, bool negative) {
    const double d = deg + min / 60.0;
    return negative ? -d : d;
}

void SunDay(JsonWriter& w, std::string_view key, DateValue rise, DateValue set) {
    w.Key(key);
    w.BeginObject();
    w.Field("rise", ClockText(rise));
    w.Field("set", ClockText(set));
    w.EndObject();
}

void Nakshatra(JsonWriter& w, double degrees) {
    const auto place = modNakshatra::NakshatraOf(degrees);
    w.Field("nakshatra", place.Name());
    w.Field("pada", place.intPada);
}

void Minutes(JsonWriter& w, std::string_view key, const std::optional<int>& minutes) {
    w.Key(key);
    if (minutes)
        w.Integer(*minutes);
    else
        w.Null();
}

void Shift(JsonWriter& w, std::string_view key, const modWorking::Shift& shift) {
    w.Key(key);
    w.BeginObject();
    Minutes(w, "earlier", shift.intEarlier);
    Minutes(w, "later", shift.intLater);
    w.EndObject();
}

}  // namespace

std::string ClockText(DateValue value) {
    constexpr int kMinutesPerDay = 24 * 60;
    // Stored sunrise and sunset values are whole minutes; rounding (half to even) only removes the
    // error of the day fraction, and a value that rounds up to midnight is 00:00 of its day.
    const int minutes = static_cast<int>(std::nearbyint(HoursOfDay(value) * 60.0)) % kMinutesPerDay;
    return modText::ClockText(minutes / 60, minutes % 60);
}

void AppendReadingJson(std::string& out, const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u,
                       std::span<const std::string> warnings, const modWorking::Sensitivity* sensitivity) {
    using namespace modVedicUpagrahas;
    const auto row = static_cast<std::size_t>(s.intZoneRow);
    JsonWriter w(out);
    w.BeginObject();
    w.Field("name", s.strName);
    w.Field("date", DateText(s.intYear, s.intMonth, s.intDay));
    w.Field("time", modText::ClockText(s.intHour, s.intMinute));
    w.Field("zone", static_cast<int>(s.intZoneRow));
    w.Field("zone_text", row < s.zones->strZoneTable.size() ? s.zones->strZoneTable[row] : std::string_view{});
    w.Field("dst", s.blnDST);
    w.Field("latitude", Degrees(s.intLatDeg, s.intLatMin, s.blnSouth));
    w.Field("longitude", Degrees(s.intLonDeg, s.intLonMin, !s.blnEast));
    w.Field("city", s.strCity);
    w.Field("state", s.strState);
    w.Field("country", s.strCountry);
    w.Field("profile", s.profile.strName);
    w.Key("ascendant");
    w.BeginObject();
    w.Field("text", s.strBirthAscendant);
    w.Field("degrees", s.dblBirthAscendant);
    Nakshatra(w, s.dblBirthAscendant);
    w.EndObject();
    w.Key("sun");
    w.BeginObject();
    SunDay(w, "previous", s.dtPrevSunrise, s.dtPrevSunset);
    SunDay(w, "birth", s.dtBirthSunrise, s.dtBirthSunset);
    SunDay(w, "next", s.dtNextSunrise, s.dtNextSunset);
    w.EndObject();
    w.Field("birth_by_day", u.blnBirthByDay);
    w.Field("weekday", u.intWeekday);

    w.Key("portions");
    w.BeginArray();
    for (const Portion& p : u.portions) {
        w.BeginObject();
        w.Field("lord", p.strLord);
        w.Field("start", p.dblStart);
        w.Field("end", p.dblEnd);
        w.EndObject();
    }
    w.EndArray();

    w.Key("upagrahas");
    w.BeginArray();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        const int house = u.intHouses[i];
        w.BeginObject();
        w.Field("name", strUpagrahaNames[i]);
        w.Field("lord", strUpagrahaLords[i]);
        w.Field("moment", u.dblMoments[i]);
        w.Field("longitude", u.varUpagrahaLongitudes[i].view());
        w.Field("degrees", u.dblLongitudes[i]);
        Nakshatra(w, u.dblLongitudes[i]);
        w.Field("house", house);
        w.Field("significance", modUpagrahaReport::strUpagrahaSignificance[i]);
        w.Field("interpretation",
                house >= 1 && house <= 12
                    ? modUpagrahaReport::strUpagrahaInterpretations[i][static_cast<std::size_t>(house - 1)]
                    : std::string_view{});
        if (sensitivity != nullptr) {
            w.Key("sensitivity");
            w.BeginObject();
            Shift(w, "sign", sensitivity->sign[i]);
            Shift(w, "house", sensitivity->house[i]);
            w.Field("searched_minutes", sensitivity->intSearchedMinutes);
            w.EndObject();
        }
        w.EndObject();
    }
    w.EndArray();

    w.Key("warnings");
    w.BeginArray();
    for (const std::string& warning : warnings) w.String(warning);
    w.EndArray();
    w.EndObject();
}

std::string ReadingJsonLine(const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u,
                            std::span<const std::string> warnings, const modWorking::Sensitivity* sensitivity) {
    std::string line;
    line.reserve(4096);
    AppendReadingJson(line, s, u, warnings, sensitivity);
    return line;
}

std::string RowErrorJsonLine(std::int64_t row, std::string_view message) {
    std::string line;
    JsonWriter w(line);
    w.BeginObject();
    w.Field("row", row);
    w.Field("error", message);
    w.EndObject();
    return line;
}

}  // namespace vela::cli
