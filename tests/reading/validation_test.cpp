// The checks of the birth form and the keystroke and paste rules of its boxes.
//
// Expected texts are the program's own message texts, copied from the product's message list, not
// from the code; the calendar facts (1904 a leap year, 1903 not, April with 30 days) are common
// knowledge.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "reading/validation.h"
#include "tests/support/test_names.h"

namespace vela::reading {
namespace {

// A form that passes every check: Pune, 18°31' N, 73°51' E.
reading::BirthForm PassingForm() {
    reading::BirthForm f;
    f.name = "Asha";
    f.latDegrees = "18";
    f.latMinutes = "31";
    f.lonDegrees = "73";
    f.lonMinutes = "51";
    f.city = "Pune";
    f.state = "Maharashtra";
    f.country = "India";
    return f;
}

// No message when text is nullptr; otherwise a message with this text, icon and focus.
void ExpectOutcome(const std::optional<reading::UserMessage>& message, const char* text, reading::MsgIcon icon,
                   reading::FormField focus) {
    if (text == nullptr) {
        EXPECT_FALSE(message.has_value()) << message->text;
        return;
    }
    ASSERT_TRUE(message.has_value()) << "expected: " << text;
    EXPECT_EQ(message->text, text);
    EXPECT_EQ(message->icon, icon);
    EXPECT_EQ(message->focus, focus);
}

TEST(ValidateInput, passes_a_complete_form) { EXPECT_EQ(ValidateInput(PassingForm()), std::nullopt); }

// Each press of the button reports one problem; filling that box moves on to the next one.
TEST(ValidateInput, reports_an_empty_form_one_box_at_a_time_in_the_order_of_the_form) {
    struct Step {
        std::string text;
        reading::FormField focus;
        std::function<void(reading::BirthForm&)> fill;
    };
    const std::vector<Step> steps = {
        {"Please Enter Your Name", reading::FormField::Name, [](reading::BirthForm& f) { f.name = "Asha"; }},
        {"Please Enter Degree of Latitude", reading::FormField::LatDeg,
         [](reading::BirthForm& f) { f.latDegrees = "18"; }},
        {"Please Enter Minutes of Latitude", reading::FormField::LatMin,
         [](reading::BirthForm& f) { f.latMinutes = "31"; }},
        {"Please Enter Degree of Longitude", reading::FormField::LonDeg,
         [](reading::BirthForm& f) { f.lonDegrees = "73"; }},
        {"Please Enter Minute of Longitude", reading::FormField::LonMin,
         [](reading::BirthForm& f) { f.lonMinutes = "51"; }},
        {"Please Enter Your City name", reading::FormField::City, [](reading::BirthForm& f) { f.city = "Pune"; }},
        {"Please Enter Your State name", reading::FormField::State,
         [](reading::BirthForm& f) { f.state = "Maharashtra"; }},
        {"Please Enter Your Country name", reading::FormField::Country,
         [](reading::BirthForm& f) { f.country = "India"; }},
    };
    reading::BirthForm form;
    form.latDirection = reading::LatChoice::None;
    form.lonDirection = reading::LonChoice::None;
    for (const auto& step : steps) {
        const auto message = ValidateInput(form);
        ASSERT_TRUE(message.has_value()) << "expected: " << step.text;
        EXPECT_EQ(message->text, step.text);
        EXPECT_EQ(message->icon, reading::MsgIcon::Critical) << step.text;
        EXPECT_EQ(message->focus, step.focus) << step.text;
        EXPECT_EQ(message->selectLat, reading::LatChoice::None) << step.text;
        EXPECT_EQ(message->selectLong, reading::LonChoice::None) << step.text;
        step.fill(form);
    }

    // No direction chosen: the message comes with the first direction of the pair selected.
    auto message = ValidateInput(form);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "Please Select Direction For The Latitude");
    EXPECT_EQ(message->icon, reading::MsgIcon::Critical);
    EXPECT_EQ(message->selectLat, reading::LatChoice::North);
    EXPECT_EQ(message->selectLong, reading::LonChoice::None);
    form.latDirection = message->selectLat;

