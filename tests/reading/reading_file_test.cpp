// The saved reading file: its bytes, reading it back into the form, damaged files, and the disk.
//
// Expected bytes are worked out by hand from the format: each character's Latin-1 code plus 20,
// then 13, 10 after every field (for example "A" = 65 is written as 85).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "tests/support/disk_files.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/golden_files.h"
#include "tests/support/hand_written_reading.h"
#include "tests/support/test_names.h"

namespace vela::reading {
namespace {

namespace fs = std::filesystem;

// Born 5 March 1975 at 10:45 in Pune (18°31' N, 73°51' E), daylight saving ticked.
reading::Reading SampleReading() {
    reading::Reading s;
    s.name = "Asha Rao";
    s.month = 3;
    s.day = 5;
    s.year = 1975;
    s.hour = 10;
    s.minute = 45;
    s.lonDegrees = 73;
    s.lonMinutes = 51;
    s.latDegrees = 18;
    s.latMinutes = 31;
    s.east = true;
    s.south = false;
    s.dst = true;
    s.city = "Pune";
    s.state = "Maharashtra";
    s.country = "India";
    return s;
}

constexpr int kIndianTime = 34;

// The form the sample reading gives back.
reading::BirthForm SampleForm() {
    reading::BirthForm f;
    f.name = "Asha Rao";
    f.month = 2;
    f.day = "5";
    f.year = "1975";
    f.hour = "10";
    f.minute = "45";
    f.zoneRow = kIndianTime;
    f.lonDegrees = "73";
    f.lonMinutes = "51";
    f.latDegrees = "18";
    f.latMinutes = "31";
    f.lonDirection = reading::LonChoice::East;
    f.latDirection = reading::LatChoice::North;
    f.dst = true;
    f.city = "Pune";
    f.state = "Maharashtra";
    f.country = "India";
    return f;
}

// A form that differs from the sample in every control, to see which ones a file changed.
reading::BirthForm PreviousForm() {
    reading::BirthForm f;
    f.name = "Ravi";
    f.month = 6;
    f.day = "9";
    f.year = "2001";
    f.hour = "7";
    f.minute = "8";
    f.zoneRow = 5;
    f.lonDegrees = "1";
    f.lonMinutes = "2";
    f.latDegrees = "3";
    f.latMinutes = "4";
    f.lonDirection = reading::LonChoice::West;
    f.latDirection = reading::LatChoice::South;
    f.dst = false;
    f.city = "Kochi";
    f.state = "Kerala";
    f.country = "Bharat";
    return f;
}

const char* Name(reading::LatChoice c) {
    return c == reading::LatChoice::North ? "North" : c == reading::LatChoice::South ? "South" : "none";
}
const char* Name(reading::LonChoice c) {
    return c == reading::LonChoice::East ? "East" : c == reading::LonChoice::West ? "West" : "none";
}

// The control that line n (from 1) of a file fills, as text.
std::string Control(const reading::BirthForm& f, int line) {
    switch (line) {
        case 1:
            return f.name;
        case 2:
            return std::to_string(f.month);
        case 3:
            return f.day;
        case 4:
            return f.year;
        case 5:
            return f.hour;
        case 6:
            return f.minute;
        case 7:
            return std::to_string(f.zoneRow);
        case 8:
            return f.lonDegrees;
        case 9:
            return f.lonMinutes;
        case 10:
            return f.latDegrees;
        case 11:
            return f.latMinutes;
        case 12:
            return Name(f.lonDirection);
        case 13:
            return Name(f.latDirection);
        case 14:
            return f.dst ? "ticked" : "clear";
        case 15:
            return f.city;
        case 16:
            return f.state;
        case 17:
            return f.country;
        default:
            return "?";
    }
}

// Every control, one per line, so that a difference shows which one.
std::string Describe(const reading::BirthForm& f) {
    std::string text;
    for (int line = 1; line <= kFieldLines; ++line) text += std::to_string(line) + ": " + Control(f, line) + "\n";
    return text;
}

// The fields of a file, split at CR LF and decoded with the program's shift.
std::vector<std::string> DecodedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) break;
        lines.push_back(DecodeField(bytes.substr(pos, end - pos)));
        pos = end + 2;
    }
    return lines;
}

// A file from its fields, each encoded with the program's shift.
std::string FileOf(const std::vector<std::string>& fields, const std::string& lineEnd = "\r\n") {
    std::string bytes;
    for (const auto& field : fields) bytes += EncodeField(field) + lineEnd;
    return bytes;
}

std::vector<std::string> SampleFields() { return DecodedLines(ReadingFileText(SampleReading(), kIndianTime)); }

// What opening the bytes gave: the refusal, or the form and what was found besides it.
struct Opening {
    std::optional<reading::UserMessage> message;
    reading::BirthForm form;
    OpenedReading opened;
};

Opening Opened(const std::string& bytes, reading::BirthForm form = PreviousForm()) {
    Opening o{std::nullopt, std::move(form), {}};
    o.message = FillFormFromReadingText(bytes, o.form, o.opened);
    return o;
}

// The form a reading's bytes fill (the bytes must be a reading).
reading::BirthForm FilledFrom(const std::string& bytes, reading::BirthForm form = PreviousForm()) {
    Opening o = Opened(bytes, std::move(form));
    EXPECT_FALSE(o.message.has_value()) << o.message->text;
    return o.form;
}

// ---- Writing ------------------------------------------------------------------------------------

