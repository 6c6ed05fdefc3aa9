#include <geonames.h>

#include "atlas/geonames_atlas.h"

#include <algorithm>
#include <string>

namespace vela::atlas {

namespace {

std::string Text(const gchar* text) { return text != nullptr ? std::string(text) : std::string(); }

AtlasPlace PlaceAt(gint index) {
    AtlasPlace place;
    GeonamesCity* city = geonames_get_city(index);
    if (city == nullptr) return place;
    place.name = Text(geonames_city_get_name(city));
    place.state = Text(geonames_city_get_state(city));
    place.country = Text(geonames_city_get_country(city));
    place.zoneName = Text(geonames_city_get_timezone(city));
    place.latitude = geonames_city_get_latitude(city);
    place.longitude = geonames_city_get_longitude(city);
    place.population = static_cast<long>(geonames_city_get_population(city));
    geonames_city_free(city);
    return place;
}

// White space at either end dropped and runs of it inside shrunk to one blank, as the user means
// "  new   york " to be "new york".
std::string Simplified(std::string_view text) {
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
    };
    std::string out;
    bool pendingBlank = false;
    for (const char c : text) {
        if (isSpace(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += c;
    }
    return out;
}

// Characters, not bytes: "Ür" is two letters.
std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++n;
    return n;
}

// Where every place of the atlas lies, in the atlas's own order.
const std::vector<GeoPoint>& PlaceCoordinates() {
    static const std::vector<GeoPoint> points = [] {
        std::vector<GeoPoint> all;
        const gint count = geonames_get_n_cities();
        all.reserve(static_cast<std::size_t>(std::max(count, 0)));
        for (gint i = 0; i < count; ++i) {
            GeonamesCity* city = geonames_get_city(i);
            if (city == nullptr) {
                // Kept in place so that a point's index stays the place's index; never nearest.
                all.push_back({1000.0, 0.0});
                continue;
            }
            all.push_back({geonames_city_get_latitude(city), geonames_city_get_longitude(city)});
            geonames_city_free(city);
        }
        return all;
    }();
    return points;
}

}  // namespace

std::optional<NearbyPlace> FindNearestPlace(const GeoPoint& at, double maxKm) {
    const auto nearest = FindNearest(PlaceCoordinates(), at, maxKm);
    if (!nearest) return std::nullopt;
    NearbyPlace found{PlaceAt(static_cast<gint>(nearest->index)), nearest->km};
    if (found.place.name.empty()) return std::nullopt;
    return found;
}

std::vector<AtlasPlace> FindPlaces(std::string_view typed, int most) {
    std::vector<AtlasPlace> places;
    const std::string query = Simplified(typed);
    if (Utf8Length(query) < static_cast<std::size_t>(kFewestLettersSearched)) return places;
    guint count = 0;
    GError* error = nullptr;
    gint* indices = geonames_query_cities_sync(query.c_str(), GEONAMES_QUERY_DEFAULT, &count, nullptr, &error);
    // A failed search offers nothing; the user types the place as before.
    if (error != nullptr) g_error_free(error);
    if (indices == nullptr) return places;
    places.reserve(count);
    for (guint i = 0; i < count; ++i) {
        AtlasPlace place = PlaceAt(indices[i]);
        if (!place.name.empty()) places.push_back(std::move(place));
    }
    g_free(indices);
    OrderByPopulation(places);
    if (most >= 0 && places.size() > static_cast<std::size_t>(most)) places.resize(static_cast<std::size_t>(most));
    return places;
}

}  // namespace vela::atlas
