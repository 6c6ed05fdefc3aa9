// Portions, lords, moments and houses of the upagraha stage, and the report built from them.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "tests/upagraha/sun_state.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;
using namespace vela::upagraha;
using vela::test_support::StateWithSun;

TEST(HouseFromSigns, counts_from_the_ascendants_own_sign) {
    EXPECT_EQ(HouseFromSigns("Ari", "Ari"), 1);
    EXPECT_EQ(HouseFromSigns("Ari", "Pis"), 12);
    EXPECT_EQ(HouseFromSigns("Leo", "Vir"), 2);
    EXPECT_EQ(HouseFromSigns("Leo", "Can"), 12);
    EXPECT_EQ(HouseFromSigns("Cap", "Tau"), 5);
    EXPECT_EQ(HouseFromSigns("Xyz", "Ari"), 12);  // an unreadable sign ends the count at 12
}

// 2 January 2000 was a Sunday.
constexpr int kY = 2000, kM = 1, kSunday = 2;

TEST(CalculateUpagrahas, cuts_a_day_birth_into_eight_equal_portions_from_sunrise) {
    const auto s = StateWithSun(kY, kM, kSunday, 12, 0, {18, 38}, {6, 12}, {18, 40}, {6, 13});
    const auto u = CalculateUpagrahas(s);
    ASSERT_TRUE(u.birthByDay);
    EXPECT_EQ(u.weekday, 0);
    const double sr = 6.2, ss = 18 + 40 / 60.0, eighth = (ss - sr) / 8;
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(u.portions[static_cast<std::size_t>(k)].start, sr + k * eighth, 1e-9);
        EXPECT_NEAR(u.portions[static_cast<std::size_t>(k)].end, sr + (k + 1) * eighth, 1e-9);
    }
    // Sunday by day: Kaala (Sun) in portion 0, Gulika and Maandi (Sat) in portion 6.
    EXPECT_NEAR(u.moments[0], sr + 0.5 * eighth, 1e-9);
    EXPECT_NEAR(u.moments[4], sr + 6.5 * eighth, 1e-9);
    EXPECT_EQ(u.moments[4], u.moments[5]);
    EXPECT_EQ(u.upagrahaLongitudes[4], u.upagrahaLongitudes[5]);
    EXPECT_EQ(u.houses[4], u.houses[5]);
    // Each longitude is the ascendant rising at its moment.
    for (std::size_t i = 0; i < 6; ++i) {
        const auto a = astro::CalculateChartAngles(s, astro::ClockHours(u.moments[i]));
        EXPECT_EQ(u.upagrahaLongitudes[i], astro::CompactPositionText(a.ascendantText));
        EXPECT_NEAR(u.longitudes[i], a.ascendant, 1e-12);
    }
}

TEST(CalculateUpagrahas, counts_a_birth_exactly_at_sunrise_or_sunset_as_by_day) {
    EXPECT_TRUE(
        CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 6, 12, {18, 38}, {6, 12}, {18, 40}, {6, 13})).birthByDay);
    EXPECT_TRUE(
        CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 18, 40, {18, 38}, {6, 12}, {18, 40}, {6, 13})).birthByDay);
    EXPECT_FALSE(
        CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 18, 41, {18, 38}, {6, 12}, {18, 40}, {6, 13})).birthByDay);
}

TEST(CalculateUpagrahas, runs_an_evening_night_from_sunset_to_the_next_sunrise) {
    const auto u = CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 21, 0, {18, 38}, {6, 12}, {18, 40}, {6, 16}));
    ASSERT_FALSE(u.birthByDay);
    EXPECT_FALSE(u.beforeSunrise);
    EXPECT_EQ(u.weekday, 0);
    EXPECT_NEAR(u.portions[0].start, 18 + 40 / 60.0, 1e-9);
    EXPECT_NEAR(u.portions[7].end, 24 + 6 + 16 / 60.0, 1e-9);
    // Sunday night: Jup Ven Sat - Sun Moon Mars Merc.
    EXPECT_EQ(u.portions[0].lord, Planet::Jupiter);
    EXPECT_EQ(u.portionIndex[0], 4);  // Kaala, the Sun's portion
    EXPECT_EQ(u.portionIndex[4], 2);  // Gulika, Saturn's portion
}

