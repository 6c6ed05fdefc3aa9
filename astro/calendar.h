// Calendar helpers over date values (days since 30 December 1899) built on <chrono>.
#pragma once

#include <chrono>

namespace vela::astro {

// Days since 30 December 1899, the time of day as the fraction.
using DateValue = double;

struct CivilDate {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
};

// Whole days from 30 December 1899 to the date (negative before it).
double DateSerial(int year, int month, int day);
// The civil date of a date value's whole day.
CivilDate DateOfValue(double value);
// The civil date n days after (n < 0: before) the given date.
CivilDate AddDays(const CivilDate& date, int n);
// 0 = Sunday .. 6 = Saturday.
int Weekday(int year, int month, int day);
// 1 for 1 January.
int DayOfYear(int year, int month, int day);
bool IsValidDate(int year, int month, int day);
// Hours of the day of a date value, as a double (the fraction of the day times 24).
double HoursOfDay(double value);

}  // namespace vela::astro
