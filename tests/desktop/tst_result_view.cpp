// The result as astrologers read it: the header above the tabs, the chart, the table, printing and
// the exported PDF and chart image.
//
// Expected texts are those of the sample reading (Asha, 15 June 1975, 10:30 Indian time, Delhi at
// 28°37′ N 77°13′ E): a Sunday by the calendar; the ascendant at 05 Leo 54, in Magha's second pada
// (Magha opens Leo; its padas are 3°20′); Kaala at 10 Gem 56 in Ardra's second pada (Ardra opens at
// Gemini 6°40′), house 11, from the first day portion at 06:15 (the command-line reference reading).
// Which sign or house each body is drawn in is asked of the chart's model, not read from pixels.
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>

#include "desktop/chart_view.h"
#include "desktop/profile_dialog.h"
#include "desktop/reading_print.h"
#include "desktop/varga_view.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/convention_grid.h"
#include "reading/result_summary.h"
#include "reading/working.h"
#include "upagraha/profiles.h"

using namespace vela;
using namespace vela::guitest;

namespace {

const QStringList kUpagrahaNames = {"Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka", "Gulika", "Maandi"};

// What a printed reading must say, wherever it was printed from.
void CheckPrintedText(const QString& text) {
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
    for (const QString& part :
         kUpagrahaNames + QStringList{QStringLiteral("Asha"), QStringLiteral("Ascendant"), QStringLiteral("Magha"),
                                      QStringLiteral("Delhi, Delhi, India"), QStringLiteral("Page 1 of"),
                                      QStringLiteral("Working")})
        QVERIFY2(text.contains(part), qPrintable(part));
}

struct PaneLine {
    QString text;
    bool bold;
    int pointSize;
    bool operator==(const PaneLine&) const = default;
};

// The non-empty lines of the report, each with its look, as the core's runs describe them.
QList<PaneLine> LinesOfRuns(const upagraha::Report& report) {
    QList<PaneLine> lines;
    for (const upagraha::ReportRun& run : report.runs)
        for (const QString& line : QString::fromStdString(std::string(report.Text(run))).split(QLatin1Char('\n')))
            if (!line.isEmpty()) lines.append({line, run.bold, run.pointSize});
    return lines;
}

// The same, read back from the pane. A paragraph in more than one format would show as a line
// without its look and fail the comparison.
QList<PaneLine> LinesOfPane(const QTextEdit& pane) {
    QList<PaneLine> lines;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty()) continue;
        const QTextCharFormat format = block.begin().fragment().charFormat();
        const bool oneFormat = block.begin().fragment().length() == block.length() - 1;
        lines.append({block.text(), oneFormat && format.fontWeight() >= QFont::Bold,
                      oneFormat ? static_cast<int>(format.fontPointSize()) : 0});
    }
    return lines;
}

// The core's working of the form's reading, and the portions it cut.
struct CoreWorking {
    QString text;
    std::array<upagraha::Portion, upagraha::kPortionCount> portions;
};
CoreWorking WorkingOf(const reading::BirthForm& form) {
    reading::Reading state;
    const auto outcome = reading::RunCalculation(form, upagraha::kOriginalProfile, state, desktop::kDesktopRequest);
    const auto sensitivity = reading::FindBirthTimeSensitivity(form);
    const auto conventions = reading::CompareConventions(form, state.profile);
    return {QString::fromStdString(reading::WorkingText(state, outcome.upagrahas, sensitivity, conventions)),
            outcome.upagrahas.portions};
}

}  // namespace

class ResultViewTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() {
        StartWindow();
        FillKnownGoodReading(W());
        Press(W(), "calculateButton");
        QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    }
    void cleanup() {
        StopWindow();
        // A case that chose a profile or the comparison in print leaves the next one the defaults.
        QSettings settings = desktop::ProfileChoice::Settings();
        for (const char* key : {"conventions/profile", "conventions/custom", "conventions/printComparison"})
            settings.remove(QString::fromLatin1(key));
    }

    void the_header_names_the_person_the_moment_the_place_and_the_ascendant();
    void the_header_warns_of_a_far_north_place();
    void a_whole_reading_shows_the_report_with_bold_labels();
    void the_report_pane_leaves_the_clipboard_alone();
    void the_working_tab_shows_the_cores_working_of_the_reading();
    void the_working_follows_each_new_reading();
    void the_chart_draws_each_body_in_its_sign_and_remembers_its_style();
    void the_chart_takes_its_colours_from_the_palette();
    void the_table_lists_the_upagrahas_and_copies_as_text();
    void printing_paints_the_reading_onto_the_printer();
    void export_pdf_writes_the_printed_reading();
    void export_chart_image_writes_png_or_svg();
    void a_file_that_cannot_be_written_is_reported();
    void the_commands_wait_for_a_reading();
    void the_page_size_follows_the_locale();
    void a_custom_reading_spells_out_every_axis_on_screen_and_paper();
    void the_table_shows_the_point_of_each_upagraha();
    void the_compare_tab_sets_the_profiles_side_by_side();
    void the_compare_tab_says_when_the_birth_is_near_sunrise();
    void the_pdf_has_the_comparison_page_only_when_chosen();
    void the_vargas_tab_sets_a_chosen_varga_beside_the_rasi();

