#include "reading/day_portions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

#include "astro/sunrise_sunset.h"
#include "astro/text.h"
#include "reading/calculation_driver.h"
#include "reading/form_values.h"
#include "reading/reading_language.h"
#include "reading/reference_tables.h"
#include "reading/result_summary.h"
#include "sky/ephemeris.h"
#include "upagraha/profile_clock.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

namespace {

using upagraha::Planet;

constexpr std::array<int, 7> kRahuKalam = {8, 2, 7, 5, 6, 4, 3};
constexpr std::array<int, 7> kYamagandam = {5, 4, 3, 2, 1, 7, 6};
constexpr std::array<int, 7> kGulikaKalam = {7, 6, 5, 4, 3, 2, 1};
// The hora order: the planets from the slowest to the fastest.
constexpr std::array<Planet, 7> kChaldeanOrder = {Planet::Saturn, Planet::Jupiter, Planet::Mars, Planet::Sun,
                                                  Planet::Venus,  Planet::Mercury, Planet::Moon};

int Wrapped(int weekday) { return ((weekday % 7) + 7) % 7; }

bool ToTheSecond(const upagraha::ConventionProfile& profile) {
    return profile.ephemeris == upagraha::EphemerisChoice::Precise;
}

// The far-North sentence where a reading at the place carries it (calculation_driver.cpp).
std::optional<std::string> FarNorthWarning(const DayPlace& place, const upagraha::ConventionProfile& profile) {
    if (ToTheSecond(profile) || place.latDegrees < 60) return std::nullopt;
    return std::string(kFarNorthWarning);
}

// Whether the ephemeris files answer for the whole of a year (its first and last noon, UT).
bool FilesCover(int year) {
    const auto first = sky::JulianDayUt({year, 1, 1, 12});
    const auto last = sky::JulianDayUt({year, 12, 31, 12});
    return first && last && sky::ProbeEphemerisSource(*first) == sky::EphemerisSource::SwissFiles &&
           sky::ProbeEphemerisSource(*last) == sky::EphemerisSource::SwissFiles;
}

// The years the files cover around 2000, found by halving (each file holds an unbroken span of
// centuries); the original's years where the files do not cover 2000.
YearRange YearsOfFiles() {
    constexpr int kCentre = 2000;
    constexpr int kFarthest = 1000;  // beyond any span of files a search is taken to
    if (!FilesCover(kCentre)) return {kFirstYear, kLastYear};
    int covered = kCentre;
    int bare = kCentre - kFarthest;
    while (covered - bare > 1) {
        const int mid = bare + (covered - bare) / 2;
        (FilesCover(mid) ? covered : bare) = mid;
    }
    YearRange years{covered, kCentre};
    covered = kCentre;
    bare = kCentre + kFarthest;
    while (bare - covered > 1) {
        const int mid = covered + (bare - covered) / 2;
        (FilesCover(mid) ? covered : bare) = mid;
    }
    years.last = covered;
    // Never narrower than the original's years: the library's own theory answers where files end.
    return {std::min(years.first, kFirstYear), std::max(years.last, kLastYear)};
}

// Portion `number` (1..8) of a stretch cut in eight.
ClockSpan EighthOf(double start, double end, int number) {
    const double length = (end - start) / 8;
    return {astro::ClockHours(start + length * (number - 1)), astro::ClockHours(start + length * number)};
}

struct SunTimes {
    double rise = 0;
    double set = 0;
};

// The sunrise and sunset of a date under the profile, in clock hours of that date; nothing where the
// Sun does not rise or does not set.
std::optional<SunTimes> SunOfDate(const DayPlace& place, const astro::CivilDate& date,
                                  const upagraha::ConventionProfile& profile, const astro::CivilDate& clockDate) {
    const double midnight = astro::DateSerial(clockDate.year, clockDate.month, clockDate.day);
    if (profile.ephemeris == upagraha::EphemerisChoice::Precise) {
        const auto events = upagraha::PreciseSunEvents(place, profile, date);
        if (!events) return std::nullopt;
        return SunTimes{(events->rise - midnight) * 24, (events->set - midnight) * 24};
    }
    const auto sun = astro::CalculateSunRiseSet(date, astro::PlaceOf(place), place.zone, place.dst,
                                                upagraha::ZenithCosine(profile.sunrise));
    if (!sun.HasBoth()) return std::nullopt;
    // The formulas keep each event on its own date: where the clock runs far from the place's own
    // time, the sunset wraps past midnight to the date's early hours; it belongs to the night after.
    SunTimes times{(sun.sunRiseSet[0] - midnight) * 24, (sun.sunRiseSet[1] - midnight) * 24};
    if (times.set <= times.rise) times.set += 24;
    return times;
}

// The portions of a day or night from its start to its end under the profile's lords.
std::array<DayPortion, 8> Portions(const upagraha::ConventionProfile& profile, int weekday, bool byDay, double start,
                                   double end) {
    std::array<DayPortion, 8> portions{};
    for (int k = 0; k < 8; ++k)
        portions[static_cast<std::size_t>(k)] = {upagraha::PortionLord(profile.lordOrder, weekday, byDay, k),
                                                 EighthOf(start, end, k + 1)};
    return portions;
}

// 1..8: the portion a planet rules, 0 where it rules none.
int PortionOf(const std::array<DayPortion, 8>& portions, Planet lord) {
    for (std::size_t k = 0; k < portions.size(); ++k)
        if (portions[k].lord == lord) return static_cast<int>(k) + 1;
    return 0;
}

// Where Gulika or Maandi rises in the day or night of the portions: at the point of Saturn's
// portion, or by the ghati rule G/30 of the whole day or night.
Rising RisingIn(const std::array<DayPortion, 8>& portions, upagraha::PortionPoint point, int ghatis,
                const upagraha::ProfileClock& clock) {
    const int number = PortionOf(portions, Planet::Saturn);
    const ClockSpan span = portions[static_cast<std::size_t>(number > 0 ? number - 1 : 0)].span;
    const double from = portions.front().span.start.value;
    const double to = portions.back().span.end.value;
    const double moment = point == upagraha::PortionPoint::Ghatis
                              ? from + (to - from) * ghatis / 30.0
                              : span.start.value + (span.end.value - span.start.value) * upagraha::PointFraction(point);
    return {astro::ClockHours(moment), clock.SiderealAscendantAt(astro::ClockHours(moment))};
}

// The choghadiyas in the order of their lords Sun, Venus, Mercury, Moon, Saturn, Jupiter, Mars.
constexpr std::array<Planet, 7> kChoghadiyaLords = {Planet::Sun,    Planet::Venus,   Planet::Mercury, Planet::Moon,
                                                    Planet::Saturn, Planet::Jupiter, Planet::Mars};

int ChoghadiyaIndexOf(Planet lord) {
    int at = 0;
    while (kChoghadiyaLords[static_cast<std::size_t>(at)] != lord) ++at;
    return at;
}

std::string Ordinal(int n) {
    static constexpr std::array<std::string_view, 9> kTexts = {"",    "1st", "2nd", "3rd", "4th",
                                                               "5th", "6th", "7th", "8th"};
    return std::string(kTexts[static_cast<std::size_t>(n)]);
}

}  // namespace

