// The fixed choices of the birth form: the 71-row time-zone table and the entries of the
// day, month, year, hour and minute lists. The window fills its lists from here and the
// driver and the reading file identify a zone by its row, so both read the same data.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vela {

inline constexpr int kZoneCount = 71;

struct ZoneRow {
    std::string_view text;  // as shown in the list; East positive, for the user only
    std::int16_t hours;     // offset, hours West of Greenwich positive
    std::int16_t minutes;   // same sign as hours; 0, 30 or -30
};

// The table in list order. Several rows share a name or an abbreviation on purpose.
extern const std::array<ZoneRow, kZoneCount> kZoneRows;

// The three parallel zone arrays a reading carries.
struct ZoneTables {
    std::array<std::string_view, kZoneCount> strZoneTable{};
    std::array<std::int16_t, kZoneCount> intZoneHourTable{};
    std::array<std::int16_t, kZoneCount> intZoneMinuteTable{};
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

namespace modReferenceTables {
// Writes all 71 rows of the three zone arrays; every call writes the same values.
void FillReferenceTables(ZoneTables& tables);
// The arrays filled once, for every reading to share: they never change, so a reading keeps a
// pointer to them instead of a copy of its own.
const ZoneTables& ReferenceZoneTables();
}  // namespace modReferenceTables

}  // namespace vela
