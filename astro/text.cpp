#include "astro/text.h"

#include <algorithm>

namespace vela::modText {

namespace {

template <class IsTrimmed>
std::string_view Trim(std::string_view s, IsTrimmed isTrimmed) {
    while (!s.empty() && isTrimmed(s.front())) s.remove_prefix(1);
    while (!s.empty() && isTrimmed(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
    return Trim(s, [](char c) { return c == ' '; });
}

std::string_view TrimBlanksAndTabs(std::string_view s) {
    return Trim(s, [](char c) { return c == ' ' || c == '\t'; });
}

std::optional<int> ParseWhole(std::string_view s) {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative) s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    long long value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min<long long>(value * 10 + (c - '0'), kSaturatedWhole);
    }
    const int whole = static_cast<int>(value);
    return negative ? -whole : whole;
}

void AppendTwoDigits(std::string& out, int value) {
    value = std::clamp(value, 0, 99);
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

std::string ClockText(int hour, int minute) {
    std::string text;
    text.reserve(5);
    AppendTwoDigits(text, hour);
    text += ':';
    AppendTwoDigits(text, minute);
    return text;
}

void AppendDegreesMinutes(std::string& out, int degrees, int minutes) {
    out += std::to_string(degrees);
    out += "\u00B0";
    AppendTwoDigits(out, minutes);
    out += "\u2032";
}

}  // namespace vela::modText
