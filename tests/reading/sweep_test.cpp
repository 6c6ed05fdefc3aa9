// A seeded sweep of the whole input range through the driver: every zone row, every offered year,
// latitudes to 89 degrees and longitudes to 180 in both hemispheres, with and without the
// daylight-saving tick. Each reading must end in a complete report or in the no-sunrise message,
// and everything a complete reading holds must be finite and mutually consistent: the day or
// night that was cut, its eight portions, the moments inside them, the houses and the texts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/chart_angles.h"
#include "astro/position_text.h"
#include "reading/calculation_driver.h"
#include "reading/reference_tables.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;
namespace up = modVedicUpagrahas;

// The count keeps the sweep inside the normal test run: 50,000 readings take about 1.6 s in a Debug
// build and about 4.3 s under AddressSanitizer and UndefinedBehaviorSanitizer on a 2-core machine
// (a reading costs some 27 us through the driver in Debug, 61 us under the sanitizers). Every zone
// row then meets each daylight-saving setting about 350 times, and each latitude degree, longitude
// degree, hour and month hundreds of times, the ends of every range more often (see Pick). The
// fixed seed makes a failure reproducible from the input printed with it.
constexpr int kReadings = 50'000;
constexpr std::uint64_t kSeed = 20261207;

// Below this latitude the Sun rises and sets on every date: the model's greatest declination is
// 23.44 degrees and rise and set are taken 50 arc minutes below the horizon, so days without a
// sunrise or sunset begin at 90 - 23.44 - 0.83 = 65.7 degrees.
constexpr double kPolarCircle = 65.0;

constexpr double kHoursTolerance = 1e-9;

struct Sample {
    BirthForm form;
    int year, month, day, hour, minute;
    double latitude;  // degrees, North positive
};

// A whole number in [lo, hi], one in four times one of the two ends, where carries and wraps happen.
int Pick(std::mt19937_64& rng, int lo, int hi) {
    const int edge = std::uniform_int_distribution<int>(0, 7)(rng);
    if (edge == 0) return lo;
    if (edge == 1) return hi;
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year % 4 == 0) return 29;  // exact for 1901..2050
    return kDays[static_cast<std::size_t>(month - 1)];
}

// The zone row and the tick come from the reading's index, so every row meets both settings equally.
Sample RandomSample(std::mt19937_64& rng, int index) {
    Sample s{};
    BirthForm& f = s.form;
    f.txtName = "Sweep";
    f.txtCity = "Sweep City";
    f.txtState = "Sweep State";
    f.txtCountry = "Sweep Country";
    f.cboTimeZone = index % kZoneCount;
    f.chkDST = (index / kZoneCount) % 2 == 1;

    s.year = Pick(rng, kFirstYear, kLastYear);
    s.month = Pick(rng, 1, 12);
    s.day = Pick(rng, 1, DaysInMonth(s.year, s.month));
    s.hour = Pick(rng, 0, 23);
    s.minute = Pick(rng, 0, 59);
    f.cboYear = std::to_string(s.year);
    f.cboMonth = s.month - 1;
    f.cboDate = std::to_string(s.day);
    f.cboHour = std::to_string(s.hour);
    f.cboMinute = std::to_string(s.minute);

    const int latDeg = Pick(rng, 0, 89);
    const int latMin = Pick(rng, 0, 59);
    const int lonDeg = Pick(rng, 0, 180);
    const int lonMin = lonDeg == 180 ? 0 : Pick(rng, 0, 59);
    f.txtLatDeg = std::to_string(latDeg);
    f.txtLatMin = std::to_string(latMin);
    f.txtLonDeg = std::to_string(lonDeg);
    f.txtLonMin = std::to_string(lonMin);
    f.optLat = std::bernoulli_distribution(0.5)(rng) ? LatChoice::South : LatChoice::North;
    f.optLong = std::bernoulli_distribution(0.5)(rng) ? LonChoice::West : LonChoice::East;
    s.latitude = (latDeg + latMin / 60.0) * (f.optLat == LatChoice::South ? -1 : 1);
    return s;
}

std::string Describe(const Sample& s) {
    const BirthForm& f = s.form;
    std::ostringstream out;
    out << s.year << '-' << s.month << '-' << s.day << ' ' << s.hour << ':' << s.minute << " zone row " << f.cboTimeZone
        << (f.chkDST ? " with" : " without") << " DST, lat " << f.txtLatDeg << ' ' << f.txtLatMin
        << (f.optLat == LatChoice::South ? " S" : " N") << ", lon " << f.txtLonDeg << ' ' << f.txtLonMin
        << (f.optLong == LonChoice::West ? " W" : " E");
    return out.str();
}

