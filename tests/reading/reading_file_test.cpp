// The saved reading file: its bytes, reading it back into the form, damaged files, and the disk.
//
// Expected bytes are worked out by hand from the format: each character's Latin-1 code plus 20,
// then 13, 10 after every field (for example "A" = 65 is written as 85).
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "reading/reading_file.h"
#include "tests/support/test_names.h"

namespace vela::modReadingFile {
namespace {

namespace fs = std::filesystem;

// Born 5 March 1975 at 10:45 in Pune (18°31' N, 73°51' E), daylight saving ticked.
SharedChartState SampleReading() {
    SharedChartState s;
    s.strName = "Asha Rao";
    s.intMonth = 3;
    s.intDay = 5;
    s.intYear = 1975;
    s.intHour = 10;
    s.intMinute = 45;
    s.intLonDeg = 73;
    s.intLonMin = 51;
    s.intLatDeg = 18;
    s.intLatMin = 31;
    s.blnEast = true;
    s.blnSouth = false;
    s.blnDST = true;
    s.strCity = "Pune";
    s.strState = "Maharashtra";
    s.strCountry = "India";
    return s;
}

constexpr int kIndianTime = 34;

// The form the sample reading gives back.
BirthForm SampleForm() {
    BirthForm f;
    f.txtName = "Asha Rao";
    f.cboMonth = 2;
    f.cboDate = "5";
    f.cboYear = "1975";
    f.cboHour = "10";
    f.cboMinute = "45";
    f.cboTimeZone = kIndianTime;
    f.txtLonDeg = "73";
    f.txtLonMin = "51";
    f.txtLatDeg = "18";
    f.txtLatMin = "31";
    f.optLong = LonChoice::East;
    f.optLat = LatChoice::North;
    f.chkDST = true;
    f.txtCity = "Pune";
    f.txtState = "Maharashtra";
    f.txtCountry = "India";
    return f;
}

// A form that differs from the sample in every control, to see which ones a file changed.
BirthForm PreviousForm() {
    BirthForm f;
    f.txtName = "Ravi";
    f.cboMonth = 6;
    f.cboDate = "9";
    f.cboYear = "2001";
    f.cboHour = "7";
    f.cboMinute = "8";
    f.cboTimeZone = 5;
    f.txtLonDeg = "1";
    f.txtLonMin = "2";
    f.txtLatDeg = "3";
    f.txtLatMin = "4";
    f.optLong = LonChoice::West;
    f.optLat = LatChoice::South;
    f.chkDST = false;
    f.txtCity = "Kochi";
    f.txtState = "Kerala";
    f.txtCountry = "Bharat";
    return f;
}

const char* Name(LatChoice c) { return c == LatChoice::North ? "North" : c == LatChoice::South ? "South" : "none"; }
const char* Name(LonChoice c) { return c == LonChoice::East ? "East" : c == LonChoice::West ? "West" : "none"; }

// The control that line n (from 1) of a file fills, as text.
std::string Control(const BirthForm& f, int line) {
    switch (line) {
        case 1:
            return f.txtName;
        case 2:
            return std::to_string(f.cboMonth);
        case 3:
            return f.cboDate;
        case 4:
            return f.cboYear;
        case 5:
            return f.cboHour;
        case 6:
            return f.cboMinute;
        case 7:
            return std::to_string(f.cboTimeZone);
        case 8:
            return f.txtLonDeg;
        case 9:
            return f.txtLonMin;
        case 10:
            return f.txtLatDeg;
        case 11:
            return f.txtLatMin;
        case 12:
            return Name(f.optLong);
        case 13:
            return Name(f.optLat);
        case 14:
            return f.chkDST ? "ticked" : "clear";
        case 15:
            return f.txtCity;
        case 16:
            return f.txtState;
        case 17:
            return f.txtCountry;
        default:
            return "?";
    }
}

// Every control, one per line, so that a difference shows which one.
std::string Describe(const BirthForm& f) {
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

BirthForm FilledFrom(const std::string& bytes, BirthForm form = PreviousForm()) {
    FillFormFromReadingText(bytes, form);
    return form;
}

// ---- Writing ------------------------------------------------------------------------------------

TEST(ReadingFileText, writes_a_three_letter_name_as_its_codes_plus_20_then_cr_lf) {
    SharedChartState s = SampleReading();
    s.strName = "Ann";
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

TEST(ReadingFileText, removes_blanks_around_every_field_before_encoding) {
    SharedChartState s = SampleReading();
    s.strName = "  Asha Rao  ";
    s.strCity = " Pune";
    s.strCountry = "\tIndia ";  // only blanks are removed
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
    SharedChartState s = SampleReading();
    s.strName = "Ren\u00E9e";
    s.intMonth = 12;
    s.intDay = 31;
    s.intYear = 2050;
    s.intHour = 23;
    s.intMinute = 59;
    s.blnEast = false;
    s.blnSouth = true;
    s.blnDST = false;
    BirthForm expected = SampleForm();
    expected.txtName = "Ren\u00E9e";
    expected.cboMonth = 11;
    expected.cboDate = "31";
    expected.cboYear = "2050";
    expected.cboHour = "23";
    expected.cboMinute = "59";
    expected.cboTimeZone = 70;
    expected.optLong = LonChoice::West;
    expected.optLat = LatChoice::South;
    expected.chkDST = false;
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

TEST(FillFormFromReadingText, fills_from_a_ten_line_file_only_the_fields_it_has) {
    auto fields = SampleFields();
    fields.resize(10);
    const BirthForm form = FilledFrom(FileOf(fields));
    const BirthForm sample = SampleForm();
    const BirthForm previous = PreviousForm();
    for (int line = 1; line <= kFieldLines; ++line)
        EXPECT_EQ(Control(form, line), Control(line <= 10 ? sample : previous, line)) << "line " << line;
}

TEST(FillFormFromReadingText, leaves_no_month_and_no_zone_selected_for_month_0_and_zone_minus_1) {
    auto fields = SampleFields();
    fields[1] = "0";
    fields[6] = "-1";
    const BirthForm form = FilledFrom(FileOf(fields));
    EXPECT_EQ(form.cboMonth, -1);
    EXPECT_EQ(form.cboTimeZone, -1);
}

TEST(FillFormFromReadingText, leaves_the_form_as_it_was_for_an_empty_text) {
    EXPECT_EQ(Describe(FilledFrom("")), Describe(PreviousForm()));
}

struct DamagedCase {
    const char* name;
    int line;            // from 1
    std::string field;   // what the line holds, before encoding
    std::string result;  // the control afterwards, as Control() shows it
};

class DamagedField : public ::testing::TestWithParam<DamagedCase> {};

// The rest of the file is the sample reading; the form held PreviousForm() before.
TEST_P(DamagedField, is_skipped_or_applied_on_its_own) {
    const DamagedCase& c = GetParam();
    auto fields = SampleFields();
    fields[static_cast<std::size_t>(c.line - 1)] = c.field;
    const BirthForm form = FilledFrom(FileOf(fields));
    EXPECT_EQ(Control(form, c.line), c.result);
    // Every other field is read as usual.
    for (int line = 1; line <= kFieldLines; ++line) {
        if (line == c.line) continue;
        EXPECT_EQ(Control(form, line), Control(SampleForm(), line)) << "line " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FillFormFromReadingText, DamagedField,
    ::testing::Values(
        DamagedCase{"an_empty_name_is_applied", 1, "", ""},
        DamagedCase{"a_month_that_is_no_number_is_skipped", 2, "March", "6"},
        DamagedCase{"month_13_is_skipped", 2, "13", "6"}, DamagedCase{"month_minus_1_is_skipped", 2, "-1", "6"},
        DamagedCase{"month_3_point_5_rounds_half_to_even_to_march", 2, "3.5", "2"},
        DamagedCase{"month_1_point_4_rounds_to_january", 2, "1.4", "0"},
        DamagedCase{"a_month_between_blanks_is_read", 2, " 4 ", "3"},
        DamagedCase{"day_32_is_not_in_the_list", 3, "32", "9"}, DamagedCase{"day_05_is_not_in_the_list", 3, "05", "9"},
        DamagedCase{"year_1900_is_not_in_the_list", 4, "1900", "2001"},
        DamagedCase{"year_2050_is_in_the_list", 4, "2050", "2050"},
        DamagedCase{"hour_24_is_not_in_the_list", 5, "24", "7"},
        DamagedCase{"minute_60_is_not_in_the_list", 6, "60", "8"}, DamagedCase{"zone_81_is_skipped", 7, "81", "5"},
        DamagedCase{"zone_minus_2_is_skipped", 7, "-2", "5"},
        DamagedCase{"zone_70_is_the_first_programs_last_row", 7, "70", "70"},
        DamagedCase{"zone_71_is_nepal_time", 7, "71", "71"}, DamagedCase{"zone_80_is_local_mean_time", 7, "80", "80"},
        DamagedCase{"a_zone_that_is_no_whole_number_is_skipped", 7, "3.5", "5"},
        DamagedCase{"four_digits_do_not_fit_a_degree_box", 8, "1234", "1"},
        DamagedCase{"letters_do_not_fit_a_degree_box", 8, "12a", "1"},
        DamagedCase{"an_empty_degree_box_is_applied", 10, "", ""},
        // The previous form had West, South and no daylight saving.
        DamagedCase{"true_in_capitals_selects_east", 12, "TRUE", "East"},
        DamagedCase{"minus_1_selects_east", 12, "-1", "East"},
        DamagedCase{"false_in_small_letters_selects_north", 13, "false", "North"},
        DamagedCase{"zero_selects_north", 13, "0", "North"},
        DamagedCase{"an_unreadable_truth_word_leaves_the_direction", 13, "Maybe", "South"},
        DamagedCase{"true_between_blanks_ticks_daylight_saving", 14, " True ", "ticked"},
        DamagedCase{"an_unreadable_truth_word_leaves_daylight_saving", 14, "Yes", "clear"},
        DamagedCase{"an_empty_place_is_applied", 16, "", ""}),
    RowName());

TEST(FillFormFromReadingText, skips_a_line_longer_than_the_limit_and_reads_the_next_lines) {
    auto fields = SampleFields();
    fields[0] = std::string(kMaxLineBytes + 1, 'A');
    BirthForm form = FilledFrom(FileOf(fields));
    EXPECT_EQ(form.txtName, "Ravi");
    EXPECT_EQ(form.txtCountry, "India");

    fields[0] = std::string(kMaxLineBytes, 'A');
    form = FilledFrom(FileOf(fields));
    EXPECT_EQ(form.txtName, fields[0]);
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
    EXPECT_EQ(Describe(FilledFrom(bytes)), Describe(SampleForm()));
}

INSTANTIATE_TEST_SUITE_P(FillFormFromReadingText, OtherShift, ::testing::Values(14, 20, 21, 45, 100, 127),
                         [](const auto& row) { return "shift_" + std::to_string(row.param); });

TEST(FillFormFromReadingText, reads_with_the_programs_shift_when_a_truth_line_is_damaged) {
    auto bytes = WithShift(ReadingFileText(SampleReading(), kIndianTime), 45);
    // Line 13 ("False" under 45) replaced by a byte that is no word under any shift.
    const std::string shiftedFalse = WithShift(EncodeField("False"), 45);
    const std::size_t at = bytes.find("\r\n" + shiftedFalse + "\r\n");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at + 2, shiftedFalse.size(), "\x7F");
    const BirthForm form = FilledFrom(bytes);
    // Under 20 instead of 45 every character is 25 codes higher: "A" reads as "Z".
    EXPECT_EQ(form.txtName, DecodeField(WithShift(EncodeField("Asha Rao"), 45)));
    EXPECT_EQ(form.txtName.front(), 'Z');
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

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Spit(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class OnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vela-reading-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

TEST_F(OnDisk, saves_the_reading_and_leaves_no_temporary_file) {
    const fs::path target = folder_ / "asha.ved";
    EXPECT_EQ(SaveReadingFile(target.string(), SampleReading(), kIndianTime), std::nullopt);
    EXPECT_EQ(Slurp(target), ReadingFileText(SampleReading(), kIndianTime));
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"asha.ved"});
}

TEST_F(OnDisk, replaces_an_earlier_file_of_the_same_name) {
    const fs::path target = folder_ / "asha.ved";
    Spit(target, std::string(5000, 'x'));
    EXPECT_EQ(SaveReadingFile(target.string(), SampleReading(), kIndianTime), std::nullopt);
    EXPECT_EQ(Slurp(target), ReadingFileText(SampleReading(), kIndianTime));
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"asha.ved"});
}

void ExpectSaveRefused(const std::optional<UserMessage>& message) {
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->strText.rfind("The reading could not be saved. ", 0), 0u) << message->strText;
    EXPECT_GT(message->strText.size(), std::string("The reading could not be saved. ").size());
    EXPECT_EQ(message->icon, MsgIcon::Critical);
}

TEST_F(OnDisk, reports_a_save_into_a_folder_that_is_a_regular_file) {
    Spit(folder_ / "notes", "not a folder");
    ExpectSaveRefused(SaveReadingFile((folder_ / "notes" / "asha.ved").string(), SampleReading(), 0));
    EXPECT_EQ(Slurp(folder_ / "notes"), "not a folder");
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"notes"});
}

