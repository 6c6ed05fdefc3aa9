#include "atlas/zone_proposal.h"

#include <cmath>
#include <cstdlib>

#include "astro/calendar.h"
#include "astro/text.h"
#include "reading/reference_tables.h"

namespace vela::modZoneProposal {

namespace {

constexpr int kSecondsPerHour = 3600;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string MonthAbbreviation(int month) {
    return std::string(kMonthNames[static_cast<std::size_t>(month - 1)].substr(0, 3));
}

// An offset to the nearest whole minute, half a minute to the even one.
int ToWholeMinute(int seconds) { return static_cast<int>(std::nearbyint(seconds / 60.0)) * 60; }

bool IsLocalMeanTimeRow(int row) { return kZoneRows[static_cast<std::size_t>(row)].blnLocalMeanTime; }

}  // namespace

std::optional<ClockMoment> ClockMomentOf(const BirthForm& form) {
    const auto day = modText::ParseWhole(form.cboDate);
    const auto year = modText::ParseWhole(form.cboYear);
    const auto hour = modText::ParseWhole(form.cboHour);
    const auto minute = modText::ParseWhole(form.cboMinute);
    const int month = form.cboMonth + 1;
    if (!day || !year || !hour || !minute || month < 1 || month > 12) return std::nullopt;
    if (!IsValidDate(*year, month, *day) || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) return std::nullopt;
    return ClockMoment{*year, month, *day, *hour, *minute};
}

int RowRank(std::string_view rowText) {
    const std::string_view name = rowText.substr(0, rowText.find(','));
    if (Contains(name, "Standard Time")) return 0;
    for (const std::string_view word : {"Daylight", "Summer", "War", "Double"})
        if (Contains(name, word)) return 3;
    return Contains(name, "Time") ? 1 : 2;
}

std::optional<int> RowForOffset(int secondsEast) {
    const int wanted = ToWholeMinute(secondsEast);
    std::optional<int> best;
    int bestRank = 0;
    for (int row = 0; row < kZoneCount; ++row) {
        if (IsLocalMeanTimeRow(row) || RowOffsetSeconds(row) != wanted) continue;
        const int rank = RowRank(kZoneRows[static_cast<std::size_t>(row)].text);
        if (!best || rank < bestRank) {
            best = row;
            bestRank = rank;
        }
    }
    return best;
}

ZoneProposal ProposeZone(int standardSeconds, int inForceSeconds) {
    const int ahead = inForceSeconds - standardSeconds;
    if (ahead == 0 || ahead == kSecondsPerHour) {
        if (const auto row = RowForOffset(standardSeconds)) return {row, ahead == kSecondsPerHour};
    }
    // The tick adds exactly one hour; any other difference (two hours of double summer time, an
    // hour behind standard in an Irish or Namibian winter), or a standard offset the table lacks,
    // needs a row that gives the offset in force by itself.
    return {RowForOffset(inForceSeconds), false};
}

ZoneProposal ProposeZone(const ZoneAtMoment& zone) {
    if (zone.blnLocalMeanTime) return {kLocalMeanTimeRow, false};
    return ProposeZone(zone.intStandardSeconds, zone.intInForceSeconds);
}

std::string ProposalText(const ZoneAtMoment& zone, const ClockMoment& moment, const ZoneProposal& proposal,
                         bool blnApplied) {
    std::string text = zone.strZone + " on " + std::to_string(moment.intDay) + " " +
                       MonthAbbreviation(moment.intMonth) + " " + std::to_string(moment.intYear) + ": ";
    if (zone.blnLocalMeanTime)
        text +=
            "local mean time, before standard time (" + OffsetText(zone.intInForceSeconds) + " at the zone's own city)";
    else
        text += OffsetText(zone.intInForceSeconds);
    const std::string standard = " (standard " + OffsetText(zone.intStandardSeconds) + ")";
    if (zone.blnLocalMeanTime) {
        // Mean time knows no daylight saving.
    } else if (zone.intInForceSeconds > zone.intStandardSeconds)
        text += ", daylight saving" + standard;
    else if (zone.intInForceSeconds < zone.intStandardSeconds)
        text += ", winter time" + standard;
    else
        text += ", no daylight saving";
    const std::string clock = modText::ClockText(moment.intHour, moment.intMinute);
    if (zone.clock == ClockFit::Skipped)
        text += "; the clocks skipped " + clock + " that day (put forward), so the time after is assumed";
    else if (zone.clock == ClockFit::Twice)
        text += "; the clocks showed " + clock + " twice that day (put back), so the first is assumed";
    text += "\n";
    if (proposal.intRow) {
        text += (blnApplied ? "Zone set to \"" : "Proposed: \"") +
                std::string(kZoneRows[static_cast<std::size_t>(*proposal.intRow)].text) + "\"" +
                (proposal.blnDST ? " with Daylight Saving Time ticked" : ", Daylight Saving Time clear");
    } else {
        text += "No zone of the list gives " + OffsetText(zone.intInForceSeconds) + ".";
    }
    return text;
}

std::string NearestPlaceText(const modPlaceName::AtlasPlace& place, double km) {
    // Whole kilometres, half to even: the coordinates typed to the minute are no closer than that.
    return "Nearest place in the atlas: " + modPlaceName::PlaceListText(place) + " (" +
           std::to_string(static_cast<long>(std::nearbyint(km))) + " km)";
}

std::string UnknownZoneText(std::string_view zone) {
    return "The time zone " + std::string(zone) + " is not known to this system; please choose the zone yourself.";
}

std::string NoDateText(std::string_view zone) {
    return std::string(zone) + ": the offset is shown once the date exists.";
}

std::optional<std::string> ZoneWarning(const ZoneAtMoment& zone, const ZoneProposal& proposal, int chosenRow,
                                       bool chosenDST) {
    const std::string inForce = OffsetText(zone.intInForceSeconds);
    if (!proposal.intRow)
        return "No zone of the list gives " + inForce + ", the clocks of " + zone.strZone +
               " at the birth moment; the reading will use the zone chosen.";
    if (chosenRow < 0 || chosenRow >= kZoneCount) return std::nullopt;
    std::string gives;
    if (IsLocalMeanTimeRow(chosenRow)) {
        if (zone.blnLocalMeanTime && !chosenDST) return std::nullopt;
        gives = chosenDST ? "the place's local mean time and an hour" : "the place's local mean time";
    } else {
        const int chosen = RowOffsetSeconds(chosenRow) + (chosenDST ? kSecondsPerHour : 0);
        if (!zone.blnLocalMeanTime && chosen == ToWholeMinute(zone.intInForceSeconds)) return std::nullopt;
        gives = OffsetText(chosen);
    }
    return "The zone " + std::string(chosenDST ? "and tick chosen give " : "chosen gives ") + gives +
           ", but the clocks of " + zone.strZone +
           (zone.blnLocalMeanTime ? " kept local mean time" : " were at " + inForce) + " at the birth moment.";
}

}  // namespace vela::modZoneProposal
