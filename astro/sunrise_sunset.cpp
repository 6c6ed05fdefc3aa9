#include "astro/sunrise_sunset.h"

#include <cmath>

#include "astro/calendar.h"

namespace vela::astro {

namespace {

// The model's own six-digit constants. Full-precision values move about one sunrise in a
// hundred by a minute, so these stay exactly as the model was published.
constexpr double kHalfPi = 1.5708;
constexpr double kPi = 3.14159;
constexpr double kThreeHalfPi = 4.71239;
constexpr double kTwoPi = 6.28319;
constexpr double kRadiansPerDegree = 0.0174533;
constexpr double kRadiansPerHour = 0.261799;  // of time
constexpr double kHoursPerRadian = 3.81972;

}  // namespace

SunRiseSet CalculateSunRiseSet(const CivilDate& date, const Place& place, const ZoneOffset& zone, bool dst,
                               double zenithCosine) {
    const int year = date.year, month = date.month, day = date.day;
    SunRiseSet result;
    const double phi = place.latitudeNorth.value;
    const double lambda = place.longitudeEast.value;  // East positive here

    double z = zone.HoursEast();
    if (dst) z += 1;

    const double N = DayOfYear(year, month, day) - 1;
    const double phiR = phi * kRadiansPerDegree;
    const double lambdaR = lambda * kRadiansPerDegree;
    const double zR = z * kRadiansPerHour;
    const double dateValue = DateSerial(year, month, day);

    for (int event = 0; event < 2; ++event) {
        result.sunRiseSet[static_cast<std::size_t>(event)] = dateValue;
        const double E = event == 0 ? kHalfPi : kThreeHalfPi;
        const double t = N + (E - lambdaR) / kTwoPi;
        const double M = 0.017202 * t - 0.0574039;
        double L = M + 0.0334405 * std::sin(M) + 4.93289 + 0.000349066 * std::sin(2 * M);
        while (L < 0) L += kTwoPi;
        while (L >= kTwoPi) L -= kTwoPi;
        const double quadrants = L / kHalfPi;
        if (quadrants == std::floor(quadrants)) L += 4.84814E-06;  // keep the tangent off a boundary
        double rightAscension = std::atan(0.91746 * std::sin(L) / std::cos(L));
        if (L > kThreeHalfPi)
            rightAscension += kTwoPi;
        else if (L > kHalfPi)
            rightAscension += kPi;
        const double s = 0.39782 * std::sin(L);
        const double delta = std::atan(s / std::sqrt(1 - s * s));
        const double c = (zenithCosine - std::sin(delta) * std::sin(phiR)) / (std::cos(phiR) * std::cos(delta));
        // |c| >= 1: the Sun stays below (c >= 1) or above (c <= -1) the horizon all day.
        if (!(std::fabs(c) < 1)) continue;
        double H = kHalfPi - std::atan(c / std::sqrt(1 - c * c));
        if (event == 0) H = kTwoPi - H;
        const double T = H + rightAscension - 0.0172028 * t - 1.73364;
        double local = T - lambdaR + zR;
        while (local < 0) local += kTwoPi;
        while (local >= kTwoPi) local -= kTwoPi;

        const double h = local * kHoursPerRadian;
        int hourOfEvent = static_cast<int>(h);
        int minuteOfEvent = static_cast<int>(60 * (h - hourOfEvent) + 0.5);
        if (minuteOfEvent >= 60) {  // 59.5 minutes or more carry into the next hour
            minuteOfEvent -= 60;
            ++hourOfEvent;
        }
        if (hourOfEvent >= 24) hourOfEvent -= 24;  // 24:00 is midnight of the same date
        result.sunRiseSet[static_cast<std::size_t>(event)] = dateValue + (hourOfEvent * 60 + minuteOfEvent) / 1440.0;
        (event == 0 ? result.sunRises : result.sunSets) = true;
    }
    return result;
}

}  // namespace vela::astro
