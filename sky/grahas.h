// The nine grahas at a moment: sidereal longitude, speed and retrograde motion, with the sign,
// degree, nakshatra and pada helpers that a chart's table reads.
//
// Positions are geocentric and apparent (light time, aberration and nutation included), tropical
// from the Swiss Ephemeris minus the chosen ayanamsa. Passing Ayanamsa::Given(0) gives the
// tropical positions an almanac prints.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "sky/ephemeris.h"

namespace vela::sky {

enum class Graha { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu };
inline constexpr std::array<Graha, 9> kGrahas = {Graha::Sun,     Graha::Moon,    Graha::Mars,
                                                 Graha::Mercury, Graha::Jupiter, Graha::Venus,
                                                 Graha::Saturn,  Graha::Rahu,    Graha::Ketu};

std::string_view GrahaName(Graha graha);

// Rahu as the mean node (the default of Indian ephemerides) or the true (osculating) node.
enum class NodeKind { Mean, True };

struct GrahaPosition {
    double longitudeDegrees = 0;    // sidereal, [0, 360)
    double latitudeDegrees = 0;     // ecliptic, North positive
    double speedDegreesPerDay = 0;  // in sidereal longitude; negative when retrograde
    // Speed below zero. The mean node always moves backwards, so Rahu and Ketu as mean nodes are
    // always marked retrograde; the true node is marked on the days its speed is negative.
    bool retrograde = false;
};

struct GrahaPositions {
    std::array<GrahaPosition, 9> positions{};              // in the order of Graha
    double ayanamsaDegrees = 0;                            // the ayanamsa subtracted
    EphemerisSource source = EphemerisSource::SwissFiles;  // Moshier when any graha fell back to it

    const GrahaPosition& operator[](Graha graha) const { return positions[static_cast<std::size_t>(graha)]; }
};

// The nine grahas at a Julian day (UT). Empty only when the library refuses the date (outside the
// range of both the files and the built-in theory).
std::optional<GrahaPositions> CalculateGrahas(double jdUt, const Ayanamsa& ayanamsa, NodeKind node = NodeKind::Mean);

// Sign 0 (Aries / Mesha) to 11 (Pisces / Meena) of a longitude in degrees (any value; normalised).
int SignIndex(double longitudeDegrees);
// Degrees within the sign, [0, 30).
double DegreesInSign(double longitudeDegrees);
// Nakshatra 0 (Ashvini) to 26 (Revati): 13 deg 20' each.
int NakshatraIndex(double longitudeDegrees);
// Pada 1 to 4 within the nakshatra: 3 deg 20' each.
int Pada(double longitudeDegrees);

}  // namespace vela::sky
