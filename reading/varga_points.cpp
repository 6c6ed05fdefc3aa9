#include "reading/varga_points.h"

#include <cmath>
#include <cstdio>

#include "astro/position_text.h"
#include "reading/reading_language.h"
#include "reading/sky_around.h"

namespace vela::reading {

namespace {

using upagraha::Language;

// The section's own texts; docs/translations.md gives the terms' sources.
constexpr std::array<TranslatedText, 11> kVargaTexts = {{
    {"Vargas (divisional charts)", "वर्ग (विभाजन कुंडलियाँ)", "வர்க்கங்கள் (பிரிவு சக்கரங்கள்)"},
    {"Rules: %1", "नियम: %1", "விதிகள்: %1"},
    {"Ascendant", "लग्न", "லக்னம்"},
    {"Parashara's hora", "पराशर की होरा", "பராசரரின் ஹோரை"},
    {"the cyclic hora", "चक्रीय होरा", "சுழற்சி ஹோரை"},
    {"Parashara's drekkana", "पराशर का द्रेष्काण", "பராசரரின் திரேக்காணம்"},
    {"the Jagannatha drekkana", "जगन्नाथ द्रेष्काण", "ஜகந்நாத திரேக்காணம்"},
    {"Parashara's trimsamsa", "पराशर का त्रिंशांश", "பராசரரின் திரிம்சாம்சம்"},
    {"the cyclic trimsamsa", "चक्रीय त्रिंशांश", "சுழற்சி திரிம்சாம்சம்"},
    {"The upagrahas of the Sun are left out: the ephemeris gives no Sun for this date.",
     "सूर्य के उपग्रह छोड़ दिए गए: पंचांग इस तिथि का सूर्य नहीं देता।",
     "சூரியனின் உபகிரகங்கள் விடப்பட்டன: இந்தத் தேதிக்கு எபிமெரிஸ் சூரியனைத் தரவில்லை."},
    {"* vargottama: the same sign in D1 and D9", "* वर्गोत्तम: D1 और D9 में एक ही राशि",
     "* வர்கோத்தமம்: D1, D9 இரண்டிலும் ஒரே ராசி"},
}};

std::string Text(std::string_view english, Language language, std::initializer_list<std::string_view> args = {}) {
    return SayFrom(kVargaTexts, english, language, args);
}

VargaRow Row(VargaPointKind kind, int index, std::string_view name, double longitude,
             const upagraha::VargaRules& rules) {
    VargaRow row;
    row.kind = kind;
    row.index = index;
    row.name = name;
    row.longitudeDegrees = longitude;
    for (std::size_t v = 0; v < upagraha::kVargaCount; ++v)
        row.places[v] = upagraha::PlaceInVarga(astro::Degrees(longitude), upagraha::kVargaDivisions[v], rules);
    row.vargottama = row.places[0].sign == row.places[upagraha::kNavamsa].sign;
    return row;
}

void AppendVarga(std::string& out, const VargaTable& table, std::size_t v, Language language) {
    out += 'D';
    out += std::to_string(upagraha::kVargaDivisions[v]);
    out += ' ';
    out += upagraha::VargaName(v, language);
    out += '\n';
    for (const VargaRow& row : table.rows) {
        const upagraha::VargaPlace& place = row.places[v];
        out += "  ";
        AppendColumn(out, VargaPointName(row, language), 14);
        AppendColumn(out, upagraha::SignName(place.sign, language), 12);
        AppendColumn(out, VargaDegreesText(place.degrees), 6, true);
        out += '\n';
    }
}

}  // namespace

VargaTable BuildVargaTable(const Reading& s, const upagraha::Upagrahas& u, bool withGrahas) {
    VargaTable table;
    table.rules = s.profile.vargas;
    const upagraha::VargaRules& rules = table.rules;
    table.rows.push_back(Row(VargaPointKind::Ascendant, 0, "Ascendant", s.birthAscendant.value, rules));
    if (withGrahas && s.sky) {
        for (std::size_t g = 0; g < s.sky->grahas.size(); ++g) {
            const PlacedPoint& p = s.sky->grahas[g];
            table.rows.push_back(Row(VargaPointKind::Graha, static_cast<int>(g), p.name, p.longitudeDegrees, rules));
        }
    }
    for (std::size_t i = 0; i < upagraha::kUpagrahaNames.size(); ++i)
        table.rows.push_back(
            Row(VargaPointKind::Upagraha, static_cast<int>(i), upagraha::kUpagrahaNames[i], u.longitudes[i], rules));
    std::optional<SkyAround> computed;
    if (!s.sky) computed = CalculateSkyAround(s, s.profile, s.birthAscendantText);
    const SkyAround* sky = s.sky ? &*s.sky : computed ? &*computed : nullptr;
    table.sunUpagrahas = sky != nullptr;
    if (sky) {
        for (std::size_t k = 0; k < sky->sunUpagrahas.size(); ++k) {
            const PlacedPoint& p = sky->sunUpagrahas[k];
            table.rows.push_back(
                Row(VargaPointKind::SunUpagraha, static_cast<int>(k), p.name, p.longitudeDegrees, rules));
        }
    }
    return table;
}

VargaReading PlaceReadingInVarga(const Reading& s, const upagraha::Upagrahas& u, int division) {
    VargaReading v{s, u};
    const upagraha::VargaRules& rules = s.profile.vargas;
    const auto place = [&](double longitude) {
        const upagraha::VargaPlace p = upagraha::PlaceInVarga(astro::Degrees(longitude), division, rules);
        return p.sign * 30.0 + p.degrees;
    };
    v.reading.birthAscendant = astro::Degrees(place(s.birthAscendant.value));
    v.reading.birthAscendantText = astro::CompactPositionTextOf(v.reading.birthAscendant.value).view();
    const int ascendantSign = static_cast<int>(v.reading.birthAscendant.value / 30);
    for (std::size_t i = 0; i < upagraha::kUpagrahaNames.size(); ++i) {
        v.upagrahas.longitudes[i] = place(u.longitudes[i]);
        v.upagrahas.upagrahaLongitudes[i] = astro::CompactPositionTextOf(v.upagrahas.longitudes[i]);
        v.upagrahas.houses[i] =
            upagraha::HouseFromSignIndices(ascendantSign, static_cast<int>(v.upagrahas.longitudes[i] / 30));
    }
    if (v.reading.sky) {
        for (PlacedPoint& p : v.reading.sky->grahas) {
            p.longitudeDegrees = place(p.longitudeDegrees);
            p.sign = static_cast<int>(p.longitudeDegrees / 30);
            p.degreesText = VargaDegreesText(p.longitudeDegrees - p.sign * 30.0);
            p.house = upagraha::HouseFromSignIndices(ascendantSign, p.sign);
        }
    }
    return v;
}

std::string_view VargaPointName(const VargaRow& row, Language language) {
    switch (row.kind) {
        case VargaPointKind::Ascendant: {
            for (const TranslatedText& t : kVargaTexts)
                if (t.english == "Ascendant")
                    return language == Language::Hindi ? t.hindi : language == Language::Tamil ? t.tamil : t.english;
            return row.name;
        }
        case VargaPointKind::Graha:
            return upagraha::GrahaName(sky::kGrahas[static_cast<std::size_t>(row.index)], language);
        case VargaPointKind::Upagraha:
            return upagraha::UpagrahaName(row.index, language);
        case VargaPointKind::SunUpagraha:
            return upagraha::SunUpagrahaName(row.index, language);
    }
    return row.name;
}

std::string VargaDegreesText(double degrees) {
    const auto minutes = static_cast<int>(std::floor(degrees * 60));
    char text[24];
    std::snprintf(text, sizeof text, "%d\u00b0%02d\u2032", minutes / 60, minutes % 60);
    return text;
}

std::string VargaRulesText(const upagraha::VargaRules& rules, Language language) {
    using upagraha::DrekkanaRule;
    using upagraha::HoraRule;
    using upagraha::TrimsamsaRule;
    std::string text = Text(rules.hora == HoraRule::Parashara ? "Parashara's hora" : "the cyclic hora", language);
    text += ", ";
    text +=
        Text(rules.drekkana == DrekkanaRule::Parashara ? "Parashara's drekkana" : "the Jagannatha drekkana", language);
    text += ", ";
    text +=
        Text(rules.trimsamsa == TrimsamsaRule::Parashara ? "Parashara's trimsamsa" : "the cyclic trimsamsa", language);
    return text;
}

std::string VargaHeading(Language language) { return Text("Vargas (divisional charts)", language); }

std::string VargottamaNote(Language language) { return Text("* vargottama: the same sign in D1 and D9", language); }

std::string VargaTableText(const VargaTable& table, std::optional<int> division, Language language) {
    std::string out;
    out += Text("Vargas (divisional charts)", language);
    out += '\n';
    out += Text("Rules: %1", language, {VargaRulesText(table.rules, language)});
    out += "\n\n";
    if (const auto one = division ? upagraha::VargaIndex(*division) : std::nullopt; division && one) {
        AppendVarga(out, table, *one, language);
    } else {
        // "  Ascendant     D1  D2  D3 ..." then one line a point: "  Kaala         Leo Can Sag ...  *"
        out += std::string(16, ' ');
        for (const int d : upagraha::kVargaDivisions) AppendColumn(out, "D" + std::to_string(d), 5);
        while (out.back() == ' ') out.pop_back();
        out += '\n';
        for (const VargaRow& row : table.rows) {
            out += "  ";
            AppendColumn(out, VargaPointName(row, language), 14);
            for (const upagraha::VargaPlace& place : row.places)
                AppendColumn(out, upagraha::SignAbbreviation(place.sign, language), 5);
            if (row.vargottama) out += '*';
            while (out.back() == ' ') out.pop_back();
            out += '\n';
        }
        out += Text("* vargottama: the same sign in D1 and D9", language);
        out += "\n\n";
        for (std::size_t v = 0; v < upagraha::kVargaCount; ++v) {
            AppendVarga(out, table, v, language);
            out += '\n';
        }
    }
    if (!table.sunUpagrahas) {
        out += Text("The upagrahas of the Sun are left out: the ephemeris gives no Sun for this date.", language);
        out += '\n';
    }
    return out;
}

}  // namespace vela::reading
