#include "desktop/frm_main.h"

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

namespace vela {

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
std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
    QFileDialog dialog(parent, request.strTitle, QString(), request.strFilter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening needs an existing file; saving needs an existing folder, and asks before replacing a
    // file (the dialog's default).
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.strDefaultSuffix);
    // With a choice of types (PNG or SVG), a name typed without an ending gets the chosen one's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const qsizetype star = filter.indexOf(QStringLiteral("*."));
        if (star >= 0) dialog.setDefaultSuffix(filter.mid(star + 2).section(QLatin1Char(')'), 0, 0));
    });
    if (!request.strFolder.isEmpty()) dialog.setDirectory(request.strFolder);
    if (!request.strProposedPath.isEmpty()) dialog.selectFile(request.strProposedPath);
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        const QFileInfo info(path);
        // Saving replaces the file through a rename, which would get past a read-only file's
        // protection; such a file is refused here, as the user asked for it to stay as it is.
        if (save && info.exists() && !info.isWritable()) {
            QMessageBox::warning(&dialog, request.strTitle,
                                 QStringLiteral("%1 is read-only.\nPlease choose another name.").arg(path));
            continue;
        }
        return path;
    }
    return {};
}

}  // namespace

frmMain::frmMain(WindowSeams windowSeams, QWidget* parent)
    : QMainWindow(parent), seams(std::move(windowSeams)), windowSettings(seams.strSettingsPath) {
    setupUi(this);
    optLat = {optLat_0, optLat_1};
    optLong = {optLong_0, optLong_1};
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(modAppIcon::AppIcon());

    // DejaVu Sans and Bitstream Vera Sans were drawn to Verdana's proportions, so the layout keeps
    // its shape on systems without Verdana.
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(kFontPointSize);
    setFont(font);

    for (QLabel* link : {lblFullBrand, lblCobrand, Label8}) {
        QFont linkFont = link->font();
        linkFont.setUnderline(true);
        link->setFont(linkFont);
        link->setForegroundRole(QPalette::Link);
    }
    modReportPane::PrepareReportPane(*RTB);
    // The working lines its columns up with blanks.
    txtWorking->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette warningPalette = lblZoneWarning->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    lblZoneWarning->setPalette(warningPalette);

    // The places list hangs under the city box but is not the box's own completer: the box would
    // then write the chosen line into itself, commas and accents included, past the letters rule.
    mdlPlaces = new QStandardItemModel(this);
    cmpCity = new QCompleter(mdlPlaces, this);
    cmpCity->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    cmpCity->setMaxVisibleItems(10);
    cmpCity->setWidget(txtCity);
    tmrPlaceSearch.setSingleShot(true);
    tmrPlaceSearch.setInterval(kPlaceSearchDelayMs);

    // The chart's style beside the result tabs, shown while the chart is.
    cboChartStyle = new QComboBox(tabResult);
    cboChartStyle->setObjectName(QStringLiteral("cboChartStyle"));
    cboChartStyle->addItems({QStringLiteral("South Indian"), QStringLiteral("North Indian")});
    cboChartStyle->setToolTip(QStringLiteral("Chart style"));
    tabResult->setCornerWidget(cboChartStyle, Qt::TopRightCorner);
    chartStyle = windowSettings.ChartStyle();
    cboChartStyle->setCurrentIndex(chartStyle == modChartModel::ChartStyle::NorthIndian ? 1 : 0);
    cboChartStyle->setVisible(false);
    tblUpagrahas->verticalHeader()->setVisible(false);
    tblUpagrahas->setColumnCount(static_cast<int>(modResultSummary::kTableColumns.size()));
    QStringList columns;
    for (const std::string_view column : modResultSummary::kTableColumns) columns << Q(column);
    tblUpagrahas->setHorizontalHeaderLabels(columns);
    // Ctrl+C on the table copies all of it, as its button does.
    auto* copyTable = new QAction(tblUpagrahas);
    copyTable->setShortcut(QKeySequence::Copy);
    copyTable->setShortcutContext(Qt::WidgetShortcut);
    tblUpagrahas->addAction(copyTable);
    connect(copyTable, &QAction::triggered, this, &frmMain::cmdCopyTable_Click);

    // However small the window, the scrolling form keeps room for a few rows of boxes.
    scrFrame1->setMinimumHeight(kFormRowsAlwaysShown * txtName->sizeHint().height());

    InstallSeamDefaults();
    profileChoice = new ProfileChoice(*menuBar(), mnuHelp->menuAction(), *this);
    // A reading on screen is read again under the profile just chosen.
    connect(profileChoice, &ProfileChoice::ProfileChanged, this, [this] {
        if (PanelInFront() == Panel::Result) cmdCalculate_Click();
    });
    WireEvents();
    Form_Load();
    SizePanels();
    FillRecentMenu();
    EnableReadingCommands(false);
}

