// The sidereal ascendant (lagna) of a moment and place.
//
// The library gives the tropical ascendant (swe_houses_ex without SEFLG_SIDEREAL, true obliquity
// and nutation included); the ayanamsa is subtracted here, so Lahiri's and a caller's own value go
// the same way. The house system does not move the ascendant; equal houses are asked for because
// they have no latitude limit.
#pragma once

#include <optional>

#include "sky/ephemeris.h"

namespace vela::sky {

// A place on the Earth: latitude North positive, longitude East positive, both in degrees.
struct Place {
    double latitudeDegrees = 0;
    double longitudeEastDegrees = 0;
};

// Tropical ascendant in degrees [0, 360); empty for a latitude outside -90..90 or a longitude
// outside -180..180 (NaN included) and at the poles, where the horizon has no East point.
std::optional<double> TropicalAscendantDegrees(double jdUt, const Place& place);

// Sidereal ascendant in degrees [0, 360): the tropical one minus the ayanamsa at that moment.
std::optional<double> SiderealAscendantDegrees(double jdUt, const Place& place, const Ayanamsa& ayanamsa);

}  // namespace vela::sky
