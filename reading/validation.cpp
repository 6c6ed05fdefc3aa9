#include "reading/validation.h"

#include <array>
#include <utility>

#include "astro/text.h"

namespace vela::reading {

namespace {

// The message of a number box whose value lies outside its range.
std::string_view RangeMessage(FormField box) {
    switch (box) {
        case FormField::LatDeg:
            return "Please Enter Degree of Latitude from 0 to 89";
        case FormField::LatMin:
            return "Please Enter Minutes of Latitude from 0 to 59";
        case FormField::LonDeg:
            return "Please Enter Degree of Longitude from 0 to 180";
        default:
            return "Please Enter Minute of Longitude from 0 to 59";
    }
}

// True when the box holds a number outside [0, highest]. A text that is no number is left to the
// driver, which refuses it with the box's own message.
bool OutOfRange(const FormNumber& box, int highest) { return box.value && (*box.value < 0 || *box.value > highest); }

// 999 degrees of latitude would reach the trigonometry and give a report that looks real but is
// nonsense, so the place is checked before the directions and the date.
std::optional<UserMessage> CheckPlaceRanges(const FormValues& f) {
    if (OutOfRange(f.latDegrees, 89)) return CriticalMessage(RangeMessage(FormField::LatDeg), FormField::LatDeg);
    if (OutOfRange(f.latMinutes, 59)) return CriticalMessage(RangeMessage(FormField::LatMin), FormField::LatMin);
    const bool pastTheDateLine = f.lonDegrees.value == 180 && f.lonMinutes.value && *f.lonMinutes.value > 0;
    if (OutOfRange(f.lonDegrees, 180) || pastTheDateLine)
        return CriticalMessage(RangeMessage(FormField::LonDeg), FormField::LonDeg);
    if (OutOfRange(f.lonMinutes, 59)) return CriticalMessage(RangeMessage(FormField::LonMin), FormField::LonMin);
    return std::nullopt;
}

// The letters and combining marks of the scripts names and places are written in, by block: Latin
// with its accents, Greek, Cyrillic, Armenian, Hebrew, Arabic, the Indian scripts (without their
// digits and dandas), Thai, Vietnamese, kana, the CJK ideographs and Hangul. The .ved file holds
// Latin-1 only; saving one checks that (reading_file.h), the .vela file holds them all.
struct CodeRange {
    char32_t first;
    char32_t last;
};
constexpr CodeRange kLetterRanges[] = {
    {U'A', U'Z'},     {U'a', U'z'},     {0x00C0, 0x00D6}, {0x00D8, 0x00F6}, {0x00F8, 0x024F}, {0x0300, 0x036F},
    {0x0386, 0x0386}, {0x0388, 0x03FF}, {0x0400, 0x0481}, {0x0483, 0x0487}, {0x048A, 0x052F}, {0x0531, 0x0556},
    {0x0561, 0x0587}, {0x0591, 0x05BD}, {0x05BF, 0x05BF}, {0x05C1, 0x05C2}, {0x05C4, 0x05C5}, {0x05C7, 0x05C7},
    {0x05D0, 0x05EA}, {0x0610, 0x061A}, {0x0620, 0x065F}, {0x0670, 0x06D3}, {0x0900, 0x0DFF}, {0x0E01, 0x0E3A},
    {0x0E40, 0x0E4E}, {0x1E00, 0x1EFF}, {0x3041, 0x3096}, {0x3099, 0x309F}, {0x30A1, 0x30FA}, {0x30FC, 0x30FF},
    {0x4E00, 0x9FFF}, {0xAC00, 0xD7A3},
};

bool IsLetter(char32_t code) {
    // Below 0x80 the table holds only the two ASCII ranges: most names and places end here.
    if (code < 0x80) return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z');
    if (code >= 0x0900 && code <= 0x0DFF) {
        // In each Indian script's block of 128, 0x64..0x6F are the dandas and the digits; Tamil
        // has numbers and signs from 0x0BF0.
        const char32_t inBlock = code & 0x7F;
        if ((inBlock >= 0x64 && inBlock <= 0x6F) || (code >= 0x0BF0 && code <= 0x0BFF)) return false;
    }
    for (const CodeRange& range : kLetterRanges)
        if (code >= range.first && code <= range.last) return true;
    return false;
}

// An apostrophe, hyphen or full stop belongs to the word it follows.
bool IsWordMark(char32_t code) { return code == U'\'' || code == U'-' || code == U'.'; }

bool IsAccepted(BoxKind kind, char32_t code, char32_t previous) {
    if (kind == BoxKind::Digits) return code >= U'0' && code <= U'9';
    return IsLetter(code) || code == U' ' || (IsWordMark(code) && IsLetter(previous));
}

bool IsEditingKey(char32_t code) { return code == 8 || code == 127; }

UserMessage RuleMessage(BoxKind kind) {
    return CriticalMessage(kind == BoxKind::Letters ? kOnlyLettersMessage : kOnlyNumbersMessage);
}

// Every accepted character is ASCII, so text is judged byte by byte: each byte of a multi-byte
// UTF-8 sequence (0x80 or above) is refused as the character it belongs to would be.
// The code point of the UTF-8 character at text[i]; i moves past it. A broken sequence gives
// U+FFFD, which no rule accepts.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) return lead;
    const std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = lead & (0x3Fu >> extra);
    for (std::size_t k = 0; k < extra; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0u) != 0x80u) return 0xFFFD;
        code = (code << 6) | (byte(i++) & 0x3Fu);
    }
    return extra == 0 ? 0xFFFD : code;
}

