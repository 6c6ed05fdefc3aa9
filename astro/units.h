// Units where conventions meet: degrees, hours on the birth date's clock, a zone's offset, a place.
//
// The form's entries become these once, when the form is parsed (reading/), and the original's
// formulas (chart angles, sunrise and sunset) read them at their edge and turn them into the signs
// and units their arithmetic was written in. Inside the formulas nothing changes: every reading
// keeps its numbers to the last bit.
//
// Sign conventions, everywhere outside the formulas: latitude North positive, longitude East
// positive, a zone's offset East of Greenwich positive.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>

namespace vela::astro {

// An angle or a position on a circle, in degrees.
struct Degrees {
    double value = 0;

    constexpr Degrees() = default;
    constexpr explicit Degrees(double degrees) : value(degrees) {}
    auto operator<=>(const Degrees&) const = default;
};

// The form's whole degrees and minutes with their direction, as one signed angle: negative for
// South or West. (degrees + minutes / 60, then the sign: the order the formulas always took.)
constexpr Degrees DegreesOf(int degrees, int minutes, bool negative) {
    const double magnitude = degrees + minutes / 60.0;
    return Degrees(negative ? -magnitude : magnitude);
}

// The same with whole seconds of arc (a place given to the second); without seconds it is the
// angle above, bit for bit.
constexpr Degrees DegreesOf(int degrees, int minutes, int seconds, bool negative) {
    if (seconds == 0) return DegreesOf(degrees, minutes, negative);
    const double magnitude = degrees + minutes / 60.0 + seconds / 3600.0;
    return Degrees(negative ? -magnitude : magnitude);
}

// A time on the birth date's local clock, decimal hours. May lie below 0 (the evening before) or
// at 24 and beyond (the next morning): a night runs across midnight.
struct ClockHours {
    double value = 0;

    constexpr ClockHours() = default;
    constexpr explicit ClockHours(double hours) : value(hours) {}
    auto operator<=>(const ClockHours&) const = default;
};

// A zone's offset from Greenwich, East positive, daylight saving not included.
//
// The zone table's rows are whole seconds (most whole minutes; Calcutta time is +05:53:20).
// Local mean time is the place's own: its longitude / 15 hours, with fractions of a second; it keeps
// that exact value beside the nearest whole second, and the formulas read the exact one.
struct ZoneOffset {
    std::int32_t secondsEast = 0;
    std::optional<double> localMeanHoursEast;  // local mean time only: longitude / 15, exact

    static constexpr ZoneOffset FromSecondsEast(std::int32_t seconds) { return ZoneOffset{seconds, std::nullopt}; }
    // The local mean time of a longitude (East positive).
    static ZoneOffset LocalMeanTime(Degrees longitudeEast);

    // Hours East as the formulas read them. A row's offset is whole hours plus minutes / 60, the
    // sum the formulas were always given (bit for bit); a row with seconds is seconds / 3600 (one
    // rounding); local mean time its exact value.
    double HoursEast() const;

    bool operator==(const ZoneOffset&) const = default;
};

// A place on the Earth: latitude North positive, longitude East positive, in degrees.
struct Place {
    Degrees latitudeNorth;
    Degrees longitudeEast;

    bool operator==(const Place&) const = default;
};

}  // namespace vela::astro
