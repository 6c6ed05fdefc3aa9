#include "reading/reading_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "astro/number_text.h"
#include "astro/text.h"
#include "reading/reference_tables.h"
#include "reading/validation.h"

namespace vela::reading {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSaveFailed = "The reading could not be saved. ";
constexpr std::string_view kOpenFailed = "The reading could not be opened. ";

// ---- Characters: UTF-8 in the program, Latin-1 codes in the file ----------------------------

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The Latin-1 code of the UTF-8 character at text[i], or nothing when the character has no such
// code (above U+00FF, or not valid UTF-8); i moves past the character either way.
std::optional<unsigned> NextLatin1(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    const bool hasNext = i < text.size() && IsContinuation(static_cast<unsigned char>(text[i]));
    if ((lead == 0xC2 || lead == 0xC3) && hasNext) {
        const auto next = static_cast<unsigned char>(text[i++]);
        return ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
    }
    // A longer character (or a broken one): skip its continuation bytes with it.
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (std::size_t k = 1; k < length && i < text.size(); ++k, ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) break;
    return std::nullopt;
}

void AppendUtf8(std::string& out, unsigned latin1) {
    if (latin1 < 0x80) {
        out += static_cast<char>(latin1);
    } else {
        out += static_cast<char>(0xC0u | (latin1 >> 6));
        out += static_cast<char>(0x80u | (latin1 & 0x3Fu));
    }
}

using astro::TrimBlanks;

// ---- Splitting a file into its field lines ---------------------------------------------------

struct FieldLine {
    std::string_view bytes;
    bool readable = true;  // false: longer than kMaxLineBytes, or cut short by the read limit
};
// One entry per field; nothing where the file has no such line.
using FieldLines = std::array<std::optional<FieldLine>, kFieldLines>;

// Lines end with CR LF, LF or CR (encoded fields never hold those bytes); the last line needs no
// line end, and lines after the 17th are ignored. When cutShort, the bytes are the first part of
// a longer file, so a last line without its line end is incomplete.
FieldLines SplitFieldLines(std::string_view bytes, bool cutShort) {
    FieldLines lines;
    std::size_t pos = 0;
    for (auto& line : lines) {
        if (pos >= bytes.size()) break;
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            const auto rest = bytes.substr(pos);
            line = FieldLine{rest, !cutShort && rest.size() <= kMaxLineBytes};
            break;
        }
        const auto text = bytes.substr(pos, end - pos);
        line = FieldLine{text, text.size() <= kMaxLineBytes};
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

// ---- Reading the fields ----------------------------------------------------------------------

constexpr std::size_t kZoneLine = 6;   // line 7, counted from 0
constexpr std::size_t kEastLine = 11;  // lines 12, 13 and 14, counted from 0
constexpr std::size_t kSouthLine = 12;
constexpr std::size_t kDstLine = 13;

// What each line holds, as a message names it, and the control it fills.
struct LineField {
    std::string_view name;
    FormField control;
};
constexpr std::array<LineField, kFieldLines> kLineFields = {{
    {"name", FormField::Name},
    {"month", FormField::Month},
    {"day", FormField::Day},
    {"year", FormField::Year},
    {"hour", FormField::Hour},
    {"minute", FormField::Minute},
    {"time zone", FormField::TimeZone},
    {"longitude degrees", FormField::LonDeg},
    {"longitude minutes", FormField::LonMin},
    {"latitude degrees", FormField::LatDeg},
    {"latitude minutes", FormField::LatMin},
    {"East or West", FormField::LonDirection},
    {"North or South", FormField::LatDirection},
    {"daylight saving", FormField::None},
    {"city", FormField::City},
    {"state", FormField::State},
    {"country", FormField::Country},
}};

bool IsTruthWord(const std::optional<FieldLine>& line, int shift) {
    if (!line || !line->readable) return false;
    if (line->bytes.size() != 4 && line->bytes.size() != 5) return false;  // cheap test before decoding
    const std::string word = DecodeField(line->bytes, shift);
    return word == "True" || word == "False";
}

// The shift a reading was written with: the one under which lines 12, 13 and 14 all read True or
// False. Decoding one word fixes the shift, so at most one shift matches; when none does, the
// bytes are no reading at all (another kind of file, or one damaged beyond telling its fields).
std::optional<int> DetectFieldShift(const FieldLines& lines) {
    for (int shift = kMinFieldShift; shift <= kMaxFieldShift; ++shift) {
        if (IsTruthWord(lines[kEastLine], shift) && IsTruthWord(lines[kSouthLine], shift) &&
            IsTruthWord(lines[kDstLine], shift))
            return shift;
    }
    return std::nullopt;
}

std::optional<double> ReadNumber(std::string_view text) { return astro::ParseDecimal(TrimBlanks(text)); }

std::optional<int> ReadInteger(std::string_view text) { return astro::ParseWhole(TrimBlanks(text)); }

template <std::size_t N>
bool IsListEntry(const std::array<std::string_view, N>& entries, std::string_view text) {
    return std::find(entries.begin(), entries.end(), text) != entries.end();
}

// What a degree or minute box can hold: up to three digits, or nothing.
bool IsNumberBoxText(std::string_view text) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    return text.size() <= 3 && std::all_of(text.begin(), text.end(), isDigit);
}

// The month is the line read as a number, minus 1, rounded half to even; 0 gives -1, no month.
bool ApplyMonth(std::string_view text, int& month) {
    const auto number = ReadNumber(text);
    if (!number || *number < -1 || *number > 13) return false;  // far outside the list, and safe to convert
    const int position = static_cast<int>(std::nearbyint(*number - 1));
    if (position < -1 || position > 11) return false;
    month = position;
    return true;
}

bool ApplyZone(std::string_view text, int& zone) {
    const auto row = ReadInteger(text);
    if (!row || *row < -1 || *row >= kZoneCount) return false;
    zone = *row;
    return true;
}

void FillForm(const FieldLines& lines, int shift, BirthForm& form, OpenedReading& opened) {
    opened.shift = shift;
    opened.unreadLines.clear();
    // The decoded text of line k (from 0), or nothing when the file has no readable such line.
    const auto field = [&](std::size_t k) -> std::optional<std::string> {
        if (!lines[k] || !lines[k]->readable) return std::nullopt;
        return DecodeField(lines[k]->bytes, shift);
    };
    // Applies line k with its rule; a line that is missing or that the rule refuses is unread.
    const auto apply = [&](std::size_t k, const auto& rule) {
        auto decoded = field(k);
        if (!decoded || !rule(*decoded)) opened.unreadLines.push_back(static_cast<int>(k) + 1);
    };
    const auto text = [](std::string& box) {
        return [&box](std::string& t) {
            box = std::move(t);
            return true;
        };
    };
    const auto listText = [](const auto& entries, std::string& list) {
        return [&entries, &list](std::string& t) {
            if (!IsListEntry(entries, t)) return false;
            list = std::move(t);
            return true;
        };
    };
    const auto numberBox = [](std::string& box) {
        return [&box](std::string& t) {
            if (!IsNumberBoxText(t)) return false;
            box = std::move(t);
            return true;
        };
    };

    const ListEntries& entries = FormListEntries();
    apply(0, text(form.name));
    apply(1, [&form](const std::string& t) { return ApplyMonth(t, form.month); });
    apply(2, listText(entries.days, form.day));
    apply(3, listText(entries.years, form.year));
    apply(4, listText(entries.hours, form.hour));
    apply(5, listText(entries.minutes, form.minute));
    apply(6, [&form](const std::string& t) { return ApplyZone(t, form.zoneRow); });
    apply(7, numberBox(form.lonDegrees));
    apply(8, numberBox(form.lonMinutes));
    apply(9, numberBox(form.latDegrees));
    apply(10, numberBox(form.latMinutes));
    // The shift was found by these three lines, so each reads True or False where the file has it;
    // a file cut short before them leaves the choices as they were.
    apply(kEastLine, [&form](const std::string& t) {
        form.lonDirection = t == "True" ? LonChoice::East : LonChoice::West;
        return true;
    });
    apply(kSouthLine, [&form](const std::string& t) {
        form.latDirection = t == "True" ? LatChoice::South : LatChoice::North;
        return true;
    });
    apply(kDstLine, [&form](const std::string& t) {
        form.dst = t == "True";
        return true;
    });
    apply(14, text(form.city));
    apply(15, text(form.state));
    apply(16, text(form.country));
}

// A file that ends before its seventeenth line. The truth lines it still has fix the shift; one
// that ends before line 12 is read with the program's own shift. It is a reading cut short when it
// holds at least the birth moment (lines 1 to 7), its name is one the name box takes, and every
// line it has reads under that shift; then the form is filled as far as the lines go.
std::optional<int> CutShortFieldShift(const FieldLines& lines) {
    if (!lines[kZoneLine] || lines.back()) return std::nullopt;
    std::optional<int> shift;
    for (const std::size_t k : {kEastLine, kSouthLine, kDstLine}) {
        if (!lines[k]) continue;
        for (int s = kMinFieldShift; s <= kMaxFieldShift && !shift; ++s)
            if (IsTruthWord(lines[k], s)) shift = s;
        if (!shift || !IsTruthWord(lines[k], *shift)) return std::nullopt;
    }
    if (!shift) shift = kFieldShift;
    BirthForm trial;
    OpenedReading trialOpened;
    FillForm(lines, *shift, trial, trialOpened);
    for (const int line : trialOpened.unreadLines)
        if (lines[static_cast<std::size_t>(line - 1)]) return std::nullopt;
    if (TrimBlanks(trial.name).empty() || CheckBoxText(BoxKind::Letters, trial.name)) return std::nullopt;
    return shift;
}

std::optional<UserMessage> FillFormFromLines(const FieldLines& lines, BirthForm& form, OpenedReading& opened) {
    auto shift = DetectFieldShift(lines);
    if (!shift) shift = CutShortFieldShift(lines);
    if (!shift) return CriticalMessage(kNotAReadingMessage);
    FillForm(lines, *shift, form, opened);
    return std::nullopt;
}

// "month (line 2), time zone (line 7)"
std::string UnreadLinesList(const OpenedReading& opened) {
    std::string list;
    for (const int line : opened.unreadLines) {
        if (!list.empty()) list += ", ";
        list += kLineFields[static_cast<std::size_t>(line - 1)].name;
        list += " (line ";
        list += std::to_string(line);
        list += ')';
    }
    return list;
}

// ---- Shifts ----------------------------------------------------------------------------------

// The first character of the text that the shift cannot write (as UTF-8), or nothing.
std::optional<std::string_view> FirstUnwritable(std::string_view text, int shift) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        const auto code = NextLatin1(text, i);
        if (!code || static_cast<int>(*code) + shift > 255) return text.substr(at, i - at);
    }
    return std::nullopt;
}

