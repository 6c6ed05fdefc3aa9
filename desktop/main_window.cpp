#include "desktop/main_window.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolTip>

#include <algorithm>
#include <optional>

#include "atlas/geonames_atlas.h"
#include "desktop/about_dialog.h"
#include "desktop/app_icon.h"
#include "desktop/box_rules.h"
#include "desktop/help_window.h"
#include "desktop/profile_dialog.h"
#include "desktop/reading_print.h"
#include "desktop/report_pane.h"
#include "desktop/zone_clock.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "reading/reference_tables.h"
#include "reading/result_summary.h"
#include "reading/validation.h"
#include "reading/working.h"
#include "reading/zone_check.h"

namespace vela::desktop {

namespace {

constexpr char kReadingFilter[] = "Vela Upagrahas (*.ved)";
constexpr char kReadingSuffix[] = "ved";
constexpr char kOpenTitle[] = "Select the source file";
constexpr int kFontPointSize = 8;
// Rows of the form a window at its minimum size still shows, the rest scrolled to.
constexpr int kFormRowsAlwaysShown = 4;
// How often a reading handed over while a dialog is open looks again.
constexpr int kHandedReadingRetryMs = 250;
// Room a window manager takes around the window: its borders and title bar.
const QSize kFrameAllowance(16, 40);

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string S(const QString& text) { return text.toStdString(); }

// Paths go to the core as the file system spells them.
std::string NativePath(const QString& path) { return NativeFileName(path); }

template <std::size_t N>
void FillList(QComboBox* list, const std::array<std::string_view, N>& entries) {
    list->clear();
    for (const std::string_view entry : entries) list->addItem(Q(entry));
}

// A list shows the text only when it is one of its entries; anything else leaves it without a
// selection, which the driver then refuses with a message.
void SelectText(QComboBox* list, const std::string& text) {
    list->setCurrentIndex(list->findText(Q(text), Qt::MatchExactly));
}

void SelectPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

// index -1 clears the pair; auto-exclusive buttons refuse to be cleared while exclusive.
void SelectDirection(const std::array<QRadioButton*, 2>& pair, int index) {
    if (index >= 0) {
        pair[static_cast<std::size_t>(index)]->setChecked(true);
        return;
    }
    for (QRadioButton* button : pair) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request) {
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    QFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening needs an existing file; saving needs an existing folder, and asks before replacing a
    // file (the dialog's default).
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // With a choice of types (PNG or SVG), a name typed without an ending gets the chosen one's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const qsizetype star = filter.indexOf(QStringLiteral("*."));
        if (star >= 0) dialog.setDefaultSuffix(filter.mid(star + 2).section(QLatin1Char(')'), 0, 0));
    });
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (!request.proposedPath.isEmpty()) dialog.selectFile(request.proposedPath);
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        const QFileInfo info(path);
        // Saving replaces the file through a rename, which would get past a read-only file's
        // protection; such a file is refused here, as the user asked for it to stay as it is.
        if (save && info.exists() && !info.isWritable()) {
            QMessageBox::warning(&dialog, request.title,
                                 QStringLiteral("%1 is read-only.\nPlease choose another name.").arg(path));
            continue;
        }
        return path;
    }
    return {};
}

}  // namespace

