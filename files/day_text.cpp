#include "files/day_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

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

// "23:40", or "00:10 (+1)" for a time past the date's midnight.
std::string TimeText(astro::ClockHours hours) {
    std::string text = ClockText(hours);
    if (std::lround(hours.value * 60) >= 1440) text += " (+1)";
    return text;
}

std::string SpanText(const ClockSpan& span) { return ClockText(span.start) + " - " + ClockText(span.end); }

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

std::string RisingText(const reading::Rising& rising, Language language) {
    return Say("%1, ascendant %2", language,
               {TimeText(rising.moment),
                upagraha::PositionTextIn(astro::CompactPositionTextOf(rising.ascendant.value).str(), language)});
}

std::string ProfileText(const upagraha::ConventionProfile& profile, Language language) {
    return reading::ProfileDescription(profile, language);
}

void SpanJson(JsonWriter& json, const ClockSpan& span) {
    json.BeginObject();
    json.Field("start", ClockText(span.start));
    json.Field("end", ClockText(span.end));
    json.Field("start_hours", span.start.value);
    json.Field("end_hours", span.end.value);
    json.EndObject();
}

void RisingJson(JsonWriter& json, const reading::Rising& rising) {
    json.BeginObject();
    json.Field("time", ClockText(rising.moment));
    json.Field("hours", rising.moment.value);
    json.Field("ascendant", rising.ascendant.value);
    json.Field("ascendant_text", astro::CompactPositionTextOf(rising.ascendant.value).str());
    json.EndObject();
}

void PeriodsJson(JsonWriter& json, const reading::AlmanacPeriods& periods) {
    json.Key("rahu_kalam");
    SpanJson(json, periods.rahuKalam);
    json.Key("yamagandam");
    SpanJson(json, periods.yamagandam);
    json.Key("gulika_kalam");
    SpanJson(json, periods.gulikaKalam);
}

void HeaderJson(JsonWriter& json, const reading::DayPlace& place, const upagraha::ConventionProfile& profile) {
    json.Field("place", PlaceText(place));
    json.Field("dst", place.dst);
    json.Field("profile", profile.name);
}

}  // namespace

std::string DaySheetText(const reading::DaySheet& day, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, bool choghadiya, Language language) {
    std::string out;
    out += Say("Day portions for %1", language, {LongDateText(day.date, day.weekday, language)}) + "\n";
    out += Say("Place: %1", language, {reading::DayPlaceText(place, language)}) + "\n";
    out += Say(reading::DstText(place.dst), language) + "\n";
    out += Say("Profile: %1 (%2)", language, {profile.name, ProfileText(profile, language)}) + "\n";
    out += Say("Sunrise %1   Sunset %2   Next sunrise %3", language,
               {TimeText(day.sunrise), TimeText(day.sunset), TimeText(day.nextSunrise)}) +
           "\n\n";
    const auto period = [&out, language](std::string_view name, const ClockSpan& span, int portion) {
        out += Padded(Say(name, language), 14) + SpanText(span) +
               Say("   portion %1 of the day", language, {std::to_string(portion)}) + "\n";
    };
    period("Rahu Kalam", day.periods.rahuKalam, reading::RahuKalamPortion(day.weekday));
    period("Yamagandam", day.periods.yamagandam, reading::YamagandamPortion(day.weekday));
    period("Gulika Kalam", day.periods.gulikaKalam, reading::GulikaKalamPortion(day.weekday));
    out += Say("(The almanacs give these three for the day only.)", language) + "\n";
    if (day.yamaghantakaNote)
        out += Say("Note: %1", language, {reading::MessageIn(*day.yamaghantakaNote, language)}) + "\n";
    out += "\n" +
           Say("Gulika rises by day %1; by night %2", language,
               {RisingText(day.gulikaByDay, language), RisingText(day.gulikaByNight, language)}) +
           "\n";
    out += Say("Maandi rises by day %1; by night %2", language,
               {RisingText(day.maandiByDay, language), RisingText(day.maandiByNight, language)}) +
           "\n\n";
    out += Padded(Say("Portions of the day", language), 30) + Say("Portions of the night", language) + "\n";
    for (std::size_t k = 0; k < 8; ++k) {
        const auto line = [k, language](const reading::DayPortion& p) {
            return Padded(std::to_string(k + 1) + "  " + Padded(std::string(upagraha::LordName(p.lord, language)), 5) +
                              SpanText(p.span),
                          30);
        };
        out += Trimmed(line(day.dayPortions[k]) + line(day.nightPortions[k])) + "\n";
    }
    out += "\n" + Padded(Say("Horas of the day", language), 30) + Say("Horas of the night", language) + "\n";
    for (std::size_t k = 0; k < 12; ++k) {
        const auto line = [language](std::size_t n, const reading::Hora& h) {
            return Padded(Padded(std::to_string(n), 4) + Padded(std::string(upagraha::LordName(h.lord, language)), 5) +
                              SpanText(h.span),
                          30);
        };
        out += Trimmed(line(k + 1, day.horas[k]) + line(k + 13, day.horas[k + 12])) + "\n";
    }
    if (choghadiya) {
        out += "\n" + Padded(Say("Choghadiyas of the day", language), 30) + Say("Choghadiyas of the night", language) +
               "\n";
        for (std::size_t k = 0; k < 8; ++k) {
            const auto line = [k, language](const reading::ChoghadiyaSpan& c) {
                return Padded(std::to_string(k + 1) + "  " +
                                  Padded(std::string(reading::ChoghadiyaName(c.name, language)), 7) + SpanText(c.span),
                              30);
            };
            out += Trimmed(line(day.choghadiyas[k]) + line(day.choghadiyas[k + 8])) + "\n";
        }
    }
    return out;
}

