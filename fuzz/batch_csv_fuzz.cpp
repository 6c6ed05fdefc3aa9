// Arbitrary bytes as a batch CSV file. The line reader must never hold a line beyond its cap nor give
// one with a line feed in it; a line's fields, quoted again, must split back into the same fields; and a
// whole run must answer one JSON line per row (or the single row-0 line that refuses the header),
// whatever the bytes hold, without a crash, a hang, a leak or undefined behaviour.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"

namespace {

using namespace vela::cli;

void Require(bool holds) {
    if (!holds) std::abort();
}

// A field as a CSV writer quotes it: always quoted, every quote doubled.
std::string QuotedField(const std::string& field) {
    std::string text = "\"";
    for (const char c : field) text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + '"';
}

void CheckLines(std::string_view bytes) {
    // A small cap, so that the fuzzer meets it often.
    constexpr std::size_t kCap = 64;
    std::istringstream in{std::string(bytes)};
    LineReader reader(in, kCap);
    InputLine line;
    std::vector<std::string> fields;
    std::vector<std::string> again;
    std::size_t lines = 0;
    while (reader.Next(line)) {
        ++lines;
        Require(line.text.size() <= kCap);
        Require(line.text.find('\n') == std::string::npos);
        if (SplitCsvLine(line.text, fields)) continue;
        std::string rebuilt;
        for (std::size_t k = 0; k < fields.size(); ++k) {
            Require(fields[k].size() <= kMaxFieldBytes);
            rebuilt += (k > 0 ? "," : "") + QuotedField(fields[k]);
        }
        Require(!SplitCsvLine(rebuilt, again));
        Require(again == fields);
    }
    // Never more lines than line feeds, plus the last one without its line end.
    Require(lines <= static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
}

void CheckRun(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatch(in, out, err);
    Require(status == 0 || status == 1);
    const std::string text = out.str();
    Require(text.empty() || text.back() == '\n');
    std::size_t answers = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        const std::string_view answer(text.data() + at, end - at);
        Require(answer.size() >= 2 && answer.front() == '{' && answer.back() == '}');
        ++answers;
        at = end + 1;
    }
    // At least one answer (a reading, a row's error, or the header's refusal), none for a header alone.
    Require(answers > 0 || status == 0);
    Require(answers <= static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckLines(bytes);
    CheckRun(bytes);
    return 0;
}
