// The core's texts in English, Hindi and Tamil: every lookup answers every index in every
// language, English is the program's own text, Hindi is written in Devanagari and Tamil in Tamil
// script, the translations keep the English sentence for sentence, and the named terms are the
// ones the glossary (docs/translations.md) cites from published almanac and astrology pages.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "reading/reference_tables.h"
#include "upagraha/language.h"
#include "upagraha/nakshatra.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace vela::upagraha {
namespace {

constexpr int kMrityu = 1;

// One lookup over its whole range, as the glossary groups them.
struct Group {
    const char* name;
    int count;
    std::function<std::string_view(int, Language)> lookup;
};

std::vector<Group> Groups() {
    return {
        {"upagrahas", kUpagrahaCount, UpagrahaName},
        {"upagrahas of the Sun", kSunUpagrahaCount, SunUpagrahaName},
        {"grahas", 9, [](int i, Language l) { return GrahaName(static_cast<sky::Graha>(i), l); }},
        {"lords", 7, [](int i, Language l) { return LordName(static_cast<Planet>(i), l); }},
        {"signs", 12, SignName},
        {"sign short forms", 12, SignAbbreviation},
        {"nakshatras", kNakshatraCount, NakshatraName},
        {"weekdays", 7, WeekdayName},
        {"months", 12, MonthName},
        {"day and night", 2, [](int i, Language l) { return DayNightName(i == 0, l); }},
        {"report labels", 5, [](int i, Language l) { return ReportLabelText(static_cast<ReportLabel>(i), l); }},
        {"significance", kUpagrahaCount, Significance},
    };
}

// Decodes UTF-8; false when the bytes are not well-formed.
bool CodePoints(std::string_view text, std::vector<char32_t>& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) return false;
        char32_t c = extra == 0 ? b : (b & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// Every letter of the text lies in [first, last]; spaces, digits, ASCII punctuation and the em
// dash may stand between them. Answers the first code point that does not fit, or 0.
char32_t ForeignCodePoint(std::string_view text, char32_t first, char32_t last) {
    std::vector<char32_t> points;
    if (!CodePoints(text, points)) return 0xFFFD;
    for (const char32_t c : points) {
        const bool asciiLetter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool neutral = (c < 0x80 && !asciiLetter && c >= 0x20) || c == 0x2014;
        if (!neutral && (c < first || c > last)) return c;
    }
    return 0;
}

// Sentence ends: the English full stop, the Hindi danda, the Tamil full stop.
int SentenceCount(std::string_view text, Language language) {
    const std::string_view stop = language == Language::Hindi ? "\u0964" : ".";
    int count = 0;
    for (std::size_t at = text.find(stop); at != std::string_view::npos; at = text.find(stop, at + stop.size()))
        ++count;
    return count;
}

TEST(LanguageTexts, every_lookup_answers_every_index_in_every_language_and_nothing_outside) {
    for (const Group& group : Groups()) {
        for (const Language language : kLanguages) {
            std::set<std::string_view> seen;
            for (int i = 0; i < group.count; ++i) {
                const std::string_view text = group.lookup(i, language);
                EXPECT_FALSE(text.empty()) << group.name << " " << i << " in " << LanguageCode(language);
                seen.insert(text);
            }
            // Names are distinct within a group; the significance lines repeat where the English
            // does (Gulika and Maandi are both like Saturn).
            const std::size_t distinct =
                std::string_view(group.name) == "significance" ? 5u : static_cast<std::size_t>(group.count);
            EXPECT_EQ(seen.size(), distinct) << group.name << " in " << LanguageCode(language);
        }
    }
    for (const Language language : kLanguages) {
        for (int upagraha = 0; upagraha < kUpagrahaCount; ++upagraha)
            for (int house = 1; house <= 12; ++house)
                EXPECT_FALSE(Interpretation(upagraha, house, language).empty()) << upagraha << " " << house;
        EXPECT_TRUE(UpagrahaName(-1, language).empty());
        EXPECT_TRUE(UpagrahaName(kUpagrahaCount, language).empty());
        EXPECT_TRUE(SignName(12, language).empty());
        EXPECT_TRUE(SignAbbreviation(-1, language).empty());
        EXPECT_TRUE(NakshatraName(kNakshatraCount, language).empty());
        EXPECT_TRUE(WeekdayName(7, language).empty());
        EXPECT_TRUE(MonthName(12, language).empty());
        EXPECT_TRUE(Interpretation(0, 0, language).empty());
        EXPECT_TRUE(Interpretation(0, 13, language).empty());
        EXPECT_TRUE(Interpretation(kUpagrahaCount, 1, language).empty());
        EXPECT_TRUE(LordName(static_cast<Planet>(9), language).empty());
        EXPECT_EQ(LordName(Planet::NoLord, language), PlanetText(Planet::NoLord));
    }
    EXPECT_TRUE(SignName(0, static_cast<Language>(7)).empty());
    EXPECT_TRUE(LanguageCode(static_cast<Language>(7)).empty());
}

TEST(LanguageTexts, english_is_the_programs_own_text) {
    for (int i = 0; i < kUpagrahaCount; ++i) {
        EXPECT_EQ(UpagrahaName(i, Language::English), kUpagrahaNames[static_cast<std::size_t>(i)]);
        EXPECT_EQ(Significance(i, Language::English), kUpagrahaSignificance[static_cast<std::size_t>(i)]);
        for (int house = 1; house <= 12; ++house)
            EXPECT_EQ(Interpretation(i, house, Language::English),
                      kUpagrahaInterpretations[static_cast<std::size_t>(i)][static_cast<std::size_t>(house - 1)]);
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(SignName(i, Language::English), kSignNames[static_cast<std::size_t>(i)]);
        EXPECT_EQ(SignIndexOfAbbreviation(SignAbbreviation(i, Language::English)), i);
        EXPECT_EQ(MonthName(i, Language::English), reading::kMonthNames[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < kNakshatraCount; ++i)
        EXPECT_EQ(NakshatraName(i, Language::English), kNakshatraNames[static_cast<std::size_t>(i)]);
    for (const sky::Graha graha : sky::kGrahas) EXPECT_EQ(GrahaName(graha, Language::English), sky::GrahaName(graha));
    EXPECT_EQ(LordName(Planet::Mercury, Language::English), "Merc");
    EXPECT_EQ(WeekdayName(0, Language::English), "Sunday");
    EXPECT_EQ(WeekdayName(6, Language::English), "Saturday");
    EXPECT_EQ(SunUpagrahaName(0, Language::English), "Dhuma");
    EXPECT_EQ(SunUpagrahaName(4, Language::English), "Upaketu");

    // The labels as the report writes them: block lines 2, 4, 6 and 8 of every upagraha.
    Upagrahas u;
    u.houses.fill(3);
    const Report report = BuildReport(u);
    std::vector<std::string> lines;
    std::string line;
    for (const char c : report.text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[1], ReportLabelText(ReportLabel::Longitude, Language::English));
    EXPECT_EQ(lines[3], ReportLabelText(ReportLabel::Significance, Language::English));
    EXPECT_EQ(lines[5], ReportLabelText(ReportLabel::HousePosition, Language::English));
    EXPECT_EQ(lines[7], ReportLabelText(ReportLabel::Interpretation, Language::English));
    EXPECT_EQ(NakshatraText({9, 2}),
              std::string("Magha, ") + std::string(ReportLabelText(ReportLabel::Pada, Language::English)) + " 2");
}

TEST(LanguageTexts, hindi_is_devanagari_and_tamil_is_tamil_script) {
    struct Script {
        Language language;
        char32_t first;
        char32_t last;
    };
    for (const Script script : {Script{Language::Hindi, 0x0900, 0x097F}, Script{Language::Tamil, 0x0B80, 0x0BFF}}) {
        const char* code = LanguageCode(script.language).data();
        for (const Group& group : Groups())
            for (int i = 0; i < group.count; ++i)
                EXPECT_EQ(ForeignCodePoint(group.lookup(i, script.language), script.first, script.last), 0u)
                    << group.name << " " << i << " in " << code;
        for (int upagraha = 0; upagraha < kUpagrahaCount; ++upagraha) {
            if (upagraha == kMrityu) continue;  // "NA", checked below
            for (int house = 1; house <= 12; ++house)
                EXPECT_EQ(ForeignCodePoint(Interpretation(upagraha, house, script.language), script.first, script.last),
                          0u)
                    << upagraha << " house " << house << " in " << code;
        }
        EXPECT_EQ(ForeignCodePoint(LanguageName(script.language), script.first, script.last), 0u);
    }
}

TEST(LanguageTexts, translations_keep_the_english_sentence_for_sentence_and_mrityu_stays_na) {
    for (const Language language : {Language::Hindi, Language::Tamil}) {
        std::set<std::string_view> cells;
        for (int upagraha = 0; upagraha < kUpagrahaCount; ++upagraha) {
            EXPECT_EQ(SentenceCount(Significance(upagraha, language), language),
                      SentenceCount(Significance(upagraha, Language::English), Language::English))
                << upagraha;
            for (int house = 1; house <= 12; ++house) {
                const std::string_view text = Interpretation(upagraha, house, language);
                if (upagraha == kMrityu) {
                    EXPECT_EQ(text, "NA");
                    continue;
                }
                EXPECT_EQ(SentenceCount(text, language),
                          SentenceCount(Interpretation(upagraha, house, Language::English), Language::English))
                    << UpagrahaName(upagraha, Language::English) << " house " << house << " in "
                    << LanguageCode(language);
                cells.insert(text);
            }
        }
        EXPECT_EQ(cells.size(), 60u) << "every reading is its own text in " << LanguageCode(language);
    }
}

// Terms as the cited pages print them (docs/translations.md).
TEST(LanguageTexts, named_terms_are_the_published_ones) {
    EXPECT_EQ(UpagrahaName(4, Language::Hindi), "गुलिक");
    EXPECT_EQ(UpagrahaName(5, Language::Hindi), "मान्दि");
    EXPECT_EQ(UpagrahaName(4, Language::Tamil), "குளிகன்");
    EXPECT_EQ(UpagrahaName(5, Language::Tamil), "மாந்தி");
    EXPECT_EQ(GrahaName(sky::Graha::Rahu, Language::Hindi), "राहु");
    EXPECT_EQ(GrahaName(sky::Graha::Rahu, Language::Tamil), "ராகு");
    EXPECT_EQ(NakshatraName(0, Language::Hindi), "अश्विनी");
    EXPECT_EQ(NakshatraName(26, Language::Hindi), "रेवती");
    EXPECT_EQ(NakshatraName(0, Language::Tamil), "அசுவினி");
    EXPECT_EQ(NakshatraName(26, Language::Tamil), "ரேவதி");
    EXPECT_EQ(WeekdayName(0, Language::Hindi), "रविवार");
    EXPECT_EQ(WeekdayName(0, Language::Tamil), "ஞாயிறு");
    EXPECT_EQ(SignName(0, Language::Hindi), "मेष");
    EXPECT_EQ(SignName(11, Language::Tamil), "மீனம்");
    EXPECT_EQ(LordName(Planet::Saturn, Language::Hindi), "शनि");
    EXPECT_EQ(SunUpagrahaName(0, Language::Tamil), "தூமன்");
}

TEST(LanguageTexts, a_nakshatra_and_pada_read_in_the_language) {
    for (const NakshatraPada place : {NakshatraPada{0, 1}, NakshatraPada{9, 2}, NakshatraPada{26, 4}})
        EXPECT_EQ(NakshatraText(place, Language::English), NakshatraText(place));
    EXPECT_EQ(NakshatraText({9, 2}, Language::Hindi), "मघा, चरण 2");
    EXPECT_EQ(NakshatraText({9, 2}, Language::Tamil), "மகம், பாதம் 2");
    EXPECT_EQ(NakshatraText({26, 4}, Language::Tamil), "ரேவதி, பாதம் 4");
    EXPECT_TRUE(NakshatraText({27, 1}, Language::Hindi).empty());
    EXPECT_TRUE(NakshatraText({0, 5}, Language::Tamil).empty());
}

TEST(LanguageTexts, a_language_is_chosen_by_its_two_letter_code) {
    EXPECT_EQ(LanguageFromCode("en"), Language::English);
    EXPECT_EQ(LanguageFromCode("hi"), Language::Hindi);
    EXPECT_EQ(LanguageFromCode("ta"), Language::Tamil);
    EXPECT_EQ(LanguageFromCode("TA"), Language::Tamil);
    for (const std::string_view bad : {"", "h", "hin", "english", "fr", "h\xC3", " hi", "hi "})
        EXPECT_FALSE(LanguageFromCode(bad).has_value()) << bad;
    for (const Language language : kLanguages) EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language);
}

// The report in Hindi and Tamil: the same ten lines a block, the same bold labels, with the
// glossary's words (docs/translations.md) and the positions' signs in the language.
TEST(LanguageTexts, report_in_hindi_and_tamil_writes_the_glossary_words_in_the_english_blocks) {
    struct Expected {
        Language language;
        std::string_view gulika, longitude, position, houseLabel, interpretationLabel, ascendantSign;
    };
    Upagrahas u;
    u.houses.fill(3);
    u.houses[kMrityu] = 13;  // outside 1..12: the label without a reading, as in English
    for (auto& position : u.upagrahaLongitudes) position = astro::PositionText(std::string_view("05 Leo 23"));
    const Report english = BuildReport(u);
    for (const Expected& e : {Expected{Language::Hindi, "गुलिक", "भोगांश", "05 सिंह 23", "भाव स्थिति", "फल", "मेष"},
                              Expected{Language::Tamil, "குளிகன்", "ஸ்புடம்", "05 சிம் 23", "பாவ நிலை", "பலன்", "மேஷ"}}) {
        const Report report = BuildReport(u, e.language);
        std::vector<std::string> lines;
        std::string line;
        for (const char c : report.text) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        const std::size_t gulika = 4 * 10 - 2;  // Mrityu's block is two lines short: no reading, no blank
        ASSERT_GT(lines.size(), gulika + 9);
        EXPECT_EQ(lines[gulika], e.gulika);
        EXPECT_EQ(lines[gulika + 1], e.longitude);
        EXPECT_EQ(lines[gulika + 2], e.position);
        EXPECT_EQ(lines[gulika + 5], e.houseLabel);
        EXPECT_EQ(lines[gulika + 6], "3");
        EXPECT_EQ(lines[gulika + 7], e.interpretationLabel);
        EXPECT_EQ(lines[gulika + 9], "");
        EXPECT_EQ(PositionTextIn("15 Ari 04' 10\"", e.language),
                  std::string("15 ") + std::string(e.ascendantSign) + " 04' 10\"");
        // The runs cut the text as the English runs do: same count, same bold pattern, whole text.
        ASSERT_EQ(report.runs.size(), english.runs.size());
        std::size_t covered = 0;
        for (std::size_t r = 0; r < report.runs.size(); ++r) {
            EXPECT_EQ(report.runs[r].bold, english.runs[r].bold) << r;
            EXPECT_EQ(report.runs[r].start, covered) << r;
            covered += report.runs[r].length;
        }
        EXPECT_EQ(covered, report.text.size());
    }
    EXPECT_EQ(PositionTextIn("05 Leo 23", Language::English), "05 Leo 23");
    EXPECT_EQ(PositionTextIn("no sign", Language::Hindi), "no sign");
}

}  // namespace
}  // namespace vela::upagraha
