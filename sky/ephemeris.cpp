#include "sky/ephemeris.h"

#include <atomic>
#include <cmath>
#include <mutex>

#include "sky/swiss.h"

namespace vela::sky {
namespace {

// The folder every thread should use, and a counter that moves whenever it changes, so that each
// thread notices with one atomic read and sets its own copy of the library state again.
std::mutex folderMutex;
std::string folderSetting{kDefaultEphemerisFolder};
std::atomic<int> folderGeneration{1};

thread_local int preparedGeneration = 0;

}  // namespace

std::string_view EphemerisSourceName(EphemerisSource source) {
    return source == EphemerisSource::SwissFiles ? "Swiss Ephemeris files" : "Moshier (built-in theory)";
}

void SetEphemerisFolder(std::string_view folder) {
    std::lock_guard lock(folderMutex);
    folderSetting = folder.empty() ? std::string(kDefaultEphemerisFolder) : std::string(folder);
    folderGeneration.fetch_add(1);
}

std::string EphemerisFolder() {
    std::lock_guard lock(folderMutex);
    return folderSetting;
}

void PrepareThread() {
    const int wanted = folderGeneration.load(std::memory_order_acquire);
    if (preparedGeneration == wanted) return;
    const std::string folder = EphemerisFolder();
    swe_set_ephe_path(folder.c_str());
    // Lahiri, once per thread and never another: AyanamsaDegrees asks for it, and a caller's own
    // ayanamsa is subtracted by us rather than set in the library.
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    preparedGeneration = wanted;
}

EphemerisSource ProbeEphemerisSource(double jdUt) {
    PrepareThread();
    double xx[6] = {};
    char serr[AS_MAXCH] = {};
    const std::int32_t flags = swe_calc_ut(jdUt, SE_SUN, detail::kEphemerisFlag, xx, serr);
    return flags < 0 ? EphemerisSource::Moshier : detail::SourceOfFlags(flags);
}

std::optional<double> JulianDayUt(const UtMoment& moment) {
    if (!(moment.hoursUt >= 0 && moment.hoursUt <= 24)) return std::nullopt;  // NaN fails too
    double jd = 0;
    // swe_date_conversion refuses a day that is not on the Gregorian calendar.
    if (swe_date_conversion(moment.year, moment.month, moment.day, moment.hoursUt, 'g', &jd) != OK) {
        return std::nullopt;
    }
    return jd;
}

std::optional<JulianDays> JulianDaysFromUtc(int year, int month, int day, int hour, int minute, double seconds) {
    PrepareThread();
    double ret[2] = {};
    char serr[AS_MAXCH] = {};
    if (!(seconds >= 0 && seconds < 61)) return std::nullopt;
    if (swe_utc_to_jd(year, month, day, hour, minute, seconds, SE_GREG_CAL, ret, serr) != OK) return std::nullopt;
    return JulianDays{ret[0], ret[1]};
}

double DeltaTSeconds(double jdUt) {
    PrepareThread();
    char serr[AS_MAXCH] = {};
    return swe_deltat_ex(jdUt, detail::kEphemerisFlag, serr) * 86400.0;
}

double TerrestrialTimeFromUt(double jdUt) { return jdUt + DeltaTSeconds(jdUt) / 86400.0; }

double AyanamsaDegrees(double jdUt, const Ayanamsa& ayanamsa) {
    if (ayanamsa.kind == Ayanamsa::Kind::Given) return ayanamsa.givenDegrees;
    PrepareThread();
    double value = 0;
    char serr[AS_MAXCH] = {};
    swe_get_ayanamsa_ex_ut(jdUt, detail::kEphemerisFlag, &value, serr);
    return value;
}

double AyanamsaSpeedDegreesPerDay(double jdUt, const Ayanamsa& ayanamsa) {
    if (ayanamsa.kind == Ayanamsa::Kind::Given) return 0;
    // A central difference over a day; the ayanamsa grows by about 50" a year, so the nutation's
    // share (under 0.01" a day) does not matter to a speed.
    return (AyanamsaDegrees(jdUt + 0.5, ayanamsa) - AyanamsaDegrees(jdUt - 0.5, ayanamsa));
}

double NormalizedDegrees(double degrees) {
    double x = std::fmod(degrees, 360.0);
    if (x < 0) x += 360.0;
    return x >= 360.0 ? 0.0 : x;
}

}  // namespace vela::sky
