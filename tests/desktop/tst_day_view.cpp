// The day's portions in the window: today by default, the portions of the chosen date, and the
// portion running now marked only on today's date; the choghadiyas on request; the month sheet on
// one printed page, in PDF and in CSV; and a month across a change of clocks from the zone history.
#include <QBuffer>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cmath>
#include <cstdlib>

#include "desktop/day_view.h"
#include "tests/desktop/gui_test_support.h"

using namespace vela;

namespace {

reading::DayPlace Chennai() {
    reading::DayPlace place;
    place.latDegrees = 13;
    place.latMinutes = 5;
    place.lonDegrees = 80;
    place.lonMinutes = 17;
    place.east = true;
    place.zone = astro::ZoneOffset::FromSecondsEast(19800);
    return place;
}

reading::DayPlace Tromso() {
    reading::DayPlace place;
    place.latDegrees = 69;
    place.latMinutes = 39;
    place.lonDegrees = 18;
    place.lonMinutes = 57;
    place.east = true;
    place.zone = astro::ZoneOffset::FromSecondsEast(3600);
    return place;
}

// The almanac's profile for Chennai: the Sun's centre without refraction (see the reading tests).
upagraha::ConventionProfile AlmanacProfile() {
    return upagraha::CustomProfile(upagraha::LordOrder::EightPlaceCycle, upagraha::kOriginalProfile.points,
                                   upagraha::SunriseEvent::DiscCentreWithoutRefraction);
}

int Minutes(const QString& clock) {
    return clock.section(QLatin1Char(':'), 0, 0).toInt() * 60 + clock.section(QLatin1Char(':'), 1, 1).toInt();
}

QList<int> MarkedRows(const QTableWidget& table) {
    QList<int> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0) && table.item(row, 0)->text().contains(QStringLiteral("now"))) rows.append(row);
    return rows;
}

}  // namespace

class DayViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opens_on_today_at_the_place();
    void marks_the_portion_running_now_on_today_only();
    void shows_the_choghadiyas_on_request();
    void prints_the_month_on_one_page_data();
    void prints_the_month_on_one_page();
    void exports_the_month_as_csv();
    void names_the_city_and_prints_the_month_with_a_preview();
    void runs_each_day_of_the_month_on_its_own_clock();
    void keeps_the_birth_tick_to_the_birth_date_without_a_zone_history();
};

void DayViewTest::opens_on_today_at_the_place() {
    desktop::DayView view(Chennai(), upagraha::kOriginalProfile);
    QCOMPARE(view.dateEdit->date(), QDateTime::currentDateTimeUtc().addSecs(19800).date());
    QCOMPARE(view.portionTable->rowCount(), 16);
}

// Monday 1 April 2024 in Chennai: Rahu Kalam 07:39 to 09:10 in the published almanac
// (astroved.com, Rahu Kalam in Chennai), the day's 2nd portion; at 08:00 IST that portion runs.
void DayViewTest::marks_the_portion_running_now_on_today_only() {
    desktop::DayView view(Chennai(), upagraha::kOriginalProfile);
    view.SetNow(QDateTime(QDate(2024, 4, 1), QTime(2, 30), Qt::UTC));
    view.ShowDate(QDate(2024, 4, 1));
    QCOMPARE(MarkedRows(*view.portionTable), QList<int>{1});
    QVERIFY(view.summaryLabel->text().contains(QStringLiteral("Rahu Kalam 07:3")));
    // At 23:00 IST the night's 4th portion runs (sunset about 18:21, portions of about 88 minutes).
    view.SetNow(QDateTime(QDate(2024, 4, 1), QTime(17, 30), Qt::UTC));
    QCOMPARE(MarkedRows(*view.portionTable), QList<int>{11});
    view.ShowDate(QDate(2024, 4, 2));
    QVERIFY(MarkedRows(*view.portionTable).isEmpty());
}

// Thursday 8 June 2023 in Ahmedabad (23N01, 72E34): Shubh opens the day and Amrit the night
// (https://www.mypandit.com/choghadiya/amp/?city=Ahmedabad&mpdate=08-06-2023).
void DayViewTest::shows_the_choghadiyas_on_request() {
    reading::DayPlace ahmedabad = Chennai();
    ahmedabad.latDegrees = 23;
    ahmedabad.latMinutes = 1;
    ahmedabad.lonDegrees = 72;
    ahmedabad.lonMinutes = 34;
    desktop::DayView view(ahmedabad, upagraha::kPreciseProfile);
    view.ShowDate(QDate(2023, 6, 8));
    QVERIFY(view.choghadiyaTable->isHidden());
    view.choghadiyaCheck->setChecked(true);
    QVERIFY(!view.choghadiyaTable->isHidden());
    QCOMPARE(view.choghadiyaTable->item(0, 1)->text(), QStringLiteral("Shubh"));
    QCOMPARE(view.choghadiyaTable->item(8, 1)->text(), QStringLiteral("Amrit"));
    QVERIFY(view.choghadiyaTable->item(4, 2)->text().startsWith(QStringLiteral("12:3")));
}