YearRange YearsOf(const upagraha::ConventionProfile& profile) {
    if (!ToTheSecond(profile)) return {kFirstYear, kLastYear};
    // Found once for each folder of files.
    static std::mutex lock;
    static std::map<std::string, YearRange> found;
    const std::string folder = sky::EphemerisFolder();
    const std::lock_guard<std::mutex> hold(lock);
    const auto known = found.find(folder);
    if (known != found.end()) return known->second;
    return found.emplace(folder, YearsOfFiles()).first->second;
}

std::string DateRangeMessage(const YearRange& years) {
    return "The date must lie within the years " + std::to_string(years.first) + " to " + std::to_string(years.last) +
           ".";
}

int RahuKalamPortion(int weekday) { return kRahuKalam[static_cast<std::size_t>(Wrapped(weekday))]; }
int YamagandamPortion(int weekday) { return kYamagandam[static_cast<std::size_t>(Wrapped(weekday))]; }
int GulikaKalamPortion(int weekday) { return kGulikaKalam[static_cast<std::size_t>(Wrapped(weekday))]; }

AlmanacPeriods AlmanacPeriodsOf(int weekday, astro::ClockHours sunrise, astro::ClockHours sunset) {
    return {EighthOf(sunrise.value, sunset.value, RahuKalamPortion(weekday)),
            EighthOf(sunrise.value, sunset.value, YamagandamPortion(weekday)),
            EighthOf(sunrise.value, sunset.value, GulikaKalamPortion(weekday))};
}

