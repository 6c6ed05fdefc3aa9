// The day's portions and the month sheet as the command line prints them: aligned text, one JSON
// object, and for the month CSV (one row a day). docs/cli.md lists the fields.
#pragma once

#include <string>

#include "reading/day_portions.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"

namespace vela::files {

// With `choghadiya`, the day's and the night's eight choghadiyas too. The text sheets in Hindi or
// Tamil name the profile by its title in the language rather than by its English description; the
// JSON and CSV stay English.
std::string DaySheetText(const reading::DaySheet& day, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, bool choghadiya = false,
                         upagraha::Language language = upagraha::Language::English);
std::string DaySheetJson(const reading::DaySheet& day, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, bool choghadiya = false);

std::string MonthSheetText(const reading::MonthSheet& month, const reading::DayPlace& place,
                           const upagraha::ConventionProfile& profile,
                           upagraha::Language language = upagraha::Language::English);
std::string MonthSheetJson(const reading::MonthSheet& month, const reading::DayPlace& place,
                           const upagraha::ConventionProfile& profile);
// The month as CSV: reading::MonthSheetCsv, the format the window exports too.

}  // namespace vela::files
