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
using modCalculationDriver::RunCalculation;

// New Delhi with blanks around the city, which the driver trims.
BirthForm DelhiForm() {
    BirthForm f = NewDelhiForm();
    f.txtCity = "  New Delhi ";
    return f;
}

BirthForm WithDate(BirthForm f, int y, int m, int d) {
    f.cboYear = std::to_string(y);
    f.cboMonth = m - 1;
    f.cboDate = std::to_string(d);
    return f;
}

CivilDate DateOf(double v) { return DateOfValue(v); }

TEST(RunCalculation, copies_the_form_and_keeps_the_birth_ascendant) {
    SharedChartState s;
    const auto out = RunCalculation(DelhiForm(), s);
    ASSERT_TRUE(out.Succeeded()) << out.message->strText;
    EXPECT_EQ(s.strName, "Asha");
    EXPECT_EQ(s.intDay, 15);
    EXPECT_EQ(s.intMonth, 6);
    EXPECT_EQ(s.intYear, 1975);
    EXPECT_EQ(s.intHour, 10);
    EXPECT_EQ(s.intMinute, 30);
    EXPECT_EQ(s.intZoneHours, 5);
    EXPECT_EQ(s.intZoneMinutes, 30);
    EXPECT_EQ(s.varZoneHours, -5);
    EXPECT_EQ(s.varZoneMinutes, -30);
    EXPECT_TRUE(s.blnEast);
    EXPECT_FALSE(s.blnSouth);
    EXPECT_FALSE(s.blnDST);
    EXPECT_EQ(s.strCity, "New Delhi");  // the place boxes are trimmed
    EXPECT_EQ(s.varBirthDate, "June 15,1975");
    // The upagraha stage has computed other ascendants since; the birth one survives.
    EXPECT_EQ(s.strBirthAscendant, "05 Leo 54");
    EXPECT_EQ(s.zones->strZoneTable[34], "Indian Time, IST, +5.3");
    EXPECT_EQ(out.report.empty(), false);
}

TEST(RunCalculation, takes_greenwich_rows_as_zero_offsets) {
    for (int row : {29, 61}) {
        auto f = DelhiForm();
        f.cboTimeZone = row;
        SharedChartState s;
        ASSERT_TRUE(RunCalculation(f, s).Succeeded());
        EXPECT_EQ(s.intZoneHours, 0);
        EXPECT_EQ(s.intZoneMinutes, 0);
        EXPECT_EQ(s.varZoneHours, 0);
        EXPECT_EQ(s.varZoneMinutes, 0);
    }
}

struct NeighbourCase {
    const char* name;
    int y, m, d;
    CivilDate before, after;
    const char* birthDateText;
};

class CalendarNeighbours : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(CalendarNeighbours, are_the_days_before_and_after_across_month_and_year_ends) {
    const auto& c = GetParam();
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(WithDate(DelhiForm(), c.y, c.m, c.d), s).Succeeded());
    EXPECT_EQ(s.varBirthDate, c.birthDateText);
    for (double v : {s.dtPrevSunrise, s.dtPrevSunset}) {
        EXPECT_EQ(DateOf(v).year, c.before.year);
        EXPECT_EQ(DateOf(v).month, c.before.month);
        EXPECT_EQ(DateOf(v).day, c.before.day);
    }
    for (double v : {s.dtNextSunrise, s.dtNextSunset}) {
        EXPECT_EQ(DateOf(v).year, c.after.year);
        EXPECT_EQ(DateOf(v).month, c.after.month);
        EXPECT_EQ(DateOf(v).day, c.after.day);
    }
    EXPECT_EQ(DateOf(s.dtBirthSunrise).day, c.d);
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
    SharedChartState first, twice;
    ASSERT_TRUE(RunCalculation(DelhiForm(), first).Succeeded());

    BirthForm other;
    other.txtName = "Ben";
    other.cboDate = "3";
    other.cboMonth = 0;
    other.cboYear = "2010";
    other.cboHour = "7";
    other.cboMinute = "5";
    other.cboTimeZone = 27;
    other.chkDST = true;
    other.txtLatDeg = "40";
    other.txtLatMin = "43";
    other.txtLonDeg = "74";
    other.txtLonMin = "0";
    other.optLat = LatChoice::North;
    other.optLong = LonChoice::West;
    other.txtCity = "New York";
    other.txtState = "New York";
    other.txtCountry = "USA";
    SharedChartState fresh;
    ASSERT_TRUE(RunCalculation(other, fresh).Succeeded());
    ASSERT_TRUE(RunCalculation(other, first).Succeeded());
    // After the second reading, the reused state equals one that only ever saw the second form.
    EXPECT_EQ(first.strName, fresh.strName);
    EXPECT_EQ(first.varBirthDate, fresh.varBirthDate);
    EXPECT_EQ(first.strBirthAscendant, fresh.strBirthAscendant);
    EXPECT_EQ(first.varZoneHours, fresh.varZoneHours);
    EXPECT_EQ(first.blnEast, fresh.blnEast);
    EXPECT_EQ(first.blnDST, fresh.blnDST);
    EXPECT_EQ(first.strCity, fresh.strCity);
    EXPECT_EQ(first.dtPrevSunset, fresh.dtPrevSunset);
    EXPECT_EQ(first.dtNextSunrise, fresh.dtNextSunrise);
    // And pressing the button again changes nothing.
    ASSERT_TRUE(RunCalculation(other, twice).Succeeded());
    ASSERT_TRUE(RunCalculation(other, twice).Succeeded());
    EXPECT_EQ(twice.strBirthAscendant, fresh.strBirthAscendant);
    EXPECT_EQ(twice.dtBirthSunrise, fresh.dtBirthSunrise);
}