void DayViewTest::prints_the_month_on_one_page_data() {
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<bool>("polar");
    for (const auto size : {QPageSize::A4, QPageSize::Letter})
        for (const bool polar : {false, true})
            QTest::addRow("%s%s", size == QPageSize::A4 ? "A4" : "Letter", polar ? ", polar night" : "")
                << static_cast<int>(size) << polar;
}

// The month with its heading on one page of A4 or Letter, a month of polar night with its messages
// too; the heading names the place, the zone and the profile.
void DayViewTest::prints_the_month_on_one_page() {
    QFETCH(int, pageSize);
    QFETCH(bool, polar);
    const QPageSize size(static_cast<QPageSize::PageSizeId>(pageSize));
    desktop::DayView view(polar ? Tromso() : Chennai(), upagraha::kPreciseProfile);
    view.ShowDate(polar ? QDate(2024, 1, 10) : QDate(2024, 4, 5));
    QCOMPARE(view.monthTable->rowCount(), 31 - (polar ? 0 : 1));
    const desktop::MonthPage sheet = view.MonthSheetPage();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(size);
    QPainter painter(&writer);
    const QRectF page(0, 0, writer.width(), writer.height());
    const QRectF used = desktop::PaintMonthPage(painter, page, sheet);
    painter.end();
    QVERIFY2(page.contains(used), qPrintable(QStringLiteral("%1 x %2 on a page of %3 x %4")
                                                 .arg(used.width())
                                                 .arg(used.height())
                                                 .arg(page.width())
                                                 .arg(page.height())));
    // Not shrunk to nothing: the rows take at least half the page's height.
    QVERIFY2(used.height() > page.height() / 2,
             qPrintable(QStringLiteral("%1 of %2").arg(used.height()).arg(page.height())));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("month.pdf"));
    QCOMPARE(desktop::WriteMonthPdf(path, sheet, size), QString());
    if (!guitest::HavePdfToText()) QSKIP("pdftotext is not installed: the PDF's text is not read back");
    // Compatibility forms: the ligatures of the type (ﬁ, ﬀ) read as their letters.
    const QString text = guitest::PdfText(path).normalized(QString::NormalizationForm_KC);
    QCOMPARE(text.count(QLatin1Char('\f')), 1);  // one page
    QVERIFY(
        text.contains(polar ? QStringLiteral("69N39 18E57, zone +01:00") : QStringLiteral("13N05 80E17, zone +05:30")));
    QVERIFY2(text.contains(QStringLiteral("Profile: precise")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Daylight saving: off")));
    QVERIFY2(text.contains(QStringLiteral("ayanamsa")), qPrintable(text));  // the long heading line wraps
    // The last line whole, to its last column.
    QVERIFY(text.contains(polar ? QStringLiteral("2024-01-31") : QStringLiteral("2024-04-30")));
    const auto& last = sheet.rows.back();
    QVERIFY2(text.contains(last.back()), qPrintable(last.back()));
}

// The day and the month name the city the form holds beside the coordinates; the month's Print
// goes to the window's print preview.
void DayViewTest::names_the_city_and_prints_the_month_with_a_preview() {
    desktop::DayView view(Chennai(), upagraha::kOriginalProfile);
    QStringList previewed;
    view.SetPrintPreview([&previewed](const QString& title, const auto&) { previewed << title; });
    view.SetPlaceName(QStringLiteral("Chennai, Tamil Nadu, India"));
    view.ShowDate(QDate(2024, 4, 5));
    QVERIFY(view.summaryLabel->text().startsWith(QStringLiteral("Chennai, Tamil Nadu, India\n")));
    QVERIFY(
        view.MonthSheetPage().heading.front().startsWith(QStringLiteral("Place: Chennai, Tamil Nadu, India, 13N05")));
    view.printButton->click();
    QCOMPARE(previewed, QStringList(view.MonthSheetPage().title));
}

// Rahu Kalam in Chennai, 1 to 8 April 2024, as the almanac published it (astroved.com, the same
// figures as the reading tests): the exported CSV, in the command line's columns, within two minutes.
void DayViewTest::exports_the_month_as_csv() {
    desktop::DayView view(Chennai(), AlmanacProfile());
    view.ShowDate(QDate(2024, 4, 3));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("april.csv"));
    QCOMPARE(desktop::WriteMonthCsv(path, view.Month()), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 31);
    QCOMPARE(lines[0], QStringLiteral("date,weekday,sunrise,sunset,rahu_kalam_start,rahu_kalam_end,yamagandam_start,"
                                      "yamagandam_end,gulika_kalam_start,gulika_kalam_end,dst,message"));
    const QStringList rahu = {"07:39", "15:14", "12:12", "13:43", "10:40", "09:08", "16:45", "07:35"};
    for (int d = 1; d <= 8; ++d) {
        const QStringList cells = lines[d].split(QLatin1Char(','));
        QCOMPARE(cells[0], QDate(2024, 4, d).toString(Qt::ISODate));
        QVERIFY2(std::abs(Minutes(cells[4]) - Minutes(rahu[d - 1])) <= 2, qPrintable(lines[d]));
        QCOMPARE(cells[10], QStringLiteral("false"));
    }
}

