// Arbitrary bytes as a reading file. The reader must never crash, hang or leak, and must only put into
// each control what that control can hold; the writer must never produce a line-break byte inside a
// field, and a saved reading must read back as it was written, whatever its texts hold.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "reading/birth_form.h"
#include "reading/reading_file.h"
#include "reading/reference_tables.h"

namespace {

using namespace vela;
using namespace vela::reading;

void Require(bool holds) {
    if (!holds) std::abort();
}

template <std::size_t N>
bool IsEntry(const std::array<std::string_view, N>& entries, const std::string& text) {
    return std::find(entries.begin(), entries.end(), text) != entries.end();
}

bool IsNumberBoxText(const std::string& text) {
    return text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

void CheckReader(std::string_view bytes) {
    // The form as the window shows it at start: every list on its first entry.
    reading::BirthForm form;
    OpenedReading opened;
    if (FillFormFromReadingText(bytes, form, opened)) {
        // Not a reading: nothing of the form may have changed.
        Require(form.name.empty() && form.month == 0 && form.zoneRow == 0 && form.day == "1");
        return;
    }
    Require(opened.shift >= kMinFieldShift && opened.shift <= kMaxFieldShift);
    // Lines 12 to 14 fix the shift of a whole file, so only a file cut short (its last line missing)
    // leaves them unread.
    const bool cutShort = !opened.unreadLines.empty() && opened.unreadLines.back() == kFieldLines;
    for (const int line : opened.unreadLines)
        Require(line >= 1 && line <= kFieldLines && (line < 12 || line > 14 || cutShort));
    const reading::ListEntries& lists = reading::FormListEntries();
    Require(form.month >= -1 && form.month <= 11);
    Require(form.zoneRow >= -1 && form.zoneRow < reading::kZoneCount);
    Require(IsEntry(lists.days, form.day));
    Require(IsEntry(lists.years, form.year));
    Require(IsEntry(lists.hours, form.hour));
    Require(IsEntry(lists.minutes, form.minute));
    for (const std::string* box : {&form.latDegrees, &form.latMinutes, &form.lonDegrees, &form.lonMinutes})
        Require(IsNumberBoxText(*box));
}

void CheckWriter(std::string_view text) {
    const std::string encoded = EncodeField(text);
    Require(std::all_of(encoded.begin(), encoded.end(),
                        [](char c) { return static_cast<unsigned char>(c) >= kFieldShift; }));

    reading::Reading s;
    s.name = std::string(text);
    s.city = std::string(text);
    s.month = 3;
    s.day = 5;
    s.year = 1975;
    const std::string file = ReadingFileText(s, 34);
    Require(std::count(file.begin(), file.end(), '\n') == kFieldLines);
    reading::BirthForm form;
    OpenedReading opened;
    Require(!FillFormFromReadingText(file, form, opened));
    Require(opened.unreadLines.empty() && opened.shift == kFieldShift);
    const std::string expected = DecodeField(EncodeField(TrimBlanks(text)));
    Require(form.name == expected);
    Require(form.city == expected);
    Require(form.month == 2 && form.day == "5" && form.year == "1975" && form.zoneRow == 34);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckReader(bytes);
    CheckWriter(bytes);
    return 0;
}