std::array<Planet, 24> HoraLords(int weekday) {
    const Planet first = upagraha::WeekdayLord(weekday);
    std::size_t at = 0;
    while (kChaldeanOrder[at] != first) ++at;
    std::array<Planet, 24> lords{};
    for (std::size_t k = 0; k < lords.size(); ++k) lords[k] = kChaldeanOrder[(at + k) % kChaldeanOrder.size()];
    return lords;
}

std::string_view ChoghadiyaName(Choghadiya choghadiya) {
    static constexpr std::array<std::string_view, 7> kNames = {"Udveg", "Char",  "Labh", "Amrit",
                                                               "Kaal",  "Shubh", "Rog"};
    return kNames[static_cast<std::size_t>(choghadiya)];
}

std::string_view ChoghadiyaName(Choghadiya choghadiya, upagraha::Language language) {
    // In the order of the enumeration; the terms and their sources are in docs/translations.md.
    static constexpr std::array<std::string_view, 7> kHindi = {"उद्वेग", "चर", "लाभ", "अमृत", "काल", "शुभ", "रोग"};
    static constexpr std::array<std::string_view, 7> kTamil = {"உத்வேகம்", "சரம்",  "லாபம்", "அமிர்தம்",
                                                               "காலம்",   "சுபம்", "ரோகம்"};
    const auto at = static_cast<std::size_t>(choghadiya);
    if (at >= kHindi.size()) return {};
    switch (language) {
        case upagraha::Language::Hindi:
            return kHindi[at];
        case upagraha::Language::Tamil:
            return kTamil[at];
        case upagraha::Language::English:
            break;
    }
    return ChoghadiyaName(choghadiya);
}

Planet ChoghadiyaLord(Choghadiya choghadiya) { return kChoghadiyaLords[static_cast<std::size_t>(choghadiya)]; }

std::array<Choghadiya, 16> ChoghadiyaOrder(int weekday) {
    const int day = ChoghadiyaIndexOf(upagraha::WeekdayLord(Wrapped(weekday)));
    const int night = ChoghadiyaIndexOf(upagraha::WeekdayLord(Wrapped(weekday + 4)));
    std::array<Choghadiya, 16> order{};
    for (int k = 0; k < 8; ++k) {
        order[static_cast<std::size_t>(k)] = static_cast<Choghadiya>((day + k) % 7);
        order[static_cast<std::size_t>(k + 8)] = static_cast<Choghadiya>(((night - 2 * k) % 7 + 7) % 7);
    }
    return order;
}