private:
    desktop::ChartView* Chart() { return Control<desktop::ChartView>(W(), "chartView"); }
    // Chooses a profile in the Conventions menu; the reading on screen is read again under it.
    void ChooseProfile(const char* name) {
        Control<QAction>(W(), (std::string("profileAction_") + name).c_str())->trigger();
        QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    }
    void ChooseCustom(const upagraha::ConventionProfile& profile) {
        auto* choice = W().findChild<desktop::ProfileChoice*>(QStringLiteral("profileChoice"));
        choice->SetCustomEditor([profile](QWidget*, const upagraha::ConventionProfile&) {
            return std::optional<upagraha::ConventionProfile>(profile);
        });
        ChooseProfile("custom");
    }
    QString ExportedPdfText() {
        const QString path = tempDir->filePath(QStringLiteral("exported-%1.pdf").arg(++exports));
        recorder->dialogAnswers << path;
        Control<QAction>(W(), "exportPdfAction")->trigger();
        // The PDF's type sets "fi" and "ff" as one glyph; pdftotext gives that glyph back.
        return PdfText(path)
            .replace(QChar(0xFB01), QStringLiteral("fi"))
            .replace(QChar(0xFB00), QStringLiteral("ff"))
            .replace(QChar(0xFB02), QStringLiteral("fl"));
    }
    int exports = 0;
};

namespace {

// Away from the original on every axis of the original's formulas, and no preset.
upagraha::ConventionProfile AwayOnEveryAxis() {
    upagraha::ConventionProfile profile = upagraha::kOriginalProfile;
    for (const char* setting : {"lords=seven", "kaala=start", "gulika=start", "maandi=ghatis",
                                "sunrise=disc-centre-refracted", "vyatipata=dhuma-plus-53-20"})
        if (upagraha::ApplyConvention(profile, setting)) return {};
    return profile;
}

}  // namespace

void ResultViewTest::the_header_names_the_person_the_moment_the_place_and_the_ascendant() {
    auto* header = Control<QLabel>(W(), "resultHeader");
    QVERIFY(header->isVisible());
    const QString text = header->text();
    for (const QString& part :
         {QStringLiteral("<b>Asha</b>"), QStringLiteral("15 June 1975, 10:30, Indian Time +05:30"),
          QStringLiteral("Delhi, Delhi, India, 28\u00B037\u2032 N, 77\u00B013\u2032 E"),
          QStringLiteral("Ascendant 05\u00B054\u2032 Leo, Magha, pada 2"),
          QStringLiteral("Day birth; the day portions of Sunday"),
          // The Moon in Leo on the sixth day after the new Moon of 9 June 1975 (tst result_summary).
          QStringLiteral("<br>Janma rasi Leo; Janma nakshatra ")})
        QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" in ") + text));
    // New Delhi lies far below 60 degrees: no far-North line.
    QVERIFY(!text.contains(QStringLiteral("60 degrees")));
    // The report pane keeps its own text, the core's report (with its grahas section) and nothing else.
    reading::Reading state;
    const auto outcome =
        reading::RunCalculation(KnownGoodForm(), upagraha::kOriginalProfile, state, desktop::kDesktopRequest);
    QCOMPARE(UpToTheGrahas(Control<QTextEdit>(W(), "reportView")->toPlainText()),
             UpToTheGrahas(QString::fromStdString(upagraha::ReportPlainText(outcome.report))));
}

