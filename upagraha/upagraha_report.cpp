#include "upagraha/upagraha_report.h"

#include <string>

namespace vela::modUpagrahaReport {

const std::array<std::string_view, modVedicUpagrahas::kUpagrahaCount> strUpagrahaSignificance = {
    "This is a malefic similar to the Sun.", "This is a malefic similar to Mars. This indicates suffering and death.",
    "This is a malefic similar to Mercury.", "This is a malefic similar to Jupiter.",
    "This is a malefic similar to Saturn.",  "This is a malefic similar to Saturn.",
};

namespace {
constexpr int kReportPointSize = 12;

void Add(Report& report, std::string text, bool bold) { report.push_back({std::move(text), bold, kReportPointSize}); }

std::string Line(std::string_view text) {
    std::string line(text);
    line += '\n';
    return line;
}
}  // namespace

Report BuildReport(const modVedicUpagrahas::Upagrahas& u) {
    Report report;
    report.reserve(modVedicUpagrahas::kUpagrahaCount * 9);
    for (std::size_t i = 0; i < static_cast<std::size_t>(modVedicUpagrahas::kUpagrahaCount); ++i) {
        Add(report, Line(modVedicUpagrahas::strUpagrahaNames[i]), true);
        Add(report, "Longitude\n", true);
        Add(report, Line(u.varUpagrahaLongitudes[i].view()), false);
        Add(report, "Significance\n", true);
        Add(report, Line(strUpagrahaSignificance[i]), false);
        Add(report, "House Position\n", true);
        Add(report, std::to_string(u.intHouses[i]) + "\n", false);
        Add(report, "Interpretation\n", true);
        const int house = u.intHouses[i];
        // A house outside 1..12 has no interpretation; its line is left out rather than guessed.
        if (house >= 1 && house <= 12) {
            std::string text = Line(strUpagrahaInterpretations[i][static_cast<std::size_t>(house - 1)]);
            text += '\n';  // the blank line that ends the block
            Add(report, std::move(text), false);
        }
    }
    return report;
}

std::string ReportPlainText(const Report& report) {
    std::string text;
    for (const auto& run : report) text += run.strText;
    return text;
}

}  // namespace vela::modUpagrahaReport
