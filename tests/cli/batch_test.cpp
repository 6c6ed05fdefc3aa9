// The batch reader under ordinary and hostile input: lines, CSV fields, and whole runs.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/reading_json.h"
#include "tests/cli/reference_reading.h"
#include "tests/support/test_names.h"

namespace {

using namespace vela::cli;

constexpr const char* kHeader = "name,date,time,zone,lat,lon,dst,city,state,country\n";
constexpr const char* kDelhiRow = "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India\n";
constexpr const char* kLondonRow = "\"Ann\",1980-01-01,08:15,20,51N30,0W07,false,\"London\",England,UK\n";
constexpr char kNulRow[] = "Asha\0,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India";

std::vector<std::string> Lines(std::istream& in, std::size_t cap, std::vector<bool>* tooLong = nullptr) {
    LineReader reader(in, cap);
    InputLine line;
    std::vector<std::string> lines;
    while (reader.Next(line)) {
        lines.push_back(line.strText);
        if (tooLong) tooLong->push_back(line.blnTooLong);
    }
    return lines;
}

TEST(LineReader, splits_at_line_feeds_and_drops_a_carriage_return) {
    std::istringstream in("one\r\ntwo\n\nthree");
    EXPECT_EQ(Lines(in, 100), (std::vector<std::string>{"one", "two", "", "three"}));
    std::istringstream empty("");
    EXPECT_TRUE(Lines(empty, 100).empty());
}

TEST(LineReader, keeps_no_more_than_its_cap_and_resumes_at_the_next_line) {
    std::istringstream in(std::string(1000, 'x') + "\nafter\n");
    std::vector<bool> tooLong;
    const auto lines = Lines(in, 16, &tooLong);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 16u);
    EXPECT_TRUE(tooLong[0]);
    EXPECT_EQ(lines[1], "after");
    EXPECT_FALSE(tooLong[1]);
}

struct SplitCase {
    const char* name;
    std::string line;
    std::vector<std::string> fields;  // expected when accepted
    const char* problem;              // a word of the problem when refused, else nullptr
};
// Test output names the row rather than dumping its bytes.
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitCsv : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCsv, reads_fields_or_names_the_fault) {
    const auto& c = GetParam();
    std::vector<std::string> fields;
    const auto problem = SplitCsvLine(c.line, fields);
    if (c.problem == nullptr) {
        ASSERT_FALSE(problem.has_value()) << *problem;
        EXPECT_EQ(fields, c.fields);
    } else {
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCsv,
    ::testing::Values(
        SplitCase{"plain_fields", "a,b,c", {"a", "b", "c"}, nullptr},
        SplitCase{"empty_fields", ",,", {"", "", ""}, nullptr},
        SplitCase{"empty_line_is_one_empty_field", "", {""}, nullptr},
        SplitCase{"quoted_comma", "\"New Delhi, NCT\",x", {"New Delhi, NCT", "x"}, nullptr},
        SplitCase{"doubled_quote", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}, nullptr},
        SplitCase{"empty_quoted_field", "\"\",\"\"", {"", ""}, nullptr},
        SplitCase{
            "field_of_exactly_the_cap", std::string(kMaxFieldBytes, 'a'), {std::string(kMaxFieldBytes, 'a')}, nullptr},
        SplitCase{"quoted_field_of_only_quotes_at_the_cap",
                  std::string(2 * kMaxFieldBytes + 2, '"'),
                  {std::string(kMaxFieldBytes, '"')},
                  nullptr},
        SplitCase{"quote_left_open", "a,\"New Delhi,b", {}, "not closed"},
        SplitCase{"quote_open_at_the_end", "a,\"", {}, "not closed"},
        SplitCase{"text_after_closing_quote", "\"a\"b,c", {}, "after its closing quote"},
        SplitCase{"quote_inside_unquoted_field", "O\"Brien,c", {}, "not quoted"},
        SplitCase{"field_over_the_cap", std::string("a,").append(kMaxFieldBytes + 1, 'b'), {}, "field 2 is longer"}),
    RowName());

std::vector<std::string> OutputLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct BatchRun {
    int status;
    std::vector<Json> objects;
};

