// The day's portions in the window: a date (today by default) at the form's place, under the
// reading's profile: sunrise and sunset, Rahu Kalam, Yamagandam and Gulika Kalam, and the portions
// of the day and the night with their lords; the portion running now is marked when the date is today.
#pragma once

#include <QDateTime>
#include <QDialog>

#include "reading/day_portions.h"
#include "upagraha/profiles.h"

class QDateEdit;
class QLabel;
class QTableWidget;

namespace vela::desktop {

class DayView : public QDialog {
    Q_OBJECT
public:
    DayView(const reading::DayPlace& where, const upagraha::ConventionProfile& conventions, QWidget* parent = nullptr);

    // The date shown, and the moment counted as now (UTC) for the mark; the tests set both.
    void ShowDate(const QDate& date);
    void SetNow(const QDateTime& utc);

    QDateEdit* dateEdit = nullptr;
    QLabel* summaryLabel = nullptr;
    QTableWidget* portionTable = nullptr;

private:
    void Refresh();

    reading::DayPlace place;
    upagraha::ConventionProfile profile;
    QDateTime nowUtc;
};

}  // namespace vela::desktop
