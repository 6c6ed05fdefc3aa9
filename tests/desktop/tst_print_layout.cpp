// What goes on paper and into images: the chart's texts fit their boxes whole (a bold ascendant
// with a two-digit degree, a long zone name in the centre, both chart styles, at the sizes the
// window, the page and the image use, with and without the grahas, and with all sixteen bodies
// crowded into one place), and the printed reading's pages read as a client's copy.
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
    void the_chart_centre_gives_a_long_zone_as_its_offset_data();
    void the_chart_centre_gives_a_long_zone_as_its_offset();
    void every_text_fits_its_box_data();
    void every_text_fits_its_box();
    void a_place_holds_all_sixteen_bodies_in_readable_type_data();
    void a_place_holds_all_sixteen_bodies_in_readable_type();
    void the_printed_pages_keep_their_blocks_and_name_the_client();
    void a_far_north_reading_is_printed_with_its_warning();
    void a_reading_printed_in_hindi_or_tamil_carries_their_names_data();
    void a_reading_printed_in_hindi_or_tamil_carries_their_names();
};

void ChartTextTest::the_chart_centre_gives_a_long_zone_as_its_offset_data() {
    QTest::addColumn<int>("zoneRow");
    QTest::addColumn<QStringList>("centre");
    const QString date = QStringLiteral("15 June 1975, 10:30");
    const QString place = QStringLiteral("New Delhi, India");
    // A zone name no longer than the date line stays whole; a longer one gives way to its offset
    // (West of Greenwich with a true minus sign).
    QTest::newRow("Indian Time") << 34
                                 << QStringList{QStringLiteral("Asha"), date, QStringLiteral("Indian Time +05:30"),
                                                place};
    QTest::newRow("Eastern Standard Time")
        << 27 << QStringList{QStringLiteral("Asha"), date, QStringLiteral("\u221205:00"), place};
    QTest::newRow("Australian Eastern Standard Time")
        << 8 << QStringList{QStringLiteral("Asha"), date, QStringLiteral("+10:00"), place};
}

// The chart's centre: the name, the birth moment on two lines and the place, as both chart styles
// draw it on screen, on paper and in images.
void ChartTextTest::the_chart_centre_gives_a_long_zone_as_its_offset() {
    QFETCH(int, zoneRow);
    QFETCH(QStringList, centre);
    reading::BirthForm form = NewDelhiForm();
    form.zoneRow = zoneRow;
    reading::Reading s;
    const auto outcome = reading::RunCalculation(form, upagraha::kOriginalProfile, s, desktop::kDesktopRequest);
    QVERIFY(outcome.Succeeded());
    QStringList lines;
    for (const std::string& line : desktop::ChartCentreLines(reading::BuildHeader(s, outcome.upagrahas), s))
        lines << QString::fromStdString(line);
    QCOMPARE(lines, centre);
}

void ChartTextTest::every_text_fits_its_box_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("zoneRow");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<bool>("grahas");
    for (const int style : {0, 1})
        for (const int zone : {34, 27})  // Indian Time; Eastern Standard Time, a long name
            for (const char* hour : {"11", "12", "13"})
                for (const bool grahas : {false, true})
                    QTest::addRow("%s, zone %d, %s h%s", style == 0 ? "south" : "north", zone, hour,
                                  grahas ? ", grahas" : "")
                        << style << zone << QString::fromLatin1(hour) << grahas;
}

void ChartTextTest::every_text_fits_its_box() {
    QFETCH(int, style);
    QFETCH(int, zoneRow);
    QFETCH(QString, hour);
    QFETCH(bool, grahas);
    // From 11:00 in New Delhi the ascendant stands at 13 Leo and on: a two-digit degree in bold.
    reading::BirthForm form = NewDelhiForm(hour.toStdString(), "0");
    form.zoneRow = zoneRow;
    reading::Reading s;
    const auto outcome = reading::RunCalculation(form, upagraha::kOriginalProfile, s,
                                                 reading::CalculationRequest{true, grahas, sky::NodeKind::Mean});
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
            // A body's line in legible type from the window's chart up (6 px in a side triangle once).
            if (!text.isLabel && !text.text.contains(QStringLiteral("Asha")) && text.text.contains(u'\u00B0') &&
                side >= 390)
                QVERIFY2(text.font.pixelSize() >= desktop::kLegiblePixels, qPrintable(text.text));
        }
        QVERIFY(sawName);
        QVERIFY(sawAscendant);
    }
}

void ChartTextTest::a_place_holds_all_sixteen_bodies_in_readable_type_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("place");
    // A South Indian cell; a North Indian diamond, a triangle at the top and one at the side.
    QTest::addRow("south, a cell") << 0 << 2;
    QTest::addRow("north, a diamond") << 1 << 0;
    QTest::addRow("north, a low triangle") << 1 << 1;
    QTest::addRow("north, a tall triangle") << 1 << 2;
}