TEST(ReadingFileText, writes_a_three_letter_name_as_its_codes_plus_20_then_cr_lf) {
    reading::Reading s = SampleReading();
    s.name = "Ann";
    const std::string bytes = ReadingFileText(s, 0);
    const std::string expected = {'\x55', '\x82', '\x82', '\r', '\n'};  // 85, 130, 130, 13, 10
    EXPECT_EQ(bytes.substr(0, 5), expected);
}

TEST(ReadingFileText, writes_seventeen_fields_in_their_order_with_month_and_zone_as_numbers) {
    const std::string bytes = ReadingFileText(SampleReading(), kIndianTime);
    const std::vector<std::string> expected = {"Asha Rao", "3",    "5",    "1975",        "10",   "45",
                                               "34",       "73",   "51",   "18",          "31",   "True",
                                               "False",    "True", "Pune", "Maharashtra", "India"};
    EXPECT_EQ(DecodedLines(bytes), expected);
    // Line 7, the zone row 34: "3" = 51 and "4" = 52, each plus 20.
    EXPECT_NE(bytes.find("\r\nGH\r\n"), std::string::npos);
    // Nothing after the last line end, and no line-break byte inside a field.
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), kFieldLines);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), kFieldLines);
}

// The whole file, byte for byte, against bytes worked out by hand from the format
// (tests/data/golden/asha_rao.ved): a changed shift, field order, truth word or line end fails.
TEST(ReadingFileText, gives_the_bytes_worked_out_by_hand_for_a_fixed_reading) {
    std::ifstream in(golden::GoldenPath("asha_rao.ved"), std::ios::binary);
    ASSERT_TRUE(in.good());
    const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(expected.size(), 95u);
    EXPECT_EQ(ReadingFileText(SampleReading(), kIndianTime), expected);
}

TEST(ReadingFileText, removes_blanks_around_every_field_before_encoding) {
    reading::Reading s = SampleReading();
    s.name = "  Asha Rao  ";
    s.city = " Pune";
    s.country = "\tIndia ";  // only blanks are removed
    const auto lines = DecodedLines(ReadingFileText(s, 0));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "Asha Rao");
    EXPECT_EQ(lines[14], "Pune");
    EXPECT_EQ(lines[16], "\tIndia");
}

struct CharacterCase {
    const char* name;
    std::string text;   // UTF-8
    std::string bytes;  // in the file
    std::string back;   // decoded again
};

