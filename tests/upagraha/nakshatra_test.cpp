// Nakshatras and padas: 27 mansions of 13°20′ from 0° Aries, each of four padas of 3°20′.
//
// Named points are the almanac's: Magha opens Leo (120°), so Leo 5°54′ lies in its second pada;
// Chitra spans Virgo 23°20′ to Libra 6°40′ with its first two padas in Virgo and the last two in
// Libra; Revati closes Pisces; Rohini runs from Taurus 10° to 23°20′.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_names.h"
#include "upagraha/nakshatra.h"

namespace vela::upagraha {
namespace {

struct NamedPoint {
    const char* name;
    double degrees;
    const char* nakshatra;
    int pada;
};

class NamedPoints : public ::testing::TestWithParam<NamedPoint> {};

TEST_P(NamedPoints, lie_in_the_almanacs_nakshatra_and_pada) {
    const NamedPoint& p = GetParam();
    const NakshatraPada place = NakshatraOf(p.degrees);
    EXPECT_EQ(place.Name(), p.nakshatra);
    EXPECT_EQ(place.pada, p.pada);
}

INSTANTIATE_TEST_SUITE_P(NakshatraOf, NamedPoints,
                         ::testing::Values(NamedPoint{"zero_aries_opens_ashwini", 0.0, "Ashwini", 1},
                                           NamedPoint{"leo_5_54_is_magha_2", 120 + 5 + 54 / 60.0, "Magha", 2},
                                           NamedPoint{"leo_0_opens_magha", 120.0, "Magha", 1},
                                           NamedPoint{"virgo_23_20_opens_chitra", 150 + 23 + 20 / 60.0, "Chitra", 1},
                                           NamedPoint{"virgo_29_59_is_chitra_2", 150 + 29 + 59 / 60.0, "Chitra", 2},
                                           NamedPoint{"libra_0_is_chitra_3", 180.0, "Chitra", 3},
                                           NamedPoint{"libra_6_39_is_chitra_4", 180 + 6 + 39 / 60.0, "Chitra", 4},
                                           NamedPoint{"taurus_10_opens_rohini", 40.0, "Rohini", 1},
                                           NamedPoint{"pisces_29_59_is_revati_4", 359 + 59 / 60.0, "Revati", 4},
                                           NamedPoint{"a_whole_turn_more_is_the_same", 360 + 40.0, "Rohini", 1},
                                           NamedPoint{"a_negative_longitude_counts_back_from_pisces", -1.0, "Revati",
                                                      4}),
                         RowName());

// All 108 boundaries, each written to the minute as an almanac writes it: on the boundary the new
// pada begins; a thousandth of an arc-second before it, the old one still runs.
TEST(NakshatraOf, opens_each_pada_exactly_on_its_boundary) {
    for (int k = 0; k < 108; ++k) {
        const int minutes = k * 200;  // 3°20′ = 200′
        const double boundary = minutes / 60 + (minutes % 60) / 60.0;
        const NakshatraPada on = NakshatraOf(boundary);
        EXPECT_EQ(on.nakshatra, k / 4) << boundary;
        EXPECT_EQ(on.pada, k % 4 + 1) << boundary;
        const int before = (k + 107) % 108;
        const NakshatraPada justBefore = NakshatraOf(boundary - 1.0 / 3.6e6);
        EXPECT_EQ(justBefore.nakshatra, before / 4) << boundary;
        EXPECT_EQ(justBefore.pada, before % 4 + 1) << boundary;
    }
    // A thousandth of an arc-second before the turn closes is still Revati; 360° is Ashwini again.
    EXPECT_EQ(NakshatraOf(360.0 - 1.0 / 3.6e6).Name(), "Revati");
    EXPECT_EQ(NakshatraOf(360.0).Name(), "Ashwini");
}

TEST(NakshatraText, names_the_mansion_and_its_pada) {
    EXPECT_EQ(NakshatraText(NakshatraOf(125.9)), "Magha, pada 2");
    EXPECT_EQ(NakshatraText(NakshatraOf(300.0)), "Dhanishta, pada 3");
}

}  // namespace
}  // namespace vela::upagraha
