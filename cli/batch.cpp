#include "cli/batch.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <iostream>
#include <istream>
#include <new>
#include <ostream>
#include <thread>

#include "astro/text.h"
#include "files/json_writer.h"
#include "files/notation.h"
#include "files/reading_json.h"
#include "reading/calculation_driver.h"

namespace vela::cli {

using namespace vela::files;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The header of the ten columns, and of eleven with the profile's.
std::string HeaderText(std::size_t columns = kBatchColumns.size()) {
    std::string text;
    for (const auto column : kBatchColumns) {
        if (!text.empty()) text += ',';
        text += column;
    }
    if (columns > kBatchColumns.size()) (text += ',') += kProfileColumn;
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

// The number of columns the header names (ten, or eleven with the profile's); nothing when the
// line is not the header.
std::optional<std::size_t> HeaderColumns(const std::vector<std::string>& fields) {
    if (fields.size() != kBatchColumns.size() && fields.size() != kBatchColumns.size() + 1) return std::nullopt;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string_view f = fields[i];
        while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
        while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
        const std::string_view column = i < kBatchColumns.size() ? kBatchColumns[i] : kProfileColumn;
        if (f.size() != column.size()) return std::nullopt;
        for (std::size_t k = 0; k < f.size(); ++k) {
            const char c = (f[k] >= 'A' && f[k] <= 'Z') ? static_cast<char>(f[k] - 'A' + 'a') : f[k];
            if (c != column[k]) return std::nullopt;
        }
    }
    return fields.size();
}

// Problems of the line itself, before its fields are looked at.
std::optional<std::string> LineProblem(const InputLine& line) {
    if (line.tooLong)
        return Joined({"the line is longer than ", std::to_string(kMaxLineBytes), " bytes and was skipped"});
    if (line.text.find('\0') != std::string::npos) return "the line holds a NUL byte (binary data)";
    return std::nullopt;
}

constexpr unsigned kMaxWorkers = 8;

// Appends the reading of one row as its JSON line to out (nothing before the reading succeeded),
// or answers the message that refuses the row.
// What every row of a run shares: the header's number of columns and the run's profile.
struct RunShape {
    std::size_t columns = kBatchColumns.size();
    const upagraha::ConventionProfile* profile = &upagraha::kOriginalProfile;
    bool grahas = false;
    bool trueNode = false;
};

std::optional<std::string> ReadRow(const InputLine& line, const RunShape& shape, std::vector<std::string>& fields,
                                   TextBuffer& out) {
    if (auto problem = LineProblem(line)) return problem;
    if (auto problem = SplitCsvLine(line.text, fields)) return problem;
    if (fields.size() != shape.columns)
        return Joined({"the row has ", std::to_string(fields.size()), " fields, not the ",
                       std::to_string(shape.columns), " of ", HeaderText(shape.columns)});
    upagraha::ConventionProfile profile = *shape.profile;
    if (shape.columns > kBatchColumns.size()) {
        const std::string_view spec = astro::TrimBlanksAndTabs(fields[kBatchColumns.size()]);
        if (!spec.empty()) {
            auto parsed = upagraha::ParseProfileSpec(spec);
            if (!parsed.profile) return Joined({kProfileColumn, ": ", parsed.error});
            profile = *parsed.profile;
        }
    }

    const ReadingNotation notation{fields[0], fields[1], fields[2], fields[3], fields[4],
                                   fields[5], fields[6], fields[7], fields[8], fields[9]};
    reading::BirthForm form;
    if (auto problem = FillBirthForm(notation, form)) return std::string(problem->field) + ": " + problem->text;
    // A record of its own for every row: nothing of one reading can reach the next.
    reading::Reading state;
    // JSON needs no report.
    const auto outcome = reading::RunCalculation(
        form, profile, state,
        reading::CalculationRequest{false, shape.grahas, shape.trueNode ? sky::NodeKind::True : sky::NodeKind::Mean});
    if (!outcome.Succeeded()) return outcome.message->text;
    AppendReadingJson(out, state, outcome.upagrahas, outcome.warnings);
    return std::nullopt;
}

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t lineLimit) : buf(in.rdbuf()), maxBytes(lineLimit) {}

