#include "atlas/zone_proposal.h"

#include <cmath>
#include <cstdlib>

#include "astro/calendar.h"
#include "astro/text.h"
#include "reading/reference_tables.h"

namespace vela::atlas {

namespace {

constexpr int kSecondsPerHour = 3600;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string MonthAbbreviation(int month) {
    return std::string(reading::kMonthNames[static_cast<std::size_t>(month - 1)].substr(0, 3));
}

// An offset to the nearest whole minute, half a minute to the even one.
int ToWholeMinute(int seconds) { return static_cast<int>(std::nearbyint(seconds / 60.0)) * 60; }

bool IsLocalMeanTimeRow(int row) { return reading::kZoneRows[static_cast<std::size_t>(row)].localMeanTime; }

}  // namespace

std::optional<ClockMoment> ClockMomentOf(const reading::BirthForm& form) {
    const auto day = astro::ParseWhole(form.day);
    const auto year = astro::ParseWhole(form.year);
    const auto hour = astro::ParseWhole(form.hour);
    const auto minute = astro::ParseWhole(form.minute);
    const int month = form.month + 1;
    if (!day || !year || !hour || !minute || month < 1 || month > 12) return std::nullopt;
    if (!astro::IsValidDate(*year, month, *day) || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59)
        return std::nullopt;
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
    for (int row = 0; row < reading::kZoneCount; ++row) {
        // To the minute on both sides: Calcutta and Madras time carry their seconds, the clocks'
        // data may carry others.
        if (IsLocalMeanTimeRow(row) || ToWholeMinute(reading::RowOffsetSeconds(row)) != wanted) continue;
        const int rank = RowRank(reading::kZoneRows[static_cast<std::size_t>(row)].text);
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
    if (zone.localMeanTime) return {reading::kLocalMeanTimeRow, false};
    return ProposeZone(zone.standardSeconds, zone.inForceSeconds);
}

std::string ProposalText(const ZoneAtMoment& zone, const ClockMoment& moment, const ZoneProposal& proposal,
                         bool applied) {
    std::string text = zone.zoneName + " on " + std::to_string(moment.day) + " " + MonthAbbreviation(moment.month) +
                       " " + std::to_string(moment.year) + ": ";
    if (zone.localMeanTime)
        text += "local mean time, before standard time (" + reading::OffsetText(zone.inForceSeconds) +
                " at the zone's own city)";
    else
        text += reading::OffsetText(zone.inForceSeconds);
    const std::string standard = " (standard " + reading::OffsetText(zone.standardSeconds) + ")";
    if (zone.localMeanTime) {
        // Mean time knows no daylight saving.
    } else if (zone.inForceSeconds > zone.standardSeconds)
        text += ", daylight saving" + standard;
    else if (zone.inForceSeconds < zone.standardSeconds)
        text += ", winter time" + standard;
    else
        text += ", no daylight saving";
    const std::string clock = astro::ClockText(moment.hour, moment.minute);
    if (zone.clock == ClockFit::Skipped)
        text += "; the clocks skipped " + clock + " that day (put forward), so the time after is assumed";
    else if (zone.clock == ClockFit::Twice)
        text += "; the clocks showed " + clock + " twice that day (put back), so the first is assumed";
    text += "\n";
    if (proposal.row) {
        text += (applied ? "Zone set to \"" : "Proposed: \"") +
                std::string(reading::kZoneRows[static_cast<std::size_t>(*proposal.row)].text) + "\"" +
                (proposal.dst ? " with Daylight Saving Time ticked" : ", Daylight Saving Time clear");
    } else {
        text += "No zone of the list gives " + reading::OffsetText(zone.inForceSeconds) + ".";
    }
    return text;
}

std::string NearestPlaceText(const AtlasPlace& place, double km) {
    // Whole kilometres, half to even: the coordinates typed to the minute are no closer than that.
    return "Nearest place in the atlas: " + PlaceListText(place) + " (" +
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
    const std::string inForce = reading::OffsetText(zone.inForceSeconds);
    if (!proposal.row)
        return "No zone of the list gives " + inForce + ", the clocks of " + zone.zoneName +
               " at the birth moment; the reading will use the zone chosen.";
    if (chosenRow < 0 || chosenRow >= reading::kZoneCount) return std::nullopt;
    std::string gives;
    if (IsLocalMeanTimeRow(chosenRow)) {
        if (zone.localMeanTime && !chosenDST) return std::nullopt;
        gives = chosenDST ? "the place's local mean time and an hour" : "the place's local mean time";
    } else {
        const int chosen = reading::RowOffsetSeconds(chosenRow) + (chosenDST ? kSecondsPerHour : 0);
        if (!zone.localMeanTime && ToWholeMinute(chosen) == ToWholeMinute(zone.inForceSeconds)) return std::nullopt;
        gives = reading::OffsetText(chosen);
    }
    return "The zone " + std::string(chosenDST ? "and tick chosen give " : "chosen gives ") + gives +
           ", but the clocks of " + zone.zoneName +
           (zone.localMeanTime ? " kept local mean time" : " were at " + inForce) + " at the birth moment.";
}

reading::DayClock DayClockOf(const ZoneAtMoment& zone) {
    const bool shifted = zone.inForceSeconds != zone.standardSeconds;
    return {astro::ZoneOffset::FromSecondsEast(zone.inForceSeconds - (shifted ? 3600 : 0)), shifted};
}

}  // namespace vela::atlas
