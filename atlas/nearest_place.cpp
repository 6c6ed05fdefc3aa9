#include "atlas/nearest_place.h"

#include <cmath>
#include <numbers>

namespace vela::atlas {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
// A degree of latitude is never shorter than this many kilometres, so a place whose latitude alone
// lies farther off needs no trigonometry.
constexpr double kKmPerDegreeOfLatitude = 110.5;

}  // namespace

double GreatCircleKm(const GeoPoint& a, const GeoPoint& b) {
    const double phi1 = a.latitude * kDegToRad;
    const double phi2 = b.latitude * kDegToRad;
    const double dPhi = phi2 - phi1;
    const double dLambda = (b.longitude - a.longitude) * kDegToRad;
    const double h = std::sin(dPhi / 2) * std::sin(dPhi / 2) +
                     std::cos(phi1) * std::cos(phi2) * std::sin(dLambda / 2) * std::sin(dLambda / 2);
    return 2.0 * kEarthRadiusKm * std::asin(std::sqrt(std::fmin(1.0, h)));
}

std::optional<Nearest> FindNearest(std::span<const GeoPoint> points, const GeoPoint& at, double maxKm) {
    std::optional<Nearest> best;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (std::fabs(points[i].latitude - at.latitude) * kKmPerDegreeOfLatitude > maxKm) continue;
        const double km = GreatCircleKm(points[i], at);
        if (km <= maxKm && (!best || km < best->km)) best = Nearest{i, km};
    }
    return best;
}

}  // namespace vela::atlas
