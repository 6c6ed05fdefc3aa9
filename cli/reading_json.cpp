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
    astro::AppendTwoDigits(text, month);
    text += '-';
    astro::AppendTwoDigits(text, day);
    return text;
}

// Signed decimal degrees from the record's whole degrees and minutes.
double Degrees(int deg, int min, bool negative) {
    const double d = deg + min / 60.0;
    return negative ? -d : d;
}

void SunDay(JsonWriter& w, std::string_view key, astro::DateValue rise, astro::DateValue set) {
    w.Key(key);
    w.BeginObject();
    w.Field("rise", ClockText(rise));
    w.Field("set", ClockText(set));
    w.EndObject();
}

void Nakshatra(JsonWriter& w, double degrees) {
    const auto place = upagraha::NakshatraOf(degrees);
    w.Field("nakshatra", place.Name());
    w.Field("pada", place.pada);
}

void Minutes(JsonWriter& w, std::string_view key, const std::optional<int>& minutes) {
    w.Key(key);
    if (minutes)
        w.Integer(*minutes);
    else
        w.Null();
}

void Shift(JsonWriter& w, std::string_view key, const reading::Shift& shift) {
    w.Key(key);
    w.BeginObject();
    Minutes(w, "earlier", shift.earlier);
    Minutes(w, "later", shift.later);
    w.EndObject();
}

}  // namespace

std::string ClockText(astro::DateValue value) {
    constexpr int kMinutesPerDay = 24 * 60;
    // Stored sunrise and sunset values are whole minutes; rounding (half to even) only removes the
    // error of the day fraction, and a value that rounds up to midnight is 00:00 of its day.
    const int minutes = static_cast<int>(std::nearbyint(astro::HoursOfDay(value) * 60.0)) % kMinutesPerDay;
    return astro::ClockText(minutes / 60, minutes % 60);
}

void AppendReadingJson(std::string& out, const reading::Reading& s, const upagraha::Upagrahas& u,
                       std::span<const std::string> warnings, const reading::Sensitivity* sensitivity) {
    using namespace upagraha;
    const auto row = static_cast<std::size_t>(s.zoneRow);
    JsonWriter w(out);
    w.BeginObject();
    w.Field("name", s.name);
    w.Field("date", DateText(s.year, s.month, s.day));
    w.Field("time", astro::ClockText(s.hour, s.minute));
    w.Field("zone", static_cast<int>(s.zoneRow));
    w.Field("zone_text", row < s.zones->zoneTable.size() ? s.zones->zoneTable[row] : std::string_view{});
    w.Field("dst", s.dst);
    w.Field("latitude", Degrees(s.latDegrees, s.latMinutes, s.south));
    w.Field("longitude", Degrees(s.lonDegrees, s.lonMinutes, !s.east));
    w.Field("city", s.city);
    w.Field("state", s.state);
    w.Field("country", s.country);
    w.Field("profile", s.profile.name);
    w.Key("ascendant");
    w.BeginObject();
    w.Field("text", s.birthAscendantText);
    w.Field("degrees", s.birthAscendant.value);
    Nakshatra(w, s.birthAscendant.value);
    w.EndObject();
    w.Key("sun");
    w.BeginObject();
    SunDay(w, "previous", s.prevSunrise, s.prevSunset);
    SunDay(w, "birth", s.birthSunrise, s.birthSunset);
    SunDay(w, "next", s.nextSunrise, s.nextSunset);
    w.EndObject();
    w.Field("birth_by_day", u.birthByDay);
    w.Field("weekday", u.weekday);

    w.Key("portions");
    w.BeginArray();
    for (const Portion& p : u.portions) {
        w.BeginObject();
        w.Field("lord", PlanetText(p.lord));
        w.Field("start", p.start);
        w.Field("end", p.end);
        w.EndObject();
    }
    w.EndArray();

    w.Key("upagrahas");
    w.BeginArray();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        const int house = u.houses[i];
        w.BeginObject();
        w.Field("name", kUpagrahaNames[i]);
        w.Field("lord", PlanetText(kUpagrahaLords[i]));
        w.Field("moment", u.moments[i]);
        w.Field("longitude", u.upagrahaLongitudes[i].view());
        w.Field("degrees", u.longitudes[i]);
        Nakshatra(w, u.longitudes[i]);
        w.Field("house", house);
        w.Field("significance", upagraha::kUpagrahaSignificance[i]);
        w.Field("interpretation", house >= 1 && house <= 12
                                      ? upagraha::kUpagrahaInterpretations[i][static_cast<std::size_t>(house - 1)]
                                      : std::string_view{});
        if (sensitivity != nullptr) {
            w.Key("sensitivity");
            w.BeginObject();
            Shift(w, "sign", sensitivity->sign[i]);
            Shift(w, "house", sensitivity->house[i]);
            w.Field("searched_minutes", sensitivity->searchedMinutes);
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

std::string ReadingJsonLine(const reading::Reading& s, const upagraha::Upagrahas& u,
                            std::span<const std::string> warnings, const reading::Sensitivity* sensitivity) {
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
