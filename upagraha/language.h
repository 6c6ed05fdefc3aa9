// The core's texts in the astrologer's language: names of the upagrahas, grahas, signs,
// nakshatras, weekdays and months, the report's labels, and the significance and interpretation
// texts, in English, Hindi (Devanagari) or Tamil (Tamil script).
//
// The command line and the printed reading read their texts here; the window translates its own
// widgets through Qt's .ts files. English answers the program's existing tables themselves, so an
// English text is written once. The terms chosen and their sources are in docs/translations.md.
//
// Every lookup is keyed by the index the program already uses for the thing (upagraha 0 = Kaala as
// in kUpagrahaNames, sign 0 = Aries, nakshatra 0 = Ashwini, weekday 0 = Sunday, month 0 = January)
// and answers an empty view for an index outside its range or a language that is not one of
// kLanguages, never a neighbour's text. The views point into static storage.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "sky/grahas.h"
#include "upagraha/nakshatra.h"
#include "upagraha/planet.h"

namespace vela::upagraha {

enum class Language { English, Hindi, Tamil };
inline constexpr std::array<Language, 3> kLanguages = {Language::English, Language::Hindi, Language::Tamil};

// "en", "hi" or "ta" (ASCII letters in any case); empty for anything else.
std::optional<Language> LanguageFromCode(std::string_view code);
// "en", "hi", "ta".
std::string_view LanguageCode(Language language);
// The language's own name for itself: "English", "हिन्दी", "தமிழ்".
std::string_view LanguageName(Language language);

// The six time-based upagrahas, in the order of kUpagrahaNames.
std::string_view UpagrahaName(int upagraha, Language language);

// The five upagrahas of the Sun, in the order of sky::SunUpagrahas.
inline constexpr int kSunUpagrahaCount = 5;
std::string_view SunUpagrahaName(int sunUpagraha, Language language);  // 0 Dhuma .. 4 Upaketu

// The nine grahas by their full names ("Mercury").
std::string_view GrahaName(sky::Graha graha, Language language);

// A portion's lord by the short name the tables and the report use (lords::Merc is "Merc"); the
// unruled portion's em dash answers itself in every language. Empty for any other text.
std::string_view LordName(Planet lord, Language language);

// The twelve signs by name ("Aries") and by the short form a compact position writes ("Ari").
std::string_view SignName(int sign, Language language);
std::string_view SignAbbreviation(int sign, Language language);

std::string_view NakshatraName(int nakshatra, Language language);
std::string_view WeekdayName(int weekday, Language language);  // 0 = Sunday
std::string_view MonthName(int month, Language language);      // 0 = January (Gregorian)
std::string_view DayNightName(bool byDay, Language language);  // "Day" or "Night"

// The bold labels of the report's blocks, and the word for a nakshatra's quarter.
enum class ReportLabel { Longitude, Significance, HousePosition, Interpretation, Pada };
std::string_view ReportLabelText(ReportLabel label, Language language);

// "Magha, pada 2" in the language: "मघा, चरण 2", "மகம், பாதம் 2". English is NakshatraText's own.
std::string NakshatraText(const NakshatraPada& place, Language language);

// A compact or long position ("05 Leo 23", "15 Ari 04' 10\"") with its sign's short form in the
// language ("05 सिंह 23"); English and a text without a sign's short form answer the text unchanged.
std::string PositionTextIn(std::string_view position, Language language);

// The significance line of an upagraha, and its interpretation in a house (1..12). Mrityu has no
// reading of its own: its interpretation is "NA" in every language, as the English table has it.
std::string_view Significance(int upagraha, Language language);
std::string_view Interpretation(int upagraha, int house, Language language);

}  // namespace vela::upagraha
