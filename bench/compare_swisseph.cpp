// Side-by-side: our low-precision model against the Swiss Ephemeris on seeded readings.
//
// For each reading our program runs as it is (form -> driver -> chart angles -> sunrise x3 ->
// upagrahas). The same quantities are then worked out with the Swiss Ephemeris:
//   - the sidereal ascendant of the birth moment (Lahiri ayanamsa, swe_houses_ex with SEFLG_SIDEREAL);
//   - sunrise and sunset of the birth date and its two neighbours: the upper limb with standard
//     refraction (swe_rise_trans with SE_CALC_RISE / SE_CALC_SET and no disc or refraction bits),
//     the first event after local midnight of each date;
//   - the upagrahas: the Swiss sunrises and sunsets go through our own portion rules (the core's
//     CalculateUpagrahas on a copy of the reading holding the Swiss times), and the Swiss ascendant
//     is taken at each resulting moment; houses are counted with the core's HouseFromSigns.
// Differences are ours minus Swiss; the table gives the median, 95th percentile and maximum of their
// absolute values, the mean signed difference, and the share of signs, houses and day-or-night
// decisions that differ. The time per reading of both is measured in the same run.
//
// Usage: vela_compare_swisseph [readings] [seed]      (defaults 5000 and 20261207)
#include <swephexp.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "astro/sunrise_sunset.h"
#include "bench/sample_forms.h"
#include "reading/calculation_driver.h"
#include "upagraha/upagraha.h"

namespace {

using namespace vela;
namespace up = upagraha;

constexpr int kMaxLatitude = 60;
constexpr double kDateValueToJulianDay = 2415018.5;  // date value 0 is 30 December 1899, 0:00
constexpr double kPressureHpa = 1013.25;             // standard atmosphere for the refraction
constexpr double kTemperatureC = 10;

// Distance between two angles in degrees, in (-180, 180].
double AngleDifference(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d <= -180) d += 360;
    if (d > 180) d -= 360;
    return d;
}

// Distance between two clock times in minutes of one day, in (-720, 720]: the model keeps an event
// on its requested date even when its time wrapped past midnight, so only the time of day compares.
double ClockDifference(double minutesA, double minutesB) {
    double d = std::fmod(minutesA - minutesB, 1440.0);
    if (d <= -720) d += 1440;
    if (d > 720) d -= 1440;
    return d;
}

double Normalized(double degrees) {
    double x = std::fmod(degrees, 360.0);
    if (x < 0) x += 360;
    return x >= 360 ? x - 360 : x;
}

int SignOf(double degrees) { return static_cast<int>(std::floor(Normalized(degrees) / 30)) % 12; }

std::string_view SignAbbrev(int sign) {
    return astro::kSignAbbreviations.substr(static_cast<std::size_t>(3 * sign), 3);
}

class Distribution {
public:
    void Add(double signedValue) { values.push_back(signedValue); }
    std::size_t Count() const { return values.size(); }

    double Median() const { return AbsoluteQuantile(0.5); }
    double P95() const { return AbsoluteQuantile(0.95); }
    double Max() const { return AbsoluteQuantile(1.0); }
    double MeanSigned() const {
        double sum = 0;
        for (double v : values) sum += v;
        return values.empty() ? 0 : sum / static_cast<double>(values.size());
    }

private:
    // The smallest value with at least the share q of all values at or below it.
    double AbsoluteQuantile(double q) const {
        if (values.empty()) return 0;
        std::vector<double> a;
        a.reserve(values.size());
        for (double v : values) a.push_back(std::fabs(v));
        std::sort(a.begin(), a.end());
        const auto n = static_cast<double>(a.size());
        const auto index = static_cast<std::size_t>(std::max(0.0, std::ceil(q * n) - 1));
        return a[std::min(index, a.size() - 1)];
    }
    std::vector<double> values;
};

struct Share {
    std::size_t differing = 0;
    std::size_t total = 0;
    double Percent() const { return total ? 100.0 * static_cast<double>(differing) / static_cast<double>(total) : 0; }
};

