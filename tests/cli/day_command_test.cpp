// The built program's day mode: --day and --month with a place given by flags or by a saved
// reading, their outputs read back, and the rules between their options.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"

namespace {

namespace fs = std::filesystem;

using vela::clitest::CliRun;

class DayCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vela_day_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    CliRun Run(const std::vector<std::string>& args) const { return vela::clitest::RunCli(dir, args); }
    fs::path dir;
};

const std::vector<std::string> kChennai = {"--lat", "13N05", "--lon", "80E17", "--zone", "34"};

std::vector<std::string> Plus(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

int MinutesOf(const std::string& clock) { return std::stoi(clock.substr(0, 2)) * 60 + std::stoi(clock.substr(3, 2)); }

// Monday 1 April 2024 in Chennai: Rahu Kalam 07:39 to 09:10 in the almanac published at
// https://www.astroved.com/astropedia/en/rahu-kalam-today-chennai; a Monday's first hora is the Moon's.
TEST_F(DayCommand, day_as_json_holds_the_portions_horas_and_periods) {
    const auto run = Run(Plus({"--day", "2024-04-01", "--json"}, kChennai));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto day = nlohmann::json::parse(run.out);
    EXPECT_EQ(day["weekday"], "Monday");
    EXPECT_NEAR(MinutesOf(day["rahu_kalam"]["start"]), 7 * 60 + 39, 2);
    EXPECT_NEAR(MinutesOf(day["rahu_kalam"]["end"]), 9 * 60 + 10, 2);
    EXPECT_EQ(day["day_portions"].size(), 8U);
    EXPECT_EQ(day["night_portions"].size(), 8U);
    ASSERT_EQ(day["horas"].size(), 24U);
    EXPECT_EQ(day["horas"][0]["lord"], "Moon");
    EXPECT_EQ(day["horas"][1]["lord"], "Sat");
    EXPECT_TRUE(day["note"].is_null());  // a Monday: Yamaghantaka's portion is the almanac's
}

// The month as CSV, one row a day, the tick in every row; and a saved reading's place gives the
// same month as the same place by flags.
TEST_F(DayCommand, month_as_csv_and_from_a_saved_reading) {
    const auto csv = Run(Plus({"--month", "2024-02", "--csv", "--dst"}, kChennai));
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream lines(csv.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 30U);  // the header and 29 days of a leap February
    EXPECT_EQ(rows[1].rfind("2024-02-01,Thursday,", 0), 0U) << rows[1];
    for (std::size_t k = 1; k < rows.size(); ++k) EXPECT_NE(rows[k].find(",true,"), std::string::npos) << rows[k];

    const std::string saved = (dir / "asha.ved").string();
    const auto save = Run(Plus({"--name", "Asha", "--date", "1975-06-15", "--time", "10:30", "--city", "Chennai",
                                "--state", "Tamil Nadu", "--country", "India", "--save", saved},
                               kChennai));
    ASSERT_EQ(save.status, 0) << save.err;
    // The reading's tick was the birth's; the day's is --dst's.
    const auto fromFile = Run({saved, "--month", "2024-02", "--dst"});
    const auto fromFlags = Run(Plus({"--month", "2024-02", "--dst"}, kChennai));
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, fromFlags.out);
    const auto clash = Run(Plus({saved, "--month", "2024-02"}, kChennai));
    EXPECT_EQ(clash.status, 2);
}

