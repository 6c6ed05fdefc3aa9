// Checks on the birth form before any stage runs, and the keystroke rules of its text boxes.
//
// Flow of a reading: form -> validation -> driver -> chart angles -> sunrise x3 -> upagrahas -> report.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/birth_form.h"

namespace vela::modValidation {

// The first problem of the form in the fixed order of the checks, or nothing when it may be calculated.
std::optional<UserMessage> ValidateInput(const BirthForm& form);

// Letters boxes: name, city, state, country. Digits boxes: the four degree and minute boxes.
enum class BoxKind { Letters, Digits };
inline constexpr std::size_t kNumberBoxMaxLength = 3;

// One typed character (its code): nothing when accepted, else the message to show.
std::optional<UserMessage> FilterKeystroke(BoxKind kind, char32_t code);

// Pasted text with every character the keystroke rule would refuse dropped; digits boxes are
// also cut to their maximum length. Text is UTF-8.
std::string CleanPastedText(BoxKind kind, std::string_view text);

}  // namespace vela::modValidation
