// The zone proposal: which row and tick give a place's clock at the birth moment, the line shown
// beside the zone list, and the warning when the form says otherwise.
//
// Offsets of the named places come from the IANA time-zone data (tzdata 2025b): New York -05:00
// with daylight saving -04:00 in July 1990; Kolkata +05:30, with the war-time +06:30 from
// 1 September 1942 to 15 October 1945; Madras mean time +05:21:10 until 1906 and Howrah (Calcutta)
// mean time +05:53:20 before it; Kathmandu +05:45 since 1986 and its local mean time +05:41:16
// until 1920; Kabul +04:30; Caracas -04:30 from 2007 to 2016; Eucla +08:45; Chatham +12:45 with
// +13:45 in summer; Kiritimati +14:00; Amsterdam +00:20 with +01:20 in summer from 1937 to 1940;
// London's double summer time +02:00 over GMT in the summer of 1941; Ireland's winter time +00:00
// under its standard +01:00.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "atlas/zone_proposal.h"
#include "reading/reference_tables.h"
#include "tests/support/test_names.h"

namespace {

using namespace vela;
using namespace vela::atlas;

constexpr int H = 3600;
constexpr int M = 60;

struct ProposalRow {
    std::string name;
    int standard;
    int inForce;
    std::optional<int> row;
    bool tick;
};

class ProposeZoneTest : public ::testing::TestWithParam<ProposalRow> {};

TEST_P(ProposeZoneTest, gives_the_row_and_tick) {
    const ProposalRow& r = GetParam();
    const ZoneProposal p = ProposeZone(r.standard, r.inForce);
    EXPECT_EQ(p.row, r.row);
    EXPECT_EQ(p.dst, r.tick);
    // Whatever is proposed gives the clocks' offset, to the minute.
    if (p.row) {
        EXPECT_NEAR(reading::RowOffsetSeconds(*p.row) + (p.dst ? H : 0), r.inForce, 30);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, ProposeZoneTest,
    ::testing::Values(
        ProposalRow{"new_york_in_july_1990_is_eastern_standard_with_the_tick", -5 * H, -4 * H, 27, true},
        ProposalRow{"new_york_in_january_is_eastern_standard_without", -5 * H, -5 * H, 27, false},
        ProposalRow{"kolkata_in_october_1942_is_indian_time_with_the_tick", 5 * H + 30 * M, 6 * H + 30 * M, 34, true},
        ProposalRow{"kolkata_in_1918_is_indian_time_without", 5 * H + 30 * M, 5 * H + 30 * M, 34, false},
        ProposalRow{"kathmandu_since_1986_is_nepal_time", 5 * H + 45 * M, 5 * H + 45 * M, 71, false},
        ProposalRow{"kabul_is_afghanistan_time", 4 * H + 30 * M, 4 * H + 30 * M, 72, false},
        ProposalRow{"caracas_in_2010_is_venezuela_time", -4 * H - 30 * M, -4 * H - 30 * M, 73, false},
        ProposalRow{"howrah_mean_time_is_calcutta_time_to_the_minute", 5 * H + 53 * M + 20, 5 * H + 53 * M + 20, 74,
                    false},
        ProposalRow{"madras_mean_time_is_madras_time_to_the_minute", 5 * H + 21 * M + 10, 5 * H + 21 * M + 10, 76,
                    false},
        ProposalRow{"eucla_is_central_western_time", 8 * H + 45 * M, 8 * H + 45 * M, 77, false},
        ProposalRow{"chatham_in_summer_is_chatham_time_with_the_tick", 12 * H + 45 * M, 13 * H + 45 * M, 78, true},
        ProposalRow{"kiritimati_is_line_islands_time", 14 * H, 14 * H, 79, false},
        ProposalRow{"amsterdam_mean_time_fits_no_row", 19 * M + 32, 19 * M + 32, std::nullopt, false},
        ProposalRow{"double_summer_time_takes_a_row_of_its_own", 0, 2 * H, 26, false},
        ProposalRow{"london_war_winter_is_greenwich_with_the_tick", 0, H, 29, true},
        ProposalRow{"irish_winter_time_takes_greenwich_without_the_tick", H, 0, 29, false},
        ProposalRow{"sao_paulo_summer_is_brazil_zone_2_with_the_tick", -3 * H, -2 * H, 14, true},
        ProposalRow{"half_an_hour_of_daylight_saving_takes_the_row_in_force", 10 * H + 30 * M, 11 * H, 62, false},
        ProposalRow{"a_standard_offset_the_table_lacks_takes_the_row_in_force", 4 * H + 45 * M, 5 * H + 45 * M, 71,
                    false},
        ProposalRow{"amsterdam_summer_1938_is_an_hour_ahead_of_a_missing_standard_and_no_row_in_force", 20 * M,
                    H + 20 * M, std::nullopt, false}),
    RowName());

TEST(RowForOffset, prefers_standard_then_plain_time_then_other_names_then_the_rest) {
    struct Case {
        int seconds;
        int row;
    };
    const Case cases[] = {
        {-5 * H, 27},           // EST before CDT, EWT
        {0, 29},                // GMT before UT (row order)
        {H, 20},                // CET before BST, MET
        {5 * H + 30 * M, 34},   // Indian Time
        {2 * H, 26},            // EET before BDST, BWT, CED, MED
        {10 * H, 8},            // AEST before Guam Standard Time (row order)
        {-3 * H, 14},           // Brazil Zone 2 before Atlantic War Time
        {11 * H, 62},           // USSR Zone 10 before AEDT
        {12 * H, 47},           // New Zealand Std Time before Int'l Date Line East
        {-9 * H, 69},           // YST before AHDT, AHWT
        {-9 * H - 30 * M, 31},  // only daylight and war rows: the first
    };
    for (const Case& c : cases) EXPECT_EQ(RowForOffset(c.seconds), c.row) << reading::OffsetText(c.seconds);
    EXPECT_EQ(RowForOffset(20 * M), std::nullopt);
    // To the nearest minute: the old mean times carry seconds, the rows do not.
    EXPECT_EQ(RowForOffset(5 * H + 21 * M + 10), 76);
    EXPECT_EQ(RowForOffset(5 * H + 20 * M + 31), 76);
    EXPECT_EQ(RowForOffset(5 * H + 21 * M + 29), 76);
    EXPECT_EQ(RowForOffset(5 * H + 21 * M + 31), std::nullopt);
    // Local mean time has no fixed offset: its row is never found for one, not even for +00:00.
    EXPECT_EQ(RowForOffset(0), 29);

    // Every fixed row's offset finds a row of that offset, never one ranked below it.
    for (int row = 0; row < reading::kZoneCount; ++row) {
        if (row == reading::kLocalMeanTimeRow) continue;
        const auto found = RowForOffset(reading::RowOffsetSeconds(row));
        ASSERT_TRUE(found.has_value()) << row;
        EXPECT_EQ(reading::RowOffsetSeconds(*found), reading::RowOffsetSeconds(row));
        const int foundRank = RowRank(reading::kZoneRows[static_cast<std::size_t>(*found)].text);
        const int rowRank = RowRank(reading::kZoneRows[static_cast<std::size_t>(row)].text);
        EXPECT_TRUE(foundRank < rowRank || (foundRank == rowRank && *found <= row)) << row;
    }
}

TEST(OffsetText, signs_pads_and_shows_seconds_only_when_there_are_some) {
    EXPECT_EQ(reading::OffsetText(5 * H + 30 * M), "+05:30");
    EXPECT_EQ(reading::OffsetText(-4 * H), "-04:00");
    EXPECT_EQ(reading::OffsetText(0), "+00:00");
    EXPECT_EQ(reading::OffsetText(-30 * M), "-00:30");
    EXPECT_EQ(reading::OffsetText(5 * H + 21 * M + 10), "+05:21:10");
    EXPECT_EQ(reading::OffsetText(-3 * H - 30 * M), "-03:30");
}

TEST(ProposalText, says_what_the_data_gives_and_what_is_proposed) {
    const ClockMoment october1918{1918, 10, 16, 12, 0};
    const ZoneAtMoment kolkata1918{"Asia/Kolkata", 5 * H + 30 * M, 5 * H + 30 * M, ClockFit::Once};
    EXPECT_EQ(ProposalText(kolkata1918, october1918, ProposeZone(5 * H + 30 * M, 5 * H + 30 * M)),
              "Asia/Kolkata on 16 Oct 1918: +05:30, no daylight saving\n"
              "Proposed: \"Indian Time, IST, +5.3\", Daylight Saving Time clear");

    const ZoneAtMoment newYork{"America/New_York", -5 * H, -4 * H, ClockFit::Once};
    EXPECT_EQ(ProposalText(newYork, {1990, 7, 4, 9, 5}, ProposeZone(-5 * H, -4 * H)),
              "America/New_York on 4 Jul 1990: -04:00, daylight saving (standard -05:00)\n"
              "Proposed: \"Eastern Standard Time,EST,-5.0\" with Daylight Saving Time ticked");

    const ZoneAtMoment kathmandu{"Asia/Kathmandu", 5 * H + 45 * M, 5 * H + 45 * M, ClockFit::Once};
    EXPECT_EQ(ProposalText(kathmandu, {2000, 1, 1, 0, 0}, ProposeZone(5 * H + 45 * M, 5 * H + 45 * M)),
              "Asia/Kathmandu on 1 Jan 2000: +05:45, no daylight saving\n"
              "Proposed: \"Nepal Time,NPT,+5:45\", Daylight Saving Time clear");
    const ZoneAtMoment amsterdam{"Europe/Amsterdam", 20 * M, H + 20 * M, ClockFit::Once};
    EXPECT_EQ(ProposalText(amsterdam, {1938, 7, 1, 12, 0}, ProposeZone(20 * M, H + 20 * M)),
              "Europe/Amsterdam on 1 Jul 1938: +01:20, daylight saving (standard +00:20)\n"
              "No zone of the list gives +01:20.");

    const ZoneAtMoment dublin{"Europe/Dublin", H, 0, ClockFit::Once};
    EXPECT_EQ(ProposalText(dublin, {2000, 1, 1, 0, 0}, ProposeZone(H, 0)),
              "Europe/Dublin on 1 Jan 2000: +00:00, winter time (standard +01:00)\n"
              "Proposed: \"Greenwich Mean Time,GMT,0.0\", Daylight Saving Time clear");

    // A clock time the clocks jumped over, or showed twice, is named with its minutes.
    const ZoneAtMoment skipped{"America/New_York", -5 * H, -4 * H, ClockFit::Skipped};
    EXPECT_NE(ProposalText(skipped, {1990, 4, 1, 2, 30}, ProposeZone(-5 * H, -4 * H))
                  .find("; the clocks skipped 02:30 that day (put forward), so the time after is assumed\n"),
              std::string::npos);
    const ZoneAtMoment twice{"America/New_York", -5 * H, -4 * H, ClockFit::Twice};
    EXPECT_NE(ProposalText(twice, {1990, 10, 28, 1, 30}, ProposeZone(-5 * H, -4 * H))
                  .find("; the clocks showed 01:30 twice that day (put back), so the first is assumed\n"),
              std::string::npos);
}

TEST(ZoneWarning, speaks_only_when_the_form_gives_another_offset_or_no_row_can) {
    const ZoneAtMoment warTime{"Asia/Kolkata", 5 * H + 30 * M, 6 * H + 30 * M, ClockFit::Once};
    const ZoneProposal proposal = ProposeZone(warTime.standardSeconds, warTime.inForceSeconds);
    EXPECT_EQ(ZoneWarning(warTime, proposal, 34, true), std::nullopt);
    // North Sumatra Time gives the same +06:30 without the tick.
    EXPECT_EQ(ZoneWarning(warTime, proposal, 52, false), std::nullopt);
    // Nothing selected: the calculation itself names the missing zone.
    EXPECT_EQ(ZoneWarning(warTime, proposal, -1, false), std::nullopt);
    EXPECT_EQ(ZoneWarning(warTime, proposal, 34, false),
              "The zone chosen gives +05:30, but the clocks of Asia/Kolkata were at +06:30 at the birth moment.");
    EXPECT_EQ(ZoneWarning(warTime, proposal, 29, true),
              "The zone and tick chosen give +01:00, but the clocks of Asia/Kolkata were at +06:30 at the birth "
              "moment.");

    const ZoneAtMoment amsterdam{"Europe/Amsterdam", 20 * M, H + 20 * M, ClockFit::Once};
    const ZoneProposal none = ProposeZone(amsterdam);
    const std::string noRow =
        "No zone of the list gives +01:20, the clocks of Europe/Amsterdam at the birth moment; the reading will use "
        "the zone chosen.";
    EXPECT_EQ(ZoneWarning(amsterdam, none, 41, false), noRow);
    EXPECT_EQ(ZoneWarning(amsterdam, none, -1, false), noRow);

    // Madras mean time is +05:21:10; Madras Time gives it to the minute, which is all a row can.
    const ZoneAtMoment madras{"Asia/Kolkata", 5 * H + 21 * M + 10, 5 * H + 21 * M + 10, ClockFit::Once};
    EXPECT_EQ(ZoneWarning(madras, ProposeZone(madras), 76, false), std::nullopt);
    EXPECT_EQ(ZoneWarning(madras, ProposeZone(madras), 34, false),
              "The zone chosen gives +05:30, but the clocks of Asia/Kolkata were at +05:21:10 at the birth moment.");
}

// Before its standard time a zone's data gives the local mean time of the zone's own city: a place
// elsewhere in it kept its own, so the local-mean-time row is proposed, whatever the data's offset.
TEST(LocalMeanTime, is_proposed_before_standard_time_and_warned_about_either_way) {
    const ZoneAtMoment kathmandu1915{"Asia/Kathmandu", 5 * H + 41 * M + 16, 5 * H + 41 * M + 16, ClockFit::Once, true};
    const ZoneProposal proposal = ProposeZone(kathmandu1915);
    EXPECT_EQ(proposal.row, reading::kLocalMeanTimeRow);
    EXPECT_FALSE(proposal.dst);
    EXPECT_EQ(ProposalText(kathmandu1915, {1915, 3, 2, 6, 0}, proposal),
              "Asia/Kathmandu on 2 Mar 1915: local mean time, before standard time (+05:41:16 at the zone's own "
              "city)\nProposed: \"Local Mean Time,LMT,longitude/15\", Daylight Saving Time clear");

    EXPECT_EQ(ZoneWarning(kathmandu1915, proposal, reading::kLocalMeanTimeRow, false), std::nullopt);
    EXPECT_EQ(ZoneWarning(kathmandu1915, proposal, reading::kLocalMeanTimeRow, true),
              "The zone and tick chosen give the place's local mean time and an hour, but the clocks of "
              "Asia/Kathmandu kept local mean time at the birth moment.");
    EXPECT_EQ(ZoneWarning(kathmandu1915, proposal, 34, false),
              "The zone chosen gives +05:30, but the clocks of Asia/Kathmandu kept local mean time at the birth "
              "moment.");

    // After standard time came, local mean time is the wrong choice.
    const ZoneAtMoment kathmandu1990{"Asia/Kathmandu", 5 * H + 45 * M, 5 * H + 45 * M, ClockFit::Once};
    EXPECT_EQ(ZoneWarning(kathmandu1990, ProposeZone(kathmandu1990), reading::kLocalMeanTimeRow, false),
              "The zone chosen gives the place's local mean time, but the clocks of Asia/Kathmandu were at +05:45 at "
              "the birth moment.");
    EXPECT_EQ(ZoneWarning(kathmandu1990, ProposeZone(kathmandu1990), 71, false), std::nullopt);
}

TEST(ClockMomentOf, reads_the_lists_and_refuses_days_the_month_lacks) {
    reading::BirthForm form;
    form.day = "16";
    form.month = 9;
    form.year = "1942";
    form.hour = "23";
    form.minute = "59";
    const auto moment = ClockMomentOf(form);
    ASSERT_TRUE(moment.has_value());
    EXPECT_EQ(moment->year, 1942);
    EXPECT_EQ(moment->month, 10);
    EXPECT_EQ(moment->day, 16);
    EXPECT_EQ(moment->hour, 23);
    EXPECT_EQ(moment->minute, 59);

    form.day = "31";
    form.month = 3;  // April
    EXPECT_FALSE(ClockMomentOf(form).has_value());
    form.day = "29";
    form.month = 1;
    form.year = "1904";
    EXPECT_TRUE(ClockMomentOf(form).has_value());
    form.year = "1903";
    EXPECT_FALSE(ClockMomentOf(form).has_value());
    form.year = "1904";
    form.month = -1;
    EXPECT_FALSE(ClockMomentOf(form).has_value());
    form.month = 1;
    form.hour = "";
    EXPECT_FALSE(ClockMomentOf(form).has_value());
}

// A day's clock for the day portions: the zone and tick together give the clocks in force, whatever
// the shift. New York's summer (-04:00 on standard -05:00), Kolkata's war time of 1942 (+06:30 on
// +05:30), London's double summer time of 1941 (+02:00 on +00:00, two hours ahead), and Ireland's
// winter time since 1971 (+00:00 behind a standard +01:00).
TEST(DayClockOf, gives_the_clocks_in_force) {
    struct Case {
        int standard, inForce;
        bool dst;
    };
    const Case cases[] = {{-5 * 3600, -4 * 3600, true},
                          {-5 * 3600, -5 * 3600, false},
                          {19800, 23400, true},
                          {0, 7200, true},
                          {3600, 0, true}};
    for (const Case& c : cases) {
        ZoneAtMoment zone;
        zone.standardSeconds = c.standard;
        zone.inForceSeconds = c.inForce;
        const auto clock = DayClockOf(zone);
        EXPECT_EQ(clock.dst, c.dst) << c.inForce;
        EXPECT_EQ(clock.zone.secondsEast + (clock.dst ? 3600 : 0), c.inForce);
    }
}

}  // namespace

namespace {

// The words in Latin letters of a text that are not among the kept ones.
std::string StrayWords(std::string_view text, const std::string& keptWords) {
    std::set<std::string> kept;
    std::istringstream words(keptWords);
    for (std::string w; words >> w;) kept.insert(w);
    std::string stray;
    std::string word;
    const auto flush = [&] {
        if (!word.empty() && !kept.contains(word)) stray += word + " ";
        word.clear();
    };
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            word += c;
        else
            flush();
    }
    flush();
    return stray;
}

// In Hindi and Tamil the zone texts hold no English word but the zones' own names: the data's
// (America/New_York) and the list's rows ("Eastern Standard Time,EST,-5.0"), as the form shows them.
TEST(ZoneTexts, speak_hindi_and_tamil_but_for_the_zones_names) {
    const ZoneAtMoment newYork{"America/New_York", -5 * H, -4 * H, ClockFit::Skipped};
    const ZoneAtMoment amsterdam{"Europe/Amsterdam", 20 * M, H + 20 * M, ClockFit::Twice};
    const ZoneAtMoment kathmandu1915{"Asia/Kathmandu", 5 * H + 41 * M + 16, 5 * H + 41 * M + 16, ClockFit::Once, true};
    const ZoneAtMoment warTime{"Asia/Kolkata", 5 * H + 30 * M, 6 * H + 30 * M, ClockFit::Once};
    const AtlasPlace delhi{"New Delhi", "NCT", "India", "Asia/Kolkata", 28.6, 77.2};
    const std::string kept =
        "America New York Europe Amsterdam Asia Kathmandu Kolkata Eastern Standard Time EST "
        "Local Mean LMT longitude New Delhi NCT India";
    for (const upagraha::Language language : {upagraha::Language::Hindi, upagraha::Language::Tamil}) {
        const std::vector<std::string> texts = {
            ProposalText(newYork, {1990, 4, 1, 2, 30}, ProposeZone(-5 * H, -4 * H), false, language),
            ProposalText(newYork, {1990, 4, 1, 2, 30}, ProposeZone(-5 * H, -4 * H), true, language),
            ProposalText(amsterdam, {1938, 7, 1, 12, 0}, ProposeZone(amsterdam), false, language),
            ProposalText(kathmandu1915, {1915, 3, 2, 6, 0}, ProposeZone(kathmandu1915), false, language),
            *ZoneWarning(warTime, ProposeZone(warTime), 34, false, language),
            *ZoneWarning(warTime, ProposeZone(warTime), 29, true, language),
            *ZoneWarning(amsterdam, ProposeZone(amsterdam), 41, false, language),
            *ZoneWarning(kathmandu1915, ProposeZone(kathmandu1915), 34, false, language),
            NearestPlaceText(delhi, 3.2, language),
            UnknownZoneText("Asia/Kolkata", language),
            NoDateText("Asia/Kolkata", language),
        };
        for (const std::string& text : texts) EXPECT_EQ(StrayWords(text, kept), "") << text;
    }
    // Every translation carries the placeholders of its English.
    for (const reading::TranslatedText& text : ZoneTexts())
        for (const std::string_view local : {text.hindi, text.tamil})
            for (const char k : {'1', '2', '3'})
                EXPECT_EQ(text.english.find(std::string{'%', k}) == std::string_view::npos,
                          local.find(std::string{'%', k}) == std::string_view::npos)
                    << text.english << " -> " << local;
}

}  // namespace
