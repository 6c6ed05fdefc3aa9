// The portions of one day for everyday use: sunrise, sunset and the next sunrise at a place, the
// eight portions of the day and of the night with their lords under a profile, the almanac's Rahu
// Kalam, Yamagandam and Gulika Kalam, the moments Gulika and Maandi rise with the ascendant then,
// and the 24 planetary horas; and a month of such days, one line each.
//
// Flow: date and place -> sunrise and sunset under the profile (its event and ephemeris, as a
// reading's are found) -> portions and horas (here) -> the ascendant at Gulika's and Maandi's
// moments (upagraha::ProfileClock). Every time is in clock hours of the date's own clock (the zone,
// plus one hour with the daylight-saving tick); a night's times run past 24.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/birth_moment.h"
#include "astro/calendar.h"
#include "astro/units.h"
#include "upagraha/language.h"
#include "upagraha/planet.h"
#include "upagraha/profiles.h"

namespace vela::reading {

inline constexpr std::string_view kDateRangeMessage = "The date must lie within the years 1901 to 2050.";

// The years a profile's sunrises and sunsets reach: 1901 to 2050 under the original's formulas;
// under the precise ephemeris the years its files cover (1800 to 2399 with Debian's
// swe-basic-data), or 1901 to 2050 where no file is found.
struct YearRange {
    int first = 0;
    int last = 0;
    bool Holds(int year) const { return year >= first && year <= last; }
};
YearRange YearsOf(const upagraha::ConventionProfile& profile);
// "The date must lie within the years 1901 to 2050." for the range.
std::string DateRangeMessage(const YearRange& years);
// The form's own message for a day its month does not have (30 February).
inline constexpr std::string_view kNoSuchDateMessage = "Please Enter Correct Date Or Month!";

// A stretch of the clock, start to end, in clock hours of the date.
struct ClockSpan {
    astro::ClockHours start;
    astro::ClockHours end;
};

struct DayPortion {
    upagraha::Planet lord = upagraha::Planet::NoLord;
    ClockSpan span;
};

// Which of the eight portions of the day (1..8) the almanac's three periods take, by weekday
// (0 = Sunday). The tables printed in Tamil and Telugu panchangams: Rahu Kalam 8, 2, 7, 5, 6, 4, 3;
// Yamagandam 5, 4, 3, 2, 1, 7, 6; Gulika Kalam 7, 6, 5, 4, 3, 2, 1. No almanac tradition found
// prints a table of them for the night (some say Gulika Kalam comes again by night, none says
// which portion), so they are the day's only.
int RahuKalamPortion(int weekday);
int YamagandamPortion(int weekday);
int GulikaKalamPortion(int weekday);

// The three periods of a day between its sunrise and sunset.
struct AlmanacPeriods {
    ClockSpan rahuKalam;
    ClockSpan yamagandam;
    ClockSpan gulikaKalam;
};
AlmanacPeriods AlmanacPeriodsOf(int weekday, astro::ClockHours sunrise, astro::ClockHours sunset);

// The lord of each of the 24 horas from sunrise (12 of the day, then 12 of the night): the first the
// weekday's lord, each next one the next in the order Saturn, Jupiter, Mars, Sun, Venus, Mercury,
// Moon, round again.
std::array<upagraha::Planet, 24> HoraLords(int weekday);

struct Hora {
    upagraha::Planet lord = upagraha::Planet::NoLord;
    ClockSpan span;
};

// The choghadiyas: the day and the night each cut in eight, each eighth named for its lord: the
// Sun's Udveg, Venus's Char, Mercury's Labh, the Moon's Amrit, Saturn's Kaal, Jupiter's Shubh and
// Mars's Rog. By day the first is the weekday lord's and each next one the next lord in the order
// Sun, Venus, Mercury, Moon, Saturn, Jupiter, Mars (the horas' order), the eighth the first's again;
// by night the first is the lord of the fourth weekday after (Sunday's night Jupiter's), and each
// next one two places back in that order.
enum class Choghadiya { Udveg, Char, Labh, Amrit, Kaal, Shubh, Rog };
std::string_view ChoghadiyaName(Choghadiya choghadiya);
// The name in the language: अमृत, அமிர்தம் for Amrit.
std::string_view ChoghadiyaName(Choghadiya choghadiya, upagraha::Language language);
upagraha::Planet ChoghadiyaLord(Choghadiya choghadiya);
// The 8 of the day, then the 8 of the night.
std::array<Choghadiya, 16> ChoghadiyaOrder(int weekday);

struct ChoghadiyaSpan {
    Choghadiya name = Choghadiya::Udveg;
    ClockSpan span;
};

// The moment an upagraha rises (its point of its lord's portion) and the sidereal ascendant then.
struct Rising {
    astro::ClockHours moment;
    astro::Degrees ascendant;
};

// Where a place and its clock are given: latitude, longitude (whole degrees and minutes as the
// reading form takes them), zone and daylight-saving tick. The date fields of the record are not read.
using DayPlace = astro::BirthMoment;

struct DaySheet {
    astro::CivilDate date;
    // Under the precise ephemeris every time is shown to the second; the original's formulas give
    // whole minutes.
    bool toTheSecond = false;
    // The far-North sentence, where a reading at the place carries it.
    std::optional<std::string> warning;
    int weekday = 0;  // 0 = Sunday
    astro::ClockHours sunrise;
    astro::ClockHours sunset;
    astro::ClockHours nextSunrise;
    // False where no sunrise follows the sunset (far North, the last night before the midnight
    // Sun): the night's portions, horas, choghadiyas and risings are then left empty.
    bool hasNight = true;
    std::array<DayPortion, 8> dayPortions{};
    std::array<DayPortion, 8> nightPortions{};
    AlmanacPeriods periods;
    // Gulika and Maandi in Saturn's portion, by day and by night, at the profile's points.
    Rising gulikaByDay;
    Rising maandiByDay;
    Rising gulikaByNight;
    Rising maandiByNight;
    std::array<Hora, 24> horas{};
    // 8 of the day, then 8 of the night.
    std::array<ChoghadiyaSpan, 16> choghadiyas{};
    // Set where Yamaghantaka's portion (Jupiter's under the profile's lords) is not the almanac's
    // Yamagandam: one line that says which portion each takes.
    std::optional<std::string> yamaghantakaNote;
};

// The day, or the message that refuses it: a date outside the profile's years, a day its month does
// not have, or a date on which the Sun does not rise or set at the place.
struct DayOutcome {
    std::optional<std::string> message;
    DaySheet sheet;
};
DayOutcome CalculateDay(const DayPlace& place, const astro::CivilDate& date,
                        const upagraha::ConventionProfile& profile);

// One line of the month: the day's sunrise, sunset and the three almanac periods; or, where the Sun
// does not rise or set that day, the message instead.
struct MonthLine {
    astro::CivilDate date;
    int weekday = 0;
    // The day's clock: the zone, plus one hour when dst.
    astro::ZoneOffset zone;
    bool dst = false;
    std::optional<std::string> message;
    astro::ClockHours sunrise;
    astro::ClockHours sunset;
    AlmanacPeriods periods;
};

struct MonthSheet {
    int year = 0;
    int month = 0;
    bool toTheSecond = false;  // as DaySheet::toTheSecond
    std::optional<std::string> warning;
    bool dst = false;  // the daylight-saving tick as given (every day's, without a zone history)
    // The zone whose history set each day's clock; empty: the place's zone and tick, every day.
    std::string zoneName;
    std::vector<MonthLine> lines;
};

// The clock of one day at a place: the zone, plus one hour when dst.
struct DayClock {
    astro::ZoneOffset zone;
    bool dst = false;
};
// A place's clock day by day from its zone's history (the clocks in force at noon of the date);
// nothing for a day the history does not know, which keeps the place's zone and tick.
using ZoneHistory = std::function<std::optional<DayClock>(const astro::CivilDate&)>;

// The whole month; refused only for a month outside the profile's years (or no month 1..12). With a
// zone history (and its zone's name, for the sheet's heading), each day runs on its own clock.
struct MonthOutcome {
    std::optional<std::string> message;
    MonthSheet sheet;
};
MonthOutcome CalculateMonth(const DayPlace& place, int year, int month, const upagraha::ConventionProfile& profile,
                            const ZoneHistory& history = {}, std::string_view zoneName = {});

// The month as CSV, one row a day (the command line's --csv and the window's export):
// date,weekday,sunrise,sunset,rahu_kalam_start,rahu_kalam_end,yamagandam_start,yamagandam_end,
// gulika_kalam_start,gulika_kalam_end,dst,message
std::string MonthSheetCsv(const MonthSheet& month);
// "13N05 80E17, zone +05:30": the place and zone as the sheets' headings give them.
std::string DayPlaceText(const DayPlace& place);
// The same in Hindi or Tamil, the degrees and minutes written out with their directions in words:
// "13°05′ उत्तर, 80°17′ पूर्व, समय क्षेत्र +05:30". English is the line above.
std::string DayPlaceText(const DayPlace& place, upagraha::Language language);
// The sheet's line on its clocks: the tick as given, or the zone history's.
std::string MonthClockText(const MonthSheet& month);

// "06:05" for clock hours (rounded to the minute; a time past midnight shows the next day's clock).
std::string ClockText(astro::ClockHours hours);
// The same to the second ("06:05:12") when toTheSecond.
std::string ClockText(astro::ClockHours hours, bool toTheSecond);
// The date the shown time falls on, counted from the sheet's date: +1 past midnight, -1 before it.
int DayOffsetOf(astro::ClockHours hours, bool toTheSecond);
// The clock text with its date where it is not the sheet's: "00:03 (+1)", "23:58 (-1)".
std::string DatedClockText(astro::ClockHours hours, bool toTheSecond);
// "Sunday" .. "Saturday".
std::string_view WeekdayName(int weekday);
// The sheet's line on the daylight-saving tick.
std::string DstText(bool dst);

}  // namespace vela::reading

namespace vela::reading {

struct FormValues;

// The place and clock of a filled form (a reading file's, or the command line's --lat, --lon,
// --zone, --dst): its latitude, longitude, zone row and daylight-saving tick, checked as the form's
// boxes are; the window's message for the first box that is empty or out of range.
std::optional<std::string> DayPlaceOf(const FormValues& form, DayPlace& place);

}  // namespace vela::reading
