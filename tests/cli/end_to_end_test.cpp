// The built vela-upagrahas-cli, run as a user runs it: output, files, messages and exit status.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "files/reading_json.h"
#include "reading/calculation_driver.h"
#include "reading/reference_tables.h"
#include "reading/working.h"
#include "tests/cli/cli_run.h"
#include "tests/cli/reference_reading.h"
#include "tests/support/golden_files.h"
#include "tests/support/hand_written_reading.h"
#include "tests/support/test_names.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace {

namespace fs = std::filesystem;
using namespace vela;

using Args = std::vector<std::string>;

using clitest::CliRun;
using clitest::Slurp;
using clitest::Write;

Args DelhiArgs() {
    const auto n = NewDelhiNotation();
    return {"--name",  n.name,  "--date",  n.dateText, "--time", n.time,    "--zone", n.zoneName,  "--lat",
            n.latText, "--lon", n.lonText, "--city",   n.city,   "--state", n.state,  "--country", n.country};
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
        // A parameterised test's name holds a slash ("Name/0"); as a path it would make a folder
        // inside a folder, and removing the inner one would leave the outer one behind.
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("vela_cli_").append(info->name()).append("_").append(std::to_string(::getpid()));
        std::replace(name.begin(), name.end(), '/', '_');
        dir = fs::temp_directory_path() / name;
        ASSERT_EQ(dir.parent_path(), fs::temp_directory_path());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    fs::path Path(const std::string& name) const { return dir / name; }

    // Runs the program with the arguments; standard input is the given text, never the terminal.
    CliRun Run(const Args& args, const std::string& input = "", const std::string& stdoutPath = "") const {
        return clitest::RunCli(dir, args, input, stdoutPath);
    }

private:
    fs::path dir;
};

// The New Delhi reading computed in this process, as the window would compute it.
reading::CalculationOutcome DelhiInProcess(reading::Reading& state) {
    reading::BirthForm form;
    EXPECT_FALSE(files::FillBirthForm(NewDelhiNotation(), form));
    return reading::RunCalculation(form, state);
}

TEST_F(CliEndToEnd, prints_the_report_the_result_pane_shows) {
    reading::Reading state;
    const auto outcome = DelhiInProcess(state);
    ASSERT_TRUE(outcome.Succeeded());

    const auto r = Run(DelhiArgs());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, upagraha::ReportPlainText(outcome.report));
    EXPECT_EQ(r.out.rfind("Kaala\nLongitude\n", 0), 0u);
}

TEST_F(CliEndToEnd, prints_one_json_object_on_one_line) {
    reading::Reading state;
    const auto outcome = DelhiInProcess(state);

    const auto r = Run(Plus(DelhiArgs(), {"--json"}));
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["ascendant"]["text"], kNewDelhiAscendant);
    EXPECT_EQ(j, Json::parse(files::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings)));
}

