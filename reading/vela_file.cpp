#include "reading/vela_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>
#include <set>
#include <utility>
#include <vector>

#include "astro/text.h"
#include "reading/file_output.h"
#include "reading/jhd_reading.h"
#include "reading/reading_file.h"
#include "upagraha/profiles.h"

namespace vela::reading {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kSaveFailed = "The reading could not be saved. ";

bool EndsWithNoCase(std::string_view path, std::string_view ending) {
    if (path.size() < ending.size()) return false;
    const std::string_view tail = path.substr(path.size() - ending.size());
    return std::equal(tail.begin(), tail.end(), ending.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

Json Angle(const std::string& degrees, const std::string& minutes, const std::string& seconds,
           std::string_view direction) {
    return Json{{"degrees", degrees}, {"minutes", minutes}, {"seconds", seconds}, {"direction", direction}};
}

// A problem with one field of the file.
struct FieldError {
    std::string text;
};

// "the field "month"", or "the field "latitude.degrees"" for a field of an object.
std::string FieldName(const char* key, const char* within) {
    return std::string("the field \"") + (within != nullptr ? std::string(within) + "." : std::string()) + key + "\"";
}

const Json& Member(const Json& object, const char* key, const char* within = nullptr) {
    const auto at = object.find(key);
    if (at == object.end()) throw FieldError{FieldName(key, within) + " is missing"};
    return *at;
}

std::string Text(const Json& object, const char* key, const char* within = nullptr) {
    const Json& value = Member(object, key, within);
    if (!value.is_string()) throw FieldError{FieldName(key, within) + " is not a text"};
    std::string text = value.get<std::string>();
    if (text.size() > kMaxVelaTextBytes) throw FieldError{FieldName(key, within) + " is too long"};
    // A control character (a NUL byte, a tab, an escape) is in no name, place or number the form takes.
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) {
            char shown[8];
            std::snprintf(shown, sizeof shown, "U+%04X", static_cast<unsigned>(code));
            throw FieldError{FieldName(key, within) + " holds the control character " + shown +
                             ", which no text of a reading holds"};
        }
    }
    return text;
}

// A whole number in [lo, hi]. JSON numbers beyond 64 bits or with a fraction are refused here too,
// and an unsigned one is compared as such, never wrapped into a negative number.
int Whole(const Json& object, const char* key, int lo, int hi, const char* within = nullptr) {
    const Json& value = Member(object, key, within);
    bool inRange = false;
    if (value.is_number_unsigned()) {
        inRange = hi >= 0 && value.get<std::uint64_t>() <= static_cast<std::uint64_t>(hi) &&
                  (lo <= 0 || value.get<std::uint64_t>() >= static_cast<std::uint64_t>(lo));
    } else if (value.is_number_integer()) {
        inRange = value.get<std::int64_t>() >= lo && value.get<std::int64_t>() <= hi;
    }
    if (!inRange)
        throw FieldError{FieldName(key, within) + " is not a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi)};
    return static_cast<int>(value.get<std::int64_t>());
}

std::string Direction(const Json& angle, std::string_view positive, std::string_view negative, const char* key) {
    const std::string d = Text(angle, "direction", key);
    if (d != positive && d != negative)
        throw FieldError{std::string("the direction of the ") + key + " is neither " + std::string(positive) + " nor " +
                         std::string(negative)};
    return d;
}

// Watches the parse: a key met twice in one object (JSON leaves its meaning open; the reader
// refuses it rather than take one of the two), and the last key met, which names the field of a
// number too large for any.
class ParseWatch {
public:
    bool operator()(int /*depth*/, Json::parse_event_t event, Json& parsed) {
        switch (event) {
            case Json::parse_event_t::object_start:
                keys.emplace_back();
                break;
            case Json::parse_event_t::object_end:
                if (!keys.empty()) keys.pop_back();
                break;
            case Json::parse_event_t::key:
                lastKey = parsed.get<std::string>();
                if (!keys.empty() && !keys.back().insert(lastKey).second && duplicate.empty()) duplicate = lastKey;
                break;
            default:
                break;
        }
        return true;
    }
    std::vector<std::set<std::string>> keys;
    std::string lastKey;
    std::string duplicate;
};

// The texts of a form or a reading with the names the messages give them.
template <typename Record>
std::array<std::pair<const std::string*, std::string_view>, 4> NamedTexts(const Record& r) {
    return {{{&r.name, "name"}, {&r.city, "city"}, {&r.state, "state"}, {&r.country, "country"}}};
}

// Whether the text is well-formed UTF-8 (no stray continuation byte, no cut character, no
// surrogate or overlong form); JSON holds nothing else.
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// True when a .ved file written with the shift gives the text back as it is.
bool VedHolds(std::string_view text, int shift) {
    const std::string_view trimmed = astro::TrimBlanks(text);
    return DecodeField(EncodeField(trimmed, shift), shift) == trimmed;
}

}  // namespace

std::optional<UserMessage> CheckVelaTexts(const BirthForm& form) {
    for (const auto& [text, field] : NamedTexts(form)) {
        const FormField focus = field == "name"    ? FormField::Name
                                : field == "city"  ? FormField::City
                                : field == "state" ? FormField::State
                                                   : FormField::Country;
        if (!IsUtf8(*text))
            return CriticalMessage(std::string(kSaveFailed) + "The " + std::string(field) +
                                       " is not text in UTF-8, which a reading file holds.",
                                   focus);
        if (text->size() > kMaxVelaTextBytes)
            return CriticalMessage(std::string(kSaveFailed) + "The " + std::string(field) + " is " +
                                       std::to_string(text->size()) + " bytes long; a reading file holds at most " +
                                       std::to_string(kMaxVelaTextBytes) + " bytes of each text. Please shorten it.",
                                   focus);
    }
    return std::nullopt;
}

std::optional<std::string> WhyVelaIsNeeded(const Reading& s, int openedShift) {
    if (s.exactZone) return std::string("The zone is an exact offset, which a .ved file cannot hold.");
    if (s.zoneRow < 0 || s.zoneRow >= kZoneCount) return std::string("The zone is not a row a .ved file can hold.");
    if (s.latSeconds != 0 || s.lonSeconds != 0)
        return std::string("The place is given to the second, which a .ved file cannot hold.");
    const bool otherShift = openedShift >= kMinFieldShift && openedShift <= kMaxFieldShift;
    for (const auto& [text, field] : NamedTexts(s)) {
        if (VedHolds(*text, kFieldShift) || (otherShift && VedHolds(*text, openedShift))) continue;
        if (text->size() > kMaxLineBytes) return "The " + std::string(field) + " is longer than a .ved file holds.";
        // The first letter the file would lose.
        const std::string_view trimmed = astro::TrimBlanks(*text);
        std::size_t at = 0;
        while (at < trimmed.size()) {
            std::size_t end = at + 1;
            while (end < trimmed.size() && (static_cast<unsigned char>(trimmed[end]) & 0xC0) == 0x80) ++end;
            const std::string_view letter = trimmed.substr(at, end - at);
            if (!VedHolds(letter, kFieldShift) && !(otherShift && VedHolds(letter, openedShift)))
                return "The " + std::string(field) + " has the letter " + astro::QuotedForMessage(letter) +
                       ", which a .ved file cannot hold.";
            at = end;
        }
        return "The " + std::string(field) + " has letters a .ved file cannot hold.";
    }
    return std::nullopt;
}

std::optional<UserMessage> OpenAnyReadingFile(const std::string& path, BirthForm& form, OpenedReading& opened,
                                              std::string& profileName) {
    if (HasVelaFileName(path)) return OpenVelaFile(path, form, profileName);
    if (HasJhdFileName(path)) {
        JhdChart chart;
        if (auto problem = OpenJhdFile(path, form, &chart)) return problem;
        opened.jhdChart = std::move(chart);
        return std::nullopt;
    }
    return OpenReadingFile(path, form, opened);
}

bool HasVelaFileName(std::string_view path) { return EndsWithNoCase(path, ".vela"); }
bool HasJhdFileName(std::string_view path) { return EndsWithNoCase(path, ".jhd"); }

BirthForm FormOfReading(const Reading& s) {
    BirthForm form;
    form.name = s.name;
    form.day = std::to_string(s.day);
    form.month = s.month - 1;
    form.year = std::to_string(s.year);
    form.hour = std::to_string(s.hour);
    form.minute = std::to_string(s.minute);
    form.zoneRow = s.zoneRow;
    form.exactZone = s.exactZone;
    form.latDegrees = std::to_string(s.latDegrees);
    form.latMinutes = std::to_string(s.latMinutes);
    form.lonDegrees = std::to_string(s.lonDegrees);
    form.lonMinutes = std::to_string(s.lonMinutes);
    form.latSeconds = s.latSeconds != 0 ? std::to_string(s.latSeconds) : std::string();
    form.lonSeconds = s.lonSeconds != 0 ? std::to_string(s.lonSeconds) : std::string();
    form.latDirection = s.south ? LatChoice::South : LatChoice::North;
    form.lonDirection = s.east ? LonChoice::East : LonChoice::West;
    form.dst = s.dst;
    form.city = s.city;
    form.state = s.state;
    form.country = s.country;
    return form;
}

std::string VelaFileText(const BirthForm& form, std::string_view profileName) {
    Json zone = form.exactZone
                    ? Json{{"offset_seconds_east", form.exactZone->secondsEast}, {"name", form.exactZone->name}}
                    : Json{{"row", form.zoneRow}};
    const Json file = {
        {"format", kVelaFormat},
        {"version", kVelaVersion},
        {"name", form.name},
        {"day", form.day},
        {"month", form.month + 1},
        {"year", form.year},
        {"hour", form.hour},
        {"minute", form.minute},
        {"zone", std::move(zone)},
        {"latitude",
         Angle(form.latDegrees, form.latMinutes, form.latSeconds, form.latDirection == LatChoice::South ? "S" : "N")},
        {"longitude",
         Angle(form.lonDegrees, form.lonMinutes, form.lonSeconds, form.lonDirection == LonChoice::West ? "W" : "E")},
        {"dst", form.dst},
        {"city", form.city},
        {"state", form.state},
        {"country", form.country},
        {"profile", profileName},
    };
    // Readable and stable: two spaces, the fields in the order above, every letter as UTF-8.
    return file.dump(2, ' ', false, Json::error_handler_t::strict) + "\n";
}

std::optional<UserMessage> FillFormFromVelaText(std::string_view text, BirthForm& form, std::string& profileName) {
    constexpr std::string_view kLead = "This file is not a reading of this program: ";
    Json file;
    ParseWatch watch;
    try {
        file = Json::parse(text.begin(), text.end(), std::ref(watch));
    } catch (const Json::parse_error& e) {
        return CriticalMessage(std::string(kLead) + "it is not UTF-8 JSON (at byte " + std::to_string(e.byte) + ").");
    } catch (const Json::exception&) {
        // A number beyond a double (1e400) is the only other fault the parser reports.
        return CriticalMessage(
            "This reading cannot be opened: " +
            (watch.lastKey.empty() ? std::string("a number") : FieldName(watch.lastKey.c_str(), nullptr)) +
            " holds a number too large for any field.");
    }
    if (!watch.duplicate.empty())
        return CriticalMessage("This reading cannot be opened: " + FieldName(watch.duplicate.c_str(), nullptr) +
                               " is given twice in one place, and only one can hold.");
    if (!file.is_object() || !file.contains("format") || file["format"] != kVelaFormat)
        return CriticalMessage(std::string(kLead) + "it does not say \"format\": \"vela-reading\".");
    try {
        const int version = Whole(file, "version", 1, 1 << 20);
        if (version > kVelaVersion)
            return CriticalMessage("This reading was written by a newer version of the program (file version " +
                                   std::to_string(version) + "); this one reads version " +
                                   std::to_string(kVelaVersion) + ".");
        BirthForm read;
        read.name = Text(file, "name");
        read.day = Text(file, "day");
        read.month = Whole(file, "month", 1, 12) - 1;
        read.year = Text(file, "year");
        read.hour = Text(file, "hour");
        read.minute = Text(file, "minute");
        const Json& zone = Member(file, "zone");
        if (!zone.is_object()) throw FieldError{"the field \"zone\" is not an object"};
        if (zone.contains("row") && zone.contains("offset_seconds_east"))
            throw FieldError{"the zone gives both a row and an offset; a zone is one or the other"};
        if (zone.contains("row")) {
            read.zoneRow = Whole(zone, "row", 0, kZoneCount - 1, "zone");
        } else {
            read.exactZone =
                ExactZone{Whole(zone, "offset_seconds_east", -kMaxExactOffsetSeconds, kMaxExactOffsetSeconds, "zone"),
                          Text(zone, "name", "zone")};
            read.zoneRow = -1;
        }
        const Json& lat = Member(file, "latitude");
        const Json& lon = Member(file, "longitude");
        if (!lat.is_object() || !lon.is_object()) throw FieldError{"the latitude or longitude is not an object"};
        read.latDegrees = Text(lat, "degrees", "latitude");
        read.latMinutes = Text(lat, "minutes", "latitude");
        // Seconds came with the place to the second; a file without them holds minutes.
        read.latSeconds = lat.contains("seconds") ? Text(lat, "seconds", "latitude") : std::string();
        read.latDirection = Direction(lat, "N", "S", "latitude") == "S" ? LatChoice::South : LatChoice::North;
        read.lonDegrees = Text(lon, "degrees", "longitude");
        read.lonMinutes = Text(lon, "minutes", "longitude");
        read.lonSeconds = lon.contains("seconds") ? Text(lon, "seconds", "longitude") : std::string();
        read.lonDirection = Direction(lon, "E", "W", "longitude") == "W" ? LonChoice::West : LonChoice::East;
        const Json& dst = Member(file, "dst");
        if (!dst.is_boolean()) throw FieldError{"the field \"dst\" is neither true nor false"};
        read.dst = dst.get<bool>();
        read.city = Text(file, "city");
        read.state = Text(file, "state");
        read.country = Text(file, "country");
        std::string profile = file.contains("profile") ? Text(file, "profile") : std::string("original");
        form = std::move(read);
        profileName = std::move(profile);
    } catch (const FieldError& e) {
        return CriticalMessage("This reading cannot be opened: " + e.text + ".");
    }
    return std::nullopt;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    // One open without waiting, and every later question asked of what was opened: a pipe put in the
    // file's place cannot make the read wait.
    const std::string quoted = astro::QuotedForMessage(path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) return quoted + " does not exist.";
        return quoted + " could not be opened for reading: " + std::generic_category().message(error) + ".";
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        return quoted + " could not be read: " + std::generic_category().message(error) + ".";
    }
    if (S_ISDIR(info.st_mode)) return quoted + " is a folder, not a file.";
    if (!S_ISREG(info.st_mode)) return quoted + " is not a regular file.";
    std::string read(maxBytes + 1, '\0');
    std::size_t size = 0;
    while (size < read.size()) {
        const ssize_t got = ::read(fd, read.data() + size, read.size() - size);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            return quoted + " could not be read: " + std::generic_category().message(error) + ".";
        }
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
    }
    if (size > maxBytes) return quoted + " is too large to be a reading.";
    read.resize(size);
    bytes = std::move(read);
    return std::nullopt;
}

std::optional<UserMessage> SaveVelaFile(const std::string& path, const Reading& s) {
    const BirthForm form = FormOfReading(s);
    if (auto refused = CheckVelaTexts(form)) return refused;
    // A preset by its name; any other profile spelled out axis by axis, so that it reads back whole.
    const std::string text = VelaFileText(form, upagraha::ProfileSpecText(s.profile));
    const auto problem = WriteOutputFile(path, text);
    if (!problem) return std::nullopt;
    if (problem->written)
        return CriticalMessage("The reading was written to " + astro::QuotedForMessage(path) +
                               ", but the disk did not confirm it: " + problem->reason + ".");
    return CriticalMessage(std::string(kSaveFailed) + problem->reason);
}

std::optional<UserMessage> OpenVelaFile(const std::string& path, BirthForm& form, std::string& profileName) {
    std::string bytes;
    if (auto problem = ReadSmallFile(path, kMaxVelaBytes, bytes)) return CriticalMessage(*problem);
    return FillFormFromVelaText(bytes, form, profileName);
}

}  // namespace vela::reading
