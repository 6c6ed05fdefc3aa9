// The built vela-upagrahas-cli, run as a user runs it: output, files, messages and exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/reading_json.h"
#include "reading/calculation_driver.h"
#include "reading/reference_tables.h"
#include "reading/working.h"
#include "tests/cli/reference_reading.h"
#include "tests/support/test_names.h"
#include "upagraha/upagraha_report.h"

namespace {

namespace fs = std::filesystem;
using namespace vela;

using Args = std::vector<std::string>;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ShellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Args DelhiArgs() {
    const auto n = NewDelhiNotation();
    return {"--name", n.strName, "--date", n.strDate, "--time",  n.strTime, "--zone",   n.strZone,   "--lat",
            n.strLat, "--lon",   n.strLon, "--city",  n.strCity, "--state", n.strState, "--country", n.strCountry};
}

// The arguments with one flag's value replaced, or the flag and its value dropped when value is null.
Args With(Args args, const std::string& flag, const char* value) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] != flag) continue;
        if (value == nullptr)
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        else
            args[i + 1] = value;
        break;
    }
    return args;
}

Args Plus(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CliEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               (std::string("vela_cli_").append(info->name()).append("_").append(std::to_string(::getpid())));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    // Runs the program with the arguments; standard input is the given text, never the terminal.
    CliRun Run(const Args& args, const std::string& input = "", const std::string& stdoutPath = "") const {
        Write(Path("stdin"), input);
        const fs::path out = stdoutPath.empty() ? Path("stdout") : fs::path(stdoutPath);
        std::string command = ShellQuoted(VELA_CLI_PATH);
        for (const auto& arg : args) command.append(" ").append(ShellQuoted(arg));
        command.append(" < ").append(ShellQuoted(Path("stdin")));
        command.append(" > ").append(ShellQuoted(out));
        command.append(" 2> ").append(ShellQuoted(Path("stderr")));
        const int raw = std::system(command.c_str());
        CliRun r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        if (stdoutPath.empty()) r.out = Slurp(out);
        r.err = Slurp(Path("stderr"));
        return r;
    }

private:
    fs::path dir_;
};

// The New Delhi reading computed in this process, as the window would compute it.
modCalculationDriver::CalculationOutcome DelhiInProcess(SharedChartState& state) {
    BirthForm form;
    EXPECT_FALSE(cli::FillBirthForm(NewDelhiNotation(), form));
    return modCalculationDriver::RunCalculation(form, state);
}

TEST_F(CliEndToEnd, prints_the_report_the_result_pane_shows) {
    SharedChartState state;
    const auto outcome = DelhiInProcess(state);
    ASSERT_TRUE(outcome.Succeeded());

    const auto r = Run(DelhiArgs());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, modUpagrahaReport::ReportPlainText(outcome.report));
    EXPECT_EQ(r.out.rfind("Kaala\nLongitude\n", 0), 0u);
}

TEST_F(CliEndToEnd, prints_one_json_object_on_one_line) {
    SharedChartState state;
    const auto outcome = DelhiInProcess(state);

    const auto r = Run(Plus(DelhiArgs(), {"--json"}));
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["ascendant"]["text"], kNewDelhiAscendant);
    EXPECT_EQ(j, Json::parse(cli::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings)));
}

TEST_F(CliEndToEnd, working_prints_what_the_core_worked_out) {
    SharedChartState state;
    const auto outcome = DelhiInProcess(state);
    BirthForm form;
    ASSERT_FALSE(cli::FillBirthForm(NewDelhiNotation(), form));
    const auto sensitivity = modWorking::FindBirthTimeSensitivity(form);

    const auto text = Run(Plus(DelhiArgs(), {"--working"}));
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, modWorking::WorkingText(state, outcome.upagrahas, sensitivity));

    const auto json = Run(Plus(DelhiArgs(), {"--working", "--json"}));
    EXPECT_EQ(json.status, 0) << json.err;
    const Json j = Json::parse(json.out);
    for (std::size_t i = 0; i < 6; ++i) {
        const Json& g = j["upagrahas"][i]["sensitivity"];
        const auto& later = sensitivity.house[i].intLater;
        if (later) {
            EXPECT_EQ(g["house"]["later"], *later);
        } else {
            EXPECT_TRUE(g["house"]["later"].is_null());
        }
        EXPECT_EQ(g["searched_minutes"], modWorking::kSearchMinutes);
    }
    // Batch rows never carry the search: it costs a whole day of readings per row.
    EXPECT_EQ(Run({"--batch", "-", "--working"}, "").status, 2);
}

