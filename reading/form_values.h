// The birth form read once into typed values.
//
// The form holds texts, as its controls do. A reading turns them into numbers exactly once, here;
// validation, the driver and the birth-time search then work on these values and never read a
// text again. The texts of the name and the place stay views into the form they came from, so a
// FormValues lives no longer than its BirthForm.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_form.h"

namespace vela::reading {

// A number box or a list's text: whether it was empty, and the whole number it holds.
struct FormNumber {
    bool empty = true;         // the text was "" (a text of blanks is not empty)
    std::optional<int> value;  // nothing when the text is anything but a whole number
};

// Named after the controls whose content they hold.
struct FormValues {
    std::string_view name;
    FormNumber day;
    int month = 0;  // position 0..11, -1 when nothing is selected
    FormNumber year;
    FormNumber hour;
    FormNumber minute;
    int zoneRow = 0;                       // row of the zone table, -1 when nothing is selected
    const ExactZone* exactZone = nullptr;  // the form's exact offset, when it has one instead of a row
    FormNumber latDegrees;
    FormNumber latMinutes;
    FormNumber lonDegrees;
    FormNumber lonMinutes;
    FormNumber latSeconds;  // empty for a place given to the minute
    FormNumber lonSeconds;
    LatChoice latDirection = LatChoice::North;
    LonChoice lonDirection = LonChoice::East;
    bool dst = false;
    std::string_view city;  // as typed; the driver trims the blanks
    std::string_view state;
    std::string_view country;
};

FormNumber ParseFormNumber(std::string_view text);
FormValues ParseForm(const BirthForm& form);

// What the window says when the offset box does not hold an offset.
inline constexpr std::string_view kOffsetNotationMessage =
    "Please enter the offset East of Greenwich as +HH:MM or +HH:MM:SS (- for West), at most 16 hours.";

// An exact offset written +HH:MM or +HH:MM:SS East of Greenwich (- for West; blanks around it are
// ignored), at most kMaxExactOffsetSeconds; its name is "UTC" and the offset as written
// ("UTC+05:53:20"). Nothing for any other text.
std::optional<ExactZone> ParseExactOffset(std::string_view text);

}  // namespace vela::reading