// --lang: the report in Hindi or Tamil with the glossary's words (docs/translations.md); JSON keeps
// its English keys and values and adds the names in the language; en is the English report itself.
TEST_F(CliEndToEnd, lang_writes_the_report_in_hindi_or_tamil_and_adds_local_names_to_json) {
    const auto english = Run(DelhiArgs());
    EXPECT_EQ(Run(Plus(DelhiArgs(), {"--lang", "en"})).out, english.out);
    const auto hindi = Run(Plus(DelhiArgs(), {"--lang", "hi"}));
    EXPECT_EQ(hindi.status, 0) << hindi.err;
    EXPECT_EQ(hindi.out.rfind("काल\nभोगांश\n", 0), 0u) << hindi.out.substr(0, 80);
    EXPECT_NE(hindi.out.find("\nगुलिक\n"), std::string::npos);
    const auto tamil = Run(Plus(DelhiArgs(), {"--lang", "ta"}));
    EXPECT_EQ(tamil.out.rfind("காலன்\nஸ்புடம்\n", 0), 0u) << tamil.out.substr(0, 80);
    EXPECT_NE(tamil.out.find("\nகுளிகன்\n"), std::string::npos);

    const Json plain = Json::parse(Run(Plus(DelhiArgs(), {"--json"})).out);
    EXPECT_FALSE(plain["upagrahas"][4].contains("name_local"));
    const auto r = Run(Plus(DelhiArgs(), {"--json", "--lang", "ta"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["upagrahas"][4]["name"], "Gulika");
    EXPECT_EQ(j["upagrahas"][4]["name_local"], "குளிகன்");
    EXPECT_EQ(j["upagrahas"][4]["interpretation"], plain["upagrahas"][4]["interpretation"]);
    EXPECT_EQ(j["ascendant"]["sign"], "Leo");  // 05 Leo 54
    EXPECT_EQ(j["ascendant"]["sign_local"], "சிம்மம்");
    EXPECT_TRUE(j["ascendant"].contains("nakshatra_local"));
    EXPECT_TRUE(j["portions"][0].contains("lord_local"));
    EXPECT_EQ(Json::parse(Run(Plus(DelhiArgs(), {"--json", "--lang", "hi"})).out)["upagrahas"][0]["name_local"], "काल");

    EXPECT_EQ(Run(Plus(DelhiArgs(), {"--lang", "fr"})).status, 2);
    EXPECT_EQ(Run({"--batch", "-", "--lang", "hi"}, "").status, 2);
}

TEST_F(CliEndToEnd, working_prints_what_the_core_worked_out) {
    reading::Reading state;
    const auto outcome = DelhiInProcess(state);
    reading::BirthForm form;
    ASSERT_FALSE(files::FillBirthForm(NewDelhiNotation(), form));
    const auto sensitivity = reading::FindBirthTimeSensitivity(form);

    const auto text = Run(Plus(DelhiArgs(), {"--working"}));
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, reading::WorkingText(state, outcome.upagrahas, sensitivity,
                                             reading::CompareConventions(form, state.profile)));
    // --lang writes the working in the language too.
    const auto tamil = Run(Plus(DelhiArgs(), {"--working", "--lang", "ta"}));
    EXPECT_EQ(tamil.status, 0) << tamil.err;
    EXPECT_EQ(tamil.out,
              reading::WorkingText(state, outcome.upagrahas, sensitivity,
                                   reading::CompareConventions(form, state.profile), upagraha::Language::Tamil));
    EXPECT_NE(tamil.out, text.out);

    const auto json = Run(Plus(DelhiArgs(), {"--working", "--json"}));
    EXPECT_EQ(json.status, 0) << json.err;
    const Json j = Json::parse(json.out);
    for (std::size_t i = 0; i < 6; ++i) {
        const Json& g = j["upagrahas"][i]["sensitivity"];
        const auto& later = sensitivity.house[i].later;
        if (later) {
            EXPECT_EQ(g["house"]["later"], *later);
        } else {
            EXPECT_TRUE(g["house"]["later"].is_null());
        }
        EXPECT_EQ(g["searched_minutes"], reading::kSearchMinutes);
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

std::vector<std::string> DelhiFields() {
    return {"Asha", "6",  "15",   "1975",  "10",    "30",        "34",    "77",   "13",
            "28",   "37", "True", "False", "False", "New Delhi", "Delhi", "India"};
}

TEST_F(CliEndToEnd, refuses_a_reading_file_whose_date_time_or_zone_cannot_be_read) {
    Write(Path("asha.ved"), HandWrittenReading(DelhiFields(), 20));
    ASSERT_EQ(Run({Path("asha.ved").string(), "--json"}).status, 0);

    // Without the refusal these would be 1 January 1901, 0:00 and zone row 0: another birth.
    auto fields = DelhiFields();
    fields[2] = "15th";
    fields[5] = "";
    fields[6] = "IST";
    Write(Path("damaged.ved"), HandWrittenReading(fields, 20));
    const auto r = Run({Path("damaged.ved").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "The reading could not be opened. Some lines of it could not be read: day (line 3), minute (line 6), "
              "time zone (line 7).\n");
}

TEST_F(CliEndToEnd, refuses_a_file_that_is_no_reading) {
    Write(Path("notes.ved"), "Call Asha about the reading\n");
    const auto r = Run({Path("notes.ved").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "This file is not a saved reading.\n");
}

TEST_F(CliEndToEnd, saves_a_file_of_another_shift_again_without_losing_a_letter) {
    // n with tilde (Latin-1 241) fits shift 14 (255) but not the program's own 20.
    auto fields = DelhiFields();
    fields[0] = "Mu\xF1oz";
    Write(Path("munoz.ved"), HandWrittenReading(fields, 14));
    const auto saved = Run({Path("munoz.ved").string(), "--save", Path("copy.ved").string()});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const auto copy = Run({Path("copy.ved").string(), "--json"});
    ASSERT_EQ(copy.status, 0) << copy.err;
    EXPECT_EQ(Json::parse(copy.out)["name"], "Mu\u00F1oz");
}

TEST_F(CliEndToEnd, quotes_a_hostile_path_on_one_line) {
    const auto r = Run({"--batch", Path("no\nsuch\x1B[2J.csv").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(LinesOf(r.err).size(), 1u) << r.err;
    EXPECT_EQ(r.err.find('\x1B'), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("no?such?[2J.csv"), std::string::npos) << r.err;
}

TEST_F(CliEndToEnd, keeps_a_usage_error_about_a_huge_argument_short) {
    // 100 KiB: one argument may not exceed 128 KiB, with the shell command around it.
    const std::string huge = "/start/" + std::string(100 * 1024, 'x') + "\x1B[2J/end.ved";
    const auto r = Run({"a.ved", huge});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(LinesOf(r.err).size(), 1u);
    EXPECT_LT(r.err.size(), 600u);
    EXPECT_EQ(r.err.find('\x1B'), std::string::npos);
    EXPECT_NE(r.err.find("/start/xxx"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("?[2J/end.ved"), std::string::npos) << r.err;
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

// The program on a pair of pipes, as another program drives it: it sends a row and waits for the
// answer before it sends the next one, or closes the input.
class Conversation {
public:
    explicit Conversation(const Args& args) {
        int in[2];
        int out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            ::close(in[0]);
            ::close(in[1]);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv{const_cast<char*>(VELA_CLI_PATH)};
            for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(VELA_CLI_PATH, argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        toProgram = in[1];
        fromProgram = out[0];
    }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;
    ~Conversation() {
        Close();
        if (fromProgram >= 0) ::close(fromProgram);
        if (pid > 0) ::waitpid(pid, nullptr, 0);
    }

    void Send(const std::string& text) const {
        ASSERT_EQ(::write(toProgram, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void Close() {
        if (toProgram >= 0) ::close(toProgram);
        toProgram = -1;
    }
    // The next line of the answer; nothing when none comes within a generous bound (the program
    // is waiting for input that will not come).
    std::optional<std::string> Line() {
        for (;;) {
            const std::size_t end = buffer.find('\n');
            if (end != std::string::npos) {
                std::string line = buffer.substr(0, end);
                buffer.erase(0, end + 1);
                return line;
            }
            pollfd ready{fromProgram, POLLIN, 0};
            if (::poll(&ready, 1, 20000) <= 0) return std::nullopt;
            char chunk[4096];
            const ssize_t got = ::read(fromProgram, chunk, sizeof chunk);
            if (got <= 0) return std::nullopt;
            buffer.append(chunk, static_cast<std::size_t>(got));
        }
    }
    int Status() {
        Close();
        int raw = 0;
        ::waitpid(pid, &raw, 0);
        pid = -1;
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

private:
    pid_t pid = -1;
    int toProgram = -1;
    int fromProgram = -1;
    std::string buffer;
};

TEST_F(CliEndToEnd, batch_answers_each_row_before_the_next_one_is_sent) {
    Conversation talk({"--batch", "-"});
    talk.Send("name,date,time,zone,lat,lon,dst,city,state,country\n");
    talk.Send("Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n");
    const auto first = talk.Line();
    ASSERT_TRUE(first.has_value()) << "no answer while the sender waits";
    EXPECT_EQ(Json::parse(*first)["ascendant"]["text"], kNewDelhiAscendant);
    talk.Send("Ann,1980-01-01,08:15,20,51N30,0W07,true,London,England,UK\n");
    const auto second = talk.Line();
    ASSERT_TRUE(second.has_value()) << "no answer while the sender waits";
    EXPECT_EQ(Json::parse(*second)["name"], "Ann");
    EXPECT_EQ(talk.Status(), 0);
}

TEST_F(CliEndToEnd, batch_refuses_an_endless_device) {
    if (!fs::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero on this system";
    Conversation talk({"--batch", "/dev/zero"});
    const auto line = talk.Line();
    ASSERT_TRUE(line.has_value()) << "no answer: the endless first line is still being read";
    EXPECT_EQ(Json::parse(*line)["row"], 0);
    EXPECT_EQ(talk.Status(), 1);
}

TEST_F(CliEndToEnd, batch_refuses_a_folder_and_an_empty_file) {
    // A folder is a batch of the reading files in it; one with none is refused.
    fs::create_directory(Path("no-readings"));
    const auto folder = Run({"--batch", Path("no-readings").string()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("folder"), std::string::npos) << folder.err;

    Write(Path("empty.csv"), "");
    const auto empty = Run({"--batch", Path("empty.csv").string()});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(Json::parse(empty.out)["row"], 0);
}

// A Devanagari name with an offset to the second: .ved refuses it and proposes .vela; .vela keeps it,
// reopens, and a folder of it and a hand-written .jhd chart (West of Greenwich) is a batch.
TEST_F(CliEndToEnd, names_in_any_script_and_exact_offsets_go_through_vela_and_batch) {
    const Args reading = {"--name",   "\u0915\u092E\u0932", "--date",  "1975-06-15", "--time",    "10:30",
                          "--offset", "+05:53:20",          "--lat",   "28N37",      "--lon",     "77E13",
                          "--city",   "New Delhi",          "--state", "Delhi",      "--country", "India"};
    Args toVed = reading;
    toVed.insert(toVed.end(), {"--save", Path("k.ved").string()});
    const auto refused = Run(toVed);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(".vela"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(Path("k.ved")));

    fs::create_directory(Path("files"));
    Args toVela = reading;
    toVela.insert(toVela.end(), {"--save", Path("files/k.vela").string()});
    ASSERT_EQ(Run(toVela).status, 0);
    const auto reopened = Run({Path("files/k.vela").string(), "--json"});
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    const auto line = Json::parse(reopened.out);
    EXPECT_EQ(line["name"], "\u0915\u092E\u0932");
    EXPECT_EQ(line["zone_offset_seconds"], 21200);

    Write(Path("files/Núñez.jhd"),
          "6\r\n15\r\n1975\r\n10.300000\r\n5.000000\r\n74.000000\r\n40.430000\r\n0\r\n"
          "5.000000\r\n5.000000\r\n0\r\n0\r\nNew^York\r\nUSA\r\n1\r\n1013.25\r\n15\r\n0\r\n");
    const auto batch = Run({"--batch", Path("files").string()});
    EXPECT_EQ(batch.status, 0) << batch.err;
    const auto lines = LinesOf(batch.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Json::parse(lines[0])["name"], "N\u00FA\u00F1ez");
    EXPECT_EQ(Json::parse(lines[1])["name"], "\u0915\u092E\u0932");
}

// A chart saved over itself writes back every line it read (altitude 920, atlas code 105, 20
// degrees, flag 2, "India" alone); a .ved or .vela reading saved over itself is refused, untouched.
TEST_F(CliEndToEnd, a_save_onto_its_own_input_keeps_everything_or_is_refused) {
    const std::string chart =
        "8\r\n15\r\n1990\r\n14.199999999999999\r\n-5.300000\r\n-77.350000\r\n12.580000\r\n920.000000\r\n-5.500000\r\n"
        "-5.500000\r\n0\r\n105\r\nBangalore\r\nIndia\r\n1\r\n1013.250000\r\n20.000000\r\n2\r\n";
    Write(Path("Ravi Kumar.jhd"), chart);
    const auto same = Run({Path("Ravi Kumar.jhd").string(), "--save", Path("Ravi Kumar.jhd").string()});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(Slurp(Path("Ravi Kumar.jhd")), chart);
    ASSERT_EQ(Run(Plus(DelhiArgs(), {"--save", Path("a.ved").string()})).status, 0);
    const std::string ved = Slurp(Path("a.ved"));
    const auto refused = Run({Path("a.ved").string(), "--save", Path("./a.ved").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("is the file the reading was read from"), std::string::npos) << refused.err;
    EXPECT_EQ(Slurp(Path("a.ved")), ved);
}

TEST_F(CliEndToEnd, lists_the_zone_table) {
    const auto r = Run({"--zones"});
    EXPECT_EQ(r.status, 0);
    const auto lines = LinesOf(r.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(reading::kZoneCount));
    // Row, text and the exact offset, which the texts do not always give ("+5.3" is 5:30).
    EXPECT_EQ(lines[34], "34\tIndian Time, IST, +5.3\t+05:30");
    EXPECT_EQ(lines[37], "37\tIran Time, IT, +3.5\t+03:30");
    EXPECT_EQ(lines[50], "50\tNewfoundland Standard Time,NST,-3.5\t-03:30");
    EXPECT_EQ(lines[71], "71\tNepal Time,NPT,+5:45\t+05:45");
    EXPECT_EQ(lines[73], "73\tVenezuela Time,VET,-4:30\t-04:30");
    // Calcutta and Madras time with their seconds (IANA tzdata, Asia/Kolkata: HMT 5:53:20, MMT 5:21:10).
    EXPECT_EQ(lines[74], "74\tCalcutta Time,CAL,+5:53\t+05:53:20");
    EXPECT_EQ(lines[76], "76\tMadras Time,MMT,+5:21\t+05:21:10");
    EXPECT_EQ(lines[80], "80\tLocal Mean Time,LMT,longitude/15\tLMT");
    for (std::size_t row = 0; row < lines.size(); ++row)
        EXPECT_EQ(lines[row].substr(0, lines[row].rfind('\t')),
                  std::to_string(row).append("\t").append(reading::kZoneRows[row].text));
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

// The bytes of a saved reading, worked out by hand from the file format (tests/data/golden):
// a changed shift, field order, truth word or line end fails here.
TEST_F(CliEndToEnd, saves_the_bytes_worked_out_by_hand) {
    const auto file = Path("pune.ved").string();
    const auto r = Run({"--name", "Asha Rao", "--date",      "1975-03-05", "--time", "10:45",  "--zone",
                        "34",     "--lat",    "18N31",       "--lon",      "73E51",  "--dst",  "--city",
                        "Pune",   "--state",  "Maharashtra", "--country",  "India",  "--save", file});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Slurp(file), Slurp(golden::GoldenPath("asha_rao.ved")));
}

// The batch row of a golden reading as the program's flags.
Args FlagsOf(std::string_view csv) {
    static constexpr std::array<const char*, 10> kFlags = {"--name", "--date", "--time", "--zone",  "--lat",
                                                           "--lon",  "--dst",  "--city", "--state", "--country"};
    Args args;
    std::size_t start = 0;
    for (const char* flag : kFlags) {
        const std::size_t comma = std::min(csv.find(',', start), csv.size());
        const std::string value(csv.substr(start, comma - start));
        start = comma + 1;
        if (std::string_view(flag) == "--dst") {
            if (value == "true") args.push_back(flag);
        } else {
            args.insert(args.end(), {flag, value});
        }
    }
    return args;
}

class CliGolden : public CliEndToEnd, public ::testing::WithParamInterface<golden::GoldenReading> {};

// What the program prints is the reviewed golden text, character for character; the files are
// rewritten only by the reading tests (VELA_UPDATE_GOLDEN=1), never from here.
TEST_P(CliGolden, prints_the_reviewed_report_and_working) {
    const Args args = FlagsOf(GetParam().csv);
    const std::string name(GetParam().name);
    const auto report = Run(args);
    EXPECT_EQ(report.status, 0) << report.err;
    golden::ExpectMatchesGolden(golden::GoldenPath(name + ".report.txt"), report.out, false);
    const auto working = Run(Plus(args, {"--working"}));
    EXPECT_EQ(working.status, 0) << working.err;
    golden::ExpectMatchesGolden(golden::GoldenPath(name + ".working.txt"), working.out, false);
}

INSTANTIATE_TEST_SUITE_P(FixedReadings, CliGolden, ::testing::ValuesIn(golden::kGoldenReadings),
                         golden::GoldenReadingName());

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
                      UsageCase{"zone_row_81", With(DelhiArgs(), "--zone", "81"), "--zones"},
                      UsageCase{"missing_flag", With(DelhiArgs(), "--city", nullptr), "missing --city"},
                      UsageCase{"file_and_flags", Plus(DelhiArgs(), {"x.ved"}), "not both"},
                      UsageCase{"save_without_ved", Plus(DelhiArgs(), {"--save", "asha.txt"}), "asha.txt"},
                      UsageCase{"batch_with_flags", Plus(DelhiArgs(), {"--batch", "x.csv"}), "--batch"},
                      UsageCase{"zones_with_more", {"--zones", "--json"}, "--zones"},
                      UsageCase{"two_files", {"a.ved", "b.ved"}, "b.ved"}),
    RowName());

// The rules between options (CLI11 checks them) are told in their own words whatever flag CLI11
// meets first, and a missing reading flag among all that are missing.
INSTANTIATE_TEST_SUITE_P(
    OptionRules, CliUsageError,
    ::testing::Values(
        UsageCase{"batch_with_flags_in_its_words", Plus({"--batch", "x.csv"}, DelhiArgs()), "--batch takes only"},
        UsageCase{"batch_with_working", {"--batch", "x.csv", "--working"}, "(given: --working)"},
        UsageCase{"file_with_dst", {"x.ved", "--dst"}, "\"x.ved\" or the reading flags, not both (given: --dst)"},
        UsageCase{
            "dst_alone", {"--dst"}, "missing --name, --date, --time (or --ghatis), --zone (or --offset), --lat, --lon"},
        UsageCase{"zones_twice", {"--zones", "--zones"}, "--zones takes no other arguments"},
        UsageCase{
            "profiles_with_profile", {"--profile", "original", "--profiles"}, "--profiles takes no other arguments"}),
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
        RefusalCase{"name_of_blanks", With(DelhiArgs(), "--name", "   "), "Please Enter Your Name"},
        RefusalCase{"country_of_blanks", With(DelhiArgs(), "--country", "  "), "Please Enter Your Country name"},
        RefusalCase{"thirty_first_of_april", With(DelhiArgs(), "--date", "1975-04-31"),
                    "Please Enter Correct Date Or Month !"},
        RefusalCase{"twenty_ninth_of_february_1903", With(DelhiArgs(), "--date", "1903-02-29"),
                    "Please Enter Correct Date Or Month!"},
        RefusalCase{"latitude_95", With(DelhiArgs(), "--lat", "95N00"), "Please Enter Degree of Latitude from 0 to 89"},
        RefusalCase{"midnight_sun", With(With(DelhiArgs(), "--lat", "78N13"), "--lon", "15E38"),
                    reading::kNoSunriseMessage.data()},
        RefusalCase{"name_with_a_digit", With(DelhiArgs(), "--name", "Asha2"), "Please enter only letters (--name)"},
        RefusalCase{"city_starting_with_a_hyphen", With(DelhiArgs(), "--city", "-Delhi"),
                    "Please enter only letters (--city)"}),
    RowName());

// Convention profiles on the command line: listed, applied to a reading, a saved file and a batch
// (for the run and per row), and named in the JSON.
TEST_F(CliEndToEnd, lists_the_profiles_by_name_with_what_each_holds) {
    const auto r = Run({"--profiles"});
    EXPECT_EQ(r.status, 0) << r.err;
    const auto lines = LinesOf(r.out);
    ASSERT_EQ(lines.size(), 19u);  // six presets, a blank line, the heading and the eleven axes
    const std::vector<std::string> names = {"original",     "gulika-start", "seven-lords",
                                            "all-at-start", "kerala",       "precise"};
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(lines[i].substr(0, lines[i].find('\t')), names[i]);
    EXPECT_NE(lines[1].find("Gulika at the start"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("centre of the disc without refraction"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\tlords=eight;kaala=middle;mrityu=middle;arthaprahaara=middle;yamaghantaka=middle;"
                            "gulika=start;maandi=middle;sunrise=disc-centre;vyatipata=circle-less-dhuma;"
                            "ephemeris=original;ayanamsa=original"),
              std::string::npos)
        << lines[1];
    EXPECT_NE(lines[2].find("seven lords"), std::string::npos) << lines[2];
    EXPECT_NE(lines[4].find("Maandi by the ghatis"), std::string::npos) << lines[4];
    EXPECT_NE(lines[5].find("precise ephemeris with Lahiri's ayanamsa"), std::string::npos) << lines[5];
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[14], "maandi\tstart | middle | end | ghatis");
    EXPECT_EQ(Run({"--profiles", "--json"}).status, 2);
    // In Hindi and Tamil the descriptions take the glossary's words; the axes and values stay as typed.
    const auto hindi = LinesOf(Run({"--profiles", "--lang", "hi"}).out);
    ASSERT_EQ(hindi.size(), 19u);
    EXPECT_NE(hindi[4].find("घटियों से मान्दि"), std::string::npos) << hindi[4];
    EXPECT_EQ(hindi[14], lines[14]);
    const auto tamil = LinesOf(Run({"--profiles", "--lang", "ta"}).out);
    ASSERT_EQ(tamil.size(), 19u);
    EXPECT_NE(tamil[4].find("நாழிகைகளால் மாந்தி"), std::string::npos) << tamil[4];
    // The zone rows are data, listed as they are: a language for them is refused, not ignored.
    EXPECT_EQ(Run({"--zones", "--lang", "hi"}).status, 2);
}

TEST_F(CliEndToEnd, reads_under_the_profile_given_and_names_it) {
    const auto byDefault = Run(Plus(DelhiArgs(), {"--json"}));
    const auto original = Run(Plus(DelhiArgs(), {"--json", "--profile", "original"}));
    EXPECT_EQ(original.status, 0) << original.err;
    EXPECT_EQ(original.out, byDefault.out);
    EXPECT_EQ(Json::parse(original.out)["profile"]["name"], "original");
    EXPECT_EQ(Run(Plus(DelhiArgs(), {"--profile", "original"})).out, Run(DelhiArgs()).out);

    reading::BirthForm form;
    ASSERT_FALSE(files::FillBirthForm(NewDelhiNotation(), form));
    const auto profile = *upagraha::FindProfile("gulika-start");
    reading::Reading state;
    const auto outcome = reading::RunCalculation(form, profile, state);
    ASSERT_TRUE(outcome.Succeeded());
    const auto r = Run(Plus(DelhiArgs(), {"--json", "--profile", "gulika-start"}));
    EXPECT_EQ(r.status, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["profile"]["name"], "gulika-start");
    EXPECT_EQ(j, Json::parse(files::ReadingJsonLine(state, outcome.upagrahas, outcome.warnings)));
    // Gulika at the start of Saturn's portion, Maandi at its middle.
    EXPECT_EQ(j["upagrahas"][4]["moment"], j["portions"][6]["start"]);
    EXPECT_NE(j["upagrahas"][4]["degrees"], j["upagrahas"][5]["degrees"]);

    // The report of a saved reading too; the file itself never names a profile.
    const auto file = Path("asha.ved").string();
    ASSERT_EQ(Run(Plus(DelhiArgs(), {"--save", file, "--profile", "seven-lords"})).status, 0);
    const auto saved = Slurp(file);
    ASSERT_EQ(Run(Plus(DelhiArgs(), {"--save", Path("plain.ved").string()})).status, 0);
    EXPECT_EQ(saved, Slurp(Path("plain.ved")));
    const auto fromFile = Run({file, "--profile", "gulika-start"});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, upagraha::ReportPlainText(outcome.report));

    const auto unknown = Run(Plus(DelhiArgs(), {"--profile", "Original"}));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--profiles"), std::string::npos) << unknown.err;
}

TEST_F(CliEndToEnd, working_sets_the_upagrahas_of_every_profile_side_by_side) {
    const auto r = Run(Plus(DelhiArgs(), {"--working", "--profile", "seven-lords"}));
    EXPECT_EQ(r.status, 0) << r.err;
    const auto table = r.out.find("\nThe upagrahas under each convention (in use: seven-lords)\n");
    ASSERT_NE(table, std::string::npos) << r.out;
    for (const char* block : {"\n  original: ", "\n  gulika-start: ", "\n  seven-lords (in use): "})
        EXPECT_NE(r.out.find(block, table), std::string::npos) << block;
}

TEST_F(CliEndToEnd, batch_takes_a_profile_for_the_run_and_a_profile_column_per_row) {
    const std::string csv =
        "name,date,time,zone,lat,lon,dst,city,state,country,profile\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India,\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India,original\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India, gulika-start \n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India,sidereal\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India\n";
    const auto r = Run({"--batch", "-", "--profile", "seven-lords"}, csv);
    EXPECT_EQ(r.status, 1);
    const auto lines = LinesOf(r.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(Json::parse(lines[0])["profile"]["name"], "seven-lords");  // an empty cell takes the run's
    EXPECT_EQ(Json::parse(lines[1])["profile"]["name"], "original");
    EXPECT_EQ(Json::parse(lines[2])["profile"]["name"], "gulika-start");
    EXPECT_EQ(Json::parse(lines[3])["row"], 4);
    EXPECT_EQ(Json::parse(lines[3])["error"], "profile: \"sidereal\" is not a profile (--profiles lists them)");
    EXPECT_EQ(Json::parse(lines[4])["row"], 5);
    EXPECT_NE(Json::parse(lines[4])["error"].get<std::string>().find("not the 11 of"), std::string::npos);
}

// Axes set one by one on top of a preset, in a reading and in a batch's profile column; the
// presets side by side (--compare). Kerala's preset moves Maandi alone, by its description.
TEST_F(CliEndToEnd, sets_axes_on_top_of_a_profile_and_compares_the_presets) {
    const auto r = Run(Plus(DelhiArgs(), {"--json", "--profile", "seven-lords", "--convention", "maandi=ghatis",
                                          "--convention", "vyatipata=dhuma-plus-53-20"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const Json profile = Json::parse(r.out)["profile"];
    EXPECT_EQ(profile["name"], "custom");
    EXPECT_EQ(profile["lords"], "seven");
    EXPECT_EQ(profile["maandi"], "ghatis");
    EXPECT_EQ(profile["vyatipata"], "dhuma-plus-53-20");
    EXPECT_EQ(profile["gulika"], "middle");
    // Back to exactly a preset's values: named as the preset.
    EXPECT_EQ(Json::parse(Run(Plus(DelhiArgs(), {"--json", "--convention", "maandi=ghatis"})).out)["profile"]["name"],
              "kerala");

    const auto refused = Run(Plus(DelhiArgs(), {"--convention", "gulika=ghatis"}));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--convention gulika takes start, middle or end, not \"ghatis\""), std::string::npos)
        << refused.err;

    const std::string csv =
        "name,date,time,zone,lat,lon,dst,city,state,country,profile\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India,seven-lords;maandi=ghatis\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India,kerala;maandi=later\n";
    const auto batch = LinesOf(Run({"--batch", "-"}, csv).out);
    ASSERT_EQ(batch.size(), 2u);
    EXPECT_EQ(Json::parse(batch[0])["profile"]["lords"], "seven");
    EXPECT_EQ(Json::parse(batch[0])["profile"]["maandi"], "ghatis");
    EXPECT_EQ(Json::parse(batch[1])["error"], "profile: maandi takes start, middle, end or ghatis, not \"later\"");

    const auto compared = Run(Plus(DelhiArgs(), {"--compare", "--json"}));
    ASSERT_EQ(compared.status, 0) << compared.err;
    const Json grid = Json::parse(compared.out);
    EXPECT_EQ(grid["in_use"], "original");
    ASSERT_EQ(grid["columns"].size(), 6u);
    const Json& kerala = grid["columns"][4];
    EXPECT_EQ(kerala["profile"]["name"], "kerala");
    for (std::size_t u = 0; u < 5; ++u) EXPECT_EQ(kerala["upagrahas"][u]["differs"], false) << u;
    EXPECT_EQ(kerala["upagrahas"][5]["differs"], true);
    const auto text = Run(Plus(DelhiArgs(), {"--compare", "--profile", "seven-lords", "--convention", "lords=eight"}));
    ASSERT_EQ(text.status, 0) << text.err;
    // lords=eight on seven-lords is the original's values: the original column is the one in use.
    EXPECT_NE(text.out.find("In use: original."), std::string::npos) << text.out;
    EXPECT_EQ(Run(Plus(DelhiArgs(), {"--compare", "--working"})).status, 2);
}

// The grahas on request only: in the JSON (nine grahas, five upagrahas of the Sun, after the
// upagrahas), in the report's new section, and in every batch line; the default output keeps its
// bytes (the goldens check the rest).
TEST_F(CliEndToEnd, gives_the_grahas_only_when_asked) {
    const auto plain = Run(Plus(DelhiArgs(), {"--json"}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_FALSE(Json::parse(plain.out).contains("grahas"));

    const auto r = Run(Plus(DelhiArgs(), {"--json", "--grahas", "--profile", "precise"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["profile"]["name"], "precise");
    ASSERT_EQ(j["grahas"].size(), 9u);
    ASSERT_EQ(j["sun_upagrahas"].size(), 5u);
    const std::vector<std::string> keys = {"name",      "longitude", "sign",  "degrees",
                                           "nakshatra", "pada",      "house", "retrograde"};
    std::vector<std::string> seen;
    for (const auto& item : j["grahas"][1].items()) seen.push_back(item.key());
    EXPECT_EQ(seen, keys);
    EXPECT_EQ(j["grahas"][0]["name"], "Sun");
    EXPECT_EQ(j["grahas"][8]["name"], "Ketu");
    EXPECT_EQ(j["sun_upagrahas"][0]["name"], "Dhuma");
    // Rahu as the mean node always moves backwards; the Sun never does.
    EXPECT_EQ(j["grahas"][7]["retrograde"], true);
    EXPECT_EQ(j["grahas"][0]["retrograde"], false);

    const auto text = Run(Plus(DelhiArgs(), {"--grahas"}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, Run(DelhiArgs()).out.size()), Run(DelhiArgs()).out);
    EXPECT_NE(text.out.find("The Grahas and the Upagrahas of the Sun\n"), std::string::npos) << text.out;

    const std::string csv =
        "name,date,time,zone,lat,lon,dst,city,state,country\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India\n";
    const auto batch = Run({"--batch", "-", "--grahas"}, csv);
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(Json::parse(LinesOf(batch.out)[0])["grahas"].size(), 9u);
    EXPECT_FALSE(Json::parse(LinesOf(Run({"--batch", "-"}, csv).out)[0]).contains("grahas"));
}

// Under the original's formulas a reading at 60 degrees or more says that the sunrise formula
// loses accuracy there, on standard error beside the report and in the JSON's warnings.
TEST_F(CliEndToEnd, warns_of_the_sunrise_formula_from_60_degrees_of_latitude) {
    const auto at60 = Run(With(DelhiArgs(), "--lat", "60N00"));
    ASSERT_EQ(at60.status, 0) << at60.err;
    EXPECT_NE(at60.err.find(reading::kFarNorthWarning), std::string::npos) << at60.err;
    const auto at59 = Run(With(DelhiArgs(), "--lat", "59N59"));
    ASSERT_EQ(at59.status, 0) << at59.err;
    EXPECT_EQ(at59.err.find("60 degrees"), std::string::npos) << at59.err;
    const auto json = Json::parse(Run(Plus(With(DelhiArgs(), "--lat", "60N00"), {"--json"})).out);
    EXPECT_EQ(json["warnings"].back(), reading::kFarNorthWarning);
    const auto precise = Run(Plus(With(DelhiArgs(), "--lat", "60N00"), {"--profile", "precise"}));
    ASSERT_EQ(precise.status, 0) << precise.err;
    EXPECT_EQ(precise.err.find("60 degrees"), std::string::npos) << precise.err;
}

// A folder of reading files: every kind under the same options, a file that cannot be read or
// names an unknown profile gives its error line and the files after it are still read.
TEST_F(CliEndToEnd, batch_of_reading_files_goes_on_past_a_bad_one_under_the_same_options) {
    fs::create_directory(Path("folder"));
    ASSERT_EQ(Run(Plus(DelhiArgs(), {"--save", Path("folder/1.vela").string()})).status, 0);
    const std::string vela = Slurp(Path("folder/1.vela"));
    const auto replaced = [&vela](const std::string& from, const std::string& to) {
        return std::string(vela).replace(vela.find(from), from.size(), to);
    };
    Write(Path("folder/2.vela"), replaced("\"month\": 6", "\"month\": 1e400"));
    Write(Path("folder/3.vela"), replaced("\"profile\": \"original\"", "\"profile\": \"sidereal\""));
    ASSERT_EQ(Run(Plus(DelhiArgs(), {"--save", Path("folder/4.ved").string()})).status, 0);

    const auto conventions = Run({"--batch", Path("folder").string(), "--convention", "lords=seven"});
    EXPECT_EQ(conventions.status, 1);
    const auto lines = LinesOf(conventions.out);
    ASSERT_EQ(lines.size(), 4u) << conventions.out << conventions.err;
    EXPECT_EQ(Json::parse(lines[0])["profile"]["lords"], "seven");
    EXPECT_TRUE(Json::parse(lines[1]).contains("error")) << lines[1];
    EXPECT_NE(Json::parse(lines[2])["error"].get<std::string>().find("\"sidereal\""), std::string::npos);
    EXPECT_EQ(Json::parse(lines[3])["profile"]["lords"], "seven");

    const auto named = LinesOf(Run({"--batch", Path("folder").string(), "--profile", "gulika-start"}).out);
    ASSERT_EQ(named.size(), 4u);
    for (const std::size_t k : {0u, 2u, 3u}) EXPECT_EQ(Json::parse(named[k])["profile"]["name"], "gulika-start") << k;

    // A row's profile column is the row's own choice, and --convention applies on top of it too.
    const auto row = Run({"--batch", "-", "--convention", "maandi=ghatis"},
                         "name,date,time,zone,lat,lon,dst,city,state,country,profile\n"
                         "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India,seven-lords\n");
    EXPECT_EQ(Json::parse(row.out)["profile"]["lords"], "seven") << row.out;
    EXPECT_EQ(Json::parse(row.out)["profile"]["maandi"], "ghatis") << row.out;
}

TEST_F(CliEndToEnd, batch_says_why_a_folder_cannot_be_listed) {
    if (::geteuid() == 0) GTEST_SKIP() << "root lists a folder without read permission";
    fs::create_directory(Path("closed"));
    fs::permissions(Path("closed"), fs::perms::none);
    const auto r = Run({"--batch", Path("closed").string()});
    fs::permissions(Path("closed"), fs::perms::owner_all);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("could not be listed: Permission denied"), std::string::npos) << r.err;
}

// 46 ghatis 32 palas after the 05:23 sunrise of New Delhi on 15 June 1975: 66,240 + 768 s = 18:36:48
// later, 23:59:48 on the birth date's clock, which the reading takes as 00:00 of the next date.
TEST_F(CliEndToEnd, ghatis_line_names_the_date_of_the_clock_time_and_of_the_minute_taken) {
    const auto r = Run(Plus(With(DelhiArgs(), "--time", nullptr), {"--ghatis", "46.32", "--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("(05:23:00): 23:59:48 on the clock, read as 00:00 of the next day"), std::string::npos)
        << r.err;
    EXPECT_EQ(Json::parse(r.out)["date"], "1975-06-16");
}

// --vargas and --varga N beside the reading, which stays as it is. Each point is read back with a
// count of its own: the rasi and the navamsa as whole parts of 30 deg and 3 deg 20' from 0 Aries (the
// navamsas run on from Aries through the zodiac), vargottama where the two agree.
TEST_F(CliEndToEnd, vargas_place_every_point_of_the_reading_beside_it) {
    const Json plain = Json::parse(Run(Plus(DelhiArgs(), {"--json", "--grahas"})).out);
    const auto r = Run(Plus(DelhiArgs(), {"--json", "--grahas", "--vargas"}));
    ASSERT_EQ(r.status, 0) << r.err;
    Json reading = Json::parse(r.out);
    const Json vargas = reading["vargas"];
    reading.erase("vargas");
    EXPECT_EQ(reading, plain);
    ASSERT_EQ(vargas["points"].size(), 1u + 9 + 6 + 5);
    EXPECT_EQ(vargas["points"][10]["longitude"], plain["upagrahas"][0]["degrees"]);  // Kaala
    for (const Json& p : vargas["points"]) {
        EXPECT_EQ(p.size(), 3u + 16) << p["name"];
        const double longitude = p["longitude"];
        const auto rasi = static_cast<std::size_t>(longitude / 30);
        const auto navamsa = static_cast<std::size_t>(longitude * 3 / 10) % 12;
        EXPECT_EQ(p["D1"]["sign"], upagraha::kSignNames[rasi]) << p["name"];
        EXPECT_EQ(p["D9"]["sign"], upagraha::kSignNames[navamsa]) << p["name"];
        EXPECT_EQ(p["vargottama"], rasi == navamsa) << p["name"];
    }

    const std::string report = Run(DelhiArgs()).out;
    const auto one = Run(Plus(DelhiArgs(), {"--varga", "9"}));
    EXPECT_EQ(one.out.substr(0, report.size()), report);
    EXPECT_NE(one.out.find("\nD9 Navamsa\n"), std::string::npos) << one.out;
    EXPECT_EQ(one.out.find("D1 Rasi"), std::string::npos);
    // In Hindi and Tamil, the glossary's names (docs/translations.md).
    EXPECT_NE(Run(Plus(DelhiArgs(), {"--varga", "9", "--lang", "hi"})).out.find("D9 नवांश"), std::string::npos);
    EXPECT_NE(Run(Plus(DelhiArgs(), {"--varga", "9", "--lang", "ta"})).out.find("D9 நவாம்சம்"), std::string::npos);

    const auto n = NewDelhiNotation();
    const std::string csv = "name,date,time,zone,lat,lon,dst,city,state,country\n" + n.name + "," + n.dateText + "," +
                            n.time + "," + n.zoneName + "," + n.latText + "," + n.lonText + "," + n.dstText + "," +
                            n.city + "," + n.state + "," + n.country + "\n";
    const Json row = Json::parse(Run({"--batch", "-", "--varga", "9"}, csv).out);
    ASSERT_EQ(row["vargas"]["points"].size(), 1u + 6 + 5);
    EXPECT_EQ(row["vargas"]["points"][0], vargas["points"][0].patch(Json::parse(R"([
        {"op": "remove", "path": "/D1"}, {"op": "remove", "path": "/D2"}, {"op": "remove", "path": "/D3"},
        {"op": "remove", "path": "/D4"}, {"op": "remove", "path": "/D7"}, {"op": "remove", "path": "/D10"},
        {"op": "remove", "path": "/D12"}, {"op": "remove", "path": "/D16"}, {"op": "remove", "path": "/D20"},
        {"op": "remove", "path": "/D24"}, {"op": "remove", "path": "/D27"}, {"op": "remove", "path": "/D30"},
        {"op": "remove", "path": "/D40"}, {"op": "remove", "path": "/D45"}, {"op": "remove", "path": "/D60"}])")));

    const auto refused = Run(Plus(DelhiArgs(), {"--varga", "5"}));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("the vargas are 1 2 3 4 7 9 10 12 16 20 24 27 30 40 45 60"), std::string::npos);
}

}  // namespace
