// The command line's notations read into the birth form's controls, and what they refuse.
#include "files/notation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/cli/reference_reading.h"
#include "tests/support/test_names.h"

namespace {

using namespace vela;
using namespace vela::files;

using Apply = std::optional<std::string> (*)(std::string_view, reading::BirthForm&);

// A notation the parser must refuse, with a word the one-line message must contain.
struct RefusedCase {
    const char* name;
    Apply apply;
    const char* text;
    const char* mentions;
};
// Test output names the row rather than dumping its bytes.
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedNotation : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedNotation, names_the_problem_on_one_line_and_leaves_the_form_alone) {
    const auto& c = GetParam();
    reading::BirthForm form;
    const reading::BirthForm before = form;
    const auto problem = c.apply(c.text, form);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find(c.mentions), std::string::npos) << *problem;
    EXPECT_EQ(problem->find('\n'), std::string::npos) << *problem;
    EXPECT_EQ(form.day, before.day);
    EXPECT_EQ(form.month, before.month);
    EXPECT_EQ(form.year, before.year);
    EXPECT_EQ(form.hour, before.hour);
    EXPECT_EQ(form.minute, before.minute);
    EXPECT_EQ(form.zoneRow, before.zoneRow);
    EXPECT_EQ(form.latDegrees, before.latDegrees);
    EXPECT_EQ(form.lonMinutes, before.lonMinutes);
    EXPECT_EQ(form.latDirection, before.latDirection);
    EXPECT_EQ(form.lonDirection, before.lonDirection);
    EXPECT_EQ(form.dst, before.dst);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RefusedNotation,
    ::testing::Values(RefusedCase{"month_13_and_day_40", ApplyDate, "1975-13-40", "month 13"},
                      RefusedCase{"day_32", ApplyDate, "1975-06-32", "day 32"},
                      RefusedCase{"day_00", ApplyDate, "1975-06-00", "day 0"},
                      RefusedCase{"year_before_the_list", ApplyDate, "1900-12-31", "year 1900"},
                      RefusedCase{"year_after_the_list", ApplyDate, "2051-01-01", "year 2051"},
                      RefusedCase{"day_first_with_slashes", ApplyDate, "15/06/1975", "YYYY-MM-DD"},
                      RefusedCase{"one_digit_month", ApplyDate, "1975-6-15", "YYYY-MM-DD"},
                      RefusedCase{"no_separators", ApplyDate, "19750615", "YYYY-MM-DD"},
                      RefusedCase{"empty_date", ApplyDate, "", "YYYY-MM-DD"},
                      RefusedCase{"hour_25", ApplyTime, "25:00", "hour 25"},
                      RefusedCase{"hour_24", ApplyTime, "24:00", "hour 24"},
                      RefusedCase{"minute_60", ApplyTime, "10:60", "minute 60"},
                      RefusedCase{"one_digit_minutes", ApplyTime, "10:3", "HH:MM"},
                      RefusedCase{"no_colon", ApplyTime, "1030", "HH:MM"},
                      RefusedCase{"negative_hour", ApplyTime, "-1:30", "HH:MM"},
                      RefusedCase{"seconds_given", ApplyTime, "10:30:15", "HH:MM"},
                      RefusedCase{"zone_row_81", ApplyZone, "81", "0 to 80"},
                      RefusedCase{"negative_zone_row", ApplyZone, "-1", "0 to 80"},
                      RefusedCase{"zone_given_as_text", ApplyZone, "IST", "0 to 80"},
                      RefusedCase{"latitude_with_x", ApplyLatitude, "28X37", "28N37"},
                      RefusedCase{"latitude_with_east", ApplyLatitude, "28E37", "28N37"},
                      RefusedCase{"latitude_one_minute_digit", ApplyLatitude, "28N5", "two digits"},
                      RefusedCase{"latitude_three_minute_digits", ApplyLatitude, "28N375", "two digits"},
                      RefusedCase{"latitude_without_degrees", ApplyLatitude, "N37", "28N37"},
                      RefusedCase{"latitude_four_degree_digits", ApplyLatitude, "1000N00", "28N37"},
                      RefusedCase{"latitude_in_decimal_degrees", ApplyLatitude, "28.6", "28N37"},
                      RefusedCase{"longitude_with_north", ApplyLongitude, "77N13", "77E13"},
                      RefusedCase{"longitude_signed", ApplyLongitude, "-77E13", "77E13"},
                      RefusedCase{"dst_yes", ApplyDst, "yes", "true nor false"},
                      RefusedCase{"dst_one", ApplyDst, "1", "true nor false"},
                      RefusedCase{"dst_empty", ApplyDst, "", "true nor false"}),
    RowName());

TEST(ApplyDate, fills_the_lists_as_the_window_holds_them) {
    reading::BirthForm form;
    EXPECT_FALSE(ApplyDate(" 1975-06-05 ", form));
    EXPECT_EQ(form.year, "1975");
    EXPECT_EQ(form.month, 5);  // June is the sixth entry
    EXPECT_EQ(form.day, "5");  // the day list has no leading zeros
    EXPECT_FALSE(ApplyDate("1901-01-01", form));
    EXPECT_FALSE(ApplyDate("2050-12-31", form));
    EXPECT_EQ(form.month, 11);
}

TEST(ApplyDate, leaves_a_day_missing_from_its_month_to_the_window_check) {
    // 31 April fits the lists; validation refuses it with the window's own message.
    reading::BirthForm form;
    EXPECT_FALSE(ApplyDate("1975-04-31", form));
    EXPECT_EQ(form.day, "31");
    EXPECT_EQ(form.month, 3);
}

