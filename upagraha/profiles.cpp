#include "upagraha/profiles.h"

#include "astro/sunrise_sunset.h"

namespace vela::upagraha {

namespace {

constexpr PortionPoint kMiddle = PortionPoint::Middle;

constexpr ConventionProfile kGulikaAtTheStart{"gulika-start",
                                              "Gulika at the start",
                                              LordOrder::EightPlaceCycle,
                                              {kMiddle, kMiddle, kMiddle, kMiddle, PortionPoint::Start, kMiddle},
                                              SunriseEvent::DiscCentreWithoutRefraction};
constexpr ConventionProfile kSevenLords{"seven-lords", "Seven lords", LordOrder::SevenLords};

constexpr std::array<std::string_view, 2> kLordWords = {"eight", "seven"};
constexpr std::array<std::string_view, 3> kPointWords = {"start", "middle", "end"};
constexpr std::array<std::string_view, 2> kSunriseWords = {"upper-limb", "disc-centre"};

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

// The text after "key=" when `item` is exactly that, else nothing.
std::optional<std::string_view> Setting(std::string_view item, std::string_view key) {
    if (item.size() <= key.size() || item.substr(0, key.size()) != key || item[key.size()] != '=') return std::nullopt;
    return item.substr(key.size() + 1);
}

}  // namespace

const std::array<ConventionProfile, kNamedProfileCount>& NamedProfiles() {
    static constexpr std::array<ConventionProfile, kNamedProfileCount> kNamed = {kOriginalProfile, kGulikaAtTheStart,
                                                                                 kSevenLords};
    return kNamed;
}

const std::array<ConventionProfile, kListedProfileCount>& ListedProfiles() {
    static constexpr std::array<ConventionProfile, kListedProfileCount> kListed = {kOriginalProfile, kGulikaAtTheStart,
                                                                                   kSevenLords, kPreciseProfile};
    return kListed;
}

std::optional<ConventionProfile> FindProfile(std::string_view name) {
    for (const ConventionProfile& profile : ListedProfiles())
        if (profile.name == name) return profile;
    return std::nullopt;
}

ConventionProfile CustomProfile(LordOrder lordOrder, const std::array<PortionPoint, kUpagrahaCount>& points,
                                SunriseEvent sunrise) {
    return {kCustomName, "Custom", lordOrder, points, sunrise};
}

std::string_view LordOrderText(LordOrder order) {
    return order == LordOrder::EightPlaceCycle ? "eight-place cycle of lords"
                                               : "seven lords in weekday order, the eighth portion lordless";
}

std::string_view PointText(PortionPoint point) { return ValueWord(kPointWords, point); }

std::string_view SunriseText(SunriseEvent event) {
    return event == SunriseEvent::UpperLimbWithRefraction ? "sunrise at the upper limb with refraction"
                                                          : "sunrise at the centre of the disc without refraction";
}

std::string EphemerisText(const ConventionProfile& profile) {
    const bool precise = profile.ephemeris == EphemerisChoice::Precise;
    const bool lahiri = profile.ayanamsa == AyanamsaChoice::Lahiri;
    if (!precise && !lahiri) return {};
    std::string text = precise ? "precise ephemeris" : "the original's formulas";
    text += lahiri ? " with Lahiri's ayanamsa" : " with the original's ayanamsa";
    return text;
}

std::string DescribeProfile(const ConventionProfile& profile) {
    // The point most upagrahas take (the earliest of a tie), then the ones that differ from it.
    std::array<int, 3> counts{};
    for (const PortionPoint p : profile.points) ++counts[static_cast<std::size_t>(p)];
    std::size_t usual = 1;
    for (std::size_t p = 0; p < counts.size(); ++p)
        if (counts[p] > counts[usual]) usual = p;
    const auto usualPoint = static_cast<PortionPoint>(usual);

    std::string text(LordOrderText(profile.lordOrder));
    text += "; ";
    std::string exceptions;
    for (std::size_t u = 0; u < profile.points.size(); ++u) {
        if (profile.points[u] == usualPoint) continue;
        if (!exceptions.empty()) exceptions += ", ";
        exceptions += kUpagrahaNames[u];
        exceptions += " at the ";
        exceptions += PointText(profile.points[u]);
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
    }
    return 0.5;
}

double ZenithCosine(SunriseEvent event) {
    return event == SunriseEvent::UpperLimbWithRefraction ? astro::kUpperLimbWithRefraction
                                                          : astro::kDiscCentreWithoutRefraction;
}

const LordCycle& CycleOf(LordOrder order) {
    return order == LordOrder::EightPlaceCycle ? kEightPlaceCycle : kSevenLordCycle;
}

Planet PortionLord(LordOrder order, int weekday, bool byDay, int portion) {
    const LordCycle& cycle = CycleOf(order);
    if (portion >= cycle.cycleLength) return cycle.places[static_cast<std::size_t>(portion)];
    const Planet first = WeekdayLord(byDay ? weekday : weekday + cycle.nightStep);
    int at = 0;
    while (at < cycle.cycleLength && cycle.places[static_cast<std::size_t>(at)] != first) ++at;
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
    return text;
}

std::optional<ConventionProfile> ParseProfileSettings(std::string_view text) {
    const auto cut = [](std::string_view& rest, char separator) {
        const std::size_t at = rest.find(separator);
        const std::string_view item = rest.substr(0, at);
        rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + 1);
        return item;
    };
    std::string_view rest = text;
    const auto lordsText = Setting(cut(rest, ';'), "lords");
    auto pointsText = Setting(cut(rest, ';'), "points");
    const auto sunriseText = Setting(rest, "sunrise");
    if (!lordsText || !pointsText || !sunriseText) return std::nullopt;
    const auto lords = WordValue<LordOrder>(kLordWords, *lordsText);
    const auto sunrise = WordValue<SunriseEvent>(kSunriseWords, *sunriseText);
    if (!lords || !sunrise) return std::nullopt;

    std::array<PortionPoint, kUpagrahaCount> points{};
    for (std::size_t u = 0; u < points.size(); ++u) {
        const bool last = u + 1 == points.size();
        if (pointsText->empty() || (last && pointsText->find(',') != std::string_view::npos)) return std::nullopt;
        const auto point = WordValue<PortionPoint>(kPointWords, cut(*pointsText, ','));
        if (!point) return std::nullopt;
        points[u] = *point;
    }
    return CustomProfile(*lords, points, *sunrise);
}

}  // namespace vela::upagraha
