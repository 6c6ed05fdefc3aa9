#include "cli/batch.h"

#include <algorithm>
#include <initializer_list>
#include <istream>
#include <ostream>
#include <thread>

#include "cli/notation.h"
#include "cli/reading_json.h"
#include "reading/calculation_driver.h"

namespace vela::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string HeaderText() {
    std::string text;
    for (const auto column : kBatchColumns) {
        if (!text.empty()) text += ',';
        text += column;
    }
    return text;
}

// Messages are built by appending: g++ 12 at -O3 reports a false overlap (-Wrestrict) for a
// literal + std::string, which would break a build with warnings as errors.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const auto part : parts) text.append(part);
    return text;
}

std::string FieldFault(std::size_t index, std::string_view fault) {
    return Joined({"field ", std::to_string(index), " ", fault});
}

bool IsHeader(const std::vector<std::string>& fields) {
    if (fields.size() != kBatchColumns.size()) return false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string_view f = fields[i];
        while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
        while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
        if (f.size() != kBatchColumns[i].size()) return false;
        for (std::size_t k = 0; k < f.size(); ++k) {
            const char c = (f[k] >= 'A' && f[k] <= 'Z') ? static_cast<char>(f[k] - 'A' + 'a') : f[k];
            if (c != kBatchColumns[i][k]) return false;
        }
    }
    return true;
}

// Problems of the line itself, before its fields are looked at.
std::optional<std::string> LineProblem(const InputLine& line) {
    if (line.blnTooLong)
        return Joined({"the line is longer than ", std::to_string(kMaxLineBytes), " bytes and was skipped"});
    if (line.strText.find('\0') != std::string::npos) return "the line holds a NUL byte (binary data)";
    return std::nullopt;
}

constexpr unsigned kMaxWorkers = 8;

// A row between reading and writing.
struct PendingRow {
    InputLine line;
    std::int64_t row = 0;
    std::string output;  // its JSON line, without the line end
    bool failed = false;
};

// Writes the reading of one row as its JSON line into out (emptied first), or answers the message
// that refuses the row.
std::optional<std::string> ReadRow(const InputLine& line, std::vector<std::string>& fields, std::string& out) {
    out.clear();
    if (auto problem = LineProblem(line)) return problem;
    if (auto problem = SplitCsvLine(line.strText, fields)) return problem;
    if (fields.size() != kBatchColumns.size())
        return Joined({"the row has ", std::to_string(fields.size()), " fields, not the ",
                       std::to_string(kBatchColumns.size()), " of ", HeaderText()});

    const ReadingNotation notation{fields[0], fields[1], fields[2], fields[3], fields[4],
                                   fields[5], fields[6], fields[7], fields[8], fields[9]};
    BirthForm form;
    if (auto problem = FillBirthForm(notation, form)) return std::string(problem->strField) + ": " + problem->strText;
    // A record of its own for every row: nothing of one reading can reach the next.
    SharedChartState state;
    const auto outcome = modCalculationDriver::RunCalculation(form, state, false);  // JSON needs no report
    if (!outcome.Succeeded()) return outcome.message->strText;
    AppendReadingJson(out, state, outcome.upagrahas, outcome.warnings);
    return std::nullopt;
}

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t maxBytes) : buf_(in.rdbuf()), maxBytes_(maxBytes) {}

bool LineReader::Next(InputLine& line) {
    using Traits = std::char_traits<char>;
    line.strText.clear();
    line.blnTooLong = false;
    if (buf_ == nullptr) return false;
    auto c = buf_->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) return false;
    while (!Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) != '\n') {
        if (line.strText.size() < maxBytes_)
            line.strText.push_back(Traits::to_char_type(c));
        else
            line.blnTooLong = true;
        c = buf_->sbumpc();
    }
    if (!line.blnTooLong && !line.strText.empty() && line.strText.back() == '\r') line.strText.pop_back();
    return true;
}

std::optional<std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t i = 0;
    const std::size_t n = line.size();
    for (;;) {
        std::string field;
        if (i < n && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line[i++];
            }
            if (!closed) return FieldFault(fields.size() + 1, "opens a quote that is not closed");
            if (i < n && line[i] != ',') return FieldFault(fields.size() + 1, "has text after its closing quote");
        } else {
            const std::size_t end = line.find(',', i);
            const std::string_view raw = line.substr(i, end == std::string_view::npos ? n - i : end - i);
            if (raw.find('"') != std::string_view::npos)
                return FieldFault(fields.size() + 1,
                                  "holds a quote but is not quoted (quote the field and double the quote)");
            field.assign(raw);
            i += raw.size();
        }
        if (field.size() > kMaxFieldBytes)
            return FieldFault(fields.size() + 1, Joined({"is longer than ", std::to_string(kMaxFieldBytes), " bytes"}));
        fields.push_back(std::move(field));
        if (i >= n) return std::nullopt;
        ++i;  // the comma
    }
}

int RunBatch(std::istream& in, std::ostream& out) {
    LineReader reader(in);
    InputLine line;
    std::vector<std::string> fields;

    if (!reader.Next(line)) {
        out << RowErrorJsonLine(0, Joined({"the file is empty; its first line must be the header ", HeaderText()}))
            << '\n';
        return 1;
    }
    if (std::string_view(line.strText).starts_with(kByteOrderMark)) line.strText.erase(0, kByteOrderMark.size());
    if (LineProblem(line) || SplitCsvLine(line.strText, fields) || !IsHeader(fields)) {
        // Without the header the columns cannot be trusted, so no row is read.
        out << RowErrorJsonLine(0, Joined({"the first line must be the header ", HeaderText()})) << '\n';
        return 1;
    }

    // Rows are read in chunks and calculated side by side (every reading has its own record, so
    // readings share nothing), then written in input order. A chunk bounds the memory held.
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxWorkers);
    std::vector<PendingRow> chunk(kBatchChunkRows);
    std::vector<std::vector<std::string>> fieldsOf(workers);
    bool anyFailed = false;
    std::int64_t row = 0;
    for (bool more = true; more && out;) {
        std::size_t filled = 0;
        while (filled < chunk.size() && (more = reader.Next(chunk[filled].line))) {
            ++row;
            if (!chunk[filled].line.blnTooLong && chunk[filled].line.strText.empty()) continue;
            chunk[filled++].row = row;
        }
        const auto work = [&](unsigned w) {
            for (std::size_t i = w; i < filled; i += workers) {
                const auto error = ReadRow(chunk[i].line, fieldsOf[w], chunk[i].output);
                chunk[i].failed = error.has_value();
                if (error) chunk[i].output = RowErrorJsonLine(chunk[i].row, *error);
            }
        };
        std::vector<std::thread> helpers;
        if (filled > 1)
            for (unsigned w = 1; w < workers; ++w) helpers.emplace_back(work, w);
        work(0);
        if (filled <= 1)
            for (unsigned w = 1; w < workers; ++w) work(w);
        for (auto& t : helpers) t.join();
        for (std::size_t i = 0; i < filled && out; ++i) {
            anyFailed = anyFailed || chunk[i].failed;
            out << chunk[i].output << '\n';
        }
    }
    out.flush();
    return anyFailed || !out ? 1 : 0;
}

}  // namespace vela::cli
