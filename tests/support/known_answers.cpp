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
    explicit Fields(const Json& json, std::string path) : object(json), where(std::move(path)) {}

    const Json* Get(const char* key, bool (Json::*is)() const noexcept, const char* kind) {
        if (!object.is_object()) return Fail(where + " is not an object");
        const auto it = object.find(key);
        if (it == object.end()) return Fail(where + "." + key + " is missing");
        if (!((*it).*is)()) return Fail(where + "." + key + " is not " + kind);
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
    std::optional<std::string> TakeProblem() { return std::move(problem); }
    void Adopt(std::optional<std::string> other) {
        if (other && !problem) problem = std::move(other);
    }

private:
    const Json* Fail(std::string text) {
        if (!problem) problem = std::move(text);
        return nullptr;
    }
    const Json& object;
    std::string where;
    std::optional<std::string> problem;
};

void ReadSunDay(Fields& parent, const char* key, SunDay& day) {
    if (const Json* v = parent.Get(key, &Json::is_object, "an object")) {
        Fields f(*v, std::string("sun.") + key);
        f.Text("rise", day.riseText);
        f.Text("set", day.setText);
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
        if (row.family != family) continue;
        ++rows;
        KnownReading expected;
        if (const auto problem = ParseKnownReading(row.expected, expected)) {
            ADD_FAILURE() << "expected answer of row " << row.row << ": " << *problem;
            continue;
        }
        const auto differences = CompareReadings(expected, observe(row));
        if (differences.empty()) continue;
        if (++failed > kReportedRows) continue;
        std::string text;
        for (std::size_t i = 0; i < differences.size() && i < 6; ++i) text += "\n    " + differences[i];
        if (differences.size() > 6) text += "\n    ... " + std::to_string(differences.size() - 6) + " more";
        ADD_FAILURE() << "row " << row.row << " (" << family << "): " << row.csvLine << text;
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
        f.Whole("row", r.row);
        r.error = message;
        return f.TakeProblem();
    }
    f.Text("name", r.name);
    f.Text("date", r.dateText);
    f.Text("time", r.time);
    f.Whole("zone", r.zone);
    f.Text("zone_text", r.zoneText);
    f.Truth("dst", r.dst);
    f.Number("latitude", r.latitude);
    f.Number("longitude", r.longitude);
    f.Text("city", r.city);
    f.Text("state", r.state);
    f.Text("country", r.country);
    if (const Json* a = f.Get("ascendant", &Json::is_object, "an object")) {
        Fields af(*a, "ascendant");
        af.Text("text", r.ascendantText);
        af.Number("degrees", r.ascendant);
        f.Adopt(af.TakeProblem());
    }
    if (const Json* sun = f.Get("sun", &Json::is_object, "an object")) {
        Fields sf(*sun, "sun");
        ReadSunDay(sf, "previous", r.sun[0]);
        ReadSunDay(sf, "birth", r.sun[1]);
        ReadSunDay(sf, "next", r.sun[2]);
        f.Adopt(sf.TakeProblem());
    }
    f.Truth("birth_by_day", r.birthByDay);
    f.Whole("weekday", r.weekday);
    ReadArray(f, "portions", r.portions, [](Fields& item, KnownPortion& p) {
        item.Text("lord", p.lord);
        item.Number("start", p.start);
        item.Number("end", p.end);
    });
    ReadArray(f, "upagrahas", r.upagrahas, [](Fields& item, KnownUpagraha& u) {
        item.Text("name", u.name);
        item.Text("lord", u.lord);
        item.Number("moment", u.moment);
        item.Text("longitude", u.longitudeText);
        item.Number("degrees", u.degrees);
        item.Whole("house", u.house);
    });
    return f.TakeProblem();
}

