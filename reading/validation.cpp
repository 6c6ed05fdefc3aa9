#include "reading/validation.h"

#include <array>

#include "astro/text.h"

namespace vela::modValidation {

namespace {

// True when the box holds a number outside [0, highest]. A text that is no number is left to the
// driver, which refuses it with the box's own message.
bool OutOfRange(const FormNumber& box, int highest) {
    return box.intValue && (*box.intValue < 0 || *box.intValue > highest);
}

// 999 degrees of latitude would reach the trigonometry and give a report that looks real but is
// nonsense, so the place is checked before the directions and the date.
std::optional<UserMessage> CheckPlaceRanges(const FormValues& f) {
    if (OutOfRange(f.txtLatDeg, 89))
        return CriticalMessage("Please Enter Degree of Latitude from 0 to 89", FormField::LatDeg);
    if (OutOfRange(f.txtLatMin, 59))
        return CriticalMessage("Please Enter Minutes of Latitude from 0 to 59", FormField::LatMin);
    const bool pastTheDateLine = f.txtLonDeg.intValue == 180 && f.txtLonMin.intValue && *f.txtLonMin.intValue > 0;
    if (OutOfRange(f.txtLonDeg, 180) || pastTheDateLine)
        return CriticalMessage("Please Enter Degree of Longitude from 0 to 180", FormField::LonDeg);
    if (OutOfRange(f.txtLonMin, 59))
        return CriticalMessage("Please Enter Minute of Longitude from 0 to 59", FormField::LonMin);
    return std::nullopt;
}

// The day against its month. The leap-year rule is divisibility by 4 alone, exact for the years the
// year list offers (1901 to 2050). A day or year text that is no number is left to the driver.
std::optional<UserMessage> CheckDayOfMonth(const FormValues& f) {
    if (!f.cboDate.intValue) return std::nullopt;
    const int d = *f.cboDate.intValue - 1;  // position in the day list
    const int m = f.cboMonth;               // position in the month list
    if (f.cboYear.intValue && m == 1) {
        const int firstMissing = *f.cboYear.intValue % 4 == 0 ? 29 : 28;
        if (d >= firstMissing && d <= 30) return InformationMessage("Please Enter Correct Date Or Month!");
    }
    if ((m == 3 || m == 5 || m == 8 || m == 10) && d == 30)
        return InformationMessage("Please Enter Correct Date Or Month !");
    return std::nullopt;
}

bool IsAccepted(BoxKind kind, char32_t code) {
    if (kind == BoxKind::Digits) return code >= U'0' && code <= U'9';
    return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') || code == U' ';
}

bool IsEditingKey(char32_t code) { return code == 8 || code == 127; }

}  // namespace

std::optional<UserMessage> ValidateInput(const FormValues& form) {
    struct RequiredBox {
        bool blnEmpty;
        std::string_view message;
        FormField field;
    };
    // A text of blanks only is as empty as no text: the driver and the reading file trim blanks, so
    // it would become an empty name or place that no saved reading could be opened with.
    const auto blank = [](std::string_view text) { return modText::TrimBlanks(text).empty(); };
    const std::array<RequiredBox, 8> required{{
        {blank(form.txtName), "Please Enter Your Name", FormField::Name},
        {form.txtLatDeg.blnEmpty, "Please Enter Degree of Latitude", FormField::LatDeg},
        {form.txtLatMin.blnEmpty, "Please Enter Minutes of Latitude", FormField::LatMin},
        {form.txtLonDeg.blnEmpty, "Please Enter Degree of Longitude", FormField::LonDeg},
        {form.txtLonMin.blnEmpty, "Please Enter Minute of Longitude", FormField::LonMin},
        {blank(form.txtCity), "Please Enter Your City name", FormField::City},
        {blank(form.txtState), "Please Enter Your State name", FormField::State},
        {blank(form.txtCountry), "Please Enter Your Country name", FormField::Country},
    }};
    for (const auto& box : required)
        if (box.blnEmpty) return CriticalMessage(box.message, box.field);

    if (auto problem = CheckPlaceRanges(form)) return problem;

    // The window selects the first direction of the pair, so pressing the button again passes.
    if (form.optLat == LatChoice::None) {
        auto message = CriticalMessage("Please Select Direction For The Latitude", FormField::LatDirection);
        message.selectLat = LatChoice::North;
        return message;
    }
    if (form.optLong == LonChoice::None) {
        auto message = CriticalMessage("Please Select Direction For The Longitude", FormField::LonDirection);
        message.selectLong = LonChoice::East;
        return message;
    }
    return CheckDayOfMonth(form);
}

std::optional<UserMessage> ValidateInput(const BirthForm& form) { return ValidateInput(ParseForm(form)); }

std::optional<UserMessage> FilterKeystroke(BoxKind kind, char32_t code) {
    if (IsEditingKey(code) || IsAccepted(kind, code)) return std::nullopt;
    return CriticalMessage(kind == BoxKind::Letters ? "Please enter only letters" : "Please enter only numbers");
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