bool LineReader::Next(InputLine& line) { return Next(line, false) == LineStatus::Line; }

std::optional<LineStatus> LineReader::Refill(bool mayPause) {
    using Traits = std::char_traits<char>;
    constexpr std::size_t kBlockBytes = 64 * 1024;
    if (block.size() < kBlockBytes) block.resize(kBlockBytes);
    blockStart = 0;
    blockEnd = 0;
    // in_avail() counts what the buffer holds and, when it is empty, what the system has ready (a
    // pipe's or a terminal's waiting bytes); 0 means the next read may wait. Those bytes are
    // taken at once; otherwise one byte is waited for.
    const std::streamsize ready = buf->in_avail();
    if (ready > 0) {
        const auto wanted =
            static_cast<std::streamsize>(std::min<std::size_t>(kBlockBytes, static_cast<std::size_t>(ready)));
        blockEnd = static_cast<std::size_t>(std::max<std::streamsize>(buf->sgetn(block.data(), wanted), 0));
        if (blockEnd > 0) return std::nullopt;
    }
    if (mayPause) return LineStatus::Pause;
    const auto c = buf->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) return LineStatus::End;
    block[0] = Traits::to_char_type(c);
    blockEnd = 1;
    return std::nullopt;
}

LineStatus LineReader::Next(InputLine& line, bool mayPause, bool stopWhenTooLong) {
    if (buf == nullptr) return LineStatus::End;
    std::string& text = partial.text;
    const auto finish = [&] {
        if (!partial.tooLong && !text.empty() && text.back() == '\r') text.pop_back();
        // Swapped, not copied: both strings keep their capacity for the lines to come.
        std::swap(line, partial);
        text.clear();
        partial.tooLong = false;
        return LineStatus::Line;
    };
    for (;;) {
        if (blockStart == blockEnd) {
            if (const auto status = Refill(mayPause)) {
                if (*status == LineStatus::End && (!text.empty() || partial.tooLong)) return finish();
                return *status;
            }
        }
        const char* const begin = block.data() + blockStart;
        const std::size_t available = blockEnd - blockStart;
        const auto* const lineEnd = static_cast<const char*>(std::memchr(begin, '\n', available));
        const std::size_t length = lineEnd != nullptr ? static_cast<std::size_t>(lineEnd - begin) : available;
        const std::size_t room = maxBytes - std::min(maxBytes, text.size());
        if (length > room) {
            text.append(begin, room);
            partial.tooLong = true;
            if (stopWhenTooLong) {
                blockStart += room + 1;  // the first byte past the cap, as it was read
                return finish();
            }
        } else {
            text.append(begin, length);
        }
        if (lineEnd == nullptr) {
            blockStart = blockEnd;
            continue;
        }
        blockStart += length + 1;  // the line and its line feed
        return finish();
    }
}

