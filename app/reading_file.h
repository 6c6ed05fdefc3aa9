// The saved reading file (.ved): 17 lines, each field shifted character by character.
//
// Flow: a saved reading is written from the birth data of the last reading; opening one fills the
// form, after which the driver runs exactly as for a typed form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/birth_data.h"
#include "app/birth_form.h"

namespace vela::modReadingFile {

// Shift S of every character code (14..127). Readers detect the shift of older files.
inline constexpr int kFieldShift = 20;

inline constexpr int kFieldLines = 17;

std::string EncodeField(std::string_view text);
std::string DecodeField(std::string_view bytes, int shift = kFieldShift);

// The whole file's bytes for the last reading and the zone row selected when saving.
std::string ReadingFileText(const SharedChartState& s, int zoneRow);

// Fills the form from a file's bytes with the skip rules for short and damaged files.
void FillFormFromReadingText(std::string_view bytes, BirthForm& form);

// True when the path's last three characters are exactly "ved".
bool HasReadingFileName(std::string_view path);

// Writes atomically (temporary file beside the target, then rename); on failure the message
// starts with "The reading could not be saved." and an earlier file of that name is untouched.
std::optional<UserMessage> SaveReadingFile(const std::string& path, const SharedChartState& s,
                                           int zoneRow);

// Reads a file into the form; a message when the name or the file itself is refused.
std::optional<UserMessage> OpenReadingFile(const std::string& path, BirthForm& form);

}  // namespace vela::modReadingFile
