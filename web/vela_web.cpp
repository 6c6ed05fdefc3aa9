// The web module's one entry: a call by name with a JSON request (and the bytes of a file where one
// is read), answered with the command line's own output: its JSON objects, or a file's bytes.
// Every computation is the core's; this file only reads requests and chooses the call.
//
// Copyright the Vela Upagrahas authors. The module links the Swiss Ephemeris and is distributed
// under the GNU Affero General Public License 3 (see About for where its source is).
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "astro/text.h"
#include "files/day_text.h"
#include "files/notation.h"
#include "files/reading_json.h"
#include "reading/calculation_driver.h"
#include "reading/convention_grid.h"
#include "reading/day_portions.h"
#include "reading/ghatis.h"
#include "reading/jhd_reading.h"
#include "reading/reading_file.h"
#include "reading/reading_language.h"
#include "reading/reference_tables.h"
#include "reading/result_summary.h"
#include "reading/validation.h"
#include "reading/vela_file.h"
#include "reading/working.h"
#include "sky/ephemeris.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha_report.h"
#include "vela_version.h"

namespace vela::web {
namespace {

using Json = nlohmann::ordered_json;  // keys in the order written: the axes in their order

constexpr int kDone = 0;
constexpr int kRefused = 1;  // the core's own message, as the command line exits 1
constexpr int kUsage = 2;    // a request the command line would refuse as a usage error

// Where the module keeps a file it reads or writes (the in-memory file system).
constexpr const char* kScratchFolder = "/tmp/";

struct Answer {
    int status = kDone;
    std::string bytes;  // JSON text, a file's bytes, or the message
    std::string field;  // with a refusal of the form: the notation's field at fault
};

Answer Refusal(std::string text, int status = kRefused, std::string field = {}) {
    return {status, std::move(text), std::move(field)};
}

std::string Text(const Json& request, const char* key) {
    const auto at = request.find(key);
    return at != request.end() && at->is_string() ? at->get<std::string>() : std::string();
}

bool Flag(const Json& request, const char* key) {
    const auto at = request.find(key);
    return at != request.end() && at->is_boolean() && at->get<bool>();
}

// The reading's conventions: --profile, then each --convention on top.
std::optional<std::string> ProfileOf(const Json& request, upagraha::ConventionProfile& profile) {
    if (const std::string name = Text(request, "profile"); !name.empty()) {
        const auto named = upagraha::FindProfile(name);
        if (!named) return "--profile " + name + ": no such profile (--profiles lists them)";
        profile = *named;
    }
    if (const auto at = request.find("conventions"); at != request.end() && at->is_array())
        for (const Json& setting : *at)
            if (auto error = upagraha::ApplyConvention(profile, setting.is_string() ? setting.get<std::string>() : ""))
                return "--convention " + *error;
    return std::nullopt;
}

files::ReadingNotation NotationOf(const Json& request) {
    files::ReadingNotation n;
    n.name = Text(request, "name");
    n.dateText = Text(request, "date");
    n.time = Text(request, "time");
    n.zoneName = Text(request, "zone");
    n.latText = Text(request, "lat");
    n.lonText = Text(request, "lon");
    n.dstText = Flag(request, "dst") ? "true" : "false";
    n.city = Text(request, "city");
    n.state = Text(request, "state");
    n.country = Text(request, "country");
    n.offsetText = Text(request, "offset");
    return n;
}

struct Options {
    upagraha::ConventionProfile profile = upagraha::kOriginalProfile;
    std::optional<upagraha::Language> local;  // --lang, when given
    upagraha::Language language = upagraha::Language::English;
};

std::optional<Answer> ReadOptions(const Json& request, Options& options) {
    if (auto error = ProfileOf(request, options.profile)) return Refusal(*error, kUsage);
    if (request.contains("lang")) {
        const std::string code = Text(request, "lang");
        options.local = upagraha::LanguageFromCode(code);
        if (!options.local) return Refusal("--lang " + astro::QuotedForMessage(code) + ": en, hi or ta", kUsage);
        options.language = *options.local;
    }
    return std::nullopt;
}

// The form of a reading given by its fields, as the command line fills it from its flags.
std::optional<Answer> FillForm(const Json& request, const Options& options, reading::BirthForm& form) {
    const std::string ghatisText = Text(request, "ghatis");
    files::ReadingNotation notation = NotationOf(request);
    if (!ghatisText.empty()) notation.time = "12:00";
    if (auto problem = files::FillBirthForm(notation, form)) {
        if (problem->refusal)
            return Refusal(reading::MessageIn(problem->text, options.language), kRefused, std::string(problem->field));
        return Refusal(std::string("--").append(problem->field).append(" ").append(problem->text), kUsage,
                       std::string(problem->field));
    }
    if (ghatisText.empty()) return std::nullopt;
    const auto ghatis = reading::ParseGhatis(ghatisText);
    if (!ghatis)
        return Refusal("--ghatis " + astro::QuotedForMessage(ghatisText) +
                           " is not ghatis and palas written GG.PP (0 to 59 each), such as 9.38",
                       kUsage, "ghatis");
    reading::GhatiConversion conversion;
    if (auto problem = reading::ApplyGhatis(*ghatis, options.profile, form, conversion))
        return Refusal(reading::MessageIn(problem->text, options.language));
    return std::nullopt;
}

Answer ReadingOf(const reading::BirthForm& form, const Json& request, const Options& options) {
    if (Flag(request, "compare")) {
        if (Flag(request, "text")) return Refusal("text: the comparison is given as JSON only", kUsage, "text");
        reading::Reading state;
        const auto outcome = reading::RunCalculation(form, options.profile, state, reading::CalculationRequest{false});
        if (!outcome.Succeeded()) return Refusal(reading::MessageIn(outcome.message->text, options.language));
        return {kDone, files::ConventionGridJson(reading::CompareProfiles(form, options.profile)), {}};
    }
    reading::Reading state;
    reading::CalculationRequest calculation;
    const bool text = Flag(request, "text");
    calculation.buildReport = text && !Flag(request, "working");  // the JSON holds no report text
    calculation.grahas = Flag(request, "grahas");
    calculation.language = options.language;
    calculation.node = Flag(request, "trueNode") ? sky::NodeKind::True : sky::NodeKind::Mean;
    const auto outcome = reading::RunCalculation(form, options.profile, state, calculation);
    if (!outcome.Succeeded()) return Refusal(reading::MessageIn(outcome.message->text, options.language));
    // The command line's text: the report, or the working with "working", in the request's language.
    if (text && Flag(request, "working"))
        return {kDone,
                reading::WorkingText(state, outcome.upagrahas, reading::FindBirthTimeSensitivity(form, options.profile),
                                     reading::CompareConventions(form, options.profile), options.language),
                {}};
    if (text) return {kDone, upagraha::ReportPlainText(outcome.report), {}};
    if (!Flag(request, "working"))
        return {kDone, files::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings, nullptr, options.local), {}};
    const auto sensitivity = reading::FindBirthTimeSensitivity(form, options.profile);
    return {kDone, files::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings, &sensitivity, options.local), {}};
}

