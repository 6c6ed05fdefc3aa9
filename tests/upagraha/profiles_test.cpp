// Convention profiles: their lord orders, the point of each upagraha's portion, on day and night
// births of every weekday, and how a profile is named, described and remembered.
//
// The expected lords come from the rules as the texts state them, not from the program's tables:
//  - eight-place cycle: Sun, Moon, Mars, Merc, Jup, Ven, Sat and the lordless portion as one cycle
//    of eight; a day starts at its own lord, a night at the lord four places on in the weekday order;
//  - seven lords: the weekday order from the day's own lord, the eighth portion lordless; a night
//    starts at the lord of the fifth weekday counted from the day's (Sunday night with Jupiter);
//  - eight-place cycle, nights four places on: the same cycle of eight, a night starting four places
//    of the cycle (the lordless place counted) after the day's first portion;
//  - the Kerala ghati rule for Maandi: G ghatis of the day's (night's) thirty after sunrise (sunset),
//    G = 26, 22, 18, 14, 10, 6, 2 by day and 10, 6, 2, 26, 22, 18, 14 by night, Sunday to Saturday.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/upagraha/sun_state.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha.h"

namespace {

using namespace vela;
using namespace vela::upagraha;
constexpr std::string_view kNoLord = "\u2014";
constexpr std::array<std::string_view, 7> kWeekdayLords = {"Sun", "Moon", "Mars", "Merc", "Jup", "Ven", "Sat"};

// The text of the lord the rule gives.
std::string_view LordText(LordOrder order, int w, bool byDay, int k) {
    return PlanetText(PortionLord(order, w, byDay, k));
}

// The lord of portion k (0..7) on weekday w (0 = Sunday), by day or by night, under each order.
std::string_view ExpectedLord(LordOrder order, int w, bool byDay, int k) {
    if (order == LordOrder::EightPlaceNightFourOn) {
        const int place = (w + (byDay ? 0 : 4) + k) % 8;  // the day's lord stands at place w of the cycle
        return place == 7 ? kNoLord : kWeekdayLords[static_cast<std::size_t>(place)];
    }
    const int first = byDay ? w : (w + 4) % 7;  // the fifth weekday counted from the day's own
    if (order == LordOrder::SevenLords)
        return k == 7 ? kNoLord : kWeekdayLords[static_cast<std::size_t>((first + k) % 7)];
    const int place = (first + k) % 8;  // the lordless portion is the eighth place of the cycle
    return place == 7 ? kNoLord : kWeekdayLords[static_cast<std::size_t>(place)];
}

TEST(LordOrders, follow_their_rules_for_every_weekday_day_and_night) {
    for (const LordOrder order :
         {LordOrder::EightPlaceCycle, LordOrder::SevenLords, LordOrder::EightPlaceNightFourOn}) {
        for (int w = 0; w < 7; ++w) {
            for (int k = 0; k < 8; ++k) {
                EXPECT_EQ(LordText(order, w, true, k), ExpectedLord(order, w, true, k)) << w << " " << k;
                EXPECT_EQ(LordText(order, w, false, k), ExpectedLord(order, w, false, k)) << w << " " << k;
            }
        }
    }
    // Rows written out: Monday's day and Sunday's night under both orders.
    using Row = std::array<std::string_view, 8>;
    const auto row = [](LordOrder order, int w, bool byDay) {
        Row r{};
        for (int k = 0; k < 8; ++k) r[static_cast<std::size_t>(k)] = LordText(order, w, byDay, k);
        return r;
    };
    EXPECT_EQ(row(LordOrder::SevenLords, 1, true), (Row{"Moon", "Mars", "Merc", "Jup", "Ven", "Sat", "Sun", kNoLord}));
    EXPECT_EQ(row(LordOrder::EightPlaceCycle, 1, true),
              (Row{"Moon", "Mars", "Merc", "Jup", "Ven", "Sat", kNoLord, "Sun"}));
    EXPECT_EQ(row(LordOrder::SevenLords, 0, false), (Row{"Jup", "Ven", "Sat", "Sun", "Moon", "Mars", "Merc", kNoLord}));
    EXPECT_EQ(row(LordOrder::EightPlaceCycle, 0, false),
              (Row{"Jup", "Ven", "Sat", kNoLord, "Sun", "Moon", "Mars", "Merc"}));
    // Nights four places on: the same as the weekday rule from Sunday to Tuesday, another first
    // portion from Wednesday (the lordless place) to Saturday (Mars, not Mercury).
    for (int w = 0; w < 3; ++w)
        EXPECT_EQ(row(LordOrder::EightPlaceNightFourOn, w, false), row(LordOrder::EightPlaceCycle, w, false)) << w;
    EXPECT_EQ(row(LordOrder::EightPlaceNightFourOn, 3, false),
              (Row{kNoLord, "Sun", "Moon", "Mars", "Merc", "Jup", "Ven", "Sat"}));
    EXPECT_EQ(row(LordOrder::EightPlaceNightFourOn, 6, false),
              (Row{"Mars", "Merc", "Jup", "Ven", "Sat", kNoLord, "Sun", "Moon"}));
    for (int w = 3; w < 7; ++w)
        EXPECT_NE(row(LordOrder::EightPlaceNightFourOn, w, false), row(LordOrder::EightPlaceCycle, w, false)) << w;
}

// A birth at hour:minute on a day of January 2000, with sunsets at 18:40 and sunrises at 06:12.
upagraha::UpagrahaInput Birth(int day, int hour, int minute) {
    return test_support::StateWithSun(2000, 1, day, hour, minute, {18, 40}, {6, 12}, {18, 40}, {6, 12});
}

// The ruling planet of each upagraha, Kaala to Maandi.
constexpr std::array<std::string_view, 6> kRulers = {"Sun", "Mars", "Merc", "Jup", "Sat", "Sat"};

struct ProfileCase {
    ConventionProfile profile;
    std::array<double, 6> fractions;  // where in its portion each upagraha falls: 0, 0.5 or 1
};

TEST(Profiles, place_each_upagraha_at_its_point_of_its_lords_portion_on_every_weekday_day_and_night) {
    const auto& named = NamedProfiles();
    const ProfileCase cases[] = {
        {named[0], {0.5, 0.5, 0.5, 0.5, 0.5, 0.5}},  // original: all at the middle
        {named[1], {0.5, 0.5, 0.5, 0.5, 0.0, 0.5}},  // Gulika at the start, Maandi at the middle
        {named[2], {0.5, 0.5, 0.5, 0.5, 0.5, 0.5}},  // seven lords, all at the middle
        {named[3], {0.0, 0.0, 0.0, 0.0, 0.0, 0.0}},  // all at the start
        {*ParseProfileSpec(";lords=eight-night-four-on").profile, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5}},
        {CustomProfile(LordOrder::SevenLords,
                       {PortionPoint::End, PortionPoint::Start, PortionPoint::Middle, PortionPoint::End,
                        PortionPoint::Start, PortionPoint::End},
                       SunriseEvent::DiscCentreWithoutRefraction),
         {1.0, 0.0, 0.5, 1.0, 0.0, 1.0}},
    };
    for (const ProfileCase& c : cases) {
        // 2 to 8 January 2000 ran from Sunday to Saturday; noon is by day, 22:00 by night.
        for (int w = 0; w < 7; ++w) {
            for (const bool byDay : {true, false}) {
                const auto u = upagraha::CalculateUpagrahas(Birth(2 + w, byDay ? 12 : 22, 0), c.profile);
                const std::string where =
                    std::string(c.profile.name) + " weekday " + std::to_string(w) + (byDay ? " by day" : " by night");
                ASSERT_EQ(u.birthByDay, byDay) << where;
                ASSERT_EQ(u.weekday, w) << where;
                for (int k = 0; k < 8; ++k)
                    EXPECT_EQ(PlanetText(u.portions[static_cast<std::size_t>(k)].lord),
                              ExpectedLord(c.profile.lordOrder, w, byDay, k))
                        << where << " portion " << k;
                for (std::size_t i = 0; i < kRulers.size(); ++i) {
                    if (c.profile.points[i] == PortionPoint::Ghatis) continue;
                    int k = 0;
                    while (ExpectedLord(c.profile.lordOrder, w, byDay, k) != kRulers[i]) ++k;
                    EXPECT_EQ(u.portionIndex[i], k) << where << " upagraha " << i;
                    const auto& p = u.portions[static_cast<std::size_t>(k)];
                    EXPECT_NEAR(u.moments[i], p.start + c.fractions[i] * (p.end - p.start), 1e-9)
                        << where << " upagraha " << i;
                }
            }
        }
    }
}

