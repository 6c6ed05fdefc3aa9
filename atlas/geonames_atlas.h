// The offline atlas: places looked up by name in the system's geographical database.
//
// The desktop program offers places from Debian's libgeonames (about 24,000 cities of 15,000
// people or more, with their IANA time zones) while the user types a city. Everything the form
// receives from here is shaped by atlas; this module only talks to the library, so the
// reading layer and the command line never link it.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "atlas/nearest_place.h"
#include "atlas/place_name.h"

namespace vela::atlas {

// One letter matches thousands of places; the list starts from two.
inline constexpr int kFewestLettersSearched = 2;
inline constexpr int kMostPlacesOffered = 30;

// Places with a word of their name starting with the typed text (UTF-8; accents folded on both
// sides, so "Sao Paulo" finds São Paulo), the largest first. Empty for fewer than two letters.
std::vector<AtlasPlace> FindPlaces(std::string_view typed, int most = kMostPlacesOffered);

// The place of the atlas nearest to the coordinates, no farther than maxKm, with its distance.
// The coordinates of every place are read once, on the first call.
struct NearbyPlace {
    AtlasPlace place;
    double km = 0;
};
std::optional<NearbyPlace> FindNearestPlace(const GeoPoint& at, double maxKm = kNearestPlaceKm);

}  // namespace vela::atlas
