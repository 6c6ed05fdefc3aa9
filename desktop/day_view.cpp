#include "desktop/day_view.h"

#include <QBuffer>
#include <QByteArray>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeZone>
#include <QVBoxLayout>

#include <algorithm>

#include "atlas/zone_proposal.h"
#include "desktop/core_text.h"
#include "desktop/file_names.h"
#include "desktop/reading_print.h"
#include "desktop/translations.h"
#include "desktop/zone_clock.h"
#include "reading/file_output.h"
#include "reading/reference_tables.h"
#include "reading/result_summary.h"
#include "upagraha/language.h"
#include "upagraha/planet.h"

namespace vela::desktop {

namespace {

constexpr qreal kSheetPoints = 10;
constexpr qreal kSmallestSheetPoints = 5;
constexpr qreal kSheetMarginMillimetres = 15;

// "06:02", "00:19 (+1)" past the date's midnight; to the second under the precise ephemeris.
QString Clock(astro::ClockHours hours, bool toTheSecond) {
    return QString::fromStdString(reading::DatedClockText(hours, toTheSecond));
}

QString Span(const reading::ClockSpan& span, bool toTheSecond) {
    return Clock(span.start, toTheSecond) + QStringLiteral(" \u2013 ") + Clock(span.end, toTheSecond);
}

QFont SheetFont(qreal points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"), QStringLiteral("Bitstream Vera Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A line cut at spaces into lines no wider than the width (a word wider than it stands alone).
// Sizes of text as the painter lays it out in a font. The PDF engine sets type some per cent
// wider than the metrics at the device's resolution say (about 7 at 1200 dots an inch), so widths
// are taken a tenth wider.
constexpr qreal kWidthSlack = 1.1;
struct Measure {
    QPainter& painter;
    QFont font;
    qreal Width(const QString& text) const {
        painter.setFont(font);
        return painter.boundingRect(QRectF(0, 0, 1e9, 1e9), Qt::AlignLeft | Qt::AlignTop, text).width() * kWidthSlack;
    }
    qreal Height() const {
        painter.setFont(font);
        return painter.boundingRect(QRectF(0, 0, 1e9, 1e9), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Ag"))
            .height();
    }
};

QStringList Wrapped(const QString& text, const Measure& metrics, qreal width) {
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.Width(longer) > width) {
            lines << current;
            current = word;
        } else {
            current = longer;
        }
    }
    lines << current;
    return lines;
}

// Where the sheet's lines go at one type size: the column starts and the height it all takes.
struct SheetGeometry {
    qreal lineHeight = 0;
    qreal titleHeight = 0;
    // The heading's lines, wrapped at the page's width.
    QStringList heading;
    std::vector<qreal> columnStarts;
    qreal width = 0;
    qreal height = 0;
};

SheetGeometry MeasureSheet(const MonthPage& sheet, qreal points, qreal pageWidth, QPainter& painter) {
    SheetGeometry g;
    const Measure body{painter, SheetFont(points)};
    const Measure bold{painter, SheetFont(points, true)};
    const Measure title{painter, SheetFont(points * 1.4, true)};
    g.lineHeight = body.Height() * 1.25;
    g.titleHeight = title.Height() * 1.4;
    const qreal gap = body.Width(QStringLiteral("MM"));
    qreal x = 0;
    for (int c = 0; c < sheet.columns.size(); ++c) {
        qreal widest = bold.Width(sheet.columns[c]);
        // A day's message (in place of its times) runs on across the columns after it.
        for (const auto& row : sheet.rows)
            if (c < row.size() && (row.size() == sheet.columns.size() || c + 1 < row.size()))
                widest = std::max(widest, body.Width(row[c]));
        g.columnStarts.push_back(x);
        x += widest + gap;
    }
    g.width = x - gap;
    for (const auto& row : sheet.rows)
        if (row.size() < sheet.columns.size() && !row.isEmpty())
            g.width =
                std::max(g.width, g.columnStarts[static_cast<std::size_t>(row.size() - 1)] + body.Width(row.back()));
    g.width = std::max(g.width, title.Width(sheet.title));
    for (const auto& line : sheet.heading) g.heading << Wrapped(line, body, pageWidth);
    g.height = g.titleHeight + g.lineHeight * static_cast<qreal>(g.heading.size() + 1 + sheet.rows.size() + 1);
    return g;
}

}  // namespace

reading::ZoneHistory SystemZoneHistory(const std::string& zoneName) {
    if (zoneName.empty() || !QTimeZone(QByteArray::fromStdString(zoneName)).isValid()) return {};
    return [zoneName](const astro::CivilDate& date) -> std::optional<reading::DayClock> {
        const auto zone = ZoneAtBirthMoment(zoneName, atlas::ClockMoment{date.year, date.month, date.day, 12, 0});
        if (!zone) return std::nullopt;
        return atlas::DayClockOf(*zone);
    };
}

MonthPage BuildMonthPage(const reading::MonthSheet& month, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, const QString& placeName) {
    MonthPage sheet;
    const upagraha::Language language = InterfaceLanguage();
    const QString monthName = language == upagraha::Language::English
                                  ? QLocale().toString(QDate(month.year, month.month, 1), QStringLiteral("MMMM yyyy"))
                                  : ShowCoreText(upagraha::MonthName(month.month - 1, language)) + QLatin1Char(' ') +
                                        QString::number(month.year);
    sheet.title = DayView::tr("Rahu Kalam, Yamagandam and Gulika Kalam, %1").arg(monthName);
    sheet.heading = {
        DayView::tr("Place: %1")
            .arg((placeName.isEmpty() ? QString() : placeName + QStringLiteral(", ")) +
                 ShowCoreText(reading::DayPlaceText(place, language))),
        ShowCoreMessage(reading::MonthClockText(month)),
        DayView::tr("Profile: %1 (%2)")
            .arg(ShowCoreText(profile.name), ShowCoreText(reading::ProfileDescription(profile, InterfaceLanguage())))};
    if (month.warning) sheet.heading << ShowCoreMessage(*month.warning);
    sheet.columns = {DayView::tr("Date"),        DayView::tr("Weekday"),    DayView::tr("Sunrise"),
                     DayView::tr("Sunset"),      DayView::tr("Rahu Kalam"), DayView::tr("Yamagandam"),
                     DayView::tr("Gulika Kalam")};
    for (const auto& line : month.lines) {
        QStringList row = {QDate(line.date.year, line.date.month, line.date.day).toString(Qt::ISODate),
                           ShowCoreText(upagraha::WeekdayName(line.weekday, InterfaceLanguage()))};
        if (line.message) {
            row << ShowCoreMessage(*line.message);
        } else {
            const bool seconds = month.toTheSecond;
            row << Clock(line.sunrise, seconds) << Clock(line.sunset, seconds) << Span(line.periods.rahuKalam, seconds)
                << Span(line.periods.yamagandam, seconds) << Span(line.periods.gulikaKalam, seconds);
        }
        sheet.rows.append(row);
    }
    // Where the clocks change within the month, the heading says from which day.
    for (std::size_t k = 1; k < month.lines.size(); ++k) {
        const auto& line = month.lines[k];
        const auto& before = month.lines[k - 1];
        if (line.dst == before.dst && line.zone.secondsEast == before.zone.secondsEast) continue;
        const QString day = QDate(line.date.year, line.date.month, line.date.day).toString(Qt::ISODate);
        sheet.heading << (line.dst ? DayView::tr("From %1 the clocks keep daylight saving.")
                                   : DayView::tr("From %1 the clocks keep standard time."))
                             .arg(day);
    }
    return sheet;
}

QRectF PaintMonthPage(QPainter& painter, const QRectF& page, const MonthPage& sheet) {
    qreal points = kSheetPoints;
    SheetGeometry g = MeasureSheet(sheet, points, page.width(), painter);
    // Smaller type until the sheet fits the page both ways.
    while ((g.height > page.height() || g.width > page.width()) && points > kSmallestSheetPoints) {
        points =
            std::max(kSmallestSheetPoints, points * std::min(page.height() / g.height, page.width() / g.width) * 0.98);
        g = MeasureSheet(sheet, points, page.width(), painter);
    }
    painter.save();
    painter.setPen(Qt::black);
    qreal y = page.top();
    const auto line = [&](const QString& text, qreal x, const QFont& font, qreal height) {
        painter.setFont(font);
        painter.drawText(QRectF(page.left() + x, y, page.width() - x, height), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    line(sheet.title, 0, SheetFont(points * 1.4, true), g.titleHeight);
    y += g.titleHeight;
    for (const QString& text : g.heading) {
        line(text, 0, SheetFont(points), g.lineHeight);
        y += g.lineHeight;
    }
    y += g.lineHeight;
    for (int c = 0; c < sheet.columns.size(); ++c)
        line(sheet.columns[c], g.columnStarts[static_cast<std::size_t>(c)], SheetFont(points, true), g.lineHeight);
    y += g.lineHeight;
    painter.drawLine(QPointF(page.left(), y), QPointF(page.left() + g.width, y));
    for (const auto& row : sheet.rows) {
        for (int c = 0; c < row.size() && c < sheet.columns.size(); ++c) {
            const qreal x = g.columnStarts[static_cast<std::size_t>(c)];
            line(row[c], x, SheetFont(points), g.lineHeight);
        }
        y += g.lineHeight;
    }
    painter.restore();
    return QRectF(page.left(), page.top(), std::min(g.width, page.width()), y - page.top());
}

bool PaintMonthPage(QPagedPaintDevice& device, const MonthPage& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PaintMonthPage(painter, QRectF(0, 0, device.width(), device.height()), sheet);
    return painter.end();
}

namespace {

QString Written(const QString& path, std::string_view bytes) {
    const auto problem = reading::WriteOutputFile(NativeFileName(path), bytes);
    if (!problem) return {};
    if (problem->written)
        return DayView::tr("%1 was written, but the disk did not confirm it: %2.")
            .arg(PrintableFileName(path), QString::fromStdString(problem->reason));
    return QString::fromStdString(problem->reason);
}

}  // namespace

QString WriteMonthPdf(const QString& path, const MonthPage& sheet, const QPageSize& size) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(sheet.title);
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait,
                                         QMarginsF(kSheetMarginMillimetres, kSheetMarginMillimetres,
                                                   kSheetMarginMillimetres, kSheetMarginMillimetres),
                                         QPageLayout::Millimeter));
        if (!PaintMonthPage(writer, sheet)) return DayView::tr("The page could not be drawn.");
    }
    return Written(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString WriteMonthCsv(const QString& path, const reading::MonthSheet& month) {
    return Written(path, reading::MonthSheetCsv(month));
}

DayView::DayView(const reading::DayPlace& where, const upagraha::ConventionProfile& conventions, QWidget* parent)
    : QDialog(parent), place(where), profile(conventions), nowUtc(QDateTime::currentDateTimeUtc()) {
    setWindowTitle(tr("Day portions"));
    auto* layout = new QVBoxLayout(this);
    dateEdit = new QDateEdit(this);
    dateEdit->setObjectName(QStringLiteral("dateEdit"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // The profile's years: 1901 to 2050, or the precise ephemeris files' own.
    const reading::YearRange years = reading::YearsOf(profile);
    dateEdit->setDateRange(QDate(years.first, 1, 1), QDate(years.last, 12, 31));
    layout->addWidget(dateEdit);
    dstCheck = new QCheckBox(tr("Daylight sa&ving on the days shown"), this);
    dstCheck->setObjectName(QStringLiteral("dstCheck"));
    dstCheck->setChecked(place.dst);
    layout->addWidget(dstCheck);
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("dayTabs"));
    layout->addWidget(tabs);

    auto* dayPage = new QWidget(tabs);
    auto* dayLayout = new QVBoxLayout(dayPage);
    summaryLabel = new QLabel(dayPage);
    summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The lines on the day's clock and the far-North sentence wrap, as the month's heading does.
    summaryLabel->setWordWrap(true);
    choghadiyaCheck = new QCheckBox(tr("Show the &choghadiyas"), dayPage);
    choghadiyaCheck->setObjectName(QStringLiteral("choghadiyaCheck"));
    portionTable = new QTableWidget(16, 3, dayPage);
    portionTable->setObjectName(QStringLiteral("portionTable"));
    portionTable->setHorizontalHeaderLabels({tr("Portion"), tr("Lord"), tr("Time")});
    choghadiyaTable = new QTableWidget(16, 3, dayPage);
    choghadiyaTable->setObjectName(QStringLiteral("choghadiyaTable"));
    choghadiyaTable->setHorizontalHeaderLabels({tr("Choghadiya"), tr("Name"), tr("Time")});
    for (QTableWidget* table : {portionTable, choghadiyaTable}) {
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->horizontalHeader()->setStretchLastSection(true);
    }
    choghadiyaTable->setVisible(false);
    dayLayout->addWidget(summaryLabel);
    dayLayout->addWidget(choghadiyaCheck);
    dayLayout->addWidget(portionTable);
    dayLayout->addWidget(choghadiyaTable);
    tabs->addTab(dayPage, tr("&Day"));

    auto* monthPage = new QWidget(tabs);
    auto* monthLayout = new QVBoxLayout(monthPage);
    monthLabel = new QLabel(monthPage);
    monthLabel->setObjectName(QStringLiteral("monthLabel"));
    monthLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The month's line of place and conventions wraps, so that the window fits a small or highly
    // scaled screen.
    monthLabel->setWordWrap(true);
    monthTable = new QTableWidget(0, 7, monthPage);
    monthTable->setObjectName(QStringLiteral("monthTable"));
    monthTable->verticalHeader()->hide();
    monthTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* buttons = new QHBoxLayout;
    printButton = new QPushButton(tr("&Print..."), monthPage);
    pdfButton = new QPushButton(tr("Export PD&F..."), monthPage);
    csvButton = new QPushButton(tr("Export C&SV..."), monthPage);
    buttons->addStretch();
    for (QPushButton* button : {printButton, pdfButton, csvButton}) buttons->addWidget(button);
    monthLayout->addWidget(monthLabel);
    monthLayout->addWidget(monthTable);
    monthLayout->addLayout(buttons);
    tabs->addTab(monthPage, tr("&Month"));

    connect(dateEdit, &QDateEdit::dateChanged, this, [this] { Refresh(); });
    connect(choghadiyaCheck, &QCheckBox::toggled, choghadiyaTable, &QWidget::setVisible);
    connect(dstCheck, &QCheckBox::clicked, this, [this] {
        dstSetByUser = true;
        Refresh();
    });
    connect(printButton, &QPushButton::clicked, this, [this] { PrintMonth(); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { ExportMonthPdf(); });
    connect(csvButton, &QPushButton::clicked, this, [this] { ExportMonthCsv(); });
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

void DayView::SetZoneHistory(const std::string& zoneName) {
    zone = zoneName;
    history = SystemZoneHistory(zoneName);
    if (!history) zone.clear();
    Refresh();
}

void DayView::SetBirthDate(const QDate& date) {
    birthDate = date;
    Refresh();
}

void DayView::DefaultDst(const QDate& date) {
    if (dstSetByUser) return;
    // The reading's tick was the birth's: another day without zone data keeps standard time, and
    // the view says so.
    const bool tick = birthDate.isValid() ? place.dst && date == birthDate : place.dst;
    const QSignalBlocker quiet(dstCheck);
    dstCheck->setChecked(tick);
}

reading::DayPlace DayView::PlaceOn(const QDate& date) const {
    reading::DayPlace onDate = place;
    onDate.dst = dstCheck->isChecked();
    if (history) {
        if (const auto clock = history({date.year(), date.month(), date.day()})) {
            onDate.zone = clock->zone;
            onDate.dst = clock->dst;
        }
    }
    return onDate;
}

MonthPage DayView::MonthSheetPage() const { return BuildMonthPage(month, place, profile, placeName); }

void DayView::SetPlaceName(const QString& name) {
    placeName = name;
    Refresh();
}

void DayView::Refresh() {
    const QDate date = dateEdit->date();
    DefaultDst(date);
    dstCheck->setVisible(!history);
    const reading::DayPlace onDate = PlaceOn(date);
    RefreshMonth();
    const auto outcome = reading::CalculateDay(onDate, {date.year(), date.month(), date.day()}, profile);
    portionTable->clearContents();
    choghadiyaTable->clearContents();
    if (outcome.message) {
        summaryLabel->setText(ShowCoreMessage(*outcome.message));
        return;
    }
    const auto& day = outcome.sheet;
    const bool seconds = day.toTheSecond;
    QString summary = (placeName.isEmpty() ? QString() : placeName + QLatin1Char('\n')) +
                      (day.hasNight ? tr("Sunrise %1, sunset %2, next sunrise %3")
                                          .arg(Clock(day.sunrise, seconds), Clock(day.sunset, seconds),
                                               Clock(day.nextSunrise, seconds))
                                    : tr("Sunrise %1, sunset %2; no sunrise follows, so the night has no portions")
                                          .arg(Clock(day.sunrise, seconds), Clock(day.sunset, seconds))) +
                      QLatin1Char('\n') + tr("Rahu Kalam %1").arg(Span(day.periods.rahuKalam, seconds)) +
                      QLatin1Char('\n') + tr("Yamagandam %1").arg(Span(day.periods.yamagandam, seconds)) +
                      QLatin1Char('\n') + tr("Gulika Kalam %1").arg(Span(day.periods.gulikaKalam, seconds));
    if (day.yamaghantakaNote) summary += QLatin1Char('\n') + ShowCoreMessage(*day.yamaghantakaNote);
    if (day.warning) summary += QLatin1Char('\n') + ShowCoreMessage(*day.warning);
    if (!history)
        summary += QLatin1Char('\n') +
                   (onDate.dst ? tr("The clock shown: the zone, %1, with daylight saving (one hour ahead); no zone "
                                    "history is known for this place, so the box above sets it.")
                               : tr("The clock shown: the zone, %1, without daylight saving; no zone history is "
                                    "known for this place, so the box above sets it."))
                       .arg(QString::fromStdString(reading::OffsetText(onDate.zone.secondsEast)));
    if (!zone.empty())
        summary += QLatin1Char('\n') + (onDate.dst ? tr("Daylight saving on this day, as the zone history of %1 has it")
                                                   : tr("No daylight saving on this day, as the zone history of %1 "
                                                        "has it"))
                                           .arg(ShowCoreText(zone));
    summaryLabel->setText(summary);

    // Now, in clock hours of the shown date at the place.
    const int offsetSeconds = onDate.zone.secondsEast + (onDate.dst ? 3600 : 0);
    const QDateTime local = nowUtc.addSecs(offsetSeconds);
    const double nowHours =
        static_cast<double>(QDate(date).daysTo(local.date())) * 24 + local.time().msecsSinceStartOfDay() / 3600000.0;
    const auto fill = [nowHours, seconds](QTableWidget* table, int row, const QString& name, const QString& what,
                                          const reading::ClockSpan& span) {
        const bool current = nowHours >= span.start.value && nowHours < span.end.value;
        const QStringList cells = {current ? name + QStringLiteral(" \u25C0 ") + tr("now") : name, what,
                                   Span(span, seconds)};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (current) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table->setItem(row, c, item);
        }
    };
    for (int k = 0; k < (day.hasNight ? 16 : 8); ++k) {
        const bool byDay = k < 8;
        const auto index = static_cast<std::size_t>(byDay ? k : k - 8);
        const QString name = (byDay ? tr("Day %1") : tr("Night %1")).arg(byDay ? k + 1 : k - 7);
        const auto& portion = byDay ? day.dayPortions[index] : day.nightPortions[index];
        fill(portionTable, k, name, ShowCoreText(upagraha::LordName(portion.lord, InterfaceLanguage())), portion.span);
        const auto& choghadiya = day.choghadiyas[static_cast<std::size_t>(k)];
        fill(choghadiyaTable, k, name, ShowCoreText(reading::ChoghadiyaName(choghadiya.name, InterfaceLanguage())),
             choghadiya.span);
    }
}

void DayView::RefreshMonth() {
    const QDate date = dateEdit->date();
    reading::DayPlace given = place;
    given.dst = dstCheck->isChecked();
    const auto outcome = reading::CalculateMonth(given, date.year(), date.month(), profile, history, zone);
    month = outcome.sheet;
    const MonthPage sheet = MonthSheetPage();
    monthTable->clearContents();
    monthTable->setRowCount(0);
    if (outcome.message) {
        monthLabel->setText(ShowCoreMessage(*outcome.message));
        return;
    }
    monthLabel->setText(sheet.title + QLatin1Char('\n') + sheet.heading.join(QLatin1Char('\n')));
    monthTable->setHorizontalHeaderLabels(sheet.columns);
    monthTable->setRowCount(static_cast<int>(sheet.rows.size()));
    for (int r = 0; r < sheet.rows.size(); ++r) {
        const QStringList& row = sheet.rows[r];
        for (int c = 0; c < row.size(); ++c) monthTable->setItem(r, c, new QTableWidgetItem(row[c]));
        if (row.size() == 3) monthTable->setSpan(r, 2, 1, 5);  // the day's message across the times
    }
    monthTable->resizeColumnsToContents();
}

void DayView::PrintMonth() {
    if (printPreview) {
        const MonthPage sheet = MonthSheetPage();
        printPreview(sheet.title, [&sheet](QPrinter& printer) { PaintMonthPage(printer, sheet); });
        return;
    }
    QPrinter printer;
    printer.setPageSize(LocalePageSize(QLocale()));
    printer.setDocName(MonthSheetPage().title);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PaintMonthPage(printer, MonthSheetPage()))
        QMessageBox::warning(this, windowTitle(), tr("The month could not be printed."));
}

void DayView::ExportMonthPdf() {
    const QDate date = dateEdit->date();
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the month as PDF"),
                                                      date.toString(QStringLiteral("'rahu-kalam-'yyyy-MM'.pdf'")),
                                                      tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    const QString why = WriteMonthPdf(path, MonthSheetPage(), LocalePageSize(QLocale()));
    if (!why.isEmpty()) QMessageBox::warning(this, windowTitle(), tr("The PDF was not written: %1").arg(why));
}

void DayView::ExportMonthCsv() {
    const QDate date = dateEdit->date();
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the month as CSV"),
                                                      date.toString(QStringLiteral("'rahu-kalam-'yyyy-MM'.csv'")),
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty()) return;
    const QString why = WriteMonthCsv(path, month);
    if (!why.isEmpty()) QMessageBox::warning(this, windowTitle(), tr("The CSV was not written: %1").arg(why));
}

}  // namespace vela::desktop
