#include "reading/working.h"

#include <cmath>
#include <cstdio>

#include "astro/calendar.h"
#include "astro/position_text.h"
#include "astro/text.h"
#include "reading/calculation_driver.h"

namespace vela::reading {

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

std::string Printf(const char* format, auto... args) {
    char buf[256];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    return std::string(buf, static_cast<std::size_t>(std::max(0, std::min(n, static_cast<int>(sizeof buf) - 1))));
}

std::string Duration(int minutes) {
    if (minutes < 60) return Printf("%d min", minutes);
    if (minutes % 60 == 0) return Printf("%d h", minutes / 60);
    return Printf("%d h %d min", minutes / 60, minutes % 60);
}

std::string DurationHours(double hours) { return Duration(static_cast<int>(std::lround(hours * 60))); }

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
                           std::span<const ConventionReading> conventions) {
    using namespace upagraha;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };
    line("");
    line("The upagrahas under each convention (in use: " + std::string(inUse.name) + ")");
    for (const ConventionReading& c : conventions) {
        const ConventionProfile& p = c.profile;
        line("  " + std::string(p.name) + (p == inUse ? " (in use)" : "") + ": " + ShortLordOrderText(p.lordOrder) +
             ",");
        line("    " + std::string(SunriseText(p.sunrise)));
        if (!c.upagrahas) {
            line("    " + c.message);
            continue;
        }
        const upagraha::Upagrahas& u = *c.upagrahas;
        line(std::string("    ") + (u.birthByDay ? "day " : "night ") + ClockText(u.portions.front().start) + " to " +
             ClockText(u.portions.back().end));
        line("    upagraha       portion  point   moment      longitude  house");
        for (std::size_t i = 0; i < upagraha::kUpagrahaNames.size(); ++i) {
            const auto k = static_cast<std::size_t>(u.portionIndex[i]);
            line(Printf("    %-14s %zu %-6s %-7s %-11s %-10s %d", std::string(upagraha::kUpagrahaNames[i]).c_str(),
                        k + 1, std::string(upagraha::PlanetText(u.portions[k].lord)).c_str(),
                        std::string(PointText(p.points[i])).c_str(), ClockText(u.moments[i]).c_str(),
                        u.upagrahaLongitudes[i].str().c_str(), u.houses[i]));
        }
    }
}

