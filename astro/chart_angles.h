// Chart angles: the sidereal ascendant of one local clock time on the birth date at the birth place.
//
// The driver asks for the birth moment; the upagraha stage asks again for the middle of each
// upagraha's portion. Everything that depends only on the date, zone and place (the Julian day,
// the zone in hours, the place in degrees) is worked out once per reading in an AscendantClock;
// each moment then costs only the sidereal time and the ascendant.
//
// The model (Julian day number, ayanamsa, sidereal time, obliquity) and its constants are those
// the program was fitted with; modern values would move ascendants by seconds of arc and make saved
// readings disagree with earlier reports. It takes the place and zone in the program's conventions
// (astro/units.h: longitude East positive, zone seconds East) and turns them at its edge into what
// its arithmetic reads: the zone in hours East, the longitude in degrees WEST positive.
#pragma once

#include "astro/birth_moment.h"
#include "astro/calendar.h"
#include "astro/fixed_text.h"

namespace vela::astro {

// What one call leaves behind: the ascendant text and every intermediate value, so each can be checked.
struct ChartAngles {
    PositionText ascendantText;    // long form of the sidereal ascendant
    double zoneHoursEast = 0;      // hours East of Greenwich, daylight saving included
    double longitudeWest = 0;      // degrees, West positive
    double latitude = 0;           // degrees, North positive
    double universalHour = 0;      // hours, not wrapped into 0..24
    double julianDayNumber = 0;    // of the civil birth date (the day beginning at noon)
    double centuries = 0;          // Julian centuries since JD 2415020.0, time of day included
    double ayanamsa = 0;           // degrees, negative
    double ramc = 0;               // local sidereal time, radians
    double obliquity = 0;          // radians
    double tropicalAscendant = 0;  // degrees, [0, 360)
    double ascendant = 0;          // sidereal ascendant, degrees, normalised once (may be exactly 360)
};

// The date, zone and place of one reading, turned into the numbers every moment of it shares.
class AscendantClock {
public:
    AscendantClock(const CivilDate& date, const ZoneOffset& zone, bool dst, const Place& place);
    explicit AscendantClock(const BirthMoment& s);

    // Every value of ChartAngles but the text, for a time on the birth date's clock.
    ChartAngles AnglesAt(ClockHours t) const;
    // The sidereal ascendant alone, in [0, 360).
    Degrees SiderealAscendantAt(ClockHours t) const;

private:
    double zoneEastHours = 0;     // daylight saving included
    double longitudeWestDeg = 0;  // West positive
    double latitudeNorthDeg = 0;  // North positive
    double tanLatitude = 0;       // tan of the latitude, shared by every moment
    double julianDayNumber = 0;   // of the civil birth date
};

// The angles of the birth date, zone and place at a time on the birth date's clock.
ChartAngles CalculateChartAngles(const BirthMoment& s, ClockHours t);

// Julian day number (whole, in a double) of a civil date; Julian calendar up to 15 October 1582.
double JulianDayNumber(int month, int day, int year);

// Ayanamsa in degrees (negative) for T Julian centuries since JD 2415020.0.
double Ayanamsa(double T);

// The same ayanamsa as the degrees subtracted from a tropical longitude (positive, about 23.6 in
// 1975) at a moment given as a Julian day in universal time: the precise ephemeris can then place
// the grahas in the zodiac of the original's ascendant.
double AyanamsaDegreesAt(double jdUt);

}  // namespace vela::astro