    message = ValidateInput(form);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "Please Select Direction For The Longitude");
    EXPECT_EQ(message->icon, reading::MsgIcon::Critical);
    EXPECT_EQ(message->selectLat, reading::LatChoice::None);
    EXPECT_EQ(message->selectLong, reading::LonChoice::East);
    form.lonDirection = message->selectLong;

    EXPECT_EQ(ValidateInput(form), std::nullopt);
}

// A name or place of blanks only would be trimmed to nothing on its way into a reading and its
// file, so it is as empty as an empty box, with the same message.
struct BlankCase {
    const char* name;
    std::string reading::BirthForm::*box;
    const char* text;
    const char* message;  // nullptr: passes
    reading::FormField focus;
};

class BlankBox : public ::testing::TestWithParam<BlankCase> {};

TEST_P(BlankBox, counts_as_empty_only_when_it_holds_nothing_but_blanks) {
    const BlankCase& c = GetParam();
    reading::BirthForm form = PassingForm();
    form.*c.box = c.text;
    ExpectOutcome(ValidateInput(form), c.message, reading::MsgIcon::Critical, c.focus);
}

INSTANTIATE_TEST_SUITE_P(ValidateInput, BlankBox,
                         ::testing::Values(BlankCase{"a_name_of_one_blank", &reading::BirthForm::name, " ",
                                                     "Please Enter Your Name", reading::FormField::Name},
                                           BlankCase{"a_city_of_blanks", &reading::BirthForm::city, "   ",
                                                     "Please Enter Your City name", reading::FormField::City},
                                           BlankCase{"a_state_of_blanks", &reading::BirthForm::state, "  ",
                                                     "Please Enter Your State name", reading::FormField::State},
                                           BlankCase{"a_country_of_blanks", &reading::BirthForm::country, "      ",
                                                     "Please Enter Your Country name", reading::FormField::Country},
                                           BlankCase{"a_name_between_blanks_passes", &reading::BirthForm::name,
                                                     "  Asha  ", nullptr, reading::FormField::None},
                                           BlankCase{"a_city_with_one_letter_passes", &reading::BirthForm::city, " x ",
                                                     nullptr, reading::FormField::None}),
                         RowName());

// ---- Ranges of latitude and longitude ------------------------------------------------------------

struct RangeCase {
    const char* name;
    const char* latDeg;
    const char* latMin;
    const char* lonDeg;
    const char* lonMin;
    const char* message;  // nullptr: passes
    reading::FormField focus;
};

class PlaceRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PlaceRange, refuses_places_outside_the_globe) {
    const RangeCase& c = GetParam();
    reading::BirthForm form = PassingForm();
    form.latDegrees = c.latDeg;
    form.latMinutes = c.latMin;
    form.lonDegrees = c.lonDeg;
    form.lonMinutes = c.lonMin;
    ExpectOutcome(ValidateInput(form), c.message, reading::MsgIcon::Critical, c.focus);
}

constexpr const char* kLatDeg = "Please Enter Degree of Latitude from 0 to 89";
constexpr const char* kLatMin = "Please Enter Minutes of Latitude from 0 to 59";
constexpr const char* kLonDeg = "Please Enter Degree of Longitude from 0 to 180";
constexpr const char* kLonMin = "Please Enter Minute of Longitude from 0 to 59";