MainWindow::MainWindow(WindowSeams windowSeams, QWidget* parent)
    : QMainWindow(parent), seams(std::move(windowSeams)), windowSettings(seams.settingsPath) {
    setupUi(this);
    latRadios = {northRadio, southRadio};
    lonRadios = {eastRadio, westRadio};
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(AppIcon());

    // DejaVu Sans and Bitstream Vera Sans were drawn to Verdana's proportions, so the layout keeps
    // its shape on systems without Verdana.
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(kFontPointSize);
    setFont(font);

    for (QLabel* link : {fullBrandLink, cobrandLink, makeMoneyLink}) {
        QFont linkFont = link->font();
        linkFont.setUnderline(true);
        link->setFont(linkFont);
        link->setForegroundRole(QPalette::Link);
    }
    PrepareReportPane(*reportView);
    // The working lines its columns up with blanks.
    workingView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette warningPalette = zoneWarningLabel->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    zoneWarningLabel->setPalette(warningPalette);

    // The places list hangs under the city box but is not the box's own completer: the box would
    // then write the chosen line into itself, commas and accents included, past the letters rule.
    placesModel = new QStandardItemModel(this);
    cityCompleter = new QCompleter(placesModel, this);
    cityCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    cityCompleter->setMaxVisibleItems(10);
    cityCompleter->setWidget(cityEdit);
    placeSearchTimer.setSingleShot(true);
    placeSearchTimer.setInterval(kPlaceSearchDelayMs);

    // The chart's style beside the result tabs, shown while the chart is.
    chartStyleCombo = new QComboBox(resultTabs);
    chartStyleCombo->setObjectName(QStringLiteral("chartStyleCombo"));
    chartStyleCombo->addItems({QStringLiteral("South Indian"), QStringLiteral("North Indian")});
    chartStyleCombo->setToolTip(QStringLiteral("Chart style"));
    resultTabs->setCornerWidget(chartStyleCombo, Qt::TopRightCorner);
    chartStyle = windowSettings.ChartStyle();
    chartStyleCombo->setCurrentIndex(chartStyle == reading::ChartStyle::NorthIndian ? 1 : 0);
    chartStyleCombo->setVisible(false);
    upagrahaTable->verticalHeader()->setVisible(false);
    upagrahaTable->setColumnCount(static_cast<int>(reading::kTableColumns.size()));
    QStringList columns;
    for (const std::string_view column : reading::kTableColumns) columns << Q(column);
    upagrahaTable->setHorizontalHeaderLabels(columns);
    // Ctrl+C on the table copies all of it, as its button does.
    auto* copyTable = new QAction(upagrahaTable);
    copyTable->setShortcut(QKeySequence::Copy);
    copyTable->setShortcutContext(Qt::WidgetShortcut);
    upagrahaTable->addAction(copyTable);
    connect(copyTable, &QAction::triggered, this, &MainWindow::CopyTable);

    // However small the window, the scrolling form keeps room for a few rows of boxes.
    formScrollArea->setMinimumHeight(kFormRowsAlwaysShown * nameEdit->sizeHint().height());

    InstallSeamDefaults();
    profileChoice = new ProfileChoice(*menuBar(), helpMenu->menuAction(), *this);
    // A reading on screen is read again under the profile just chosen.
    connect(profileChoice, &ProfileChoice::ProfileChanged, this, [this] {
        if (PanelInFront() == Panel::Result) Calculate();
    });
    WireEvents();
    LoadForm();
    SizePanels();
    FillRecentMenu();
    EnableReadingCommands(false);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::InstallSeamDefaults() {
    if (!seams.MsgBox) {
        seams.MsgBox = [this](const QString& text, reading::MsgIcon icon) {
            QMessageBox box(icon == reading::MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                            QString::fromUtf8(kAppTitle), text, QMessageBox::Ok, this);
            // A message may carry an address or a path to copy.
            box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            box.exec();
        };
    }
    if (!seams.Ask) {
        seams.Ask = [this](const QString& text) {
            QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle), text,
                            QMessageBox::Yes | QMessageBox::No, this);
            box.setDefaultButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes;
        };
    }
    if (!seams.Notify) {
        // A tip under the box: the keys typed next still go into the box, where a message box
        // would take them.
        seams.Notify = [](QWidget* box, const QString& text) {
            QApplication::beep();
            QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), text, box);
        };
    }
    if (!seams.FileDialog)
        seams.FileDialog = [this](const FileDialogRequest& request) { return RunFileDialog(this, request); };
    if (!seams.OpenUrl) seams.OpenUrl = OpenInDefaultBrowser;
    if (!seams.ShowAbout) seams.ShowAbout = [this] { ShowAboutDialog(this); };
    if (!seams.FindPlaces)
        seams.FindPlaces = [](const QString& typed) { return atlas::FindPlaces(typed.toStdString()); };
    if (!seams.PrintPreview) {
        seams.PrintPreview = [this](const QString& title, const std::function<void(QPrinter&)>& paint) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setPageSize(LocalePageSize(QLocale()));
            printer.setDocName(title);
            QPrintPreviewDialog preview(&printer, this);
            preview.setWindowTitle(title);
            connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                    [&paint](QPrinter* target) { paint(*target); });
            preview.exec();
        };
    }
    if (!seams.FindNearestPlace) {
        seams.FindNearestPlace = [](double latitude, double longitude) {
            return atlas::FindNearestPlace({latitude, longitude});
        };
    }
}

