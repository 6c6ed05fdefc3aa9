// The calculation driver: the spine of one reading.
//
// Validates the form, copies it into the reading's shared state, and calls the stages in their fixed
// order. The driver is the only code that writes the Reading.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/sunrise_sunset.h"
#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/form_values.h"
#include "sky/grahas.h"
#include "upagraha/language.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace vela::reading {

inline constexpr std::string_view kNoSunriseMessage =
    "The Sun does not rise and set on this date at this place. Upagrahas cannot be calculated.";

inline constexpr std::string_view kExactOffsetRangeMessage =
    "The offset from Greenwich must be at most 16 hours either way.";

// Under the original's formulas, at 60 degrees of latitude or more (North or South).
inline constexpr std::string_view kFarNorthWarning =
    "At 60 degrees of latitude or more the program's own sunrise and sunset formula loses accuracy; the precise "
    "profile computes them there.";

// What a reading is asked for beyond its upagrahas.
struct CalculationRequest {
    // The report (the window and the text output); JSON lines and the birth-time search need none.
    bool buildReport = true;
    // The nine grahas and the Sun's five upagrahas (Reading::sky), and their section after the
    // upagrahas in the report.
    bool grahas = false;
    sky::NodeKind node = sky::NodeKind::Mean;
    // The report's language; English is the original's report.
    upagraha::Language language = upagraha::Language::English;
};

struct CalculationOutcome {
    // Set when the reading was refused; the window shows it, the command line prints it.
    std::optional<UserMessage> message;
    // What the reading should know but does not stop it: the zone check's sentence.
    std::vector<std::string> warnings;
    // The far-North sentence is among the warnings; this says so, for the window to mark the place.
    bool farNorth = false;
    upagraha::Upagrahas upagrahas;
    upagraha::Report report;
    bool Succeeded() const { return !message.has_value(); }
};

// The message that refuses the form before any stage runs (validation, then the list selections),
// or nothing when it may be calculated. RunCalculation starts with the same checks; the window asks
// first so that it can question the zone between them and the calculation.
std::optional<UserMessage> RefuseForm(const FormValues& form);
// The same under a profile: its years (YearsOf in day_portions.h) rather than 1901 to 2050.
std::optional<UserMessage> RefuseForm(const FormValues& form, const upagraha::ConventionProfile& profile);

// Runs one reading under a convention profile (the program's own when none is given). On any
// refusal the state is left exactly as it was. Callers that never show the report (JSON lines,
// the birth-time search) pass false and get an empty one.
// The form's texts are read once (ParseForm); the forms with FormValues take values already read.
CalculationOutcome RunCalculation(const BirthForm& form, Reading& s, bool buildReport = true);
CalculationOutcome RunCalculation(const FormValues& form, Reading& s, bool buildReport = true);
CalculationOutcome RunCalculation(const BirthForm& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  bool buildReport = true);
CalculationOutcome RunCalculation(const FormValues& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  bool buildReport = true);
CalculationOutcome RunCalculation(const BirthForm& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  const CalculationRequest& request);
CalculationOutcome RunCalculation(const FormValues& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  const CalculationRequest& request);

// The full English month name used in the birth-date text.
BirthDateString BirthDateText(int month, int day, int year);

}  // namespace vela::reading
