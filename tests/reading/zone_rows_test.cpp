// The zone rows appended after the first 71, and local mean time: their offsets as the table, the
// command line's list and the window's list give them, and what the driver makes of them.
//
// Expected offsets are the clocks' own: Nepal +05:45 since 1986, Afghanistan +04:30, Venezuela
// -04:30 from 2007 to 2016, Calcutta +05:53:20 (until 1948), Bombay +04:51 (until 1955), Madras +05:21:10,
// Eucla's Central Western time +08:45, Chatham +12:45, the Line Islands +14:00; local mean time is
// four minutes of time to a degree of longitude.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/chart_angles.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "reading/reference_tables.h"
#include "tests/support/reference_forms.h"
#include "tests/support/test_names.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;
using reading::RunCalculation;

struct NewRow {
    const char* name;
    int row;
    const char* text;
    const char* offset;  // as --zones prints it
    int secondsEast;     // the offset East of Greenwich
};

class AppendedRows : public ::testing::TestWithParam<NewRow> {};

TEST_P(AppendedRows, hold_their_offset_in_the_table_the_lists_and_the_reading) {
    const NewRow& r = GetParam();
    const auto i = static_cast<std::size_t>(r.row);
    EXPECT_EQ(reading::kZoneRows[i].text, r.text);
    EXPECT_EQ(reading::ZoneOffsetText(r.row), r.offset);
    EXPECT_EQ(reading::ZoneListText(r.row), std::string(r.text) + "  (" + r.offset + ")");

    // The driver's record: the row's offset in whole seconds East.
    reading::BirthForm form = NewDelhiForm();
    form.zoneRow = r.row;
    reading::Reading s;
    ASSERT_TRUE(RunCalculation(form, s).Succeeded());
    EXPECT_EQ(s.zoneRow, r.row);
    EXPECT_EQ(s.zone.secondsEast, r.secondsEast);
    EXPECT_FALSE(s.zone.localMeanHoursEast.has_value());
    EXPECT_NEAR(s.zone.HoursEast(), r.secondsEast / 3600.0, 1e-12);
}

// Calcutta and Madras time with their seconds as the time-zone database records them (IANA tzdata,
// file "asia", zone Asia/Kolkata: "5:53:20 - HMT" (Howrah Mean Time, Calcutta), "5:21:10 - MMT"
// (Madras Mean Time)).
INSTANTIATE_TEST_SUITE_P(
    ZoneTable, AppendedRows,
    ::testing::Values(NewRow{"nepal", 71, "Nepal Time,NPT,+5:45", "+05:45", 5 * 3600 + 45 * 60},
                      NewRow{"afghanistan", 72, "Afghanistan Time,AFT,+4:30", "+04:30", 4 * 3600 + 30 * 60},
                      NewRow{"venezuela", 73, "Venezuela Time,VET,-4:30", "-04:30", -(4 * 3600 + 30 * 60)},
                      NewRow{"calcutta", 74, "Calcutta Time,CAL,+5:53", "+05:53:20", 5 * 3600 + 53 * 60 + 20},
                      NewRow{"bombay", 75, "Bombay Time,BOM,+4:51", "+04:51", 4 * 3600 + 51 * 60},
                      NewRow{"madras", 76, "Madras Time,MMT,+5:21", "+05:21:10", 5 * 3600 + 21 * 60 + 10},
                      NewRow{"central_western", 77, "Central Western Time,ACWST,+8:45", "+08:45", 8 * 3600 + 45 * 60},
                      NewRow{"chatham", 78, "Chatham Time,CHAST,+12:45", "+12:45", 12 * 3600 + 45 * 60},
                      NewRow{"line_islands", 79, "Line Islands Time,LINT,+14:00", "+14:00", 14 * 3600}),
    RowName());

