// A place's clock at the birth moment, from the system's time-zone data.
//
// When the user picks a place from the atlas, the window asks here for the offsets in force at the
// birth date and time in the place's IANA zone; atlas turns them into a proposed zone row
// and tick. Qt's time-zone classes read the system's data, so this piece lives with the window.
#pragma once

#include <optional>
#include <string>

#include "atlas/zone_proposal.h"

namespace vela::desktop {

// The offsets of the zone at the clock time of the form's date; nothing when the system's data
// does not know the zone.
std::optional<atlas::ZoneAtMoment> ZoneAtBirthMoment(const std::string& zone, const atlas::ClockMoment& moment);

}  // namespace vela::desktop
