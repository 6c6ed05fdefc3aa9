#include "reading/result_summary.h"

#include <cmath>
#include <cstdlib>

#include "astro/position_text.h"
#include "astro/text.h"
#include "reading/form_values.h"
#include "reading/reading_language.h"
#include "reading/reference_tables.h"
#include "reading/varga_points.h"
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

// True for an exact offset whose name is only "UTC" and that offset ("UTC+05:21:10", as --offset and
// the zone box name one).
bool NamesItsOffset(const Reading& s) {
    if (!s.exactZone || !s.exactZone->name.starts_with("UTC")) return false;
    const auto spelled = ParseExactOffset(std::string_view(s.exactZone->name).substr(3));
    return spelled && spelled->secondsEast == s.exactZone->secondsEast;
}

std::string PlaceText(const Reading& s, upagraha::Language language) {
    std::string text;
    for (const std::string* part : {&s.city, &s.state, &s.country}) {
        if (part->empty()) continue;
        text += *part;
        text += ", ";
    }
    std::string latitude;
    astro::AppendDegreesMinutes(latitude, s.latDegrees, s.latMinutes);
    text += Say(s.south ? "%1 S" : "%1 N", language, {latitude});
    text += ", ";
    std::string longitude;
    astro::AppendDegreesMinutes(longitude, s.lonDegrees, s.lonMinutes);
    text += Say(s.east ? "%1 E" : "%1 W", language, {longitude});
    return text;
}

// "00 Gem 25", as the report writes the upagrahas, "(R)" after it for a retrograde graha.
std::string CompactLongitude(const PlacedPoint& p, bool markRetrograde, upagraha::Language language) {
    const double inSign = std::fmod(p.longitudeDegrees, 30.0);
    const int minutes = static_cast<int>(std::floor(inSign * 60));
    std::string text;
    astro::AppendTwoDigits(text, minutes / 60);
    text += ' ';
    text += astro::kSignAbbreviations.substr(static_cast<std::size_t>(p.sign) * 3, 3);
    text += ' ';
    astro::AppendTwoDigits(text, minutes % 60);
    text = upagraha::PositionTextIn(text, language);
    if (markRetrograde && p.retrograde) text = Say("%1 (R)", language, {text});
    return text;
}

// The graha's or the Sun's upagraha's name in the language (the English as the sky layer gives it).
std::string_view PlacedName(const PlacedPoint& p, upagraha::Language language) {
    if (language == upagraha::Language::English) return p.name;
    for (std::size_t g = 0; g < sky::kGrahas.size(); ++g)
        if (p.name == sky::GrahaName(sky::kGrahas[g])) return upagraha::GrahaName(sky::kGrahas[g], language);
    for (std::size_t k = 0; k < kSunUpagrahaNames.size(); ++k)
        if (p.name == kSunUpagrahaNames[k]) return upagraha::SunUpagrahaName(static_cast<int>(k), language);
    return p.name;
}

TableRow PlacedRow(const PlacedPoint& p, bool markRetrograde, upagraha::Language language) {
    return {std::string(PlacedName(p, language)),
            "",
            "",
            "",
            CompactLongitude(p, markRetrograde, language),
            upagraha::NakshatraText({p.nakshatra, p.pada}, language),
            std::to_string(p.house)};
}

TableRow HeadingRow(std::string_view name) {
    TableRow row;
    row.name = name;
    row.isHeading = true;
    return row;
}

std::string PortionText(const Upagrahas& u, std::size_t i, upagraha::Language language) {
    return Say(u.birthByDay ? "%1 of %2, day" : "%1 of %2, night", language,
               {std::to_string(u.portionIndex[i] + 1), std::to_string(upagraha::kPortionCount)});
}

// A point of a portion in the words of a profile's description, in English as DescribeProfile
// and the header write it ("at the start", "by the ghatis").
std::string_view PointPhrase(upagraha::PortionPoint point) {
    switch (point) {
        case upagraha::PortionPoint::Start:
            return "%1 at the start";
        case upagraha::PortionPoint::Middle:
            return "%1 at the middle";
        case upagraha::PortionPoint::End:
            return "%1 at the end";
        case upagraha::PortionPoint::Ghatis:
            return "%1 by the ghatis";
    }
    return "%1 at the middle";
}

// "the original's formulas with Lahiri's ayanamsa": the ephemeris and ayanamsa axes together.
std::string SkyText(const upagraha::ConventionProfile& profile) {
    using namespace upagraha;
    std::string text = profile.ephemeris == EphemerisChoice::Precise ? "precise ephemeris" : "the original's formulas";
    text += profile.ayanamsa == AyanamsaChoice::Lahiri ? " with Lahiri's ayanamsa" : " with the original's ayanamsa";
    return text;
}