Answer Reading(const Json& request) {
    if (request.contains("form")) return Refusal("form: the form's notations come with a file opened", kUsage, "form");
    Options options;
    if (auto refused = ReadOptions(request, options)) return *refused;
    reading::BirthForm form;
    if (auto refused = FillForm(request, options, form)) return *refused;
    return ReadingOf(form, request, options);
}

// The request's field that holds a box of the window's form.
std::string_view FieldOfBox(reading::FormField box) {
    using reading::FormField;
    switch (box) {
        case FormField::Name:
            return "name";
        case FormField::Day:
        case FormField::Month:
        case FormField::Year:
            return "date";
        case FormField::Hour:
        case FormField::Minute:
            return "time";
        case FormField::TimeZone:
            return "zone";
        case FormField::LatDeg:
        case FormField::LatMin:
        case FormField::LatDirection:
            return "lat";
        case FormField::LonDeg:
        case FormField::LonMin:
        case FormField::LonDirection:
            return "lon";
        case FormField::City:
            return "city";
        case FormField::State:
            return "state";
        case FormField::Country:
            return "country";
        case FormField::None:
            break;
    }
    return "";
}

// {"field": ..., "text": ...}, the field null where the message names none.
std::string FieldMessage(std::string_view field, const std::string& text) {
    return Json{{"field", field.empty() ? Json() : Json(field)}, {"text", text}}.dump();
}

