#include "astro/calendar.h"

#include <cmath>

namespace vela::astro {

namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

year_month_day Ymd(int y, int m, int d) {
    return year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)};
}

CivilDate FromYmd(const year_month_day& ymd) {
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

}  // namespace

double DateSerial(int y, int m, int d) { return static_cast<double>((sys_days{Ymd(y, m, d)} - kEpoch).count()); }

CivilDate DateOfValue(double value) {
    const auto whole = static_cast<int>(std::floor(value));
    return FromYmd(year_month_day{kEpoch + days{whole}});
}

CivilDate AddDays(const CivilDate& date, int n) {
    return FromYmd(year_month_day{sys_days{Ymd(date.year, date.month, date.day)} + days{n}});
}

int Weekday(int y, int m, int d) { return static_cast<int>(weekday{sys_days{Ymd(y, m, d)}}.c_encoding()); }

int DayOfYear(int y, int m, int d) {
    return static_cast<int>((sys_days{Ymd(y, m, d)} - sys_days{year{y} / January / 1}).count()) + 1;
}

bool IsValidDate(int y, int m, int d) {
    if (m < 1 || m > 12 || d < 1 || d > 31) return false;
    return Ymd(y, m, d).ok();
}

double HoursOfDay(double value) { return (value - std::floor(value)) * 24.0; }

}  // namespace vela::astro
