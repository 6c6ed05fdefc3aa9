// The zone table and the form's lists.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "reading/reference_tables.h"

namespace {

using namespace vela;

TEST(ZoneTable, fills_all_71_rows_with_their_texts_and_offsets) {
    ZoneTables t;
    modReferenceTables::FillReferenceTables(t);
    struct Row {
        int pos;
        const char* text;
        int hours;
        int minutes;
    };
    const Row rows[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {5, "Australian Central Daylight Time,ACDT,+10.5", -10, -30},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {37, "Iran Time, IT, +3.5", -3, -30},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {52, "North Sumatra Time,NST,+6.5", -6, -30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const auto& r : rows) {
        const auto i = static_cast<std::size_t>(r.pos);
        EXPECT_EQ(t.strZoneTable[i], r.text) << r.pos;
        EXPECT_EQ(t.intZoneHourTable[i], r.hours) << r.pos;
        EXPECT_EQ(t.intZoneMinuteTable[i], r.minutes) << r.pos;
    }
}

TEST(ZoneTable, keeps_its_shared_names_and_consistent_signs) {
    // Rows 56-57 and 58-59 share name and offset; 50 and 52 share an abbreviation.
    EXPECT_EQ(kZoneRows[56].text.substr(0, 29), kZoneRows[57].text.substr(0, 29));
    EXPECT_EQ(kZoneRows[58].text.substr(0, 29), kZoneRows[59].text.substr(0, 29));
    EXPECT_NE(kZoneRows[50].text.find(",NST,"), std::string_view::npos);
    EXPECT_NE(kZoneRows[52].text.find(",NST,"), std::string_view::npos);
    // The table's original 71 rows; the rows appended after them are checked in zone_rows_test.cpp.
    for (int i = 0; i < kOriginalZoneCount; ++i) {
        const ZoneRow& row = kZoneRows[static_cast<std::size_t>(i)];
        // The minutes carry the hour's sign; the text shows the opposite sign (East positive).
        EXPECT_TRUE(row.minutes == 0 || row.minutes == 30 || row.minutes == -30) << row.text;
        if (row.minutes != 0) {
            EXPECT_EQ(row.minutes > 0, row.hours > 0) << row.text;
        }
        const auto comma = row.text.rfind(',');
        const double shown = std::stod(std::string(row.text.substr(comma + 1)));
        if (row.hours != 0) {
            EXPECT_EQ(shown<0, row.hours> 0) << row.text;
        }
        EXPECT_LE(std::abs(row.hours), 13);
    }
}

TEST(FormLists, hold_the_offered_entries_in_order) {
    const auto& e = FormListEntries();
    EXPECT_EQ(e.days.front(), "1");
    EXPECT_EQ(e.days.back(), "31");
    EXPECT_EQ(e.months.front(), "January");
    EXPECT_EQ(e.months[8], "September");
    EXPECT_EQ(e.years.front(), "1901");
    EXPECT_EQ(e.years.back(), "2050");
    EXPECT_EQ(e.years.size(), 150u);
    EXPECT_EQ(e.hours.back(), "23");
    EXPECT_EQ(e.minutes[5], "5");
    EXPECT_EQ(e.minutes.back(), "59");
}

}  // namespace
