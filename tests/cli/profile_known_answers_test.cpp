// The program's own conventions, named: the known answers (tests/data/known_answers, computed by an
// independent implementation) through a batch run under the profile "original", given for the run
// and given in each row's profile column. Both must give the answers the program has always given,
// within the tolerances of the known answers, and the two must agree to the byte.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "tests/cli/reference_reading.h"

namespace {

using namespace vela;

std::string Slurp(const char* name) {
    std::ifstream in(std::string(VELA_KNOWN_ANSWERS_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Batch(const std::string& csv, const upagraha::ConventionProfile& profile) {
    std::istringstream in(csv);
    std::ostringstream out;
    std::ostringstream err;
    cli::RunBatch(in, out, err, profile);
    return out.str();
}

// The same file with a profile column naming the program's own conventions on every row.
std::string WithProfileColumn(const std::string& csv) {
    std::string result;
    bool header = true;
    for (const std::string& line : Lines(csv)) {
        result += line + (header ? ",profile\n" : ",original\n");
        header = false;
    }
    return result;
}

// Degrees apart, across 0/360.
double Apart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// Field by field, with the known answers' tolerances: degrees 1e-6, hours 1e-7, latitude and
// longitude 1e-9; texts, days and lords exactly.
void ExpectKnownAnswer(const Json& got, const Json& want, std::size_t row) {
    SCOPED_TRACE("row " + std::to_string(row + 1));
    if (want.contains("error")) {
        EXPECT_EQ(got.value("error", ""), want["error"].get<std::string>());
        return;
    }
    EXPECT_EQ(got["profile"]["name"], "original");
    for (const char* key : {"name", "date", "time", "zone", "zone_text", "dst", "city", "state", "country",
                            "birth_by_day", "weekday", "sun"})
        EXPECT_EQ(got[key], want[key]) << key;
    EXPECT_NEAR(got["latitude"].get<double>(), want["latitude"].get<double>(), 1e-9);
    EXPECT_NEAR(got["longitude"].get<double>(), want["longitude"].get<double>(), 1e-9);
    EXPECT_EQ(got["ascendant"]["text"], want["ascendant"]["text"]);
    EXPECT_LE(Apart(got["ascendant"]["degrees"].get<double>(), want["ascendant"]["degrees"].get<double>()), 1e-6);
    ASSERT_EQ(got["portions"].size(), want["portions"].size());
    for (std::size_t k = 0; k < want["portions"].size(); ++k) {
        EXPECT_EQ(got["portions"][k]["lord"], want["portions"][k]["lord"]) << k;
        EXPECT_NEAR(got["portions"][k]["start"].get<double>(), want["portions"][k]["start"].get<double>(), 1e-7);
        EXPECT_NEAR(got["portions"][k]["end"].get<double>(), want["portions"][k]["end"].get<double>(), 1e-7);
    }
    ASSERT_EQ(got["upagrahas"].size(), want["upagrahas"].size());
    for (std::size_t u = 0; u < want["upagrahas"].size(); ++u) {
        const Json& g = got["upagrahas"][u];
        const Json& w = want["upagrahas"][u];
        for (const char* key : {"name", "lord", "longitude", "house"}) EXPECT_EQ(g[key], w[key]) << u << key;
        EXPECT_NEAR(g["moment"].get<double>(), w["moment"].get<double>(), 1e-7) << u;
        EXPECT_LE(Apart(g["degrees"].get<double>(), w["degrees"].get<double>()), 1e-6) << u;
    }
}

TEST(OriginalProfile, gives_the_known_answers_whether_named_for_the_run_or_in_each_row) {
    const std::string csv = Slurp("readings.csv");
    const std::vector<std::string> expected = Lines(Slurp("expected.jsonl"));
    ASSERT_EQ(Lines(csv).size(), expected.size() + 1) << "the known answers are missing";

    const std::string forTheRun = Batch(csv, upagraha::kOriginalProfile);
    const std::vector<std::string> got = Lines(forTheRun);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ExpectKnownAnswer(Json::parse(got[i]), Json::parse(expected[i]), i);

    // Named in every row, over another run profile: the same bytes.
    EXPECT_EQ(Batch(WithProfileColumn(csv), *upagraha::FindProfile("seven-lords")), forTheRun);
}

}  // namespace
