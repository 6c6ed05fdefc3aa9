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
        ASSERT_TRUE(known_answers::FormFromCsvLine(GetParam().csv, form_)) << GetParam().csv;
        outcome_ = modCalculationDriver::RunCalculation(form_, state_);
        ASSERT_TRUE(outcome_.Succeeded()) << outcome_.message->strText;
    }
    std::string File(const char* kind) const { return std::string(GetParam().name) + "." + kind + ".txt"; }

    BirthForm form_;
    SharedChartState state_;
    modCalculationDriver::CalculationOutcome outcome_;
};

TEST_P(GoldenText, report_matches_its_reviewed_file) {
    golden::ExpectMatchesGolden(golden::GoldenPath(File("report")), modUpagrahaReport::ReportPlainText(outcome_.report),
                                true);
}

TEST_P(GoldenText, working_matches_its_reviewed_file) {
    // The working as the window and the command line show it, with the conventions side by side.
    const auto sensitivity = modWorking::FindBirthTimeSensitivity(form_);
    const auto conventions = modWorking::CompareConventions(form_, modConventionProfiles::kOriginalProfile);
    golden::ExpectMatchesGolden(golden::GoldenPath(File("working")),
                                modWorking::WorkingText(state_, outcome_.upagrahas, sensitivity, conventions), true);
}

INSTANTIATE_TEST_SUITE_P(FixedReadings, GoldenText, ::testing::ValuesIn(golden::kGoldenReadings),
                         golden::GoldenReadingName());

}  // namespace
