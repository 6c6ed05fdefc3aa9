#include "reading/working.h"

#include <cmath>
#include <cstdio>

#include "astro/calendar.h"
#include "astro/position_text.h"
#include "astro/text.h"
#include "reading/calculation_driver.h"
#include "reading/reading_language.h"
#include "reading/result_summary.h"

namespace vela::reading {

namespace {

using upagraha::Language;

std::string Printf(const char* format, auto... args) {
    char buf[256];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    return std::string(buf, static_cast<std::size_t>(std::max(0, std::min(n, static_cast<int>(sizeof buf) - 1))));
}

std::string Duration(int minutes, Language language) {
    if (minutes < 60) return Say("%1 min", language, {std::to_string(minutes)});
    if (minutes % 60 == 0) return Say("%1 h", language, {std::to_string(minutes / 60)});
    return Say("%1 h %2 min", language, {std::to_string(minutes / 60), std::to_string(minutes % 60)});
}

std::string DurationHours(double hours, Language language) {
    return Duration(static_cast<int>(std::lround(hours * 60)), language);
}

// The text padded to width: by bytes in English, as printf's "%-14s" pads the original's texts,
// by columns on the screen in the other languages.
void Pad(std::string& out, std::string_view text, std::size_t width, Language language) {
    if (language == Language::English) {
        out += text;
        if (text.size() < width) out.append(width - text.size(), ' ');
        return;
    }
    AppendColumn(out, text, width);
}

// The column names over the table of conventions.
std::string ConventionColumnsLine(Language language) {
    if (language == Language::English) return "    upagraha       portion  point   moment      longitude  house";
    const auto columns = TableColumns(language);
    std::string text = "    ";
    AppendColumn(text, columns[0], 15);
    AppendColumn(text, columns[2], 9);
    AppendColumn(text, Say("point", language), 8);
    AppendColumn(text, columns[3], 12);
    AppendColumn(text, columns[4], 11);
    return text + columns[6];
}

std::string ShortLordOrderText(upagraha::LordOrder order) {
    switch (order) {
        case upagraha::LordOrder::EightPlaceCycle:
            return "eight-place cycle";
        case upagraha::LordOrder::SevenLords:
            return "seven lords, the eighth lordless";
        case upagraha::LordOrder::EightPlaceNightFourOn:
            return "eight-place cycle, nights four places on";
    }
    return {};
}

// The same birth under each convention: the day or night each one cut, and for every upagraha the
// portion (with its lord), the point of it, the moment, the longitude and the house. Short lines,
// one block per profile, for the window's narrow pane.
void AppendConventionTable(std::string& out, const upagraha::ConventionProfile& inUse,
                           std::span<const ConventionReading> conventions, Language language) {
    using namespace upagraha;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };
    line("");
    line(Say("The upagrahas under each convention (in use: %1)", language, {inUse.name}));
    for (const ConventionReading& c : conventions) {
        const ConventionProfile& p = c.profile;
        line("  " + (p == inUse ? Say("%1 (in use)", language, {p.name}) : std::string(p.name)) + ": " +
             Say(ShortLordOrderText(p.lordOrder), language) + ",");
        line("    " + Say(SunriseText(p.sunrise), language));
        if (!c.upagrahas) {
            line("    " + MessageIn(c.message, language));
            continue;
        }
        const upagraha::Upagrahas& u = *c.upagrahas;
        const bool seconds = p.ephemeris == upagraha::EphemerisChoice::Precise;
        line("    " +
             Say(u.birthByDay ? "day %1" : "night %1", language,
                 {Say("%1 to %2", language,
                      {ClockText(u.portions.front().start, seconds), ClockText(u.portions.back().end, seconds)})}));
        line(ConventionColumnsLine(language));
        for (std::size_t i = 0; i < upagraha::kUpagrahaNames.size(); ++i) {
            const auto k = static_cast<std::size_t>(u.portionIndex[i]);
            line(Printf("    %-14s %zu %-6s %-7s %-11s %-10s %d",
                        std::string(UpagrahaName(static_cast<int>(i), language)).c_str(), k + 1,
                        std::string(LordName(u.portions[k].lord, language)).c_str(),
                        Say(PointText(p.points[i]), language).c_str(), ClockText(u.moments[i], seconds).c_str(),
                        PositionTextIn(u.upagrahaLongitudes[i].view(), language).c_str(), u.houses[i]));
        }
    }
}

std::string ShiftText(const Shift& shift, int searched, Language language) {
    const auto side = [&](const std::optional<int>& m, bool earlier) {
        if (m) return Say(earlier ? "%1 earlier" : "%1 later", language, {Duration(*m, language)});
        return Say(earlier ? "not within %1 earlier" : "not within %1 later", language, {Duration(searched, language)});
    };
    return side(shift.earlier, true) + ", " + side(shift.later, false);
}

}  // namespace

