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
using namespace vela::modConventionProfiles;
using modCalculationDriver::RunCalculation;

int MinutesOfDay(double value) { return static_cast<int>(std::lround(HoursOfDay(value) * 60)); }

const ConventionProfile& Named(const char* name) {
    static const auto& named = NamedProfiles();
    for (const auto& p : named)
        if (p.strName == name) return p;
    ADD_FAILURE() << name;
    return named[0];
}

TEST(ProfileReading, keeps_its_profile_and_times_the_sunrise_by_its_event) {
    SharedChartState original, centre;
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), original).Succeeded());
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), Named("gulika-start"), centre).Succeeded());
    EXPECT_EQ(original.profile, kOriginalProfile);
    EXPECT_EQ(centre.profile.strName, "gulika-start");
    // New Delhi in mid-June: the centre of the disc clears the horizon about four minutes after the
    // upper limb and sinks below it about four minutes before (almanac: 05:24 and 05:28 rising,
    // 19:22 and 19:17 setting on 21 June 1975).
    for (const auto& [limb, disc] : {std::pair{original.dtBirthSunrise, centre.dtBirthSunrise},
                                     std::pair{original.dtPrevSunrise, centre.dtPrevSunrise},
                                     std::pair{original.dtNextSunrise, centre.dtNextSunrise}}) {
        EXPECT_GE(MinutesOfDay(disc) - MinutesOfDay(limb), 3);
        EXPECT_LE(MinutesOfDay(disc) - MinutesOfDay(limb), 5);
    }
    EXPECT_GE(MinutesOfDay(original.dtBirthSunset) - MinutesOfDay(centre.dtBirthSunset), 3);
    EXPECT_LE(MinutesOfDay(original.dtBirthSunset) - MinutesOfDay(centre.dtBirthSunset), 5);
    // The birth ascendant does not depend on the conventions.
    EXPECT_EQ(original.dblBirthAscendant, centre.dblBirthAscendant);
}

TEST(ProfileReading, saves_the_same_file_under_every_profile) {
    SharedChartState original;
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), original).Succeeded());
    for (const auto& profile : NamedProfiles()) {
        SharedChartState s;
        ASSERT_TRUE(RunCalculation(NewDelhiForm(), profile, s).Succeeded());
        EXPECT_EQ(modReadingFile::ReadingFileText(s, s.intZoneRow),
                  modReadingFile::ReadingFileText(original, original.intZoneRow))
            << profile.strName;
    }
}

// 67 deg North on 21 December 1975: the Sun's upper limb rises at noon, with refraction, but the
// centre of its disc stays below the horizon (the declination is -23.4 deg).
BirthForm ArcticWinterForm() {
    BirthForm form = NewDelhiForm("12", "0");
    form.cboDate = "21";
    form.cboMonth = 11;
    form.txtLatDeg = "67";
    form.txtLatMin = "0";
    form.cboTimeZone = 20;  // Central European Time
    form.txtLonDeg = "20";
    form.txtLonMin = "0";
    return form;
}

TEST(ProfileReading, refused_under_one_event_leaves_the_reading_before_it) {
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(ArcticWinterForm(), s).Succeeded());
    const SharedChartState before = s;
    const auto refused = RunCalculation(ArcticWinterForm(), Named("gulika-start"), s);
    ASSERT_FALSE(refused.Succeeded());
    EXPECT_EQ(refused.message->strText, modCalculationDriver::kNoSunriseMessage);
    EXPECT_EQ(s.profile, kOriginalProfile);
    EXPECT_EQ(s.dtBirthSunrise, before.dtBirthSunrise);
}

TEST(CompareConventions, reads_the_birth_under_every_named_profile_and_the_one_in_use) {
    const auto named = modWorking::CompareConventions(NewDelhiForm(), Named("seven-lords"));
    ASSERT_EQ(named.size(), 3u);
    for (std::size_t i = 0; i < named.size(); ++i) {
        EXPECT_EQ(named[i].profile, NamedProfiles()[i]);
        ASSERT_TRUE(named[i].upagrahas.has_value());
        SharedChartState s;
        const auto alone = RunCalculation(NewDelhiForm(), NamedProfiles()[i], s);
        EXPECT_EQ(named[i].upagrahas->dblLongitudes, alone.upagrahas.dblLongitudes);
    }
    const auto custom =
        CustomProfile(LordOrder::SevenLords, kOriginalProfile.points, SunriseEvent::UpperLimbWithRefraction);
    const auto withCustom = modWorking::CompareConventions(NewDelhiForm(), custom);
    ASSERT_EQ(withCustom.size(), 4u);
    EXPECT_EQ(withCustom.back().profile, custom);

    // Where the disc's centre never rises, that profile keeps the message instead.
    const auto arctic = modWorking::CompareConventions(ArcticWinterForm(), kOriginalProfile);
    ASSERT_EQ(arctic.size(), 3u);
    EXPECT_TRUE(arctic[0].upagrahas.has_value());
    EXPECT_FALSE(arctic[1].upagrahas.has_value());
    EXPECT_EQ(arctic[1].strMessage, modCalculationDriver::kNoSunriseMessage);
}

TEST(WorkingText, adds_the_conventions_side_by_side_after_the_rest) {
    // Monday 16 June 1975, 10:30 in New Delhi: the two lord orders part at the seventh portion,
    // where the seven lords put the Sun and the eight-place cycle the lordless one.
    const BirthForm form = NewDelhiForm();
    BirthForm monday = form;
    monday.cboDate = "16";
    SharedChartState s;
    const auto outcome = RunCalculation(monday, Named("gulika-start"), s);
    ASSERT_TRUE(outcome.Succeeded());
    const auto sensitivity = modWorking::FindBirthTimeSensitivity(monday, s.profile, 30);
    const auto conventions = modWorking::CompareConventions(monday, s.profile);
    const std::string plain = modWorking::WorkingText(s, outcome.upagrahas, sensitivity);
    const std::string text = modWorking::WorkingText(s, outcome.upagrahas, sensitivity, conventions);

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
