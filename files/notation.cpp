#include "files/notation.h"

#include <vector>

#include "astro/text.h"
#include "reading/reference_tables.h"
#include "reading/validation.h"

namespace vela::files {

namespace {

// A notation typed on a command line or in a CSV cell: a tab around it is as invisible as a blank.
std::string_view TrimBlanks(std::string_view s) { return astro::TrimBlanksAndTabs(s); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!IsDigit(c)) return false;
    return true;
}

// Callers have checked that s is one to four digits, so the value always fits.
int DigitsValue(std::string_view s) {
    int value = 0;
    for (const char c : s) value = value * 10 + (c - '0');
    return value;
}

std::string Range(std::string_view what, int value, std::string_view range) {
    std::string text = "the ";
    text.append(what).append(" ").append(std::to_string(value)).append(" is not ").append(range);
    return text;
}

// Whole degrees (one to three digits, as the window's boxes take), the direction letter, and
// exactly two digits of minutes, so 28N5 is not silently read as 28 degrees 5 or 50 minutes.
struct AngleNotation {
    char positive;  // North or East
    char negative;
    std::string_view description;
};
constexpr AngleNotation kLatitude{'N', 'S', "latitude such as 28N37 (degrees, N or S, then two digits of minutes)"};
constexpr AngleNotation kLongitude{'E', 'W', "longitude such as 77E13 (degrees, E or W, then two digits of minutes)"};

struct AngleParts {
    std::string deg;
    std::string min;
    bool positive = true;
};

std::optional<AngleParts> SplitAngle(std::string_view text, const AngleNotation& kind) {
    const std::string_view t = TrimBlanks(text);
    std::size_t at = 0;
    while (at < t.size() && IsDigit(t[at])) ++at;
    if (at < 1 || at > 3 || at + 3 != t.size()) return std::nullopt;
    char letter = t[at];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter != kind.positive && letter != kind.negative) return std::nullopt;
    const std::string_view minutes = t.substr(at + 1);
    if (!AllDigits(minutes)) return std::nullopt;
    return AngleParts{std::to_string(DigitsValue(t.substr(0, at))), std::to_string(DigitsValue(minutes)),
                      letter == kind.positive};
}

std::string AngleProblem(std::string_view text, const AngleNotation& kind) {
    return astro::QuotedForMessage(text).append(" is not a ").append(kind.description);
}

}  // namespace

std::optional<std::string> ApplyDate(std::string_view text, reading::BirthForm& form) {
    return ApplyDate(text, form, {reading::kFirstYear, reading::kLastYear});
}

std::optional<std::string> ApplyDate(std::string_view text, reading::BirthForm& form, const reading::YearRange& years) {
    const std::string_view t = TrimBlanks(text);
    if (t.size() != 10 || t[4] != '-' || t[7] != '-' || !AllDigits(t.substr(0, 4)) || !AllDigits(t.substr(5, 2)) ||
        !AllDigits(t.substr(8, 2)))
        return astro::QuotedForMessage(text) + " is not a date written YYYY-MM-DD, such as 1975-06-15";
    const int year = DigitsValue(t.substr(0, 4));
    const int month = DigitsValue(t.substr(5, 2));
    const int day = DigitsValue(t.substr(8, 2));
    if (!years.Holds(year))
        return astro::QuotedForMessage(text).append(": ").append(
            Range("year", year, "within " + std::to_string(years.first) + " to " + std::to_string(years.last)));
    if (month < 1 || month > 12)
        return astro::QuotedForMessage(text).append(": ").append(Range("month", month, "within 01 to 12"));
    if (day < 1 || day > 31)
        return astro::QuotedForMessage(text).append(": ").append(Range("day", day, "within 01 to 31"));
    // Whether the day exists in its month is the window's check, with the window's message.
    form.year = std::to_string(year);
    form.month = month - 1;
    form.day = std::to_string(day);
    return std::nullopt;
}