// The Swiss Ephemeris side of one reading's set-up.
class SwissEphemeris {
public:
    SwissEphemeris() {
        swe_set_ephe_path(nullptr);  // SE_EPHE_PATH from the environment, else the library's default
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        // The data files answer with SEFLG_SWIEPH in the returned flags; without them the library
        // falls back to its built-in analytical theory and says so with SEFLG_MOSEPH.
        double xx[6] = {};
        char serr[AS_MAXCH] = {};
        const std::int32_t got = swe_calc_ut(2451545.0, SE_SUN, SEFLG_SWIEPH, xx, serr);
        ephemerisFlag = (got >= 0 && (got & SEFLG_SWIEPH)) ? SEFLG_SWIEPH : SEFLG_MOSEPH;
        char text[AS_MAXCH] = {};
        swe_version(text);
        version = text;
    }
    ~SwissEphemeris() { swe_close(); }
    SwissEphemeris(const SwissEphemeris&) = delete;
    SwissEphemeris& operator=(const SwissEphemeris&) = delete;

    std::int32_t EphemerisFlag() const { return ephemerisFlag; }
    const std::string& Version() const { return version; }

    // Sidereal ascendant in degrees at a Julian day (universal time). The house system does not
    // change the ascendant; equal houses have no latitude limit.
    double Ascendant(double jdUt, double latitude, double longitude) const {
        std::array<double, 13> cusps{};
        std::array<double, 10> ascmc{};
        swe_houses_ex(jdUt, SEFLG_SIDEREAL | ephemerisFlag, latitude, longitude, 'E', cusps.data(), ascmc.data());
        return Normalized(ascmc[0]);
    }

    // Lahiri ayanamsa in degrees (positive) at a Julian day (universal time).
    double Ayanamsa(double jdUt) const {
        double ayanamsa = 0;
        char serr[AS_MAXCH] = {};
        swe_get_ayanamsa_ex_ut(jdUt, ephemerisFlag, &ayanamsa, serr);
        return ayanamsa;
    }

    // The first rise or set of the Sun's upper limb after jdUt, with standard refraction; NaN when
    // the Sun neither rises nor sets that way.
    double NextEvent(double jdUt, double latitude, double longitude, std::int32_t which) const {
        std::array<double, 3> geopos = {longitude, latitude, 0};
        double tret = 0;
        char serr[AS_MAXCH] = {};
        const std::int32_t rc = swe_rise_trans(jdUt, SE_SUN, nullptr, ephemerisFlag, which, geopos.data(), kPressureHpa,
                                               kTemperatureC, &tret, serr);
        return rc == 0 ? tret : std::nan("");
    }

private:
    std::int32_t ephemerisFlag = SEFLG_MOSEPH;
    std::string version;
};

struct Case {
    bench::SampleForm sample;
    reading::Reading ours;  // the reading as our program left it
    up::Upagrahas ourUpagrahas;
    double zoneEast = 0;                                    // hours East of Greenwich, the clock of the reading
    std::array<double, up::kUpagrahaCount> swissMoments{};  // clock hours on the birth date
};

// Julian day (universal time) of a clock time in hours on a civil date's clock.
double JulianDayOfClock(int year, int month, int day, double clockHours, double zoneEast) {
    return swe_julday(year, month, day, clockHours - zoneEast, SE_GREG_CAL);
}

// Date value of the local clock at a Julian day (universal time), rounded to whole minutes as our
// sunrise stage gives its events.
double ClockDateValue(double jdUt, double zoneEast) {
    const double value = jdUt + zoneEast / 24 - kDateValueToJulianDay;
    return std::round(value * 1440) / 1440;
}

double MinutesOfDay(double dateValue) { return astro::HoursOfDay(dateValue) * 60; }

void PrintRow(const char* name, const char* unit, const Distribution& d) {
    std::printf("| %-36s | %-9s | %9.3f | %9.3f | %9.3f | %+9.3f |\n", name, unit, d.Median(), d.P95(), d.Max(),
                d.MeanSigned());
}

