#include "cli/reading_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "astro/text.h"
#include "cli/json_writer.h"
#include "reading/sky_around.h"
#include "upagraha/language.h"
#include "upagraha/nakshatra.h"
#include "upagraha/upagraha_report.h"

namespace vela::cli {

namespace {

// The fixed texts of every reading, escaped once for the whole run: the significance lines and
// interpretations alone are 2.5 KB of each line's 2.8.
struct EscapedTexts {
    std::array<std::string, upagraha::kUpagrahaCount> names;
    std::array<std::string, upagraha::kUpagrahaCount> lords;
    std::array<std::string, upagraha::kUpagrahaCount> significance;
    std::array<std::array<std::string, 12>, upagraha::kUpagrahaCount> interpretations;
    std::array<std::string, upagraha::kNakshatraCount> nakshatras;
};

const EscapedTexts& Escaped() {
    static const EscapedTexts texts = [] {
        EscapedTexts t;
        for (std::size_t i = 0; i < t.names.size(); ++i) {
            t.names[i] = EscapedJson(upagraha::kUpagrahaNames[i]);
            t.lords[i] = EscapedJson(upagraha::PlanetText(upagraha::kUpagrahaLords[i]));
            t.significance[i] = EscapedJson(upagraha::kUpagrahaSignificance[i]);
            for (std::size_t h = 0; h < t.interpretations[i].size(); ++h)
                t.interpretations[i][h] = EscapedJson(upagraha::kUpagrahaInterpretations[i][h]);
        }
        for (std::size_t n = 0; n < t.nakshatras.size(); ++n)
            t.nakshatras[n] = EscapedJson(upagraha::kNakshatraNames[n]);
        return t;
    }();
    return texts;
}

EscapedJsonText Text(const std::string& escaped) { return {escaped}; }

// "HH:MM" as a JSON string, quotes included: digits and a colon need no escaping, so the text is
// made in place. Each part two digits, as astro::ClockText writes them.
class QuotedClock {
public:
    QuotedClock(int hour, int minute) {
        hour = std::clamp(hour, 0, 99);
        minute = std::clamp(minute, 0, 99);
        text = {'"', Digit(hour / 10), Digit(hour % 10), ':', Digit(minute / 10), Digit(minute % 10), '"'};
    }
    EscapedJsonText Json() const { return {std::string_view(text.data(), text.size())}; }

private:
    static char Digit(int value) { return static_cast<char>('0' + value); }
    std::array<char, 7> text{};
};

// The minute of the day of a date value. Stored sunrise and sunset values are whole minutes;
// rounding (half to even) only removes the error of the day fraction, and a value that rounds up
// to midnight is 00:00 of its day.
int MinuteOfDay(astro::DateValue value) {
    constexpr int kMinutesPerDay = 24 * 60;
    return static_cast<int>(std::nearbyint(astro::HoursOfDay(value) * 60.0)) % kMinutesPerDay;
}

QuotedClock Clock(astro::DateValue value) {
    const int minutes = MinuteOfDay(value);
    return {minutes / 60, minutes % 60};
}

// "YYYY-MM-DD" as a JSON string, quotes included, made in place like the clock: the year as
// std::to_string writes it, month and day two digits each, as astro::AppendTwoDigits writes them.
class QuotedDate {
public:
    QuotedDate(int year, int month, int day) {
        char* o = text.data();
        *o++ = '"';
        o = std::to_chars(o, o + kYearBytes, year).ptr;
        *o++ = '-';
        o = TwoDigits(o, month);
        *o++ = '-';
        o = TwoDigits(o, day);
        *o++ = '"';
        length = static_cast<std::size_t>(o - text.data());
    }
    EscapedJsonText Json() const { return {std::string_view(text.data(), length)}; }

private:
    static char* TwoDigits(char* o, int value) {
        value = std::clamp(value, 0, 99);
        *o++ = static_cast<char>('0' + value / 10);
        *o++ = static_cast<char>('0' + value % 10);
        return o;
    }
    static constexpr std::size_t kYearBytes = 11;  // "-2147483648"
    std::array<char, kYearBytes + 8> text{};
    std::size_t length = 0;
};

// Signed decimal degrees from the record's whole degrees and minutes.
double Degrees(int deg, int min, bool negative) {
    const double d = deg + min / 60.0;
    return negative ? -d : d;
}

void SunDay(JsonWriter& w, JsonKey key, astro::DateValue rise, astro::DateValue set) {
    w.Key(key);
    w.BeginObject();
    w.Field("rise", Clock(rise).Json());
    w.Field("set", Clock(set).Json());
    w.EndObject();
}

// With a language asked for (--lang), a "<key>_local" field follows a named field: the same name
// in that language. Keys and the other values stay English.
using Local = std::optional<upagraha::Language>;

void LocalField(JsonWriter& w, JsonKey key, const Local& local, std::string_view name) {
    if (local) w.Field(key, name);
}

void Nakshatra(JsonWriter& w, const EscapedTexts& texts, double degrees, const Local& local = std::nullopt) {
    const auto place = upagraha::NakshatraOf(degrees);
    w.Field("nakshatra", Text(texts.nakshatras[static_cast<std::size_t>(place.nakshatra)]));
    if (local) LocalField(w, "nakshatra_local", local, upagraha::NakshatraName(place.nakshatra, *local));
    w.Field("pada", place.pada);
}

// The sign a position's text names ("05 Leo 23", "15 Ari 04' 10\""), as the report shows it; -1
// for a text without one.
int SignOfText(std::string_view text) {
    const auto letter =
        std::find_if(text.begin(), text.end(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; });
    if (letter == text.end()) return -1;
    return upagraha::SignIndexOfAbbreviation(text.substr(static_cast<std::size_t>(letter - text.begin()), 3));
}

// The English sign of a position's text and the same sign in the language.
void Sign(JsonWriter& w, std::string_view text, const Local& local) {
    const int sign = SignOfText(text);
    if (!local || sign < 0) return;
    w.Field("sign", upagraha::SignName(sign, upagraha::Language::English));
    LocalField(w, "sign_local", local, upagraha::SignName(sign, *local));
}

// A graha's or a Sun upagraha's name in the language, found by its English name.
std::string_view LocalPointName(std::string_view name, upagraha::Language language) {
    for (const sky::Graha graha : sky::kGrahas)
        if (sky::GrahaName(graha) == name) return upagraha::GrahaName(graha, language);
    for (std::size_t i = 0; i < reading::kSunUpagrahaNames.size(); ++i)
        if (reading::kSunUpagrahaNames[i] == name) return upagraha::SunUpagrahaName(static_cast<int>(i), language);
    return name;
}

// The grahas and the Sun's upagrahas: {name, longitude, sign, degrees, nakshatra, pada, house} and,
// for the grahas, retrograde.
void PlacedPoints(JsonWriter& w, JsonKey key, std::span<const reading::PlacedPoint> points, bool grahas,
                  const Local& local) {
    w.Key(key);
    w.BeginArray();
    for (const reading::PlacedPoint& p : points) {
        w.BeginObject();
        w.Field("name", p.name);
        if (local) LocalField(w, "name_local", local, LocalPointName(p.name, *local));
        w.Field("longitude", p.longitudeDegrees);
        w.Field("sign", p.SignName());
        if (local) LocalField(w, "sign_local", local, upagraha::SignName(p.sign, *local));
        w.Field("degrees", p.degreesText);
        w.Field("nakshatra", p.NakshatraName());
        if (local) LocalField(w, "nakshatra_local", local, upagraha::NakshatraName(p.nakshatra, *local));
        w.Field("pada", p.pada);
        w.Field("house", p.house);
        if (grahas) w.Field("retrograde", p.retrograde);
        w.EndObject();
    }
    w.EndArray();
}

void Minutes(JsonWriter& w, JsonKey key, const std::optional<int>& minutes) {
    w.Key(key);
    if (minutes)
        w.Integer(*minutes);
    else
        w.Null();
}

void Shift(JsonWriter& w, JsonKey key, const reading::Shift& shift) {
    w.Key(key);
    w.BeginObject();
    Minutes(w, "earlier", shift.earlier);
    Minutes(w, "later", shift.later);
    w.EndObject();
}

}  // namespace

std::string ClockText(astro::DateValue value) {
    const int minutes = MinuteOfDay(value);
    return astro::ClockText(minutes / 60, minutes % 60);
}

// {"name": ..., and every axis's value}, in the order of upagraha::kAxisNames (keys are the
// program's own literals).
void ProfileObject(JsonWriter& w, const upagraha::ConventionProfile& profile) {
    const auto axes = upagraha::AxisSettings(profile);
    w.BeginObject();
    w.Field("name", profile.name);
    w.Field("lords", axes[0].value);
    w.Field("kaala", axes[1].value);
    w.Field("mrityu", axes[2].value);
    w.Field("arthaprahaara", axes[3].value);
    w.Field("yamaghantaka", axes[4].value);
    w.Field("gulika", axes[5].value);
    w.Field("maandi", axes[6].value);
    w.Field("sunrise", axes[7].value);
    w.Field("vyatipata", axes[8].value);
    w.Field("ephemeris", axes[9].value);
    w.Field("ayanamsa", axes[10].value);
    w.EndObject();
}

void AppendReadingJson(std::string& out, const reading::Reading& s, const upagraha::Upagrahas& u,
                       std::span<const std::string> warnings, const reading::Sensitivity* sensitivity,
                       std::optional<upagraha::Language> local) {
    using namespace upagraha;
    const auto row = static_cast<std::size_t>(s.zoneRow);
    const EscapedTexts& texts = Escaped();
    JsonWriter w(out);
    w.BeginObject();
    w.Field("name", s.name);
    w.Field("date", QuotedDate(s.year, s.month, s.day).Json());
    w.Field("time", QuotedClock(s.hour, s.minute).Json());
    if (s.exactZone) {
        w.Field("zone", s.exactZone->name);
        w.Field("zone_offset_seconds", s.exactZone->secondsEast);
    } else {
        w.Field("zone", static_cast<int>(s.zoneRow));
        w.Field("zone_text", row < s.zones->zoneTable.size() ? s.zones->zoneTable[row] : std::string_view{});
    }
    w.Field("dst", s.dst);
    w.Field("latitude", Degrees(s.latDegrees, s.latMinutes, s.south));
    w.Field("longitude", Degrees(s.lonDegrees, s.lonMinutes, !s.east));
    w.Field("city", s.city);
    w.Field("state", s.state);
    w.Field("country", s.country);
    w.Key("profile");
    ProfileObject(w, s.profile);
    w.Key("ascendant");
    w.BeginObject();
    w.Field("text", s.birthAscendantText);
    Sign(w, s.birthAscendantText, local);
    w.Field("degrees", s.birthAscendant.value);
    Nakshatra(w, texts, s.birthAscendant.value, local);
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
        if (local) LocalField(w, "lord_local", local, LordName(p.lord, *local));
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
        w.Field("name", Text(texts.names[i]));
        if (local) LocalField(w, "name_local", local, UpagrahaName(static_cast<int>(i), *local));
        w.Field("lord", Text(texts.lords[i]));
        if (local) LocalField(w, "lord_local", local, LordName(kUpagrahaLords[i], *local));
        w.Field("moment", u.moments[i]);
        w.Field("longitude", u.upagrahaLongitudes[i].view());
        Sign(w, u.upagrahaLongitudes[i].view(), local);
        w.Field("degrees", u.longitudes[i]);
        Nakshatra(w, texts, u.longitudes[i], local);
        w.Field("house", house);
        w.Field("significance", Text(texts.significance[i]));
        if (house >= 1 && house <= 12)
            w.Field("interpretation", Text(texts.interpretations[i][static_cast<std::size_t>(house - 1)]));
        else
            w.Field("interpretation", std::string_view{});
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

    // Only when the reading asked for them (--grahas), so the default line stays as it was.
    if (s.sky) {
        PlacedPoints(w, "grahas", s.sky->grahas, true, local);
        PlacedPoints(w, "sun_upagrahas", s.sky->sunUpagrahas, false, local);
    }

    w.Key("warnings");
    w.BeginArray();
    for (const std::string& warning : warnings) w.String(warning);
    w.EndArray();
    w.EndObject();
}

std::string ReadingJsonLine(const reading::Reading& s, const upagraha::Upagrahas& u,
                            std::span<const std::string> warnings, const reading::Sensitivity* sensitivity,
                            std::optional<upagraha::Language> local) {
    std::string line;
    line.reserve(4096);
    AppendReadingJson(line, s, u, warnings, sensitivity, local);
    return line;
}

std::string ConventionGridJson(const reading::ConventionGrid& grid) {
    std::string line;
    JsonWriter w(line);
    w.BeginObject();
    w.Field("in_use", grid.columns[grid.inUseColumn].profile.name);
    w.Key("notes");
    w.BeginArray();
    for (const std::string& note : grid.notes) w.String(note);
    w.EndArray();
    w.Key("columns");
    w.BeginArray();
    for (std::size_t c = 0; c < grid.columns.size(); ++c) {
        const reading::GridColumn& column = grid.columns[c];
        w.BeginObject();
        w.Key("profile");
        ProfileObject(w, column.profile);
        if (!column.upagrahas) {
            w.Field("error", std::string_view(column.message));
            w.EndObject();
            continue;
        }
        w.Field("birth_by_day", column.upagrahas->birthByDay);
        w.Key("upagrahas");
        w.BeginArray();
        for (std::size_t u = 0; u < upagraha::kUpagrahaNames.size(); ++u) {
            w.BeginObject();
            w.Field("name", upagraha::kUpagrahaNames[u]);
            w.Field("longitude", column.upagrahas->longitudes[u]);
            w.Field("text", std::string_view(grid.CellText(u, c)));
            w.Field("portion", column.upagrahas->portionIndex[u] + 1);
            w.Field("differs", grid.Differs(u, c));
            w.EndObject();
        }
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    w.Finish();
    return line;
}

std::string RowErrorJsonLine(std::int64_t row, std::string_view message) {
    std::string line;
    JsonWriter w(line);
    w.BeginObject();
    w.Field("row", row);
    w.Field("error", message);
    w.EndObject();
    w.Finish();  // before the line is handed on
    return line;
}

}  // namespace vela::cli
