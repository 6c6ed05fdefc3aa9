// Chart files of the widely kept .jhd kind: their bytes turned into a chart record and back.
//
// Flow: importing a .jhd file reads its bytes (the caller does the disk) into a JhdChart here; a
// later step fills the birth form from it, and the driver runs as for a typed form. Exporting
// turns a JhdChart into bytes, which the program's one save routine writes to the disk.
//
// The file is 18 lines, each ending in CR LF (a lone LF is read too), and the person's name is the
// file's name. Three lines pack two units into one decimal: a clock time is hours plus minutes/100
// (14.200000 is 14:20), an offset the same, and a longitude or latitude is degrees plus
// minutes/100 (77.350000 is 77°35′, not 77.35°). Longitudes and zones count West positive in the
// file; the record counts longitudes and the clock's offset East positive, like the rest of the
// program, and keeps the two zone lines as the file has them.
//
// A file that is read and written again comes back byte for byte: each line whose field is
// unchanged is written with the very text it was read with, and lines past the 18th are kept.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vela::reading {

inline constexpr int kJhdLines = 18;

// A chart file is a few hundred bytes; anything larger than this is not one, and is refused
// before it is split into lines.
inline constexpr std::size_t kMaxJhdBytes = 64 * 1024;

// The largest clock offset and zone, either way, in hours. Local mean time reached past 15 hours
// on both sides of the date line (Manila kept −15:56 until 1844, Metlakatla +15:13:42 until 1867),
// so a file may hold such an offset; 16 hours is beyond any clock.
inline constexpr double kMaxJhdOffsetHours = 16.0;

// Written for a new chart where the caller has nothing better: sea-level standard pressure and
// temperature (the other lines' defaults are in JhdChart).
inline constexpr double kJhdStandardPressureHpa = 1013.25;
inline constexpr double kJhdStandardTemperatureCelsius = 15.0;

// One line as a parsed file held it: its text (without the line end), and the text this code
// would write for the value it was read as. A line is written back as it was read while the
// record's field still formats to `canonical`.
struct JhdLineAsRead {
    std::string text;
    std::string canonical;
};

struct JhdChart {
    // The birth date on the clock, Gregorian calendar (astronomical years: 0 is 1 BCE).
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31, valid for the month

    // The clock time, 0 <= minutes < 1440, kept to 1/10,000 of a minute.
    double clockMinutesAfterMidnight = 0.0;
    // What the clock showed minus Greenwich time (+19800 for +05:30), whole seconds.
    int clockOffsetSecondsEast = 0;

    double longitudeDegreesEast = 0.0;  // -180..180, East positive
    double latitudeDegreesNorth = 0.0;  // -90..90, North positive
    double altitudeMetres = 0.0;

    // Lines 9 and 10: the zone in decimal hours, West positive, as the file has them (they may
    // differ from each other and from the clock's offset). Empty: written as the clock's offset.
    std::optional<double> zoneHoursWest;
    std::optional<double> secondZoneHoursWest;

    // Texts kept as the file has them; city and state or country with blanks as blanks (the file
    // writes `^` for each). Bytes are kept as they are: files from other programs are often in a
    // Windows code page, not UTF-8.
    std::string lineEleven = "0";
    std::string atlasCode = "0";
    std::string city;
    std::string stateOrCountry;
    std::string lineFifteen = "1";
    double pressureHpa = kJhdStandardPressureHpa;
    double temperatureCelsius = kJhdStandardTemperatureCelsius;
    std::string flag = "0";

    // Lines after the 18th, which some programs write; kept and written back.
    std::vector<std::string> extraLines;

    // Lines 1..18 as the file held them (index 0 is line 1); all empty for a new chart.
    std::array<JhdLineAsRead, kJhdLines> linesAsRead;
};

// Why bytes are not a chart, or a chart cannot be written. `message` is one printable sentence or
// two in plain English that starts with the line and its field: "Line 6 (longitude): ...".
struct JhdProblem {
    int line = 0;  // the line at fault, from 1; 0 for the file as a whole
    std::string message;
};

struct JhdParseResult {
    std::optional<JhdChart> chart;  // empty when the bytes are refused
    JhdProblem problem;             // why, when chart is empty
};

struct JhdFormatResult {
    std::optional<std::string> bytes;  // empty when the chart is refused
    JhdProblem problem;                // why, when bytes is empty
};

// Reads a file's bytes. Refuses, naming the first line at fault: a missing line (lines after the
// 18th are accepted and kept), a number that is not one, a date that does not exist, minutes of
// 60 or more in a packed value, a clock time outside the day, a latitude beyond 90°, a longitude
// beyond 180°, an offset or zone beyond kMaxJhdOffsetHours.
JhdParseResult ParseJhd(std::string_view bytes);

// The file's bytes, CR LF after every line, the chart's extra lines after the 18th. Refuses a
// chart the file cannot hold, with the same rules as ParseJhd and the line it would have been
// written to, and a text holding a line break or a `^` (which the file reads back as a blank).
JhdFormatResult FormatJhd(const JhdChart& chart);

// Degrees (or hours) as a signed decimal, from the file's packing: sign, whole degrees, minutes
// after the point (118.145667 is 118°14.5667′, -0.300000 is -0°30′). Exact to 1/10,000 of a minute:
// the minutes are rounded there first, which cancels the noise of a binary double
// (14.199999999999999 is 14°20′). Empty when the minutes are 60 or more, or the value is not finite
// or beyond a billion.
std::optional<double> UnpackDegreesMinutes(double packed);

// The reverse: a signed decimal packed as sign, whole degrees and minutes/100, rounded to 1/10,000
// of a minute. Empty when the value is not finite or beyond a billion.
std::optional<double> PackDegreesMinutes(double degrees);

// The person's name of a chart file: the file's name without a final ".jhd" (in any case). The
// folder is everything up to the last '/'.
std::string JhdNameFromPath(std::string_view path);

}  // namespace vela::reading
