#include "reading/calculation_driver.h"

#include <charconv>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "astro/text.h"
#include "reading/validation.h"
#include "reading/zone_check.h"

namespace vela::modCalculationDriver {

namespace {

bool InRange(const FormNumber& box, int lo, int hi) {
    return box.intValue && *box.intValue >= lo && *box.intValue <= hi;
}

// Selections a damaged reading file or a script can leave empty or out of their lists.
std::optional<UserMessage> CheckSelections(const FormValues& f) {
    if (f.cboMonth < 0 || f.cboMonth > 11) return CriticalMessage("Please Select The Month Of Birth", FormField::Month);
    if (f.cboTimeZone < 0 || f.cboTimeZone >= kZoneCount)
        return CriticalMessage("Please Select The Time Zone", FormField::TimeZone);
    if (!InRange(f.cboDate, 1, 31)) return CriticalMessage("Please Select The Date Of Birth", FormField::Day);
    if (!InRange(f.cboYear, kFirstYear, kLastYear))
        return CriticalMessage("Please Select The Year Of Birth", FormField::Year);
    if (!InRange(f.cboHour, 0, 23)) return CriticalMessage("Please Select The Hour Of Birth", FormField::Hour);
    if (!InRange(f.cboMinute, 0, 59)) return CriticalMessage("Please Select The Minute Of Birth", FormField::Minute);
    if (!f.txtLatDeg.intValue) return CriticalMessage("Please Enter Degree of Latitude", FormField::LatDeg);
    if (!f.txtLatMin.intValue) return CriticalMessage("Please Enter Minutes of Latitude", FormField::LatMin);
    if (!f.txtLonDeg.intValue) return CriticalMessage("Please Enter Degree of Longitude", FormField::LonDeg);
    if (!f.txtLonMin.intValue) return CriticalMessage("Please Enter Minute of Longitude", FormField::LonMin);
    return std::nullopt;
}

std::int16_t Int16(int v) { return static_cast<std::int16_t>(v); }

// Copies the form into the birth data; CheckSelections has accepted every value.
void CopyForm(const FormValues& f, SharedChartState& s) {
    s.strName = f.txtName;
    s.intMonth = Int16(f.cboMonth + 1);
    s.intDay = Int16(*f.cboDate.intValue);
    s.intYear = Int16(*f.cboYear.intValue);
    s.intHour = Int16(*f.cboHour.intValue);
    s.intMinute = Int16(*f.cboMinute.intValue);
    s.intLonDeg = Int16(*f.txtLonDeg.intValue);
    s.intLonMin = Int16(*f.txtLonMin.intValue);
    s.intLatDeg = Int16(*f.txtLatDeg.intValue);
    s.intLatMin = Int16(*f.txtLatMin.intValue);
    s.blnEast = f.optLong == LonChoice::East;
    s.blnSouth = f.optLat == LatChoice::South;
    const auto z = static_cast<std::size_t>(f.cboTimeZone);
    s.intZoneRow = Int16(f.cboTimeZone);
    if (s.zones->blnZoneLocalMeanTime[z]) {
        // The place's own mean solar time, exact; the whole-minute fields hold it cut toward zero,
        // West positive with the minutes carrying the hours' sign, as the table's rows do.
        const double longitudeEast = (s.intLonDeg + s.intLonMin / 60.0) * (s.blnEast ? 1 : -1);
        const double hoursEast = modReferenceTables::LocalMeanTimeHoursEast(longitudeEast);
        const auto minutesWest = static_cast<int>(-hoursEast * 60);
        s.varZoneHours = Int16(minutesWest / 60);
        s.varZoneMinutes = Int16(minutesWest % 60);
        s.dblZoneHoursEast = hoursEast;
    } else {
        s.varZoneHours = s.zones->intZoneHourTable[z];
        s.varZoneMinutes = s.zones->intZoneMinuteTable[z];
        s.dblZoneHoursEast = -(s.varZoneHours + s.varZoneMinutes / 60.0);
    }
    s.intZoneHours = Int16(std::abs(s.varZoneHours));
    s.intZoneMinutes = Int16(std::abs(s.varZoneMinutes));
    s.blnDST = f.chkDST;
    s.strCity = modText::TrimBlanks(f.txtCity);
    s.strState = modText::TrimBlanks(f.txtState);
    s.strCountry = modText::TrimBlanks(f.txtCountry);
}

modSunRiseSunSet::SunRiseSet SunOn(const SharedChartState& s, const CivilDate& d) {
    return modSunRiseSunSet::CalculateSunRiseSetInZone(d.month, d.day, d.year, s.intLatDeg, s.intLatMin, s.blnSouth,
                                                       s.intLonDeg, s.intLonMin, s.blnEast, ZoneHoursEast(s), s.blnDST,
                                                       modConventionProfiles::ZenithCosine(s.profile.sunrise));
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
    if (auto problem = modValidation::ValidateInput(form)) return problem;
    return CheckSelections(form);
}

CalculationOutcome RunCalculation(const BirthForm& form, SharedChartState& s, bool blnBuildReport) {
    return RunCalculation(ParseForm(form), modConventionProfiles::kOriginalProfile, s, blnBuildReport);
}

CalculationOutcome RunCalculation(const FormValues& form, SharedChartState& s, bool blnBuildReport) {
    return RunCalculation(form, modConventionProfiles::kOriginalProfile, s, blnBuildReport);
}

CalculationOutcome RunCalculation(const BirthForm& form, const modConventionProfiles::ConventionProfile& profile,
                                  SharedChartState& s, bool blnBuildReport) {
    return RunCalculation(ParseForm(form), profile, s, blnBuildReport);
}

CalculationOutcome RunCalculation(const FormValues& form, const modConventionProfiles::ConventionProfile& profile,
                                  SharedChartState& s, bool blnBuildReport) {
    CalculationOutcome outcome;
    if (auto problem = RefuseForm(form)) {
        outcome.message = std::move(problem);
        return outcome;
    }
    if (auto warning = modZoneCheck::ZonePlausibilityWarning(form)) outcome.warnings.push_back(std::move(*warning));

    // The reading is built aside and committed whole, so a refusal half-way (no sunrise) leaves the
    // previous reading, its report and what a save would write, all consistent.
    SharedChartState work;
    CopyForm(form, work);
    work.profile = profile;

    const double birthTime = work.intHour + work.intMinute / 60.0;
    work.dblBirthAscendant = modVedicEphemeris::AscendantClock(work).SiderealAscendantAt(birthTime);
    work.strBirthAscendant = modVedicPlanetPosition::CompactPositionTextOf(work.dblBirthAscendant).str();
    work.varBirthDate = BirthDateText(work.intMonth, work.intDay, work.intYear);

    const CivilDate birthDate{work.intYear, work.intMonth, work.intDay};
    const auto today = SunOn(work, birthDate);
    const auto before = SunOn(work, AddDays(birthDate, -1));
    const auto after = SunOn(work, AddDays(birthDate, 1));
    if (!today.HasBoth() || !before.HasBoth() || !after.HasBoth()) {
        outcome.message = InformationMessage(kNoSunriseMessage);
        return outcome;
    }
    work.dtBirthSunrise = today.varSunRiseSet[0];
    work.dtBirthSunset = today.varSunRiseSet[1];
    work.dtPrevSunrise = before.varSunRiseSet[0];
    work.dtPrevSunset = before.varSunRiseSet[1];
    work.dtNextSunrise = after.varSunRiseSet[0];
    work.dtNextSunset = after.varSunRiseSet[1];

    outcome.upagrahas = modVedicUpagrahas::CalculateUpagrahas(work, profile);
    if (blnBuildReport) outcome.report = modUpagrahaReport::BuildReport(outcome.upagrahas);
    s = std::move(work);
    return outcome;
}

}  // namespace vela::modCalculationDriver