struct Unwritable {
    std::string_view letter;
    std::string_view field;
};

// The first letter of the reading's texts that the shift cannot write, and the field it is in.
std::optional<Unwritable> FirstUnwritable(const Reading& s, int shift) {
    const std::array<std::pair<const std::string*, std::string_view>, 4> texts = {
        {{&s.name, "name"}, {&s.city, "city"}, {&s.state, "state"}, {&s.country, "country"}}};
    for (const auto& [text, field] : texts)
        if (auto letter = FirstUnwritable(TrimBlanks(*text), shift)) return Unwritable{*letter, field};
    return std::nullopt;
}

// ---- Files -----------------------------------------------------------------------------------

// Closes a POSIX descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { ::close(fd); }

private:
    int fd;
};

std::string Quoted(const fs::path& p) { return astro::QuotedForMessage(p.native()); }

std::string SystemReason(int error) { return std::generic_category().message(error); }

UserMessage Failure(std::string_view lead, const std::string& reason) {
    return CriticalMessage(std::string(lead) + reason);
}

}  // namespace

std::string EncodeField(std::string_view text, int shift) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto code = NextLatin1(text, i);
        if (code && static_cast<int>(*code) + shift <= 255) bytes += static_cast<char>(static_cast<int>(*code) + shift);
    }
    return bytes;
}

