#include "reading/form_values.h"

#include "astro/text.h"

namespace vela::reading {

FormNumber ParseFormNumber(std::string_view text) { return {text.empty(), astro::ParseWhole(text)}; }

std::optional<ExactZone> ParseExactOffset(std::string_view text) {
    const std::string_view t = astro::TrimBlanks(text);
    if (t.size() < 5 || (t[0] != '+' && t[0] != '-')) return std::nullopt;
    // Hours of one or two digits, then two-digit minutes and, optionally, two-digit seconds.
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t digits = 0;
    for (std::size_t i = 1; i <= t.size(); ++i) {
        if (i == t.size() || t[i] == ':') {
            if (digits == 0 || digits > 2 || (count > 0 && digits != 2) || count == 3) return std::nullopt;
            ++count;
            digits = 0;
            continue;
        }
        if (count == 3 || t[i] < '0' || t[i] > '9') return std::nullopt;
        parts[count] = parts[count] * 10 + (t[i] - '0');
        ++digits;
    }
    if (count < 2 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
    const int total = parts[0] * 3600 + parts[1] * 60 + parts[2];
    if (total > kMaxExactOffsetSeconds) return std::nullopt;
    return ExactZone{t[0] == '-' ? -total : total, "UTC" + std::string(t)};
}

FormValues ParseForm(const BirthForm& form) {
    FormValues v;
    v.name = form.name;
    v.day = ParseFormNumber(form.day);
    v.month = form.month;
    v.year = ParseFormNumber(form.year);
    v.hour = ParseFormNumber(form.hour);
    v.minute = ParseFormNumber(form.minute);
    v.zoneRow = form.zoneRow;
    if (form.exactZone) v.exactZone = &*form.exactZone;
    v.latDegrees = ParseFormNumber(form.latDegrees);
    v.latMinutes = ParseFormNumber(form.latMinutes);
    v.lonDegrees = ParseFormNumber(form.lonDegrees);
    v.lonMinutes = ParseFormNumber(form.lonMinutes);
    v.latSeconds = ParseFormNumber(form.latSeconds);
    v.lonSeconds = ParseFormNumber(form.lonSeconds);
    v.latDirection = form.latDirection;
    v.lonDirection = form.lonDirection;
    v.dst = form.dst;
    v.city = form.city;
    v.state = form.state;
    v.country = form.country;
    return v;
}

}  // namespace vela::reading
