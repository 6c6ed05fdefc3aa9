// Convention profiles: the choices on which programs that compute upagrahas part ways.
//
// The upagraha stage reads one profile per reading (the driver passes it on). The arithmetic is the
// same under every profile; a reading that "does not match the other program" nearly always differs
// on one of these axes (docs/conventions.md gives the sources of every value):
//
//  - lords: which planet rules which portion. The eight-place cycle (this program's own): Sun,
//    Moon, Mars, Merc, Jup, Ven, Sat and a lordless portion as one cycle of eight that each day
//    starts at its own lord, each night at the lord of the fifth weekday. The same cycle with the
//    night four places on in the cycle (the lordless place counts, so Wednesday to Saturday nights
//    differ). The seven lords of the older text: the weekday order from the day's lord, the eighth
//    portion always lordless.
//  - the point of the portion, for each upagraha on its own: the start, the middle or the end; for
//    Maandi also the ghati rule of the Kerala tradition (G/30 of the day after sunrise, or of the
//    night after sunset, G by weekday).
//  - sunrise: the Sun's upper limb with refraction, its centre without refraction, or its centre
//    with refraction.
//  - Vyatipata: the circle less Dhuma, or Dhuma plus 53 deg 20'.
//  - the vargas: Parashara's hora or the cyclic one, Parashara's drekkana or the Jagannatha one,
//    Parashara's trimsamsa or the cyclic one (upagraha/vargas.h).
//  - ephemeris and ayanamsa: the original's own formulas, or the precise ephemeris of sky/; the
//    original's ayanamsa, or Lahiri's. The nine grahas always come from the precise ephemeris, in
//    the profile's ayanamsa, so that everything on one chart stands in one zodiac.
//
// A profile is a name plus a value on every axis. A profile is a way of reading a birth, not part
// of it: .ved files never hold one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "upagraha/upagraha.h"
#include "upagraha/vargas.h"

namespace vela::upagraha {

enum class LordOrder : std::int8_t { EightPlaceCycle, SevenLords, EightPlaceNightFourOn };
// Ghatis: Maandi by the Kerala ghati rule (Maandi only).
enum class PortionPoint : std::int8_t { Start, Middle, End, Ghatis };
enum class SunriseEvent : std::int8_t {
    UpperLimbWithRefraction,
    DiscCentreWithoutRefraction,
    DiscCentreWithRefraction
};
enum class VyatipataChoice : std::int8_t { CircleLessDhuma, DhumaPlus53Deg20 };
enum class EphemerisChoice : std::int8_t { OriginalFormulas, Precise };
enum class AyanamsaChoice : std::int8_t { Original, Lahiri };

// The value on every axis: two profiles hold the same conventions when these compare equal,
// whatever their names.
struct Conventions {
    LordOrder lordOrder = LordOrder::EightPlaceCycle;
    // Per upagraha, in the order of kUpagrahaNames (Kaala .. Maandi).
    std::array<PortionPoint, kUpagrahaCount> points{PortionPoint::Middle, PortionPoint::Middle, PortionPoint::Middle,
                                                    PortionPoint::Middle, PortionPoint::Middle, PortionPoint::Middle};
    SunriseEvent sunrise = SunriseEvent::UpperLimbWithRefraction;
    EphemerisChoice ephemeris = EphemerisChoice::OriginalFormulas;
    AyanamsaChoice ayanamsa = AyanamsaChoice::Original;
    VyatipataChoice vyatipata = VyatipataChoice::CircleLessDhuma;
    VargaRules vargas{};

    bool operator==(const Conventions&) const = default;
};

struct ConventionProfile : Conventions {
    std::string_view name;   // as the command line takes it: "original", "gulika-start", ... "custom"
    std::string_view title;  // as the window's menu shows it: "Original", "Gulika at the start", ...

