// Angle routines and the two text forms of a zodiac position.
//
// The chart-angle stage writes its ascendant in the long form ("5° 45' 0\" Can"); the driver and
// the upagraha stage keep the compact form ("05 Can 45") and read the sign as characters 4 to 6.
#pragma once

#include <string_view>

#include "astro/fixed_text.h"

namespace vela::astro {

// The twelve signs, three letters each, Aries first.
inline constexpr std::string_view kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";
// Radians per degree and degrees per radian, at the 15 significant digits the model was fitted with.
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;

// Brings x (degrees) into one turn with a single correction each way; the argument is updated.
// An input of exactly 360 stays 360, and one below -360 stays negative.
double NormalizeDegrees(double& x);

// Four-quadrant arctangent in radians, (-pi, pi].
double Atan2(double y, double x);

// Long form of a longitude in degrees: whole degrees in the sign, minutes and seconds (all truncated),
// then the sign's abbreviation. The argument is replaced by its absolute value.
PositionText SignDegreeText(double& x);

// Compact form of a long-form text: two-digit degrees, sign, two-digit minutes ("05 Can 45").
PositionText CompactPositionText(std::string_view t);

// The compact form straight from a longitude in degrees, without the long form between: the same
// text as CompactPositionText(SignDegreeText(x)), at a fraction of the cost.
PositionText CompactPositionTextOf(double degrees);

// The sign (0 = Aries .. 11 = Pisces) that SignDegreeText names for a longitude in degrees.
int SignIndexOf(double degrees);

// The sign abbreviation of a compact text (its characters 4 to 6), or an empty view when too short.
std::string_view CompactSign(std::string_view compact);

}  // namespace vela::astro