DayOutcome CalculateDay(const DayPlace& place, const astro::CivilDate& date,
                        const upagraha::ConventionProfile& profile) {
    DayOutcome outcome;
    if (const YearRange years = YearsOf(profile); !years.Holds(date.year)) {
        outcome.message = DateRangeMessage(years);
        return outcome;
    }
    if (!astro::IsValidDate(date.year, date.month, date.day)) {
        outcome.message = std::string(kNoSuchDateMessage);
        return outcome;
    }
    const auto today = SunOfDate(place, date, profile, date);
    const auto tomorrow = SunOfDate(place, astro::AddDays(date, 1), profile, date);
    if (!today || !(today->set > today->rise)) {
        outcome.message = std::string(kNoSunriseMessage);
        return outcome;
    }
    // Far North a sunset after midnight can end the last night before the midnight Sun: the day
    // has its portions (as the month's line has its times), the night none.
    const bool hasNight = tomorrow && tomorrow->rise > today->set;
    DaySheet& day = outcome.sheet;
    day.date = date;
    day.toTheSecond = ToTheSecond(profile);
    day.warning = FarNorthWarning(place, profile);
    day.weekday = astro::Weekday(date.year, date.month, date.day);
    day.sunrise = astro::ClockHours(today->rise);
    day.sunset = astro::ClockHours(today->set);
    day.hasNight = hasNight;
    if (hasNight) day.nextSunrise = astro::ClockHours(tomorrow->rise);
    day.dayPortions = Portions(profile, day.weekday, true, today->rise, today->set);
    if (hasNight) day.nightPortions = Portions(profile, day.weekday, false, today->set, tomorrow->rise);
    day.periods = AlmanacPeriodsOf(day.weekday, day.sunrise, day.sunset);

    DayPlace moment = place;
    moment.year = static_cast<std::int16_t>(date.year);
    moment.month = static_cast<std::int16_t>(date.month);
    moment.day = static_cast<std::int16_t>(date.day);
    const upagraha::ProfileClock clock(moment, profile);
    const auto gulikaPoint = profile.points[4];
    const auto maandiPoint = profile.points[5];
    const int dayGhatis = upagraha::MaandiGhatis(day.weekday, true);
    const int nightGhatis = upagraha::MaandiGhatis(day.weekday, false);
    day.gulikaByDay = RisingIn(day.dayPortions, gulikaPoint, dayGhatis, clock);
    day.maandiByDay = RisingIn(day.dayPortions, maandiPoint, dayGhatis, clock);
    if (hasNight) {
        day.gulikaByNight = RisingIn(day.nightPortions, gulikaPoint, nightGhatis, clock);
        day.maandiByNight = RisingIn(day.nightPortions, maandiPoint, nightGhatis, clock);
    }

    const auto lords = HoraLords(day.weekday);
    const double dayHora = (today->set - today->rise) / 12;
    const double nightHora = hasNight ? (tomorrow->rise - today->set) / 12 : 0;
    for (std::size_t k = 0; k < (hasNight ? 24U : 12U); ++k) {
        const double start = k < 12 ? today->rise + dayHora * static_cast<double>(k)
                                    : today->set + nightHora * static_cast<double>(k - 12);
        const double length = k < 12 ? dayHora : nightHora;
        day.horas[k] = {lords[k], {astro::ClockHours(start), astro::ClockHours(start + length)}};
    }

    const auto choghadiyas = ChoghadiyaOrder(day.weekday);
    for (std::size_t k = 0; k < (hasNight ? 16U : 8U); ++k)
        day.choghadiyas[k] = {choghadiyas[k], k < 8 ? EighthOf(today->rise, today->set, static_cast<int>(k) + 1)
                                                    : EighthOf(today->set, tomorrow->rise, static_cast<int>(k) - 7)};

    const int jupiter = PortionOf(day.dayPortions, Planet::Jupiter);
    const int yamagandam = YamagandamPortion(day.weekday);
    if (jupiter != yamagandam)
        day.yamaghantakaNote = "Yamaghantaka takes the " + Ordinal(jupiter) + " portion of the day under the " +
                               std::string(upagraha::LordOrderText(profile.lordOrder)) +
                               "; the almanac's Yamagandam is the " + Ordinal(yamagandam) + ".";
    return outcome;
}