TEST(Profiles, part_gulika_from_maandi_only_where_their_points_differ) {
    // Sunday noon: the day of 12 h 28 min has portions of 93.5 min, and Saturn rules the seventh,
    // from 06:12 + 6 x 93.5 min = 15:33 to 17:06:30.
    const auto s = Birth(2, 12, 0);
    const auto original = upagraha::CalculateUpagrahas(s);
    EXPECT_NEAR(original.moments[4], 15 + 33 / 60.0 + 46.75 / 60, 1e-9);
    EXPECT_EQ(original.moments[4], original.moments[5]);
    EXPECT_EQ(original.longitudes[4], original.longitudes[5]);

    const auto gulikaStart = upagraha::CalculateUpagrahas(s, *FindProfile("gulika-start"));
    EXPECT_NEAR(gulikaStart.moments[4], 15 + 33 / 60.0, 1e-9);
    EXPECT_NE(gulikaStart.longitudes[4], gulikaStart.longitudes[5]);
    // Maandi stays where the original has both.
    EXPECT_EQ(gulikaStart.moments[5], original.moments[5]);
}

TEST(Profiles, are_found_by_their_exact_names) {
    ASSERT_EQ(NamedProfiles().size(), 5u);
    EXPECT_EQ(NamedProfiles()[0], kOriginalProfile);
    for (const char* name : {"original", "gulika-start", "seven-lords", "all-at-start", "kerala", "precise"}) {
        const auto found = FindProfile(name);
        ASSERT_TRUE(found.has_value()) << name;
        EXPECT_EQ(found->name, name);
    }
    for (const char* name : {"Original", "custom", "", "seven lords", "original "})
        EXPECT_FALSE(FindProfile(name).has_value()) << name;
}