void MainWindow::WireEvents() {
    connect(calculateButton, &QPushButton::clicked, this, &MainWindow::Calculate);
    connect(rasiChartAction, &QAction::triggered, this, &MainWindow::Calculate);
    connect(openButton, &QPushButton::clicked, this, &MainWindow::OpenReading);
    connect(saveButton, &QPushButton::clicked, this, &MainWindow::SaveReading);
    connect(backButton, &QPushButton::clicked, this, &MainWindow::BackToForm);
    connect(lookUpCoordinatesButton, &QPushButton::clicked, this, &MainWindow::LookUpCoordinates);
    connect(quitAction, &QAction::triggered, this, &MainWindow::Quit);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::ShowAboutWindow);
    connect(onlineHelpAction, &QAction::triggered, this, &MainWindow::OpenOnlineHelp);
    connect(visitUsAction, &QAction::triggered, this, &MainWindow::VisitWebSite);
    connect(updateAction, &QAction::triggered, this, &MainWindow::CheckForUpdates);
    connect(donateAction, &QAction::triggered, this, &MainWindow::OpenDonationPage);
    connect(makeMoneyAction, &QAction::triggered, this, &MainWindow::OpenMakeMoneyPage);
    connect(newReadingAction, &QAction::triggered, this, &MainWindow::NewReading);
    connect(openAction, &QAction::triggered, this, &MainWindow::OpenReading);
    connect(saveAction, &QAction::triggered, this, &MainWindow::SaveReading);
    connect(useZoneButton, &QPushButton::clicked, this, &MainWindow::UseProposedZone);
    connect(printAction, &QAction::triggered, this, &MainWindow::PrintReading);
    connect(exportPdfAction, &QAction::triggered, this, &MainWindow::ExportPdf);
    connect(exportChartAction, &QAction::triggered, this, &MainWindow::ExportChart);
    connect(copyTableButton, &QPushButton::clicked, this, &MainWindow::CopyTable);
    connect(chartStyleCombo, &QComboBox::currentIndexChanged, this, &MainWindow::ChartStyleChanged);

    const std::array<std::pair<QLineEdit*, reading::FormField>, 8> boxes{
        {{nameEdit, reading::FormField::Name},
         {cityEdit, reading::FormField::City},
         {stateEdit, reading::FormField::State},
         {countryEdit, reading::FormField::Country},
         {latDegreesEdit, reading::FormField::LatDeg},
         {latMinutesEdit, reading::FormField::LatMin},
         {lonDegreesEdit, reading::FormField::LonDeg},
         {lonMinutesEdit, reading::FormField::LonMin}}};
    for (const auto& [box, field] : boxes) {
        // Every way text gets in (keys, pastes, drops, input methods) meets the same rule. The
        // places list under the city box hands its keys to the box directly, and meets it too.
        QLineEdit* edit = box;
        InstallBoxRule(*box, field, [this, edit](const QString& message) {
            cityCompleter->popup()->hide();
            seams.Notify(edit, message);
        });
    }
    connect(cityEdit, &QLineEdit::textEdited, this, &MainWindow::CityEdited);
    // The user's own changes of the coordinates; a picked place or a reading file fills them itself.
    for (QLineEdit* number : {latDegreesEdit, latMinutesEdit, lonDegreesEdit, lonMinutesEdit})
        connect(number, &QLineEdit::textEdited, this, &MainWindow::CoordinatesChanged);
    for (QRadioButton* direction : {latRadios[0], latRadios[1], lonRadios[0], lonRadios[1]})
        connect(direction, &QRadioButton::clicked, this, &MainWindow::CoordinatesChanged);
    // Enter on a focused button presses it, as in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
    // The window watches the application's events: the clicks on its link labels, and Alt+O on
    // its way to whichever control has the focus.
    qApp->installEventFilter(this);
    connect(&placeSearchTimer, &QTimer::timeout, this, &MainWindow::SearchAtlas);
    connect(cityCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this, &MainWindow::PlacePicked);
    for (QComboBox* list : {dayCombo, monthCombo, yearCombo, hourCombo, minuteCombo})
        connect(list, &QComboBox::currentIndexChanged, this, &MainWindow::BirthMomentChanged);
    connect(zoneCombo, &QComboBox::currentIndexChanged, this, &MainWindow::RefreshZoneWarning);
    connect(dstCheck, &QCheckBox::toggled, this, &MainWindow::RefreshZoneWarning);
    connect(resultTabs, &QTabWidget::currentChanged, this, &MainWindow::ResultTabChanged);
}

// Fills the lists, selects their first entries and shows the form. Every step runs on its own.
void MainWindow::LoadForm() {
    const reading::ListEntries& lists = reading::FormListEntries();
    FillList(dayCombo, lists.days);
    FillList(monthCombo, lists.months);
    FillList(yearCombo, lists.years);
    FillList(hourCombo, lists.hours);
    FillList(minuteCombo, lists.minutes);

    // Each zone row with its exact offset beside its text.
    zoneCombo->clear();
    for (int row = 0; row < reading::kZoneCount; ++row) zoneCombo->addItem(Q(reading::ZoneListText(row)));

    for (QComboBox* list : {dayCombo, monthCombo, yearCombo, hourCombo, minuteCombo, zoneCombo})
        SelectPosition(list, 0);
    SelectDirection(latRadios, 0);
    SelectDirection(lonRadios, 0);
    dstCheck->setChecked(false);
    BringToFront(Panel::PersonalDetails);
}

// The panels open at their designed size; the layouts take over from there. A hidden window has
// no laid-out geometry yet, so the space around the panels is summed from the same layouts.
void MainWindow::SizePanels() {
    const QMargins margins = layCentral->contentsMargins();
    const int spacing = std::max(layCentral->spacing(), 0);
    const QSize around(
        margins.left() + margins.right(),
        menuBar()->sizeHint().height() + margins.top() + layPromo->sizeHint().height() + spacing + margins.bottom());
    QSize size = around + QSize(kPanelWidthPixels, kPanelHeightPixels);
    // On a small or highly scaled screen the window opens no larger than the screen leaves room
    // for beside a title bar; the form scrolls inside it.
    if (const QScreen* display = screen()) size = size.boundedTo(display->availableGeometry().size() - kFrameAllowance);
    resize(size);
}

