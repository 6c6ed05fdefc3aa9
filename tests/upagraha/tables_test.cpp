// The fixed tables of the upagraha stage and its report, each written out here as the reading's
// tradition gives it, so that any changed entry fails: the day and night lords of the eight
// portions (as the original program's tables print them, checked against the rotation rule that
// makes them), the upagrahas with their ruling planets, the sign names and the significance lines.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "upagraha/profiles.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela::upagraha;
using Row = std::array<std::string_view, 8>;

constexpr std::string_view D = "\u2014";  // the portion no planet rules

// Day portions: each weekday starts at its own lord and runs through the eight-place cycle
// Sun Moon Mars Merc Jup Ven Sat and the lordless portion.
constexpr std::array<Row, 7> kDayLords = {{
    {"Sun", "Moon", "Mars", "Merc", "Jup", "Ven", "Sat", D},  // Sunday
    {"Moon", "Mars", "Merc", "Jup", "Ven", "Sat", D, "Sun"},  // Monday
    {"Mars", "Merc", "Jup", "Ven", "Sat", D, "Sun", "Moon"},  // Tuesday
    {"Merc", "Jup", "Ven", "Sat", D, "Sun", "Moon", "Mars"},  // Wednesday
    {"Jup", "Ven", "Sat", D, "Sun", "Moon", "Mars", "Merc"},  // Thursday
    {"Ven", "Sat", D, "Sun", "Moon", "Mars", "Merc", "Jup"},  // Friday
    {"Sat", D, "Sun", "Moon", "Mars", "Merc", "Jup", "Ven"},  // Saturday
}};

// Night portions: each weekday starts at the lord four places on in the seven-planet cycle.
constexpr std::array<Row, 7> kNightLords = {{
    {"Jup", "Ven", "Sat", D, "Sun", "Moon", "Mars", "Merc"},  // Sunday
    {"Ven", "Sat", D, "Sun", "Moon", "Mars", "Merc", "Jup"},  // Monday
    {"Sat", D, "Sun", "Moon", "Mars", "Merc", "Jup", "Ven"},  // Tuesday
    {"Sun", "Moon", "Mars", "Merc", "Jup", "Ven", "Sat", D},  // Wednesday
    {"Moon", "Mars", "Merc", "Jup", "Ven", "Sat", D, "Sun"},  // Thursday
    {"Mars", "Merc", "Jup", "Ven", "Sat", D, "Sun", "Moon"},  // Friday
    {"Merc", "Jup", "Ven", "Sat", D, "Sun", "Moon", "Mars"},  // Saturday
}};

TEST(PortionLords, are_the_day_table_entry_for_entry) {
    for (std::size_t w = 0; w < 7; ++w)
        for (std::size_t k = 0; k < 8; ++k)
            EXPECT_EQ(
                PlanetText(PortionLord(LordOrder::EightPlaceCycle, static_cast<int>(w), true, static_cast<int>(k))),
                kDayLords[w][k])
                << "weekday " << w << ", portion " << k + 1;
}

TEST(PortionLords, are_the_night_table_entry_for_entry) {
    for (std::size_t w = 0; w < 7; ++w)
        for (std::size_t k = 0; k < 8; ++k)
            EXPECT_EQ(
                PlanetText(PortionLord(LordOrder::EightPlaceCycle, static_cast<int>(w), false, static_cast<int>(k))),
                kNightLords[w][k])
                << "weekday " << w << ", portion " << k + 1;
}

TEST(UpagrahaTable, names_the_six_in_order_with_their_ruling_planets) {
    EXPECT_EQ(kUpagrahaNames, (std::array<std::string_view, 6>{"Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka",
                                                               "Gulika", "Maandi"}));
    const std::array<std::string_view, 6> rulers = {"Sun", "Mars", "Merc", "Jup", "Sat", "Sat"};
    for (std::size_t u = 0; u < rulers.size(); ++u) EXPECT_EQ(PlanetText(kUpagrahaLords[u]), rulers[u]) << u;
}

TEST(UpagrahaTable, names_the_twelve_signs_from_aries) {
    EXPECT_EQ(kSignNames,
              (std::array<std::string_view, 12>{"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                                                "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}));
}

TEST(SignificanceLines, read_word_for_word_per_upagraha) {
    const std::array<std::string_view, 6> expected = {
        "This is a malefic similar to the Sun.",                                   // Kaala
        "This is a malefic similar to Mars. This indicates suffering and death.",  // Mrityu
        "This is a malefic similar to Mercury.",                                   // Arthaprahaara
        "This is a malefic similar to Jupiter.",                                   // Yamaghantaka
        "This is a malefic similar to Saturn.",                                    // Gulika
        "This is a malefic similar to Saturn.",                                    // Maandi
    };
    for (std::size_t u = 0; u < expected.size(); ++u)
        EXPECT_EQ(vela::upagraha::kUpagrahaSignificance[u], expected[u]) << kUpagrahaNames[u];
}

}  // namespace