frmMain::~frmMain() { qApp->removeEventFilter(this); }

void frmMain::InstallSeamDefaults() {
    if (!seams.MsgBox) {
        seams.MsgBox = [this](const QString& text, MsgIcon icon) {
            QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
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
    if (!seams.OpenUrl) seams.OpenUrl = modWebPages::OpenInDefaultBrowser;
    if (!seams.ShowAbout) seams.ShowAbout = [this] { modAboutDialog::ShowAboutDialog(this); };
    if (!seams.FindPlaces)
        seams.FindPlaces = [](const QString& typed) { return modAtlas::FindPlaces(typed.toStdString()); };
    if (!seams.PrintPreview) {
        seams.PrintPreview = [this](const QString& title, const std::function<void(QPrinter&)>& paint) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setPageSize(modReadingPrint::LocalePageSize(QLocale()));
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
            return modAtlas::FindNearestPlace({latitude, longitude});
        };
    }
}

void frmMain::WireEvents() {
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(mnuRasiChart, &QAction::triggered, this, &frmMain::cmdCalculate_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuOnlineHelp, &QAction::triggered, this, &frmMain::mnuOnlineHelp_Click);
    connect(mnuVisitUs, &QAction::triggered, this, &frmMain::mnuVisitUs_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(mnuMakeMoney, &QAction::triggered, this, &frmMain::mnuMakeMoney_Click);
    connect(mnuNewReading, &QAction::triggered, this, &frmMain::mnuNewReading_Click);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::cmdOpen_Click);
    connect(mnuSave, &QAction::triggered, this, &frmMain::cmdSave_Click);
    connect(cmdUseZone, &QPushButton::clicked, this, &frmMain::cmdUseZone_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(mnuExportPdf, &QAction::triggered, this, &frmMain::mnuExportPdf_Click);
    connect(mnuExportChart, &QAction::triggered, this, &frmMain::mnuExportChart_Click);
    connect(cmdCopyTable, &QPushButton::clicked, this, &frmMain::cmdCopyTable_Click);
    connect(cboChartStyle, &QComboBox::currentIndexChanged, this, &frmMain::cboChartStyle_Changed);

    const std::array<std::pair<QLineEdit*, FormField>, 8> boxes{{{txtName, FormField::Name},
                                                                 {txtCity, FormField::City},
                                                                 {txtState, FormField::State},
                                                                 {txtCountry, FormField::Country},
                                                                 {txtLatDeg, FormField::LatDeg},
                                                                 {txtLatMin, FormField::LatMin},
                                                                 {txtLonDeg, FormField::LonDeg},
                                                                 {txtLonMin, FormField::LonMin}}};
    for (const auto& [box, field] : boxes) {
        // Every way text gets in (keys, pastes, drops, input methods) meets the same rule. The
        // places list under the city box hands its keys to the box directly, and meets it too.
        QLineEdit* edit = box;
        modBoxRules::InstallBoxRule(*box, field, [this, edit](const QString& message) {
            cmpCity->popup()->hide();
            seams.Notify(edit, message);
        });
    }
    connect(txtCity, &QLineEdit::textEdited, this, &frmMain::txtCity_Edited);
    // The user's own changes of the coordinates; a picked place or a reading file fills them itself.
    for (QLineEdit* number : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin})
        connect(number, &QLineEdit::textEdited, this, &frmMain::Coordinates_Changed);
    for (QRadioButton* direction : {optLat[0], optLat[1], optLong[0], optLong[1]})
        connect(direction, &QRadioButton::clicked, this, &frmMain::Coordinates_Changed);
    // Enter on a focused button presses it, as in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
    // The window watches the application's events: the clicks on its link labels, and Alt+O on
    // its way to whichever control has the focus.
    qApp->installEventFilter(this);
    connect(&tmrPlaceSearch, &QTimer::timeout, this, &frmMain::SearchAtlas);
    connect(cmpCity, qOverload<const QModelIndex&>(&QCompleter::activated), this, &frmMain::cmpCity_Activated);
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::BirthMoment_Changed);
    connect(cboTimeZone, &QComboBox::currentIndexChanged, this, &frmMain::RefreshZoneWarning);
    connect(chkDST, &QCheckBox::toggled, this, &frmMain::RefreshZoneWarning);
    connect(tabResult, &QTabWidget::currentChanged, this, &frmMain::tabResult_CurrentChanged);
}