TEST_F(OnDisk, reports_a_save_into_a_missing_folder) {
    ExpectSaveRefused(SaveReadingFile((folder_ / "gone" / "asha.ved").string(), SampleReading(), 0));
    EXPECT_TRUE(FolderEntries(folder_).empty());
}

TEST_F(OnDisk, reports_a_save_over_a_folder_and_removes_its_temporary_file) {
    fs::create_directory(folder_ / "asha.ved");
    ExpectSaveRefused(SaveReadingFile((folder_ / "asha.ved").string(), SampleReading(), 0));
    EXPECT_TRUE(fs::is_directory(folder_ / "asha.ved"));
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"asha.ved"});
}

// A disk that fills up half-way: the process may write files of at most 16 bytes for the moment.
TEST_F(OnDisk, leaves_the_earlier_file_as_it_was_when_writing_fails) {
    const fs::path target = folder_ / "asha.ved";
    const std::string earlier = ReadingFileText(SampleReading(), 0);
    Spit(target, earlier);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    SharedChartState other = SampleReading();
    other.strName = "Somebody With A Much Longer Name";
    const auto message = SaveReadingFile(target.string(), other, 0);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ExpectSaveRefused(message);
    EXPECT_EQ(Slurp(target), earlier);
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"asha.ved"});
}

