#include "reading/jhd_file.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <type_traits>
#include <utility>

#include "astro/number_text.h"

namespace vela::reading {
namespace {

// Packed values are worked in whole units of 1/10,000 of a minute, so that a value read is exactly
// the value written: 600,000 to the degree (or hour).
constexpr std::int64_t kUnitsPerMinute = 10000;
constexpr std::int64_t kUnitsPerWhole = 60 * kUnitsPerMinute;
constexpr double kMaxMagnitude = 1e9;  // keeps every unit count well inside 64 bits
constexpr int kMaxYear = 9999;

constexpr std::array<std::string_view, kJhdLines> kLineNames = {
    "month", "day", "year",       "clock time", "clock offset",     "longitude", "latitude",     "altitude",    "zone",
    "zone",  "",    "atlas code", "city",       "state or country", "",          "air pressure", "temperature", "flag"};

constexpr std::array<std::string_view, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};

// A packed value taken apart: sign, whole degrees (or hours) and minutes in 1/10,000 of a minute.
// minuteUnits is below kUnitsPerWhole for a sound value; a file may hold more.
struct Packed {
    bool negative = false;
    std::int64_t whole = 0;
    std::int64_t minuteUnits = 0;

    std::int64_t Units() const { return whole * kUnitsPerWhole + minuteUnits; }
    std::int64_t SignedUnits() const { return negative ? -Units() : Units(); }
};

// The file's packing: the fraction after the point is minutes/100. The fraction is exact in a
// double (it is the value less its whole part), and scaling it to units and rounding there cancels
// the binary noise of a value such as 14.199999999999999.
std::optional<Packed> SplitPacked(double packed) {
    if (!std::isfinite(packed) || std::fabs(packed) > kMaxMagnitude) return std::nullopt;
    const double magnitude = std::fabs(packed);
    const double whole = std::floor(magnitude);
    Packed p;
    p.negative = std::signbit(packed);
    p.whole = static_cast<std::int64_t>(whole);
    p.minuteUnits = static_cast<std::int64_t>(std::nearbyint((magnitude - whole) * 1e6));
    return p;
}

Packed PackedOfUnits(std::int64_t signedUnits) {
    const std::int64_t units = signedUnits < 0 ? -signedUnits : signedUnits;
    return Packed{signedUnits < 0, units / kUnitsPerWhole, units % kUnitsPerWhole};
}

// A decimal (degrees, hours) in units; empty when it is not finite or too large.
std::optional<std::int64_t> UnitsOfDecimal(double value, double unitsPerValue) {
    if (!std::isfinite(value) || std::fabs(value) > kMaxMagnitude) return std::nullopt;
    return static_cast<std::int64_t>(std::nearbyint(value * unitsPerValue));
}

double DecimalOf(const Packed& p) {
    const double magnitude = static_cast<double>(p.whole) + static_cast<double>(p.minuteUnits) / kUnitsPerWhole;
    return p.negative ? -magnitude : magnitude;
}

double PackedDoubleOf(const Packed& p) {
    const double magnitude = static_cast<double>(p.whole) + static_cast<double>(p.minuteUnits) / 1e6;
    return p.negative ? -magnitude : magnitude;
}

// Numbers are written from whole numbers, never with printf's %f or a stream: those follow the
// C locale, which a desktop program sets from the user's (a decimal comma in much of Europe).
std::string SixDecimals(bool negative, std::int64_t whole, std::int64_t millionths) {
    char text[48];
    const bool zero = whole == 0 && millionths == 0;
    std::snprintf(text, sizeof text, "%s%lld.%06lld", negative && !zero ? "-" : "", static_cast<long long>(whole),
                  static_cast<long long>(millionths));
    return text;
}

std::string PackedText(const Packed& p) { return SixDecimals(p.negative, p.whole, p.minuteUnits); }

// The clock time as the chart files written by other programs hold it: the packed value's double
// printed to 15 decimals (14:20 is 14.199999999999999), which reads back to the same minutes.
std::string ClockText(const Packed& p) { return astro::FixedDecimalsText(PackedDoubleOf(p), 15); }

std::string DecimalText(double value) {  // |value| <= kMaxMagnitude
    const auto micro = static_cast<std::int64_t>(std::nearbyint(value * 1e6));
    const std::int64_t magnitude = micro < 0 ? -micro : micro;
    return SixDecimals(micro < 0, magnitude / 1000000, magnitude % 1000000);
}

// Minutes for a message: up to four decimals, trailing zeros dropped ("65", "14.5667").
std::string MinutesText(std::int64_t minuteUnits) {
    char text[48];
    std::snprintf(text, sizeof text, "%lld.%04lld", static_cast<long long>(minuteUnits / kUnitsPerMinute),
                  static_cast<long long>(minuteUnits % kUnitsPerMinute));
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

// A line's text in a message: quoted, at most 40 bytes, every byte that is not printable ASCII
// written as \xNN, so the message prints whatever the file held.
std::string Quoted(std::string_view text) {
    constexpr std::size_t kMaxShown = 40;
    std::string s = "\"";
    for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            s += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(byte));
            s += escaped;
        }
    }
    if (text.size() > kMaxShown) s += "...";
    return s + "\"";
}