// The ascendant, the six upagrahas and the nine grahas all in one place: every one of them is
// written, each in a box it fits, none smaller than a third of the largest type the place allows
// (shortened to whole degrees or the short name where the place is too small for more), and the
// upagrahas set apart in italic. On a printed page's chart (800 px and more) a South Indian cell
// keeps every line whole.
void ChartTextTest::a_place_holds_all_sixteen_bodies_in_readable_type() {
    QFETCH(int, style);
    QFETCH(int, place);
    reading::Reading s;
    const auto outcome =
        reading::RunCalculation(NewDelhiForm(), upagraha::kOriginalProfile, s, desktop::kDesktopRequest);
    QVERIFY(outcome.Succeeded());
    auto model = reading::BuildChartModel(
        style == 0 ? reading::ChartStyle::SouthIndian : reading::ChartStyle::NorthIndian, s, outcome.upagrahas, {});
    QCOMPARE(model.bodies.size(), std::size_t{16});
    for (auto& each : model.places) each.bodies.clear();
    for (std::size_t b = 0; b < model.bodies.size(); ++b)
        model.places[static_cast<std::size_t>(place)].bodies.push_back(b);

    for (double side = 300; side <= 1000; side += 70) {
        const auto texts =
            desktop::LayOutChartText(QRectF(0, 0, side, side), model, QFont(QStringLiteral("DejaVu Sans")));
        int bodies = 0, italic = 0;
        for (const auto& text : texts) {
            if (text.isLabel) continue;
            ++bodies;
            if (text.isUpagraha) {
                ++italic;
                QVERIFY(text.font.italic());
            }
            QVERIFY2(QFontMetricsF(text.font).horizontalAdvance(text.text) <= text.box.width(), qPrintable(text.text));
            // The chart's square is 98% of the area's side; the largest type 4.2% of the square's.
            QVERIFY2(text.font.pixelSize() >= std::floor(side * 0.98 * 0.042 / 3),
                     qPrintable(QStringLiteral("%1 px at %2").arg(text.font.pixelSize()).arg(side)));
        }
        QCOMPARE(bodies, 16);
        QCOMPARE(italic, 6);
        if (style == 0 && side >= 800)
            for (const auto& text : texts)
                if (!text.isLabel) QVERIFY2(text.text.contains(u'\u2032'), qPrintable(text.text));
    }
}

// Every page after the first is headed with the name and birth moment; an upagraha's block never
// ends a page at a heading; Mrityu, which has no interpretation by house, reads "NA" as on screen.
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
    }
    const QStringList all = pages.join(QString()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(all.count(QStringLiteral("NA")), 1);
    QCOMPARE(all[all.indexOf(QStringLiteral("NA")) - 1], QStringLiteral("Interpretation"));
}

// The warning the window shows under the header of a reading at 60 degrees North or more, under
// the original's formulas, is on the first page of the PDF as well; a reading further south, or
// one under the precise profile, carries none.
void ChartTextTest::a_far_north_reading_is_printed_with_its_warning() {
    if (!guitest::HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    struct Case {
        reading::BirthForm form;
        upagraha::ConventionProfile profile;
        bool warned;
    };
    const Case cases[] = {{TromsoForm(7, 27), upagraha::kOriginalProfile, true},
                          {TromsoForm(7, 27), upagraha::kPreciseProfile, false},
                          {NewDelhiForm(), upagraha::kOriginalProfile, false}};
    QTemporaryDir folder;
    for (const Case& c : cases) {
        reading::Reading s;
        const auto outcome = reading::RunCalculation(c.form, c.profile, s, desktop::kDesktopRequest);
        QVERIFY(outcome.Succeeded());
        QCOMPARE(outcome.farNorth, c.warned);
        const QString path = folder.filePath(QStringLiteral("reading.pdf"));
        QVERIFY(desktop::WritePdf(path, desktop::BuildPrintedReading(c.form, s, outcome.upagrahas, outcome.report,
                                                                     reading::ChartStyle::SouthIndian,
                                                                     upagraha::Language::English, outcome.farNorth)));
        const QStringList pages = guitest::PdfText(path).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(!pages.isEmpty());
        // The sentence wraps on the page: compared with its words joined by single blanks, and
        // with the "fi" that the PDF's type sets as one ligature written out.
        const QString firstPage = pages.front().simplified().replace(QChar(0xFB01), QStringLiteral("fi"));
        const QString warning = QString::fromUtf8(reading::kFarNorthWarning.data(),
                                                  static_cast<qsizetype>(reading::kFarNorthWarning.size()));
        QVERIFY2(firstPage.contains(warning) == c.warned, qPrintable(firstPage.left(900)));
        QVERIFY(firstPage.contains(QString::fromStdString(c.form.name)));
    }
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
    // in their order. It also loses a Tamil consonant drawn with its pulli as one glyph (the ம் of
    // மகம், the ன் of ஜூன்) once the header has drawn it (the page itself shows them; pdftoppm
    // renders "மகம், பாதம் 2"), so such a consonant is left out on both sides.
    const auto letters = [](const QString& text) {
        QString kept;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (i + 1 < text.size() && text.at(i + 1) == QChar(0x0BCD)) continue;  // a consonant with pulli
            if (!c.isMark() && !c.isSpace()) kept += c;
        }
        return kept;
    };
    const QString text = letters(guitest::PdfText(path));
    for (const QString& name : expected)
        QVERIFY2(text.contains(letters(name)), qPrintable(name + QStringLiteral(" in:\n") + text.left(2000)));
}

QTEST_MAIN(ChartTextTest)
#include "tst_print_layout.moc"