TEST_F(OnDisk, opens_a_saved_reading_into_the_form) {
    const fs::path target = folder_ / "asha.ved";
    ASSERT_EQ(SaveReadingFile(target.string(), SampleReading(), kIndianTime), std::nullopt);
    BirthForm form = PreviousForm();
    EXPECT_EQ(OpenReadingFile(target.string(), form), std::nullopt);
    EXPECT_EQ(Describe(form), Describe(SampleForm()));
}

TEST_F(OnDisk, refuses_a_name_not_ending_in_ved_before_reading_anything) {
    const fs::path target = folder_ / "READING.VED";
    Spit(target, ReadingFileText(SampleReading(), kIndianTime));
    BirthForm form = PreviousForm();
    const auto message = OpenReadingFile(target.string(), form);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->strText, "Please Check The File.");
    EXPECT_EQ(message->icon, MsgIcon::Critical);
    EXPECT_EQ(Describe(form), Describe(PreviousForm()));
}

struct RefusedCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> make;  // returns the path to open
};

class RefusedFile : public OnDisk, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFile, gives_a_message_and_leaves_the_form) {
    const fs::path path = GetParam().make(folder_);
    BirthForm form = PreviousForm();
    const auto message = OpenReadingFile(path.string(), form);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->strText.rfind("The reading could not be opened. ", 0), 0u) << message->strText;
    EXPECT_NE(message->strText.find(path.string()), std::string::npos) << message->strText;
    EXPECT_EQ(message->icon, MsgIcon::Critical);
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
                                                       }}),
                         RowName());