std::optional<std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
    // The strings of the last line are written over, not made again: a row's fields reuse them.
    std::size_t count = 0;
    const auto nextField = [&]() -> std::string& {
        if (count == fields.size()) fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        return field;
    };
    // On a problem, fields holds the fields before the faulty one.
    const auto finish = [&](std::optional<std::string> problem) {
        fields.resize(problem ? count - 1 : count);
        return problem;
    };
    std::size_t i = 0;
    const std::size_t n = line.size();
    for (;;) {
        std::string& field = nextField();
        if (i < n && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                // The run up to the next quote is copied whole.
                const std::size_t quote = line.find('"', i);
                const std::size_t runEnd = quote == std::string_view::npos ? n : quote;
                field.append(line.substr(i, runEnd - i));
                i = runEnd;
                if (i >= n) break;
                if (i + 1 < n && line[i + 1] == '"') {
                    field += '"';
                    i += 2;
                    continue;
                }
                ++i;
                closed = true;
                break;
            }
            if (!closed) return finish(FieldFault(count, "opens a quote that is not closed"));
            if (i < n && line[i] != ',') return finish(FieldFault(count, "has text after its closing quote"));
        } else {
            // Fields are short: one pass looks for the comma that ends it and a stray quote.
            std::size_t end = i;
            while (end < n && line[end] != ',' && line[end] != '"') ++end;
            if (end < n && line[end] == '"')
                return finish(
                    FieldFault(count, "holds a quote but is not quoted (quote the field and double the quote)"));
            field.assign(line.substr(i, end - i));
            i = end;
        }
        if (field.size() > kMaxFieldBytes)
            return finish(FieldFault(count, Joined({"is longer than ", std::to_string(kMaxFieldBytes), " bytes"})));
        if (i >= n) return finish(std::nullopt);
        ++i;  // the comma
    }
}

namespace {

// Rows between reading and writing, and the threads that calculate them.
class BatchChunk {
public:
    explicit BatchChunk(const RunShape& runShape)
        : shape(runShape),
          workers(std::clamp(std::thread::hardware_concurrency(), 1u, kMaxWorkers)),
          fields(workers),
          outputs(workers) {
        rows.resize(kBatchChunkRows);
    }

    bool Full() const { return filled == rows.size() || bytes >= kBatchChunkBytes; }
    bool Empty() const { return filled == 0; }
    // Where the next line is read into.
    InputLine& NextLine() { return rows[filled].line; }
    // Keeps the line just read as row number row.
    void Keep(std::int64_t row) {
        rows[filled].row = row;
        bytes += rows[filled].line.text.size();
        ++filled;
    }

    // Calculates every row side by side and writes them in input order; answers whether any row
    // was refused. Each thread takes a run of consecutive rows and writes their lines one after
    // the other into a text of its own, so the chunk goes out as one write per thread, in order,
    // without copying a line again (a stream writes a line of this size straight through with a
    // system call of its own). An allocation that fails in any thread is thrown here, after every
    // thread ended, and nothing of the chunk is written.
    bool CalculateAndWrite(std::ostream& out) {
        std::vector<std::exception_ptr> failures(workers);
        std::vector<char> refused(workers, 0);
        const auto work = [this, &failures, &refused](unsigned w) {
            try {
                TextBuffer& text = outputs[w];
                text.Clear();
                for (std::size_t i = filled * w / workers; i < filled * (w + 1) / workers; ++i) {
                    const std::size_t start = text.Size();
                    if (const auto error = ReadRow(rows[i].line, shape, fields[w], text)) {
                        text.Truncate(start);
                        text.Append(RowErrorJsonLine(rows[i].row, *error));
                        refused[w] = 1;
                    }
                    text.Append('\n');
                }
            } catch (...) {
                failures[w] = std::current_exception();
            }
        };
        // A thread that cannot be started leaves its share to this one.
        std::vector<std::thread> helpers;
        unsigned started = 1;
        if (filled > 1) {
            try {
                for (; started < workers; ++started) helpers.emplace_back(work, started);
            } catch (...) {
                // No thread for the rest of the shares (std::system_error, or no memory for one).
            }
        }
        work(0);
        for (unsigned w = started; w < workers; ++w) work(w);
        for (auto& t : helpers) t.join();
        for (const auto& failure : failures)
            if (failure) std::rethrow_exception(failure);

        for (const TextBuffer& text : outputs)
            if (out) out.write(text.View().data(), static_cast<std::streamsize>(text.Size()));
        Clear();
        return std::find(refused.begin(), refused.end(), 1) != refused.end();
    }

private:
    // A row between reading and writing.
    struct PendingRow {
        InputLine line;
        std::int64_t row = 0;
    };

