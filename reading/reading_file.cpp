#include "reading/reading_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "astro/text.h"
#include "reading/reference_tables.h"

namespace vela::modReadingFile {

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

using modText::TrimBlanks;

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

constexpr std::size_t kEastLine = 11;  // lines 12, 13 and 14, counted from 0
constexpr std::size_t kSouthLine = 12;
constexpr std::size_t kDstLine = 13;

bool IsTruthWord(std::string_view bytes, int shift) {
    if (bytes.size() != 4 && bytes.size() != 5) return false;  // cheap test before decoding
    const std::string word = DecodeField(bytes, shift);
    return word == "True" || word == "False";
}

// The shift a file was written with: the one shift under which every truth line the file has
// reads True or False. The words differ in length, so a sound file gives exactly one; a file whose
// truth lines are missing or damaged is read with the program's own shift.
int DetectFieldShift(const FieldLines& lines) {
    int found = kFieldShift;
    int matches = 0;
    for (int shift = kMinFieldShift; shift <= kMaxFieldShift; ++shift) {
        bool anyLine = false;
        bool allWords = true;
        for (const std::size_t k : {kEastLine, kSouthLine, kDstLine}) {
            if (!lines[k]) continue;
            anyLine = true;
            if (!lines[k]->readable || !IsTruthWord(lines[k]->bytes, shift)) {
                allWords = false;
                break;
            }
        }
        if (anyLine && allWords) {
            found = shift;
            ++matches;
        }
    }
    return matches == 1 ? found : kFieldShift;
}

std::optional<double> ReadNumber(std::string_view text) {
    text = TrimBlanks(text);
    double value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> ReadInteger(std::string_view text) { return modText::ParseWhole(TrimBlanks(text)); }

std::optional<bool> ReadTruth(std::string_view text) {
    text = TrimBlanks(text);
    const auto is = [text](std::string_view word) {
        return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
            return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
        });
    };
    if (is("true") || text == "-1") return true;
    if (is("false") || text == "0") return false;
    return std::nullopt;
}

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
void ApplyMonth(std::string_view text, int& month) {
    const auto number = ReadNumber(text);
    if (!number || *number < -1 || *number > 13) return;  // far outside the list, and safe to convert
    const int position = static_cast<int>(std::nearbyint(*number - 1));
    if (position >= -1 && position <= 11) month = position;
}

void ApplyZone(std::string_view text, int& zone) {
    const auto row = ReadInteger(text);
    if (row && *row >= -1 && *row < kZoneCount) zone = *row;
}

void FillForm(const FieldLines& lines, BirthForm& form) {
    const int shift = DetectFieldShift(lines);
    // The decoded text of line k (from 0), or nothing when the file has no readable such line.
    const auto field = [&](std::size_t k) -> std::optional<std::string> {
        if (!lines[k] || !lines[k]->readable) return std::nullopt;
        return DecodeField(lines[k]->bytes, shift);
    };
    const auto setText = [&](std::size_t k, std::string& box) {
        if (auto text = field(k)) box = std::move(*text);
    };
    const auto setListText = [&](std::size_t k, const auto& entries, std::string& list) {
        if (auto text = field(k); text && IsListEntry(entries, *text)) list = std::move(*text);
    };
    const auto setNumberBox = [&](std::size_t k, std::string& box) {
        if (auto text = field(k); text && IsNumberBoxText(*text)) box = std::move(*text);
    };
    const auto truth = [&](std::size_t k) -> std::optional<bool> {
        if (auto text = field(k)) return ReadTruth(*text);
        return std::nullopt;
    };

    const ListEntries& entries = FormListEntries();
    setText(0, form.txtName);
    if (auto text = field(1)) ApplyMonth(*text, form.cboMonth);
    setListText(2, entries.days, form.cboDate);
    setListText(3, entries.years, form.cboYear);
    setListText(4, entries.hours, form.cboHour);
    setListText(5, entries.minutes, form.cboMinute);
    if (auto text = field(6)) ApplyZone(*text, form.cboTimeZone);
    setNumberBox(7, form.txtLonDeg);
    setNumberBox(8, form.txtLonMin);
    setNumberBox(9, form.txtLatDeg);
    setNumberBox(10, form.txtLatMin);
    if (auto east = truth(kEastLine)) form.optLong = *east ? LonChoice::East : LonChoice::West;
    if (auto south = truth(kSouthLine)) form.optLat = *south ? LatChoice::South : LatChoice::North;
    if (auto dst = truth(kDstLine)) form.chkDST = *dst;
    setText(14, form.txtCity);
    setText(15, form.txtState);
    setText(16, form.txtCountry);
}

// ---- Files -----------------------------------------------------------------------------------

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on a literal prefixed to a temporary string.
std::string Quoted(const fs::path& p) {
    std::string text(1, '"');
    text += p.string();
    text += '"';
    return text;
}

std::string SystemReason(int error) { return std::generic_category().message(error); }

UserMessage Failure(std::string_view lead, const std::string& reason) {
    return CriticalMessage(std::string(lead) + reason);
}