TEST(Profiles, describe_themselves_from_their_settings) {
    EXPECT_EQ(DescribeProfile(kOriginalProfile),
              "eight-place cycle of lords; every upagraha at the middle of its portion; "
              "sunrise at the upper limb with refraction");
    EXPECT_EQ(DescribeProfile(*FindProfile("gulika-start")),
              "eight-place cycle of lords; Gulika at the start, the others at the middle of their portions; "
              "sunrise at the centre of the disc without refraction");
    EXPECT_EQ(DescribeProfile(*FindProfile("seven-lords")),
              "seven lords in weekday order, the eighth portion lordless; every upagraha at the middle of its "
              "portion; sunrise at the upper limb with refraction");
    const auto custom = CustomProfile(LordOrder::EightPlaceCycle,
                                      {PortionPoint::End, PortionPoint::End, PortionPoint::End, PortionPoint::Start,
                                       PortionPoint::Middle, PortionPoint::End},
                                      SunriseEvent::UpperLimbWithRefraction);
    EXPECT_EQ(DescribeProfile(custom),
              "eight-place cycle of lords; Yamaghantaka at the start, Gulika at the middle, the others at the end "
              "of their portions; sunrise at the upper limb with refraction");
}

TEST(ProfileSettings, read_back_what_they_wrote_and_refuse_anything_else) {
    const auto custom = CustomProfile(LordOrder::SevenLords,
                                      {PortionPoint::Start, PortionPoint::Middle, PortionPoint::End,
                                       PortionPoint::Middle, PortionPoint::Start, PortionPoint::Middle},
                                      SunriseEvent::DiscCentreWithoutRefraction);
    const std::string text = ProfileSettingsText(custom);
    EXPECT_EQ(text, "lords=seven;points=start,middle,end,middle,start,middle;sunrise=disc-centre");
    EXPECT_EQ(ParseProfileSettings(text), custom);
    const auto original = ParseProfileSettings(
        "lords=eight;points=middle,middle,middle,middle,middle,middle;"
        "sunrise=upper-limb");
    ASSERT_TRUE(original.has_value());
    EXPECT_TRUE(original->Values() == kOriginalProfile.Values());
    EXPECT_EQ(original->name, kCustomName);
    // The axes added later, written only where they leave the original's value.
    ConventionProfile every = custom;
    every.points[5] = PortionPoint::Ghatis;
    every.vyatipata = VyatipataChoice::DhumaPlus53Deg20;
    every.ephemeris = EphemerisChoice::Precise;
    every.ayanamsa = AyanamsaChoice::Lahiri;
    EXPECT_EQ(ProfileSettingsText(every),
              "lords=seven;points=start,middle,end,middle,start,ghatis;sunrise=disc-centre;vyatipata=dhuma-plus-53-20;"
              "ephemeris=precise;ayanamsa=lahiri");
    EXPECT_EQ(ParseProfileSettings(ProfileSettingsText(every)), every);

    for (const char* damaged : {
             "",
             "lords=eight",
             "lords=nine;points=middle,middle,middle,middle,middle,middle;sunrise=upper-limb",
             "lords=eight;points=middle,middle,middle,middle,middle;sunrise=upper-limb",
             "lords=eight;points=middle,middle,middle,middle,middle,middle,middle;sunrise=upper-limb",
             "lords=eight;points=middle,middle,,middle,middle,middle;sunrise=upper-limb",
             "lords=eight;points=middle,middle,middle,middle,middle,centre;sunrise=upper-limb",
             "lords=eight;points=middle,middle,middle,middle,middle,middle;sunrise=lower-limb",
             "lords=eight;points=middle,middle,middle,middle,middle,middle;sunrise=upper-limb;extra=1",
             "lords=eight;points=middle,middle,middle,middle,ghatis,middle;sunrise=upper-limb",
             "lords=eight;points=middle,middle,middle,middle,middle,middle;sunrise=upper-limb;",
             "lords=eight;points=middle,middle,middle,middle,middle,middle;sunrise=upper-limb;ayanamsa=lahiri;"
             "ephemeris=precise",
             "lords=eight;points=middle,middle,middle,middle,middle,middle;sunrise=upper-limb;ayanamsa=lahri",
             "points=middle,middle,middle,middle,middle,middle;lords=eight;sunrise=upper-limb",
             "lords =eight;points=middle,middle,middle,middle,middle,middle;sunrise=upper-limb",
         })
        EXPECT_FALSE(ParseProfileSettings(damaged).has_value()) << damaged;
}

