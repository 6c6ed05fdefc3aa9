// The command line's notations for a reading, turned into what the birth form's controls hold.
//
// Flow of a reading: arguments or a batch row -> notation -> form -> validation -> driver -> ...
// The command line and the batch file write a reading as texts (1975-06-15, 10:30, 28N37, 77E13,
// true). This unit only reads those shapes and fills a BirthForm; everything the window would
// judge (an empty name, 31 April, 95 degrees of latitude) is left to validation and the driver, so
// the command line refuses exactly what the window refuses, with the same words.
//
// Two kinds of problem come out of here:
//  - a malformed notation, or a value no list of the form can hold (month 13, hour 25, zone row 81,
//    a year outside 1901..2050): the form cannot even be filled, a usage error;
//  - a character the window's letters boxes refuse (digits, accented letters, a hyphen that follows
//    no letter, in a name or a place): the window's own message, a refused reading. Keeping the boxes to what the
//    window accepts also keeps every reading one that the reading file can hold and the window can reopen.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_form.h"
#include "reading/day_portions.h"
#include "reading/reference_tables.h"

namespace vela::files {

// One reading as the command line or a batch row gives it.
struct ReadingNotation {
    std::string name;
    std::string dateText;  // YYYY-MM-DD
    std::string time;      // H:MM or HH:MM, 24-hour clock
    std::string zoneName;  // zone table row, 0..80
    std::string latText;   // 28N37: whole degrees, N or S, two-digit minutes
    std::string lonText;   // 77E13: whole degrees, E or W, two-digit minutes
    std::string dstText;   // true or false
    std::string city;
    std::string state;
    std::string country;
    std::string offsetText{};  // +HH:MM or +HH:MM:SS East of Greenwich (- for West), instead of a row
    // The years the reading's profile takes (reading::YearsOf): the original's unless set.
    reading::YearRange years{reading::kFirstYear, reading::kLastYear};
};

struct FieldProblem {
    std::string_view field;  // the column name, which is also the flag without its dashes
    std::string text;        // one line
    bool refusal = false;    // the window's own message rather than a malformed notation
};

// Each reads one notation into the form's controls and leaves the form untouched on a problem,
// answered as one line that quotes the text and says the expected shape. Blanks around a
// notation are ignored.
std::optional<std::string> ApplyDate(std::string_view text, reading::BirthForm& form);
// The same within a profile's years (1800 to 2399 under the precise ephemeris).
std::optional<std::string> ApplyDate(std::string_view text, reading::BirthForm& form, const reading::YearRange& years);
std::optional<std::string> ApplyTime(std::string_view text, reading::BirthForm& form);
std::optional<std::string> ApplyZone(std::string_view text, reading::BirthForm& form);
// An exact offset, +05:53:20 or -03:30: a sign, hours, two-digit minutes and optionally seconds,
// at most 16 hours. The zone's name is "UTC" and the offset as written here.
std::optional<std::string> ApplyOffset(std::string_view text, reading::BirthForm& form);
std::optional<std::string> ApplyLatitude(std::string_view text, reading::BirthForm& form);
std::optional<std::string> ApplyLongitude(std::string_view text, reading::BirthForm& form);
std::optional<std::string> ApplyDst(std::string_view text, reading::BirthForm& form);

// The window's message when the text holds a character its letters boxes refuse.
std::optional<std::string> CheckLetters(std::string_view text);

// Fills the whole form, checking the fields in the batch file's column order; the first problem.
std::optional<FieldProblem> FillBirthForm(const ReadingNotation& notation, reading::BirthForm& form);

// The notations of a filled form, as FillBirthForm reads them back: the date, the time to the
// minute, the zone row or the exact offset, the place to the minute of arc. A form with seconds of
// arc (a file's place) has them in `secondsOfArc`, which no notation holds.
struct FormNotation {
    ReadingNotation notation;
    bool secondsOfArc = false;
};
FormNotation NotationOfForm(const reading::BirthForm& form);

}  // namespace vela::files