// Fills the lists, selects their first entries and shows the form. Every step runs on its own.
void frmMain::Form_Load() {
    const ListEntries& lists = FormListEntries();
    FillList(cboDate, lists.days);
    FillList(cboMonth, lists.months);
    FillList(cboYear, lists.years);
    FillList(cboHour, lists.hours);
    FillList(cboMinute, lists.minutes);

    // Each zone row with its exact offset beside its text.
    cboTimeZone->clear();
    for (int row = 0; row < kZoneCount; ++row) cboTimeZone->addItem(Q(modReferenceTables::ZoneListText(row)));

    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) SelectPosition(list, 0);
    SelectDirection(optLat, 0);
    SelectDirection(optLong, 0);
    chkDST->setChecked(false);
    BringToFront(Panel::PersonalDetails);
}

// The panels open at their designed size; the layouts take over from there. A hidden window has
// no laid-out geometry yet, so the space around the panels is summed from the same layouts.
void frmMain::SizePanels() {
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

frmMain::Panel frmMain::PanelInFront() const {
    return stkPanels->currentWidget() == Frame2 ? Panel::Result : Panel::PersonalDetails;
}

// The one place where the panels change places.
void frmMain::BringToFront(Panel panel) {
    stkPanels->setCurrentWidget(panel == Panel::Result ? static_cast<QWidget*>(Frame2) : Frame1);
    if (panel != Panel::Result) return;
    // The focus on the tab in front: its text or table, or the tabs themselves for the chart.
    const QWidget* tab = tabResult->currentWidget();
    QWidget* focus = tab == tabWorking ? static_cast<QWidget*>(txtWorking)
                     : tab == tabTable ? static_cast<QWidget*>(tblUpagrahas)
                     : tab == tabChart ? static_cast<QWidget*>(tabResult)
                                       : RTB;
    focus->setFocus();
}

BirthForm frmMain::SnapshotForm() const {
    BirthForm form;
    form.txtName = S(txtName->text());
    form.cboDate = S(cboDate->currentText());
    form.cboMonth = cboMonth->currentIndex();
    form.cboYear = S(cboYear->currentText());
    form.cboHour = S(cboHour->currentText());
    form.cboMinute = S(cboMinute->currentText());
    form.cboTimeZone = cboTimeZone->currentIndex();
    form.txtLatDeg = S(txtLatDeg->text());
    form.txtLatMin = S(txtLatMin->text());
    form.txtLonDeg = S(txtLonDeg->text());
    form.txtLonMin = S(txtLonMin->text());
    form.optLat = optLat[0]->isChecked()   ? LatChoice::North
                  : optLat[1]->isChecked() ? LatChoice::South
                                           : LatChoice::None;
    form.optLong = optLong[0]->isChecked()   ? LonChoice::East
                   : optLong[1]->isChecked() ? LonChoice::West
                                             : LonChoice::None;
    form.chkDST = chkDST->isChecked();
    form.txtCity = S(txtCity->text());
    form.txtState = S(txtState->text());
    form.txtCountry = S(txtCountry->text());
    return form;
}

void frmMain::ApplyForm(const BirthForm& form) {
    // A form from elsewhere (a reading file) is no place picked from the atlas.
    pickedPlace.reset();
    modBoxRules::BoxRuleValidator::SetBoxText(*txtName, Q(form.txtName));
    SelectText(cboDate, form.cboDate);
    SelectPosition(cboMonth, form.cboMonth);
    SelectText(cboYear, form.cboYear);
    SelectText(cboHour, form.cboHour);
    SelectText(cboMinute, form.cboMinute);
    SelectPosition(cboTimeZone, form.cboTimeZone);
    chkDST->setChecked(form.chkDST);
    ApplyPlace(form);
    RefreshZoneProposal(false);
}

void frmMain::ApplyPlace(const BirthForm& form) {
    using modBoxRules::BoxRuleValidator;
    BoxRuleValidator::SetBoxText(*txtLatDeg, Q(form.txtLatDeg));
    BoxRuleValidator::SetBoxText(*txtLatMin, Q(form.txtLatMin));
    BoxRuleValidator::SetBoxText(*txtLonDeg, Q(form.txtLonDeg));
    BoxRuleValidator::SetBoxText(*txtLonMin, Q(form.txtLonMin));
    SelectDirection(optLat, form.optLat == LatChoice::North ? 0 : form.optLat == LatChoice::South ? 1 : -1);
    SelectDirection(optLong, form.optLong == LonChoice::East ? 0 : form.optLong == LonChoice::West ? 1 : -1);
    BoxRuleValidator::SetBoxText(*txtCity, Q(form.txtCity));
    BoxRuleValidator::SetBoxText(*txtState, Q(form.txtState));
    BoxRuleValidator::SetBoxText(*txtCountry, Q(form.txtCountry));
}

QWidget* frmMain::FieldWidget(FormField field) const {
    switch (field) {
        case FormField::None:
            return nullptr;
        case FormField::Name:
            return txtName;
        case FormField::Day:
            return cboDate;
        case FormField::Month:
            return cboMonth;
        case FormField::Year:
            return cboYear;
        case FormField::Hour:
            return cboHour;
        case FormField::Minute:
            return cboMinute;
        case FormField::TimeZone:
            return cboTimeZone;
        case FormField::LatDeg:
            return txtLatDeg;
        case FormField::LatMin:
            return txtLatMin;
        case FormField::LonDeg:
            return txtLonDeg;
        case FormField::LonMin:
            return txtLonMin;
        case FormField::City:
            return txtCity;
        case FormField::State:
            return txtState;
        case FormField::Country:
            return txtCountry;
        case FormField::LatDirection:
            return optLat[1]->isChecked() ? optLat[1] : optLat[0];
        case FormField::LonDirection:
            return optLong[1]->isChecked() ? optLong[1] : optLong[0];
    }
    return nullptr;
}

void frmMain::ShowMessage(const UserMessage& message) {
    seams.MsgBox(Q(message.strText), message.icon);
    if (message.selectLat != LatChoice::None) SelectDirection(optLat, message.selectLat == LatChoice::North ? 0 : 1);
    if (message.selectLong != LonChoice::None) SelectDirection(optLong, message.selectLong == LonChoice::East ? 0 : 1);
    if (QWidget* field = FieldWidget(message.focus)) field->setFocus();
}

bool frmMain::ConfirmZone(const FormValues& values) {
    const auto warning = modZoneCheck::ZonePlausibilityWarning(values);
    if (!warning) return true;
    if (seams.Ask(Q(*warning) + QLatin1Char(' ') + Q(modZoneCheck::kZoneQuestion))) return true;
    BringToFront(Panel::PersonalDetails);
    cboTimeZone->setFocus();
    return false;
}

void frmMain::cmdCalculate_Click() {
    const BirthForm form = SnapshotForm();
    const FormValues values = ParseForm(form);
    // The form's own faults first, with their messages; the zone is questioned only for a form
    // that could be calculated.
    if (auto problem = modCalculationDriver::RefuseForm(values)) {
        ShowMessage(*problem);
        return;
    }
    if (!ConfirmZone(values)) return;
    const auto outcome = modCalculationDriver::RunCalculation(values, profileChoice->Profile(), sharedState);
    if (!outcome.Succeeded()) {
        ShowMessage(*outcome.message);
        return;
    }
    modReportPane::WriteReport(*RTB, outcome.report);
    readingOnScreen = ReadingOnScreen{form, outcome.upagrahas, outcome.report, false};
    txtWorking->clear();
    if (tabResult->currentWidget() == tabWorking) WriteWorking();
    ShowResultView();
    EnableReadingCommands(true);
    BringToFront(Panel::Result);
}

void frmMain::tabResult_CurrentChanged() {
    if (tabResult->currentWidget() == tabWorking && readingOnScreen && !readingOnScreen->blnWorkingWritten)
        WriteWorking();
    cboChartStyle->setVisible(tabResult->currentWidget() == tabChart);
}

void frmMain::EnableReadingCommands(bool enabled) {
    for (QAction* command : {mnuSave, mnuPrint, mnuExportPdf, mnuExportChart}) command->setEnabled(enabled);
}

void frmMain::ShowResultView() {
    if (!readingOnScreen) return;
    const auto header = modResultSummary::BuildHeader(sharedState, readingOnScreen->upagrahas);
    const auto html = [](const std::string& text) { return Q(text).toHtmlEscaped(); };
    lblResultHeader->setText(QStringLiteral("<b>%1</b> \u2014 %2<br>%3<br>%4<br>%5; %6")
                                 .arg(html(header.strName), html(header.strBirth), html(header.strPlace),
                                      html(header.strAscendant), html(header.strDayNight), html(header.strProfile)));
    picChart->SetModel(modChartModel::BuildChartModel(chartStyle, sharedState, readingOnScreen->upagrahas,
                                                      modReadingPrint::ChartCentreLines(header, sharedState)));
    const auto rows = modResultSummary::BuildTable(sharedState, readingOnScreen->upagrahas);
    tblUpagrahas->setRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (const std::string* field : {&row.strName, &row.strLord, &row.strPortion, &row.strMoment, &row.strLongitude,
                                         &row.strNakshatra, &row.strHouse})
            tblUpagrahas->setItem(r, c++, new QTableWidgetItem(Q(*field)));
        ++r;
    }
    tblUpagrahas->resizeColumnsToContents();
    tblUpagrahas->resizeRowsToContents();
}

