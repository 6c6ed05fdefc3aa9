#include "upagraha/upagraha.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "upagraha/profiles.h"

namespace vela::modVedicUpagrahas {

using namespace modLords;

// Each day row starts at the weekday's own lord and runs through the eight-place cycle.
const std::array<LordRow, 7> strDayPortionLords = {{
    {Sun, Moon, Mars, Merc, Jup, Ven, Sat, Non},  // Sunday
    {Moon, Mars, Merc, Jup, Ven, Sat, Non, Sun},  // Monday
    {Mars, Merc, Jup, Ven, Sat, Non, Sun, Moon},  // Tuesday
    {Merc, Jup, Ven, Sat, Non, Sun, Moon, Mars},  // Wednesday
    {Jup, Ven, Sat, Non, Sun, Moon, Mars, Merc},  // Thursday
    {Ven, Sat, Non, Sun, Moon, Mars, Merc, Jup},  // Friday
    {Sat, Non, Sun, Moon, Mars, Merc, Jup, Ven},  // Saturday
}};

// Each night row starts four planets further on in the seven-planet cycle.
const std::array<LordRow, 7> strNightPortionLords = {{
    {Jup, Ven, Sat, Non, Sun, Moon, Mars, Merc},  // Sunday
    {Ven, Sat, Non, Sun, Moon, Mars, Merc, Jup},  // Monday
    {Sat, Non, Sun, Moon, Mars, Merc, Jup, Ven},  // Tuesday
    {Sun, Moon, Mars, Merc, Jup, Ven, Sat, Non},  // Wednesday
    {Moon, Mars, Merc, Jup, Ven, Sat, Non, Sun},  // Thursday
    {Mars, Merc, Jup, Ven, Sat, Non, Sun, Moon},  // Friday
    {Merc, Jup, Ven, Sat, Non, Sun, Moon, Mars},  // Saturday
}};

int SignIndexOfAbbreviation(std::string_view abbreviation) {
    for (int k = 0; k < 12; ++k)
        if (strSignNames[static_cast<std::size_t>(k)].substr(0, 3) == abbreviation) return k;
    return -1;
}

int HouseFromSignIndices(int ascendantIndex, int signIndex) {
    if (ascendantIndex < 0 || signIndex < 0) return 12;
    return (signIndex - ascendantIndex + 12) % 12 + 1;
}

int HouseFromSigns(std::string_view ascendantSign, std::string_view sign) {
    return HouseFromSignIndices(SignIndexOfAbbreviation(ascendantSign), SignIndexOfAbbreviation(sign));
}

namespace {

// One kind of event (sunrises or sunsets) of the three computed days, counted in minutes from the
// birth date's midnight. The sunrise and sunset stage keeps each event on its own date even when its
// clock time wrapped past midnight (far North in summer on daylight-saving time, or a zone far from
// the place's own time), so the event of a night can carry the neighbouring date. Each event
// recurs about every 24 hours, a few minutes apart from day to day: where the computed dates leave
// a gap, the same event a day earlier or later stands in for the missing one.
class DailyEvents {
public:
    DailyEvents(double birthDate, double prev, double birth, double next)
        : candidates_(Candidates({Minutes(prev, birthDate), Minutes(birth, birthDate), Minutes(next, birthDate)})) {}

    // The latest event before the minute x (at x too when inclusive).
    double Last(double x, bool inclusive) const {
        double best = -kFar;
        for (double e : candidates_)
            if (Before(e, x, inclusive)) best = std::max(best, e);
        return best;
    }

    // The first event after the minute x (at x too when inclusive).
    double First(double x, bool inclusive) const {
        double best = kFar;
        for (double e : candidates_)
            if (Before(x, e, inclusive)) best = std::min(best, e);
        return best;
    }

private:
    static constexpr double kDay = 1440;
    static constexpr double kFar = 1e9;

    // The dated events, and a stand-in a day before or after each where no dated event lies within
    // half a day of it (where a stand-in would duplicate a dated event, the dated one is repeated).
    static std::array<double, 9> Candidates(const std::array<double, 3>& at) {
        std::array<double, 9> all{};
        std::size_t n = 0;
        for (double e : at) all[n++] = e;
        for (double e : at) {
            for (double shifted : {e - kDay, e + kDay}) {
                bool gap = true;
                for (double dated : at) gap = gap && std::fabs(dated - shifted) >= kDay / 2;
                all[n++] = gap ? shifted : e;
            }
        }
        return all;
    }

    // Events are whole minutes: counting in whole minutes keeps a birth exactly at sunset on the sunset.
    static double Minutes(double value, double birthDate) { return std::round((value - birthDate) * kDay); }
    static bool Before(double a, double b, bool inclusive) { return inclusive ? a <= b : a < b; }

