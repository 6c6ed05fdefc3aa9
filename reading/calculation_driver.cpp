#include "reading/calculation_driver.h"

#include <charconv>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "astro/text.h"
#include "reading/day_portions.h"
#include "reading/sky_around.h"
#include "reading/validation.h"
#include "reading/zone_check.h"
#include "upagraha/profile_clock.h"

namespace vela::reading {

namespace {

bool InRange(const FormNumber& box, int lo, int hi) { return box.value && *box.value >= lo && *box.value <= hi; }

// Selections a damaged reading file or a script can leave empty or out of their lists.
std::optional<UserMessage> CheckSelections(const FormValues& f, const YearRange& years) {
    if (f.month < 0 || f.month > 11) return CriticalMessage("Please Select The Month Of Birth", FormField::Month);
    if (f.exactZone) {
        if (f.exactZone->secondsEast < -kMaxExactOffsetSeconds || f.exactZone->secondsEast > kMaxExactOffsetSeconds)
            return CriticalMessage(kExactOffsetRangeMessage, FormField::TimeZone);
    } else if (f.zoneRow < 0 || f.zoneRow >= kZoneCount)
        return CriticalMessage("Please Select The Time Zone", FormField::TimeZone);
    if (!InRange(f.day, 1, 31)) return CriticalMessage("Please Select The Date Of Birth", FormField::Day);
    if (!InRange(f.year, years.first, years.last))
        return CriticalMessage("Please Select The Year Of Birth", FormField::Year);
    if (!InRange(f.hour, 0, 23)) return CriticalMessage("Please Select The Hour Of Birth", FormField::Hour);
    if (!InRange(f.minute, 0, 59)) return CriticalMessage("Please Select The Minute Of Birth", FormField::Minute);
    if (!f.latDegrees.value) return CriticalMessage("Please Enter Degree of Latitude", FormField::LatDeg);
    if (!f.latMinutes.value) return CriticalMessage("Please Enter Minutes of Latitude", FormField::LatMin);
    if (!f.lonDegrees.value) return CriticalMessage("Please Enter Degree of Longitude", FormField::LonDeg);
    if (!f.lonMinutes.value) return CriticalMessage("Please Enter Minute of Longitude", FormField::LonMin);
    // Seconds of arc are optional (a place from a .vela or .jhd file may have them).
    if (!f.latSeconds.empty && !InRange(f.latSeconds, 0, 59))
        return CriticalMessage("Please Enter Seconds of Latitude from 0 to 59", FormField::LatMin);
    if (!f.lonSeconds.empty && !InRange(f.lonSeconds, 0, 59))
        return CriticalMessage("Please Enter Seconds of Longitude from 0 to 59", FormField::LonMin);
    if (f.lonDegrees.value == 180 && f.lonSeconds.value.value_or(0) > 0)
        return CriticalMessage("The longitude is at most 180 degrees.", FormField::LonDeg);
    return std::nullopt;
}

std::int16_t Int16(int v) { return static_cast<std::int16_t>(v); }

// Copies the form into the birth data; CheckSelections has accepted every value.
void CopyForm(const FormValues& f, Reading& s) {
    s.name = f.name;
    s.month = Int16(f.month + 1);
    s.day = Int16(*f.day.value);
    s.year = Int16(*f.year.value);
    s.hour = Int16(*f.hour.value);
    s.minute = Int16(*f.minute.value);
    s.lonDegrees = Int16(*f.lonDegrees.value);
    s.lonMinutes = Int16(*f.lonMinutes.value);
    s.latDegrees = Int16(*f.latDegrees.value);
    s.latMinutes = Int16(*f.latMinutes.value);
    s.latSeconds = Int16(f.latSeconds.value.value_or(0));
    s.lonSeconds = Int16(f.lonSeconds.value.value_or(0));
    s.east = f.lonDirection == LonChoice::East;
    s.south = f.latDirection == LatChoice::South;
    s.dst = f.dst;
    s.city = astro::TrimBlanks(f.city);
    s.state = astro::TrimBlanks(f.state);
    s.country = astro::TrimBlanks(f.country);
    if (f.exactZone) {
        s.zoneRow = -1;
        s.exactZone = *f.exactZone;
        s.zone = astro::ZoneOffset::FromSecondsEast(f.exactZone->secondsEast);
        return;
    }
    s.exactZone.reset();
    const auto z = static_cast<std::size_t>(f.zoneRow);
    s.zoneRow = Int16(f.zoneRow);
    // The place's own mean solar time, exact; or the row's offset, whole seconds (the table counts
    // West positive, hours, minutes and seconds carrying one sign).
    if (s.zones->zoneLocalMeanTime[z])
        s.zone = astro::ZoneOffset::LocalMeanTime(astro::PlaceOf(s).longitudeEast);
    else
        s.zone = astro::ZoneOffset::FromSecondsEast(
            -(s.zones->zoneHourTable[z] * 3600 + s.zones->zoneMinuteTable[z] * 60 + s.zones->zoneSecondTable[z]));
}

astro::SunRiseSet SunOn(const Reading& s, const astro::CivilDate& d) {
    return astro::CalculateSunRiseSet(d, astro::PlaceOf(s), s.zone, s.dst, upagraha::ZenithCosine(s.profile.sunrise));
}

}  // namespace

BirthDateString BirthDateText(int month, int day, int year) {
    BirthDateString text(kMonthNames[static_cast<std::size_t>(month - 1)]);
    char digits[12];
    text.push_back(' ');
    text.append(std::string_view(
        digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, day).ptr - digits)));
    text.push_back(',');
    text.append(std::string_view(
        digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, year).ptr - digits)));
    return text;
}

