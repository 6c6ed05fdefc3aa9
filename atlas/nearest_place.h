// The atlas place nearest to coordinates typed by hand.
//
// Flow of a reading: form -> validation -> ... When the user types the latitude and longitude
// instead of picking a place, the window looks for the nearest place of the atlas; its time zone
// then proposes the zone row and tick for the birth moment, as a picked place does. This module
// measures and searches; the atlas binding supplies the places.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace vela::atlas {

// How far a place may lie from the typed coordinates and still speak for their clock.
inline constexpr double kNearestPlaceKm = 100.0;
// The Earth's mean radius (IUGG), kilometres.
inline constexpr double kEarthRadiusKm = 6371.0088;

// A point of the Earth in degrees: latitude North positive, longitude East positive.
struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
};

// The great-circle distance between two points on a sphere of the Earth's mean radius, in
// kilometres (haversine formula, good to a metre at every distance).
double GreatCircleKm(const GeoPoint& a, const GeoPoint& b);

struct Nearest {
    std::size_t index = 0;  // into the points searched
    double km = 0;
};

// The point nearest to `at` no farther than maxKm; of two at the same distance the first.
std::optional<Nearest> FindNearest(std::span<const GeoPoint> points, const GeoPoint& at,
                                   double maxKm = kNearestPlaceKm);

}  // namespace vela::atlas
