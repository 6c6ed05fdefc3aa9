// Whether the chosen zone can be the clock of the birth place.
//
// Flow of a reading: form -> validation -> zone check -> driver -> ... A zone whose offset (with
// the daylight-saving hour) lies three hours or more from the place's mean time (its longitude
// over 15), measured round the clock, is almost always a slip: the first row of the list left as it was, or a zone
// picked for another place. The check refuses nothing; it says so in one sentence, which the window turns into a
// question before calculating and the command line and the batch add to the reading's warnings. Living beside
// validation, it gives every front end the same words.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/form_values.h"

namespace vela::reading {

// Hours between the zone's offset and the place's mean time from which the zone is questioned.
inline constexpr double kImplausibleZoneHours = 3.0;

// The window's question after the sentence.
inline constexpr std::string_view kZoneQuestion = "Calculate with this zone?";

// The sentence when the form's zone (a row or an exact offset, to the second) and tick lie too far
// from the mean time of its longitude:
//   Alaska/Hawaii Daylight Time is −9:00; the mean time at 77°13′ E is +5:09.
// Nothing when they fit, or when the zone or the longitude is missing or out of its range (the
// form's own checks name those).
std::optional<std::string> ZonePlausibilityWarning(const FormValues& form);

// The same from plain values: the zone table's row, the tick, and the longitude in whole degrees
// and minutes with its direction.
std::optional<std::string> ZonePlausibilityWarning(int zoneRow, bool dst, int lonDeg, int lonMin, bool east);
// The same for an exact offset, named by its own name ("UTC+05:53:20 is +5:53:20; ...").
std::optional<std::string> ZonePlausibilityWarning(const ExactZone& zone, bool dst, int lonDeg, int lonMin, bool east);

// "+5:09", "−9:00" (a true minus sign), "+0:00": hours and two-digit minutes East of Greenwich.
std::string HoursMinutesText(int minutesEast);

}  // namespace vela::reading
