#include "reading/chart_model.h"

#include <algorithm>
#include <cmath>

#include "astro/position_text.h"
#include "astro/text.h"

namespace vela::reading {

namespace {

using upagraha::Upagrahas;

// The twelve outer cells of the South Indian frame, by sign: Pisces at the top left, then
// clockwise.
constexpr std::array<GridCell, 12> kSouthCells = {{
    {0, 1},  // Aries
    {0, 2},  // Taurus
    {0, 3},  // Gemini
    {1, 3},  // Cancer
    {2, 3},  // Leo
    {3, 3},  // Virgo
    {3, 2},  // Libra
    {3, 1},  // Scorpio
    {3, 0},  // Sagittarius
    {2, 0},  // Capricorn
    {1, 0},  // Aquarius
    {0, 0},  // Pisces
}};

// The North Indian square: its corners, side midpoints, centre, and the four points where the
// diagonals cross the diamond.
constexpr ChartPoint kTopLeft{0, 0}, kTopRight{1, 0}, kBottomRight{1, 1}, kBottomLeft{0, 1};
constexpr ChartPoint kTop{0.5, 0}, kRight{1, 0.5}, kBottom{0.5, 1}, kLeft{0, 0.5}, kCentre{0.5, 0.5};
constexpr ChartPoint kUpperLeft{0.25, 0.25}, kUpperRight{0.75, 0.25}, kLowerRight{0.75, 0.75}, kLowerLeft{0.25, 0.75};

// The houses, first to twelfth: the top diamond, then counter-clockwise.
const std::array<std::vector<ChartPoint>, 12>& NorthOutlines() {
    static const std::array<std::vector<ChartPoint>, 12> outlines = {{
        {kTop, kUpperRight, kCentre, kUpperLeft},
        {kTopLeft, kTop, kUpperLeft},
        {kTopLeft, kUpperLeft, kLeft},
        {kLeft, kUpperLeft, kCentre, kLowerLeft},
        {kLeft, kLowerLeft, kBottomLeft},
        {kBottomLeft, kLowerLeft, kBottom},
        {kBottom, kLowerLeft, kCentre, kLowerRight},
        {kBottom, kLowerRight, kBottomRight},
        {kBottomRight, kLowerRight, kRight},
        {kRight, kLowerRight, kCentre, kUpperRight},
        {kRight, kUpperRight, kTopRight},
        {kTopRight, kUpperRight, kTop},
    }};
    return outlines;
}

ChartPoint Centroid(const std::vector<ChartPoint>& outline) {
    ChartPoint c;
    for (const ChartPoint& p : outline) {
        c.x += p.x;
        c.y += p.y;
    }
    const auto n = static_cast<double>(outline.size());
    return {c.x / n, c.y / n};
}

// The box around a point, of the given size.
ChartBox BoxAround(ChartPoint centre, double width, double height) {
    return {centre.x - width / 2, centre.y - height / 2, width, height};
}

// "10°56′" from a compact text ("10 Gem 56").
std::string DegreesText(std::string_view compact) {
    const auto degrees = astro::ParseWhole(compact.substr(0, 2));
    const auto minutes = compact.size() >= 9 ? astro::ParseWhole(compact.substr(7, 2)) : std::nullopt;
    if (!degrees || !minutes) return std::string(compact);
    std::string text;
    astro::AppendDegreesMinutes(text, *degrees, *minutes);
    return text;
}

int SignOfCompact(std::string_view compact) { return upagraha::SignIndexOfAbbreviation(astro::CompactSign(compact)); }

void PlaceSouthIndian(ChartModel& model) {
    constexpr double kCell = 0.25;
    for (int sign = 0; sign < 12; ++sign) {
        ChartPlace& place = model.places[static_cast<std::size_t>(sign)];
        const GridCell cell = kSouthCells[static_cast<std::size_t>(sign)];
        const double x = cell.column * kCell;
        const double y = cell.row * kCell;
        place.outline = {{x, y}, {x + kCell, y}, {x + kCell, y + kCell}, {x, y + kCell}};
        // The sign's name in the cell's top left corner, the bodies below it.
        place.labelAt = {x + 0.02, y + 0.035};
        place.textBox = {x + 0.015, y + 0.06, kCell - 0.03, kCell - 0.075};
        place.label = astro::kSignAbbreviations.substr(static_cast<std::size_t>(sign) * 3, 3);
    }
    model.centreBox = {0.27, 0.27, 0.46, 0.46};
}

void PlaceNorthIndian(ChartModel& model, int ascendantSign) {
    for (int house = 1; house <= 12; ++house) {
        ChartPlace& place = model.places[static_cast<std::size_t>(house - 1)];
        place.outline = NorthOutlines()[static_cast<std::size_t>(house - 1)];
        place.house = house;
        place.sign = (ascendantSign + house - 1) % 12;
        place.label = std::to_string(place.sign + 1);
        const ChartPoint middle = Centroid(place.outline);
        // The sign's number sits towards the point of the place that looks into the chart (the
        // centre for a diamond, the inner corner for a triangle); the bodies keep to the rest.
        const auto inner = std::find_if(place.outline.begin(), place.outline.end(), [](const ChartPoint& p) {
            return p.x > 0 && p.x < 1 && p.y > 0 && p.y < 1 && !(p == kCentre);
        });
        const bool diamond = place.outline.size() == 4;
        const ChartPoint towards = diamond ? kCentre : *inner;
        const double labelShare = diamond ? 0.75 : 0.6;
        place.labelAt = {middle.x + (towards.x - middle.x) * labelShare,
                         middle.y + (towards.y - middle.y) * labelShare};
        const ChartPoint textAt{middle.x - (towards.x - middle.x) * 0.1, middle.y - (towards.y - middle.y) * 0.1};
        // A triangle on the left or right side is narrow and tall, one at the top or bottom wide and
        // low.
        const bool sideways = std::abs(towards.x - middle.x) > std::abs(towards.y - middle.y);
        place.textBox = diamond    ? BoxAround(textAt, 0.24, 0.18)
                        : sideways ? BoxAround(textAt, 0.12, 0.16)
                                   : BoxAround(textAt, 0.16, 0.12);
    }
}

}  // namespace

GridCell SouthIndianCell(int sign) { return kSouthCells[static_cast<std::size_t>(((sign % 12) + 12) % 12)]; }

std::size_t ChartModel::PlaceOfBody(std::size_t body) const {
    for (std::size_t p = 0; p < places.size(); ++p)
        if (std::find(places[p].bodies.begin(), places[p].bodies.end(), body) != places[p].bodies.end()) return p;
    return places.size();
}

std::string_view ChartShortName(std::size_t body, upagraha::Language language) {
    // The ascendant, the upagrahas in the report's order, then the grahas in the order of
    // sky::kGrahas: the opening syllables a chart writes. Jupiter is written whole, "गुरु" and
    // "குரு", since its first syllable is Gulika's.
    static constexpr std::array<std::array<std::string_view, 16>, 3> kShortNames = {{
        {"Asc", "Ka", "Mr", "Ar", "Ya", "Gu", "Ma", "Su", "Mo", "Mar", "Me", "Ju", "Ve", "Sa", "Ra", "Ke"},
        {"लग्न", "का", "मृ", "अ", "य", "गु", "मा", "सू", "चं", "मं", "बु", "गुरु", "शु", "श", "रा", "के"},
        {"லக்", "கா", "மி", "அ", "எ", "கு", "மா", "சூ", "சந்", "செ", "பு", "குரு", "சு", "ச", "ரா", "கே"},
    }};
    const auto row = static_cast<std::size_t>(language);
    if (row >= kShortNames.size() || body >= kShortNames[row].size()) return {};
    return kShortNames[row][body];
}

ChartModel BuildChartModel(ChartStyle style, const Reading& s, const Upagrahas& u, std::vector<std::string> centreLines,
                           upagraha::Language language) {
    ChartModel model;
    model.style = style;
    const int ascendantSign = std::max(SignOfCompact(s.birthAscendantText), 0);
    model.bodies.push_back({std::string(kAscendantShortName), DegreesText(s.birthAscendantText), ascendantSign, 1, true,
                            BodyKind::Ascendant});
    std::vector<double> longitudes = {s.birthAscendant.value};
    for (std::size_t i = 0; i < static_cast<std::size_t>(upagraha::kUpagrahaCount); ++i) {
        const std::string_view compact = u.upagrahaLongitudes[i].view();
        model.bodies.push_back({std::string(kUpagrahaShortNames[i]), DegreesText(compact),
                                std::max(SignOfCompact(compact), 0), u.houses[i], false});
        longitudes.push_back(u.longitudes[i]);
    }
    if (s.sky) {
        for (std::size_t g = 0; g < s.sky->grahas.size(); ++g) {
            const PlacedPoint& graha = s.sky->grahas[g];
            model.bodies.push_back({std::string(kGrahaShortNames[g]),
                                    graha.retrograde ? graha.degreesText + " (R)" : graha.degreesText, graha.sign,
                                    graha.house, false, BodyKind::Graha});
            longitudes.push_back(graha.longitudeDegrees);
        }
    }

    if (style == ChartStyle::SouthIndian) {
        PlaceSouthIndian(model);
        for (int sign = 0; sign < 12; ++sign) model.places[static_cast<std::size_t>(sign)].sign = sign;
        for (ChartPlace& place : model.places) place.house = upagraha::HouseFromSignIndices(ascendantSign, place.sign);
    } else {
        PlaceNorthIndian(model, ascendantSign);
    }
    model.centreLines = std::move(centreLines);
    if (language != upagraha::Language::English) {
        for (std::size_t b = 0; b < model.bodies.size(); ++b) model.bodies[b].shortName = ChartShortName(b, language);
        if (style == ChartStyle::SouthIndian)
            for (ChartPlace& place : model.places) place.label = upagraha::SignAbbreviation(place.sign, language);
    }

    for (std::size_t b = 0; b < model.bodies.size(); ++b) {
        const ChartBody& body = model.bodies[b];
        ChartPlace& place = style == ChartStyle::SouthIndian ? model.places[static_cast<std::size_t>(body.sign)]
                                                             : model.places[static_cast<std::size_t>(body.house - 1)];
        place.bodies.push_back(b);
        if (body.isAscendant) place.isAscendant = true;
    }
    // Within a place: the ascendant first, then the bodies in the order they rise in the sign.
    for (ChartPlace& place : model.places) {
        std::stable_sort(place.bodies.begin(), place.bodies.end(), [&](std::size_t a, std::size_t b) {
            if (model.bodies[a].isAscendant != model.bodies[b].isAscendant) return model.bodies[a].isAscendant;
            return longitudes[a] < longitudes[b];
        });
    }
    return model;
}

}  // namespace vela::reading
