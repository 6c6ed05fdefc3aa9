// Known answers from outside the code base: 442 readings in the batch CSV format and what an
// independent implementation of the same calculation gives for each (tests/data/known_answers).
//
// Two test programs run them: the reading tests through the driver in-process, the command-line
// tests through `vela-upagrahas-cli --batch`. Both turn what they observe into a KnownReading and
// compare it here with the expected one, so the tolerances are written once.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "upagraha/upagraha.h"

namespace vela::known_answers {

// Tolerances of the comparison. Both sides compute in double precision from the same rules, so
// they agree far below anything a reader sees; texts, lords and days agree exactly.
inline constexpr double kDegreesTolerance = 1e-6;  // longitudes, modulo 360
inline constexpr double kHoursTolerance = 1e-7;    // portion bounds and moments
inline constexpr double kPlaceTolerance = 1e-9;    // latitude and longitude, degrees
// A position text or a house may differ only where the longitude lies this close to the edge of
// a minute or a sign: the last bit of a double decides there.
inline constexpr double kBoundaryTolerance = 1e-6;

struct SunDay {
    std::string riseText;  // "HH:MM"
    std::string setText;
};

struct KnownPortion {
    std::string lord;
    double start = 0;  // decimal hours on the birth date's clock
    double end = 0;
};

struct KnownUpagraha {
    std::string name;
    std::string lord;
    double moment = 0;
    std::string longitudeText;  // compact text, "05 Leo 23"
    double degrees = 0;
    int house = 0;
};

// One row's answer: a refusal (its message) or a reading, with the fields of the JSON object.
struct KnownReading {
    std::optional<std::string> error;
    int row = 0;  // the refused row's number, as the batch run gives it
    std::string name, dateText, time;
    int zone = 0;
    std::string zoneText;
    bool dst = false;
    double latitude = 0;   // North positive
    double longitude = 0;  // East positive
    std::string city, state, country;
    std::string ascendantText;
    double ascendant = 0;
    std::array<SunDay, 3> sun;  // previous, birth, next
    bool birthByDay = false;
    int weekday = 0;
    std::vector<KnownPortion> portions;
    std::vector<KnownUpagraha> upagrahas;
};

struct KnownRow {
    int row = 0;           // 1 for the first line after the header
    std::string family;    // "random", "polar", "invalid", ...
    std::string csvLine;   // the row as the batch file holds it
    std::string expected;  // its line of expected.jsonl
};

// The families of the known answers, each a kind of reading or of refusal.
inline constexpr std::array<std::string_view, 23> kKnownFamilies = {"random",          "around-sunrise",
                                                                    "around-sunset",   "before-sunrise",
                                                                    "late-evening",    "london-bst",
                                                                    "london-gmt-dst",  "madrid-cet",
                                                                    "delhi-ist",       "newyork-est",
                                                                    "newyork-est-dst", "sydney-aest",
                                                                    "sydney-aest-dst", "64N",
                                                                    "zone-0",          "zone-70",
                                                                    "1901-01-01",      "31-dec",
                                                                    "29-feb",          "1-mar-leap",
                                                                    "1-mar-common",    "polar",
                                                                    "invalid"};
inline constexpr std::size_t kKnownRowCount = 442;

// A family as a test name: letters, digits and underscores.
struct FamilyTestName {
    template <class Info>
    std::string operator()(const Info& info) const {
        std::string name = "family_" + std::string(info.param);
        for (char& c : name)
            if (c == '-') c = '_';
        return name;
    }
};

// tests/data/known_answers, found through the build's VELA_TEST_DATA_DIR.
std::filesystem::path KnownAnswersDir();

// The rows with their families and expected lines, read once; an empty list (and a failure) when
// the data cannot be read or its three files disagree in length.
const std::vector<KnownRow>& KnownRows();

// Observes every row of the family (through the driver, or in the command line's output) and
// expects each to agree with its known answer; fails when the family has no row.
void ExpectFamilyAgrees(std::string_view family, const std::function<KnownReading(const KnownRow&)>& observe);

// Parses one JSON line, byte for byte as written: a line that is not one JSON object, or lacks a
// field or holds it with another type, gives the problem instead. Keys other than those of the
// known answers (the report texts) are ignored here.
std::optional<std::string> ParseKnownReading(std::string_view jsonLine, KnownReading& reading);

// Every difference beyond the tolerances, one line each; empty when the two agree.
std::vector<std::string> CompareReadings(const KnownReading& expected, const KnownReading& actual);

// The batch row as the birth form the window would hold: 28N37 becomes 28, 37 and North, and so on.
// Returns false when the row does not have the ten columns of the batch format.
bool FormFromCsvLine(std::string_view line, reading::BirthForm& form);

// What a reading computed in-process shows, in the fields of the known answers.
KnownReading ObservedReading(const reading::Reading& s, const upagraha::Upagrahas& u);

}  // namespace vela::known_answers