void frmMain::cboChartStyle_Changed() {
    chartStyle = cboChartStyle->currentIndex() == 1 ? modChartModel::ChartStyle::NorthIndian
                                                    : modChartModel::ChartStyle::SouthIndian;
    windowSettings.SetChartStyle(chartStyle);
    ShowResultView();
}

void frmMain::cmdCopyTable_Click() {
    if (!readingOnScreen) return;
    QApplication::clipboard()->setText(
        Q(modResultSummary::TableText(modResultSummary::BuildTable(sharedState, readingOnScreen->upagrahas))));
}

QString frmMain::AskExportPath(const QString& title, const QString& filter, const QString& suffix) {
    const QString name = Q(sharedState.strName).trimmed();
    const QString proposed =
        QDir(windowSettings.LastFolder())
            .filePath((name.isEmpty() ? QStringLiteral("reading") : name) + QLatin1Char('.') + suffix);
    return seams.FileDialog(
        {FileDialogRequest::Kind::Save, title, filter, suffix, proposed, windowSettings.LastFolder()});
}

void frmMain::mnuPrint_Click() {
    if (!readingOnScreen) return;
    const auto printed = modReadingPrint::BuildPrintedReading(
        readingOnScreen->form, sharedState, readingOnScreen->upagrahas, readingOnScreen->report, chartStyle);
    seams.PrintPreview(printed.strTitle,
                       [&printed](QPrinter& printer) { modReadingPrint::PaintReading(printer, printed); });
}

