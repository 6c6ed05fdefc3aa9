// Benchmarks of the stages of a reading and of one whole reading.
//
// Each stage is timed alone on the state a real reading left behind, then the whole reading is
// timed from form values to report runs, on one fixed form and on a pool of seeded forms (so the
// branch predictor cannot learn a single path). Figures and the commands that produced them are in
// bench/README.md.
#include <benchmark/benchmark.h>

#include <array>
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
#include "bench/bare_model.h"
#include "bench/sample_forms.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "tests/support/reference_forms.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;

// New Delhi, Sunday 15 June 1975, 10:30 Indian time: a day birth.
reading::BirthForm DelhiForm(std::string_view hour = "10", std::string_view minute = "30") {
    return NewDelhiForm(hour, minute);
}

// The same place at 2:10 in the morning: a night birth reckoned from the previous day's sunrise.
reading::BirthForm DelhiNightForm() { return DelhiForm("2", "10"); }

// The state and outcome of a reading that must succeed; a benchmark on a refused reading would
// time the refusal, so the program stops instead.
struct CalculatedReading {
    reading::Reading state;
    reading::CalculationOutcome outcome;
};

CalculatedReading Calculated(const reading::BirthForm& form) {
    CalculatedReading r;
    r.outcome = reading::RunCalculation(form, r.state);
    if (!r.outcome.Succeeded()) {
        std::fprintf(stderr, "benchmark reading refused: %s\n", r.outcome.message->text.c_str());
        std::exit(EXIT_FAILURE);
    }
    return r;
}

std::vector<reading::BirthForm> SeededForms(std::size_t count) {
    std::mt19937_64 rng(20261207);
    std::vector<reading::BirthForm> forms;
    forms.reserve(count);
    for (std::size_t i = 0; i < count; ++i) forms.push_back(bench::RandomSampleForm(rng, 60).form);
    return forms;
}

// Clock times spread over a day and beyond it, as the upagraha stage asks for them.
constexpr std::array<astro::ClockHours, 8> kClockTimes = {
    astro::ClockHours(-3.25), astro::ClockHours(1.5),  astro::ClockHours(5.875), astro::ClockHours(9.125),
    astro::ClockHours(12.0),  astro::ClockHours(16.4), astro::ClockHours(21.75), astro::ClockHours(26.5)};

void BM_CalculateChartAngles(benchmark::State& state) {
    const CalculatedReading r = Calculated(DelhiForm());
    std::size_t i = 0;
    for (auto _ : state) {
        auto angles = astro::CalculateChartAngles(r.state, kClockTimes[i++ % kClockTimes.size()]);
        benchmark::DoNotOptimize(angles);
    }
}
BENCHMARK(BM_CalculateChartAngles);

// The long-form text of a longitude, made once in every chart-angle call (seven times a reading).
void BM_SignDegreeText(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        double longitude = 17.0 + 43.0 * static_cast<double>(i++ % 8);
        auto text = astro::SignDegreeText(longitude);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_SignDegreeText);

void BM_CalculateSunRiseSet(benchmark::State& state) {
    const reading::Reading s = Calculated(DelhiForm()).state;
    int day = 0;
    for (auto _ : state) {
        auto sun = astro::CalculateSunRiseSet({s.year, s.month, 1 + day++ % 28}, astro::PlaceOf(s), s.zone, s.dst);
        benchmark::DoNotOptimize(sun);
    }
}
BENCHMARK(BM_CalculateSunRiseSet);

// Arg 0: the day birth, 1: the night birth.
void BM_CalculateUpagrahas(benchmark::State& state) {
    const reading::Reading s = Calculated(state.range(0) == 0 ? DelhiForm() : DelhiNightForm()).state;
    for (auto _ : state) {
        auto u = upagraha::CalculateUpagrahas(s);
        benchmark::DoNotOptimize(u);
    }
}
BENCHMARK(BM_CalculateUpagrahas)->ArgName("night")->Arg(0)->Arg(1);