TEST_F(CliEndToEnd, daylight_saving_moves_the_clock_an_hour) {
    const Json plain = Json::parse(Run(Plus(DelhiArgs(), {"--json"})).out);
    const auto r = Run(Plus(DelhiArgs(), {"--json", "--dst"}));
    EXPECT_EQ(r.status, 0) << r.err;
    const Json dst = Json::parse(r.out);
    EXPECT_EQ(dst["dst"], true);
    const auto minutes = [](const Json& t) {
        const auto s = t.get<std::string>();
        return std::stoi(s.substr(0, 2)) * 60 + std::stoi(s.substr(3, 2));
    };
    EXPECT_EQ(minutes(dst["sun"]["birth"]["rise"]) - minutes(plain["sun"]["birth"]["rise"]), 60);
}

TEST_F(CliEndToEnd, saves_a_reading_that_opens_to_the_same_report) {
    const auto file = Path("asha.ved").string();
    const auto flags = Run(Plus(DelhiArgs(), {"--save", file}));
    ASSERT_EQ(flags.status, 0) << flags.err;
    ASSERT_TRUE(fs::exists(file));

    const auto opened = Run({file});
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, flags.out);

    const Json fromFlags = Json::parse(Run(Plus(DelhiArgs(), {"--json"})).out);
    const Json fromFile = Json::parse(Run({file, "--json"}).out);
    EXPECT_EQ(fromFile, fromFlags);
}

