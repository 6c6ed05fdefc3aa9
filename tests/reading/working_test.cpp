// The working view: moved birth times, clock texts, and the birth-time sensitivity search.
#include <gtest/gtest.h>

#include <string>

#include "astro/position_text.h"
#include "reading/calculation_driver.h"
#include "reading/working.h"
#include "tests/support/reference_forms.h"

namespace {

using namespace vela;

BirthForm DelhiForm(const char* hour, const char* minute) { return NewDelhiForm(hour, minute); }

TEST(MovedByMinutes, carries_the_date_across_midnight_and_year_ends) {
    BirthForm f = DelhiForm("23", "50");
    f.cboDate = "31";
    f.cboMonth = 11;
    const auto later = modWorking::MovedByMinutes(ParseForm(f), 15);
    EXPECT_EQ(later.cboYear.intValue, 1976);
    EXPECT_EQ(later.cboMonth, 0);
    EXPECT_EQ(later.cboDate.intValue, 1);
    EXPECT_EQ(later.cboHour.intValue, 0);
    EXPECT_EQ(later.cboMinute.intValue, 5);
    const auto back = modWorking::MovedByMinutes(later, -15);
    EXPECT_EQ(back.cboYear.intValue, 1975);
    EXPECT_EQ(back.cboMonth, 11);
    EXPECT_EQ(back.cboDate.intValue, 31);
    EXPECT_EQ(back.cboHour.intValue, 23);
    EXPECT_EQ(back.cboMinute.intValue, 50);
}

TEST(ClockText, pads_and_marks_the_neighbouring_days) {
    EXPECT_EQ(modWorking::ClockText(6.2), "06:12");
    EXPECT_EQ(modWorking::ClockText(0), "00:00");
    EXPECT_EQ(modWorking::ClockText(-5.25), "18:45 (-1)");
    EXPECT_EQ(modWorking::ClockText(30.5), "06:30 (+1)");
    EXPECT_EQ(modWorking::ClockText(23.9999), "00:00 (+1)");
}

// Each reported minute must be the first at which a recomputed reading differs.
void ExpectShiftsAgreeWithRecomputedReadings(const BirthForm& form) {
    SharedChartState s;
    const auto base = modCalculationDriver::RunCalculation(form, s);
    ASSERT_TRUE(base.Succeeded());
    const auto sens = modWorking::FindBirthTimeSensitivity(form, 600);
    const auto at = [&](int minutes) {
        SharedChartState moved;
        auto out = modCalculationDriver::RunCalculation(modWorking::MovedByMinutes(ParseForm(form), minutes), moved);
        EXPECT_TRUE(out.Succeeded());
        return out.upagrahas;
    };
    for (std::size_t u = 0; u < 6; ++u) {
        const auto baseSign = std::string(modVedicPlanetPosition::CompactSign(base.upagrahas.varUpagrahaLongitudes[u]));
        for (int direction : {-1, 1}) {
            const auto& sign = direction < 0 ? sens.sign[u].intEarlier : sens.sign[u].intLater;
            const auto& house = direction < 0 ? sens.house[u].intEarlier : sens.house[u].intLater;
            if (sign) {
                EXPECT_NE(modVedicPlanetPosition::CompactSign(at(direction * *sign).varUpagrahaLongitudes[u]),
                          baseSign);
                if (*sign > 1) {
                    EXPECT_EQ(modVedicPlanetPosition::CompactSign(at(direction * (*sign - 1)).varUpagrahaLongitudes[u]),
                              baseSign);
                }
            }
            if (house) {
                EXPECT_NE(at(direction * *house).intHouses[u], base.upagrahas.intHouses[u]);
                if (*house > 1) {
                    EXPECT_EQ(at(direction * (*house - 1)).intHouses[u], base.upagrahas.intHouses[u]);
                }
            }
        }
    }
    // Within ten hours of a day birth the day ends one way or the other, so some shift is found.
    bool any = false;
    for (std::size_t u = 0; u < 6; ++u) any = any || sens.house[u].intEarlier || sens.house[u].intLater;
    EXPECT_TRUE(any);
}

TEST(FindBirthTimeSensitivity, agrees_with_readings_recomputed_at_the_reported_minutes) {
    ExpectShiftsAgreeWithRecomputedReadings(DelhiForm("10", "30"));
    ExpectShiftsAgreeWithRecomputedReadings(DelhiForm("0", "20"));  // a night birth near midnight
}

// Moving earlier from the first minute offered, or later from the last, leaves the offered years
// at once: nothing can be reported that way.
TEST(FindBirthTimeSensitivity, stops_at_the_edges_of_the_offered_years) {
    BirthForm first = DelhiForm("0", "10");
    first.cboYear = "1901";
    first.cboMonth = 0;
    first.cboDate = "1";
    BirthForm last = DelhiForm("23", "50");
    last.cboYear = "2050";
    last.cboMonth = 11;
    last.cboDate = "31";
    const auto early = modWorking::FindBirthTimeSensitivity(first, 60);
    const auto late = modWorking::FindBirthTimeSensitivity(last, 60);
    for (std::size_t u = 0; u < 6; ++u) {
        EXPECT_FALSE(early.sign[u].intEarlier.has_value());
        EXPECT_FALSE(early.house[u].intEarlier.has_value());
        EXPECT_FALSE(late.sign[u].intLater.has_value());
        EXPECT_FALSE(late.house[u].intLater.has_value());
    }
}

TEST(FindBirthTimeSensitivity, searches_a_whole_day_each_way_unless_told_otherwise) {
    EXPECT_EQ(modWorking::kSearchMinutes, 1440);  // "up to 24 hours each way", as the working says
    EXPECT_EQ(modWorking::FindBirthTimeSensitivity(DelhiForm("10", "30"), 5).intSearchedMinutes, 5);
}

// The span is inclusive: a change at its last minute is found, one a minute beyond it is not.
TEST(FindBirthTimeSensitivity, finds_a_change_at_the_last_searched_minute_and_none_beyond) {
    const BirthForm form = DelhiForm("10", "30");
    const auto wide = modWorking::FindBirthTimeSensitivity(form, 600);
    for (std::size_t u = 0; u < 6; ++u) {
        for (const bool earlier : {true, false}) {
            const auto pick = [&](const modWorking::Sensitivity& s) {
                return earlier ? s.house[u].intEarlier : s.house[u].intLater;
            };
            ASSERT_TRUE(pick(wide).has_value()) << u;
            const int minutes = *pick(wide);
            EXPECT_EQ(pick(modWorking::FindBirthTimeSensitivity(form, minutes)), minutes) << u;
            if (minutes > 1) {
                EXPECT_FALSE(pick(modWorking::FindBirthTimeSensitivity(form, minutes - 1)).has_value()) << u;
            }
        }
    }
}

// Tromso at noon on 16 May 2000: from 17 May on the next day has no sunset (the midnight sun), so
// every reading from midnight on is refused and the search must stop there, 12 hours later, rather
// than count a refused reading as a change.
TEST(FindBirthTimeSensitivity, stops_where_the_sun_no_longer_rises_and_sets) {
    const BirthForm f = TromsoForm(5, 16);
    SharedChartState s;
    ASSERT_TRUE(modCalculationDriver::RunCalculation(f, s).Succeeded());
    ASSERT_FALSE(modCalculationDriver::RunCalculation(modWorking::MovedByMinutes(ParseForm(f), 720), s).Succeeded());
    const auto sens = modWorking::FindBirthTimeSensitivity(f, 1440);
    for (std::size_t u = 0; u < 6; ++u) {
        EXPECT_LT(sens.sign[u].intLater.value_or(0), 720) << u;
        EXPECT_LT(sens.house[u].intLater.value_or(0), 720) << u;
    }
}

TEST(WorkingText, shows_the_portions_and_upagrahas_the_core_computed) {
    SharedChartState s;
    const auto form = DelhiForm("21", "0");
    const auto out = modCalculationDriver::RunCalculation(form, s);
    ASSERT_TRUE(out.Succeeded());
    const auto text = modWorking::WorkingText(s, out.upagrahas, modWorking::FindBirthTimeSensitivity(form, 30));
    EXPECT_NE(text.find("Night birth: 21:00 lies between sunset"), std::string::npos) << text;
    EXPECT_NE(text.find("Sunday's night portions"), std::string::npos) << text;  // 15 June 1975 was a Sunday
    for (const auto& p : out.upagrahas.portions)
        EXPECT_NE(text.find(modWorking::ClockText(p.dblStart)), std::string::npos);
    for (const auto& l : out.upagrahas.varUpagrahaLongitudes) EXPECT_NE(text.find(l.str()), std::string::npos);
    EXPECT_NE(text.find("not within 30 min"), std::string::npos);
}

}  // namespace