// The window's first message for the form, with the field it names; null when there is none.
Answer Validate(const Json& request) {
    Options options;
    if (auto refused = ReadOptions(request, options)) return *refused;
    reading::BirthForm form;
    if (auto refused = FillForm(request, options, form)) {
        // A notation's own text, without the command line's "--flag " before it.
        const std::string flag = "--" + refused->field + " ";
        if (refused->bytes.starts_with(flag)) refused->bytes.erase(0, flag.size());
        return {kDone, FieldMessage(refused->field, refused->bytes), {}};
    }
    const reading::FormValues values = reading::ParseForm(form);
    if (auto message = reading::RefuseForm(values)) {
        // The window's message for a day its month lacks names no box; it is the date's.
        const bool dayOfMonth = message->focus == reading::FormField::None && reading::CheckDayOfMonth(values);
        const std::string_view field = dayOfMonth ? std::string_view("date") : FieldOfBox(message->focus);
        return {kDone, FieldMessage(field, reading::MessageIn(message->text, options.language)), {}};
    }
    return {kDone, "null", {}};
}

std::string ScratchPath(const std::string& suffix) { return kScratchFolder + std::string("reading") + suffix; }

std::optional<std::string> ReadBack(const std::string& path, std::string& bytes) {
    return reading::ReadSmallFile(path, std::size_t{1} << 16, bytes);  // a reading file is a few hundred bytes
}

// The bytes of the file --save writes, by its kind: ".ved", ".vela" or ".jhd".
Answer Save(const Json& request) {
    Options options;
    if (auto refused = ReadOptions(request, options)) return *refused;
    const std::string kind = Text(request, "kind");
    if (kind != ".ved" && kind != ".vela" && kind != ".jhd")
        return Refusal("kind " + astro::QuotedForMessage(kind) + ": .ved, .vela or .jhd", kUsage);
    reading::BirthForm form;
    if (auto refused = FillForm(request, options, form)) return *refused;
    reading::Reading state;
    const auto outcome = reading::RunCalculation(form, options.profile, state, reading::CalculationRequest{false});
    if (!outcome.Succeeded()) return Refusal(reading::MessageIn(outcome.message->text, options.language));
    const std::string path = ScratchPath(kind);
    auto problem = kind == ".vela"  ? reading::SaveVelaFile(path, state)
                   : kind == ".jhd" ? reading::SaveJhdFile(path, state)
                                    : reading::SaveReadingFile(path, state, state.zoneRow, reading::kFieldShift);
    if (problem) return Refusal(reading::MessageIn(problem->text, options.language));
    Answer answer;
    if (auto error = ReadBack(path, answer.bytes)) return Refusal(*error);
    std::remove(path.c_str());
    return answer;
}

