// The zone check: a zone three hours or more from the place's mean time is named in one sentence.
//
// Expected values are hand computations: mean time = longitude / 15 hours, 4 minutes of time to a
// degree; 77°13' E is 77.2167 / 15 = 5.1478 h = +5:08.9, written +5:09; 0°07' W is -0:00.47,
// written +0:00; 180°00' W is -12:00. Zone offsets are those of the zone table's rows, East positive.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "reading/zone_check.h"
#include "tests/support/test_names.h"

namespace vela::reading {
namespace {

struct ZoneCase {
    const char* name;
    int row;
    bool dst;
    int lonDeg;
    int lonMin;
    bool east;
    const char* sentence;  // nullptr: the zone fits
};

class ZoneCheck : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneCheck, names_a_zone_far_from_the_mean_time) {
    const ZoneCase& c = GetParam();
    const auto warning = ZonePlausibilityWarning(c.row, c.dst, c.lonDeg, c.lonMin, c.east);
    if (c.sentence == nullptr) {
        EXPECT_FALSE(warning.has_value()) << *warning;
    } else {
        ASSERT_TRUE(warning.has_value());
        EXPECT_EQ(*warning, c.sentence);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ZonePlausibilityWarning, ZoneCheck,
    ::testing::Values(
        ZoneCase{"the_first_row_for_new_delhi", 0, false, 77, 13, true,
                 "Alaska/Hawaii Daylight Time is \u22129:00; the mean time at 77\u00B013\u2032 E is +5:09."},
        ZoneCase{"indian_time_for_new_delhi_fits", 34, false, 77, 13, true, nullptr},
        ZoneCase{"indian_war_time_for_new_delhi_fits", 34, true, 77, 13, true, nullptr},
        ZoneCase{"greenwich_for_london_fits", 29, false, 0, 7, false, nullptr},
        ZoneCase{"indian_time_for_london", 34, false, 0, 7, false,
                 "Indian Time is +5:30; the mean time at 0\u00B007\u2032 W is +0:00."},
        ZoneCase{"the_tick_is_part_of_the_offset", 69, true, 135, 0, true,
                 "Yukon Standard Time with Daylight Saving Time is \u22128:00; the mean time at 135\u00B000\u2032 E "
                 "is +9:00."},
        // Exactly three hours (Greenwich at 45° E) is questioned; 2 h 56 min (44° E) is not.
        ZoneCase{"exactly_three_hours_is_too_far", 29, false, 45, 0, true,
                 "Greenwich Mean Time is +0:00; the mean time at 45\u00B000\u2032 E is +3:00."},
        ZoneCase{"just_under_three_hours_fits", 29, false, 44, 0, true, nullptr},
        // Spain keeps Central European Time in the west of Greenwich: an hour and a half off.
        ZoneCase{"central_european_time_for_vigo_fits", 20, false, 8, 43, false, nullptr},
        ZoneCase{"the_date_line_west_at_175_west_fits", 36, false, 175, 12, false, nullptr},
        // Round the clock: +12:00 at 180 W is the mean time's clock a date ahead; Kiritimati
        // (157 24 W) keeps +14:00 and the Chatham Islands (176 33 W) +12:45, each half an hour or so
        // from their mean time a date ahead (the zones as published for those islands).
        ZoneCase{"the_date_line_east_at_180_west_fits", 35, false, 180, 0, false, nullptr},
        ZoneCase{"line_islands_time_at_kiritimati_fits", 79, false, 157, 24, false, nullptr},
        ZoneCase{"chatham_time_at_176_33_west_fits", 78, false, 176, 33, false, nullptr},
        ZoneCase{"line_islands_time_at_greenwich_is_ten_hours_round_the_clock", 79, false, 0, 0, true,
                 "Line Islands Time is +14:00; the mean time at 0\u00B000\u2032 E is +0:00."},
        ZoneCase{"no_zone_row_says_nothing", -1, false, 77, 13, true, nullptr},
        // Row 80, Local Mean Time, is the place's own mean time wherever the place lies.
        ZoneCase{"local_mean_time_in_delhi_says_nothing", 80, false, 77, 13, true, nullptr},
        ZoneCase{"local_mean_time_at_the_date_line_says_nothing", 80, true, 179, 59, false, nullptr},
        ZoneCase{"a_longitude_out_of_range_says_nothing", 0, false, 181, 0, true, nullptr},
        // Rows 74 and 76 with their seconds: +5:53:20 lies 3:00:08 from 43°18' E (+2:53:12), +5:21:10
        // 3:00:06 from 35°16' E (+2:21:04); cut to the minute, both would fall under three hours.
        ZoneCase{"calcutta_time_with_its_seconds", 74, false, 43, 18, true,
                 "Calcutta Time is +5:53:20; the mean time at 43\u00B018\u2032 E is +2:53."},
        ZoneCase{"madras_time_with_its_seconds", 76, false, 35, 16, true,
                 "Madras Time is +5:21:10; the mean time at 35\u00B016\u2032 E is +2:21."},
        ZoneCase{"calcutta_time_just_inside_three_hours_fits", 74, false, 43, 21, true, nullptr}),
    RowName());

TEST(ZonePlausibilityWarning, reads_the_form_values_and_waits_for_a_whole_longitude) {
    const auto warns = [](int row, const char* lonMin, reading::LonChoice direction) {
        reading::BirthForm form;
        form.zoneRow = row;
        form.lonDegrees = "77";
        form.lonMinutes = lonMin;
        form.lonDirection = direction;
        return ZonePlausibilityWarning(reading::ParseForm(form)).has_value();
    };
    EXPECT_TRUE(warns(0, "13", reading::LonChoice::East));
    EXPECT_FALSE(warns(34, "13", reading::LonChoice::East));
    EXPECT_FALSE(warns(0, "", reading::LonChoice::East));
    EXPECT_FALSE(warns(0, "13", reading::LonChoice::None));
}

// An exact offset ("Another offset", --offset) is judged like a row, under its own name: the mean
// time of New Delhi (+5:08:52) fits; the offset with its sign slipped does not.
TEST(ZonePlausibilityWarning, judges_an_exact_offset_like_a_row) {
    reading::BirthForm form;
    form.lonDegrees = "77";
    form.lonMinutes = "13";
    form.exactZone = reading::ExactZone{5 * 3600 + 8 * 60 + 52, "UTC+05:08:52"};
    EXPECT_FALSE(ZonePlausibilityWarning(reading::ParseForm(form)));
    form.exactZone = reading::ExactZone{-(5 * 3600 + 30 * 60), "UTC-05:30"};
    EXPECT_EQ(ZonePlausibilityWarning(reading::ParseForm(form)).value_or(""),
              "UTC-05:30 is \u22125:30; the mean time at 77\u00B013\u2032 E is +5:09.");
}

TEST(HoursMinutesText, signs_with_a_true_minus_and_pads_the_minutes) {
    EXPECT_EQ(HoursMinutesText(309), "+5:09");
    EXPECT_EQ(HoursMinutesText(-540), "\u22129:00");
    EXPECT_EQ(HoursMinutesText(0), "+0:00");
    EXPECT_EQ(HoursMinutesText(-30), "\u22120:30");
    EXPECT_EQ(HoursMinutesText(780), "+13:00");
}

}  // namespace
}  // namespace vela::reading