// At 61 degrees North under the original's formulas the header says that the sunrise loses
// accuracy there; the janma rasi still stands above it.
void ResultViewTest::the_header_warns_of_a_far_north_place() {
    Press(W(), "backButton");
    Control<QLineEdit>(W(), "latDegreesEdit")->clear();
    TypeInto(W(), "latDegreesEdit", QStringLiteral("61"));
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    const QString text = Control<QLabel>(W(), "resultHeader")->text();
    QVERIFY2(text.contains(QStringLiteral("<i>At 60 degrees of latitude or more")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Janma rasi ")));
}

void ResultViewTest::the_chart_draws_each_body_in_its_sign_and_remembers_its_style() {
    auto* tabs = Control<QTabWidget>(W(), "resultTabs");
    auto* style = Control<QComboBox>(W(), "chartStyleCombo");
    QVERIFY(!style->isVisible());
    // Alt+A is the tab's access key (Alt+C is the Conventions menu's).
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(tabs->currentWidget(), Control<QWidget>(W(), "chartTab"));
    QVERIFY(Chart()->isVisible());
    QVERIFY(style->isVisible());

    // South Indian by default: the ascendant in Leo's cell, Kaala in Gemini's, Gulika and Maandi
    // together.
    QCOMPARE(window->ChartStyle(), reading::ChartStyle::SouthIndian);
    QCOMPARE(style->currentText(), QStringLiteral("South Indian"));
    auto model = *Chart()->Model();
    QCOMPARE(model.style, reading::ChartStyle::SouthIndian);
    QCOMPARE(model.places[model.PlaceOfBody(0)].sign, 4);
    QCOMPARE(model.bodies[1].shortName, std::string("Ka"));
    QCOMPARE(model.places[model.PlaceOfBody(1)].sign, 2);
    // The grahas after the upagrahas: the Moon with the ascendant in Leo.
    QCOMPARE(model.bodies.size(), std::size_t{16});
    QCOMPARE(model.bodies[8].shortName, std::string("Mo"));
    QCOMPARE(model.PlaceOfBody(8), model.PlaceOfBody(0));
    QCOMPARE(model.PlaceOfBody(5), model.PlaceOfBody(6));
    QCOMPARE(model.centreLines.front(), std::string("Asha"));

    // North Indian: houses stand still, the ascendant in the first.
    style->setCurrentIndex(1);
    model = *Chart()->Model();
    QCOMPARE(model.style, reading::ChartStyle::NorthIndian);
    QCOMPARE(model.PlaceOfBody(0), std::size_t{0});
    QCOMPARE(model.places[0].label, std::string("5"));
    QCOMPARE(model.places[model.PlaceOfBody(1)].house, 11);

    // The choice outlives the window.
    NewWindow();
    QCOMPARE(window->ChartStyle(), reading::ChartStyle::NorthIndian);
    QCOMPARE(Control<QComboBox>(W(), "chartStyleCombo")->currentIndex(), 1);
    QVERIFY(!Chart()->Model().has_value());
    FillKnownGoodReading(W());
    Press(W(), "calculateButton");
    QCOMPARE(Chart()->Model()->style, reading::ChartStyle::NorthIndian);
}

// A dark theme's chart is dark: the empty part of a sign's cell takes the palette's base colour, the
// lines its text colour.
void ResultViewTest::the_chart_takes_its_colours_from_the_palette() {
    Control<QTabWidget>(W(), "resultTabs")->setCurrentWidget(Control<QWidget>(W(), "chartTab"));
    QPalette dark = Chart()->palette();
    const QColor base(0x1e, 0x1e, 0x24);
    const QColor ink(0xe8, 0xe8, 0xe0);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::Text, ink);
    Chart()->setPalette(dark);
    Chart()->resize(400, 400);
    const QImage picture = Chart()->grab().toImage();
    // Pisces, the top left cell, holds no body: below its name it is bare.
    const double side = std::min(picture.width(), picture.height()) * 0.98;
    const double left = (picture.width() - side) / 2;
    const double top = (picture.height() - side) / 2;
    const auto at = [&](double x, double y) {
        return picture.pixelColor(static_cast<int>(left + x * side), static_cast<int>(top + y * side));
    };
    QCOMPARE(at(0.15, 0.18), base);
    // The frame's top edge, halfway along the first cell, is drawn in the light ink (smoothed, so
    // the lightest pixel across it is nearer the ink than the base).
    int lightest = 0;
    for (int dy = -2; dy <= 2; ++dy)
        lightest = std::max(
            lightest, picture.pixelColor(static_cast<int>(left + 0.12 * side), static_cast<int>(top) + dy).lightness());
    QVERIFY2(lightest > (base.lightness() + ink.lightness()) / 2, qPrintable(QString::number(lightest)));
}

void ResultViewTest::the_table_lists_the_upagrahas_and_copies_as_text() {
    auto* table = Control<QTableWidget>(W(), "upagrahaTable");
    // The ascendant and the six upagrahas, then the window's two groups: a heading across the row
    // and the nine grahas, a heading and the Sun's five upagrahas.
    QCOMPARE(table->rowCount(), 7 + 1 + 9 + 1 + 5);
    QCOMPARE(table->item(7, 0)->text(), QStringLiteral("Grahas"));
    QCOMPARE(table->columnSpan(7, 0), 8);
    QVERIFY(table->item(7, 0)->font().bold());
    QCOMPARE(table->item(8, 0)->text(), QStringLiteral("Sun"));
    QCOMPARE(table->item(17, 0)->text(), QStringLiteral("Upagrahas of the Sun"));
    QCOMPARE(table->item(18, 0)->text(), QStringLiteral("Dhuma"));
    QCOMPARE(table->columnCount(), 8);
    QStringList columns;
    for (int c = 0; c < table->columnCount(); ++c) columns << table->horizontalHeaderItem(c)->text();
    QCOMPARE(columns,
             QStringList({"Upagraha", "Lord", "Portion", "Point", "Moment", "Longitude", "Nakshatra", "House"}));
    QStringList kaala;
    for (int c = 0; c < table->columnCount(); ++c) kaala << table->item(1, c)->text();
    // The original takes every upagraha at the middle of its portion.
    QCOMPARE(kaala,
             QStringList({"Kaala", "Sun", "1 of 8, day", "middle", "06:15", "10 Gem 56", "Ardra, pada 2", "11"}));
    for (int r = 1; r <= 6; ++r) QCOMPARE(table->item(r, 0)->text(), kUpagrahaNames.at(r - 1));
    QCOMPARE(table->item(0, 5)->text(), QStringLiteral("05 Leo 54"));
    QCOMPARE(table->item(0, 3)->text(), QString());

    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    Control<QTabWidget>(W(), "resultTabs")->setCurrentWidget(Control<QWidget>(W(), "tableTab"));
    Press(W(), "copyTableButton");
    const QString copied = clipboard->text();
    QVERIFY(copied.startsWith(QStringLiteral("Upagraha\tLord\tPortion\tPoint\tMoment\tLongitude\tNakshatra\tHouse\n")));
    QVERIFY(
        copied.contains(QStringLiteral("\nKaala\tSun\t1 of 8, day\tmiddle\t06:15\t10 Gem 56\tArdra, pada 2\t11\n")));
    QCOMPARE(copied.count(u'\n'), 24);
    QVERIFY(copied.contains(QStringLiteral("\nAscendant\t\t\t\t")));
    QVERIFY(copied.contains(QStringLiteral("\nGrahas\nSun\t\t\t\t\t")));
    // Every line of a row has the table's eight fields.
    for (const QString& line : copied.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(!line.contains(u'\t') || line.count(u'\t') == 7, qPrintable(line));
    // Ctrl+C in the table copies the same.
    clipboard->clear();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), copied);
}