TEST(ApplyTime, writes_hour_and_minute_without_leading_zeros) {
    reading::BirthForm form;
    EXPECT_FALSE(ApplyTime("09:05", form));
    EXPECT_EQ(form.hour, "9");
    EXPECT_EQ(form.minute, "5");
    EXPECT_FALSE(ApplyTime("0:00", form));
    EXPECT_EQ(form.hour, "0");
    EXPECT_FALSE(ApplyTime("23:59", form));
    EXPECT_EQ(form.minute, "59");
}

TEST(ApplyZone, takes_the_first_and_last_rows) {
    reading::BirthForm form;
    EXPECT_FALSE(ApplyZone("70", form));
    EXPECT_EQ(form.zoneRow, 70);
    EXPECT_FALSE(ApplyZone("0", form));
    EXPECT_EQ(form.zoneRow, 0);
}

TEST(ApplyAngles, read_degrees_minutes_and_direction) {
    reading::BirthForm form;
    EXPECT_FALSE(ApplyLatitude("33s52", form));
    EXPECT_EQ(form.latDegrees, "33");
    EXPECT_EQ(form.latMinutes, "52");
    EXPECT_EQ(form.latDirection, reading::LatChoice::South);
    EXPECT_FALSE(ApplyLatitude("28N37", form));
    EXPECT_EQ(form.latDirection, reading::LatChoice::North);

    EXPECT_FALSE(ApplyLongitude("0W07", form));
    EXPECT_EQ(form.lonDegrees, "0");
    EXPECT_EQ(form.lonMinutes, "7");
    EXPECT_EQ(form.lonDirection, reading::LonChoice::West);
    EXPECT_FALSE(ApplyLongitude("077e13", form));
    EXPECT_EQ(form.lonDegrees, "77");
    EXPECT_EQ(form.lonDirection, reading::LonChoice::East);
}

TEST(ApplyDst, reads_true_and_false_in_any_case) {
    reading::BirthForm form;
    EXPECT_FALSE(ApplyDst("TRUE", form));
    EXPECT_TRUE(form.dst);
    EXPECT_FALSE(ApplyDst(" false ", form));
    EXPECT_FALSE(form.dst);
}

TEST(CheckLetters, refuses_what_the_window_boxes_refuse) {
    for (const char* text : {"New Delhi", "", "O'Brien", "Mary-Jane", "St. John's", "Z\u00FCrich", "\u015Ei\u015Fli",
                             "\u0915\u092E\u0932", "\u0B95\u0BAE\u0BB2\u0BBE."})
        EXPECT_FALSE(CheckLetters(text));
    for (const char* text : {"Delhi2", "Delhi\u0967", "\u0964", "tab\there", "'quoted'", "Jean--Pierre", "-Delhi"}) {
        const auto message = CheckLetters(text);
        ASSERT_TRUE(message.has_value()) << text;
        EXPECT_EQ(*message, "Please enter only letters");
    }
}

TEST(FillBirthForm, fills_every_control_of_a_good_reading) {
    reading::BirthForm form;
    auto notation = NewDelhiNotation();
    notation.dstText = "true";
    ASSERT_FALSE(FillBirthForm(notation, form));
    EXPECT_EQ(form.name, "Asha");
    EXPECT_EQ(form.day, "15");
    EXPECT_EQ(form.month, 5);
    EXPECT_EQ(form.year, "1975");
    EXPECT_EQ(form.hour, "10");
    EXPECT_EQ(form.minute, "30");
    EXPECT_EQ(form.zoneRow, 34);
    EXPECT_EQ(form.latDegrees, "28");
    EXPECT_EQ(form.latMinutes, "37");
    EXPECT_EQ(form.latDirection, reading::LatChoice::North);
    EXPECT_EQ(form.lonDegrees, "77");
    EXPECT_EQ(form.lonMinutes, "13");
    EXPECT_EQ(form.lonDirection, reading::LonChoice::East);
    EXPECT_TRUE(form.dst);
    EXPECT_EQ(form.city, "New Delhi");
    EXPECT_EQ(form.state, "Delhi");
    EXPECT_EQ(form.country, "India");
}

TEST(FillBirthForm, reports_the_first_problem_in_column_order) {
    reading::BirthForm form;
    auto notation = NewDelhiNotation();
    notation.time = "25:00";
    notation.lonText = "77X13";
    auto problem = FillBirthForm(notation, form);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->field, "time");
    EXPECT_FALSE(problem->refusal);

    notation = NewDelhiNotation();
    notation.country = "India1";
    problem = FillBirthForm(notation, form);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->field, "country");
    EXPECT_TRUE(problem->refusal);
    EXPECT_EQ(problem->text, "Please enter only letters");
}

TEST(Quoting, keeps_a_huge_or_multi_line_value_to_one_short_line) {
    reading::BirthForm form;
    const std::string huge(100000, '9');
    const auto problem = ApplyDate(huge, form);
    ASSERT_TRUE(problem.has_value());
    EXPECT_LT(problem->size(), 300u);
    // Cut between characters, never inside one: no replacement mark for half an "é" (C3 A9).
    std::string accented = "x";
    for (int k = 0; k < 100; ++k) accented += "\xC3\xA9";
    const auto cut = ApplyDate(accented, form);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->find('?'), std::string::npos) << *cut;
    EXPECT_NE(cut->find("\xC3\xA9...\xC3\xA9"), std::string::npos) << *cut;
    const auto broken = ApplyTime("10\n:30", form);
    ASSERT_TRUE(broken.has_value());
    EXPECT_EQ(broken->find('\n'), std::string::npos);
}

}  // namespace
