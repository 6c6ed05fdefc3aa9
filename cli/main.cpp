// vela-upagrahas-cli: readings without the window, one at a time or a whole file of them.
//
// Flow: arguments -> (saved reading file | notation) -> form -> RunCalculation -> report text or
// JSON on standard output. Refusals print the window's message on standard error and exit 1;
// anything the arguments themselves get wrong exits 2 with one line that says what.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "astro/text.h"
#include "cli/batch.h"
#include "cli/day_command.h"
#include "cli/varga_json.h"
#include "files/json_writer.h"
#include "files/notation.h"
#include "files/reading_json.h"
#include "reading/calculation_driver.h"
#include "reading/convention_grid.h"
#include "reading/file_output.h"
#include "reading/ghatis.h"
#include "reading/jhd_reading.h"
#include "reading/reading_file.h"
#include "reading/reading_language.h"
#include "reading/reference_tables.h"
#include "reading/result_summary.h"
#include "reading/varga_points.h"
#include "reading/vela_file.h"
#include "reading/working.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"
#include "vela_version.h"

namespace {

using namespace vela;

constexpr std::string_view kProgram = "vela-upagrahas-cli";
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kDescription =
    "Vela Upagrahas on the command line: the six time-based upagrahas (Kaala, Mrityu, Arthaprahaara,\n"
    "Yamaghantaka, Gulika, Maandi) of a birth, printed as the window's report or as JSON.\n"
    "\n"
    "  vela-upagrahas-cli READING.ved                  the report of a saved reading\n"
    "  vela-upagrahas-cli --name ... --country ...     the report of a reading given by flags\n"
    "  vela-upagrahas-cli --batch READINGS.csv         one JSON line per row of a CSV file\n"
    "  vela-upagrahas-cli --zones                      the zone table's rows\n"
    "  vela-upagrahas-cli --profiles                   the convention profiles\n"
    "  vela-upagrahas-cli --day 2024-04-03 --lat 13N05 --lon 80E17 --zone 34\n"
    "                                                  a day's portions, horas, Rahu Kalam (--month YYYY-MM:\n"
    "                                                  a month's; --day --help says more)\n"
    "  add --working to see how a reading came about and how much it depends on the birth time,\n"
    "  and --profile NAME to read under other conventions than the program's own\n";

constexpr std::string_view kFooter =
    "Notations: --date YYYY-MM-DD (1901 to 2050); --time HH:MM on the 24-hour clock of the zone;\n"
    "--zone ROW is a row of --zones (34 is \"Indian Time, IST, +5.3\"); --lat 28N37 is 28 degrees\n"
    "37 minutes North, --lon 77E13 is 77 degrees 13 minutes East, 0W07 is 0 degrees 7 minutes West\n"
    "(whole degrees, the direction letter, always two digits of minutes). Name, city, state and\n"
    "country take letters, blanks, and an apostrophe, hyphen or full stop after a letter, as in\n"
    "the window (\"Jean-Pierre D'Souza\", \"St. John's\").\n"
    "\n"
    "A zone three hours or more from the place's mean time (longitude / 15) is calculated but named:\n"
    "on standard error beside the report, or in the JSON's \"warnings\".\n"
    "\n"
    "Batch: the CSV's first line is the header name,date,time,zone,lat,lon,dst,city,state,country\n"
    "with dst true or false, optionally followed by a profile column (a name of --profiles, or empty\n"
    "for the run's); \"...\" quotes a field, \"\" is a quote inside it; a record is one line.\n"
    "Each row gives one JSON object on its own line, a refused row {\"row\": N, \"error\": \"...\"}\n"
    "where row N is line N + 1 of the file. --batch - reads standard input.\n"
    "\n"
    "Exit status: 0 done; 1 a reading or row refused (its message on standard error, or in the\n"
    "row's error object), or a file that could not be read or written; 2 a usage error.\n"
    "\n"
    "Example (New Delhi, 15 June 1975, 10:30 Indian time):\n"
    "  vela-upagrahas-cli --name Asha --date 1975-06-15 --time 10:30 --zone 34 \\\n"
    "      --lat 28N37 --lon 77E13 --city \"New Delhi\" --state Delhi --country India --json\n";

int UsageError(std::string_view what) {
    // One line of sane length: the message may quote any argument, a path of 128 KiB with escape
    // sequences in it included.
    constexpr std::size_t kMaxUsageBytes = 400;
    std::string line(what);
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::cerr << kProgram << ": " << astro::PrintableForMessage(line, kMaxUsageBytes) << " (see " << kProgram
              << " --help)\n";
    return kExitUsage;
}

// Standard output is the product: a write that failed (a full disk, a closed pipe) must not end
// as success.
int Finish(int status) {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << kProgram << ": the output could not be written\n";
        return kExitRefused;
    }
    return status;
}

