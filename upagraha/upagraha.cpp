#include "upagraha/upagraha.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "upagraha/profile_clock.h"
#include "upagraha/profiles.h"

namespace vela::upagraha {

int SignIndexOfAbbreviation(std::string_view abbreviation) {
    for (int k = 0; k < 12; ++k)
        if (kSignNames[static_cast<std::size_t>(k)].substr(0, 3) == abbreviation) return k;
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
    DailyEvents(double birthDate, double prev, double birth, double next, bool wholeMinutes)
        : candidates(Candidates({Minutes(prev, birthDate, wholeMinutes), Minutes(birth, birthDate, wholeMinutes),
                                 Minutes(next, birthDate, wholeMinutes)})) {}

    // The latest event before the minute x (at x too when inclusive).
    double Last(double x, bool inclusive) const {
        double best = -kFar;
        for (double e : candidates)
            if (Before(e, x, inclusive)) best = std::max(best, e);
        return best;
    }

    // The first event after the minute x (at x too when inclusive).
    double First(double x, bool inclusive) const {
        double best = kFar;
        for (double e : candidates)
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

    // The original's formulas give whole minutes: counting in whole minutes removes the error of the
    // day fraction and keeps a birth exactly at sunset on the sunset. The precise ephemeris' events
    // keep their seconds, so the portions start where its sunrise and sunset lie.
    static double Minutes(double value, double birthDate, bool wholeMinutes) {
        const double minutes = (value - birthDate) * kDay;
        return wholeMinutes ? std::round(minutes) : minutes;
    }
    static bool Before(double a, double b, bool inclusive) { return inclusive ? a <= b : a < b; }

    std::array<double, 9> candidates;
};

// The portion (0..7) each upagraha falls in: the first whose lord is the upagraha's planet. The
// rule never changes, so the rows (day and night of each weekday, in each lord order) are
// searched once.
using UpagrahaPortions = std::array<int, kUpagrahaCount>;
using PortionsByWeekday = std::array<std::array<UpagrahaPortions, 7>, 2>;  // [night][weekday]

PortionsByWeekday SearchPortions(LordOrder order) {
    PortionsByWeekday t{};
    for (std::size_t night = 0; night < 2; ++night) {
        for (std::size_t w = 0; w < 7; ++w) {
            for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
                int k = 0;
                while (k < kPortionCount && PortionLord(order, static_cast<int>(w), night == 0, k) != kUpagrahaLords[u])
                    ++k;
                t[night][w][u] = k;
            }
        }
    }
    return t;
}

const UpagrahaPortions& PortionsOfUpagrahas(LordOrder order, bool byDay, int weekday) {
    static const std::array<PortionsByWeekday, 3> table = {SearchPortions(LordOrder::EightPlaceCycle),
                                                           SearchPortions(LordOrder::SevenLords),
                                                           SearchPortions(LordOrder::EightPlaceNightFourOn)};
    return table[static_cast<std::size_t>(order)][byDay ? 0 : 1][static_cast<std::size_t>(weekday)];
}

// The lords of the eight portions of each weekday's day and night, taken from the rule once.
using PortionLords = std::array<Planet, kPortionCount>;

const PortionLords& LordsOfPortions(LordOrder order, bool byDay, int weekday) {
    static const auto table = [] {
        std::array<std::array<std::array<PortionLords, 7>, 2>, 3> t{};
        for (std::size_t o = 0; o < t.size(); ++o)
            for (std::size_t night = 0; night < 2; ++night)
                for (std::size_t w = 0; w < 7; ++w)
                    for (std::size_t k = 0; k < static_cast<std::size_t>(kPortionCount); ++k)
                        t[o][night][w][k] = PortionLord(static_cast<LordOrder>(o), static_cast<int>(w), night == 0,
                                                        static_cast<int>(k));
        return t;
    }();
    return table[static_cast<std::size_t>(order)][byDay ? 0 : 1][static_cast<std::size_t>(weekday)];
}

}  // namespace

