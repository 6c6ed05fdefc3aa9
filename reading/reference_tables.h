// The fixed choices of the birth form: the time-zone table and the entries of the day, month,
// year, hour and minute lists. The window fills its lists from here and the driver and the
// reading file identify a zone by its row, so both read the same data.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vela::reading {

// Rows 0 to 70 are the table's original rows, in their order, and keep their meaning in every
// saved reading; the rows after them were appended for the offsets those lacked.
inline constexpr int kOriginalZoneCount = 71;
inline constexpr int kZoneCount = 81;
// The last row: the place's own local mean time.
inline constexpr int kLocalMeanTimeRow = 80;

struct ZoneRow {
    std::string_view text;       // as shown in the list; East positive, for the user only
    std::int16_t hours;          // offset, hours West of Greenwich positive
    std::int16_t minutes;        // same sign as hours
    std::int16_t seconds = 0;    // same sign as hours
    bool localMeanTime = false;  // the offset is the place's longitude / 15; hours and minutes are 0
};

// The table in list order. Several rows share a name or an abbreviation on purpose.
extern const std::array<ZoneRow, kZoneCount> kZoneRows;

// The parallel zone arrays a reading carries.
struct ZoneTables {
    std::array<std::string_view, kZoneCount> zoneTable{};
    std::array<std::int16_t, kZoneCount> zoneHourTable{};
    std::array<std::int16_t, kZoneCount> zoneMinuteTable{};
    std::array<std::int16_t, kZoneCount> zoneSecondTable{};
    std::array<bool, kZoneCount> zoneLocalMeanTime{};
};

// The selection lists of the form, first entry selected at start.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
inline constexpr std::array<std::string_view, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                                 "May",       "June",     "July",     "August",
                                                                 "September", "October",  "November", "December"};

struct ListEntries {
    std::array<std::string_view, 31> days;
    std::array<std::string_view, 12> months;
    std::array<std::string_view, kLastYear - kFirstYear + 1> years;
    std::array<std::string_view, 24> hours;
    std::array<std::string_view, 60> minutes;
};
const ListEntries& FormListEntries();

// Writes all rows of the zone arrays; every call writes the same values.
void FillReferenceTables(ZoneTables& tables);
// The arrays filled once, for every reading to share: they never change, so a reading keeps a
// pointer to them instead of a copy of its own.
const ZoneTables& ReferenceZoneTables();

// The offset of a fixed row, seconds East of Greenwich (0 for the local-mean-time row).
int RowOffsetSeconds(int row);
// "+05:30", "-04:00", "+05:21:10" (seconds only when there are some).
std::string OffsetText(int secondsEast);
// A row's exact offset as "+HH:MM" or "-HH:MM" ("+05:53:20" where it has seconds), or "LMT" for
// the local-mean-time row.
std::string ZoneOffsetText(int row);
// A row as the window's list shows it: its text with the exact offset beside it, since the texts
// write "+5.3" for 5:30 but "+3.5" for 3:30 ("Indian Time, IST, +5.3  (+05:30)").
std::string ZoneListText(int row);

}  // namespace vela::reading