    std::array<double, 9> candidates_;
};

// The portion (0..7) each upagraha falls in: the first whose lord is the upagraha's planet. The
// tables never change, so the rows (day and night of each weekday, in each lord order) are
// searched once.
using UpagrahaPortions = std::array<int, kUpagrahaCount>;
using PortionsByWeekday = std::array<std::array<UpagrahaPortions, 7>, 2>;  // [night][weekday]

PortionsByWeekday SearchPortions(modConventionProfiles::LordOrder order) {
    PortionsByWeekday t{};
    for (std::size_t night = 0; night < 2; ++night) {
        for (std::size_t w = 0; w < 7; ++w) {
            const LordRow& row = night == 0 ? modConventionProfiles::DayPortionLords(order)[w]
                                            : modConventionProfiles::NightPortionLords(order)[w];
            for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
                std::size_t k = 0;
                while (k < row.size() && row[k] != strUpagrahaLords[u]) ++k;
                t[night][w][u] = static_cast<int>(k);
            }
        }
    }
    return t;
}

const UpagrahaPortions& PortionsOfUpagrahas(modConventionProfiles::LordOrder order, bool byDay, int weekday) {
    static const std::array<PortionsByWeekday, 2> table = {
        SearchPortions(modConventionProfiles::LordOrder::EightPlaceCycle),
        SearchPortions(modConventionProfiles::LordOrder::SevenLords)};
    return table[static_cast<std::size_t>(order)][byDay ? 0 : 1][static_cast<std::size_t>(weekday)];
}

}  // namespace

Upagrahas CalculateUpagrahas(const UpagrahaInput& s) {
    return CalculateUpagrahas(s, modConventionProfiles::kOriginalProfile);
}

Upagrahas CalculateUpagrahas(const UpagrahaInput& s, const modConventionProfiles::ConventionProfile& profile) {
    Upagrahas r;
    // Every time here is true decimal hours on the birth date's clock.
    const double birthMinute = s.intHour * 60 + s.intMinute;
    const double birthDate = DateSerial(s.intYear, s.intMonth, s.intDay);
    const DailyEvents rises(birthDate, s.dtPrevSunrise, s.dtBirthSunrise, s.dtNextSunrise);
    const DailyEvents sets(birthDate, s.dtPrevSunset, s.dtBirthSunset, s.dtNextSunset);
    r.dblBirthHour = birthMinute / 60;

    // By day from sunrise up to and including sunset; otherwise by night. A day of this reckoning
    // runs from sunrise to sunrise, so a night belongs to the date of the sunrise before it.
    const double lastRise = rises.Last(birthMinute, true);
    const double lastSet = sets.Last(birthMinute, false);
    double startMinute = 0;
    double endMinute = 0;
    double reckonedFrom = 0;
    r.blnBirthByDay = lastRise > lastSet;
    if (r.blnBirthByDay) {
        startMinute = lastRise;
        endMinute = sets.First(birthMinute, true);
        reckonedFrom = lastRise;
    } else {
        startMinute = lastSet;
        endMinute = rises.First(birthMinute, false);
        reckonedFrom = rises.Last(lastSet, false);
    }
    const double start = startMinute / 60;
    const double end = endMinute / 60;
    r.dblSunrise = (r.blnBirthByDay ? startMinute : reckonedFrom) / 60;
    r.dblSunset = (r.blnBirthByDay ? endMinute : startMinute) / 60;
    r.intReckonedDay = static_cast<int>(std::floor(reckonedFrom / 1440));
    r.blnBeforeSunrise = r.intReckonedDay < 0;
    r.intWeekday = ((Weekday(s.intYear, s.intMonth, s.intDay) + r.intReckonedDay) % 7 + 7) % 7;
    const auto weekday = static_cast<std::size_t>(r.intWeekday);
    const LordRow* lords = r.blnBirthByDay ? &modConventionProfiles::DayPortionLords(profile.lordOrder)[weekday]
                                           : &modConventionProfiles::NightPortionLords(profile.lordOrder)[weekday];
    const double length = end - start;

    const double eighth = length / kPortionCount;
    for (std::size_t k = 0; k < r.portions.size(); ++k) {
        r.portions[k] = {(*lords)[k], start + static_cast<double>(k) * eighth,
                         start + static_cast<double>(k + 1) * eighth};
    }

    // The houses count from the sign the birth ascendant's text names.
    const std::string_view ascendantSign = modVedicPlanetPosition::CompactSign(s.strBirthAscendant);
    const int ascendantIndex = SignIndexOfAbbreviation(ascendantSign);
    const modVedicEphemeris::AscendantClock clock(s);
    const auto& portionOf = PortionsOfUpagrahas(profile.lordOrder, r.blnBirthByDay, r.intWeekday);
    for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
        const auto k = static_cast<std::size_t>(portionOf[u]);
        r.intPortion[u] = portionOf[u];
        const double moment =
            start + (static_cast<double>(k) + modConventionProfiles::PointFraction(profile.points[u])) * eighth;
        r.dblMoments[u] = moment;
        // Gulika and Maandi share Saturn's portion: at the same point, their moment and ascendant
        // are the same.
        const double longitude =
            u > 0 && moment == r.dblMoments[u - 1] ? r.dblLongitudes[u - 1] : clock.SiderealAscendantAt(moment);
        r.dblLongitudes[u] = longitude;
        r.varUpagrahaLongitudes[u] = modVedicPlanetPosition::CompactPositionTextOf(longitude);
        r.intHouses[u] = HouseFromSignIndices(ascendantIndex, modVedicPlanetPosition::SignIndexOf(longitude));
    }
    return r;
}

}  // namespace vela::modVedicUpagrahas
