// The zone rows appended after the first 71, and local mean time: their offsets as the table, the
// command line's list and the window's list give them, and what the driver makes of them.
//
// Expected offsets are the clocks' own: Nepal +05:45 since 1986, Afghanistan +04:30, Venezuela
// -04:30 from 2007 to 2016, Calcutta +05:53 (until 1948), Bombay +04:51 (until 1955), Madras +05:21,
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
using modCalculationDriver::RunCalculation;

struct NewRow {
    const char* name;
    int row;
    const char* text;
    const char* offset;  // as --zones prints it
    int minutesEast;     // the offset East of Greenwich
};

class AppendedRows : public ::testing::TestWithParam<NewRow> {};

TEST_P(AppendedRows, hold_their_offset_in_the_table_the_lists_and_the_reading) {
    const NewRow& r = GetParam();
    const auto i = static_cast<std::size_t>(r.row);
    EXPECT_EQ(kZoneRows[i].text, r.text);
    EXPECT_EQ(modReferenceTables::ZoneOffsetText(r.row), r.offset);
    EXPECT_EQ(modReferenceTables::ZoneListText(r.row), std::string(r.text) + "  (" + r.offset + ")");

    // The driver's record: the whole-minute fields West positive with one sign, the exact offset East.
    BirthForm form = NewDelhiForm();
    form.cboTimeZone = r.row;
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(form, s).Succeeded());
    EXPECT_EQ(s.intZoneRow, r.row);
    EXPECT_EQ(s.varZoneHours * 60 + s.varZoneMinutes, -r.minutesEast);
    EXPECT_EQ(s.intZoneHours, std::abs(r.minutesEast) / 60);
    EXPECT_EQ(s.intZoneMinutes, std::abs(r.minutesEast) % 60);
    ASSERT_TRUE(s.dblZoneHoursEast.has_value());
    EXPECT_NEAR(*s.dblZoneHoursEast, r.minutesEast / 60.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    ZoneTable, AppendedRows,
    ::testing::Values(NewRow{"nepal", 71, "Nepal Time,NPT,+5:45", "+05:45", 5 * 60 + 45},
                      NewRow{"afghanistan", 72, "Afghanistan Time,AFT,+4:30", "+04:30", 4 * 60 + 30},
                      NewRow{"venezuela", 73, "Venezuela Time,VET,-4:30", "-04:30", -(4 * 60 + 30)},
                      NewRow{"calcutta", 74, "Calcutta Time,CAL,+5:53", "+05:53", 5 * 60 + 53},
                      NewRow{"bombay", 75, "Bombay Time,BOM,+4:51", "+04:51", 4 * 60 + 51},
                      NewRow{"madras", 76, "Madras Time,MMT,+5:21", "+05:21", 5 * 60 + 21},
                      NewRow{"central_western", 77, "Central Western Time,ACWST,+8:45", "+08:45", 8 * 60 + 45},
                      NewRow{"chatham", 78, "Chatham Time,CHAST,+12:45", "+12:45", 12 * 60 + 45},
                      NewRow{"line_islands", 79, "Line Islands Time,LINT,+14:00", "+14:00", 14 * 60}),
    RowName());

