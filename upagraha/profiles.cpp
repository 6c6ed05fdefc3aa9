#include "upagraha/profiles.h"

#include "astro/sunrise_sunset.h"

namespace vela::upagraha {

namespace {

constexpr PortionPoint kMiddle = PortionPoint::Middle;
constexpr PortionPoint kStart = PortionPoint::Start;

constexpr ConventionProfile kGulikaAtTheStart{{LordOrder::EightPlaceCycle,
                                               {kMiddle, kMiddle, kMiddle, kMiddle, kStart, kMiddle},
                                               SunriseEvent::DiscCentreWithoutRefraction},
                                              "gulika-start",
                                              "Gulika at the start"};
constexpr ConventionProfile kSevenLords{{LordOrder::SevenLords}, "seven-lords", "Seven lords"};
constexpr ConventionProfile kAllAtTheStart{
    {LordOrder::EightPlaceCycle, {kStart, kStart, kStart, kStart, kStart, kStart}}, "all-at-start", "All at the start"};
constexpr ConventionProfile kKerala{
    {LordOrder::EightPlaceCycle, {kMiddle, kMiddle, kMiddle, kMiddle, kMiddle, PortionPoint::Ghatis}},
    "kerala",
    "Kerala (Maandi by ghatis)"};

constexpr std::array<std::string_view, 3> kLordWords = {"eight", "seven", "eight-night-four-on"};
constexpr std::array<std::string_view, 4> kPointWords = {"start", "middle", "end", "ghatis"};
constexpr std::array<std::string_view, 3> kSunriseWords = {"upper-limb", "disc-centre", "disc-centre-refracted"};
constexpr std::array<std::string_view, 2> kVyatipataWords = {"circle-less-dhuma", "dhuma-plus-53-20"};
constexpr std::array<std::string_view, 2> kEphemerisWords = {"original", "precise"};
constexpr std::array<std::string_view, 2> kAyanamsaWords = {"original", "lahiri"};
constexpr std::array<std::string_view, 2> kHoraWords = {"parashara", "cyclic"};
constexpr std::array<std::string_view, 2> kDrekkanaWords = {"parashara", "jagannatha"};
constexpr std::array<std::string_view, 2> kTrimsamsaWords = {"parashara", "cyclic"};
// The varga axes follow the others in the index AxisIndex answers; past them, no axis.
constexpr std::size_t kNoAxis = kAxisCount + kVargaAxisCount;

constexpr std::size_t kFirstPointAxis = 1;  // kaala; maandi is kFirstPointAxis + 5
constexpr std::size_t kMaandi = 5;

template <class Enum, std::size_t N>
std::optional<Enum> WordValue(const std::array<std::string_view, N>& words, std::string_view word) {
    for (std::size_t i = 0; i < N; ++i)
        if (words[i] == word) return static_cast<Enum>(i);
    return std::nullopt;
}

template <class Enum, std::size_t N>
std::string_view ValueWord(const std::array<std::string_view, N>& words, Enum value) {
    return words[static_cast<std::size_t>(value)];
}

template <std::size_t N>
std::vector<std::string_view> Words(const std::array<std::string_view, N>& words) {
    return {words.begin(), words.end()};
}

// The text after "key=" when `item` is exactly that, else nothing.
std::optional<std::string_view> Setting(std::string_view item, std::string_view key) {
    if (item.size() <= key.size() || item.substr(0, key.size()) != key || item[key.size()] != '=') return std::nullopt;
    return item.substr(key.size() + 1);
}

// The text up to the separator, the rest after it.
std::string_view Cut(std::string_view& rest, char separator) {
    const std::size_t at = rest.find(separator);
    const std::string_view item = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + 1);
    return item;
}

std::string WordList(const std::vector<std::string_view>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) text += i + 1 == words.size() ? " or " : ", ";
        text += words[i];
    }
    return text;
}

std::size_t AxisIndex(std::string_view axis) {
    for (std::size_t a = 0; a < kAxisCount; ++a)
        if (kAxisNames[a] == axis) return a;
    for (std::size_t a = 0; a < kVargaAxisCount; ++a)
        if (kVargaAxisNames[a] == axis) return kAxisCount + a;
    return kNoAxis;
}