// The code point of the last character of a UTF-8 text, 0 for an empty one.
char32_t LastCodePoint(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0u) == 0x80u) --start;
    return NextCodePoint(text, start);
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++n;
    return n;
}

// What a copy brings along at the ends of a pasted text without meaning it.
std::string_view TrimCopyArtefacts(std::string_view text, BoxKind kind) {
    const auto artefact = [kind](char c) {
        return c == '\n' || c == '\r' || c == '\t' || (kind == BoxKind::Digits && c == ' ');
    };
    while (!text.empty() && artefact(text.front())) text.remove_prefix(1);
    while (!text.empty() && artefact(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<UserMessage> ValidateInput(const FormValues& form) {
    struct RequiredBox {
        bool empty;
        std::string_view message;
        FormField field;
    };
    // A text of blanks only is as empty as no text: the driver and the reading file trim blanks, so
    // it would become an empty name or place that no saved reading could be opened with.
    const auto blank = [](std::string_view text) { return astro::TrimBlanks(text).empty(); };
    const std::array<RequiredBox, 8> required{{
        {blank(form.name), "Please Enter Your Name", FormField::Name},
        {form.latDegrees.empty, "Please Enter Degree of Latitude", FormField::LatDeg},
        {form.latMinutes.empty, "Please Enter Minutes of Latitude", FormField::LatMin},
        {form.lonDegrees.empty, "Please Enter Degree of Longitude", FormField::LonDeg},
        {form.lonMinutes.empty, "Please Enter Minute of Longitude", FormField::LonMin},
        {blank(form.city), "Please Enter Your City name", FormField::City},
        {blank(form.state), "Please Enter Your State name", FormField::State},
        {blank(form.country), "Please Enter Your Country name", FormField::Country},
    }};
    for (const auto& box : required)
        if (box.empty) return CriticalMessage(box.message, box.field);

    const std::array<std::pair<std::string_view, FormField>, 4> letterBoxes{{
        {form.name, FormField::Name},
        {form.city, FormField::City},
        {form.state, FormField::State},
        {form.country, FormField::Country},
    }};
    for (const auto& [text, field] : letterBoxes)
        if (CheckBoxText(BoxKind::Letters, text)) return CriticalMessage(kOnlyLettersMessage, field);

    if (auto problem = CheckPlaceRanges(form)) return problem;

    // The window selects the first direction of the pair, so pressing the button again passes.
    if (form.latDirection == LatChoice::None) {
        auto message = CriticalMessage("Please Select Direction For The Latitude", FormField::LatDirection);
        message.selectLat = LatChoice::North;
        return message;
    }
    if (form.lonDirection == LonChoice::None) {
        auto message = CriticalMessage("Please Select Direction For The Longitude", FormField::LonDirection);
        message.selectLong = LonChoice::East;
        return message;
    }
    return CheckDayOfMonth(form);
}

std::optional<UserMessage> ValidateInput(const BirthForm& form) { return ValidateInput(ParseForm(form)); }

// The day against its month. The leap years are the Gregorian calendar's: for the year list's 1901
// to 2050 divisibility by 4 alone, and 1800, 2100, 2200 and 2300 common years for the precise
// ephemeris' wider range. A day or year text that is no number is left to the driver.
std::optional<UserMessage> CheckDayOfMonth(const FormValues& f) {
    if (!f.day.value) return std::nullopt;
    const int d = *f.day.value - 1;  // position in the day list
    const int m = f.month;           // position in the month list
    if (f.year.value && m == 1) {
        const int year = *f.year.value;
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        const int firstMissing = leap ? 29 : 28;
        if (d >= firstMissing && d <= 30) return InformationMessage("Please Enter Correct Date Or Month!");
    }
    if ((m == 3 || m == 5 || m == 8 || m == 10) && d == 30)
        return InformationMessage("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

std::optional<UserMessage> FilterKeystroke(BoxKind kind, char32_t code, char32_t previous) {
    if (IsEditingKey(code) || IsAccepted(kind, code, previous)) return std::nullopt;
    return RuleMessage(kind);
}

std::optional<UserMessage> CheckBoxText(BoxKind kind, std::string_view text) {
    char32_t previous = 0;
    for (std::size_t i = 0; i < text.size();) {
        // Most names are plain ASCII: a byte below 0x80 is its own character.
        const auto byte = static_cast<unsigned char>(text[i]);
        char32_t code = byte;
        if (byte < 0x80)
            ++i;
        else
            code = NextCodePoint(text, i);
        if (!IsAccepted(kind, code, previous)) return RuleMessage(kind);
        previous = code;
    }
    return std::nullopt;
}

BoxKind BoxKindOf(FormField box) {
    switch (box) {
        case FormField::LatDeg:
        case FormField::LatMin:
        case FormField::LonDeg:
        case FormField::LonMin:
            return BoxKind::Digits;
        default:
            return BoxKind::Letters;
    }
}

InsertionVerdict JudgeInsertion(FormField box, std::string_view before, std::string_view inserted,
                                std::string_view after) {
    const BoxKind kind = BoxKindOf(box);
    const bool typed = Utf8Length(inserted) == 1;
    InsertionVerdict verdict;
    const std::string_view text = typed ? inserted : TrimCopyArtefacts(inserted, kind);
    verdict.inserted = text;
    // Each inserted character in its place, and a mark right after the insertion, whose place has
    // changed ("a-b" with a blank put before the hyphen).
    char32_t previous = LastCodePoint(before);
    for (std::size_t i = 0; i < text.size();) {
        const char32_t code = NextCodePoint(text, i);
        if (!IsAccepted(kind, code, previous)) {
            verdict.refusal = RuleMessage(kind);
            return verdict;
        }
        previous = code;
    }
    if (!text.empty() && !after.empty() && IsWordMark(static_cast<unsigned char>(after.front())) &&
        !IsAccepted(kind, static_cast<unsigned char>(after.front()), previous)) {
        verdict.refusal = RuleMessage(kind);
        return verdict;
    }
    if (kind == BoxKind::Digits && before.size() + text.size() + after.size() > kNumberBoxMaxLength) {
        if (typed)
            verdict.silent = true;
        else
            verdict.refusal = CriticalMessage(RangeMessage(box));
    }
    return verdict;
}

}  // namespace vela::reading
