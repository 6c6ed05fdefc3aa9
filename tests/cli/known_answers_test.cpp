// The known answers (tests/data/known_answers) through the built program: the whole CSV file in one
// `vela-upagrahas-cli --batch` run, each output line parsed as the bytes it is and compared field by
// field with what an independent implementation of the same calculation gives.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/known_answers.h"

namespace {

namespace fs = std::filesystem;
using namespace vela::known_answers;
using OrderedJson = nlohmann::ordered_json;

struct BatchRun {
    int status = -1;
    std::vector<std::string> lines;  // standard output, one JSON object a line
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One run over the whole file, shared by every family's test.
const BatchRun& KnownAnswersBatch() {
    static const BatchRun run = [] {
        BatchRun r;
        const fs::path dir = fs::temp_directory_path() / ("vela_known_answers_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string command = std::string("'") + VELA_CLI_PATH + "' --batch '" +
                                    (KnownAnswersDir() / "readings.csv").string() + "' > '" + (dir / "out").string() +
                                    "' 2> '" + (dir / "err").string() + "'";
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream out(dir / "out", std::ios::binary);
        for (std::string line; std::getline(out, line);) r.lines.push_back(line);
        r.err = Slurp(dir / "err");
        std::error_code ignored;
        fs::remove_all(dir, ignored);
        return r;
    }();
    return run;
}

std::vector<std::string> KeysOf(const OrderedJson& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) keys.push_back(key);
    return keys;
}

TEST(KnownAnswersBatch, writes_one_line_per_row_and_fails_for_the_refused_rows) {
    const BatchRun& run = KnownAnswersBatch();
    EXPECT_EQ(run.lines.size(), kKnownRowCount);
    EXPECT_EQ(run.status, 1);  // the polar and invalid rows are refused
    EXPECT_EQ(run.err, "");
}

// The known answers leave out what later versions added: the row's offset in seconds (after its
// text), the profile (the default one,
// "original", after the place), the zone check's warnings (last), each position's nakshatra and
// pada (after its degrees), and the report's texts. Every other key is theirs, in their order.
TEST(KnownAnswersBatch, writes_the_keys_of_the_known_answers_and_the_report_texts) {
    const BatchRun& run = KnownAnswersBatch();
    const auto& rows = KnownRows();
    ASSERT_EQ(run.lines.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto expected = OrderedJson::parse(rows[i].expected, nullptr, false);
        const auto actual = OrderedJson::parse(run.lines[i], nullptr, false);
        ASSERT_FALSE(actual.is_discarded()) << "line " << i + 1 << " is not JSON: " << run.lines[i];
        const auto afterDegrees = [](std::vector<std::string> keys) {
            keys.insert(std::find(keys.begin(), keys.end(), "degrees") + 1, {"nakshatra", "pada"});
            return keys;
        };
        auto topKeys = KeysOf(expected);
        if (expected.contains("upagrahas")) {
            topKeys.insert(std::find(topKeys.begin(), topKeys.end(), "country") + 1, "profile");
            topKeys.insert(std::find(topKeys.begin(), topKeys.end(), "zone_text") + 1, "zone_offset_seconds");
            topKeys.push_back("warnings");
            EXPECT_EQ(actual["profile"]["name"], "original") << "row " << rows[i].row;
        }
        ASSERT_EQ(KeysOf(actual), topKeys) << "row " << rows[i].row;
        if (!expected.contains("upagrahas")) continue;
        ASSERT_EQ(KeysOf(actual["ascendant"]), afterDegrees(KeysOf(expected["ascendant"]))) << "row " << rows[i].row;
        for (std::size_t u = 0; u < expected["upagrahas"].size(); ++u) {
            auto keys = afterDegrees(KeysOf(expected["upagrahas"][u]));
            keys.insert(keys.end(), {"significance", "interpretation"});
            ASSERT_EQ(KeysOf(actual["upagrahas"][u]), keys) << "row " << rows[i].row;
        }
    }
}

KnownReading FromTheBatchOutput(const KnownRow& row) {
    KnownReading observed;
    const auto& lines = KnownAnswersBatch().lines;
    const auto index = static_cast<std::size_t>(row.row - 1);
    if (index >= lines.size()) {
        observed.error = "(no output line)";
    } else if (const auto problem = ParseKnownReading(lines[index], observed)) {
        observed.error = "(" + *problem + ")";
    }
    return observed;
}

class KnownFamilyBatch : public ::testing::TestWithParam<std::string_view> {};

TEST_P(KnownFamilyBatch, agrees_with_the_independent_answers_through_the_command_line) {
    ExpectFamilyAgrees(GetParam(), FromTheBatchOutput);
}

INSTANTIATE_TEST_SUITE_P(KnownAnswers, KnownFamilyBatch, ::testing::ValuesIn(kKnownFamilies), FamilyTestName());

}  // namespace
