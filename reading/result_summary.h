// The reading as the result view shows it beside the report: a header naming the person, the birth
// moment with its zone, the place and the ascendant, and a table of the six upagrahas.
//
// Flow of a reading: ... -> upagrahas -> report, and from the same record this summary, which the
// window shows above and beside the report, prints on the first page of a printed reading, and the
// chart centre repeats. The report itself stays as it is.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_data.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

struct ResultHeader {
    std::string name;           // "Asha"
    std::string birth;          // "15 June 1975, 10:30, Indian Time +05:30"
    std::string place;          // "New Delhi, Delhi, India, 28°37′ N, 77°13′ E"
    std::string ascendantText;  // "Ascendant 05°54′ Leo, Magha, pada 2"
    std::string dayNight;       // "Day birth; the day portions of Sunday"
    // "Conventions: Original"; a preset with what sets it apart: "Conventions: Gulika at the start
    // (unlike Original: Gulika at the start; sunrise at the centre of the disc without refraction)";
    // any other profile with every axis spelled out:
    // "Conventions: Custom (seven lords ...; Kaala at the start, Mrityu at the middle, ...; sunrise
    // at ...; Vyatipata at ...; the original's formulas with the original's ayanamsa)"
    std::string profile;
    // The Moon's sign and nakshatra, when the reading asked for the grahas (empty otherwise).
    std::string janmaRasi;         // "Janma rasi Cancer"
    std::string janmaNakshatra;    // "Janma nakshatra Pushya, pada 2"
    int janmaRasiSign = -1;        // 0 Aries .. 11 Pisces; -1 without the grahas
    int janmaNakshatraIndex = -1;  // 0 Ashwini .. 26 Revati; -1 without the grahas
    int janmaPada = 0;             // 1..4; 0 without the grahas
};

// The header of a reading; with daylight saving the birth line reads
// "4 July 1990, 09:05, Eastern Standard Time −05:00 + 1 h daylight saving (−04:00)". In Hindi or
// Tamil every word is the language's (reading_language.h), but for the person's name, the place's
// names and the zone's name, which are written as the form holds them.
ResultHeader BuildHeader(const Reading& s, const upagraha::Upagrahas& u,
                         upagraha::Language language = upagraha::Language::English);

// "+05:30", "−04:00" (a true minus sign): the offset East of Greenwich in minutes.
std::string OffsetTextOfMinutes(int minutesEast);

// "10°56′ Gemini" from a compact position text ("10 Gem 56"); the text itself when it is no such.
std::string PositionWords(std::string_view compact, upagraha::Language language = upagraha::Language::English);

inline constexpr std::array<std::string_view, 7> kTableColumns = {"Upagraha",  "Lord",      "Portion", "Moment",
                                                                  "Longitude", "Nakshatra", "House"};
// The column names in the language.
std::array<std::string, 7> TableColumns(upagraha::Language language);

// What a profile holds in one line: DescribeProfile's English ("eight-place cycle of lords; Gulika
// at the start, the others at the middle of their portions; ..."), or the same axis by axis in
// Hindi or Tamil (the terms of docs/translations.md).
std::string ProfileDescription(const upagraha::ConventionProfile& profile, upagraha::Language language);

// Every axis on which `profile` differs from `from`, in the profile's own words, one after the
// other with "; " between: "Gulika at the start; sunrise at the centre of the disc without
// refraction" for gulika-start against the original. Empty when they hold the same conventions.
// The header, the Conventions menu and the comparison's notes say with it what a preset changes.
std::string ProfileDifferences(const upagraha::ConventionProfile& profile, const upagraha::ConventionProfile& from,
                               upagraha::Language language = upagraha::Language::English);

// A profile's title ("Original") as the header writes it in the language; a title the program
// has no words for (a profile added later) stays as it is.
std::string_view ProfileTitle(std::string_view title, upagraha::Language language);

// One row of the table: the ascendant first, then the six upagrahas in the report's order; when the
// reading asked for them, a heading row and the nine grahas, then one and the five upagrahas of
// the Sun. A graha's longitude is written as the upagrahas' are, "(R)" after it when retrograde;
// it has no lord, portion or moment.
struct TableRow {
    std::string name;           // "Kaala"
    std::string lord;           // "Sun"
    std::string portionText;    // "1 of 8, day"
    std::string momentText;     // "06:15", "01:10 (next date)", "23:40 (previous date)"
    std::string longitudeText;  // "10 Gem 56", as the report writes it
    std::string nakshatraText;  // "Ardra, pada 3"
    std::string houseText;      // "11"
    bool isHeading = false;     // a group's heading: its name alone ("Grahas")
};

inline constexpr std::string_view kGrahaGroupHeading = "Grahas";
inline constexpr std::string_view kSunUpagrahaGroupHeading = "Upagrahas of the Sun";
// In Hindi or Tamil every word is the language's (upagraha/language.h, reading_language.h); the
// digits stay as they are. English is the original's.
std::vector<TableRow> BuildTable(const Reading& s, const upagraha::Upagrahas& u,
                                 upagraha::Language language = upagraha::Language::English);
// The table's name of the ascendant's row: "Ascendant", "लग्न", "லக்னம்".
std::string_view AscendantName(upagraha::Language language);

// The clock time of hours on the birth date's clock, marked when they fall on another date.
std::string MomentText(double hours, upagraha::Language language = upagraha::Language::English);

// The table as text to paste elsewhere: the column names, then one line a row, fields separated
// by tabs.
std::string TableText(const std::vector<TableRow>& rows, upagraha::Language language = upagraha::Language::English);

}  // namespace vela::reading
