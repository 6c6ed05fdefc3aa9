// The day's portions in the window: a date (today by default) at the form's place, under the
// reading's profile: sunrise and sunset, Rahu Kalam, Yamagandam and Gulika Kalam, and the portions
// of the day and the night with their lords (the choghadiyas on request); the portion running now
// is marked when the date is today. A second tab holds the month of the date, one line a day,
// which prints and exports to PDF on one page and to CSV.
//
// Where the place was picked from the atlas, each day runs on its own clock: the offsets of the
// place's IANA zone in the system's time-zone data (as the zone proposal reads them), at noon of
// the day. Otherwise the form's zone holds for every day, and the view says which clock it shows:
// the birth date keeps the reading's daylight-saving tick, any other day standard time, and a
// check box sets daylight saving for the days shown.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

#include "reading/day_portions.h"
#include "upagraha/profiles.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPushButton;
class QRectF;
class QTabWidget;
class QTableWidget;

namespace vela::desktop {

// The clocks of a place day by day from the system's time-zone data for an IANA zone; an empty
// history when the data does not know the zone.
reading::ZoneHistory SystemZoneHistory(const std::string& zoneName);

// The month sheet as it goes on paper: its heading lines (title, place and zone, clocks, profile),
// the column titles and one row a day.
struct MonthPage {
    QString title;
    QStringList heading;
    QStringList columns;
    QList<QStringList> rows;
};
// `placeName` ("Chennai, Tamil Nadu, India"), when the form has one, heads the place's line.
MonthPage BuildMonthPage(const reading::MonthSheet& month, const reading::DayPlace& place,
                         const upagraha::ConventionProfile& profile, const QString& placeName = {});

// Print with a preview: `paint` puts the sheet onto the printer the user chose (the main window's
// preview, as its reading's Print has it).
using PrintPreview = std::function<void(const QString& title, const std::function<void(QPrinter& printer)>& paint)>;

// The sheet onto one page of the rectangle, the type made smaller until the heading and every row
// fit; the rectangle the text took.
QRectF PaintMonthPage(QPainter& painter, const QRectF& page, const MonthPage& sheet);
// Onto a printer or PDF writer that has not begun painting: one page; false when it could not be painted.
bool PaintMonthPage(QPagedPaintDevice& device, const MonthPage& sheet);

// The sheet as a PDF of one page of the given size, and the month as CSV (the command line's
// --csv), each written by reading::WriteOutputFile; an empty text, or the printable sentence that
// says why the file was not written.
QString WriteMonthPdf(const QString& path, const MonthPage& sheet, const QPageSize& size);
QString WriteMonthCsv(const QString& path, const reading::MonthSheet& month);

class DayView : public QDialog {
    Q_OBJECT
public:
    DayView(const reading::DayPlace& where, const upagraha::ConventionProfile& conventions, QWidget* parent = nullptr);

    // The date shown, and the moment counted as now (UTC) for the mark; the tests set both.
    void ShowDate(const QDate& date);
    void SetNow(const QDateTime& utc);
    // The place was picked from the atlas: its zone's history sets each day's clock.
    void SetZoneHistory(const std::string& zoneName);
    // The reading's birth date: without a zone history, only that day takes the reading's tick.
    void SetBirthDate(const QDate& date);
    // The place's name as the form has it (city, state, country), written with its coordinates on
    // the day and the month sheet.
    void SetPlaceName(const QString& name);
    // The month's Print shows this preview first.
    void SetPrintPreview(PrintPreview preview) { printPreview = std::move(preview); }

    // The month of the shown date, as the Month tab shows it.
    const reading::MonthSheet& Month() const { return month; }
    MonthPage MonthSheetPage() const;

    QTabWidget* tabs = nullptr;
    QDateEdit* dateEdit = nullptr;
    QLabel* summaryLabel = nullptr;
    QCheckBox* choghadiyaCheck = nullptr;
    // Daylight saving for the days shown, where no zone history gives it.
    QCheckBox* dstCheck = nullptr;
    QTableWidget* portionTable = nullptr;
    QTableWidget* choghadiyaTable = nullptr;
    QLabel* monthLabel = nullptr;
    QTableWidget* monthTable = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* pdfButton = nullptr;
    QPushButton* csvButton = nullptr;

private:
    void Refresh();
    void RefreshMonth();
    // The place with the clock of the date: the zone history's where there is one.
    reading::DayPlace PlaceOn(const QDate& date) const;
    // Sets the daylight-saving box to the date's own default until the user sets it.
    void DefaultDst(const QDate& date);
    void PrintMonth();
    void ExportMonthPdf();
    void ExportMonthCsv();

    reading::DayPlace place;
    upagraha::ConventionProfile profile;
    QDateTime nowUtc;
    std::string zone;
    reading::ZoneHistory history;
    reading::MonthSheet month;
    QDate birthDate;
    bool dstSetByUser = false;
    QString placeName;
    PrintPreview printPreview;
};

}  // namespace vela::desktop