int ListZones() {
    for (int row = 0; row < reading::kZoneCount; ++row)
        std::cout << row << '\t' << reading::kZoneRows[static_cast<std::size_t>(row)].text << '\t'
                  << reading::ZoneOffsetText(row) << '\n';
    return Finish(0);
}

// One line per preset: its name, what it holds in words (in the language), and its value on every
// axis; then the axes --convention sets and the values each takes, which are typed as they are.
int ListProfiles(upagraha::Language language) {
    for (const auto& profile : upagraha::ListedProfiles()) {
        std::cout << profile.name << '\t' << reading::ProfileDescription(profile, language) << '\t';
        const auto settings = upagraha::AxisSettings(profile);
        for (std::size_t a = 0; a < settings.size(); ++a)
            std::cout << (a > 0 ? ";" : "") << settings[a].axis << '=' << settings[a].value;
        std::cout << '\n';
    }
    std::cout << '\n'
              << reading::Say("Axes (%1, or %2 in a batch's profile column):", language,
                              {"--convention AXIS=VALUE", "NAME;AXIS=VALUE;..."})
              << '\n';
    for (const std::string_view axis : upagraha::kAxisNames) {
        std::cout << axis << '\t';
        const auto values = upagraha::AxisValues(axis);
        for (std::size_t v = 0; v < values.size(); ++v) std::cout << (v > 0 ? " | " : "") << values[v];
        std::cout << '\n';
    }
    return Finish(0);
}

// The same birth under every preset and the profile in use, side by side.
int RunComparison(const reading::BirthForm& form, const upagraha::ConventionProfile& profile, bool json,
                  upagraha::Language language) {
    reading::Reading state;
    const auto outcome = reading::RunCalculation(form, profile, state, reading::CalculationRequest{false});
    if (!outcome.Succeeded()) {
        std::cerr << reading::MessageIn(outcome.message->text, language) << '\n';
        return kExitRefused;
    }
    const reading::ConventionGrid grid = reading::CompareProfiles(form, profile);
    std::cout << (json ? files::ConventionGridJson(grid) + "\n" : reading::ConventionGridText(grid, language));
    return Finish(0);
}

bool IsReadingFileName(const std::string& path) {
    return reading::HasReadingFileName(path) || reading::HasVelaFileName(path) || reading::HasJhdFileName(path);
}

// One JSON line for one reading file of a batch: the reading, or {"file": ..., "error": ...}. A
// file that cannot be read never stops the run.
bool BatchReadingFile(const std::string& path, const cli::BatchOptions& options) {
    std::string problem;
    try {
        reading::BirthForm form;
        upagraha::ConventionProfile profile;
        reading::OpenedReading opened;
        if (auto refused = cli::OpenReadingInput(path, options, form, profile, opened)) {
            problem = *refused;
        } else {
            reading::Reading state;
            reading::CalculationRequest request;
            request.buildReport = false;
            request.grahas = options.grahas;
            request.node = options.trueNode ? sky::NodeKind::True : sky::NodeKind::Mean;
            const auto outcome = reading::RunCalculation(form, profile, state, request);
            if (outcome.Succeeded()) {
                std::string line = files::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings);
                if (options.vargas.Asked())
                    cli::AddVargasToObject(line, reading::BuildVargaTable(state, outcome.upagrahas, options.grahas),
                                           options.vargas);
                std::cout << line << '\n';
                return true;
            }
            problem = outcome.message->text;
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        problem = std::string("The reading could not be calculated: ").append(e.what());
    }
    std::string line;
    {
        files::JsonWriter w(line);
        w.BeginObject();
        w.Field("file", path);
        w.Field("error", problem);
        w.EndObject();
    }
    std::cout << line << '\n';
    return false;
}

// The system's reason for a failed call, as a sentence's end ("Permission denied").
std::string Reason(const std::error_code& ec) { return ec.message(); }

