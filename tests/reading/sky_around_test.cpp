// The sky around the upagrahas through the driver: the nine grahas against published positions,
// the precise profile's ascendant, sunrises and polar dates, and the far-North warning.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "reading/calculation_driver.h"
#include "reading/result_summary.h"
#include "reading/sky_around.h"
#include "reading/working.h"
#include "tests/support/reference_forms.h"
#include "tests/support/test_names.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;
using reading::CalculationRequest;
using reading::RunCalculation;

constexpr CalculationRequest kWithGrahas{true, true};

// A birth at Greenwich on the given date and clock time of Greenwich Mean Time.
reading::BirthForm GreenwichForm(int year, int month, int day, int hour, int minute) {
    reading::BirthForm f = NewDelhiForm(std::to_string(hour), std::to_string(minute));
    f.year = std::to_string(year);
    f.month = month - 1;
    f.day = std::to_string(day);
    f.zoneRow = 29;  // "Greenwich Mean Time,GMT,0.0"
    f.latDegrees = "51";
    f.latMinutes = "28";
    f.lonDegrees = "0";
    f.lonMinutes = "0";
    f.lonDirection = reading::LonChoice::West;
    f.city = "Greenwich";
    f.state = "London";
    f.country = "England";
    return f;
}

double Circle(double degrees) { return std::remainder(degrees, 360.0); }

// Apparent geocentric longitudes from J. Meeus, Astronomical Algorithms (2nd ed., 1998), each at
// 0h dynamical time, read at the whole minute of UT before it (Delta T was 59 s in 1992, so the
// birth minute lies a second before the example's moment).
struct PublishedPosition {
    const char* name;
    int year, month, day, hour, minute;  // GMT
    sky::Graha graha;
    double tropicalDegrees;
    double toleranceDegrees;
};

class PublishedGraha : public ::testing::TestWithParam<PublishedPosition> {};

TEST_P(PublishedGraha, stands_where_the_almanac_puts_it_once_the_ayanamsa_is_added_back) {
    const auto& c = GetParam();
    reading::Reading s;
    const auto out = RunCalculation(GreenwichForm(c.year, c.month, c.day, c.hour, c.minute), upagraha::kPreciseProfile,
                                    s, kWithGrahas);
    ASSERT_TRUE(out.Succeeded()) << out.message->text;
    ASSERT_TRUE(s.sky.has_value());
    const auto& point = s.sky->grahas[static_cast<std::size_t>(c.graha)];
    EXPECT_NEAR(Circle(point.longitudeDegrees + s.sky->ayanamsaDegrees - c.tropicalDegrees), 0, c.toleranceDegrees);
}

INSTANTIATE_TEST_SUITE_P(
    Meeus, PublishedGraha,
    ::testing::Values(
        // Example 47.a: the Moon on 1992 April 12, 0h TD, apparent longitude 133.167265 deg (the
        // example's truncated lunar theory: within 10").
        PublishedPosition{"moon_12_april_1992", 1992, 4, 11, 23, 59, sky::Graha::Moon, 133.167265, 0.005},
        // Example 25.b: the Sun on 1992 October 13, 0h TD, apparent longitude 199 deg 54' 21.818".
        PublishedPosition{"sun_13_october_1992", 1992, 10, 12, 23, 59, sky::Graha::Sun,
                          199.0 + 54 / 60.0 + 21.818 / 3600, 0.001},
        // Example 33.a: Venus on 1992 December 20, 0h TD, apparent longitude 313.08102 deg.
        PublishedPosition{"venus_20_december_1992", 1992, 12, 19, 23, 59, sky::Graha::Venus, 313.08102, 0.001}),
    RowName());

// Lahiri's ayanamsa as the Calendar Reform Committee fixed it (Report of the Calendar Reform
// Committee, Government of India, 1955): 23 deg 15' 00" on 21 March 1956; the true ayanamsa adds the
// nutation in longitude (+16" that day), so 20" either way.
TEST(SkyAround, subtracts_lahiris_ayanamsa_as_the_calendar_reform_committee_fixed_it) {
    reading::Reading s;
    ASSERT_TRUE(
        RunCalculation(GreenwichForm(1956, 3, 21, 0, 0), upagraha::kPreciseProfile, s, kWithGrahas).Succeeded());
    ASSERT_TRUE(s.sky.has_value());
    EXPECT_NEAR(s.sky->ayanamsaDegrees, 23.25, 20 / 3600.0);
}

