// The driver: what it copies, in which order it runs the stages, and what it leaves behind.
#include <gtest/gtest.h>

#include "tests/support/reference_forms.h"
#include "tests/support/test_names.h"

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "astro/sunrise_sunset.h"
#include "reading/calculation_driver.h"

namespace {

using namespace vela;
using reading::RunCalculation;

// New Delhi with blanks around the city, which the driver trims.
reading::BirthForm DelhiForm() {
    reading::BirthForm f = NewDelhiForm();
    f.city = "  New Delhi ";
    return f;
}

reading::BirthForm WithDate(reading::BirthForm f, int y, int m, int d) {
    f.year = std::to_string(y);
    f.month = m - 1;
    f.day = std::to_string(d);
    return f;
}

astro::CivilDate DateOf(double v) { return astro::DateOfValue(v); }

TEST(RunCalculation, copies_the_form_and_keeps_the_birth_ascendant) {
    reading::Reading s;
    const auto out = RunCalculation(DelhiForm(), s);
    ASSERT_TRUE(out.Succeeded()) << out.message->text;
    EXPECT_EQ(s.name, "Asha");
    EXPECT_EQ(s.day, 15);
    EXPECT_EQ(s.month, 6);
    EXPECT_EQ(s.year, 1975);
    EXPECT_EQ(s.hour, 10);
    EXPECT_EQ(s.minute, 30);
    EXPECT_EQ(s.zone, astro::ZoneOffset::FromSecondsEast(5 * 3600 + 30 * 60));  // Indian time, +05:30
    EXPECT_TRUE(s.east);
    EXPECT_FALSE(s.south);
    EXPECT_FALSE(s.dst);
    EXPECT_EQ(s.city, "New Delhi");  // the place boxes are trimmed
    EXPECT_EQ(s.birthDateText, "June 15,1975");
    // The upagraha stage has computed other ascendants since; the birth one survives.
    EXPECT_EQ(s.birthAscendantText, "05 Leo 54");
    EXPECT_EQ(s.zones->zoneTable[34], "Indian Time, IST, +5.3");
    EXPECT_EQ(out.report.empty(), false);
}

TEST(RunCalculation, takes_greenwich_rows_as_zero_offsets) {
    for (int row : {29, 61}) {
        auto f = DelhiForm();
        f.zoneRow = row;
        reading::Reading s;
        ASSERT_TRUE(RunCalculation(f, s).Succeeded());
        EXPECT_EQ(s.zone, astro::ZoneOffset{});
    }
}

struct NeighbourCase {
    const char* name;
    int y, m, d;
    astro::CivilDate before, after;
    const char* birthDateText;
};

class CalendarNeighbours : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(CalendarNeighbours, are_the_days_before_and_after_across_month_and_year_ends) {
    const auto& c = GetParam();
    reading::Reading s;
    ASSERT_TRUE(RunCalculation(WithDate(DelhiForm(), c.y, c.m, c.d), s).Succeeded());
    EXPECT_EQ(s.birthDateText, c.birthDateText);
    for (double v : {s.prevSunrise, s.prevSunset}) {
        EXPECT_EQ(DateOf(v).year, c.before.year);
        EXPECT_EQ(DateOf(v).month, c.before.month);
        EXPECT_EQ(DateOf(v).day, c.before.day);
    }
    for (double v : {s.nextSunrise, s.nextSunset}) {
        EXPECT_EQ(DateOf(v).year, c.after.year);
        EXPECT_EQ(DateOf(v).month, c.after.month);
        EXPECT_EQ(DateOf(v).day, c.after.day);
    }
    EXPECT_EQ(DateOf(s.birthSunrise).day, c.d);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, CalendarNeighbours,
    ::testing::Values(
        NeighbourCase{"first_of_march_in_a_leap_year", 1976, 3, 1, {1976, 2, 29}, {1976, 3, 2}, "March 1,1976"},
        NeighbourCase{"first_of_march_in_a_common_year", 1975, 3, 1, {1975, 2, 28}, {1975, 3, 2}, "March 1,1975"},
        NeighbourCase{"first_day_offered", 1901, 1, 1, {1900, 12, 31}, {1901, 1, 2}, "January 1,1901"},
        NeighbourCase{"new_years_eve", 1975, 12, 31, {1975, 12, 30}, {1976, 1, 1}, "December 31,1975"},
        NeighbourCase{"leap_day", 2000, 2, 29, {2000, 2, 28}, {2000, 3, 1}, "February 29,2000"}),
    RowName());

TEST(RunCalculation, leaves_no_value_of_the_previous_reading) {
    reading::Reading first, twice;
    ASSERT_TRUE(RunCalculation(DelhiForm(), first).Succeeded());

    reading::BirthForm other;
    other.name = "Ben";
    other.day = "3";
    other.month = 0;
    other.year = "2010";
    other.hour = "7";
    other.minute = "5";
    other.zoneRow = 27;
    other.dst = true;
    other.latDegrees = "40";
    other.latMinutes = "43";
    other.lonDegrees = "74";
    other.lonMinutes = "0";
    other.latDirection = reading::LatChoice::North;
    other.lonDirection = reading::LonChoice::West;
    other.city = "New York";
    other.state = "New York";
    other.country = "USA";
    reading::Reading fresh;
    ASSERT_TRUE(RunCalculation(other, fresh).Succeeded());
    ASSERT_TRUE(RunCalculation(other, first).Succeeded());
    // After the second reading, the reused state equals one that only ever saw the second form.
    EXPECT_EQ(first.name, fresh.name);
    EXPECT_EQ(first.birthDateText, fresh.birthDateText);
    EXPECT_EQ(first.birthAscendantText, fresh.birthAscendantText);
    EXPECT_EQ(first.zone, fresh.zone);
    EXPECT_EQ(first.east, fresh.east);
    EXPECT_EQ(first.dst, fresh.dst);
    EXPECT_EQ(first.city, fresh.city);
    EXPECT_EQ(first.prevSunset, fresh.prevSunset);
    EXPECT_EQ(first.nextSunrise, fresh.nextSunrise);
    // And pressing the button again changes nothing.
    ASSERT_TRUE(RunCalculation(other, twice).Succeeded());
    ASSERT_TRUE(RunCalculation(other, twice).Succeeded());
    EXPECT_EQ(twice.birthAscendantText, fresh.birthAscendantText);
    EXPECT_EQ(twice.birthSunrise, fresh.birthSunrise);
}

TEST(RunCalculation, refuses_a_missing_month_or_zone_before_any_stage_and_keeps_the_reading) {
    reading::Reading s;
    ASSERT_TRUE(RunCalculation(DelhiForm(), s).Succeeded());
    const auto before = s.birthAscendantText;
    for (int which = 0; which < 2; ++which) {
        auto f = DelhiForm();
        f.name = "Other";
        (which == 0 ? f.month : f.zoneRow) = -1;
        const auto out = RunCalculation(f, s);
        ASSERT_FALSE(out.Succeeded());
        EXPECT_EQ(out.message->focus, which == 0 ? reading::FormField::Month : reading::FormField::TimeZone);
        EXPECT_TRUE(out.report.empty());
        EXPECT_EQ(s.name, "Asha");
        EXPECT_EQ(s.birthAscendantText, before);
    }
}

TEST(RunCalculation, refuses_a_failed_form_and_keeps_the_previous_reading) {
    reading::Reading s;
    ASSERT_TRUE(RunCalculation(DelhiForm(), s).Succeeded());
    auto f = DelhiForm();
    f.name.clear();
    const auto out = RunCalculation(f, s);
    ASSERT_FALSE(out.Succeeded());
    EXPECT_EQ(out.message->text, "Please Enter Your Name");
    EXPECT_EQ(s.name, "Asha");
    EXPECT_EQ(s.month, 6);
}

struct PolarEdgeCase {
    const char* name;
    int m, d;     // in 2000
    int without;  // the day without a sunrise or a sunset: -1 the day before, 0 the birth day, +1 the day after
};

class PolarEdge : public ::testing::TestWithParam<PolarEdgeCase> {};

// Tromso in 2000. At midsummer the birth day itself has no sunset. On the first and last days with
// both events, the birth day has a sunrise and a sunset but one neighbour has not: the portions of
// a night or day reaching into that neighbour cannot be cut, so the reading is refused rather than
// built from a missing event.
TEST_P(PolarEdge, refuses_a_reading_when_the_sun_does_not_rise_and_set_on_one_of_the_three_days) {
    const auto& c = GetParam();
    const reading::BirthForm f = TromsoForm(c.m, c.d);
    // The model's own sunrise stage places the edge on exactly this day.
    const auto sun = [](const astro::CivilDate& d) {
        return astro::CalculateSunRiseSet(d, {astro::DegreesOf(69, 39, false), astro::DegreesOf(18, 57, false)},
                                          astro::ZoneOffset::FromSecondsEast(3600), false);
    };
    const astro::CivilDate birth{2000, c.m, c.d};
    ASSERT_FALSE(sun(astro::AddDays(birth, c.without)).HasBoth());
    if (c.without != 0) {
        ASSERT_TRUE(sun(birth).HasBoth());
        ASSERT_TRUE(sun(astro::AddDays(birth, -c.without)).HasBoth());
    }

    reading::Reading s;
    ASSERT_TRUE(RunCalculation(DelhiForm(), s).Succeeded());
    const auto out = RunCalculation(f, s);
    ASSERT_FALSE(out.Succeeded());
    EXPECT_EQ(out.message->text,
              "The Sun does not rise and set on this date at this place. Upagrahas cannot be calculated.");
    EXPECT_EQ(out.message->icon, reading::MsgIcon::Information);
    EXPECT_TRUE(out.report.empty());
    EXPECT_EQ(s.name, "Asha");  // the reading shown and saved stays the previous one
    EXPECT_EQ(s.latDegrees, 28);
}

INSTANTIATE_TEST_SUITE_P(Tromso2000, PolarEdge,
                         ::testing::Values(PolarEdgeCase{"birth_day_has_no_sunset_at_midsummer", 6, 21, 0},
                                           PolarEdgeCase{"day_after_has_no_sunset", 5, 17, +1},
                                           PolarEdgeCase{"day_before_has_no_sunset", 7, 26, -1},
                                           PolarEdgeCase{"day_after_has_no_sunrise", 11, 27, +1},
                                           PolarEdgeCase{"day_before_has_no_sunrise", 1, 17, -1}),
                         RowName());

TEST(RunCalculation, passes_the_birth_time_as_decimal_hours) {
    auto f = DelhiForm();
    f.hour = "10";
    f.minute = "45";
    reading::Reading s;
    ASSERT_TRUE(RunCalculation(f, s).Succeeded());
    const auto direct = astro::CalculateChartAngles(s, astro::ClockHours(10.75));
    EXPECT_EQ(s.birthAscendantText, astro::CompactPositionText(direct.ascendantText).view());
}

}  // namespace

