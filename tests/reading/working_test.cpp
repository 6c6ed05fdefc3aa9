// The working view: moved birth times, clock texts, and the birth-time sensitivity search.
#include <gtest/gtest.h>

#include <string>

#include "astro/position_text.h"
#include "reading/calculation_driver.h"
#include "reading/working.h"
#include "tests/support/reference_forms.h"

namespace {

using namespace vela;

reading::BirthForm DelhiForm(const char* hour, const char* minute) { return NewDelhiForm(hour, minute); }

TEST(MovedByMinutes, carries_the_date_across_midnight_and_year_ends) {
    reading::BirthForm f = DelhiForm("23", "50");
    f.day = "31";
    f.month = 11;
    const auto later = reading::MovedByMinutes(reading::ParseForm(f), 15);
    EXPECT_EQ(later.year.value, 1976);
    EXPECT_EQ(later.month, 0);
    EXPECT_EQ(later.day.value, 1);
    EXPECT_EQ(later.hour.value, 0);
    EXPECT_EQ(later.minute.value, 5);
    const auto back = reading::MovedByMinutes(later, -15);
    EXPECT_EQ(back.year.value, 1975);
    EXPECT_EQ(back.month, 11);
    EXPECT_EQ(back.day.value, 31);
    EXPECT_EQ(back.hour.value, 23);
    EXPECT_EQ(back.minute.value, 50);
}

TEST(ClockText, pads_and_marks_the_neighbouring_days) {
    EXPECT_EQ(reading::ClockText(6.2), "06:12");
    EXPECT_EQ(reading::ClockText(0), "00:00");
    EXPECT_EQ(reading::ClockText(-5.25), "18:45 (-1)");
    EXPECT_EQ(reading::ClockText(30.5), "06:30 (+1)");
    EXPECT_EQ(reading::ClockText(23.9999), "00:00 (+1)");
}

// Each reported minute must be the first at which a recomputed reading differs.
void ExpectShiftsAgreeWithRecomputedReadings(const reading::BirthForm& form) {
    reading::Reading s;
    const auto base = reading::RunCalculation(form, s);
    ASSERT_TRUE(base.Succeeded());
    const auto sens = reading::FindBirthTimeSensitivity(form, 600);
    const auto at = [&](int minutes) {
        reading::Reading moved;
        auto out = reading::RunCalculation(reading::MovedByMinutes(reading::ParseForm(form), minutes), moved);
        EXPECT_TRUE(out.Succeeded());
        return out.upagrahas;
    };
    for (std::size_t u = 0; u < 6; ++u) {
        const auto baseSign = std::string(astro::CompactSign(base.upagrahas.upagrahaLongitudes[u]));
        for (int direction : {-1, 1}) {
            const auto& sign = direction < 0 ? sens.sign[u].earlier : sens.sign[u].later;
            const auto& house = direction < 0 ? sens.house[u].earlier : sens.house[u].later;
            if (sign) {
                EXPECT_NE(astro::CompactSign(at(direction * *sign).upagrahaLongitudes[u]), baseSign);
                if (*sign > 1) {
                    EXPECT_EQ(astro::CompactSign(at(direction * (*sign - 1)).upagrahaLongitudes[u]), baseSign);
                }
            }
            if (house) {
                EXPECT_NE(at(direction * *house).houses[u], base.upagrahas.houses[u]);
                if (*house > 1) {
                    EXPECT_EQ(at(direction * (*house - 1)).houses[u], base.upagrahas.houses[u]);
                }
            }
        }
    }
    // Within ten hours of a day birth the day ends one way or the other, so some shift is found.
    bool any = false;
    for (std::size_t u = 0; u < 6; ++u) any = any || sens.house[u].earlier || sens.house[u].later;
    EXPECT_TRUE(any);
}

TEST(FindBirthTimeSensitivity, agrees_with_readings_recomputed_at_the_reported_minutes) {
    ExpectShiftsAgreeWithRecomputedReadings(DelhiForm("10", "30"));
    ExpectShiftsAgreeWithRecomputedReadings(DelhiForm("0", "20"));  // a night birth near midnight
}

// Moving earlier from the first minute offered, or later from the last, leaves the offered years
// at once: nothing can be reported that way.
TEST(FindBirthTimeSensitivity, stops_at_the_edges_of_the_offered_years) {
    reading::BirthForm first = DelhiForm("0", "10");
    first.year = "1901";
    first.month = 0;
    first.day = "1";
    reading::BirthForm last = DelhiForm("23", "50");
    last.year = "2050";
    last.month = 11;
    last.day = "31";
    const auto early = reading::FindBirthTimeSensitivity(first, 60);
    const auto late = reading::FindBirthTimeSensitivity(last, 60);
    for (std::size_t u = 0; u < 6; ++u) {
        EXPECT_FALSE(early.sign[u].earlier.has_value());
        EXPECT_FALSE(early.house[u].earlier.has_value());
        EXPECT_FALSE(late.sign[u].later.has_value());
        EXPECT_FALSE(late.house[u].later.has_value());
    }
}

TEST(FindBirthTimeSensitivity, searches_a_whole_day_each_way_unless_told_otherwise) {
    EXPECT_EQ(reading::kSearchMinutes, 1440);  // "up to 24 hours each way", as the working says
    EXPECT_EQ(reading::FindBirthTimeSensitivity(DelhiForm("10", "30"), 5).searchedMinutes, 5);
}

// The span is inclusive: a change at its last minute is found, one a minute beyond it is not.
TEST(FindBirthTimeSensitivity, finds_a_change_at_the_last_searched_minute_and_none_beyond) {
    const reading::BirthForm form = DelhiForm("10", "30");
    const auto wide = reading::FindBirthTimeSensitivity(form, 600);
    for (std::size_t u = 0; u < 6; ++u) {
        for (const bool earlier : {true, false}) {
            const auto pick = [&](const reading::Sensitivity& s) {
                return earlier ? s.house[u].earlier : s.house[u].later;
            };
            ASSERT_TRUE(pick(wide).has_value()) << u;
            const int minutes = *pick(wide);
            EXPECT_EQ(pick(reading::FindBirthTimeSensitivity(form, minutes)), minutes) << u;
            if (minutes > 1) {
                EXPECT_FALSE(pick(reading::FindBirthTimeSensitivity(form, minutes - 1)).has_value()) << u;
            }
        }
    }
}

// Tromso at noon on 16 May 2000: from 17 May on the next day has no sunset (the midnight sun), so
// every reading from midnight on is refused and the search must stop there, 12 hours later, rather
// than count a refused reading as a change.
TEST(FindBirthTimeSensitivity, stops_where_the_sun_no_longer_rises_and_sets) {
    const reading::BirthForm f = TromsoForm(5, 16);
    reading::Reading s;
    ASSERT_TRUE(reading::RunCalculation(f, s).Succeeded());
    ASSERT_FALSE(reading::RunCalculation(reading::MovedByMinutes(reading::ParseForm(f), 720), s).Succeeded());
    const auto sens = reading::FindBirthTimeSensitivity(f, 1440);
    for (std::size_t u = 0; u < 6; ++u) {
        EXPECT_LT(sens.sign[u].later.value_or(0), 720) << u;
        EXPECT_LT(sens.house[u].later.value_or(0), 720) << u;
    }
}

TEST(WorkingText, shows_the_portions_and_upagrahas_the_core_computed) {
    reading::Reading s;
    const auto form = DelhiForm("21", "0");
    const auto out = reading::RunCalculation(form, s);
    ASSERT_TRUE(out.Succeeded());
    const auto text = reading::WorkingText(s, out.upagrahas, reading::FindBirthTimeSensitivity(form, 30));
    EXPECT_NE(text.find("Night birth: 21:00 lies between sunset"), std::string::npos) << text;
    EXPECT_NE(text.find("Sunday's night portions"), std::string::npos) << text;  // 15 June 1975 was a Sunday
    for (const auto& p : out.upagrahas.portions) EXPECT_NE(text.find(reading::ClockText(p.start)), std::string::npos);
    for (const auto& l : out.upagrahas.upagrahaLongitudes) EXPECT_NE(text.find(l.str()), std::string::npos);
    EXPECT_NE(text.find("not within 30 min"), std::string::npos);
}

}  // namespace