INSTANTIATE_TEST_SUITE_P(
    ValidateInput, PlaceRange,
    ::testing::Values(
        RangeCase{"the_largest_values_pass", "89", "59", "180", "0", nullptr, reading::FormField::None},
        RangeCase{"zero_everywhere_passes", "0", "0", "0", "0", nullptr, reading::FormField::None},
        RangeCase{"leading_zeros_count_by_value", "089", "059", "099", "059", nullptr, reading::FormField::None},
        RangeCase{"latitude_90_degrees_is_refused", "90", "0", "73", "51", kLatDeg, reading::FormField::LatDeg},
        RangeCase{"latitude_999_degrees_is_refused", "999", "0", "73", "51", kLatDeg, reading::FormField::LatDeg},
        RangeCase{"latitude_60_minutes_is_refused", "18", "60", "73", "51", kLatMin, reading::FormField::LatMin},
        RangeCase{"longitude_181_degrees_is_refused", "18", "31", "181", "0", kLonDeg, reading::FormField::LonDeg},
        RangeCase{"longitude_180_degrees_1_minute_is_refused_on_the_degrees", "18", "31", "180", "1", kLonDeg,
                  reading::FormField::LonDeg},
        RangeCase{"longitude_60_minutes_is_refused", "18", "31", "73", "60", kLonMin, reading::FormField::LonMin},
        RangeCase{"latitude_is_checked_before_longitude", "90", "60", "181", "60", kLatDeg, reading::FormField::LatDeg},
        RangeCase{"latitude_minutes_before_longitude", "18", "60", "181", "60", kLatMin, reading::FormField::LatMin},
        RangeCase{"negative_degrees_from_the_command_line_are_refused", "-1", "0", "73", "51", kLatDeg,
                  reading::FormField::LatDeg},
        RangeCase{"a_number_too_long_for_an_integer_is_refused", "18", "31", "99999999999999999999", "0", kLonDeg,
                  reading::FormField::LonDeg},
        RangeCase{"text_that_is_no_number_is_left_to_the_driver", "1a", "x", "+500", " ", nullptr,
                  reading::FormField::None}),
    RowName());

TEST(ValidateInput, checks_ranges_after_the_boxes_are_filled_and_before_the_directions) {
    reading::BirthForm form = PassingForm();
    form.latDegrees = "999";
    form.country = "";
    ASSERT_TRUE(ValidateInput(form).has_value());
    EXPECT_EQ(ValidateInput(form)->text, "Please Enter Your Country name");

    form.country = "India";
    form.latDirection = reading::LatChoice::None;
    ASSERT_TRUE(ValidateInput(form).has_value());
    EXPECT_EQ(ValidateInput(form)->text, kLatDeg);
}

// ---- The day against its month -----------------------------------------------------------------

struct DateCase {
    const char* name;
    const char* day;
    int monthPosition;  // 0 = January
    const char* year;
    const char* message;  // nullptr: passes
};

class DayOfMonth : public ::testing::TestWithParam<DateCase> {};

TEST_P(DayOfMonth, refuses_days_the_month_does_not_have) {
    const DateCase& c = GetParam();
    reading::BirthForm form = PassingForm();
    form.day = c.day;
    form.month = c.monthPosition;
    form.year = c.year;
    ExpectOutcome(ValidateInput(form), c.message, reading::MsgIcon::Information, reading::FormField::None);
}

constexpr const char* kFebruary = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDays = "Please Enter Correct Date Or Month !";

INSTANTIATE_TEST_SUITE_P(ValidateInput, DayOfMonth,
                         ::testing::Values(DateCase{"passes_29_february_1904", "29", 1, "1904", nullptr},
                                           DateCase{"refuses_29_february_1903", "29", 1, "1903", kFebruary},
                                           DateCase{"passes_28_february_1903", "28", 1, "1903", nullptr},
                                           DateCase{"refuses_30_february_2000", "30", 1, "2000", kFebruary},
                                           DateCase{"refuses_31_february_1904", "31", 1, "1904", kFebruary},
                                           DateCase{"refuses_31_april", "31", 3, "1975", kThirtyDays},
                                           DateCase{"refuses_31_june", "31", 5, "1975", kThirtyDays},
                                           DateCase{"refuses_31_september", "31", 8, "1975", kThirtyDays},
                                           DateCase{"refuses_31_november", "31", 10, "1975", kThirtyDays},
                                           DateCase{"passes_30_april", "30", 3, "1975", nullptr},
                                           DateCase{"passes_31_january", "31", 0, "1903", nullptr},
                                           DateCase{"passes_31_december", "31", 11, "2050", nullptr},
                                           DateCase{"passes_31_march", "31", 2, "1975", nullptr},
                                           // The driver refuses a year that is no number, with its own message.
                                           DateCase{"leaves_an_unreadable_year_to_the_driver", "30", 1, "abc", nullptr},
                                           DateCase{"still_refuses_31_april_with_an_unreadable_year", "31", 3, "abc",
                                                    kThirtyDays}),
                         RowName());