// Sets varga axis v (0 hora, 1 drekkana, 2 trimsamsa) to the word; false when it does not take it.
bool SetVargaAxis(VargaRules& rules, std::size_t v, std::string_view word) {
    if (v == 0) {
        const auto value = WordValue<HoraRule>(kHoraWords, word);
        if (value) rules.hora = *value;
        return value.has_value();
    }
    if (v == 1) {
        const auto value = WordValue<DrekkanaRule>(kDrekkanaWords, word);
        if (value) rules.drekkana = *value;
        return value.has_value();
    }
    const auto value = WordValue<TrimsamsaRule>(kTrimsamsaWords, word);
    if (value) rules.trimsamsa = *value;
    return value.has_value();
}

std::vector<std::string_view> AllAxisNames() {
    std::vector<std::string_view> names(kAxisNames.begin(), kAxisNames.end());
    names.insert(names.end(), kVargaAxisNames.begin(), kVargaAxisNames.end());
    return names;
}

void AppendChangedVargaAxes(std::string& text, const ConventionProfile& profile, char separator) {
    for (const AxisSetting& setting : ChangedVargaAxes(profile)) {
        text += separator;
        text += setting.axis;
        text += '=';
        text += setting.value;
    }
}

// Sets axis a to the word; false when the axis does not take it.
bool SetAxis(ConventionProfile& profile, std::size_t a, std::string_view word) {
    if (a >= kAxisCount) return SetVargaAxis(profile.vargas, a - kAxisCount, word);
    if (a == 0) {
        const auto v = WordValue<LordOrder>(kLordWords, word);
        if (v) profile.lordOrder = *v;
        return v.has_value();
    }
    if (a >= kFirstPointAxis && a < kFirstPointAxis + kUpagrahaCount) {
        const std::size_t u = a - kFirstPointAxis;
        const auto v = WordValue<PortionPoint>(kPointWords, word);
        if (!v || (*v == PortionPoint::Ghatis && u != kMaandi)) return false;
        profile.points[u] = *v;
        return true;
    }
    const std::string_view axis = kAxisNames[a];
    if (axis == "sunrise") {
        const auto v = WordValue<SunriseEvent>(kSunriseWords, word);
        if (v) profile.sunrise = *v;
        return v.has_value();
    }
    if (axis == "vyatipata") {
        const auto v = WordValue<VyatipataChoice>(kVyatipataWords, word);
        if (v) profile.vyatipata = *v;
        return v.has_value();
    }
    if (axis == "ephemeris") {
        const auto v = WordValue<EphemerisChoice>(kEphemerisWords, word);
        if (v) profile.ephemeris = *v;
        return v.has_value();
    }
    const auto v = WordValue<AyanamsaChoice>(kAyanamsaWords, word);
    if (v) profile.ayanamsa = *v;
    return v.has_value();
}

}  // namespace

const std::array<ConventionProfile, kNamedProfileCount>& NamedProfiles() {
    static constexpr std::array<ConventionProfile, kNamedProfileCount> kNamed = {kOriginalProfile, kGulikaAtTheStart,
                                                                                 kSevenLords, kAllAtTheStart, kKerala};
    return kNamed;
}

const std::array<ConventionProfile, kListedProfileCount>& ListedProfiles() {
    static constexpr std::array<ConventionProfile, kListedProfileCount> kListed = {
        kOriginalProfile, kGulikaAtTheStart, kSevenLords, kAllAtTheStart, kKerala, kPreciseProfile};
    return kListed;
}

std::optional<ConventionProfile> FindProfile(std::string_view name) {
    for (const ConventionProfile& profile : ListedProfiles())
        if (profile.name == name) return profile;
    return std::nullopt;
}

ConventionProfile CustomProfile(LordOrder lordOrder, const std::array<PortionPoint, kUpagrahaCount>& points,
                                SunriseEvent sunrise) {
    return {{lordOrder, points, sunrise}, kCustomName, "Custom"};
}

ConventionProfile Named(ConventionProfile profile) {
    for (const ConventionProfile& preset : ListedProfiles()) {
        if (preset.Values() == profile.Values()) {
            profile.name = preset.name;
            profile.title = preset.title;
            return profile;
        }
    }
    profile.name = kCustomName;
    profile.title = "Custom";
    return profile;
}