class Characters : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(Characters, travel_as_latin_1_codes_plus_the_shift) {
    const CharacterCase& c = GetParam();
    EXPECT_EQ(EncodeField(c.text), c.bytes);
    EXPECT_EQ(DecodeField(c.bytes), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    EncodeField, Characters,
    ::testing::Values(CharacterCase{"ascii_letters", "Az", "\x55\x8E", "Az"},
                      CharacterCase{"a_tab_is_content", "\t", "\x1D", "\t"},
                      CharacterCase{"e_acute_is_latin_1_233", "\u00E9", "\xFD", "\u00E9"},
                      CharacterCase{"e_diaeresis_235_is_the_last_that_fits", "\u00EB", "\xFF", "\u00EB"},
                      CharacterCase{"i_grave_236_is_left_out", "a\u00ECb", "\x75\x76", "ab"},
                      CharacterCase{"u_diaeresis_is_left_out", "M\u00FCller", "\x61\x80\x80\x79\x86", "Mller"},
                      CharacterCase{"the_euro_sign_is_left_out", "1\u20AC", "\x45", "1"},
                      CharacterCase{"a_devanagari_letter_is_left_out", "\u0905x", "\x8C", "x"},
                      CharacterCase{"a_four_byte_character_is_left_out", "\U0001F600y", "\x8D", "y"},
                      CharacterCase{"broken_utf8_is_left_out", "a\xFF\xC3", "\x75", "a"}),
    RowName());

TEST(DecodeField, leaves_out_bytes_below_the_shift) {
    EXPECT_EQ(DecodeField(std::string("\x05\x13\x14U", 4)), std::string("\0A", 2));
}

// ---- Reading ------------------------------------------------------------------------------------

TEST(FillFormFromReadingText, gives_back_every_field_of_a_saved_reading) {
    EXPECT_EQ(Describe(FilledFrom(ReadingFileText(SampleReading(), kIndianTime))), Describe(SampleForm()));

    // The other choice of every direction and tick, the last entries of the lists, a Latin-1 name.
    reading::Reading s = SampleReading();
    s.name = "Ren\u00E9e";
    s.month = 12;
    s.day = 31;
    s.year = 2050;
    s.hour = 23;
    s.minute = 59;
    s.east = false;
    s.south = true;
    s.dst = false;
    reading::BirthForm expected = SampleForm();
    expected.name = "Ren\u00E9e";
    expected.month = 11;
    expected.day = "31";
    expected.year = "2050";
    expected.hour = "23";
    expected.minute = "59";
    expected.zoneRow = 70;
    expected.lonDirection = reading::LonChoice::West;
    expected.latDirection = reading::LatChoice::South;
    expected.dst = false;
    EXPECT_EQ(Describe(FilledFrom(ReadingFileText(s, 70))), Describe(expected));
}

struct LineEndCase {
    const char* name;
    std::string lineEnd;
    std::string after;  // appended after the last line end
    bool dropLastEnd;
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, read_the_same_reading) {
    const LineEndCase& c = GetParam();
    std::string bytes = FileOf(SampleFields(), c.lineEnd);
    if (c.dropLastEnd) bytes.resize(bytes.size() - c.lineEnd.size());
    bytes += c.after;
    EXPECT_EQ(Describe(FilledFrom(bytes)), Describe(SampleForm()));
}

INSTANTIATE_TEST_SUITE_P(
    FillFormFromReadingText, LineEnds,
    ::testing::Values(LineEndCase{"cr_lf", "\r\n", "", false}, LineEndCase{"lone_lf", "\n", "", false},
                      LineEndCase{"lone_cr", "\r", "", false},
                      LineEndCase{"last_line_without_line_end", "\r\n", "", true},
                      LineEndCase{"lf_and_last_line_without_line_end", "\n", "", true},
                      LineEndCase{"lines_after_the_17th_are_ignored", "\r\n", "XYZ\r\n\x01\x02\r\n", false}),
    RowName());

TEST(FillFormFromReadingText, keeps_the_controls_of_missing_place_lines_and_names_them) {
    auto fields = SampleFields();
    fields.resize(15);  // the city is the last line
    const Opening o = Opened(FileOf(fields));
    ASSERT_FALSE(o.message.has_value());
    for (int line = 1; line <= kFieldLines; ++line)
        EXPECT_EQ(Control(o.form, line), Control(line <= 15 ? SampleForm() : PreviousForm(), line)) << "line " << line;
    EXPECT_EQ(o.opened.unreadLines, (std::vector<int>{16, 17}));
}

// A reading cut short is read as far as its lines go, as the original program did: the controls of
// the missing lines keep what they held, and the notice names those lines.
class CutShort : public ::testing::TestWithParam<int> {};

TEST_P(CutShort, fills_the_form_as_far_as_its_lines_go) {
    const int kept = GetParam();
    auto fields = SampleFields();
    fields.resize(static_cast<std::size_t>(kept));
    const Opening o = Opened(FileOf(fields));
    ASSERT_FALSE(o.message.has_value());
    std::vector<int> missing;
    for (int line = 1; line <= kFieldLines; ++line) {
        EXPECT_EQ(Control(o.form, line), Control(line <= kept ? SampleForm() : PreviousForm(), line))
            << "line " << line;
        if (line > kept) missing.push_back(line);
    }
    EXPECT_EQ(o.opened.unreadLines, missing);
}

INSTANTIATE_TEST_SUITE_P(FillFormFromReadingText, CutShort, ::testing::Values(7, 10, 11, 13));

// Bytes in which no shift makes lines 12, 13 and 14 read True or False are no reading: the form
// keeps everything, however much of the rest would have looked like fields.
struct NotAReadingCase {
    const char* name;
    std::function<std::string()> bytes;
};

class NotAReading : public ::testing::TestWithParam<NotAReadingCase> {};

TEST_P(NotAReading, is_refused_and_changes_nothing) {
    const Opening o = Opened(GetParam().bytes());
    ASSERT_TRUE(o.message.has_value());
    EXPECT_EQ(o.message->text, "This file is not a saved reading.");
    EXPECT_EQ(o.message->icon, reading::MsgIcon::Critical);
    EXPECT_EQ(Describe(o.form), Describe(PreviousForm()));
}

std::string SampleWithLine(int line, const std::string& field) {
    auto fields = SampleFields();
    fields[static_cast<std::size_t>(line - 1)] = field;
    return FileOf(fields);
}

INSTANTIATE_TEST_SUITE_P(
    FillFormFromReadingText, NotAReading,
    ::testing::Values(NotAReadingCase{"an_empty_text", [] { return std::string(); }},
                      NotAReadingCase{"nine_lines_of_text_not_shifted",
                                      [] {
                                          std::string text;
                                          for (const auto& field : SampleFields()) text += field + "\r\n";
                                          return text.substr(0, text.find("\r\n28\r\n"));
                                      }},
                      NotAReadingCase{"six_lines_without_the_zone",
                                      [] {
                                          auto fields = SampleFields();
                                          fields.resize(6);
                                          return FileOf(fields);
                                      }},
                      NotAReadingCase{"thirteen_lines_with_a_damaged_year",
                                      [] {
                                          auto fields = SampleFields();
                                          fields[3] = "19x5";
                                          fields.resize(13);
                                          return FileOf(fields);
                                      }},
                      NotAReadingCase{"a_shell_script", [] { return std::string("#!/bin/sh\necho hello\nexit 0\n"); }},
                      NotAReadingCase{"a_csv_file",
                                      [] {
                                          return std::string(
                                              "name,date,time,zone,lat,lon,dst,city,state,country\n"
                                              "Asha,1975-06-15,10:30,34,28N37,77E13,false,Delhi,Delhi,India\n");
                                      }},
                      NotAReadingCase{"seventeen_lines_of_text_not_shifted",
                                      [] {
                                          std::string text;
                                          for (const auto& field : SampleFields()) text += field + "\r\n";
                                          return text;
                                      }},
                      NotAReadingCase{"true_in_capitals_on_line_12", [] { return SampleWithLine(12, "TRUE"); }},
                      NotAReadingCase{"minus_1_on_line_12", [] { return SampleWithLine(12, "-1"); }},
                      NotAReadingCase{"false_in_small_letters_on_line_13", [] { return SampleWithLine(13, "false"); }},
                      NotAReadingCase{"maybe_on_line_13", [] { return SampleWithLine(13, "Maybe"); }},
                      NotAReadingCase{"true_between_blanks_on_line_14", [] { return SampleWithLine(14, " True "); }},
                      NotAReadingCase{"an_empty_line_14", [] { return SampleWithLine(14, ""); }},
                      NotAReadingCase{"lines_12_to_14_under_two_shifts",
                                      [] {
                                          // Line 14 moved from shift 20 to 21: each line alone is a truth word.
                                          std::string bytes = ReadingFileText(SampleReading(), kIndianTime);
                                          const std::string trueAt20 = EncodeField("True");
                                          const std::size_t at = bytes.rfind("\r\n" + trueAt20 + "\r\n");
                                          for (std::size_t k = 0; k < trueAt20.size(); ++k) ++bytes[at + 2 + k];
                                          return bytes;
                                      }}),
    RowName());

struct DamagedCase {
    const char* name;
    int line;            // from 1
    std::string field;   // what the line holds, before encoding
    std::string result;  // the control afterwards, as Control() shows it
    bool unread;         // the line is named as one that could not be read
};

class DamagedField : public ::testing::TestWithParam<DamagedCase> {};

// The rest of the file is the sample reading; the form held PreviousForm() before.
TEST_P(DamagedField, is_skipped_or_applied_on_its_own) {
    const DamagedCase& c = GetParam();
    auto fields = SampleFields();
    fields[static_cast<std::size_t>(c.line - 1)] = c.field;
    const Opening o = Opened(FileOf(fields));
    ASSERT_FALSE(o.message.has_value());
    EXPECT_EQ(Control(o.form, c.line), c.result);
    EXPECT_EQ(o.opened.unreadLines, c.unread ? std::vector<int>{c.line} : std::vector<int>{});
    // Every other field is read as usual.
    for (int line = 1; line <= kFieldLines; ++line) {
        if (line == c.line) continue;
        EXPECT_EQ(Control(o.form, line), Control(SampleForm(), line)) << "line " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FillFormFromReadingText, DamagedField,
    ::testing::Values(DamagedCase{"an_empty_name_is_applied", 1, "", "", false},
                      DamagedCase{"a_month_that_is_no_number_is_skipped", 2, "March", "6", true},
                      DamagedCase{"month_13_is_skipped", 2, "13", "6", true},
                      DamagedCase{"month_minus_1_is_skipped", 2, "-1", "6", true},
                      DamagedCase{"month_3_point_5_rounds_half_to_even_to_march", 2, "3.5", "2", false},
                      DamagedCase{"month_1_point_4_rounds_to_january", 2, "1.4", "0", false},
                      // Position = month - 1, rounded half to even: truncating or rounding halves up differ here.
                      DamagedCase{"month_2_point_5_rounds_half_to_even_to_march", 2, "2.5", "2", false},
                      DamagedCase{"month_4_point_5_rounds_half_to_even_to_may", 2, "4.5", "4", false},
                      DamagedCase{"month_1_point_7_rounds_up_to_february", 2, "1.7", "1", false},
                      DamagedCase{"month_0_point_6_rounds_to_january", 2, "0.6", "0", false},
                      DamagedCase{"month_0_point_4_rounds_to_no_month_selected", 2, "0.4", "-1", false},
                      DamagedCase{"month_12_point_4_rounds_to_december", 2, "12.4", "11", false},
                      DamagedCase{"a_month_between_blanks_is_read", 2, " 4 ", "3", false},
                      DamagedCase{"month_0_leaves_no_month_selected", 2, "0", "-1", false},
                      DamagedCase{"day_32_is_not_in_the_list", 3, "32", "9", true},
                      DamagedCase{"day_05_is_not_in_the_list", 3, "05", "9", true},
                      DamagedCase{"year_1900_is_not_in_the_list", 4, "1900", "2001", true},
                      DamagedCase{"year_2050_is_in_the_list", 4, "2050", "2050", false},
                      DamagedCase{"hour_24_is_not_in_the_list", 5, "24", "7", true},
                      DamagedCase{"minute_60_is_not_in_the_list", 6, "60", "8", true},
                      DamagedCase{"zone_81_is_skipped", 7, "81", "5", true},
                      DamagedCase{"zone_minus_2_is_skipped", 7, "-2", "5", true},
                      DamagedCase{"zone_70_is_the_first_programs_last_row", 7, "70", "70", false},
                      DamagedCase{"zone_71_is_nepal_time", 7, "71", "71", false},
                      DamagedCase{"zone_80_is_local_mean_time", 7, "80", "80", false},
                      DamagedCase{"zone_minus_1_leaves_no_zone_selected", 7, "-1", "-1", false},
                      DamagedCase{"a_zone_that_is_no_whole_number_is_skipped", 7, "3.5", "5", true},
                      DamagedCase{"four_digits_do_not_fit_a_degree_box", 8, "1234", "1", true},
                      DamagedCase{"letters_do_not_fit_a_degree_box", 8, "12a", "1", true},
                      DamagedCase{"an_empty_degree_box_is_applied", 10, "", "", false},
                      DamagedCase{"an_empty_place_is_applied", 16, "", "", false}),
    RowName());

TEST(FillFormFromReadingText, skips_a_line_longer_than_the_limit_and_reads_the_next_lines) {
    auto fields = SampleFields();
    fields[0] = std::string(kMaxLineBytes + 1, 'A');
    Opening o = Opened(FileOf(fields));
    EXPECT_EQ(o.form.name, "Ravi");
    EXPECT_EQ(o.form.country, "India");
    EXPECT_EQ(o.opened.unreadLines, std::vector<int>{1});

    fields[0] = std::string(kMaxLineBytes, 'A');
    o = Opened(FileOf(fields));
    EXPECT_EQ(o.form.name, fields[0]);
    EXPECT_TRUE(o.opened.unreadLines.empty());
}

// Lines a damaged reading could not give, named for the user. The texts are the ones the window
// shows before it calculates and the command line prints when it refuses the file.
TEST(UnreadLines, are_named_with_their_line_numbers_in_file_order) {
    auto fields = SampleFields();
    fields[6] = "zone";
    fields[1] = "";
    fields[4] = "25";
    const Opening o = Opened(FileOf(fields));
    ASSERT_FALSE(o.message.has_value());
    EXPECT_EQ(o.opened.unreadLines, (std::vector<int>{2, 5, 7}));

    const reading::UserMessage notice = UnreadLinesNotice(o.opened);
    EXPECT_EQ(notice.text,
              "Some lines of this reading could not be read, and the form keeps what it held for them: "
              "month (line 2), hour (line 5), time zone (line 7).");
    EXPECT_EQ(notice.icon, reading::MsgIcon::Critical);
    EXPECT_EQ(notice.focus, reading::FormField::Month);
    EXPECT_EQ(UnreadLinesRefusal(o.opened).text,
              "The reading could not be opened. Some lines of it could not be read: month (line 2), hour (line 5), "
              "time zone (line 7).");
}

// ---- Files written with another shift ----------------------------------------------------------

// The sample file with every byte moved from the program's shift to another one.
std::string WithShift(const std::string& bytes, int shift) {
    std::string moved;
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c);
        moved += (c == '\r' || c == '\n') ? c : static_cast<char>(code - kFieldShift + shift);
    }
    return moved;
}