// ---- Keystrokes, whole texts and pasted text ------------------------------------------------------

struct KeyCase {
    const char* name;
    BoxKind kind;
    char32_t code;
    char32_t previous;  // the character before the caret, 0 at the start of the box
    bool accepted;
};

class Keystroke : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keystroke, accepts_only_the_characters_of_its_box) {
    const KeyCase& c = GetParam();
    const char* refusal = c.kind == BoxKind::Letters ? "Please enter only letters" : "Please enter only numbers";
    ExpectOutcome(FilterKeystroke(c.kind, c.code, c.previous), c.accepted ? nullptr : refusal,
                  reading::MsgIcon::Critical, reading::FormField::None);
}

constexpr auto L = BoxKind::Letters;
constexpr auto D = BoxKind::Digits;

INSTANTIATE_TEST_SUITE_P(
    FilterKeystroke, Keystroke,
    ::testing::Values(KeyCase{"letters_take_A", L, U'A', 0, true}, KeyCase{"letters_take_Z", L, U'Z', 0, true},
                      KeyCase{"letters_take_a", L, U'a', 0, true}, KeyCase{"letters_take_z", L, U'z', 0, true},
                      KeyCase{"letters_take_a_blank", L, U' ', 0, true},
                      KeyCase{"letters_take_backspace", L, 8, 0, true}, KeyCase{"letters_take_delete", L, 127, 0, true},
                      KeyCase{"letters_take_an_apostrophe_after_a_letter", L, U'\'', U'D', true},
                      KeyCase{"letters_take_a_hyphen_after_a_letter", L, U'-', U'n', true},
                      KeyCase{"letters_take_a_full_stop_after_a_letter", L, U'.', U't', true},
                      KeyCase{"letters_refuse_a_hyphen_at_the_start", L, U'-', 0, false},
                      KeyCase{"letters_refuse_an_apostrophe_after_a_blank", L, U'\'', U' ', false},
                      KeyCase{"letters_refuse_a_full_stop_after_a_full_stop", L, U'.', U'.', false},
                      KeyCase{"letters_refuse_a_hyphen_after_an_apostrophe", L, U'-', U'\'', false},
                      KeyCase{"letters_refuse_a_digit", L, U'7', U'a', false},
                      KeyCase{"letters_refuse_a_comma_after_a_letter", L, U',', U'a', false},
                      KeyCase{"letters_refuse_a_typographic_apostrophe", L, U'\u2019', U'D', false},
                      KeyCase{"letters_take_an_accented_latin_1_letter", L, U'\u00E9', 0, true},
                      KeyCase{"letters_refuse_the_multiplication_sign", L, U'\u00D7', 0, false},
                      KeyCase{"letters_take_a_letter_a_ved_file_cannot_hold", L, U'\u015F', 0, true},
                      KeyCase{"letters_refuse_the_code_before_A", L, U'@', 0, false},
                      KeyCase{"letters_refuse_the_code_after_Z", L, U'[', 0, false},
                      KeyCase{"letters_refuse_the_code_before_a", L, U'`', 0, false},
                      KeyCase{"letters_refuse_the_code_after_z", L, U'{', 0, false},
                      KeyCase{"letters_refuse_a_tab", L, U'\t', 0, false},
                      KeyCase{"letters_take_a_devanagari_letter", L, U'\u0905', 0, true},
                      KeyCase{"letters_refuse_a_devanagari_digit", L, U'\u0967', 0, false},
                      KeyCase{"digits_take_0", D, U'0', 0, true}, KeyCase{"digits_take_9", D, U'9', U'1', true},
                      KeyCase{"digits_take_backspace", D, 8, 0, true}, KeyCase{"digits_take_delete", D, 127, 0, true},
                      KeyCase{"digits_refuse_a_minus_sign", D, U'-', 0, false},
                      KeyCase{"digits_refuse_a_decimal_point", D, U'.', U'1', false},
                      KeyCase{"digits_refuse_the_code_after_9", D, U':', 0, false},
                      KeyCase{"digits_refuse_the_code_before_0", D, U'/', 0, false},
                      KeyCase{"digits_refuse_a_blank", D, U' ', 0, false},
                      KeyCase{"digits_refuse_a_letter", D, U'a', 0, false},
                      KeyCase{"digits_refuse_an_arabic_indic_digit", D, U'\u0663', 0, false}),
    RowName());

