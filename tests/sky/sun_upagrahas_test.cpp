// The Sun's five upagrahas against the classical rule's worked figures.
#include <gtest/gtest.h>

#include <string>

#include "sky/sun_upagrahas.h"

namespace vela::sky {
namespace {

double Dm(double d, double m) { return d + m / 60.0; }

struct Row {
    const char* name;
    double sunDegrees;
    VyatipataRule rule;
    SunUpagrahas expected;
};

// Brihat Parashara Hora Shastra 3.61-64 (Santhanam's translation): Dhuma = Sun + 4 signs 13 deg
// 20'; Vyatipata = 12 signs - Dhuma; Parivesha = Vyatipata + 6 signs; Indrachapa = 12 signs -
// Parivesha; Upaketu = Indrachapa + 16 deg 40', "and adding a sign to Upaketu gives the Sun".
// The article "Aprakash Grahas" (Scribd doc 265834778) works the first step: the Sun at 0 deg
// Cancer puts Dhuma at 13 deg 20' Scorpio, the Sun at 0 deg Scorpio puts it at 13 deg 20' Pisces.
// The rest of each row is worked by hand from those rules; the second rule (Vyatipata = Dhuma +
// 53 deg 20') is the one listed at chiraan.com, "Upagrahas in astrology" (2008).
const Row kRows[] = {
    {"sun_0_cancer", 90.0, VyatipataRule::CircleLessDhuma, {Dm(223, 20), Dm(136, 40), Dm(316, 40), Dm(43, 20), 60.0}},
    {"sun_0_scorpio",
     210.0,
     VyatipataRule::CircleLessDhuma,
     {Dm(343, 20), Dm(16, 40), Dm(196, 40), Dm(163, 20), 180.0}},
    // Dhuma passes 360: 300 + 133 deg 20' = 73 deg 20'.
    {"sun_0_aquarius",
     300.0,
     VyatipataRule::CircleLessDhuma,
     {Dm(73, 20), Dm(286, 40), Dm(106, 40), Dm(253, 20), 270.0}},
    {"sun_0_cancer_dhuma_plus",
     90.0,
     VyatipataRule::DhumaPlus53Deg20,
     {Dm(223, 20), Dm(276, 40), Dm(96, 40), Dm(263, 20), 280.0}},
};

class SunUpagrahaTest : public ::testing::TestWithParam<Row> {};

TEST_P(SunUpagrahaTest, follows_the_worked_figures) {
    const Row& row = GetParam();
    const SunUpagrahas got = CalculateSunUpagrahas(row.sunDegrees, row.rule);
    constexpr double kTolerance = 1e-9;  // exact arithmetic on thirds of a degree
    EXPECT_NEAR(got.dhumaDegrees, row.expected.dhumaDegrees, kTolerance);
    EXPECT_NEAR(got.vyatipataDegrees, row.expected.vyatipataDegrees, kTolerance);
    EXPECT_NEAR(got.pariveshaDegrees, row.expected.pariveshaDegrees, kTolerance);
    EXPECT_NEAR(got.indrachapaDegrees, row.expected.indrachapaDegrees, kTolerance);
    EXPECT_NEAR(got.upaketuDegrees, row.expected.upaketuDegrees, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(Parashara, SunUpagrahaTest, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vela::sky
