// The day's portions and the month sheet: what --day and --month calculate, without the printing.
#include <benchmark/benchmark.h>

#include "reading/day_portions.h"

namespace {

using namespace vela;

reading::DayPlace Chennai() {
    reading::DayPlace place;
    place.latDegrees = 13;
    place.latMinutes = 5;
    place.lonDegrees = 80;
    place.lonMinutes = 17;
    place.east = true;
    place.zone = astro::ZoneOffset::FromSecondsEast(19800);
    return place;
}

const upagraha::ConventionProfile& ProfileOf(const benchmark::State& state) {
    return state.range(0) == 0 ? upagraha::kOriginalProfile : upagraha::kPreciseProfile;
}

void BM_MonthSheet(benchmark::State& state) {
    const auto place = Chennai();
    const auto& profile = ProfileOf(state);
    for (auto _ : state) benchmark::DoNotOptimize(reading::CalculateMonth(place, 2024, 3, profile));
    state.SetLabel(std::string(profile.name));
}
BENCHMARK(BM_MonthSheet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_DaySheet(benchmark::State& state) {
    const auto place = Chennai();
    const auto& profile = ProfileOf(state);
    for (auto _ : state) benchmark::DoNotOptimize(reading::CalculateDay(place, {2024, 4, 3}, profile));
    state.SetLabel(std::string(profile.name));
}
BENCHMARK(BM_DaySheet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