bool SameClockTime(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 24.0);
    return d < kHoursTolerance || 24.0 - d < kHoursTolerance;
}

int SignIndex(double degrees) { return static_cast<int>(std::floor(degrees / 30.0)) % 12; }

// The compact text "DD Sss MM" read against the degrees it was made from: sign floor(x / 30),
// degree field floor(x mod 30), minute field floor of the minutes.
std::string CompactTextProblem(std::string_view text, double degrees) {
    if (text.size() != 9 || text[2] != ' ' || text[6] != ' ') return "compact text is not DD Sss MM";
    const double inSign = std::fmod(degrees, 30.0);
    const int wholeDegrees = static_cast<int>(std::floor(inSign));
    const int minutes = static_cast<int>(std::floor(60.0 * (inSign - wholeDegrees)));
    const auto sign = static_cast<std::size_t>(SignIndex(degrees));
    if (text.substr(3, 3) != modVedicPlanetPosition::varSignAbbrevs.substr(3 * sign, 3)) return "sign field";
    if (std::stoi(std::string(text.substr(0, 2))) != wholeDegrees) return "degree field";
    if (std::stoi(std::string(text.substr(7, 2))) != minutes) return "minute field";
    return {};
}

// Collects broken invariants: how often each kind broke, and the first inputs that broke them.
class Findings {
public:
    void Add(const Sample& s, const std::string& kind, const std::string& detail = {}) {
        ++count_;
        ++kinds_[kind];
        if (lines_.size() < 20)
            lines_.push_back(kind + (detail.empty() ? "" : " (" + detail + ")") + " for " + Describe(s));
    }
    int count() const { return count_; }
    std::string Text() const {
        std::string text;
        for (const auto& [kind, n] : kinds_) text += std::to_string(n) + " x " + kind + "\n";
        text += "first cases:\n";
        for (const auto& line : lines_) text += line + "\n";
        return text;
    }

private:
    int count_ = 0;
    std::map<std::string, int> kinds_;
    std::vector<std::string> lines_;
};

// The day or night a reading must have cut, from the six stored events: a day birth's day runs from
// the birth day's sunrise to its sunset under the birth weekday's day lords; after sunset the night
// runs to the next day's sunrise under the birth weekday's night lords; before sunrise it runs from
// the previous day's sunset under the previous weekday's night lords. Only the clock times of the
// ends are fixed here: a zone far from the place's meridian can put an event past midnight.
struct ExpectedSpan {
    std::array<double, 3> startClocks, endClocks;  // the span starts and ends at one of these clock times
    int weekday;
    const up::LordRow* lords;
};

ExpectedSpan SpanFor(const up::Upagrahas& u, const SharedChartState& s, const Sample& in) {
    // A day runs from a sunrise to a sunset and a night from a sunset to a sunrise, each one of the
    // three computed days' (the stage may take a neighbouring day's where a clock time wrapped past
    // midnight). The birth belongs to the sunrise-to-sunrise day of the previous date, the birth date
    // or the next date.
    const int weekday = ((Weekday(in.year, in.month, in.day) + u.intReckonedDay) % 7 + 7) % 7;
    const auto w = static_cast<std::size_t>(weekday);
    const std::array<double, 3> rises = {HoursOfDay(s.dtPrevSunrise), HoursOfDay(s.dtBirthSunrise),
                                         HoursOfDay(s.dtNextSunrise)};
    const std::array<double, 3> sets = {HoursOfDay(s.dtPrevSunset), HoursOfDay(s.dtBirthSunset),
                                        HoursOfDay(s.dtNextSunset)};
    if (u.blnBirthByDay) return {rises, sets, weekday, &up::strDayPortionLords[w]};
    return {sets, rises, weekday, &up::strNightPortionLords[w]};
}

bool AnyClockTime(double hours, const std::array<double, 3>& clocks) {
    for (double c : clocks)
        if (SameClockTime(hours, c)) return true;
    return false;
}