FormValues MovedByMinutes(const FormValues& form, int minutes) {
    FormValues moved = form;
    const int total = form.hour.value.value_or(0) * 60 + form.minute.value.value_or(0) + minutes;
    const int dayShift = static_cast<int>(std::floor(total / 1440.0));
    const int inDay = total - dayShift * 1440;
    const astro::CivilDate d =
        astro::AddDays({form.year.value.value_or(kFirstYear), form.month + 1, form.day.value.value_or(1)}, dayShift);
    moved.year = {false, d.year};
    moved.month = d.month - 1;
    moved.day = {false, d.day};
    moved.hour = {false, inDay / 60};
    moved.minute = {false, inDay % 60};
    return moved;
}

Sensitivity FindBirthTimeSensitivity(const BirthForm& birthForm, int searchMinutes) {
    return FindBirthTimeSensitivity(birthForm, upagraha::kOriginalProfile, searchMinutes);
}

Sensitivity FindBirthTimeSensitivity(const BirthForm& birthForm, const upagraha::ConventionProfile& profile,
                                     int searchMinutes) {
    Sensitivity result;
    result.searchedMinutes = searchMinutes;
    const FormValues form = ParseForm(birthForm);
    Reading state;
    const auto base = RunCalculation(form, profile, state, false);
    if (!base.Succeeded()) return result;

    constexpr auto kCount = static_cast<std::size_t>(upagraha::kUpagrahaCount);
    for (const int direction : {-1, 1}) {
        std::size_t open = 2 * kCount;  // sign and house of each upagraha still unchanged
        for (int n = 1; n <= searchMinutes && open > 0; ++n) {
            Reading moved;
            const auto out = RunCalculation(MovedByMinutes(form, direction * n), profile, moved, false);
            if (!out.Succeeded()) break;
            for (std::size_t u = 0; u < kCount; ++u) {
                auto& sign = direction < 0 ? result.sign[u].earlier : result.sign[u].later;
                auto& house = direction < 0 ? result.house[u].earlier : result.house[u].later;
                const int baseSign = astro::SignIndexOf(base.upagrahas.longitudes[u]);
                const int nowSign = astro::SignIndexOf(out.upagrahas.longitudes[u]);
                if (!sign && nowSign != baseSign) {
                    sign = n;
                    --open;
                }
                if (!house && out.upagrahas.houses[u] != base.upagrahas.houses[u]) {
                    house = n;
                    --open;
                }
            }
        }
    }
    return result;
}

std::vector<ConventionReading> CompareConventions(const BirthForm& birthForm,
                                                  const upagraha::ConventionProfile& inUse) {
    const FormValues form = ParseForm(birthForm);
    std::vector<ConventionReading> readings;
    const auto add = [&](const upagraha::ConventionProfile& profile) {
        Reading state;
        auto outcome = RunCalculation(form, profile, state, false);
        ConventionReading reading{profile, std::nullopt, {}};
        if (outcome.Succeeded())
            reading.upagrahas = std::move(outcome.upagrahas);
        else
            reading.message = outcome.message->text;
        readings.push_back(std::move(reading));
    };
    // The named profiles all stand on the original's formulas; a reading on the precise ephemeris
    // joins them as the one in use.
    bool named = false;
    for (const auto& profile : upagraha::NamedProfiles()) {
        named = named || profile == inUse;
        add(profile);
    }
    if (!named) add(inUse);
    return readings;
}

std::string ClockText(double hours) {
    const long total = std::lround(hours * 60);
    const long day = static_cast<long>(std::floor(static_cast<double>(total) / 1440));
    const long inDay = total - day * 1440;
    std::string text = astro::ClockText(static_cast<int>(inDay / 60), static_cast<int>(inDay % 60));
    if (day != 0) text += Printf(" (%+ld)", day);
    return text;
}

std::string ClockText(double hours, bool toTheSecond) {
    if (!toTheSecond) return ClockText(hours);
    const long total = std::lround(hours * 3600);
    const long day = static_cast<long>(std::floor(static_cast<double>(total) / 86400));
    const long inDay = total - day * 86400;
    std::string text = Printf("%02ld:%02ld:%02ld", inDay / 3600, inDay / 60 % 60, inDay % 60);
    if (day != 0) text += Printf(" (%+ld)", day);
    return text;
}