std::vector<std::string> CompareReadings(const KnownReading& e, const KnownReading& a) {
    Differences d;
    if (e.error || a.error) {
        d.Exact("message", e.error.value_or("(a reading)"), a.error.value_or("(a reading)"));
        d.Exact("row", e.row, a.row);
        return d.list;
    }
    d.Exact("name", e.name, a.name);
    d.Exact("date", e.dateText, a.dateText);
    d.Exact("time", e.time, a.time);
    d.Exact("zone", e.zone, a.zone);
    d.Exact("zone_text", e.zoneText, a.zoneText);
    d.Exact("dst", e.dst, a.dst);
    d.Near("latitude", e.latitude, a.latitude, kPlaceTolerance);
    d.Near("longitude", e.longitude, a.longitude, kPlaceTolerance);
    d.Exact("city", e.city, a.city);
    d.Exact("state", e.state, a.state);
    d.Exact("country", e.country, a.country);
    d.PositionText("ascendant.text", e.ascendantText, a.ascendantText, e.ascendant);
    d.Degrees("ascendant.degrees", e.ascendant, a.ascendant);
    static constexpr std::array<const char*, 3> kDays = {"previous", "birth", "next"};
    for (std::size_t k = 0; k < kDays.size(); ++k) {
        d.Exact(std::string("sun.") + kDays[k] + ".rise", e.sun[k].riseText, a.sun[k].riseText);
        d.Exact(std::string("sun.") + kDays[k] + ".set", e.sun[k].setText, a.sun[k].setText);
    }
    d.Exact("birth_by_day", e.birthByDay, a.birthByDay);
    d.Exact("weekday", e.weekday, a.weekday);
    d.Exact("portions", static_cast<long long>(e.portions.size()), static_cast<long long>(a.portions.size()));
    for (std::size_t k = 0; k < std::min(e.portions.size(), a.portions.size()); ++k) {
        const std::string at = "portions[" + std::to_string(k) + "].";
        d.Exact(at + "lord", e.portions[k].lord, a.portions[k].lord);
        d.Near(at + "start", e.portions[k].start, a.portions[k].start, kHoursTolerance);
        d.Near(at + "end", e.portions[k].end, a.portions[k].end, kHoursTolerance);
    }
    d.Exact("upagrahas", static_cast<long long>(e.upagrahas.size()), static_cast<long long>(a.upagrahas.size()));
    for (std::size_t i = 0; i < std::min(e.upagrahas.size(), a.upagrahas.size()); ++i) {
        const KnownUpagraha& eu = e.upagrahas[i];
        const KnownUpagraha& au = a.upagrahas[i];
        const std::string at = "upagrahas[" + std::to_string(i) + "].";
        d.Exact(at + "name", eu.name, au.name);
        d.Exact(at + "lord", eu.lord, au.lord);
        d.Near(at + "moment", eu.moment, au.moment, kHoursTolerance);
        d.PositionText(at + "longitude", eu.longitudeText, au.longitudeText, eu.degrees);
        d.Degrees(at + "degrees", eu.degrees, au.degrees);
        // The house counts signs from the ascendant's: either edge may decide it.
        if (!NearBoundary(eu.degrees, 30) && !NearBoundary(e.ascendant, 30)) d.Exact(at + "house", eu.house, au.house);
    }
    return d.list;
}

bool FormFromCsvLine(std::string_view line, reading::BirthForm& form) {
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
    form = reading::BirthForm{};
    form.name = cells[0];
    form.year = date.substr(0, 4);
    form.month = std::stoi(date.substr(5, 2)) - 1;
    form.day = number(date.substr(8, 2));
    form.hour = number(time.substr(0, 2));
    form.minute = number(time.substr(3, 2));
    form.zoneRow = std::stoi(cells[3]);
    const std::size_t latCut = lat.size() - 3;
    const std::size_t lonCut = lon.size() - 3;
    form.latDegrees = lat.substr(0, latCut);
    form.latMinutes = lat.substr(latCut + 1);
    form.latDirection = lat[latCut] == 'S' ? reading::LatChoice::South : reading::LatChoice::North;
    form.lonDegrees = lon.substr(0, lonCut);
    form.lonMinutes = lon.substr(lonCut + 1);
    form.lonDirection = lon[lonCut] == 'W' ? reading::LonChoice::West : reading::LonChoice::East;
    form.dst = cells[6] == "true";
    form.city = cells[7];
    form.state = cells[8];
    form.country = cells[9];
    return true;
}

KnownReading ObservedReading(const reading::Reading& s, const upagraha::Upagrahas& u) {
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
    r.name = s.name;
    r.dateText = Format("%04d-%02d-%02d", s.year, s.month, s.day);
    r.time = Format("%02d:%02d", s.hour, s.minute);
    r.zone = s.zoneRow;
    r.zoneText = std::string(s.zones->zoneTable[static_cast<std::size_t>(s.zoneRow)]);
    r.dst = s.dst;
    r.latitude = signedDegrees(s.latDegrees, s.latMinutes, s.south);
    r.longitude = signedDegrees(s.lonDegrees, s.lonMinutes, !s.east);
    r.city = s.city;
    r.state = s.state;
    r.country = s.country;
    r.ascendantText = s.birthAscendantText;
    r.ascendant = s.birthAscendant.value;
    r.sun = {SunDay{clock(s.prevSunrise), clock(s.prevSunset)}, SunDay{clock(s.birthSunrise), clock(s.birthSunset)},
             SunDay{clock(s.nextSunrise), clock(s.nextSunset)}};
    r.birthByDay = u.birthByDay;
    r.weekday = u.weekday;
    for (const auto& p : u.portions) r.portions.push_back({std::string(upagraha::PlanetText(p.lord)), p.start, p.end});
    for (std::size_t i = 0; i < u.moments.size(); ++i) {
        r.upagrahas.push_back({std::string(upagraha::kUpagrahaNames[i]),
                               std::string(upagraha::PlanetText(upagraha::kUpagrahaLords[i])), u.moments[i],
                               u.upagrahaLongitudes[i].str(), u.longitudes[i], u.houses[i]});
    }
    return r;
}

}  // namespace vela::known_answers
