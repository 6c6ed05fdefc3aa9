// A reading under a convention profile: what the driver passes on, what it keeps, and the working's
// table that sets the profiles side by side.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "reading/working.h"
#include "tests/support/reference_forms.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;
using namespace vela::upagraha;
using reading::RunCalculation;

int MinutesOfDay(double value) { return static_cast<int>(std::lround(astro::HoursOfDay(value) * 60)); }

const ConventionProfile& Named(const char* name) {
    static const auto& named = NamedProfiles();
    for (const auto& p : named)
        if (p.name == name) return p;
    ADD_FAILURE() << name;
    return named[0];
}

TEST(ProfileReading, keeps_its_profile_and_times_the_sunrise_by_its_event) {
    reading::Reading original, centre;
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), original).Succeeded());
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), Named("gulika-start"), centre).Succeeded());
    EXPECT_EQ(original.profile, kOriginalProfile);
    EXPECT_EQ(centre.profile.name, "gulika-start");
    // New Delhi in mid-June: the centre of the disc clears the horizon about four minutes after the
    // upper limb and sinks below it about four minutes before (almanac: 05:24 and 05:28 rising,
    // 19:22 and 19:17 setting on 21 June 1975).
    for (const auto& [limb, disc] :
         {std::pair{original.birthSunrise, centre.birthSunrise}, std::pair{original.prevSunrise, centre.prevSunrise},
          std::pair{original.nextSunrise, centre.nextSunrise}}) {
        EXPECT_GE(MinutesOfDay(disc) - MinutesOfDay(limb), 3);
        EXPECT_LE(MinutesOfDay(disc) - MinutesOfDay(limb), 5);
    }
    EXPECT_GE(MinutesOfDay(original.birthSunset) - MinutesOfDay(centre.birthSunset), 3);
    EXPECT_LE(MinutesOfDay(original.birthSunset) - MinutesOfDay(centre.birthSunset), 5);
    // The birth ascendant does not depend on the conventions.
    EXPECT_EQ(original.birthAscendant, centre.birthAscendant);
}

TEST(ProfileReading, saves_the_same_file_under_every_profile) {
    reading::Reading original;
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), original).Succeeded());
    for (const auto& profile : NamedProfiles()) {
        reading::Reading s;
        ASSERT_TRUE(RunCalculation(NewDelhiForm(), profile, s).Succeeded());
        EXPECT_EQ(reading::ReadingFileText(s, s.zoneRow), reading::ReadingFileText(original, original.zoneRow))
            << profile.name;
    }
}

// 67 deg North on 21 December 1975: the Sun's upper limb rises at noon, with refraction, but the
// centre of its disc stays below the horizon (the declination is -23.4 deg).
reading::BirthForm ArcticWinterForm() {
    reading::BirthForm form = NewDelhiForm("12", "0");
    form.day = "21";
    form.month = 11;
    form.latDegrees = "67";
    form.latMinutes = "0";
    form.zoneRow = 20;  // Central European Time
    form.lonDegrees = "20";
    form.lonMinutes = "0";
    return form;
}

TEST(ProfileReading, refused_under_one_event_leaves_the_reading_before_it) {
    reading::Reading s;
    ASSERT_TRUE(RunCalculation(ArcticWinterForm(), s).Succeeded());
    const reading::Reading before = s;
    const auto refused = RunCalculation(ArcticWinterForm(), Named("gulika-start"), s);
    ASSERT_FALSE(refused.Succeeded());
    EXPECT_EQ(refused.message->text, reading::kNoSunriseMessage);
    EXPECT_EQ(s.profile, kOriginalProfile);
    EXPECT_EQ(s.birthSunrise, before.birthSunrise);
}

// New Delhi on Saturday 21 June 1975: the almanac's sunrise is 05:24 for the upper limb and 05:28
// for the centre of the disc (the times of the sunrise definition tests). A birth at 05:26 is
// Saturday's day under the upper limb, its first portion Saturn's, and still Friday's night under
// the centre of the disc, its first portion the fifth weekday's lord from Venus, Mars: one birth,
// two reckonings, every lord different.
TEST(ProfileReading, reckons_a_birth_between_the_two_sunrises_by_the_profiles_sunrise) {
    reading::BirthForm form = NewDelhiForm("5", "26");
    form.day = "21";
    struct Reckoning {
        const char* profile;
        bool byDay;
        int weekday;
        Planet firstLord;
    };
    for (const Reckoning& r :
         {Reckoning{"original", true, 6, Planet::Saturn}, Reckoning{"gulika-start", false, 5, Planet::Mars},
          Reckoning{"seven-lords", true, 6, Planet::Saturn}}) {
        reading::Reading s;
        const auto outcome = RunCalculation(form, Named(r.profile), s);
        ASSERT_TRUE(outcome.Succeeded()) << r.profile;
        EXPECT_EQ(outcome.upagrahas.birthByDay, r.byDay) << r.profile;
        EXPECT_EQ(outcome.upagrahas.weekday, r.weekday) << r.profile;
        EXPECT_EQ(outcome.upagrahas.portions[0].lord, r.firstLord) << r.profile;
    }
}

