#include "astro/units.h"

#include <cmath>

namespace vela::astro {

ZoneOffset ZoneOffset::LocalMeanTime(Degrees longitudeEast) {
    const double hours = longitudeEast.value / 15;
    return ZoneOffset{static_cast<std::int32_t>(std::lround(hours * 3600)), hours};
}

double ZoneOffset::HoursEast() const {
    if (localMeanHoursEast) return *localMeanHoursEast;
    if (secondsEast % 60 != 0) return secondsEast / 3600.0;
    // Hours and minutes carry the same sign, as the table's rows always did.
    return secondsEast / 3600 + (secondsEast % 3600 / 60) / 60.0;
}

}  // namespace vela::astro