BatchRun Batch(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    BatchRun r{RunBatch(in, out), {}};
    for (const auto& line : OutputLines(out.str())) r.objects.push_back(Json::parse(line));
    return r;
}

void ExpectReading(const Json& object, const char* name) {
    EXPECT_FALSE(object.contains("error")) << object.dump();
    EXPECT_EQ(object.value("name", ""), name);
    EXPECT_EQ(object["upagrahas"].size(), 6u);
}

void ExpectRowError(const Json& object, int row, const std::string& mentions) {
    ASSERT_TRUE(object.contains("error")) << object.dump();
    EXPECT_EQ(object.size(), 2u);
    EXPECT_EQ(object["row"], row);
    EXPECT_NE(object["error"].get<std::string>().find(mentions), std::string::npos) << object.dump();
}

TEST(RunBatch, writes_one_object_per_row_in_input_order) {
    const auto r = Batch(std::string(kHeader) + kDelhiRow + kLondonRow);
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.objects.size(), 2u);
    ExpectReading(r.objects[0], "Asha");
    EXPECT_EQ(r.objects[0]["ascendant"]["text"], kNewDelhiAscendant);
    ExpectReading(r.objects[1], "Ann");
    EXPECT_EQ(r.objects[1]["longitude"].get<double>(), -7 / 60.0);
}

TEST(RunBatch, reports_a_bad_row_and_goes_on) {
    const std::string bad = "Bad,1975-13-40,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n";
    const auto r = Batch(std::string(kHeader) + kDelhiRow + bad + kLondonRow);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), 3u);
    ExpectReading(r.objects[0], "Asha");
    ExpectRowError(r.objects[1], 2, "date: \"1975-13-40\": the month 13");
    ExpectReading(r.objects[2], "Ann");
}

TEST(RunBatch, gives_the_window_message_for_a_refused_reading) {
    const auto r = Batch(std::string(kHeader) +
                         "Asha,1975-04-31,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n"
                         ",1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n"
                         "Asha,1975-06-15,10:30,34,78N13,15E38,false,Longyearbyen,Svalbard,Norway\n"
                         "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India2\n");
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), 4u);
    ExpectRowError(r.objects[0], 1, "Please Enter Correct Date Or Month !");
    ExpectRowError(r.objects[1], 2, "Please Enter Your Name");
    ExpectRowError(r.objects[2], 3, "The Sun does not rise and set on this date at this place.");
    ExpectRowError(r.objects[3], 4, "country: Please enter only letters");
}

// A hostile line between two good rows: refused with the row's number, the next row unharmed.
struct HostileCase {
    const char* name;
    std::string line;  // without its line end
    const char* mentions;
};
// Test output names the row rather than dumping its bytes.
void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class HostileRow : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileRow, is_refused_and_the_next_row_still_reads) {
    const auto& c = GetParam();
    const auto r = Batch(std::string(kHeader) + kDelhiRow + c.line + "\n" + kLondonRow);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), 3u);
    ExpectReading(r.objects[0], "Asha");
    ExpectRowError(r.objects[1], 2, c.mentions);
    ExpectReading(r.objects[2], "Ann");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileRow,
    ::testing::Values(
        HostileCase{"missing_column", "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,India", "9 fields"},
        HostileCase{"extra_column", "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India,x", "11 fields"},
        HostileCase{"quote_left_open", "\"Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India", "not closed"},
        HostileCase{"field_over_4096_bytes",
                    std::string(5000, 'A') + ",1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India",
                    "field 1 is longer than 4096 bytes"},
        HostileCase{"megabyte_line", std::string(1 << 20, 'x'), "longer than"},
        HostileCase{"nul_byte", std::string(kNulRow, sizeof kNulRow - 1), "NUL byte"},
        HostileCase{"binary_bytes", "\x01\xFF\xFE\x80,\x7F", "fields"}, HostileCase{"blanks_only", "   ", "1 fields"},
        HostileCase{"wrong_notation", "Asha,1975-06-15,10:30,34,28X37,77E13,false,Delhi,Delhi,India", "lat: \"28X37\""},
        HostileCase{"dst_word", "Asha,1975-06-15,10:30,34,28N37,77E13,yes,Delhi,Delhi,India", "dst: \"yes\""}),
    RowName());

