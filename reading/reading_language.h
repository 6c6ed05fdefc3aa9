// The reading layer's texts in the astrologer's language: the result header, the table's headings,
// the working, the grahas' section, and the messages the core gives the window (a refused form, a
// file that could not be opened or saved, the zone's question).
//
// Every text is keyed by its English, which stays as the program writes it; Hindi and Tamil stand
// beside it in reading_language.cpp. "%1" .. "%9" in a text stand for what is put into it (a time,
// a name, a file name, a reason), so a language may put them in its own order. The names of the
// upagrahas, grahas, signs, nakshatras, weekdays and months come from upagraha/language.h. The
// terms chosen and their sources are in docs/translations.md.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "upagraha/language.h"

namespace vela::reading {

// One text: its English, Hindi and Tamil.
struct TranslatedText {
    std::string_view english;
    std::string_view hindi;
    std::string_view tamil;
};

// The text in the language with %1 .. %9 replaced by args, in order. English, and a text the table
// does not hold, answer the English with the args put in. A "%" followed by anything but 1..9 is
// written as it is.
std::string Say(std::string_view english, upagraha::Language language,
                std::initializer_list<std::string_view> args = {});

// Say from a table a layer above keeps beside its own code (the atlas's zone texts).
std::string SayFrom(std::span<const TranslatedText> table, std::string_view english, upagraha::Language language,
                    std::initializer_list<std::string_view> args = {});

// A message the core wrote in English (UserMessage::text, a warning, a day's note), in the
// language: found in the table whole, or as one of its texts with %1 .. %9 standing for the file
// names, numbers and reasons it carries; those parts are in turn written in the language when the
// table holds them. English, and a message the table does not hold, answer the text as it is.
std::string MessageIn(std::string_view english, upagraha::Language language);

// How many columns a UTF-8 text takes in a fixed-width type: one a character, none for the marks
// that join a letter (Devanagari and Tamil vowel signs, virama, anusvara, nukta) or for joiners.
std::size_t DisplayWidth(std::string_view text);

// The text, then blanks up to `width` columns (blanks first when right-aligned). A text as wide or
// wider gets none, as printf's "%-14s" does.
void AppendColumn(std::string& out, std::string_view text, std::size_t width, bool rightAligned = false);

// "15 June 1975" with the month in the language (the header's and the working's dates).
std::string DateText(int day, int month, int year, upagraha::Language language);

// How many entries the table holds, and the English of the i-th (for the tests that hold every
// entry to its translations).
std::size_t TranslatedTextCount();
TranslatedText TranslatedTextAt(std::size_t index);

}  // namespace vela::reading
