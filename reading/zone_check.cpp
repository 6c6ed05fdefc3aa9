#include "reading/zone_check.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "astro/text.h"
#include "reading/reference_tables.h"

namespace vela::reading {

namespace {

constexpr std::string_view kMinusSign = "\u2212";
constexpr double kMinutesPerDay = 24 * 60;

// The zone's name: its row text before the first comma ("Indian Time").
std::string_view ZoneName(int row) {
    const std::string_view text = kZoneRows[static_cast<std::size_t>(row)].text;
    return text.substr(0, text.find(','));
}

// "+5:53:20" where the offset has seconds, "+5:30" where not.
std::string ShortOffsetText(int secondsEast) {
    const int magnitude = std::abs(secondsEast);
    std::string text(secondsEast < 0 ? kMinusSign : "+");
    text += std::to_string(magnitude / 3600);
    text += ':';
    astro::AppendTwoDigits(text, magnitude / 60 % 60);
    if (magnitude % 60 != 0) {
        text += ':';
        astro::AppendTwoDigits(text, magnitude % 60);
    }
    return text;
}

// The sentence for a zone of the given name and offset (the daylight-saving hour not included).
std::optional<std::string> Warning(std::string_view zoneName, int zoneSecondsEast, bool dst, int lonDeg, int lonMin,
                                   bool east) {
    const int zoneSeconds = zoneSecondsEast + (dst ? 3600 : 0);
    const double zoneMinutes = zoneSeconds / 60.0;
    // Four minutes of clock time to a degree of longitude.
    const double meanMinutes = (east ? 4.0 : -4.0) * (lonDeg + lonMin / 60.0);
    // Round the clock: +12:00 and -12:00 show the same time a date apart, so the gap is the
    // smallest difference modulo 24 hours (Kiritimati's +14:00 lies half an hour from its mean time).
    const double gap = std::fmod(std::fabs(zoneMinutes - meanMinutes), kMinutesPerDay);
    if (std::min(gap, kMinutesPerDay - gap) < kImplausibleZoneHours * 60.0) return std::nullopt;

    std::string text;
    text.reserve(128);  // one allocation for the whole sentence
    text += zoneName;
    if (dst) text += " with Daylight Saving Time";
    text += " is ";
    text += ShortOffsetText(zoneSeconds);
    text += "; the mean time at ";
    astro::AppendDegreesMinutes(text, lonDeg, lonMin);
    text += east ? " E" : " W";
    text += " is ";
    // To the nearest minute, half to even; a West longitude under a minute of time reads +0:00.
    const int rounded = static_cast<int>(std::nearbyint(meanMinutes));
    text += HoursMinutesText(rounded);
    text += '.';
    return text;
}

bool LongitudeInRange(int lonDeg, int lonMin) { return lonDeg >= 0 && lonDeg <= 180 && lonMin >= 0 && lonMin <= 59; }

}  // namespace

std::string HoursMinutesText(int minutesEast) {
    const int magnitude = std::abs(minutesEast);
    std::string text(minutesEast < 0 ? kMinusSign : "+");
    text += std::to_string(magnitude / 60);
    text += ':';
    astro::AppendTwoDigits(text, magnitude % 60);
    return text;
}

std::optional<std::string> ZonePlausibilityWarning(int zoneRow, bool dst, int lonDeg, int lonMin, bool east) {
    if (zoneRow < 0 || zoneRow >= kZoneCount || !LongitudeInRange(lonDeg, lonMin)) return std::nullopt;
    // Local mean time is the place's own mean time by definition: nothing to question.
    if (kZoneRows[static_cast<std::size_t>(zoneRow)].localMeanTime) return std::nullopt;
    return Warning(ZoneName(zoneRow), RowOffsetSeconds(zoneRow), dst, lonDeg, lonMin, east);
}

std::optional<std::string> ZonePlausibilityWarning(const ExactZone& zone, bool dst, int lonDeg, int lonMin, bool east) {
    if (!LongitudeInRange(lonDeg, lonMin)) return std::nullopt;
    const std::string name = zone.name.empty() ? "The offset" : zone.name;
    return Warning(name, zone.secondsEast, dst, lonDeg, lonMin, east);
}

std::optional<std::string> ZonePlausibilityWarning(const FormValues& form) {
    if (!form.lonDegrees.value || !form.lonMinutes.value || form.lonDirection == LonChoice::None) return std::nullopt;
    const bool east = form.lonDirection == LonChoice::East;
    // An exact offset is judged as a row is: a place's own mean time fits it, a slip of sign or
    // hours does not.
    if (form.exactZone)
        return ZonePlausibilityWarning(*form.exactZone, form.dst, *form.lonDegrees.value, *form.lonMinutes.value, east);
    return ZonePlausibilityWarning(form.zoneRow, form.dst, *form.lonDegrees.value, *form.lonMinutes.value, east);
}

}  // namespace vela::reading