void ResultViewTest::printing_paints_the_reading_onto_the_printer() {
    recorder->printFile = tempDir->filePath(QStringLiteral("printed.pdf"));
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(recorder->printTitles, QStringList(QStringLiteral("Asha \u2014 Vela Upagrahas")));
    QVERIFY(QFile::exists(recorder->printFile));
    if (!HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the printed text goes unread");
    CheckPrintedText(PdfText(recorder->printFile));
}

void ResultViewTest::export_pdf_writes_the_printed_reading() {
    const QString path = tempDir->filePath(QStringLiteral("asha.pdf"));
    recorder->dialogAnswers << path;
    Control<QAction>(W(), "exportPdfAction")->trigger();
    QCOMPARE(recorder->dialogs.size(), 1);
    const desktop::FileDialogRequest request = recorder->dialogs.front();
    QCOMPARE(request.kind, desktop::FileDialogRequest::Kind::Save);
    QCOMPARE(request.filter, QStringLiteral("PDF document (*.pdf)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));
    QVERIFY(request.proposedPath.endsWith(QStringLiteral("/Asha.pdf")));
    QVERIFY(recorder->messages.isEmpty());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    if (!HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    const QString text = PdfText(path);
    CheckPrintedText(text);
    // The first page holds the header, the chart and the table; the second the rasi and navamsa
    // side by side over the varga table; the report follows on the next.
    const QStringList pages = text.split(u'\f');
    QVERIFY(pages.size() >= 4);
    QVERIFY(pages.front().contains(QStringLiteral("15 June 1975, 10:30, Indian Time +05:30")));
    QVERIFY(pages.front().contains(QStringLiteral("Ardra, pada 2")));
    QVERIFY(pages.front().contains(QStringLiteral("Ka 10\u00B056\u2032")));
    for (const char* varga : {"Vargas (divisional charts)", "D1 Rasi", "D9 Navamsa", "D60", "Maandi"})
        QVERIFY2(pages.at(1).contains(QString::fromUtf8(varga)), varga);
    QVERIFY(pages.at(2).contains(QStringLiteral("Interpretation")));
}

void ResultViewTest::export_chart_image_writes_png_or_svg() {
    const QString png = tempDir->filePath(QStringLiteral("chart.png"));
    const QString svg = tempDir->filePath(QStringLiteral("chart.svg"));
    recorder->dialogAnswers << png << svg;
    Control<QAction>(W(), "exportChartAction")->trigger();
    Control<QAction>(W(), "exportChartAction")->trigger();
    QCOMPARE(recorder->dialogs.front().filter, QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
    QVERIFY(recorder->messages.isEmpty());
    const QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(image.width(), image.height());
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("<svg")));
    for (const QString& part : {QStringLiteral("Asha"), QStringLiteral("Ka 10\u00B056\u2032"), QStringLiteral("Asc")})
        QVERIFY2(text.contains(part), qPrintable(part));
}

void ResultViewTest::a_file_that_cannot_be_written_is_reported() {
    const QString nowhere = tempDir->filePath(QStringLiteral("no such folder/asha.pdf"));
    recorder->dialogAnswers << nowhere << tempDir->filePath(QStringLiteral("no such folder/chart.svg"));
    Control<QAction>(W(), "exportPdfAction")->trigger();
    Control<QAction>(W(), "exportChartAction")->trigger();
    // Each names the file and says why.
    const QString folder = tempDir->filePath(QStringLiteral("no such folder"));
    const QString why =
        QStringLiteral("No file could be created in the folder \"%1\": No such file or directory.").arg(folder);
    QCOMPARE(
        recorder->MessageTexts(),
        QStringList({QStringLiteral("The PDF could not be written:\n\"%1\"\n%2").arg(nowhere, why),
                     QStringLiteral("The chart image could not be written:\n\"%1/chart.svg\"\n%2").arg(folder, why)}));
    QCOMPARE(recorder->messages.front().icon, reading::MsgIcon::Critical);
}

void ResultViewTest::the_commands_wait_for_a_reading() {
    NewWindow();
    for (const char* command : {"printAction", "exportPdfAction", "exportChartAction", "saveAction"})
        QVERIFY2(!Control<QAction>(W(), command)->isEnabled(), command);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(recorder->printTitles.isEmpty());
    QCOMPARE(Control<QAction>(W(), "printAction")->shortcut(), QKeySequence(QKeySequence::Print));
}

void ResultViewTest::the_page_size_follows_the_locale() {
    QCOMPARE(desktop::LocalePageSize(QLocale(QLocale::English, QLocale::UnitedStates)).id(), QPageSize::Letter);
    QCOMPARE(desktop::LocalePageSize(QLocale(QLocale::English, QLocale::India)).id(), QPageSize::A4);
    QCOMPARE(desktop::LocalePageSize(QLocale(QLocale::German, QLocale::Germany)).id(), QPageSize::A4);
}

void ResultViewTest::a_whole_reading_shows_the_report_with_bold_labels() {
    auto* pane = Control<QTextEdit>(W(), "reportView");
    QVERIFY(pane->isVisible());
    QVERIFY(!Control<QWidget>(W(), "birthDataPanel")->isVisible());
    // The result panel takes the place and size of the form.
    QCOMPARE(Control<QWidget>(W(), "resultPanel")->geometry(), Control<QWidget>(W(), "birthDataPanel")->geometry());
    const QSize panel = Control<QWidget>(W(), "resultPanel")->size();
    QVERIFY(panel.width() >= 601 && panel.height() >= 369);

    // The pane shows the core's report of the same form. A document's plain text joins its
    // paragraphs with line breaks; since every run ends its lines with "\n" and the pane starts
    // from one empty paragraph, the two texts match character for character up to the grahas.
    const upagraha::Report report = ReportOf(KnownGoodForm());
    QVERIFY(!report.empty());
    QCOMPARE(UpToTheGrahas(pane->toPlainText()),
             UpToTheGrahas(QString::fromStdString(upagraha::ReportPlainText(report))));
    // The grahas' section is a table (two headings, nine grahas, five of the Sun, the ayanamsa)
    // whose columns line up: each column's cells start at one x, whatever the words' widths.
    QTextTable* grahas = nullptr;
    for (QTextFrame* frame : pane->document()->rootFrame()->childFrames()) grahas = qobject_cast<QTextTable*>(frame);
    QVERIFY(grahas != nullptr && grahas->rows() == 17);
    const auto left = [&](int row, int column) {
        const QTextBlock block = grahas->cellAt(row, column).firstCursorPosition().block();
        return pane->document()->documentLayout()->blockBoundingRect(block).left();
    };
    for (int r = 2; r < 10; ++r)
        for (const int column : {1, 3, 4}) QCOMPARE(left(r, column), left(1, column));
    // Each line keeps its run's look: the upagraha names and the four headings bold, values plain,
    // all in 12-point type, in the six upagrahas' blocks of nine lines.
    const QList<PaneLine> lines = LinesOfPane(*pane);
    QCOMPARE(lines.mid(0, 54), LinesOfRuns(report).mid(0, 54));
    QCOMPARE(lines.front(), (PaneLine{QStringLiteral("Kaala"), true, 12}));
    QCOMPARE(lines.at(1), (PaneLine{QStringLiteral("Longitude"), true, 12}));
    QVERIFY(!lines.at(2).bold);
    for (const char* name : {"Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka", "Gulika", "Maandi"})
        QVERIFY(lines.contains(PaneLine{QString::fromLatin1(name), true, 12}));

    // The pane shows the top of the report.
    QCOMPARE(pane->textCursor().position(), 0);
    QCOMPARE(pane->verticalScrollBar()->value(), pane->verticalScrollBar()->minimum());
}

void ResultViewTest::the_report_pane_leaves_the_clipboard_alone() {
    QClipboard* clipboard = QApplication::clipboard();
    const QString copiedElsewhere = QStringLiteral("copied in another program");
    clipboard->setText(copiedElsewhere);
    auto* pane = Control<QTextEdit>(W(), "reportView");
    QWidget* viewport = pane->viewport();

    // Whatever a person does over the pane: move, click, double-click, drag, select all, copy.
    QTest::mouseMove(viewport, QPoint(30, 12));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(viewport, QPoint(250, 120));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(250, 120));
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_Insert, Qt::ControlModifier);
    QVERIFY(!pane->textCursor().hasSelection());
    QCOMPARE(clipboard->text(), copiedElsewhere);

    // A right click or the menu key asks for a context menu; the pane offers none.
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(30, 12));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(30, 12), viewport->mapToGlobal(QPoint(30, 12)));
    QApplication::sendEvent(viewport, &menuKey);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(clipboard->text(), copiedElsewhere);

    // A new report written into the pane leaves the clipboard as it was too.
    Press(W(), "backButton");
    Press(W(), "calculateButton");
    QCOMPARE(clipboard->text(), copiedElsewhere);
}

