// The known answers (tests/data/known_answers) through the driver in-process: each batch row as the
// window's form, one reading each, compared field by field with what an independent implementation
// of the same calculation gives, refusals by their message.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "reading/calculation_driver.h"
#include "tests/support/known_answers.h"

namespace {

using namespace vela;
using namespace vela::known_answers;

TEST(KnownAnswers, hold_every_family_and_nothing_else) {
    const auto& rows = KnownRows();
    EXPECT_EQ(rows.size(), kKnownRowCount);
    std::map<std::string, int> counts;
    for (const KnownRow& row : rows) ++counts[row.family];
    for (const auto& [family, count] : counts) {
        EXPECT_NE(std::find(kKnownFamilies.begin(), kKnownFamilies.end(), family), kKnownFamilies.end())
            << "unknown family " << family << " (" << count << " rows)";
    }
    EXPECT_EQ(counts.size(), kKnownFamilies.size());
}

// The comparer itself: each change beyond its tolerance is seen, each change within it is not.
TEST(CompareReadings, holds_each_field_to_its_stated_tolerance) {
    ASSERT_GE(KnownRows().size(), 3u);
    KnownReading base;
    ASSERT_EQ(ParseKnownReading(KnownRows()[2].expected, base), std::nullopt);  // a day birth
    ASSERT_EQ(base.upagrahas.size(), 6u);
    ASSERT_EQ(base.portions.size(), 8u);
    EXPECT_TRUE(CompareReadings(base, base).empty());

    struct Change {
        const char* what;
        std::function<void(KnownReading&)> apply;
        bool seen;
    };
    const Change changes[] = {
        {"ascendant 5e-7 degree", [](KnownReading& r) { r.ascendant += 5e-7; }, false},
        {"ascendant 2e-6 degree", [](KnownReading& r) { r.ascendant += 2e-6; }, true},
        {"ascendant one turn", [](KnownReading& r) { r.ascendant += 360; }, false},
        {"moment 5e-8 hour", [](KnownReading& r) { r.upagrahas[3].moment += 5e-8; }, false},
        {"moment 2e-7 hour", [](KnownReading& r) { r.upagrahas[3].moment += 2e-7; }, true},
        {"portion end 2e-7 hour", [](KnownReading& r) { r.portions[7].end += 2e-7; }, true},
        {"latitude 1e-8 degree", [](KnownReading& r) { r.latitude += 1e-8; }, true},
        {"sunset a minute", [](KnownReading& r) { r.sun[2].setText = "00:00"; }, true},
        {"portion lord", [](KnownReading& r) { r.portions[0].lord = "Ven"; }, true},
        {"weekday", [](KnownReading& r) { r.weekday = (r.weekday + 1) % 7; }, true},
        {"day or night", [](KnownReading& r) { r.birthByDay = !r.birthByDay; }, true},
        {"upagraha lord", [](KnownReading& r) { r.upagrahas[3].lord = "Ven"; }, true},
        {"zone text", [](KnownReading& r) { r.zoneText += " "; }, true},
        {"a refusal instead", [](KnownReading& r) { r.error = "Please Enter Your Name"; }, true},
    };
    for (const Change& c : changes) {
        KnownReading actual = base;
        c.apply(actual);
        EXPECT_EQ(!CompareReadings(base, actual).empty(), c.seen) << c.what;
    }

    // A position text or house may differ only at the edge of a minute or a sign.
    KnownReading inside = base;
    inside.upagrahas[0].degrees = 100.5 + 1.0 / 120;  // 10 Can 30, halfway through the minute
    KnownReading otherText = inside;
    otherText.upagrahas[0].longitudeText = "10 Can 29";
    otherText.upagrahas[0].house = inside.upagrahas[0].house % 12 + 1;
    EXPECT_EQ(CompareReadings(inside, otherText).size(), 2u);
    KnownReading atEdge = inside;
    atEdge.upagrahas[0].degrees = 120 + 1e-9;  // the first instant of Leo
    KnownReading edgeText = atEdge;
    edgeText.upagrahas[0].longitudeText = "29 Can 59";
    edgeText.upagrahas[0].house = atEdge.upagrahas[0].house % 12 + 1;
    EXPECT_TRUE(CompareReadings(atEdge, edgeText).empty());

    KnownReading refusal;
    refusal.error = "Please Enter Correct Date Or Month!";
    refusal.row = 179;
    KnownReading otherMessage = refusal;
    otherMessage.error = "Please Enter Correct Date Or Month !";
    EXPECT_TRUE(CompareReadings(refusal, refusal).empty());
    EXPECT_FALSE(CompareReadings(refusal, otherMessage).empty());
}

KnownReading ThroughTheDriver(const KnownRow& row) {
    KnownReading observed;
    reading::BirthForm form;
    if (!FormFromCsvLine(row.csvLine, form)) {
        observed.error = "(the row is not in the batch format)";
        return observed;
    }
    reading::Reading s;
    const auto outcome = reading::RunCalculation(form, s, false);
    if (!outcome.Succeeded()) {
        observed.error = outcome.message->text;
        observed.row = row.row;
        return observed;
    }
    return ObservedReading(s, outcome.upagrahas);
}

class KnownFamily : public ::testing::TestWithParam<std::string_view> {};

TEST_P(KnownFamily, agrees_with_the_independent_answers_through_the_driver) {
    ExpectFamilyAgrees(GetParam(), ThroughTheDriver);
}

INSTANTIATE_TEST_SUITE_P(KnownAnswers, KnownFamily, ::testing::ValuesIn(kKnownFamilies), FamilyTestName());

}  // namespace
