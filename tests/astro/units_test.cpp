// The value types where conventions meet: the form's degrees and minutes as signed degrees, and a
// zone's offset as the formulas read it.
#include <gtest/gtest.h>

#include "astro/birth_moment.h"
#include "astro/units.h"

namespace {

using namespace vela::astro;

TEST(DegreesOf, counts_north_and_east_positive_and_south_and_west_negative) {
    // New Delhi 28 deg 37' N, 77 deg 13' E; Buenos Aires 34 deg 36' S, 58 deg 23' W.
    BirthMoment delhi;
    delhi.latDegrees = 28;
    delhi.latMinutes = 37;
    delhi.lonDegrees = 77;
    delhi.lonMinutes = 13;
    delhi.east = true;
    EXPECT_DOUBLE_EQ(PlaceOf(delhi).latitudeNorth.value, 28 + 37 / 60.0);
    EXPECT_DOUBLE_EQ(PlaceOf(delhi).longitudeEast.value, 77 + 13 / 60.0);

    BirthMoment buenosAires;
    buenosAires.latDegrees = 34;
    buenosAires.latMinutes = 36;
    buenosAires.south = true;
    buenosAires.lonDegrees = 58;
    buenosAires.lonMinutes = 23;
    EXPECT_DOUBLE_EQ(PlaceOf(buenosAires).latitudeNorth.value, -34.6);
    EXPECT_DOUBLE_EQ(PlaceOf(buenosAires).longitudeEast.value, -(58 + 23 / 60.0));
}

TEST(ZoneOffset, gives_the_formulas_the_hours_the_zone_rows_always_gave) {
    // The rows' hours and minutes West positive, one sign, summed as -(hours + minutes / 60): the
    // value the formulas were fitted with, to the last bit.
    struct Row {
        int hoursWest, minutesWest;
    };
    for (const Row r : {Row{-5, -30}, Row{5, 0}, Row{3, 30}, Row{-5, -45}, Row{-12, -45}, Row{4, 30}, Row{0, 0},
                        Row{-4, -51}, Row{9, 0}, Row{-10, -30}}) {
        const ZoneOffset zone = ZoneOffset::FromSecondsEast(-(r.hoursWest * 3600 + r.minutesWest * 60));
        EXPECT_EQ(zone.HoursEast(), -(r.hoursWest + r.minutesWest / 60.0)) << r.hoursWest << ":" << r.minutesWest;
    }
}

TEST(ZoneOffset, keeps_seconds_and_the_exact_local_mean_time) {
    // Calcutta time +05:53:20 is 5 8/9 hours; Madras time +05:21:10 is 5 h 21 min 10 s.
    EXPECT_NEAR(ZoneOffset::FromSecondsEast(5 * 3600 + 53 * 60 + 20).HoursEast(), 5 + 8.0 / 9, 1e-15);
    EXPECT_NEAR(ZoneOffset::FromSecondsEast(-(5 * 3600 + 21 * 60 + 10)).HoursEast(), -(5 + 21 / 60.0 + 10 / 3600.0),
                1e-15);
    // Local mean time at 77 deg 13' E: 308 min 52 s of time, the longitude / 15 kept exactly.
    const ZoneOffset delhiMean = ZoneOffset::LocalMeanTime(DegreesOf(77, 13, false));
    EXPECT_EQ(delhiMean.HoursEast(), (77 + 13 / 60.0) / 15);
    EXPECT_EQ(delhiMean.secondsEast, 5 * 3600 + 8 * 60 + 52);
    const ZoneOffset newYorkMean = ZoneOffset::LocalMeanTime(DegreesOf(74, 0, true));
    EXPECT_EQ(newYorkMean.secondsEast, -(4 * 3600 + 56 * 60));
}

}  // namespace
