// Texts from outside (file paths above all) as a one-line message quotes them.
#include "astro/text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_names.h"

namespace {

using vela::astro::QuotedForMessage;

struct QuoteCase {
    const char* name;
    std::string text;
    std::string quoted;
};

class Quote : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(Quote, shows_every_control_character_and_broken_byte_as_a_question_mark) {
    EXPECT_EQ(QuotedForMessage(GetParam().text), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(QuotedForMessage, Quote,
                         ::testing::Values(QuoteCase{"a_plain_path", "/home/asha/asha.ved", "\"/home/asha/asha.ved\""},
                                           QuoteCase{"an_empty_text", "", "\"\""},
                                           QuoteCase{"a_line_break_and_a_carriage_return", "a\nb\rc", "\"a?b?c\""},
                                           QuoteCase{"an_escape_sequence", "x\x1B[2Jy", "\"x?[2Jy\""},
                                           QuoteCase{"a_tab_and_delete", "\t\x7F", "\"??\""},
                                           // U+009B is the one-character form of the escape sequence's opening.
                                           QuoteCase{"a_c1_control_written_as_utf8",
                                                     "a\xC2\x9B"
                                                     "b",
                                                     "\"a??b\""},
                                           QuoteCase{"a_lone_c1_byte",
                                                     "a\x9B"
                                                     "b",
                                                     "\"a?b\""},
                                           QuoteCase{"letters_beyond_ascii_stay", "Mu\u00F1oz \u092A\U0001F600",
                                                     "\"Mu\u00F1oz \u092A\U0001F600\""},
                                           QuoteCase{"an_overlong_slash",
                                                     "a\xC0\xAF"
                                                     "b",
                                                     "\"a??b\""},
                                           QuoteCase{"a_character_cut_short_at_the_end", "ab\xE2\x82", "\"ab??\""}),
                         RowName());

TEST(QuotedForMessage, keeps_a_text_of_exactly_the_limit_whole) {
    const std::string text(vela::astro::kQuotedMaxBytes, 'x');
    EXPECT_EQ(QuotedForMessage(text), "\"" + text + "\"");
}

TEST(QuotedForMessage, cuts_a_long_text_in_the_middle_and_keeps_both_ends) {
    const std::string text = "/first/" + std::string(128 * 1024, 'm') + "/last.ved";
    const std::string quoted = QuotedForMessage(text);
    EXPECT_LE(quoted.size(), vela::astro::kQuotedMaxBytes + 2);
    EXPECT_EQ(quoted.rfind("\"/first/mmm", 0), 0u) << quoted;
    EXPECT_EQ(quoted.substr(quoted.size() - 13), "mmm/last.ved\"") << quoted;
    EXPECT_NE(quoted.find("m...m"), std::string::npos) << quoted;
}

TEST(QuotedForMessage, never_cuts_a_character_in_two) {
    // Two-byte letters all the way: whatever the cut, each end keeps whole letters only.
    std::string text;
    for (int i = 0; i < 200; ++i) text += "\u00F1";
    const std::string quoted = QuotedForMessage(text);
    EXPECT_EQ(quoted.find('?'), std::string::npos) << quoted;
    EXPECT_NE(quoted.find("\u00F1...\u00F1"), std::string::npos) << quoted;
}

}  // namespace
