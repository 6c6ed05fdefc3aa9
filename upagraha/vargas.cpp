#include "upagraha/vargas.h"

#include <cmath>

namespace vela::upagraha {

namespace {

// A millionth of an arc-second, in degrees.
constexpr double kNudgeDegrees = 1.0 / 3.6e9;

enum class Quality { Movable, Fixed, Dual };

Quality QualityOf(int sign) { return static_cast<Quality>(sign % 3); }
bool IsOdd(int sign) { return sign % 2 == 0; }  // Aries, the first sign, is odd
int Sign(int sign) { return ((sign % 12) + 12) % 12; }

// The sign a division's first part takes in `sign`; the parts then follow in the zodiac's order
// (except the hora and the drekkana, handled on their own).
int FirstSign(int division, int sign, const VargaRules& rules) {
    switch (division) {
        case 4:   // BPHS 6.9: the sign, then its 4th, 7th and 10th
        case 12:  // BPHS 6.15: from the sign itself
        case 60:  // BPHS 6.33: from the sign itself
            return sign;
        case 7:  // BPHS 6.10-11: odd signs from themselves, even signs from their 7th
            return IsOdd(sign) ? sign : sign + 6;
        case 9:  // BPHS 6.12: movable from itself, fixed from its 9th, dual from its 5th
            switch (QualityOf(sign)) {
                case Quality::Movable:
                    return sign;
                case Quality::Fixed:
                    return sign + 8;
                case Quality::Dual:
                    return sign + 4;
            }
            return sign;
        case 10:  // BPHS 6.13-14: odd signs from themselves, even signs from their 9th
            return IsOdd(sign) ? sign : sign + 8;
        case 16:  // BPHS 6.16: movable from Aries, fixed from Leo, dual from Sagittarius
        case 45:  // BPHS 6.31-32: the same three
            return QualityOf(sign) == Quality::Movable ? 0 : QualityOf(sign) == Quality::Fixed ? 4 : 8;
        case 20:  // BPHS 6.17-21: movable from Aries, fixed from Sagittarius, dual from Leo
            return QualityOf(sign) == Quality::Movable ? 0 : QualityOf(sign) == Quality::Fixed ? 8 : 4;
        case 24:  // BPHS 6.22-23: odd signs from Leo, even signs from Cancer
            return IsOdd(sign) ? 4 : 3;
        case 27:  // BPHS 6.24-26: fiery signs from Aries, earthy from Cancer, airy from Libra, watery from Capricorn
            return (sign % 4) * 3;
        case 40:  // BPHS 6.29-30: odd signs from Aries, even signs from Libra
            return IsOdd(sign) ? 0 : 6;
        case 2:  // the cyclic hora: the halves counted on from Aries
            return rules.hora == HoraRule::Cyclic ? sign * 2 : sign;
        case 30:  // the cyclic trimsamsa: the degrees counted on from Aries
            return rules.trimsamsa == TrimsamsaRule::Cyclic ? sign * 30 : sign;
        default:
            return sign;
    }
}

// Parashara's trimsamsa (BPHS 6.27-28): the ends of the five parts in degrees and their signs.
struct TrimsamsaPart {
    double end;
    int sign;
};
constexpr std::array<TrimsamsaPart, 5> kOddTrimsamsa = {{{5, 0}, {10, 10}, {18, 8}, {25, 2}, {30, 6}}};
constexpr std::array<TrimsamsaPart, 5> kEvenTrimsamsa = {{{5, 1}, {12, 5}, {20, 11}, {25, 9}, {30, 7}}};

VargaPlace ParasharaTrimsamsa(int sign, double inSign) {
    const auto& parts = IsOdd(sign) ? kOddTrimsamsa : kEvenTrimsamsa;
    double start = 0;
    for (const TrimsamsaPart& part : parts) {
        if (inSign < part.end || part.end == 30) {
            const double degrees = (inSign - start) / (part.end - start) * 30.0;
            return {part.sign, std::fmin(std::fmax(degrees, 0.0), std::nextafter(30.0, 0.0))};
        }
        start = part.end;
    }
    return {parts.back().sign, 0};
}

// docs/translations.md gives the sources of the names.
constexpr std::array<std::string_view, kVargaCount> kHindiNames = {
    "राशि",   "होरा",  "द्रेष्काण",   "चतुर्थांश", "सप्तांश",  "नवांश",  "दशांश",    "द्वादशांश",
    "षोडशांश", "विंशांश", "चतुर्विंशांश", "भांश",    "त्रिंशांश", "खवेदांश", "अक्षवेदांश", "षष्ट्यंश"};
constexpr std::array<std::string_view, kVargaCount> kTamilNames = {
    "இராசி",    "ஹோரை",     "திரேக்காணம்",    "சதுர்த்தாம்சம்", "சப்தாம்சம்",    "நவாம்சம்",   "தசாம்சம்",     "துவாதசாம்சம்",
    "ஷோடசாம்சம்", "விம்சாம்சம்", "சதுர்விம்சாம்சம்", "பாம்சம்",      "திரிம்சாம்சம்", "கவேதாம்சம்", "அக்ஷவேதாம்சம்", "சஷ்டியாம்சம்"};

}  // namespace

std::string_view VargaName(std::size_t varga, Language language) {
    if (varga >= kVargaCount) return {};
    switch (language) {
        case Language::English:
            return kVargaNames[varga];
        case Language::Hindi:
            return kHindiNames[varga];
        case Language::Tamil:
            return kTamilNames[varga];
    }
    return {};
}

std::optional<std::size_t> VargaIndex(int division) {
    for (std::size_t i = 0; i < kVargaCount; ++i)
        if (kVargaDivisions[i] == division) return i;
    return std::nullopt;
}

VargaPlace PlaceInVarga(astro::Degrees longitude, int division, const VargaRules& rules) {
    double x = std::fmod(longitude.value + kNudgeDegrees, 360.0);
    if (x < 0) x += 360.0;
    if (x >= 360.0) x = 0;
    const int sign = std::min(static_cast<int>(x / 30.0), 11);
    const double inSign = x - sign * 30.0;
    if (!VargaIndex(division) || division == 1) return {sign, inSign};
    if (division == 30 && rules.trimsamsa == TrimsamsaRule::Parashara) return ParasharaTrimsamsa(sign, inSign);

    const double parts = inSign * division / 30.0;
    const int part = std::min(static_cast<int>(parts), division - 1);
    const double degrees = std::fmin(std::fmax((parts - part) * 30.0, 0.0), std::nextafter(30.0, 0.0));

    int varga = 0;
    if (division == 2 && rules.hora == HoraRule::Parashara) {
        // BPHS 6.5-6: odd signs the Sun's hora (Leo) then the Moon's (Cancer); even signs the reverse.
        varga = (part == 0) == IsOdd(sign) ? 4 : 3;
    } else if (division == 3) {
        // BPHS 6.7-8: Parashara's from the sign itself; Jagannatha's from the movable sign of the
        // triplicity. Either way the next drekkana is the 5th sign on.
        const int first = rules.drekkana == DrekkanaRule::Parashara ? sign : sign - (sign % 3) * 4;
        varga = first + part * 4;
    } else if (division == 4) {
        varga = sign + part * 3;
    } else {
        varga = FirstSign(division, sign, rules) + part;
    }
    return {Sign(varga), degrees};
}

bool IsVargottama(astro::Degrees longitude, const VargaRules& rules) {
    return PlaceInVarga(longitude, 1, rules).sign == PlaceInVarga(longitude, 9, rules).sign;
}

}  // namespace vela::upagraha