void frmMain::mnuExportPdf_Click() {
    if (!readingOnScreen) return;
    const QString path =
        AskExportPath(QStringLiteral("Export PDF"), QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    const auto printed = modReadingPrint::BuildPrintedReading(
        readingOnScreen->form, sharedState, readingOnScreen->upagrahas, readingOnScreen->report, chartStyle);
    if (!modReadingPrint::WritePdf(path, printed))
        ShowMessage(CriticalMessage(
            S(QStringLiteral("%1\n%2").arg(QString::fromUtf8(modReadingPrint::kPdfFailedMessage), path))));
}

void frmMain::mnuExportChart_Click() {
    if (!readingOnScreen || !picChart->Model()) return;
    const QString path = AskExportPath(QStringLiteral("Export Chart Image"),
                                       QStringLiteral("PNG image (*.png);;SVG image (*.svg)"), QStringLiteral("png"));
    if (path.isEmpty()) return;
    if (!modReadingPrint::WriteChartImage(path, *picChart->Model(), modReadingPrint::ImageFormatOf(path)))
        ShowMessage(CriticalMessage(
            S(QStringLiteral("%1\n%2").arg(QString::fromUtf8(modReadingPrint::kImageFailedMessage), path))));
}

void frmMain::WriteWorking() {
    if (!readingOnScreen) return;
    // Under the profile of the reading on screen, set beside the other conventions.
    const auto sensitivity = modWorking::FindBirthTimeSensitivity(readingOnScreen->form, sharedState.profile);
    const auto conventions = modWorking::CompareConventions(readingOnScreen->form, sharedState.profile);
    txtWorking->setPlainText(
        Q(modWorking::WorkingText(sharedState, readingOnScreen->upagrahas, sensitivity, conventions)));
    readingOnScreen->blnWorkingWritten = true;
}

void frmMain::txtCity_Edited() {
    // A city typed by hand is no longer the place picked; its zone no longer speaks for the form.
    ForgetPickedPlace();
    tmrPlaceSearch.start();
}

void frmMain::SearchAtlas() {
    offeredPlaces = seams.FindPlaces(txtCity->text());
    mdlPlaces->clear();
    for (const modPlaceName::AtlasPlace& place : offeredPlaces)
        mdlPlaces->appendRow(new QStandardItem(Q(modPlaceName::PlaceListText(place))));
    QAbstractItemView* list = cmpCity->popup();
    if (offeredPlaces.empty() || !txtCity->hasFocus()) {
        list->hide();
        return;
    }
    // As wide as its longest line, never narrower than the box; a wider list ends where the box
    // ends, so it stays over the window.
    const int width =
        std::max(txtCity->width(),
                 list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth());
    cmpCity->complete(QRect(txtCity->width() - width, 0, width, txtCity->height()));
}

void frmMain::cmpCity_Activated(const QModelIndex& index) {
    QModelIndex row = index;
    if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model())) row = proxy->mapToSource(index);
    if (!row.isValid() || row.row() >= static_cast<int>(offeredPlaces.size())) return;
    const modPlaceName::AtlasPlace place = offeredPlaces[static_cast<std::size_t>(row.row())];
    BirthForm form = SnapshotForm();
    modPlaceName::FillPlace(form, place);
    ApplyPlace(form);
    pickedPlace = place;
    RefreshZoneProposal(true);
}

