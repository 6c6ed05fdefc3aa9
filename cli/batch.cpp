#include "cli/batch.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <istream>
#include <mutex>
#include <new>
#include <ostream>
#include <stdexcept>
#include <thread>

#include "astro/text.h"
#include "files/json_writer.h"
#include "files/notation.h"
#include "files/reading_json.h"
#include "reading/calculation_driver.h"
#include "reading/vela_file.h"

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

// The first line of a file that holds the header in a shape the batch does not read: its lines
// ending in a carriage return alone, or the text in UTF-16 (with a byte order mark or without).
// Nothing for any other line.
std::optional<std::string> EncodingProblem(std::string_view first) {
    if (first.starts_with("\xFF\xFE") || first.starts_with("\xFE\xFF"))
        return Joined(
            {"the file is UTF-16 (it opens with a UTF-16 byte order mark); save it as UTF-8 with the "
             "header ",
             HeaderText()});
    // Without a mark: every other byte of a Latin header is a NUL byte.
    if (first.size() >= 4 && first.find('\0') != std::string_view::npos) {
        std::string kept;
        for (const char c : first.substr(0, 64))
            if (c != '\0') kept += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (HeaderText().starts_with(kept.substr(0, std::min<std::size_t>(kept.size(), 20))) && kept.size() >= 4)
            return Joined(
                {"the file is UTF-16 (every other byte of its header is a NUL byte); save it as UTF-8 "
                 "with the header ",
                 HeaderText()});
    }
    // The header followed by a carriage return and more: the file's lines end in CR alone.
    const std::size_t cr = first.find('\r');
    std::vector<std::string> fields;
    if (cr != std::string_view::npos && cr + 1 < first.size() && !SplitCsvLine(first.substr(0, cr), fields) &&
        HeaderColumns(fields))
        return "the file's lines end in a carriage return alone (CR, as on old Macs), so the whole file reads as "
               "one line; save it with line feeds (LF or CR LF)";
    return std::nullopt;
}

constexpr unsigned kMaxWorkers = 8;

// Appends the reading of one row as its JSON line to out (nothing before the reading succeeded),
// or answers the message that refuses the row.
// What every row of a run shares: the header's number of columns and the run's options.
struct RunShape {
    std::size_t columns = kBatchColumns.size();
    const BatchOptions* options = nullptr;
};

std::optional<std::string> ReadRow(const InputLine& line, const RunShape& shape, std::vector<std::string>& fields,
                                   TextBuffer& out) {
    if (auto problem = LineProblem(line)) return problem;
    if (auto problem = SplitCsvLine(line.text, fields)) return problem;
    if (fields.size() != shape.columns)
        return Joined({"the row has ", std::to_string(fields.size()), " fields, not the ",
                       std::to_string(shape.columns), " of ", HeaderText(shape.columns)});
    upagraha::ConventionProfile profile;
    const std::string_view spec =
        shape.columns > kBatchColumns.size() ? astro::TrimBlanksAndTabs(fields[kBatchColumns.size()]) : "";
    if (auto problem = ProfileOfInput(spec, NamedBy::Row, *shape.options, profile)) return problem;

    const ReadingNotation notation{fields[0], fields[1], fields[2], fields[3], fields[4],
                                   fields[5], fields[6], fields[7], fields[8], fields[9]};
    reading::BirthForm form;
    if (auto problem = FillBirthForm(notation, form)) return std::string(problem->field) + ": " + problem->text;
    // A record of its own for every row: nothing of one reading can reach the next.
    reading::Reading state;
    // JSON needs no report.
    const auto outcome = reading::RunCalculation(
        form, profile, state,
        reading::CalculationRequest{false, shape.options->grahas,
                                    shape.options->trueNode ? sky::NodeKind::True : sky::NodeKind::Mean});
    if (!outcome.Succeeded()) return outcome.message->text;
    AppendReadingJson(out, state, outcome.upagrahas, outcome.warnings);
    if (shape.options->vargas.Asked())
        AddVargasToObject(out, reading::BuildVargaTable(state, outcome.upagrahas, shape.options->grahas),
                          shape.options->vargas);
    return std::nullopt;
}

// ReadRow, with anything a row throws but running out of memory turned into that row's refusal: a
// fault met in one row must not end the run and lose the rows after it.
std::optional<std::string> GuardedRow(const InputLine& line, const RunShape& shape, std::vector<std::string>& fields,
                                      TextBuffer& out) {
    try {
        return ReadRow(line, shape, fields, out);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        return Joined({"the row could not be calculated: ", e.what()});
    }
}

}  // namespace

std::optional<std::string> ProfileOfInput(std::string_view named, NamedBy by, const BatchOptions& options,
                                          upagraha::ConventionProfile& profile) {
    if (named.empty() || (by == NamedBy::ReadingFile && options.profileGiven)) {
        profile = options.profile;
        return std::nullopt;
    }
    auto parsed = upagraha::ParseProfileSpec(named);
    if (!parsed.profile) {
        if (by == NamedBy::Row) return Joined({kProfileColumn, ": ", parsed.error});
        return Joined({"The reading names the profile ", astro::QuotedForMessage(named),
                       ", which this program does not know; give --profile."});
    }
    profile = *parsed.profile;
    for (const std::string& setting : options.conventions)
        if (auto error = upagraha::ApplyConvention(profile, setting)) return Joined({"--convention ", *error});
    return std::nullopt;
}

