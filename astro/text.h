// Small text helpers every layer shares: trimming, whole numbers, two-digit fields and clock texts.
//
// One home for each so that, for instance, "blanks" means the same thing in the form, the reading
// file and the command line. Nothing here allocates except the functions that return std::string.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vela::astro {

// Leading and trailing blanks (U+0020) removed. Tabs and other white space are content: the form's
// boxes and the reading file trim blanks only.
std::string_view TrimBlanks(std::string_view s);

// Leading and trailing blanks and tabs removed: for notations typed on a command line or in a cell
// of a CSV file, where a tab is as invisible as a blank.
std::string_view TrimBlanksAndTabs(std::string_view s);

// A whole number: an optional minus sign and decimal digits, nothing else (no blanks, no plus).
// A run of digits too long for an int saturates at +-kSaturatedWhole, which lies outside every
// range the program checks, so "99999999999 degrees" is out of range rather than unreadable.
inline constexpr int kSaturatedWhole = 2'000'000'000;
std::optional<int> ParseWhole(std::string_view s);

// The value of 0..99 as two digits ("07"); values outside that range are clamped into it.
void AppendTwoDigits(std::string& out, int value);

// "HH:MM" on the 24-hour clock, for hour 0..23 and minute 0..59.
std::string ClockText(int hour, int minute);

// A file path (or any text from outside) as a one-line message quotes it: between double quotes,
// every control character (C0, DEL, C1) and every byte that is not UTF-8 shown as '?', so no line
// break splits the message and no escape sequence reaches a terminal, and a text longer than
// kQuotedMaxBytes cut in the middle to its first and last parts with "..." between them.
inline constexpr std::size_t kQuotedMaxBytes = 160;
std::string QuotedForMessage(std::string_view text);
// The same without the quotes, cut in the middle when longer than maxBytes.
std::string PrintableForMessage(std::string_view text, std::size_t maxBytes);
// An angle as astrologers write it, whole degrees then two-digit minutes: "28°37′" (UTF-8).
void AppendDegreesMinutes(std::string& out, int degrees, int minutes);

}  // namespace vela::astro