std::string ShiftText(const Shift& shift, int searched) {
    const auto side = [&](const std::optional<int>& m, const char* way) {
        return m ? Duration(*m) + " " + way : "not within " + Duration(searched) + " " + way;
    };
    return side(shift.earlier, "earlier") + ", " + side(shift.later, "later");
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

std::string WorkingText(const Reading& s, const upagraha::Upagrahas& u, const Sensitivity& sensitivity,
                        std::span<const ConventionReading> conventions) {
    using upagraha::kUpagrahaNames;
    std::string out;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };

    line("Birth: " + s.birthDateText.str() + " at " + ClockText(u.birthHour) + ", ascendant " + s.birthAscendantText);
    if (const std::string sky = upagraha::EphemerisText(s.profile); !sky.empty())
        line("Ascendant, sunrise and sunset by the " + sky);
    line("");
    line("Sunrise and sunset");
    const std::array<std::array<double, 2>, 3> days = {
        {{s.prevSunrise, s.prevSunset}, {s.birthSunrise, s.birthSunset}, {s.nextSunrise, s.nextSunset}}};
    const std::array<const char*, 3> dayNames = {"Day before", "Birth day ", "Day after "};
    // Each event on the clock of the date it belongs to: a sunset after midnight (far North in
    // summer) is shown, and was used, on the next date.
    const astro::CivilDate birthDate{s.year, s.month, s.day};
    bool offItsDate = false;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const astro::CivilDate date = astro::AddDays(birthDate, static_cast<int>(i) - 1);
        const double midnight = astro::DateSerial(date.year, date.month, date.day);
        const double rise = (days[i][0] - midnight) * 24;
        const double set = (days[i][1] - midnight) * 24;
        offItsDate = offItsDate || ClockText(rise).size() > 5 || ClockText(set).size() > 5;
        line(Printf("  %s  %-18s rise %s  set %s", dayNames[i],
                    BirthDateText(date.month, date.day, date.year).str().c_str(), ClockText(rise).c_str(),
                    ClockText(set).c_str()));
    }
    if (offItsDate) line("  (+1): after midnight, on the next date; (-1): on the date before");
    line("");

    const auto& first = u.portions.front();
    const auto& last = u.portions.back();
    const std::string birth = ClockText(u.birthHour);
    const char* weekday = kWeekdays[static_cast<std::size_t>(u.weekday)];
    const std::string span =
        ClockText(first.start) + " to " + ClockText(last.end) + " (" + DurationHours(last.end - first.start) + ")";
    const char* whose = u.reckonedDay < 0 ? "the day before" : (u.reckonedDay > 0 ? "the day after" : "the birth date");
    // Short lines: the window shows this in a narrow pane.
    if (u.birthByDay) {
        line("Day birth: " + birth + " lies between sunrise " + ClockText(first.start) + " and sunset " +
             ClockText(last.end) + ",");
        line(std::string("in the daylight of ") + whose + " (" + weekday + ").");
        line("The day runs from " + span + ";");
        line(std::string("the portions are ") + weekday + "'s day portions.");
    } else {
        line("Night birth: " + birth + " lies between sunset " + ClockText(first.start) + " and the next");
        line("sunrise " + ClockText(last.end) + ".");
        if (u.beforeSunrise) {
            line("A day runs from sunrise to sunrise, so a birth before sunrise");
            line(std::string("belongs to the night of ") + whose + " (" + weekday + ").");
        }
        line("The night runs from " + span + ";");
        line(std::string("the portions are ") + weekday + "'s night portions.");
    }
    line("");

    line("Portions (each an eighth)");
    for (std::size_t k = 0; k < u.portions.size(); ++k) {
        const auto& p = u.portions[k];
        line(Printf("  %zu  %-10s - %-10s  %s", k + 1, ClockText(p.start).c_str(), ClockText(p.end).c_str(),
                    std::string(upagraha::PlanetText(p.lord)).c_str()));
    }
    line("");

    // Under a profile that takes other points of the portions, the heading says so.
    const bool allAtTheMiddle = s.profile.points == upagraha::kOriginalProfile.points;
    line(allAtTheMiddle ? "Upagrahas: the ascendant rising at the middle of the lord's portion"
                        : "Upagrahas: the ascendant rising at the profile's point of the lord's portion");
    line("  upagraha       lord  portion  moment      longitude  house");
    for (std::size_t i = 0; i < kUpagrahaNames.size(); ++i) {
        line(Printf("  %-14s %-5s %-8d %-11s %-10s %d", std::string(kUpagrahaNames[i]).c_str(),
                    std::string(upagraha::PlanetText(upagraha::kUpagrahaLords[i])).c_str(), u.portionIndex[i] + 1,
                    ClockText(u.moments[i]).c_str(), u.upagrahaLongitudes[i].str().c_str(), u.houses[i]));
    }
    line("");

    if (s.sky) {
        line("The sky at the birth moment (precise ephemeris, ayanamsa subtracted)");
        out += SkyAroundText(*s.sky);
    }

    line("How far the birth time can move before a result changes");
    line("(each reading recomputed minute by minute)");
    for (std::size_t i = 0; i < kUpagrahaNames.size(); ++i) {
        line(Printf("  %-14s sign: %s", std::string(kUpagrahaNames[i]).c_str(),
                    ShiftText(sensitivity.sign[i], sensitivity.searchedMinutes).c_str()));
        line(Printf("  %-14s house: %s", "", ShiftText(sensitivity.house[i], sensitivity.searchedMinutes).c_str()));
    }
    if (!conventions.empty()) AppendConventionTable(out, s.profile, conventions);
    return out;
}

}  // namespace vela::reading
