#include "desktop/day_view.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/core_text.h"
#include "desktop/translations.h"
#include "upagraha/language.h"
#include "upagraha/planet.h"

namespace vela::desktop {

namespace {

QString Clock(astro::ClockHours hours) { return QString::fromStdString(reading::ClockText(hours)); }

QString Span(const reading::ClockSpan& span) {
    return Clock(span.start) + QStringLiteral(" \u2013 ") + Clock(span.end);
}

}  // namespace

DayView::DayView(const reading::DayPlace& where, const upagraha::ConventionProfile& conventions, QWidget* parent)
    : QDialog(parent), place(where), profile(conventions), nowUtc(QDateTime::currentDateTimeUtc()) {
    setWindowTitle(tr("Day portions"));
    auto* layout = new QVBoxLayout(this);
    dateEdit = new QDateEdit(this);
    dateEdit->setObjectName(QStringLiteral("dateEdit"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateEdit->setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
    summaryLabel = new QLabel(this);
    summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    portionTable = new QTableWidget(16, 3, this);
    portionTable->setObjectName(QStringLiteral("portionTable"));
    portionTable->setHorizontalHeaderLabels({tr("Portion"), tr("Lord"), tr("Time")});
    portionTable->verticalHeader()->hide();
    portionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    portionTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(dateEdit);
    layout->addWidget(summaryLabel);
    layout->addWidget(portionTable);
    connect(dateEdit, &QDateEdit::dateChanged, this, [this] { Refresh(); });
    // Today on the place's clock.
    const int offsetSeconds = place.zone.secondsEast + (place.dst ? 3600 : 0);
    ShowDate(nowUtc.addSecs(offsetSeconds).date());
    Refresh();
}

void DayView::ShowDate(const QDate& date) {
    if (dateEdit->date() == date) Refresh();
    dateEdit->setDate(date);
}

void DayView::SetNow(const QDateTime& utc) {
    nowUtc = utc;
    Refresh();
}

void DayView::Refresh() {
    const QDate date = dateEdit->date();
    const auto outcome = reading::CalculateDay(place, {date.year(), date.month(), date.day()}, profile);
    portionTable->clearContents();
    if (outcome.message) {
        summaryLabel->setText(ShowCoreMessage(*outcome.message));
        return;
    }
    const auto& day = outcome.sheet;
    QString summary = tr("Sunrise %1, sunset %2, next sunrise %3")
                          .arg(Clock(day.sunrise), Clock(day.sunset), Clock(day.nextSunrise)) +
                      QLatin1Char('\n') + tr("Rahu Kalam %1").arg(Span(day.periods.rahuKalam)) + QLatin1Char('\n') +
                      tr("Yamagandam %1").arg(Span(day.periods.yamagandam)) + QLatin1Char('\n') +
                      tr("Gulika Kalam %1").arg(Span(day.periods.gulikaKalam));
    if (day.yamaghantakaNote) summary += QLatin1Char('\n') + ShowCoreMessage(*day.yamaghantakaNote);
    summaryLabel->setText(summary);

    // Now, in clock hours of the shown date at the place.
    const int offsetSeconds = place.zone.secondsEast + (place.dst ? 3600 : 0);
    const QDateTime local = nowUtc.addSecs(offsetSeconds);
    const double nowHours =
        static_cast<double>(QDate(date).daysTo(local.date())) * 24 + local.time().msecsSinceStartOfDay() / 3600000.0;
    for (int k = 0; k < 16; ++k) {
        const bool byDay = k < 8;
        const auto& portion =
            byDay ? day.dayPortions[static_cast<std::size_t>(k)] : day.nightPortions[static_cast<std::size_t>(k - 8)];
        const bool current = nowHours >= portion.span.start.value && nowHours < portion.span.end.value;
        const QString name = (byDay ? tr("Day %1") : tr("Night %1")).arg(byDay ? k + 1 : k - 7);
        const QStringList cells = {current ? name + QStringLiteral(" \u25C0 ") + tr("now") : name,
                                   ShowCoreText(upagraha::LordName(portion.lord, InterfaceLanguage())),
                                   Span(portion.span)};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (current) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            portionTable->setItem(k, c, item);
        }
    }
}

}  // namespace vela::desktop
