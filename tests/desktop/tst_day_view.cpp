// The day's portions in the window: today by default, the portions of the chosen date, and the
// portion running now marked only on today's date.
#include <QDateEdit>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include "desktop/day_view.h"

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

QTEST_MAIN(DayViewTest)
#include "tst_day_view.moc"