void frmMain::BirthMoment_Changed() { RefreshZoneProposal(false); }

void frmMain::Coordinates_Changed() {
    // Coordinates changed by hand are no longer the picked place's; the place nearest to them
    // speaks for the zone instead.
    pickedPlace.reset();
    RefreshZoneProposal(false);
}

void frmMain::ForgetPickedPlace() {
    if (!pickedPlace) return;
    pickedPlace.reset();
    RefreshZoneProposal(false);
}

std::optional<modAtlas::NearbyPlace> frmMain::NearestToTypedPlace() const {
    const FormNumber latDeg = ParseFormNumber(S(txtLatDeg->text()));
    const FormNumber latMin = ParseFormNumber(S(txtLatMin->text()));
    const FormNumber lonDeg = ParseFormNumber(S(txtLonDeg->text()));
    const FormNumber lonMin = ParseFormNumber(S(txtLonMin->text()));
    const bool north = optLat[0]->isChecked();
    const bool east = optLong[0]->isChecked();
    if (!latDeg.intValue || !latMin.intValue || !lonDeg.intValue || !lonMin.intValue) return std::nullopt;
    if ((!north && !optLat[1]->isChecked()) || (!east && !optLong[1]->isChecked())) return std::nullopt;
    if (*latDeg.intValue > 89 || *latMin.intValue > 59 || *lonDeg.intValue > 180 || *lonMin.intValue > 59)
        return std::nullopt;
    const double latitude = *latDeg.intValue + *latMin.intValue / 60.0;
    const double longitude = *lonDeg.intValue + *lonMin.intValue / 60.0;
    return seams.FindNearestPlace(north ? latitude : -latitude, east ? longitude : -longitude);
}