// The Moon of Example 47.a (133.167 deg tropical) less Lahiri's ayanamsa of April 1992 (23 deg 45')
// is 109.4 deg sidereal: Cancer 19 deg 25', in Ashlesha (106 deg 40' to 120 deg), pada 1. Its
// sign, nakshatra and pada are the janma rasi and nakshatra of the result's header; the mean
// node always moves backwards; the Sun's Dhuma lies 133 deg 20' ahead of the Sun.
TEST(SkyAround, places_the_moon_in_its_rasi_and_nakshatra_for_the_result_header) {
    reading::Reading s;
    const auto out = RunCalculation(GreenwichForm(1992, 4, 11, 23, 59), upagraha::kPreciseProfile, s, kWithGrahas);
    ASSERT_TRUE(out.Succeeded());
    ASSERT_TRUE(s.sky.has_value());
    const auto& moon = s.sky->Moon();
    EXPECT_EQ(moon.name, "Moon");
    EXPECT_EQ(moon.SignName(), "Cancer");
    EXPECT_EQ(moon.degreesText, "19\u00b024\u2032");
    EXPECT_EQ(moon.NakshatraName(), "Ashlesha");
    EXPECT_EQ(moon.pada, 1);
    const auto header = reading::BuildHeader(s, out.upagrahas);
    EXPECT_EQ(header.janmaRasi, "Janma rasi Cancer");
    EXPECT_EQ(header.janmaNakshatra, "Janma nakshatra Ashlesha, pada 1");
    EXPECT_EQ(header.janmaRasiSign, 3);

    const auto& rahu = s.sky->grahas[7];
    const auto& ketu = s.sky->grahas[8];
    EXPECT_TRUE(rahu.retrograde);
    EXPECT_TRUE(ketu.retrograde);
    EXPECT_NEAR(std::fabs(Circle(ketu.longitudeDegrees - rahu.longitudeDegrees)), 180, 1e-9);
    EXPECT_EQ((ketu.house - rahu.house + 12) % 12, 6);
    EXPECT_NEAR(Circle(s.sky->sunUpagrahas[0].longitudeDegrees - s.sky->grahas[0].longitudeDegrees), 133 + 1 / 3.0,
                1e-9);
}

// The true node swings about the mean one by the terms J. Meeus gives for it (Astronomical
// Algorithms, 2nd ed., ch. 47: -1.4979 sin 2(D - F) - 0.1500 sin M + 0.1226 sin 2D + 0.1176 sin 2F
// - 0.0801 sin 2(L' - F) degrees), so by less than 2 degrees; Ketu stays opposite it.
TEST(SkyAround, takes_the_true_node_on_request_near_the_mean_one) {
    reading::Reading mean;
    reading::Reading osculating;
    reading::CalculationRequest trueNode = kWithGrahas;
    trueNode.node = sky::NodeKind::True;
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), upagraha::kPreciseProfile, mean, kWithGrahas).Succeeded());
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), upagraha::kPreciseProfile, osculating, trueNode).Succeeded());
    ASSERT_TRUE(mean.sky && osculating.sky);
    EXPECT_EQ(osculating.sky->node, sky::NodeKind::True);
    const double swing = Circle(osculating.sky->grahas[7].longitudeDegrees - mean.sky->grahas[7].longitudeDegrees);
    EXPECT_LT(std::fabs(swing), 1.968);
    EXPECT_NE(swing, 0);
    EXPECT_NEAR(
        std::fabs(Circle(osculating.sky->grahas[8].longitudeDegrees - osculating.sky->grahas[7].longitudeDegrees)), 180,
        1e-9);
}