// A name beside the target that no other file has: the exclusive mode refuses an existing one.
FileHandle CreateTemporaryBeside(const fs::path& target, fs::path& temporary, int& error) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto stamp = static_cast<unsigned long long>(now.count());
    error = 0;
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".%llx-%u.tmp", stamp, attempt);
        temporary = target;
        std::string name(1, '.');  // appended, not "." + ...: see Quoted
        name += target.filename().string();
        name += suffix;
        temporary.replace_filename(name);
        errno = 0;
        if (std::FILE* f = std::fopen(temporary.c_str(), "wbx")) return FileHandle(f);
        error = errno;
        if (error != EEXIST) break;
    }
    return nullptr;
}

// Writes every byte, flushes and closes; the error number of the first step that failed, or 0.
int WriteAll(FileHandle file, std::string_view bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return errno != 0 ? errno : EIO;
    if (std::fflush(file.get()) != 0) return errno != 0 ? errno : EIO;
    if (std::fclose(file.release()) != 0) return errno != 0 ? errno : EIO;
    return 0;
}

}  // namespace

std::string EncodeField(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto code = NextLatin1(text, i);
        if (code && *code + kFieldShift <= 255) bytes += static_cast<char>(*code + kFieldShift);
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

std::string ReadingFileText(const SharedChartState& s, int zoneRow) {
    std::string text;
    const auto line = [&text](std::string_view field) {
        text += EncodeField(TrimBlanks(field));
        text += "\r\n";
    };
    const auto truthWord = [](bool b) { return b ? "True" : "False"; };
    line(s.strName);
    line(std::to_string(s.intMonth));
    line(std::to_string(s.intDay));
    line(std::to_string(s.intYear));
    line(std::to_string(s.intHour));
    line(std::to_string(s.intMinute));
    line(std::to_string(zoneRow));
    line(std::to_string(s.intLonDeg));
    line(std::to_string(s.intLonMin));
    line(std::to_string(s.intLatDeg));
    line(std::to_string(s.intLatMin));
    line(truthWord(s.blnEast));
    line(truthWord(s.blnSouth));
    line(truthWord(s.blnDST));
    line(s.strCity);
    line(s.strState);
    line(s.strCountry);
    return text;
}

void FillFormFromReadingText(std::string_view bytes, BirthForm& form) { FillForm(SplitFieldLines(bytes, false), form); }

bool HasReadingFileName(std::string_view path) { return path.size() >= 3 && path.substr(path.size() - 3) == "ved"; }

std::optional<UserMessage> SaveReadingFile(const std::string& path, const SharedChartState& s, int zoneRow) {
    const fs::path target(path);
    if (!target.has_filename()) return Failure(kSaveFailed, "No file name was given.");
    const std::string bytes = ReadingFileText(s, zoneRow);

    // The earlier file is replaced only by a complete new one: a failure at any step leaves it.
    fs::path temporary;
    int error = 0;
    FileHandle file = CreateTemporaryBeside(target, temporary, error);
    if (!file) {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        return Failure(kSaveFailed,
                       "No file could be created in the folder " + Quoted(folder) + ": " + SystemReason(error) + ".");
    }
    if (const int writeError = WriteAll(std::move(file), bytes); writeError != 0) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return Failure(kSaveFailed, "Writing " + Quoted(target) + " failed: " + SystemReason(writeError) + ".");
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return Failure(kSaveFailed, Quoted(target) + " could not be replaced: " + ec.message() + ".");
    }
    return std::nullopt;
}

std::optional<UserMessage> OpenReadingFile(const std::string& path, BirthForm& form) {
    if (!HasReadingFileName(path)) return CriticalMessage("Please Check The File.");

    const fs::path file(path);
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found)
        return Failure(kOpenFailed, "The file " + Quoted(file) + " does not exist.");
    if (ec) return Failure(kOpenFailed, Quoted(file) + " could not be read: " + ec.message() + ".");
    if (fs::is_directory(status)) return Failure(kOpenFailed, Quoted(file) + " is a folder, not a file.");
    // A pipe or a device could block or never end.
    if (!fs::is_regular_file(status)) return Failure(kOpenFailed, Quoted(file) + " is not an ordinary file.");

    errno = 0;
    const FileHandle in(std::fopen(file.c_str(), "rb"));
    if (!in) return Failure(kOpenFailed, Quoted(file) + " could not be read: " + SystemReason(errno) + ".");
    // One byte past the limit tells whether the file goes on beyond what is read.
    std::string bytes(kMaxReadBytes + 1, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in.get()));
    if (std::ferror(in.get())) {
        const int error = errno != 0 ? errno : EIO;
        return Failure(kOpenFailed, Quoted(file) + " could not be read: " + SystemReason(error) + ".");
    }
    if (bytes.empty()) return Failure(kOpenFailed, "The file " + Quoted(file) + " is empty.");

    const bool cutShort = bytes.size() > kMaxReadBytes;
    if (cutShort) bytes.resize(kMaxReadBytes);
    FillForm(SplitFieldLines(bytes, cutShort), form);
    return std::nullopt;
}

}  // namespace vela::modReadingFile