std::string DecodeField(std::string_view bytes, int shift) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) - shift;
        if (code >= 0 && code <= 255) AppendUtf8(text, static_cast<unsigned>(code));
    }
    return text;
}

std::string ReadingFileText(const Reading& s, int zoneRow, int shift) {
    std::string text;
    const auto line = [&text, shift](std::string_view field) {
        text += EncodeField(TrimBlanks(field), shift);
        text += "\r\n";
    };
    const auto truthWord = [](bool b) { return b ? "True" : "False"; };
    line(s.name);
    line(std::to_string(s.month));
    line(std::to_string(s.day));
    line(std::to_string(s.year));
    line(std::to_string(s.hour));
    line(std::to_string(s.minute));
    line(std::to_string(zoneRow));
    line(std::to_string(s.lonDegrees));
    line(std::to_string(s.lonMinutes));
    line(std::to_string(s.latDegrees));
    line(std::to_string(s.latMinutes));
    line(truthWord(s.east));
    line(truthWord(s.south));
    line(truthWord(s.dst));
    line(s.city);
    line(s.state);
    line(s.country);
    return text;
}

std::optional<UserMessage> FillFormFromReadingText(std::string_view bytes, BirthForm& form, OpenedReading& opened) {
    return FillFormFromLines(SplitFieldLines(bytes, false), form, opened);
}

