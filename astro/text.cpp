#include "astro/text.h"

#include <algorithm>

namespace vela::astro {

namespace {

template <class IsTrimmed>
std::string_view Trim(std::string_view s, IsTrimmed isTrimmed) {
    while (!s.empty() && isTrimmed(s.front())) s.remove_prefix(1);
    while (!s.empty() && isTrimmed(s.back())) s.remove_suffix(1);
    return s;
}

// The length of the UTF-8 character at text[i] when it is a well-formed one that is not a control
// character, else 0.
std::size_t PrintableLength(std::string_view text, std::size_t i) {
    const auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(i);
    if (lead < 0x20 || lead == 0x7F) return 0;
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > text.size()) return 0;
    unsigned code = lead & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    // Overlong forms, surrogates and the C1 controls (U+0080..U+009F, CSI among them).
    constexpr unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code <= 0x9F) return 0;
    return length;
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

std::string PrintableForMessage(std::string_view text, std::size_t maxBytes) {
    const std::size_t part = maxBytes > 3 ? (maxBytes - 3) / 2 : 0;  // bytes of each end that a long text keeps
    const bool cut = text.size() > maxBytes;
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        if (cut && i < text.size() - part && shown.size() >= part) {
            shown += "...";
            // The last part starts at a character boundary.
            i = text.size() - part;
            while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
            continue;
        }
        const std::size_t length = PrintableLength(text, i);
        if (length == 0) {
            shown += '?';
            ++i;
        } else {
            shown.append(text, i, length);
            i += length;
        }
    }
    return shown;
}

std::string QuotedForMessage(std::string_view text) {
    std::string quoted(1, '"');
    quoted += PrintableForMessage(text, kQuotedMaxBytes);
    quoted += '"';
    return quoted;
}

void AppendDegreesMinutes(std::string& out, int degrees, int minutes) {
    out += std::to_string(degrees);
    out += "\u00B0";
    AppendTwoDigits(out, minutes);
    out += "\u2032";
}

}  // namespace vela::astro
