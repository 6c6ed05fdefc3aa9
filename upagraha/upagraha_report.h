// The report of a reading as data: runs of text, each bold or plain, with a point size.
//
// The window writes the runs into its rich-text pane; the command line prints their plain text.
// Both render the same runs, so the pane and the printed report cannot drift apart.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "upagraha/language.h"
#include "upagraha/upagraha.h"

namespace vela::upagraha {

// One stretch of the report in one look: a part of Report::text.
struct ReportRun {
    std::uint32_t start = 0;  // offset of its first byte in the report's text
    std::uint32_t length = 0;
    bool bold = false;
    std::int8_t pointSize = 12;
};

// The runs of a report: nine per upagraha at most, and the two of a section after them (the grahas
// when they were asked for), held in place.
class ReportRuns {
public:
    static constexpr std::size_t kCapacity = 6 * 9 + 2;
    void push_back(const ReportRun& run) {
        if (count < kCapacity) runs[count++] = run;
    }
    const ReportRun* begin() const { return runs.data(); }
    const ReportRun* end() const { return runs.data() + count; }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const ReportRun& operator[](std::size_t i) const { return runs[i]; }

private:
    std::array<ReportRun, kCapacity> runs{};
    std::size_t count = 0;
};

// The whole plain text once, and the runs that cut it into bold and plain stretches. Lines end
// with "\n". One text instead of a string per run keeps the report to a single allocation.
struct Report {
    std::string text;
    ReportRuns runs;

    std::string_view Text(const ReportRun& run) const { return std::string_view(text).substr(run.start, run.length); }
    bool empty() const { return runs.empty(); }
};

extern const std::array<std::string_view, kUpagrahaCount> kUpagrahaSignificance;
// [upagraha][house - 1]; kept with the other prose in interpretations.cpp.
extern const std::array<std::array<std::string_view, 12>, kUpagrahaCount> kUpagrahaInterpretations;

// The report in a language: English is the original's report byte for byte; Hindi and Tamil write
// the same blocks and runs with the names, labels, significance lines, interpretations and the
// positions' signs of upagraha/language.h.
Report BuildReport(const Upagrahas& u, Language language = Language::English);
// Adds a section after the upagrahas: the heading bold on its own line, then the body plain (lines
// ending with "\n"), both in the report's size. A report without it is the original's, byte for byte.
void AppendReportSection(Report& report, std::string_view heading, std::string_view body);
std::string ReportPlainText(const Report& report);

}  // namespace vela::upagraha