// --choghadiya adds the sixteen choghadiyas to the day's text and JSON: on Thursday 8 June 2023 in
// Ahmedabad the day opens with Shubh and the night with Amrit (the published day,
// https://www.mypandit.com/choghadiya/amp/?city=Ahmedabad&mpdate=08-06-2023).
TEST_F(DayCommand, day_with_its_choghadiyas) {
    const std::vector<std::string> ahmedabad = {"--day",  "2023-06-08", "--lat",     "23N01",   "--lon",       "72E34",
                                                "--zone", "34",         "--profile", "precise", "--choghadiya"};
    const auto text = Run(ahmedabad);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Choghadiyas of the day"), std::string::npos);
    EXPECT_NE(text.out.find("1  Shubh  05:5"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("1  Amrit  19:2"), std::string::npos) << text.out;
    auto withJson = ahmedabad;
    withJson.push_back("--json");
    const auto json = Run(withJson);
    ASSERT_EQ(json.status, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    ASSERT_EQ(parsed["choghadiyas"].size(), 16U);
    EXPECT_EQ(parsed["choghadiyas"][4]["name"], "Labh");
    EXPECT_NEAR(parsed["choghadiyas"][4]["span"]["start_hours"].get<double>() * 60, 12 * 60 + 38, 2);
    EXPECT_EQ(parsed["choghadiyas"][8]["by_day"], false);
    // Without the flag the day is as before.
    const auto plain = Run(std::vector<std::string>(ahmedabad.begin(), ahmedabad.end() - 1));
    EXPECT_EQ(plain.out.find("Choghadiya"), std::string::npos);
}

// --lang writes the day's and the month's text in Hindi or Tamil: no word in Latin letters but the
// profile's short name, which --profile takes; the times stay as they are; a refusal is in the
// language too. JSON and CSV keep English and take no --lang.
TEST_F(DayCommand, speaks_hindi_and_tamil_when_asked) {
    const auto latinWords = [](const std::string& text) {
        std::string words;
        std::string word;
        for (const char c : text + " ") {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
                word += c;
            } else {
                if (!word.empty() && word != "original") words += word + " ";
                word.clear();
            }
        }
        return words;
    };
    const auto english = Run(Plus({"--day", "2024-04-01"}, kChennai));
    ASSERT_EQ(english.status, 0) << english.err;
    for (const std::string code : {"hi", "ta"}) {
        SCOPED_TRACE(code);
        for (const auto& args : {std::vector<std::string>{"--day", "2024-04-01"},
                                 std::vector<std::string>{"--month", "2024-02", "--dst"}}) {
            const auto run = Run(Plus(Plus(args, kChennai), {"--lang", code}));
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(latinWords(run.out), "") << run.out;
        }
        // The same Rahu Kalam as in English (07:39 to 09:10 by the almanac).
        const auto day = Run(Plus({"--day", "2024-04-01", "--lang", code}, kChennai));
        const auto rahu = english.out.find("Rahu Kalam");
        ASSERT_NE(rahu, std::string::npos);
        EXPECT_NE(day.out.find(english.out.substr(rahu + 14, 13)), std::string::npos) << day.out;
        const auto refused = Run(Plus({"--day", "2051-01-01", "--lang", code}, kChennai));
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(latinWords(refused.err), "") << refused.err;
        EXPECT_EQ(Run(Plus({"--day", "2024-04-01", "--json", "--lang", code}, kChennai)).status, 2);
    }
}

TEST_F(DayCommand, refuses_what_it_cannot_do) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    const Case cases[] = {
        {Plus({"--day", "2051-01-01"}, kChennai), 1, "1901 to 2050"},
        {Plus({"--day", "2024-02-30"}, kChennai), 1, "Correct Date"},
        {{"--day", "2024-12-21", "--lat", "69N39", "--lon", "18E57", "--zone", "34", "--profile", "precise"},
         1,
         "does not rise"},
        {Plus({"--day", "2024-04-01", "--csv"}, kChennai), 2, "--csv"},
        {Plus({"--month", "2024-04", "--choghadiya"}, kChennai), 2, "--choghadiya"},
        {Plus({"--day", "2024-04-01", "--month", "2024-04"}, kChennai), 2, "--month"},
        {{"--day", "2024-04-01", "--lat", "13N05", "--lon", "80E17"}, 2, "--zone"},
        {{"--day", "2024-04-01"}, 2, "place"},
        {Plus({"--day", "1-4-2024"}, kChennai), 2, "YYYY-MM-DD"},
        {Plus({"--month", "2024-04", "--profile", "nonesuch"}, kChennai), 2, "no such profile"},
        {{"--day", "2024-04-01", "--lat", "95N00", "--lon", "80E17", "--zone", "34"}, 1, "Latitude from 0 to 89"},
    };
    for (const Case& c : cases) {
        const auto run = Run(c.args);
        SCOPED_TRACE(c.args[1] + " " + c.says);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

// A reading file of every kind gives the place and the zone (Chennai's, saved by the program itself
// as "asha.EXT"); the rules name the flags given.
struct DayArgsCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* says;  // on standard output when the status is 0, else on standard error
};

class DayArgs : public DayCommand, public ::testing::WithParamInterface<DayArgsCase> {};

TEST_P(DayArgs, answer_with_the_status_and_the_flags_given) {
    std::vector<std::string> args = GetParam().args;
    for (auto& arg : args) {
        if (!arg.starts_with("asha.")) continue;
        arg = (dir / arg).string();
        const std::vector<std::string> birth = {"--name",    "Asha",   "--date",  "1975-06-15", "--time",
                                                "10:30",     "--city", "Chennai", "--state",    "Tamil Nadu",
                                                "--country", "India",  "--save",  arg};
        ASSERT_EQ(Run(Plus(birth, kChennai)).status, 0);
    }
    const auto run = Run(args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_NE((GetParam().status == 0 ? run.out : run.err).find(GetParam().says), std::string::npos) << run.err;
}

constexpr const char* kPlace = "Place: 13N05 80E17, zone +05:30";

INSTANTIATE_TEST_SUITE_P(
    DayCommand, DayArgs,
    ::testing::Values(DayArgsCase{"help", {"--day", "--help"}, 0, "--lat"},
                      DayArgsCase{"vela", {"--day", "2024-04-05", "asha.vela"}, 0, kPlace},
                      DayArgsCase{"jhd", {"--month", "2024-04", "asha.jhd"}, 0, kPlace},
                      DayArgsCase{"city", {"--day", "2024-04-05", "asha.ved", "--city", "X"}, 2, "takes no --city"},
                      DayArgsCase{"file_and_lat", {"--month", "2024-04", "asha.ved", "--lat", "1N00"}, 2, "--lat, not"},
                      DayArgsCase{
                          "no_lon", {"--day", "2024-04-05", "--lat", "1N00", "--zone", "3"}, 2, "missing --lon"}),
    [](const ::testing::TestParamInfo<DayArgsCase>& row) { return std::string(row.param.name); });

}  // namespace

namespace {

// Tromso (69N39, 18E57, CEST) in May 1990: the last sunset before the midnight Sun comes after
// midnight on 17 May and no sunrise follows it. The day prints as the month's line does, with its
// times to the second under the precise ephemeris and their date marked (+1) in the text and as
// sunset_day in the JSON; under the original formulas the sheets carry the far-North sentence.
TEST_F(DayCommand, days_past_midnight_print_with_their_date_in_every_format) {
    const std::vector<std::string> tromso = {"--lat", "69N39", "--lon", "18E57", "--zone", "20", "--dst"};
    const auto day = Run(Plus({"--day", "1990-05-17", "--json", "--profile", "precise"}, tromso));
    ASSERT_EQ(day.status, 0) << day.err;
    const auto sheet = nlohmann::json::parse(day.out);
    const std::string sunset = sheet["sunset"];
    EXPECT_EQ(sunset.size(), 8U) << sunset;  // HH:MM:SS
    EXPECT_EQ(sheet["sunset_day"], 1);
    EXPECT_TRUE(sheet["next_sunrise"].is_null());
    EXPECT_TRUE(sheet["night_portions"].empty());
    // The next day the Sun does not set: refused, as the month's line says.
    EXPECT_EQ(Run(Plus({"--day", "1990-05-18", "--profile", "precise"}, tromso)).status, 1);

    for (const std::string format : {"--csv", "--lang=en", "--json"}) {
        const auto month = Run(Plus({"--month", "1990-05", "--profile", "precise", format}, tromso));
        ASSERT_EQ(month.status, 0) << month.err;
        const bool json = format == "--json";
        EXPECT_EQ(json ? nlohmann::json::parse(month.out)["days"][16]["sunset_day"].get<int>() : 1, 1);
        EXPECT_NE(month.out.find(json ? "\"" + sunset + "\"" : sunset + " (+1)"), std::string::npos) << month.out;
    }
    const auto original = Run(Plus({"--month", "1990-05"}, tromso));
    EXPECT_NE(original.out.find("At 60 degrees of latitude or more"), std::string::npos) << original.out;
}

}  // namespace
