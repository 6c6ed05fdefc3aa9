// The sky around the upagrahas: the nine grahas and the five upagrahas of the Sun at the birth
// moment, placed in sign, nakshatra, pada and house from the birth ascendant.
//
// Flow of a reading: driver -> ascendant and sunrises -> upagrahas -> (when asked) this, from the
// precise ephemeris in the profile's ayanamsa, so the grahas stand in the zodiac of the ascendant
// and the upagrahas -> report section, working, JSON, the result header's janma rasi and nakshatra.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sky/ephemeris.h"
#include "sky/grahas.h"
#include "upagraha/language.h"

namespace vela::upagraha {
struct ConventionProfile;
}
namespace vela::astro {
struct BirthMoment;
}

namespace vela::reading {

// A graha or an upagraha of the Sun, placed on the chart.
struct PlacedPoint {
    std::string_view name;        // "Sun" .. "Ketu", "Dhuma" .. "Upaketu"
    double longitudeDegrees = 0;  // sidereal, [0, 360)
    int sign = 0;                 // 0 Aries .. 11 Pisces
    std::string degreesText;      // within the sign, cut to whole minutes: "10°56′"
    int nakshatra = 0;            // 0 Ashwini .. 26 Revati
    int pada = 1;                 // 1..4
    int house = 1;                // 1..12 from the birth ascendant's sign
    bool retrograde = false;      // grahas only: moving backwards (Rahu and Ketu as mean nodes always)

    std::string_view SignName() const;
    std::string_view NakshatraName() const;
};

inline constexpr std::array<std::string_view, 5> kSunUpagrahaNames = {"Dhuma", "Vyatipata", "Parivesha", "Indrachapa",
                                                                      "Upaketu"};

struct SkyAround {
    std::array<PlacedPoint, 9> grahas;        // in the order of sky::kGrahas
    std::array<PlacedPoint, 5> sunUpagrahas;  // in the order of kSunUpagrahaNames
    double jdUt = 0;                          // the birth moment
    double ayanamsaDegrees = 0;               // what was subtracted from the tropical longitudes
    sky::NodeKind node = sky::NodeKind::Mean;
    sky::EphemerisSource source = sky::EphemerisSource::SwissFiles;

    // The janma rasi and janma nakshatra: the Moon's sign and nakshatra.
    const PlacedPoint& Moon() const { return grahas[1]; }
};

// The sky at the birth moment (its date, clock time, zone and daylight-saving tick) under the
// profile's ayanamsa, houses counted from the sign of ascendantText ("05 Can 45"). Empty only when
// the ephemeris refuses the date.
std::optional<SkyAround> CalculateSkyAround(const astro::BirthMoment& s, const upagraha::ConventionProfile& profile,
                                            std::string_view ascendantText, sky::NodeKind node = sky::NodeKind::Mean);

// The tables as plain text, one line a point, for the report's section, the command line and the
// working: "  Sun         Gemini       0°25′  Mrigashira, pada 3     house 11"; an "R" marks retrograde.
// In Hindi or Tamil the names and words are the language's (reading_language.h); English is the
// default.
std::string SkyAroundText(const SkyAround& sky, upagraha::Language language = upagraha::Language::English);

// The section's lines as data, for a pane or a page that sets them in real columns: the headings
// of the two groups and the closing ayanamsa line (`heading`, the text in `name`), and one row a
// point, its texts in the language. SkyAroundText writes these rows aligned with blanks.
struct SkyAroundRow {
    bool heading = false;
    std::string name;     // "Sun"; or the heading's text
    std::string sign;     // "Gemini"
    std::string degrees;  // "0°25′"
    bool retrograde = false;
    std::string nakshatra;  // "Mrigashira"
    int pada = 1;
    int house = 1;
};
std::vector<SkyAroundRow> SkyAroundRows(const SkyAround& sky,
                                        upagraha::Language language = upagraha::Language::English);

// The heading of the report's section, and the same in a language.
inline constexpr std::string_view kSkyAroundHeading = "The Grahas and the Upagrahas of the Sun";
std::string SkyAroundHeading(upagraha::Language language);

// "Janma rasi Cancer, janma nakshatra Pushya, pada 2"
std::string JanmaText(const SkyAround& sky);

}  // namespace vela::reading
