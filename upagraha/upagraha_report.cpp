#include "upagraha/upagraha_report.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace vela::upagraha {

const std::array<std::string_view, kUpagrahaCount> kUpagrahaSignificance = {
    "This is a malefic similar to the Sun.", "This is a malefic similar to Mars. This indicates suffering and death.",
    "This is a malefic similar to Mercury.", "This is a malefic similar to Jupiter.",
    "This is a malefic similar to Saturn.",  "This is a malefic similar to Saturn.",
};

namespace {

constexpr std::int8_t kReportPointSize = 12;
constexpr auto kCount = static_cast<std::size_t>(kUpagrahaCount);

constexpr std::string_view kLongitude = "Longitude\n";
constexpr std::string_view kSignificance = "Significance\n";
constexpr std::string_view kHousePosition = "House Position\n";
constexpr std::string_view kInterpretation = "Interpretation\n";

// A block's fixed text joined once, so that a report is written in a few copies instead of one per
// run: the name with the longitude label, the significance with the labels around it, and for
// each house the interpretation with its label and the blank line that ends the block.
struct BlockTexts {
    std::string head;                   // "Kaala\nLongitude\n"
    std::string middle;                 // "Significance\n<line>\nHouse Position\n"
    std::array<std::string, 12> tails;  // "Interpretation\n<cell>\n\n" for houses 1..12
};

const std::array<BlockTexts, kCount>& Blocks() {
    static const std::array<BlockTexts, kCount> blocks = [] {
        std::array<BlockTexts, kCount> b;
        for (std::size_t i = 0; i < kCount; ++i) {
            b[i].head.append(kUpagrahaNames[i]).append("\n").append(kLongitude);
            b[i].middle.append(kSignificance).append(kUpagrahaSignificance[i]).append("\n").append(kHousePosition);
            for (std::size_t h = 0; h < 12; ++h)
                b[i].tails[h].append(kInterpretation).append(kUpagrahaInterpretations[i][h]).append("\n\n");
        }
        return b;
    }();
    return blocks;
}

// Writes text at out and answers the end.
char* Put(char* out, std::string_view text) { return std::copy_n(text.data(), text.size(), out); }

Report BuildEnglishReport(const Upagrahas& u);

// The same blocks as the English report, written plainly from the language's texts.
Report BuildLocalReport(const Upagrahas& u, Language language) {
    Report report;
    const auto add = [&](std::string_view text, bool bold) {
        const auto start = static_cast<std::uint32_t>(report.text.size());
        report.text.append(text);
        report.runs.push_back({start, static_cast<std::uint32_t>(report.text.size() - start), bold, kReportPointSize});
    };
    const auto line = [](std::string_view text) { return std::string(text).append("\n"); };
    for (int i = 0; i < kUpagrahaCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        add(line(UpagrahaName(i, language)), true);
        add(line(ReportLabelText(ReportLabel::Longitude, language)), true);
        add(line(PositionTextIn(u.upagrahaLongitudes[k].view(), language)), false);
        add(line(ReportLabelText(ReportLabel::Significance, language)), true);
        add(line(Significance(i, language)), false);
        add(line(ReportLabelText(ReportLabel::HousePosition, language)), true);
        add(line(std::to_string(u.houses[k])), false);
        add(line(ReportLabelText(ReportLabel::Interpretation, language)), true);
        const int house = u.houses[k];
        if (house >= 1 && house <= 12) add(line(Interpretation(i, house, language)).append("\n"), false);
    }
    return report;
}

}  // namespace

Report BuildReport(const Upagrahas& u, Language language) {
    if (language != Language::English) return BuildLocalReport(u, language);
    return BuildEnglishReport(u);
}

namespace {

Report BuildEnglishReport(const Upagrahas& u) {
    const auto& blocks = Blocks();
    std::array<std::array<char, 12>, kCount> houseTexts{};
    std::array<std::string_view, kCount> houses{};
    std::size_t length = 0;
    for (std::size_t i = 0; i < kCount; ++i) {
        char* text = houseTexts[i].data();
        houses[i] = std::string_view(
            text, static_cast<std::size_t>(std::to_chars(text, text + houseTexts[i].size(), u.houses[i]).ptr - text));
        const int house = u.houses[i];
        length += blocks[i].head.size() + u.upagrahaLongitudes[i].size() + 1 + blocks[i].middle.size() +
                  houses[i].size() + 1 +
                  (house >= 1 && house <= 12 ? blocks[i].tails[static_cast<std::size_t>(house - 1)].size()
                                             : kInterpretation.size());
    }

    Report report;
    report.text.resize(length);
    char* const first = report.text.data();
    char* out = first;
    // Each block is nine runs: the name and the four labels bold, the values plain, all 12 point.
    const auto run = [&](std::size_t runLength, bool bold) {
        const auto start = report.runs.empty()
                               ? 0u
                               : report.runs[report.runs.size() - 1].start + report.runs[report.runs.size() - 1].length;
        report.runs.push_back({start, static_cast<std::uint32_t>(runLength), bold, kReportPointSize});
    };
    for (std::size_t i = 0; i < kCount; ++i) {
        const BlockTexts& b = blocks[i];
        const std::string_view longitude = u.upagrahaLongitudes[i].view();
        out = Put(out, b.head);
        out = Put(out, longitude);
        *out++ = '\n';
        out = Put(out, b.middle);
        out = Put(out, houses[i]);
        *out++ = '\n';
        run(kUpagrahaNames[i].size() + 1, true);
        run(kLongitude.size(), true);
        run(longitude.size() + 1, false);
        run(kSignificance.size(), true);
        run(kUpagrahaSignificance[i].size() + 1, false);
        run(kHousePosition.size(), true);
        run(houses[i].size() + 1, false);
        run(kInterpretation.size(), true);
        const int house = u.houses[i];
        // A house outside 1..12 has no interpretation: its run is left out rather than guessed.
        // The blank line after the interpretation ends the block.
        if (house >= 1 && house <= 12) {
            const std::string& tail = b.tails[static_cast<std::size_t>(house - 1)];
            out = Put(out, tail);
            run(tail.size() - kInterpretation.size(), false);
        } else {
            out = Put(out, kInterpretation);
        }
    }
    return report;
}

}  // namespace

void AppendReportSection(Report& report, std::string_view heading, std::string_view body) {
    const auto start = static_cast<std::uint32_t>(report.text.size());
    report.text.append(heading).append("\n").append(body);
    const auto headingLength = static_cast<std::uint32_t>(heading.size() + 1);
    report.runs.push_back({start, headingLength, true, kReportPointSize});
    report.runs.push_back({start + headingLength, static_cast<std::uint32_t>(body.size()), false, kReportPointSize});
}

std::string ReportPlainText(const Report& report) { return report.text; }

}  // namespace vela::upagraha