namespace {

// Northern Finland in June on daylight-saving time: the sunset falls after midnight on the clock,
// so the short night must be cut from that sunset, not from one a day away.
TEST(RunCalculation, cuts_a_short_summer_night_that_starts_after_midnight) {
    reading::BirthForm f;
    f.name = "Aino";
    f.day = "15";
    f.month = 5;
    f.year = "2000";
    f.hour = "0";
    f.minute = "40";
    f.zoneRow = 26;  // Eastern European Time
    f.dst = true;
    f.latDegrees = "65";
    f.latMinutes = "1";
    f.lonDegrees = "25";
    f.lonMinutes = "28";
    f.city = "Oulu";
    f.state = "Oulu";
    f.country = "Finland";
    reading::Reading s;
    const auto out = RunCalculation(f, s);
    ASSERT_TRUE(out.Succeeded());
    const auto& u = out.upagrahas;
    EXPECT_FALSE(u.birthByDay);
    const double start = u.portions.front().start, end = u.portions.back().end;
    EXPECT_GT(start, 0.0);   // the sunset of 14 June, a little after midnight
    EXPECT_LT(start, 0.67);  // and before the birth at 0:40
    EXPECT_GT(end, 0.67);
    EXPECT_LT(end - start, 3.0);  // a northern midsummer night is short
    EXPECT_EQ(u.weekday, 3);      // the night of Wednesday 14 June
    EXPECT_TRUE(u.beforeSunrise);
}

}  // namespace