JhdProblem Problem(int line, const std::string& what) {
    std::string message = "Line " + std::to_string(line);
    const std::string_view name = kLineNames[static_cast<std::size_t>(line - 1)];
    if (!name.empty()) message += " (" + std::string(name) + ")";
    return JhdProblem{line, message + ": " + what};
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Numbers read the same in every locale; neither reader takes a '+', which a file may hold.
template <class T>
std::optional<T> NumberOf(std::string_view text) {
    text = Trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    if constexpr (std::is_floating_point_v<T>) {
        return astro::ParseDecimal(text);
    } else {
        T value{};
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, value);
        if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
        return value;
    }
}

std::string NotANumber(std::string_view text, bool whole) {
    if (Trimmed(text).empty())
        return std::string("the line is empty where ") + (whole ? "a whole number" : "a number") + " belongs.";
    return Quoted(text) + (whole ? " is not a whole number." : " is not a number.");
}

// The date rules, shared by reading and writing; each names the first line at fault.
std::optional<JhdProblem> MonthProblem(int month) {
    if (month >= 1 && month <= 12) return std::nullopt;
    return Problem(1, std::to_string(month) + " is not a month; months run from 1 to 12.");
}

std::optional<JhdProblem> DayProblem(int day) {
    if (day >= 1 && day <= 31) return std::nullopt;
    return Problem(2, std::to_string(day) + " is not a day of a month; days run from 1 to 31.");
}

std::optional<JhdProblem> YearProblem(int year) {
    if (year >= -kMaxYear && year <= kMaxYear) return std::nullopt;
    return Problem(3, std::to_string(year) + " is beyond the years a chart can hold (-9999 to 9999).");
}

std::optional<JhdProblem> DateProblem(int year, int month, int day) {
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (date.ok()) return std::nullopt;
    return Problem(2, std::to_string(day) + " " + std::string(kMonthNames[static_cast<std::size_t>(month - 1)]) + " " +
                          std::to_string(year) + " does not exist.");
}

std::optional<JhdProblem> ClockProblem(std::int64_t signedUnits, const std::string& text) {
    if (signedUnits < 0) return Problem(4, Quoted(text) + " is before midnight; clock times run from 0:00 to 23:59.");
    if (signedUnits >= 24 * kUnitsPerWhole)
        return Problem(4, Quoted(text) + " is past the end of the day; clock times run from 0:00 to 23:59.");
    return std::nullopt;
}

std::optional<JhdProblem> OffsetProblem(int line, double hours, const std::string& text) {
    if (std::fabs(hours) <= kMaxJhdOffsetHours) return std::nullopt;
    return Problem(line, Quoted(text) + " hours is more than 16 hours from Greenwich, which no clock has been.");
}

std::optional<JhdProblem> AngleProblem(int line, const Packed& p, const std::string& text) {
    const bool longitude = line == 6;
    const std::int64_t limit = (longitude ? 180 : 90) * kUnitsPerWhole;
    if (p.Units() <= limit) return std::nullopt;
    return Problem(line, Quoted(text) + (longitude ? " is beyond 180\u00B0; longitudes run from 180\u00B0 West to "
                                                     "180\u00B0 East."
                                                   : " is beyond 90\u00B0; latitudes run from 90\u00B0 South to "
                                                     "90\u00B0 North."));
}