namespace {

// The three days' sunrises and sunsets, each on the clock of its own date.
void AppendSunrises(std::string& out, const Reading& s, bool seconds, Language language) {
    const bool english = language == Language::English;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };
    line(Say("Sunrise and sunset", language));
    const std::array<std::array<double, 2>, 3> days = {
        {{s.prevSunrise, s.prevSunset}, {s.birthSunrise, s.birthSunset}, {s.nextSunrise, s.nextSunset}}};
    const std::array<const char*, 3> dayNames = {"Day before", "Birth day", "Day after"};
    // Each event on the clock of the date it belongs to: a sunset after midnight (far North in
    // summer) is shown, and was used, on the next date.
    const astro::CivilDate birthDate{s.year, s.month, s.day};
    bool offItsDate = false;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const astro::CivilDate date = astro::AddDays(birthDate, static_cast<int>(i) - 1);
        const double midnight = astro::DateSerial(date.year, date.month, date.day);
        const double rise = (days[i][0] - midnight) * 24;
        const double set = (days[i][1] - midnight) * 24;
        offItsDate = offItsDate || ClockText(rise, seconds).find('(') != std::string::npos ||
                     ClockText(set, seconds).find('(') != std::string::npos;
        std::string row = "  ";
        Pad(row, Say(dayNames[i], language), 10, language);
        row += "  ";
        Pad(row,
            english ? BirthDateText(date.month, date.day, date.year).str()
                    : DateText(date.day, date.month, date.year, language),
            18, language);
        row += " " + Say("rise %1", language, {ClockText(rise, seconds)}) + "  " +
               Say("set %1", language, {ClockText(set, seconds)});
        line(row);
    }
    if (offItsDate) line(Say("  (+1): after midnight, on the next date; (-1): on the date before", language));
    line("");
}

// Whether the birth fell by day or by night, and whose day or night it is.
void AppendDayOrNight(std::string& out, const upagraha::Upagrahas& u, bool seconds, Language language) {
    const auto line = [&out](const std::string& text) { out += text + "\n"; };
    const auto& first = u.portions.front();
    const auto& last = u.portions.back();
    const std::string birth = ClockText(u.birthHour);
    const std::string_view weekday = upagraha::WeekdayName(u.weekday, language);
    const std::string span = Say("%1 to %2 (%3)", language,
                                 {ClockText(first.start, seconds), ClockText(last.end, seconds),
                                  DurationHours(last.end - first.start, language)});
    const std::string whose =
        Say(u.reckonedDay < 0 ? "the day before" : (u.reckonedDay > 0 ? "the day after" : "the birth date"), language);
    // Short lines: the window shows this in a narrow pane.
    if (u.birthByDay) {
        line(Say("Day birth: %1 lies between sunrise %2 and sunset %3,", language,
                 {birth, ClockText(first.start, seconds), ClockText(last.end, seconds)}));
        line(Say("in the daylight of %1 (%2).", language, {whose, weekday}));
        line(Say("The day runs from %1;", language, {span}));
        line(Say("the portions are %1's day portions.", language, {weekday}));
    } else {
        line(Say("Night birth: %1 lies between sunset %2 and the next", language,
                 {birth, ClockText(first.start, seconds)}));
        line(Say("sunrise %1.", language, {ClockText(last.end, seconds)}));
        if (u.beforeSunrise) {
            line(Say("A day runs from sunrise to sunrise, so a birth before sunrise", language));
            line(Say("belongs to the night of %1 (%2).", language, {whose, weekday}));
        }
        line(Say("The night runs from %1;", language, {span}));
        line(Say("the portions are %1's night portions.", language, {weekday}));
    }
    line("");
}

// The eight portions and their lords.
void AppendPortions(std::string& out, const upagraha::Upagrahas& u, bool seconds, Language language) {
    const auto line = [&out](const std::string& text) { out += text + "\n"; };
    line(Say("Portions (each an eighth)", language));
    for (std::size_t k = 0; k < u.portions.size(); ++k) {
        const auto& p = u.portions[k];
        std::string row = "  " + std::to_string(k + 1) + "  ";
        // "HH:MM:SS (+1)" to the second: the columns widen by three.
        Pad(row, ClockText(p.start, seconds), seconds ? 13 : 10, language);
        row += " - ";
        Pad(row, ClockText(p.end, seconds), seconds ? 13 : 10, language);
        row += "  ";
        row += upagraha::LordName(p.lord, language);
        line(row);
    }
    line("");
}

