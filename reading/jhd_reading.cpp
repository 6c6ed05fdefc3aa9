#include "reading/jhd_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "astro/text.h"
#include "reading/file_output.h"
#include "reading/reference_tables.h"
#include "reading/validation.h"
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

// The zone a reading names: a row of the table, or an exact offset, and the daylight-saving tick.
struct ZoneChoice {
    int row = -1;
    std::optional<ExactZone> exact;
    bool dst = false;
    bool operator==(const ZoneChoice&) const = default;
};

ZoneChoice ZoneOfForm(const BirthForm& form) {
    return form.exactZone ? ZoneChoice{-1, form.exactZone, form.dst} : ZoneChoice{form.zoneRow, std::nullopt, form.dst};
}

std::string ZoneNoteText(const ZoneChoice& zone) {
    std::string text(kJhdZoneNoteLead);
    if (zone.exact) {
        text += "offset=" + std::to_string(zone.exact->secondsEast) + " dst=" + (zone.dst ? "1" : "0") +
                " name=" + zone.exact->name;
    } else {
        text += "row=" + std::to_string(zone.row) + " dst=" + (zone.dst ? "1" : "0");
    }
    return text;
}

bool IsZoneNote(std::string_view line) { return line.substr(0, kJhdZoneNoteLead.size()) == kJhdZoneNoteLead; }

// "key=value" at the front of the text; the value runs to the next blank (or to the end for the
// last key, `name`).
std::optional<std::string_view> TakeField(std::string_view& text, std::string_view key, bool toEnd) {
    if (text.substr(0, key.size() + 1) != std::string(key) + "=") return std::nullopt;
    text.remove_prefix(key.size() + 1);
    const std::size_t end = toEnd ? text.size() : std::min(text.find(' '), text.size());
    const std::string_view value = text.substr(0, end);
    text.remove_prefix(end);
    if (!text.empty() && !toEnd) text.remove_prefix(1);
    return value;
}

std::optional<int> WholeOf(std::optional<std::string_view> text) {
    if (!text || text->empty()) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc() || end != text->data() + text->size()) return std::nullopt;
    return value;
}

// The zone note of a chart (the last one when there are several); empty when it has none or the
// note is not one this program writes.
std::optional<ZoneChoice> ZoneNoteOf(const JhdChart& chart) {
    const auto at = std::find_if(chart.extraLines.rbegin(), chart.extraLines.rend(),
                                 [](const std::string& line) { return IsZoneNote(line); });
    if (at == chart.extraLines.rend()) return std::nullopt;
    std::string_view text = std::string_view(*at).substr(kJhdZoneNoteLead.size());
    ZoneChoice zone;
    const bool exact = text.substr(0, 7) == "offset=";
    const auto number = WholeOf(TakeField(text, exact ? "offset" : "row", false));
    const auto dst = WholeOf(TakeField(text, "dst", false));
    if (!number || !dst || (*dst != 0 && *dst != 1)) return std::nullopt;
    zone.dst = *dst == 1;
    if (!exact) {
        if (*number < 0 || *number >= kZoneCount || !text.empty()) return std::nullopt;
        zone.row = *number;
        return zone;
    }
    const auto name = TakeField(text, "name", true);
    if (!name || std::abs(*number) > kMaxExactOffsetSeconds || name->size() > kMaxVelaTextBytes ||
        AsUtf8(*name) != *name ||
        std::any_of(name->begin(), name->end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return std::nullopt;
    zone.exact = ExactZone{*number, std::string(*name)};
    return zone;
}

}  // namespace

std::string ReadableJhdName(std::string_view path) {
    const std::string name = AsUtf8(JhdNameFromPath(path));
    std::string readable;
    char32_t previous = U' ';
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length && i + k < name.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(name[i + k]) & 0x3Fu);
        const bool taken = code != U'_' && !FilterKeystroke(BoxKind::Letters, code, previous);
        if (taken && code != U' ') {
            readable.append(name, i, length);
        } else if (!readable.empty() && readable.back() != ' ') {
            readable += ' ';
        }
        previous = taken ? code : U' ';
        i += length;
    }
    while (!readable.empty() && readable.back() == ' ') readable.pop_back();
    return readable;
}

