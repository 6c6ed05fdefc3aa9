// The saved reading file (.ved): 17 lines, each field shifted character by character.
//
// Flow: a saved reading is written from the birth data of the last reading; opening one fills the
// form, after which the driver runs exactly as for a typed form. The file holds the input of a
// reading only, never its results.
//
// Texts are UTF-8 in the program and single-byte in the file: a character is written as its
// Latin-1 code plus the shift, so a character above U+00FF, or one whose code plus the shift
// exceeds 255, cannot be written and is left out. Every written byte is at least the shift, so a
// field never contains a line-break byte. Lines end with CR LF.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/birth_form.h"

namespace vela::modReadingFile {

// Shift S of every character code. The writer always uses it; the reader detects the shift of files
// written with another one (kMinFieldShift..kMaxFieldShift) from the three truth-word lines.
inline constexpr int kFieldShift = 20;
inline constexpr int kMinFieldShift = 14;
inline constexpr int kMaxFieldShift = 127;

inline constexpr int kFieldLines = 17;

// A line longer than this is damaged: its field is skipped. Opening a file reads at most what
// 17 such lines need, so a huge file costs no more than a sane one.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
inline constexpr std::size_t kMaxReadBytes = kFieldLines * (kMaxLineBytes + 2);

std::string EncodeField(std::string_view text);
std::string DecodeField(std::string_view bytes, int shift = kFieldShift);

// The whole file's bytes for the last reading and the zone row selected when saving.
std::string ReadingFileText(const SharedChartState& s, int zoneRow);

// Fills the form from a file's bytes, field by field. A line may end with CR LF, LF or CR, and the
// last one needs no line end. A step that cannot be done (a missing or overlong line, a text that
// is not a number, a position or text that is not in its list, an unreadable truth word) is
// skipped and leaves that control as it was. A month line 0 or a zone line -1 leaves the list with
// nothing selected (-1), which the driver refuses.
void FillFormFromReadingText(std::string_view bytes, BirthForm& form);

// True when the path's last three characters are exactly "ved".
bool HasReadingFileName(std::string_view path);

// Writes atomically (temporary file beside the target, then rename); on failure the message
// starts with "The reading could not be saved." and an earlier file of that name is untouched.
std::optional<UserMessage> SaveReadingFile(const std::string& path, const SharedChartState& s, int zoneRow);

// Reads a file into the form; a message when the name or the file itself is refused (a name not
// ending in "ved", a missing, unreadable or empty file), and then the form is unchanged.
std::optional<UserMessage> OpenReadingFile(const std::string& path, BirthForm& form);

}  // namespace vela::modReadingFile