// A saved reading's bytes, named by its file name: its reading, as the command line gives it for
// the file (a .vela reading under its own profile unless the request names one).
Answer Open(const Json& request, std::string_view bytes) {
    Options options;
    if (auto refused = ReadOptions(request, options)) return *refused;
    // The file under its own name (a .jhd reading takes its name from it), in the scratch folder.
    std::string name = Text(request, "fileName");
    name.erase(0, name.find_last_of('/') + 1);
    const std::string suffix = reading::HasVelaFileName(name)  ? ".vela"
                               : reading::HasJhdFileName(name) ? ".jhd"
                                                               : ".ved";
    const std::string path =
        name.size() > suffix.size() && name.ends_with(suffix) ? kScratchFolder + name : ScratchPath(suffix);
    FILE* file = std::fopen(path.c_str(), "wb");
    const bool held = file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file == nullptr || std::fclose(file) != 0 || !held)
        return Refusal("The reading could not be opened: the module could not hold its bytes.");
    reading::BirthForm form;
    std::optional<reading::UserMessage> problem;
    std::string fileProfile = "original";
    reading::OpenedReading opened;
    if (reading::HasVelaFileName(path))
        problem = reading::OpenVelaFile(path, form, fileProfile);
    else if (reading::HasJhdFileName(path))
        problem = reading::OpenJhdFile(path, form);
    else
        problem = reading::OpenReadingFile(path, form, opened);
    std::remove(path.c_str());
    if (problem) return Refusal(reading::MessageIn(problem->text, options.language));
    if (!opened.unreadLines.empty())
        return Refusal(reading::MessageIn(reading::UnreadLinesRefusal(opened).text, options.language));
    if (!request.contains("profile")) {
        const auto named = upagraha::ParseProfileSpec(fileProfile);
        if (!named.profile)
            return Refusal("The reading names the profile " + astro::QuotedForMessage(fileProfile) +
                           ", which this program does not know; give --profile.");
        options.profile = *named.profile;
        if (auto error = ProfileOf(Json{{"conventions", request.value("conventions", Json::array())}}, options.profile))
            return Refusal(*error, kUsage);
    }
    Answer answer = ReadingOf(form, request, options);
    if (answer.status != kDone || !Flag(request, "form")) return answer;
    // With "form": the reading beside the form's notations, as the form takes them back.
    const files::FormNotation filled = files::NotationOfForm(form);
    const files::ReadingNotation& n = filled.notation;
    Json notation = {{"name", n.name}, {"date", n.dateText}, {"time", n.time}};
    if (n.offsetText.empty())
        notation["zone"] = n.zoneName;
    else
        notation["offset"] = n.offsetText;
    notation.update(Json{{"lat", n.latText},
                         {"lon", n.lonText},
                         {"dst", form.dst},
                         {"city", n.city},
                         {"state", n.state},
                         {"country", n.country}});
    answer.bytes = R"({"form":)" + notation.dump() + R"(,"secondsOfArc":)" + (filled.secondsOfArc ? "true" : "false") +
                   R"(,"reading":)" + answer.bytes + "}";
    return answer;
}

bool Digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "2024-04-03" with the day, "2024-04" without, as --day and --month take them.
std::optional<astro::CivilDate> DateOf(std::string_view text, bool withDay) {
    text = astro::TrimBlanks(text);
    if (text.size() != (withDay ? 10U : 7U) || text[4] != '-' || (withDay && text[7] != '-')) return std::nullopt;
    if (!Digits(text.substr(0, 4)) || !Digits(text.substr(5, 2)) || (withDay && !Digits(text.substr(8, 2))))
        return std::nullopt;
    const astro::CivilDate date{std::stoi(std::string(text.substr(0, 4))), std::stoi(std::string(text.substr(5, 2))),
                                withDay ? std::stoi(std::string(text.substr(8, 2))) : 1};
    if (date.month < 1 || date.month > 12 || (withDay && (date.day < 1 || date.day > 31))) return std::nullopt;
    return date;
}