TEST_F(CliEndToEnd, reports_a_failed_save_after_printing_the_reading) {
    // The folder does not exist: the reading itself is sound and printed, the save is not done
    // and says so, and the status is not success.
    const auto file = Path("no-such-folder/asha.ved").string();
    const auto r = Run(Plus(DelhiArgs(), {"--save", file}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("The reading could not be saved.", 0), 0u) << r.err;
    EXPECT_EQ(r.out, Run(DelhiArgs()).out);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(CliEndToEnd, refuses_a_missing_reading_file) {
    const auto r = Run({Path("nowhere.ved").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("nowhere.ved"), std::string::npos) << r.err;
}

TEST_F(CliEndToEnd, batch_reports_a_bad_row_and_reads_the_others) {
    Write(Path("readings.csv"),
          "name,date,time,zone,lat,lon,dst,city,state,country\n"
          "Asha,1975-06-15,10:30,34,28N37,77E13,false,\"New Delhi\",Delhi,India\n"
          "Bad,1975-06-15,10:30,34,28X37,77E13,false,Delhi,Delhi,India\n"
          "Ann,1980-01-01,08:15,20,51N30,0W07,true,London,England,UK\n");
    const auto r = Run({"--batch", Path("readings.csv").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    const auto lines = LinesOf(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(Json::parse(lines[0])["ascendant"]["text"], kNewDelhiAscendant);
    const Json error = Json::parse(lines[1]);
    EXPECT_EQ(error["row"], 2);
    EXPECT_NE(error["error"].get<std::string>().find("28X37"), std::string::npos);
    EXPECT_EQ(Json::parse(lines[2])["dst"], true);
}

// Names as people write them pass on the command line and in a batch alike, and are echoed intact.
TEST_F(CliEndToEnd, takes_names_with_an_apostrophe_a_hyphen_or_a_full_stop) {
    const auto r = Run(Plus(
        With(With(With(DelhiArgs(), "--name", "Jean-Pierre D'Souza"), "--city", "St. John's"), "--country", "U.S.A."),
        {"--json"}));
    EXPECT_EQ(r.status, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["name"], "Jean-Pierre D'Souza");
    EXPECT_EQ(j["city"], "St. John's");
    EXPECT_EQ(j["country"], "U.S.A.");
}

// Row 0 (-9:00) for New Delhi (mean time +5:09): the reading is made, and the zone check's sentence
// goes to standard error beside the report, into "warnings" with --json, and into the batch row.
TEST_F(CliEndToEnd, a_zone_far_from_the_place_is_calculated_with_a_warning) {
    const std::string sentence =
        "Alaska/Hawaii Daylight Time is \u2212"
        "9:00; the mean time at 77\u00B0"
        "13\u2032 E is +5:09.";
    const auto text = Run(With(DelhiArgs(), "--zone", "0"));
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Kaala\nLongitude\n", 0), 0u);
    EXPECT_EQ(text.err, sentence + "\n");

    const auto json = Run(Plus(With(DelhiArgs(), "--zone", "0"), {"--json"}));
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.err, "");
    EXPECT_EQ(Json::parse(json.out)["warnings"], Json::array({sentence}));

    const auto batch = Run({"--batch", "-"},
                           "name,date,time,zone,lat,lon,dst,city,state,country\n"
                           "Asha,1975-06-15,10:30,0,28N37,77E13,false,Delhi,Delhi,India\n"
                           "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n");
    EXPECT_EQ(batch.status, 0) << batch.err;
    const auto lines = LinesOf(batch.out);
    ASSERT_EQ(lines.size(), 2u) << batch.out;
    EXPECT_EQ(Json::parse(lines[0])["warnings"], Json::array({sentence}));
    EXPECT_EQ(Json::parse(lines[1])["warnings"], Json::array());
}

TEST_F(CliEndToEnd, batch_reads_standard_input_and_succeeds_when_every_row_does) {
    const auto r = Run({"--batch", "-"},
                       "name,date,time,zone,lat,lon,dst,city,state,country\n"
                       "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n");
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(LinesOf(r.out).size(), 1u);
    EXPECT_EQ(Json::parse(r.out)["name"], "Asha");
}

TEST_F(CliEndToEnd, batch_refuses_a_folder_and_an_empty_file) {
    const auto folder = Run({"--batch", Path("").string()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("folder"), std::string::npos) << folder.err;

    Write(Path("empty.csv"), "");
    const auto empty = Run({"--batch", Path("empty.csv").string()});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(Json::parse(empty.out)["row"], 0);
}

TEST_F(CliEndToEnd, lists_the_zone_table) {
    const auto r = Run({"--zones"});
    EXPECT_EQ(r.status, 0);
    const auto lines = LinesOf(r.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kZoneCount));
    EXPECT_EQ(lines[34], "34\tIndian Time, IST, +5.3");
    for (std::size_t row = 0; row < lines.size(); ++row)
        EXPECT_EQ(lines[row], std::to_string(row).append("\t").append(kZoneRows[row].text));
}

TEST_F(CliEndToEnd, help_explains_the_modes_with_an_example) {
    const auto r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"--batch", "--zones", "--json", "--save", "28N37", "Example", "Exit status"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST_F(CliEndToEnd, fails_when_the_output_cannot_be_written) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    EXPECT_EQ(Run({"--zones"}, "", "/dev/full").status, 1);
    EXPECT_EQ(Run(Plus(DelhiArgs(), {"--json"}), "", "/dev/full").status, 1);
}

// A usage error: exit 2, nothing on standard output, one line on standard error that names the fault.
struct UsageCase {
    const char* name;
    Args args;
    const char* mentions;
};
// Test output names the row rather than dumping its bytes.
void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class CliUsageError : public CliEndToEnd, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageError, exits_2_with_a_one_line_hint) {
    const auto& c = GetParam();
    const auto r = Run(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(LinesOf(r.err).size(), 1u) << r.err;
    EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageError,
    ::testing::Values(UsageCase{"no_arguments", {}, "give a saved reading"},
                      UsageCase{"unknown_flag", {"--colour"}, "--colour"},
                      UsageCase{"month_13", With(DelhiArgs(), "--date", "1975-13-40"), "month 13"},
                      UsageCase{"latitude_with_x", With(DelhiArgs(), "--lat", "28X37"), "--lat \"28X37\""},
                      UsageCase{"hour_25", With(DelhiArgs(), "--time", "25:00"), "hour 25"},
                      UsageCase{"zone_row_71", With(DelhiArgs(), "--zone", "71"), "--zones"},
                      UsageCase{"missing_flag", With(DelhiArgs(), "--city", nullptr), "missing --city"},
                      UsageCase{"file_and_flags", Plus(DelhiArgs(), {"x.ved"}), "not both"},
                      UsageCase{"save_without_ved", Plus(DelhiArgs(), {"--save", "asha.txt"}), "asha.txt"},
                      UsageCase{"batch_with_flags", Plus(DelhiArgs(), {"--batch", "x.csv"}), "--batch"},
                      UsageCase{"zones_with_more", {"--zones", "--json"}, "--zones"},
                      UsageCase{"two_files", {"a.ved", "b.ved"}, "b.ved"}),
    RowName());

// A refused reading: exit 1, nothing on standard output, the window's message on standard error.
struct RefusalCase {
    const char* name;
    Args args;
    const char* message;
};
// Test output names the row rather than dumping its bytes.
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class CliRefusal : public CliEndToEnd, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(CliRefusal, exits_1_with_the_window_message) {
    const auto& c = GetParam();
    const auto r = Run(c.args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string(c.message) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Readings, CliRefusal,
    ::testing::Values(
        RefusalCase{"empty_name", With(DelhiArgs(), "--name", ""), "Please Enter Your Name"},
        RefusalCase{"thirty_first_of_april", With(DelhiArgs(), "--date", "1975-04-31"),
                    "Please Enter Correct Date Or Month !"},
        RefusalCase{"twenty_ninth_of_february_1903", With(DelhiArgs(), "--date", "1903-02-29"),
                    "Please Enter Correct Date Or Month!"},
        RefusalCase{"latitude_95", With(DelhiArgs(), "--lat", "95N00"), "Please Enter Degree of Latitude from 0 to 89"},
        RefusalCase{"midnight_sun", With(With(DelhiArgs(), "--lat", "78N13"), "--lon", "15E38"),
                    modCalculationDriver::kNoSunriseMessage.data()},
        RefusalCase{"name_with_a_digit", With(DelhiArgs(), "--name", "Asha2"), "Please enter only letters (--name)"},
        RefusalCase{"city_starting_with_a_hyphen", With(DelhiArgs(), "--city", "-Delhi"),
                    "Please enter only letters (--city)"}),
    RowName());

}  // namespace
