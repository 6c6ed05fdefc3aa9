// Batch readings: a CSV file in, one JSON line per row out.
//
// Flow: each row -> notation -> form -> validation -> driver -> ... -> JSON line, then forgotten.
// Rows are gathered while the input keeps coming, up to a number of rows and of bytes, then
// calculated and written in input order; when the input pauses (a program that sends one row
// and waits for its answer), what has arrived is answered and flushed before the next read. So
// memory stays bounded however long the file is, and a row never waits for rows not yet sent. A
// record is one line: a quoted field may hold commas and doubled quotes but no line break, so a
// quote left open spoils its own row and never the rest of the file. Every malformed or refused
// row becomes an error object and the run goes on.
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/varga_json.h"
#include "reading/birth_form.h"
#include "reading/reading_file.h"
#include "upagraha/profiles.h"

namespace vela::cli {

inline constexpr std::array<std::string_view, 10> kBatchColumns = {"name", "date", "time", "zone",  "lat",
                                                                   "lon",  "dst",  "city", "state", "country"};
// An optional eleventh column after them: the convention profile of the row, by its name; an empty
// cell takes the run's profile.
inline constexpr std::string_view kProfileColumn = "profile";
inline constexpr std::size_t kMaxFieldBytes = 4096;
// Rows read before they are calculated (side by side) and written: what memory holds at most,
// counted in rows and in the bytes of their lines.
inline constexpr std::size_t kBatchChunkRows = 512;
inline constexpr std::size_t kBatchChunkBytes = 1 << 20;
// The longest line that can still hold eleven admissible fields: each quoted, every byte a doubled
// quote, commas between them and a carriage return at the end. Anything longer is refused unread.
inline constexpr std::size_t kMaxLineBytes = (kBatchColumns.size() + 1) * (2 * kMaxFieldBytes + 3);

struct InputLine {
    std::string text;      // without the line end; at most the reader's cap
    bool tooLong = false;  // the line went on beyond the cap; the rest was skipped, not kept
};

enum class LineStatus {
    Line,   // a whole line was read
    Pause,  // nothing more can be read without waiting; the part of a line read so far is kept
    End     // the end of the input, with nothing read
};

// Physical lines of a stream, each cut at the first line feed; a carriage return before it is
// dropped. Reads the stream buffer directly: no line is ever held beyond maxBytes.
class LineReader {
public:
    explicit LineReader(std::istream& in, std::size_t maxBytes = kMaxLineBytes);
    // False at the end of the input, with nothing read.
    bool Next(InputLine& line);
    // The next line. With mayPause, answers Pause instead of waiting for input that has not
    // arrived (the stream buffer has nothing and the system has nothing ready); the next call goes
    // on with the same line. With stopWhenTooLong, a line is given back as soon as it passes the
    // cap, without reading the rest of it (the header of an endless stream such as /dev/zero).
    LineStatus Next(InputLine& line, bool mayPause, bool stopWhenTooLong = false);

private:
    // Takes into block what the stream has ready (at least one byte, waiting for it unless
    // mayPause); answers Pause or End when it took nothing.
    std::optional<LineStatus> Refill(bool mayPause);

    std::streambuf* buf;
    std::size_t maxBytes;
    InputLine partial;  // the line being read, across pauses
    // Bytes taken from the stream and not yet given out: block[blockStart, blockEnd). Only what
    // the stream had ready is taken, so a pause is seen exactly where reading byte by byte saw it.
    std::string block;
    std::size_t blockStart = 0;
    std::size_t blockEnd = 0;
};

// Splits one line into its fields ("..." quoting, "" for a quote inside); a one-line problem
// when the line is malformed. Does not check the number of fields.
std::optional<std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& fields);

// What a run applies to every input, a row or a reading file alike.
struct BatchOptions {
    upagraha::ConventionProfile profile = upagraha::kOriginalProfile;  // --profile with --convention on top
    bool profileGiven = false;                                         // --profile was given
    std::vector<std::string> conventions;                              // --convention AXIS=VALUE, in order
    bool grahas = false;
    bool trueNode = false;
    VargaRequest vargas;  // --vargas, --varga N: each line ends with its "vargas" object
};

// The profile of one input that names one (named: a row's profile column, a .vela reading's
// profile; empty where it names none): a row's column wins over --profile, a reading file's
// profile gives way to it (as when the file is read alone); --convention applies on top of
// whichever is taken. An unknown name is refused, never read as the run's profile.
enum class NamedBy { Row, ReadingFile };
std::optional<std::string> ProfileOfInput(std::string_view named, NamedBy by, const BatchOptions& options,
                                          upagraha::ConventionProfile& profile);

// Fills the form and the profile from a reading file of any kind (.ved, .vela or .jhd, chosen by its
// name in the core's one place), the profile by ProfileOfInput; a message when the file, a line of
// it or its profile is refused. A reader that throws refuses the file with what it says.
std::optional<std::string> OpenReadingInput(const std::string& path, const BatchOptions& options,
                                            reading::BirthForm& form, upagraha::ConventionProfile& profile,
                                            reading::OpenedReading& opened);

// Reads the header and then every row, writing one JSON object per row on its own line.
// Row N is the N-th line after the header (line N + 1 of the file); blank lines are skipped.
// Answers the exit status: 0 when every row gave a reading, 1 when any row or the header was
// refused or the output could not be written. When memory runs out the rows answered so far stay
// written, the run stops, and err gets one line that says so (status 1).
// Each row is read under its own profile (the optional profile column) or else the one given.
// With grahas, each line also holds the nine grahas and the Sun's upagrahas (Rahu and Ketu as the
// mean nodes, or the true ones with trueNode). With vargas asked for, each line ends with its
// "vargas" object (cli/varga_json.h).
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err,
             const upagraha::ConventionProfile& profile = upagraha::kOriginalProfile, bool grahas = false,
             bool trueNode = false, const VargaRequest& vargas = {});
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options);
// The same with standard error for err.
int RunBatch(std::istream& in, std::ostream& out);

}  // namespace vela::cli