class OtherShift : public ::testing::TestWithParam<int> {};

TEST_P(OtherShift, opens_as_if_written_with_the_programs_own) {
    const std::string bytes = WithShift(ReadingFileText(SampleReading(), kIndianTime), GetParam());
    const Opening o = Opened(bytes);
    ASSERT_FALSE(o.message.has_value());
    EXPECT_EQ(Describe(o.form), Describe(SampleForm()));
    EXPECT_EQ(o.opened.shift, GetParam());
    EXPECT_TRUE(o.opened.unreadLines.empty());
}

INSTANTIATE_TEST_SUITE_P(FillFormFromReadingText, OtherShift, ::testing::Values(14, 20, 21, 45, 100, 127),
                         [](const auto& row) { return "shift_" + std::to_string(row.param); });

TEST(FillFormFromReadingText, refuses_a_file_of_another_shift_whose_truth_line_is_damaged) {
    auto bytes = WithShift(ReadingFileText(SampleReading(), kIndianTime), 45);
    // Line 13 ("False" under 45) replaced by a byte that is no word under any shift. Read with the
    // program's own shift instead, every character would be 25 codes off: "A" would read as "Z".
    const std::string shiftedFalse = WithShift(EncodeField("False"), 45);
    const std::size_t at = bytes.find("\r\n" + shiftedFalse + "\r\n");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at + 2, shiftedFalse.size(), "\x7F");
    const Opening o = Opened(bytes);
    ASSERT_TRUE(o.message.has_value());
    EXPECT_EQ(o.message->text, "This file is not a saved reading.");
    EXPECT_EQ(Describe(o.form), Describe(PreviousForm()));
}

