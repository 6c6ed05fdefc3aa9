// Places from the offline atlas, turned into what the birth form's place boxes hold.
//
// Flow of a reading: form -> validation -> driver -> ... The atlas stands before the form: the
// window looks places up by name and, when the user picks one, fills the city, state and country
// boxes and the latitude and longitude boxes from it. The user may still type anything by hand.
// The atlas itself (a system library) lives in the desktop program; this module only shapes what
// it returns, so the core stays free of it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_form.h"

namespace vela::atlas {

// One place as the atlas gives it. Texts are UTF-8, with the accents and punctuation of the
// place's own spelling.
struct AtlasPlace {
    std::string name;
    std::string state;
    std::string country;
    std::string zoneName;  // IANA name, "Asia/Kolkata"
    double latitude = 0;   // degrees, North positive
    double longitude = 0;  // degrees, East positive
    long population = 0;
};

// The name folded to what a letters box takes (A-Z, a-z, blanks, and an apostrophe, hyphen or full
// stop right after a letter): accented Latin letters lose their accents ("Sao Paulo"); a hyphen,
// apostrophe or dot after a letter stays ("Winston-Salem", "N'Djamena", "St. John's"); dashes,
// slashes, commas, brackets and a hyphen anywhere else become blanks; every other character is
// dropped, and runs of blanks shrink to one, none at either end. The input is UTF-8; broken
// sequences are dropped.
std::string FoldPlaceName(std::string_view utf8);

// Whole degrees and minutes of an angle, rounded to the nearest minute (half to even), with the
// minutes carried into the degrees at 60.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // South or West
};
DegreesMinutes RoundToMinute(double degrees);

// Writes the place into the form's city, state and country boxes (folded) and its latitude and
// longitude boxes and directions; every other field is left as it was.
void FillPlace(reading::BirthForm& form, const AtlasPlace& place);

// The largest places first; places of the same size by name.
void OrderByPopulation(std::vector<AtlasPlace>& places);

// One line of the list the atlas offers: "Pune, Maharashtra, India", the place as spelt there.
std::string PlaceListText(const AtlasPlace& place);

}  // namespace vela::atlas
