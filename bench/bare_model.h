// The bare arithmetic of one reading, as a yardstick for the program's own cost.
//
// Seven ascendants (the birth moment and the six upagrahas' moments) and the sunrise and sunset of
// three days, written as plain C over doubles: the same formulas and constants as astro/, but no
// record, no text, no validation, no report. BM_BareModel times it beside BM_RunCalculationSeeded,
// so the ratio of the two says what everything around the arithmetic costs.
#pragma once

#include <math.h>

namespace vela::bench {

struct BarePlace {
    double latitude;   // degrees, North positive
    double longitude;  // degrees, East positive
    double zoneEast;   // hours East of Greenwich, daylight saving included
    int year, month, day;
    double birthHour;  // clock hours
};

inline double BareJulianDay(int month, int day, int year) {
    const double n = 12.0 * (year + 4800) + month - 3;
    double J = floor((365 * n + 2 * (n - 12 * floor(n / 12)) + 7) / 12) + day + floor(n / 48) - 32083;
    if (J > 2299171) J = J + floor(n / 4800) - floor(n / 1200) + 38;
    return J;
}

// Sidereal ascendant in degrees at clock hour t.
inline double BareAscendant(const BarePlace* p, double J, double t) {
    const double d2r = 0.0174532925199433, r2d = 57.2957795130823, pi = 3.14159265358979;
    const double U = t - p->zoneEast;
    const double T = (J - 2415020 + U / 24 - 0.5) / 36525;
    double omega = (933060 - 6962911 * T + 7.5 * T * T) / 3600;
    while (omega >= 360) omega -= 360;
    const double L2 = (2013816 + 259205536 * T) / 3600;
    const double ayanamsa =
        (1.27 * sin(L2 * d2r) + 17.23 * sin(omega * d2r) - T * (5025.64 + 1.11 * T) - 80861.27) / 3600;
    double R = 15 * (U + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T) + p->longitude;
    if (R >= 360) R = fmod(R, 360.0);
    const double Rr = R * d2r, eps = (23.452294 - 0.0130125 * T) * d2r;
    double A = atan2(cos(Rr), -sin(Rr) * cos(eps) - sin(eps) * tan(p->latitude * d2r));
    if (A < 0) A += pi;
    if (cos(Rr) < 0) A += pi;
    A = A * r2d + ayanamsa;
    while (A >= 360) A -= 360;
    while (A < 0) A += 360;
    return A;
}

// Sunrise (event 0) or sunset (event 1) in clock hours on day-of-year N (from 0).
inline double BareSunEvent(const BarePlace* p, int N, int event) {
    const double E = event == 0 ? 1.5708 : 4.71239;
    const double lambdaR = p->longitude * 0.0174533, phiR = p->latitude * 0.0174533;
    const double t = N + (E - lambdaR) / 6.28319;
    const double M = 0.017202 * t - 0.0574039;
    double L = M + 0.0334405 * sin(M) + 4.93289 + 0.000349066 * sin(2 * M);
    while (L < 0) L += 6.28319;
    while (L >= 6.28319) L -= 6.28319;
    double RA = atan(0.91746 * sin(L) / cos(L));
    if (L > 4.71239)
        RA += 6.28319;
    else if (L > 1.5708)
        RA += 3.14159;
    const double s = 0.39782 * sin(L);
    const double delta = atan(s / sqrt(1 - s * s));
    const double c = (-0.0145439 - sin(delta) * sin(phiR)) / (cos(phiR) * cos(delta));
    double H = 1.5708 - atan(c / sqrt(1 - c * c));
    if (event == 0) H = 6.28319 - H;
    double local = H + RA - 0.0172028 * t - 1.73364 - lambdaR + p->zoneEast * 0.261799;
    while (local < 0) local += 6.28319;
    while (local >= 6.28319) local -= 6.28319;
    return floor(local * 3.81972 * 60 + 0.5) / 60;
}

// The whole bare reading: the sum keeps the compiler from dropping any of it.
inline double BareReading(const BarePlace* p, int dayOfYear) {
    const double J = BareJulianDay(p->month, p->day, p->year);
    const double rise = BareSunEvent(p, dayOfYear, 0), set = BareSunEvent(p, dayOfYear, 1);
    double sum = rise + set;
    for (int d = -1; d <= 1; d += 2) sum += BareSunEvent(p, dayOfYear + d, 0) + BareSunEvent(p, dayOfYear + d, 1);
    const double eighth = (set - rise) / 8;
    sum += BareAscendant(p, J, p->birthHour);
    for (int k = 0; k < 6; ++k) sum += BareAscendant(p, J, rise + (k + 0.5) * eighth);
    return sum;
}

}  // namespace vela::bench