std::array<AxisSetting, kAxisCount> AxisSettings(const ConventionProfile& profile) {
    std::array<AxisSetting, kAxisCount> settings{};
    for (std::size_t a = 0; a < kAxisCount; ++a) settings[a].axis = kAxisNames[a];
    settings[0].value = ValueWord(kLordWords, profile.lordOrder);
    for (std::size_t u = 0; u < profile.points.size(); ++u)
        settings[kFirstPointAxis + u].value = ValueWord(kPointWords, profile.points[u]);
    settings[7].value = ValueWord(kSunriseWords, profile.sunrise);
    settings[8].value = ValueWord(kVyatipataWords, profile.vyatipata);
    settings[9].value = ValueWord(kEphemerisWords, profile.ephemeris);
    settings[10].value = ValueWord(kAyanamsaWords, profile.ayanamsa);
    return settings;
}

std::array<AxisSetting, kVargaAxisCount> VargaAxisSettings(const ConventionProfile& profile) {
    return {{{kVargaAxisNames[0], ValueWord(kHoraWords, profile.vargas.hora)},
             {kVargaAxisNames[1], ValueWord(kDrekkanaWords, profile.vargas.drekkana)},
             {kVargaAxisNames[2], ValueWord(kTrimsamsaWords, profile.vargas.trimsamsa)}}};
}

std::vector<AxisSetting> ChangedVargaAxes(const ConventionProfile& profile) {
    const auto settings = VargaAxisSettings(profile);
    const auto defaults = VargaAxisSettings(kOriginalProfile);
    std::vector<AxisSetting> changed;
    for (std::size_t v = 0; v < kVargaAxisCount; ++v)
        if (settings[v].value != defaults[v].value) changed.push_back(settings[v]);
    return changed;
}

std::string DescribeVargaRules(const VargaRules& rules) {
    if (rules == VargaRules{}) return "hora, drekkana and trimsamsa after Parashara";
    std::string text = rules.hora == HoraRule::Cyclic ? "the cyclic hora" : "Parashara's hora";
    text += rules.drekkana == DrekkanaRule::Jagannatha ? ", the Jagannatha drekkana" : ", Parashara's drekkana";
    text += rules.trimsamsa == TrimsamsaRule::Cyclic ? " and the cyclic trimsamsa" : " and Parashara's trimsamsa";
    return text;
}

std::vector<std::string_view> AxisValues(std::string_view axis) {
    const std::size_t a = AxisIndex(axis);
    if (a == kNoAxis) return {};
    if (a == kAxisCount) return Words(kHoraWords);
    if (a == kAxisCount + 1) return Words(kDrekkanaWords);
    if (a == kAxisCount + 2) return Words(kTrimsamsaWords);
    if (a == 0) return Words(kLordWords);
    if (a == kFirstPointAxis + kMaandi) return Words(kPointWords);
    if (a >= kFirstPointAxis && a < kFirstPointAxis + kUpagrahaCount)
        return {kPointWords.begin(), kPointWords.end() - 1};
    if (axis == "sunrise") return Words(kSunriseWords);
    if (axis == "vyatipata") return Words(kVyatipataWords);
    if (axis == "ephemeris") return Words(kEphemerisWords);
    return Words(kAyanamsaWords);
}

std::optional<std::string> ApplyConvention(ConventionProfile& profile, std::string_view setting) {
    const std::size_t equals = setting.find('=');
    const std::string_view axis = setting.substr(0, equals);
    const std::size_t a = AxisIndex(axis);
    if (equals == std::string_view::npos || a == kNoAxis) {
        std::string message = "\"" + std::string(setting) + "\" is not AXIS=VALUE with one of the axes ";
        return message + WordList(AllAxisNames());
    }
    const std::string_view word = setting.substr(equals + 1);
    ConventionProfile changed = profile;
    if (!SetAxis(changed, a, word))
        return std::string(axis) + " takes " + WordList(AxisValues(axis)) + ", not \"" + std::string(word) + "\"";
    profile = Named(changed);
    return std::nullopt;
}

ProfileSpec ParseProfileSpec(std::string_view text) {
    std::string_view rest = text;
    const std::string_view name = Cut(rest, ';');
    ProfileSpec spec;
    const auto preset = name.empty() || name == kCustomName ? std::optional(kOriginalProfile) : FindProfile(name);
    if (!preset) {
        spec.error = "\"" + std::string(name) + "\" is not a profile (--profiles lists them)";
        return spec;
    }
    ConventionProfile profile = *preset;
    while (!rest.empty()) {
        const std::string_view setting = Cut(rest, ';');
        if (auto error = ApplyConvention(profile, setting)) {
            spec.error = std::move(*error);
            return spec;
        }
    }
    spec.profile = profile;
    return spec;
}