void ResultViewTest::the_working_tab_shows_the_cores_working_of_the_reading() {
    auto* tabs = Control<QTabWidget>(W(), "resultTabs");
    auto* working = Control<QPlainTextEdit>(W(), "workingView");
    // The report comes first, as it always did.
    QCOMPARE(tabs->currentWidget(), Control<QWidget>(W(), "reportTab"));
    QVERIFY(Control<QTextEdit>(W(), "reportView")->isVisible());

    // Alt+W is the tab's access key.
    QTest::keyClick(window.get(), Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(working->isVisible());
    QVERIFY(working->isReadOnly());
    // The columns line up: in the pane's font every character of every line takes the width of
    // one digit, whatever font the system's fixed font turns out to be.
    const QFontMetricsF metrics(working->font());
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    for (const QString& line : working->toPlainText().split(u'\n'))
        QVERIFY2(qAbs(metrics.horizontalAdvance(line) - column * static_cast<qreal>(line.size())) < 0.5,
                 qPrintable(QStringLiteral("%1 (%2)").arg(line, QFontInfo(working->font()).family())));
    QVERIFY(Control<QPushButton>(W(), "saveButton")->isVisible());
    QVERIFY(Control<QPushButton>(W(), "backButton")->isVisible());

    const CoreWorking core = WorkingOf(KnownGoodForm());
    QCOMPARE(working->toPlainText(), core.text);
    // Each portion's line holds the start, end and lord the core cut for it.
    const QStringList lines = working->toPlainText().split(u'\n');
    for (std::size_t k = 0; k < core.portions.size(); ++k) {
        const auto& portion = core.portions[k];
        const QString start =
            QStringLiteral("  %1  %2").arg(k + 1).arg(QString::fromStdString(reading::ClockText(portion.start)));
        const auto line =
            std::find_if(lines.begin(), lines.end(), [&start](const QString& l) { return l.startsWith(start); });
        QVERIFY2(line != lines.end(), qPrintable(start));
        QVERIFY(line->contains(QString::fromStdString(reading::ClockText(portion.end))));
        const std::string_view lord = upagraha::PlanetText(portion.lord);
        QVERIFY(line->endsWith(QString::fromUtf8(lord.data(), static_cast<qsizetype>(lord.size()))));
    }

    // Back on the report tab the report is the core's, untouched.
    QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(Control<QTextEdit>(W(), "reportView")->isVisible());
    QCOMPARE(UpToTheGrahas(Control<QTextEdit>(W(), "reportView")->toPlainText()),
             UpToTheGrahas(QString::fromStdString(upagraha::ReportPlainText(ReportOf(KnownGoodForm())))));
}

void ResultViewTest::the_working_follows_each_new_reading() {
    auto* working = Control<QPlainTextEdit>(W(), "workingView");
    Control<QTabWidget>(W(), "resultTabs")->setCurrentWidget(Control<QWidget>(W(), "workingTab"));
    QCOMPARE(working->toPlainText(), WorkingOf(KnownGoodForm()).text);

    // A night birth calculated while the working tab is open shows its own working there.
    Press(W(), "backButton");
    ChooseEntry(W(), "hourCombo", QStringLiteral("22"));
    Press(W(), "calculateButton");
    QVERIFY(recorder->messages.isEmpty());
    QCOMPARE(window->PanelInFront(), desktop::MainWindow::Panel::Result);
    QVERIFY(working->isVisible());
    QCOMPARE(window->focusWidget(), working);
    reading::BirthForm night = KnownGoodForm();
    night.hour = "22";
    const QString nightWorking = WorkingOf(night).text;
    QVERIFY(nightWorking.contains(QStringLiteral("Night birth")));
    QCOMPARE(working->toPlainText(), nightWorking);

    // A refused calculation leaves the last reading's working.
    Press(W(), "backButton");
    ChooseEntry(W(), "dayCombo", QStringLiteral("31"));
    ChooseEntry(W(), "monthCombo", QStringLiteral("April"));
    Press(W(), "calculateButton");
    QCOMPARE(recorder->messages.size(), 1);
    QCOMPARE(working->toPlainText(), nightWorking);
}

// A profile that is no preset is spelled out axis by axis in the header and on the printed page; a
// preset keeps its name and says on which axes it leaves the original's.
void ResultViewTest::a_custom_reading_spells_out_every_axis_on_screen_and_paper() {
    QVERIFY(Control<QLabel>(W(), "resultHeader")->text().contains(QStringLiteral("Conventions: Original<br>")));
    ChooseProfile("kerala");
    QVERIFY(Control<QLabel>(W(), "resultHeader")
                ->text()
                .contains(QStringLiteral("Conventions: Kerala (Maandi by ghatis) (unlike Original: Maandi by the "
                                         "ghatis)<br>")));
    const upagraha::ConventionProfile away = AwayOnEveryAxis();
    QVERIFY(away.name == "custom");
    ChooseCustom(away);
    const QString spelled = QStringLiteral(
        "Conventions: Custom (seven lords in weekday order, the eighth portion lordless; Kaala at the start, Mrityu "
        "at the middle, Arthaprahaara at the middle, Yamaghantaka at the middle, Gulika at the start, Maandi by the "
        "ghatis; sunrise at the centre of the disc with refraction; Vyatipata at Dhuma plus 53 deg 20'; the "
        "original's formulas with the original's ayanamsa)");
    const QString header = Control<QLabel>(W(), "resultHeader")->text();
    QVERIFY2(header.contains(spelled), qPrintable(header));

    if (!HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    // On paper the line wraps within the page: every word of it is on the first page, in order.
    const QString firstPage = ExportedPdfText().split(u'\f').front().simplified();
    QVERIFY2(firstPage.contains(spelled), qPrintable(firstPage));
}

// The point of the portion beside the portion: the middle for every upagraha under the original
// (above), the start for Gulika at the start, and under the Kerala rule Maandi's ghatis: a Sunday
// day birth, 26 ghatis of the day after sunrise.
void ResultViewTest::the_table_shows_the_point_of_each_upagraha() {
    auto* table = Control<QTableWidget>(W(), "upagrahaTable");
    ChooseProfile("gulika-start");
    QCOMPARE(table->item(5, 0)->text(), QStringLiteral("Gulika"));
    QCOMPARE(table->item(5, 3)->text(), QStringLiteral("start"));
    QCOMPARE(table->item(6, 3)->text(), QStringLiteral("middle"));
    ChooseProfile("kerala");
    QCOMPARE(table->item(6, 0)->text(), QStringLiteral("Maandi"));
    QCOMPARE(table->item(6, 3)->text(), QStringLiteral("26 ghatis"));
    QCOMPARE(table->item(5, 3)->text(), QStringLiteral("middle"));
    // Copied as the screen has it.
    QApplication::clipboard()->clear();
    Press(W(), "copyTableButton");
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.at(0).split(u'\t').at(3), QStringLiteral("Point"));
    QCOMPARE(lines.at(7).split(u'\t').at(0), QStringLiteral("Maandi"));
    QCOMPARE(lines.at(7).split(u'\t').at(3), QStringLiteral("26 ghatis"));
}

// Upagrahas by rows, the six presets by columns and the profile in use among them, or after them
// when it is none; a cell that differs from the profile in use is in bold and starred.
void ResultViewTest::the_compare_tab_sets_the_profiles_side_by_side() {
    auto* tabs = Control<QTabWidget>(W(), "resultTabs");
    auto* grid = Control<QTableWidget>(W(), "compareTable");
    QVERIFY(grid != nullptr);
    tabs->setCurrentWidget(Control<QWidget>(W(), "compareTab"));
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Com&pare"));
    QCOMPARE(grid->rowCount(), 6);
    QCOMPARE(grid->columnCount(), 6);
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Original (in use)"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Gulika at the start"));
    QCOMPARE(grid->verticalHeaderItem(4)->text(), QStringLiteral("Gulika"));
    auto* table = Control<QTableWidget>(W(), "upagrahaTable");
    for (int u = 0; u < 6; ++u) {
        // The column in use is the table's longitudes, unmarked.
        QCOMPARE(grid->item(u, 0)->text(), table->item(u + 1, 5)->text());
        QVERIFY(!grid->item(u, 0)->font().bold());
    }
    // Gulika at the start of Saturn's portion, not at its middle: the ascendant has moved on.
    QTableWidgetItem* moved = grid->item(4, 1);
    QVERIFY2(moved->text().endsWith(QStringLiteral(" *")), qPrintable(moved->text()));
    QVERIFY(moved->font().bold());
    // Kerala keeps the original's lords, sunrise and points but Maandi's: Kaala the same and
    // unmarked, Maandi by the ghatis elsewhere and marked.
    QCOMPARE(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Kerala (Maandi by ghatis)"));
    QCOMPARE(grid->item(0, 4)->text(), grid->item(0, 0)->text());
    QVERIFY(!grid->item(0, 4)->font().bold());
    QVERIFY(grid->item(5, 4)->text().endsWith(QStringLiteral(" *")));
    QVERIFY(grid->item(5, 4)->font().bold());
    QVERIFY(Control<QLabel>(W(), "compareKey")->text().startsWith(QStringLiteral("* differs from the profile in use")));

    // The notes name each column's axes; nothing in this birth (mid-morning) sets the profiles
    // apart beyond them, and the notes say so rather than stop there.
    const QString notes = Control<QLabel>(W(), "compareNotes")->text();
    QVERIFY(notes.startsWith(QStringLiteral("Under gulika-start, unlike original: Gulika at the start; sunrise at")));
    QVERIFY(notes.endsWith(QStringLiteral("no upagraha near a sign change.")));

    ChooseCustom(AwayOnEveryAxis());
    QCOMPARE(grid->columnCount(), 7);
    QCOMPARE(grid->horizontalHeaderItem(6)->text(), QStringLiteral("Custom (in use)"));
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Original"));
    QCOMPARE(grid->item(4, 6)->text(), table->item(5, 5)->text());
}

