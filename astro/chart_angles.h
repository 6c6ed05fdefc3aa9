// Chart angles: the sidereal ascendant of one local clock time on the birth date at the birth place.
//
// Flow of a reading: form -> validation -> driver -> chart angles -> sunrise x3 -> upagrahas -> report.
// The driver calls this once for the birth moment; the upagraha stage calls it again for the middle
// of each upagraha's portion. Each call recomputes everything from the birth data and the time.
#pragma once

#include "astro/birth_moment.h"
#include "astro/fixed_text.h"

namespace vela::modVedicEphemeris {

// What one call leaves behind: the ascendant text and every intermediate value, so each can be checked.
struct ChartAngles {
    PositionText varAscendantText;    // long form of the sidereal ascendant
    double varZone = 0;               // hours East of Greenwich, daylight saving included
    double varLongitude = 0;          // degrees, West positive
    double varLatitude = 0;           // degrees, North positive
    double varUniversalHour = 0;      // hours, not wrapped into 0..24
    double varJulianDayNumber = 0;    // of the civil birth date (the day beginning at noon)
    double varCenturies = 0;          // Julian centuries since JD 2415020.0, time of day included
    double varAyanamsa = 0;           // degrees, negative
    double varRamc = 0;               // local sidereal time, radians
    double varObliquity = 0;          // radians
    double dblTropicalAscendant = 0;  // degrees, [0, 360)
    double varAscendant = 0;          // sidereal ascendant, degrees, normalised once
};

// t: local clock time in decimal hours on the birth date; may carry a fraction and lie outside 0..24.
ChartAngles CalculateChartAngles(const BirthMoment& s, double t);

// Julian day number (whole, in a double) of a civil date; Julian calendar up to 15 October 1582.
double JulianDayNumber(int month, int day, int year);

// Ayanamsa in degrees (negative) for T Julian centuries since JD 2415020.0.
double Ayanamsa(double T);

}  // namespace vela::modVedicEphemeris