TEST(Profiles, put_maandi_by_the_kerala_ghatis_on_every_weekday_day_and_night) {
    // The day runs 06:12 to 18:40 (748 minutes), the night 18:40 to 06:12 (692 minutes). G ghatis
    // of thirty: Sunday by day 26 x 748 / 30 = 648.27 min after sunrise, 17:00:16; Sunday night
    // 10 x 692 / 30 = 230.67 min after sunset, 22:30:40.
    constexpr std::array<int, 7> kDayGhatis = {26, 22, 18, 14, 10, 6, 2};
    constexpr std::array<int, 7> kNightGhatis = {10, 6, 2, 26, 22, 18, 14};
    const ConventionProfile kerala = *FindProfile("kerala");
    for (int w = 0; w < 7; ++w) {
        for (const bool byDay : {true, false}) {
            const auto u = upagraha::CalculateUpagrahas(Birth(2 + w, byDay ? 12 : 22, 0), kerala);
            const auto original = upagraha::CalculateUpagrahas(Birth(2 + w, byDay ? 12 : 22, 0));
            const double g =
                byDay ? kDayGhatis[static_cast<std::size_t>(w)] : kNightGhatis[static_cast<std::size_t>(w)];
            const double expected = byDay ? 6.2 + g / 30 * 748 / 60 : 18 + 40 / 60.0 + g / 30 * 692 / 60;
            EXPECT_NEAR(u.moments[5], expected, 1e-9) << w << byDay;
            EXPECT_EQ(u.portionIndex[5], static_cast<int>(g * 8 / 30)) << w << byDay;
            // The others stay at the middle of their portions, as under the original.
            for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(u.moments[i], original.moments[i]) << w << byDay << i;
        }
    }
    EXPECT_NEAR(upagraha::CalculateUpagrahas(Birth(2, 12, 0), kerala).moments[5], 17 + 16.0 / 3600, 1e-3);
    EXPECT_NEAR(upagraha::CalculateUpagrahas(Birth(2, 22, 0), kerala).moments[5], 22.5 + 40.0 / 3600, 1e-3);
}