// "Conventions: Original" for a preset; any other profile spells out every axis, as no name says
// what it holds. English is the program's own text; Hindi and Tamil say the same axis by axis.
std::string ConventionsText(const upagraha::ConventionProfile& profile, upagraha::Language language) {
    using namespace upagraha;
    std::string text = Say("Conventions: %1", language, {ProfileTitle(profile.title, language)});
    if (const auto preset = FindProfile(profile.name); preset && preset->Values() == profile.Values()) {
        if (const std::string differences = ProfileDifferences(profile, kOriginalProfile, language);
            !differences.empty())
            text += Say(" (unlike Original: %1)", language, {differences});
        return text;
    }
    text += " (" + Say(LordOrderText(profile.lordOrder), language);
    for (std::size_t u = 0; u < profile.points.size(); ++u) {
        text += u == 0 ? "; " : ", ";
        text += Say(PointPhrase(profile.points[u]), language, {upagraha::UpagrahaName(static_cast<int>(u), language)});
    }
    (text += "; ") += Say(SunriseText(profile.sunrise), language);
    (text += "; ") += Say(VyatipataText(profile.vyatipata), language);
    (text += "; ") += Say(SkyText(profile), language);
    // The vargas' rules only where they leave Parashara's, so every earlier header reads as it did.
    if (profile.vargas != VargaRules{}) (text += "; ") += VargaRulesText(profile.vargas, language);
    return text + ")";
}

}  // namespace

std::string OffsetTextOfMinutes(int minutesEast) {
    const int magnitude = std::abs(minutesEast);
    std::string text(minutesEast < 0 ? "\u2212" : "+");
    text += astro::ClockText(magnitude / 60, magnitude % 60);
    return text;
}

std::string PositionWords(std::string_view compact, upagraha::Language language) {
    const int sign = upagraha::SignIndexOfAbbreviation(astro::CompactSign(compact));
    const auto degrees = astro::ParseWhole(compact.substr(0, 2));
    const auto minutes = compact.size() >= 9 ? astro::ParseWhole(compact.substr(7, 2)) : std::nullopt;
    if (sign < 0 || !degrees || !minutes) return std::string(compact);
    std::string text;
    astro::AppendTwoDigits(text, *degrees);
    text += "\u00B0";
    astro::AppendTwoDigits(text, *minutes);
    text += "\u2032 ";
    text += upagraha::SignName(sign, language);
    return text;
}

std::array<std::string, 7> TableColumns(upagraha::Language language) {
    std::array<std::string, 7> columns;
    for (std::size_t c = 0; c < columns.size(); ++c) columns[c] = Say(kTableColumns[c], language);
    return columns;
}

namespace {

// The upagrahas' conventions in words (ProfileDescription without the vargas' rules).
std::string UpagrahaConventionsText(const upagraha::ConventionProfile& profile, upagraha::Language language) {
    using namespace upagraha;
    if (language == Language::English) return DescribeProfile(profile);
    const PortionPoint usual = UsualPoint(profile);
    std::string exceptions;
    for (std::size_t u = 0; u < profile.points.size(); ++u) {
        if (profile.points[u] == usual) continue;
        if (!exceptions.empty()) exceptions += ", ";
        exceptions +=
            Say(PointPhrase(profile.points[u]), language, {upagraha::UpagrahaName(static_cast<int>(u), language)});
    }
    const std::string_view point = PointText(usual);
    std::string text = Say(LordOrderText(profile.lordOrder), language) + "; ";
    if (exceptions.empty())
        text += Say("every upagraha at the " + std::string(point) + " of its portion", language);
    else
        text += exceptions + ", " + Say("the others at the " + std::string(point) + " of their portions", language);
    (text += "; ") += Say(SunriseText(profile.sunrise), language);
    if (profile.vyatipata != VyatipataChoice::CircleLessDhuma)
        (text += "; ") += Say(VyatipataText(profile.vyatipata), language);
    if (const std::string sky = EphemerisText(profile); !sky.empty()) (text += "; ") += Say(sky, language);
    return text;
}

}  // namespace

std::string ProfileDescription(const upagraha::ConventionProfile& profile, upagraha::Language language) {
    std::string text = UpagrahaConventionsText(profile, language);
    if (profile.vargas != upagraha::VargaRules{}) (text += "; ") += VargaRulesText(profile.vargas, language);
    return text;
}

std::string ProfileDifferences(const upagraha::ConventionProfile& profile, const upagraha::ConventionProfile& from,
                               upagraha::Language language) {
    using namespace upagraha;
    std::string text;
    const auto add = [&text](const std::string& part) { (text += text.empty() ? "" : "; ") += part; };
    if (profile.lordOrder != from.lordOrder) add(Say(LordOrderText(profile.lordOrder), language));
    for (std::size_t u = 0; u < profile.points.size(); ++u)
        if (profile.points[u] != from.points[u])
            add(Say(PointPhrase(profile.points[u]), language, {UpagrahaName(static_cast<int>(u), language)}));
    if (profile.sunrise != from.sunrise) add(Say(SunriseText(profile.sunrise), language));
    if (profile.vyatipata != from.vyatipata) add(Say(VyatipataText(profile.vyatipata), language));
    if (profile.ephemeris != from.ephemeris || profile.ayanamsa != from.ayanamsa) add(Say(SkyText(profile), language));
    if (profile.vargas != from.vargas) add(VargaRulesText(profile.vargas, language));
    return text;
}

