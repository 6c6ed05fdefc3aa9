// What goes on paper and into images: the chart's texts fit their boxes whole (a bold ascendant
// with a two-digit degree, a long zone name in the centre, both chart styles, at the sizes the
// window, the page and the image use), and the printed reading's pages read as a client's copy.
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/chart_painter.h"
#include "desktop/reading_print.h"
#include "reading/calculation_driver.h"
#include "reading/result_summary.h"
#include "tests/desktop/gui_test_support.h"
#include "tests/support/reference_forms.h"

using namespace vela;

class ChartTextTest : public QObject {
    Q_OBJECT

private slots:
    void every_text_fits_its_box_data();
    void every_text_fits_its_box();
    void the_printed_pages_keep_their_blocks_and_name_the_client();
};

void ChartTextTest::every_text_fits_its_box_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("zoneRow");
    QTest::addColumn<QString>("hour");
    for (const int style : {0, 1})
        for (const int zone : {34, 27})  // Indian Time; Eastern Standard Time, a long name
            for (const char* hour : {"11", "12", "13"})
                QTest::addRow("%s, zone %d, %s h", style == 0 ? "south" : "north", zone, hour)
                    << style << zone << QString::fromLatin1(hour);
}

void ChartTextTest::every_text_fits_its_box() {
    QFETCH(int, style);
    QFETCH(int, zoneRow);
    QFETCH(QString, hour);
    // From 11:00 in New Delhi the ascendant stands at 13 Leo and on: a two-digit degree in bold.
    reading::BirthForm form = NewDelhiForm(hour.toStdString(), "0");
    form.zoneRow = zoneRow;
    reading::Reading s;
    const auto outcome = reading::RunCalculation(form, s);
    QVERIFY(outcome.Succeeded());
    const auto chartStyle = style == 0 ? reading::ChartStyle::SouthIndian : reading::ChartStyle::NorthIndian;
    const auto header = reading::BuildHeader(s, outcome.upagrahas);
    const auto model = reading::BuildChartModel(chartStyle, s, outcome.upagrahas, desktop::ChartCentreLines(header, s));

    // Every size from the smallest window's chart to the printed page's, a few pixels apart.
    for (double side = 200; side <= 1000; side += 9) {
        const auto texts =
            desktop::LayOutChartText(QRectF(0, 0, side, side), model, QFont(QStringLiteral("DejaVu Sans")));
        bool sawName = false, sawAscendant = false;
        for (const auto& text : texts) {
            const double width = QFontMetricsF(text.font).horizontalAdvance(text.text);
            QVERIFY2(width <= text.box.width(), qPrintable(text.text));
            if (text.text.contains(QStringLiteral("Asha"))) {
                sawName = true;
                // Name and birth data at a readable size once the chart has room for it.
                if (side >= 300)
                    QVERIFY2(text.font.pixelSize() >= 8, qPrintable(QString::number(text.font.pixelSize())));
            }
            if (text.text.startsWith(QStringLiteral("Asc ")) && text.font.bold()) sawAscendant = true;
        }
        QVERIFY(sawName);
        QVERIFY(sawAscendant);
    }
}

// Every page after the first is headed with the name and birth moment; an upagraha's block never
// ends a page at a heading; Mrityu, which has no interpretation by house, gets a sentence, not "NA".
void ChartTextTest::the_printed_pages_keep_their_blocks_and_name_the_client() {
    if (!guitest::HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    const reading::BirthForm form = NewDelhiForm();
    reading::Reading s;
    const auto outcome = reading::RunCalculation(form, s);
    QVERIFY(outcome.Succeeded());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("asha.pdf"));
    QVERIFY(desktop::WritePdf(path, desktop::BuildPrintedReading(form, s, outcome.upagrahas, outcome.report,
                                                                 reading::ChartStyle::SouthIndian)));
    const QStringList pages = guitest::PdfText(path).split(u'\f', Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 3);
    const QStringList headings = {QStringLiteral("Longitude"), QStringLiteral("Significance"),
                                  QStringLiteral("House Position"), QStringLiteral("Interpretation")};
    for (qsizetype p = 1; p < pages.size(); ++p) {
        QStringList lines = pages[p].split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.front().trimmed(), QStringLiteral("Asha \u2014 15 June 1975, 10:30, Indian Time +05:30"));
        lines.removeLast();  // "Page 2 of 4"
        QVERIFY2(!headings.contains(lines.last().trimmed()), qPrintable(lines.last()));
        for (const QString& line : lines) QVERIFY(line.trimmed() != QStringLiteral("NA"));
    }
    QVERIFY(pages.join(QString()).contains(QStringLiteral("The texts give no interpretation of Mrityu by house.")));
}

QTEST_MAIN(ChartTextTest)
#include "tst_print_layout.moc"
