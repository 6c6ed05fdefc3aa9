#include "atlas/place_name.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace vela::atlas {

namespace {

// The base letter of each accented Latin letter, one character per code point. '*' marks a letter
// written with two (handled in TwoLetterFold), '.' a sign that is no letter at all.
// U+00C0..U+00FF (Latin-1):
constexpr std::string_view kLatin1 =
    "AAAAAA*CEEEEIIII"
    "DNOOOOO.OUUUUY**"
    "aaaaaa*ceeeeiiii"
    "dnooooo.ouuuuy*y";
// U+0100..U+017F (Latin Extended-A):
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDd"
    "DdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIi"
    "Ii**JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOo"
    "Oo**RrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUu"
    "UuUuWwYyYZzZzZzs";
// U+1E00..U+1EFF (Latin Extended Additional: transliterations and Vietnamese). Most of the block
// comes in capital and small pairs; the pairs are given by their capital.
constexpr std::string_view kAdditionalPairsLow =
    "ABBBCDDDDDEEEEEFGHHHHHIIKKKLLLLMMMNNNNOOOOPPRRRRSSSSSTTTTUUUUUVVWWWWWXXYZZZ";
constexpr std::string_view kAdditionalSingles = "htwyasssSd";  // U+1E96..U+1E9F
constexpr std::string_view kAdditionalPairsHigh = "AAAAAAAAAAAAEEEEEEEEIIOOOOOOOOOOOOUUUUUUUYYYYLVY";

static_assert(kLatin1.size() == 0x40);
static_assert(kLatinExtendedA.size() == 0x80);
static_assert(kAdditionalPairsLow.size() * 2 == 0x96);
static_assert(kAdditionalSingles.size() == 0xA0 - 0x96);
static_assert(kAdditionalPairsHigh.size() * 2 == 0x60);

std::string_view TwoLetterFold(char32_t code) {
    switch (code) {
        case U'\u00C6':
            return "AE";
        case U'\u00E6':
            return "ae";
        case U'\u00DE':
            return "Th";
        case U'\u00FE':
            return "th";
        case U'\u00DF':
            return "ss";
        case U'\u0132':
            return "IJ";
        case U'\u0133':
            return "ij";
        case U'\u0152':
            return "OE";
        case U'\u0153':
            return "oe";
        default:
            return {};
    }
}

char PairedLetter(std::string_view capitals, char32_t offset) {
    const char capital = capitals[offset / 2];
    return offset % 2 == 0 ? capital : static_cast<char>(capital - 'A' + 'a');
}

// The unaccented letter(s) of a Latin letter; empty when the code point is none of those known.
std::string FoldLetter(char32_t code) {
    if (const std::string_view two = TwoLetterFold(code); !two.empty()) return std::string(two);
    char single = '.';
    if (code >= 0xC0 && code <= 0xFF)
        single = kLatin1[code - 0xC0];
    else if (code >= 0x100 && code <= 0x17F)
        single = kLatinExtendedA[code - 0x100];
    else if (code >= 0x1E00 && code < 0x1E96)
        single = PairedLetter(kAdditionalPairsLow, code - 0x1E00);
    else if (code >= 0x1E96 && code < 0x1EA0)
        single = kAdditionalSingles[code - 0x1E96];
    else if (code >= 0x1EA0 && code <= 0x1EFF)
        single = PairedLetter(kAdditionalPairsHigh, code - 0x1EA0);
    else {
        // The few letters of Latin Extended-B that place names use: Romanian comma-below S and T,
        // Vietnamese horned O and U, and the schwa of Azerbaijani.
        switch (code) {
            case U'\u0218':
                single = 'S';
                break;
            case U'\u0219':
                single = 's';
                break;
            case U'\u021A':
                single = 'T';
                break;
            case U'\u021B':
                single = 't';
                break;
            case U'\u01A0':
                single = 'O';
                break;
            case U'\u01A1':
                single = 'o';
                break;
            case U'\u01AF':
                single = 'U';
                break;
            case U'\u01B0':
                single = 'u';
                break;
            case U'\u018F':
                single = 'E';
                break;
            case U'\u0259':
            case U'\u01DD':
                single = 'e';
                break;
            default:
                break;
        }
    }
    if (single == '.') return {};
    return std::string(1, single);
}

// Signs that part two words: the place's words stay apart in the box.
bool IsSeparator(char32_t code) {
    switch (code) {
        case U' ':
        case U'\t':
        case U'\n':
        case U'\r':
        case U'\u00A0':
        case U'-':
        case U'/':
        case U',':
        case U';':
        case U':':
        case U'(':
        case U')':
        case U'_':
        case U'&':
        case U'+':
            return true;
        default:
            return code >= 0x2010 && code <= 0x2015;  // hyphens and dashes
    }
}

// The next code point of UTF-8 text, or nothing for a broken sequence (one byte is skipped).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        code = (code << 6) | (byte(pos + i) & 0x3F);
    }
    pos += length;
    return code;
}