UserMessage UnreadLinesNotice(const OpenedReading& opened) {
    const FormField first = opened.unreadLines.empty()
                                ? FormField::None
                                : kLineFields[static_cast<std::size_t>(opened.unreadLines.front() - 1)].control;
    return CriticalMessage("Some lines of this reading could not be read, and the form keeps what it held for them: " +
                               UnreadLinesList(opened) + ".",
                           first);
}

UserMessage UnreadLinesRefusal(const OpenedReading& opened) {
    return Failure(kOpenFailed, "Some lines of it could not be read: " + UnreadLinesList(opened) + ".");
}

bool HasReadingFileName(std::string_view path) { return path.size() >= 3 && path.substr(path.size() - 3) == "ved"; }

std::optional<UserMessage> SaveReadingFile(const std::string& path, const Reading& s, int zoneRow, int openedShift) {
    const fs::path target(path);
    if (!target.has_filename()) return Failure(kSaveFailed, "No file name was given.");
    if (s.exactZone || zoneRow < 0 || zoneRow >= kZoneCount)
        return Failure(kSaveFailed, std::string(kVedNeedsRowMessage));
    if (s.latSeconds != 0 || s.lonSeconds != 0) return Failure(kSaveFailed, std::string(kVedNeedsMinutesMessage));

    // A reading typed in the window always fits the program's own shift. One opened from a file
    // written with another shift may hold letters that only that shift can write ("Muñoz" from a
    // file with shift 14): it is written with that shift again rather than without the letter.
    int shift = kFieldShift;
    if (const auto unwritable = FirstUnwritable(s, kFieldShift)) {
        if (openedShift < kMinFieldShift || openedShift > kMaxFieldShift || FirstUnwritable(s, openedShift))
            return Failure(kSaveFailed, "A reading file cannot hold the letter " +
                                            astro::QuotedForMessage(unwritable->letter) + " of the " +
                                            std::string(unwritable->field) +
                                            ". Save it as a .vela file, which holds every script.");
        shift = openedShift;
    }
    const std::string bytes = ReadingFileText(s, zoneRow, shift);

    const auto problem = WriteOutputFile(path, bytes);
    if (!problem) return std::nullopt;
    if (problem->written)
        return CriticalMessage("The reading was written to " + Quoted(target) +
                               ", but the disk did not confirm it: " + problem->reason + ".");
    return Failure(kSaveFailed, problem->reason);
}

std::optional<UserMessage> OpenReadingFile(const std::string& path, BirthForm& form, OpenedReading& opened) {
    if (!HasReadingFileName(path)) return CriticalMessage("Please Check The File.");

    // One open, by name, and every later question asked of what was opened: a file swapped for a
    // pipe after a look at its name cannot make the read wait. Opening without waiting returns at
    // once even for a pipe that nobody writes to.
    const std::string quoted = astro::QuotedForMessage(path);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) return Failure(kOpenFailed, "The file " + quoted + " does not exist.");
        return Failure(kOpenFailed, quoted + " could not be read: " + SystemReason(error) + ".");
    }
    const Descriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        return Failure(kOpenFailed, quoted + " could not be read: " + SystemReason(error) + ".");
    }
    if (S_ISDIR(info.st_mode)) return Failure(kOpenFailed, quoted + " is a folder, not a file.");
    // A pipe or a device could block or never end.
    if (!S_ISREG(info.st_mode)) return Failure(kOpenFailed, quoted + " is not an ordinary file.");

    // One byte past the limit tells whether the file goes on beyond what is read.
    std::string bytes(kMaxReadBytes + 1, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            return Failure(kOpenFailed, quoted + " could not be read: " + SystemReason(error) + ".");
        }
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
    }
    if (size == 0) return Failure(kOpenFailed, "The file " + quoted + " is empty.");

    const bool cutShort = size > kMaxReadBytes;
    bytes.resize(cutShort ? kMaxReadBytes : size);
    return FillFormFromLines(SplitFieldLines(bytes, cutShort), form, opened);
}

}  // namespace vela::reading
