#include "upagraha/nakshatra.h"

#include <cmath>

namespace vela::upagraha {

namespace {

constexpr double kArcMinutesPerPada = 200.0;  // 3°20′
constexpr int kPadaCount = kNakshatraCount * kPadasPerNakshatra;
// A boundary written to the minute (263°20′) is no exact double: its nearest double may fall a
// hair short of it. This much of a pada (a few millionths of an arc-second) counts as on it.
constexpr double kBoundarySlack = 1e-9;

}  // namespace

NakshatraPada NakshatraOf(double siderealDegrees) {
    double degrees = std::fmod(siderealDegrees, 360.0);
    if (degrees < 0) degrees += 360.0;
    auto pada = static_cast<int>(std::floor(degrees * 60.0 / kArcMinutesPerPada + kBoundarySlack));
    // The last hair below 360° rounds up to the first pada of the next turn.
    pada %= kPadaCount;
    return {pada / kPadasPerNakshatra, pada % kPadasPerNakshatra + 1};
}

std::string NakshatraText(const NakshatraPada& place) {
    std::string text(place.Name());
    text += ", pada ";
    text += std::to_string(place.pada);
    return text;
}

}  // namespace vela::upagraha
