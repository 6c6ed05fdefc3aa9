// .jhd chart files: hand-written files read into the record, written back, and refused.
//
// Expected values: the format's own worked examples (14.199999999999999 is 14:20, -5.300000 is
// +05:30 East, -77.350000 is 77°35' E, 118.145667 is 118°14.5667' W, -0.3 is 0°30' E) and
// well-known city coordinates in degrees and minutes, turned into decimals by hand
// (minutes / 60): Bangalore 12°58' N 77°35' E = 12.9667, 77.5833; Sydney 33°52' S 151°13' E;
// New York 40°43' N 74°00' W; Los Angeles 34°03.1333' N 118°14.5667' W = 34.0522, 118.2428.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "reading/jhd_file.h"
#include "tests/support/test_names.h"

namespace vela::reading {
namespace {

using Lines = std::vector<std::string>;

std::string Join(const Lines& lines, const char* end = "\r\n") {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + end;
    return bytes;
}

// Born 15 August 1990 at 14:20 (+05:30) in Bangalore, 77°35' E 12°58' N, the clock time as a
// program that prints doubles in full writes it.
const Lines kBangalore = {"8",         "15",         "1990",      "14.199999999999999", "-5.300000", "-77.350000",
                          "12.580000", "920.000000", "-5.500000", "-5.500000",          "0",         "105",
                          "Bangalore", "India",      "1",         "1013.250000",        "20.000000", "2"};

struct ReadCase {
    const char* name;
    Lines lines;
    double clockMinutes;
    int offsetSecondsEast;
    double longitudeEast;
    double latitudeNorth;
};

class ReadsAChart : public ::testing::TestWithParam<ReadCase> {};

constexpr double kDegreesTolerance = 1e-4;  // the decimals above are rounded to 4 places

TEST_P(ReadsAChart, reads_packed_values_and_writes_the_same_bytes) {
    const ReadCase& c = GetParam();
    const std::string bytes = Join(c.lines);
    const JhdParseResult read = ParseJhd(bytes);
    ASSERT_TRUE(read.chart) << read.problem.message;
    EXPECT_NEAR(read.chart->clockMinutesAfterMidnight, c.clockMinutes, 1e-9);
    EXPECT_EQ(read.chart->clockOffsetSecondsEast, c.offsetSecondsEast);
    EXPECT_NEAR(read.chart->longitudeDegreesEast, c.longitudeEast, kDegreesTolerance);
    EXPECT_NEAR(read.chart->latitudeDegreesNorth, c.latitudeNorth, kDegreesTolerance);

    const JhdFormatResult written = FormatJhd(*read.chart);
    ASSERT_TRUE(written.bytes) << written.problem.message;
    EXPECT_EQ(*written.bytes, bytes);
}

Lines With(Lines lines, std::vector<std::pair<int, const char*>> changes) {
    for (const auto& [line, text] : changes) lines[static_cast<std::size_t>(line - 1)] = text;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    ParseJhd, ReadsAChart,
    ::testing::Values(
        ReadCase{"bangalore_in_degrees_and_minutes_not_decimals", kBangalore, 14 * 60 + 20, 19800, 77.5833, 12.9667},
        ReadCase{"a_longitude_under_one_degree_west",
                 With(kBangalore, {{4, "9.000000"}, {5, "0.000000"}, {6, "0.050000"}, {7, "51.280000"}}), 9 * 60, 0,
                 -5.0 / 60, 51 + 28.0 / 60},
        ReadCase{"a_longitude_under_one_degree_east", With(kBangalore, {{6, "-0.300000"}, {7, "49.290000"}}),
                 14 * 60 + 20, 19800, 0.5, 49 + 29.0 / 60},
        ReadCase{"sydney_south_and_east",
                 With(kBangalore, {{1, "1"},
                                   {2, "26"},
                                   {3, "1988"},
                                   {4, "20.000000"},
                                   {5, "-10.000000"},
                                   {6, "-151.130000"},
                                   {7, "-33.520000"},
                                   {13, "Sydney"},
                                   {14, "NSW,^Australia"}}),
                 20 * 60, 36000, 151 + 13.0 / 60, -(33 + 52.0 / 60)},
        ReadCase{"new_york_west_of_greenwich",
                 With(kBangalore, {{4, "7.450000"},
                                   {5, "5.000000"},
                                   {6, "74.000000"},
                                   {7, "40.430000"},
                                   {9, "5.000000"},
                                   {10, "4.000000"}}),
                 7 * 60 + 45, -18000, -74.0, 40.7167},
        // 29 February 2000 exists (a year divisible by 400); 8:30:18 is 8 h 30.3 min.
        ReadCase{"los_angeles_minutes_with_decimals",
                 With(kBangalore, {{1, "2"},
                                   {2, "29"},
                                   {3, "2000"},
                                   {4, "8.303000"},
                                   {5, "8.000000"},
                                   {6, "118.145667"},
                                   {7, "34.031333"},
                                   {9, "8.000000"},
                                   {10, "8.000000"}}),
                 8 * 60 + 30.3, -28800, -118.2428, 34.0522}),
    RowName());

TEST(ParseJhd, reads_lf_alone_keeps_extra_lines_and_writes_cr_lf) {
    Lines lines = kBangalore;
    lines.push_back("extra one");
    lines.push_back("");
    const JhdParseResult read = ParseJhd(Join(lines, "\n"));
    ASSERT_TRUE(read.chart) << read.problem.message;
    EXPECT_EQ(read.chart->city, "Bangalore");
    EXPECT_EQ(read.chart->extraLines, (std::vector<std::string>{"extra one", ""}));
    EXPECT_EQ(FormatJhd(*read.chart).bytes, Join(lines));
}

TEST(FormatJhd, writes_a_changed_field_afresh_and_keeps_the_others_as_read) {
    JhdChart chart = *ParseJhd(Join(kBangalore)).chart;
    chart.latitudeDegreesNorth = 13.0;
    chart.city = "Bengaluru Urban";
    EXPECT_EQ(FormatJhd(chart).bytes, Join(With(kBangalore, {{7, "13.000000"}, {13, "Bengaluru^Urban"}})));
}

// New York from its decimal coordinates 40.7128 N, 74.0060 W: 0.7128 x 60 = 42.768 minutes,
// 0.0060 x 60 = 0.36 minutes; the zone lines take the clock's offset, 5 hours West; the clock time
// to 15 decimals, as the files of other programs hold it.
TEST(FormatJhd, packs_a_new_chart_from_decimals) {
    JhdChart chart;
    chart.month = 7;
    chart.day = 4;
    chart.year = 1976;
    chart.clockMinutesAfterMidnight = 7 * 60 + 45.5;
    chart.clockOffsetSecondsEast = -5 * 3600;
    chart.longitudeDegreesEast = -74.0060;
    chart.latitudeDegreesNorth = 40.7128;
    chart.altitudeMetres = 10;
    chart.city = "New York";
    chart.stateOrCountry = "USA";
    EXPECT_EQ(FormatJhd(chart).bytes,
              Join({"7", "4", "1976", "7.455000000000000", "5.000000", "74.003600", "40.427680", "10.000000",
                    "5.000000", "5.000000", "0", "0", "New^York", "USA", "1", "1013.250000", "15.000000", "0"}));
}

TEST(FormatJhd, refuses_what_it_could_not_read_back) {
    JhdChart chart;
    chart.month = 4;
    chart.day = 31;
    EXPECT_EQ(FormatJhd(chart).problem.message, "Line 2 (day): 31 April 2000 does not exist.");
    chart.day = 30;
    chart.latitudeDegreesNorth = -90.5;
    EXPECT_EQ(FormatJhd(chart).problem.line, 7);
    chart.latitudeDegreesNorth = 0;
    chart.stateOrCountry = "A^B";
    EXPECT_EQ(FormatJhd(chart).problem.line, 14);
}

struct RefusalCase {
    const char* name;
    std::string bytes;
    const char* message;
};

class RefusesAFile : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusesAFile, names_the_line_at_fault) {
    const JhdParseResult read = ParseJhd(GetParam().bytes);
    EXPECT_FALSE(read.chart);
    EXPECT_EQ(read.problem.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    ParseJhd, RefusesAFile,
    ::testing::Values(
        RefusalCase{"an_empty_file", "", "Line 1 (month): missing; the file is empty."},
        RefusalCase{"a_missing_line", Join(Lines(kBangalore.begin(), kBangalore.begin() + 6)),
                    "Line 7 (latitude): missing; the file ends after line 6."},
        RefusalCase{"a_longitude_that_is_no_number", Join(With(kBangalore, {{6, "77.35E"}})),
                    "Line 6 (longitude): \"77.35E\" is not a number."},
        RefusalCase{"sixty_minutes_of_longitude", Join(With(kBangalore, {{6, "-77.600000"}})),
                    "Line 6 (longitude): \"-77.600000\" holds 60 minutes after the point; minutes run from 0 to 59."},
        RefusalCase{"sixty_minutes_of_clock_time_in_binary_noise", Join(With(kBangalore, {{4, "14.599999999999999"}})),
                    "Line 4 (clock time): \"14.599999999999999\" holds 60 minutes after the point; minutes run "
                    "from 0 to 59."},
        RefusalCase{"the_end_of_the_day", Join(With(kBangalore, {{4, "24.000000"}})),
                    "Line 4 (clock time): \"24.000000\" is past the end of the day; clock times run from 0:00 to "
                    "23:59."},
        RefusalCase{"month_13", Join(With(kBangalore, {{1, "13"}})),
                    "Line 1 (month): 13 is not a month; months run from 1 to 12."},
        RefusalCase{"29_february_2023", Join(With(kBangalore, {{1, "2"}, {2, "29"}, {3, "2023"}})),
                    "Line 2 (day): 29 February 2023 does not exist."},
        RefusalCase{"a_latitude_beyond_the_pole", Join(With(kBangalore, {{7, "90.010000"}})),
                    "Line 7 (latitude): \"90.010000\" is beyond 90\u00B0; latitudes run from 90\u00B0 South to "
                    "90\u00B0 North."},
        RefusalCase{"a_longitude_beyond_the_date_line", Join(With(kBangalore, {{6, "-180.000100"}})),
                    "Line 6 (longitude): \"-180.000100\" is beyond 180\u00B0; longitudes run from 180\u00B0 West to "
                    "180\u00B0 East."},
        RefusalCase{"an_offset_of_16_and_a_half_hours", Join(With(kBangalore, {{5, "-16.300000"}})),
                    "Line 5 (clock offset): \"-16.300000\" hours is more than 16 hours from Greenwich, which no "
                    "clock has been."},
        RefusalCase{"an_empty_zone_line", Join(With(kBangalore, {{10, " "}})),
                    "Line 10 (zone): the line is empty where a number belongs."},
        RefusalCase{"an_escape_in_the_city", Join(With(kBangalore, {{13, "Banga\x1blore"}})),
                    "Line 13 (city): \"Banga\\x1Blore\" holds the control character \\x1B, which no place name holds."},
        RefusalCase{"a_pressure_that_is_no_number", Join(With(kBangalore, {{16, "n/a\x01"}})),
                    "Line 16 (air pressure): \"n/a\\x01\" is not a number."}),
    RowName());

// Worked examples of the packing, and hand computations (33°52' = 33.866667°, 0°05' = 0.083333°).
TEST(PackDegreesMinutes, unpacks_sign_and_magnitude_apart_and_packs_back) {
    const std::vector<std::pair<double, double>> unpacked = {
        {-77.35, -77.583333}, {118.145667, 118.242778}, {-0.3, -0.5}, {0.3, 0.5}, {14.199999999999999, 14.333333}};
    for (const auto& [packed, degrees] : unpacked) {
        ASSERT_TRUE(UnpackDegreesMinutes(packed)) << packed;
        EXPECT_NEAR(*UnpackDegreesMinutes(packed), degrees, 1e-6) << packed;
        EXPECT_NEAR(PackDegreesMinutes(degrees).value_or(0), packed, 1e-6) << degrees;
    }
    EXPECT_NEAR(PackDegreesMinutes(-33.866667).value_or(0), -33.52, 1e-9);
    EXPECT_NEAR(PackDegreesMinutes(-0.083333).value_or(0), -0.05, 1e-9);
    EXPECT_FALSE(UnpackDegreesMinutes(0.65));
}

TEST(JhdNameFromPath, is_the_file_name_without_its_extension) {
    EXPECT_EQ(JhdNameFromPath("/home/asha/charts/Ravi Kumar.jhd"), "Ravi Kumar");
    EXPECT_EQ(JhdNameFromPath("C.V. RAMAN.JHD"), "C.V. RAMAN");
    EXPECT_EQ(JhdNameFromPath("charts/notes.jhd.txt"), "notes.jhd.txt");
}

}  // namespace
}  // namespace vela::reading
