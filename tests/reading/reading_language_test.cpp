// The reading layer's texts in Hindi and Tamil: a reading's header, table headings, table and
// working hold no word in Latin letters but the proper names the form holds (person, place, zone)
// and the profiles' short names the command line takes; the core's messages come out in the
// language with the file names they carry; the columns of the working count what the screen shows.
//
// Expected widths are Unicode's: Devanagari and Tamil vowel signs and the virama (U+093E..U+094D,
// U+0BBE..U+0BCD) are combining marks that take no column of their own.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "reading/calculation_driver.h"
#include "reading/convention_grid.h"
#include "reading/day_portions.h"
#include "reading/jhd_file.h"
#include "reading/jhd_reading.h"
#include "reading/reading_file.h"
#include "reading/reading_language.h"
#include "reading/result_summary.h"
#include "reading/vela_file.h"
#include "reading/working.h"
#include "reading/zone_check.h"
#include "tests/support/reference_forms.h"

namespace vela {
namespace {

using upagraha::Language;

// The runs of ASCII letters in a text.
std::vector<std::string> LatinWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// The words that stay in Latin letters in every language, chosen deliberately: the form's proper
// names (person, city, state, country) and the zone's name as the zone list writes it, the
// profiles' short names (original, precise, gulika-start, ..., custom) the command line's --profile takes,
// and the report's "NA", Mrityu's mark of no interpretation of its own in every language.
std::set<std::string> KeptWords(const reading::BirthForm& form, std::string_view zoneName) {
    std::set<std::string> kept = {"NA"};
    for (const std::string_view text : {std::string_view(form.name), std::string_view(form.city),
                                        std::string_view(form.state), std::string_view(form.country), zoneName})
        for (const std::string& word : LatinWords(text)) kept.insert(word);
    for (const auto& profile : upagraha::ListedProfiles())
        for (const std::string& word : LatinWords(profile.name)) kept.insert(word);
    kept.insert(std::string(upagraha::kCustomName));
    return kept;
}

// Every Latin word of the text that is not kept, for the failure message.
std::string Stray(std::string_view text, const std::set<std::string>& kept) {
    std::string stray;
    for (const std::string& word : LatinWords(text))
        if (!kept.contains(word)) stray += word + " ";
    return stray;
}

bool HasScriptOf(std::string_view text, Language language) {
    // Devanagari U+0900..U+097F opens with E0 A4 or E0 A5; Tamil U+0B80..U+0BFF with E0 AE or E0 AF.
    const auto first = language == Language::Hindi ? '\xA4' : '\xAE';
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\xE0' && (text[i + 1] == first || text[i + 1] == first + 1)) return true;
    return false;
}

struct Case {
    const char* what;
    reading::BirthForm form;
    upagraha::ConventionProfile profile;
};

std::vector<Case> Cases() {
    // A day birth on the precise ephemeris with the grahas (the sky's section, the ephemeris line);
    // a night birth before sunrise with the daylight-saving tick, under the original's formulas.
    reading::BirthForm night = NewDelhiForm("4", "30");
    night.dst = true;
    // A custom profile: the header spells out every axis.
    upagraha::ConventionProfile custom = upagraha::kOriginalProfile;
    for (const char* setting : {"lords=seven", "gulika=start", "maandi=ghatis", "kaala=end", "sunrise=disc-centre",
                                "vyatipata=dhuma-plus-53-20", "ayanamsa=lahiri"})
        EXPECT_FALSE(upagraha::ApplyConvention(custom, setting)) << setting;
    return {{"day birth, precise, grahas", NewDelhiForm(), upagraha::kPreciseProfile},
            {"night birth before sunrise, daylight saving", night, upagraha::kOriginalProfile},
            {"day birth, custom profile", NewDelhiForm(), custom}};
}

TEST(ReadingInLanguage, header_table_and_working_hold_no_english_word) {
    for (const Case& c : Cases()) {
        for (const Language language : {Language::Hindi, Language::Tamil}) {
            SCOPED_TRACE(std::string(c.what) + ", " + std::string(upagraha::LanguageCode(language)));
            reading::Reading s;
            reading::CalculationRequest request;
            request.grahas = true;
            request.language = language;
            const auto outcome = reading::RunCalculation(c.form, c.profile, s, request);
            ASSERT_TRUE(outcome.Succeeded());
            const auto header = reading::BuildHeader(s, outcome.upagrahas, language);
            const std::string zone = reading::BuildHeader(s, outcome.upagrahas).birth;
            // "15 June 1975, 10:30, Indian Time +05:30": the zone's name between the second comma and the offset.
            const auto zoneStart = zone.find(", ", zone.find(", ") + 2) + 2;
            const std::string zoneName = zone.substr(zoneStart, zone.find_first_of("+\xE2", zoneStart) - zoneStart);
            const auto kept = KeptWords(c.form, zoneName);

            std::vector<std::pair<std::string, std::string>> texts = {{"birth", header.birth},
                                                                      {"place", header.place},
                                                                      {"ascendant", header.ascendantText},
                                                                      {"day or night", header.dayNight},
                                                                      {"profile", header.profile},
                                                                      {"janma rasi", header.janmaRasi},
                                                                      {"janma nakshatra", header.janmaNakshatra}};
            for (const std::string& column : reading::TableColumns(language)) texts.emplace_back("column", column);
            const auto rows = reading::BuildTable(s, outcome.upagrahas, language);
            texts.emplace_back("table", reading::TableText(rows, language));
            const auto sensitivity = reading::FindBirthTimeSensitivity(c.form, c.profile, 20);
            const auto conventions = reading::CompareConventions(c.form, c.profile);
            texts.emplace_back("working",
                               reading::WorkingText(s, outcome.upagrahas, sensitivity, conventions, language));
            texts.emplace_back("report", upagraha::ReportPlainText(outcome.report));
            for (const auto& [what, text] : texts) {
                EXPECT_EQ(Stray(text, kept), "") << what << ": " << text;
                EXPECT_TRUE(HasScriptOf(text, language)) << what << ": " << text;
            }
            // The grahas and the Sun's upagrahas under their headings, as in English.
            EXPECT_EQ(rows.size(), reading::BuildTable(s, outcome.upagrahas).size());
        }
    }
}

TEST(ReadingInLanguage, english_stays_the_original_text) {
    reading::Reading s;
    const auto outcome = reading::RunCalculation(NewDelhiForm(), s);
    ASSERT_TRUE(outcome.Succeeded());
    const auto header = reading::BuildHeader(s, outcome.upagrahas, Language::English);
    EXPECT_EQ(header.birth, "15 June 1975, 10:30, Indian Time +05:30");
    EXPECT_EQ(header.place, "New Delhi, Delhi, India, 28\u00B037\u2032 N, 77\u00B013\u2032 E");
    EXPECT_EQ(header.dayNight, "Day birth; the day portions of Sunday");
    EXPECT_EQ(reading::TableColumns(Language::English)[0], "Upagraha");
    EXPECT_EQ(reading::MessageIn("Please Select The Time Zone", Language::English), "Please Select The Time Zone");
    EXPECT_EQ(reading::Say("%1 of %2, day", Language::English, {"1", "8"}), "1 of 8, day");
}

// The messages a refused form and a file that cannot be opened give, as the window shows them.
TEST(MessageIn, writes_the_core_messages_in_the_language_with_what_they_carry) {
    reading::BirthForm noZone = NewDelhiForm();
    noZone.zoneRow = -1;
    reading::BirthForm noCity = NewDelhiForm();
    noCity.city = "";
    reading::BirthForm badDay = NewDelhiForm();
    badDay.day = "31";
    badDay.month = 5;  // 31 June
    std::vector<std::string> messages;
    for (const auto& form : {noZone, noCity, badDay}) {
        reading::Reading s;
        const auto outcome = reading::RunCalculation(form, s);
        ASSERT_FALSE(outcome.Succeeded());
        messages.push_back(outcome.message->text);
    }
    {
        reading::Reading s;
        const auto outcome = reading::RunCalculation(TromsoForm(12, 21), s);
        ASSERT_FALSE(outcome.Succeeded());  // the Sun does not rise
        messages.push_back(outcome.message->text);
    }
    messages.emplace_back(reading::kZoneQuestion);
    messages.emplace_back(reading::kFarNorthWarning);
    reading::BirthForm form;
    reading::OpenedReading opened;
    const std::string missing = "/nonexistent-folder/Asha.ved";
    const auto notThere = reading::OpenReadingFile(missing, form, opened);
    ASSERT_TRUE(notThere.has_value());
    messages.push_back(notThere->text);

    for (const Language language : {Language::Hindi, Language::Tamil}) {
        for (const std::string& message : messages) {
            const std::string local = reading::MessageIn(message, language);
            // Only the file name's letters stay Latin.
            EXPECT_EQ(Stray(local, {"nonexistent", "folder", "Asha", "ved"}), "") << message << " -> " << local;
            EXPECT_TRUE(HasScriptOf(local, language)) << local;
        }
        // The zone's warning keeps the zone's name as the list writes it ("Indian Time").
        for (const bool dst : {false, true}) {
            const auto warning = reading::ZonePlausibilityWarning(34, dst, 0, 0, false);
            ASSERT_TRUE(warning.has_value());
            const std::string local = reading::MessageIn(*warning, language);
            EXPECT_EQ(Stray(local, {"Indian", "Time"}), "") << local;
        }
        // The lead and the reason are each translated; the file name is carried whole.
        const std::string local = reading::MessageIn(notThere->text, language);
        EXPECT_NE(local.find(missing), std::string::npos) << local;
        EXPECT_EQ(reading::MessageIn("A message the program never wrote.", language),
                  "A message the program never wrote.");
    }
}

// Every translation carries the same placeholders as its English, and no Latin word but the file
// kinds' endings (.ved, .vela).
TEST(MessageIn, every_translation_keeps_the_placeholders_of_its_english) {
    const auto placeholders = [](std::string_view text) {
        std::multiset<char> found;
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text[i + 1]);
        return found;
    };
    ASSERT_GT(reading::TranslatedTextCount(), 100u);
    for (std::size_t i = 0; i < reading::TranslatedTextCount(); ++i) {
        const auto text = reading::TranslatedTextAt(i);
        for (const std::string_view local : {text.hindi, text.tamil}) {
            EXPECT_FALSE(local.empty()) << text.english;
            EXPECT_EQ(placeholders(local), placeholders(text.english)) << text.english << " -> " << local;
            EXPECT_EQ(Stray(local, {"ved", "vela"}), "") << local;
        }
    }
}

// A profile in words, axis by axis: every value in the glossary's terms (docs/translations.md:
// "eight-place cycle / seven lords", "point of a portion", "upper limb, centre of the disc",
// "refraction", the upagrahas and upagrahas of the Sun, "precise ephemeris", "Ayanamsa"). A Tamil
// noun takes its case ending (விளிம்பு, விளிம்பில்), so the Tamil terms are given to their stem.
TEST(ProfileDescription, says_every_axis_in_the_glossary_terms) {
    struct Described {
        std::vector<const char*> settings;
        std::vector<std::string_view> hindi;
        std::vector<std::string_view> tamil;
    };
    const Described cases[] = {
        {{},
         {"आठ स्थानों का चक्र", "मध्य", "सूर्योदय", "ऊपरी किनारे", "अपवर्तन"},
         {"எட்டு இடச் சுழற்சி", "நடு", "சூரிய உதயம்", "மேல் விளிம்ப", "ஒளிவிலகல"}},
        {{"lords=seven", "gulika=start"},
         {"सात स्वामी", "गुलिक", "आरंभ", "मध्य"},
         {"ஏழு அதிபதிகள்", "குளிகன்", "தொடக்க", "நடு"}},
        {{"lords=eight-night-four-on", "kaala=end", "mrityu=end", "arthaprahaara=end", "yamaghantaka=start"},
         {"आठ स्थानों का चक्र", "रात्रि", "यमघण्टक", "आरंभ", "अंत"},
         {"எட்டு இடச் சுழற்சி", "இரவு", "எமகண்டன்", "தொடக்க", "முடிவ"}},
        {{"maandi=ghatis", "sunrise=disc-centre"}, {"घटियों से मान्दि", "केंद्र"}, {"மாந்தி", "நாழிகை", "மைய"}},
        {{"vyatipata=dhuma-plus-53-20", "sunrise=disc-centre-refracted"},
         {"व्यतिपात", "धूम", "53", "केंद्र", "अपवर्तन सहित"},
         {"வியதிபாதன்", "தூமன", "53", "மைய", "ஒளிவிலகலுடன்"}},
        {{"ephemeris=precise", "ayanamsa=lahiri"},
         {"सूक्ष्म पंचांग", "लाहिड़ी", "अयनांश"},
         {"துல்லியப் பஞ்சாங்கம்", "லாஹிரி", "அயனாம்சம்"}},
        {{"ayanamsa=lahiri"}, {"लाहिड़ी", "अयनांश"}, {"லாஹிரி", "அயனாம்சம்"}},
    };
    for (const Described& c : cases) {
        upagraha::ConventionProfile profile = upagraha::kOriginalProfile;
        for (const char* setting : c.settings) ASSERT_FALSE(upagraha::ApplyConvention(profile, setting)) << setting;
        for (const Language language : {Language::Hindi, Language::Tamil}) {
            const std::string text = reading::ProfileDescription(profile, language);
            SCOPED_TRACE(upagraha::ProfileSpecText(profile) + " -> " + text);
            EXPECT_EQ(Stray(text, {}), "");
            for (const std::string_view term : language == Language::Hindi ? c.hindi : c.tamil)
                EXPECT_NE(text.find(term), std::string::npos) << term;
        }
    }
}

// The choghadiyas' names as Hindi almanacs print them (vaidikbharati.blogspot.com: शुभ, रोग, उद्वेग,
// चर, लाभ, अमृत, काल) and in Tamil as the glossary gives them.
TEST(ChoghadiyaName, names_the_seven_in_the_language) {
    const struct {
        std::string_view english;
        std::string_view hindi;
        std::string_view tamil;
    } names[] = {{"Amrit", "अमृत", "அமிர்தம்"}, {"Shubh", "शुभ", "சுபம்"}, {"Labh", "लाभ", "லாபம்"},    {"Char", "चर", "சரம்"},
                 {"Rog", "रोग", "ரோகம்"},     {"Kaal", "काल", "காலம்"}, {"Udveg", "उद्वेग", "உத்வேகம்"}};
    int found = 0;
    for (const auto choghadiya : reading::ChoghadiyaOrder(0)) {
        for (const auto& name : names) {
            if (reading::ChoghadiyaName(choghadiya) != name.english) continue;
            ++found;
            EXPECT_EQ(reading::ChoghadiyaName(choghadiya, Language::Hindi), name.hindi);
            EXPECT_EQ(reading::ChoghadiyaName(choghadiya, Language::Tamil), name.tamil);
            EXPECT_EQ(reading::ChoghadiyaName(choghadiya, Language::English), name.english);
        }
    }
    EXPECT_EQ(found, 16);  // the day's 8 and the night's 8, every one named
}

// The text outside double quotes: a quoted part is what a file held, or one of its own keys.
std::string Unquoted(std::string_view text) {
    std::string out;
    bool inside = false;
    for (const char c : text) {
        if (c == '"')
            inside = !inside;
        else if (!inside)
            out += c;
    }
    return out;
}

// The rare messages of the chart (.jhd) and reading (.vela) files: each line's fault, each field's,
// and why a reading needs a .vela file, in the language but for what the file itself held.
TEST(MessageIn, writes_the_file_messages_in_the_language) {
    const std::vector<std::string> good = {"8",         "15",    "1990", "14.2",    "-5.3", "-77.35",
                                           "12.58",     "920",   "-5.5", "-5.5",    "0",    "105",
                                           "Bangalore", "India", "1",    "1013.25", "20",   "2"};
    const auto jhd = [&good](std::vector<std::pair<int, const char*>> changes, std::size_t lines = 18) {
        std::vector<std::string> text = good;
        for (const auto& [line, value] : changes) text[static_cast<std::size_t>(line - 1)] = value;
        std::string bytes;
        for (std::size_t i = 0; i < lines; ++i) bytes += text[i] + "\r\n";
        return bytes;
    };
    std::vector<std::string> messages;
    for (const std::string& bytes :
         {jhd({{1, "13"}}), jhd({{1, "x"}}), jhd({{1, ""}}), jhd({{1, "2"}, {2, "31"}}), jhd({{2, "40"}}),
          jhd({{3, "12000"}}), jhd({{4, "24.1"}}), jhd({{4, "-0.1"}}), jhd({{4, "10.75"}}), jhd({{5, "-17"}}),
          jhd({{6, "-181"}}), jhd({{7, "91"}}), jhd({{8, "abc"}}), jhd({{8, ""}}), jhd({{8, "1e12"}}), jhd({}, 5),
          std::string(), std::string(70000, '1')}) {
        const auto parsed = reading::ParseJhd(bytes);
        ASSERT_FALSE(parsed.chart) << bytes;
        messages.push_back(parsed.problem.message);
    }
    {
        auto chart = *reading::ParseJhd(jhd({})).chart;
        chart.city = "New^Delhi";
        messages.push_back(reading::FormatJhd(chart).problem.message);
        chart.city = "New\nDelhi";
        messages.push_back(reading::FormatJhd(chart).problem.message);
    }
    const std::string vela = reading::VelaFileText(NewDelhiForm(), "original");
    const auto changed = [&vela](std::string_view from, std::string_view to) {
        std::string text = vela;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    for (const std::string& text : {std::string("xx"), std::string("{}"), changed("\"version\": 1", "\"version\": 9"),
                                    changed("\"name\":", "\"nom\":"), changed("\"month\": 6", "\"month\": 13"),
                                    changed("\"day\": \"15\"", "\"day\": 15"), changed("\"dst\": false", "\"dst\": 0"),
                                    changed("\"direction\": \"N\"", "\"direction\": \"Q\""),
                                    changed("\"zone\": {", "\"zone\": 3, \"zone2\": {")}) {
        reading::BirthForm form;
        std::string profile;
        const auto problem = reading::FillFormFromVelaText(text, form, profile);
        ASSERT_TRUE(problem) << text;
        messages.push_back(problem->text);
    }
    {
        reading::Reading s;
        ASSERT_TRUE(reading::RunCalculation(NewDelhiForm(), s).Succeeded());
        reading::Reading exact = s;
        exact.exactZone = reading::ExactZone{19800, "UTC+05:30"};
        reading::Reading seconds = s;
        seconds.latSeconds = 12;
        reading::Reading letter = s;
        letter.city = "\u0915\u092E\u0932";  // कमल: no letter of it fits a .ved file
        for (const auto* r : {&exact, &seconds, &letter})
            messages.push_back(reading::WhyVelaIsNeeded(*r, 20).value_or(""));
        reading::BirthForm cut = NewDelhiForm();
        cut.name = "Asha \xE0\xA4";
        messages.push_back(reading::CheckVelaTexts(cut).value_or(reading::UserMessage{}).text);
    }
    // A file's name is carried whole, whatever words of the messages it holds.
    const std::string odd = "/nonexistent-folder/Line 2 (day): Asha and Ravi; Kaala from the 3rd.jhd";
    reading::BirthForm unread;
    const auto missing = reading::OpenJhdFile(odd, unread);
    ASSERT_TRUE(missing);
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        const std::string local = reading::MessageIn(missing->text, language);
        EXPECT_NE(local.find(odd), std::string::npos) << local;
        EXPECT_TRUE(HasScriptOf(local, language)) << local;
    }
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        for (const std::string& message : messages) {
            ASSERT_FALSE(message.empty());
            const std::string local = reading::MessageIn(message, language);
            // Only what the file held stays: its quoted texts, its directions, and the file kinds.
            EXPECT_EQ(Stray(Unquoted(local), {"N", "S", "ved", "vela"}), "") << message << " -> " << local;
            EXPECT_TRUE(HasScriptOf(local, language)) << local;
        }
    }
}

