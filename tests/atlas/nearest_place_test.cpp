// Distances on the Earth and the search for the nearest atlas place.
//
// Expected distances: a degree of a meridian is 2 pi R / 360 = 111.195 km on the mean radius
// R = 6371.0088 km; a quarter meridian is pi R / 2 = 10007.5 km; London (51.5074 N, 0.1278 W) to
// Paris (48.8566 N, 2.3522 E) is 343.6 km and New Delhi (28.6139 N, 77.2090 E) to Mumbai
// (19.0760 N, 72.8777 E) 1148 km, as great-circle calculators give them for these coordinates.
#include <gtest/gtest.h>

#include <vector>

#include "atlas/geonames_atlas.h"
#include "atlas/nearest_place.h"

namespace vela::atlas {
namespace {

TEST(GreatCircleKm, measures_known_distances) {
    EXPECT_NEAR(GreatCircleKm({0, 0}, {1, 0}), 111.195, 0.001);
    EXPECT_NEAR(GreatCircleKm({0, 179.5}, {0, -179.5}), 111.195, 0.001);  // across the date line
    EXPECT_NEAR(GreatCircleKm({90, 0}, {0, 123}), 10007.5, 0.1);
    EXPECT_NEAR(GreatCircleKm({51.5074, -0.1278}, {48.8566, 2.3522}), 343.6, 0.5);
    EXPECT_NEAR(GreatCircleKm({28.6139, 77.2090}, {19.0760, 72.8777}), 1148, 2);
    EXPECT_DOUBLE_EQ(GreatCircleKm({-33.87, 151.21}, {-33.87, 151.21}), 0.0);
}

TEST(FindNearest, takes_the_nearest_point_within_reach_only) {
    const double kmPerDegree = 111.195;
    const std::vector<GeoPoint> points = {
        {10 + 100.5 / kmPerDegree, 20},  // 100.5 km North: out of reach
        {10, 20 + 0.5},                  // 54.7 km East
        {10 - 30 / kmPerDegree, 20},     // 30 km South: the nearest
        {10 - 30 / kmPerDegree, 20},     // as near, but second
    };
    const auto nearest = FindNearest(points, {10, 20});
    ASSERT_TRUE(nearest.has_value());
    EXPECT_EQ(nearest->index, 2u);
    EXPECT_NEAR(nearest->km, 30.0, 0.01);

    EXPECT_FALSE(FindNearest(std::vector<GeoPoint>{points[0]}, {10, 20}));
    const auto edge = FindNearest(std::vector<GeoPoint>{{10 + 99.9 / kmPerDegree, 20}}, {10, 20});
    ASSERT_TRUE(edge.has_value());
    EXPECT_NEAR(edge->km, 99.9, 0.01);
    EXPECT_FALSE(FindNearest({}, {10, 20}));
}

// The system's atlas: New Delhi's coordinates typed to the minute (28°37' N, 77°13' E) lie a few
// kilometres from the atlas's Delhi places, all in Asia/Kolkata; the open Atlantic has none.
TEST(FindNearestPlace, finds_the_atlas_place_of_typed_coordinates) {
    const auto delhi = atlas::FindNearestPlace({28 + 37 / 60.0, 77 + 13 / 60.0});
    ASSERT_TRUE(delhi.has_value());
    EXPECT_EQ(delhi->place.zoneName, "Asia/Kolkata");
    EXPECT_LT(delhi->km, 10.0);
    EXPECT_EQ(delhi->place.country, "India");

    EXPECT_FALSE(atlas::FindNearestPlace({30.0, -40.0}));
}

}  // namespace
}  // namespace vela::atlas
