#include "reading/jhd_reading.h"

#include <cmath>
#include <cstdlib>

#include "astro/text.h"
#include "reading/file_output.h"
#include "reading/reference_tables.h"
#include "reading/vela_file.h"

namespace vela::reading {

namespace {

constexpr std::string_view kSaveFailed = "The reading could not be saved. ";

// Whole minutes of a value in degrees (or minutes of time); empty when it has a part of a minute
// (beyond the file's own precision, 1/10,000 of a minute).
std::optional<long long> WholeMinutes(double minutes) {
    const double tenThousandths = std::nearbyint(minutes * 10000.0);
    if (std::fmod(tenThousandths, 10000.0) != 0.0) return std::nullopt;
    return static_cast<long long>(tenThousandths / 10000.0);
}

std::string Two(long long v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string OffsetName(int secondsEast) {
    const int a = std::abs(secondsEast);
    std::string text = std::string("UTC") + (secondsEast < 0 ? "-" : "+") + Two(a / 3600) + ":" + Two(a / 60 % 60);
    if (a % 60 != 0) text += ":" + Two(a % 60);
    return text;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (length == 0 || (length > 1 && b < 0xC2) || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// Text from another program is often in a Windows code page: what is not UTF-8 is read as Latin-1.
std::string AsUtf8(std::string_view text) {
    if (IsUtf8(text)) return std::string(text);
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

}  // namespace

std::optional<UserMessage> FillFormFromJhd(const JhdChart& chart, std::string_view name, BirthForm& form) {
    const auto clock = WholeMinutes(chart.clockMinutesAfterMidnight);
    if (!clock) {
        const double m = chart.clockMinutesAfterMidnight;
        const auto seconds = static_cast<long long>(std::nearbyint(m * 60.0));
        return CriticalMessage("The birth time " + Two(seconds / 3600) + ":" + Two(seconds / 60 % 60) + ":" +
                                   Two(seconds % 60) +
                                   " has seconds; a reading holds the clock time in whole minutes. Round it in the "
                                   "chart file, or give the time with --time.",
                               FormField::Minute);
    }
    // The place to the nearest second of arc (the file's 1/10,000 of a minute is 0.006 seconds).
    const long long lat = std::llround(std::fabs(chart.latitudeDegreesNorth) * 3600.0);
    const long long lon = std::llround(std::fabs(chart.longitudeDegreesEast) * 3600.0);
    const auto secondsText = [](long long arcSeconds) {
        return arcSeconds % 60 != 0 ? std::to_string(arcSeconds % 60) : std::string();
    };
    BirthForm read;
    read.name = AsUtf8(name);
    read.day = std::to_string(chart.day);
    read.month = chart.month - 1;
    read.year = std::to_string(chart.year);
    read.hour = std::to_string(*clock / 60);
    read.minute = std::to_string(*clock % 60);
    read.latDegrees = std::to_string(lat / 3600);
    read.latMinutes = std::to_string(lat / 60 % 60);
    read.latSeconds = secondsText(lat);
    read.latDirection = chart.latitudeDegreesNorth < 0 ? LatChoice::South : LatChoice::North;
    read.lonDegrees = std::to_string(lon / 3600);
    read.lonMinutes = std::to_string(lon / 60 % 60);
    read.lonSeconds = secondsText(lon);
    read.lonDirection = chart.longitudeDegreesEast < 0 ? LonChoice::West : LonChoice::East;
    read.dst = false;

    // The zone: the table's row with exactly this offset, else local mean time when it is the
    // place's (to the second), else the exact offset.
    const int offset = chart.clockOffsetSecondsEast;
    int lmtRow = -1;
    read.zoneRow = -1;
    for (int row = 0; row < kZoneCount && read.zoneRow < 0; ++row) {
        if (kZoneRows[static_cast<std::size_t>(row)].localMeanTime) {
            if (lmtRow < 0) lmtRow = row;
        } else if (RowOffsetSeconds(row) == offset) {
            read.zoneRow = row;
        }
    }
    if (read.zoneRow < 0) {
        const double signedLonSeconds = static_cast<double>(lon) * (chart.longitudeDegreesEast < 0 ? -1.0 : 1.0);
        const double meanSeconds = signedLonSeconds / 15.0;  // a second of time per 15 seconds of arc
        if (lmtRow >= 0 && std::fabs(meanSeconds - offset) < 0.5)
            read.zoneRow = lmtRow;
        else
            read.exactZone = ExactZone{offset, OffsetName(offset)};
    }
    read.city = AsUtf8(chart.city);
    // "State, Country" as this program writes it (a place's letters hold no comma), else one text
    // for both.
    const std::string place = AsUtf8(chart.stateOrCountry);
    const std::size_t comma = place.rfind(", ");
    read.state = comma == std::string::npos ? place : place.substr(0, comma);
    read.country = comma == std::string::npos ? place : place.substr(comma + 2);
    form = std::move(read);
    return std::nullopt;
}

JhdChart JhdChartOfReading(const Reading& s) {
    JhdChart chart;
    chart.year = s.year;
    chart.month = s.month;
    chart.day = s.day;
    chart.clockMinutesAfterMidnight = s.hour * 60.0 + s.minute;
    const int zoneSeconds = s.zone.localMeanHoursEast
                                ? static_cast<int>(std::nearbyint(*s.zone.localMeanHoursEast * 3600.0))
                                : s.zone.secondsEast;
    chart.clockOffsetSecondsEast = zoneSeconds + (s.dst ? 3600 : 0);
    chart.longitudeDegreesEast = astro::PlaceOf(s).longitudeEast.value;
    chart.latitudeDegreesNorth = astro::PlaceOf(s).latitudeNorth.value;
    chart.city = s.city;
    chart.stateOrCountry = s.state.empty() ? s.country : s.country.empty() ? s.state : s.state + ", " + s.country;
    return chart;
}

std::optional<UserMessage> OpenJhdFile(const std::string& path, BirthForm& form) {
    std::string bytes;
    if (auto problem = ReadSmallFile(path, kMaxJhdBytes, bytes)) return CriticalMessage(*problem);
    const JhdParseResult parsed = ParseJhd(bytes);
    if (!parsed.chart)
        return CriticalMessage("The chart file " + astro::QuotedForMessage(path) + " cannot be read. " +
                               parsed.problem.message);
    return FillFormFromJhd(*parsed.chart, JhdNameFromPath(path), form);
}

std::optional<UserMessage> SaveJhdFile(const std::string& path, const Reading& s) {
    const JhdFormatResult formatted = FormatJhd(JhdChartOfReading(s));
    if (!formatted.bytes) return CriticalMessage(std::string(kSaveFailed) + formatted.problem.message);
    const auto problem = WriteOutputFile(path, *formatted.bytes);
    if (!problem) return std::nullopt;
    if (problem->written)
        return CriticalMessage("The reading was written to " + astro::QuotedForMessage(path) +
                               ", but the disk did not confirm it: " + problem->reason + ".");
    return CriticalMessage(std::string(kSaveFailed) + problem->reason);
}

}  // namespace vela::reading
