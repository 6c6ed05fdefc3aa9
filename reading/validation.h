// Checks on the birth form before any stage runs, and the keystroke rules of its text boxes.
//
// Validation reads the form only. It reports the first problem as a message (text, icon, the field
// that gets the focus, and the direction that becomes selected when none was chosen); the window
// shows it, the command line prints it. The list selections themselves are checked by the driver.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_form.h"
#include "reading/form_values.h"

namespace vela::modValidation {

// The first problem of the form in the fixed order of the checks, or nothing when it may be
// calculated: the required boxes (a name or place of blanks only counts as empty), then the ranges
// of latitude and longitude, then the two directions, then the day against its month.
std::optional<UserMessage> ValidateInput(const FormValues& form);
// The same for a form's texts, read once.
std::optional<UserMessage> ValidateInput(const BirthForm& form);

// Letters boxes: name, city, state, country. Digits boxes: the four degree and minute boxes.
enum class BoxKind { Letters, Digits };
inline constexpr std::size_t kNumberBoxMaxLength = 3;

// One typed character (its code): nothing when accepted, else the message to show. Backspace (8)
// and delete (127) are always accepted. The message names no field: after a refused letter the
// window puts the focus back on the box that had it.
std::optional<UserMessage> FilterKeystroke(BoxKind kind, char32_t code);

// Pasted text with every character the keystroke rule would refuse dropped (and the two editing
// codes 8 and 127, which are keys, not content); digits boxes are also cut to their maximum
// length, so they only ever hold up to three digits. Text is UTF-8.
std::string CleanPastedText(BoxKind kind, std::string_view text);

}  // namespace vela::modValidation
