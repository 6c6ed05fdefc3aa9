// Checks on the birth form before any stage runs, and the keystroke and paste rules of its text boxes.
//
// Validation reads the form only. It reports the first problem as a message (text, icon, the field
// that gets the focus, and the direction that becomes selected when none was chosen); the window
// shows it, the command line prints it. The list selections themselves are checked by the driver.
// The letters rule is checked here too, so a name that reached the form past the keys (from a
// reading file, say) is named before anything is calculated.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_form.h"
#include "reading/form_values.h"

namespace vela::reading {

// The first problem of the form in the fixed order of the checks, or nothing when it may be
// calculated: the required boxes (a name or place of blanks only counts as empty), then the letters
// rule of the name and place boxes, the ranges of latitude and longitude, then the two directions,
// then the day against its month.
std::optional<UserMessage> ValidateInput(const FormValues& form);
// The same for a form's texts, read once.
std::optional<UserMessage> ValidateInput(const BirthForm& form);

// The window's message for a day its month does not have (30 February, 31 April), or nothing; the
// last of ValidateInput's checks. The message names no box, as the window's does not.
std::optional<UserMessage> CheckDayOfMonth(const FormValues& form);

// Letters boxes: name, city, state, country. Digits boxes: the four degree and minute boxes.
enum class BoxKind { Letters, Digits };
inline constexpr std::size_t kNumberBoxMaxLength = 3;

inline constexpr std::string_view kOnlyLettersMessage = "Please enter only letters";
inline constexpr std::string_view kOnlyNumbersMessage = "Please enter only numbers";

// The letters rule, one for typed keys, pasted text, the command line, the batch and the reading
// file: letters and combining marks of any script (a .ved file holds those of Latin-1), blanks,
// and an apostrophe, hyphen or full stop right after a letter,
// as names are written ("D'Souza", "Jean-Pierre", "St. John's"). The digits rule: 0-9 only.

// One typed character (its code) after the character before the caret (0 at the start of the box):
// nothing when accepted, else the message to show. Backspace (8) and delete (127) are always
// accepted. The message names no field: the focus stays on the box that has it.
std::optional<UserMessage> FilterKeystroke(BoxKind kind, char32_t code, char32_t previous = 0);

// A whole box text (UTF-8) against its rule: nothing when every character passes in its place.
std::optional<UserMessage> CheckBoxText(BoxKind kind, std::string_view text);

BoxKind BoxKindOf(FormField box);

// Text put into a box at the caret, typed or pasted: `before` and `after` are the box's text on
// either side of it (a selection it replaces already taken out). All three are UTF-8.
struct InsertionVerdict {
    // The box's message when the insertion is refused; nothing when it is taken.
    std::optional<UserMessage> refusal;
    // Refused without a word: one more digit typed into a full number box, as a box of three
    // characters simply takes no fourth.
    bool silent = false;
    // What goes into the box when taken: pasted text loses the line breaks and tabs a copy brings
    // along at its ends, and a pasted number the blanks around it.
    std::string inserted;
    bool Accepted() const { return !refusal && !silent; }
};
// Nothing is ever cleaned inside the text: a paste that holds anything the box does not take is
// refused whole with the box's message, so "-12" never becomes 12 nor "12.5" 125. A number that
// does not fit the box's three characters is refused with the box's range message.
InsertionVerdict JudgeInsertion(FormField box, std::string_view before, std::string_view inserted,
                                std::string_view after);

}  // namespace vela::reading
