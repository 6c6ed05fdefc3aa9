#include "reading/validation.h"

#include <array>
#include <limits>

namespace vela::modValidation {

namespace {

UserMessage Critical(std::string_view text, FormField focus) {
    return {std::string(text), MsgIcon::Critical, focus, LatChoice::None, LonChoice::None};
}

UserMessage Information(std::string_view text) {
    return {std::string(text), MsgIcon::Information, FormField::None, LatChoice::None, LonChoice::None};
}

// A whole number as the driver will read it: an optional minus sign and decimal digits, nothing
// else. Long runs of digits saturate instead of overflowing; they are out of every range anyway.
std::optional<long> ReadWholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    constexpr long kSaturated = std::numeric_limits<int>::max();
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value >= kSaturated / 10 ? kSaturated : value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// True when the box holds a number outside [0, highest]. A text that is no number is left to the
// driver, which refuses it with the box's own message.
bool OutOfRange(const std::string& text, long highest) {
    const auto value = ReadWholeNumber(text);
    return value && (*value < 0 || *value > highest);
}

// 999 degrees of latitude would reach the trigonometry and give a report that looks real but is
// nonsense, so the place is checked before the directions and the date.
std::optional<UserMessage> CheckPlaceRanges(const BirthForm& f) {
    if (OutOfRange(f.txtLatDeg, 89)) return Critical("Please Enter Degree of Latitude from 0 to 89", FormField::LatDeg);
    if (OutOfRange(f.txtLatMin, 59))
        return Critical("Please Enter Minutes of Latitude from 0 to 59", FormField::LatMin);
    const auto lonMin = ReadWholeNumber(f.txtLonMin);
    const auto lonDeg = ReadWholeNumber(f.txtLonDeg);
    if (OutOfRange(f.txtLonDeg, 180) || (lonDeg == 180 && lonMin && *lonMin > 0))
        return Critical("Please Enter Degree of Longitude from 0 to 180", FormField::LonDeg);
    if (OutOfRange(f.txtLonMin, 59))
        return Critical("Please Enter Minute of Longitude from 0 to 59", FormField::LonMin);
    return std::nullopt;
}

// The day against its month. The leap-year rule is divisibility by 4 alone, exact for the years the
// year list offers (1901 to 2050). A day or year text that is no number is left to the driver.
std::optional<UserMessage> CheckDayOfMonth(const BirthForm& f) {
    const auto day = ReadWholeNumber(f.cboDate);
    if (!day) return std::nullopt;
    const long d = *day - 1;   // position in the day list
    const int m = f.cboMonth;  // position in the month list
    if (const auto year = ReadWholeNumber(f.cboYear); year && m == 1) {
        const long firstMissing = *year % 4 == 0 ? 29 : 28;
        if (d >= firstMissing && d <= 30) return Information("Please Enter Correct Date Or Month!");
    }
    if ((m == 3 || m == 5 || m == 8 || m == 10) && d == 30) return Information("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

bool IsAccepted(BoxKind kind, char32_t code) {
    if (kind == BoxKind::Digits) return code >= U'0' && code <= U'9';
    return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') || code == U' ';
}

bool IsEditingKey(char32_t code) { return code == 8 || code == 127; }

}  // namespace

std::optional<UserMessage> ValidateInput(const BirthForm& form) {
    struct RequiredBox {
        const std::string& text;
        std::string_view message;
        FormField field;
    };
    // Only the empty text counts as missing: blanks pass here, and the driver trims the place boxes.
    const std::array<RequiredBox, 8> required{{
        {form.txtName, "Please Enter Your Name", FormField::Name},
        {form.txtLatDeg, "Please Enter Degree of Latitude", FormField::LatDeg},
        {form.txtLatMin, "Please Enter Minutes of Latitude", FormField::LatMin},
        {form.txtLonDeg, "Please Enter Degree of Longitude", FormField::LonDeg},
        {form.txtLonMin, "Please Enter Minute of Longitude", FormField::LonMin},
        {form.txtCity, "Please Enter Your City name", FormField::City},
        {form.txtState, "Please Enter Your State name", FormField::State},
        {form.txtCountry, "Please Enter Your Country name", FormField::Country},
    }};
    for (const auto& box : required)
        if (box.text.empty()) return Critical(box.message, box.field);

    if (auto problem = CheckPlaceRanges(form)) return problem;

    // The window selects the first direction of the pair, so pressing the button again passes.
    if (form.optLat == LatChoice::None) {
        auto message = Critical("Please Select Direction For The Latitude", FormField::LatDirection);
        message.selectLat = LatChoice::North;
        return message;
    }
    if (form.optLong == LonChoice::None) {
        auto message = Critical("Please Select Direction For The Longitude", FormField::LonDirection);
        message.selectLong = LonChoice::East;
        return message;
    }
    return CheckDayOfMonth(form);
}

std::optional<UserMessage> FilterKeystroke(BoxKind kind, char32_t code) {
    if (IsEditingKey(code) || IsAccepted(kind, code)) return std::nullopt;
    return Critical(kind == BoxKind::Letters ? "Please enter only letters" : "Please enter only numbers",
                    FormField::None);
}

std::string CleanPastedText(BoxKind kind, std::string_view text) {
    // Every accepted character is ASCII, so the bytes of a multi-byte UTF-8 sequence (all 0x80 or
    // above) are dropped with the character they belong to.
    std::string clean;
    for (const char c : text) {
        const auto code = static_cast<char32_t>(static_cast<unsigned char>(c));
        if (IsAccepted(kind, code)) clean += c;
    }
    if (kind == BoxKind::Digits && clean.size() > kNumberBoxMaxLength) clean.resize(kNumberBoxMaxLength);
    return clean;
}

}  // namespace vela::modValidation
