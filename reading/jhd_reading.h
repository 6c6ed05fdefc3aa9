// A .jhd chart file as a reading, and a reading as one.
//
// The person's name is the file's name. The chart's clock offset becomes the zone table's row with
// exactly that offset, else local mean time when it is the place's, else an exact offset. A reading
// holds whole minutes of the clock, latitude and longitude: a chart with seconds in any of them is
// refused with a message that says which, rather than rounded.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/jhd_file.h"

namespace vela::reading {

// Fills the form from a chart and the person's name; a message, and the form unchanged, when the
// reading cannot hold the chart whole.
std::optional<UserMessage> FillFormFromJhd(const JhdChart& chart, std::string_view name, BirthForm& form);

// The chart of a reading (the clock's offset includes daylight saving).
JhdChart JhdChartOfReading(const Reading& s);

// Reads a file into the form (the name from the file's name); a message naming the file, or the
// line at fault, when it cannot.
std::optional<UserMessage> OpenJhdFile(const std::string& path, BirthForm& form);

// Writes the reading's chart through WriteOutputFile; on failure the message starts with "The
// reading could not be saved.".
std::optional<UserMessage> SaveJhdFile(const std::string& path, const Reading& s);

}  // namespace vela::reading