// A birth in the minutes between the sunrises of the profiles: a day birth under some, a night
// birth under others. The notes above the grid say so, in the core's words.
void ResultViewTest::the_compare_tab_says_when_the_birth_is_near_sunrise() {
    std::string minute;
    std::string note;
    // Delhi's sunrise in mid-June falls between 05:20 and 05:30; the sunrises of the profiles lie
    // a few minutes apart there.
    for (int m = 15; m < 40 && note.empty(); ++m) {
        reading::BirthForm form = KnownGoodForm();
        form.hour = "5";
        form.minute = minute = std::to_string(m);
        for (const std::string& each : reading::CompareProfiles(form, upagraha::kOriginalProfile).notes)
            if (each.find("a night birth under") != std::string::npos) note = each;
    }
    QVERIFY2(!note.empty(), "no minute near sunrise where the profiles part on day and night");
    Press(W(), "backButton");
    ChooseEntry(W(), "hourCombo", QStringLiteral("5"));
    ChooseEntry(W(), "minuteCombo", QString::fromStdString(minute));
    Press(W(), "calculateButton");
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    const QString notes = Control<QLabel>(W(), "compareNotes")->text();
    QVERIFY2(notes.contains(QString::fromStdString(note)), qPrintable(notes));
    QVERIFY(notes.contains(QStringLiteral("a day birth under")));
}

