// The rotation rule of the portions' lords, checked against the almanac's weekday periods.
//
// Almanacs print three periods of every weekday's daylight, each one of its eight equal portions
// (numbers 1..8 from sunrise). With a 06:00 sunrise and 18:00 sunset the portions are 90 minutes,
// and the almanac's clock times give the portions. Source: the weekday table "Rahu Kalam, Yama
// Gandam" of Spirit of Chennai (https://spiritofchennai.com/city/rahu-kalam-yama-gandam/), rows
// Rahu Kalam, Yama Gandam and Guligai Kalam, Sunday .. Saturday; the same portions are printed by
// the Rahu Kalam lessons that list it by "section of 8 divisions" (Sunday 8th, Monday 2nd, Tuesday
// 7th, Wednesday 5th, Thursday 6th, Friday 4th, Saturday 3rd).
//
// What the tradition says of them: Gulika Kalam is the portion of Saturn, and Yamagandam the
// portion of Jupiter (Yamaghantaka, the son of Jupiter). Under the seven lords in weekday order both
// hold on every weekday; under the original's eight-place cycle the lordless place shifts
// Jupiter's portion one on for Friday and Saturday, so Yamagandam is Jupiter's only Sunday ..
// Thursday. Rahu has no weekday and rules none of the eight portions under either order: its
// period never begins the day and never falls on Saturn's or Jupiter's portion.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "upagraha/planet.h"
#include "upagraha/profiles.h"

namespace {

using namespace vela::upagraha;

struct AlmanacDay {
    const char* weekday;
    int rahuKalam;    // portion 1..8 of the day
    int yamagandam;   // portion 1..8
    int gulikaKalam;  // portion 1..8
};

// Spirit of Chennai: Rahu Kalam 4:30-6:00 PM on Sunday is 10:30 h after a 06:00 sunrise, the 8th
// portion of 90 minutes; Yama Gandam 12:00-1:30 PM the 5th; Guligai 3:00-4:30 PM the 7th; and so on.
constexpr std::array<AlmanacDay, 7> kAlmanac = {{
    {"Sunday", 8, 5, 7},
    {"Monday", 2, 4, 6},
    {"Tuesday", 7, 3, 5},
    {"Wednesday", 5, 2, 4},
    {"Thursday", 6, 1, 3},
    {"Friday", 4, 7, 2},
    {"Saturday", 3, 6, 1},
}};

// The 1-based portion of the day a planet rules, 0 when it rules none.
int PortionOf(LordOrder order, int weekday, Planet planet) {
    for (int k = 0; k < 8; ++k)
        if (PortionLord(order, weekday, true, k) == planet) return k + 1;
    return 0;
}

TEST(PortionLords, give_saturn_the_almanacs_gulika_kalam_under_both_orders) {
    for (int w = 0; w < 7; ++w) {
        const AlmanacDay& day = kAlmanac[static_cast<std::size_t>(w)];
        EXPECT_EQ(PortionOf(LordOrder::EightPlaceCycle, w, Planet::Saturn), day.gulikaKalam) << day.weekday;
        EXPECT_EQ(PortionOf(LordOrder::SevenLords, w, Planet::Saturn), day.gulikaKalam) << day.weekday;
    }
}

TEST(PortionLords, give_jupiter_the_almanacs_yamagandam_but_on_friday_and_saturday_of_the_eight_place_cycle) {
    for (int w = 0; w < 7; ++w) {
        const AlmanacDay& day = kAlmanac[static_cast<std::size_t>(w)];
        EXPECT_EQ(PortionOf(LordOrder::SevenLords, w, Planet::Jupiter), day.yamagandam) << day.weekday;
        const int eightPlace = PortionOf(LordOrder::EightPlaceCycle, w, Planet::Jupiter);
        if (w < 5)
            EXPECT_EQ(eightPlace, day.yamagandam) << day.weekday;
        else  // the lordless place stands before Jupiter: one portion later
            EXPECT_EQ(eightPlace, day.yamagandam + 1) << day.weekday;
    }
}

TEST(PortionLords, leave_the_almanacs_rahu_kalam_to_neither_saturn_nor_jupiter_nor_the_first_portion) {
    for (const LordOrder order : {LordOrder::EightPlaceCycle, LordOrder::SevenLords}) {
        for (int w = 0; w < 7; ++w) {
            const AlmanacDay& day = kAlmanac[static_cast<std::size_t>(w)];
            EXPECT_NE(day.rahuKalam, 1) << day.weekday;
            EXPECT_NE(PortionOf(order, w, Planet::Saturn), day.rahuKalam) << day.weekday;
            EXPECT_NE(PortionOf(order, w, Planet::Jupiter), day.rahuKalam) << day.weekday;
        }
    }
}

TEST(PortionLords, begin_each_day_with_the_weekdays_lord_and_each_night_with_the_fifth_weekdays) {
    // Sunday is the Sun's day, Monday the Moon's ... Saturday Saturn's; the night of a weekday
    // begins with the lord of the fifth weekday counted from it (Sunday night: Thursday, Jupiter).
    constexpr std::array<Planet, 7> kDayLord = {Planet::Sun,     Planet::Moon,  Planet::Mars,  Planet::Mercury,
                                                Planet::Jupiter, Planet::Venus, Planet::Saturn};
    for (const LordOrder order : {LordOrder::EightPlaceCycle, LordOrder::SevenLords}) {
        for (int w = 0; w < 7; ++w) {
            EXPECT_EQ(PortionLord(order, w, true, 0), kDayLord[static_cast<std::size_t>(w)]) << w;
            EXPECT_EQ(PortionLord(order, w, false, 0), kDayLord[static_cast<std::size_t>((w + 4) % 7)]) << w;
        }
        // The seven lords leave the eighth portion lordless on every day and night.
        if (order != LordOrder::SevenLords) continue;
        for (int w = 0; w < 7; ++w) {
            for (const bool byDay : {true, false}) EXPECT_EQ(PortionLord(order, w, byDay, 7), Planet::NoLord);
        }
    }
}

TEST(PlanetText, names_the_lords_as_the_report_prints_them) {
    const std::array<std::string_view, 8> expected = {"Sun", "Moon", "Mars", "Merc", "Jup", "Ven", "Sat", "\u2014"};
    for (std::size_t p = 0; p < expected.size(); ++p) EXPECT_EQ(PlanetText(static_cast<Planet>(p)), expected[p]) << p;
}

}  // namespace
