#include "sky/grahas.h"

#include <algorithm>
#include <cmath>

#include "sky/swiss.h"

namespace vela::sky {
namespace {

constexpr std::array<std::string_view, 9> kNames = {"Sun",   "Moon",   "Mars", "Mercury", "Jupiter",
                                                    "Venus", "Saturn", "Rahu", "Ketu"};

// The library's body numbers for the seven grahas that are bodies.
constexpr std::array<std::int32_t, 7> kBodies = {SE_SUN, SE_MOON, SE_MARS, SE_MERCURY, SE_JUPITER, SE_VENUS, SE_SATURN};

// Arc units as exact fractions of a degree, so 13 deg 20' is 40/3 and not a rounded decimal.
constexpr double kNakshatraDegrees = 40.0 / 3.0;
constexpr double kPadaDegrees = 10.0 / 3.0;

}  // namespace

std::string_view GrahaName(Graha graha) { return kNames[static_cast<std::size_t>(graha)]; }

std::optional<GrahaPositions> CalculateGrahas(double jdUt, const Ayanamsa& ayanamsa, NodeKind node) {
    PrepareThread();
    GrahaPositions result;
    result.ayanamsaDegrees = AyanamsaDegrees(jdUt, ayanamsa);
    const double ayanamsaSpeed = AyanamsaSpeedDegreesPerDay(jdUt, ayanamsa);
    bool anyMoshier = false;

    auto compute = [&](std::int32_t body, GrahaPosition& out) {
        double xx[6] = {};
        char serr[AS_MAXCH] = {};
        const std::int32_t flags = swe_calc_ut(jdUt, body, detail::kEphemerisFlag | SEFLG_SPEED, xx, serr);
        if (flags < 0) return false;
        anyMoshier = anyMoshier || detail::SourceOfFlags(flags) == EphemerisSource::Moshier;
        out.longitudeDegrees = NormalizedDegrees(xx[0] - result.ayanamsaDegrees);
        out.latitudeDegrees = xx[1];
        out.speedDegreesPerDay = xx[3] - ayanamsaSpeed;
        out.retrograde = out.speedDegreesPerDay < 0;
        return true;
    };

    for (std::size_t i = 0; i < kBodies.size(); ++i) {
        if (!compute(kBodies[i], result.positions[i])) return std::nullopt;
    }
    GrahaPosition& rahu = result.positions[static_cast<std::size_t>(Graha::Rahu)];
    if (!compute(node == NodeKind::Mean ? SE_MEAN_NODE : SE_TRUE_NODE, rahu)) return std::nullopt;
    GrahaPosition& ketu = result.positions[static_cast<std::size_t>(Graha::Ketu)];
    ketu = rahu;
    ketu.longitudeDegrees = NormalizedDegrees(rahu.longitudeDegrees + 180.0);
    ketu.latitudeDegrees = -rahu.latitudeDegrees;
    result.source = anyMoshier ? EphemerisSource::Moshier : EphemerisSource::SwissFiles;
    return result;
}

int SignIndex(double longitudeDegrees) {
    return static_cast<int>(std::floor(NormalizedDegrees(longitudeDegrees) / 30.0)) % 12;
}

double DegreesInSign(double longitudeDegrees) {
    const double x = NormalizedDegrees(longitudeDegrees);
    return x - 30.0 * SignIndex(x);
}

int NakshatraIndex(double longitudeDegrees) {
    return static_cast<int>(std::floor(NormalizedDegrees(longitudeDegrees) / kNakshatraDegrees)) % 27;
}

int Pada(double longitudeDegrees) {
    const double x = NormalizedDegrees(longitudeDegrees);
    const double inNakshatra = x - kNakshatraDegrees * NakshatraIndex(x);
    return std::min(3, static_cast<int>(std::floor(inNakshatra / kPadaDegrees))) + 1;
}

}  // namespace vela::sky
