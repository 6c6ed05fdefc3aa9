#include "upagraha/profile_clock.h"

#include "sky/ascendant.h"
#include "upagraha/profiles.h"

namespace vela::upagraha {

namespace {

// The Julian day of 30 December 1899, 0:00, the origin of date values.
constexpr double kDateValueOrigin = 2415018.5;

sky::SunriseDefinition DefinitionOf(SunriseEvent event) {
    switch (event) {
        case SunriseEvent::UpperLimbWithRefraction:
            return sky::SunriseDefinition::UpperLimbRefracted;
        case SunriseEvent::DiscCentreWithoutRefraction:
            return sky::SunriseDefinition::CentreGeometric;
        case SunriseEvent::DiscCentreWithRefraction:
            return sky::SunriseDefinition::CentreRefracted;
    }
    return sky::SunriseDefinition::UpperLimbRefracted;
}

}  // namespace

sky::Ayanamsa ProfileAyanamsa(const ConventionProfile& profile, double jdUt) {
    return profile.ayanamsa == AyanamsaChoice::Lahiri ? sky::Ayanamsa::Lahiri()
                                                      : sky::Ayanamsa::Given(astro::AyanamsaDegreesAt(jdUt));
}

sky::Place SkyPlaceOf(const astro::BirthMoment& s) {
    const double latitude = astro::PlaceOf(s).latitudeNorth.value;
    const double longitude = astro::PlaceOf(s).longitudeEast.value;
    return {latitude, longitude};
}

double ClockHoursEast(const astro::BirthMoment& s) { return s.zone.HoursEast() + (s.dst ? 1 : 0); }

std::optional<DateSunEvents> PreciseSunEvents(const astro::BirthMoment& s, const ConventionProfile& profile,
                                              const astro::CivilDate& date) {
    const auto day = sky::SunEventsOfDate({date.year, date.month, date.day}, ClockHoursEast(s), SkyPlaceOf(s),
                                          DefinitionOf(profile.sunrise));
    if (!day) return std::nullopt;
    const auto rise = day->RiseHours();
    const auto set = day->SetHours();
    if (!rise || !set) return std::nullopt;
    const double midnight = astro::DateSerial(date.year, date.month, date.day);
    return DateSunEvents{midnight + *rise / 24, midnight + *set / 24};
}

ProfileClock::ProfileClock(const astro::BirthMoment& s, const ConventionProfile& profile)
    : original(s), ephemeris(profile.ephemeris), ayanamsa(profile.ayanamsa), place(SkyPlaceOf(s)) {
    midnightJdUt = astro::DateSerial(s.year, s.month, s.day) + kDateValueOrigin - ClockHoursEast(s) / 24;
}

astro::Degrees ProfileClock::SiderealAscendantAt(astro::ClockHours hours) const {
    if (ephemeris == EphemerisChoice::OriginalFormulas && ayanamsa == AyanamsaChoice::Original)
        return original.SiderealAscendantAt(hours);
    const double jdUt = JulianDayAt(hours.value);
    const sky::Ayanamsa zodiac = ayanamsa == AyanamsaChoice::Lahiri
                                     ? sky::Ayanamsa::Lahiri()
                                     : sky::Ayanamsa::Given(astro::AyanamsaDegreesAt(jdUt));
    if (ephemeris == EphemerisChoice::OriginalFormulas) {
        // The original's tropical ascendant in the chosen zodiac.
        return astro::Degrees(
            sky::NormalizedDegrees(original.AnglesAt(hours).tropicalAscendant - sky::AyanamsaDegrees(jdUt, zodiac)));
    }
    // The validation keeps latitudes below 90 degrees, where the horizon always has an East point;
    // the original's value stands in only for a place sky/ refuses.
    const auto ascendant = sky::SiderealAscendantDegrees(jdUt, place, zodiac);
    return ascendant ? astro::Degrees(*ascendant) : original.SiderealAscendantAt(hours);
}

}  // namespace vela::upagraha