// A batch of reading files: one file, or every .ved, .vela and .jhd file of a folder in name order.
int RunBatchReadings(const std::string& path, const cli::BatchOptions& options) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        fs::directory_iterator entry(path, ec);
        for (; !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
            std::error_code kind;
            if (entry->is_regular_file(kind) && IsReadingFileName(entry->path().string()))
                files.push_back(entry->path().string());
        }
        if (ec) {
            std::cerr << kProgram << ": the folder " << astro::QuotedForMessage(path)
                      << " could not be listed: " << Reason(ec) << '\n';
            return kExitRefused;
        }
        std::sort(files.begin(), files.end());
        if (files.empty()) {
            std::cerr << kProgram << ": the folder " << astro::QuotedForMessage(path)
                      << " holds no .ved, .vela or .jhd file\n";
            return kExitRefused;
        }
    } else {
        files.push_back(path);
    }
    int status = 0;
    for (const std::string& file : files)
        if (!BatchReadingFile(file, options)) status = kExitRefused;
    return Finish(status);
}

int RunBatchFile(const std::string& path, const cli::BatchOptions& options) {
    std::error_code folder;
    if (path != "-" && (IsReadingFileName(path) || std::filesystem::is_directory(path, folder)))
        return RunBatchReadings(path, options);
    if (path == "-") return Finish(cli::RunBatch(std::cin, std::cout, std::cerr, options));
    std::ifstream in;
    errno = 0;
    in.open(path, std::ios::binary);
    if (!in) {
        const int cause = errno;
        std::cerr << kProgram << ": " << astro::QuotedForMessage(path) << " could not be opened for reading"
                  << (cause != 0 ? ": " + Reason(std::error_code(cause, std::generic_category())) : std::string())
                  << '\n';
        return kExitRefused;
    }
    return Finish(cli::RunBatch(in, std::cout, std::cerr, options));
}

// What a reading on the command line is asked for, besides the form and the profile.
struct ReadingRequest {
    bool json = false;
    bool working = false;
    bool compareProfiles = false;
    bool grahas = false;
    bool trueNode = false;
    std::string savePath;
    std::optional<upagraha::Language> local;
    cli::VargaRequest vargas;
    int openedShift = reading::kFieldShift;
    const reading::JhdChart* openedChart = nullptr;
};

// Saves a calculated reading to the file asked for, by the file's kind; 0, or kExitRefused when
// the file was not written.
int SaveAsked(const reading::Reading& state, const ReadingRequest& asked, upagraha::Language language) {
    const std::string& savePath = asked.savePath;
    // The file's kind by its name: a .vela or .jhd file, else the .ved reading file.
    auto problem = reading::HasVelaFileName(savePath) ? reading::SaveVelaFile(savePath, state)
                   : reading::HasJhdFileName(savePath)
                       ? reading::SaveJhdFile(savePath, state, asked.openedChart)
                       : reading::SaveReadingFile(savePath, state, state.zoneRow, asked.openedShift);
    if (problem) {
        std::cerr << reading::MessageIn(problem->text, language) << '\n';
        return kExitRefused;
    }
    if (reading::HasJhdFileName(savePath)) {
        if (const auto notice = reading::JhdNameNotice(savePath, state.name))
            std::cerr << reading::MessageIn(*notice, language) << '\n';
    }
    return 0;
}

void PrintReadingJson(const reading::BirthForm& form, const upagraha::ConventionProfile& profile,
                      const reading::Reading& state, const reading::CalculationOutcome& outcome,
                      const ReadingRequest& asked) {
    std::string line;
    if (asked.working) {
        const auto sensitivity = reading::FindBirthTimeSensitivity(form, profile);
        line = files::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings, &sensitivity, asked.local);
    } else {
        line = files::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings, nullptr, asked.local);
    }
    if (asked.vargas.Asked())
        cli::AddVargasToObject(line, reading::BuildVargaTable(state, outcome.upagrahas, asked.grahas), asked.vargas,
                               asked.local);
    std::cout << line << '\n';
}

void PrintReadingText(const reading::BirthForm& form, const upagraha::ConventionProfile& profile,
                      const reading::Reading& state, const reading::CalculationOutcome& outcome,
                      const ReadingRequest& asked, upagraha::Language language) {
    // Text output: the warnings go beside it, on standard error, so the report stays as it is.
    for (const std::string& warning : outcome.warnings) std::cerr << reading::MessageIn(warning, language) << '\n';
    if (asked.working) {
        std::cout << reading::WorkingText(state, outcome.upagrahas, reading::FindBirthTimeSensitivity(form, profile),
                                          reading::CompareConventions(form, profile), language);
    } else {
        std::cout << upagraha::ReportPlainText(outcome.report);
    }
    // The vargas after the report (or the working), as a section of their own.
    if (asked.vargas.Asked())
        std::cout << '\n'
                  << reading::VargaTableText(reading::BuildVargaTable(state, outcome.upagrahas, asked.grahas),
                                             asked.vargas.all ? std::nullopt : asked.vargas.division, language);
}

