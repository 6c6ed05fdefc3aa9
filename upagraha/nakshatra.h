// The lunar mansions of the zodiac: 27 nakshatras of 13°20′, each cut into four padas of 3°20′.
//
// Flow of a reading: ... -> upagrahas -> result view. The ascendant and every upagraha are placed
// in their nakshatra and pada for the result's table, the printed reading and the JSON; the report
// itself does not name them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vela::upagraha {

inline constexpr int kNakshatraCount = 27;
inline constexpr int kPadasPerNakshatra = 4;

// From 0° Aries: Ashwini 0°00′ to 13°20′, Bharani to 26°40′, ... Revati to 360°.
inline constexpr std::array<std::string_view, kNakshatraCount> kNakshatraNames = {"Ashwini",
                                                                                  "Bharani",
                                                                                  "Krittika",
                                                                                  "Rohini",
                                                                                  "Mrigashira",
                                                                                  "Ardra",
                                                                                  "Punarvasu",
                                                                                  "Pushya",
                                                                                  "Ashlesha",
                                                                                  "Magha",
                                                                                  "Purva Phalguni",
                                                                                  "Uttara Phalguni",
                                                                                  "Hasta",
                                                                                  "Chitra",
                                                                                  "Swati",
                                                                                  "Vishakha",
                                                                                  "Anuradha",
                                                                                  "Jyeshtha",
                                                                                  "Mula",
                                                                                  "Purva Ashadha",
                                                                                  "Uttara Ashadha",
                                                                                  "Shravana",
                                                                                  "Dhanishta",
                                                                                  "Shatabhisha",
                                                                                  "Purva Bhadrapada",
                                                                                  "Uttara Bhadrapada",
                                                                                  "Revati"};

struct NakshatraPada {
    int nakshatra = 0;  // 0 = Ashwini .. 26 = Revati
    int pada = 1;       // 1..4
    std::string_view Name() const { return kNakshatraNames[static_cast<std::size_t>(nakshatra)]; }
};

// The nakshatra and pada of a sidereal longitude in degrees (any value; whole turns are removed).
// A longitude on a boundary belongs to the part it opens: 13°20′ is Bharani, pada 1.
NakshatraPada NakshatraOf(double siderealDegrees);

// "Magha, pada 2"
std::string NakshatraText(const NakshatraPada& place);

}  // namespace vela::upagraha
