#include "cli/day_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "astro/position_text.h"
#include "cli/json_writer.h"

namespace vela::cli {

namespace {

using reading::ClockSpan;
using reading::ClockText;

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

std::string LongDateText(const astro::CivilDate& date, int weekday) {
    return std::string(reading::WeekdayName(weekday)) + ", " + std::to_string(date.day) + " " +
           std::string(kMonths[static_cast<std::size_t>(date.month - 1)]) + " " + std::to_string(date.year);
}

std::string PlaceText(const reading::DayPlace& place) { return reading::DayPlaceText(place); }

// Padded to a width in characters (the em dash of the lordless portion is one character, three bytes).
std::string Padded(std::string text, std::size_t width) {
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    if (characters < width) text.append(width - characters, ' ');
    return text;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string RisingText(const reading::Rising& rising) {
    return TimeText(rising.moment) + ", ascendant " + astro::CompactPositionTextOf(rising.ascendant.value).str();
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
                         const upagraha::ConventionProfile& profile, bool choghadiya) {
    std::string out;
    out += "Day portions for " + LongDateText(day.date, day.weekday) + "\n";
    out += "Place: " + PlaceText(place) + "\n";
    out += reading::DstText(place.dst) + "\n";
    out += "Profile: " + std::string(profile.name) + " (" + upagraha::DescribeProfile(profile) + ")\n";
    out += "Sunrise " + TimeText(day.sunrise) + "   Sunset " + TimeText(day.sunset) + "   Next sunrise " +
           TimeText(day.nextSunrise) + "\n\n";
    const auto period = [&out](std::string_view name, const ClockSpan& span, int portion) {
        out +=
            Padded(std::string(name), 14) + SpanText(span) + "   portion " + std::to_string(portion) + " of the day\n";
    };
    period("Rahu Kalam", day.periods.rahuKalam, reading::RahuKalamPortion(day.weekday));
    period("Yamagandam", day.periods.yamagandam, reading::YamagandamPortion(day.weekday));
    period("Gulika Kalam", day.periods.gulikaKalam, reading::GulikaKalamPortion(day.weekday));
    out += "(The almanacs give these three for the day only.)\n";
    if (day.yamaghantakaNote) out += "Note: " + *day.yamaghantakaNote + "\n";
    out +=
        "\nGulika rises by day " + RisingText(day.gulikaByDay) + "; by night " + RisingText(day.gulikaByNight) + "\n";
    out +=
        "Maandi rises by day " + RisingText(day.maandiByDay) + "; by night " + RisingText(day.maandiByNight) + "\n\n";
    out += Padded("Portions of the day", 30) + "Portions of the night\n";
    for (std::size_t k = 0; k < 8; ++k) {
        const auto line = [k](const reading::DayPortion& p) {
            return Padded(
                std::to_string(k + 1) + "  " + Padded(std::string(upagraha::PlanetText(p.lord)), 5) + SpanText(p.span),
                30);
        };
        out += Trimmed(line(day.dayPortions[k]) + line(day.nightPortions[k])) + "\n";
    }
    out += "\n" + Padded("Horas of the day", 30) + "Horas of the night\n";
    for (std::size_t k = 0; k < 12; ++k) {
        const auto line = [](std::size_t n, const reading::Hora& h) {
            return Padded(
                Padded(std::to_string(n), 4) + Padded(std::string(upagraha::PlanetText(h.lord)), 5) + SpanText(h.span),
                30);
        };
        out += Trimmed(line(k + 1, day.horas[k]) + line(k + 13, day.horas[k + 12])) + "\n";
    }
    if (choghadiya) {
        out += "\n" + Padded("Choghadiyas of the day", 30) + "Choghadiyas of the night\n";
        for (std::size_t k = 0; k < 8; ++k) {
            const auto line = [k](const reading::ChoghadiyaSpan& c) {
                return Padded(std::to_string(k + 1) + "  " + Padded(std::string(reading::ChoghadiyaName(c.name)), 7) +
                                  SpanText(c.span),
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
                           const upagraha::ConventionProfile& profile) {
    std::string out;
    out += "Rahu Kalam, Yamagandam and Gulika Kalam for " +
           std::string(kMonths[static_cast<std::size_t>(month.month - 1)]) + " " + std::to_string(month.year) + "\n";
    out += "Place: " + PlaceText(place) + "\n";
    out += reading::MonthClockText(month) + "\n";
    out += "Profile: " + std::string(profile.name) + " (" + upagraha::DescribeProfile(profile) + ")\n\n";
    out += "Date        Weekday    Sunrise Sunset  Rahu Kalam     Yamagandam     Gulika Kalam\n";
    for (const auto& line : month.lines) {
        out += DateText(line.date) + "  " + Padded(std::string(reading::WeekdayName(line.weekday)), 11);
        if (line.message) {
            out += *line.message + "\n";
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

}  // namespace vela::cli