void PrintShare(const char* name, const Share& share) {
    const std::string count = std::to_string(share.differing) + "/" + std::to_string(share.total);
    std::printf("| %-36s | %11s | %8.2f%% |\n", name, count.c_str(), share.Percent());
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const long requested = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261207ULL;
    if (requested <= 0 || requested > 1'000'000) {
        std::fprintf(stderr, "usage: %s [readings 1..1000000] [seed]\n", argv[0]);
        return 2;
    }
    const auto count = static_cast<std::size_t>(requested);

    const SwissEphemeris swiss;
    const std::int32_t eph = swiss.EphemerisFlag();

    // Our readings.
    std::mt19937_64 rng(seed);
    std::vector<Case> cases(count);
    for (Case& c : cases) {
        c.sample = bench::RandomSampleForm(rng, kMaxLatitude);
        const auto outcome = reading::RunCalculation(c.sample.form, c.ours);
        if (!outcome.Succeeded()) {
            std::fprintf(stderr, "reading refused (%s): %s\n", c.sample.form.latDegrees.c_str(),
                         outcome.message->text.c_str());
            return 1;
        }
        c.ourUpagrahas = outcome.upagrahas;
        c.zoneEast = c.sample.zoneEast + (c.ours.dst ? 1 : 0);
    }

    Distribution ascendant, ayanamsa, sunrise, sunset, moments, longitudes, agreedMoments, agreedLongitudes;
    Share signs, houses, dayOrNight;
    std::size_t withoutEvents = 0;
    for (Case& c : cases) {
        const bench::SampleForm& s = c.sample;
        const reading::Reading& o = c.ours;

        // Ascendant of the birth moment, and the ayanamsa behind it.
        const double birthClock = o.hour + o.minute / 60.0;
        const double jdBirth = JulianDayOfClock(s.year, s.month, s.day, birthClock, c.zoneEast);
        const auto ourBirth = astro::CalculateChartAngles(o, astro::ClockHours(birthClock));
        const double swissAsc = swiss.Ascendant(jdBirth, s.latitude, s.longitude);
        ascendant.Add(AngleDifference(ourBirth.ascendant, swissAsc) * 60);
        ayanamsa.Add((-ourBirth.ayanamsa - swiss.Ayanamsa(jdBirth)) * 60);

        // Sunrise and sunset of the three dates, each the first event after the date's local midnight.
        reading::Reading withSwissSun = o;
        std::array<double*, 6> slots = {&withSwissSun.prevSunrise,  &withSwissSun.prevSunset,
                                        &withSwissSun.birthSunrise, &withSwissSun.birthSunset,
                                        &withSwissSun.nextSunrise,  &withSwissSun.nextSunset};
        bool allEvents = true;
        for (int d = -1; d <= 1; ++d) {
            const astro::CivilDate date = astro::AddDays(astro::CivilDate{s.year, s.month, s.day}, d);
            const double midnight = JulianDayOfClock(date.year, date.month, date.day, 0, c.zoneEast);
            for (int e = 0; e < 2; ++e) {
                const double jd =
                    swiss.NextEvent(midnight, s.latitude, s.longitude, e == 0 ? SE_CALC_RISE : SE_CALC_SET);
                if (std::isnan(jd)) {
                    allEvents = false;
                    continue;
                }
                *slots[static_cast<std::size_t>(2 * (d + 1) + e)] = ClockDateValue(jd, c.zoneEast);
                if (d == 0) {
                    // Unrounded: the model's own rounding to whole minutes is part of its difference.
                    const double swissMinutes = MinutesOfDay(jd + c.zoneEast / 24 - kDateValueToJulianDay);
                    (e == 0 ? sunrise : sunset)
                        .Add(ClockDifference(MinutesOfDay(e == 0 ? o.birthSunrise : o.birthSunset), swissMinutes));
                }
            }
        }
        if (!allEvents) {  // cannot happen below the polar circles; kept out of the upagraha rows
            ++withoutEvents;
            continue;
        }

        // Upagrahas: the Swiss day or night through our portion rules, the Swiss ascendant at each moment.
        const up::Upagrahas swissCut = up::CalculateUpagrahas(withSwissSun);
        ++dayOrNight.total;
        // A birth within a few minutes of sunrise or sunset can fall on the other side of it: then
        // the whole day or night is cut differently, and every moment moves by hours.
        const bool agreed = swissCut.birthByDay == c.ourUpagrahas.birthByDay;
        if (!agreed) ++dayOrNight.differing;
        const int swissBirthSign = SignOf(swissAsc);
        for (std::size_t u = 0; u < static_cast<std::size_t>(up::kUpagrahaCount); ++u) {
            c.swissMoments[u] = swissCut.moments[u];
            const double jd = JulianDayOfClock(s.year, s.month, s.day, swissCut.moments[u], c.zoneEast);
            const double swissLon = swiss.Ascendant(jd, s.latitude, s.longitude);
            const double ourLon = c.ourUpagrahas.longitudes[u];
            const double momentDifference = (c.ourUpagrahas.moments[u] - swissCut.moments[u]) * 60;
            moments.Add(momentDifference);
            longitudes.Add(AngleDifference(ourLon, swissLon));
            if (agreed) {
                agreedMoments.Add(momentDifference);
                agreedLongitudes.Add(AngleDifference(ourLon, swissLon));
            }
            ++signs.total;
            if (SignOf(ourLon) != SignOf(swissLon)) ++signs.differing;
            ++houses.total;
            const int swissHouse = up::HouseFromSigns(SignAbbrev(swissBirthSign), SignAbbrev(SignOf(swissLon)));
            if (swissHouse != c.ourUpagrahas.houses[u]) ++houses.differing;
        }
    }

    // Time per reading, both sides in this one run, alternating so that a busy neighbour on the
    // machine slows both alike; the median of five rounds each.
    //   ours, whole reading: RunCalculation from the form to the report runs;
    //   ours, astronomy: the stages that compute the same quantities as the Swiss calls below
    //     (chart angles of the birth, sunrise and sunset of three dates, the upagraha stage);
    //   Swiss: the ascendant of the birth, six rises and sets, six ascendants at the moments.
    std::vector<double> oursWhole, oursAstro, swissTimes;
    double sink = 0;
    using Clock = std::chrono::steady_clock;
    const auto perReadingUs = [count](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count() / static_cast<double>(count);
    };
    for (int round = 0; round < 5; ++round) {
        reading::Reading scratch;
        auto t0 = Clock::now();
        for (const Case& c : cases) {
            const auto outcome = reading::RunCalculation(c.sample.form, scratch);
            sink += outcome.upagrahas.longitudes[0];
        }
        oursWhole.push_back(perReadingUs(Clock::now() - t0));

        t0 = Clock::now();
        for (const Case& c : cases) {
            const reading::Reading& o = c.ours;
            sink += astro::CalculateChartAngles(o, astro::ClockHours(o.hour + o.minute / 60.0)).ascendant;
            const astro::CivilDate birth{o.year, o.month, o.day};
            for (int d = -1; d <= 1; ++d) {
                const astro::CivilDate date = astro::AddDays(birth, d);
                sink += astro::CalculateSunRiseSet(date, astro::PlaceOf(o), o.zone, o.dst).sunRiseSet[0];
            }
            sink += up::CalculateUpagrahas(o).longitudes[0];
        }
        oursAstro.push_back(perReadingUs(Clock::now() - t0));

        t0 = Clock::now();
        for (const Case& c : cases) {
            const bench::SampleForm& s = c.sample;
            const double birthClock = s.hour + s.minute / 60.0;
            sink += swiss.Ascendant(JulianDayOfClock(s.year, s.month, s.day, birthClock, c.zoneEast), s.latitude,
                                    s.longitude);
            for (int d = -1; d <= 1; ++d) {
                const astro::CivilDate date = astro::AddDays(astro::CivilDate{s.year, s.month, s.day}, d);
                const double midnight = JulianDayOfClock(date.year, date.month, date.day, 0, c.zoneEast);
                sink += swiss.NextEvent(midnight, s.latitude, s.longitude, SE_CALC_RISE);
                sink += swiss.NextEvent(midnight, s.latitude, s.longitude, SE_CALC_SET);
            }
            for (double m : c.swissMoments)
                sink +=
                    swiss.Ascendant(JulianDayOfClock(s.year, s.month, s.day, m, c.zoneEast), s.latitude, s.longitude);
        }
        swissTimes.push_back(perReadingUs(Clock::now() - t0));
    }

    std::printf("Readings: %zu (seed %llu), years %d-%d, latitudes 0-%d North and South, all longitudes,\n", count,
                static_cast<unsigned long long>(seed), reading::kFirstYear, reading::kLastYear, kMaxLatitude);
    std::printf("zone row of the place's mean solar offset rounded to whole hours, no daylight saving.\n");
    std::printf(
        "Swiss Ephemeris %s, %s, Lahiri ayanamsa; rise and set of the upper limb, refraction at %.2f hPa, %.0f C.\n",
        swiss.Version().c_str(),
        eph == SEFLG_SWIEPH ? "SEFLG_SWIEPH (data files found)" : "SEFLG_MOSEPH (no data files found)", kPressureHpa,
        kTemperatureC);
    std::printf("Differences are ours minus Swiss.\n\n");
    std::printf("| %-36s | %-9s | %9s | %9s | %9s | %9s |\n", "quantity", "unit", "median", "95th pct", "maximum",
                "mean");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(38, '-').c_str(), std::string(11, '-').c_str(),
                std::string(11, '-').c_str(), std::string(11, '-').c_str(), std::string(11, '-').c_str(),
                std::string(11, '-').c_str());
    PrintRow("birth ascendant", "arcmin", ascendant);
    PrintRow("ayanamsa (ours vs Lahiri)", "arcmin", ayanamsa);
    PrintRow("sunrise of the birth date", "minutes", sunrise);
    PrintRow("sunset of the birth date", "minutes", sunset);
    PrintRow("upagraha moment", "minutes", moments);
    PrintRow("upagraha longitude", "degrees", longitudes);
    PrintRow("upagraha moment (day/night agree)", "minutes", agreedMoments);
    PrintRow("upagraha longitude (day/night agree)", "degrees", agreedLongitudes);
    std::printf("\n");
    std::printf("| %-36s | %11s | %9s |\n", "share that differs", "count", "percent");
    std::printf("|%s|%s|%s|\n", std::string(38, '-').c_str(), std::string(13, '-').c_str(),
                std::string(11, '-').c_str());
    PrintShare("day or night of the birth", dayOrNight);
    PrintShare("upagraha sign", signs);
    PrintShare("upagraha house", houses);
    if (withoutEvents > 0)
        std::printf(
            "\n%zu readings had a date without a Swiss sunrise or sunset and are left out of the upagraha rows.\n",
            withoutEvents);
    std::printf("\n");
    const double whole = Median(oursWhole), astro = Median(oursAstro), sw = Median(swissTimes);
    std::printf("| %-44s | %12s |\n", "time per reading (median of 5 rounds)", "microseconds");
    std::printf("|%s|%s|\n", std::string(46, '-').c_str(), std::string(14, '-').c_str());
    std::printf("| %-44s | %12.3f |\n", "ours, whole reading (RunCalculation)", whole);
    std::printf("| %-44s | %12.3f |\n", "ours, astronomy (7 ascendants, 3 days' sun)", astro);
    std::printf("| %-44s | %12.3f |\n", "Swiss Ephemeris, the same quantities", sw);
    std::printf("| %-44s | %11.1fx |\n", "ratio Swiss / ours (astronomy)", astro > 0 ? sw / astro : 0);
    std::printf("| %-44s | %11.1fx |\n", "ratio Swiss / ours (whole reading)", whole > 0 ? sw / whole : 0);
    // Keeps the timed loops from being optimised away.
    if (std::isnan(sink)) std::printf("(a NaN went through the timed loops)\n");
    return 0;
}
