// Atlas places turned into the form's place boxes: names folded to letters and blanks,
// coordinates rounded to the minute.
#include <gtest/gtest.h>

#include <string>

#include "atlas/place_name.h"
#include "reading/validation.h"
#include "tests/support/test_names.h"

namespace {

using namespace vela;
using namespace vela::modPlaceName;

struct FoldRow {
    std::string name;
    std::string spelt;
    std::string folded;
};

class FoldPlaceNameTest : public ::testing::TestWithParam<FoldRow> {};

TEST_P(FoldPlaceNameTest, folds_to_what_a_letters_box_takes) {
    const FoldRow& r = GetParam();
    const std::string folded = FoldPlaceName(r.spelt);
    EXPECT_EQ(folded, r.folded);
    // The box would keep every character of it.
    EXPECT_FALSE(modValidation::CheckBoxText(modValidation::BoxKind::Letters, folded)) << folded;
}

// The spellings are the atlas's own (the place names of the geographical database the desktop
// program reads); the folded forms are the usual English spellings without accents.
INSTANTIATE_TEST_SUITE_P(
    Names, FoldPlaceNameTest,
    ::testing::Values(
        FoldRow{"plain_names_stay", "Pune", "Pune"}, FoldRow{"latin1_accents_go", "S\u00e3o Paulo", "Sao Paulo"},
        FoldRow{"a_hyphen_after_a_letter_stays", "Winston-Salem", "Winston-Salem"},
        FoldRow{"commas_part_words_and_dots_after_letters_stay", "Washington, D.C.", "Washington D.C."},
        FoldRow{"apostrophes_become_the_typewriter_one", "N\u2019Djamena St. John's", "N'Djamena St. John's"},
        FoldRow{"marks_after_no_letter_go", "'s-Hertogenbosch .Pune -x", "s-Hertogenbosch Pune x"},
        FoldRow{"extended_a_letters", "\u0141\u00f3d\u017a", "Lodz"},
        FoldRow{"dotted_and_dotless_i", "\u0130stanbul Bak\u0131rk\u00f6y", "Istanbul Bakirkoy"},
        FoldRow{"romanian_comma_below", "Timi\u0219oara Constan\u021ba", "Timisoara Constanta"},
        FoldRow{"vietnamese_letters", "\u0110\u00e0 N\u1eb5ng H\u1ed3 Ch\u00ed Minh Th\u1ee7 \u0110\u1ee9c",
                "Da Nang Ho Chi Minh Thu Duc"},
        FoldRow{"transliteration_dots_below", "\u1e28awall\u012b \u1e62an\u2018\u0101\u02bc", "Hawalli Sana'"},
        FoldRow{"two_letter_folds", "\u00de\u00f3rsh\u00f6fn Stra\u00dfe \u00c6r\u00f8 \u0152uvre",
                "Thorshofn Strasse AEro OEuvre"},
        FoldRow{"combining_accents_go", "Sa\u0303o Pa\u0304ulo", "Sao Paulo"},
        FoldRow{"blanks_shrink_and_ends_trim", "  Bou  -  Sa\u00e2da (Wilaya)  ", "Bou Saada Wilaya"},
        FoldRow{"dashes_and_slashes_part_words", "Bi\u00e8vre\u2013Val/Marne", "Bievre Val Marne"},
        FoldRow{"digits_and_other_scripts_go", "10th \u0417\u0435\u043b\u0435\u043d\u043e City", "th City"},
        FoldRow{"nothing_latin_leaves_nothing", "\u6771\u4eac", ""},
        FoldRow{"broken_utf8_is_dropped", "S\xC3 \xFF\xFEPaulo\xE2\x80", "S Paulo"}),
    RowName());

TEST(FoldPlaceName, leaves_only_what_a_letters_box_takes_for_any_character) {
    // Every code point of the Basic Multilingual Plane's lower part between two letters.
    for (char32_t code = 1; code < 0x3000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        std::string text = "a";
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
        text += "b";
        const std::string folded = FoldPlaceName(text);
        ASSERT_FALSE(modValidation::CheckBoxText(modValidation::BoxKind::Letters, folded))
            << static_cast<unsigned>(code);
        ASSERT_EQ(folded.find("  "), std::string::npos) << static_cast<unsigned>(code);
        ASSERT_EQ(folded.front(), 'a') << static_cast<unsigned>(code);
        ASSERT_EQ(folded.back(), 'b') << static_cast<unsigned>(code);
    }
}

TEST(RoundToMinute, rounds_half_to_even_and_carries_into_the_degree) {
    struct Case {
        double degrees;
        int deg;
        int min;
        bool negative;
    };
    // Hand computations: 18.5196 deg = 18 deg 31.18', 46.6361 = 46 deg 38.17', 0.125 deg = 7.5'
    // (to 8, even), 0.375 deg = 22.5' (to 22, even), 40.9999 deg = 40 deg 59.994' (carried).
    const Case cases[] = {
        {18.5196, 18, 31, false}, {-46.6361, 46, 38, true},  {0.125, 0, 8, false}, {0.375, 0, 22, false},
        {40.9999, 41, 0, false},  {-179.9999, 180, 0, true}, {-0.004, 0, 0, true}, {0.0, 0, 0, false},
    };
    for (const Case& c : cases) {
        const DegreesMinutes r = RoundToMinute(c.degrees);
        EXPECT_EQ(r.intDegrees, c.deg) << c.degrees;
        EXPECT_EQ(r.intMinutes, c.min) << c.degrees;
        EXPECT_EQ(r.blnNegative, c.negative) << c.degrees;
    }
}

TEST(FillPlace, fills_the_place_boxes_the_form_then_accepts) {
    BirthForm form;
    form.txtName = "Asha";
    form.cboDate = "15";
    form.cboMonth = 5;
    form.cboYear = "1975";
    form.cboTimeZone = 14;
    form.txtCity = "typed before";
    AtlasPlace saoPaulo{"S\u00e3o Paulo", "S\u00e3o Paulo", "Brazil", "America/Sao_Paulo",
                        -23.5475,         -46.6361,         10021295};
    FillPlace(form, saoPaulo);
    EXPECT_EQ(form.txtCity, "Sao Paulo");
    EXPECT_EQ(form.txtState, "Sao Paulo");
    EXPECT_EQ(form.txtCountry, "Brazil");
    EXPECT_EQ(form.txtLatDeg, "23");
    EXPECT_EQ(form.txtLatMin, "33");
    EXPECT_EQ(form.txtLonDeg, "46");
    EXPECT_EQ(form.txtLonMin, "38");
    EXPECT_EQ(form.optLat, LatChoice::South);
    EXPECT_EQ(form.optLong, LonChoice::West);
    // The rest of the form is the user's.
    EXPECT_EQ(form.txtName, "Asha");
    EXPECT_EQ(form.cboTimeZone, 14);
    EXPECT_EQ(modValidation::ValidateInput(form), std::nullopt);

    // North and East, and a name the atlas spells with a hyphen.
    FillPlace(form, {"Winston-Salem", "North Carolina", "United States of America", "America/New_York", 36.0999,
                     80.2442, 241218});
    EXPECT_EQ(form.txtCity, "Winston-Salem");
    EXPECT_EQ(form.txtLatDeg + " " + form.txtLatMin + " " + form.txtLonDeg + " " + form.txtLonMin, "36 6 80 15");
    EXPECT_EQ(form.optLat, LatChoice::North);
    EXPECT_EQ(form.optLong, LonChoice::East);
}

TEST(OrderByPopulation, puts_the_largest_first_and_equal_sizes_by_name) {
    std::vector<AtlasPlace> places = {
        {"Humanes de Madrid", "Madrid", "Spain", "Europe/Madrid", 40.25, -3.83, 18098},
        {"Madrid", "Cundinamarca", "Colombia", "America/Bogota", 4.73, -74.26, 50437},
        {"Madrid", "Madrid", "Spain", "Europe/Madrid", 40.42, -3.70, 3255944},
        {"Alcorcon", "Madrid", "Spain", "Europe/Madrid", 40.35, -3.82, 50437},
    };
    OrderByPopulation(places);
    std::vector<std::string> lines;
    for (const AtlasPlace& place : places) lines.push_back(PlaceListText(place));
    EXPECT_EQ(lines, (std::vector<std::string>{"Madrid, Madrid, Spain", "Alcorcon, Madrid, Spain",
                                               "Madrid, Cundinamarca, Colombia", "Humanes de Madrid, Madrid, Spain"}));
    EXPECT_EQ(PlaceListText({"Singapore", "", "Singapore", "Asia/Singapore", 1.29, 103.85, 3547809}),
              "Singapore, Singapore");
}

}  // namespace