void CheckPortions(const Sample& in, const SharedChartState& s, const up::Upagrahas& u, Findings& found) {
    const double T = in.hour + in.minute / 60.0;
    if (std::fabs(u.dblBirthHour - T) > kHoursTolerance) found.Add(in, "birth hour is not the form's");
    if (!u.blnBirthByDay && u.intReckonedDay == 0 && !(T < u.dblSunrise || T > u.dblSunset))
        found.Add(in, "a birth between sunrise and sunset is read as a night birth");

    const ExpectedSpan span = SpanFor(u, s, in);
    if (u.intWeekday != span.weekday) found.Add(in, "portions ruled by the wrong weekday");
    const auto& p = u.portions;
    const double start = p.front().dblStart;
    const double end = p.back().dblEnd;
    const double length = end - start;
    if (!AnyClockTime(start, span.startClocks)) found.Add(in, "first portion does not start at the span's start");
    if (!AnyClockTime(end, span.endClocks)) found.Add(in, "last portion does not end at the span's end");
    if (u.intReckonedDay < -1 || u.intReckonedDay > 1) found.Add(in, "birth reckoned more than a day away");
    if (!(length > 0 && length < 24))
        found.Add(in, "day or night not between 0 and 24 h long", std::to_string(length) + " h");
    if (!(start - kHoursTolerance <= T && T <= end + kHoursTolerance))
        found.Add(in, "birth outside its day or night",
                  std::to_string(T) + " in [" + std::to_string(start) + ", " + std::to_string(end) + "]");
    for (std::size_t k = 0; k < p.size(); ++k) {
        if (p[k].strLord != (*span.lords)[k]) found.Add(in, "portion has the wrong lord", std::to_string(k));
        if (std::fabs((p[k].dblEnd - p[k].dblStart) - length / 8) > kHoursTolerance)
            found.Add(in, "portion is not an eighth", std::to_string(k));
        if (k > 0 && p[k].dblStart != p[k - 1].dblEnd) found.Add(in, "portions are not contiguous");
    }

    for (std::size_t i = 0; i < up::strUpagrahaLords.size(); ++i) {
        const int k = u.intPortion[i];
        if (k < 0 || k >= up::kPortionCount) {
            found.Add(in, "upagraha has no portion", std::string(up::strUpagrahaNames[i]));
            continue;
        }
        const auto& portion = p[static_cast<std::size_t>(k)];
        if (portion.strLord != up::strUpagrahaLords[i]) found.Add(in, "portion lord is not the upagraha's lord");
        for (int before = 0; before < k; ++before)
            if (p[static_cast<std::size_t>(before)].strLord == up::strUpagrahaLords[i])
                found.Add(in, "an earlier portion has the same lord");
        const double m = u.dblMoments[i];
        if (!(portion.dblStart < m && m < portion.dblEnd) ||
            std::fabs(m - (portion.dblStart + portion.dblEnd) / 2) > kHoursTolerance)
            found.Add(in, "moment is not the middle of its portion", std::string(up::strUpagrahaNames[i]));
    }
}

void CheckPositions(const Sample& in, const SharedChartState& s, const up::Upagrahas& u, Findings& found) {
    const double T = in.hour + in.minute / 60.0;
    const auto birth = modVedicEphemeris::CalculateChartAngles(s, T);
    for (const double v : {birth.varZone, birth.varLongitude, birth.varLatitude, birth.varUniversalHour,
                           birth.varJulianDayNumber, birth.varCenturies, birth.varAyanamsa, birth.varRamc,
                           birth.varObliquity, birth.dblTropicalAscendant, birth.varAscendant})
        if (!std::isfinite(v)) found.Add(in, "a chart-angle value of the birth moment is not finite");
    double ascendant = birth.varAscendant;
    if (ascendant >= 360) ascendant -= 360;
    if (!(ascendant >= 0 && ascendant < 360)) found.Add(in, "birth ascendant outside one turn");
    if (const auto problem = CompactTextProblem(s.strBirthAscendant, ascendant); !problem.empty())
        found.Add(in, "birth ascendant text: " + problem, s.strBirthAscendant);

    for (std::size_t i = 0; i < up::strUpagrahaNames.size(); ++i) {
        const double lon = u.dblLongitudes[i];
        const std::string name(up::strUpagrahaNames[i]);
        if (!(lon >= 0 && lon < 360)) {
            found.Add(in, "upagraha longitude outside one turn", name);
            continue;
        }
        if (const auto problem = CompactTextProblem(u.varUpagrahaLongitudes[i], lon); !problem.empty())
            found.Add(in, "upagraha text: " + problem, name + " " + u.varUpagrahaLongitudes[i].str());
        const int house = ((SignIndex(lon) - SignIndex(ascendant)) % 12 + 12) % 12 + 1;
        if (u.intHouses[i] != house)
            found.Add(in, "house is not counted from the ascendant's sign",
                      name + " in " + std::to_string(u.intHouses[i]) + ", its sign gives " + std::to_string(house));
    }
    // Gulika and Maandi share their lord and so their moment.
    if (u.dblMoments[4] != u.dblMoments[5] || u.dblLongitudes[4] != u.dblLongitudes[5])
        found.Add(in, "Gulika and Maandi differ");
}

