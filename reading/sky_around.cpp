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
std::string DegreesText(double longitudeDegrees) {
    const auto minutes = static_cast<int>(std::floor(sky::DegreesInSign(longitudeDegrees) * 60));
    char text[24];
    std::snprintf(text, sizeof text, "%d\u00b0%02d\u2032", minutes / 60, minutes % 60);
    return text;
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
    const sky::SunUpagrahas sun = sky::CalculateSunUpagrahas((*positions)[sky::Graha::kSun].longitudeDegrees);
    const std::array<double, 5> longitudes = {sun.dhumaDegrees, sun.vyatipataDegrees, sun.pariveshaDegrees,
                                              sun.indrachapaDegrees, sun.upaketuDegrees};
    for (std::size_t u = 0; u < longitudes.size(); ++u)
        sky.sunUpagrahas[u] = Place(kSunUpagrahaNames[u], longitudes[u], ascendantSign);
    return sky;
}

std::string SkyAroundText(const SkyAround& sky) {
    std::string out;
    const auto line = [&out](const PlacedPoint& p) {
        char text[160];
        // Widths count bytes: the degree and minute signs take two and three, so the degrees are
        // right-aligned by hand in a column five characters wide.
        std::snprintf(text, sizeof text, "  %-11s %-12s%*s%s %-1s  %-18s pada %d  house %2d\n",
                      std::string(p.name).c_str(), std::string(p.SignName()).c_str(),
                      static_cast<int>(9 - p.degreesText.size()), "", p.degreesText.c_str(), p.retrograde ? "R" : "",
                      std::string(p.NakshatraName()).c_str(), p.pada, p.house);
        out += text;
    };
    out += sky.node == sky::NodeKind::kMean ? "Grahas (Rahu and Ketu as the mean nodes)\n"
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