void frmMain::RefreshZoneProposal(bool apply) {
    zoneAtBirth.reset();
    zoneProposal = {};
    QString text;
    // The place whose clocks speak for the form: the one picked, else the one nearest to the
    // coordinates typed.
    std::optional<modPlaceName::AtlasPlace> place = pickedPlace;
    QString nearestLine;
    if (!place) {
        if (auto nearby = NearestToTypedPlace()) {
            place = nearby->place;
            nearestLine = Q(modZoneProposal::NearestPlaceText(nearby->place, nearby->dblKm)) + QLatin1Char('\n');
            // A proposal for typed coordinates waits for the user's word; only a pick sets the zone.
            apply = false;
        }
    }
    if (place) {
        const std::string& zone = place->strTimeZone;
        if (const auto moment = modZoneProposal::ClockMomentOf(SnapshotForm())) {
            zoneAtBirth = modZoneClock::ZoneAtBirthMoment(zone, *moment);
            if (zoneAtBirth) {
                zoneProposal = modZoneProposal::ProposeZone(*zoneAtBirth);
                const bool applying = apply && zoneProposal.intRow.has_value();
                text = Q(modZoneProposal::ProposalText(*zoneAtBirth, *moment, zoneProposal, applying));
            } else {
                text = Q(modZoneProposal::UnknownZoneText(zone));
            }
        } else {
            text = Q(modZoneProposal::NoDateText(zone));
        }
        text.prepend(nearestLine);
    }
    lblZoneProposal->setText(text);
    lblZoneProposal->setVisible(!text.isEmpty());
    if (apply && zoneAtBirth && zoneProposal.intRow) {
        SelectPosition(cboTimeZone, *zoneProposal.intRow);
        chkDST->setChecked(zoneProposal.blnDST);
    }
    RefreshZoneWarning();
}

void frmMain::RefreshZoneWarning() {
    std::optional<std::string> warning;
    if (zoneAtBirth)
        warning =
            modZoneProposal::ZoneWarning(*zoneAtBirth, zoneProposal, cboTimeZone->currentIndex(), chkDST->isChecked());
    lblZoneWarning->setText(warning ? Q(*warning) : QString());
    lblZoneWarning->setVisible(warning.has_value());
    // One click puts the proposal into the form when the form says otherwise.
    cmdUseZone->setVisible(warning.has_value() && zoneProposal.intRow.has_value());
}

void frmMain::cmdUseZone_Click() {
    if (!zoneProposal.intRow) return;
    SelectPosition(cboTimeZone, *zoneProposal.intRow);
    chkDST->setChecked(zoneProposal.blnDST);
    RefreshZoneWarning();
    cboTimeZone->setFocus();
}

void frmMain::cmdBack_Click() { BringToFront(Panel::PersonalDetails); }

void frmMain::mnuNewReading_Click() {
    // Back to the form with the name ready to be typed over; the rest stays, as a new reading is
    // often for the same place or day.
    BringToFront(Panel::PersonalDetails);
    txtName->setFocus();
    txtName->selectAll();
}

void frmMain::cmdSave_Click() {
    // The menu's Save reaches here from the form too; there is something to save once a reading
    // has been calculated.
    if (!readingOnScreen) return;
    const FileDialogRequest request{FileDialogRequest::Kind::Save,
                                    QString::fromUtf8(kAppTitle),
                                    QString::fromUtf8(kReadingFilter),
                                    QString::fromUtf8(kReadingSuffix),
                                    strSaveFileName,
                                    windowSettings.LastFolder()};
    const QString path = seams.FileDialog(request);
    if (path.isEmpty()) return;
    strSaveFileName = path;
    // The file holds the reading on screen, the last one calculated, and its zone row; a reading
    // opened from a file with another shift keeps it when the program's own cannot hold a letter.
    if (auto problem =
            modReadingFile::SaveReadingFile(NativePath(path), sharedState, sharedState.intZoneRow, intOpenedShift)) {
        ShowMessage(*problem);
        return;
    }
    RememberReading(path);
}

