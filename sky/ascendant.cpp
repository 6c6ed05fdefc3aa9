#include "sky/ascendant.h"

#include <array>
#include <cmath>

#include "sky/swiss.h"

namespace vela::sky {

std::optional<double> TropicalAscendantDegrees(double jdUt, const Place& place) {
    if (!(std::fabs(place.latitudeDegrees) < 90.0) || !(std::fabs(place.longitudeEastDegrees) <= 180.0)) {
        return std::nullopt;
    }
    PrepareThread();
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    if (swe_houses_ex(jdUt, 0, place.latitudeDegrees, place.longitudeEastDegrees, 'E', cusps.data(), ascmc.data()) <
        0) {
        return std::nullopt;
    }
    return NormalizedDegrees(ascmc[SE_ASC]);
}

std::optional<double> SiderealAscendantDegrees(double jdUt, const Place& place, const Ayanamsa& ayanamsa) {
    const std::optional<double> tropical = TropicalAscendantDegrees(jdUt, place);
    if (!tropical) return std::nullopt;
    return NormalizedDegrees(*tropical - AyanamsaDegrees(jdUt, ayanamsa));
}

}  // namespace vela::sky
