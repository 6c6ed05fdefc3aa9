// The interpretation texts of the report: the fixed cells, Mrityu's "NA" row and the shape every
// other text must keep (length, sentence count, sentence openings, distinct wording).
#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

namespace {

using vela::upagraha::kUpagrahaCount;
using vela::upagraha::kUpagrahaInterpretations;
using vela::upagraha::kUpagrahaNames;

constexpr std::size_t kKaala = 0;
constexpr std::size_t kMrityu = 1;
constexpr std::size_t kArthaprahaara = 2;
constexpr std::size_t kYamaghantaka = 3;
constexpr std::size_t kGulika = 4;
constexpr std::size_t kMaandi = 5;
constexpr std::size_t kHouses = 12;

std::string_view Cell(std::size_t upagraha, int house) {
    return kUpagrahaInterpretations.at(upagraha).at(static_cast<std::size_t>(house - 1));
}

std::string Where(std::size_t upagraha, std::size_t column) {
    return std::string(kUpagrahaNames.at(upagraha)) + ", house " + std::to_string(column + 1);
}

// Cuts a text into its sentences. A sentence ends with a full stop that is either the last
// character or followed by exactly one blank and more text. Returns false when the text does
// not have that shape (missing final stop, stop without a blank, doubled blanks, other marks).
bool SplitSentences(std::string_view text, std::vector<std::string_view>& sentences) {
    sentences.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t stop = text.find('.', start);
        if (stop == std::string_view::npos || stop == start) {
            return false;
        }
        const std::string_view sentence = text.substr(start, stop - start + 1);
        if (sentence.find_first_of("!?;") != std::string_view::npos || sentence.front() == ' ' ||
            sentence.find("  ") != std::string_view::npos) {
            return false;
        }
        sentences.push_back(sentence);
        if (stop + 1 == text.size()) {
            return true;
        }
        if (text[stop + 1] != ' ' || stop + 2 >= text.size()) {
            return false;
        }
        start = stop + 2;
    }
    return false;
}

bool OpensAsReading(std::string_view sentence) {
    return sentence.starts_with("You will ") || sentence.starts_with("You may ") || sentence.starts_with("Your ");
}

TEST(InterpretationTexts, sentence_splitter_accepts_well_formed_text_and_rejects_broken_text) {
    std::vector<std::string_view> sentences;
    ASSERT_TRUE(SplitSentences("You will rise. You may travel.", sentences));
    ASSERT_EQ(sentences.size(), 2U);
    EXPECT_EQ(sentences[0], "You will rise.");
    EXPECT_EQ(sentences[1], "You may travel.");
    EXPECT_FALSE(SplitSentences("You will rise", sentences));
    EXPECT_FALSE(SplitSentences("You will rise.You may travel.", sentences));
    EXPECT_FALSE(SplitSentences("You will rise.  You may travel.", sentences));
    EXPECT_FALSE(SplitSentences("You will rise. ", sentences));
    EXPECT_FALSE(SplitSentences("You will rise! You may travel.", sentences));
    EXPECT_FALSE(SplitSentences("", sentences));
    EXPECT_TRUE(OpensAsReading("Your luck will change."));
    EXPECT_FALSE(OpensAsReading("Yours is a good life."));
    EXPECT_FALSE(OpensAsReading("You might travel."));
}

TEST(InterpretationTexts, quote_the_five_fixed_cells_word_for_word) {
    EXPECT_EQ(Cell(kKaala, 1),
              "You will have a very short temper. You will love adventures and be ready to take "
              "risks in your quests of the unknown.");
    EXPECT_EQ(Cell(kArthaprahaara, 7), "Your luck will change after your marriage.");
    EXPECT_EQ(Cell(kYamaghantaka, 8), "You will live on earnings from day to day work.");
    EXPECT_EQ(Cell(kGulika, 6),
              "You will have no enemies and well loved. You will be strong and valiant and the "
              "ideal role model for everyone. Your helpful and friendly nature will get you many "
              "friends.");
    EXPECT_EQ(Cell(kMaandi, 12),
              "You will forever suffer from a shortage of money. You will be gutless and always be "
              "scared. You may suffer from physical defects.");
}

TEST(InterpretationTexts, read_na_for_mrityu_in_every_house) {
    for (int house = 1; house <= 12; ++house) {
        EXPECT_EQ(Cell(kMrityu, house), "NA") << "house " << house;
    }
}

TEST(InterpretationTexts, keep_every_other_cell_between_40_and_240_characters) {
    for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
        if (u == kMrityu) {
            continue;
        }
        for (std::size_t h = 0; h < kHouses; ++h) {
            const std::size_t length = kUpagrahaInterpretations[u][h].size();
            EXPECT_GE(length, 40U) << Where(u, h);
            EXPECT_LE(length, 240U) << Where(u, h);
        }
    }
}

TEST(InterpretationTexts, are_plain_printable_ascii) {
    for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
        for (std::size_t h = 0; h < kHouses; ++h) {
            for (const char c : kUpagrahaInterpretations[u][h]) {
                const auto code = static_cast<unsigned char>(c);
                EXPECT_TRUE(code >= 0x20 && code < 0x7F)
                    << Where(u, h) << " holds character code " << static_cast<int>(code);
            }
        }
    }
}

TEST(InterpretationTexts, give_one_to_four_sentences_each_opening_you_will_you_may_or_your) {
    std::vector<std::string_view> sentences;
    for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
        if (u == kMrityu) {
            continue;
        }
        for (std::size_t h = 0; h < kHouses; ++h) {
            const std::string_view text = kUpagrahaInterpretations[u][h];
            ASSERT_TRUE(SplitSentences(text, sentences)) << Where(u, h) << ": \"" << text << "\"";
            EXPECT_GE(sentences.size(), 1U) << Where(u, h);
            EXPECT_LE(sentences.size(), 4U) << Where(u, h);
            for (const std::string_view sentence : sentences) {
                EXPECT_TRUE(OpensAsReading(sentence)) << Where(u, h) << ": \"" << sentence << "\"";
            }
        }
    }
}

TEST(InterpretationTexts, never_repeat_a_cell_outside_mrityu) {
    std::map<std::string_view, std::string> seen;
    for (std::size_t u = 0; u < static_cast<std::size_t>(kUpagrahaCount); ++u) {
        if (u == kMrityu) {
            continue;
        }
        for (std::size_t h = 0; h < kHouses; ++h) {
            const auto [it, inserted] = seen.emplace(kUpagrahaInterpretations[u][h], Where(u, h));
            EXPECT_TRUE(inserted) << Where(u, h) << " repeats " << it->second;
        }
    }
    EXPECT_EQ(seen.size(), 60U);
}

TEST(InterpretationTexts, differ_between_gulika_and_maandi_in_every_house) {
    for (int house = 1; house <= 12; ++house) {
        EXPECT_NE(Cell(kGulika, house), Cell(kMaandi, house)) << "house " << house;
    }
}

}  // namespace
