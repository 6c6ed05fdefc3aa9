// The command line's day mode: --day YYYY-MM-DD or --month YYYY-MM with a place (--lat, --lon,
// --zone, --dst, or a saved reading's), printed as aligned text, --json, or for the month --csv.
#pragma once

namespace vela::cli {

// True when the arguments ask for a day or a month (--day or --month among them).
bool AsksForDaySheet(int argc, const char* const* argv);

// Parses the day mode's own arguments and prints the sheet; the exit status (0, 1 refused, 2 usage).
int RunDayCommand(int argc, const char* const* argv);

}  // namespace vela::cli
