// What the birth form's controls hold, independent of any widget.
//
// The window fills a BirthForm from its widgets, the command line from its arguments and the reading
// file from a file; validation, the driver and the file work on it, never on widgets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vela::reading {

enum class LatChoice : std::int8_t { None, North, South };
enum class LonChoice : std::int8_t { None, East, West };

// A zone given as an exact offset instead of a table row: seconds East of Greenwich, and a short
// name the report shows ("Madras Time"; may be empty).
struct ExactZone {
    int secondsEast = 0;
    std::string name;
    bool operator==(const ExactZone&) const = default;
};

// The largest exact offset either way: local mean time reached past 15 hours on both sides of the
// date line; 16 hours is beyond any clock.
inline constexpr int kMaxExactOffsetSeconds = 16 * 3600;

struct BirthForm {
    std::string name;
    std::string day = "1";               // day list text, "1".."31"
    int month = 0;                       // month list position 0..11, -1 when nothing is selected
    std::string year = "1901";           // year list text
    std::string hour = "0";              // hour list text
    std::string minute = "0";            // minute list text
    int zoneRow = 0;                     // zone table row 0..80, -1 when nothing is selected
    std::optional<ExactZone> exactZone;  // when set, the zone instead of zoneRow
    std::string latDegrees;
    std::string latMinutes;
    std::string lonDegrees;
    std::string lonMinutes;
    std::string latSeconds;  // whole seconds of arc; "" for a place given to the minute
    std::string lonSeconds;
    LatChoice latDirection = LatChoice::North;
    LonChoice lonDirection = LonChoice::East;
    bool dst = false;
    std::string city;
    std::string state;
    std::string country;
};

// A message for the user: a message box in the window, a line on standard error in the command line.
enum class MsgIcon : std::int8_t { Critical, Information };

// The control that gets the focus after a message.
enum class FormField : std::int8_t {
    None,
    Name,
    Day,
    Month,
    Year,
    Hour,
    Minute,
    TimeZone,
    LatDeg,
    LatMin,
    LonDeg,
    LonMin,
    City,
    State,
    Country,
    LatDirection,
    LonDirection
};

struct UserMessage {
    std::string text;
    MsgIcon icon = MsgIcon::Critical;
    FormField focus = FormField::None;
    // Set when the message comes with a direction becoming selected (no direction was chosen).
    LatChoice selectLat = LatChoice::None;
    LonChoice selectLong = LonChoice::None;
};

// The two kinds of message: an error (critical icon) that puts the focus on the field at fault,
// and a notice (information icon).
inline UserMessage CriticalMessage(std::string_view text, FormField focus = FormField::None) {
    return {std::string(text), MsgIcon::Critical, focus, LatChoice::None, LonChoice::None};
}
inline UserMessage InformationMessage(std::string_view text, FormField focus = FormField::None) {
    return {std::string(text), MsgIcon::Information, focus, LatChoice::None, LonChoice::None};
}

}  // namespace vela::reading