Upagrahas CalculateUpagrahas(const UpagrahaInput& s) { return CalculateUpagrahas(s, kOriginalProfile); }

Upagrahas CalculateUpagrahas(const UpagrahaInput& s, const ConventionProfile& profile) {
    Upagrahas r;
    // Every time here is true decimal hours on the birth date's clock.
    const double birthMinute = s.hour * 60 + s.minute;
    const double birthDate = astro::DateSerial(s.year, s.month, s.day);
    const bool wholeMinutes = profile.ephemeris == EphemerisChoice::OriginalFormulas;
    const DailyEvents rises(birthDate, s.prevSunrise, s.birthSunrise, s.nextSunrise, wholeMinutes);
    const DailyEvents sets(birthDate, s.prevSunset, s.birthSunset, s.nextSunset, wholeMinutes);
    r.birthHour = birthMinute / 60;

    // By day from sunrise up to and including sunset; otherwise by night. A day of this reckoning
    // runs from sunrise to sunrise, so a night belongs to the date of the sunrise before it.
    const double lastRise = rises.Last(birthMinute, true);
    const double lastSet = sets.Last(birthMinute, false);
    double startMinute = 0;
    double endMinute = 0;
    double reckonedFrom = 0;
    r.birthByDay = lastRise > lastSet;
    if (r.birthByDay) {
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
    r.sunrise = (r.birthByDay ? startMinute : reckonedFrom) / 60;
    r.sunset = (r.birthByDay ? endMinute : startMinute) / 60;
    r.reckonedDay = static_cast<int>(std::floor(reckonedFrom / 1440));
    r.beforeSunrise = r.reckonedDay < 0;
    r.weekday = ((astro::Weekday(s.year, s.month, s.day) + r.reckonedDay) % 7 + 7) % 7;
    const double length = end - start;

    const double eighth = length / kPortionCount;
    const PortionLords& lords = LordsOfPortions(profile.lordOrder, r.birthByDay, r.weekday);
    for (std::size_t k = 0; k < r.portions.size(); ++k)
        r.portions[k] = {lords[k], start + static_cast<double>(k) * eighth,
                         start + static_cast<double>(k + 1) * eighth};

    // The houses count from the birth ascendant's sign (the one its text names).
    const int ascendantIndex = astro::SignIndexOf(s.birthAscendant.value);
    const ProfileClock clock(s, profile);
    const auto& portionOf = PortionsOfUpagrahas(profile.lordOrder, r.birthByDay, r.weekday);
    for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
        double moment = 0;
        if (profile.points[u] == PortionPoint::Ghatis) {
            // The Kerala rule counts G ghatis of the day's (or night's) thirty, not portions; the
            // portion shown is the one the moment falls in.
            const int ghatis = MaandiGhatis(r.weekday, r.birthByDay);
            moment = start + length * ghatis / 30.0;
            r.portionIndex[u] = std::min(kPortionCount - 1, ghatis * kPortionCount / 30);
        } else {
            const auto k = static_cast<std::size_t>(portionOf[u]);
            r.portionIndex[u] = portionOf[u];
            moment = start + (static_cast<double>(k) + PointFraction(profile.points[u])) * eighth;
        }
        r.moments[u] = moment;
        // Gulika and Maandi share Saturn's portion: at the same point, their moment and ascendant
        // are the same.
        const double longitude = u > 0 && moment == r.moments[u - 1]
                                     ? r.longitudes[u - 1]
                                     : clock.SiderealAscendantAt(astro::ClockHours(moment)).value;
        r.longitudes[u] = longitude;
        r.upagrahaLongitudes[u] = astro::CompactPositionTextOf(longitude);
        r.houses[u] = HouseFromSignIndices(ascendantIndex, astro::SignIndexOf(longitude));
    }
    return r;
}

}  // namespace vela::upagraha