TEST(ZoneTable, keeps_its_original_rows_and_appends_local_mean_time_last) {
    ASSERT_EQ(reading::kZoneCount, 81);
    EXPECT_EQ(reading::kOriginalZoneCount, 71);
    EXPECT_EQ(reading::kZoneRows[70].text, "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(reading::kLocalMeanTimeRow, 80);
    EXPECT_EQ(reading::kZoneRows[80].text, "Local Mean Time,LMT,longitude/15");
    for (int row = 0; row < reading::kZoneCount; ++row)
        EXPECT_EQ(reading::kZoneRows[static_cast<std::size_t>(row)].localMeanTime, row == 80) << row;
    EXPECT_EQ(reading::ZoneOffsetText(80), "LMT");
    EXPECT_EQ(reading::ZoneListText(80), "Local Mean Time,LMT,longitude/15  (exact, from the longitude)");
    // The original rows' texts do not always say the minutes: the list says them beside.
    EXPECT_EQ(reading::ZoneListText(34), "Indian Time, IST, +5.3  (+05:30)");
    EXPECT_EQ(reading::ZoneListText(37), "Iran Time, IT, +3.5  (+03:30)");
    EXPECT_EQ(reading::ZoneListText(29), "Greenwich Mean Time,GMT,0.0  (+00:00)");
    EXPECT_EQ(reading::ZoneListText(32), "Hawaiian Standard Time,HST,-10.5  (-10:30)");
}

std::string ReportText(const reading::CalculationOutcome& outcome) { return upagraha::ReportPlainText(outcome.report); }

// A form at a place, its longitude written as the form's boxes hold it.
reading::BirthForm FormAt(int zoneRow, const char* lonDeg, const char* lonMin, reading::LonChoice direction,
                          const char* hour = "10", const char* minute = "30") {
    reading::BirthForm form = NewDelhiForm(hour, minute);
    form.zoneRow = zoneRow;
    form.lonDegrees = lonDeg;
    form.lonMinutes = lonMin;
    form.lonDirection = direction;
    return form;
}

// Everything a reading gives, compared between two readings that name the same moment.
void ExpectSameReading(const reading::Reading& a, const upagraha::Upagrahas& ua, const reading::Reading& b,
                       const upagraha::Upagrahas& ub, double clockShiftHours) {
    EXPECT_NEAR(a.birthAscendant.value, b.birthAscendant.value, 1e-9);
    EXPECT_EQ(a.birthAscendantText, b.birthAscendantText);
    EXPECT_EQ(ua.birthByDay, ub.birthByDay);
    EXPECT_EQ(ua.weekday, ub.weekday);
    for (std::size_t k = 0; k < ua.portions.size(); ++k) {
        EXPECT_EQ(ua.portions[k].lord, ub.portions[k].lord) << k;
        EXPECT_NEAR(ua.portions[k].start, ub.portions[k].start + clockShiftHours, 1e-6) << k;
    }
    for (std::size_t i = 0; i < ua.longitudes.size(); ++i) {
        EXPECT_NEAR(ua.longitudes[i], ub.longitudes[i], 1e-6) << i;
        EXPECT_EQ(ua.upagrahaLongitudes[i], ub.upagrahaLongitudes[i]) << i;
        EXPECT_EQ(ua.houses[i], ub.houses[i]) << i;
    }
}

TEST(LocalMeanTime, at_75_degrees_east_is_five_hours_ahead_of_greenwich) {
    reading::Reading lmt, ussr4;
    const auto a = RunCalculation(FormAt(reading::kLocalMeanTimeRow, "75", "0", reading::LonChoice::East), lmt);
    const auto b = RunCalculation(FormAt(64, "75", "0", reading::LonChoice::East), ussr4);  // USSR Zone 4, +5.0
    ASSERT_TRUE(a.Succeeded());
    ASSERT_TRUE(b.Succeeded());
    ASSERT_TRUE(lmt.zone.localMeanHoursEast.has_value());
    EXPECT_EQ(*lmt.zone.localMeanHoursEast, 5.0);
    EXPECT_EQ(lmt.zone.secondsEast, 5 * 3600);
    EXPECT_EQ(ReportText(a), ReportText(b));
    ExpectSameReading(lmt, a.upagrahas, ussr4, b.upagrahas, 0);
}

TEST(LocalMeanTime, keeps_the_seconds_of_the_longitude) {
    // 77 deg 13' East: 308 min 52 s of time ahead of Greenwich, 21 min 8 s behind Indian time.
    reading::Reading s;
    ASSERT_TRUE(
        RunCalculation(FormAt(reading::kLocalMeanTimeRow, "77", "13", reading::LonChoice::East), s).Succeeded());
    ASSERT_TRUE(s.zone.localMeanHoursEast.has_value());
    EXPECT_NEAR(*s.zone.localMeanHoursEast * 3600, 5 * 3600 + 8 * 60 + 52, 1e-6);
    EXPECT_EQ(s.zone.secondsEast, 5 * 3600 + 8 * 60 + 52);  // to the nearest whole second
    // 10:30 on that clock is 10:51:08 on Indian time: the same ascendant.
    reading::Reading indian;
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), indian).Succeeded());
    const double indianClock = 10.5 + (5 * 3600 + 30 * 60 - (5 * 3600 + 8 * 60 + 52)) / 3600.0;
    EXPECT_NEAR(s.birthAscendant.value,
                astro::AscendantClock(indian).SiderealAscendantAt(astro::ClockHours(indianClock)).value, 1e-9);

    // West of Greenwich: New York's 74 deg 0' is 4 h 56 min behind.
    reading::Reading west;
    ASSERT_TRUE(
        RunCalculation(FormAt(reading::kLocalMeanTimeRow, "74", "0", reading::LonChoice::West), west).Succeeded());
    ASSERT_TRUE(west.zone.localMeanHoursEast.has_value());
    EXPECT_NEAR(*west.zone.localMeanHoursEast, -(4 + 56 / 60.0), 1e-12);
    EXPECT_EQ(west.zone.secondsEast, -(4 * 3600 + 56 * 60));
}

