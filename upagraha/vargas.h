// The sixteen divisional charts (vargas) of Parashara: where a point of the chart (the ascendant,
// a graha, an upagraha) falls in each, from its sidereal longitude.
//
// Flow of a reading: driver -> ascendant, sunrises -> upagrahas -> (when asked) the sky -> this,
// on every point at once (reading/varga_points) -> the vargas' report section, JSON, table and charts.
//
// A varga cuts each sign into N parts and gives each part a sign by the rule of the division; the
// point then stands in that sign at the same fraction of it as it stood in its part. The rules are
// those of Brihat Parashara Hora Shastra, chapter 6; where the schools part ways (the hora, the
// drekkana, the trimsamsa) the profile says which rule to take. docs/conventions.md gives the
// sources of every rule.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "astro/units.h"
#include "upagraha/language.h"

namespace vela::upagraha {

// Parashara's hora: the first half of an odd sign is the Sun's (Leo), the second the Moon's
// (Cancer), and the reverse in an even sign. The cyclic hora counts the 24 halves on from Aries.
enum class HoraRule : std::int8_t { Parashara, Cyclic };
// Parashara's drekkana: the sign itself, its 5th and its 9th. The Jagannatha drekkana: the three
// signs of its triplicity from the movable one (movable, fixed, dual).
enum class DrekkanaRule : std::int8_t { Parashara, Jagannatha };
// Parashara's trimsamsa: five unequal parts ruled by Mars, Saturn, Jupiter, Mercury and Venus
// (the reverse in an even sign). The cyclic one: thirty degrees counted on from Aries.
enum class TrimsamsaRule : std::int8_t { Parashara, Cyclic };

struct VargaRules {
    HoraRule hora = HoraRule::Parashara;
    DrekkanaRule drekkana = DrekkanaRule::Parashara;
    TrimsamsaRule trimsamsa = TrimsamsaRule::Parashara;

    bool operator==(const VargaRules&) const = default;
};

inline constexpr std::size_t kVargaCount = 16;
// The divisions in the order of Parashara's list: D1, D2, D3 ... D60.
inline constexpr std::array<int, kVargaCount> kVargaDivisions = {1,  2,  3,  4,  7,  9,  10, 12,
                                                                 16, 20, 24, 27, 30, 40, 45, 60};
inline constexpr std::array<std::string_view, kVargaCount> kVargaNames = {
    "Rasi",      "Hora",       "Drekkana",     "Chaturthamsa", "Saptamsa",       "Navamsa",
    "Dasamsa",   "Dwadasamsa", "Shodasamsa",   "Vimsamsa",     "Chaturvimsamsa", "Bhamsa",
    "Trimsamsa", "Khavedamsa", "Akshavedamsa", "Shashtiamsa"};
inline constexpr std::size_t kNavamsa = 5;  // index of D9 in the lists above

// A varga's name in the language (index in kVargaDivisions); empty outside the sixteen.
std::string_view VargaName(std::size_t varga, Language language);

// The index of DN in the lists above; nothing for a division that is not one of the sixteen.
std::optional<std::size_t> VargaIndex(int division);

// A point's place in one varga: its sign and the degrees within it.
struct VargaPlace {
    int sign = 0;        // 0 Aries .. 11 Pisces
    double degrees = 0;  // [0, 30)
};

// The place of a sidereal longitude (any value; taken modulo 360) in the varga DN, N one of
// kVargaDivisions (any other N answers the sign of D1). A longitude closer than a millionth of an
// arc-second below the start of a part counts as in that part: 3 deg 20' written in decimal
// degrees is not exact, and a point given at a part's first second belongs to that part.
VargaPlace PlaceInVarga(astro::Degrees longitude, int division, const VargaRules& rules = {});

// Vargottama: in the same sign in the rasi and the navamsa.
bool IsVargottama(astro::Degrees longitude, const VargaRules& rules = {});

}  // namespace vela::upagraha
