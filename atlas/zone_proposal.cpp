#include "atlas/zone_proposal.h"

#include <cmath>
#include <cstdlib>

#include "astro/calendar.h"
#include "astro/text.h"
#include "reading/reading_language.h"
#include "reading/reference_tables.h"

namespace vela::atlas {

using upagraha::Language;

// The texts below in Hindi and Tamil, in the words of docs/translations.md ("The atlas's zone texts").
// clang-format off
constexpr reading::TranslatedText kZoneTexts[] = {
    {"%1 on %2: %3", "%2 को %1: %3", "%1, %2: %3"},
    {"local mean time, before standard time (%1 at the zone's own city)",
     "स्थानीय माध्य समय, मानक समय से पहले (क्षेत्र के अपने नगर पर %1)",
     "உள்ளூர் சராசரி நேரம், திட்ட நேரத்துக்கு முன் (மண்டலத்தின் சொந்த நகரில் %1)"},
    {", daylight saving (standard %1)", ", ग्रीष्मकालीन समय (मानक %1)", ", பகலொளி சேமிப்பு நேரம் (திட்ட நேரம் %1)"},
    {", winter time (standard %1)", ", शीतकालीन समय (मानक %1)", ", குளிர்கால நேரம் (திட்ட நேரம் %1)"},
    {", no daylight saving", ", ग्रीष्मकालीन समय नहीं", ", பகலொளி சேமிப்பு நேரம் இல்லை"},
    {"; the clocks skipped %1 that day (put forward), so the time after is assumed",
     "; उस दिन घड़ियाँ %1 को लाँघ गईं (आगे की गईं), इसलिए उसके बाद का समय माना गया है",
     "; அன்று கடிகாரங்கள் %1 ஐத் தாண்டின (முன்னே வைக்கப்பட்டன), எனவே அதற்குப் பிந்தைய நேரம் கொள்ளப்படுகிறது"},
    {"; the clocks showed %1 twice that day (put back), so the first is assumed",
     "; उस दिन घड़ियों ने %1 दो बार दिखाया (पीछे की गईं), इसलिए पहला माना गया है",
     "; அன்று கடிகாரங்கள் %1 ஐ இரு முறை காட்டின (பின்னே வைக்கப்பட்டன), எனவே முதலாவது கொள்ளப்படுகிறது"},
    {"Zone set to \"%1\" with Daylight Saving Time ticked",
     "समय क्षेत्र \"%1\" चुना गया, ग्रीष्मकालीन समय चिह्नित",
     "நேர மண்டலம் \"%1\" என அமைக்கப்பட்டது, பகலொளி சேமிப்பு நேரம் குறிக்கப்பட்டது"},
    {"Zone set to \"%1\", Daylight Saving Time clear",
     "समय क्षेत्र \"%1\" चुना गया, ग्रीष्मकालीन समय अचिह्नित",
     "நேர மண்டலம் \"%1\" என அமைக்கப்பட்டது, பகலொளி சேமிப்பு நேரம் குறிக்கப்படவில்லை"},
    {"Proposed: \"%1\" with Daylight Saving Time ticked", "प्रस्तावित: \"%1\", ग्रीष्मकालीन समय चिह्नित",
     "பரிந்துரை: \"%1\", பகலொளி சேமிப்பு நேரம் குறிக்கப்பட்டது"},
    {"Proposed: \"%1\", Daylight Saving Time clear", "प्रस्तावित: \"%1\", ग्रीष्मकालीन समय अचिह्नित",
     "பரிந்துரை: \"%1\", பகலொளி சேமிப்பு நேரம் குறிக்கப்படவில்லை"},
    {"No zone of the list gives %1.", "सूची का कोई समय क्षेत्र %1 नहीं देता।",
     "பட்டியலில் எந்த நேர மண்டலமும் %1 தருவதில்லை."},
    {"Nearest place in the atlas: %1 (%2 km)", "एटलस में निकटतम स्थान: %1 (%2 किमी)",
     "அட்லஸில் அருகிலுள்ள இடம்: %1 (%2 கி.மீ.)"},
    {"The time zone %1 is not known to this system; please choose the zone yourself.",
     "समय क्षेत्र %1 इस सिस्टम को ज्ञात नहीं है; कृपया समय क्षेत्र स्वयं चुनें।",
     "%1 என்ற நேர மண்டலம் இந்தக் கணினிக்குத் தெரியாது; நேர மண்டலத்தை நீங்களே தேர்ந்தெடுக்கவும்."},
    {"%1: the offset is shown once the date exists.", "%1: दिनांक सही होने पर अंतर दिखाया जाएगा।",
     "%1: தேதி சரியானதும் வேறுபாடு காட்டப்படும்."},
    {"No zone of the list gives %1, the clocks of %2 at the birth moment; the reading will use the zone chosen.",
     "सूची का कोई समय क्षेत्र %1 नहीं देता, जो जन्म के क्षण %2 की घड़ियों का समय था; गणना चुने गए समय क्षेत्र से होगी।",
     "பிறந்த நேரத்தில் %2 கடிகாரங்களின் நேரமான %1 ஐப் பட்டியலில் எந்த நேர மண்டலமும் தருவதில்லை; "
     "தேர்ந்தெடுத்த நேர மண்டலமே பயன்படுத்தப்படும்."},
    {"the place's local mean time and an hour", "स्थान का स्थानीय माध्य समय और एक घंटा",
     "இடத்தின் உள்ளூர் சராசரி நேரமும் ஒரு மணியும்"},
    {"the place's local mean time", "स्थान का स्थानीय माध्य समय", "இடத்தின் உள்ளூர் சராசரி நேரம்"},
    {"The zone chosen gives %1, but the clocks of %2 were at %3 at the birth moment.",
     "चुना गया समय क्षेत्र %1 देता है, पर जन्म के क्षण %2 की घड़ियाँ %3 पर थीं।",
     "தேர்ந்தெடுத்த நேர மண்டலம் %1 தருகிறது, ஆனால் பிறந்த நேரத்தில் %2 கடிகாரங்கள் %3 இல் இருந்தன."},
    {"The zone and tick chosen give %1, but the clocks of %2 were at %3 at the birth moment.",
     "चुने गए समय क्षेत्र और चिह्न %1 देते हैं, पर जन्म के क्षण %2 की घड़ियाँ %3 पर थीं।",
     "தேர்ந்தெடுத்த நேர மண்டலமும் குறியும் %1 தருகின்றன, ஆனால் பிறந்த நேரத்தில் %2 கடிகாரங்கள் %3 இல் இருந்தன."},
    {"The zone chosen gives %1, but the clocks of %2 kept local mean time at the birth moment.",
     "चुना गया समय क्षेत्र %1 देता है, पर जन्म के क्षण %2 की घड़ियाँ स्थानीय माध्य समय पर थीं।",
     "தேர்ந்தெடுத்த நேர மண்டலம் %1 தருகிறது, ஆனால் பிறந்த நேரத்தில் %2 கடிகாரங்கள் உள்ளூர் சராசரி நேரத்தில் இருந்தன."},
    {"The zone and tick chosen give %1, but the clocks of %2 kept local mean time at the birth moment.",
     "चुने गए समय क्षेत्र और चिह्न %1 देते हैं, पर जन्म के क्षण %2 की घड़ियाँ स्थानीय माध्य समय पर थीं।",
     "தேர்ந்தெடுத்த நேர மண்டலமும் குறியும் %1 தருகின்றன, ஆனால் பிறந்த நேரத்தில் %2 கடிகாரங்கள் உள்ளூர் சராசரி "
     "நேரத்தில் இருந்தன."},
};
// clang-format on

std::span<const reading::TranslatedText> ZoneTexts() { return kZoneTexts; }

namespace {

std::string Say(std::string_view english, Language language, std::initializer_list<std::string_view> args = {}) {
    return reading::SayFrom(kZoneTexts, english, language, args);
}

constexpr int kSecondsPerHour = 3600;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string MonthAbbreviation(int month) {
    return std::string(reading::kMonthNames[static_cast<std::size_t>(month - 1)].substr(0, 3));
}

// An offset to the nearest whole minute, half a minute to the even one.
int ToWholeMinute(int seconds) { return static_cast<int>(std::nearbyint(seconds / 60.0)) * 60; }

bool IsLocalMeanTimeRow(int row) { return reading::kZoneRows[static_cast<std::size_t>(row)].localMeanTime; }

}  // namespace

std::optional<ClockMoment> ClockMomentOf(const reading::BirthForm& form) {
    const auto day = astro::ParseWhole(form.day);
    const auto year = astro::ParseWhole(form.year);
    const auto hour = astro::ParseWhole(form.hour);
    const auto minute = astro::ParseWhole(form.minute);
    const int month = form.month + 1;
    if (!day || !year || !hour || !minute || month < 1 || month > 12) return std::nullopt;
    if (!astro::IsValidDate(*year, month, *day) || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59)
        return std::nullopt;
    return ClockMoment{*year, month, *day, *hour, *minute};
}

int RowRank(std::string_view rowText) {
    const std::string_view name = rowText.substr(0, rowText.find(','));
    if (Contains(name, "Standard Time")) return 0;
    for (const std::string_view word : {"Daylight", "Summer", "War", "Double"})
        if (Contains(name, word)) return 3;
    return Contains(name, "Time") ? 1 : 2;
}

std::optional<int> RowForOffset(int secondsEast) {
    const int wanted = ToWholeMinute(secondsEast);
    std::optional<int> best;
    int bestRank = 0;
    for (int row = 0; row < reading::kZoneCount; ++row) {
        // To the minute on both sides: Calcutta and Madras time carry their seconds, the clocks'
        // data may carry others.
        if (IsLocalMeanTimeRow(row) || ToWholeMinute(reading::RowOffsetSeconds(row)) != wanted) continue;
        const int rank = RowRank(reading::kZoneRows[static_cast<std::size_t>(row)].text);
        if (!best || rank < bestRank) {
            best = row;
            bestRank = rank;
        }
    }
    return best;
}

ZoneProposal ProposeZone(int standardSeconds, int inForceSeconds) {
    const int ahead = inForceSeconds - standardSeconds;
    if (ahead == 0 || ahead == kSecondsPerHour) {
        if (const auto row = RowForOffset(standardSeconds)) return {row, ahead == kSecondsPerHour};
    }
    // The tick adds exactly one hour; any other difference (two hours of double summer time, an
    // hour behind standard in an Irish or Namibian winter), or a standard offset the table lacks,
    // needs a row that gives the offset in force by itself.
    return {RowForOffset(inForceSeconds), false};
}

ZoneProposal ProposeZone(const ZoneAtMoment& zone) {
    if (zone.localMeanTime) return {reading::kLocalMeanTimeRow, false};
    return ProposeZone(zone.standardSeconds, zone.inForceSeconds);
}

std::string ProposalText(const ZoneAtMoment& zone, const ClockMoment& moment, const ZoneProposal& proposal,
                         bool applied, Language language) {
    const std::string date =
        language == Language::English
            ? std::to_string(moment.day) + " " + MonthAbbreviation(moment.month) + " " + std::to_string(moment.year)
            : reading::DateText(moment.day, moment.month, moment.year, language);
    std::string text =
        Say("%1 on %2: %3", language,
            {zone.zoneName, date,
             zone.localMeanTime ? Say("local mean time, before standard time (%1 at the zone's own city)", language,
                                      {reading::OffsetText(zone.inForceSeconds)})
                                : reading::OffsetText(zone.inForceSeconds)});
    const std::string standard = reading::OffsetText(zone.standardSeconds);
    if (zone.localMeanTime) {
        // Mean time knows no daylight saving.
    } else if (zone.inForceSeconds > zone.standardSeconds)
        text += Say(", daylight saving (standard %1)", language, {standard});
    else if (zone.inForceSeconds < zone.standardSeconds)
        text += Say(", winter time (standard %1)", language, {standard});
    else
        text += Say(", no daylight saving", language);
    const std::string clock = astro::ClockText(moment.hour, moment.minute);
    if (zone.clock == ClockFit::Skipped)
        text += Say("; the clocks skipped %1 that day (put forward), so the time after is assumed", language, {clock});
    else if (zone.clock == ClockFit::Twice)
        text += Say("; the clocks showed %1 twice that day (put back), so the first is assumed", language, {clock});
    text += "\n";
    if (proposal.row) {
        const std::string_view row = reading::kZoneRows[static_cast<std::size_t>(*proposal.row)].text;
        if (applied)
            text += Say(proposal.dst ? "Zone set to \"%1\" with Daylight Saving Time ticked"
                                     : "Zone set to \"%1\", Daylight Saving Time clear",
                        language, {row});
        else
            text += Say(proposal.dst ? "Proposed: \"%1\" with Daylight Saving Time ticked"
                                     : "Proposed: \"%1\", Daylight Saving Time clear",
                        language, {row});
    } else {
        text += Say("No zone of the list gives %1.", language, {reading::OffsetText(zone.inForceSeconds)});
    }
    return text;
}

std::string NearestPlaceText(const AtlasPlace& place, double km, Language language) {
    // Whole kilometres, half to even: the coordinates typed to the minute are no closer than that.
    return Say("Nearest place in the atlas: %1 (%2 km)", language,
               {PlaceListText(place), std::to_string(static_cast<long>(std::nearbyint(km)))});
}

std::string UnknownZoneText(std::string_view zone, Language language) {
    return Say("The time zone %1 is not known to this system; please choose the zone yourself.", language, {zone});
}

std::string NoDateText(std::string_view zone, Language language) {
    return Say("%1: the offset is shown once the date exists.", language, {zone});
}

std::optional<std::string> ZoneWarning(const ZoneAtMoment& zone, const ZoneProposal& proposal, int chosenRow,
                                       bool chosenDST, Language language) {
    const std::string inForce = reading::OffsetText(zone.inForceSeconds);
    if (!proposal.row)
        return Say(
            "No zone of the list gives %1, the clocks of %2 at the birth moment; the reading will use the zone "
            "chosen.",
            language, {inForce, zone.zoneName});
    if (chosenRow < 0 || chosenRow >= reading::kZoneCount) return std::nullopt;
    std::string gives;
    if (IsLocalMeanTimeRow(chosenRow)) {
        if (zone.localMeanTime && !chosenDST) return std::nullopt;
        gives = Say(chosenDST ? "the place's local mean time and an hour" : "the place's local mean time", language);
    } else {
        const int chosen = reading::RowOffsetSeconds(chosenRow) + (chosenDST ? kSecondsPerHour : 0);
        if (!zone.localMeanTime && ToWholeMinute(chosen) == ToWholeMinute(zone.inForceSeconds)) return std::nullopt;
        gives = reading::OffsetText(chosen);
    }
    if (zone.localMeanTime)
        return Say(chosenDST
                       ? "The zone and tick chosen give %1, but the clocks of %2 kept local mean time at the "
                         "birth moment."
                       : "The zone chosen gives %1, but the clocks of %2 kept local mean time at the birth moment.",
                   language, {gives, zone.zoneName});
    return Say(chosenDST ? "The zone and tick chosen give %1, but the clocks of %2 were at %3 at the birth moment."
                         : "The zone chosen gives %1, but the clocks of %2 were at %3 at the birth moment.",
               language, {gives, zone.zoneName, inForce});
}

reading::DayClock DayClockOf(const ZoneAtMoment& zone) {
    const bool shifted = zone.inForceSeconds != zone.standardSeconds;
    return {astro::ZoneOffset::FromSecondsEast(zone.inForceSeconds - (shifted ? 3600 : 0)), shifted};
}

}  // namespace vela::atlas
