// The sunrise event as a parameter: the upper limb with refraction (the program's own) and the
// centre of the disc without refraction, each against almanac times; and the zone as an exact
// offset, as local mean time needs it.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/sunrise_sunset.h"
#include "tests/support/test_names.h"

namespace {

using namespace vela;
using namespace vela::astro;

struct Place {
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    bool east;
    double zoneEast;  // hours East of Greenwich
};

constexpr Place kDelhi{28, 37, false, 77, 13, true, 5.5};
constexpr Place kLondon{51, 30, false, 0, 7, false, 0};
constexpr Place kSydney{33, 52, true, 151, 12, true, 10};
constexpr Place kQuito{0, 13, true, 78, 31, false, -5};
constexpr Place kKathmandu{27, 42, false, 85, 19, true, 5.75};

int MinutesOfDay(double value) { return static_cast<int>(std::lround(astro::HoursOfDay(value) * 60)); }

SunRiseSet Sun(const Place& p, int y, int m, int d, double zenithCosine) {
    const astro::Place place{DegreesOf(p.latDeg, p.latMin, p.south), DegreesOf(p.lonDeg, p.lonMin, !p.east)};
    return CalculateSunRiseSet({y, m, d}, place,
                               ZoneOffset::FromSecondsEast(static_cast<int>(std::lround(p.zoneEast * 3600))), false,
                               zenithCosine);
}

// New Delhi, and the clock of Indian time (+05:30).
constexpr astro::Place kDelhiPlace{DegreesOf(28, 37, false), DegreesOf(77, 13, false)};
constexpr ZoneOffset kIndianTime = ZoneOffset::FromSecondsEast(5 * 3600 + 30 * 60);

struct AlmanacPair {
    const char* name;
    Place place;
    int year, month, day;
    int limbRise, limbSet;      // upper limb with refraction, minutes after midnight on the zone's clock
    int centreRise, centreSet;  // centre of the disc without refraction
};

class BothDefinitions : public ::testing::TestWithParam<AlmanacPair> {};

// Source of every value: the Swiss Ephemeris 2.10.03 (Debian's libswe), swe_rise_trans for the
// Sun at the row's place and date, once with the default event (the upper limb with standard
// refraction at 1013.25 hPa and 10 degrees C, as the almanac offices print it) and once with
// SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION, rounded to the minute on the zone's clock.
// Tolerance: two minutes for each time (the model's low-precision coefficients), and one minute for
// the gap between the two definitions, which comes from the parameter alone (each time is rounded
// to its minute, so the gaps can differ by one).
TEST_P(BothDefinitions, lie_within_two_minutes_of_the_almanac_and_keep_its_gap) {
    const auto& c = GetParam();
    const auto limb = Sun(c.place, c.year, c.month, c.day, kUpperLimbWithRefraction);
    const auto centre = Sun(c.place, c.year, c.month, c.day, kDiscCentreWithoutRefraction);
    ASSERT_TRUE(limb.HasBoth());
    ASSERT_TRUE(centre.HasBoth());
    EXPECT_NEAR(MinutesOfDay(limb.sunRiseSet[0]), c.limbRise, 2);
    EXPECT_NEAR(MinutesOfDay(limb.sunRiseSet[1]), c.limbSet, 2);
    EXPECT_NEAR(MinutesOfDay(centre.sunRiseSet[0]), c.centreRise, 2);
    EXPECT_NEAR(MinutesOfDay(centre.sunRiseSet[1]), c.centreSet, 2);
    // The centre rises after the upper limb and sets before it.
    EXPECT_NEAR(MinutesOfDay(centre.sunRiseSet[0]) - MinutesOfDay(limb.sunRiseSet[0]), c.centreRise - c.limbRise, 1);
    EXPECT_NEAR(MinutesOfDay(limb.sunRiseSet[1]) - MinutesOfDay(centre.sunRiseSet[1]), c.limbSet - c.centreSet, 1);
}

constexpr int At(int hour, int minute) { return hour * 60 + minute; }

INSTANTIATE_TEST_SUITE_P(
    Almanac, BothDefinitions,
    ::testing::Values(
        AlmanacPair{"delhi_21_june_1975", kDelhi, 1975, 6, 21, At(5, 24), At(19, 22), At(5, 28), At(19, 17)},
        AlmanacPair{"delhi_21_december_1975", kDelhi, 1975, 12, 21, At(7, 9), At(17, 29), At(7, 14), At(17, 24)},
        AlmanacPair{"london_21_december_2000", kLondon, 2000, 12, 21, At(8, 4), At(15, 54), At(8, 11), At(15, 47)},
        AlmanacPair{"sydney_21_june_2000", kSydney, 2000, 6, 21, At(7, 0), At(16, 54), At(7, 5), At(16, 49)},
        AlmanacPair{"sydney_21_december_2000", kSydney, 2000, 12, 21, At(4, 41), At(19, 6), At(4, 45), At(19, 1)},
        AlmanacPair{"quito_20_march_2000", kQuito, 2000, 3, 20, At(6, 18), At(18, 25), At(6, 21), At(18, 21)},
        AlmanacPair{"kathmandu_21_june_2000_nepal_time", kKathmandu, 2000, 6, 21, At(5, 9), At(19, 2), At(5, 13),
                    At(18, 58)}),
    RowName());

TEST(SunriseDefinition, takes_the_programs_own_event_when_none_is_named) {
    // The default parameter is the upper limb with refraction, cos(90 deg 50').
    EXPECT_NEAR(kUpperLimbWithRefraction, std::cos((90 + 50.0 / 60) * 3.14159265358979 / 180), 1e-6);
    const auto byDefault = CalculateSunRiseSet({1975, 6, 21}, kDelhiPlace, kIndianTime, false);
    const auto named = CalculateSunRiseSet({1975, 6, 21}, kDelhiPlace, kIndianTime, false, kUpperLimbWithRefraction);
    EXPECT_EQ(byDefault.sunRiseSet, named.sunRiseSet);
}

TEST(ExactZone, gives_what_the_rows_whole_minutes_give_and_follows_a_fraction_of_a_minute) {
    // A row's offset in whole seconds East, and local mean time on the meridian of that offset
    // (15 degrees an hour): the same clock, whichever way it is written.
    struct Zone {
        int secondsEast;
        double meridianEast;
    };
    for (const Zone z : {Zone{19800, 82.5}, Zone{-18000, -75}, Zone{-12600, -52.5}, Zone{20700, 86.25}, Zone{0, 0}}) {
        for (int month : {1, 6, 11}) {
            const auto rows =
                CalculateSunRiseSet({1990, month, 15}, kDelhiPlace, ZoneOffset::FromSecondsEast(z.secondsEast), false);
            const auto exact = CalculateSunRiseSet({1990, month, 15}, kDelhiPlace,
                                                   ZoneOffset::LocalMeanTime(Degrees(z.meridianEast)), false);
            EXPECT_EQ(rows.sunRiseSet, exact.sunRiseSet) << z.secondsEast << " " << month;
        }
    }
    // Local mean time at 77 deg 13' East is 5 h 8 min 52 s: 21 min 8 s behind Indian time, so every
    // event comes 21 minutes earlier on that clock, or 22 where the seconds cross a minute.
    const ZoneOffset meanTime = ZoneOffset::LocalMeanTime(DegreesOf(77, 13, false));
    const astro::Place calcutta{DegreesOf(22, 34, false), DegreesOf(88, 22, false)};
    for (int day = 1; day <= 28; day += 3) {
        const auto indian = CalculateSunRiseSet({1940, 3, day}, calcutta, kIndianTime, false);
        const auto local = CalculateSunRiseSet({1940, 3, day}, calcutta, meanTime, false);
        for (std::size_t e = 0; e < 2; ++e) {
            const int earlier = MinutesOfDay(indian.sunRiseSet[e]) - MinutesOfDay(local.sunRiseSet[e]);
            EXPECT_TRUE(earlier == 21 || earlier == 22) << day << " " << e << " " << earlier;
        }
    }
}

}  // namespace