// An apostrophe as place names write it: the typewriter one, the typographic one and the modifier
// letter of transliterations ("N’Djamena", "Ṣanʿāʼ").
bool IsApostrophe(char32_t code) { return code == U'\'' || code == U'\u2019' || code == U'\u02BC'; }

// The hyphens that join the parts of one name ("Winston-Salem"); dashes part words instead.
bool IsHyphen(char32_t code) { return code == U'-' || code == U'\u2010' || code == U'\u2011'; }

}  // namespace

std::string FoldPlaceName(std::string_view utf8) {
    std::string folded;
    bool blankPending = false;
    const auto append = [&](std::string_view letters) {
        if (blankPending && !folded.empty()) folded += ' ';
        blankPending = false;
        folded += letters;
    };
    // A mark belongs to the word it follows when it comes right after a letter, as the letters
    // boxes take it; anywhere else a hyphen parts words and an apostrophe or a dot is dropped.
    const auto afterLetter = [&]() {
        if (blankPending || folded.empty()) return false;
        const char last = folded.back();
        return (last >= 'A' && last <= 'Z') || (last >= 'a' && last <= 'z');
    };
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto code = NextCodePoint(utf8, pos);
        if (!code) continue;
        if ((*code >= U'A' && *code <= U'Z') || (*code >= U'a' && *code <= U'z')) {
            const char letter = static_cast<char>(*code);
            append({&letter, 1});
        } else if (IsHyphen(*code) && afterLetter()) {
            folded += '-';
        } else if ((IsApostrophe(*code) || *code == U'.') && afterLetter()) {
            folded += IsApostrophe(*code) ? '\'' : '.';
        } else if (IsSeparator(*code)) {
            blankPending = true;
        } else {
            if (const std::string letters = FoldLetter(*code); !letters.empty()) append(letters);
            // Anything else (combining accents, digits, other scripts, stray marks) is dropped
            // without parting the words around it.
        }
    }
    return folded;
}

DegreesMinutes RoundToMinute(double degrees) {
    DegreesMinutes result;
    result.negative = degrees < 0;
    // Round half to even on the whole minutes, then carry.
    const auto minutes = static_cast<long>(std::nearbyint(std::fabs(degrees) * 60.0));
    result.degrees = static_cast<int>(minutes / 60);
    result.minutes = static_cast<int>(minutes % 60);
    return result;
}

void FillPlace(reading::BirthForm& form, const AtlasPlace& place) {
    form.city = FoldPlaceName(place.name);
    form.state = FoldPlaceName(place.state);
    form.country = FoldPlaceName(place.country);
    const DegreesMinutes lat = RoundToMinute(place.latitude);
    const DegreesMinutes lon = RoundToMinute(place.longitude);
    form.latDegrees = std::to_string(lat.degrees);
    form.latMinutes = std::to_string(lat.minutes);
    form.lonDegrees = std::to_string(lon.degrees);
    form.lonMinutes = std::to_string(lon.minutes);
    form.latDirection = lat.negative ? reading::LatChoice::South : reading::LatChoice::North;
    form.lonDirection = lon.negative ? reading::LonChoice::West : reading::LonChoice::East;
}

void OrderByPopulation(std::vector<AtlasPlace>& places) {
    std::stable_sort(places.begin(), places.end(), [](const AtlasPlace& a, const AtlasPlace& b) {
        if (a.population != b.population) return a.population > b.population;
        return a.name < b.name;
    });
}

std::string PlaceListText(const AtlasPlace& place) {
    std::string text = place.name;
    for (const std::string* part : {&place.state, &place.country})
        if (!part->empty()) text += ", " + *part;
    return text;
}

}  // namespace vela::atlas
