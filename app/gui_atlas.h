// The offline atlas: places looked up by name, and a place's clock at the birth moment.
//
// Flow of a reading: atlas -> form -> validation -> driver -> ... The desktop program offers places
// from the system's geographical database (about 24,000 cities of 15,000 people or more, with
// their IANA time zones) while the user types a city, and reads the system's time-zone data for
// the offsets in force at the birth date and time. Everything the form receives from here is
// shaped by the core (modPlaceName, modZoneProposal); this module only talks to the two system
// sources, so neither reaches the core.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "app/place_name.h"
#include "app/zone_proposal.h"

namespace vela::modAtlas {

// One letter matches thousands of places; the list starts from two.
inline constexpr int kFewestLettersSearched = 2;
inline constexpr int kMostPlacesOffered = 30;

// Places with a word of their name starting with the typed text (accents folded on both sides,
// so "Sao Paulo" finds São Paulo), the largest first. Empty for fewer than two letters.
std::vector<modPlaceName::AtlasPlace> FindPlaces(const QString& typed, int most = kMostPlacesOffered);

// The offsets of the zone at the clock time of the form's date, from the system's time-zone data;
// nothing when that data does not know the zone.
std::optional<modZoneProposal::ZoneAtMoment> ZoneAtBirthMoment(const std::string& zone,
                                                               const modZoneProposal::ClockMoment& moment);

}  // namespace vela::modAtlas
