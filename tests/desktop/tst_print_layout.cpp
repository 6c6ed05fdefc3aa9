// What goes on paper and into images: the chart's texts fit their boxes whole (a bold ascendant
// with a two-digit degree, a long zone name in the centre, both chart styles, at the sizes the
// window, the page and the image use), and the printed reading's pages read as a client's copy.
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/chart_painter.h"
#include "desktop/reading_print.h"
#include "reading/calculation_driver.h"
#include "reading/result_summary.h"
#include "tests/desktop/gui_test_support.h"
#include "tests/support/reference_forms.h"
#include "upagraha/language.h"
#include "upagraha/profiles.h"

using namespace vela;

class ChartTextTest : public QObject {
    Q_OBJECT

private slots:
    void every_text_fits_its_box_data();
    void every_text_fits_its_box();
    void the_printed_pages_keep_their_blocks_and_name_the_client();
    void a_reading_printed_in_hindi_or_tamil_carries_their_names_data();
    void a_reading_printed_in_hindi_or_tamil_carries_their_names();
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

void ChartTextTest::a_reading_printed_in_hindi_or_tamil_carries_their_names_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("script");
    QTest::addColumn<QStringList>("expected");
    // The glossary's words (docs/translations.md) that pdftotext reads back: it loses the glyphs
    // made of two letters (conjuncts as ग्न, the Tamil consonants with pulli or with u, as கு and ன்),
    // so Tamil is checked with words without them. Gulika, the longitude label, the interpretation
    // label and the ascendant's sign (05 Leo 54 in New Delhi at 10:30) in Hindi; the house label,
    // the ascendant's sign and its nakshatra (Magha) in Tamil.
    QTest::newRow("hi") << QStringLiteral("hi") << static_cast<int>(QFontDatabase::Devanagari)
                        << QStringList{QStringLiteral("गुलिक"), QStringLiteral("भोगांश"), QStringLiteral("फल"),
                                       QStringLiteral("सिंह")};
    QTest::newRow("ta") << QStringLiteral("ta") << static_cast<int>(QFontDatabase::Tamil)
                        << QStringList{QStringLiteral("பாவ நிலை"), QStringLiteral("சிம்"), QStringLiteral("மகம்")};
}

// The PDF of a reading made in Hindi or Tamil: its text, read back by pdftotext, holds the names.
void ChartTextTest::a_reading_printed_in_hindi_or_tamil_carries_their_names() {
    QFETCH(QString, code);
    QFETCH(int, script);
    QFETCH(QStringList, expected);
    if (!guitest::HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    // Without a font of the script the PDF holds empty boxes and no text to read back.
    if (QFontDatabase::families(static_cast<QFontDatabase::WritingSystem>(script)).isEmpty())
        QSKIP("no font of the script is installed (fonts-noto-core holds Noto Sans Devanagari and Tamil)");
    const auto language = upagraha::LanguageFromCode(code.toStdString());
    QVERIFY(language.has_value());
    const reading::BirthForm form = NewDelhiForm();
    reading::Reading s;
    const auto outcome = reading::RunCalculation(form, upagraha::kOriginalProfile, s,
                                                 reading::CalculationRequest{.language = *language});
    QVERIFY(outcome.Succeeded());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("asha.pdf"));
    QVERIFY(desktop::WritePdf(path, desktop::BuildPrintedReading(form, s, outcome.upagrahas, outcome.report,
                                                                 reading::ChartStyle::SouthIndian, *language)));
    // pdftotext gives the glyphs in the order drawn and drops or moves some vowel signs (the
    // Devanagari ि and the Tamil ே stand before their consonant), leaving a blank in their place
    // ("गु लक"), so the letters are compared without marks and blanks: the consonants and vowels
    // in their order.
    const auto letters = [](const QString& text) {
        QString kept;
        for (const QChar c : text)
            if (!c.isMark() && !c.isSpace()) kept += c;
        return kept;
    };
    const QString text = letters(guitest::PdfText(path));
    for (const QString& name : expected)
        QVERIFY2(text.contains(letters(name)), qPrintable(name + QStringLiteral(" in:\n") + text.left(2000)));
}

QTEST_MAIN(ChartTextTest)
#include "tst_print_layout.moc"
