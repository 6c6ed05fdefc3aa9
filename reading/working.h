// The working behind a report: how the day or night was cut, which lords ruled, where each upagraha
// fell, and how far the birth time may move before an upagraha's sign or house changes.
//
// Flow: after a reading (driver -> ... -> upagrahas), the window's working view and the command
// line's --working print this beside the report; the report itself is unchanged.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/form_values.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

// How many minutes the search looks each way before it gives up.
inline constexpr int kSearchMinutes = 24 * 60;

struct Shift {
    // Minutes the birth time can move (earlier or later) before the value changes: the first
    // minute at which it differs. Empty when it stays within the searched span or the search
    // had to stop (the date left the offered years, or the Sun did not rise and set).
    std::optional<int> earlier;
    std::optional<int> later;
};

struct Sensitivity {
    std::array<Shift, upagraha::kUpagrahaCount> sign;
    std::array<Shift, upagraha::kUpagrahaCount> house;
    int searchedMinutes = kSearchMinutes;
};

// Searches the birth time minute by minute each way with the whole reading, as the driver runs it
// (under the program's own conventions, or the profile given); the form is read once and each step
// moves its values, not its texts. The form must be one the driver accepts; otherwise every shift
// is empty.
Sensitivity FindBirthTimeSensitivity(const BirthForm& form, int searchMinutes = kSearchMinutes);
Sensitivity FindBirthTimeSensitivity(const BirthForm& form, const upagraha::ConventionProfile& profile,
                                     int searchMinutes = kSearchMinutes);

// One reading of the same form under one profile, for the table that sets the conventions side by
// side. A profile under which the reading is refused (the Sun's centre never reaches the horizon
// where its upper limb does) keeps the message instead.
struct ConventionReading {
    upagraha::ConventionProfile profile;
    std::optional<upagraha::Upagrahas> upagrahas;
    std::string message;
};

// The reading under every named profile, and under the one in use when it is none of them.
std::vector<ConventionReading> CompareConventions(const BirthForm& form, const upagraha::ConventionProfile& inUse);

// The same values with the birth moment moved by whole minutes (the date follows across midnight).
FormValues MovedByMinutes(const FormValues& form, int minutes);

// "HH:MM" of clock hours that may lie below 0 or beyond 24 (the day is shown as -1 or +1).
std::string ClockText(double hours);
// The same to the second ("06:02:11 (+1)") when toTheSecond: the precise ephemeris' times.
std::string ClockText(double hours, bool toTheSecond);

// The working as plain text, for the command line and the window's working view. With readings
// under other conventions it ends with the table that sets them side by side, naming the profile
// of the reading (s.profile) as the one in use.
// In Hindi or Tamil every word is the language's (reading_language.h) but for the profiles' short
// names (original, precise, ...), which the command line's --profile takes as they are.
std::string WorkingText(const Reading& s, const upagraha::Upagrahas& u, const Sensitivity& sensitivity,
                        std::span<const ConventionReading> conventions = {},
                        upagraha::Language language = upagraha::Language::English);

}  // namespace vela::reading