// A control byte (a NUL, a tab, an escape) in the place lines: no place name holds one.
std::optional<JhdProblem> ControlByteProblem(int line, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char shown[8];
            std::snprintf(shown, sizeof shown, "\\x%02X", static_cast<unsigned>(byte));
            return Problem(line,
                           Quoted(text) + " holds the control character " + shown + ", which no place name holds.");
        }
    }
    return std::nullopt;
}

std::optional<JhdProblem> TextProblem(int line, const std::string& text, bool blanksAsCarets) {
    if (text.find_first_of("\r\n") != std::string::npos)
        return Problem(line, "a text with a line break cannot be written.");
    if (blanksAsCarets && text.find('^') != std::string::npos)
        return Problem(line, Quoted(text) + " holds a ^, which the file reads back as a blank.");
    return std::nullopt;
}

std::string Replaced(std::string text, char from, char to) {
    for (char& c : text)
        if (c == from) c = to;
    return text;
}

// The text of a line for the record's field, or why the field cannot be written. Reading uses it
// too: a line's canonical text is this text for the value it was read as.
// A number's text on a line, when the file can hold it.
std::optional<std::string> DecimalLine(int line, JhdProblem& problem, double value) {
    if (!std::isfinite(value) || std::fabs(value) > kMaxMagnitude) {
        problem = Problem(line, "the value is not a number the file can hold.");
        return std::nullopt;
    }
    return DecimalText(value);
}

std::optional<std::string> LineText(const JhdChart& c, int line, JhdProblem& problem) {
    const auto refuse = [&problem](const std::optional<JhdProblem>& p) {
        if (p) problem = *p;
        return p.has_value();
    };
    switch (line) {
        case 1:
            if (refuse(MonthProblem(c.month))) return std::nullopt;
            return std::to_string(c.month);
        case 2:
            if (refuse(MonthProblem(c.month)) || refuse(DayProblem(c.day)) || refuse(YearProblem(c.year)) ||
                refuse(DateProblem(c.year, c.month, c.day)))
                return std::nullopt;
            return std::to_string(c.day);
        case 3:
            if (refuse(YearProblem(c.year))) return std::nullopt;
            return std::to_string(c.year);
        case 4: {
            const auto units = UnitsOfDecimal(c.clockMinutesAfterMidnight, kUnitsPerMinute);
            if (!units) return DecimalLine(line, problem, c.clockMinutesAfterMidnight);
            const std::string text = ClockText(PackedOfUnits(*units));
            if (refuse(ClockProblem(*units, text))) return std::nullopt;
            return text;
        }
        case 5: {
            // Seconds East to packed hours West: 10,000/60 units to the second.
            const auto units = static_cast<std::int64_t>(std::nearbyint(-c.clockOffsetSecondsEast * (500.0 / 3.0)));
            const std::string text = PackedText(PackedOfUnits(units));
            if (refuse(OffsetProblem(5, c.clockOffsetSecondsEast / 3600.0, text))) return std::nullopt;
            return text;
        }
        case 6:
        case 7: {
            const double degrees = line == 6 ? -c.longitudeDegreesEast : c.latitudeDegreesNorth;
            const auto units = UnitsOfDecimal(degrees, kUnitsPerWhole);
            if (!units) return DecimalLine(line, problem, degrees);
            const Packed p = PackedOfUnits(*units);
            const std::string text = PackedText(p);
            if (refuse(AngleProblem(line, p, text))) return std::nullopt;
            return text;
        }
        case 8:
            return DecimalLine(line, problem, c.altitudeMetres);
        case 9:
        case 10: {
            const std::optional<double>& zone = line == 9 ? c.zoneHoursWest : c.secondZoneHoursWest;
            const double hours = zone ? *zone : -c.clockOffsetSecondsEast / 3600.0;
            auto text = DecimalLine(line, problem, hours);
            if (text && refuse(OffsetProblem(line, hours, *text))) return std::nullopt;
            return text;
        }
        case 11:
            if (refuse(TextProblem(line, c.lineEleven, false))) return std::nullopt;
            return c.lineEleven;
        case 12:
            if (refuse(TextProblem(line, c.atlasCode, false))) return std::nullopt;
            return c.atlasCode;
        case 13:
        case 14: {
            const std::string& text = line == 13 ? c.city : c.stateOrCountry;
            if (refuse(TextProblem(line, text, true))) return std::nullopt;
            return Replaced(text, ' ', '^');
        }
        case 15:
            if (refuse(TextProblem(line, c.lineFifteen, false))) return std::nullopt;
            return c.lineFifteen;
        case 16:
            return DecimalLine(line, problem, c.pressureHpa);
        case 17:
            return DecimalLine(line, problem, c.temperatureCelsius);
        default:
            if (refuse(TextProblem(line, c.flag, false))) return std::nullopt;
            return c.flag;
    }
}