TEST(Conventions, are_set_axis_by_axis_and_named_by_what_they_hold) {
    ConventionProfile p = kOriginalProfile;
    EXPECT_FALSE(ApplyConvention(p, "gulika=start"));
    EXPECT_EQ(p.name, kCustomName);
    EXPECT_FALSE(ApplyConvention(p, "sunrise=disc-centre"));
    EXPECT_EQ(p.name, "gulika-start");  // exactly the preset's values again
    EXPECT_FALSE(ApplyConvention(p, "vyatipata=dhuma-plus-53-20"));
    EXPECT_EQ(p.vyatipata, VyatipataChoice::DhumaPlus53Deg20);
    EXPECT_EQ(p.name, kCustomName);
    const ConventionProfile before = p;
    struct Refusal {
        const char* setting;
        const char* message;
    };
    for (const Refusal& r : {
             Refusal{"gulika=ghatis", "gulika takes start, middle or end, not \"ghatis\""},
             Refusal{"lords=nine", "lords takes eight, seven or eight-night-four-on, not \"nine\""},
             Refusal{"sunrise",
                     "\"sunrise\" is not AXIS=VALUE with one of the axes lords, kaala, mrityu, "
                     "arthaprahaara, yamaghantaka, gulika, maandi, sunrise, vyatipata, ephemeris, ayanamsa, hora, "
                     "drekkana or trimsamsa"},
             Refusal{"Lords=seven",
                     "\"Lords=seven\" is not AXIS=VALUE with one of the axes lords, kaala, mrityu, "
                     "arthaprahaara, yamaghantaka, gulika, maandi, sunrise, vyatipata, ephemeris, ayanamsa, "
                     "hora, drekkana or trimsamsa"},
         }) {
        EXPECT_EQ(ApplyConvention(p, r.setting), std::optional<std::string>(r.message)) << r.setting;
        EXPECT_EQ(p, before) << r.setting;
    }

    // The batch's spelling: a preset's name and settings on top of it, read back from its own text.
    for (const char* spec : {"kerala", "seven-lords;maandi=ghatis;sunrise=disc-centre-refracted",
                             ";ephemeris=precise;ayanamsa=lahiri", "custom;lords=eight-night-four-on"}) {
        const ProfileSpec parsed = ParseProfileSpec(spec);
        ASSERT_TRUE(parsed.profile) << spec << ": " << parsed.error;
        const ProfileSpec again = ParseProfileSpec(ProfileSpecText(*parsed.profile));
        ASSERT_TRUE(again.profile) << spec;
        EXPECT_EQ(*again.profile, *parsed.profile) << spec;
    }
    EXPECT_EQ(ParseProfileSpec(";ephemeris=precise;ayanamsa=lahiri").profile->name, "precise");
    EXPECT_EQ(ParseProfileSpec("vedic").error, "\"vedic\" is not a profile (--profiles lists them)");
    EXPECT_FALSE(ParseProfileSpec("kerala;maandi=late").profile);
}

TEST(Profiles, name_their_points_and_events_for_the_sunrise_stage) {
    EXPECT_EQ(PointFraction(PortionPoint::Start), 0);
    EXPECT_EQ(PointFraction(PortionPoint::Middle), 0.5);
    EXPECT_EQ(PointFraction(PortionPoint::End), 1);
    // cos(90 deg 50') for the upper limb with refraction, cos(90 deg) for the centre without it.
    EXPECT_NEAR(ZenithCosine(SunriseEvent::UpperLimbWithRefraction), -0.0145439, 1e-7);
    EXPECT_EQ(ZenithCosine(SunriseEvent::DiscCentreWithoutRefraction), 0);
    // cos(90 deg 34'): the centre seen on the horizon through 34' of refraction.
    EXPECT_NEAR(ZenithCosine(SunriseEvent::DiscCentreWithRefraction), -0.0098900, 1e-7);
}

}  // namespace