TEST(RunCalculation, refuses_a_missing_month_or_zone_before_any_stage_and_keeps_the_reading) {
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(DelhiForm(), s).Succeeded());
    const auto before = s.strBirthAscendant;
    for (int which = 0; which < 2; ++which) {
        auto f = DelhiForm();
        f.txtName = "Other";
        (which == 0 ? f.cboMonth : f.cboTimeZone) = -1;
        const auto out = RunCalculation(f, s);
        ASSERT_FALSE(out.Succeeded());
        EXPECT_EQ(out.message->focus, which == 0 ? FormField::Month : FormField::TimeZone);
        EXPECT_TRUE(out.report.empty());
        EXPECT_EQ(s.strName, "Asha");
        EXPECT_EQ(s.strBirthAscendant, before);
    }
}

TEST(RunCalculation, refuses_a_failed_form_and_keeps_the_previous_reading) {
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(DelhiForm(), s).Succeeded());
    auto f = DelhiForm();
    f.txtName.clear();
    const auto out = RunCalculation(f, s);
    ASSERT_FALSE(out.Succeeded());
    EXPECT_EQ(out.message->strText, "Please Enter Your Name");
    EXPECT_EQ(s.strName, "Asha");
    EXPECT_EQ(s.intMonth, 6);
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
    const BirthForm f = TromsoForm(c.m, c.d);
    // The model's own sunrise stage places the edge on exactly this day.
    const auto sun = [](const CivilDate& d) {
        return modSunRiseSunSet::CalculateSunRiseSet(d.month, d.day, d.year, 12, 0, 69, 39, false, 18, 57, true, -1, 0,
                                                     false);
    };
    const CivilDate birth{2000, c.m, c.d};
    ASSERT_FALSE(sun(AddDays(birth, c.without)).HasBoth());
    if (c.without != 0) {
        ASSERT_TRUE(sun(birth).HasBoth());
        ASSERT_TRUE(sun(AddDays(birth, -c.without)).HasBoth());
    }

    SharedChartState s;
    ASSERT_TRUE(RunCalculation(DelhiForm(), s).Succeeded());
    const auto out = RunCalculation(f, s);
    ASSERT_FALSE(out.Succeeded());
    EXPECT_EQ(out.message->strText,
              "The Sun does not rise and set on this date at this place. Upagrahas cannot be calculated.");
    EXPECT_EQ(out.message->icon, MsgIcon::Information);
    EXPECT_TRUE(out.report.empty());
    EXPECT_EQ(s.strName, "Asha");  // the reading shown and saved stays the previous one
    EXPECT_EQ(s.intLatDeg, 28);
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
    f.cboHour = "10";
    f.cboMinute = "45";
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(f, s).Succeeded());
    const auto direct = modVedicEphemeris::CalculateChartAngles(s, 10.75);
    EXPECT_EQ(s.strBirthAscendant, modVedicPlanetPosition::CompactPositionText(direct.varAscendantText).view());
}

}  // namespace

namespace {

// Northern Finland in June on daylight-saving time: the sunset falls after midnight on the clock,
// so the short night must be cut from that sunset, not from one a day away.
TEST(RunCalculation, cuts_a_short_summer_night_that_starts_after_midnight) {
    BirthForm f;
    f.txtName = "Aino";
    f.cboDate = "15";
    f.cboMonth = 5;
    f.cboYear = "2000";
    f.cboHour = "0";
    f.cboMinute = "40";
    f.cboTimeZone = 26;  // Eastern European Time
    f.chkDST = true;
    f.txtLatDeg = "65";
    f.txtLatMin = "1";
    f.txtLonDeg = "25";
    f.txtLonMin = "28";
    f.txtCity = "Oulu";
    f.txtState = "Oulu";
    f.txtCountry = "Finland";
    SharedChartState s;
    const auto out = RunCalculation(f, s);
    ASSERT_TRUE(out.Succeeded());
    const auto& u = out.upagrahas;
    EXPECT_FALSE(u.blnBirthByDay);
    const double start = u.portions.front().dblStart, end = u.portions.back().dblEnd;
    EXPECT_GT(start, 0.0);   // the sunset of 14 June, a little after midnight
    EXPECT_LT(start, 0.67);  // and before the birth at 0:40
    EXPECT_GT(end, 0.67);
    EXPECT_LT(end - start, 3.0);  // a northern midsummer night is short
    EXPECT_EQ(u.intWeekday, 3);   // the night of Wednesday 14 June
    EXPECT_TRUE(u.blnBeforeSunrise);
}

}  // namespace