// Runs the reading of a filled form and prints it (with its working when asked); saves it when asked.
// A reading opened from a file is saved with that file's shift when the program's own cannot hold
// one of its letters, and as a chart from the chart it was opened from, when it was one.
int RunReading(const reading::BirthForm& form, const upagraha::ConventionProfile& profile,
               const ReadingRequest& asked) {
    const upagraha::Language language = asked.local.value_or(upagraha::Language::English);
    if (asked.compareProfiles) return RunComparison(form, profile, asked.json, language);
    reading::Reading state;
    reading::CalculationRequest request;
    request.grahas = asked.grahas;
    request.language = language;
    request.node = asked.trueNode ? sky::NodeKind::True : sky::NodeKind::Mean;
    const auto outcome = reading::RunCalculation(form, profile, state, request);
    if (!outcome.Succeeded()) {
        std::cerr << reading::MessageIn(outcome.message->text, language) << '\n';
        return kExitRefused;
    }
    const int status = asked.savePath.empty() ? 0 : SaveAsked(state, asked, language);
    if (asked.json)
        PrintReadingJson(form, profile, state, outcome, asked);
    else
        PrintReadingText(form, profile, state, outcome, asked, language);
    return Finish(status);
}

// The help says the rules between options in the footer's words: CLI11 would add a list of the
// needed and excluded options to each flag's line (in the order of their addresses in memory).
class HelpFormatter : public CLI::Formatter {
public:
    std::string make_option_opts(const CLI::Option* option) const override {
        std::string text = CLI::Formatter::make_option_opts(option);
        // The lists come last, after the value's shape.
        for (const char* list : {" Needs:", " Excludes:"})
            if (const auto at = text.find(list); at != std::string::npos) text.erase(at);
        return text;
    }
};

// The options of the rules, as main declares them.
struct RuleOptions {
    CLI::Option* file = nullptr;
    std::vector<CLI::Option*> readingFlags;  // the nine texts a reading by flags needs
    CLI::Option* dst = nullptr;
    CLI::Option* save = nullptr;
    CLI::Option* json = nullptr;
    CLI::Option* working = nullptr;
    CLI::Option* batch = nullptr;
    CLI::Option* zones = nullptr;
    CLI::Option* profiles = nullptr;
    CLI::Option* profile = nullptr;
    CLI::Option* convention = nullptr;
    CLI::Option* compare = nullptr;
    CLI::Option* grahas = nullptr;
    CLI::Option* trueNode = nullptr;
    CLI::Option* zone = nullptr;       // among readingFlags; --offset may stand for it
    CLI::Option* offset = nullptr;     // --offset: an exact offset instead of --zone
    std::vector<CLI::Option*> vargas;  // --vargas and --varga
};

bool Given(const CLI::Option* option) { return option->count() > 0; }

// The rules between options, checked by CLI11 while it parses: a listing takes nothing else; a
// batch takes only its file, --profile, --grahas, --true-node and --json; a saved reading excludes the reading flags;
// each reading flag, and --dst, needs all nine.
void DeclareRules(const RuleOptions& o) {
    std::vector<CLI::Option*> readingOptions = o.readingFlags;
    readingOptions.push_back(o.dst);
    if (o.offset) readingOptions.push_back(o.offset);
    std::vector<CLI::Option*> all = readingOptions;
    all.insert(all.end(),
               {o.file, o.save, o.json, o.working, o.batch, o.profile, o.convention, o.compare, o.grahas, o.trueNode});
    for (CLI::Option* other : all) {
        o.zones->excludes(other);
        o.profiles->excludes(other);
    }
    o.zones->excludes(o.profiles);
    for (CLI::Option* other : readingOptions) {
        o.batch->excludes(other);
        o.file->excludes(other);
    }
    o.batch->excludes(o.file, o.save, o.working, o.compare);
    o.compare->excludes(o.working, o.save, o.grahas, o.trueNode);
    for (CLI::Option* varga : o.vargas) {
        o.zones->excludes(varga);
        o.profiles->excludes(varga);
        o.compare->excludes(varga);
    }
    for (CLI::Option* flag : readingOptions)
        for (CLI::Option* needed : o.readingFlags)
            if (needed != flag && needed != o.zone && needed != o.readingFlags[2]) flag->needs(needed);
    if (o.offset) o.offset->excludes(o.zone);
}