TEST(ZoneTable, keeps_its_original_rows_and_appends_local_mean_time_last) {
    ASSERT_EQ(kZoneCount, 81);
    EXPECT_EQ(kOriginalZoneCount, 71);
    EXPECT_EQ(kZoneRows[70].text, "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(kLocalMeanTimeRow, 80);
    EXPECT_EQ(kZoneRows[80].text, "Local Mean Time,LMT,longitude/15");
    for (int row = 0; row < kZoneCount; ++row)
        EXPECT_EQ(kZoneRows[static_cast<std::size_t>(row)].blnLocalMeanTime, row == 80) << row;
    EXPECT_EQ(modReferenceTables::ZoneOffsetText(80), "LMT");
    EXPECT_EQ(modReferenceTables::ZoneListText(80), "Local Mean Time,LMT,longitude/15  (exact, from the longitude)");
    // The original rows' texts do not always say the minutes: the list says them beside.
    EXPECT_EQ(modReferenceTables::ZoneListText(34), "Indian Time, IST, +5.3  (+05:30)");
    EXPECT_EQ(modReferenceTables::ZoneListText(37), "Iran Time, IT, +3.5  (+03:30)");
    EXPECT_EQ(modReferenceTables::ZoneListText(29), "Greenwich Mean Time,GMT,0.0  (+00:00)");
    EXPECT_EQ(modReferenceTables::ZoneListText(32), "Hawaiian Standard Time,HST,-10.5  (-10:30)");
}

std::string ReportText(const modCalculationDriver::CalculationOutcome& outcome) {
    return modUpagrahaReport::ReportPlainText(outcome.report);
}

// A form at a place, its longitude written as the form's boxes hold it.
BirthForm FormAt(int zoneRow, const char* lonDeg, const char* lonMin, LonChoice direction, const char* hour = "10",
                 const char* minute = "30") {
    BirthForm form = NewDelhiForm(hour, minute);
    form.cboTimeZone = zoneRow;
    form.txtLonDeg = lonDeg;
    form.txtLonMin = lonMin;
    form.optLong = direction;
    return form;
}

// Everything a reading gives, compared between two readings that name the same moment.
void ExpectSameReading(const SharedChartState& a, const modVedicUpagrahas::Upagrahas& ua, const SharedChartState& b,
                       const modVedicUpagrahas::Upagrahas& ub, double clockShiftHours) {
    EXPECT_NEAR(a.dblBirthAscendant, b.dblBirthAscendant, 1e-9);
    EXPECT_EQ(a.strBirthAscendant, b.strBirthAscendant);
    EXPECT_EQ(ua.blnBirthByDay, ub.blnBirthByDay);
    EXPECT_EQ(ua.intWeekday, ub.intWeekday);
    for (std::size_t k = 0; k < ua.portions.size(); ++k) {
        EXPECT_EQ(ua.portions[k].strLord, ub.portions[k].strLord) << k;
        EXPECT_NEAR(ua.portions[k].dblStart, ub.portions[k].dblStart + clockShiftHours, 1e-6) << k;
    }
    for (std::size_t i = 0; i < ua.dblLongitudes.size(); ++i) {
        EXPECT_NEAR(ua.dblLongitudes[i], ub.dblLongitudes[i], 1e-6) << i;
        EXPECT_EQ(ua.varUpagrahaLongitudes[i], ub.varUpagrahaLongitudes[i]) << i;
        EXPECT_EQ(ua.intHouses[i], ub.intHouses[i]) << i;
    }
}

TEST(LocalMeanTime, at_75_degrees_east_is_five_hours_ahead_of_greenwich) {
    SharedChartState lmt, ussr4;
    const auto a = RunCalculation(FormAt(kLocalMeanTimeRow, "75", "0", LonChoice::East), lmt);
    const auto b = RunCalculation(FormAt(64, "75", "0", LonChoice::East), ussr4);  // USSR Zone 4, +5.0
    ASSERT_TRUE(a.Succeeded());
    ASSERT_TRUE(b.Succeeded());
    ASSERT_TRUE(lmt.dblZoneHoursEast.has_value());
    EXPECT_EQ(*lmt.dblZoneHoursEast, 5.0);
    EXPECT_EQ(lmt.varZoneHours, -5);
    EXPECT_EQ(lmt.varZoneMinutes, 0);
    EXPECT_EQ(ReportText(a), ReportText(b));
    ExpectSameReading(lmt, a.upagrahas, ussr4, b.upagrahas, 0);
}

TEST(LocalMeanTime, keeps_the_seconds_of_the_longitude) {
    // 77 deg 13' East: 308 min 52 s of time ahead of Greenwich, 21 min 8 s behind Indian time.
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(FormAt(kLocalMeanTimeRow, "77", "13", LonChoice::East), s).Succeeded());
    ASSERT_TRUE(s.dblZoneHoursEast.has_value());
    EXPECT_NEAR(*s.dblZoneHoursEast * 3600, 5 * 3600 + 8 * 60 + 52, 1e-6);
    EXPECT_EQ(s.varZoneHours, -5);  // cut to whole minutes toward zero
    EXPECT_EQ(s.varZoneMinutes, -8);
    // 10:30 on that clock is 10:51:08 on Indian time: the same ascendant.
    SharedChartState indian;
    ASSERT_TRUE(RunCalculation(NewDelhiForm(), indian).Succeeded());
    const double indianClock = 10.5 + (5 * 3600 + 30 * 60 - (5 * 3600 + 8 * 60 + 52)) / 3600.0;
    EXPECT_NEAR(s.dblBirthAscendant, modVedicEphemeris::AscendantClock(indian).SiderealAscendantAt(indianClock), 1e-9);

    // West of Greenwich: New York's 74 deg 0' is 4 h 56 min behind.
    SharedChartState west;
    ASSERT_TRUE(RunCalculation(FormAt(kLocalMeanTimeRow, "74", "0", LonChoice::West), west).Succeeded());
    EXPECT_NEAR(*west.dblZoneHoursEast, -(4 + 56 / 60.0), 1e-12);
    EXPECT_EQ(west.varZoneHours, 4);
    EXPECT_EQ(west.varZoneMinutes, 56);
    EXPECT_EQ(west.intZoneHours, 4);
    EXPECT_EQ(west.intZoneMinutes, 56);
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
            BirthForm form = FormAt(row, "85", "19", LonChoice::East, hour, minute);
            form.cboDate = m.date;
            form.cboMonth = m.month;
            form.cboYear = std::to_string(m.year);
            form.txtLatDeg = "27";
            form.txtLatMin = "42";
            return form;
        };
        SharedChartState nepal, indian;
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
    SharedChartState s;
    ASSERT_TRUE(RunCalculation(FormAt(kLocalMeanTimeRow, "77", "13", LonChoice::East), s).Succeeded());
    const std::string bytes = modReadingFile::ReadingFileText(s, s.intZoneRow);
    BirthForm reopened;
    modReadingFile::OpenedReading opened;
    ASSERT_FALSE(modReadingFile::FillFormFromReadingText(bytes, reopened, opened).has_value());
    EXPECT_TRUE(opened.unreadLines.empty());
    EXPECT_EQ(reopened.cboTimeZone, kLocalMeanTimeRow);
    // Line 7 holds "80", each character shifted by 20.
    std::size_t line = 0, at = 0;
    while (line < 6) line += bytes[at++] == '\n' ? 1u : 0u;
    EXPECT_EQ(bytes.substr(at, 4), std::string({static_cast<char>('8' + 20), static_cast<char>('0' + 20), 13, 10}));
}

}  // namespace
