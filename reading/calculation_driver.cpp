#include "reading/calculation_driver.h"

#include <charconv>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "reading/validation.h"

namespace vela::modCalculationDriver {

namespace {

std::optional<int> ParseWhole(std::string_view text) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<int> ParseInRange(std::string_view text, int lo, int hi) {
    const auto v = ParseWhole(text);
    if (!v || *v < lo || *v > hi) return std::nullopt;
    return v;
}

UserMessage Refusal(std::string text, FormField focus) {
    return {std::move(text), MsgIcon::Critical, focus, LatChoice::None, LonChoice::None};
}

// Selections a damaged reading file or a script can leave empty or out of their lists.
std::optional<UserMessage> CheckSelections(const BirthForm& f) {
    if (f.cboMonth < 0 || f.cboMonth > 11) return Refusal("Please Select The Month Of Birth", FormField::Month);
    if (f.cboTimeZone < 0 || f.cboTimeZone >= kZoneCount)
        return Refusal("Please Select The Time Zone", FormField::TimeZone);
    if (!ParseInRange(f.cboDate, 1, 31)) return Refusal("Please Select The Date Of Birth", FormField::Day);
    if (!ParseInRange(f.cboYear, kFirstYear, kLastYear))
        return Refusal("Please Select The Year Of Birth", FormField::Year);
    if (!ParseInRange(f.cboHour, 0, 23)) return Refusal("Please Select The Hour Of Birth", FormField::Hour);
    if (!ParseInRange(f.cboMinute, 0, 59)) return Refusal("Please Select The Minute Of Birth", FormField::Minute);
    if (!ParseWhole(f.txtLatDeg)) return Refusal("Please Enter Degree of Latitude", FormField::LatDeg);
    if (!ParseWhole(f.txtLatMin)) return Refusal("Please Enter Minutes of Latitude", FormField::LatMin);
    if (!ParseWhole(f.txtLonDeg)) return Refusal("Please Enter Degree of Longitude", FormField::LonDeg);
    if (!ParseWhole(f.txtLonMin)) return Refusal("Please Enter Minute of Longitude", FormField::LonMin);
    return std::nullopt;
}

std::string TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
}

std::int16_t Int16(int v) { return static_cast<std::int16_t>(v); }

// Copies the form into the birth data; CheckSelections has accepted every conversion.
void CopyForm(const BirthForm& f, SharedChartState& s) {
    s.strName = f.txtName;
    s.intMonth = Int16(f.cboMonth + 1);
    s.intDay = Int16(*ParseWhole(f.cboDate));
    s.intYear = Int16(*ParseWhole(f.cboYear));
    s.intHour = Int16(*ParseWhole(f.cboHour));
    s.intMinute = Int16(*ParseWhole(f.cboMinute));
    const auto z = static_cast<std::size_t>(f.cboTimeZone);
    s.intZoneRow = Int16(f.cboTimeZone);
    s.intZoneHours = Int16(std::abs(s.zones.intZoneHourTable[z]));
    s.intZoneMinutes = Int16(std::abs(s.zones.intZoneMinuteTable[z]));
    s.varZoneHours = s.zones.intZoneHourTable[z];
    s.varZoneMinutes = s.zones.intZoneMinuteTable[z];
    s.intLonDeg = Int16(*ParseWhole(f.txtLonDeg));
    s.intLonMin = Int16(*ParseWhole(f.txtLonMin));
    s.intLatDeg = Int16(*ParseWhole(f.txtLatDeg));
    s.intLatMin = Int16(*ParseWhole(f.txtLatMin));
    s.blnEast = f.optLong == LonChoice::East;
    s.blnSouth = f.optLat == LatChoice::South;
    s.blnDST = f.chkDST;
    s.strCity = TrimBlanks(f.txtCity);
    s.strState = TrimBlanks(f.txtState);
    s.strCountry = TrimBlanks(f.txtCountry);
}

modSunRiseSunSet::SunRiseSet SunOn(const SharedChartState& s, const CivilDate& d) {
    return modSunRiseSunSet::CalculateSunRiseSet(d.month, d.day, d.year, s.intHour, s.intMinute, s.intLatDeg,
                                                 s.intLatMin, s.blnSouth, s.intLonDeg, s.intLonMin, s.blnEast,
                                                 s.varZoneHours, s.varZoneMinutes, s.blnDST);
}

}  // namespace

std::string BirthDateText(int month, int day, int year) {
    std::string text(kMonthNames[static_cast<std::size_t>(month - 1)]);
    text += ' ';
    text += std::to_string(day);
    text += ',';
    text += std::to_string(year);
    return text;
}

CalculationOutcome RunCalculation(const BirthForm& form, SharedChartState& s, bool blnBuildReport) {
    CalculationOutcome outcome;
    if (auto problem = modValidation::ValidateInput(form)) {
        outcome.message = std::move(problem);
        return outcome;
    }
    if (auto problem = CheckSelections(form)) {
        outcome.message = std::move(problem);
        return outcome;
    }

    // The reading is built aside and committed whole, so a refusal half-way (no sunrise) leaves the
    // previous reading, its report and what a save would write, all consistent.
    SharedChartState work;
    modReferenceTables::FillReferenceTables(work.zones);
    CopyForm(form, work);

    const double birthTime = work.intHour + work.intMinute / 60.0;
    const auto birth = modVedicEphemeris::CalculateChartAngles(work, birthTime);
    work.strBirthAscendant = modVedicPlanetPosition::CompactPositionText(birth.varAscendantText).str();
    work.dblBirthAscendant = birth.varAscendant >= 360 ? birth.varAscendant - 360 : birth.varAscendant;
    work.varBirthDate = BirthDateText(work.intMonth, work.intDay, work.intYear);

    const CivilDate birthDate{work.intYear, work.intMonth, work.intDay};
    const auto today = SunOn(work, birthDate);
    const auto before = SunOn(work, AddDays(birthDate, -1));
    const auto after = SunOn(work, AddDays(birthDate, 1));
    if (!today.HasBoth() || !before.HasBoth() || !after.HasBoth()) {
        outcome.message = UserMessage{std::string(kNoSunriseMessage), MsgIcon::Information, FormField::None,
                                      LatChoice::None, LonChoice::None};
        return outcome;
    }
    work.dtBirthSunrise = today.varSunRiseSet[0];
    work.dtBirthSunset = today.varSunRiseSet[1];
    work.dtPrevSunrise = before.varSunRiseSet[0];
    work.dtPrevSunset = before.varSunRiseSet[1];
    work.dtNextSunrise = after.varSunRiseSet[0];
    work.dtNextSunset = after.varSunRiseSet[1];

    outcome.upagrahas = modVedicUpagrahas::CalculateUpagrahas(work);
    if (blnBuildReport) outcome.report = modUpagrahaReport::BuildReport(outcome.upagrahas);
    s = std::move(work);
    return outcome;
}

}  // namespace vela::modCalculationDriver