std::string ProfileSpecText(const ConventionProfile& profile) {
    const ConventionProfile named = Named(profile);
    if (named.name != kCustomName) return std::string(named.name);
    std::string text(kCustomName);
    for (const AxisSetting& setting : AxisSettings(profile)) {
        text += ';';
        text += setting.axis;
        text += '=';
        text += setting.value;
    }
    AppendChangedVargaAxes(text, profile, ';');
    return text;
}

int MaandiGhatis(int weekday, bool byDay) {
    const auto w = static_cast<std::size_t>(((weekday % 7) + 7) % 7);
    return byDay ? kMaandiDayGhatis[w] : kMaandiNightGhatis[w];
}

std::string_view LordOrderText(LordOrder order) {
    switch (order) {
        case LordOrder::EightPlaceCycle:
            return "eight-place cycle of lords";
        case LordOrder::SevenLords:
            return "seven lords in weekday order, the eighth portion lordless";
        case LordOrder::EightPlaceNightFourOn:
            return "eight-place cycle of lords, each night four places on";
    }
    return {};
}

std::string_view PointText(PortionPoint point) { return ValueWord(kPointWords, point); }

std::string_view SunriseText(SunriseEvent event) {
    switch (event) {
        case SunriseEvent::UpperLimbWithRefraction:
            return "sunrise at the upper limb with refraction";
        case SunriseEvent::DiscCentreWithoutRefraction:
            return "sunrise at the centre of the disc without refraction";
        case SunriseEvent::DiscCentreWithRefraction:
            return "sunrise at the centre of the disc with refraction";
    }
    return {};
}

std::string_view VyatipataText(VyatipataChoice choice) {
    return choice == VyatipataChoice::CircleLessDhuma ? "Vyatipata at the circle less Dhuma"
                                                      : "Vyatipata at Dhuma plus 53 deg 20'";
}

std::string EphemerisText(const ConventionProfile& profile) {
    const bool precise = profile.ephemeris == EphemerisChoice::Precise;
    const bool lahiri = profile.ayanamsa == AyanamsaChoice::Lahiri;
    if (!precise && !lahiri) return {};
    std::string text = precise ? "precise ephemeris" : "the original's formulas";
    text += lahiri ? " with Lahiri's ayanamsa" : " with the original's ayanamsa";
    return text;
}

PortionPoint UsualPoint(const ConventionProfile& profile) {
    std::array<int, 4> counts{};
    for (const PortionPoint p : profile.points) ++counts[static_cast<std::size_t>(p)];
    std::size_t usual = 1;
    for (std::size_t p = 0; p < counts.size(); ++p)
        if (counts[p] > counts[usual]) usual = p;
    return static_cast<PortionPoint>(usual);
}

std::string DescribeProfile(const ConventionProfile& profile) {
    // The point most upagrahas take, then the ones that differ from it.
    const PortionPoint usualPoint = UsualPoint(profile);

    std::string text(LordOrderText(profile.lordOrder));
    text += "; ";
    std::string exceptions;
    for (std::size_t u = 0; u < profile.points.size(); ++u) {
        if (profile.points[u] == usualPoint) continue;
        if (!exceptions.empty()) exceptions += ", ";
        exceptions += kUpagrahaNames[u];
        exceptions += profile.points[u] == PortionPoint::Ghatis ? " by the ghatis" : " at the ";
        if (profile.points[u] != PortionPoint::Ghatis) exceptions += PointText(profile.points[u]);
    }
    if (exceptions.empty()) {
        text += "every upagraha at the ";
        text += PointText(usualPoint);
        text += " of its portion";
    } else {
        text += exceptions;
        text += ", the others at the ";
        text += PointText(usualPoint);
        text += " of their portions";
    }
    text += "; ";
    text += SunriseText(profile.sunrise);
    if (profile.vyatipata != VyatipataChoice::CircleLessDhuma) (text += "; ") += VyatipataText(profile.vyatipata);
    if (const std::string sky = EphemerisText(profile); !sky.empty()) (text += "; ") += sky;
    return text;
}

double PointFraction(PortionPoint point) {
    switch (point) {
        case PortionPoint::Start:
            return 0;
        case PortionPoint::Middle:
            return 0.5;
        case PortionPoint::End:
            return 1;
        case PortionPoint::Ghatis:
            return 0.5;
    }
    return 0.5;
}

