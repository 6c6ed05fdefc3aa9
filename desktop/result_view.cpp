#include "desktop/result_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QSignalBlocker>

#include "desktop/core_text.h"
#include "desktop/reading_print.h"
#include "desktop/report_pane.h"
#include "desktop/translations.h"
#include "reading/result_summary.h"
#include "reading/sky_around.h"
#include "reading/working.h"

namespace vela::desktop {

namespace {

// What the user typed or a file held, as it is.
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

ResultView::ResultView(QWidget* parent) : QGroupBox(parent) {
    setupUi(this);
    PrepareReportPane(*reportView);
    // The working lines its columns up with blanks.
    workingView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    // The chart's style beside the tabs, shown while the chart is.
    chartStyleCombo = new QComboBox(resultTabs);
    chartStyleCombo->setObjectName(QStringLiteral("chartStyleCombo"));
    chartStyleCombo->addItems({tr("South Indian"), tr("North Indian")});
    chartStyleCombo->setToolTip(tr("Chart style"));
    resultTabs->setCornerWidget(chartStyleCombo, Qt::TopRightCorner);
    chartStyleCombo->setVisible(false);

    upagrahaTable->verticalHeader()->setVisible(false);
    upagrahaTable->setColumnCount(static_cast<int>(reading::kTableColumns.size()));
    SetTableHeadings();
    // Ctrl+C on the table copies all of it, as its button does.
    auto* copyTable = new QAction(upagrahaTable);
    copyTable->setShortcut(QKeySequence::Copy);
    copyTable->setShortcutContext(Qt::WidgetShortcut);
    upagrahaTable->addAction(copyTable);
    connect(copyTable, &QAction::triggered, this, &ResultView::CopyTable);

    connect(copyTableButton, &QPushButton::clicked, this, &ResultView::CopyTable);
    connect(saveButton, &QPushButton::clicked, this, &ResultView::SaveAsked);
    connect(backButton, &QPushButton::clicked, this, &ResultView::BackAsked);
    connect(chartStyleCombo, &QComboBox::currentIndexChanged, this, &ResultView::ChartStyleChanged);
    connect(resultTabs, &QTabWidget::currentChanged, this, &ResultView::TabChanged);
    // Enter on a focused button presses it, as in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
    resultHeader->installEventFilter(this);
}

const std::optional<reading::ChartModel>& ResultView::Chart() const { return chartView->Model(); }

void ResultView::SetTableHeadings() {
    QStringList columns;
    for (const std::string& column : reading::TableColumns(InterfaceLanguage())) columns << ShowCoreText(column);
    upagrahaTable->setHorizontalHeaderLabels(columns);
}

void ResultView::ShowReading(ReadingOnScreen shown) {
    WriteReport(*reportView, shown.report);
    shown.workingWritten = false;
    onScreen = std::move(shown);
    workingView->clear();
    if (resultTabs->currentWidget() == workingTab) WriteWorking();
    FillViews();
}

void ResultView::SetChartStyle(reading::ChartStyle style) {
    chartStyle = style;
    {
        const QSignalBlocker quiet(chartStyleCombo);
        chartStyleCombo->setCurrentIndex(style == reading::ChartStyle::NorthIndian ? 1 : 0);
    }
    FillViews();
}

void ResultView::FocusTabInFront() {
    const QWidget* tab = resultTabs->currentWidget();
    QWidget* focus = tab == workingTab ? static_cast<QWidget*>(workingView)
                     : tab == tableTab ? static_cast<QWidget*>(upagrahaTable)
                     : tab == chartTab ? static_cast<QWidget*>(resultTabs)
                                       : reportView;
    focus->setFocus();
}

void ResultView::TabChanged() {
    if (resultTabs->currentWidget() == workingTab && onScreen && !onScreen->workingWritten) WriteWorking();
    chartStyleCombo->setVisible(resultTabs->currentWidget() == chartTab);
}

void ResultView::FillViews() {
    if (!onScreen) return;
    const reading::Reading& shown = onScreen->reading;
    const upagraha::Language language = InterfaceLanguage();
    // The headings in the language the rows are made in.
    SetTableHeadings();
    const auto header = reading::BuildHeader(shown, onScreen->upagrahas, language);
    const auto html = [](const std::string& text) { return ShowCoreText(text).toHtmlEscaped(); };
    QString headerText = QStringLiteral("<b>%1</b> \u2014 %2<br>%3<br>%4<br>%5; %6")
                             .arg(Q(header.name).toHtmlEscaped(), html(header.birth), html(header.place),
                                  html(header.ascendantText), html(header.dayNight), html(header.profile));
    if (!header.janmaRasi.empty())
        headerText += QStringLiteral("<br>%1; %2").arg(html(header.janmaRasi), html(header.janmaNakshatra));
    if (onScreen->farNorth)
        headerText += QStringLiteral("<br><i>%1</i>").arg(ShowCoreMessage(reading::kFarNorthWarning).toHtmlEscaped());
    resultHeader->setText(headerText);
    chartView->SetModel(
        reading::BuildChartModel(chartStyle, shown, onScreen->upagrahas, ChartCentreLines(header, shown), language));
    const auto rows = reading::BuildTable(shown, onScreen->upagrahas, language);
    upagrahaTable->clearSpans();
    upagrahaTable->setRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const auto& row : rows) {
        if (row.isHeading) {
            // A group's name across the row, in bold.
            auto* heading = new QTableWidgetItem(ShowCoreText(row.name));
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            upagrahaTable->setItem(r, 0, heading);
            for (int c = 1; c < upagrahaTable->columnCount(); ++c) delete upagrahaTable->takeItem(r, c);
            upagrahaTable->setSpan(r, 0, 1, upagrahaTable->columnCount());
            ++r;
            continue;
        }
        int c = 0;
        for (const std::string* field : {&row.name, &row.lord, &row.portionText, &row.momentText, &row.longitudeText,
                                         &row.nakshatraText, &row.houseText})
            upagrahaTable->setItem(r, c++, new QTableWidgetItem(ShowCoreText(*field)));
        ++r;
    }
    upagrahaTable->resizeColumnsToContents();
    upagrahaTable->resizeRowsToContents();
}

void ResultView::ChartStyleChanged() {
    chartStyle =
        chartStyleCombo->currentIndex() == 1 ? reading::ChartStyle::NorthIndian : reading::ChartStyle::SouthIndian;
    Q_EMIT ChartStyleChosen(chartStyle);
    FillViews();
}

void ResultView::CopyTable() {
    if (!onScreen) return;
    QApplication::clipboard()->setText(ShowCoreText(reading::TableText(
        reading::BuildTable(onScreen->reading, onScreen->upagrahas, InterfaceLanguage()), InterfaceLanguage())));
}

void ResultView::WriteWorking() {
    if (!onScreen) return;
    // Under the profile of the reading on screen, set beside the other conventions.
    const auto sensitivity = reading::FindBirthTimeSensitivity(onScreen->form, onScreen->reading.profile);
    const auto conventions = reading::CompareConventions(onScreen->form, onScreen->reading.profile);
    workingView->setPlainText(ShowCoreText(
        reading::WorkingText(onScreen->reading, onScreen->upagrahas, sensitivity, conventions, InterfaceLanguage())));
    onScreen->workingWritten = true;
}

bool ResultView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == resultHeader && event->type() == QEvent::Resize) {
        // A narrow window wraps the header onto more lines; the layout learns how many, so that the
        // window never gets smaller than they need and the tabs below keep their room.
        // Before the label is laid out it has no height for its width (-1), and keeps its minimum.
        const int height = resultHeader->heightForWidth(resultHeader->width());
        if (height >= 0) resultHeader->setMinimumHeight(height);
    }
    return QGroupBox::eventFilter(watched, event);
}

void ResultView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        chartStyleCombo->setItemText(0, tr("South Indian"));
        chartStyleCombo->setItemText(1, tr("North Indian"));
        chartStyleCombo->setToolTip(tr("Chart style"));
        if (onScreen) {
            onScreen->report = upagraha::BuildReport(onScreen->upagrahas, InterfaceLanguage());
            // The grahas' section, as the calculation adds it when the reading has them.
            if (onScreen->reading.sky)
                upagraha::AppendReportSection(onScreen->report, reading::SkyAroundHeading(InterfaceLanguage()),
                                              reading::SkyAroundText(*onScreen->reading.sky, InterfaceLanguage()));
            WriteReport(*reportView, onScreen->report);
            FillViews();
            // The working is written again in the language when its tab is in front or next shown.
            onScreen->workingWritten = false;
            workingView->clear();
            if (resultTabs->currentWidget() == workingTab) WriteWorking();
        }
        SetTableHeadings();
    }
    QGroupBox::changeEvent(event);
}

}  // namespace vela::desktop