// Each upagraha's lord, portion, moment, longitude and house.
void AppendUpagrahaTable(std::string& out, const Reading& s, const upagraha::Upagrahas& u, bool seconds,
                         Language language) {
    using upagraha::kUpagrahaNames;
    const bool english = language == Language::English;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };
    // Under a profile that takes other points of the portions, the heading says so.
    const bool allAtTheMiddle = s.profile.points == upagraha::kOriginalProfile.points;
    line(Say(allAtTheMiddle ? "Upagrahas: the ascendant rising at the middle of the lord's portion"
                            : "Upagrahas: the ascendant rising at the profile's point of the lord's portion",
             language));
    if (english) {
        line(seconds ? "  upagraha       lord  portion  moment         longitude  house"
                     : "  upagraha       lord  portion  moment      longitude  house");
    } else {
        const auto columns = TableColumns(language);
        std::string row = "  ";
        for (const auto& [column, width] : {std::pair{0, 15}, {1, 6}, {2, 9}, {3, seconds ? 15 : 12}, {4, 11}})
            AppendColumn(row, columns[static_cast<std::size_t>(column)], static_cast<std::size_t>(width));
        line(row + columns[6]);
    }
    for (std::size_t i = 0; i < kUpagrahaNames.size(); ++i) {
        std::string row = "  ";
        Pad(row, upagraha::UpagrahaName(static_cast<int>(i), language), 14, language);
        row += ' ';
        Pad(row, upagraha::LordName(upagraha::kUpagrahaLords[i], language), 5, language);
        row += ' ';
        Pad(row, std::to_string(u.portionIndex[i] + 1), 8, language);
        row += ' ';
        Pad(row, ClockText(u.moments[i], seconds), seconds ? 14 : 11, language);
        row += ' ';
        Pad(row, upagraha::PositionTextIn(u.upagrahaLongitudes[i].view(), language), 10, language);
        row += ' ';
        row += std::to_string(u.houses[i]);
        line(row);
    }
    line("");
}

// How far the birth time can move before each sign and house changes.
void AppendSensitivity(std::string& out, const Sensitivity& sensitivity, Language language) {
    using upagraha::kUpagrahaNames;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };
    line(Say("How far the birth time can move before a result changes", language));
    line(Say("(each reading recomputed minute by minute)", language));
    for (std::size_t i = 0; i < kUpagrahaNames.size(); ++i) {
        std::string row = "  ";
        Pad(row, upagraha::UpagrahaName(static_cast<int>(i), language), 14, language);
        line(row + " " + Say("sign:", language) + " " +
             ShiftText(sensitivity.sign[i], sensitivity.searchedMinutes, language));
        line("  " + std::string(14, ' ') + " " + Say("house:", language) + " " +
             ShiftText(sensitivity.house[i], sensitivity.searchedMinutes, language));
    }
}

}  // namespace

std::string WorkingText(const Reading& s, const upagraha::Upagrahas& u, const Sensitivity& sensitivity,
                        std::span<const ConventionReading> conventions, Language language) {
    const bool english = language == Language::English;
    // The precise ephemeris' sunrises and sunsets keep their seconds, and so do the portions.
    const bool seconds = s.profile.ephemeris == upagraha::EphemerisChoice::Precise;
    std::string out;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };

    line(Say("Birth: %1 at %2, ascendant %3", language,
             {english ? s.birthDateText.str() : DateText(s.day, s.month, s.year, language), ClockText(u.birthHour),
              upagraha::PositionTextIn(s.birthAscendantText, language)}));
    if (const std::string sky = upagraha::EphemerisText(s.profile); !sky.empty())
        line(Say("Ascendant, sunrise and sunset by the %1", language, {Say(sky, language)}));
    line("");
    AppendSunrises(out, s, seconds, language);
    AppendDayOrNight(out, u, seconds, language);
    AppendPortions(out, u, seconds, language);
    AppendUpagrahaTable(out, s, u, seconds, language);
    if (s.sky) {
        line(Say("The sky at the birth moment (precise ephemeris, ayanamsa subtracted)", language));
        out += SkyAroundText(*s.sky, language);
    }

    AppendSensitivity(out, sensitivity, language);
    if (!conventions.empty()) AppendConventionTable(out, s.profile, conventions, language);
    return out;
}

}  // namespace vela::reading
