// The printed reading: Print, Export PDF, Export Chart Image, and the --pdf and --svg commands.
//
// The first page holds the header, the chart and the table; the second the rasi and navamsa charts
// side by side over the table of the sixteen vargas; the report and the working follow on
// as many pages as they need, then, when the user asks for it, the comparison of the profiles on a
// page of its own. Every page is numbered; the document is titled with the person's
// name; the page size is the locale's (Letter where the locale measures in inches, A4 elsewhere).
// Paper and images are black on white whatever the screen's theme, and the chart on them is drawn
// by the same routine as on the screen.
#pragma once

#include <QPageSize>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "desktop/file_names.h"  // paths of exported files are names as file_names.h keeps them
#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/calculation_driver.h"
#include "reading/chart_model.h"
#include "reading/convention_grid.h"
#include "reading/result_summary.h"
#include "reading/sky_around.h"
#include "reading/varga_points.h"
#include "upagraha/language.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"

class QFont;
class QLocale;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace vela::desktop {

// What the desktop program asks of every reading, in the window, on paper and in the exported
// files: the report and the nine grahas with the Sun's upagrahas (mean nodes).
inline constexpr reading::CalculationRequest kDesktopRequest{
    .buildReport = true, .grahas = true, .node = sky::NodeKind::Mean};

struct PrintedReading {
    QString title;  // "Asha - Vela Upagrahas"
    reading::ResultHeader header;
    reading::ChartModel chart;
    std::vector<reading::TableRow> table;
    upagraha::Report report;
    // The grahas, when the report ends with their section: set in columns on paper.
    std::optional<reading::SkyAround> sky;
    std::string workingText;
    // The reading under every preset and the profile in use: printed on a last page of its own
    // when set (the Conventions menu's choice), left out otherwise.
    std::optional<reading::ConventionGrid> comparison;
    // The rasi and the navamsa side by side and the table of the sixteen vargas, on the page after
    // the first (BuildPrintedReading makes them; a reading without them prints without that page).
    std::optional<reading::ChartModel> navamsaChart;
    std::optional<reading::VargaTable> vargas;
    // Under the header, as the window shows it: the original's sunrise formula far in the north.
    bool farNorth = false;
    // The language the header, chart, table and working were made in, and the report is read in.
    upagraha::Language language = upagraha::Language::English;
};

// What to print of a reading; the working is worked out here (it runs the reading a few thousand
// times, so only when something is printed), under the reading's profile. The header, chart, table
// and working in `language`; the report is printed as it is given (upagraha::BuildReport makes it
// in a language, which should be the same). farNorth is the calculation's own
// (reading::CalculationOutcome::farNorth).
PrintedReading BuildPrintedReading(const reading::BirthForm& form, const reading::Reading& s,
                                   const upagraha::Upagrahas& u, const upagraha::Report& report,
                                   reading::ChartStyle style, upagraha::Language language = upagraha::Language::English,
                                   bool farNorth = false);

// The centre lines of a South Indian chart: the name, the birth date and time, the zone, the place.
std::vector<std::string> ChartCentreLines(const reading::ResultHeader& header, const reading::Reading& s);

// A4, or Letter where the locale measures in inches.
QPageSize LocalePageSize(const QLocale& locale);

// All pages onto a printer or a PDF writer, which must not have begun painting; false when the
// device could not be painted on.
bool PaintReading(QPagedPaintDevice& device, const PrintedReading& reading);

// The first page (header, chart, table) into a page rectangle, for printing and for pictures of it.
void PaintFirstPage(QPainter& painter, const QRectF& page, const PrintedReading& reading, const QFont& font);

// The reading as a PDF file, drawn into memory and written by reading::WriteOutputFile; false when
// the file could not be written, and then *why (when not null) says why in one printable sentence.
bool WritePdf(const QString& path, const PrintedReading& reading, QString* why = nullptr);

enum class ImageFormat { Png, Svg };
// SVG for a path ending in .svg, PNG for anything else.
ImageFormat ImageFormatOf(const QString& path);

// The chart alone as an image, written as WritePdf writes.
bool WriteChartImage(const QString& path, const reading::ChartModel& chart, ImageFormat format, QString* why = nullptr);

// What an export that failed says before the path, in the language of the user interface.
QString PdfFailedText();
QString ImageFailedText();

}  // namespace vela::desktop