std::optional<UserMessage> RefuseForm(const FormValues& form) {
    if (auto problem = ValidateInput(form)) return problem;
    return CheckSelections(form, {kFirstYear, kLastYear});
}

std::optional<UserMessage> RefuseForm(const FormValues& form, const upagraha::ConventionProfile& profile) {
    if (auto problem = ValidateInput(form)) return problem;
    return CheckSelections(form, YearsOf(profile));
}

CalculationOutcome RunCalculation(const BirthForm& form, Reading& s, bool buildReport) {
    return RunCalculation(ParseForm(form), upagraha::kOriginalProfile, s, buildReport);
}

CalculationOutcome RunCalculation(const FormValues& form, Reading& s, bool buildReport) {
    return RunCalculation(form, upagraha::kOriginalProfile, s, buildReport);
}

CalculationOutcome RunCalculation(const BirthForm& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  bool buildReport) {
    return RunCalculation(ParseForm(form), profile, s, buildReport);
}

CalculationOutcome RunCalculation(const FormValues& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  bool buildReport) {
    return RunCalculation(form, profile, s, CalculationRequest{buildReport});
}

CalculationOutcome RunCalculation(const BirthForm& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  const CalculationRequest& request) {
    return RunCalculation(ParseForm(form), profile, s, request);
}

CalculationOutcome RunCalculation(const FormValues& form, const upagraha::ConventionProfile& profile, Reading& s,
                                  const CalculationRequest& request) {
    CalculationOutcome outcome;
    if (auto problem = RefuseForm(form, profile)) {
        outcome.message = std::move(problem);
        return outcome;
    }
    if (auto warning = ZonePlausibilityWarning(form)) outcome.warnings.push_back(std::move(*warning));

    // The reading is built aside and committed whole, so a refusal half-way (no sunrise) leaves the
    // previous reading, its report and what a save would write, all consistent.
    Reading work;
    CopyForm(form, work);
    work.profile = profile;

    const bool precise = profile.ephemeris == upagraha::EphemerisChoice::Precise;
    if (!precise && work.latDegrees >= 60) {
        outcome.warnings.emplace_back(kFarNorthWarning);
        outcome.farNorth = true;
    }

    const astro::ClockHours birthTime(work.hour + work.minute / 60.0);
    work.birthAscendant = upagraha::ProfileClock(work, profile).SiderealAscendantAt(birthTime);
    work.birthAscendantText = astro::CompactPositionTextOf(work.birthAscendant.value).str();
    work.birthDateText = BirthDateText(work.month, work.day, work.year);

    const astro::CivilDate birthDate{work.year, work.month, work.day};
    if (precise) {
        // Every date on which the Sun rises and sets, at any latitude; a sunset after midnight
        // keeps its own moment on the next date.
        const auto today = upagraha::PreciseSunEvents(work, profile, birthDate);
        const auto before = upagraha::PreciseSunEvents(work, profile, astro::AddDays(birthDate, -1));
        const auto after = upagraha::PreciseSunEvents(work, profile, astro::AddDays(birthDate, 1));
        if (!today || !before || !after) {
            outcome.message = InformationMessage(kNoSunriseMessage);
            return outcome;
        }
        work.birthSunrise = today->rise;
        work.birthSunset = today->set;
        work.prevSunrise = before->rise;
        work.prevSunset = before->set;
        work.nextSunrise = after->rise;
        work.nextSunset = after->set;
    } else {
        const auto today = SunOn(work, birthDate);
        const auto before = SunOn(work, astro::AddDays(birthDate, -1));
        const auto after = SunOn(work, astro::AddDays(birthDate, 1));
        if (!today.HasBoth() || !before.HasBoth() || !after.HasBoth()) {
            outcome.message = InformationMessage(kNoSunriseMessage);
            return outcome;
        }
        work.birthSunrise = today.sunRiseSet[0];
        work.birthSunset = today.sunRiseSet[1];
        work.prevSunrise = before.sunRiseSet[0];
        work.prevSunset = before.sunRiseSet[1];
        work.nextSunrise = after.sunRiseSet[0];
        work.nextSunset = after.sunRiseSet[1];
    }

    outcome.upagrahas = upagraha::CalculateUpagrahas(work, profile);
    if (request.grahas) work.sky = CalculateSkyAround(work, profile, work.birthAscendantText, request.node);
    if (request.buildReport) {
        outcome.report = upagraha::BuildReport(outcome.upagrahas, request.language);
        if (work.sky)
            upagraha::AppendReportSection(outcome.report, SkyAroundHeading(request.language),
                                          SkyAroundText(*work.sky, request.language));
    }
    s = std::move(work);
    return outcome;
}

}  // namespace vela::reading