// Without the request nothing changes: no sky, the report of the upagrahas alone. With it, the
// report gains one section after the upagrahas and keeps every byte before it.
TEST(SkyAround, is_opt_in_and_adds_its_section_after_the_report) {
    reading::Reading plain;
    reading::Reading withSky;
    const auto a = RunCalculation(NewDelhiForm(), plain);
    const auto b = RunCalculation(NewDelhiForm(), upagraha::kOriginalProfile, withSky, kWithGrahas);
    ASSERT_TRUE(a.Succeeded());
    ASSERT_TRUE(b.Succeeded());
    EXPECT_FALSE(plain.sky.has_value());
    ASSERT_TRUE(withSky.sky.has_value());
    const std::string before = upagraha::ReportPlainText(a.report);
    const std::string after = upagraha::ReportPlainText(b.report);
    ASSERT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(after.substr(before.size(), reading::kSkyAroundHeading.size()), reading::kSkyAroundHeading);
    EXPECT_EQ(b.report.runs.size(), a.report.runs.size() + 2);
    for (const char* name :
         {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu", "Dhuma", "Upaketu"})
        EXPECT_NE(after.find(std::string("  ") + name + " "), std::string::npos) << name;
    EXPECT_EQ(reading::BuildHeader(plain, a.upagrahas).janmaRasi, "");
    const reading::Sensitivity none;
    EXPECT_EQ(reading::WorkingText(plain, a.upagrahas, none).find("The sky at the birth moment"), std::string::npos);
    EXPECT_NE(reading::WorkingText(withSky, b.upagrahas, none).find("The sky at the birth moment"), std::string::npos);
    // The same upagrahas either way.
    EXPECT_EQ(a.upagrahas.longitudes, b.upagrahas.longitudes);
}

// The precise profile at New Delhi on 21 June 1975 against the almanac's upper-limb events
// (05:24 rising, 19:22 setting, Indian time), and its ascendant beside the original's: the two
// ayanamsas and models differ by minutes of arc, never by a sign's worth.
TEST(PreciseProfile, times_the_sunrise_as_the_almanac_and_keeps_the_ascendant_near_the_originals) {
    reading::BirthForm form = NewDelhiForm();
    form.day = "21";
    reading::Reading original;
    reading::Reading precise;
    ASSERT_TRUE(RunCalculation(form, original).Succeeded());
    ASSERT_TRUE(RunCalculation(form, upagraha::kPreciseProfile, precise).Succeeded());
    const double midnight = astro::DateSerial(1975, 6, 21);
    EXPECT_NEAR((precise.birthSunrise - midnight) * 1440, 5 * 60 + 24, 1.0);
    EXPECT_NEAR((precise.birthSunset - midnight) * 1440, 19 * 60 + 22, 1.0);
    EXPECT_NEAR(Circle(precise.birthAscendant.value - original.birthAscendant.value), 0, 0.2);
    EXPECT_EQ(precise.profile.name, "precise");
}

TEST(PreciseProfile, is_found_by_name_and_described_with_its_ephemeris) {
    const auto found = upagraha::FindProfile("precise");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->ephemeris, upagraha::EphemerisChoice::Precise);
    EXPECT_EQ(found->ayanamsa, upagraha::AyanamsaChoice::Lahiri);
    EXPECT_TRUE(found->Values() == upagraha::kPreciseProfile.Values());
    EXPECT_FALSE(found->Values() == upagraha::kOriginalProfile.Values());
    EXPECT_NE(upagraha::DescribeProfile(*found).find("precise ephemeris with Lahiri's ayanamsa"), std::string::npos);
    EXPECT_EQ(upagraha::DescribeProfile(upagraha::kOriginalProfile).find("ephemeris"), std::string::npos);
}

// Tromso (69 deg 39' N, 18 deg 57' E) in 1990, on Central European summer time from 25 March to
// 30 September. The Sun's upper limb stays above the horizon there from the second half of May to
// the last week of July and below it from the end of November to the middle of January; in
// between it rises and sets every day, and late in July its sunset falls just after local
// midnight (the place's midnight is at 00:50 on summer time).
reading::BirthForm Tromso1990(int month, int day, const char* hour, const char* minute, bool summerTime) {
    reading::BirthForm f = TromsoForm(month, day, hour);
    f.year = "1990";
    f.minute = minute;
    f.dst = summerTime;
    return f;
}

struct PolarDate {
    const char* name;
    int month, day;
    const char* hour;
    const char* minute;
    bool summerTime;
    bool risesAndSets;  // the three dates around it all have a sunrise and a sunset
};

class PreciseTromso : public ::testing::TestWithParam<PolarDate> {};

TEST_P(PreciseTromso, calculates_every_date_on_which_the_sun_rises_and_sets) {
    const auto& c = GetParam();
    reading::Reading s;
    const auto out =
        RunCalculation(Tromso1990(c.month, c.day, c.hour, c.minute, c.summerTime), upagraha::kPreciseProfile, s);
    if (!c.risesAndSets) {
        ASSERT_FALSE(out.Succeeded());
        EXPECT_EQ(out.message->text, reading::kNoSunriseMessage);
        return;
    }
    ASSERT_TRUE(out.Succeeded()) << out.message->text;
    EXPECT_FALSE(out.farNorth);  // the precise profile computes it
    EXPECT_LT(s.prevSunrise, s.prevSunset);
    EXPECT_LT(s.prevSunset, s.birthSunrise);
    EXPECT_LT(s.birthSunrise, s.birthSunset);
    EXPECT_LT(s.birthSunset, s.nextSunrise);
    EXPECT_LT(s.nextSunrise, s.nextSunset);
}

INSTANTIATE_TEST_SUITE_P(Tromso1990, PreciseTromso,
                         ::testing::Values(PolarDate{"late_july_after_midnight", 7, 28, "0", "2", true, true},
                                           PolarDate{"late_july_noon", 7, 28, "12", "0", true, true},
                                           PolarDate{"end_of_july_evening", 7, 31, "23", "45", true, true},
                                           PolarDate{"mid_january_noon", 1, 17, "12", "30", false, true},
                                           PolarDate{"midsummer_has_no_sunset", 6, 21, "12", "0", true, false},
                                           PolarDate{"midwinter_has_no_sunrise", 12, 20, "12", "0", false, false}),
                         RowName());

// Late July the Sun sets a little after local midnight: the sunset of 27 July falls on 28 July,
// is kept with its own date, and is shown on the next date's clock. A birth at 00:02 on 28 July,
// before it, is still in the daylight of 27 July.
TEST(PreciseProfile, keeps_and_shows_a_sunset_after_midnight_on_the_next_date) {
    reading::Reading s;
    const auto form = Tromso1990(7, 28, "0", "2", true);
    const auto out = RunCalculation(form, upagraha::kPreciseProfile, s);
    ASSERT_TRUE(out.Succeeded());
    const double dayBefore = astro::DateSerial(1990, 7, 27);
    EXPECT_GT(s.prevSunset, dayBefore + 1);
    EXPECT_LT(s.prevSunset, dayBefore + 1 + 1 / 24.0);
    EXPECT_TRUE(out.upagrahas.birthByDay);
    EXPECT_EQ(out.upagrahas.reckonedDay, -1);
    const std::string text = reading::WorkingText(s, out.upagrahas, reading::Sensitivity{});
    const std::string set = reading::ClockText((s.prevSunset - dayBefore) * 24, true);
    EXPECT_EQ(set.substr(8), " (+1)");  // to the second: the precise ephemeris' sunset
    EXPECT_NE(text.find("Day before  July 27,1990       rise "), std::string::npos) << text;
    EXPECT_NE(text.find("set " + set + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("after midnight, on the next date"), std::string::npos) << text;
}

struct Latitude {
    const char* name;
    const char* degrees;
    const char* minutes;
    bool south;
    bool precise;
    bool warned;
};

class FarNorth : public ::testing::TestWithParam<Latitude> {};

TEST_P(FarNorth, warns_from_60_degrees_under_the_originals_formulas_only) {
    const auto& c = GetParam();
    reading::BirthForm form = NewDelhiForm();
    form.month = 2;  // 15 March: the Sun rises and sets everywhere
    form.latDegrees = c.degrees;
    form.latMinutes = c.minutes;
    form.latDirection = c.south ? reading::LatChoice::South : reading::LatChoice::North;
    reading::Reading s;
    const auto out = RunCalculation(form, c.precise ? upagraha::kPreciseProfile : upagraha::kOriginalProfile, s);
    ASSERT_TRUE(out.Succeeded());
    EXPECT_EQ(out.farNorth, c.warned);
    const bool listed =
        std::find(out.warnings.begin(), out.warnings.end(), reading::kFarNorthWarning) != out.warnings.end();
    EXPECT_EQ(listed, c.warned);
}

INSTANTIATE_TEST_SUITE_P(Latitudes, FarNorth,
                         ::testing::Values(Latitude{"at_59_59_north", "59", "59", false, false, false},
                                           Latitude{"at_60_north", "60", "0", false, false, true},
                                           Latitude{"at_60_south", "60", "0", true, false, true},
                                           Latitude{"at_70_north", "70", "0", false, false, true},
                                           Latitude{"at_70_north_precise", "70", "0", false, true, false}),
                         RowName());

}  // namespace
