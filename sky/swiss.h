// The few pieces of the Swiss Ephemeris binding that sky/'s own files share; not for other layers.
#pragma once

#include <swephexp.h>

#include <cstdint>

#include "sky/ephemeris.h"

namespace vela::sky::detail {

// The ephemeris flag every computation starts from: the files, falling back to Moshier by itself.
inline constexpr std::int32_t kEphemerisFlag = SEFLG_SWIEPH;

// Which theory a swe_calc_ut return flag says answered.
inline EphemerisSource SourceOfFlags(std::int32_t returnedFlags) {
    return (returnedFlags & SEFLG_SWIEPH) != 0 ? EphemerisSource::SwissFiles : EphemerisSource::Moshier;
}

}  // namespace vela::sky::detail