std::string_view ProfileTitle(std::string_view title, upagraha::Language language) {
    if (language == upagraha::Language::English) return title;
    for (std::size_t i = 0; i < TranslatedTextCount(); ++i)
        if (const TranslatedText text = TranslatedTextAt(i); text.english == title)
            return language == upagraha::Language::Hindi ? text.hindi : text.tamil;
    return title;
}

ResultHeader BuildHeader(const Reading& s, const Upagrahas& u, upagraha::Language language) {
    ResultHeader header;
    header.name = s.name;

    std::string& birth = header.birth;
    birth = DateText(s.day, s.month, s.year, language) + ", " + astro::ClockText(s.hour, s.minute) + ", ";
    const int zone = ZoneSecondsEast(s);
    if (NamesItsOffset(s)) {
        // "UTC+05:21:10": the name is the offset itself, written once.
        birth += "UTC" + OffsetTextOfSeconds(zone);
    } else {
        birth += s.exactZone ? std::string_view(s.exactZone->name) : ZoneName(s.zoneRow);
        birth += ' ';
        birth += OffsetTextOfSeconds(zone);
    }
    if (s.dst) birth += Say(" + 1 h daylight saving (%1)", language, {OffsetTextOfSeconds(zone + 3600)});

    header.place = PlaceText(s, language);
    header.ascendantText = Say("Ascendant %1, %2", language,
                               {PositionWords(s.birthAscendantText, language),
                                upagraha::NakshatraText(upagraha::NakshatraOf(s.birthAscendant.value), language)});
    const std::string_view weekday = upagraha::WeekdayName(u.weekday % 7, language);
    header.dayNight = Say(u.birthByDay ? "Day birth; the day portions of %1" : "Night birth; the night portions of %1",
                          language, {weekday});
    header.profile = ConventionsText(s.profile, language);
    if (s.sky) {
        const PlacedPoint& moon = s.sky->Moon();
        header.janmaRasi = Say("Janma rasi %1", language, {upagraha::SignName(moon.sign, language)});
        header.janmaNakshatra =
            Say("Janma nakshatra %1", language, {upagraha::NakshatraText({moon.nakshatra, moon.pada}, language)});
        header.janmaRasiSign = moon.sign;
        header.janmaNakshatraIndex = moon.nakshatra;
        header.janmaPada = moon.pada;
    }
    return header;
}

std::string MomentText(double hours, upagraha::Language language) {
    const long total = std::lround(hours * 60);
    const long day = static_cast<long>(std::floor(static_cast<double>(total) / kMinutesPerDay));
    const long inDay = total - day * kMinutesPerDay;
    std::string text = astro::ClockText(static_cast<int>(inDay / 60), static_cast<int>(inDay % 60));
    if (day > 0) text = Say("%1 (next date)", language, {text});
    if (day < 0) text = Say("%1 (previous date)", language, {text});
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
    rows.push_back({std::string(AscendantName(language)), "", "", MomentText(u.birthHour, language),
                    PositionTextIn(s.birthAscendantText, language),
                    NakshatraText(NakshatraOf(s.birthAscendant.value), language), "1"});
    for (std::size_t i = 0; i < static_cast<std::size_t>(kUpagrahaCount); ++i) {
        const int upagraha = static_cast<int>(i);
        rows.push_back({std::string(UpagrahaName(upagraha, language)),
                        std::string(LordName(kUpagrahaLords[i], language)), PortionText(u, i, language),
                        MomentText(u.moments[i], language), PositionTextIn(u.upagrahaLongitudes[i].view(), language),
                        NakshatraText(NakshatraOf(u.longitudes[i]), language), std::to_string(u.houses[i])});
    }
    if (s.sky) {
        rows.push_back(HeadingRow(Say(kGrahaGroupHeading, language)));
        for (const PlacedPoint& graha : s.sky->grahas) rows.push_back(PlacedRow(graha, true, language));
        rows.push_back(HeadingRow(Say(kSunUpagrahaGroupHeading, language)));
        for (const PlacedPoint& point : s.sky->sunUpagrahas) rows.push_back(PlacedRow(point, false, language));
    }
    return rows;
}

std::string TableText(const std::vector<TableRow>& rows, upagraha::Language language) {
    std::string text;
    const auto columns = TableColumns(language);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) text += '\t';
        text += columns[c];
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