// " (given: x.ved, --lat)": which of the options were given, so that a rule's message names them.
std::string GivenAmong(const std::vector<CLI::Option*>& options) {
    std::string names;
    for (const CLI::Option* option : options) {
        if (option == nullptr || !Given(option)) continue;
        names.append(names.empty() ? " (given: " : ", ");
        names.append(option->get_positional() ? option->as<std::string>() : option->get_name());
    }
    return names.empty() ? names : names + ")";
}

// What a broken rule tells the user. CLI11's own message names only the first pair of options it
// meets, in the order they were declared ("--name requires --date" where a batch was given with
// the reading flags); the rules are told here in their own words, by the first broken one in the
// order the modes are explained, and a missing reading flag by the whole list of missing ones.
std::string BrokenRuleMessage(const RuleOptions& o) {
    std::vector<CLI::Option*> readingOptions = o.readingFlags;
    readingOptions.insert(readingOptions.end(), {o.dst, o.offset});
    std::vector<CLI::Option*> others = readingOptions;
    others.insert(others.end(), {o.file, o.save, o.json, o.working, o.batch, o.profile, o.convention, o.compare,
                                 o.grahas, o.trueNode});
    std::vector<CLI::Option*> notForBatch = readingOptions;
    notForBatch.insert(notForBatch.end(), {o.file, o.save, o.working, o.compare});
    if (Given(o.zones)) return "--zones takes no other arguments" + GivenAmong(others);
    if (Given(o.profiles)) return "--profiles takes no other arguments" + GivenAmong(others);
    if (Given(o.batch))
        return "--batch takes only the CSV file, --profile, --convention, --grahas, --true-node, --vargas, --varga "
               "and --json (which it always writes)" +
               GivenAmong(notForBatch);
    if (Given(o.compare))
        return "--compare takes a reading, --profile, --convention and --json, nothing else" +
               GivenAmong({o.working, o.save, o.grahas, o.trueNode});
    if (Given(o.file))
        return "give either the saved reading " + astro::QuotedForMessage(o.file->as<std::string>()) +
               " or the reading flags, not both" + GivenAmong(readingOptions);
    if (o.offset && Given(o.offset) && Given(o.zone)) return "give either --zone or --offset, not both";
    std::string missing;
    for (const CLI::Option* flag : o.readingFlags)
        if (!Given(flag) && !(flag == o.zone && o.offset && Given(o.offset)))
            missing += (missing.empty() ? "" : ", ") + flag->get_name() +
                       (flag == o.zone              ? " (or --offset)"
                        : flag == o.readingFlags[2] ? " (or --ghatis)"
                                                    : "");
    return "missing " + missing;
}

// What the arguments say, as CLI11 fills it in, and the options that carry it.
struct Options {
    std::string readingPath;
    files::ReadingNotation notation;
    bool dst = false;
    std::string savePath;
    bool json = false;
    std::string batchPath;
    bool zones = false;
    bool profiles = false;
    bool compareProfiles = false;
    std::string profileName;
    bool working = false;
    bool grahas = false;
    bool trueNode = false;
    bool allVargas = false;
    int vargaDivision = 0;
    std::vector<std::string> conventionSettings;
    std::string languageCode = "en";
    std::string ghatisText;
    RuleOptions rules;
    CLI::Option* language = nullptr;
    CLI::Option* ghatis = nullptr;
};

void AddReadingOptions(CLI::App& app, Options& o) {
    auto& notation = o.notation;
    o.rules.file = app.add_option("READING.ved", o.readingPath,
                                  "A saved reading (.ved or .vela) or a .jhd chart file to calculate and print")
                       ->type_name("");
    const auto reading = [&app](const char* flag, std::string& text, const char* help, const char* shape) {
        return app.add_option(flag, text, help)->type_name(shape)->group("Reading");
    };
    o.rules.readingFlags = {
        reading("--name", notation.name, "Name of the person", "NAME"),
        reading("--date", notation.dateText, "Date of birth", "YYYY-MM-DD"),
        reading("--time", notation.time, "Clock time of birth in the zone, 24-hour clock", "HH:MM"),
        reading("--zone", notation.zoneName, "Time zone: a row of --zones, 0 to 80", "ROW"),
        reading("--lat", notation.latText, "Latitude, such as 28N37 or 33S52", "28N37"),
        reading("--lon", notation.lonText, "Longitude, such as 77E13 or 0W07", "77E13"),
        reading("--city", notation.city, "City of birth", "CITY"),
        reading("--state", notation.state, "State of birth", "STATE"),
        reading("--country", notation.country, "Country of birth", "COUNTRY"),
    };
    o.rules.dst = app.add_flag("--dst", o.dst, "Daylight saving time was in force")->group("Reading");
}