// The report as the command line uses it: the runs, then their plain text.
void BM_Report(benchmark::State& state) {
    const CalculatedReading r = Calculated(DelhiForm());
    for (auto _ : state) {
        const upagraha::Report report = upagraha::BuildReport(r.outcome.upagrahas);
        std::string text = upagraha::ReportPlainText(report);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_Report);

void BM_BuildReport(benchmark::State& state) {
    const CalculatedReading r = Calculated(DelhiForm());
    for (auto _ : state) {
        upagraha::Report report = upagraha::BuildReport(r.outcome.upagrahas);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_BuildReport);

void BM_ReadingFileText(benchmark::State& state) {
    const CalculatedReading r = Calculated(DelhiForm());
    for (auto _ : state) {
        std::string bytes = reading::ReadingFileText(r.state, r.state.zoneRow);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(reading::ReadingFileText(r.state, r.state.zoneRow).size()));
}
BENCHMARK(BM_ReadingFileText);

void BM_FillFormFromReadingText(benchmark::State& state) {
    const CalculatedReading r = Calculated(DelhiForm());
    const std::string bytes = reading::ReadingFileText(r.state, r.state.zoneRow);
    for (auto _ : state) {
        reading::BirthForm form;
        reading::OpenedReading opened;
        benchmark::DoNotOptimize(reading::FillFormFromReadingText(bytes, form, opened));
        benchmark::DoNotOptimize(form);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_FillFormFromReadingText);

// One whole reading, form values to report runs, with the state reused as the window reuses its
// own. Arg 0: the day birth, 1: the night birth.
void BM_RunCalculation(benchmark::State& state) {
    const reading::BirthForm form = state.range(0) == 0 ? DelhiForm() : DelhiNightForm();
    reading::Reading s;
    for (auto _ : state) {
        auto outcome = reading::RunCalculation(form, s);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_RunCalculation)->ArgName("night")->Arg(0)->Arg(1);

// Whole readings over 1,024 seeded forms in turn: every zone, date, hour and hemisphere mixed.
void BM_RunCalculationSeeded(benchmark::State& state) {
    const std::vector<reading::BirthForm> forms = SeededForms(1024);
    reading::Reading s;
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = reading::RunCalculation(forms[i++ % forms.size()], s);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_RunCalculationSeeded);

// The bare arithmetic of the same seeded readings (bench/bare_model.h): the yardstick for the two
// benchmarks above. Their ratio to this one is what validation, records, texts and the report cost.
void BM_BareModelSeeded(benchmark::State& state) {
    const std::vector<reading::BirthForm> forms = SeededForms(1024);
    std::vector<bench::BarePlace> places;
    std::vector<int> days;
    for (const reading::BirthForm& f : forms) {
        const reading::Reading s = Calculated(f).state;
        places.push_back({(s.south ? -1 : 1) * (s.latDegrees + s.latMinutes / 60.0),
                          (s.east ? 1 : -1) * (s.lonDegrees + s.lonMinutes / 60.0),
                          s.zone.HoursEast() + (s.dst ? 1 : 0), s.year, s.month, s.day, s.hour + s.minute / 60.0});
        days.push_back(astro::DayOfYear(s.year, s.month, s.day) - 1);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = i++ % places.size();
        benchmark::DoNotOptimize(bench::BareReading(&places[k], days[k]));
    }
}
BENCHMARK(BM_BareModelSeeded);

// Whole readings over the seeded forms without the report, as the batch and the search run them.
void BM_RunCalculationSeededNoReport(benchmark::State& state) {
    const std::vector<reading::BirthForm> forms = SeededForms(1024);
    reading::Reading s;
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = reading::RunCalculation(forms[i++ % forms.size()], s, false);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_RunCalculationSeededNoReport);

}  // namespace

BENCHMARK_MAIN();