// Lines end with LF, with or without a CR before it; the last line needs no line end.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

JhdParseResult Refused(JhdProblem problem) { return JhdParseResult{std::nullopt, std::move(problem)}; }

// The readers of one line each: a value, or the problem in `problem`.
std::optional<int> ReadWhole(std::string_view text, int line, JhdProblem& problem) {
    const auto value = NumberOf<int>(text);
    if (!value) problem = Problem(line, NotANumber(text, true));
    return value;
}

std::optional<double> ReadDecimal(std::string_view text, int line, JhdProblem& problem) {
    const auto value = NumberOf<double>(text);
    if (!value) {
        problem = Problem(line, NotANumber(text, false));
    } else if (std::fabs(*value) > kMaxMagnitude) {
        problem = Problem(line, Quoted(text) + " is too large for this line.");
        return std::nullopt;
    }
    return value;
}

std::optional<Packed> ReadPacked(std::string_view text, int line, JhdProblem& problem) {
    const auto value = ReadDecimal(text, line, problem);
    if (!value) return std::nullopt;
    const auto p = SplitPacked(*value);  // finite and in range here
    if (p->minuteUnits >= kUnitsPerWhole) {
        problem = Problem(line, Quoted(text) + " holds " + MinutesText(p->minuteUnits) +
                                    " minutes after the point; minutes run from 0 to 59.");
        return std::nullopt;
    }
    return p;
}

}  // namespace

std::optional<double> UnpackDegreesMinutes(double packed) {
    const auto p = SplitPacked(packed);
    if (!p || p->minuteUnits >= kUnitsPerWhole) return std::nullopt;
    return DecimalOf(*p);
}

std::optional<double> PackDegreesMinutes(double degrees) {
    const auto units = UnitsOfDecimal(degrees, kUnitsPerWhole);
    if (!units) return std::nullopt;
    return PackedDoubleOf(PackedOfUnits(*units));
}

namespace {

// Lines 1 to 3: the month, the day and the year, each within its range and together a date.
std::optional<JhdProblem> ReadDate(const std::vector<std::string_view>& lines, JhdChart& c) {
    JhdProblem problem;
    std::optional<JhdProblem> rule;
    const auto month = ReadWhole(lines[0], 1, problem);
    if (!month) return problem;
    if ((rule = MonthProblem(*month))) return rule;
    const auto day = ReadWhole(lines[1], 2, problem);
    if (!day) return problem;
    if ((rule = DayProblem(*day))) return rule;
    const auto year = ReadWhole(lines[2], 3, problem);
    if (!year) return problem;
    if ((rule = YearProblem(*year)) || (rule = DateProblem(*year, *month, *day))) return rule;
    c.month = *month;
    c.day = *day;
    c.year = *year;
    return std::nullopt;
}

// Every line as it was read, beside the text the writer would give it.
void KeepLinesAsRead(const std::vector<std::string_view>& lines, JhdChart& c) {
    JhdProblem problem;
    for (int line = 1; line <= kJhdLines; ++line) {
        JhdLineAsRead& kept = c.linesAsRead[static_cast<std::size_t>(line - 1)];
        kept.text = std::string(lines[static_cast<std::size_t>(line - 1)]);
        // Every value read passes the writer's rules, so the canonical text always exists.
        kept.canonical = LineText(c, line, problem).value_or(kept.text);
    }
}

}  // namespace

