// The report of a reading as data: runs of text, each bold or plain, with a point size.
//
// Flow of a reading: form -> validation -> driver -> chart angles -> sunrise x3 -> upagrahas -> report.
// The window writes the runs into its rich-text pane; the command line prints their plain text.
// Both render the same runs, so the pane and the printed report cannot drift apart.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "upagraha/upagraha.h"

namespace vela {

struct ReportRun {
    std::string strText;  // lines end with "\n"
    bool blnBold = false;
    int intPointSize = 12;
};
using Report = std::vector<ReportRun>;

namespace modUpagrahaReport {

extern const std::array<std::string_view, modVedicUpagrahas::kUpagrahaCount> strUpagrahaSignificance;
// [upagraha][house - 1]; kept with the other prose in interpretations.cpp.
extern const std::array<std::array<std::string_view, 12>, modVedicUpagrahas::kUpagrahaCount> strUpagrahaInterpretations;

Report BuildReport(const modVedicUpagrahas::Upagrahas& u);
std::string ReportPlainText(const Report& report);

}  // namespace modUpagrahaReport
}  // namespace vela
