#include "reading/result_summary.h"

#include <cmath>
#include <cstdlib>

#include "astro/position_text.h"
#include "astro/text.h"
#include "reading/reference_tables.h"
#include "upagraha/nakshatra.h"

namespace vela::modResultSummary {

namespace {

using modVedicUpagrahas::Upagrahas;

constexpr int kMinutesPerDay = 24 * 60;

std::string_view ZoneName(int row) {
    if (row < 0 || row >= kZoneCount) return {};
    const std::string_view text = kZoneRows[static_cast<std::size_t>(row)].text;
    return text.substr(0, text.find(','));
}

// The zone's offset East of Greenwich in minutes, from the reading's own record; local mean time
// to the nearest minute (half to even).
int ZoneMinutesEast(const SharedChartState& s) { return static_cast<int>(std::nearbyint(ZoneHoursEast(s) * 60)); }

constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

std::string PlaceText(const SharedChartState& s) {
    std::string text;
    for (const std::string* part : {&s.strCity, &s.strState, &s.strCountry}) {
        if (part->empty()) continue;
        text += *part;
        text += ", ";
    }
    modText::AppendDegreesMinutes(text, s.intLatDeg, s.intLatMin);
    text += s.blnSouth ? " S, " : " N, ";
    modText::AppendDegreesMinutes(text, s.intLonDeg, s.intLonMin);
    text += s.blnEast ? " E" : " W";
    return text;
}

std::string PortionText(const Upagrahas& u, std::size_t i) {
    return std::to_string(u.intPortion[i] + 1) + " of " + std::to_string(modVedicUpagrahas::kPortionCount) +
           (u.blnBirthByDay ? ", day" : ", night");
}

}  // namespace

std::string OffsetText(int minutesEast) {
    const int magnitude = std::abs(minutesEast);
    std::string text(minutesEast < 0 ? "\u2212" : "+");
    text += modText::ClockText(magnitude / 60, magnitude % 60);
    return text;
}

std::string PositionWords(std::string_view compact) {
    const int sign = modVedicUpagrahas::SignIndexOfAbbreviation(modVedicPlanetPosition::CompactSign(compact));
    const auto degrees = modText::ParseWhole(compact.substr(0, 2));
    const auto minutes = compact.size() >= 9 ? modText::ParseWhole(compact.substr(7, 2)) : std::nullopt;
    if (sign < 0 || !degrees || !minutes) return std::string(compact);
    std::string text;
    modText::AppendTwoDigits(text, *degrees);
    text += "\u00B0";
    modText::AppendTwoDigits(text, *minutes);
    text += "\u2032 ";
    text += modVedicUpagrahas::strSignNames[static_cast<std::size_t>(sign)];
    return text;
}

ResultHeader BuildHeader(const SharedChartState& s, const Upagrahas& u) {
    ResultHeader header;
    header.strName = s.strName;

    std::string& birth = header.strBirth;
    birth = std::to_string(s.intDay) + " " + std::string(kMonthNames[static_cast<std::size_t>(s.intMonth - 1)]) + " " +
            std::to_string(s.intYear) + ", " + modText::ClockText(s.intHour, s.intMinute) + ", ";
    birth += ZoneName(s.intZoneRow);
    birth += ' ';
    const int zone = ZoneMinutesEast(s);
    birth += OffsetText(zone);
    if (s.blnDST) birth += " + 1 h daylight saving (" + OffsetText(zone + 60) + ")";

    header.strPlace = PlaceText(s);
    header.strAscendant = "Ascendant " + PositionWords(s.strBirthAscendant) + ", " +
                          modNakshatra::NakshatraText(modNakshatra::NakshatraOf(s.dblBirthAscendant));
    const std::string weekday(kWeekdays[static_cast<std::size_t>(u.intWeekday % 7)]);
    header.strDayNight =
        u.blnBirthByDay ? "Day birth; the day portions of " + weekday : "Night birth; the night portions of " + weekday;
    header.strProfile = "Conventions: " + std::string(s.profile.strTitle);
    return header;
}

std::string MomentText(double hours) {
    const long total = std::lround(hours * 60);
    const long day = static_cast<long>(std::floor(static_cast<double>(total) / kMinutesPerDay));
    const long inDay = total - day * kMinutesPerDay;
    std::string text = modText::ClockText(static_cast<int>(inDay / 60), static_cast<int>(inDay % 60));
    if (day > 0) text += " (next date)";
    if (day < 0) text += " (previous date)";
    return text;
}

std::vector<TableRow> BuildTable(const SharedChartState& s, const Upagrahas& u) {
    using namespace modVedicUpagrahas;
    std::vector<TableRow> rows;
    rows.reserve(kUpagrahaCount + 1);
    rows.push_back({"Ascendant", "", "", MomentText(u.dblBirthHour), s.strBirthAscendant,
                    modNakshatra::NakshatraText(modNakshatra::NakshatraOf(s.dblBirthAscendant)), "1"});
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        rows.push_back({std::string(strUpagrahaNames[i]), std::string(strUpagrahaLords[i]), PortionText(u, i),
                        MomentText(u.dblMoments[i]), u.varUpagrahaLongitudes[i].str(),
                        modNakshatra::NakshatraText(modNakshatra::NakshatraOf(u.dblLongitudes[i])),
                        std::to_string(u.intHouses[i])});
    }
    return rows;
}

std::string TableText(const std::vector<TableRow>& rows) {
    std::string text;
    for (std::size_t c = 0; c < kTableColumns.size(); ++c) {
        if (c > 0) text += '\t';
        text += kTableColumns[c];
    }
    text += '\n';
    for (const TableRow& row : rows) {
        for (const std::string* field : {&row.strName, &row.strLord, &row.strPortion, &row.strMoment, &row.strLongitude,
                                         &row.strNakshatra, &row.strHouse}) {
            if (field != &row.strName) text += '\t';
            text += *field;
        }
        text += '\n';
    }
    return text;
}

}  // namespace vela::modResultSummary