std::optional<std::string> JhdNameNotice(const std::string& path, std::string_view name) {
    const std::string readable = ReadableJhdName(path);
    if (readable == astro::TrimBlanks(name)) return std::nullopt;
    return "A .jhd chart keeps the person's name as its file name: " + astro::QuotedForMessage(path) +
           " will open as " + astro::QuotedForMessage(readable) + ", not " +
           astro::QuotedForMessage(astro::TrimBlanks(name)) + ".";
}

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
    // The zone this program's note names, when its offset is still the clock's: a row the offset
    // shares with other regions (Eastern Standard Time with daylight saving is -04:00, as is
    // Atlantic Standard Time), a name of an exact offset.
    if (const auto note = ZoneNoteOf(chart)) {
        const int tick = note->dst ? 3600 : 0;
        const bool local = !note->exact && kZoneRows[static_cast<std::size_t>(note->row)].localMeanTime;
        const double signedLonSeconds = static_cast<double>(lon) * (chart.longitudeDegreesEast < 0 ? -1.0 : 1.0);
        const bool holds = note->exact ? note->exact->secondsEast + tick == offset
                           : local     ? std::fabs(signedLonSeconds / 15.0 + tick - offset) < 1.0
                                       : RowOffsetSeconds(note->row) + tick == offset;
        if (holds) {
            read.zoneRow = note->row;
            read.exactZone = note->exact;
            read.dst = note->dst;
        }
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

namespace {

JhdChart FreshChart(const Reading& s) {
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
    // One text when the state and the country are one ("India", as a chart holds a country alone),
    // else "State, Country"; both read back as they were.
    chart.stateOrCountry = s.state.empty() || s.state == s.country ? s.country
                           : s.country.empty()                     ? s.state
                                                                   : s.state + ", " + s.country;
    return chart;
}

}  // namespace

JhdChart JhdChartOfReading(const Reading& s, const JhdChart* opened) {
    const JhdChart fresh = FreshChart(s);
    JhdChart chart = fresh;
    BirthForm was;
    if (opened != nullptr && !FillFormFromJhd(*opened, s.name, was)) {
        // Field by field, what the reading holds unchanged keeps the file's own value and text.
        const BirthForm now = FormOfReading(s);
        chart = *opened;
        if (was.day != now.day || was.month != now.month || was.year != now.year) {
            chart.year = fresh.year;
            chart.month = fresh.month;
            chart.day = fresh.day;
        }
        if (was.hour != now.hour || was.minute != now.minute)
            chart.clockMinutesAfterMidnight = fresh.clockMinutesAfterMidnight;
        if (!(ZoneOfForm(was) == ZoneOfForm(now))) {
            chart.clockOffsetSecondsEast = fresh.clockOffsetSecondsEast;
            chart.zoneHoursWest.reset();
            chart.secondZoneHoursWest.reset();
        }
        const bool latitude = was.latDegrees == now.latDegrees && was.latMinutes == now.latMinutes &&
                              was.latSeconds == now.latSeconds && was.latDirection == now.latDirection;
        const bool longitude = was.lonDegrees == now.lonDegrees && was.lonMinutes == now.lonMinutes &&
                               was.lonSeconds == now.lonSeconds && was.lonDirection == now.lonDirection;
        if (!latitude) chart.latitudeDegreesNorth = fresh.latitudeDegreesNorth;
        if (!longitude) chart.longitudeDegreesEast = fresh.longitudeDegreesEast;
        if (!latitude || !longitude) {
            // The altitude and the atlas code belong to the place the file named.
            chart.altitudeMetres = fresh.altitudeMetres;
            chart.atlasCode = fresh.atlasCode;
        }
        if (was.city != now.city) chart.city = fresh.city;
        if (was.state != now.state || was.country != now.country) chart.stateOrCountry = fresh.stateOrCountry;
    }
    // The zone note: only where the offset alone would read back as another zone.
    chart.extraLines.erase(std::remove_if(chart.extraLines.begin(), chart.extraLines.end(),
                                          [](const std::string& line) { return IsZoneNote(line); }),
                           chart.extraLines.end());
    BirthForm back;
    const ZoneChoice zone =
        s.exactZone ? ZoneChoice{-1, s.exactZone, s.dst} : ZoneChoice{s.zoneRow, std::nullopt, s.dst};
    if (FillFormFromJhd(chart, s.name, back) || !(ZoneOfForm(back) == zone))
        chart.extraLines.push_back(ZoneNoteText(zone));
    return chart;
}

std::optional<UserMessage> OpenJhdFile(const std::string& path, BirthForm& form, JhdChart* chart) {
    std::string bytes;
    if (auto problem = ReadSmallFile(path, kMaxJhdBytes, bytes)) return CriticalMessage(*problem);
    JhdParseResult parsed = ParseJhd(bytes);
    if (!parsed.chart)
        return CriticalMessage("The chart file " + astro::QuotedForMessage(path) + " cannot be read. " +
                               parsed.problem.message);
    if (auto problem = FillFormFromJhd(*parsed.chart, ReadableJhdName(path), form)) return problem;
    if (chart != nullptr) *chart = std::move(*parsed.chart);
    return std::nullopt;
}

std::optional<UserMessage> SaveJhdFile(const std::string& path, const Reading& s, const JhdChart* opened) {
    const JhdFormatResult formatted = FormatJhd(JhdChartOfReading(s, opened));
    if (!formatted.bytes) return CriticalMessage(std::string(kSaveFailed) + formatted.problem.message);
    const auto problem = WriteOutputFile(path, *formatted.bytes);
    if (!problem) return std::nullopt;
    if (problem->written)
        return CriticalMessage("The reading was written to " + astro::QuotedForMessage(path) +
                               ", but the disk did not confirm it: " + problem->reason + ".");
    return CriticalMessage(std::string(kSaveFailed) + problem->reason);
}

}  // namespace vela::reading