// ---- File names ----------------------------------------------------------------------------------

struct NameCase {
    const char* name;
    const char* path;
    bool accepted;
};

class FileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(FileName, must_end_in_lower_case_ved) { EXPECT_EQ(HasReadingFileName(GetParam().path), GetParam().accepted); }

INSTANTIATE_TEST_SUITE_P(HasReadingFileName, FileName,
                         ::testing::Values(NameCase{"a_ved_file", "/home/asha/reading.ved", true},
                                           NameCase{"capitals_are_refused", "READING.VED", false},
                                           NameCase{"no_dot_is_needed", "readingved", true},
                                           NameCase{"three_letters_are_enough", "ved", true},
                                           NameCase{"a_trailing_blank_is_refused", "reading.ved ", false},
                                           NameCase{"another_extension_is_refused", "reading.txt", false},
                                           NameCase{"an_empty_path_is_refused", "", false}),
                         RowName());

// ---- Saving and opening on disk ------------------------------------------------------------------

using test_support::FolderEntries;
using test_support::Slurp;
using test_support::Spit;

class OnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vela-reading-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

TEST_F(OnDisk, saves_the_reading_and_leaves_no_temporary_file) {
    const fs::path target = folder / "asha.ved";
    EXPECT_EQ(SaveReadingFile(target.string(), SampleReading(), kIndianTime), std::nullopt);
    EXPECT_EQ(Slurp(target), ReadingFileText(SampleReading(), kIndianTime));
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"asha.ved"});
}

TEST_F(OnDisk, replaces_an_earlier_file_of_the_same_name) {
    const fs::path target = folder / "asha.ved";
    Spit(target, std::string(5000, 'x'));
    EXPECT_EQ(SaveReadingFile(target.string(), SampleReading(), kIndianTime), std::nullopt);
    EXPECT_EQ(Slurp(target), ReadingFileText(SampleReading(), kIndianTime));
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"asha.ved"});
}

void ExpectSaveRefused(const std::optional<reading::UserMessage>& message) {
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text.rfind("The reading could not be saved. ", 0), 0u) << message->text;
    EXPECT_GT(message->text.size(), std::string("The reading could not be saved. ").size());
    EXPECT_EQ(message->icon, reading::MsgIcon::Critical);
}

