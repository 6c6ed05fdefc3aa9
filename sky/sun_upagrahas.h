// The five upagrahas of the Sun (the aprakasha grahas): pure arithmetic on the Sun's sidereal
// longitude, worked once the grahas are known and shown beside the time-based upagrahas.
//
// Dhuma is the Sun plus 4 signs 13 deg 20'; Vyatipata is the circle less Dhuma; Parivesha is
// Vyatipata plus 6 signs; Indrachapa is the circle less Parivesha; Upaketu is Indrachapa plus
// 16 deg 40', which comes back to the Sun less one sign. Some schools take Vyatipata as Dhuma plus
// 53 deg 20' instead, and then Indrachapa as Parivesha less 53 deg 20' (R. Santhanam's notes to
// Brihat Parashara Hora Shastra 3.61-64), so that the chain still closes on the Sun: Indrachapa
// and Upaketu are the same under both rules, Vyatipata and Parivesha differ.
#pragma once

#include "sky/ephemeris.h"

namespace vela::sky {

enum class VyatipataRule { CircleLessDhuma, DhumaPlus53Deg20 };

struct SunUpagrahas {
    double dhumaDegrees = 0;
    double vyatipataDegrees = 0;
    double pariveshaDegrees = 0;
    double indrachapaDegrees = 0;
    double upaketuDegrees = 0;
};

// All five in [0, 360) from the Sun's sidereal longitude in degrees.
inline SunUpagrahas CalculateSunUpagrahas(double sunDegrees, VyatipataRule rule = VyatipataRule::CircleLessDhuma) {
    constexpr double k133Deg20 = 133.0 + 1.0 / 3.0;
    constexpr double k53Deg20 = 53.0 + 1.0 / 3.0;
    constexpr double k16Deg40 = 16.0 + 2.0 / 3.0;
    SunUpagrahas u;
    u.dhumaDegrees = NormalizedDegrees(sunDegrees + k133Deg20);
    u.vyatipataDegrees =
        NormalizedDegrees(rule == VyatipataRule::CircleLessDhuma ? 360.0 - u.dhumaDegrees : u.dhumaDegrees + k53Deg20);
    u.pariveshaDegrees = NormalizedDegrees(u.vyatipataDegrees + 180.0);
    u.indrachapaDegrees = NormalizedDegrees(rule == VyatipataRule::CircleLessDhuma ? 360.0 - u.pariveshaDegrees
                                                                                   : u.pariveshaDegrees - k53Deg20);
    u.upaketuDegrees = NormalizedDegrees(u.indrachapaDegrees + k16Deg40);
    return u;
}

}  // namespace vela::sky