TEST(ZoneSeconds, move_calcutta_and_madras_readings_by_their_seconds) {
    // Calcutta time, +05:53:20, is the local mean time of 88 deg 20' East: 88 1/3 degrees at four
    // minutes of time a degree is 353 min 20 s.
    reading::Reading calcutta, mean;
    const auto a = RunCalculation(FormAt(74, "88", "20", reading::LonChoice::East), calcutta);
    const auto b = RunCalculation(FormAt(reading::kLocalMeanTimeRow, "88", "20", reading::LonChoice::East), mean);
    ASSERT_TRUE(a.Succeeded());
    ASSERT_TRUE(b.Succeeded());
    ExpectSameReading(calcutta, a.upagrahas, mean, b.upagrahas, 0);

    // Madras time, +05:21:10, is 8 min 50 s behind Indian time: 10:30 on its clock is 10:38:50 on
    // Indian time at the same place (Madras, 80 deg 17' East).
    reading::Reading madras, indian;
    ASSERT_TRUE(RunCalculation(FormAt(76, "80", "17", reading::LonChoice::East), madras).Succeeded());
    ASSERT_TRUE(RunCalculation(FormAt(34, "80", "17", reading::LonChoice::East), indian).Succeeded());
    const astro::AscendantClock indianClock(indian);
    const double sameInstant = indianClock.SiderealAscendantAt(astro::ClockHours(10.5 + (8 * 60 + 50) / 3600.0)).value;
    EXPECT_NEAR(madras.birthAscendant.value, sameInstant, 1e-9);
    // Ten seconds of time are some two and a half minutes of arc of the ascendant: the whole-minute
    // offset +05:21 would not give this reading.
    const double wholeMinute = indianClock.SiderealAscendantAt(astro::ClockHours(10.5 + 9 / 60.0)).value;
    EXPECT_GT(std::fabs(madras.birthAscendant.value - wholeMinute), 1.0 / 60);
}

TEST(NepalTime, at_noon_is_indian_time_at_a_quarter_to_twelve) {
    struct Moment {
        const char *date, *nepalHour, *nepalMinute, *indianHour, *indianMinute;
        int month, year;
    };
    // A day birth and a night birth at Kathmandu, 27 deg 42' North, 85 deg 19' East.
    for (const Moment m :
         {Moment{"21", "12", "0", "11", "45", 5, 2000}, Moment{"3", "23", "10", "22", "55", 0, 1995}}) {
        const auto at = [&m](int row, const char* hour, const char* minute) {
            reading::BirthForm form = FormAt(row, "85", "19", reading::LonChoice::East, hour, minute);
            form.day = m.date;
            form.month = m.month;
            form.year = std::to_string(m.year);
            form.latDegrees = "27";
            form.latMinutes = "42";
            return form;
        };
        reading::Reading nepal, indian;
        const auto a = RunCalculation(at(71, m.nepalHour, m.nepalMinute), nepal);
        const auto b = RunCalculation(at(34, m.indianHour, m.indianMinute), indian);
        ASSERT_TRUE(a.Succeeded());
        ASSERT_TRUE(b.Succeeded());
        EXPECT_EQ(ReportText(a), ReportText(b));
        // The same moments, each written on its own clock a quarter of an hour apart.
        ExpectSameReading(nepal, a.upagrahas, indian, b.upagrahas, 0.25);
    }
}

TEST(ReadingFile, keeps_an_appended_row_as_its_number) {
    reading::Reading s;
    ASSERT_TRUE(
        RunCalculation(FormAt(reading::kLocalMeanTimeRow, "77", "13", reading::LonChoice::East), s).Succeeded());
    const std::string bytes = reading::ReadingFileText(s, s.zoneRow);
    reading::BirthForm reopened;
    reading::OpenedReading opened;
    ASSERT_FALSE(reading::FillFormFromReadingText(bytes, reopened, opened).has_value());
    EXPECT_TRUE(opened.unreadLines.empty());
    EXPECT_EQ(reopened.zoneRow, reading::kLocalMeanTimeRow);
    // Line 7 holds "80", each character shifted by 20.
    std::size_t line = 0, at = 0;
    while (line < 6) line += bytes[at++] == '\n' ? 1u : 0u;
    EXPECT_EQ(bytes.substr(at, 4), std::string({static_cast<char>('8' + 20), static_cast<char>('0' + 20), 13, 10}));
}

}  // namespace