// Off at first, so that the printed reading stays as it was; chosen, the PDF ends with the grid on
// a page of its own.
void ResultViewTest::the_pdf_has_the_comparison_page_only_when_chosen() {
    if (!HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    auto* include = Control<QAction>(W(), "includeComparisonAction");
    QVERIFY(!include->isChecked());
    const QString plain = ExportedPdfText();
    QVERIFY(!plain.contains(QStringLiteral("Comparison of profiles")));
    include->trigger();
    const QStringList pages = ExportedPdfText().split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), plain.split(u'\f', Qt::SkipEmptyParts).size() + 1);
    const QString last = pages.back();
    // (A cell's words wrap within it: the profiles' names are read in their first words.)
    for (const QString& part :
         {QStringLiteral("Comparison of profiles"), QStringLiteral("Original (in"), QStringLiteral("Seven lords"),
          QStringLiteral("Yamaghantaka"), QStringLiteral("* differs from the profile in use (Original)."),
          QStringLiteral("Nothing in this birth sets the profiles apart")})
        QVERIFY2(last.contains(part), qPrintable(part + QStringLiteral(" in ") + last));
    // The marked cell of the screen's grid is marked on paper too.
    const QString marked = Control<QTableWidget>(W(), "compareTable")->item(4, 1)->text();
    QVERIFY2(last.contains(marked), qPrintable(marked));
    QVERIFY(!pages.at(pages.size() - 2).contains(QStringLiteral("Comparison of profiles")));
}