// The comparison of the profiles: its notes (a birth near sunrise, upagrahas taken from other
// portions, one near a sign change) and its grid, in the language but for the profiles' names.
TEST(ConventionGridText, writes_the_notes_and_the_grid_in_the_language) {
    std::set<std::string> kept = KeptWords(NewDelhiForm(), "");
    std::vector<reading::ConventionGrid> grids;
    std::size_t notes = 0;
    for (const char* time : {"05:10", "05:20", "05:25", "05:30", "10:30", "18:45", "19:15", "23:50"}) {
        const std::string clock = time;
        const reading::BirthForm form = NewDelhiForm(clock.substr(0, 2), clock.substr(3));
        grids.push_back(reading::CompareProfiles(form, upagraha::kOriginalProfile));
        notes += grids.back().notes.size();
    }
    ASSERT_GE(notes, 3u);
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        for (const auto& grid : grids) {
            for (const std::string& note : grid.notes) {
                const std::string local = reading::MessageIn(note, language);
                EXPECT_EQ(Stray(local, kept), "") << note << " -> " << local;
            }
            const std::string text = reading::ConventionGridText(grid, language);
            EXPECT_EQ(Stray(text, kept), "") << text;
            EXPECT_TRUE(HasScriptOf(text, language)) << text;
        }
    }
}

TEST(DisplayWidth, counts_letters_not_the_marks_that_join_them) {
    const struct {
        std::string_view text;
        std::size_t columns;
    } cases[] = {
        {"Kaala", 5},
        {"\u0917\u0941\u0932\u093F\u0915", 3},              // गुलिक: ga, la, ka with two vowel signs
        {"\u0B95\u0BC1\u0BB3\u0BBF\u0B95\u0BA9\u0BCD", 4},  // குளிகன்: ka, La, ka, na with signs and virama
        {"10\u00B056\u2032", 6},                            // 10°56′
        {"\u2014", 1},                                      // the unruled portion's em dash
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reading::DisplayWidth(c.text), c.columns) << c.text;
        std::string padded;
        reading::AppendColumn(padded, c.text, 8);
        EXPECT_EQ(padded.size(), c.text.size() + 8 - c.columns) << c.text;
    }
    std::string right;
    reading::AppendColumn(right, "\u0917\u0941\u0932\u093F\u0915", 5, true);
    EXPECT_EQ(right, "  \u0917\u0941\u0932\u093F\u0915");
}

}  // namespace
}  // namespace vela