JhdParseResult ParseJhd(std::string_view bytes) {
    if (bytes.size() > kMaxJhdBytes)
        return Refused({0, "The file is too large to be a chart (" + std::to_string(bytes.size()) +
                               " bytes; a chart is a few hundred)."});
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.size() < static_cast<std::size_t>(kJhdLines)) {
        const int missing = static_cast<int>(lines.size()) + 1;
        return Refused(
            Problem(missing, lines.empty() ? "missing; the file is empty."
                                           : "missing; the file ends after line " + std::to_string(missing - 1) + "."));
    }
    const auto at = [&lines](int line) { return lines[static_cast<std::size_t>(line - 1)]; };

    JhdChart c;
    JhdProblem problem;
    std::optional<JhdProblem> rule;

    if (auto refused = ReadDate(lines, c)) return Refused(*refused);

    const auto clock = ReadPacked(at(4), 4, problem);
    if (!clock) return Refused(problem);
    if ((rule = ClockProblem(clock->SignedUnits(), std::string(at(4))))) return Refused(*rule);
    c.clockMinutesAfterMidnight = static_cast<double>(clock->Units()) / kUnitsPerMinute;

    const auto offset = ReadPacked(at(5), 5, problem);
    if (!offset) return Refused(problem);
    const double offsetHoursWest = DecimalOf(*offset);
    if ((rule = OffsetProblem(5, offsetHoursWest, std::string(at(5))))) return Refused(*rule);
    // Units West to whole seconds East: 60/10,000 of a second to the unit.
    c.clockOffsetSecondsEast = static_cast<int>(std::nearbyint(-static_cast<double>(offset->SignedUnits()) * 0.006));

    for (const int line : {6, 7}) {
        const auto angle = ReadPacked(at(line), line, problem);
        if (!angle) return Refused(problem);
        if ((rule = AngleProblem(line, *angle, std::string(at(line))))) return Refused(*rule);
        if (line == 6) {
            c.longitudeDegreesEast = -DecimalOf(*angle);  // the file counts West positive
        } else {
            c.latitudeDegreesNorth = DecimalOf(*angle);
        }
    }

    const auto altitude = ReadDecimal(at(8), 8, problem);
    if (!altitude) return Refused(problem);
    c.altitudeMetres = *altitude;

    for (const int line : {9, 10}) {
        const auto zone = ReadDecimal(at(line), line, problem);
        if (!zone) return Refused(problem);
        if ((rule = OffsetProblem(line, *zone, std::string(at(line))))) return Refused(*rule);
        (line == 9 ? c.zoneHoursWest : c.secondZoneHoursWest) = *zone;
    }

    c.lineEleven = std::string(at(11));
    c.atlasCode = std::string(at(12));
    for (const int line : {13, 14})
        if ((rule = ControlByteProblem(line, at(line)))) return Refused(*rule);
    c.city = Replaced(std::string(at(13)), '^', ' ');
    c.stateOrCountry = Replaced(std::string(at(14)), '^', ' ');
    c.lineFifteen = std::string(at(15));

    const auto pressure = ReadDecimal(at(16), 16, problem);
    if (!pressure) return Refused(problem);
    c.pressureHpa = *pressure;
    const auto temperature = ReadDecimal(at(17), 17, problem);
    if (!temperature) return Refused(problem);
    c.temperatureCelsius = *temperature;
    c.flag = std::string(at(18));

    c.extraLines.assign(lines.begin() + kJhdLines, lines.end());

    KeepLinesAsRead(lines, c);
    return JhdParseResult{std::move(c), {}};
}

JhdFormatResult FormatJhd(const JhdChart& chart) {
    std::string bytes;
    JhdProblem problem;
    for (int line = 1; line <= kJhdLines; ++line) {
        const auto text = LineText(chart, line, problem);
        if (!text) return JhdFormatResult{std::nullopt, problem};
        const JhdLineAsRead& kept = chart.linesAsRead[static_cast<std::size_t>(line - 1)];
        bytes += *text == kept.canonical ? kept.text : *text;
        bytes += "\r\n";
    }
    for (std::size_t i = 0; i < chart.extraLines.size(); ++i) {
        if (chart.extraLines[i].find_first_of("\r\n") != std::string::npos) {
            const int line = kJhdLines + 1 + static_cast<int>(i);
            return JhdFormatResult{
                std::nullopt, {line, "Line " + std::to_string(line) + ": a text with a line break cannot be written."}};
        }
        bytes += chart.extraLines[i];
        bytes += "\r\n";
    }
    return JhdFormatResult{std::move(bytes), {}};
}

std::string JhdNameFromPath(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    constexpr std::string_view kExtension = ".jhd";
    if (name.size() > kExtension.size()) {
        const std::string_view tail = name.substr(name.size() - kExtension.size());
        bool same = true;
        for (std::size_t i = 0; i < tail.size(); ++i) {
            const char lower = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
            same = same && lower == kExtension[i];
        }
        if (same) name.remove_suffix(kExtension.size());
    }
    return std::string(name);
}

}  // namespace vela::reading
