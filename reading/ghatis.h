// A birth time in ghatis and palas after sunrise: 1 ghati = 24 minutes, 1 pala = 24 seconds (60
// palas to the ghati, 60 ghatis to the day). The sunrise is the birth day's, at the place, under
// the reading's profile.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_form.h"
#include "upagraha/profiles.h"

namespace vela::reading {

struct GhatiTime {
    int ghatis = 0;  // 0..59
    int palas = 0;   // 0..59
};

// "GG.PP": whole ghatis, a full stop and two digits of palas ("9.38" is 9 ghatis 38 palas).
std::optional<GhatiTime> ParseGhatis(std::string_view text);

// Seconds after sunrise.
int SecondsAfterSunrise(const GhatiTime& time);

// The clock time, in seconds after the sunrise day's midnight (past 86,400 on the next day), of a
// time after a sunrise given in seconds after midnight.
double ClockSecondsOf(const GhatiTime& time, double sunriseSeconds);

// "HH:MM:SS" of seconds after midnight (rounded to the second, taken modulo a day).
std::string ClockTextOfSeconds(double seconds);

struct GhatiConversion {
    double sunriseSeconds = 0;  // the birth day's sunrise, seconds after midnight
    double clockSeconds = 0;    // the birth moment, seconds after that midnight
    bool nextDay = false;       // the clock time falls on the next date
    std::string text;           // "9 ghatis 38 palas after sunrise (06:10:00): 10:01:12 on the clock, read as 10:01"
};

// Finds the form's birth-day sunrise under the profile, and sets the form's time (to the nearest
// minute, which a reading holds) and, past midnight, its date to the next day. A message when the
// form is refused or the Sun does not rise.
std::optional<UserMessage> ApplyGhatis(const GhatiTime& time, const upagraha::ConventionProfile& profile,
                                       BirthForm& form, GhatiConversion& conversion);

}  // namespace vela::reading
