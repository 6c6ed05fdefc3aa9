// Build step of the web site: the desktop's atlas (Debian's libgeonames) written as one JSON file the
// page loads when its city box is first used. Each place as the window's form would take it from the
// atlas (FillPlace: names folded, coordinates to the nearest minute), with the list's line and the
// place's IANA zone, the largest places first.
// Usage: atlas-export OUT.json
#include <geonames.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "atlas/place_name.h"
#include "reading/birth_form.h"

namespace {

std::string Text(const char* text) { return text ? text : ""; }

std::string Notation(const std::string& degrees, char direction, const std::string& minutes) {
    return degrees + direction + (minutes.size() < 2 ? "0" : "") + minutes;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vela;
    if (argc != 2) {
        std::fputs("usage: atlas-export OUT.json\n", stderr);
        return 2;
    }
    std::vector<atlas::AtlasPlace> places;
    for (int i = 0, count = geonames_get_n_cities(); i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        places.push_back({Text(geonames_city_get_name(city)), Text(geonames_city_get_state(city)),
                          Text(geonames_city_get_country(city)), Text(geonames_city_get_timezone(city)),
                          geonames_city_get_latitude(city), geonames_city_get_longitude(city),
                          static_cast<long>(geonames_city_get_population(city))});
        geonames_city_free(city);
    }
    atlas::OrderByPopulation(places);
    nlohmann::json rows = nlohmann::json::array();
    for (const auto& place : places) {
        reading::BirthForm form;
        atlas::FillPlace(form, place);
        const bool south = form.latDirection == reading::LatChoice::South;
        const bool west = form.lonDirection == reading::LonChoice::West;
        rows.push_back({atlas::PlaceListText(place), form.city, form.state, form.country,
                        Notation(form.latDegrees, south ? 'S' : 'N', form.latMinutes),
                        Notation(form.lonDegrees, west ? 'W' : 'E', form.lonMinutes), place.zoneName});
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << rows.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return out.good() ? 0 : 1;
}
