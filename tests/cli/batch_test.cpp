// The batch reader under ordinary and hostile input: lines, CSV fields, and whole runs.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "files/reading_json.h"
#include "tests/cli/reference_reading.h"
#include "tests/support/test_names.h"

namespace {

using namespace vela::cli;
using namespace vela::files;

constexpr const char* kHeader = "name,date,time,zone,lat,lon,dst,city,state,country\n";
constexpr const char* kDelhiRow = "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India\n";
constexpr const char* kLondonRow = "\"Ann\",1980-01-01,08:15,20,51N30,0W07,false,\"London\",England,UK\n";
constexpr char kNulRow[] = "Asha\0,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India";

std::vector<std::string> Lines(std::istream& in, std::size_t cap, std::vector<bool>* tooLong = nullptr) {
    LineReader reader(in, cap);
    InputLine line;
    std::vector<std::string> lines;
    while (reader.Next(line)) {
        lines.push_back(line.text);
        if (tooLong) tooLong->push_back(line.tooLong);
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

// The batch splits every row into the same vector, whose strings are written over: nothing of a
// longer or refused line may stay behind in the next one.
TEST(SplitCsv, reuses_its_fields_without_keeping_anything_of_the_last_line) {
    std::vector<std::string> fields;
    ASSERT_FALSE(SplitCsvLine("Anand Kumar,\"New Delhi, NCT\",c,d", fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"Anand Kumar", "New Delhi, NCT", "c", "d"}));
    ASSERT_FALSE(SplitCsvLine("x,\"\"", fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"x", ""}));
    // Refused at its third field: the two before it are what the vector holds.
    ASSERT_TRUE(SplitCsvLine("p,\"q\"\"\",\"open", fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"p", "q\""}));
    ASSERT_FALSE(SplitCsvLine("one", fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"one"}));
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

// More rows than a chunk, and a count that the threads cannot share evenly: each thread writes
// its run of rows into a text of its own, and the texts must go out in input order.
TEST(RunBatch, keeps_input_order_across_chunks_and_threads) {
    const std::string bad = "Bad,1975-13-40,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n";
    std::string csv(kHeader);
    constexpr int kRows = 1201;
    for (int row = 1; row <= kRows; ++row) csv += row % 7 == 0 ? bad : row % 2 == 0 ? kDelhiRow : kLondonRow;
    const auto r = Batch(csv);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), static_cast<std::size_t>(kRows));
    for (int row = 1; row <= kRows; ++row) {
        const Json& object = r.objects[static_cast<std::size_t>(row - 1)];
        if (row % 7 == 0)
            ExpectRowError(object, row, "the month 13");
        else
            EXPECT_EQ(object["name"], row % 2 == 0 ? "Asha" : "Ann") << "row " << row;
    }
}

TEST(RunBatch, gives_the_window_message_for_a_refused_reading) {
    const auto r = Batch(std::string(kHeader) +
                         "Asha,1975-04-31,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n"
                         ",1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n"
                         "Asha,1975-06-15,10:30,34,78N13,15E38,false,Longyearbyen,Svalbard,Norway\n"
                         "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India2\n"
                         "Asha,1975-06-15,10:30,34,28N37,77E13,false,   ,Delhi,India\n");
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.objects.size(), 5u);
    ExpectRowError(r.objects[0], 1, "Please Enter Correct Date Or Month !");
    ExpectRowError(r.objects[1], 2, "Please Enter Your Name");
    ExpectRowError(r.objects[2], 3, "The Sun does not rise and set on this date at this place.");
    ExpectRowError(r.objects[3], 4, "country: Please enter only letters");
    ExpectRowError(r.objects[4], 5, "Please Enter Your City name");  // blanks only are no city
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