TEST_F(OnDisk, reports_a_save_into_a_folder_that_is_a_regular_file) {
    Spit(folder / "notes", "not a folder");
    ExpectSaveRefused(SaveReadingFile((folder / "notes" / "asha.ved").string(), SampleReading(), 0));
    EXPECT_EQ(Slurp(folder / "notes"), "not a folder");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"notes"});
}

TEST_F(OnDisk, reports_a_save_into_a_missing_folder) {
    ExpectSaveRefused(SaveReadingFile((folder / "gone" / "asha.ved").string(), SampleReading(), 0));
    EXPECT_TRUE(FolderEntries(folder).empty());
}

TEST_F(OnDisk, reports_a_save_over_a_folder_and_removes_its_temporary_file) {
    fs::create_directory(folder / "asha.ved");
    ExpectSaveRefused(SaveReadingFile((folder / "asha.ved").string(), SampleReading(), 0));
    EXPECT_TRUE(fs::is_directory(folder / "asha.ved"));
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"asha.ved"});
}

// A disk that fills up half-way: the process may write files of at most 16 bytes for the moment.
TEST_F(OnDisk, leaves_the_earlier_file_as_it_was_when_writing_fails) {
    const fs::path target = folder / "asha.ved";
    const std::string earlier = ReadingFileText(SampleReading(), 0);
    Spit(target, earlier);

    reading::Reading other = SampleReading();
    other.name = "Somebody With A Much Longer Name";
    std::optional<reading::UserMessage> message;
    {
        const FileSizeLimit sixteenBytes(16);
        ASSERT_TRUE(sixteenBytes.IsSet());
        message = SaveReadingFile(target.string(), other, 0);
    }

    ExpectSaveRefused(message);
    EXPECT_EQ(Slurp(target), earlier);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"asha.ved"});
}

TEST_F(OnDisk, opens_a_saved_reading_into_the_form) {
    const fs::path target = folder / "asha.ved";
    ASSERT_EQ(SaveReadingFile(target.string(), SampleReading(), kIndianTime), std::nullopt);
    reading::BirthForm form = PreviousForm();
    OpenedReading opened;
    EXPECT_EQ(OpenReadingFile(target.string(), form, opened), std::nullopt);
    EXPECT_EQ(Describe(form), Describe(SampleForm()));
    EXPECT_EQ(opened.shift, kFieldShift);
    EXPECT_TRUE(opened.unreadLines.empty());
}

TEST_F(OnDisk, refuses_a_name_not_ending_in_ved_before_reading_anything) {
    const fs::path target = folder / "READING.VED";
    Spit(target, ReadingFileText(SampleReading(), kIndianTime));
    reading::BirthForm form = PreviousForm();
    OpenedReading opened;
    const auto message = OpenReadingFile(target.string(), form, opened);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "Please Check The File.");
    EXPECT_EQ(message->icon, reading::MsgIcon::Critical);
    EXPECT_EQ(Describe(form), Describe(PreviousForm()));
}

struct RefusedCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> make;  // returns the path to open
    bool notAReading = false;
};

class RefusedFile : public OnDisk, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFile, gives_a_message_and_leaves_the_form) {
    const fs::path path = GetParam().make(folder);
    reading::BirthForm form = PreviousForm();
    OpenedReading opened;
    const auto message = OpenReadingFile(path.string(), form, opened);
    ASSERT_TRUE(message.has_value());
    if (GetParam().notAReading) {
        EXPECT_EQ(message->text, "This file is not a saved reading.");
    } else {
        EXPECT_EQ(message->text.rfind("The reading could not be opened. ", 0), 0u) << message->text;
        EXPECT_NE(message->text.find(path.string()), std::string::npos) << message->text;
    }
    EXPECT_EQ(message->icon, reading::MsgIcon::Critical);
    EXPECT_EQ(Describe(form), Describe(PreviousForm()));
}

INSTANTIATE_TEST_SUITE_P(OpenReadingFile, RefusedFile,
                         ::testing::Values(RefusedCase{"a_missing_file",
                                                       [](const fs::path& d) { return d / "gone.ved"; }},
                                           RefusedCase{"a_folder",
                                                       [](const fs::path& d) {
                                                           fs::create_directory(d / "folder.ved");
                                                           return d / "folder.ved";
                                                       }},
                                           RefusedCase{"an_empty_file",
                                                       [](const fs::path& d) {
                                                           Spit(d / "empty.ved", "");
                                                           return d / "empty.ved";
                                                       }},
                                           RefusedCase{"a_device_that_never_ends",
                                                       [](const fs::path& d) {
                                                           fs::create_symlink("/dev/zero", d / "zero.ved");
                                                           return d / "zero.ved";
                                                       }},
                                           RefusedCase{"a_pipe_that_would_block",
                                                       [](const fs::path& d) {
                                                           ::mkfifo((d / "pipe.ved").c_str(), 0600);
                                                           return d / "pipe.ved";
                                                       }},
                                           RefusedCase{"a_text_file_named_ved",
                                                       [](const fs::path& d) {
                                                           Spit(d / "notes.ved", "Buy milk\nCall Asha\n");
                                                           return d / "notes.ved";
                                                       },
                                                       true},
                                           RefusedCase{"one_line_of_two_megabytes",
                                                       [](const fs::path& d) {
                                                           Spit(d / "line.ved", std::string(2 << 20, 'Q'));
                                                           return d / "line.ved";
                                                       },
                                                       true}),
                         RowName());

