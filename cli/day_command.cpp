#include "cli/day_command.h"

#include <CLI/CLI.hpp>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/calendar.h"
#include "astro/text.h"
#include "cli/batch.h"
#include "files/day_text.h"
#include "files/notation.h"
#include "reading/day_portions.h"
#include "reading/form_values.h"
#include "reading/reading_file.h"
#include "reading/reading_language.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"

namespace vela::cli {

using namespace vela::files;

namespace {

constexpr std::string_view kProgram = "vela-upagrahas-cli";
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

int UsageError(std::string_view what) {
    std::cerr << kProgram << ": " << astro::PrintableForMessage(what, 400) << " (see " << kProgram
              << " --day --help)\n";
    return kExitUsage;
}

int Refused(std::string_view what) {
    std::cerr << what << '\n';
    return kExitRefused;
}

int Print(const std::string& text) {
    std::cout << text;
    if (!text.empty() && text.back() != '\n') std::cout << '\n';
    std::cout.flush();
    if (!std::cout) {
        std::cerr << kProgram << ": the output could not be written\n";
        return kExitRefused;
    }
    return 0;
}

bool Digits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return !text.empty();
}

// "2024-04-03" (with the day) or "2024-04" (without); nothing for any other shape.
std::optional<astro::CivilDate> ParseDate(std::string_view text, bool withDay) {
    text = astro::TrimBlanks(text);
    const std::size_t size = withDay ? 10 : 7;
    if (text.size() != size || text[4] != '-' || (withDay && text[7] != '-')) return std::nullopt;
    if (!Digits(text.substr(0, 4)) || !Digits(text.substr(5, 2)) || (withDay && !Digits(text.substr(8, 2))))
        return std::nullopt;
    astro::CivilDate date{std::stoi(std::string(text.substr(0, 4))), std::stoi(std::string(text.substr(5, 2))),
                          withDay ? std::stoi(std::string(text.substr(8, 2))) : 1};
    if (date.month < 1 || date.month > 12) return std::nullopt;
    if (withDay && (date.day < 1 || date.day > 31)) return std::nullopt;
    return date;
}

// What the arguments get wrong about the place, naming the flags that were given: a flag the day
// mode does not take, two saved readings, a saved reading beside the place's flags (it gives the
// place and the zone), or the place's flags without all three. The day's daylight-saving tick is
// --dst's with a reading as without one (the reading's tick was the birth's).
std::optional<std::string> PlaceRuleProblem(const std::vector<std::string>& extras, const std::string& readingPath,
                                            std::initializer_list<const CLI::Option*> placeFlags, bool isDay) {
    const std::string mode = isDay ? "--day" : "--month";
    if (!extras.empty()) {
        if (extras.front().starts_with("-")) return mode + " takes no " + extras.front();
        return "give one saved reading, not " + astro::QuotedForMessage(readingPath) + " and " +
               astro::QuotedForMessage(extras.front());
    }
    std::string given;
    std::string missing;
    for (const CLI::Option* flag : placeFlags) {
        std::string& list = flag->count() > 0 ? given : missing;
        list.append(list.empty() ? "" : ", ").append(flag->get_name());
    }
    if (!readingPath.empty() && !given.empty())
        return "give either the saved reading " + astro::QuotedForMessage(readingPath) + " or " + given +
               ", not both: the reading gives the place and the zone";
    if (!given.empty() && !missing.empty())
        return "missing " + missing + ": the place takes --lat, --lon and --zone (given: " + given + ")";
    return std::nullopt;
}

}  // namespace

bool AsksForDaySheet(int argc, const char* const* argv) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--day" || arg == "--month" || arg.starts_with("--day=") || arg.starts_with("--month=")) return true;
    }
    return false;
}

namespace {

// What the day's options say, as CLI11 fills it in.
struct DayArguments {
    std::string dayText, monthText, readingPath, profileName;
    ReadingNotation notation;
    bool dst = false, json = false, csv = false, choghadiya = false;
    std::vector<std::string> conventionSettings;
    std::string languageCode = "en";
};

// The place from a saved reading or from --lat, --lon and --zone; an exit status when refused.
std::optional<int> FillDayForm(const DayArguments& args, bool latGiven, upagraha::Language language,
                               upagraha::ConventionProfile& conventions, reading::BirthForm& form) {
    if (!args.readingPath.empty()) {
        // Any reading file; a .vela reading's profile unless --profile gives another, as for the
        // reading itself.
        reading::OpenedReading opened;
        BatchOptions options;
        options.profile = conventions;
        options.profileGiven = !args.profileName.empty();
        options.conventions = args.conventionSettings;
        if (auto problem = OpenReadingInput(args.readingPath, options, form, conventions, opened))
            return Refused(reading::MessageIn(*problem, language));
    } else if (latGiven) {
        ReadingNotation notation = args.notation;
        notation.dstText = args.dst ? "true" : "false";
        for (const auto& [flag, problem] : {std::pair{"--lat", ApplyLatitude(notation.latText, form)},
                                            std::pair{"--lon", ApplyLongitude(notation.lonText, form)},
                                            std::pair{"--zone", ApplyZone(notation.zoneName, form)},
                                            std::pair{"--dst", ApplyDst(notation.dstText, form)}})
            if (problem) return UsageError(std::string(flag) + " " + *problem);
    } else {
        return UsageError("give the place: --lat, --lon and --zone, or a saved reading");
    }
    return std::nullopt;
}

// The day's sheet or the month's, printed.
int RunSheet(const DayArguments& args, bool dayGiven, const reading::BirthForm& form,
             const upagraha::ConventionProfile& conventions, upagraha::Language language) {
    reading::FormValues values = reading::ParseForm(form);
    // A saved reading's daylight-saving tick was its birth's: the birth date takes it, so that the
    // reading and its day agree; any other day runs on --dst's clock.
    const bool birthTick = values.dst;
    const astro::CivilDate birthDate{values.year.value.value_or(0), values.month + 1, values.day.value.value_or(0)};
    values.dst = args.dst;
    reading::DayPlace place;
    if (auto problem = reading::DayPlaceOf(values, place)) return Refused(*problem);

    if (dayGiven) {
        const auto date = ParseDate(args.dayText, true);
        if (!date) return UsageError("--day " + astro::QuotedForMessage(args.dayText) + ": expected YYYY-MM-DD");
        if (!args.readingPath.empty() && birthTick && date->year == birthDate.year && date->month == birthDate.month &&
            date->day == birthDate.day)
            place.dst = true;
        const auto outcome = reading::CalculateDay(place, *date, conventions);
        if (outcome.message) return Refused(reading::MessageIn(*outcome.message, language));
        return Print(args.json ? DaySheetJson(outcome.sheet, place, conventions, args.choghadiya)
                               : DaySheetText(outcome.sheet, place, conventions, args.choghadiya, language));
    }
    const auto date = ParseDate(args.monthText, false);
    if (!date) return UsageError("--month " + astro::QuotedForMessage(args.monthText) + ": expected YYYY-MM");
    const auto outcome = reading::CalculateMonth(place, date->year, date->month, conventions);
    if (outcome.message) return Refused(reading::MessageIn(*outcome.message, language));
    if (args.csv) return Print(reading::MonthSheetCsv(outcome.sheet));
    return Print(args.json ? MonthSheetJson(outcome.sheet, place, conventions)
                           : MonthSheetText(outcome.sheet, place, conventions, language));
}

}  // namespace

