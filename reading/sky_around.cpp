#include "reading/sky_around.h"

#include <cmath>
#include <cstdio>

#include "astro/birth_moment.h"
#include "astro/position_text.h"
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

// Characters on the screen of a UTF-8 text: every byte but the continuation bytes.
std::size_t Width(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// The text, then blanks up to width characters (left-aligned), or blanks first (right-aligned).
void Column(std::string& out, std::string_view text, std::size_t width, bool right = false) {
    const std::size_t blanks = width > Width(text) ? width - Width(text) : 0;
    if (right) out.append(blanks, ' ');
    out += text;
    if (!right) out.append(blanks, ' ');
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

std::string SkyAroundText(const SkyAround& sky) {
    std::string out;
    out.reserve(1200);
    // "  Mercury     Taurus      23°22′ R  Mrigashira         pada 1  house 10"
    const auto line = [&out](const PlacedPoint& p) {
        out += "  ";
        Column(out, p.name, 12);
        Column(out, p.SignName(), 12);
        Column(out, p.degreesText, 6, true);
        out += p.retrograde ? " R  " : "    ";
        Column(out, p.NakshatraName(), 19);
        out += "pada ";
        out += static_cast<char>('0' + p.pada);
        out += p.house < 10 ? "  house  " : "  house ";
        out += std::to_string(p.house);
        out += '\n';
    };
    out += sky.node == sky::NodeKind::Mean ? "Grahas (Rahu and Ketu as the mean nodes)\n"
                                           : "Grahas (Rahu and Ketu as the true nodes)\n";
    for (const PlacedPoint& p : sky.grahas) line(p);
    out += "Upagrahas of the Sun\n";
    for (const PlacedPoint& p : sky.sunUpagrahas) line(p);
    char ayanamsa[80];
    const long seconds = std::lround(sky.ayanamsaDegrees * 3600);
    std::snprintf(ayanamsa, sizeof ayanamsa, "Ayanamsa %ld\u00b0%02ld\u2032%02ld\u2033\n", seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    out += ayanamsa;
    out += "\n";
    return out;
}

std::string JanmaText(const SkyAround& sky) {
    const PlacedPoint& moon = sky.Moon();
    return "Janma rasi " + std::string(moon.SignName()) + ", janma nakshatra " + std::string(moon.NakshatraName()) +
           ", pada " + std::to_string(moon.pada);
}

}  // namespace vela::reading
