// Which row of the zone table, and whether the daylight-saving tick, express the clock of a place
// at the birth moment.
//
// Flow of a reading: form -> validation -> driver -> ... When the user picks a place from the
// atlas, the desktop program asks the system's time-zone data for the place's offsets at the birth
// date and time (ZoneAtMoment) and this module turns them into a proposal for the form's zone list
// and tick, the line shown beside the list, and a warning when the form says otherwise. It reads
// no clock and no time-zone data itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "atlas/place_name.h"
#include "reading/birth_form.h"
#include "reading/day_portions.h"
#include "reading/reading_language.h"
#include "reading/reference_tables.h"
#include "upagraha/language.h"

namespace vela::atlas {

// The birth date and clock time as the form's lists hold them.
struct ClockMoment {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
};
// Nothing when a list has no selection or the day does not exist in its month.
std::optional<ClockMoment> ClockMomentOf(const reading::BirthForm& form);

// How the form's clock time fits the place's clock on that day.
enum class ClockFit {
    Once,     // the usual case
    Skipped,  // the clocks jumped over it (put forward); the offsets are those after the jump
    Twice,    // the clocks passed it twice (put back); the offsets are those of the first time
};

// What the time-zone data says of the place at the birth moment. Offsets in seconds, East of
// Greenwich positive (the zone table's rows count hours West positive; the list text East).
// Daylight saving is in force when the clocks are ahead of the standard offset; a few zones keep
// a "winter time" behind it instead (Ireland since 1971, Namibia 1994-2017). Before a zone's
// first standard time the data gives the local mean time of the zone's own city (Kathmandu's
// +05:41:16 until 1920); a place elsewhere in the zone kept its own.
struct ZoneAtMoment {
    std::string zoneName;     // IANA name
    int standardSeconds = 0;  // the zone's standard time
    int inForceSeconds = 0;   // the clocks' offset at the moment
    ClockFit clock = ClockFit::Once;
    bool localMeanTime = false;  // the clocks kept local mean time: no standard time yet
};

struct ZoneProposal {
    std::optional<int> row;  // nothing: no row of the table gives the offset in force
    bool dst = false;
};

// The offset of a row of the zone table, East positive, in seconds; and an offset as text,
// "+05:30", "-04:00", "+05:21:10" (seconds only when there are some).
using reading::OffsetText;
using reading::RowOffsetSeconds;

// Among rows that share an offset, the lower rank is proposed; ties go to the earlier row.
//   0  "... Standard Time"
//   1  other "... Time" without Daylight, Summer, War or Double in the name
//   2  other names without those words ("USSR Zone 3", "Int'l Date Line East")
//   3  the rest (daylight, summer, war and double summer rows)
// The name is the row text before its first comma.
int RowRank(std::string_view rowText);

// The preferred row with this offset to the minute, if any: the rows are whole minutes, and the
// old mean times of the data carry seconds (Madras +05:21:10 is Madras Time, +05:21). The
// local-mean-time row has no fixed offset and is never found here.
std::optional<int> RowForOffset(int secondsEast);

// The row of the standard offset, with the tick when the clocks are one hour ahead of it; else a
// row that gives the offset in force by itself (double summer time, an hour behind standard);
// else nothing.
ZoneProposal ProposeZone(int standardSeconds, int inForceSeconds);
// The same for what the data says; local mean time proposes the local-mean-time row.
ZoneProposal ProposeZone(const ZoneAtMoment& zone);

// The line beside the zone list, two lines long: what the data says, then what is proposed, or,
// once the window has set the list and tick to it (a place picked from the atlas), what was set.
//   Asia/Kolkata on 16 Oct 1942: +06:30, daylight saving (standard +05:30)
//   Proposed: "Indian Time, IST, +5.3" with Daylight Saving Time ticked
//   Zone set to "Indian Time, IST, +5.3", Daylight Saving Time clear
// In Hindi or Tamil the words are the language's, the date's month too; the zone's names (the
// data's and the list's) stay as they are written.
std::string ProposalText(const ZoneAtMoment& zone, const ClockMoment& moment, const ZoneProposal& proposal,
                         bool applied = false, upagraha::Language language = upagraha::Language::English);

// The line above the proposal when it comes from the atlas place nearest to coordinates typed by
// hand: "Nearest place in the atlas: New Delhi, NCT, India (3 km)", the distance to the kilometre.
std::string NearestPlaceText(const AtlasPlace& place, double km,
                             upagraha::Language language = upagraha::Language::English);

// The line when the place's zone is one the system's data does not know, and when the form's day
// does not exist in its month (the offset waits for a date).
std::string UnknownZoneText(std::string_view zone, upagraha::Language language = upagraha::Language::English);
std::string NoDateText(std::string_view zone, upagraha::Language language = upagraha::Language::English);

// A warning when the form's row and tick do not give the offset in force (to the minute), or
// local mean time where the data says the clocks kept it or not, or when no row can give it. A
// row with the same offset as the proposed one is as good as it, so it draws no warning; a form
// without a row selected draws none either (the calculation names that itself).
std::optional<std::string> ZoneWarning(const ZoneAtMoment& zone, const ZoneProposal& proposal, int chosenRow,
                                       bool chosenDST, upagraha::Language language = upagraha::Language::English);

// The texts above in English, Hindi and Tamil (for the test that holds every entry to its
// placeholders).
std::span<const reading::TranslatedText> ZoneTexts();

// A day's clock for the day portions from what the data says at noon of that day: the offset in
// force, as the zone and the daylight-saving tick give it (the tick where the clocks are ahead of
// or behind the standard offset; the zone then the offset in force less one hour, so that the two
// together give the clocks whatever the size of the shift).
reading::DayClock DayClockOf(const ZoneAtMoment& zone);

}  // namespace vela::atlas