MonthOutcome CalculateMonth(const DayPlace& place, int year, int month, const upagraha::ConventionProfile& profile,
                            const ZoneHistory& history, std::string_view zoneName) {
    MonthOutcome outcome;
    if (const YearRange years = YearsOf(profile); !years.Holds(year) || month < 1 || month > 12) {
        outcome.message = DateRangeMessage(years);
        return outcome;
    }
    MonthSheet& sheet = outcome.sheet;
    sheet.year = year;
    sheet.month = month;
    sheet.toTheSecond = ToTheSecond(profile);
    sheet.warning = FarNorthWarning(place, profile);
    sheet.dst = place.dst;
    if (history) sheet.zoneName = zoneName.empty() ? std::string("the place's zone") : std::string(zoneName);
    sheet.lines.reserve(31);
    for (int d = 1; d <= 31 && astro::IsValidDate(year, month, d); ++d) {
        MonthLine line;
        line.date = {year, month, d};
        line.weekday = astro::Weekday(year, month, d);
        DayPlace dayPlace = place;
        if (history) {
            if (const auto clock = history(line.date)) {
                dayPlace.zone = clock->zone;
                dayPlace.dst = clock->dst;
            }
        }
        line.zone = dayPlace.zone;
        line.dst = dayPlace.dst;
        const auto sun = SunOfDate(dayPlace, line.date, profile, line.date);
        if (!sun || !(sun->set > sun->rise)) {
            line.message = std::string(kNoSunriseMessage);
        } else {
            line.sunrise = astro::ClockHours(sun->rise);
            line.sunset = astro::ClockHours(sun->set);
            line.periods = AlmanacPeriodsOf(line.weekday, line.sunrise, line.sunset);
        }
        sheet.lines.push_back(std::move(line));
    }
    return outcome;
}

std::string ClockText(astro::ClockHours hours) {
    long minutes = std::lround(hours.value * 60);
    minutes = ((minutes % 1440) + 1440) % 1440;
    char text[8];
    std::snprintf(text, sizeof text, "%02ld:%02ld", minutes / 60, minutes % 60);
    return text;
}

std::string ClockText(astro::ClockHours hours, bool toTheSecond) {
    if (!toTheSecond) return ClockText(hours);
    long seconds = std::lround(hours.value * 3600);
    seconds = ((seconds % 86400) + 86400) % 86400;
    char text[12];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

int DayOffsetOf(astro::ClockHours hours, bool toTheSecond) {
    // The day of the time as shown, rounded as its text is.
    const double units = toTheSecond ? 86400 : 1440;
    const double shown = static_cast<double>(std::lround(hours.value * units / 24));
    return static_cast<int>(std::floor(shown / units));
}

std::string DatedClockText(astro::ClockHours hours, bool toTheSecond) {
    std::string text = ClockText(hours, toTheSecond);
    const int offset = DayOffsetOf(hours, toTheSecond);
    if (offset != 0) text += offset > 0 ? " (+" + std::to_string(offset) + ")" : " (" + std::to_string(offset) + ")";
    return text;
}

std::string_view WeekdayName(int weekday) {
    static constexpr std::array<std::string_view, 7> kNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                               "Thursday", "Friday", "Saturday"};
    return kNames[static_cast<std::size_t>(Wrapped(weekday))];
}

std::string DstText(bool dst) {
    return dst ? "Daylight saving: on for every day as given (clock one hour ahead of the zone)"
               : "Daylight saving: off for every day as given";
}

std::string DayPlaceText(const DayPlace& place) {
    char text[64];
    const int seconds = place.zone.secondsEast;
    const int magnitude = std::abs(seconds);
    std::snprintf(text, sizeof text, "%d%c%02d %d%c%02d, zone %c%02d:%02d", place.latDegrees, place.south ? 'S' : 'N',
                  place.latMinutes, place.lonDegrees, place.east ? 'E' : 'W', place.lonMinutes, seconds < 0 ? '-' : '+',
                  magnitude / 3600, magnitude / 60 % 60);
    std::string line = text;
    if (magnitude % 60 != 0) {
        std::snprintf(text, sizeof text, ":%02d", magnitude % 60);
        line += text;
    }
    return line;
}

std::string DayPlaceText(const DayPlace& place, upagraha::Language language) {
    if (language == upagraha::Language::English) return DayPlaceText(place);
    // "28°37′ उत्तर, 77°13′ पूर्व, समय क्षेत्र +05:30": the directions and the zone in words.
    std::string latitude;
    astro::AppendDegreesMinutes(latitude, place.latDegrees, place.latMinutes);
    std::string longitude;
    astro::AppendDegreesMinutes(longitude, place.lonDegrees, place.lonMinutes);
    const int seconds = place.zone.secondsEast;
    std::string offset = OffsetTextOfMinutes(seconds / 60);
    if (seconds % 60 != 0) {
        char text[8];
        std::snprintf(text, sizeof text, ":%02d", std::abs(seconds % 60));
        offset += text;
    }
    return Say(place.south ? "%1 S" : "%1 N", language, {latitude}) + ", " +
           Say(place.east ? "%1 E" : "%1 W", language, {longitude}) + ", " + Say("zone %1", language, {offset});
}

