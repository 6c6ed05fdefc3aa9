#include "reading/vela_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "astro/text.h"
#include "reading/file_output.h"
#include "reading/jhd_reading.h"
#include "reading/reading_file.h"
#include "upagraha/profiles.h"

namespace vela::reading {

namespace {

namespace fs = std::filesystem;
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

const Json& Member(const Json& object, const char* key) {
    const auto at = object.find(key);
    if (at == object.end()) throw FieldError{std::string("the field \"") + key + "\" is missing"};
    return *at;
}

std::string Text(const Json& object, const char* key) {
    const Json& value = Member(object, key);
    if (!value.is_string()) throw FieldError{std::string("the field \"") + key + "\" is not a text"};
    std::string text = value.get<std::string>();
    if (text.size() > kMaxVelaTextBytes) throw FieldError{std::string("the field \"") + key + "\" is too long"};
    return text;
}

int Whole(const Json& object, const char* key, int lo, int hi) {
    const Json& value = Member(object, key);
    if (!value.is_number_integer() || value.get<long long>() < lo || value.get<long long>() > hi)
        throw FieldError{std::string("the field \"") + key + "\" is not a whole number from " + std::to_string(lo) +
                         " to " + std::to_string(hi)};
    return value.get<int>();
}

std::string Direction(const Json& angle, std::string_view positive, std::string_view negative, const char* key) {
    const std::string d = Text(angle, "direction");
    if (d != positive && d != negative)
        throw FieldError{std::string("the direction of the ") + key + " is neither " + std::string(positive) + " nor " +
                         std::string(negative)};
    return d;
}

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
    if (HasJhdFileName(path)) return OpenJhdFile(path, form);
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
    try {
        file = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& e) {
        return CriticalMessage(std::string(kLead) + "it is not UTF-8 JSON (at byte " + std::to_string(e.byte) + ").");
    }
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
        if (zone.contains("row")) {
            read.zoneRow = Whole(zone, "row", 0, kZoneCount - 1);
        } else {
            read.exactZone =
                ExactZone{Whole(zone, "offset_seconds_east", -kMaxExactOffsetSeconds, kMaxExactOffsetSeconds),
                          Text(zone, "name")};
            read.zoneRow = -1;
        }
        const Json& lat = Member(file, "latitude");
        const Json& lon = Member(file, "longitude");
        if (!lat.is_object() || !lon.is_object()) throw FieldError{"the latitude or longitude is not an object"};
        read.latDegrees = Text(lat, "degrees");
        read.latMinutes = Text(lat, "minutes");
        // Seconds came with the place to the second; a file without them holds minutes.
        read.latSeconds = lat.contains("seconds") ? Text(lat, "seconds") : std::string();
        read.latDirection = Direction(lat, "N", "S", "latitude") == "S" ? LatChoice::South : LatChoice::North;
        read.lonDegrees = Text(lon, "degrees");
        read.lonMinutes = Text(lon, "minutes");
        read.lonSeconds = lon.contains("seconds") ? Text(lon, "seconds") : std::string();
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
    const std::string quoted = astro::QuotedForMessage(path);
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return quoted + " does not exist.";
    if (!fs::is_regular_file(status)) return quoted + " is not a regular file.";
    std::ifstream in(path, std::ios::binary);
    if (!in) return quoted + " could not be opened for reading.";
    std::string read(maxBytes + 1, '\0');
    in.read(read.data(), static_cast<std::streamsize>(read.size()));
    if (in.bad()) return quoted + " could not be read.";
    read.resize(static_cast<std::size_t>(in.gcount()));
    if (read.size() > maxBytes) return quoted + " is too large to be a reading.";
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
