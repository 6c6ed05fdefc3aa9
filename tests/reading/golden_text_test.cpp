// The text report and the working of five fixed readings against their golden files
// (tests/data/golden), reviewed by eye once: a change of any character fails until the file is
// rewritten on purpose (VELA_UPDATE_GOLDEN=1, tests/data/README.md).
#include <gtest/gtest.h>

#include <string>

#include "reading/calculation_driver.h"
#include "reading/working.h"
#include "tests/support/golden_files.h"
#include "tests/support/known_answers.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;
using golden::GoldenReading;

class GoldenText : public ::testing::TestWithParam<GoldenReading> {
protected:
    void SetUp() override {
        ASSERT_TRUE(known_answers::FormFromCsvLine(GetParam().csv, form)) << GetParam().csv;
        outcome = reading::RunCalculation(form, state);
        ASSERT_TRUE(outcome.Succeeded()) << outcome.message->text;
    }
    std::string File(const char* kind) const { return std::string(GetParam().name) + "." + kind + ".txt"; }

    reading::BirthForm form;
    reading::Reading state;
    reading::CalculationOutcome outcome;
};

TEST_P(GoldenText, report_matches_its_reviewed_file) {
    golden::ExpectMatchesGolden(golden::GoldenPath(File("report")), upagraha::ReportPlainText(outcome.report), true);
}

TEST_P(GoldenText, working_matches_its_reviewed_file) {
    // The working as the window and the command line show it, with the conventions side by side.
    const auto sensitivity = reading::FindBirthTimeSensitivity(form);
    const auto conventions = reading::CompareConventions(form, upagraha::kOriginalProfile);
    golden::ExpectMatchesGolden(golden::GoldenPath(File("working")),
                                reading::WorkingText(state, outcome.upagrahas, sensitivity, conventions), true);
}

INSTANTIATE_TEST_SUITE_P(FixedReadings, GoldenText, ::testing::ValuesIn(golden::kGoldenReadings),
                         golden::GoldenReadingName());

}  // namespace
