#include "reading/result_summary.h"

#include <cmath>
#include <cstdlib>

#include "astro/position_text.h"
#include "astro/text.h"
#include "reading/reference_tables.h"
#include "upagraha/nakshatra.h"
#include "upagraha/profiles.h"

namespace vela::reading {

namespace {

using upagraha::Upagrahas;

constexpr int kMinutesPerDay = 24 * 60;

std::string_view ZoneName(int row) {
    if (row < 0 || row >= kZoneCount) return {};
    const std::string_view text = kZoneRows[static_cast<std::size_t>(row)].text;
    return text.substr(0, text.find(','));
}

// The zone's offset East of Greenwich in seconds, from the reading's own record: a row's own
// (whole minutes, or seconds where the row has them), local mean time to the nearest minute (half
// to even).
int ZoneSecondsEast(const Reading& s) {
    if (s.zone.localMeanHoursEast) return 60 * static_cast<int>(std::nearbyint(*s.zone.localMeanHoursEast * 60));
    return s.zone.secondsEast;
}

// "+05:30", or "+05:53:20" where the offset has seconds.
std::string OffsetTextOfSeconds(int secondsEast) {
    std::string text = OffsetTextOfMinutes(secondsEast / 60);
    if (secondsEast % 60 != 0) {
        text += ':';
        astro::AppendTwoDigits(text, std::abs(secondsEast % 60));
    }
    return text;
}

constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

std::string PlaceText(const Reading& s) {
    std::string text;
    for (const std::string* part : {&s.city, &s.state, &s.country}) {
        if (part->empty()) continue;
        text += *part;
        text += ", ";
    }
    astro::AppendDegreesMinutes(text, s.latDegrees, s.latMinutes);
    text += s.south ? " S, " : " N, ";
    astro::AppendDegreesMinutes(text, s.lonDegrees, s.lonMinutes);
    text += s.east ? " E" : " W";
    return text;
}

// "00 Gem 25", as the report writes the upagrahas, "(R)" after it for a retrograde graha.
std::string CompactLongitude(const PlacedPoint& p, bool markRetrograde) {
    const double inSign = std::fmod(p.longitudeDegrees, 30.0);
    const int minutes = static_cast<int>(std::floor(inSign * 60));
    std::string text;
    astro::AppendTwoDigits(text, minutes / 60);
    text += ' ';
    text += astro::kSignAbbreviations.substr(static_cast<std::size_t>(p.sign) * 3, 3);
    text += ' ';
    astro::AppendTwoDigits(text, minutes % 60);
    if (markRetrograde && p.retrograde) text += " (R)";
    return text;
}

TableRow PlacedRow(const PlacedPoint& p, bool markRetrograde) {
    return {std::string(p.name),
            "",
            "",
            "",
            CompactLongitude(p, markRetrograde),
            std::string(p.NakshatraName()) + ", pada " + std::to_string(p.pada),
            std::to_string(p.house)};
}

TableRow HeadingRow(std::string_view name) {
    TableRow row;
    row.name = name;
    row.isHeading = true;
    return row;
}

std::string PortionText(const Upagrahas& u, std::size_t i) {
    return std::to_string(u.portionIndex[i] + 1) + " of " + std::to_string(upagraha::kPortionCount) +
           (u.birthByDay ? ", day" : ", night");
}

// "Conventions: Original" for a preset; any other profile spells out every axis, as no name says
// what it holds.
std::string ConventionsText(const upagraha::ConventionProfile& profile) {
    using namespace upagraha;
    std::string text = "Conventions: " + std::string(profile.title);
    if (const auto preset = FindProfile(profile.name); preset && preset->SameConventions(profile)) return text;
    text += " (" + std::string(LordOrderText(profile.lordOrder));
    for (std::size_t u = 0; u < profile.points.size(); ++u) {
        text += u == 0 ? "; " : ", ";
        text += kUpagrahaNames[u];
        if (profile.points[u] == PortionPoint::Ghatis)
            text += " by the ghatis";
        else
            (text += " at the ") += PointText(profile.points[u]);
    }
    (text += "; ") += SunriseText(profile.sunrise);
    (text += "; ") += VyatipataText(profile.vyatipata);
    text += profile.ephemeris == EphemerisChoice::Precise ? "; precise ephemeris" : "; the original's formulas";
    text += profile.ayanamsa == AyanamsaChoice::Lahiri ? " with Lahiri's ayanamsa)" : " with the original's ayanamsa)";
    return text;
}

}  // namespace

std::string OffsetTextOfMinutes(int minutesEast) {
    const int magnitude = std::abs(minutesEast);
    std::string text(minutesEast < 0 ? "\u2212" : "+");
    text += astro::ClockText(magnitude / 60, magnitude % 60);
    return text;
}

std::string PositionWords(std::string_view compact) {
    const int sign = upagraha::SignIndexOfAbbreviation(astro::CompactSign(compact));
    const auto degrees = astro::ParseWhole(compact.substr(0, 2));
    const auto minutes = compact.size() >= 9 ? astro::ParseWhole(compact.substr(7, 2)) : std::nullopt;
    if (sign < 0 || !degrees || !minutes) return std::string(compact);
    std::string text;
    astro::AppendTwoDigits(text, *degrees);
    text += "\u00B0";
    astro::AppendTwoDigits(text, *minutes);
    text += "\u2032 ";
    text += upagraha::kSignNames[static_cast<std::size_t>(sign)];
    return text;
}

ResultHeader BuildHeader(const Reading& s, const Upagrahas& u) {
    ResultHeader header;
    header.name = s.name;

    std::string& birth = header.birth;
    birth = std::to_string(s.day) + " " + std::string(kMonthNames[static_cast<std::size_t>(s.month - 1)]) + " " +
            std::to_string(s.year) + ", " + astro::ClockText(s.hour, s.minute) + ", ";
    birth += s.exactZone ? std::string_view(s.exactZone->name) : ZoneName(s.zoneRow);
    birth += ' ';
    const int zone = ZoneSecondsEast(s);
    birth += OffsetTextOfSeconds(zone);
    if (s.dst) birth += " + 1 h daylight saving (" + OffsetTextOfSeconds(zone + 3600) + ")";

    header.place = PlaceText(s);
    header.ascendantText = "Ascendant " + PositionWords(s.birthAscendantText) + ", " +
                           upagraha::NakshatraText(upagraha::NakshatraOf(s.birthAscendant.value));
    const std::string weekday(kWeekdays[static_cast<std::size_t>(u.weekday % 7)]);
    header.dayNight =
        u.birthByDay ? "Day birth; the day portions of " + weekday : "Night birth; the night portions of " + weekday;
    header.profile = ConventionsText(s.profile);
    if (s.sky) {
        const PlacedPoint& moon = s.sky->Moon();
        header.janmaRasi = "Janma rasi " + std::string(moon.SignName());
        header.janmaNakshatra =
            "Janma nakshatra " + std::string(moon.NakshatraName()) + ", pada " + std::to_string(moon.pada);
        header.janmaRasiSign = moon.sign;
        header.janmaNakshatraIndex = moon.nakshatra;
        header.janmaPada = moon.pada;
    }
    return header;
}

std::string MomentText(double hours) {
    const long total = std::lround(hours * 60);
    const long day = static_cast<long>(std::floor(static_cast<double>(total) / kMinutesPerDay));
    const long inDay = total - day * kMinutesPerDay;
    std::string text = astro::ClockText(static_cast<int>(inDay / 60), static_cast<int>(inDay % 60));
    if (day > 0) text += " (next date)";
    if (day < 0) text += " (previous date)";
    return text;
}

std::string_view AscendantName(upagraha::Language language) {
    switch (language) {
        case upagraha::Language::Hindi:
            return "लग्न";
        case upagraha::Language::Tamil:
            return "லக்னம்";
        case upagraha::Language::English:
            break;
    }
    return "Ascendant";
}

std::vector<TableRow> BuildTable(const Reading& s, const Upagrahas& u, upagraha::Language language) {
    using namespace upagraha;
    std::vector<TableRow> rows;
    rows.reserve(kUpagrahaCount + 1);
    if (language != Language::English) {
        rows.push_back({std::string(AscendantName(language)), "", "", MomentText(u.birthHour),
                        PositionTextIn(s.birthAscendantText, language),
                        NakshatraText(NakshatraOf(s.birthAscendant.value), language), "1"});
        for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
            const int upagraha = static_cast<int>(i);
            rows.push_back({std::string(UpagrahaName(upagraha, language)),
                            std::string(LordName(kUpagrahaLords[i], language)), PortionText(u, i),
                            MomentText(u.moments[i]), PositionTextIn(u.upagrahaLongitudes[i].view(), language),
                            NakshatraText(NakshatraOf(u.longitudes[i]), language), std::to_string(u.houses[i])});
        }
        return rows;
    }
    rows.push_back({"Ascendant", "", "", MomentText(u.birthHour), s.birthAscendantText,
                    upagraha::NakshatraText(upagraha::NakshatraOf(s.birthAscendant.value)), "1"});
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        rows.push_back({std::string(kUpagrahaNames[i]), std::string(upagraha::PlanetText(kUpagrahaLords[i])),
                        PortionText(u, i), MomentText(u.moments[i]), u.upagrahaLongitudes[i].str(),
                        upagraha::NakshatraText(upagraha::NakshatraOf(u.longitudes[i])), std::to_string(u.houses[i])});
    }
    if (s.sky) {
        rows.push_back(HeadingRow(kGrahaGroupHeading));
        for (const PlacedPoint& graha : s.sky->grahas) rows.push_back(PlacedRow(graha, true));
        rows.push_back(HeadingRow(kSunUpagrahaGroupHeading));
        for (const PlacedPoint& point : s.sky->sunUpagrahas) rows.push_back(PlacedRow(point, false));
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
        if (row.isHeading) {
            text += row.name;
            text += '\n';
            continue;
        }
        for (const std::string* field : {&row.name, &row.lord, &row.portionText, &row.momentText, &row.longitudeText,
                                         &row.nakshatraText, &row.houseText}) {
            if (field != &row.name) text += '\t';
            text += *field;
        }
        text += '\n';
    }
    return text;
}

}  // namespace vela::reading
