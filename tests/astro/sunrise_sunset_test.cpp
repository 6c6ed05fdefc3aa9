// Sunrise and sunset against almanac times, and the behaviour at the edges of the model.
#include <gtest/gtest.h>

#include "tests/support/test_names.h"

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/sunrise_sunset.h"

namespace {

using namespace vela;
using modSunRiseSunSet::CalculateSunRiseSet;

struct Place {
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    bool east;
    int zoneHours, zoneMinutes;  // West of Greenwich positive
};

modSunRiseSunSet::SunRiseSet Sun(const Place& p, int y, int m, int d, bool dst = false) {
    return CalculateSunRiseSet(m, d, y, 12, 0, p.latDeg, p.latMin, p.south, p.lonDeg, p.lonMin, p.east, p.zoneHours,
                               p.zoneMinutes, dst);
}

int MinutesOfDay(double value) { return static_cast<int>(std::lround(HoursOfDay(value) * 60)); }

constexpr Place kDelhi{28, 37, false, 77, 13, true, -5, -30};
constexpr Place kLondon{51, 30, false, 0, 7, false, 0, 0};
constexpr Place kNewYork{40, 43, false, 74, 0, false, 5, 0};
constexpr Place kSydney{33, 52, true, 151, 12, true, -10, 0};
constexpr Place kTromso{69, 39, false, 18, 57, true, -1, 0};

struct AlmanacCase {
    const char* name;
    Place place;
    int year, month, day;
    bool dst;
    int riseMinutes, setMinutes;  // almanac clock times, minutes after midnight
};

class AlmanacTimes : public ::testing::TestWithParam<AlmanacCase> {};

// Published almanac times (rounded to the minute) for well-known places; the model is
// low-precision, so a few minutes are allowed: the check is for sign and unit slips.
TEST_P(AlmanacTimes, lie_within_four_minutes) {
    const auto& c = GetParam();
    const auto r = Sun(c.place, c.year, c.month, c.day, c.dst);
    ASSERT_TRUE(r.HasBoth());
    EXPECT_NEAR(MinutesOfDay(r.varSunRiseSet[0]), c.riseMinutes, 4);
    EXPECT_NEAR(MinutesOfDay(r.varSunRiseSet[1]), c.setMinutes, 4);
    // The date part is the requested date, the seconds zero.
    EXPECT_EQ(std::floor(r.varSunRiseSet[0]), DateSerial(c.year, c.month, c.day));
    EXPECT_EQ(std::floor(r.varSunRiseSet[1]), DateSerial(c.year, c.month, c.day));
}

INSTANTIATE_TEST_SUITE_P(
    WellKnownPlaces, AlmanacTimes,
    ::testing::Values(
        AlmanacCase{"delhi_midsummer", kDelhi, 1975, 6, 21, false, 5 * 60 + 23, 19 * 60 + 22},
        AlmanacCase{"delhi_midwinter", kDelhi, 1975, 12, 21, false, 7 * 60 + 10, 17 * 60 + 29},
        AlmanacCase{"london_midsummer_on_summer_time", kLondon, 2000, 6, 21, true, 4 * 60 + 43, 21 * 60 + 21},
        AlmanacCase{"london_midwinter", kLondon, 2000, 12, 21, false, 8 * 60 + 4, 15 * 60 + 53},
        AlmanacCase{"new_york_midsummer_daylight", kNewYork, 2000, 6, 21, true, 5 * 60 + 25, 20 * 60 + 31},
        AlmanacCase{"sydney_new_year_daylight", kSydney, 2000, 1, 1, true, 5 * 60 + 47, 20 * 60 + 10}),
    RowName());

TEST(CalculateSunRiseSet, gives_the_daylight_clock_whenever_the_box_is_ticked) {
    // January in New York and in Sydney, July in both: the tick always moves both events by an hour.
    for (const Place& p : {kNewYork, kSydney}) {
        for (int month : {1, 3, 7, 11}) {
            const auto plain = Sun(p, 2010, month, 15);
            const auto ticked = Sun(p, 2010, month, 15, true);
            EXPECT_EQ(MinutesOfDay(ticked.varSunRiseSet[0]), MinutesOfDay(plain.varSunRiseSet[0]) + 60) << month;
            EXPECT_EQ(MinutesOfDay(ticked.varSunRiseSet[1]), MinutesOfDay(plain.varSunRiseSet[1]) + 60) << month;
        }
    }
}

TEST(CalculateSunRiseSet, reports_polar_day_and_night_instead_of_a_time) {
    const auto midsummer = Sun(kTromso, 2000, 6, 21);
    EXPECT_FALSE(midsummer.blnSunRises);
    EXPECT_FALSE(midsummer.blnSunSets);
    EXPECT_FALSE(midsummer.HasBoth());
    const auto midwinter = Sun(kTromso, 2000, 12, 21);
    EXPECT_FALSE(midwinter.HasBoth());
    for (double v : {midsummer.varSunRiseSet[0], midsummer.varSunRiseSet[1]}) EXPECT_TRUE(std::isfinite(v));
    // The same place in spring has both events.
    EXPECT_TRUE(Sun(kTromso, 2000, 3, 21).HasBoth());
}

TEST(CalculateSunRiseSet, keeps_events_on_the_requested_date_when_they_wrap_past_midnight) {
    // An East place on a far-West zone: its morning falls before 0:00 on that clock and wraps.
    const Place mismatched{28, 37, false, 77, 13, true, 10, 0};
    const auto r = Sun(mismatched, 1990, 3, 10);
    ASSERT_TRUE(r.HasBoth());
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(std::floor(r.varSunRiseSet[static_cast<std::size_t>(k)]), DateSerial(1990, 3, 10));
        const int minutes = MinutesOfDay(r.varSunRiseSet[static_cast<std::size_t>(k)]);
        EXPECT_GE(minutes, 0);
        EXPECT_LT(minutes, 24 * 60);
    }
}

TEST(CalculateSunRiseSet, gives_whole_minutes_and_never_minute_sixty) {
    // Sweep a year at many places; every value must be a whole minute of the requested day.
    for (int lat = 0; lat <= 60; lat += 15) {
        for (int lon = 0; lon <= 180; lon += 45) {
            for (int doy = 0; doy < 365; doy += 7) {
                const CivilDate d = AddDays({1999, 1, 1}, doy);
                const auto r =
                    CalculateSunRiseSet(d.month, d.day, d.year, 0, 0, lat, 0, false, lon, 0, true, 0, 0, false);
                ASSERT_TRUE(r.HasBoth());
                for (int k = 0; k < 2; ++k) {
                    const double minutes =
                        (r.varSunRiseSet[static_cast<std::size_t>(k)] - DateSerial(d.year, d.month, d.day)) * 1440;
                    EXPECT_NEAR(minutes, std::round(minutes), 1e-6);
                    EXPECT_GE(minutes, 0);
                    EXPECT_LT(minutes, 1440 - 0.5);
                }
            }
        }
    }
}

}  // namespace
