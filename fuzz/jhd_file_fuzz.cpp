// Arbitrary bytes as a .jhd chart. The reader must never crash, hang or leak; a chart it takes and the
// writer can write reads back as the same chart, and a reading made from it and saved again as a chart
// (from the chart it was opened from) opens as the same reading.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "astro/text.h"
#include "reading/birth_form.h"
#include "reading/calculation_driver.h"
#include "reading/jhd_file.h"
#include "reading/jhd_reading.h"

namespace {

using namespace vela::reading;
using vela::astro::TrimBlanks;

void Require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const JhdParseResult read = ParseJhd(bytes);
    if (!read.chart) {
        Require(!read.problem.message.empty() && read.problem.line >= 0);
        return 0;
    }
    const JhdChart& chart = *read.chart;
    Require(chart.month >= 1 && chart.month <= 12 && chart.day >= 1 && chart.day <= 31);
    Require(chart.clockMinutesAfterMidnight >= 0 && chart.clockMinutesAfterMidnight < 1440);
    Require(chart.latitudeDegreesNorth >= -90 && chart.latitudeDegreesNorth <= 90);
    Require(chart.longitudeDegreesEast >= -180 && chart.longitudeDegreesEast <= 180);
    const JhdFormatResult written = FormatJhd(chart);
    if (written.bytes) {
        const JhdParseResult again = ParseJhd(*written.bytes);
        Require(again.chart.has_value());
        Require(FormatJhd(*again.chart).bytes == written.bytes);
    }

    BirthForm form;
    if (FillFormFromJhd(chart, "Kiran Iyer", form)) return 0;
    Reading s;
    if (!RunCalculation(form, s).Succeeded()) return 0;
    const JhdFormatResult saved = FormatJhd(JhdChartOfReading(s, &chart));
    if (!saved.bytes) return 0;  // a text the file cannot hold again (a line break) is refused, not written
    const JhdParseResult reopened = ParseJhd(*saved.bytes);
    Require(reopened.chart.has_value());
    BirthForm back;
    Require(!FillFormFromJhd(*reopened.chart, "Kiran Iyer", back));
    Require(back.day == form.day && back.month == form.month && back.year == form.year && back.hour == form.hour &&
            back.minute == form.minute && back.zoneRow == form.zoneRow && back.exactZone == form.exactZone &&
            back.dst == form.dst && TrimBlanks(back.city) == TrimBlanks(form.city) &&
            TrimBlanks(back.state) == TrimBlanks(form.state) && TrimBlanks(back.country) == TrimBlanks(form.country) &&
            back.latDegrees == form.latDegrees && back.latMinutes == form.latMinutes &&
            back.latSeconds == form.latSeconds && back.lonDegrees == form.lonDegrees &&
            back.lonMinutes == form.lonMinutes && back.lonSeconds == form.lonSeconds);
    return 0;
}