    // Forgets the rows; a line far longer than a reading needs gives its memory back, so a few
    // hostile lines cannot keep the chunk's memory at its worst.
    void Clear() {
        for (std::size_t i = 0; i < filled; ++i) {
            std::string& text = rows[i].line.text;
            if (text.capacity() > kMaxFieldBytes) std::string().swap(text);
        }
        // A chunk's lines take about 3 KB a row; more than that (long names, refusals that quote
        // long fields) is given back too.
        for (TextBuffer& text : outputs)
            if (text.Capacity() > kMaxOutputBytes) text.Release();
        filled = 0;
        bytes = 0;
    }

    static constexpr std::size_t kMaxOutputBytes = 2 * kBatchChunkRows * 4096;

    RunShape shape;
    unsigned workers;
    std::vector<std::vector<std::string>> fields;  // one set of fields per thread
    std::vector<TextBuffer> outputs;               // the lines of each thread's rows, in order
    std::vector<PendingRow> rows;
    std::size_t filled = 0;
    std::size_t bytes = 0;
};

int RunBatchRows(std::istream& in, std::ostream& out, const upagraha::ConventionProfile& profile, bool grahas,
                 bool trueNode) {
    LineReader reader(in);
    InputLine line;
    std::vector<std::string> fields;

    // The header is judged as soon as it passes the line cap, so an endless first line (a device
    // such as /dev/zero) is refused instead of read for ever.
    if (reader.Next(line, false, true) == LineStatus::End) {
        out << RowErrorJsonLine(0, Joined({"the file is empty; its first line must be the header ", HeaderText()}))
            << '\n';
        return 1;
    }
    if (line.tooLong) {
        out << RowErrorJsonLine(0, Joined({"the first line is longer than ", std::to_string(kMaxLineBytes),
                                           " bytes, so it is not the header ", HeaderText()}))
            << '\n';
        return 1;
    }
    if (std::string_view(line.text).starts_with(kByteOrderMark)) line.text.erase(0, kByteOrderMark.size());
    const auto columns = LineProblem(line) || SplitCsvLine(line.text, fields) ? std::nullopt : HeaderColumns(fields);
    if (!columns) {
        // Without the header the columns cannot be trusted, so no row is read.
        out << RowErrorJsonLine(0, Joined({"the first line must be the header ", HeaderText()})) << '\n';
        return 1;
    }

    // Rows are calculated side by side (every reading has its own record, so readings share
    // nothing), then written in input order. A chunk ends when it is full, when the input ends,
    // and when the input pauses: a row never waits for rows that have not been sent yet.
    BatchChunk chunk(RunShape{*columns, &profile, grahas, trueNode});
    bool anyFailed = false;
    std::int64_t row = 0;
    for (bool more = true; more && out;) {
        while (!chunk.Full()) {
            const LineStatus status = reader.Next(chunk.NextLine(), !chunk.Empty());
            if (status == LineStatus::End) {
                more = false;
                break;
            }
            if (status == LineStatus::Pause) break;
            ++row;
            const InputLine& read = chunk.NextLine();
            if (!read.tooLong && read.text.empty()) continue;  // a blank line: no row
            chunk.Keep(row);
        }
        if (!chunk.Empty()) anyFailed = chunk.CalculateAndWrite(out) || anyFailed;
        // Written rows reach the reader now, per chunk, and so before any wait for more input.
        out.flush();
    }
    out.flush();
    return anyFailed || !out ? 1 : 0;
}

}  // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const upagraha::ConventionProfile& profile,
             bool grahas, bool trueNode) {
    try {
        return RunBatchRows(in, out, profile, grahas, trueNode);
    } catch (const std::bad_alloc&) {
        // The rows written so far are sound and stay; nothing more can be promised.
        out.flush();
        err << "vela-upagrahas-cli: out of memory; the batch stopped after the rows already written\n";
        err.flush();
        return 1;
    }
}

int RunBatch(std::istream& in, std::ostream& out) { return RunBatch(in, out, std::cerr); }

}  // namespace vela::cli