TEST_F(OnDisk, reads_only_the_start_of_a_huge_file) {
    // 17 good lines, then two megabytes without a line end.
    const fs::path big = folder / "big.ved";
    Spit(big, ReadingFileText(SampleReading(), kIndianTime) + std::string(2 << 20, 'Q'));
    reading::BirthForm form = PreviousForm();
    OpenedReading opened;
    EXPECT_EQ(OpenReadingFile(big.string(), form, opened), std::nullopt);
    EXPECT_EQ(Describe(form), Describe(SampleForm()));
}

TEST_F(OnDisk, reads_the_lines_after_an_overlong_first_line) {
    auto fields = SampleFields();
    fields[0] = std::string(1 << 20, 'Q');
    const fs::path path = folder / "long.ved";
    Spit(path, FileOf(fields));
    reading::BirthForm form = PreviousForm();
    OpenedReading opened;
    EXPECT_EQ(OpenReadingFile(path.string(), form, opened), std::nullopt);
    reading::BirthForm expected = SampleForm();
    expected.name = "Ravi";
    EXPECT_EQ(Describe(form), Describe(expected));
    EXPECT_EQ(opened.unreadLines, std::vector<int>{1});
}

// ---- Re-saving a reading opened from a file with another shift ----------------------------------

std::vector<std::string> Latin1Fields(const std::string& name) {
    return {name, "3",  "5",    "1975",  "10",   "45",   "34",          "73",   "51",
            "18", "31", "True", "False", "True", "Pune", "Maharashtra", "India"};
}

// Line n (from 1) of a file, as its bytes.
std::string LineOf(const std::string& bytes, int n) {
    std::size_t pos = 0;
    for (int k = 1; k < n; ++k) pos = bytes.find("\r\n", pos) + 2;
    return bytes.substr(pos, bytes.find("\r\n", pos) - pos);
}

TEST_F(OnDisk, re_saves_a_letter_that_only_the_files_own_shift_can_hold) {
    // n with tilde is Latin-1 241: 241 + 14 = 255 fits, 241 + 20 does not.
    const fs::path original = folder / "munoz.ved";
    Spit(original, HandWrittenReading(Latin1Fields("Mu\xF1oz"), 14));
    reading::BirthForm form;
    OpenedReading opened;
    ASSERT_EQ(OpenReadingFile(original.string(), form, opened), std::nullopt);
    EXPECT_EQ(form.name, "Mu\u00F1oz");
    EXPECT_EQ(opened.shift, 14);

    reading::Reading state = SampleReading();
    state.name = form.name;
    const fs::path copy = folder / "copy.ved";
    EXPECT_EQ(SaveReadingFile(copy.string(), state, kIndianTime, opened.shift), std::nullopt);
    EXPECT_EQ(LineOf(Slurp(copy), 1), std::string("\x5B\x83\xFF\x7D\x88"));  // M u n~ o z, each + 14
    reading::BirthForm reopened;
    OpenedReading again;
    ASSERT_EQ(OpenReadingFile(copy.string(), reopened, again), std::nullopt);
    EXPECT_EQ(reopened.name, "Mu\u00F1oz");
}

TEST_F(OnDisk, writes_with_the_programs_own_shift_whatever_the_file_had_when_that_holds_every_letter) {
    reading::Reading state = SampleReading();
    state.name = "Asha";
    const fs::path copy = folder / "asha.ved";
    EXPECT_EQ(SaveReadingFile(copy.string(), state, kIndianTime, 14), std::nullopt);
    EXPECT_EQ(LineOf(Slurp(copy), 1), std::string("\x55\x87\x7C\x75"));   // A s h a, each + 20
    EXPECT_EQ(LineOf(Slurp(copy), 12), std::string("\x68\x86\x89\x79"));  // True + 20
}

struct UnwritableCase {
    const char* name;
    std::string reading::Reading::*field;
    std::string text;
    int openedShift;
    std::string message;
};

class UnwritableLetter : public OnDisk, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableLetter, refuses_the_save_and_writes_nothing) {
    const UnwritableCase& c = GetParam();
    reading::Reading state = SampleReading();
    state.*c.field = c.text;
    const fs::path target = folder / "lost.ved";
    const auto message = SaveReadingFile(target.string(), state, kIndianTime, c.openedShift);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, c.message);
    EXPECT_TRUE(FolderEntries(folder).empty());
}

INSTANTIATE_TEST_SUITE_P(
    SaveReadingFile, UnwritableLetter,
    ::testing::Values(UnwritableCase{"u_diaeresis_fits_neither_20_nor_14", &reading::Reading::name, "J\u00FCrgen", 14,
                                     "The reading could not be saved. A reading file cannot hold the letter "
                                     "\"\u00FC\" of the name. Save it as a .vela file, which holds every script."},
                      UnwritableCase{"a_devanagari_letter_fits_no_shift", &reading::Reading::city, "\u092A\u0941",
                                     kFieldShift,
                                     "The reading could not be saved. A reading file cannot hold the letter "
                                     "\"\u092A\" of the city. Save it as a .vela file, which holds every script."}),
    RowName());

// ---- Temporary files of saves that were killed -----------------------------------------------------