TEST(RunBatch, refuses_an_empty_file_with_a_row_zero_error) {
    const auto r = Batch("");
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), 1u);
    ExpectRowError(r.objects[0], 0, "empty");
}

TEST(RunBatch, treats_a_header_alone_as_no_rows) {
    const auto r = Batch(kHeader);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.objects.empty());
}

TEST(RunBatch, reads_no_row_under_a_wrong_header) {
    const auto r = Batch(std::string("name,date,time,zone,lat,lon,city,state,country\n") + kDelhiRow);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), 1u);
    ExpectRowError(r.objects[0], 0, "header name,date,time,zone,lat,lon,dst,city,state,country");
    // A file without any header at all is refused the same way, not read as data.
    const auto headless = Batch(std::string(kDelhiRow) + kLondonRow);
    EXPECT_EQ(headless.status, 1);
    ASSERT_EQ(headless.objects.size(), 1u);
    ExpectRowError(headless.objects[0], 0, "header");
}

TEST(RunBatch, accepts_a_spreadsheet_export) {
    // Byte-order mark, capitalised header, CRLF line ends and no line end after the last row.
    const auto r = Batch(
        "\xEF\xBB\xBFName,Date,Time,Zone,Lat,Lon,DST,City,State,Country\r\n"
        "Asha,1975-06-15,10:30,34,28N37,77E13,FALSE,\"New Delhi\",Delhi,India\r\n"
        "Ann,1980-01-01,08:15,20,51N30,0W07,false,London,England,UK");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.objects.size(), 2u);
    ExpectReading(r.objects[0], "Asha");
    EXPECT_EQ(r.objects[0]["city"], "New Delhi");
    ExpectReading(r.objects[1], "Ann");
}

TEST(RunBatch, skips_blank_lines_but_numbers_rows_by_line) {
    const std::string bad = "Bad,1975-06-15,25:00,34,28N37,77E13,false,Delhi,Delhi,India\n";
    const auto r = Batch(std::string(kHeader) + "\n" + kDelhiRow + "\r\n" + bad);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), 2u);
    ExpectReading(r.objects[0], "Asha");
    ExpectRowError(r.objects[1], 4, "hour 25");  // line 5 of the file
}

// Serves its input one line per refill and notes how much output existed at each refill.
class LineByLineInput : public std::streambuf {
public:
    LineByLineInput(std::vector<std::string> lines, const std::ostringstream& out)
        : lines_(std::move(lines)), out_(out) {}
    std::vector<std::size_t> outputAtRefill;

protected:
    int_type underflow() override {
        if (next_ >= lines_.size()) return traits_type::eof();
        outputAtRefill.push_back(out_.str().size());
        auto& line = lines_[next_++];
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line.front());
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const std::ostringstream& out_;
};

TEST(RunBatch, writes_each_chunk_before_reading_the_next) {
    // Two chunks and a bit: the rows of a chunk are written before the next chunk is read, so
    // memory holds one chunk whatever the length of the file.
    std::vector<std::string> lines = {kHeader};
    for (std::size_t i = 0; i < 2 * kBatchChunkRows + 3; ++i) lines.push_back(i % 2 ? kLondonRow : kDelhiRow);
    std::ostringstream out;
    LineByLineInput input(lines, out);
    std::istream in(&input);
    EXPECT_EQ(RunBatch(in, out), 0);
    ASSERT_EQ(input.outputAtRefill.size(), lines.size());
    EXPECT_EQ(input.outputAtRefill[kBatchChunkRows], 0u);  // the whole first chunk read, nothing written
    EXPECT_GT(input.outputAtRefill[kBatchChunkRows + 1], 0u);
    EXPECT_GT(input.outputAtRefill[2 * kBatchChunkRows + 1], input.outputAtRefill[kBatchChunkRows + 1]);
    const auto written = OutputLines(out.str());
    ASSERT_EQ(written.size(), lines.size() - 1);
    // In input order, though rows were calculated side by side.
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(Json::parse(written[i])["name"], i % 2 ? "Ann" : "Asha") << i;
}

TEST(RunBatch, stops_and_fails_when_the_output_fails) {
    std::istringstream in(std::string(kHeader) + kDelhiRow + kDelhiRow);
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunBatch(in, out), 1);
}

}  // namespace