// New York picked from the atlas, March 2024: the clocks went forward on Sunday 10 March. Sunrise on
// Monday 11 March at 07:13 and sunset on the 10th at 18:57 (timeanddate.com's New York City table,
// reported by Patch, March 2024): within a minute, each day on its own clock.
void DayViewTest::runs_each_day_of_the_month_on_its_own_clock() {
    if (!QTimeZone(QByteArrayLiteral("America/New_York")).isValid())
        QSKIP("the system's time-zone data does not know America/New_York");
    reading::DayPlace newYork;
    newYork.latDegrees = 40;
    newYork.latMinutes = 43;
    newYork.lonDegrees = 74;
    newYork.zone = astro::ZoneOffset::FromSecondsEast(-5 * 3600);
    desktop::DayView view(newYork, upagraha::kPreciseProfile);
    view.SetZoneHistory("America/New_York");
    view.ShowDate(QDate(2024, 3, 11));
    const auto& lines = view.Month().lines;
    QCOMPARE(lines.size(), std::size_t{31});
    QVERIFY(!lines[8].dst);
    QVERIFY(lines[9].dst);
    QVERIFY(std::abs(std::lround(lines[10].sunrise.value * 60) - (7 * 60 + 13)) <= 1);
    QVERIFY(std::abs(std::lround(lines[9].sunset.value * 60) - (18 * 60 + 57)) <= 1);
    QVERIFY(view.monthLabel->text().contains(QStringLiteral("America/New_York")));
    QVERIFY(view.monthLabel->text().contains(QStringLiteral("From 2024-03-10 the clocks keep daylight saving.")));
    QVERIFY(view.summaryLabel->text().startsWith(QStringLiteral("Sunrise 07:1")));
    // An unknown zone keeps the form's clock, and the sheet says so.
    view.SetZoneHistory("Nowhere/Atlantis");
    QVERIFY(!view.Month().lines[10].dst);
    QVERIFY(view.monthLabel->text().contains(QStringLiteral("as given")));
}

// A New York reading born under daylight saving (4 July 2026), opened from a file: no zone history.
// On 7 December 2026 the city keeps standard time: sunrise 07:05 and Monday's Rahu Kalam (2nd eighth)
// from 08:16 (timeanddate.com, New York, December 2026: sunrise 7:05, sunset 16:28). The box moves
// the day an hour; the birth date keeps the reading's tick.
void DayViewTest::keeps_the_birth_tick_to_the_birth_date_without_a_zone_history() {
    reading::DayPlace newYork;
    newYork.latDegrees = 40;
    newYork.latMinutes = 43;
    newYork.lonDegrees = 74;
    newYork.zone = astro::ZoneOffset::FromSecondsEast(-5 * 3600);
    newYork.dst = true;
    desktop::DayView view(newYork, upagraha::kOriginalProfile);
    view.SetBirthDate(QDate(2026, 7, 4));
    view.ShowDate(QDate(2026, 7, 4));
    QVERIFY(view.dstCheck->isChecked());
    view.ShowDate(QDate(2026, 12, 7));
    QVERIFY(!view.dstCheck->isHidden());
    QVERIFY(!view.dstCheck->isChecked());
    const QString summary = view.summaryLabel->text();
    QVERIFY2(std::abs(Minutes(summary.mid(8, 5)) - (7 * 60 + 5)) <= 2, qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("Rahu Kalam 08:1")), qPrintable(summary));
    QVERIFY(summary.contains(QStringLiteral("without daylight saving")));
    QVERIFY(!view.Month().lines[6].dst);
    view.dstCheck->click();
    QVERIFY(view.summaryLabel->text().contains(QStringLiteral("Rahu Kalam 09:1")));
    QVERIFY(view.Month().lines[6].dst);
}

QTEST_MAIN(DayViewTest)
#include "tst_day_view.moc"
