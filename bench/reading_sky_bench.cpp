// The sky around the upagrahas in a whole reading, against the bare ephemeris calls it needs.
//
//  - A reading with the grahas (original profile): the whole reading with its report and the
//    grahas' section, against the nine bodies at the birth moment alone.
//  - A reading under the precise profile: the whole reading with its report, against one sidereal
//    ascendant per moment it needs (the birth and five upagraha moments; Gulika and Maandi share
//    one) and the sunrise and sunset of three dates.
// Figures and the commands that produced them are in bench/README.md.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "reading/calculation_driver.h"
#include "sky/ascendant.h"
#include "sky/grahas.h"
#include "sky/sunrise.h"
#include "tests/support/reference_forms.h"
#include "upagraha/profile_clock.h"
#include "upagraha/profiles.h"

namespace {

using namespace vela;

// New Delhi, 15 June 1975, 10:30 Indian time (UT + 5:30): a day birth.
const reading::FormValues kDelhi = reading::ParseForm(NewDelhiForm());
constexpr sky::Place kDelhiPlace{28 + 37 / 60.0, 77 + 13 / 60.0};
const double kBirthJdUt = *sky::JulianDayUt({1975, 6, 15, 5.0});

void Run(const upagraha::ConventionProfile& profile, const reading::CalculationRequest& request,
         benchmark::State& state) {
    reading::Reading s;
    for (auto _ : state) {
        auto outcome = reading::RunCalculation(kDelhi, profile, s, request);
        if (!outcome.Succeeded()) {
            std::fprintf(stderr, "benchmark reading refused: %s\n", outcome.message->text.c_str());
            std::exit(EXIT_FAILURE);
        }
        benchmark::DoNotOptimize(outcome);
    }
}

void BM_ReadingWithGrahas(benchmark::State& state) {
    Run(upagraha::kOriginalProfile, reading::CalculationRequest{true, true}, state);
}
BENCHMARK(BM_ReadingWithGrahas);

void BM_BareGrahas(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(sky::CalculateGrahas(kBirthJdUt, sky::Ayanamsa::Given(23.5)));
}
BENCHMARK(BM_BareGrahas);

void BM_ReadingPrecise(benchmark::State& state) {
    Run(upagraha::kPreciseProfile, reading::CalculationRequest{true, false}, state);
}
BENCHMARK(BM_ReadingPrecise);

void BM_ReadingPreciseWithGrahas(benchmark::State& state) {
    Run(upagraha::kPreciseProfile, reading::CalculationRequest{true, true}, state);
}
BENCHMARK(BM_ReadingPreciseWithGrahas);

// Six ascendants (the birth and the five distinct moments of a day birth's portions) and three
// dates' sunrise and sunset.
void BM_BarePrecise(benchmark::State& state) {
    constexpr double kMoments[] = {10.5, 6.1, 9.6, 11.4, 13.2, 15.0};
    for (auto _ : state) {
        for (const double hours : kMoments) {
            benchmark::DoNotOptimize(
                sky::SiderealAscendantDegrees(kBirthJdUt + (hours - 10.5) / 24, kDelhiPlace, sky::Ayanamsa::Lahiri()));
        }
        for (int day = 14; day <= 16; ++day) {
            benchmark::DoNotOptimize(
                sky::SunEventsOfDate({1975, 6, day}, 5.5, kDelhiPlace, sky::SunriseDefinition::kUpperLimbRefracted));
        }
    }
}
BENCHMARK(BM_BarePrecise);

// The precise reading and the grahas together need both sets of calls.
void BM_BarePreciseWithGrahas(benchmark::State& state) {
    constexpr double kMoments[] = {10.5, 6.1, 9.6, 11.4, 13.2, 15.0};
    for (auto _ : state) {
        for (const double hours : kMoments) {
            benchmark::DoNotOptimize(
                sky::SiderealAscendantDegrees(kBirthJdUt + (hours - 10.5) / 24, kDelhiPlace, sky::Ayanamsa::Lahiri()));
        }
        for (int day = 14; day <= 16; ++day) {
            benchmark::DoNotOptimize(
                sky::SunEventsOfDate({1975, 6, day}, 5.5, kDelhiPlace, sky::SunriseDefinition::kUpperLimbRefracted));
        }
        benchmark::DoNotOptimize(sky::CalculateGrahas(kBirthJdUt, sky::Ayanamsa::Lahiri()));
    }
}
BENCHMARK(BM_BarePreciseWithGrahas);

}  // namespace

BENCHMARK_MAIN();
