#include "sky/sunrise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "sky/swiss.h"

namespace vela::sky {
namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kRadToDeg = 180.0 / std::numbers::pi;
// The hour angle grows by 360 deg in a solar day, 360.9856 in a sidereal one; the Sun's own
// motion in right ascension takes back about a degree a day.
constexpr double kHourAngleDegreesPerDay = 360.0;
// Apparent sidereal time gains this on the clock (IAU 1982 rate, degrees per UT day).
constexpr double kSiderealDegreesPerDay = 360.98564736629;
constexpr double kAuKm = 149597870.7;
constexpr double kSunRadiusKm = 696000.0;    // the library's solar diameter, 1 392 000 km
constexpr double kEarthRadiusKm = 6378.137;  // for the horizontal parallax
constexpr double kPressureHpa = 1013.25;     // standard atmosphere at sea level
constexpr double kTemperatureC = 10.0;
constexpr double kLapseRateKPerM = 0.0065;  // the library's default
constexpr double kConvergedDays = 1e-7;     // about 0.01 s
constexpr int kMaxSteps = 12;

// The Sun as seen from a place over the day around one noon: its apparent right ascension,
// declination and distance from the library at three moments half a day apart, interpolated
// between them (the Sun's motion is smooth enough that a parabola over a day is good to well
// under an arc second), and the apparent sidereal time from the library at the middle moment,
// carried on at the sidereal rate. Every step of the search is then plain trigonometry.
class SunAltitude {
public:
    SunAltitude(const Place& place, SunriseDefinition event, double noon)
        : sinLatitude(std::sin(place.latitudeDegrees * kDegToRad)),
          cosLatitude(std::cos(place.latitudeDegrees * kDegToRad)),
          longitudeDegrees(place.longitudeEastDegrees),
          definition(event),
          noonJdUt(noon) {
        if (event != SunriseDefinition::CentreGeometric) {
            // The true altitude of a body seen on the horizon, about -34.6'. (swe_refrac answers 0
            // for an apparent altitude of 0; the extended form answers the refraction itself.)
            double details[20] = {};
            horizonRefractionDegrees =
                -swe_refrac_extended(0.0, 0.0, kPressureHpa, kTemperatureC, kLapseRateKPerM, SE_APP_TO_TRUE, details);
        }
        for (std::size_t i = 0; i < 3; ++i) {
            double xx[6] = {};
            char serr[AS_MAXCH] = {};
            swe_calc_ut(noon + 0.5 * (static_cast<double>(i) - 1.0), SE_SUN, detail::kEphemerisFlag | SEFLG_EQUATORIAL,
                        xx, serr);
            rightAscensionSamples[i] = xx[0];
            declinationSamples[i] = xx[1];
            distanceAuSamples[i] = xx[2];
        }
        // Unwrap the right ascension across 0h.
        for (std::size_t i = 1; i < 3; ++i) {
            rightAscensionSamples[i] = rightAscensionSamples[i - 1] +
                                       std::remainder(rightAscensionSamples[i] - rightAscensionSamples[i - 1], 360.0);
        }
        siderealAtNoonDegrees = swe_sidtime(noon) * 15.0;
    }

    struct Sample {
        double excessDegrees = 0;      // altitude above the event's altitude
        double hourAngleDegrees = 0;   // (-180, 180]
        double rateDegreesPerDay = 0;  // d(altitude)/dt
    };

    Sample At(double jdUt) const {
        const double x = 2.0 * (jdUt - noonJdUt);  // -1, 0, 1 at the three moments
        const double rightAscension = Parabola(rightAscensionSamples, x);
        const double declination = Parabola(declinationSamples, x) * kDegToRad;
        const double distanceKm = Parabola(distanceAuSamples, x) * kAuKm;
        const double sidereal = siderealAtNoonDegrees + kSiderealDegreesPerDay * (jdUt - noonJdUt);
        const double hourAngle = std::remainder(sidereal + longitudeDegrees - rightAscension, 360.0);
        const double cosH = std::cos(hourAngle * kDegToRad);
        const double sinAltitude = sinLatitude * std::sin(declination) + cosLatitude * std::cos(declination) * cosH;
        const double altitude = std::asin(std::clamp(sinAltitude, -1.0, 1.0));
        // The centre's geocentric altitude at the event: the horizon, lowered by refraction and
        // (upper limb) the semidiameter, raised by the parallax that a surface observer sees.
        double target = std::asin(kEarthRadiusKm / distanceKm) * kRadToDeg - horizonRefractionDegrees;
        if (definition == SunriseDefinition::UpperLimbRefracted) {
            target -= std::asin(kSunRadiusKm / distanceKm) * kRadToDeg;
        }
        Sample s;
        s.excessDegrees = altitude * kRadToDeg - target;
        s.hourAngleDegrees = hourAngle;
        const double cosAltitude = std::max(std::cos(altitude), 1e-9);
        s.rateDegreesPerDay = -cosLatitude * std::cos(declination) * std::sin(hourAngle * kDegToRad) *
                              kHourAngleDegreesPerDay / cosAltitude;
        return s;
    }

private:
    // The parabola through (-1, v[0]), (0, v[1]), (1, v[2]) at x.
    static double Parabola(const std::array<double, 3>& v, double x) {
        return v[1] + 0.5 * x * (v[2] - v[0]) + 0.5 * x * x * (v[2] - 2.0 * v[1] + v[0]);
    }

