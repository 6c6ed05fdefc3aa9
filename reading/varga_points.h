// The points of a reading in the sixteen vargas: the ascendant, the nine grahas (when the reading
// shows them), the six time-based upagrahas and the five upagrahas of the Sun.
//
// Flow of a reading: driver -> upagrahas -> (when asked) the sky -> this table, built from the
// committed reading and its upagrahas under the profile's varga rules -> the report's section
// (here), the JSON (cli/), the window's table and charts.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_data.h"
#include "upagraha/language.h"
#include "upagraha/upagraha.h"
#include "upagraha/vargas.h"

namespace vela::reading {

enum class VargaPointKind { Ascendant, Graha, Upagraha, SunUpagraha };

// One point in every varga.
struct VargaRow {
    VargaPointKind kind = VargaPointKind::Ascendant;
    int index = 0;                // the graha (sky::kGrahas), upagraha (Kaala ..) or Sun's upagraha (Dhuma ..)
    std::string_view name;        // English: "Ascendant", "Sun", "Kaala", "Dhuma" ...
    double longitudeDegrees = 0;  // sidereal, [0, 360)
    std::array<upagraha::VargaPlace, upagraha::kVargaCount> places{};  // in the order of kVargaDivisions
    bool vargottama = false;                                           // the same sign in D1 and D9
};

struct VargaTable {
    upagraha::VargaRules rules;
    // The ascendant, the grahas when shown, the six upagrahas, then the five of the Sun.
    std::vector<VargaRow> rows;
    // False when the ephemeris gave no Sun for the date, so the Sun's five are missing.
    bool sunUpagrahas = true;
};

// The table of a committed reading under its profile's varga rules. The grahas come in with
// `withGrahas` when the reading has its sky; the Sun's five come from the reading's sky, or, when
// the reading was made without it, from the ephemeris here (the reading itself stays as it is).
VargaTable BuildVargaTable(const Reading& s, const upagraha::Upagrahas& u, bool withGrahas);

// A reading's points as one varga places them: each at its varga sign and the degrees within it,
// its house counted from the varga's ascendant; everything else as the reading holds it. The chart
// of a varga is the rasi chart's model built from this (reading/chart_model).
struct VargaReading {
    Reading reading;
    upagraha::Upagrahas upagrahas;
};
VargaReading PlaceReadingInVarga(const Reading& s, const upagraha::Upagrahas& u, int division);

// A point's name in the language.
std::string_view VargaPointName(const VargaRow& row, upagraha::Language language);

// Degrees and whole minutes within the varga's sign, cut: "7°05′".
std::string VargaDegreesText(double degrees);

// "Parashara's hora, Parashara's drekkana, Parashara's trimsamsa" in the language.
std::string VargaRulesText(const upagraha::VargaRules& rules, upagraha::Language language);

// The section's heading, "Vargas (divisional charts)", and the note on the vargottama mark, in
// the language.
std::string VargaHeading(upagraha::Language language);
std::string VargottamaNote(upagraha::Language language);

// The report's section. Every varga: the heading, a table of each point's sign in each of the
// sixteen (vargottama marked), then each varga's signs and degrees. With a division (one of the
// sixteen), only that varga's signs and degrees.
std::string VargaTableText(const VargaTable& table, std::optional<int> division, upagraha::Language language);

}  // namespace vela::reading
