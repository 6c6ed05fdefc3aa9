#include "astro/chart_angles.h"

#include <cmath>

#include "astro/position_text.h"

namespace vela::astro {

double JulianDayNumber(int month, int day, int year) {
    const double n = 12.0 * (year + 4800) + month - 3;
    double J = std::floor((365 * n + 2 * (n - 12 * std::floor(n / 12)) + 7) / 12) + day + std::floor(n / 48) - 32083;
    if (J > 2299171) J = J + std::floor(n / 4800) - std::floor(n / 1200) + 38;
    return J;
}

// The ayanamsa as precession from its value at 1900.0 plus the nutation in longitude:
//   80861.27" (22 deg 27' 41") at 1900.0, growing 5025.64" a century (general precession) with its
//   1.11" quadratic term;
//   nutation: 17.23" sin(omega) from the Moon's ascending node omega (933060" at 1900.0, moving back
//   6962911" a century) and 1.27" sin(L2) from twice the Sun's mean longitude L2.
double Ayanamsa(double T) {
    double omega = (933060 - 6962911 * T + 7.5 * T * T) / 3600;
    while (omega >= 360) omega -= 360;
    const double L2 = (2013816 + 259205536 * T) / 3600;
    const double n = 1.27 * std::sin(L2 * kDegToRad) + 17.23 * std::sin(omega * kDegToRad);
    return (n - T * (5025.64 + 1.11 * T) - 80861.27) / 3600;
}

double AyanamsaDegreesAt(double jdUt) { return -Ayanamsa((jdUt - 2415020) / 36525); }

AscendantClock::AscendantClock(const CivilDate& date, const ZoneOffset& zone, bool dst, const Place& place) {
    // The zone's own sign says which side of Greenwich it lies on; the place's longitude does not
    // (London keeps British Summer Time while lying West, Madrid keeps Central European Time).
    double zEast = zone.HoursEast();
    if (dst) zEast += 1;
    const double lambda = -place.longitudeEast.value;  // West positive from here on
    const double phi = place.latitudeNorth.value;
    zoneEastHours = zEast;
    longitudeWestDeg = lambda;
    latitudeNorthDeg = phi;
    tanLatitude = std::tan(phi * kDegToRad);
    julianDayNumber = JulianDayNumber(date.month, date.day, date.year);
}

AscendantClock::AscendantClock(const BirthMoment& s)
    : AscendantClock(CivilDate{s.year, s.month, s.day}, s.zone, s.dst, PlaceOf(s)) {}

ChartAngles AscendantClock::AnglesAt(ClockHours clock) const {
    const double t = clock.value;
    ChartAngles r;
    r.zoneHoursEast = zoneEastHours;
    r.longitudeWest = longitudeWestDeg;
    r.latitude = latitudeNorthDeg;
    const double J = julianDayNumber;
    const double U = t - zoneEastHours;  // not wrapped: T and R absorb a U outside 0..24
    const double T = (J - 2415020 + U / 24 - 0.5) / 36525;
    r.julianDayNumber = J;
    r.universalHour = U;
    r.centuries = T;
    r.ayanamsa = Ayanamsa(T);

    // Sidereal time in degrees: 6.6460656 h at 1900.0, 2400.0513 h a century of the Sun's mean
    // motion, and the small quadratic term, the classical expression of the sidereal clock.
    double R = 15 * (U + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T) - longitudeWestDeg;
    // Whole turns off, as repeated subtraction of 360 would take them (some eighty a reading): each
    // subtraction is exact, so fmod gives the same bits. A negative R is left as it is.
    if (R >= 360) R = std::fmod(R, 360.0);
    const double Rr = R * kDegToRad;
    // Obliquity of the ecliptic: 23.452294 degrees at 1900.0, falling 0.0130125 a century.
    const double eps = (23.452294 - 0.0130125 * T) * kDegToRad;
    r.ramc = Rr;
    r.obliquity = eps;

    const double cosR = std::cos(Rr);
    double A = Atan2(cosR, -std::sin(Rr) * std::cos(eps) - std::sin(eps) * tanLatitude);
    if (A < 0) A += kPi;
    if (cosR < 0) A += kPi;
    A *= kRadToDeg;
    while (A >= 360) A -= 360;
    r.tropicalAscendant = A;

    A += r.ayanamsa;
    NormalizeDegrees(A);
    r.ascendant = A;
    return r;
}

Degrees AscendantClock::SiderealAscendantAt(ClockHours t) const {
    const double A = AnglesAt(t).ascendant;
    return Degrees(A >= 360 ? A - 360 : A);
}

ChartAngles CalculateChartAngles(const BirthMoment& s, ClockHours t) {
    ChartAngles r = AscendantClock(s).AnglesAt(t);
    double shown = r.ascendant;
    r.ascendantText = SignDegreeText(shown);
    return r;
}

}  // namespace vela::astro
