// Golden files: texts the program writes for fixed readings, reviewed by eye once and kept in
// tests/data/golden. A change of any character fails until the file is rewritten on purpose with
// VELA_UPDATE_GOLDEN=1 (tests/data/README.md).
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace vela::golden {

// The fixed readings, in the batch CSV format (name,date,time,zone,lat,lon,dst,city,state,country).
struct GoldenReading {
    std::string_view name;  // the files' stem and the test's name
    std::string_view csv;
};
inline constexpr std::array<GoldenReading, 5> kGoldenReadings = {{
    // A Sunday morning in New Delhi, Indian time: the shared worked example.
    {"day_birth_new_delhi", "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India"},
    // A winter evening in Madrid on Central European Time, a West place keeping an East zone.
    {"night_birth_madrid", "Lucia,1990-01-10,22:15,20,40N25,3W42,false,Madrid,Madrid,Spain"},
    // Before dawn in Chennai: the night of the day before, with that day's lords.
    {"before_sunrise_chennai", "Kavya,2001-03-04,04:10,34,13N05,80E17,false,Chennai,Tamil Nadu,India"},
    // A southern winter afternoon in Buenos Aires, South and West.
    {"southern_buenos_aires", "Sofia,1985-07-09,16:20,14,34S36,58W23,false,Buenos Aires,Buenos Aires,Argentina"},
    // A summer morning in New York on Eastern Standard Time with daylight saving ticked.
    {"daylight_saving_new_york", "Ben,1995-07-04,09:05,27,40N43,74W00,true,New York,New York,USA"},
}};

// A golden reading as a test name.
struct GoldenReadingName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return std::string(info.param.name);
    }
};

// tests/data/golden/<file>, found through the build's VELA_TEST_DATA_DIR.
std::filesystem::path GoldenPath(std::string_view file);

// Expects the file's bytes to equal the text, naming the first differing line. With
// VELA_UPDATE_GOLDEN=1 in the environment and update allowed, rewrites the file instead and
// skips the test, so a run that rewrote anything never counts as a pass.
void ExpectMatchesGolden(const std::filesystem::path& path, const std::string& text, bool allowUpdate);

}  // namespace vela::golden