std::optional<std::string> ApplyTime(std::string_view text, reading::BirthForm& form) {
    const std::string_view t = TrimBlanks(text);
    const std::size_t colon = t.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || t.size() != colon + 3 ||
        !AllDigits(t.substr(0, colon)) || !AllDigits(t.substr(colon + 1)))
        return astro::QuotedForMessage(text) + " is not a time written HH:MM on the 24-hour clock, such as 10:30";
    const int hour = DigitsValue(t.substr(0, colon));
    const int minute = DigitsValue(t.substr(colon + 1));
    if (hour > 23) return astro::QuotedForMessage(text).append(": ").append(Range("hour", hour, "within 0 to 23"));
    if (minute > 59)
        return astro::QuotedForMessage(text).append(": ").append(Range("minute", minute, "within 00 to 59"));
    form.hour = std::to_string(hour);
    form.minute = std::to_string(minute);
    return std::nullopt;
}

std::optional<std::string> ApplyZone(std::string_view text, reading::BirthForm& form) {
    const std::string_view t = TrimBlanks(text);
    if (t.empty() || t.size() > 2 || !AllDigits(t) || DigitsValue(t) >= reading::kZoneCount)
        return astro::QuotedForMessage(text) + " is not a zone row from 0 to " +
               std::to_string(reading::kZoneCount - 1) + " (--zones lists them)";
    form.zoneRow = DigitsValue(t);
    return std::nullopt;
}

std::optional<std::string> ApplyOffset(std::string_view text, reading::BirthForm& form) {
    const std::string_view t = TrimBlanks(text);
    const auto malformed = [&text] {
        return astro::QuotedForMessage(text) +
               " is not an offset written +HH:MM or +HH:MM:SS East of Greenwich (- for West)";
    };
    if (t.size() < 5 || (t[0] != '+' && t[0] != '-')) return malformed();
    std::vector<std::string_view> parts;
    for (std::string_view rest = t.substr(1);;) {
        const std::size_t colon = rest.find(':');
        parts.push_back(rest.substr(0, colon));
        if (colon == std::string_view::npos) break;
        rest = rest.substr(colon + 1);
    }
    if (parts.size() < 2 || parts.size() > 3 || parts[0].empty() || parts[0].size() > 2) return malformed();
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (!AllDigits(parts[i]) || (i > 0 && parts[i].size() != 2)) return malformed();
    const int hours = DigitsValue(parts[0]);
    const int minutes = DigitsValue(parts[1]);
    const int seconds = parts.size() == 3 ? DigitsValue(parts[2]) : 0;
    if (minutes > 59)
        return astro::QuotedForMessage(text).append(": ").append(Range("minute", minutes, "within 00 to 59"));
    if (seconds > 59)
        return astro::QuotedForMessage(text).append(": ").append(Range("second", seconds, "within 00 to 59"));
    const int total = hours * 3600 + minutes * 60 + seconds;
    if (total > reading::kMaxExactOffsetSeconds)
        return astro::QuotedForMessage(text) + ": an offset is at most 16 hours either way";
    form.exactZone = reading::ExactZone{t[0] == '-' ? -total : total, "UTC" + std::string(t)};
    return std::nullopt;
}

std::optional<std::string> ApplyLatitude(std::string_view text, reading::BirthForm& form) {
    auto parts = SplitAngle(text, kLatitude);
    if (!parts) return AngleProblem(text, kLatitude);
    form.latDegrees = std::move(parts->deg);
    form.latMinutes = std::move(parts->min);
    form.latDirection = parts->positive ? reading::LatChoice::North : reading::LatChoice::South;
    return std::nullopt;
}

std::optional<std::string> ApplyLongitude(std::string_view text, reading::BirthForm& form) {
    auto parts = SplitAngle(text, kLongitude);
    if (!parts) return AngleProblem(text, kLongitude);
    form.lonDegrees = std::move(parts->deg);
    form.lonMinutes = std::move(parts->min);
    form.lonDirection = parts->positive ? reading::LonChoice::East : reading::LonChoice::West;
    return std::nullopt;
}

std::optional<std::string> ApplyDst(std::string_view text, reading::BirthForm& form) {
    const std::string_view t = TrimBlanks(text);
    std::string lower(t);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower != "true" && lower != "false") return astro::QuotedForMessage(text) + " is neither true nor false";
    form.dst = lower == "true";
    return std::nullopt;
}

std::optional<std::string> CheckLetters(std::string_view text) {
    if (auto refused = reading::CheckBoxText(reading::BoxKind::Letters, text)) return refused->text;
    return std::nullopt;
}

