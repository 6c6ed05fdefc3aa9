// Atlas places turned into the form's place boxes: names folded to letters and blanks,
// coordinates rounded to the minute.
#include <gtest/gtest.h>

#include <string>

#include "atlas/place_name.h"
#include "reading/validation.h"
#include "tests/support/test_names.h"

namespace {

using namespace vela;
using namespace vela::atlas;

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
    EXPECT_FALSE(reading::CheckBoxText(reading::BoxKind::Letters, folded)) << folded;
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

struct FoldTableRow {
    std::string name;
    std::string letters;  // sixteen code points (fewer where the block has signs that are no letter)
    std::string folded;
};

class FoldTable : public ::testing::TestWithParam<FoldTableRow> {};

TEST_P(FoldTable, gives_each_accented_letter_its_base_letter) {
    EXPECT_EQ(FoldPlaceName(GetParam().letters), GetParam().folded);
}

// Every letter of Latin-1, Latin Extended-A and Latin Extended Additional, blank-separated, in code
// point order. The expected letters are the base letters of the Unicode Character Database's
// canonical decompositions (NFD, combining marks removed); letters without one are given their
// usual English transliteration (AE, D for eth and D with stroke, O for O with stroke, Th, ss, H
// and T with stroke, dotless i, IJ, L with middle dot or stroke, eng, OE, long s). The multiplication
// and division signs are no letters and go. Left out: the few archaic letters of U+1E9A..U+1E9F
// and U+1EFA..U+1EFF, which no place name uses.
INSTANTIATE_TEST_SUITE_P(
    UnicodeBlocks, FoldTable,
    ::testing::Values(FoldTableRow{"u00C0_to_u00CF",
                                   "\u00C0 \u00C1 \u00C2 \u00C3 \u00C4 \u00C5 \u00C6 \u00C7 \u00C8 \u00C9 \u00CA "
                                   "\u00CB \u00CC \u00CD \u00CE \u00CF",
                                   "A A A A A A AE C E E E E I I I I"},
                      FoldTableRow{"u00D0_to_u00DF",
                                   "\u00D0 \u00D1 \u00D2 \u00D3 \u00D4 \u00D5 \u00D6 \u00D7 \u00D8 \u00D9 \u00DA "
                                   "\u00DB \u00DC \u00DD \u00DE \u00DF",
                                   "D N O O O O O O U U U U Y Th ss"},
                      FoldTableRow{"u00E0_to_u00EF",
                                   "\u00E0 \u00E1 \u00E2 \u00E3 \u00E4 \u00E5 \u00E6 \u00E7 \u00E8 \u00E9 \u00EA "
                                   "\u00EB \u00EC \u00ED \u00EE \u00EF",
                                   "a a a a a a ae c e e e e i i i i"},
                      FoldTableRow{"u00F0_to_u00FF",
                                   "\u00F0 \u00F1 \u00F2 \u00F3 \u00F4 \u00F5 \u00F6 \u00F7 \u00F8 \u00F9 \u00FA "
                                   "\u00FB \u00FC \u00FD \u00FE \u00FF",
                                   "d n o o o o o o u u u u y th y"},
                      FoldTableRow{"u0100_to_u010F",
                                   "\u0100 \u0101 \u0102 \u0103 \u0104 \u0105 \u0106 \u0107 \u0108 \u0109 \u010A "
                                   "\u010B \u010C \u010D \u010E \u010F",
                                   "A a A a A a C c C c C c C c D d"},
                      FoldTableRow{"u0110_to_u011F",
                                   "\u0110 \u0111 \u0112 \u0113 \u0114 \u0115 \u0116 \u0117 \u0118 \u0119 \u011A "
                                   "\u011B \u011C \u011D \u011E \u011F",
                                   "D d E e E e E e E e E e G g G g"},
                      FoldTableRow{"u0120_to_u012F",
                                   "\u0120 \u0121 \u0122 \u0123 \u0124 \u0125 \u0126 \u0127 \u0128 \u0129 \u012A "
                                   "\u012B \u012C \u012D \u012E \u012F",
                                   "G g G g H h H h I i I i I i I i"},
                      FoldTableRow{"u0130_to_u013F",
                                   "\u0130 \u0131 \u0132 \u0133 \u0134 \u0135 \u0136 \u0137 \u0138 \u0139 \u013A "
                                   "\u013B \u013C \u013D \u013E \u013F",
                                   "I i IJ ij J j K k k L l L l L l L"},
                      FoldTableRow{"u0140_to_u014F",
                                   "\u0140 \u0141 \u0142 \u0143 \u0144 \u0145 \u0146 \u0147 \u0148 \u0149 \u014A "
                                   "\u014B \u014C \u014D \u014E \u014F",
                                   "l L l N n N n N n n N n O o O o"},
                      FoldTableRow{"u0150_to_u015F",
                                   "\u0150 \u0151 \u0152 \u0153 \u0154 \u0155 \u0156 \u0157 \u0158 \u0159 \u015A "
                                   "\u015B \u015C \u015D \u015E \u015F",
                                   "O o OE oe R r R r R r S s S s S s"},
                      FoldTableRow{"u0160_to_u016F",
                                   "\u0160 \u0161 \u0162 \u0163 \u0164 \u0165 \u0166 \u0167 \u0168 \u0169 \u016A "
                                   "\u016B \u016C \u016D \u016E \u016F",
                                   "S s T t T t T t U u U u U u U u"},
                      FoldTableRow{"u0170_to_u017F",
                                   "\u0170 \u0171 \u0172 \u0173 \u0174 \u0175 \u0176 \u0177 \u0178 \u0179 \u017A "
                                   "\u017B \u017C \u017D \u017E \u017F",
                                   "U u U u W w Y y Y Z z Z z Z z s"},
                      FoldTableRow{"u1E00_to_u1E0F",
                                   "\u1E00 \u1E01 \u1E02 \u1E03 \u1E04 \u1E05 \u1E06 \u1E07 \u1E08 \u1E09 \u1E0A "
                                   "\u1E0B \u1E0C \u1E0D \u1E0E \u1E0F",
                                   "A a B b B b B b C c D d D d D d"},
                      FoldTableRow{"u1E10_to_u1E1F",
                                   "\u1E10 \u1E11 \u1E12 \u1E13 \u1E14 \u1E15 \u1E16 \u1E17 \u1E18 \u1E19 \u1E1A "
                                   "\u1E1B \u1E1C \u1E1D \u1E1E \u1E1F",
                                   "D d D d E e E e E e E e E e F f"},
                      FoldTableRow{"u1E20_to_u1E2F",
                                   "\u1E20 \u1E21 \u1E22 \u1E23 \u1E24 \u1E25 \u1E26 \u1E27 \u1E28 \u1E29 \u1E2A "
                                   "\u1E2B \u1E2C \u1E2D \u1E2E \u1E2F",
                                   "G g H h H h H h H h H h I i I i"},
                      FoldTableRow{"u1E30_to_u1E3F",
                                   "\u1E30 \u1E31 \u1E32 \u1E33 \u1E34 \u1E35 \u1E36 \u1E37 \u1E38 \u1E39 \u1E3A "
                                   "\u1E3B \u1E3C \u1E3D \u1E3E \u1E3F",
                                   "K k K k K k L l L l L l L l M m"},
                      FoldTableRow{"u1E40_to_u1E4F",
                                   "\u1E40 \u1E41 \u1E42 \u1E43 \u1E44 \u1E45 \u1E46 \u1E47 \u1E48 \u1E49 \u1E4A "
                                   "\u1E4B \u1E4C \u1E4D \u1E4E \u1E4F",
                                   "M m M m N n N n N n N n O o O o"},
                      FoldTableRow{"u1E50_to_u1E5F",
                                   "\u1E50 \u1E51 \u1E52 \u1E53 \u1E54 \u1E55 \u1E56 \u1E57 \u1E58 \u1E59 \u1E5A "
                                   "\u1E5B \u1E5C \u1E5D \u1E5E \u1E5F",
                                   "O o O o P p P p R r R r R r R r"},
                      FoldTableRow{"u1E60_to_u1E6F",
                                   "\u1E60 \u1E61 \u1E62 \u1E63 \u1E64 \u1E65 \u1E66 \u1E67 \u1E68 \u1E69 \u1E6A "
                                   "\u1E6B \u1E6C \u1E6D \u1E6E \u1E6F",
                                   "S s S s S s S s S s T t T t T t"},
                      FoldTableRow{"u1E70_to_u1E7F",
                                   "\u1E70 \u1E71 \u1E72 \u1E73 \u1E74 \u1E75 \u1E76 \u1E77 \u1E78 \u1E79 \u1E7A "
                                   "\u1E7B \u1E7C \u1E7D \u1E7E \u1E7F",
                                   "T t U u U u U u U u U u V v V v"},
                      FoldTableRow{"u1E80_to_u1E8F",
                                   "\u1E80 \u1E81 \u1E82 \u1E83 \u1E84 \u1E85 \u1E86 \u1E87 \u1E88 \u1E89 \u1E8A "
                                   "\u1E8B \u1E8C \u1E8D \u1E8E \u1E8F",
                                   "W w W w W w W w W w X x X x Y y"},
                      FoldTableRow{"u1E90_to_u1E9F",
                                   "\u1E90 \u1E91 \u1E92 \u1E93 \u1E94 \u1E95 \u1E96 \u1E97 \u1E98 \u1E99",
                                   "Z z Z z Z z h t w y"},
                      FoldTableRow{"u1EA0_to_u1EAF",
                                   "\u1EA0 \u1EA1 \u1EA2 \u1EA3 \u1EA4 \u1EA5 \u1EA6 \u1EA7 \u1EA8 \u1EA9 \u1EAA "
                                   "\u1EAB \u1EAC \u1EAD \u1EAE \u1EAF",
                                   "A a A a A a A a A a A a A a A a"},
                      FoldTableRow{"u1EB0_to_u1EBF",
                                   "\u1EB0 \u1EB1 \u1EB2 \u1EB3 \u1EB4 \u1EB5 \u1EB6 \u1EB7 \u1EB8 \u1EB9 \u1EBA "
                                   "\u1EBB \u1EBC \u1EBD \u1EBE \u1EBF",
                                   "A a A a A a A a E e E e E e E e"},
                      FoldTableRow{"u1EC0_to_u1ECF",
                                   "\u1EC0 \u1EC1 \u1EC2 \u1EC3 \u1EC4 \u1EC5 \u1EC6 \u1EC7 \u1EC8 \u1EC9 \u1ECA "
                                   "\u1ECB \u1ECC \u1ECD \u1ECE \u1ECF",
                                   "E e E e E e E e I i I i O o O o"},
                      FoldTableRow{"u1ED0_to_u1EDF",
                                   "\u1ED0 \u1ED1 \u1ED2 \u1ED3 \u1ED4 \u1ED5 \u1ED6 \u1ED7 \u1ED8 \u1ED9 \u1EDA "
                                   "\u1EDB \u1EDC \u1EDD \u1EDE \u1EDF",
                                   "O o O o O o O o O o O o O o O o"},
                      FoldTableRow{"u1EE0_to_u1EEF",
                                   "\u1EE0 \u1EE1 \u1EE2 \u1EE3 \u1EE4 \u1EE5 \u1EE6 \u1EE7 \u1EE8 \u1EE9 \u1EEA "
                                   "\u1EEB \u1EEC \u1EED \u1EEE \u1EEF",
                                   "O o O o U u U u U u U u U u U u"},
                      FoldTableRow{"u1EF0_to_u1EFF",
                                   "\u1EF0 \u1EF1 \u1EF2 \u1EF3 \u1EF4 \u1EF5 \u1EF6 \u1EF7 \u1EF8 \u1EF9",
                                   "U u Y y Y y Y y Y y"},
                      FoldTableRow{"latin_extended_b_of_place_names",
                                   "\u0218 \u0219 \u021A \u021B \u01A0 \u01A1 \u01AF \u01B0 \u018F \u0259 \u01DD",
                                   "S s T t O o U u E e e"}),
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
        ASSERT_FALSE(reading::CheckBoxText(reading::BoxKind::Letters, folded)) << static_cast<unsigned>(code);
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
        EXPECT_EQ(r.degrees, c.deg) << c.degrees;
        EXPECT_EQ(r.minutes, c.min) << c.degrees;
        EXPECT_EQ(r.negative, c.negative) << c.degrees;
    }
}