// A file saved in a shape the batch does not read is named for what it is, not for a wrong header.
std::string Utf16(std::string_view mark, bool bigEndian) {
    std::string bytes(mark);
    for (const char c : std::string(kHeader) + kDelhiRow)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

TEST(RunBatch, names_cr_only_line_ends_and_utf16_with_or_without_its_mark) {
    const std::string crOnly =
        "name,date,time,zone,lat,lon,dst,city,state,country\r"
        "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India\r";
    for (const auto& [bytes, says] :
         {std::pair{crOnly, "carriage return alone"}, std::pair{Utf16("\xFF\xFE", false), "UTF-16"},
          std::pair{Utf16("\xFE\xFF", true), "UTF-16"}, std::pair{Utf16("", false), "UTF-16"},
          std::pair{Utf16("", true), "UTF-16"}}) {
        const auto r = Batch(bytes);
        EXPECT_EQ(r.status, 1);
        ASSERT_EQ(r.objects.size(), 1u);
        ExpectRowError(r.objects[0], 0, says);
    }
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

// Input that arrives in parts, as from a program that writes some rows and then waits. Each part
// is served whole by one refill; between parts nothing is ready (the pause a pipe shows), unless
// the sender keeps the next part ready, as a file does. Notes how many answers existed at each
// refill, and the most bytes of rows read but not yet answered.
class PartsInput : public std::streambuf {
public:
    PartsInput(std::vector<std::string> inputParts, const std::ostringstream& output, bool moreComing = false)
        : parts(std::move(inputParts)), out(output), keepsComing(moreComing) {}
    std::vector<std::size_t> answersAtRefill;
    std::size_t mostBytesUnanswered = 0;

protected:
    std::streamsize showmanyc() override { return keepsComing && next < parts.size() ? 1 : 0; }
    int_type underflow() override {
        if (next >= parts.size()) return traits_type::eof();
        const std::string written = out.str();
        const auto answers = static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n'));
        answersAtRefill.push_back(answers);
        std::size_t unanswered = 0;
        for (std::size_t k = 1 + answers; k < next; ++k) unanswered += parts[k].size();  // part 0: the header
        mostBytesUnanswered = std::max(mostBytesUnanswered, unanswered);
        auto& part = parts[next++];
        setg(part.data(), part.data(), part.data() + part.size());
        return traits_type::to_int_type(part.front());
    }

private:
    std::vector<std::string> parts;
    std::size_t next = 0;
    const std::ostringstream& out;
    bool keepsComing;
};

TEST(RunBatch, answers_what_has_arrived_before_waiting_for_more) {
    // A sender that writes one row, waits for its answer, writes the next: each answer must be out
    // before the next read. Two rows sent together are answered together; a row cut in two by the
    // wait is answered once its end arrives.
    const std::string delhi = kDelhiRow;
    const std::vector<std::string> parts = {std::string(kHeader) + kDelhiRow, kLondonRow, delhi + kLondonRow,
                                            delhi.substr(0, 20), delhi.substr(20)};
    std::ostringstream out;
    PartsInput input(parts, out);
    std::istream in(&input);
    EXPECT_EQ(RunBatch(in, out), 0);
    EXPECT_EQ(input.answersAtRefill, (std::vector<std::size_t>{0, 1, 2, 4, 4}));
    const auto written = OutputLines(out.str());
    ASSERT_EQ(written.size(), 5u);
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(Json::parse(written[i])["name"], (i == 1 || i == 3) ? "Ann" : "Asha") << i;
}

TEST(RunBatch, holds_a_chunk_of_rows_at_most_while_the_input_keeps_coming) {
    // Two chunks and a bit of a file that is always ready: the rows of a chunk are written before
    // the next chunk is read, so memory holds one chunk whatever the length of the file.
    std::vector<std::string> parts = {kHeader};
    for (std::size_t i = 0; i < 2 * kBatchChunkRows + 3; ++i) parts.push_back(i % 2 ? kLondonRow : kDelhiRow);
    std::ostringstream out;
    PartsInput input(parts, out, true);
    std::istream in(&input);
    EXPECT_EQ(RunBatch(in, out), 0);
    ASSERT_EQ(input.answersAtRefill.size(), parts.size());
    EXPECT_EQ(input.answersAtRefill[kBatchChunkRows], 0u);  // the whole first chunk read, nothing written
    EXPECT_EQ(input.answersAtRefill[kBatchChunkRows + 1], kBatchChunkRows);
    EXPECT_EQ(input.answersAtRefill[2 * kBatchChunkRows + 1], 2 * kBatchChunkRows);
    const auto written = OutputLines(out.str());
    ASSERT_EQ(written.size(), parts.size() - 1);
    // In input order, though rows were calculated side by side.
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(Json::parse(written[i])["name"], i % 2 ? "Ann" : "Asha") << i;
}

TEST(RunBatch, holds_no_more_than_a_megabyte_of_long_rows) {
    // Rows of 80,000 bytes, each just under the line cap: 512 of them would be 40 MB.
    const std::string longRow = std::string(80'000 - 1, 'x') + "\n";
    std::vector<std::string> parts = {kHeader};
    for (int i = 0; i < 60; ++i) parts.push_back(longRow);
    std::ostringstream out;
    PartsInput input(parts, out, true);
    std::istream in(&input);
    EXPECT_EQ(RunBatch(in, out), 1);
    EXPECT_EQ(OutputLines(out.str()).size(), 60u);
    EXPECT_LE(input.mostBytesUnanswered, (1u << 20) + longRow.size());
}

// /dev/zero as a batch file: one endless line with no line feed. Serves NUL bytes a buffer at a
// time, up to a bound that keeps a reader that reads on from running for ever.
class EndlessZeros : public std::streambuf {
public:
    std::size_t served = 0;

protected:
    int_type underflow() override {
        if (served >= (64u << 20)) return traits_type::eof();
        served += block.size();
        setg(block.data(), block.data(), block.data() + block.size());
        return traits_type::to_int_type(block.front());
    }

private:
    std::string block = std::string(4096, '\0');
};

TEST(RunBatch, refuses_an_endless_first_line_once_it_passes_the_line_cap) {
    EndlessZeros zeros;
    std::istream in(&zeros);
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out), 1);
    EXPECT_LE(zeros.served, kMaxLineBytes + 4096);
    const auto written = OutputLines(out.str());
    ASSERT_EQ(written.size(), 1u);
    ExpectRowError(Json::parse(written[0]), 0, "the first line is longer than 90145 bytes");
}

TEST(RunBatch, stops_and_fails_when_the_output_fails) {
    std::istringstream in(std::string(kHeader) + kDelhiRow + kDelhiRow);
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunBatch(in, out), 1);
}

}  // namespace