TEST(CheckBoxText, takes_names_as_people_write_them_and_nothing_else) {
    for (const char* name : {"", "Asha", "D'Souza", "Jean-Pierre", "St. John's", "Mary-Ann O'Neil Jr.", "U.S.A.",
                             "  Asha  Rani ", "Z\u00FCrich", "Mu\u00F1oz", "Jos\u00E9-Mar\u00EDa", "\u015Ei\u015Fli",
                             "\u0915\u092E\u0932", "\u0B95\u0BAE\u0BB2\u0BBE", "Bj\u00F6rn M\u00FCller"})
        EXPECT_FALSE(CheckBoxText(L, name)) << name;
    for (const char* name : {"R2D2", "-Pierre", "'quoted'", "St..John", "Jean--Pierre", "Jean -Pierre", "a.-b",
                             "Delhi\u0967", "\u0964", "D\u2019Souza", "tab\tseparated", "Asha\n", "Ren\xE9"}) {
        const auto message = CheckBoxText(L, name);
        ASSERT_TRUE(message.has_value()) << name;
        EXPECT_EQ(message->text, "Please enter only letters");
    }
    EXPECT_FALSE(CheckBoxText(D, "089"));
    for (const char* number : {"-12", "12.5", "7 5", " 7"}) EXPECT_TRUE(CheckBoxText(D, number)) << number;
}

// The same rule holds in the form: a name that came from a reading file is named before any stage.
TEST(ValidateInput, names_a_box_that_breaks_the_letters_rule) {
    struct Case {
        std::string reading::BirthForm::*box;
        reading::FormField focus;
    };
    for (const Case& c : {Case{&reading::BirthForm::name, reading::FormField::Name},
                          Case{&reading::BirthForm::city, reading::FormField::City},
                          Case{&reading::BirthForm::state, reading::FormField::State},
                          Case{&reading::BirthForm::country, reading::FormField::Country}}) {
        reading::BirthForm form = PassingForm();
        form.*(c.box) = "St. John's";
        EXPECT_EQ(ValidateInput(form), std::nullopt);
        form.*(c.box) = "Pune 2";
        ExpectOutcome(ValidateInput(form), "Please enter only letters", reading::MsgIcon::Critical, c.focus);
    }
    // An empty box is named as missing first.
    reading::BirthForm form = PassingForm();
    form.name = "";
    form.city = "Pune 2";
    ExpectOutcome(ValidateInput(form), "Please Enter Your Name", reading::MsgIcon::Critical, reading::FormField::Name);
}

struct InsertionCase {
    const char* name;
    reading::FormField box;
    const char* before;
    const char* inserted;
    const char* after;
    const char* message;  // nullptr: taken (or silently refused when `silent`)
    const char* taken;    // what goes in when taken
    bool silent = false;
};

class Insertion : public ::testing::TestWithParam<InsertionCase> {};