MainWindow::Panel MainWindow::PanelInFront() const {
    return panelStack->currentWidget() == resultPanel ? Panel::Result : Panel::PersonalDetails;
}

// The one place where the panels change places.
void MainWindow::BringToFront(Panel panel) {
    panelStack->setCurrentWidget(panel == Panel::Result ? static_cast<QWidget*>(resultPanel) : birthDataPanel);
    if (panel != Panel::Result) return;
    // The focus on the tab in front: its text or table, or the tabs themselves for the chart.
    const QWidget* tab = resultTabs->currentWidget();
    QWidget* focus = tab == workingTab ? static_cast<QWidget*>(workingView)
                     : tab == tableTab ? static_cast<QWidget*>(upagrahaTable)
                     : tab == chartTab ? static_cast<QWidget*>(resultTabs)
                                       : reportView;
    focus->setFocus();
}

reading::BirthForm MainWindow::SnapshotForm() const {
    reading::BirthForm form;
    form.name = S(nameEdit->text());
    form.day = S(dayCombo->currentText());
    form.month = monthCombo->currentIndex();
    form.year = S(yearCombo->currentText());
    form.hour = S(hourCombo->currentText());
    form.minute = S(minuteCombo->currentText());
    form.zoneRow = zoneCombo->currentIndex();
    form.latDegrees = S(latDegreesEdit->text());
    form.latMinutes = S(latMinutesEdit->text());
    form.lonDegrees = S(lonDegreesEdit->text());
    form.lonMinutes = S(lonMinutesEdit->text());
    form.latDirection = latRadios[0]->isChecked()   ? reading::LatChoice::North
                        : latRadios[1]->isChecked() ? reading::LatChoice::South
                                                    : reading::LatChoice::None;
    form.lonDirection = lonRadios[0]->isChecked()   ? reading::LonChoice::East
                        : lonRadios[1]->isChecked() ? reading::LonChoice::West
                                                    : reading::LonChoice::None;
    form.dst = dstCheck->isChecked();
    form.city = S(cityEdit->text());
    form.state = S(stateEdit->text());
    form.country = S(countryEdit->text());
    return form;
}

void MainWindow::ApplyForm(const reading::BirthForm& form) {
    // A form from elsewhere (a reading file) is no place picked from the atlas.
    pickedPlace.reset();
    BoxRuleValidator::SetBoxText(*nameEdit, Q(form.name));
    SelectText(dayCombo, form.day);
    SelectPosition(monthCombo, form.month);
    SelectText(yearCombo, form.year);
    SelectText(hourCombo, form.hour);
    SelectText(minuteCombo, form.minute);
    SelectPosition(zoneCombo, form.zoneRow);
    dstCheck->setChecked(form.dst);
    ApplyPlace(form);
    RefreshZoneProposal(false);
}

void MainWindow::ApplyPlace(const reading::BirthForm& form) {
    BoxRuleValidator::SetBoxText(*latDegreesEdit, Q(form.latDegrees));
    BoxRuleValidator::SetBoxText(*latMinutesEdit, Q(form.latMinutes));
    BoxRuleValidator::SetBoxText(*lonDegreesEdit, Q(form.lonDegrees));
    BoxRuleValidator::SetBoxText(*lonMinutesEdit, Q(form.lonMinutes));
    SelectDirection(latRadios, form.latDirection == reading::LatChoice::North   ? 0
                               : form.latDirection == reading::LatChoice::South ? 1
                                                                                : -1);
    SelectDirection(lonRadios, form.lonDirection == reading::LonChoice::East   ? 0
                               : form.lonDirection == reading::LonChoice::West ? 1
                                                                               : -1);
    BoxRuleValidator::SetBoxText(*cityEdit, Q(form.city));
    BoxRuleValidator::SetBoxText(*stateEdit, Q(form.state));
    BoxRuleValidator::SetBoxText(*countryEdit, Q(form.country));
}

QWidget* MainWindow::FieldWidget(reading::FormField field) const {
    switch (field) {
        case reading::FormField::None:
            return nullptr;
        case reading::FormField::Name:
            return nameEdit;
        case reading::FormField::Day:
            return dayCombo;
        case reading::FormField::Month:
            return monthCombo;
        case reading::FormField::Year:
            return yearCombo;
        case reading::FormField::Hour:
            return hourCombo;
        case reading::FormField::Minute:
            return minuteCombo;
        case reading::FormField::TimeZone:
            return zoneCombo;
        case reading::FormField::LatDeg:
            return latDegreesEdit;
        case reading::FormField::LatMin:
            return latMinutesEdit;
        case reading::FormField::LonDeg:
            return lonDegreesEdit;
        case reading::FormField::LonMin:
            return lonMinutesEdit;
        case reading::FormField::City:
            return cityEdit;
        case reading::FormField::State:
            return stateEdit;
        case reading::FormField::Country:
            return countryEdit;
        case reading::FormField::LatDirection:
            return latRadios[1]->isChecked() ? latRadios[1] : latRadios[0];
        case reading::FormField::LonDirection:
            return lonRadios[1]->isChecked() ? lonRadios[1] : lonRadios[0];
    }
    return nullptr;
}

