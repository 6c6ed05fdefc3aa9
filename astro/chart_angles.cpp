#include "astro/chart_angles.h"

#include <cmath>

#include "astro/position_text.h"

namespace vela::modVedicEphemeris {

using modVedicPlanetPosition::dblDegToRad;
using modVedicPlanetPosition::dblPi;
using modVedicPlanetPosition::varRadToDeg;

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
    const double n = 1.27 * std::sin(L2 * dblDegToRad) + 17.23 * std::sin(omega * dblDegToRad);
    return (n - T * (5025.64 + 1.11 * T) - 80861.27) / 3600;
}

AscendantClock::AscendantClock(const BirthMoment& s) {
    // The zone's own sign says which side of Greenwich it lies on; the place's longitude does not
    // (London keeps British Summer Time while lying West, Madrid keeps Central European Time).
    double zEast = ZoneHoursEast(s);
    if (s.blnDST) zEast += 1;
    double lambda = s.intLonDeg + s.intLonMin / 60.0;
    double phi = s.intLatDeg + s.intLatMin / 60.0;
    if (s.blnEast) lambda = -lambda;  // West positive from here on
    if (s.blnSouth) phi = -phi;
    dblZoneEastHours_ = zEast;
    dblLongitudeWestDeg_ = lambda;
    dblLatitudeNorthDeg_ = phi;
    dblTanLatitude_ = std::tan(phi * dblDegToRad);
    dblJulianDayNumber_ = JulianDayNumber(s.intMonth, s.intDay, s.intYear);
}

ChartAngles AscendantClock::AnglesAt(double t) const {
    ChartAngles r;
    r.varZone = dblZoneEastHours_;
    r.varLongitude = dblLongitudeWestDeg_;
    r.varLatitude = dblLatitudeNorthDeg_;
    const double J = dblJulianDayNumber_;
    const double U = t - dblZoneEastHours_;  // not wrapped: T and R absorb a U outside 0..24
    const double T = (J - 2415020 + U / 24 - 0.5) / 36525;
    r.varJulianDayNumber = J;
    r.varUniversalHour = U;
    r.varCenturies = T;
    r.varAyanamsa = Ayanamsa(T);

    // Sidereal time in degrees: 6.6460656 h at 1900.0, 2400.0513 h a century of the Sun's mean
    // motion, and the small quadratic term, the classical expression of the sidereal clock.
    double R = 15 * (U + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T) - dblLongitudeWestDeg_;
    // Whole turns off, as repeated subtraction of 360 would take them (some eighty a reading): each
    // subtraction is exact, so fmod gives the same bits. A negative R is left as it is.
    if (R >= 360) R = std::fmod(R, 360.0);
    const double Rr = R * dblDegToRad;
    // Obliquity of the ecliptic: 23.452294 degrees at 1900.0, falling 0.0130125 a century.
    const double eps = (23.452294 - 0.0130125 * T) * dblDegToRad;
    r.varRamc = Rr;
    r.varObliquity = eps;

    const double cosR = std::cos(Rr);
    double A = modVedicPlanetPosition::Atan2(cosR, -std::sin(Rr) * std::cos(eps) - std::sin(eps) * dblTanLatitude_);
    if (A < 0) A += dblPi;
    if (cosR < 0) A += dblPi;
    A *= varRadToDeg;
    while (A >= 360) A -= 360;
    r.dblTropicalAscendant = A;

    A += r.varAyanamsa;
    modVedicPlanetPosition::NormalizeDegrees(A);
    r.varAscendant = A;
    return r;
}

double AscendantClock::SiderealAscendantAt(double t) const {
    const double A = AnglesAt(t).varAscendant;
    return A >= 360 ? A - 360 : A;
}

ChartAngles CalculateChartAngles(const BirthMoment& s, double t) {
    ChartAngles r = AscendantClock(s).AnglesAt(t);
    double shown = r.varAscendant;
    r.varAscendantText = modVedicPlanetPosition::SignDegreeText(shown);
    return r;
}

}  // namespace vela::modVedicEphemeris
