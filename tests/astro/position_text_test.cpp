// Angle routines and the two position texts, checked against hand-worked values.
#include <gtest/gtest.h>

#include "tests/support/test_names.h"

#include <cmath>
#include <string>

#include "astro/position_text.h"

namespace {

using namespace vela::astro;

struct LongFormCase {
    const char* name;
    double degrees;
    const char* longForm;
    const char* compact;
};

class SignDegreeTextTest : public ::testing::TestWithParam<LongFormCase> {};

TEST_P(SignDegreeTextTest, writes_long_and_compact_forms) {
    const auto& c = GetParam();
    double x = c.degrees;
    const auto text = SignDegreeText(x);
    EXPECT_EQ(text.view(), c.longForm);
    EXPECT_EQ(CompactPositionText(text).view(), c.compact);
}

// Values worked by hand: degrees within the sign, truncated minutes and seconds.
INSTANTIATE_TEST_SUITE_P(
    Examples, SignDegreeTextTest,
    ::testing::Values(LongFormCase{"cancer_5_45", 95.75, "5\u00B0 45' 0\" Can", "05 Can 45"},
                      LongFormCase{"aries_half_degree", 0.5, "0\u00B0 30' 0\" Ari", "00 Ari 30"},
                      LongFormCase{"negative_is_taken_absolute", -10.25, "10\u00B0 15' 0\" Ari", "10 Ari 15"},
                      LongFormCase{"truncates_never_rounds_up", 29.999999, "29\u00B0 59' 59\" Ari", "29 Ari 59"},
                      LongFormCase{"last_degree_of_pisces", 359.5, "29\u00B0 30' 0\" Pis", "29 Pis 30"},
                      LongFormCase{"worked_leo", 125.913494, "5\u00B0 54' 48\" Leo", "05 Leo 54"},
                      LongFormCase{"exactly_360_is_start_of_aries", 360.0, "0\u00B0 0' 0\" Ari", "00 Ari 00"}),
    RowName());

TEST(SignDegreeText, leaves_the_absolute_value_in_the_callers_variable) {
    double x = -10.25;
    SignDegreeText(x);
    EXPECT_DOUBLE_EQ(x, 10.25);
}

TEST(CompactPositionText, pads_one_digit_fields_and_keeps_longer_ones) {
    EXPECT_EQ(CompactPositionText("  7\u00B0 3' 12\" Sag").view(), "07 Sag 03");
    EXPECT_EQ(CompactPositionText("17\u00B0 33' 12\" Sag").view(), "17 Sag 33");
    EXPECT_EQ(CompactSign("05 Leo 54"), "Leo");
    EXPECT_EQ(CompactSign("05 L"), "");
}

TEST(NormalizeDegrees, makes_one_correction_each_way) {
    double a = -30, b = 370, c = -400, d = 360;
    EXPECT_DOUBLE_EQ(NormalizeDegrees(a), 330);
    EXPECT_DOUBLE_EQ(a, 330);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(b), 10);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(c), -40);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(d), 360);
}

TEST(Atan2, covers_every_quadrant_and_axis) {
    EXPECT_NEAR(Atan2(1, -1), 3 * kPi / 4, 1e-12);
    EXPECT_NEAR(Atan2(-1, -1), -3 * kPi / 4, 1e-12);
    EXPECT_NEAR(Atan2(-2, 0), -kPi / 2, 1e-12);
    EXPECT_NEAR(Atan2(2, 0), kPi / 2, 1e-12);
    EXPECT_EQ(Atan2(0, 0), 0);
    EXPECT_NEAR(Atan2(1, 1), kPi / 4, 1e-12);
    EXPECT_NEAR(Atan2(0, -1), kPi, 1e-12);
    // Agrees with the library's own arctangent away from the axes.
    for (double y : {-3.0, -0.2, 0.7, 5.0})
        for (double x : {-4.0, -0.1, 0.3, 2.0}) EXPECT_NEAR(Atan2(y, x), std::atan2(y, x), 1e-12) << y << "," << x;
}

}  // namespace