std::optional<Answer> PlaceOf(const Json& request, reading::DayPlace& place) {
    reading::BirthForm form;
    files::ReadingNotation n = NotationOf(request);
    for (const auto& [flag, problem] : {std::pair{"--lat", files::ApplyLatitude(n.latText, form)},
                                        std::pair{"--lon", files::ApplyLongitude(n.lonText, form)},
                                        std::pair{"--zone", files::ApplyZone(n.zoneName, form)},
                                        std::pair{"--dst", files::ApplyDst(n.dstText, form)}})
        if (problem) return Refusal(std::string(flag) + " " + *problem, kUsage, std::string(flag).substr(2));
    reading::FormValues values = reading::ParseForm(form);
    values.dst = Flag(request, "dst");
    if (auto problem = reading::DayPlaceOf(values, place)) return Refusal(*problem);
    return std::nullopt;
}

// --day DATE and --month YYYY-MM at a place, as JSON (or the month as CSV with "csv").
Answer Sheet(const Json& request, bool day) {
    Options options;
    if (auto refused = ReadOptions(request, options)) return *refused;
    reading::DayPlace place;
    if (auto refused = PlaceOf(request, place)) return *refused;
    const std::string dateText = Text(request, day ? "day" : "month");
    const auto date = DateOf(dateText, day);
    if (!date)
        return Refusal(std::string(day ? "--day " : "--month ") + astro::QuotedForMessage(dateText) +
                           (day ? ": expected YYYY-MM-DD" : ": expected YYYY-MM"),
                       kUsage);
    if (day) {
        const auto outcome = reading::CalculateDay(place, *date, options.profile);
        if (outcome.message) return Refusal(reading::MessageIn(*outcome.message, options.language));
        if (Flag(request, "text"))
            return {kDone,
                    files::DaySheetText(outcome.sheet, place, options.profile, Flag(request, "choghadiya"),
                                        options.language),
                    {}};
        return {kDone, files::DaySheetJson(outcome.sheet, place, options.profile, Flag(request, "choghadiya")), {}};
    }
    const auto outcome = reading::CalculateMonth(place, date->year, date->month, options.profile);
    if (outcome.message) return Refusal(reading::MessageIn(*outcome.message, options.language));
    if (Flag(request, "csv")) return {kDone, reading::MonthSheetCsv(outcome.sheet), {}};
    if (Flag(request, "text"))
        return {kDone, files::MonthSheetText(outcome.sheet, place, options.profile, options.language), {}};
    return {kDone, files::MonthSheetJson(outcome.sheet, place, options.profile), {}};
}

// --zones as JSON: each row's number, text and offset.
Answer Zones() {
    Json rows = Json::array();
    for (int row = 0; row < reading::kZoneCount; ++row)
        rows.push_back({{"row", row},
                        {"text", reading::kZoneRows[static_cast<std::size_t>(row)].text},
                        {"offset", reading::ZoneOffsetText(row)}});
    return {kDone, rows.dump(), {}};
}

// --profiles as JSON: each preset with its description and its value on every axis, then the axes.
Answer Profiles(const Json& request) {
    Options options;
    if (auto refused = ReadOptions(request, options)) return *refused;
    Json presets = Json::array();
    for (const auto& profile : upagraha::ListedProfiles()) {
        Json axes = Json::object();
        for (const auto& setting : upagraha::AxisSettings(profile)) axes[std::string(setting.axis)] = setting.value;
        presets.push_back({{"name", profile.name},
                           {"description", reading::ProfileDescription(profile, options.language)},
                           {"axes", axes}});
    }
    Json axes = Json::object();
    for (const std::string_view axis : upagraha::kAxisNames) {
        Json values = Json::array();
        for (const std::string_view value : upagraha::AxisValues(axis)) values.push_back(value);
        axes[std::string(axis)] = values;
    }
    return {kDone, Json{{"profiles", presets}, {"axes", axes}}.dump(), {}};
}

