// Convention profiles: the three choices on which programs that compute upagrahas part ways.
//
// The upagraha stage reads one profile per reading (the driver passes it on): which planet rules
// which portion of the day or night, which point of its portion gives each upagraha, and which
// moment counts as sunrise and sunset. The arithmetic is the same under every profile; a reading
// that "does not match the other program" nearly always differs in one of these three.
//
//  - Lord order. The eight-place cycle (this program's own): Sun, Moon, Mars, Merc, Jup, Ven, Sat
//    and a lordless portion, as one cycle of eight that each day starts at its own lord, so the
//    lordless portion wanders. The seven lords of the older text: the seven planets in weekday
//    order from the day's lord, the eighth portion always lordless.
//  - Point of the portion: the start, the middle or the end, for each upagraha on its own (most
//    software takes Gulika at the start of Saturn's portion and Maandi at its middle).
//  - Sunrise: the Sun's upper limb with refraction, or the centre of its disc without it.
//
// Two more axes say where the sky comes from: the ephemeris (the original's own formulas for the
// ascendant and the sunrises, or the precise ephemeris of sky/) and the ayanamsa (the original's
// own formula, or Lahiri's). The nine grahas always come from the precise ephemeris, in the
// profile's ayanamsa, so that everything on one chart stands in one zodiac.
//
// A profile is a way of reading a birth, not part of it: reading files never hold one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "upagraha/upagraha.h"

namespace vela::upagraha {

enum class LordOrder : std::int8_t { EightPlaceCycle, SevenLords };
enum class PortionPoint : std::int8_t { Start, Middle, End };
enum class SunriseEvent : std::int8_t { UpperLimbWithRefraction, DiscCentreWithoutRefraction };
enum class EphemerisChoice : std::int8_t { OriginalFormulas, Precise };
enum class AyanamsaChoice : std::int8_t { Original, Lahiri };

struct ConventionProfile {
    std::string_view name;   // as the command line takes it: "original", "gulika-start", ... "custom"
    std::string_view title;  // as the window's menu shows it: "Original", "Gulika at the start", ...
    LordOrder lordOrder = LordOrder::EightPlaceCycle;
    // Per upagraha, in the order of kUpagrahaNames (Kaala .. Maandi).
    std::array<PortionPoint, kUpagrahaCount> points{PortionPoint::Middle, PortionPoint::Middle, PortionPoint::Middle,
                                                    PortionPoint::Middle, PortionPoint::Middle, PortionPoint::Middle};
    SunriseEvent sunrise = SunriseEvent::UpperLimbWithRefraction;
    EphemerisChoice ephemeris = EphemerisChoice::OriginalFormulas;
    AyanamsaChoice ayanamsa = AyanamsaChoice::Original;

    bool operator==(const ConventionProfile&) const = default;
    // The same lords, points, sunrise, ephemeris and ayanamsa, whatever the name.
    bool SameConventions(const ConventionProfile& other) const {
        return lordOrder == other.lordOrder && points == other.points && sunrise == other.sunrise &&
               ephemeris == other.ephemeris && ayanamsa == other.ayanamsa;
    }
};

// The program's own conventions, the default everywhere: every output under it stays as it was.
inline constexpr ConventionProfile kOriginalProfile{"original", "Original"};

inline constexpr std::size_t kNamedProfileCount = 3;
// original, gulika-start, seven-lords: what --profiles lists and the working sets side by side.
const std::array<ConventionProfile, kNamedProfileCount>& NamedProfiles();
// The original's conventions on the precise ephemeris with Lahiri's ayanamsa: the ascendant and
// the sunrises and sunsets from sky/, every date on which the Sun rises and sets calculated.
inline constexpr ConventionProfile kPreciseProfile{"precise",
                                                   "Precise ephemeris",
                                                   LordOrder::EightPlaceCycle,
                                                   kOriginalProfile.points,
                                                   SunriseEvent::UpperLimbWithRefraction,
                                                   EphemerisChoice::Precise,
                                                   AyanamsaChoice::Lahiri};

// Every profile the command line takes by name: the named ones above (which the working sets side
// by side on the original's formulas), then the precise one.
inline constexpr std::size_t kListedProfileCount = kNamedProfileCount + 1;
const std::array<ConventionProfile, kListedProfileCount>& ListedProfiles();
// A listed profile by its command-line name (exact, lower case); nothing for any other text.
std::optional<ConventionProfile> FindProfile(std::string_view name);

// The name every user-made profile carries.
inline constexpr std::string_view kCustomName = "custom";
ConventionProfile CustomProfile(LordOrder lordOrder, const std::array<PortionPoint, kUpagrahaCount>& points,
                                SunriseEvent sunrise);

// One line, built from the settings: "eight-place cycle of lords; Gulika at the start, the others
// at the middle of their portions; sunrise at the centre of the disc without refraction".
std::string DescribeProfile(const ConventionProfile& profile);
std::string_view LordOrderText(LordOrder order);
std::string_view PointText(PortionPoint point);  // "start", "middle", "end"
std::string_view SunriseText(SunriseEvent event);
// "precise ephemeris with Lahiri's ayanamsa"; empty under the original's formulas and ayanamsa.
std::string EphemerisText(const ConventionProfile& profile);

// Where in its portion an upagraha falls: 0 the start, 0.5 the middle, 1 the end.
double PointFraction(PortionPoint point);
// The sunrise stage's parameter for the event: the cosine of the Sun's zenith distance.
double ZenithCosine(SunriseEvent event);

// A lord order as data. The portions run through `places` from the weekday's lord; the first
// `cycleLength` places turn as one cycle, the places after them stay where they are. A night
// begins `nightStep` weekdays after the day's own (the original's nights: four on, the lord of the
// fifth weekday counted from the day's, so Sunday night begins with Jupiter).
struct LordCycle {
    std::array<Planet, kPortionCount> places;
    int cycleLength = kPortionCount;
    int nightStep = 4;
};

// The eight-place cycle: the seven lords and the lordless place turn together, so the lordless
// portion wanders from day to day.
inline constexpr LordCycle kEightPlaceCycle{{Planet::Sun, Planet::Moon, Planet::Mars, Planet::Mercury, Planet::Jupiter,
                                             Planet::Venus, Planet::Saturn, Planet::NoLord},
                                            8,
                                            4};
// The seven lords in weekday order; the eighth portion always lordless.
inline constexpr LordCycle kSevenLordCycle{{Planet::Sun, Planet::Moon, Planet::Mars, Planet::Mercury, Planet::Jupiter,
                                            Planet::Venus, Planet::Saturn, Planet::NoLord},
                                           7,
                                           4};

const LordCycle& CycleOf(LordOrder order);

// The lord of portion `portion` (0..7) of the day (byDay) or night of weekday `weekday`
// (0 = Sunday) under a lord order: one rule for every row.
Planet PortionLord(LordOrder order, int weekday, bool byDay, int portion);

// The settings of a custom profile as one line, for the window's settings file:
//   lords=eight;points=middle,middle,middle,middle,start,middle;sunrise=upper-limb
// and back; nothing when the text is not exactly such a line ("lords" eight or seven, six points
// each start, middle or end, "sunrise" upper-limb or disc-centre).
std::string ProfileSettingsText(const ConventionProfile& profile);
std::optional<ConventionProfile> ParseProfileSettings(std::string_view text);

}  // namespace vela::upagraha
