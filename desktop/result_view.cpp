#include "desktop/result_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/core_text.h"
#include "desktop/reading_print.h"
#include "desktop/report_pane.h"
#include "desktop/translations.h"
#include "desktop/varga_view.h"
#include "desktop/wrapping_label.h"
#include "reading/reading_language.h"
#include "reading/result_summary.h"
#include "reading/sky_around.h"
#include "reading/working.h"
#include "upagraha/profiles.h"

namespace vela::desktop {

namespace {

// What the user typed or a file held, as it is.
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The table's column of the point of the portion, after the portion's own.
constexpr int kPointColumn = 3;
// The rows of the six upagrahas in the table: after the ascendant's.
constexpr std::size_t kFirstUpagrahaRow = 1;

// "Point" (the core's word in the language of the user interface, capitalised as a heading).
QString PointColumnName() {
    QString name = ShowCoreText(reading::Say("point", InterfaceLanguage()));
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

// Where in its portion the upagraha is taken under the reading's profile: "start", "middle",
// "end", or Maandi's ghatis by the Kerala rule ("26 ghatis").
QString PointOf(const reading::Reading& s, const upagraha::Upagrahas& u, std::size_t upagraha) {
    const upagraha::PortionPoint point = s.profile.points[upagraha];
    if (point == upagraha::PortionPoint::Ghatis)
        return QCoreApplication::translate("vela::desktop::ResultView", "%1 ghatis")
            .arg(upagraha::MaandiGhatis(u.weekday, u.birthByDay));
    return ShowCoreText(reading::Say(upagraha::PointText(point), InterfaceLanguage()));
}

// The point of each row of the table: the upagrahas' rows have one, the others none.
QString PointOfRow(const reading::Reading& s, const upagraha::Upagrahas& u, std::size_t row) {
    if (row < kFirstUpagrahaRow || row >= kFirstUpagrahaRow + upagraha::kUpagrahaNames.size()) return {};
    return PointOf(s, u, row - kFirstUpagrahaRow);
}

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
    // The core's columns and the point of the portion.
    upagrahaTable->setColumnCount(static_cast<int>(reading::kTableColumns.size()) + 1);
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

    // The Compare tab: what sets the profiles apart for this birth, in words, over the grid.
    compareTab = new QWidget;
    compareTab->setObjectName(QStringLiteral("compareTab"));
    auto* compareLayout = new QVBoxLayout(compareTab);
    compareLayout->setContentsMargins(0, 0, 0, 0);
    compareNotes = new WrappingLabel(compareTab);
    compareNotes->setObjectName(QStringLiteral("compareNotes"));
    compareNotes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    compareTable = new QTableWidget(compareTab);
    compareTable->setObjectName(QStringLiteral("compareTable"));
    compareTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    compareKey = new WrappingLabel(compareTab);
    compareKey->setObjectName(QStringLiteral("compareKey"));
    // The notes scroll in a few lines' room where the panel is short: they name every axis of every
    // column, and the tabs' least height (which the chart's room follows) stays as it was.
    auto* notesScroll = new QScrollArea(compareTab);
    notesScroll->setObjectName(QStringLiteral("compareNotesScrollArea"));
    notesScroll->setFrameShape(QFrame::NoFrame);
    notesScroll->setWidgetResizable(true);
    notesScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notesScroll->setWidget(compareNotes);
    notesScroll->setMinimumHeight(3 * fontMetrics().height());
    compareLayout->addWidget(notesScroll);
    compareLayout->addWidget(compareTable, 1);
    compareLayout->addWidget(compareKey);
    resultTabs->addTab(compareTab, tr("Com&pare"));
    // The Vargas tab, after the others.
    vargaTab = new VargaView;
    vargaTab->setObjectName(QStringLiteral("vargaTab"));
    resultTabs->addTab(vargaTab, tr("&Vargas"));
    SetTableHeadings();
    KeepTabsInView();
    for (int tab = 0; tab < resultTabs->count(); ++tab) resultTabs->widget(tab)->installEventFilter(this);
}

void ResultView::KeepTabsInView() {
    // The panel scrolls where the window is short (a small or highly scaled screen); however short,
    // it keeps room for the tabs whole, the chart at a readable size among them, and the header and
    // buttons are scrolled to.
    resultScrollArea->setMinimumHeight(resultTabs->minimumSizeHint().height());
}

void ResultView::SetTableHeadings() {
    QStringList columns;
    for (const std::string& column : reading::TableColumns(InterfaceLanguage())) columns << ShowCoreText(column);
    columns.insert(kPointColumn, PointColumnName());
    upagrahaTable->setHorizontalHeaderLabels(columns);
    resultTabs->setTabText(resultTabs->indexOf(compareTab), tr("Com&pare"));
    resultTabs->setTabText(resultTabs->indexOf(vargaTab), tr("&Vargas"));
}

const std::optional<reading::ChartModel>& ResultView::Chart() const { return chartView->Model(); }

void ResultView::ShowReading(ReadingOnScreen shown) {
    WriteReport(*reportView, shown.report, shown.reading.sky ? &*shown.reading.sky : nullptr, InterfaceLanguage());
    shown.workingWritten = false;
    onScreen = std::move(shown);
    workingView->clear();
    if (resultTabs->currentWidget() == workingTab) WriteWorking();
    // Six or seven readings of the same form: quick enough for every calculation.
    comparison = reading::CompareProfiles(onScreen->form, onScreen->reading.profile);
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
    QWidget* focus = tab == workingTab   ? static_cast<QWidget*>(workingView)
                     : tab == tableTab   ? static_cast<QWidget*>(upagrahaTable)
                     : tab == chartTab   ? static_cast<QWidget*>(resultTabs)
                     : tab == compareTab ? static_cast<QWidget*>(compareTable)
                     : tab == vargaTab   ? static_cast<QWidget*>(vargaTab->TableWidget())
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
    vargaTab->ShowReading(shown, onScreen->upagrahas, chartStyle, ChartCentreLines(header, shown), language);
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
        QStringList fields;
        for (const std::string* field : {&row.name, &row.lord, &row.portionText, &row.momentText, &row.longitudeText,
                                         &row.nakshatraText, &row.houseText})
            fields << ShowCoreText(*field);
        fields.insert(kPointColumn, PointOfRow(shown, onScreen->upagrahas, static_cast<std::size_t>(r)));
        for (int c = 0; c < fields.size(); ++c) upagrahaTable->setItem(r, c, new QTableWidgetItem(fields[c]));
        ++r;
    }
    upagrahaTable->resizeColumnsToContents();
    upagrahaTable->resizeRowsToContents();
    FillComparison();
}

void ResultView::FillComparison() {
    compareTable->clear();
    if (!comparison || comparison->columns.empty()) return;
    const reading::ConventionGrid& grid = *comparison;
    QStringList notes;
    for (const std::string& note : grid.notes) notes << ShowCoreMessage(note);
    if (grid.notes.size() == grid.conventionNotes)
        notes << tr(
            "Nothing in this birth sets the profiles apart beyond their own conventions: no sunrise or "
            "sunset close to the birth, no portion taken from another place, no upagraha near a sign change.");
    compareNotes->setText(notes.join(QLatin1Char('\n')));

    const auto columns = static_cast<int>(grid.columns.size());
    const auto rows = static_cast<int>(upagraha::kUpagrahaNames.size());
    compareTable->setColumnCount(columns);
    compareTable->setRowCount(rows);
    const upagraha::Language language = InterfaceLanguage();
    const auto title = [language](const upagraha::ConventionProfile& profile) {
        return ShowCoreText(reading::ProfileTitle(profile.title, language));
    };
    QStringList heads;
    for (const reading::GridColumn& column : grid.columns)
        heads << (column.inUse ? tr("%1 (in use)").arg(title(column.profile)) : title(column.profile));
    compareTable->setHorizontalHeaderLabels(heads);
    // Each profile says what it holds, where the mouse rests on its name.
    for (int c = 0; c < columns; ++c)
        compareTable->horizontalHeaderItem(c)->setToolTip(
            ShowCoreText(reading::ProfileDescription(grid.columns[static_cast<std::size_t>(c)].profile, language)));
    QStringList names;
    for (int u = 0; u < rows; ++u) names << ShowCoreText(upagraha::UpagrahaName(u, language));
    compareTable->setVerticalHeaderLabels(names);
    QStringList refusals;
    for (int c = 0; c < columns; ++c) {
        const reading::GridColumn& column = grid.columns[static_cast<std::size_t>(c)];
        if (!column.upagrahas)
            refusals << QStringLiteral("%1: %2").arg(title(column.profile), ShowCoreMessage(column.message));
        for (int u = 0; u < rows; ++u) {
            const auto upagraha = static_cast<std::size_t>(u);
            const auto at = static_cast<std::size_t>(c);
            auto* cell = new QTableWidgetItem;
            if (!column.upagrahas) {
                cell->setText(tr("refused"));
                cell->setToolTip(ShowCoreMessage(column.message));
            } else if (grid.Differs(upagraha, at)) {
                // Marked in bold and with a star, so that it shows without colour and on paper.
                cell->setText(ShowCoreText(upagraha::PositionTextIn(grid.CellText(upagraha, at), language)) +
                              QStringLiteral(" *"));
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
                cell->setToolTip(tr("Differs from the profile in use"));
            } else {
                cell->setText(ShowCoreText(upagraha::PositionTextIn(grid.CellText(upagraha, at), language)));
            }
            compareTable->setItem(u, c, cell);
        }
    }
    compareTable->resizeColumnsToContents();
    QString key = tr("* differs from the profile in use (%1).").arg(title(grid.columns[grid.inUseColumn].profile));
    if (!refusals.isEmpty()) key += QLatin1Char('\n') + refusals.join(QLatin1Char('\n'));
    compareKey->setText(key);
}

void ResultView::ChartStyleChanged() {
    chartStyle =
        chartStyleCombo->currentIndex() == 1 ? reading::ChartStyle::NorthIndian : reading::ChartStyle::SouthIndian;
    Q_EMIT ChartStyleChosen(chartStyle);
    FillViews();
}

void ResultView::CopyTable() {
    if (!onScreen) return;
    // The core's text with the point column put in as the table on screen has it; a group's
    // heading stays a line of its own.
    QStringList lines = ShowCoreText(reading::TableText(reading::BuildTable(onScreen->reading, onScreen->upagrahas,
                                                                            InterfaceLanguage()),
                                                        InterfaceLanguage()))
                            .split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringList fields = lines[i].split(QLatin1Char('\t'));
        if (fields.size() <= kPointColumn) continue;
        fields.insert(kPointColumn,
                      i == 0 ? PointColumnName()
                             : PointOfRow(onScreen->reading, onScreen->upagrahas, static_cast<std::size_t>(i - 1)));
        lines[i] = fields.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
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
    // A tab that goes behind another while it holds the focus would hand the focus on to the next
    // control in the panel, and the scrolling panel would scroll to it (to Save, far below); the
    // tabs take it instead, and hand it to the tab coming to the front, where the panel stands.
    if (event->type() == QEvent::Hide) {
        const QWidget* focus = QApplication::focusWidget();
        if (auto* tab = qobject_cast<QWidget*>(watched); tab != nullptr && focus != nullptr && tab->isAncestorOf(focus))
            resultTabs->setFocus();
    }
    return QGroupBox::eventFilter(watched, event);
}

void ResultView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        chartStyleCombo->setItemText(0, tr("South Indian"));
        chartStyleCombo->setItemText(1, tr("North Indian"));
        chartStyleCombo->setToolTip(tr("Chart style"));
        // The list measures its entries again (a combo box keeps the sizes of its first entries
        // until its style changes), and the tabs make room for its new width now, though it is
        // hidden behind another tab.
        QEvent remeasure(QEvent::StyleChange);
        QCoreApplication::sendEvent(chartStyleCombo, &remeasure);
        QEvent relayout(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(resultTabs, &relayout);
        if (onScreen) {
            onScreen->report = upagraha::BuildReport(onScreen->upagrahas, InterfaceLanguage());
            // The grahas' section, as the calculation adds it when the reading has them.
            if (onScreen->reading.sky)
                upagraha::AppendReportSection(onScreen->report, reading::SkyAroundHeading(InterfaceLanguage()),
                                              reading::SkyAroundText(*onScreen->reading.sky, InterfaceLanguage()));
            WriteReport(*reportView, onScreen->report, onScreen->reading.sky ? &*onScreen->reading.sky : nullptr,
                        InterfaceLanguage());
            FillViews();
            // The working is written again in the language when its tab is in front or next shown.
            onScreen->workingWritten = false;
            workingView->clear();
            if (resultTabs->currentWidget() == workingTab) WriteWorking();
        }
        SetTableHeadings();
    }
    // The tabs' room follows the type they are written in.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) KeepTabsInView();
    QGroupBox::changeEvent(event);
}

}  // namespace vela::desktop