// What the page shows under About: the version, the licence and where the source is.
Answer About() {
    return {
        kDone,
        Json{{"version", kVersion},
             {"licence", "AGPL-3.0"},
             {"licenceNote", kLinkedLicenceNote},
             {"source", VELA_SOURCE_URL},
             {"ephemeris", {{"name", "Swiss Ephemeris"}, {"version", VELA_EPHEMERIS_VERSION}, {"licence", "AGPL-3.0"}}}}
            .dump(),
        {}};
}

// A field the command line has no flag for, or a value of the wrong kind, is refused as the command
// line refuses an unknown or malformed option, rather than passed over.
std::optional<Answer> CheckRequest(const Json& request) {
    static constexpr std::array<std::string_view, 17> kTexts = {
        "name",    "date",   "time",    "zone", "offset", "lat",      "lon", "city", "state",
        "country", "ghatis", "profile", "lang", "kind",   "fileName", "day", "month"};
    static constexpr std::array<std::string_view, 9> kFlags = {"dst",        "grahas", "trueNode", "working", "compare",
                                                               "choghadiya", "csv",    "text",     "form"};
    const auto among = [](const auto& names, const std::string& key) {
        return std::find(names.begin(), names.end(), key) != names.end();
    };
    for (const auto& [key, value] : request.items()) {
        const bool known = among(kTexts, key) || among(kFlags, key) || key == "conventions";
        if (!known) return Refusal("no such field: " + astro::QuotedForMessage(key), kUsage, key);
        if (among(kTexts, key) && !value.is_string()) return Refusal(key + " must be a text", kUsage, key);
        if (among(kFlags, key) && !value.is_boolean()) return Refusal(key + " must be true or false", kUsage, key);
        if (key == "conventions" && (!value.is_array() || !std::all_of(value.begin(), value.end(),
                                                                       [](const Json& v) { return v.is_string(); })))
            return Refusal("conventions must be a list of AXIS=VALUE texts", kUsage, key);
    }
    return std::nullopt;
}

Answer Dispatch(std::string_view method, const Json& request, std::string_view bytes) {
    if (auto refused = CheckRequest(request)) return *refused;
    if (method == "reading") return Reading(request);
    if (method == "validate") return Validate(request);
    if (method == "save") return Save(request);
    if (method == "open") return Open(request, bytes);
    if (method == "day") return Sheet(request, true);
    if (method == "month") return Sheet(request, false);
    if (method == "zones") return Zones();
    if (method == "profiles") return Profiles(request);
    if (method == "about") return About();
    return Refusal("no such call: " + astro::QuotedForMessage(method), kUsage);
}

Answer lastAnswer;

}  // namespace
}  // namespace vela::web

// The C entry points the JavaScript wrapper calls (web/vela.mjs).
extern "C" {

// Answers a call; its status is returned (0 done, 1 refused, 2 a usage error) and its bytes and
// field wait in VelaAnswerBytes/VelaAnswerSize/VelaAnswerField until the next call.
int VelaCall(const char* method, const char* requestJson, const char* bytes, std::size_t byteCount) {
    using namespace vela::web;
    Json request = Json::parse(requestJson, nullptr, false);
    if (request.is_discarded() || !request.is_object()) {
        lastAnswer = Refusal("the request is not a JSON object", kUsage);
        return lastAnswer.status;
    }
    try {
        lastAnswer = Dispatch(method, request, std::string_view(bytes, byteCount));
    } catch (const std::exception& e) {
        lastAnswer = Refusal(std::string("the request could not be read: ") + e.what(), kUsage);
    }
    return lastAnswer.status;
}

const char* VelaAnswerBytes() { return vela::web::lastAnswer.bytes.data(); }
std::size_t VelaAnswerSize() { return vela::web::lastAnswer.bytes.size(); }
const char* VelaAnswerField() { return vela::web::lastAnswer.field.c_str(); }

// Where the ephemeris files are looked for (the page writes them there before the precise profile).
void VelaSetEphemerisFolder(const char* folder) { vela::sky::SetEphemerisFolder(folder); }
}
