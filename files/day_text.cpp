#include "files/day_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "astro/position_text.h"
#include "astro/text.h"
#include "files/json_writer.h"
#include "reading/reading_language.h"
#include "reading/result_summary.h"

namespace vela::files {

namespace {

using reading::ClockSpan;
using reading::ClockText;
using upagraha::Language;

// The sheets' words in Hindi and Tamil, in the terms of docs/translations.md.
// clang-format off
constexpr reading::TranslatedText kSheetTexts[] = {
    {"Day portions for %1", "%1 के दिन के भाग", "%1 நாளின் பாகங்கள்"},
    {"Place: %1", "स्थान: %1", "இடம்: %1"},
    {"Profile: %1 (%2)", "पद्धति: %1 (%2)", "முறை: %1 (%2)"},
    {"Daylight saving: on for every day as given (clock one hour ahead of the zone)",
     "ग्रीष्मकालीन समय: दिए अनुसार हर दिन लागू (घड़ी समय क्षेत्र से एक घंटा आगे)",
     "பகலொளி சேமிப்பு நேரம்: கொடுத்தபடி ஒவ்வொரு நாளும் உண்டு (கடிகாரம் நேர மண்டலத்தை விட ஒரு மணி முன்னே)"},
    {"Daylight saving: off for every day as given", "ग्रीष्मकालीन समय: दिए अनुसार हर दिन लागू नहीं",
     "பகலொளி சேமிப்பு நேரம்: கொடுத்தபடி எந்த நாளும் இல்லை"},
    {"Sunrise %1   Sunset %2   Next sunrise %3", "सूर्योदय %1   सूर्यास्त %2   अगला सूर्योदय %3",
     "சூரிய உதயம் %1   அஸ்தமனம் %2   அடுத்த உதயம் %3"},
    {"Sunrise %1   Sunset %2   No sunrise the next day", "सूर्योदय %1   सूर्यास्त %2   अगले दिन सूर्योदय नहीं",
     "சூரிய உதயம் %1   அஸ்தமனம் %2   அடுத்த நாள் உதயம் இல்லை"},
    {"No sunrise follows this sunset: the night has no portions, horas or choghadiyas.",
     "इस सूर्यास्त के बाद सूर्योदय नहीं होता: रात्रि के भाग, होराएँ और चौघड़िया नहीं हैं।",
     "இந்த அஸ்தமனத்தை அடுத்து உதயம் இல்லை: இரவுக்குப் பாகங்களும் ஓரைகளும் சௌகடியாக்களும் இல்லை."},
    {"Gulika rises by day %1", "गुलिक का उदय दिन में %1", "குளிகன் உதயம் பகலில் %1"},
    {"Maandi rises by day %1", "मान्दि का उदय दिन में %1", "மாந்தி உதயம் பகலில் %1"},
    {"Rahu Kalam", "राहु काल", "ராகு காலம்"},
    {"Yamagandam", "यमगण्ड", "எமகண்டம்"},
    {"Gulika Kalam", "गुलिक काल", "குளிகை காலம்"},
    {"   portion %1 of the day", "   दिन का भाग %1", "   பகலின் பாகம் %1"},
    {"(The almanacs give these three for the day only.)", "(पंचांग ये तीनों केवल दिन के लिए देते हैं।)",
     "(பஞ்சாங்கங்கள் இம்மூன்றையும் பகலுக்கு மட்டுமே தருகின்றன.)"},
    {"Note: %1", "टिप्पणी: %1", "குறிப்பு: %1"},
    {"%1, ascendant %2", "%1, लग्न %2", "%1, லக்னம் %2"},
    {"Gulika rises by day %1; by night %2", "गुलिक का उदय दिन में %1; रात्रि में %2",
     "குளிகன் உதயம் பகலில் %1; இரவில் %2"},
    {"Maandi rises by day %1; by night %2", "मान्दि का उदय दिन में %1; रात्रि में %2",
     "மாந்தி உதயம் பகலில் %1; இரவில் %2"},
    {"Portions of the day", "दिन के भाग", "பகல் பாகங்கள்"},
    {"Portions of the night", "रात्रि के भाग", "இரவுப் பாகங்கள்"},
    {"Horas of the day", "दिन की होराएँ", "பகல் ஓரைகள்"},
    {"Horas of the night", "रात्रि की होराएँ", "இரவு ஓரைகள்"},
    {"Choghadiyas of the day", "दिन के चौघड़िया", "பகல் சௌகடியா"},
    {"Choghadiyas of the night", "रात्रि के चौघड़िया", "இரவு சௌகடியா"},
    {"Rahu Kalam, Yamagandam and Gulika Kalam for %1 %2", "%1 %2 के राहु काल, यमगण्ड और गुलिक काल",
     "%1 %2 இன் ராகு காலம், எமகண்டம், குளிகை காலம்"},
    {"Date", "दिनांक", "தேதி"},
    {"Weekday", "वार", "கிழமை"},
    {"Sunrise", "उदय", "உதயம்"},
    {"Sunset", "अस्त", "அஸ்தமனம்"},
};
// clang-format on

std::string Say(std::string_view english, Language language, std::initializer_list<std::string_view> args = {}) {
    return reading::SayFrom(kSheetTexts, english, language, args);
}

constexpr std::array<std::string_view, 12> kMonths = {"January",   "February", "March",    "April",
                                                      "May",       "June",     "July",     "August",
                                                      "September", "October",  "November", "December"};

// "23:40", or "00:10 (+1)" for a time past the date's midnight; to the second under the precise
// ephemeris.
std::string TimeText(astro::ClockHours hours, bool toTheSecond) { return reading::DatedClockText(hours, toTheSecond); }

// The portions' and horas' spans, in their tables of the day or the night.
std::string SpanText(const ClockSpan& span, bool toTheSecond) {
    return ClockText(span.start, toTheSecond) + " - " + ClockText(span.end, toTheSecond);
}

// A span with the date of each end that is not the sheet's ("23:10 - 00:03 (+1)").
std::string DatedSpanText(const ClockSpan& span, bool toTheSecond) {
    return TimeText(span.start, toTheSecond) + " - " + TimeText(span.end, toTheSecond);
}

std::string DateText(const astro::CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string LongDateText(const astro::CivilDate& date, int weekday, Language language) {
    if (language != Language::English)
        return std::string(upagraha::WeekdayName(weekday, language)) + ", " +
               reading::DateText(date.day, date.month, date.year, language);
    return std::string(reading::WeekdayName(weekday)) + ", " + std::to_string(date.day) + " " +
           std::string(kMonths[static_cast<std::size_t>(date.month - 1)]) + " " + std::to_string(date.year);
}

std::string PlaceText(const reading::DayPlace& place) { return reading::DayPlaceText(place); }

// Padded to a width in characters as the screen shows them (the em dash of the lordless portion is
// one character, three bytes; a Devanagari or Tamil vowel sign takes no column of its own).
std::string Padded(std::string text, std::size_t width) {
    const std::size_t characters = reading::DisplayWidth(text);
    if (characters < width) text.append(width - characters, ' ');
    return text;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string RisingText(const reading::Rising& rising, bool toTheSecond, Language language) {
    return Say("%1, ascendant %2", language,
               {TimeText(rising.moment, toTheSecond),
                upagraha::PositionTextIn(astro::CompactPositionTextOf(rising.ascendant.value).str(), language)});
}

std::string ProfileText(const upagraha::ConventionProfile& profile, Language language) {
    return reading::ProfileDescription(profile, language);
}

// "sunrise": the clock text, and "sunrise_day": the date it falls on counted from the sheet's (+1
// after midnight).
void ClockJson(JsonWriter& json, JsonKey key, JsonKey dayKey, astro::ClockHours hours, bool toTheSecond) {
    json.Field(key, ClockText(hours, toTheSecond));
    json.Field(dayKey, reading::DayOffsetOf(hours, toTheSecond));
}

void SpanJson(JsonWriter& json, const ClockSpan& span, bool toTheSecond) {
    json.BeginObject();
    ClockJson(json, "start", "start_day", span.start, toTheSecond);
    ClockJson(json, "end", "end_day", span.end, toTheSecond);
    json.Field("start_hours", span.start.value);
    json.Field("end_hours", span.end.value);
    json.EndObject();
}

void RisingJson(JsonWriter& json, const reading::Rising& rising, bool toTheSecond) {
    json.BeginObject();
    ClockJson(json, "time", "time_day", rising.moment, toTheSecond);
    json.Field("hours", rising.moment.value);
    json.Field("ascendant", rising.ascendant.value);
    json.Field("ascendant_text", astro::CompactPositionTextOf(rising.ascendant.value).str());
    json.EndObject();
}

void PeriodsJson(JsonWriter& json, const reading::AlmanacPeriods& periods, bool toTheSecond) {
    json.Key("rahu_kalam");
    SpanJson(json, periods.rahuKalam, toTheSecond);
    json.Key("yamagandam");
    SpanJson(json, periods.yamagandam, toTheSecond);
    json.Key("gulika_kalam");
    SpanJson(json, periods.gulikaKalam, toTheSecond);
}

void HeaderJson(JsonWriter& json, const reading::DayPlace& place, const upagraha::ConventionProfile& profile,
                const std::optional<std::string>& warning) {
    json.Field("place", PlaceText(place));
    json.Field("dst", place.dst);
    json.Field("profile", profile.name);
    json.Key("warnings");
    json.BeginArray();
    if (warning) json.String(*warning);
    json.EndArray();
}

}  // namespace

std::string DaySheetText(const reading::DaySheet& day, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, bool choghadiya, Language language) {
    const bool seconds = day.toTheSecond;
    std::string out;
    out += Say("Day portions for %1", language, {LongDateText(day.date, day.weekday, language)}) + "\n";
    out += Say("Place: %1", language, {reading::DayPlaceText(place, language)}) + "\n";
    out += Say(reading::DstText(place.dst), language) + "\n";
    out += Say("Profile: %1 (%2)", language, {profile.name, ProfileText(profile, language)}) + "\n";
    if (day.warning) out += reading::MessageIn(*day.warning, language) + "\n";
    if (day.hasNight)
        out += Say("Sunrise %1   Sunset %2   Next sunrise %3", language,
                   {TimeText(day.sunrise, seconds), TimeText(day.sunset, seconds), TimeText(day.nextSunrise, seconds)});
    else
        out += Say("Sunrise %1   Sunset %2   No sunrise the next day", language,
                   {TimeText(day.sunrise, seconds), TimeText(day.sunset, seconds)});
    out += "\n\n";
    const auto period = [&out, language, seconds](std::string_view name, const ClockSpan& span, int portion) {
        out += Padded(Say(name, language), 14) + DatedSpanText(span, seconds) +
               Say("   portion %1 of the day", language, {std::to_string(portion)}) + "\n";
    };
    period("Rahu Kalam", day.periods.rahuKalam, reading::RahuKalamPortion(day.weekday));
    period("Yamagandam", day.periods.yamagandam, reading::YamagandamPortion(day.weekday));
    period("Gulika Kalam", day.periods.gulikaKalam, reading::GulikaKalamPortion(day.weekday));
    out += Say("(The almanacs give these three for the day only.)", language) + "\n";
    if (day.yamaghantakaNote)
        out += Say("Note: %1", language, {reading::MessageIn(*day.yamaghantakaNote, language)}) + "\n";
    out += "\n";
    if (day.hasNight) {
        out += Say("Gulika rises by day %1; by night %2", language,
                   {RisingText(day.gulikaByDay, seconds, language), RisingText(day.gulikaByNight, seconds, language)}) +
               "\n";
        out += Say("Maandi rises by day %1; by night %2", language,
                   {RisingText(day.maandiByDay, seconds, language), RisingText(day.maandiByNight, seconds, language)}) +
               "\n\n";
    } else {
        out += Say("Gulika rises by day %1", language, {RisingText(day.gulikaByDay, seconds, language)}) + "\n";
        out += Say("Maandi rises by day %1", language, {RisingText(day.maandiByDay, seconds, language)}) + "\n";
        out +=
            Say("No sunrise follows this sunset: the night has no portions, horas or choghadiyas.", language) + "\n\n";
    }
    // The day's column, and the night's beside it where there is a night; wider to the second.
    const std::size_t column = seconds ? 32 : 30;
    const auto row = [&out, &day, column](const std::string& byDay, const std::string& byNight) {
        out += Trimmed(day.hasNight ? Padded(byDay, column) + byNight : byDay) + "\n";
    };
    const auto heads = [&](std::string_view dayHead, std::string_view nightHead) {
        row(Say(dayHead, language), Say(nightHead, language));
    };
    heads("Portions of the day", "Portions of the night");
    for (std::size_t k = 0; k < 8; ++k) {
        const auto line = [k, language, seconds](const reading::DayPortion& p) {
            return std::to_string(k + 1) + "  " + Padded(std::string(upagraha::LordName(p.lord, language)), 5) +
                   SpanText(p.span, seconds);
        };
        row(line(day.dayPortions[k]), line(day.nightPortions[k]));
    }
    out += "\n";
    heads("Horas of the day", "Horas of the night");
    for (std::size_t k = 0; k < 12; ++k) {
        const auto line = [language, seconds](std::size_t n, const reading::Hora& h) {
            return Padded(std::to_string(n), 4) + Padded(std::string(upagraha::LordName(h.lord, language)), 5) +
                   SpanText(h.span, seconds);
        };
        row(line(k + 1, day.horas[k]), line(k + 13, day.horas[k + 12]));
    }
    if (choghadiya) {
        out += "\n";
        heads("Choghadiyas of the day", "Choghadiyas of the night");
        for (std::size_t k = 0; k < 8; ++k) {
            const auto line = [k, language, seconds](const reading::ChoghadiyaSpan& c) {
                return std::to_string(k + 1) + "  " +
                       Padded(std::string(reading::ChoghadiyaName(c.name, language)), 7) + SpanText(c.span, seconds);
            };
            row(line(day.choghadiyas[k]), line(day.choghadiyas[k + 8]));
        }
    }
    return out;
}

std::string DaySheetJson(const reading::DaySheet& day, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, bool choghadiya) {
    const bool seconds = day.toTheSecond;
    std::string out;
    {
        JsonWriter json(out);
        json.BeginObject();
        json.Field("date", DateText(day.date));
        json.Field("weekday", reading::WeekdayName(day.weekday));
        HeaderJson(json, place, profile, day.warning);
        ClockJson(json, "sunrise", "sunrise_day", day.sunrise, seconds);
        ClockJson(json, "sunset", "sunset_day", day.sunset, seconds);
        if (day.hasNight) {
            ClockJson(json, "next_sunrise", "next_sunrise_day", day.nextSunrise, seconds);
        } else {
            json.Key("next_sunrise");
            json.Null();
        }
        PeriodsJson(json, day.periods, seconds);
        const auto spans = [&json, seconds](const auto& list, std::size_t count) {
            json.BeginArray();
            for (std::size_t k = 0; k < count; ++k) {
                const auto& item = list[k];
                json.BeginObject();
                if constexpr (requires { item.name; }) {
                    json.Field("name", reading::ChoghadiyaName(item.name));
                    json.Field("lord", upagraha::PlanetText(reading::ChoghadiyaLord(item.name)));
                    json.Field("by_day", k < 8);
                } else {
                    json.Field("lord", upagraha::PlanetText(item.lord));
                }
                json.Key("span");
                SpanJson(json, item.span, seconds);
                json.EndObject();
            }
            json.EndArray();
        };
        const std::size_t nightPortions = day.hasNight ? 8 : 0;
        json.Key("day_portions");
        spans(day.dayPortions, 8);
        json.Key("night_portions");
        spans(day.nightPortions, nightPortions);
        const auto rising = [&json, &day, seconds](const reading::Rising& r, bool byNight) {
            if (byNight && !day.hasNight)
                json.Null();
            else
                RisingJson(json, r, seconds);
        };
        json.Key("gulika_by_day");
        rising(day.gulikaByDay, false);
        json.Key("maandi_by_day");
        rising(day.maandiByDay, false);
        json.Key("gulika_by_night");
        rising(day.gulikaByNight, true);
        json.Key("maandi_by_night");
        rising(day.maandiByNight, true);
        json.Key("horas");
        spans(day.horas, day.hasNight ? 24 : 12);
        if (choghadiya) {
            json.Key("choghadiyas");
            spans(day.choghadiyas, day.hasNight ? 16 : 8);
        }
        json.Key("note");
        if (day.yamaghantakaNote)
            json.String(*day.yamaghantakaNote);
        else
            json.Null();
        json.EndObject();
    }
    return out;
}

std::string MonthSheetText(const reading::MonthSheet& month, const reading::DayPlace& place,
                           const upagraha::ConventionProfile& profile, Language language) {
    const bool english = language == Language::English;
    const bool seconds = month.toTheSecond;
    const std::string_view monthName =
        english ? kMonths[static_cast<std::size_t>(month.month - 1)] : upagraha::MonthName(month.month - 1, language);
    std::string out;
    out += Say("Rahu Kalam, Yamagandam and Gulika Kalam for %1 %2", language, {monthName, std::to_string(month.year)}) +
           "\n";
    out += Say("Place: %1", language, {reading::DayPlaceText(place, language)}) + "\n";
    out += reading::MessageIn(reading::MonthClockText(month), language) + "\n";
    out += Say("Profile: %1 (%2)", language, {profile.name, ProfileText(profile, language)}) + "\n";
    if (month.warning) out += reading::MessageIn(*month.warning, language) + "\n";
    out += "\n";
    // Each day's times with their dates where not the day's own; the columns as wide as their
    // longest text and two blanks.
    struct Cells {
        std::array<std::string, 5> times;
    };
    std::vector<Cells> cells(month.lines.size());
    std::array<std::size_t, 5> widths = {8, 8, 15, 15, 0};
    for (std::size_t k = 0; k < month.lines.size(); ++k) {
        const auto& line = month.lines[k];
        if (line.message) continue;
        cells[k].times = {TimeText(line.sunrise, seconds), TimeText(line.sunset, seconds),
                          DatedSpanText(line.periods.rahuKalam, seconds),
                          DatedSpanText(line.periods.yamagandam, seconds),
                          DatedSpanText(line.periods.gulikaKalam, seconds)};
        for (std::size_t c = 0; c + 1 < widths.size(); ++c)
            widths[c] = std::max(widths[c], reading::DisplayWidth(cells[k].times[c]) + 2);
    }
    out += Padded(Say("Date", language), 12) + Padded(Say("Weekday", language), 11) +
           Padded(Say("Sunrise", language), widths[0]) + Padded(Say("Sunset", language), widths[1]) +
           Padded(Say("Rahu Kalam", language), widths[2]) + Padded(Say("Yamagandam", language), widths[3]) +
           Say("Gulika Kalam", language) + "\n";
    for (std::size_t k = 0; k < month.lines.size(); ++k) {
        const auto& line = month.lines[k];
        out += DateText(line.date) + "  " +
               Padded(std::string(english ? reading::WeekdayName(line.weekday)
                                          : upagraha::WeekdayName(line.weekday, language)),
                      11);
        if (line.message) {
            out += reading::MessageIn(*line.message, language) + "\n";
            continue;
        }
        for (std::size_t c = 0; c + 1 < widths.size(); ++c) out += Padded(cells[k].times[c], widths[c]);
        out += cells[k].times.back() + "\n";
    }
    return out;
}

std::string MonthSheetJson(const reading::MonthSheet& month, const reading::DayPlace& place,
                           const upagraha::ConventionProfile& profile) {
    std::string out;
    {
        JsonWriter json(out);
        json.BeginObject();
        json.Field("year", month.year);
        json.Field("month", month.month);
        HeaderJson(json, place, profile, month.warning);
        json.Key("days");
        json.BeginArray();
        for (const auto& line : month.lines) {
            json.BeginObject();
            json.Field("date", DateText(line.date));
            json.Field("weekday", reading::WeekdayName(line.weekday));
            if (line.message) {
                json.Field("message", *line.message);
            } else {
                ClockJson(json, "sunrise", "sunrise_day", line.sunrise, month.toTheSecond);
                ClockJson(json, "sunset", "sunset_day", line.sunset, month.toTheSecond);
                PeriodsJson(json, line.periods, month.toTheSecond);
            }
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    return out;
}

}  // namespace vela::files