TEST_F(OnDisk, reads_only_the_start_of_a_huge_file) {
    // 17 good lines, then two megabytes without a line end.
    const fs::path big = folder_ / "big.ved";
    Spit(big, ReadingFileText(SampleReading(), kIndianTime) + std::string(2 << 20, 'Q'));
    BirthForm form = PreviousForm();
    EXPECT_EQ(OpenReadingFile(big.string(), form), std::nullopt);
    EXPECT_EQ(Describe(form), Describe(SampleForm()));

    // One line of two megabytes: the part that was read is no whole line, so the name is kept.
    const fs::path oneLine = folder_ / "line.ved";
    Spit(oneLine, std::string(2 << 20, 'Q'));
    form = PreviousForm();
    EXPECT_EQ(OpenReadingFile(oneLine.string(), form), std::nullopt);
    EXPECT_EQ(Describe(form), Describe(PreviousForm()));
}

TEST_F(OnDisk, reads_the_lines_after_an_overlong_first_line) {
    auto fields = SampleFields();
    fields[0] = std::string(1 << 20, 'Q');
    const fs::path path = folder_ / "long.ved";
    Spit(path, FileOf(fields));
    BirthForm form = PreviousForm();
    EXPECT_EQ(OpenReadingFile(path.string(), form), std::nullopt);
    BirthForm expected = SampleForm();
    expected.txtName = "Ravi";
    EXPECT_EQ(Describe(form), Describe(expected));
}

}  // namespace
}  // namespace vela::modReadingFile
