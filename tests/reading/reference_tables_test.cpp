// The zone table and the form's lists.
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "reading/calculation_driver.h"
#include "reading/reference_tables.h"

namespace {

using namespace vela;

// Every row as the zone list shows it, with its offsets (hours West of Greenwich positive, the
// minutes carrying the hour's sign), written out here so that any changed row fails.
TEST(ZoneTable, keeps_the_first_programs_71_rows_with_their_texts_and_offsets) {
    reading::ZoneTables t;
    reading::FillReferenceTables(t);
    struct Row {
        int pos;
        const char* text;
        int hours;
        int minutes;
    };
    const Row rows[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {1, "Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0},
        {2, "Alaska/Hawaii War Time,AHWT,-9.0", 9, 0},
        {3, "Atlantic Standard Time,AST,-4.0", 4, 0},
        {4, "Atlantic War Time,AWT,-3.0", 3, 0},
        {5, "Australian Central Daylight Time,ACDT,+10.5", -10, -30},
        {6, "Australian Central Standard Time,ACST,+9.5", -9, -30},
        {7, "Australian Eastern Daylight Time,AEDT,+11.0", -11, 0},
        {8, "Australian Eastern Standard Time,AEST,+10.0", -10, 0},
        {9, "Australian Western Daylight Time,AWDT,+9.0", -9, 0},
        {10, "Australian Western Standard Time,AWST,+8.0", -8, 0},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {12, "Baghdad Time, BAT, +3.0", -3, 0},
        {13, "Bering Standard Time,BET,-11.0", 11, 0},
        {14, "Brazil Zone 2,BZT2,-3.0", 3, 0},
        {15, "British Double Summer Time,BDST,+2.0", -2, 0},
        {16, "British Summer Time,BST,+1.0", -1, 0},
        {17, "British War Time,BWT,+2.0", -2, 0},
        {18, "Central Daylight Time,CDT,-5.0", 5, 0},
        {19, "Central European Daylight,CED,+2.0", -2, 0},
        {20, "Central European Time,CET,+1.0", -1, 0},
        {21, "Central Standard Time,CST,-6.0", 6, 0},
        {22, "Central War Time,CWT,-5.0", 5, 0},
        {23, "China Coast Time,CCT,+8.0", -8, 0},
        {24, "Eastern Daylight Time,EDT,-4.0", 4, 0},
        {25, "Eastern European Daylight Time,EED,+3.0", -3, 0},
        {26, "Eastern European Time,EET,+2.0", -2, 0},
        {27, "Eastern Standard Time,EST,-5.0", 5, 0},
        {28, "Eastern War Time,EWT,-4.0", 4, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {30, "Guam Standard Time,GST,+10.0", -10, 0},
        {31, "Hawaiian Daylight Time,HDT,-9.5", 9, 30},
        {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        {33, "Hawaiian War Time,HWT,-9.5", 9, 30},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
        {37, "Iran Time, IT, +3.5", -3, -30},
        {38, "Japan Standard Time,JST,+9.0", -9, 0},
        {39, "Java Time, JT, +7.5", -7, -30},
        {40, "Middle European Daylight Time,MED,+2.0", -2, 0},
        {41, "Middle European Time,MET,+1.0", -1, 0},
        {42, "Moluccas Time, MT, +8.5", -8, -30},
        {43, "Mountain Daylight Time,MDT,-6.0", 6, 0},
        {44, "Mountain Standard Time,MST,-7.0", 7, 0},
        {45, "Mountain War Time,MWT,-6.0", 6, 0},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {47, "New Zealand Std Time,NZT,+12.0", -12, 0},
        {48, "New Zealand Summer Time,NZS,+12.5", -12, -30},
        {49, "New Zealand Time,NZ,+11.5", -11, -30},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {51, "Nome Time, NT, -11.0", 11, 0},
        {52, "North Sumatra Time,NST,+6.5", -6, -30},
        {53, "Pacific Daylight Time,PDT,-7.0", 7, 0},
        {54, "Pacific Standard Time,PST,-8.0", 8, 0},
        {55, "Pacific War Time,PWT,-7.0", 7, 0},
        {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        {58, "South Australia Standard Time,SAST,+9.5", -9, -30},
        {59, "South Australia Standard Time,SAT,+9.5", -9, -30},
        {60, "South Sumatra Time,SST,+7.0", -7, 0},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {62, "USSR Zone 10,UZ10,+11.0", -11, 0},
        {63, "USSR Zone 3,USZ3,+4.0", -4, 0},
        {64, "USSR Zone 4,USZ4,+5.0", -5, 0},
        {65, "USSR Zone 5,USZ5,+6.0", -6, 0},
        {66, "USSR Zone 6,USZ6,+7.0", -7, 0},
        {67, "West Africa Time,WAT,-1.0", 1, 0},
        {68, "Yukon Daylight Time,YDT,-8.0", 8, 0},
        {69, "Yukon Standard Time,YST,-9.0", 9, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    // Rows past 70 are appended after them, so every saved file keeps the meaning of its row.
    ASSERT_EQ(std::size(rows), 71u);
    ASSERT_GE(reading::kZoneCount, 71);
    for (const auto& r : rows) {
        const auto i = static_cast<std::size_t>(r.pos);
        EXPECT_EQ(t.zoneTable[i], r.text) << r.pos;
        EXPECT_EQ(t.zoneHourTable[i], r.hours) << r.pos;
        EXPECT_EQ(t.zoneMinuteTable[i], r.minutes) << r.pos;
    }
}

TEST(ZoneTable, keeps_its_shared_names_and_consistent_signs) {
    // Rows 56-57 and 58-59 share name and offset; 50 and 52 share an abbreviation.
    EXPECT_EQ(reading::kZoneRows[56].text.substr(0, 29), reading::kZoneRows[57].text.substr(0, 29));
    EXPECT_EQ(reading::kZoneRows[58].text.substr(0, 29), reading::kZoneRows[59].text.substr(0, 29));
    EXPECT_NE(reading::kZoneRows[50].text.find(",NST,"), std::string_view::npos);
    EXPECT_NE(reading::kZoneRows[52].text.find(",NST,"), std::string_view::npos);
    // The table's original 71 rows; the rows appended after them are checked in zone_rows_test.cpp.
    for (int i = 0; i < reading::kOriginalZoneCount; ++i) {
        const reading::ZoneRow& row = reading::kZoneRows[static_cast<std::size_t>(i)];
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
    const auto& e = reading::FormListEntries();
    EXPECT_EQ(e.days.front(), "1");
    EXPECT_EQ(e.days.back(), "31");
    // English names whatever the user's language.
    EXPECT_EQ(e.months,
              (std::array<std::string_view, 12>{"January", "February", "March", "April", "May", "June", "July",
                                                "August", "September", "October", "November", "December"}));
    EXPECT_EQ(e.years.front(), "1901");
    EXPECT_EQ(e.years.back(), "2050");
    EXPECT_EQ(e.years.size(), 150u);
    EXPECT_EQ(e.hours.back(), "23");
    EXPECT_EQ(e.minutes[5], "5");
    EXPECT_EQ(e.minutes.back(), "59");
}

// The birth-date text of the working and the reading names each month in full, with no blank
// after the comma.
TEST(BirthDateText, names_every_month_in_full) {
    const char* expected[] = {"January 7,1975",   "February 7,1975", "March 7,1975",    "April 7,1975",
                              "May 7,1975",       "June 7,1975",     "July 7,1975",     "August 7,1975",
                              "September 7,1975", "October 7,1975",  "November 7,1975", "December 7,1975"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(reading::BirthDateText(month, 7, 1975), expected[month - 1]) << month;
    EXPECT_EQ(reading::BirthDateText(12, 31, 2050), "December 31,2050");
}

}  // namespace