TEST(CompareConventions, reads_the_birth_under_every_named_profile_and_the_one_in_use) {
    const auto named = reading::CompareConventions(NewDelhiForm(), Named("seven-lords"));
    ASSERT_EQ(named.size(), NamedProfiles().size());
    for (std::size_t i = 0; i < named.size(); ++i) {
        EXPECT_EQ(named[i].profile, NamedProfiles()[i]);
        ASSERT_TRUE(named[i].upagrahas.has_value());
        reading::Reading s;
        const auto alone = RunCalculation(NewDelhiForm(), NamedProfiles()[i], s);
        EXPECT_EQ(named[i].upagrahas->longitudes, alone.upagrahas.longitudes);
    }
    const auto custom =
        CustomProfile(LordOrder::SevenLords, kOriginalProfile.points, SunriseEvent::UpperLimbWithRefraction);
    const auto withCustom = reading::CompareConventions(NewDelhiForm(), custom);
    ASSERT_EQ(withCustom.size(), NamedProfiles().size() + 1);
    EXPECT_EQ(withCustom.back().profile, custom);

    // Where the disc's centre never rises, that profile keeps the message instead.
    const auto arctic = reading::CompareConventions(ArcticWinterForm(), kOriginalProfile);
    ASSERT_EQ(arctic.size(), NamedProfiles().size());
    EXPECT_TRUE(arctic[0].upagrahas.has_value());
    EXPECT_FALSE(arctic[1].upagrahas.has_value());
    EXPECT_EQ(arctic[1].message, reading::kNoSunriseMessage);
}

TEST(WorkingText, adds_the_conventions_side_by_side_after_the_rest) {
    // Monday 16 June 1975, 10:30 in New Delhi: the two lord orders part at the seventh portion,
    // where the seven lords put the Sun and the eight-place cycle the lordless one.
    const reading::BirthForm form = NewDelhiForm();
    reading::BirthForm monday = form;
    monday.day = "16";
    reading::Reading s;
    const auto outcome = RunCalculation(monday, Named("gulika-start"), s);
    ASSERT_TRUE(outcome.Succeeded());
    const auto sensitivity = reading::FindBirthTimeSensitivity(monday, s.profile, 30);
    const auto conventions = reading::CompareConventions(monday, s.profile);
    const std::string plain = reading::WorkingText(s, outcome.upagrahas, sensitivity);
    const std::string text = reading::WorkingText(s, outcome.upagrahas, sensitivity, conventions);

    // Everything before the table is the working as it was, but for the point of the portions.
    ASSERT_EQ(text.substr(0, plain.size()), plain);
    EXPECT_NE(plain.find("\nUpagrahas: the ascendant rising at the profile's point of the lord's portion\n"),
              std::string::npos);
    EXPECT_EQ(plain.find("at the middle of the lord's portion"), std::string::npos);
    const std::string table = text.substr(plain.size());
    EXPECT_EQ(table.substr(0, 62), "\nThe upagrahas under each convention (in use: gulika-start)\n  ");
    // A profile's block: its heading (two blanks in) and the lines under it (four blanks in).
    const auto block = [&table](const std::string& heading) {
        const auto at = table.find("\n  " + heading);
        EXPECT_NE(at, std::string::npos) << heading;
        if (at == std::string::npos) return std::string();
        auto end = at + 1;
        while ((end = table.find('\n', end)) != std::string::npos && table.compare(end, 5, "\n    ") == 0) ++end;
        return table.substr(at, end == std::string::npos ? std::string::npos : end - at);
    };
    const std::string original = block("original: eight-place cycle,");
    const std::string gulika = block("gulika-start (in use): eight-place cycle,");
    const std::string seven = block("seven-lords: seven lords, the eighth lordless,");
    EXPECT_NE(original.find("    sunrise at the upper limb with refraction\n"), std::string::npos);
    EXPECT_NE(gulika.find("    sunrise at the centre of the disc without refraction\n"), std::string::npos);
    // Monday's day: the Sun rules the eighth portion in the cycle and the seventh among seven lords;
    // Gulika starts Saturn's sixth portion under gulika-start.
    EXPECT_NE(original.find("    Kaala          8 Sun    middle  "), std::string::npos) << original;
    EXPECT_NE(seven.find("    Kaala          7 Sun    middle  "), std::string::npos) << seven;
    EXPECT_NE(gulika.find("    Gulika         6 Sat    start   "), std::string::npos) << gulika;
    EXPECT_NE(gulika.find("    Maandi         6 Sat    middle  "), std::string::npos) << gulika;
}

}  // namespace
