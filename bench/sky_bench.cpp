// The precise ephemeris: nine grahas, a sidereal ascendant, and sunrise/sunset by stepping against
// the library's own rising search (swe_rise_trans), six events each (three dates, rise and set).
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include "sky/ascendant.h"
#include "sky/grahas.h"
#include "sky/sunrise.h"

namespace {

using namespace vela::sky;

constexpr Place kDelhi{28.61, 77.21};
const double kMoment = *JulianDayUt({1990, 7, 27, 6.5});

void NineGrahas(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(CalculateGrahas(kMoment, Ayanamsa::Lahiri()));
}
BENCHMARK(NineGrahas);

void SiderealAscendant(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SiderealAscendantDegrees(kMoment, kDelhi, Ayanamsa::Lahiri()));
}
BENCHMARK(SiderealAscendant);

void SixEventsByStepping(benchmark::State& state) {
    for (auto _ : state) {
        for (int day = 26; day <= 28; ++day) {
            benchmark::DoNotOptimize(
                SunEventsOfDate({1990, 7, day}, 5.5, kDelhi, SunriseDefinition::UpperLimbRefracted));
        }
    }
}
BENCHMARK(SixEventsByStepping);

void SixEventsBySweRiseTrans(benchmark::State& state) {
    double geopos[3] = {kDelhi.longitudeEastDegrees, kDelhi.latitudeDegrees, 0.0};
    char serr[AS_MAXCH] = {};
    const double midnight = *JulianDayUt({1990, 7, 26, 0.0}) - 5.5 / 24;
    for (auto _ : state) {
        for (int day = 0; day < 3; ++day) {
            double rise = 0;
            double set = 0;
            swe_rise_trans(midnight + day, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_RISE, geopos, 1013.25, 10, &rise,
                           serr);
            swe_rise_trans(rise, SE_SUN, nullptr, SEFLG_SWIEPH, SE_CALC_SET, geopos, 1013.25, 10, &set, serr);
            benchmark::DoNotOptimize(set);
        }
    }
}
BENCHMARK(SixEventsBySweRiseTrans);

}  // namespace

BENCHMARK_MAIN();