    double sinLatitude;
    double cosLatitude;
    double longitudeDegrees;
    SunriseDefinition definition;
    double noonJdUt;
    double horizonRefractionDegrees = 0;
    std::array<double, 3> rightAscensionSamples{};
    std::array<double, 3> declinationSamples{};
    std::array<double, 3> distanceAuSamples{};
    double siderealAtNoonDegrees = 0;
};

// The moment near a first guess where the Sun's hour angle is 0 (upper transit) or 180 (lower).
double Transit(const SunAltitude& sun, double guessJdUt, double hourAngleDegrees) {
    double t = guessJdUt;
    for (int i = 0; i < 4; ++i) {
        const double off = std::remainder(sun.At(t).hourAngleDegrees - hourAngleDegrees, 360.0);
        t -= off / kHourAngleDegreesPerDay;
        if (std::fabs(off) < 1e-5) break;
    }
    return t;
}

// The zero of the excess altitude between two moments where it has opposite signs: Newton steps
// from the guess, a halving wherever a step would leave the bracket.
double Crossing(const SunAltitude& sun, double lowJdUt, double highJdUt, double guessJdUt) {
    SunAltitude::Sample low = sun.At(lowJdUt);
    double a = lowJdUt;
    double b = highJdUt;
    double t = std::clamp(guessJdUt, a, b);
    for (int i = 0; i < kMaxSteps; ++i) {
        const SunAltitude::Sample s = sun.At(t);
        if ((s.excessDegrees < 0) == (low.excessDegrees < 0)) {
            a = t;
            low = s;
        } else {
            b = t;
        }
        double next = s.rateDegreesPerDay != 0 ? t - s.excessDegrees / s.rateDegreesPerDay : 0.5 * (a + b);
        if (!(next > a && next < b)) next = 0.5 * (a + b);
        const double step = std::fabs(next - t);
        t = next;
        if (step < kConvergedDays) break;
    }
    return t;
}

// A first guess for a crossing: the excess altitude runs from its minimum at the lower transit to
// its maximum at the upper one about like minus the cosine of the hour angle, so the classical
// hour-angle formula places its zero.
double Guess(double transitJdUt, double excessAtTransit, double excessAtLowerTransit, bool rising) {
    const double mid = 0.5 * (excessAtTransit + excessAtLowerTransit);
    const double half = 0.5 * (excessAtTransit - excessAtLowerTransit);
    const double cosH0 = std::clamp(-mid / half, -1.0, 1.0);
    const double h0Days = std::acos(cosH0) * kRadToDeg / kHourAngleDegreesPerDay;
    return rising ? transitJdUt - h0Days : transitJdUt + h0Days;
}

}  // namespace

std::optional<double> SunDay::RiseHours() const {
    if (!riseJdUt) return std::nullopt;
    return (*riseJdUt - midnightJdUt) * 24.0;
}

std::optional<double> SunDay::SetHours() const {
    if (!setJdUt) return std::nullopt;
    return (*setJdUt - midnightJdUt) * 24.0;
}

std::optional<SunDay> SunEventsOfDate(const CivilDate& date, double zoneHoursEast, const Place& place,
                                      SunriseDefinition definition) {
    if (!(std::fabs(place.latitudeDegrees) <= 90.0) || !(std::fabs(place.longitudeEastDegrees) <= 180.0) ||
        !(std::fabs(zoneHoursEast) <= 26.0)) {
        return std::nullopt;
    }
    const std::optional<double> jd0 = JulianDayUt({date.year, date.month, date.day, 0.0});
    if (!jd0) return std::nullopt;
    PrepareThread();

    SunDay day;
    day.midnightJdUt = *jd0 - zoneHoursEast / 24.0;
    // Local mean noon, moved by whole days to the middle of the date's clock, then the true transit.
    double noon = *jd0 + 0.5 - place.longitudeEastDegrees / 360.0;
    noon += std::round(day.midnightJdUt + 0.5 - noon);
    const SunAltitude sun(place, definition, noon);
    day.transitJdUt = Transit(sun, noon, 0.0);

    const double before = Transit(sun, day.transitJdUt - 0.5, 180.0);
    const double after = Transit(sun, day.transitJdUt + 0.5, 180.0);
    const double atTransit = sun.At(day.transitJdUt).excessDegrees;
    day.upAtTransit = atTransit >= 0;
    if (!day.upAtTransit) return day;

    const double atBefore = sun.At(before).excessDegrees;
    if (atBefore < 0) {
        day.riseJdUt = Crossing(sun, before, day.transitJdUt, Guess(day.transitJdUt, atTransit, atBefore, true));
    }
    const double atAfter = sun.At(after).excessDegrees;
    if (atAfter < 0) {
        day.setJdUt = Crossing(sun, day.transitJdUt, after, Guess(day.transitJdUt, atTransit, atAfter, false));
    }
    return day;
}

}  // namespace vela::sky