TEST_F(OnDisk, removes_only_its_own_temporary_files_that_are_an_hour_old) {
    const auto aged = [this](const std::string& name, std::chrono::minutes age) {
        Spit(folder / name, "half a reading");
        fs::last_write_time(folder / name, fs::file_time_type::clock::now() - age);
    };
    aged(".vela-upagrahas-save-1f2e-5a6b7c-0.tmp", std::chrono::minutes(61));  // a killed save
    aged(".vela-upagrahas-save-1f2e-5a6b7d-1.tmp", std::chrono::minutes(59));  // maybe a save still running
    aged(".asha.ved.1234.tmp", std::chrono::minutes(600));                     // not ours
    aged("vela-upagrahas-save-notes.tmp", std::chrono::minutes(600));          // not our name
    fs::create_directory(folder / ".vela-upagrahas-save-folder.tmp");          // not a file
    fs::create_symlink(folder / "elsewhere", folder / ".vela-upagrahas-save-link.tmp");

    EXPECT_EQ(SaveReadingFile((folder / "asha.ved").string(), SampleReading(), kIndianTime), std::nullopt);
    EXPECT_EQ(FolderEntries(folder),
              (std::vector<std::string>{".asha.ved.1234.tmp", ".vela-upagrahas-save-1f2e-5a6b7d-1.tmp",
                                        ".vela-upagrahas-save-folder.tmp", ".vela-upagrahas-save-link.tmp", "asha.ved",
                                        "vela-upagrahas-save-notes.tmp"}));
}

// ---- Paths in messages ---------------------------------------------------------------------------

TEST_F(OnDisk, quotes_a_hostile_path_on_one_line_without_control_characters) {
    const fs::path hostile = folder / "line\nbreak\x1B[31mred";
    const auto message = SaveReadingFile((hostile / "asha.ved").string(), SampleReading(), 0);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text.find('\n'), std::string::npos) << message->text;
    EXPECT_EQ(message->text.find('\x1B'), std::string::npos) << message->text;
    EXPECT_NE(message->text.find("line?break?[31mred"), std::string::npos) << message->text;
}

TEST_F(OnDisk, shortens_a_long_path_in_the_middle) {
    const std::string path = "/start-of-the-path/" + std::string(128 * 1024, 'x') + "/end-of-the-path.ved";
    reading::BirthForm form = PreviousForm();
    OpenedReading opened;
    const auto message = OpenReadingFile(path, form, opened);
    ASSERT_TRUE(message.has_value());
    EXPECT_LT(message->text.size(), 400u);
    EXPECT_NE(message->text.find("\"/start-of-the-path/xxx"), std::string::npos) << message->text;
    EXPECT_NE(message->text.find("xxx/end-of-the-path.ved\""), std::string::npos) << message->text;
    EXPECT_NE(message->text.find("..."), std::string::npos) << message->text;
}

// ---- Every reading that can be saved can be opened again ------------------------------------------

// Texts the form's letter boxes let through: letters and blanks, blanks alone included.
std::string RandomLetters(std::mt19937_64& rng) {
    static constexpr std::string_view kAlphabet = "  AaZzmQ";
    std::string text(std::uniform_int_distribution<std::size_t>(0, 6)(rng), ' ');
    for (char& c : text) c = kAlphabet[std::uniform_int_distribution<std::size_t>(0, kAlphabet.size() - 1)(rng)];
    return text;
}

TEST(RoundTrip, every_reading_that_calculates_opens_again_to_the_same_reading) {
    std::mt19937_64 rng(20260412);
    const auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int calculated = 0;
    for (int i = 0; i < 2000; ++i) {
        reading::BirthForm form;
        form.name = RandomLetters(rng);
        form.day = std::to_string(pick(1, 28));
        form.month = pick(0, 11);
        form.year = std::to_string(pick(1901, 2050));
        form.hour = std::to_string(pick(0, 23));
        form.minute = std::to_string(pick(0, 59));
        form.zoneRow = pick(0, reading::kZoneCount - 1);
        form.latDegrees = std::to_string(pick(0, 60));
        form.latMinutes = std::to_string(pick(0, 59));
        form.lonDegrees = std::to_string(pick(0, 179));
        form.lonMinutes = std::to_string(pick(0, 59));
        form.latDirection = pick(0, 1) ? reading::LatChoice::North : reading::LatChoice::South;
        form.lonDirection = pick(0, 1) ? reading::LonChoice::East : reading::LonChoice::West;
        form.dst = pick(0, 1) == 1;
        form.city = RandomLetters(rng);
        form.state = RandomLetters(rng);
        form.country = RandomLetters(rng);

        reading::Reading saved;
        if (!reading::RunCalculation(form, saved, false).Succeeded()) continue;
        ++calculated;
        const std::string bytes = ReadingFileText(saved, saved.zoneRow);
        reading::BirthForm reopened;
        OpenedReading opened;
        ASSERT_FALSE(FillFormFromReadingText(bytes, reopened, opened).has_value()) << i;
        ASSERT_TRUE(opened.unreadLines.empty()) << i;
        reading::Reading again;
        const auto outcome = reading::RunCalculation(reopened, again, false);
        ASSERT_TRUE(outcome.Succeeded()) << "reading " << i
                                         << " saved but refused on opening: " << outcome.message->text << "\n"
                                         << Describe(form);
        EXPECT_EQ(ReadingFileText(again, again.zoneRow), bytes) << i;
        EXPECT_EQ(again.birthAscendantText, saved.birthAscendantText) << i;
    }
    EXPECT_GT(calculated, 500);  // the rest had a blank name or place
}

}  // namespace
}  // namespace vela::reading