void MainWindow::ShowMessage(const reading::UserMessage& message) {
    seams.MsgBox(Q(message.text), message.icon);
    if (message.selectLat != reading::LatChoice::None)
        SelectDirection(latRadios, message.selectLat == reading::LatChoice::North ? 0 : 1);
    if (message.selectLong != reading::LonChoice::None)
        SelectDirection(lonRadios, message.selectLong == reading::LonChoice::East ? 0 : 1);
    if (QWidget* field = FieldWidget(message.focus)) field->setFocus();
}

bool MainWindow::ConfirmZone(const reading::FormValues& values) {
    const auto warning = reading::ZonePlausibilityWarning(values);
    if (!warning) return true;
    if (seams.Ask(Q(*warning) + QLatin1Char(' ') + Q(reading::kZoneQuestion))) return true;
    BringToFront(Panel::PersonalDetails);
    zoneCombo->setFocus();
    return false;
}

void MainWindow::Calculate() {
    const reading::BirthForm form = SnapshotForm();
    const reading::FormValues values = reading::ParseForm(form);
    // The form's own faults first, with their messages; the zone is questioned only for a form
    // that could be calculated.
    if (auto problem = reading::RefuseForm(values)) {
        ShowMessage(*problem);
        return;
    }
    if (!ConfirmZone(values)) return;
    const auto outcome = reading::RunCalculation(values, profileChoice->Profile(), sharedState);
    if (!outcome.Succeeded()) {
        ShowMessage(*outcome.message);
        return;
    }
    WriteReport(*reportView, outcome.report);
    readingOnScreen = ReadingOnScreen{form, outcome.upagrahas, outcome.report, false};
    workingView->clear();
    if (resultTabs->currentWidget() == workingTab) WriteWorking();
    ShowResultView();
    EnableReadingCommands(true);
    BringToFront(Panel::Result);
}

void MainWindow::ResultTabChanged() {
    if (resultTabs->currentWidget() == workingTab && readingOnScreen && !readingOnScreen->workingWritten)
        WriteWorking();
    chartStyleCombo->setVisible(resultTabs->currentWidget() == chartTab);
}

void MainWindow::EnableReadingCommands(bool enabled) {
    for (QAction* command : {saveAction, printAction, exportPdfAction, exportChartAction}) command->setEnabled(enabled);
}

void MainWindow::ShowResultView() {
    if (!readingOnScreen) return;
    const auto header = reading::BuildHeader(sharedState, readingOnScreen->upagrahas);
    const auto html = [](const std::string& text) { return Q(text).toHtmlEscaped(); };
    resultHeader->setText(QStringLiteral("<b>%1</b> \u2014 %2<br>%3<br>%4<br>%5; %6")
                              .arg(html(header.name), html(header.birth), html(header.place),
                                   html(header.ascendantText), html(header.dayNight), html(header.profile)));
    chartView->SetModel(reading::BuildChartModel(chartStyle, sharedState, readingOnScreen->upagrahas,
                                                 ChartCentreLines(header, sharedState)));
    const auto rows = reading::BuildTable(sharedState, readingOnScreen->upagrahas);
    upagrahaTable->setRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (const std::string* field : {&row.name, &row.lord, &row.portionText, &row.momentText, &row.longitudeText,
                                         &row.nakshatraText, &row.houseText})
            upagrahaTable->setItem(r, c++, new QTableWidgetItem(Q(*field)));
        ++r;
    }
    upagrahaTable->resizeColumnsToContents();
    upagrahaTable->resizeRowsToContents();
}

void MainWindow::ChartStyleChanged() {
    chartStyle =
        chartStyleCombo->currentIndex() == 1 ? reading::ChartStyle::NorthIndian : reading::ChartStyle::SouthIndian;
    windowSettings.SetChartStyle(chartStyle);
    ShowResultView();
}

void MainWindow::CopyTable() {
    if (!readingOnScreen) return;
    QApplication::clipboard()->setText(
        Q(reading::TableText(reading::BuildTable(sharedState, readingOnScreen->upagrahas))));
}

QString MainWindow::AskExportPath(const QString& title, const QString& filter, const QString& suffix) {
    const QString name = Q(sharedState.name).trimmed();
    const QString proposed =
        QDir(windowSettings.LastFolder())
            .filePath((name.isEmpty() ? QStringLiteral("reading") : name) + QLatin1Char('.') + suffix);
    return seams.FileDialog(
        {FileDialogRequest::Kind::Save, title, filter, suffix, proposed, windowSettings.LastFolder()});
}

