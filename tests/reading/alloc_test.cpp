// The astronomical stages never touch the heap: chart angles, sunrise and sunset, and the upagrahas.
//
// They run ten times per reading (seven ascendants, three days of sunrise and sunset) and a batch
// runs them for every row, so they work on inline texts and fixed arrays only. This executable
// replaces the global operator new and delete with counting versions (in this executable only: the
// other test programs keep the ordinary ones) and counts every allocation made while the three stages run
// on readings that take every path through them: day and night births, nights that cross midnight
// on the clock, both hemispheres, daylight saving, and a seeded spread of the whole input range.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <random>
#include <string>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/sunrise_sunset.h"
#include "bench/sample_forms.h"
#include "reading/calculation_driver.h"
#include "tests/support/replaced_new.h"
#include "tests/support/test_names.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace {

std::atomic<std::size_t> gAllocations{0};

}  // namespace

// Every replaceable form counts, so no allocation can slip past the count through a form left out.
void* vela_test::Allocate(std::size_t size, std::size_t alignment) noexcept {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return MallocAligned(size, alignment);
}

namespace {

using namespace vela;
namespace up = upagraha;

struct Row {
    const char* name;
    int year, month, day, hour, minute;
    int zoneRow;
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    bool west;
    bool dst;
};

reading::BirthForm FormOf(const Row& r) {
    reading::BirthForm f;
    f.name = "Counted";
    f.city = "Counted City";
    f.state = "Counted State";
    f.country = "Counted Country";
    f.year = std::to_string(r.year);
    f.month = r.month - 1;
    f.day = std::to_string(r.day);
    f.hour = std::to_string(r.hour);
    f.minute = std::to_string(r.minute);
    f.zoneRow = r.zoneRow;
    f.latDegrees = std::to_string(r.latDeg);
    f.latMinutes = std::to_string(r.latMin);
    f.lonDegrees = std::to_string(r.lonDeg);
    f.lonMinutes = std::to_string(r.lonMin);
    f.latDirection = r.south ? reading::LatChoice::South : reading::LatChoice::North;
    f.lonDirection = r.west ? reading::LonChoice::West : reading::LonChoice::East;
    f.dst = r.dst;
    return f;
}

// What the three stages produce for one reading, computed while the count runs.
struct StageResults {
    astro::ChartAngles birth;
    astro::SunRiseSet before, today, after;
    up::Upagrahas upagrahas;
};

// Runs the reading through the driver (which allocates: texts, the report), then runs the three
// stages again on the state it left and returns how many allocations they made.
std::size_t AllocationsOfStages(const reading::BirthForm& form, StageResults& out) {
    reading::Reading s;
    const auto outcome = reading::RunCalculation(form, s);
    EXPECT_TRUE(outcome.Succeeded()) << outcome.message->text;
    const astro::CivilDate birthDate{s.year, s.month, s.day};
    const astro::CivilDate dayBefore = astro::AddDays(birthDate, -1);
    const astro::CivilDate dayAfter = astro::AddDays(birthDate, 1);
    const auto sunOn = [&s](const astro::CivilDate& d) {
        return astro::CalculateSunRiseSet(d, astro::PlaceOf(s), s.zone, s.dst);
    };

    const std::size_t before = gAllocations.load();
    out.birth = astro::CalculateChartAngles(s, astro::ClockHours(s.hour + s.minute / 60.0));
    out.today = sunOn(birthDate);
    out.before = sunOn(dayBefore);
    out.after = sunOn(dayAfter);
    out.upagrahas = up::CalculateUpagrahas(s);
    const std::size_t made = gAllocations.load() - before;

    // The counted calls did the reading's real work: they reproduce what the driver stored.
    EXPECT_EQ(out.today.sunRiseSet[0], s.birthSunrise);
    EXPECT_EQ(out.after.sunRiseSet[1], s.nextSunset);
    EXPECT_EQ(out.upagrahas.longitudes, outcome.upagrahas.longitudes);
    EXPECT_EQ(out.upagrahas.houses, outcome.upagrahas.houses);
    return made;
}

class StagesOnReading : public ::testing::TestWithParam<Row> {};

TEST_P(StagesOnReading, make_no_allocation) {
    StageResults results;
    EXPECT_EQ(AllocationsOfStages(FormOf(GetParam()), results), 0U);
}

// Zone rows: 34 Indian Time, 8 Australian Eastern Standard, 27 Eastern Standard, 29 GMT,
// 35 International Date Line East (+12 at a place near Greenwich: nights cross midnight on the clock).
INSTANTIATE_TEST_SUITE_P(
    AllocationCount, StagesOnReading,
    ::testing::Values(Row{"day_birth_in_delhi", 1975, 6, 15, 10, 30, 34, 28, 37, false, 77, 13, false, false},
                      Row{"birth_before_sunrise_in_delhi", 1975, 6, 15, 2, 10, 34, 28, 37, false, 77, 13, false, false},
                      Row{"birth_after_sunset_in_delhi", 1975, 6, 15, 22, 45, 34, 28, 37, false, 77, 13, false, false},
                      Row{"southern_summer_night_with_daylight_saving_at_the_year_end", 1999, 12, 31, 23, 59, 8, 33, 52,
                          true, 151, 12, false, true},
                      Row{"western_dawn_with_daylight_saving", 1980, 7, 4, 5, 0, 27, 40, 43, false, 74, 0, true, true},
                      Row{"short_northern_summer_night", 1950, 6, 21, 0, 30, 29, 64, 9, false, 21, 56, true, false},
                      Row{"clock_twelve_hours_from_the_sun", 2024, 2, 29, 12, 0, 35, 51, 28, false, 0, 0, false,
                          false}),
    RowName());

// A seeded spread: every year, month and hour, latitudes to 65 degrees both ways, all longitudes.
TEST(StagesOnSeededReadings, make_no_allocation_on_two_thousand_readings) {
    std::mt19937_64 rng(20261207);
    for (int i = 0; i < 2000; ++i) {
        const bench::SampleForm sample = bench::RandomSampleForm(rng, 65);
        StageResults results;
        ASSERT_EQ(AllocationsOfStages(sample.form, results), 0U)
            << "reading " << i << ": " << sample.year << '-' << sample.month << '-' << sample.day << ' ' << sample.hour
            << ':' << sample.minute << " at " << sample.latitude << ", " << sample.longitude;
    }
}

// The count sees what the core allocates: the report stage builds its runs as strings on the heap,
// so a count of zero above means the stages made none, not that the counter missed them.
TEST(AllocationCounter, sees_allocations_made_inside_the_core) {
    reading::Reading s;
    const auto outcome =
        reading::RunCalculation(FormOf(Row{"delhi", 1975, 6, 15, 10, 30, 34, 28, 37, false, 77, 13, false, false}), s);
    ASSERT_TRUE(outcome.Succeeded());
    const std::size_t before = gAllocations.load();
    const upagraha::Report report = upagraha::BuildReport(outcome.upagrahas);
    const std::size_t made = gAllocations.load() - before;
    EXPECT_FALSE(report.empty());
    EXPECT_GT(made, 0U);
}

}  // namespace