TEST_P(Insertion, takes_the_whole_text_or_refuses_it_with_the_boxes_message) {
    const InsertionCase& c = GetParam();
    const InsertionVerdict verdict = JudgeInsertion(c.box, c.before, c.inserted, c.after);
    ExpectOutcome(verdict.refusal, c.message, reading::MsgIcon::Critical, reading::FormField::None);
    EXPECT_EQ(verdict.silent, c.silent);
    EXPECT_EQ(verdict.Accepted(), c.message == nullptr && !c.silent);
    if (verdict.Accepted()) {
        EXPECT_EQ(verdict.inserted, c.taken);
    }
}

constexpr const char* kLetters = "Please enter only letters";
constexpr const char* kNumbers = "Please enter only numbers";

INSTANTIATE_TEST_SUITE_P(
    JudgeInsertion, Insertion,
    ::testing::Values(
        InsertionCase{"a_name_with_an_apostrophe", reading::FormField::Name, "", "D'Souza", "", nullptr, "D'Souza"},
        InsertionCase{"a_hyphen_typed_after_a_letter", reading::FormField::Name, "Jean", "-", "", nullptr, "-"},
        InsertionCase{"a_hyphen_typed_after_a_blank", reading::FormField::Name, "Jean ", "-", "", kLetters, ""},
        InsertionCase{"a_blank_put_before_a_hyphen_would_strand_it", reading::FormField::City, "Jean", " ", "-Pierre",
                      kLetters, ""},
        InsertionCase{"a_letter_put_before_a_hyphen", reading::FormField::City, "Jea", "n", "-Pierre", nullptr, "n"},
        InsertionCase{"a_pasted_line_loses_its_line_break", reading::FormField::City, "", "St. John's\n", "", nullptr,
                      "St. John's"},
        InsertionCase{"a_paste_with_a_digit_is_refused_whole", reading::FormField::Name, "", "Asha 2nd", "", kLetters,
                      ""},
        InsertionCase{"an_accented_latin_1_paste_is_taken", reading::FormField::Country, "", "Per\u00fa", "", nullptr,
                      "Per\u00fa"},
        InsertionCase{"a_paste_with_a_digit_of_another_script_is_refused_whole", reading::FormField::City, "",
                      "\u015Ei\u015Fli\u0967", "", kLetters, ""},
        InsertionCase{"a_negative_number_keeps_its_sign_by_being_refused", reading::FormField::LatDeg, "", "-12", "",
                      kNumbers, ""},
        InsertionCase{"a_decimal_number_is_refused", reading::FormField::LonMin, "", "12.5", "", kNumbers, ""},
        InsertionCase{"digits_with_a_blank_between_are_refused", reading::FormField::LonDeg, "", "7 5", "", kNumbers,
                      ""},
        InsertionCase{"a_degree_sign_is_refused", reading::FormField::LatDeg, "", "28\u00b0", "", kNumbers, ""},
        InsertionCase{"blanks_around_a_number_are_dropped", reading::FormField::LatMin, "", " 37 ", "", nullptr, "37"},
        InsertionCase{"a_number_between_digits", reading::FormField::LonDeg, "1", "7", "7", nullptr, "7"},
        InsertionCase{"a_pasted_number_too_long_for_the_box", reading::FormField::LatDeg, "", "1234", "",
                      "Please Enter Degree of Latitude from 0 to 89", ""},
        InsertionCase{"a_pasted_number_that_overfills_the_minutes", reading::FormField::LonMin, "59", "12", "",
                      "Please Enter Minute of Longitude from 0 to 59", ""},
        InsertionCase{"a_fourth_digit_typed_is_refused_silently", reading::FormField::LonDeg, "123", "4", "", nullptr,
                      "", true},
        InsertionCase{"a_blank_typed_into_a_number_box", reading::FormField::LatMin, "3", " ", "", kNumbers, ""}),
    RowName());

}  // namespace
}  // namespace vela::reading