std::string DaySheetJson(const reading::DaySheet& day, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, bool choghadiya) {
    std::string out;
    {
        JsonWriter json(out);
        json.BeginObject();
        json.Field("date", DateText(day.date));
        json.Field("weekday", reading::WeekdayName(day.weekday));
        HeaderJson(json, place, profile);
        json.Field("sunrise", ClockText(day.sunrise));
        json.Field("sunset", ClockText(day.sunset));
        json.Field("next_sunrise", ClockText(day.nextSunrise));
        PeriodsJson(json, day.periods);
        const auto portions = [&json](const std::array<reading::DayPortion, 8>& list) {
            json.BeginArray();
            for (const auto& p : list) {
                json.BeginObject();
                json.Field("lord", upagraha::PlanetText(p.lord));
                json.Key("span");
                SpanJson(json, p.span);
                json.EndObject();
            }
            json.EndArray();
        };
        json.Key("day_portions");
        portions(day.dayPortions);
        json.Key("night_portions");
        portions(day.nightPortions);
        json.Key("gulika_by_day");
        RisingJson(json, day.gulikaByDay);
        json.Key("maandi_by_day");
        RisingJson(json, day.maandiByDay);
        json.Key("gulika_by_night");
        RisingJson(json, day.gulikaByNight);
        json.Key("maandi_by_night");
        RisingJson(json, day.maandiByNight);
        json.Key("horas");
        json.BeginArray();
        for (const auto& h : day.horas) {
            json.BeginObject();
            json.Field("lord", upagraha::PlanetText(h.lord));
            json.Key("span");
            SpanJson(json, h.span);
            json.EndObject();
        }
        json.EndArray();
        if (choghadiya) {
            json.Key("choghadiyas");
            json.BeginArray();
            for (std::size_t k = 0; k < day.choghadiyas.size(); ++k) {
                const auto& c = day.choghadiyas[k];
                json.BeginObject();
                json.Field("name", reading::ChoghadiyaName(c.name));
                json.Field("lord", upagraha::PlanetText(reading::ChoghadiyaLord(c.name)));
                json.Field("by_day", k < 8);
                json.Key("span");
                SpanJson(json, c.span);
                json.EndObject();
            }
            json.EndArray();
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
    const std::string_view monthName =
        english ? kMonths[static_cast<std::size_t>(month.month - 1)] : upagraha::MonthName(month.month - 1, language);
    std::string out;
    out += Say("Rahu Kalam, Yamagandam and Gulika Kalam for %1 %2", language, {monthName, std::to_string(month.year)}) +
           "\n";
    out += Say("Place: %1", language, {reading::DayPlaceText(place, language)}) + "\n";
    out += reading::MessageIn(reading::MonthClockText(month), language) + "\n";
    out += Say("Profile: %1 (%2)", language, {profile.name, ProfileText(profile, language)}) + "\n\n";
    if (english) {
        out += "Date        Weekday    Sunrise Sunset  Rahu Kalam     Yamagandam     Gulika Kalam\n";
    } else {
        out += Padded(Say("Date", language), 12) + Padded(Say("Weekday", language), 11) +
               Padded(Say("Sunrise", language), 8) + Padded(Say("Sunset", language), 8) +
               Padded(Say("Rahu Kalam", language), 15) + Padded(Say("Yamagandam", language), 15) +
               Say("Gulika Kalam", language) + "\n";
    }
    for (const auto& line : month.lines) {
        out += DateText(line.date) + "  " +
               Padded(std::string(english ? reading::WeekdayName(line.weekday)
                                          : upagraha::WeekdayName(line.weekday, language)),
                      11);
        if (line.message) {
            out += reading::MessageIn(*line.message, language) + "\n";
            continue;
        }
        out += Padded(ClockText(line.sunrise), 8) + Padded(ClockText(line.sunset), 8) +
               Padded(SpanText(line.periods.rahuKalam), 15) + Padded(SpanText(line.periods.yamagandam), 15) +
               SpanText(line.periods.gulikaKalam) + "\n";
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
        HeaderJson(json, place, profile);
        json.Key("days");
        json.BeginArray();
        for (const auto& line : month.lines) {
            json.BeginObject();
            json.Field("date", DateText(line.date));
            json.Field("weekday", reading::WeekdayName(line.weekday));
            if (line.message) {
                json.Field("message", *line.message);
            } else {
                json.Field("sunrise", ClockText(line.sunrise));
                json.Field("sunset", ClockText(line.sunset));
                PeriodsJson(json, line.periods);
            }
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    return out;
}

}  // namespace vela::files