void AddOutputOptions(CLI::App& app, Options& o) {
    o.rules.save =
        app.add_option("--save", o.savePath,
                       "Also write the reading to FILE: a .ved reading, a .vela reading (any script, an exact "
                       "offset) or a .jhd chart, by the file's name")
            ->type_name("FILE")
            ->group("Output");
    o.rules.json = app.add_flag("--json", o.json, "Print one JSON object instead of the report")->group("Output");
    o.rules.working =
        app.add_flag("--working", o.working,
                     "Print the working instead of the report: sunrises and sunsets, day or night, portions, "
                     "moments, and how far the birth time can move before each sign and house changes (with "
                     "--json: those minutes added to each upagraha)")
            ->group("Output");
    o.rules.grahas =
        app.add_flag(
               "--grahas", o.grahas,
               "Also give the nine grahas and the five upagrahas of the Sun at the birth moment, from the precise "
               "ephemeris in the profile's ayanamsa (in the report, the working, the JSON and --batch)")
            ->group("Output");
    o.rules.trueNode = app.add_flag("--true-node", o.trueNode,
                                    "With --grahas: Rahu and Ketu as the true nodes instead of the mean ones")
                           ->group("Output");
    CLI::Option* vargasFlag =
        app.add_flag("--vargas", o.allVargas,
                     "Also give the sixteen vargas of Parashara (D1 to D60): each point's sign and the degrees within "
                     "it, the ascendant, the upagrahas and the Sun's upagrahas, the grahas with --grahas (in the "
                     "report, the JSON and --batch)")
            ->group("Output");
    CLI::Option* vargaOption =
        app.add_option("--varga", o.vargaDivision,
                       "Also give one varga's chart: each point's sign and degrees in DN, N one of 1 2 3 4 7 9 10 12 "
                       "16 20 24 27 30 40 45 60")
            ->type_name("N")
            ->group("Output");
    o.rules.vargas = {vargasFlag, vargaOption};
}

void AddModeOptions(CLI::App& app, Options& o) {
    o.rules.batch =
        app.add_option("--batch", o.batchPath, "Read readings from a CSV file (- for standard input), print JSON lines")
            ->type_name("FILE.csv")
            ->group("Other modes");
    o.rules.zones = app.add_flag("--zones", o.zones, "List the time-zone rows")->group("Other modes");
    o.rules.profiles =
        app.add_flag("--profiles", o.profiles, "List the convention profiles --profile takes")->group("Other modes");
    std::string profileHelp =
        "Read under a profile of conventions (lords of the portions, point of each portion, "
        "sunrise):";
    for (const auto& named : upagraha::ListedProfiles()) (profileHelp += ' ') += named.name;
    profileHelp += "; original, the program's own, by default (--profiles says what each holds)";
    o.rules.profile = app.add_option("--profile", o.profileName, profileHelp)->type_name("NAME")->group("Conventions");
    o.rules.convention =
        app.add_option("--convention", o.conventionSettings,
                       "Set one axis of the profile otherwise, on top of --profile; repeatable (such as "
                       "--convention lords=seven --convention maandi=ghatis; --profiles lists the axes)")
            ->type_name("AXIS=VALUE")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
            ->group("Conventions");
    o.rules.compare =
        app.add_flag("--compare", o.compareProfiles,
                     "Print the upagrahas under every preset and the profile in use side by side instead of the "
                     "report, with what makes them differ for this birth (with --json: as JSON)")
            ->group("Conventions");

    o.language =
        app.add_option("--lang", o.languageCode,
                       "The language of the report and the working: en (English, the default), hi (Hindi) or ta "
                       "(Tamil); JSON keeps English and adds name_local beside the names")
            ->type_name("en|hi|ta")
            ->group("Output");

    o.ghatis =
        app.add_option("--ghatis", o.ghatisText,
                       "Birth time in ghatis and palas after the birth day's sunrise instead of --time (1 ghati = "
                       "24 minutes, 1 pala = 24 seconds), such as 9.38")
            ->type_name("GG.PP")
            ->group("Reading");
    o.rules.offset =
        app.add_option("--offset", o.notation.offsetText,
                       "Time zone as an exact offset East of Greenwich instead of --zone, such as +05:53:20 or -03:30")
            ->type_name("+HH:MM[:SS]")
            ->group("Reading");
    o.rules.zone = o.rules.readingFlags[3];
}