void MainWindow::PrintReading() {
    if (!readingOnScreen) return;
    const auto printed = BuildPrintedReading(readingOnScreen->form, sharedState, readingOnScreen->upagrahas,
                                             readingOnScreen->report, chartStyle);
    seams.PrintPreview(printed.title, [&printed](QPrinter& printer) { PaintReading(printer, printed); });
}

void MainWindow::ExportPdf() {
    if (!readingOnScreen) return;
    const QString path =
        AskExportPath(QStringLiteral("Export PDF"), QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    const auto printed = BuildPrintedReading(readingOnScreen->form, sharedState, readingOnScreen->upagrahas,
                                             readingOnScreen->report, chartStyle);
    if (!WritePdf(path, printed))
        ShowMessage(
            reading::CriticalMessage(S(QStringLiteral("%1\n%2").arg(QString::fromUtf8(kPdfFailedMessage), path))));
}

void MainWindow::ExportChart() {
    if (!readingOnScreen || !chartView->Model()) return;
    const QString path = AskExportPath(QStringLiteral("Export Chart Image"),
                                       QStringLiteral("PNG image (*.png);;SVG image (*.svg)"), QStringLiteral("png"));
    if (path.isEmpty()) return;
    if (!WriteChartImage(path, *chartView->Model(), ImageFormatOf(path)))
        ShowMessage(
            reading::CriticalMessage(S(QStringLiteral("%1\n%2").arg(QString::fromUtf8(kImageFailedMessage), path))));
}

void MainWindow::WriteWorking() {
    if (!readingOnScreen) return;
    // Under the profile of the reading on screen, set beside the other conventions.
    const auto sensitivity = reading::FindBirthTimeSensitivity(readingOnScreen->form, sharedState.profile);
    const auto conventions = reading::CompareConventions(readingOnScreen->form, sharedState.profile);
    workingView->setPlainText(
        Q(reading::WorkingText(sharedState, readingOnScreen->upagrahas, sensitivity, conventions)));
    readingOnScreen->workingWritten = true;
}

void MainWindow::CityEdited() {
    // A city typed by hand is no longer the place picked; its zone no longer speaks for the form.
    ForgetPickedPlace();
    placeSearchTimer.start();
}

void MainWindow::SearchAtlas() {
    offeredPlaces = seams.FindPlaces(cityEdit->text());
    placesModel->clear();
    for (const atlas::AtlasPlace& place : offeredPlaces)
        placesModel->appendRow(new QStandardItem(Q(atlas::PlaceListText(place))));
    QAbstractItemView* list = cityCompleter->popup();
    if (offeredPlaces.empty() || !cityEdit->hasFocus()) {
        list->hide();
        return;
    }
    // As wide as its longest line, never narrower than the box; a wider list ends where the box
    // ends, so it stays over the window.
    const int width =
        std::max(cityEdit->width(),
                 list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth());
    cityCompleter->complete(QRect(cityEdit->width() - width, 0, width, cityEdit->height()));
}

void MainWindow::PlacePicked(const QModelIndex& index) {
    QModelIndex row = index;
    if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model())) row = proxy->mapToSource(index);
    if (!row.isValid() || row.row() >= static_cast<int>(offeredPlaces.size())) return;
    const atlas::AtlasPlace place = offeredPlaces[static_cast<std::size_t>(row.row())];
    reading::BirthForm form = SnapshotForm();
    atlas::FillPlace(form, place);
    ApplyPlace(form);
    pickedPlace = place;
    RefreshZoneProposal(true);
}

void MainWindow::BirthMomentChanged() { RefreshZoneProposal(false); }

void MainWindow::CoordinatesChanged() {
    // Coordinates changed by hand are no longer the picked place's; the place nearest to them
    // speaks for the zone instead.
    pickedPlace.reset();
    RefreshZoneProposal(false);
}

void MainWindow::ForgetPickedPlace() {
    if (!pickedPlace) return;
    pickedPlace.reset();
    RefreshZoneProposal(false);
}

std::optional<atlas::NearbyPlace> MainWindow::NearestToTypedPlace() const {
    const reading::FormNumber latDeg = reading::ParseFormNumber(S(latDegreesEdit->text()));
    const reading::FormNumber latMin = reading::ParseFormNumber(S(latMinutesEdit->text()));
    const reading::FormNumber lonDeg = reading::ParseFormNumber(S(lonDegreesEdit->text()));
    const reading::FormNumber lonMin = reading::ParseFormNumber(S(lonMinutesEdit->text()));
    const bool north = latRadios[0]->isChecked();
    const bool east = lonRadios[0]->isChecked();
    if (!latDeg.value || !latMin.value || !lonDeg.value || !lonMin.value) return std::nullopt;
    if ((!north && !latRadios[1]->isChecked()) || (!east && !lonRadios[1]->isChecked())) return std::nullopt;
    if (*latDeg.value > 89 || *latMin.value > 59 || *lonDeg.value > 180 || *lonMin.value > 59) return std::nullopt;
    const double latitude = *latDeg.value + *latMin.value / 60.0;
    const double longitude = *lonDeg.value + *lonMin.value / 60.0;
    return seams.FindNearestPlace(north ? latitude : -latitude, east ? longitude : -longitude);
}

