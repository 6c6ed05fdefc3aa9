// The saved reading file (.ved): 17 lines, each field shifted character by character.
//
// Flow: a saved reading is written from the birth data of the last reading; opening one fills the
// form, after which the driver runs exactly as for a typed form. The file holds the input of a
// reading only, never its results.
//
// Texts are UTF-8 in the program and single-byte in the file: a character is written as its
// Latin-1 code plus the shift, so a character above U+00FF, or one whose code plus the shift
// exceeds 255, cannot be written. Every written byte is at least the shift, so a field never
// contains a line-break byte. Lines end with CR LF.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/file_output.h"
#include "reading/jhd_file.h"

namespace vela::reading {

// Shift S of every character code. The writer uses it for every reading it can hold whole; the
// reader detects the shift of files written with another one (kMinFieldShift..kMaxFieldShift)
// from the three truth-word lines.
inline constexpr int kFieldShift = 20;
inline constexpr int kMinFieldShift = 14;
inline constexpr int kMaxFieldShift = 127;

inline constexpr int kFieldLines = 17;

// A line longer than this is damaged: its field cannot be read. Opening a file reads at most what
// 17 such lines need, so a huge file costs no more than a sane one.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
inline constexpr std::size_t kMaxReadBytes = kFieldLines * (kMaxLineBytes + 2);

// A .ved file holds a zone as a row of the table only.
inline constexpr std::string_view kVedNeedsRowMessage =
    "A .ved file holds only a row of the zone table, not an exact offset: save the reading as a .vela file.";

// A .ved file holds the place in whole minutes of arc.
inline constexpr std::string_view kVedNeedsMinutesMessage =
    "A .ved file holds the place in whole minutes, not seconds of arc: save the reading as a .vela file.";
inline constexpr std::string_view kNotAReadingMessage = "This file is not a saved reading.";

std::string EncodeField(std::string_view text, int shift = kFieldShift);
std::string DecodeField(std::string_view bytes, int shift = kFieldShift);

// The whole file's bytes for the last reading and its zone row, every field
// encoded with the shift.
std::string ReadingFileText(const Reading& s, int zoneRow, int shift = kFieldShift);

// What opening a file found besides the form's values.
struct OpenedReading {
    int shift = kFieldShift;       // the shift the file was written with
    std::vector<int> unreadLines;  // lines (1..17) whose field could not be read, in file order
    // The chart as read, when the file was a .jhd chart (OpenAnyReadingFile): a later save of the
    // reading as a chart starts from it and keeps the lines a reading does not hold.
    std::optional<JhdChart> jhdChart;
};

// Fills the form from a file's bytes, field by field. A line may end with CR LF, LF or CR, and
// the last one needs no line end. The bytes are a reading when some shift makes lines 12 to 14
// read True or False, or when the file ends before its last line and every line it has reads
// (with the shift its truth lines give, else the program's own): such a file fills the form as
// far as its lines go and lists the missing ones as unread. Otherwise the answer is
// kNotAReadingMessage and the form is unchanged.
// In a reading, a field that cannot be read (a missing or overlong line, a text that is not a
// number, a position or text that is not in its list) leaves its control as it was and is listed
// in opened.unreadLines. A month line 0 or a zone line -1 leaves the list with nothing selected
// (-1), which the driver refuses.
std::optional<UserMessage> FillFormFromReadingText(std::string_view bytes, BirthForm& form, OpenedReading& opened);

// The lines of an opened reading that could not be read, named: the window shows this notice
// before it calculates what the form holds; the command line refuses such a file with the refusal.
UserMessage UnreadLinesNotice(const OpenedReading& opened);
UserMessage UnreadLinesRefusal(const OpenedReading& opened);

// True when the path's last three characters are exactly "ved".
bool HasReadingFileName(std::string_view path);

// Writes the reading through WriteOutputFile (file_output.h): whole or not at all, synced, with the
// permissions, owner and links of an earlier file kept. The shift is the program's own when it
// holds every letter of the reading, else openedShift (the shift of the file the reading was
// opened from) when that one does; a reading that neither can hold is refused rather than saved
// without some of its letters. On failure the message starts with "The reading could not be
// saved." and an earlier file of that name is untouched.
std::optional<UserMessage> SaveReadingFile(const std::string& path, const Reading& s, int zoneRow,
                                           int openedShift = kFieldShift);

// Reads a file into the form; a message when the name or the file itself is refused (a name not
// ending in "ved", a missing, unreadable, empty or special file, or one that is not a reading),
// and then the form is unchanged. The file is opened once, without waiting (a pipe or a device
// never blocks it), and read only when that opened file is a regular one.
std::optional<UserMessage> OpenReadingFile(const std::string& path, BirthForm& form, OpenedReading& opened);

}  // namespace vela::reading