std::optional<FieldProblem> FillBirthForm(const ReadingNotation& n, reading::BirthForm& form) {
    const auto letters = [&form](std::string_view field, const std::string& text,
                                 std::string reading::BirthForm::*box) -> std::optional<FieldProblem> {
        if (auto message = CheckLetters(text)) return FieldProblem{field, std::move(*message), true};
        form.*box = text;
        return std::nullopt;
    };
    using Apply = std::optional<std::string> (*)(std::string_view, reading::BirthForm&);
    const auto notation = [&form](std::string_view field, const std::string& text,
                                  Apply apply) -> std::optional<FieldProblem> {
        if (auto message = apply(text, form)) return FieldProblem{field, std::move(*message), false};
        return std::nullopt;
    };

    if (auto p = letters("name", n.name, &reading::BirthForm::name)) return p;
    if (auto message = ApplyDate(n.dateText, form, n.years)) return FieldProblem{"date", std::move(*message), false};
    if (auto p = notation("time", n.time, ApplyTime)) return p;
    // A batch row may give its zone as an offset, which starts with its sign.
    const std::string_view zoneText = TrimBlanks(n.zoneName);
    if (n.offsetText.empty() && !zoneText.empty() && (zoneText[0] == '+' || zoneText[0] == '-')) {
        if (auto p = notation("zone", n.zoneName, ApplyOffset)) return p;
    } else if (!n.offsetText.empty()) {
        if (auto p = notation("offset", n.offsetText, ApplyOffset)) return p;
    } else if (auto p = notation("zone", n.zoneName, ApplyZone)) {
        return p;
    }
    if (auto p = notation("lat", n.latText, ApplyLatitude)) return p;
    if (auto p = notation("lon", n.lonText, ApplyLongitude)) return p;
    if (auto p = notation("dst", n.dstText, ApplyDst)) return p;
    if (auto p = letters("city", n.city, &reading::BirthForm::city)) return p;
    if (auto p = letters("state", n.state, &reading::BirthForm::state)) return p;
    if (auto p = letters("country", n.country, &reading::BirthForm::country)) return p;
    return std::nullopt;
}

namespace {

std::string TwoDigits(std::string_view text) {
    const std::string t(TrimBlanks(text));
    return t.size() < 2 ? std::string(2 - t.size(), '0') + t : t;
}

bool SomeSeconds(std::string_view text) {
    const std::string_view t = TrimBlanks(text);
    return !t.empty() && t.find_first_not_of('0') != std::string_view::npos;
}

// +HH:MM, or +HH:MM:SS with seconds, as ApplyOffset reads it.
std::string OffsetText(int secondsEast) {
    const int total = secondsEast < 0 ? -secondsEast : secondsEast;
    std::string text = (secondsEast < 0 ? "-" : "+") + TwoDigits(std::to_string(total / 3600)) + ":" +
                       TwoDigits(std::to_string(total / 60 % 60));
    if (total % 60 != 0) text += ":" + TwoDigits(std::to_string(total % 60));
    return text;
}

}  // namespace

FormNotation NotationOfForm(const reading::BirthForm& form) {
    FormNotation out;
    ReadingNotation& n = out.notation;
    n.name = form.name;
    n.dateText = std::string(TrimBlanks(form.year)) + "-" + TwoDigits(std::to_string(form.month + 1)) + "-" +
                 TwoDigits(form.day);
    n.time = TwoDigits(form.hour) + ":" + TwoDigits(form.minute);
    if (form.exactZone)
        n.offsetText = OffsetText(form.exactZone->secondsEast);
    else
        n.zoneName = std::to_string(form.zoneRow);
    n.latText = std::string(TrimBlanks(form.latDegrees)) +
                (form.latDirection == reading::LatChoice::South ? "S" : "N") + TwoDigits(form.latMinutes);
    n.lonText = std::string(TrimBlanks(form.lonDegrees)) + (form.lonDirection == reading::LonChoice::West ? "W" : "E") +
                TwoDigits(form.lonMinutes);
    n.dstText = form.dst ? "true" : "false";
    n.city = form.city;
    n.state = form.state;
    n.country = form.country;
    out.secondsOfArc = SomeSeconds(form.latSeconds) || SomeSeconds(form.lonSeconds);
    return out;
}

}  // namespace vela::files