std::optional<std::string> OpenReadingInput(const std::string& path, const BatchOptions& options,
                                            reading::BirthForm& form, upagraha::ConventionProfile& profile,
                                            reading::OpenedReading& opened) {
    std::string named;
    try {
        if (auto problem = reading::OpenAnyReadingFile(path, form, opened, named)) return problem->text;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        // A reader that gives up with an exception refuses the file like any other problem.
        return std::string("The file could not be read: ").append(e.what());
    }
    // The window would calculate with what its form held before; here that is nothing the
    // file says, so a line that could not be read refuses the reading.
    if (!opened.unreadLines.empty()) return reading::UnreadLinesRefusal(opened).text;
    return ProfileOfInput(named, NamedBy::ReadingFile, options, profile);
}

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

// The threads that calculate the shares of each chunk. They are started once, at the first chunk
// of more than one row, and kept until the run ends: a thread started per chunk would cost, with
// input that arrives a few rows at a time, a thread's start for every few rows, and the
// ephemeris library keeps buffers of its own per thread that a thread's end does not give back.
// Share 0 is always the calling thread's; a thread that cannot be started leaves its share out.
class BatchWorkers {
public:
    explicit BatchWorkers(unsigned threadsWanted) : wanted(threadsWanted) {}
    BatchWorkers(const BatchWorkers&) = delete;
    BatchWorkers& operator=(const BatchWorkers&) = delete;
    ~BatchWorkers() {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            stopping = true;
        }
        wake.notify_all();
        for (auto& t : threads) t.join();
    }

    // Starts the threads, once; the run goes on with fewer (or none) when the system refuses one.
    void Start() {
        if (started) return;
        started = true;
        try {
            threads.reserve(wanted - 1);
            for (unsigned share = 1; share < wanted; ++share) threads.emplace_back([this, share] { Serve(share); });
        } catch (...) {
            // No thread for the rest of the shares (std::system_error, or no memory for one).
        }
    }

    unsigned Shares() const { return static_cast<unsigned>(threads.size()) + 1; }

    // Runs job(share) for every share, side by side, and returns when each has ended. The job
    // catches what it throws.
    void Run(const std::function<void(unsigned)>& job) {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            current = &job;
            pending = threads.size();
            ++generation;
        }
        wake.notify_all();
        job(0);
        std::unique_lock<std::mutex> lock(mutex);
        done.wait(lock, [this] { return pending == 0; });
        current = nullptr;
    }

private:
    void Serve(unsigned share) {
        std::uint64_t seen = 0;
        for (;;) {
            const std::function<void(unsigned)>* job = nullptr;
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [this, seen] { return stopping || generation != seen; });
                if (stopping) return;
                seen = generation;
                job = current;
            }
            (*job)(share);
            const std::lock_guard<std::mutex> lock(mutex);
            if (--pending == 0) done.notify_one();
        }
    }

    unsigned wanted;
    bool started = false;
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable wake;  // a new chunk, or the end of the run
    std::condition_variable done;  // the last share of a chunk has ended
    const std::function<void(unsigned)>* current = nullptr;
    std::size_t pending = 0;
    std::uint64_t generation = 0;
    bool stopping = false;
};

// Rows between reading and writing, and the threads that calculate them.
class BatchChunk {
public:
    explicit BatchChunk(const RunShape& runShape)
        : shape(runShape),
          pool(std::clamp(std::thread::hardware_concurrency(), 1u, kMaxWorkers)),
          fields(kMaxWorkers),
          outputs(kMaxWorkers) {
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
        if (filled > 1) pool.Start();
        const unsigned shares = filled > 1 ? pool.Shares() : 1;
        std::vector<std::exception_ptr> failures(shares);
        std::vector<char> refused(shares, 0);
        const std::function<void(unsigned)> work = [this, shares, &failures, &refused](unsigned w) {
            if (w >= shares) return;
            try {
                TextBuffer& text = outputs[w];
                text.Clear();
                for (std::size_t i = filled * w / shares; i < filled * (w + 1) / shares; ++i) {
                    const std::size_t start = text.Size();
                    if (const auto error = GuardedRow(rows[i].line, shape, fields[w], text)) {
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
        if (shares > 1)
            pool.Run(work);
        else
            work(0);
        for (const auto& failure : failures)
            if (failure) std::rethrow_exception(failure);

        for (unsigned w = 0; w < shares; ++w) {
            const TextBuffer& text = outputs[w];
            if (out) out.write(text.View().data(), static_cast<std::streamsize>(text.Size()));
        }
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
    BatchWorkers pool;
    std::vector<std::vector<std::string>> fields;  // one set of fields per thread
    std::vector<TextBuffer> outputs;               // the lines of each thread's rows, in order
    std::vector<PendingRow> rows;
    std::size_t filled = 0;
    std::size_t bytes = 0;
};

int RunBatchRows(std::istream& in, std::ostream& out, const BatchOptions& options) {
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
    if (auto problem = EncodingProblem(line.text)) {
        out << RowErrorJsonLine(0, *problem) << '\n';
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
    BatchChunk chunk(RunShape{*columns, &options});
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
             bool grahas, bool trueNode, const VargaRequest& vargas) {
    BatchOptions options;
    options.vargas = vargas;
    options.profile = profile;
    options.grahas = grahas;
    options.trueNode = trueNode;
    return RunBatch(in, out, err, options);
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options) {
    try {
        return RunBatchRows(in, out, options);
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
