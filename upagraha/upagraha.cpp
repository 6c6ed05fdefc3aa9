#include "upagraha/upagraha.h"

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"

namespace vela::modVedicUpagrahas {

namespace {
constexpr std::string_view Sun = "Sun", Moon = "Moon", Mars = "Mars", Merc = "Merc", Jup = "Jup",
                           Ven = "Ven", Sat = "Sat", Non = kNoLord;
}  // namespace

// Each day row starts at the weekday's own lord and runs through the eight-place cycle.
const std::array<LordRow, 7> strDayPortionLords = {{
    {Sun, Moon, Mars, Merc, Jup, Ven, Sat, Non},   // Sunday
    {Moon, Mars, Merc, Jup, Ven, Sat, Non, Sun},   // Monday
    {Mars, Merc, Jup, Ven, Sat, Non, Sun, Moon},   // Tuesday
    {Merc, Jup, Ven, Sat, Non, Sun, Moon, Mars},   // Wednesday
    {Jup, Ven, Sat, Non, Sun, Moon, Mars, Merc},   // Thursday
    {Ven, Sat, Non, Sun, Moon, Mars, Merc, Jup},   // Friday
    {Sat, Non, Sun, Moon, Mars, Merc, Jup, Ven},   // Saturday
}};

// Each night row starts four planets further on in the seven-planet cycle.
const std::array<LordRow, 7> strNightPortionLords = {{
    {Jup, Ven, Sat, Non, Sun, Moon, Mars, Merc},   // Sunday
    {Ven, Sat, Non, Sun, Moon, Mars, Merc, Jup},   // Monday
    {Sat, Non, Sun, Moon, Mars, Merc, Jup, Ven},   // Tuesday
    {Sun, Moon, Mars, Merc, Jup, Ven, Sat, Non},   // Wednesday
    {Moon, Mars, Merc, Jup, Ven, Sat, Non, Sun},   // Thursday
    {Mars, Merc, Jup, Ven, Sat, Non, Sun, Moon},   // Friday
    {Merc, Jup, Ven, Sat, Non, Sun, Moon, Mars},   // Saturday
}};

int HouseFromSigns(std::string_view ascendantSign, std::string_view sign) {
    int a = 0;
    while (a < 12 && strSignNames[static_cast<std::size_t>(a)].substr(0, 3) != ascendantSign) ++a;
    if (a == 12) return 12;
    for (int count = 1; count <= 12; ++count) {
        const auto idx = static_cast<std::size_t>((a + count - 1) % 12);
        if (strSignNames[idx].substr(0, 3) == sign) return count;
    }
    return 12;
}

Upagrahas CalculateUpagrahas(const SharedChartState& s) {
    Upagrahas r;
    // Every time here is true decimal hours on the birth date's clock.
    const double T = s.intHour + s.intMinute / 60.0;
    const double SR = HoursOfDay(s.dtBirthSunrise);
    double SS = HoursOfDay(s.dtBirthSunset);
    double prevSS = HoursOfDay(s.dtPrevSunset) - 24;
    double nextSR = HoursOfDay(s.dtNextSunrise) + 24;
    // With a zone far from the place's meridian a sunset can land after midnight on the clock
    // while keeping its date; unwrap so the day and the nights around it stay in order.
    if (SS < SR) SS += 24;
    if (prevSS >= SR) prevSS -= 24;
    if (nextSR <= SS) nextSR += 24;
    r.dblBirthHour = T;
    r.dblSunrise = SR;
    r.dblSunset = SS;

    const int birthWeekday = Weekday(s.intYear, s.intMonth, s.intDay);
    double start = SR;
    double length = SS - SR;
    const LordRow* lords = &strDayPortionLords[static_cast<std::size_t>(birthWeekday)];
    r.intWeekday = birthWeekday;
    r.blnBirthByDay = SR <= T && T <= SS;
    if (!r.blnBirthByDay) {
        if (T > SS) {  // the night after the birth day's sunset belongs to the birth date
            start = SS;
            length = nextSR - SS;
        } else {  // before sunrise: the night of the previous day, which runs from sunrise to sunrise
            r.blnBeforeSunrise = true;
            r.intWeekday = (birthWeekday + 6) % 7;
            start = prevSS;
            length = SR - prevSS;
        }
        lords = &strNightPortionLords[static_cast<std::size_t>(r.intWeekday)];
    }

    const double eighth = length / kPortionCount;
    for (std::size_t k = 0; k < r.portions.size(); ++k) {
        r.portions[k] = {(*lords)[k], start + static_cast<double>(k) * eighth,
                         start + static_cast<double>(k + 1) * eighth};
    }

    const std::string_view ascendantSign = modVedicPlanetPosition::CompactSign(s.strBirthAscendant);
    for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
        std::size_t k = 0;
        while (k < r.portions.size() && r.portions[k].strLord != strUpagrahaLords[u]) ++k;
        r.intPortion[u] = static_cast<int>(k);
        const double moment = start + (static_cast<double>(k) + 0.5) * eighth;
        r.dblMoments[u] = moment;
        const auto angles = modVedicEphemeris::CalculateChartAngles(s, moment);
        r.varUpagrahaLongitudes[u] = modVedicPlanetPosition::CompactPositionText(angles.varAscendantText);
        r.dblLongitudes[u] = angles.varAscendant >= 360 ? angles.varAscendant - 360 : angles.varAscendant;
        r.intHouses[u] = HouseFromSigns(ascendantSign,
                                        modVedicPlanetPosition::CompactSign(r.varUpagrahaLongitudes[u]));
    }
    return r;
}

}  // namespace vela::modVedicUpagrahas
