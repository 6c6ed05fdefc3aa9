// Seeded birth forms for the benchmarks and the precision comparison.
//
// A sample is a form the window would accept and calculate: a date from the offered years, any
// clock time, a latitude up to a chosen limit (below the polar circles the Sun rises and sets on
// every date, so no reading is refused), any longitude, and the zone row whose offset is the
// place's mean solar time rounded to whole hours, so the clock times are the kind people enter.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "reading/birth_form.h"
#include "reading/reference_tables.h"

namespace vela::bench {

struct SampleForm {
    reading::BirthForm form;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double latitude = 0;   // degrees, North positive
    double longitude = 0;  // degrees, East positive
    double zoneEast = 0;   // hours East of Greenwich of the chosen row (daylight saving not included)
};

inline int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year % 4 == 0) return 29;  // exact for 1901..2050
    return kDays[static_cast<std::size_t>(month - 1)];
}

// The zone row for a whole number of hours East of Greenwich. Rows of daylight-saving, war and
// summer time carry the same offsets as standard rows of a neighbouring zone; a standard row is
// preferred so the sample reads as an ordinary civil clock. -1 when no row has that offset.
inline int ZoneRowForOffset(int hoursEast) {
    int fallback = -1;
    for (int row = 0; row < reading::kZoneCount; ++row) {
        const reading::ZoneRow& z = reading::kZoneRows[static_cast<std::size_t>(row)];
        // The table stores hours West of Greenwich.
        if (z.minutes != 0 || -z.hours != hoursEast) continue;
        const std::string_view text = z.text;
        const bool seasonal = text.find("Daylight") != std::string_view::npos ||
                              text.find("War") != std::string_view::npos ||
                              text.find("Summer") != std::string_view::npos;
        if (!seasonal) return row;
        if (fallback < 0) fallback = row;
    }
    return fallback;
}

// One sample; maxLatitudeDeg is the largest whole degree of latitude drawn, North or South.
inline SampleForm RandomSampleForm(std::mt19937_64& rng, int maxLatitudeDeg) {
    const auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    SampleForm s;
    reading::BirthForm& f = s.form;
    f.name = "Sample Reader";
    f.city = "Sample City";
    f.state = "Sample State";
    f.country = "Sample Country";

    s.year = pick(reading::kFirstYear, reading::kLastYear);
    s.month = pick(1, 12);
    s.day = pick(1, DaysInMonth(s.year, s.month));
    s.hour = pick(0, 23);
    s.minute = pick(0, 59);
    f.year = std::to_string(s.year);
    f.month = s.month - 1;
    f.day = std::to_string(s.day);
    f.hour = std::to_string(s.hour);
    f.minute = std::to_string(s.minute);

    // The top degree takes no minutes, so the latitude never passes the limit.
    const int latDeg = pick(0, maxLatitudeDeg);
    const int latMin = latDeg == maxLatitudeDeg ? 0 : pick(0, 59);
    const int lonDeg = pick(0, 180);
    const int lonMin = lonDeg == 180 ? 0 : pick(0, 59);
    const bool south = std::bernoulli_distribution(0.5)(rng);
    const bool west = std::bernoulli_distribution(0.5)(rng);
    f.latDegrees = std::to_string(latDeg);
    f.latMinutes = std::to_string(latMin);
    f.lonDegrees = std::to_string(lonDeg);
    f.lonMinutes = std::to_string(lonMin);
    f.latDirection = south ? reading::LatChoice::South : reading::LatChoice::North;
    f.lonDirection = west ? reading::LonChoice::West : reading::LonChoice::East;
    s.latitude = (latDeg + latMin / 60.0) * (south ? -1 : 1);
    s.longitude = (lonDeg + lonMin / 60.0) * (west ? -1 : 1);

    // Mean solar time is 4 minutes a degree; the table has a plain row for every whole hour from
    // -12 to +12, and the fallback to UT only guards against a table without one.
    const int offset = static_cast<int>(std::lround(s.longitude / 15.0));
    const int row = ZoneRowForOffset(offset);
    f.zoneRow = row >= 0 ? row : ZoneRowForOffset(0);
    const reading::ZoneRow& z = reading::kZoneRows[static_cast<std::size_t>(f.zoneRow)];
    s.zoneEast = -(z.hours + z.minutes / 60.0);
    return s;
}

}  // namespace vela::bench
