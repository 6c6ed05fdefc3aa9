#include "files/reading_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "astro/text.h"
#include "files/json_writer.h"
#include "reading/sky_around.h"
#include "upagraha/language.h"
#include "upagraha/nakshatra.h"
#include "upagraha/upagraha_report.h"

namespace vela::files {

void ProfileObject(JsonWriter& w, const upagraha::ConventionProfile& profile);

namespace {

// The fixed texts of every reading, escaped once for the whole run: the significance lines and
// interpretations alone are 2.5 KB of each line's 2.8.
struct EscapedTexts {
    std::array<std::string, upagraha::kUpagrahaCount> names;
    std::array<std::string, upagraha::kUpagrahaCount> lords;
    std::array<std::string, upagraha::kUpagrahaCount> significance;
    std::array<std::array<std::string, 12>, upagraha::kUpagrahaCount> interpretations;
    std::array<std::string, upagraha::kNakshatraCount> nakshatras;
    // The portions' lords, by upagraha::Planet (the seven and the portion no planet rules).
    std::array<std::string, static_cast<std::size_t>(upagraha::Planet::NoLord) + 1> planets;

    // Runs of the line that depend only on these texts, joined once (for the line without --lang):
    // ,"nakshatra":"...","pada":P by nakshatra and pada; {"name":"...","lord":"...","moment": by
    // upagraha; ,"house":H,"significance":"...","interpretation":"..." by upagraha and house.
    std::array<std::array<std::string, 4>, upagraha::kNakshatraCount> nakshatraPadas;
    std::array<std::string, upagraha::kUpagrahaCount> upagrahaHeads;
    std::array<std::array<std::string, 12>, upagraha::kUpagrahaCount> upagrahaHouses;
    // {"lord":"...","start": by upagraha::Planet.
    std::array<std::string, static_cast<std::size_t>(upagraha::Planet::NoLord) + 1> portionHeads;
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
        for (std::size_t p = 0; p < t.planets.size(); ++p) {
            t.planets[p] = EscapedJson(upagraha::PlanetText(static_cast<upagraha::Planet>(p)));
            t.portionHeads[p] = "{\"lord\":" + t.planets[p] + ",\"start\":";
        }
        for (std::size_t n = 0; n < t.nakshatras.size(); ++n)
            for (std::size_t pada = 0; pada < 4; ++pada)
                t.nakshatraPadas[n][pada] =
                    ",\"nakshatra\":" + t.nakshatras[n] + ",\"pada\":" + std::to_string(pada + 1);
        for (std::size_t i = 0; i < t.names.size(); ++i) {
            t.upagrahaHeads[i] = "{\"name\":" + t.names[i] + ",\"lord\":" + t.lords[i] + ",\"moment\":";
            for (std::size_t h = 0; h < 12; ++h)
                t.upagrahaHouses[i][h] = ",\"house\":" + std::to_string(h + 1) +
                                         ",\"significance\":" + t.significance[i] +
                                         ",\"interpretation\":" + t.interpretations[i][h];
        }
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

// With a language asked for (--lang), a "<key>_local" field follows a named field: the same name
// in that language. Keys and the other values stay English.
using Local = std::optional<upagraha::Language>;

// "HH:MM:SS" of a date value: the precise ephemeris' events keep their seconds.
std::string SecondsClockText(astro::DateValue value) {
    constexpr long kSecondsPerDay = 24 * 3600;
    const long seconds = std::lround(astro::HoursOfDay(value) * 3600.0) % kSecondsPerDay;
    char text[12];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

// {"rise":"HH:MM","set":"HH:MM"}, or to the second.
void SunDay(JsonPieces& w, astro::DateValue rise, astro::DateValue set, bool toTheSecond) {
    w.Put("{\"rise\":");
    if (toTheSecond)
        w.String(SecondsClockText(rise));
    else
        w.Put(Clock(rise).Json());
    w.Put(",\"set\":");
    if (toTheSecond)
        w.String(SecondsClockText(set));
    else
        w.Put(Clock(set).Json());
    w.Put("}");
}

// ,"nakshatra":...,"pada":N (with "nakshatra_local" between them when a language is asked for).
void Nakshatra(JsonPieces& w, const EscapedTexts& texts, double degrees, const Local& local) {
    const auto place = upagraha::NakshatraOf(degrees);
    const auto n = static_cast<std::size_t>(place.nakshatra);
    if (!local && place.pada >= 1 && place.pada <= 4) {
        w.Put(Text(texts.nakshatraPadas[n][static_cast<std::size_t>(place.pada - 1)]));
        return;
    }
    w.Put(",\"nakshatra\":");
    w.Put(Text(texts.nakshatras[n]));
    if (local) {
        w.Put(",\"nakshatra_local\":");
        w.String(upagraha::NakshatraName(place.nakshatra, *local));
    }
    w.Put(",\"pada\":");
    w.Integer(place.pada);
}

// The sign a position's text names ("05 Leo 23", "15 Ari 04' 10\""), as the report shows it; -1
// for a text without one.
int SignOfText(std::string_view text) {
    const auto letter =
        std::find_if(text.begin(), text.end(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; });
    if (letter == text.end()) return -1;
    return upagraha::SignIndexOfAbbreviation(text.substr(static_cast<std::size_t>(letter - text.begin()), 3));
}

// With a language: ,"sign":English,"sign_local":... for the sign a position's text names.
void Sign(JsonPieces& w, std::string_view text, const Local& local) {
    if (!local) return;
    const int sign = SignOfText(text);
    if (sign < 0) return;
    w.Put(",\"sign\":");
    w.String(upagraha::SignName(sign, upagraha::Language::English));
    w.Put(",\"sign_local\":");
    w.String(upagraha::SignName(sign, *local));
}

// A graha's or a Sun upagraha's name in the language, found by its English name.
std::string_view LocalPointName(std::string_view name, upagraha::Language language) {
    for (const sky::Graha graha : sky::kGrahas)
        if (sky::GrahaName(graha) == name) return upagraha::GrahaName(graha, language);
    for (std::size_t i = 0; i < reading::kSunUpagrahaNames.size(); ++i)
        if (reading::kSunUpagrahaNames[i] == name) return upagraha::SunUpagrahaName(static_cast<int>(i), language);
    return name;
}

// The grahas and the Sun's upagrahas: [{name, longitude, sign, degrees, nakshatra, pada, house}]
// and, for the grahas, retrograde.
void PlacedPoints(JsonPieces& w, std::span<const reading::PlacedPoint> points, bool grahas, const Local& local) {
    w.Put("[");
    bool firstPoint = true;
    for (const reading::PlacedPoint& p : points) {
        if (!firstPoint) w.Put(",");
        firstPoint = false;
        w.Put("{\"name\":");
        w.String(p.name);
        if (local) {
            w.Put(",\"name_local\":");
            w.String(LocalPointName(p.name, *local));
        }
        w.Put(",\"longitude\":");
        w.Number(p.longitudeDegrees);
        w.Put(",\"sign\":");
        w.String(p.SignName());
        if (local) {
            w.Put(",\"sign_local\":");
            w.String(upagraha::SignName(p.sign, *local));
        }
        w.Put(",\"degrees\":");
        w.String(p.degreesText);
        w.Put(",\"nakshatra\":");
        w.String(p.NakshatraName());
        if (local) {
            w.Put(",\"nakshatra_local\":");
            w.String(upagraha::NakshatraName(p.nakshatra, *local));
        }
        w.Put(",\"pada\":");
        w.Integer(p.pada);
        w.Put(",\"house\":");
        w.Integer(p.house);
        if (grahas) {
            w.Put(",\"retrograde\":");
            w.Bool(p.retrograde);
        }
        w.Put("}");
    }
    w.Put("]");
}

void Minutes(JsonPieces& w, const std::optional<int>& minutes) {
    if (minutes)
        w.Integer(*minutes);
    else
        w.Put("null");
}

// {"earlier":N|null,"later":N|null}
void Shift(JsonPieces& w, const reading::Shift& shift) {
    w.Put("{\"earlier\":");
    Minutes(w, shift.earlier);
    w.Put(",\"later\":");
    Minutes(w, shift.later);
    w.Put("}");
}

// The profile's object as ProfileObject writes it (its name and every axis), made once for each
// profile a thread meets in a row: a run's rows nearly all share one. The name is kept as a copy,
// so nothing of the caller's profile is held beyond the call.
EscapedJsonText ProfileJson(const upagraha::ConventionProfile& profile) {
    struct Known {
        std::string name;
        upagraha::Conventions conventions;
        std::string json;
    };
    thread_local std::optional<Known> known;
    if (!known || known->name != profile.name || known->conventions != profile.Values()) {
        std::string json;
        {
            JsonWriter w(json);
            ProfileObject(w, profile);
        }
        known.emplace(Known{std::string(profile.name), profile.Values(), std::move(json)});
    }
    return {known->json};
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
    // The varga axes only where they leave Parashara's rule: the object stays as it was otherwise.
    const auto vargas = upagraha::VargaAxisSettings(profile);
    const auto parashara = upagraha::VargaAxisSettings(upagraha::kOriginalProfile);
    if (vargas[0].value != parashara[0].value) w.Field("hora", vargas[0].value);
    if (vargas[1].value != parashara[1].value) w.Field("drekkana", vargas[1].value);
    if (vargas[2].value != parashara[2].value) w.Field("trimsamsa", vargas[2].value);
    w.EndObject();
}

void AppendReadingJson(TextBuffer& out, const reading::Reading& s, const upagraha::Upagrahas& u,
                       std::span<const std::string> warnings, const reading::Sensitivity* sensitivity,
                       std::optional<upagraha::Language> local) {
    using namespace upagraha;
    const auto row = static_cast<std::size_t>(s.zoneRow);
    const EscapedTexts& texts = Escaped();
    // The line is its fixed runs, each copied as one piece, with the reading's values between them
    // (the layout JsonWriter gives: no blanks, keys in this order).
    JsonPieces w(out);
    w.Put("{\"name\":");
    w.String(s.name);
    w.Put(",\"date\":");
    w.Put(QuotedDate(s.year, s.month, s.day).Json());
    w.Put(",\"time\":");
    w.Put(QuotedClock(s.hour, s.minute).Json());
    if (s.exactZone) {
        w.Put(",\"zone\":");
        w.String(s.exactZone->name);
        w.Put(",\"zone_offset_seconds\":");
        w.Integer(s.exactZone->secondsEast);
    } else {
        w.Put(",\"zone\":");
        w.Integer(s.zoneRow);
        w.Put(",\"zone_text\":");
        w.String(row < s.zones->zoneTable.size() ? std::string_view(s.zones->zoneTable[row]) : std::string_view{});
        // The row's offset to the second (rows 74 and 76 have seconds); the local-mean-time row's
        // is the place's longitude / 15 to the nearest second.
        w.Put(",\"zone_offset_seconds\":");
        w.Integer(s.zone.secondsEast);
    }
    w.Put(",\"dst\":");
    w.Bool(s.dst);
    // To the second where the place has seconds; the same bits as degrees and minutes where not.
    const astro::Place place = astro::PlaceOf(s);
    w.Put(",\"latitude\":");
    w.Number(place.latitudeNorth.value);
    w.Put(",\"longitude\":");
    w.Number(place.longitudeEast.value);
    w.Put(",\"city\":");
    w.String(s.city);
    w.Put(",\"state\":");
    w.String(s.state);
    w.Put(",\"country\":");
    w.String(s.country);
    w.Put(",\"profile\":");
    w.Put(ProfileJson(s.profile));
    w.Put(",\"ascendant\":{\"text\":");
    w.String(s.birthAscendantText);
    Sign(w, s.birthAscendantText, local);
    w.Put(",\"degrees\":");
    w.Number(s.birthAscendant.value);
    Nakshatra(w, texts, s.birthAscendant.value, local);
    const bool toTheSecond = s.profile.ephemeris == upagraha::EphemerisChoice::Precise;
    w.Put("},\"sun\":{\"previous\":");
    SunDay(w, s.prevSunrise, s.prevSunset, toTheSecond);
    w.Put(",\"birth\":");
    SunDay(w, s.birthSunrise, s.birthSunset, toTheSecond);
    w.Put(",\"next\":");
    SunDay(w, s.nextSunrise, s.nextSunset, toTheSecond);
    w.Put("},\"birth_by_day\":");
    w.Bool(u.birthByDay);
    w.Put(",\"weekday\":");
    w.Integer(u.weekday);

    w.Put(",\"portions\":[");
    for (std::size_t k = 0; k < u.portions.size(); ++k) {
        const Portion& p = u.portions[k];
        if (k > 0) w.Put(",");
        if (!local) {
            w.Put(Text(texts.portionHeads[static_cast<std::size_t>(p.lord)]));
        } else {
            w.Put("{\"lord\":");
            w.Put(Text(texts.planets[static_cast<std::size_t>(p.lord)]));
            w.Put(",\"lord_local\":");
            w.String(LordName(p.lord, *local));
            w.Put(",\"start\":");
        }
        w.Number(p.start);
        w.Put(",\"end\":");
        w.Number(p.end);
        w.Put("}");
    }

    w.Put("],\"upagrahas\":[");
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        const int house = u.houses[i];
        if (i > 0) w.Put(",");
        if (!local) {
            w.Put(Text(texts.upagrahaHeads[i]));
        } else {
            w.Put("{\"name\":");
            w.Put(Text(texts.names[i]));
            w.Put(",\"name_local\":");
            w.String(UpagrahaName(static_cast<int>(i), *local));
            w.Put(",\"lord\":");
            w.Put(Text(texts.lords[i]));
            w.Put(",\"lord_local\":");
            w.String(LordName(kUpagrahaLords[i], *local));
            w.Put(",\"moment\":");
        }
        w.Number(u.moments[i]);
        w.Put(",\"longitude\":");
        w.String(u.upagrahaLongitudes[i].view());
        Sign(w, u.upagrahaLongitudes[i].view(), local);
        w.Put(",\"degrees\":");
        w.Number(u.longitudes[i]);
        Nakshatra(w, texts, u.longitudes[i], local);
        if (house >= 1 && house <= 12) {
            w.Put(Text(texts.upagrahaHouses[i][static_cast<std::size_t>(house - 1)]));
        } else {
            w.Put(",\"house\":");
            w.Integer(house);
            w.Put(",\"significance\":");
            w.Put(Text(texts.significance[i]));
            w.Put(",\"interpretation\":\"\"");
        }
        if (sensitivity != nullptr) {
            w.Put(",\"sensitivity\":{\"sign\":");
            Shift(w, sensitivity->sign[i]);
            w.Put(",\"house\":");
            Shift(w, sensitivity->house[i]);
            w.Put(",\"searched_minutes\":");
            w.Integer(sensitivity->searchedMinutes);
            w.Put("}");
        }
        w.Put("}");
    }
    w.Put("]");

    // Only when the reading asked for them (--grahas), so the default line stays as it was.
    if (s.sky) {
        w.Put(",\"grahas\":");
        PlacedPoints(w, s.sky->grahas, true, local);
        w.Put(",\"sun_upagrahas\":");
        PlacedPoints(w, s.sky->sunUpagrahas, false, local);
    }

    w.Put(",\"warnings\":[");
    for (std::size_t k = 0; k < warnings.size(); ++k) {
        if (k > 0) w.Put(",");
        w.String(warnings[k]);
    }
    w.Put("]}");
}

void AppendReadingJson(std::string& out, const reading::Reading& s, const upagraha::Upagrahas& u,
                       std::span<const std::string> warnings, const reading::Sensitivity* sensitivity,
                       std::optional<upagraha::Language> local) {
    TextBuffer line;
    AppendReadingJson(line, s, u, warnings, sensitivity, local);
    out.append(line.View());
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

}  // namespace vela::files
