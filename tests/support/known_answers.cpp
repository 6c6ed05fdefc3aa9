#include "tests/support/known_answers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

namespace vela::known_answers {

namespace {

using Json = nlohmann::json;

std::string Format(const char* format, auto... args) {
    char buf[512];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    return std::string(buf, static_cast<std::size_t>(std::max(0, std::min(n, static_cast<int>(sizeof buf) - 1))));
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read " << path;
        return lines;
    }
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// ---- Reading a JSON object field by field, without exceptions --------------------------------

class Fields {
public:
    explicit Fields(const Json& object, std::string where) : object_(object), where_(std::move(where)) {}

    const Json* Get(const char* key, bool (Json::*is)() const noexcept, const char* kind) {
        if (!object_.is_object()) return Fail(where_ + " is not an object");
        const auto it = object_.find(key);
        if (it == object_.end()) return Fail(where_ + "." + key + " is missing");
        if (!((*it).*is)()) return Fail(where_ + "." + key + " is not " + kind);
        return &*it;
    }
    void Text(const char* key, std::string& out) {
        if (const Json* v = Get(key, &Json::is_string, "a string")) out = v->get<std::string>();
    }
    void Number(const char* key, double& out) {
        if (const Json* v = Get(key, &Json::is_number, "a number")) out = v->get<double>();
    }
    void Whole(const char* key, int& out) {
        if (const Json* v = Get(key, &Json::is_number_integer, "a whole number")) out = v->get<int>();
    }
    void Truth(const char* key, bool& out) {
        if (const Json* v = Get(key, &Json::is_boolean, "true or false")) out = v->get<bool>();
    }
    std::optional<std::string> TakeProblem() { return std::move(problem_); }
    void Adopt(std::optional<std::string> problem) {
        if (problem && !problem_) problem_ = std::move(problem);
    }

private:
    const Json* Fail(std::string text) {
        if (!problem_) problem_ = std::move(text);
        return nullptr;
    }
    const Json& object_;
    std::string where_;
    std::optional<std::string> problem_;
};

void ReadSunDay(Fields& parent, const char* key, SunDay& day) {
    if (const Json* v = parent.Get(key, &Json::is_object, "an object")) {
        Fields f(*v, std::string("sun.") + key);
        f.Text("rise", day.strRise);
        f.Text("set", day.strSet);
        parent.Adopt(f.TakeProblem());
    }
}

// Every element of an array field, each read by readOne from its own object.
template <class T, class ReadOne>
void ReadArray(Fields& parent, const char* key, std::vector<T>& out, ReadOne readOne) {
    const Json* items = parent.Get(key, &Json::is_array, "an array");
    if (items == nullptr) return;
    for (std::size_t i = 0; i < items->size(); ++i) {
        Fields item((*items)[i], std::string(key) + "[" + std::to_string(i) + "]");
        T value;
        readOne(item, value);
        parent.Adopt(item.TakeProblem());
        out.push_back(std::move(value));
    }
}

// ---- Comparing -------------------------------------------------------------------------------

double AngleApart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

// Within kBoundaryTolerance of a whole number of the given step (a minute: 1/60, a sign: 30).
bool NearBoundary(double degrees, double step) {
    const double steps = degrees / step;
    return std::fabs(steps - std::round(steps)) * step <= kBoundaryTolerance;
}

class Differences {
public:
    void Exact(const std::string& what, const std::string& want, const std::string& got) {
        if (want != got) list.push_back(what + ": expected \"" + want + "\", got \"" + got + "\"");
    }
    void Exact(const std::string& what, long long want, long long got) {
        if (want != got) list.push_back(what + ": expected " + std::to_string(want) + ", got " + std::to_string(got));
    }
    void Near(const std::string& what, double want, double got, double tolerance) {
        if (!(std::fabs(want - got) <= tolerance))
            list.push_back(Format("%s: expected %.12g, got %.12g", what.c_str(), want, got));
    }
    void Degrees(const std::string& what, double want, double got) {
        if (!(AngleApart(want, got) <= kDegreesTolerance))
            list.push_back(Format("%s: expected %.12g degrees, got %.12g", what.c_str(), want, got));
    }
    // A position text may differ only at the edge of a minute of the expected longitude.
    void PositionText(const std::string& what, const std::string& want, const std::string& got, double degrees) {
        if (want != got && !NearBoundary(degrees, 1.0 / 60)) Exact(what, want, got);
    }
    std::vector<std::string> list;
};

}  // namespace

std::filesystem::path KnownAnswersDir() { return std::filesystem::path(VELA_TEST_DATA_DIR) / "known_answers"; }

namespace {

std::vector<KnownRow> LoadKnownRows() {
    const auto dir = KnownAnswersDir();
    const auto csv = ReadLines(dir / "readings.csv");
    const auto families = ReadLines(dir / "families.txt");
    const auto expected = ReadLines(dir / "expected.jsonl");
    std::vector<KnownRow> rows;
    // Each of the first two files opens with a header line; the expected answers do not.
    if (csv.size() < 2 || families.size() != csv.size() || expected.size() + 1 != csv.size()) {
        ADD_FAILURE() << "the known answers in " << dir << " are incomplete: " << csv.size() << " CSV lines, "
                      << families.size() << " family lines, " << expected.size() << " expected lines";
        return rows;
    }
    for (std::size_t i = 1; i < csv.size(); ++i)
        rows.push_back({static_cast<int>(i), families[i], csv[i], expected[i - 1]});
    return rows;
}

}  // namespace

const std::vector<KnownRow>& KnownRows() {
    static const std::vector<KnownRow> rows = LoadKnownRows();
    return rows;
}

void ExpectFamilyAgrees(std::string_view family, const std::function<KnownReading(const KnownRow&)>& observe) {
    constexpr int kReportedRows = 8;  // enough to see a pattern, short enough to read
    int rows = 0;
    int failed = 0;
    for (const KnownRow& row : KnownRows()) {
        if (row.strFamily != family) continue;
        ++rows;
        KnownReading expected;
        if (const auto problem = ParseKnownReading(row.strExpected, expected)) {
            ADD_FAILURE() << "expected answer of row " << row.intRow << ": " << *problem;
            continue;
        }
        const auto differences = CompareReadings(expected, observe(row));
        if (differences.empty()) continue;
        if (++failed > kReportedRows) continue;
        std::string text;
        for (std::size_t i = 0; i < differences.size() && i < 6; ++i) text += "\n    " + differences[i];
        if (differences.size() > 6) text += "\n    ... " + std::to_string(differences.size() - 6) + " more";
        ADD_FAILURE() << "row " << row.intRow << " (" << family << "): " << row.strCsvLine << text;
    }
    EXPECT_GT(rows, 0) << "no row of the family " << family;
    EXPECT_EQ(failed, 0) << failed << " of " << rows << " rows of the family " << family << " differ";
}

std::optional<std::string> ParseKnownReading(std::string_view jsonLine, KnownReading& r) {
    const Json j = Json::parse(jsonLine.begin(), jsonLine.end(), nullptr, false);
    if (j.is_discarded()) return "not a JSON text";
    if (!j.is_object()) return "not a JSON object";
    r = KnownReading{};
    Fields f(j, "reading");
    if (j.contains("error")) {
        std::string message;
        f.Text("error", message);
        f.Whole("row", r.intRow);
        r.error = message;
        return f.TakeProblem();
    }
    f.Text("name", r.strName);
    f.Text("date", r.strDate);
    f.Text("time", r.strTime);
    f.Whole("zone", r.intZone);
    f.Text("zone_text", r.strZoneText);
    f.Truth("dst", r.blnDst);
    f.Number("latitude", r.dblLatitude);
    f.Number("longitude", r.dblLongitude);
    f.Text("city", r.strCity);
    f.Text("state", r.strState);
    f.Text("country", r.strCountry);
    if (const Json* a = f.Get("ascendant", &Json::is_object, "an object")) {
        Fields af(*a, "ascendant");
        af.Text("text", r.strAscendant);
        af.Number("degrees", r.dblAscendant);
        f.Adopt(af.TakeProblem());
    }
    if (const Json* sun = f.Get("sun", &Json::is_object, "an object")) {
        Fields sf(*sun, "sun");
        ReadSunDay(sf, "previous", r.sun[0]);
        ReadSunDay(sf, "birth", r.sun[1]);
        ReadSunDay(sf, "next", r.sun[2]);
        f.Adopt(sf.TakeProblem());
    }
    f.Truth("birth_by_day", r.blnBirthByDay);
    f.Whole("weekday", r.intWeekday);
    ReadArray(f, "portions", r.portions, [](Fields& item, KnownPortion& p) {
        item.Text("lord", p.strLord);
        item.Number("start", p.dblStart);
        item.Number("end", p.dblEnd);
    });
    ReadArray(f, "upagrahas", r.upagrahas, [](Fields& item, KnownUpagraha& u) {
        item.Text("name", u.strName);
        item.Text("lord", u.strLord);
        item.Number("moment", u.dblMoment);
        item.Text("longitude", u.strLongitude);
        item.Number("degrees", u.dblDegrees);
        item.Whole("house", u.intHouse);
    });
    return f.TakeProblem();
}

std::vector<std::string> CompareReadings(const KnownReading& e, const KnownReading& a) {
    Differences d;
    if (e.error || a.error) {
        d.Exact("message", e.error.value_or("(a reading)"), a.error.value_or("(a reading)"));
        d.Exact("row", e.intRow, a.intRow);
        return d.list;
    }
    d.Exact("name", e.strName, a.strName);
    d.Exact("date", e.strDate, a.strDate);
    d.Exact("time", e.strTime, a.strTime);
    d.Exact("zone", e.intZone, a.intZone);
    d.Exact("zone_text", e.strZoneText, a.strZoneText);
    d.Exact("dst", e.blnDst, a.blnDst);
    d.Near("latitude", e.dblLatitude, a.dblLatitude, kPlaceTolerance);
    d.Near("longitude", e.dblLongitude, a.dblLongitude, kPlaceTolerance);
    d.Exact("city", e.strCity, a.strCity);
    d.Exact("state", e.strState, a.strState);
    d.Exact("country", e.strCountry, a.strCountry);
    d.PositionText("ascendant.text", e.strAscendant, a.strAscendant, e.dblAscendant);
    d.Degrees("ascendant.degrees", e.dblAscendant, a.dblAscendant);
    static constexpr std::array<const char*, 3> kDays = {"previous", "birth", "next"};
    for (std::size_t k = 0; k < kDays.size(); ++k) {
        d.Exact(std::string("sun.") + kDays[k] + ".rise", e.sun[k].strRise, a.sun[k].strRise);
        d.Exact(std::string("sun.") + kDays[k] + ".set", e.sun[k].strSet, a.sun[k].strSet);
    }
    d.Exact("birth_by_day", e.blnBirthByDay, a.blnBirthByDay);
    d.Exact("weekday", e.intWeekday, a.intWeekday);
    d.Exact("portions", static_cast<long long>(e.portions.size()), static_cast<long long>(a.portions.size()));
    for (std::size_t k = 0; k < std::min(e.portions.size(), a.portions.size()); ++k) {
        const std::string at = "portions[" + std::to_string(k) + "].";
        d.Exact(at + "lord", e.portions[k].strLord, a.portions[k].strLord);
        d.Near(at + "start", e.portions[k].dblStart, a.portions[k].dblStart, kHoursTolerance);
        d.Near(at + "end", e.portions[k].dblEnd, a.portions[k].dblEnd, kHoursTolerance);
    }
    d.Exact("upagrahas", static_cast<long long>(e.upagrahas.size()), static_cast<long long>(a.upagrahas.size()));
    for (std::size_t i = 0; i < std::min(e.upagrahas.size(), a.upagrahas.size()); ++i) {
        const KnownUpagraha& eu = e.upagrahas[i];
        const KnownUpagraha& au = a.upagrahas[i];
        const std::string at = "upagrahas[" + std::to_string(i) + "].";
        d.Exact(at + "name", eu.strName, au.strName);
        d.Exact(at + "lord", eu.strLord, au.strLord);
        d.Near(at + "moment", eu.dblMoment, au.dblMoment, kHoursTolerance);
        d.PositionText(at + "longitude", eu.strLongitude, au.strLongitude, eu.dblDegrees);
        d.Degrees(at + "degrees", eu.dblDegrees, au.dblDegrees);
        // The house counts signs from the ascendant's: either edge may decide it.
        if (!NearBoundary(eu.dblDegrees, 30) && !NearBoundary(e.dblAscendant, 30))
            d.Exact(at + "house", eu.intHouse, au.intHouse);
    }
    return d.list;
}

bool FormFromCsvLine(std::string_view line, BirthForm& form) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        cells.emplace_back(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    // The known answers quote nothing, so a plain split reads them; anything else is not ours.
    if (cells.size() != 10 || line.find('"') != std::string_view::npos) return false;
    const auto number = [](const std::string& digits) { return std::to_string(std::stoi(digits)); };
    const std::string& date = cells[1];  // YYYY-MM-DD
    const std::string& time = cells[2];  // HH:MM
    const std::string& lat = cells[4];   // 28N37: degrees, direction, two-digit minutes
    const std::string& lon = cells[5];
    if (date.size() != 10 || time.size() != 5 || lat.size() < 4 || lon.size() < 4) return false;
    form = BirthForm{};
    form.txtName = cells[0];
    form.cboYear = date.substr(0, 4);
    form.cboMonth = std::stoi(date.substr(5, 2)) - 1;
    form.cboDate = number(date.substr(8, 2));
    form.cboHour = number(time.substr(0, 2));
    form.cboMinute = number(time.substr(3, 2));
    form.cboTimeZone = std::stoi(cells[3]);
    const std::size_t latCut = lat.size() - 3;
    const std::size_t lonCut = lon.size() - 3;
    form.txtLatDeg = lat.substr(0, latCut);
    form.txtLatMin = lat.substr(latCut + 1);
    form.optLat = lat[latCut] == 'S' ? LatChoice::South : LatChoice::North;
    form.txtLonDeg = lon.substr(0, lonCut);
    form.txtLonMin = lon.substr(lonCut + 1);
    form.optLong = lon[lonCut] == 'W' ? LonChoice::West : LonChoice::East;
    form.chkDST = cells[6] == "true";
    form.txtCity = cells[7];
    form.txtState = cells[8];
    form.txtCountry = cells[9];
    return true;
}

KnownReading ObservedReading(const SharedChartState& s, const modVedicUpagrahas::Upagrahas& u) {
    // A stored sunrise or sunset is its date plus whole minutes: the minute of the day, rounded
    // only to take away the error of the fraction.
    const auto clock = [](double value) {
        const long minutes = std::lround((value - std::floor(value)) * 1440) % 1440;
        return Format("%02ld:%02ld", minutes / 60, minutes % 60);
    };
    const auto signedDegrees = [](int deg, int min, bool negative) {
        const double d = deg + min / 60.0;
        return negative ? -d : d;
    };
    KnownReading r;
    r.strName = s.strName;
    r.strDate = Format("%04d-%02d-%02d", s.intYear, s.intMonth, s.intDay);
    r.strTime = Format("%02d:%02d", s.intHour, s.intMinute);
    r.intZone = s.intZoneRow;
    r.strZoneText = std::string(s.zones->strZoneTable[static_cast<std::size_t>(s.intZoneRow)]);
    r.blnDst = s.blnDST;
    r.dblLatitude = signedDegrees(s.intLatDeg, s.intLatMin, s.blnSouth);
    r.dblLongitude = signedDegrees(s.intLonDeg, s.intLonMin, !s.blnEast);
    r.strCity = s.strCity;
    r.strState = s.strState;
    r.strCountry = s.strCountry;
    r.strAscendant = s.strBirthAscendant;
    r.dblAscendant = s.dblBirthAscendant;
    r.sun = {SunDay{clock(s.dtPrevSunrise), clock(s.dtPrevSunset)},
             SunDay{clock(s.dtBirthSunrise), clock(s.dtBirthSunset)},
             SunDay{clock(s.dtNextSunrise), clock(s.dtNextSunset)}};
    r.blnBirthByDay = u.blnBirthByDay;
    r.intWeekday = u.intWeekday;
    for (const auto& p : u.portions) r.portions.push_back({std::string(p.strLord), p.dblStart, p.dblEnd});
    for (std::size_t i = 0; i < u.dblMoments.size(); ++i) {
        r.upagrahas.push_back({std::string(modVedicUpagrahas::strUpagrahaNames[i]),
                               std::string(modVedicUpagrahas::strUpagrahaLords[i]), u.dblMoments[i],
                               u.varUpagrahaLongitudes[i].str(), u.dblLongitudes[i], u.intHouses[i]});
    }
    return r;
}

}  // namespace vela::known_answers