int RunDayCommand(int argc, const char* const* argv) {
    CLI::App app{
        "The portions of a day (--day) or the Rahu Kalam, Yamagandam and Gulika Kalam of a month "
        "(--month) at a place: --lat, --lon and --zone (with --dst when the clock runs an hour ahead), "
        "or a saved reading's place.",
        std::string(kProgram)};
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    DayArguments args;
    CLI::Option* day =
        app.add_option("--day", args.dayText, "The day's portions, horas and periods")->type_name("YYYY-MM-DD");
    CLI::Option* month =
        app.add_option("--month", args.monthText, "One line a day: sunrise, sunset and the three periods")
            ->type_name("YYYY-MM");
    app.add_option("READING.ved", args.readingPath, "A saved reading (.ved, .vela or .jhd) whose place to take")
        ->type_name("");
    CLI::Option* lat = app.add_option("--lat", args.notation.latText, "Latitude, such as 28N37")->type_name("28N37");
    CLI::Option* lon = app.add_option("--lon", args.notation.lonText, "Longitude, such as 77E13")->type_name("77E13");
    CLI::Option* zone =
        app.add_option("--zone", args.notation.zoneName, "Time zone: a row of --zones")->type_name("ROW");
    app.add_flag("--dst", args.dst, "The clock runs one hour ahead of the zone, every day");
    CLI::Option* jsonFlag = app.add_flag("--json", args.json, "One JSON object instead of the text");
    CLI::Option* csvFlag = app.add_flag("--csv", args.csv, "With --month: CSV, one row a day");
    CLI::Option* choghadiyaFlag =
        app.add_flag("--choghadiya", args.choghadiya, "With --day: the eight choghadiyas of the day and of the night");
    app.add_option("--profile", args.profileName, "A profile of --profiles")->type_name("NAME");
    app.add_option("--convention", args.conventionSettings,
                   "One axis of the profile set otherwise, such as lords=seven")
        ->type_name("AXIS=VALUE")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    CLI::Option* languageOption =
        app.add_option("--lang", args.languageCode,
                       "The text's language: en (the default), hi or ta; JSON and CSV keep English")
            ->type_name("en|hi|ta");
    day->excludes(month);
    csvFlag->needs(month);
    choghadiyaFlag->needs(day);
    csvFlag->excludes(jsonFlag);
    // A saved reading gives the place and the zone; its daylight-saving tick was the birth's, so it
    // holds on the birth date only, and any other day's is --dst's.
    // The rules between the place's flags and a saved reading are told below, naming the flags given.
    app.allow_extras();

    // --day and --month take a value, so "--day --help" is help, not a day named "--help".
    for (int k = 1; k < argc; ++k)
        if (std::string_view(argv[k]) == "--help" || std::string_view(argv[k]) == "-h") {
            std::cout << app.help();
            return Print("");
        }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        return UsageError(e.what());
    }
    if (auto problem = PlaceRuleProblem(app.remaining(), args.readingPath, {lat, lon, zone}, day->count() > 0))
        return UsageError(*problem);

    const auto language = upagraha::LanguageFromCode(args.languageCode);
    if (!language) return UsageError("--lang " + astro::QuotedForMessage(args.languageCode) + ": en, hi or ta");
    if (languageOption->count() > 0 && (args.json || args.csv))
        return UsageError("--json and --csv keep English and take no --lang");

    upagraha::ConventionProfile conventions = upagraha::kOriginalProfile;
    if (!args.profileName.empty()) {
        const auto named = upagraha::FindProfile(args.profileName);
        if (!named) return UsageError("--profile " + args.profileName + ": no such profile (--profiles lists them)");
        conventions = *named;
    }
    for (const std::string& setting : args.conventionSettings)
        if (auto error = upagraha::ApplyConvention(conventions, setting)) return UsageError("--convention " + *error);

    reading::BirthForm form;
    if (auto status = FillDayForm(args, lat->count() > 0, *language, conventions, form)) return *status;
    return RunSheet(args, day->count() > 0, form, conventions, *language);
}

}  // namespace vela::cli
