// The shared variables of one reading.
//
// The driver owns one Reading per reading (the window keeps one for its lifetime, a batch
// run one per row) and is the only code that takes it by non-const reference; every stage reads it
// through a const reference to the part it needs (BirthMoment for the astronomy, UpagrahaInput for
// the upagrahas). Nothing is reset between readings: each run that passes validation overwrites
// every field. The data flow of a reading is in docs/architecture.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "astro/fixed_text.h"
#include "reading/birth_form.h"
#include "reading/reference_tables.h"
#include "reading/sky_around.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

// The longest birth-date text, "September 30,2050", held inline: no allocation per reading.
using BirthDateString = astro::FixedText<24>;

// Birth date, time, zone and place (BirthMoment), birth ascendant and the six sunrises and sunsets
// (UpagrahaInput), and what only the reading itself keeps.
struct Reading : upagraha::UpagrahaInput {
    std::string name;
    std::string city;
    std::string state;
    std::string country;
    BirthDateString birthDateText;  // "March 7,1975"

    // The zone tables the reading's zone row was read from.
    const ZoneTables* zones = &ReferenceZoneTables();
    // Row of the zone table chosen for this reading (kept for the reading file and the JSON output).
    std::int16_t zoneRow = 0;
    // The exact offset the reading was given instead of a row (zoneRow is then -1).
    std::optional<ExactZone> exactZone;

    // The birth ascendant as the report and the files show it, compact ("05 Can 45"); its degrees
    // are birthAscendant.
    std::string birthAscendantText;

    // The conventions the reading was made under (a way of reading, never saved with the birth).
    upagraha::ConventionProfile profile = upagraha::kOriginalProfile;

    // The nine grahas and the Sun's upagrahas at the birth moment, when the reading asked for them
    // (CalculationRequest::grahas); empty otherwise.
    std::optional<SkyAround> sky;
};

}  // namespace vela::reading