bool AnyReadingFlag(const Options& o) {
    const RuleOptions& rules = o.rules;
    return rules.dst->count() > 0 || rules.offset->count() > 0 || o.ghatis->count() > 0 ||
           std::any_of(rules.readingFlags.begin(), rules.readingFlags.end(), Given);
}

// The rules CLI11 cannot check; a usage error's exit status, or nothing when they hold.
std::optional<int> CheckArguments(Options& o) {
    const RuleOptions& rules = o.rules;
    const std::vector<CLI::Option*>& readingFlags = rules.readingFlags;
    // --ghatis stands for --time: the time is set from the sunrise once the form is filled.
    if (o.ghatis->count() > 0) {
        if (Given(readingFlags[2])) return UsageError("give either --time or --ghatis, not both");
        if (!o.readingPath.empty()) return UsageError("--ghatis is given with the reading flags, not a file");
        o.notation.time = "12:00";
    }
    const bool anyReadingFlag = AnyReadingFlag(o);
    // A reading by flags needs a zone: --zone or --offset (the other flags need each other).
    if (anyReadingFlag && !Given(readingFlags[3]) && !Given(rules.offset)) return UsageError(BrokenRuleMessage(rules));
    // and a time: --time or --ghatis.
    if (anyReadingFlag && !Given(readingFlags[2]) && !Given(o.ghatis)) return UsageError(BrokenRuleMessage(rules));

    // A listing flag given twice breaks no rule between two options, which is all excludes() sees;
    // it is still the listing with something else beside it.
    if (rules.zones->count() > 1 || rules.profiles->count() > 1) return UsageError(BrokenRuleMessage(rules));
    return std::nullopt;
}

// A saved reading read and run.
int RunFromFile(const Options& o, upagraha::ConventionProfile profile, const cli::BatchOptions& options,
                ReadingRequest asked, upagraha::Language language) {
    const std::string& readingPath = o.readingPath;
    reading::BirthForm form;
    reading::OpenedReading opened;
    if (auto problem = cli::OpenReadingInput(readingPath, options, form, profile, opened)) {
        std::cerr << reading::MessageIn(*problem, language) << '\n';
        return kExitRefused;
    }
    // A chart is named by its file's name; the window asks for a name when that holds no letter.
    if (opened.jhdChart && form.name.empty()) {
        std::cerr << "The chart file " << astro::QuotedForMessage(readingPath)
                  << " gives no name: a chart is named by its file's name, and this one holds no letter. "
                     "Rename the file after the person.\n";
        return kExitRefused;
    }
    asked.openedShift = opened.shift;
    asked.openedChart = opened.jhdChart ? &*opened.jhdChart : nullptr;
    return RunReading(form, profile, asked);
}

// A reading given by flags filled in and run.
int RunFromFlags(Options& o, upagraha::ConventionProfile profile, const ReadingRequest& asked,
                 upagraha::Language language) {
    files::ReadingNotation& notation = o.notation;
    reading::BirthForm form;
    notation.dstText = o.dst ? "true" : "false";
    notation.years = reading::YearsOf(profile);
    if (auto problem = files::FillBirthForm(notation, form)) {
        if (problem->refusal) {
            std::cerr << reading::MessageIn(problem->text, language) << " (--" << problem->field << ")\n";
            return kExitRefused;
        }
        return UsageError(std::string("--").append(problem->field).append(" ").append(problem->text));
    }
    if (o.ghatis->count() > 0) {
        const auto ghatis = reading::ParseGhatis(o.ghatisText);
        if (!ghatis)
            return UsageError("--ghatis " + astro::QuotedForMessage(o.ghatisText) +
                              " is not ghatis and palas written GG.PP (0 to 59 each), such as 9.38");
        reading::GhatiConversion conversion;
        if (auto problem = reading::ApplyGhatis(*ghatis, profile, form, conversion)) {
            std::cerr << reading::MessageIn(problem->text, language) << '\n';
            return kExitRefused;
        }
        (asked.json ? std::cerr : std::cout) << "Birth time: " << conversion.text << "\n";
    }
    return RunReading(form, profile, asked);
}

