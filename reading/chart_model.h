// The chart of a reading as a model: which sign or house each body stands in, where each of them is
// drawn, and what is written where. The window, the printed reading and the exported image draw
// from it (with Qt, in the desktop program); the tests ask it rather than look at pixels.
//
// Flow of a reading: ... -> upagrahas -> report, and from the same record this model.
//
// Two styles, both in a unit square (x to the right, y downwards):
//  - South Indian: the signs stand still in the twelve outer cells of a 4 x 4 frame, Pisces at the
//    top left and the zodiac running clockwise (Aries, Taurus, Gemini along the top); the centre
//    holds the name and birth data. The ascendant's sign is marked.
//  - North Indian: the houses stand still in a square cut by its diagonals and the diamond of its
//    side midpoints; the first house is the top diamond and the houses run counter-clockwise; each
//    house is numbered with its sign (1 = Aries).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_data.h"
#include "upagraha/language.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

enum class ChartStyle { SouthIndian, NorthIndian };

// The short names a crowded cell has room for, in the report's order.
inline constexpr std::array<std::string_view, upagraha::kUpagrahaCount> kUpagrahaShortNames = {"Ka", "Mr", "Ar",
                                                                                               "Ya", "Gu", "Ma"};
inline constexpr std::string_view kAscendantShortName = "Asc";
// The grahas' short names, in the order of sky::kGrahas. Mars is "Mar": "Ma" is Maandi's.
inline constexpr std::array<std::string_view, 9> kGrahaShortNames = {"Su", "Mo", "Mar", "Me", "Ju",
                                                                     "Ve", "Sa", "Ra",  "Ke"};

// What a body of the chart is: the chart draws the grahas plain and the upagrahas set apart.
enum class BodyKind { Ascendant, Upagraha, Graha };

struct ChartPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

struct ChartBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct ChartBody {
    std::string shortName;    // "Asc", "Ka" .. "Ma", "Su" .. "Ke"
    std::string degreesText;  // within the sign, as the report truncates it: "10°56′"; "(R)" after a
                              // retrograde graha's
    int sign = 0;             // 0 = Aries .. 11 = Pisces
    int house = 1;            // 1..12 from the ascendant's sign
    bool isAscendant = false;
    BodyKind kind = BodyKind::Upagraha;
};

// One place of the chart: a sign's cell (South Indian) or a house (North Indian).
struct ChartPlace {
    int sign = 0;
    int house = 1;
    std::vector<ChartPoint> outline;  // the polygon drawn
    ChartBox textBox;                 // where its bodies are written, one line each
    ChartPoint labelAt;               // where its sign is named
    std::string label;                // "Gem" (South Indian) or "3" (North Indian)
    bool isAscendant = false;         // holds the ascendant
    std::vector<std::size_t> bodies;  // into ChartModel::bodies, ascendant first, then by longitude
};

struct ChartModel {
    ChartStyle style = ChartStyle::SouthIndian;
    // The ascendant, then the six upagrahas in the report's order, then (when the reading asked for
    // them) the nine grahas.
    std::vector<ChartBody> bodies;
    // South Indian: indexed by sign; North Indian: by house - 1.
    std::array<ChartPlace, 12> places;
    // The name and birth data: in the centre of a South Indian chart, above a North Indian one.
    std::vector<std::string> centreLines;
    ChartBox centreBox;

    // The place a body is drawn in (an index into places).
    std::size_t PlaceOfBody(std::size_t body) const;
};

// The chart of a reading; the centre lines are written in the centre of a South Indian chart.
// In Hindi or Tamil the bodies' short names and the South Indian signs are the language's.
ChartModel BuildChartModel(ChartStyle style, const Reading& s, const upagraha::Upagrahas& u,
                           std::vector<std::string> centreLines,
                           upagraha::Language language = upagraha::Language::English);
// A body's short name in the chart (0 the ascendant, 1..6 the upagrahas, 7..15 the grahas): "Asc",
// "Ka" .. "Ma", "Su" .. "Ke".
std::string_view ChartShortName(std::size_t body, upagraha::Language language);

// The row and column (0..3) of a sign's cell in the South Indian frame.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};
GridCell SouthIndianCell(int sign);

}  // namespace vela::reading