// Asha's ascendant, Leo 5 deg 54', by hand: the second navamsa of a fiery sign counted from Aries
// is Taurus; its shashtiamsa is the 12th (5 deg 54' x 2 = 11.8) counted from Leo, Cancer. The
// ascendant's sign is the first house of the North Indian chart.
void ResultViewTest::the_vargas_tab_sets_a_chosen_varga_beside_the_rasi() {
    auto* vargas = W().findChild<desktop::VargaView*>(QStringLiteral("vargaTab"));
    QVERIFY(vargas != nullptr);
    QCOMPARE(vargas->Division(), 9);
    const auto ascendantSign = [](const reading::ChartModel& chart) { return chart.places[chart.PlaceOfBody(0)].sign; };
    QCOMPARE(ascendantSign(*vargas->RasiChart()), 4);
    QCOMPARE(ascendantSign(*vargas->VargaChart()), 1);
    vargas->SetDivision(60);
    QCOMPARE(ascendantSign(*vargas->VargaChart()), 3);
    Control<QComboBox>(W(), "chartStyleCombo")->setCurrentIndex(1);
    QCOMPARE(vargas->VargaChart()->style, reading::ChartStyle::NorthIndian);
    QCOMPARE(vargas->VargaChart()->places[0].label, std::string("4"));

    // The table: the ascendant, the nine grahas, the six upagrahas and the Sun's five, in the
    // sixteen vargas, with the vargottama column.
    const QTableWidget* table = vargas->TableWidget();
    QCOMPARE(table->rowCount(), 21);
    QCOMPARE(table->columnCount(), 18);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Ascendant"));
    QCOMPARE(table->item(0, 6)->text(), QStringLiteral("Tau"));
    for (int r = 0; r < table->rowCount(); ++r)
        QCOMPARE(table->item(r, 17)->text().isEmpty(), table->item(r, 1)->text() != table->item(r, 6)->text());
}

QTEST_MAIN(ResultViewTest)
#include "tst_result_view.moc"