TEST(CalculateUpagrahas, gives_a_birth_before_sunrise_to_the_previous_days_night) {
    const auto u = CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 3, 0, {18, 38}, {6, 12}, {18, 40}, {6, 13}));
    ASSERT_FALSE(u.birthByDay);
    EXPECT_TRUE(u.beforeSunrise);
    EXPECT_EQ(u.weekday, 6);  // Saturday's night
    EXPECT_NEAR(u.portions[0].start, 18 + 38 / 60.0 - 24, 1e-9);
    EXPECT_NEAR(u.portions[7].end, 6.2, 1e-9);
    EXPECT_EQ(u.portions[0].lord, Planet::Mercury);  // Saturday night starts with Mercury
}

TEST(CalculateUpagrahas, reckons_one_night_the_same_on_both_sides_of_midnight) {
    // 23:59 on Sunday and 0:01 on Monday fall in the same night: same lords, same portions in time.
    const auto before = CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 23, 59, {18, 38}, {6, 12}, {18, 40}, {6, 13}));
    const auto after =
        CalculateUpagrahas(StateWithSun(kY, kM, kSunday + 1, 0, 1, {18, 40}, {6, 13}, {18, 41}, {6, 14}));
    EXPECT_EQ(before.weekday, after.weekday);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(before.portions[k].lord, after.portions[k].lord);
        EXPECT_NEAR(before.portions[k].start, after.portions[k].start + 24, 1e-9);
    }
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(before.moments[i], after.moments[i] + 24, 1e-9);
        // The same instant gives the same ascendant, whichever date it is counted from.
        EXPECT_NEAR(before.longitudes[i], after.longitudes[i], 1e-6);
    }
}

TEST(CalculateUpagrahas, puts_every_moment_in_the_middle_of_its_lords_portion) {
    for (int day = 2; day <= 8; ++day) {  // one of each weekday
        for (int hour : {2, 10, 22}) {
            const auto u =
                CalculateUpagrahas(StateWithSun(kY, kM, day, hour, 30, {18, 38}, {6, 12}, {18, 40}, {6, 13}));
            for (std::size_t i = 0; i < 6; ++i) {
                const auto& p = u.portions[static_cast<std::size_t>(u.portionIndex[i])];
                EXPECT_EQ(p.lord, kUpagrahaLords[i]);
                EXPECT_NEAR(u.moments[i], (p.start + p.end) / 2, 1e-9);
                EXPECT_GE(u.houses[i], 1);
                EXPECT_LE(u.houses[i], 12);
            }
        }
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(BuildReport, writes_nine_lines_and_a_blank_per_upagraha_in_order) {
    const auto u = CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 12, 0, {18, 38}, {6, 12}, {18, 40}, {6, 13}));
    const auto report = upagraha::BuildReport(u);
    const auto lines = Lines(upagraha::ReportPlainText(report));
    ASSERT_EQ(lines.size(), 60u);
    for (std::size_t i = 0; i < 6; ++i) {
        const auto b = i * 10;
        EXPECT_EQ(lines[b], kUpagrahaNames[i]);
        EXPECT_EQ(lines[b + 1], "Longitude");
        EXPECT_EQ(lines[b + 2], u.upagrahaLongitudes[i].view());
        EXPECT_EQ(lines[b + 3], "Significance");
        EXPECT_EQ(lines[b + 4], upagraha::kUpagrahaSignificance[i]);
        EXPECT_EQ(lines[b + 5], "House Position");
        EXPECT_EQ(lines[b + 6], std::to_string(u.houses[i]));
        EXPECT_EQ(lines[b + 7], "Interpretation");
        EXPECT_EQ(lines[b + 8], upagraha::kUpagrahaInterpretations[i][static_cast<std::size_t>(u.houses[i] - 1)]);
        EXPECT_EQ(lines[b + 9], "");
    }
    EXPECT_EQ(lines[18], "NA");       // Mrityu
    EXPECT_EQ(lines[42], lines[52]);  // Gulika and Maandi share a longitude
    EXPECT_NE(lines[48], lines[58]);  // but not an interpretation
}

TEST(BuildReport, makes_names_and_labels_bold_and_values_plain_in_twelve_point) {
    const auto u = CalculateUpagrahas(StateWithSun(kY, kM, kSunday, 12, 0, {18, 38}, {6, 12}, {18, 40}, {6, 13}));
    const auto report = upagraha::BuildReport(u);
    for (const auto& run : report.runs) {
        EXPECT_EQ(run.pointSize, 12);
        const std::string text(report.Text(run));
        const bool label = text == "Longitude\n" || text == "Significance\n" || text == "House Position\n" ||
                           text == "Interpretation\n";
        bool name = false;
        for (auto n : kUpagrahaNames) name = name || text == std::string(n) + "\n";
        EXPECT_EQ(run.bold, label || name) << text;
    }
}

}  // namespace
