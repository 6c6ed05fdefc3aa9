// A .jhd chart file as a reading, and a reading as one.
//
// The person's name is the file's name made readable (ReadableJhdName). The chart's clock offset
// becomes the zone the file's zone note names (a line this program adds after the 18th when the
// offset alone would name another zone), else the zone table's row with exactly that offset, else
// local mean time when it is the place's, else an exact offset. A reading holds whole minutes of the
// clock: a chart with seconds in its clock time is refused with a message that says so, rather than
// rounded. A chart that was opened and is saved again keeps every line the reading does not change.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/jhd_file.h"

namespace vela::reading {

// The lead of the zone note: "vela-upagrahas-zone row=27 dst=1", or "vela-upagrahas-zone
// offset=19800 dst=0 name=UTC+05:30" for an exact offset.
inline constexpr std::string_view kJhdZoneNoteLead = "vela-upagrahas-zone ";

// The person's name a chart's file name gives: the name without ".jhd", bytes that are not UTF-8
// read as Latin-1, an underscore and every character a name box does not take (digits, brackets)
// as a blank, blanks run together and trimmed: "vedastro_monroe_1926.jhd" is "vedastro monroe".
// Empty when the file's name holds no letter.
std::string ReadableJhdName(std::string_view path);

// A note for a chart saved under a file name that does not give the person's name back (the chart
// holds no name of its own): "A .jhd chart keeps the person's name as its file name: "john.jhd" will
// open as "john", not "John Miller"." Nothing when the name comes back.
std::optional<std::string> JhdNameNotice(const std::string& path, std::string_view name);

// Fills the form from a chart and the person's name; a message, and the form unchanged, when the
// reading cannot hold the chart whole.
std::optional<UserMessage> FillFormFromJhd(const JhdChart& chart, std::string_view name, BirthForm& form);

// The chart of a reading (the clock's offset includes daylight saving), with a zone note when the
// offset alone would read back as another zone. Given the chart the reading was opened from, the
// result starts from it: every field the reading holds unchanged keeps the file's own text, and
// the lines a reading cannot hold (altitude, atlas code, pressure, temperature, the flags, lines
// after the 18th) are kept; the altitude and atlas code of a place that changed are reset.
JhdChart JhdChartOfReading(const Reading& s, const JhdChart* opened = nullptr);

// Reads a file into the form (the name from the file's name); a message naming the file, or the
// line at fault, when it cannot. `chart`, when given, receives the chart as read, for a later save.
std::optional<UserMessage> OpenJhdFile(const std::string& path, BirthForm& form, JhdChart* chart = nullptr);

// Writes the reading's chart (starting from `opened`, the chart it was opened from, when given)
// through WriteOutputFile; on failure the message starts with "The reading could not be saved.".
std::optional<UserMessage> SaveJhdFile(const std::string& path, const Reading& s, const JhdChart* opened = nullptr);

}  // namespace vela::reading