std::string MonthClockText(const MonthSheet& month) {
    if (month.zoneName.empty()) return DstText(month.dst);
    return "Daylight saving: by day, as the zone history of " + month.zoneName + " has it (each day on its own clock)";
}

std::string MonthSheetCsv(const MonthSheet& month) {
    std::string out =
        "date,weekday,sunrise,sunset,rahu_kalam_start,rahu_kalam_end,yamagandam_start,yamagandam_end,"
        "gulika_kalam_start,gulika_kalam_end,dst,message\n";
    for (const auto& line : month.lines) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", line.date.year, line.date.month, line.date.day);
        out += std::string(date) + "," + std::string(WeekdayName(line.weekday)) + ",";
        const std::string dst = line.dst ? "true" : "false";
        if (line.message) {
            out += ",,,,,,,," + dst + ",\"" + *line.message + "\"\n";
            continue;
        }
        const auto& p = line.periods;
        for (const auto t : {line.sunrise, line.sunset, p.rahuKalam.start, p.rahuKalam.end, p.yamagandam.start,
                             p.yamagandam.end, p.gulikaKalam.start, p.gulikaKalam.end})
            out += DatedClockText(t, month.toTheSecond) + ",";
        out += dst + ",\n";
    }
    return out;
}

std::optional<std::string> DayPlaceOf(const FormValues& form, DayPlace& place) {
    const auto within = [](const FormNumber& box, int highest) {
        return box.value && *box.value >= 0 && *box.value <= highest;
    };
    if (!within(form.latDegrees, 89)) return "Please Enter Degree of Latitude from 0 to 89";
    if (!within(form.latMinutes, 59)) return "Please Enter Minutes of Latitude from 0 to 59";
    if (!within(form.lonDegrees, 180) ||
        (*form.lonDegrees.value == 180 && form.lonMinutes.value && *form.lonMinutes.value > 0))
        return "Please Enter Degree of Longitude from 0 to 180";
    if (!within(form.lonMinutes, 59)) return "Please Enter Minute of Longitude from 0 to 59";
    if (!form.exactZone && (form.zoneRow < 0 || form.zoneRow >= kZoneCount)) return "Please Select The Time Zone";
    place = DayPlace{};
    place.latDegrees = static_cast<std::int16_t>(*form.latDegrees.value);
    place.latMinutes = static_cast<std::int16_t>(*form.latMinutes.value);
    place.lonDegrees = static_cast<std::int16_t>(*form.lonDegrees.value);
    place.lonMinutes = static_cast<std::int16_t>(*form.lonMinutes.value);
    place.south = form.latDirection == LatChoice::South;
    place.east = form.lonDirection == LonChoice::East;
    place.dst = form.dst;
    // A place to the second (a .vela or .jhd reading) keeps its seconds, as the reading does.
    const auto seconds = [](const FormNumber& box) {
        return static_cast<std::int16_t>(box.value && *box.value >= 0 && *box.value <= 59 ? *box.value : 0);
    };
    place.latSeconds = seconds(form.latSeconds);
    place.lonSeconds = seconds(form.lonSeconds);
    if (form.exactZone) {
        place.zone = astro::ZoneOffset::FromSecondsEast(form.exactZone->secondsEast);
        return std::nullopt;
    }
    // As a reading takes its zone: the place's own mean solar time, or the row's offset.
    const ZoneTables& zones = ReferenceZoneTables();
    const auto row = static_cast<std::size_t>(form.zoneRow);
    place.zone =
        zones.zoneLocalMeanTime[row]
            ? astro::ZoneOffset::LocalMeanTime(astro::PlaceOf(place).longitudeEast)
            : astro::ZoneOffset::FromSecondsEast(
                  -(zones.zoneHourTable[row] * 3600 + zones.zoneMinuteTable[row] * 60 + zones.zoneSecondTable[row]));
    return std::nullopt;
}

}  // namespace vela::reading