double ZenithCosine(SunriseEvent event) {
    switch (event) {
        case SunriseEvent::UpperLimbWithRefraction:
            return astro::kUpperLimbWithRefraction;
        case SunriseEvent::DiscCentreWithoutRefraction:
            return astro::kDiscCentreWithoutRefraction;
        case SunriseEvent::DiscCentreWithRefraction:
            return astro::kDiscCentreWithRefraction;
    }
    return astro::kUpperLimbWithRefraction;
}

const LordCycle& CycleOf(LordOrder order) {
    switch (order) {
        case LordOrder::EightPlaceCycle:
            return kEightPlaceCycle;
        case LordOrder::SevenLords:
            return kSevenLordCycle;
        case LordOrder::EightPlaceNightFourOn:
            return kEightPlaceNightFourOnCycle;
    }
    return kEightPlaceCycle;
}

Planet PortionLord(LordOrder order, int weekday, bool byDay, int portion) {
    const LordCycle& cycle = CycleOf(order);
    if (portion >= cycle.cycleLength) return cycle.places[static_cast<std::size_t>(portion)];
    const bool stepInPlaces = !byDay && cycle.nightStepInPlaces;
    const Planet first = WeekdayLord(byDay || stepInPlaces ? weekday : weekday + cycle.nightStep);
    int at = 0;
    while (at < cycle.cycleLength && cycle.places[static_cast<std::size_t>(at)] != first) ++at;
    if (stepInPlaces) at += cycle.nightStep;
    return cycle.places[static_cast<std::size_t>((at + portion) % cycle.cycleLength)];
}

std::string ProfileSettingsText(const ConventionProfile& profile) {
    std::string text = "lords=";
    text += ValueWord(kLordWords, profile.lordOrder);
    text += ";points=";
    for (std::size_t u = 0; u < profile.points.size(); ++u) {
        if (u > 0) text += ',';
        text += PointText(profile.points[u]);
    }
    text += ";sunrise=";
    text += ValueWord(kSunriseWords, profile.sunrise);
    // The axes added later are written only where they leave the original's value, so that the
    // lines of earlier versions stay what they were.
    if (profile.vyatipata != kOriginalProfile.vyatipata)
        (text += ";vyatipata=") += ValueWord(kVyatipataWords, profile.vyatipata);
    if (profile.ephemeris != kOriginalProfile.ephemeris)
        (text += ";ephemeris=") += ValueWord(kEphemerisWords, profile.ephemeris);
    if (profile.ayanamsa != kOriginalProfile.ayanamsa)
        (text += ";ayanamsa=") += ValueWord(kAyanamsaWords, profile.ayanamsa);
    AppendChangedVargaAxes(text, profile, ';');
    return text;
}

std::optional<ConventionProfile> ParseProfileSettings(std::string_view text) {
    if (!text.empty() && text.back() == ';') return std::nullopt;
    std::string_view rest = text;
    const auto lordsText = Setting(Cut(rest, ';'), "lords");
    auto pointsText = Setting(Cut(rest, ';'), "points");
    const auto sunriseText = Setting(Cut(rest, ';'), "sunrise");
    if (!lordsText || !pointsText || !sunriseText) return std::nullopt;
    const auto lords = WordValue<LordOrder>(kLordWords, *lordsText);
    const auto sunrise = WordValue<SunriseEvent>(kSunriseWords, *sunriseText);
    if (!lords || !sunrise) return std::nullopt;

    std::array<PortionPoint, kUpagrahaCount> points{};
    for (std::size_t u = 0; u < points.size(); ++u) {
        const bool last = u + 1 == points.size();
        if (pointsText->empty() || (last && pointsText->find(',') != std::string_view::npos)) return std::nullopt;
        const auto point = WordValue<PortionPoint>(kPointWords, Cut(*pointsText, ','));
        if (!point || (*point == PortionPoint::Ghatis && u != kMaandi)) return std::nullopt;
        points[u] = *point;
    }
    ConventionProfile profile = CustomProfile(*lords, points, *sunrise);
    // Then each later axis at most once, in this order.
    for (const std::string_view axis : {"vyatipata", "ephemeris", "ayanamsa", "hora", "drekkana", "trimsamsa"}) {
        if (rest.empty()) break;
        std::string_view ahead = rest;
        const auto value = Setting(Cut(ahead, ';'), axis);
        if (!value) continue;
        if (!SetAxis(profile, AxisIndex(axis), *value)) return std::nullopt;
        rest = ahead;
    }
    if (!rest.empty()) return std::nullopt;
    return profile;
}

}  // namespace vela::upagraha