void MainWindow::RefreshZoneProposal(bool apply) {
    zoneAtBirth.reset();
    zoneProposal = {};
    QString text;
    // The place whose clocks speak for the form: the one picked, else the one nearest to the
    // coordinates typed.
    std::optional<atlas::AtlasPlace> place = pickedPlace;
    QString nearestLine;
    if (!place) {
        if (auto nearby = NearestToTypedPlace()) {
            place = nearby->place;
            nearestLine = Q(atlas::NearestPlaceText(nearby->place, nearby->km)) + QLatin1Char('\n');
            // A proposal for typed coordinates waits for the user's word; only a pick sets the zone.
            apply = false;
        }
    }
    if (place) {
        const std::string& zone = place->zoneName;
        if (const auto moment = atlas::ClockMomentOf(SnapshotForm())) {
            zoneAtBirth = ZoneAtBirthMoment(zone, *moment);
            if (zoneAtBirth) {
                zoneProposal = atlas::ProposeZone(*zoneAtBirth);
                const bool applying = apply && zoneProposal.row.has_value();
                text = Q(atlas::ProposalText(*zoneAtBirth, *moment, zoneProposal, applying));
            } else {
                text = Q(atlas::UnknownZoneText(zone));
            }
        } else {
            text = Q(atlas::NoDateText(zone));
        }
        text.prepend(nearestLine);
    }
    zoneProposalLabel->setText(text);
    zoneProposalLabel->setVisible(!text.isEmpty());
    if (apply && zoneAtBirth && zoneProposal.row) {
        SelectPosition(zoneCombo, *zoneProposal.row);
        dstCheck->setChecked(zoneProposal.dst);
    }
    RefreshZoneWarning();
}

void MainWindow::RefreshZoneWarning() {
    std::optional<std::string> warning;
    if (zoneAtBirth)
        warning = atlas::ZoneWarning(*zoneAtBirth, zoneProposal, zoneCombo->currentIndex(), dstCheck->isChecked());
    zoneWarningLabel->setText(warning ? Q(*warning) : QString());
    zoneWarningLabel->setVisible(warning.has_value());
    // One click puts the proposal into the form when the form says otherwise.
    useZoneButton->setVisible(warning.has_value() && zoneProposal.row.has_value());
}

void MainWindow::UseProposedZone() {
    if (!zoneProposal.row) return;
    SelectPosition(zoneCombo, *zoneProposal.row);
    dstCheck->setChecked(zoneProposal.dst);
    RefreshZoneWarning();
    zoneCombo->setFocus();
}

void MainWindow::BackToForm() { BringToFront(Panel::PersonalDetails); }

void MainWindow::NewReading() {
    // Back to the form with the name ready to be typed over; the rest stays, as a new reading is
    // often for the same place or day.
    BringToFront(Panel::PersonalDetails);
    nameEdit->setFocus();
    nameEdit->selectAll();
}

void MainWindow::SaveReading() {
    // The menu's Save reaches here from the form too; there is something to save once a reading
    // has been calculated.
    if (!readingOnScreen) return;
    const FileDialogRequest request{FileDialogRequest::Kind::Save,
                                    QString::fromUtf8(kAppTitle),
                                    QString::fromUtf8(kReadingFilter),
                                    QString::fromUtf8(kReadingSuffix),
                                    savedFileName,
                                    windowSettings.LastFolder()};
    const QString path = seams.FileDialog(request);
    if (path.isEmpty()) return;
    savedFileName = path;
    // The file holds the reading on screen, the last one calculated, and its zone row; a reading
    // opened from a file with another shift keeps it when the program's own cannot hold a letter.
    if (auto problem = reading::SaveReadingFile(NativePath(path), sharedState, sharedState.zoneRow, openedShift)) {
        ShowMessage(*problem);
        return;
    }
    RememberReading(path);
}

void MainWindow::OpenReading() {
    const FileDialogRequest request{FileDialogRequest::Kind::Open,
                                    QString::fromUtf8(kOpenTitle),
                                    QString::fromUtf8(kReadingFilter),
                                    QString::fromUtf8(kReadingSuffix),
                                    QString(),
                                    windowSettings.LastFolder()};
    const QString path = seams.FileDialog(request);
    if (path.isEmpty()) return;
    OpenReadingPath(path);
}

void MainWindow::OpenReadingPath(const QString& path) {
    // Fields the file cannot fill keep what the form holds now; the user is told which they are
    // before the reading is calculated.
    reading::BirthForm form = SnapshotForm();
    reading::OpenedReading opened;
    if (auto problem = reading::OpenReadingFile(NativePath(path), form, opened)) {
        // A recent reading that has gone away leaves the menu.
        if (!QFileInfo::exists(path)) {
            windowSettings.ForgetReading(path);
            FillRecentMenu();
        }
        ShowMessage(*problem);
        return;
    }
    RememberReading(path);
    ApplyForm(form);
    openedShift = opened.shift;
    if (!opened.unreadLines.empty()) ShowMessage(reading::UnreadLinesNotice(opened));
    Calculate();
}