TEST(FillPlace, fills_the_place_boxes_the_form_then_accepts) {
    reading::BirthForm form;
    form.name = "Asha";
    form.day = "15";
    form.month = 5;
    form.year = "1975";
    form.zoneRow = 14;
    form.city = "typed before";
    AtlasPlace saoPaulo{"S\u00e3o Paulo", "S\u00e3o Paulo", "Brazil", "America/Sao_Paulo",
                        -23.5475,         -46.6361,         10021295};
    FillPlace(form, saoPaulo);
    EXPECT_EQ(form.city, "Sao Paulo");
    EXPECT_EQ(form.state, "Sao Paulo");
    EXPECT_EQ(form.country, "Brazil");
    EXPECT_EQ(form.latDegrees, "23");
    EXPECT_EQ(form.latMinutes, "33");
    EXPECT_EQ(form.lonDegrees, "46");
    EXPECT_EQ(form.lonMinutes, "38");
    EXPECT_EQ(form.latDirection, reading::LatChoice::South);
    EXPECT_EQ(form.lonDirection, reading::LonChoice::West);
    // The rest of the form is the user's.
    EXPECT_EQ(form.name, "Asha");
    EXPECT_EQ(form.zoneRow, 14);
    EXPECT_EQ(reading::ValidateInput(form), std::nullopt);

    // North and East, and a name the atlas spells with a hyphen.
    FillPlace(form, {"Winston-Salem", "North Carolina", "United States of America", "America/New_York", 36.0999,
                     80.2442, 241218});
    EXPECT_EQ(form.city, "Winston-Salem");
    EXPECT_EQ(form.latDegrees + " " + form.latMinutes + " " + form.lonDegrees + " " + form.lonMinutes, "36 6 80 15");
    EXPECT_EQ(form.latDirection, reading::LatChoice::North);
    EXPECT_EQ(form.lonDirection, reading::LonChoice::East);
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