void CheckReport(const Sample& in, const up::Upagrahas& u, const Report& report, Findings& found) {
    constexpr std::size_t kRunsPerUpagraha = 9;
    if (report.runs.size() != kRunsPerUpagraha * up::strUpagrahaNames.size()) {
        found.Add(in, "report is incomplete", std::to_string(report.runs.size()) + " runs");
        return;
    }
    for (std::size_t i = 0; i < up::strUpagrahaNames.size(); ++i) {
        const ReportRun* r = &report.runs[i * kRunsPerUpagraha];
        const auto text = [&report, r](std::size_t k) { return std::string(report.Text(r[k])); };
        const int house = u.intHouses[i];
        if (house < 1 || house > 12) {
            found.Add(in, "house outside 1..12", std::to_string(house));
            continue;
        }
        const std::string interpretation(
            modUpagrahaReport::strUpagrahaInterpretations[i][static_cast<std::size_t>(house - 1)]);
        if (text(0) != std::string(up::strUpagrahaNames[i]) + "\n" ||
            text(2) != u.varUpagrahaLongitudes[i].str() + "\n" ||
            text(4) != std::string(modUpagrahaReport::strUpagrahaSignificance[i]) + "\n" ||
            text(6) != std::to_string(house) + "\n" || text(8) != interpretation + "\n\n")
            found.Add(in, "report section does not match the reading", std::string(up::strUpagrahaNames[i]));
    }
}

bool AllFinite(const SharedChartState& s, const up::Upagrahas& u) {
    std::vector<double> values = {s.dtPrevSunrise, s.dtPrevSunset, s.dtBirthSunrise, s.dtBirthSunset, s.dtNextSunrise,
                                  s.dtNextSunset,  u.dblBirthHour, u.dblSunrise,     u.dblSunset};
    for (const auto& p : u.portions) values.insert(values.end(), {p.dblStart, p.dblEnd});
    values.insert(values.end(), u.dblMoments.begin(), u.dblMoments.end());
    values.insert(values.end(), u.dblLongitudes.begin(), u.dblLongitudes.end());
    for (const double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The three stored days keep their own dates: an event never moves to a neighbouring date.
bool EventsOnTheirDates(const SharedChartState& s, const Sample& in) {
    const double birthDate = DateSerial(in.year, in.month, in.day);
    return std::floor(s.dtPrevSunrise) == birthDate - 1 && std::floor(s.dtPrevSunset) == birthDate - 1 &&
           std::floor(s.dtBirthSunrise) == birthDate && std::floor(s.dtBirthSunset) == birthDate &&
           std::floor(s.dtNextSunrise) == birthDate + 1 && std::floor(s.dtNextSunset) == birthDate + 1;
}

TEST(InputRangeSweep, every_reading_gives_a_consistent_report_or_the_no_sunrise_message) {
    std::mt19937_64 rng(kSeed);
    Findings found;
    SharedChartState state;  // one per window: a refusal must leave the last reading in place
    int refused = 0;
    int nightBirths = 0;
    int beforeSunrise = 0;
    for (int i = 0; i < kReadings; ++i) {
        const Sample in = RandomSample(rng, i);
        const double lastSunrise = state.dtBirthSunrise;
        const auto outcome = modCalculationDriver::RunCalculation(in.form, state);
        if (!outcome.Succeeded()) {
            ++refused;
            if (outcome.message->strText != modCalculationDriver::kNoSunriseMessage)
                found.Add(in, "refused with another message", outcome.message->strText);
            else if (std::fabs(in.latitude) < kPolarCircle)
                found.Add(in, "no sunrise or sunset reported below the polar circles");
            if (state.dtBirthSunrise != lastSunrise) found.Add(in, "a refused reading changed the stored one");
            continue;
        }
        const auto& u = outcome.upagrahas;
        if (!AllFinite(state, u)) {
            found.Add(in, "a stored or computed value is not finite");
            continue;
        }
        if (!EventsOnTheirDates(state, in)) found.Add(in, "a sunrise or sunset left its date");
        nightBirths += u.blnBirthByDay ? 0 : 1;
        beforeSunrise += !u.blnBirthByDay && u.blnBeforeSunrise ? 1 : 0;
        CheckPortions(in, state, u, found);
        CheckPositions(in, state, u, found);
        CheckReport(in, u, outcome.report, found);
    }
    EXPECT_EQ(found.count(), 0) << found.Text();
    // The sweep must reach every kind of reading, or it proves less than it claims.
    EXPECT_GT(refused, 0);
    EXPECT_GT(nightBirths - beforeSunrise, kReadings / 10);
    EXPECT_GT(beforeSunrise, kReadings / 10);
    EXPECT_GT(kReadings - refused - nightBirths, kReadings / 10);
}

}  // namespace