void MainWindow::OpenHandedReading(const QString& path) {
    // A dialog of this window may be open (a message, a file dialog): the reading waits for it,
    // so that the form does not change under it.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kHandedReadingRetryMs, this, [this, path] { OpenHandedReading(path); });
        return;
    }
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    OpenReadingPath(path);
}

void MainWindow::RememberReading(const QString& path) {
    windowSettings.RememberReading(path);
    FillRecentMenu();
}

void MainWindow::FillRecentMenu() {
    for (QAction* action : recentActions) {
        fileMenu->removeAction(action);
        // One of them may be the action being triggered right now: it goes once that is done.
        action->setObjectName(QString());
        action->deleteLater();
    }
    recentActions.clear();
    const QStringList recent = windowSettings.RecentReadings();
    if (recent.isEmpty()) return;
    int number = 0;
    for (const QString& path : recent) {
        ++number;
        // "&1 asha.ved": a digit to choose it by key, the file's name, its whole path as the tip.
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(number).arg(
                                       QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))),
                                   this);
        action->setObjectName(QStringLiteral("recentAction%1").arg(number));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { OpenReadingPath(path); });
        recentActions << action;
    }
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    recentActions << separator;
    fileMenu->insertActions(rasiChartAction, recentActions);
}

void MainWindow::LookUpCoordinates() {
    const auto lookup = PrepareLatLongLookup(S(cityEdit->text()), S(stateEdit->text()), S(countryEdit->text()));
    if (lookup.message) {
        ShowMessage(*lookup.message);
        return;
    }
    const QUrl url = LatLongSearchUrl(lookup.searchText);
    if (!seams.OpenUrl(url)) ShowPageFailure(url);
}

void MainWindow::Quit() { close(); }

void MainWindow::ShowAboutWindow() { seams.ShowAbout(); }

void MainWindow::ShowPageFailure(const QUrl& url) {
    ShowMessage(reading::InformationMessage(S(BrowserFailedText(url))));
}

void MainWindow::OpenPage(WebPage page) {
    if (!OpenWebPage(page, seams.OpenUrl)) ShowPageFailure(QUrl(Q(WebPageAddressOf(page))));
}

void MainWindow::OpenOnlineHelp() {
    // The bundled page, shown by the program itself; the web copy only where none was installed.
    const auto page = LocalHelpPage();
    if (!page) {
        OpenPage(WebPage::OnlineHelp);
        return;
    }
    auto* help = findChild<HelpWindow*>();
    if (help == nullptr) {
        help = new HelpWindow(
            *page,
            [this](const QUrl& url) {
                if (seams.OpenUrl(url)) return true;
                ShowPageFailure(url);
                return false;
            },
            this);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void MainWindow::VisitWebSite() { OpenPage(WebPage::HomePage); }
void MainWindow::CheckForUpdates() { OpenPage(WebPage::SoftwareUpdate); }
void MainWindow::OpenDonationPage() { OpenPage(WebPage::Donation); }
void MainWindow::OpenMakeMoneyPage() { OpenPage(WebPage::FullBranding); }
void MainWindow::OpenBrandPage() { OpenPage(WebPage::FullBranding); }
void MainWindow::OpenCobrandPage() { OpenPage(WebPage::CoBranding); }
void MainWindow::OpenFullBrandingPage() { OpenPage(WebPage::FullBranding); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (TakesWindowKey(watched, event)) return true;
    if (watched == resultHeader && event->type() == QEvent::Resize) {
        // A narrow window wraps the header onto more lines; the layout learns how many, so that the
        // window never gets smaller than they need and the tabs below keep their room.
        resultHeader->setMinimumHeight(resultHeader->heightForWidth(resultHeader->width()));
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label != nullptr &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == cobrandLink)
                OpenCobrandPage();
            else if (watched == fullBrandLink)
                OpenBrandPage();
            else if (watched == makeMoneyLink)
                OpenFullBrandingPage();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::TakesWindowKey(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Keys meant for this window's own controls; an open list or places list is a window of its
    // own and keeps its keys (Escape closes it).
    if (widget == nullptr || widget->window() != this) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool altO =
        key->key() == Qt::Key_O && modifiers == Qt::AltModifier && PanelInFront() == Panel::PersonalDetails;
    const bool escape = key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier && PanelInFront() == Panel::Result;
    if (!altO && !escape) return false;
    if (type == QEvent::ShortcutOverride) {
        // Claimed for the focused control, so that no shortcut (the menu bar's "Make Money
        // &Online") sees the key and the key press itself arrives here.
        event->accept();
        return true;
    }
    if (altO)
        OpenReading();
    else
        NewReading();
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && PanelInFront() == Panel::PersonalDetails) {
        Calculate();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace vela::desktop
