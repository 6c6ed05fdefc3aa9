// The .vela reading file: UTF-8 JSON, with a format version.
//
// It holds what the birth form holds (the texts as the form has them, the zone as a row or an
// exact offset to the second), names and places in any script, and the profile the reading was
// made under. Like the .ved file it holds the input of a reading, never its results. Every file
// is written through WriteOutputFile (file_output.h).
//
//   {"format": "vela-reading", "version": 1, "name": "कमल", "day": "15", "month": 6,
//    "year": "1975", "hour": "10", "minute": "30", "zone": {"row": 34} or
//    {"offset_seconds_east": 21200, "name": "UTC+05:53:20"}, "latitude": {"degrees": "28",
//    "minutes": "37", "direction": "N"}, "longitude": {... "direction": "E"}, "dst": false,
//    "city": "...", "state": "...", "country": "...", "profile": "original"}
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/reading_file.h"

namespace vela::reading {

inline constexpr std::string_view kVelaFormat = "vela-reading";
inline constexpr int kVelaVersion = 1;
// A reading is a few hundred bytes; a larger file is not one.
inline constexpr std::size_t kMaxVelaBytes = 1024 * 1024;
// The longest text of a name or a place a .vela file takes, in bytes of UTF-8.
inline constexpr std::size_t kMaxVelaTextBytes = 4096;
// The most characters (UTF-16 units) a letter box takes: every text a .vela file holds fits, and a
// longer one pasted is cut there. Texts of letters beyond ASCII can still pass kMaxVelaTextBytes
// within it; a save refuses those with CheckVelaTexts' message.
inline constexpr std::size_t kMaxLetterBoxChars = kMaxVelaTextBytes;

// The form that gives this reading again.
BirthForm FormOfReading(const Reading& s);

// The file's text for a form and the name of its profile.
std::string VelaFileText(const BirthForm& form, std::string_view profileName);

// Fills the form and the profile name from a file's text; a message naming what is wrong (not
// JSON, another format, a newer version, a field missing or of the wrong kind), and then the form
// is unchanged.
std::optional<UserMessage> FillFormFromVelaText(std::string_view text, BirthForm& form, std::string& profileName);

// A message naming the first text of the form (name, city, state, country) that a .vela file
// cannot hold: longer than kMaxVelaTextBytes, or not UTF-8. Nothing when every text fits.
std::optional<UserMessage> CheckVelaTexts(const BirthForm& form);

// Why the reading needs a .vela file: one sentence ("The name has the letter "ñ", which a .ved file
// cannot hold."), or nothing when a .ved file holds it whole. openedShift is the shift of the .ved
// file the reading came from (a save writes with it when the program's own cannot hold a letter).
std::optional<std::string> WhyVelaIsNeeded(const Reading& s, int openedShift);

// Writes the reading, refused first (nothing written) when CheckVelaTexts refuses it; on failure the message starts
// with "The reading could not be saved.".
std::optional<UserMessage> SaveVelaFile(const std::string& path, const Reading& s);

// Reads a file into the form and the profile name; a message when it cannot.
std::optional<UserMessage> OpenVelaFile(const std::string& path, BirthForm& form, std::string& profileName);

// Fills the form from a reading file of any kind, chosen by the name's ending: a .vela reading (and
// the profile it names, else profileName is left as it is), a .jhd chart, else a .ved reading
// (opened says what OpenReadingFile found).
std::optional<UserMessage> OpenAnyReadingFile(const std::string& path, BirthForm& form, OpenedReading& opened,
                                              std::string& profileName);

// True when the path ends in ".vela" or ".jhd" (any case).
bool HasVelaFileName(std::string_view path);
bool HasJhdFileName(std::string_view path);

// The bytes of a small regular file, at most maxBytes; a sentence naming the file when it is
// missing, not a regular file, unreadable or larger.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

}  // namespace vela::reading