void frmMain::cmdOpen_Click() {
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

void frmMain::OpenReadingPath(const QString& path) {
    // Fields the file cannot fill keep what the form holds now; the user is told which they are
    // before the reading is calculated.
    BirthForm form = SnapshotForm();
    modReadingFile::OpenedReading opened;
    if (auto problem = modReadingFile::OpenReadingFile(NativePath(path), form, opened)) {
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
    intOpenedShift = opened.intShift;
    if (!opened.unreadLines.empty()) ShowMessage(modReadingFile::UnreadLinesNotice(opened));
    cmdCalculate_Click();
}

void frmMain::OpenHandedReading(const QString& path) {
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

void frmMain::RememberReading(const QString& path) {
    windowSettings.RememberReading(path);
    FillRecentMenu();
}

void frmMain::FillRecentMenu() {
    for (QAction* action : recentActions) {
        mnuFile->removeAction(action);
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
        action->setObjectName(QStringLiteral("mnuRecent%1").arg(number));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { OpenReadingPath(path); });
        recentActions << action;
    }
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    recentActions << separator;
    mnuFile->insertActions(mnuRasiChart, recentActions);
}

void frmMain::Command1_Click() {
    const auto lookup =
        modWebPages::PrepareLatLongLookup(S(txtCity->text()), S(txtState->text()), S(txtCountry->text()));
    if (lookup.message) {
        ShowMessage(*lookup.message);
        return;
    }
    const QUrl url = modWebPages::LatLongSearchUrl(lookup.strSearchText);
    if (!seams.OpenUrl(url)) ShowPageFailure(url);
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuAbout_Click() { seams.ShowAbout(); }

void frmMain::ShowPageFailure(const QUrl& url) {
    ShowMessage(InformationMessage(S(modWebPages::BrowserFailedText(url))));
}

void frmMain::OpenPage(modWebPages::WebPage page) {
    if (!modWebPages::OpenWebPage(page, seams.OpenUrl)) ShowPageFailure(QUrl(Q(modWebPages::WebPageAddressOf(page))));
}

void frmMain::mnuOnlineHelp_Click() {
    // The bundled page, shown by the program itself; the web copy only where none was installed.
    const auto page = modWebPages::LocalHelpPage();
    if (!page) {
        OpenPage(modWebPages::WebPage::OnlineHelp);
        return;
    }
    auto* help = findChild<modHelpWindow::HelpWindow*>();
    if (help == nullptr) {
        help = new modHelpWindow::HelpWindow(
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

void frmMain::mnuVisitUs_Click() { OpenPage(modWebPages::WebPage::HomePage); }
void frmMain::mnuUpdate_Click() { OpenPage(modWebPages::WebPage::SoftwareUpdate); }
void frmMain::mnuDonate_Click() { OpenPage(modWebPages::WebPage::Donation); }
void frmMain::mnuMakeMoney_Click() { OpenPage(modWebPages::WebPage::FullBranding); }
void frmMain::lblFullBrand_Click() { OpenPage(modWebPages::WebPage::FullBranding); }
void frmMain::lblCobrand_Click() { OpenPage(modWebPages::WebPage::CoBranding); }
void frmMain::Label8_Click() { OpenPage(modWebPages::WebPage::FullBranding); }

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (TakesWindowKey(watched, event)) return true;
    if (watched == lblResultHeader && event->type() == QEvent::Resize) {
        // A narrow window wraps the header onto more lines; the layout learns how many, so that the
        // window never gets smaller than they need and the tabs below keep their room.
        lblResultHeader->setMinimumHeight(lblResultHeader->heightForWidth(lblResultHeader->width()));
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label != nullptr &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == lblCobrand)
                lblCobrand_Click();
            else if (watched == lblFullBrand)
                lblFullBrand_Click();
            else if (watched == Label8)
                Label8_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::TakesWindowKey(QObject* watched, QEvent* event) {
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
        cmdOpen_Click();
    else
        mnuNewReading_Click();
    return true;
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && PanelInFront() == Panel::PersonalDetails) {
        cmdCalculate_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace vela