    bool operator==(const ConventionProfile&) const = default;
    // The conventions alone, to compare whatever the names.
    const Conventions& Values() const { return *this; }
};

// The program's own conventions, the default everywhere: every output under it stays as it was.
inline constexpr ConventionProfile kOriginalProfile{{}, "original", "Original"};

inline constexpr std::size_t kNamedProfileCount = 5;
// original, gulika-start, seven-lords, all-at-start, kerala: the presets on the original's formulas.
const std::array<ConventionProfile, kNamedProfileCount>& NamedProfiles();
// The original's conventions on the precise ephemeris with Lahiri's ayanamsa: the ascendant and
// the sunrises and sunsets from sky/, every date on which the Sun rises and sets calculated.
inline constexpr ConventionProfile kPreciseProfile{
    {LordOrder::EightPlaceCycle, kOriginalProfile.points, SunriseEvent::UpperLimbWithRefraction,
     EphemerisChoice::Precise, AyanamsaChoice::Lahiri},
    "precise",
    "Precise ephemeris"};

// Every preset the command line takes by name: the named ones above, then the precise one.
inline constexpr std::size_t kListedProfileCount = kNamedProfileCount + 1;
const std::array<ConventionProfile, kListedProfileCount>& ListedProfiles();
// A listed profile by its command-line name (exact, lower case); nothing for any other text.
std::optional<ConventionProfile> FindProfile(std::string_view name);

// The name every user-made profile carries.
inline constexpr std::string_view kCustomName = "custom";
ConventionProfile CustomProfile(LordOrder lordOrder, const std::array<PortionPoint, kUpagrahaCount>& points,
                                SunriseEvent sunrise);
// The profile with its name and title set from its values: a listed preset's when it holds the
// same conventions as one, else the custom name.
ConventionProfile Named(ConventionProfile profile);

// ---- Axes ----------------------------------------------------------------------------------
//
// Every axis by its one-word name, each value by a word or two, as --convention, --profiles, the
// batch's profile column, the JSON's "profile" object and the window's settings spell them:
//   lords         eight | seven | eight-night-four-on
//   kaala, mrityu, arthaprahaara, yamaghantaka, gulika
//                 start | middle | end
//   maandi        start | middle | end | ghatis
//   sunrise       upper-limb | disc-centre | disc-centre-refracted
//   vyatipata     circle-less-dhuma | dhuma-plus-53-20
//   ephemeris     original | precise
//   ayanamsa      original | lahiri
inline constexpr std::size_t kAxisCount = 11;
inline constexpr std::array<std::string_view, kAxisCount> kAxisNames = {
    "lords",  "kaala",   "mrityu",    "arthaprahaara", "yamaghantaka", "gulika",
    "maandi", "sunrise", "vyatipata", "ephemeris",     "ayanamsa"};

// The axes of the vargas, set the same way (--convention hora=cyclic) but named in a profile's
// texts only where they leave Parashara's rule, so that every text made before them stays as it was:
//   hora          parashara | cyclic
//   drekkana      parashara | jagannatha
//   trimsamsa     parashara | cyclic
inline constexpr std::size_t kVargaAxisCount = 3;
inline constexpr std::array<std::string_view, kVargaAxisCount> kVargaAxisNames = {"hora", "drekkana", "trimsamsa"};

struct AxisSetting {
    std::string_view axis;
    std::string_view value;
};
// The profile's value on every axis, in the order of kAxisNames.
std::array<AxisSetting, kAxisCount> AxisSettings(const ConventionProfile& profile);
// The profile's value on each varga axis, in the order of kVargaAxisNames; and only those that
// leave Parashara's rule.
std::array<AxisSetting, kVargaAxisCount> VargaAxisSettings(const ConventionProfile& profile);
std::vector<AxisSetting> ChangedVargaAxes(const ConventionProfile& profile);
// "hora, drekkana and trimsamsa after Parashara"; "the cyclic hora, Parashara's drekkana and
// trimsamsa" and so on.
std::string DescribeVargaRules(const VargaRules& rules);
// The words an axis takes, in order; empty for an unknown axis.
std::vector<std::string_view> AxisValues(std::string_view axis);

// Sets one axis from "axis=value". On success the profile's name becomes what Named() gives; on
// failure the profile is unchanged and the answer says what is wrong, naming the axes or values
// that would be taken.
std::optional<std::string> ApplyConvention(ConventionProfile& profile, std::string_view setting);

// A profile spelled "name;axis=value;...": a listed preset's name (empty: original) and any number
// of settings on top of it. The error says what is wrong.
struct ProfileSpec {
    std::optional<ConventionProfile> profile;
    std::string error;
};
ProfileSpec ParseProfileSpec(std::string_view text);
// "gulika-start" for a preset, else "custom;lords=seven;..." with every axis (the varga axes only
// where they leave Parashara's rule): what ParseProfileSpec reads back to the same profile.
std::string ProfileSpecText(const ConventionProfile& profile);

// The Kerala ghati rule: Maandi rises G ghatis of the day's 30 after sunrise, or of the night's 30
// after sunset. G by weekday, Sunday first.
inline constexpr std::array<int, 7> kMaandiDayGhatis = {26, 22, 18, 14, 10, 6, 2};
inline constexpr std::array<int, 7> kMaandiNightGhatis = {10, 6, 2, 26, 22, 18, 14};
int MaandiGhatis(int weekday, bool byDay);

// One line, built from the settings: "eight-place cycle of lords; Gulika at the start, the others
// at the middle of their portions; sunrise at the centre of the disc without refraction". The
// Vyatipata rule is named when it is not the circle less Dhuma.
std::string DescribeProfile(const ConventionProfile& profile);
// The point most of the upagrahas take, as the line above names it: the middle when it is among
// the most taken, else the earliest of a tie.
PortionPoint UsualPoint(const ConventionProfile& profile);
std::string_view LordOrderText(LordOrder order);
std::string_view PointText(PortionPoint point);  // "start", "middle", "end", "ghatis"
std::string_view SunriseText(SunriseEvent event);
std::string_view VyatipataText(VyatipataChoice choice);  // "Vyatipata at Dhuma plus 53 deg 20'"
// "precise ephemeris with Lahiri's ayanamsa"; empty under the original's formulas and ayanamsa.
std::string EphemerisText(const ConventionProfile& profile);

// Where in its portion an upagraha falls: 0 the start, 0.5 the middle, 1 the end (and the middle
// for the ghati rule, which does not count in portions).
double PointFraction(PortionPoint point);
// The sunrise stage's parameter for the event: the cosine of the Sun's zenith distance.
double ZenithCosine(SunriseEvent event);

// A lord order as data. The portions run through `places` from the weekday's lord; the first
// `cycleLength` places turn as one cycle, the places after them stay where they are. A night
// begins `nightStep` weekdays after the day's own (the original's nights: four on, the lord of the
// fifth weekday counted from the day's, so Sunday night begins with Jupiter), or, when
// `nightStepInPlaces`, `nightStep` places of the cycle after the day's first.
struct LordCycle {
    std::array<Planet, kPortionCount> places;
    int cycleLength = kPortionCount;
    int nightStep = 4;
    bool nightStepInPlaces = false;
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
// The eight-place cycle with each night four places on in the cycle from the day's first portion.
inline constexpr LordCycle kEightPlaceNightFourOnCycle{kEightPlaceCycle.places, 8, 4, true};

const LordCycle& CycleOf(LordOrder order);

// The lord of portion `portion` (0..7) of the day (byDay) or night of weekday `weekday`
// (0 = Sunday) under a lord order: one rule for every row.
Planet PortionLord(LordOrder order, int weekday, bool byDay, int portion);

// The settings of a custom profile as one line, for the window's settings file:
//   lords=eight;points=middle,middle,middle,middle,start,middle;sunrise=upper-limb
// then, where they are not the original's, ";vyatipata=...", ";ephemeris=...", ";ayanamsa=...",
// ";hora=...", ";drekkana=...", ";trimsamsa=...";
// and back; nothing when the text is not exactly such a line (the words of the axes above, each
// setting once, Maandi alone at the ghatis).
std::string ProfileSettingsText(const ConventionProfile& profile);
std::optional<ConventionProfile> ParseProfileSettings(std::string_view text);

}  // namespace vela::upagraha