// The arguments parsed, checked and run.
int Run(Options& o) {
    if (auto status = CheckArguments(o)) return *status;
    const RuleOptions& rules = o.rules;
    const bool anyReadingFlag = AnyReadingFlag(o);
    const bool hasFile = !o.readingPath.empty();
    const auto language = upagraha::LanguageFromCode(o.languageCode);
    if (!language) return UsageError("--lang " + astro::QuotedForMessage(o.languageCode) + ": en, hi or ta");
    if (rules.zones->count() > 0) {
        // The zone rows are the program's data, written as they are in every file.
        if (o.language->count() > 0) return UsageError("--zones lists the zone rows as they are and takes no --lang");
        return ListZones();
    }
    if (rules.profiles->count() > 0) return ListProfiles(*language);
    cli::VargaRequest vargas;
    vargas.all = o.allVargas;
    if (Given(rules.vargas[1])) {
        if (auto problem = cli::VargaDivisionProblem(o.vargaDivision)) return UsageError(*problem);
        vargas.division = o.vargaDivision;
    }
    upagraha::ConventionProfile profile = upagraha::kOriginalProfile;
    if (rules.profile->count() > 0) {
        const auto named = upagraha::FindProfile(o.profileName);
        if (!named) return UsageError("--profile " + o.profileName + ": no such profile (--profiles lists them)");
        profile = *named;
    }
    // The axes --convention sets, on top of --profile's (or of a .vela reading's profile below).
    const auto applyConventions = [&o](upagraha::ConventionProfile& onto) -> std::optional<std::string> {
        for (const std::string& setting : o.conventionSettings)
            if (auto error = upagraha::ApplyConvention(onto, setting)) return "--convention " + *error;
        return std::nullopt;
    };
    if (auto error = applyConventions(profile)) return UsageError(*error);
    if (rules.batch->count() > 0 && o.language->count() > 0)
        return UsageError("--batch writes its JSON lines in English and takes no --lang");
    // Given, even as en, --lang adds the names in the language beside the JSON's English ones.
    const std::optional<upagraha::Language> local =
        o.language->count() > 0 ? language : std::optional<upagraha::Language>{};
    cli::BatchOptions options;
    options.profile = profile;
    options.profileGiven = rules.profile->count() > 0;
    options.conventions = o.conventionSettings;
    options.grahas = o.grahas;
    options.trueNode = o.trueNode;
    options.vargas = vargas;
    if (rules.batch->count() > 0) return RunBatchFile(o.batchPath, options);
    if (rules.save->count() > 0 && !reading::HasReadingFileName(o.savePath) && !reading::HasVelaFileName(o.savePath) &&
        !reading::HasJhdFileName(o.savePath))
        return UsageError("--save " + astro::QuotedForMessage(o.savePath) +
                          ": the file name must end in .ved, .vela or .jhd, or the reading cannot be opened again");

    // A save onto the file the reading was read from would lose what the reading does not hold; only
    // a chart written back over its own file keeps every line it read.
    if (rules.save->count() > 0 && hasFile &&
        !(reading::HasJhdFileName(o.readingPath) && reading::HasJhdFileName(o.savePath)) &&
        reading::CheckDistinctOutputs({o.savePath}, {o.readingPath})) {
        std::cerr << kProgram << ": --save " << astro::QuotedForMessage(o.savePath)
                  << " is the file the reading was read from; it was left as it was. Save to another name.\n";
        return kExitRefused;
    }

    const ReadingRequest asked{.json = o.json,
                               .working = o.working,
                               .compareProfiles = o.compareProfiles,
                               .grahas = o.grahas,
                               .trueNode = o.trueNode,
                               .savePath = o.savePath,
                               .local = local,
                               .vargas = vargas};
    if (hasFile) return RunFromFile(o, profile, options, asked, *language);
    if (!anyReadingFlag)
        return UsageError(
            "give a saved reading, the reading flags (--name ... --country), --batch FILE, --zones or --profiles");
    return RunFromFlags(o, profile, asked, *language);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // The day's portions and the month sheet have their own options (--day --help lists them).
    if (cli::AsksForDaySheet(argc, argv)) return cli::RunDayCommand(argc, argv);

    CLI::App app{std::string(kDescription), std::string(kProgram)};
    app.formatter(std::make_shared<HelpFormatter>());
    app.footer(std::string(kFooter));
    app.set_version_flag("--version", std::string(kProgram) + " " + kVersion + "\n" + kLinkedLicenceNote,
                         "Print the version and exit");
    // A flag given twice takes its last value, so a later flag can override an alias or a script.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    Options o;
    AddReadingOptions(app, o);
    AddOutputOptions(app, o);
    AddModeOptions(app, o);
    DeclareRules(o.rules);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ExcludesError&) {
        return UsageError(BrokenRuleMessage(o.rules));
    } catch (const CLI::RequiresError&) {
        return UsageError(BrokenRuleMessage(o.rules));
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // --help
        return UsageError(e.what());
    }

    return Run(o);
}
