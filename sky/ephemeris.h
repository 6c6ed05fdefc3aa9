// The precise ephemeris' time scales and ayanamsa, over the Swiss Ephemeris.
//
// A reading's birth moment becomes a Julian day (universal time) here; the grahas, the sidereal
// ascendant and the sunrises of sky/ all take that Julian day. The ayanamsa is Lahiri's as the
// Swiss Ephemeris defines it, or a value the caller brings (the original's own ayanamsa comes
// from astro/).
//
// Threads. The Swiss Ephemeris keeps its settings (ephemeris folder, sidereal mode) and its caches
// in global state. Debian builds it with that state thread-local (libswe.so carries a TLS
// segment), so each thread has its own copy and must be set up once: every entry point of sky/
// calls PrepareThread() first, which sets this thread's folder and sidereal mode (Lahiri, never
// changed) when they are missing or when SetEphemerisFolder changed the folder since. No lock is
// taken, so batch rows run side by side. Sidereal positions are tropical positions minus the
// ayanamsa worked out here, so a caller's own ayanamsa never touches the library's settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vela::sky {

// Where Debian's swe-basic-data puts the ephemeris files.
inline constexpr std::string_view kDefaultEphemerisFolder = "/usr/share/libswe/ephe";

// Which theory answered: the Swiss Ephemeris files (sepl_18.se1, semo_18.se1 cover 1800-2399), or,
// where those are missing or the date lies outside them, the library's built-in analytical theory
// (Moshier), good to about a second of arc for the planets and a few for the Moon.
enum class EphemerisSource { SwissFiles, Moshier };

std::string_view EphemerisSourceName(EphemerisSource source);

// Sets the folder of the ephemeris files for every thread from its next call on. An empty text
// means the default folder.
void SetEphemerisFolder(std::string_view folder);
std::string EphemerisFolder();

// Sets up the calling thread's copy of the library state if it is missing or out of date. Every
// function of sky/ calls it; callers need not.
void PrepareThread();

// Which source answers for a Julian day (UT): the files when they are found and cover the day.
EphemerisSource ProbeEphemerisSource(double jdUt);

// A moment on the Gregorian calendar in universal time: hours from 0 to 24, fractions kept.
struct UtMoment {
    int year = 2000;
    int month = 1;
    int day = 1;
    double hoursUt = 0;
};

// Julian day (UT) of a moment; empty when the date is not on the calendar (31 April, 29 February
// of a common year, month 13) or the hours lie outside 0 to 24. The clock time is taken as UT1;
// for clocks on UTC the difference (under a second) is what JulianDaysFromUtc adds.
std::optional<double> JulianDayUt(const UtMoment& moment);

// A UTC moment with leap seconds honoured (swe_utc_to_jd): Julian days in terrestrial time and in
// UT1. Empty for an impossible date or time (seconds may reach 60 only where a leap second was).
struct JulianDays {
    double terrestrialTime = 0;
    double universalTime = 0;
};
std::optional<JulianDays> JulianDaysFromUtc(int year, int month, int day, int hour, int minute, double seconds);

// Delta T = TT - UT in seconds at a Julian day (UT), by the library's model for the source in use.
double DeltaTSeconds(double jdUt);
// The same moment as a Julian day in terrestrial time.
double TerrestrialTimeFromUt(double jdUt);

// Which ayanamsa turns tropical longitudes into sidereal ones.
struct Ayanamsa {
    enum class Kind { Lahiri, Given };
    Kind kind = Kind::Lahiri;
    double givenDegrees = 0;  // used with Given: the value at the moment in question

    static Ayanamsa Lahiri() { return {}; }
    static Ayanamsa Given(double degrees) { return {Kind::Given, degrees}; }
};

// The ayanamsa in degrees at a Julian day (UT). Lahiri's is the true one (nutation in longitude
// included), so that it is subtracted from apparent tropical longitudes, as the library's own
// sidereal mode does; a given value is returned as it is.
double AyanamsaDegrees(double jdUt, const Ayanamsa& ayanamsa);

// How fast the ayanamsa grows, degrees per day (zero for a given value): the sidereal speed of a
// graha is its tropical speed less this.
double AyanamsaSpeedDegreesPerDay(double jdUt, const Ayanamsa& ayanamsa);

// An angle in degrees brought into [0, 360).
double NormalizedDegrees(double degrees);

}  // namespace vela::sky
