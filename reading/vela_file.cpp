#include "reading/vela_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "astro/text.h"
#include "reading/file_output.h"

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

Json Angle(const std::string& degrees, const std::string& minutes, std::string_view direction) {
    return Json{{"degrees", degrees}, {"minutes", minutes}, {"direction", direction}};
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

}  // namespace

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
        {"latitude", Angle(form.latDegrees, form.latMinutes, form.latDirection == LatChoice::South ? "S" : "N")},
        {"longitude", Angle(form.lonDegrees, form.lonMinutes, form.lonDirection == LonChoice::West ? "W" : "E")},
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
        read.latDirection = Direction(lat, "N", "S", "latitude") == "S" ? LatChoice::South : LatChoice::North;
        read.lonDegrees = Text(lon, "degrees");
        read.lonMinutes = Text(lon, "minutes");
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
    const std::string text = VelaFileText(FormOfReading(s), s.profile.name);
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
