// The sky around the upagrahas in a whole reading, against the bare ephemeris calls it needs.
//
//  - A reading with the grahas (original profile): the whole reading with its report and the
//    grahas' section, against the nine bodies at the birth moment alone.
//  - A reading under the precise profile: the whole reading with its report, against one sidereal
//    ascendant per moment it needs (the birth and five upagraha moments; Gulika and Maandi share
//    one) and the sunrise and sunset of three dates.
// Every benchmark walks through the same 64 birth dates (New Delhi, 10:30 Indian time, 37 days
// apart from 15 June 1975), so no run is served from the library's cache of the last position.
// Figures and the commands that produced them are in bench/README.md.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "reading/calculation_driver.h"
#include "sky/ascendant.h"
#include "sky/grahas.h"
#include "sky/sunrise.h"
#include "tests/support/reference_forms.h"
#include "upagraha/profiles.h"

namespace {

using namespace vela;

constexpr std::size_t kDates = 64;
constexpr sky::Place kDelhiPlace{28 + 37 / 60.0, 77 + 13 / 60.0};
constexpr double kIndianHoursEast = 5.5;
// The birth and the middles of the five upagrahas' portions of a June day at New Delhi, clock hours.
constexpr std::array<double, 6> kMoments = {10.5, 6.26, 9.74, 11.49, 16.72, 13.23};

std::array<astro::CivilDate, kDates> Dates() {
    std::array<astro::CivilDate, kDates> dates{};
    for (std::size_t i = 0; i < kDates; ++i) dates[i] = astro::AddDays({1975, 6, 15}, static_cast<int>(37 * i));
    return dates;
}

// The forms own the texts the values point into.
struct Forms {
    std::vector<reading::BirthForm> forms;
    std::vector<reading::FormValues> values;
    Forms() {
        forms.reserve(kDates);
        for (const auto& d : Dates()) {
            reading::BirthForm f = NewDelhiForm();
            f.year = std::to_string(d.year);
            f.month = d.month - 1;
            f.day = std::to_string(d.day);
            forms.push_back(f);
        }
        for (const auto& f : forms) values.push_back(reading::ParseForm(f));
    }
};

void Run(const upagraha::ConventionProfile& profile, const reading::CalculationRequest& request,
         benchmark::State& state) {
    const Forms forms;
    reading::Reading s;
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = reading::RunCalculation(forms.values[i++ % kDates], profile, s, request);
        if (!outcome.Succeeded()) {
            std::fprintf(stderr, "benchmark reading refused: %s\n", outcome.message->text.c_str());
            std::exit(EXIT_FAILURE);
        }
        benchmark::DoNotOptimize(outcome);
    }
}

double MidnightJdUt(const astro::CivilDate& d) { return *sky::JulianDayUt({d.year, d.month, d.day, 0}) - 5.5 / 24; }

void BareGrahas(const astro::CivilDate& d, const sky::Ayanamsa& ayanamsa) {
    benchmark::DoNotOptimize(sky::CalculateGrahas(MidnightJdUt(d) + kMoments[0] / 24, ayanamsa));
}

void BarePrecise(const astro::CivilDate& d) {
    const double midnight = MidnightJdUt(d);
    for (const double hours : kMoments) {
        benchmark::DoNotOptimize(
            sky::SiderealAscendantDegrees(midnight + hours / 24, kDelhiPlace, sky::Ayanamsa::Lahiri()));
    }
    for (const int n : {-1, 0, 1}) {
        const astro::CivilDate day = astro::AddDays(d, n);
        benchmark::DoNotOptimize(sky::SunEventsOfDate({day.year, day.month, day.day}, kIndianHoursEast, kDelhiPlace,
                                                      sky::SunriseDefinition::UpperLimbRefracted));
    }
}

void BM_ReadingAlone(benchmark::State& state) {
    Run(upagraha::kOriginalProfile, reading::CalculationRequest{true, false}, state);
}
BENCHMARK(BM_ReadingAlone);

void BM_ReadingWithGrahas(benchmark::State& state) {
    Run(upagraha::kOriginalProfile, reading::CalculationRequest{true, true}, state);
}
BENCHMARK(BM_ReadingWithGrahas);

// As the batch runs it with --grahas: no report.
void BM_ReadingWithGrahasNoReport(benchmark::State& state) {
    Run(upagraha::kOriginalProfile, reading::CalculationRequest{false, true}, state);
}
BENCHMARK(BM_ReadingWithGrahasNoReport);

void BM_BareGrahas(benchmark::State& state) {
    const auto dates = Dates();
    std::size_t i = 0;
    for (auto _ : state) BareGrahas(dates[i++ % kDates], sky::Ayanamsa::Given(23.5));
}
BENCHMARK(BM_BareGrahas);

void BM_ReadingPrecise(benchmark::State& state) {
    Run(upagraha::kPreciseProfile, reading::CalculationRequest{true, false}, state);
}
BENCHMARK(BM_ReadingPrecise);

void BM_BarePrecise(benchmark::State& state) {
    const auto dates = Dates();
    std::size_t i = 0;
    for (auto _ : state) BarePrecise(dates[i++ % kDates]);
}
BENCHMARK(BM_BarePrecise);

void BM_ReadingPreciseWithGrahas(benchmark::State& state) {
    Run(upagraha::kPreciseProfile, reading::CalculationRequest{true, true}, state);
}
BENCHMARK(BM_ReadingPreciseWithGrahas);

void BM_BarePreciseWithGrahas(benchmark::State& state) {
    const auto dates = Dates();
    std::size_t i = 0;
    for (auto _ : state) {
        const astro::CivilDate& d = dates[i++ % kDates];
        BarePrecise(d);
        BareGrahas(d, sky::Ayanamsa::Lahiri());
    }
}
BENCHMARK(BM_BarePreciseWithGrahas);

}  // namespace

BENCHMARK_MAIN();
