#include "reading/sky_around.h"

#include <cmath>
#include <cstdio>

#include "astro/birth_moment.h"
#include "astro/position_text.h"
#include "reading/reading_language.h"
#include "sky/sun_upagrahas.h"
#include "upagraha/nakshatra.h"
#include "upagraha/profile_clock.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

namespace {

// Degrees and whole minutes within the sign, cut (not rounded), so that 29°59.7′ never reads 30°00′.
// Written by hand: a reading with the grahas places fourteen points, and the text stays within the
// string's own buffer.
std::string DegreesText(double longitudeDegrees) {
    const auto minutes = static_cast<int>(std::floor(sky::DegreesInSign(longitudeDegrees) * 60));
    const int degrees = minutes / 60;
    std::string text;
    if (degrees >= 10) text += static_cast<char>('0' + degrees / 10);
    text += static_cast<char>('0' + degrees % 10);
    text += "\u00b0";
    text += static_cast<char>('0' + minutes % 60 / 10);
    text += static_cast<char>('0' + minutes % 10);
    text += "\u2032";
    return text;
}

// The text, then blanks up to width columns (left-aligned), or blanks first (right-aligned).
void Column(std::string& out, std::string_view text, std::size_t width, bool right = false) {
    AppendColumn(out, text, width, right);
}

// The point's name in the language: a graha's, or an upagraha of the Sun's.
std::string_view NameIn(const PlacedPoint& p, upagraha::Language language) {
    if (language == upagraha::Language::English) return p.name;
    for (const sky::Graha graha : sky::kGrahas)
        if (p.name == sky::GrahaName(graha)) return upagraha::GrahaName(graha, language);
    for (std::size_t k = 0; k < kSunUpagrahaNames.size(); ++k)
        if (p.name == kSunUpagrahaNames[k]) return upagraha::SunUpagrahaName(static_cast<int>(k), language);
    return p.name;
}

PlacedPoint Place(std::string_view name, double longitude, int ascendantSign) {
    PlacedPoint p;
    p.name = name;
    p.longitudeDegrees = longitude;
    p.sign = sky::SignIndex(longitude);
    p.degreesText = DegreesText(longitude);
    const auto nakshatra = upagraha::NakshatraOf(longitude);
    p.nakshatra = nakshatra.nakshatra;
    p.pada = nakshatra.pada;
    p.house = upagraha::HouseFromSignIndices(ascendantSign, p.sign);
    return p;
}

}  // namespace

std::string_view PlacedPoint::SignName() const { return upagraha::kSignNames[static_cast<std::size_t>(sign)]; }

std::string_view PlacedPoint::NakshatraName() const {
    return upagraha::kNakshatraNames[static_cast<std::size_t>(nakshatra)];
}

std::optional<SkyAround> CalculateSkyAround(const astro::BirthMoment& s, const upagraha::ConventionProfile& profile,
                                            std::string_view ascendantText, sky::NodeKind node) {
    const upagraha::ProfileClock clock(s, profile);
    const double jdUt = clock.JulianDayAt(s.hour + s.minute / 60.0);
    const auto positions = sky::CalculateGrahas(jdUt, upagraha::ProfileAyanamsa(profile, jdUt), node);
    if (!positions) return std::nullopt;

    const int ascendantSign = upagraha::SignIndexOfAbbreviation(astro::CompactSign(ascendantText));
    SkyAround sky;
    sky.jdUt = jdUt;
    sky.ayanamsaDegrees = positions->ayanamsaDegrees;
    sky.node = node;
    sky.source = positions->source;
    for (std::size_t g = 0; g < sky::kGrahas.size(); ++g) {
        const sky::GrahaPosition& position = (*positions)[sky::kGrahas[g]];
        sky.grahas[g] = Place(sky::GrahaName(sky::kGrahas[g]), position.longitudeDegrees, ascendantSign);
        sky.grahas[g].retrograde = position.retrograde;
    }
    const sky::SunUpagrahas sun = sky::CalculateSunUpagrahas(
        (*positions)[sky::Graha::Sun].longitudeDegrees, profile.vyatipata == upagraha::VyatipataChoice::CircleLessDhuma
                                                            ? sky::VyatipataRule::CircleLessDhuma
                                                            : sky::VyatipataRule::DhumaPlus53Deg20);
    const std::array<double, 5> longitudes = {sun.dhumaDegrees, sun.vyatipataDegrees, sun.pariveshaDegrees,
                                              sun.indrachapaDegrees, sun.upaketuDegrees};
    for (std::size_t u = 0; u < longitudes.size(); ++u)
        sky.sunUpagrahas[u] = Place(kSunUpagrahaNames[u], longitudes[u], ascendantSign);
    return sky;
}

std::vector<SkyAroundRow> SkyAroundRows(const SkyAround& sky, upagraha::Language language) {
    std::vector<SkyAroundRow> rows;
    rows.reserve(sky.grahas.size() + sky.sunUpagrahas.size() + 3);
    const auto heading = [&rows](std::string text) {
        SkyAroundRow row;
        row.heading = true;
        row.name = std::move(text);
        rows.push_back(std::move(row));
    };
    const auto point = [&rows, language](const PlacedPoint& p) {
        rows.push_back({false, std::string(NameIn(p, language)), std::string(upagraha::SignName(p.sign, language)),
                        p.degreesText, p.retrograde, std::string(upagraha::NakshatraName(p.nakshatra, language)),
                        p.pada, p.house});
    };
    heading(Say(sky.node == sky::NodeKind::Mean ? "Grahas (Rahu and Ketu as the mean nodes)"
                                                : "Grahas (Rahu and Ketu as the true nodes)",
                language));
    for (const PlacedPoint& p : sky.grahas) point(p);
    heading(Say("Upagrahas of the Sun", language));
    for (const PlacedPoint& p : sky.sunUpagrahas) point(p);
    char ayanamsa[80];
    const long seconds = std::lround(sky.ayanamsaDegrees * 3600);
    std::snprintf(ayanamsa, sizeof ayanamsa, "%ld\u00b0%02ld\u2032%02ld\u2033", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    heading(Say("Ayanamsa %1", language, {ayanamsa}));
    return rows;
}

std::string SkyAroundText(const SkyAround& sky, upagraha::Language language) {
    std::string out;
    out.reserve(1200);
    const std::string retrograde = " " + Say("R", language) + "  ";
    const std::string pada(upagraha::ReportLabelText(upagraha::ReportLabel::Pada, language));
    const std::string house = Say("house", language);
    // "  Mercury     Taurus      23°22′ R  Mrigashira         pada 1  house 10"
    for (const SkyAroundRow& row : SkyAroundRows(sky, language)) {
        if (row.heading) {
            out += row.name;
            out += '\n';
            continue;
        }
        out += "  ";
        Column(out, row.name, 12);
        Column(out, row.sign, 12);
        Column(out, row.degrees, 6, true);
        out += row.retrograde ? retrograde : "    ";
        Column(out, row.nakshatra, 19);
        out += pada + " ";
        out += static_cast<char>('0' + row.pada);
        out += row.house < 10 ? "  " + house + "  " : "  " + house + " ";
        out += std::to_string(row.house);
        out += '\n';
    }
    out += '\n';
    return out;
}

std::string SkyAroundHeading(upagraha::Language language) { return Say(kSkyAroundHeading, language); }

std::string JanmaText(const SkyAround& sky) {
    const PlacedPoint& moon = sky.Moon();
    return "Janma rasi " + std::string(moon.SignName()) + ", janma nakshatra " + std::string(moon.NakshatraName()) +
           ", pada " + std::to_string(moon.pada);
}

}  // namespace vela::reading
