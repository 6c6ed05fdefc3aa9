#include "desktop/frm_main.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>
#include <optional>

#include "atlas/geonames_atlas.h"
#include "desktop/about_dialog.h"
#include "desktop/app_icon.h"
#include "desktop/profile_dialog.h"
#include "desktop/report_pane.h"
#include "desktop/zone_clock.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "reading/reference_tables.h"
#include "reading/validation.h"
#include "reading/working.h"

namespace vela {

namespace {

constexpr char kReadingFilter[] = "Vela Upagrahas (*.ved)";
constexpr char kReadingSuffix[] = "ved";
constexpr char kOpenTitle[] = "Select the source file";
constexpr int kFontPointSize = 8;

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

frmMain::frmMain(WindowSeams windowSeams, QWidget* parent) : QMainWindow(parent), seams(std::move(windowSeams)) {
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
        link->installEventFilter(this);
    }
    for (QLineEdit* number : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin})
        number->setMaxLength(static_cast<int>(modValidation::kNumberBoxMaxLength));
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
    // While the list is open it takes the keys and hands them to the box directly, past the box's
    // key filter; the window judges them on the way in.
    cmpCity->popup()->installEventFilter(this);
    tmrPlaceSearch.setSingleShot(true);
    tmrPlaceSearch.setInterval(kPlaceSearchDelayMs);

    InstallSeamDefaults();
    profileChoice = new ProfileChoice(*menuBar(), mnuHelp->menuAction(), *this);
    // A reading on screen is read again under the profile just chosen.
    connect(profileChoice, &ProfileChoice::ProfileChanged, this, [this] {
        if (PanelInFront() == Panel::Result) cmdCalculate_Click();
    });
    WireEvents();
    Form_Load();
    SizePanels();
}

void frmMain::InstallSeamDefaults() {
    if (!seams.MsgBox) {
        seams.MsgBox = [this](const QString& text, MsgIcon icon) {
            QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                            QString::fromUtf8(kAppTitle), text, QMessageBox::Ok, this);
            box.exec();
        };
    }
    if (!seams.FileDialog)
        seams.FileDialog = [this](const FileDialogRequest& request) { return RunFileDialog(this, request); };
    if (!seams.OpenUrl) seams.OpenUrl = modWebPages::OpenInDefaultBrowser;
    if (!seams.ShowAbout) seams.ShowAbout = [this] { modAboutDialog::ShowAboutDialog(this); };
    if (!seams.FindPlaces)
        seams.FindPlaces = [](const QString& typed) { return modAtlas::FindPlaces(typed.toStdString()); };
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

    for (QLineEdit* box : {txtName, txtCity, txtState, txtCountry, txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        box->installEventFilter(this);
        // Paste, drag and drop and input methods bypass key presses; their text is cleaned here.
        connect(box, &QLineEdit::textEdited, this, [this, box] { CleanEditedText(box); });
    }
    // Connected after the cleaning above, so the atlas is asked about the cleaned text.
    connect(txtCity, &QLineEdit::textEdited, this, &frmMain::txtCity_Edited);
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
    resize(around + QSize(kPanelWidthPixels, kPanelHeightPixels));
}

frmMain::Panel frmMain::PanelInFront() const {
    return stkPanels->currentWidget() == Frame2 ? Panel::Result : Panel::PersonalDetails;
}

// The one place where the panels change places.
void frmMain::BringToFront(Panel panel) {
    stkPanels->setCurrentWidget(panel == Panel::Result ? static_cast<QWidget*>(Frame2) : Frame1);
    if (panel == Panel::Result)
        (tabResult->currentWidget() == tabWorking ? static_cast<QWidget*>(txtWorking) : RTB)->setFocus();
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
    ForgetPickedPlace();
    txtName->setText(Q(form.txtName));
    SelectText(cboDate, form.cboDate);
    SelectPosition(cboMonth, form.cboMonth);
    SelectText(cboYear, form.cboYear);
    SelectText(cboHour, form.cboHour);
    SelectText(cboMinute, form.cboMinute);
    SelectPosition(cboTimeZone, form.cboTimeZone);
    chkDST->setChecked(form.chkDST);
    ApplyPlace(form);
}

void frmMain::ApplyPlace(const BirthForm& form) {
    txtLatDeg->setText(Q(form.txtLatDeg));
    txtLatMin->setText(Q(form.txtLatMin));
    txtLonDeg->setText(Q(form.txtLonDeg));
    txtLonMin->setText(Q(form.txtLonMin));
    SelectDirection(optLat, form.optLat == LatChoice::North ? 0 : form.optLat == LatChoice::South ? 1 : -1);
    SelectDirection(optLong, form.optLong == LonChoice::East ? 0 : form.optLong == LonChoice::West ? 1 : -1);
    txtCity->setText(Q(form.txtCity));
    txtState->setText(Q(form.txtState));
    txtCountry->setText(Q(form.txtCountry));
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

void frmMain::cmdCalculate_Click() {
    const BirthForm form = SnapshotForm();
    const auto outcome = modCalculationDriver::RunCalculation(form, profileChoice->Profile(), sharedState);
    if (!outcome.Succeeded()) {
        ShowMessage(*outcome.message);
        return;
    }
    modReportPane::WriteReport(*RTB, outcome.report);
    readingOnScreen = ReadingOnScreen{form, outcome.upagrahas, false};
    txtWorking->clear();
    if (tabResult->currentWidget() == tabWorking) WriteWorking();
    BringToFront(Panel::Result);
}

void frmMain::tabResult_CurrentChanged() {
    if (tabResult->currentWidget() == tabWorking && readingOnScreen && !readingOnScreen->blnWorkingWritten)
        WriteWorking();
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

void frmMain::ForgetPickedPlace() {
    if (!pickedPlace) return;
    pickedPlace.reset();
    RefreshZoneProposal(false);
}

void frmMain::RefreshZoneProposal(bool apply) {
    zoneAtBirth.reset();
    QString text;
    if (pickedPlace) {
        const std::string& zone = pickedPlace->strTimeZone;
        if (const auto moment = modZoneProposal::ClockMomentOf(SnapshotForm())) {
            zoneAtBirth = modZoneClock::ZoneAtBirthMoment(zone, *moment);
            if (zoneAtBirth) {
                zoneProposal = modZoneProposal::ProposeZone(*zoneAtBirth);
                text = Q(modZoneProposal::ProposalText(*zoneAtBirth, *moment, zoneProposal));
            } else {
                text = Q(modZoneProposal::UnknownZoneText(zone));
            }
        } else {
            text = Q(modZoneProposal::NoDateText(zone));
        }
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
}

void frmMain::cmdBack_Click() { BringToFront(Panel::PersonalDetails); }

void frmMain::cmdSave_Click() {
    const FileDialogRequest request{FileDialogRequest::Kind::Save, QString::fromUtf8(kAppTitle),
                                    QString::fromUtf8(kReadingFilter), QString::fromUtf8(kReadingSuffix),
                                    strSaveFileName};
    const QString path = seams.FileDialog(request);
    if (path.isEmpty()) return;
    strSaveFileName = path;
    // The file holds the reading on screen: the save button lives on the result panel, which only
    // a successful calculation brings to the front, so the reading's zone row is the list's.
    if (auto problem =
            modReadingFile::SaveReadingFile(NativePath(path), sharedState, sharedState.intZoneRow, intOpenedShift))
        ShowMessage(*problem);
}

void frmMain::cmdOpen_Click() {
    const FileDialogRequest request{FileDialogRequest::Kind::Open, QString::fromUtf8(kOpenTitle),
                                    QString::fromUtf8(kReadingFilter), QString::fromUtf8(kReadingSuffix), QString()};
    const QString path = seams.FileDialog(request);
    if (path.isEmpty()) return;
    // Fields the file cannot fill keep what the form holds now; the user is told which they are
    // before the reading is calculated.
    BirthForm form = SnapshotForm();
    modReadingFile::OpenedReading opened;
    if (auto problem = modReadingFile::OpenReadingFile(NativePath(path), form, opened)) {
        ShowMessage(*problem);
        return;
    }
    ApplyForm(form);
    intOpenedShift = opened.intShift;
    if (!opened.unreadLines.empty()) ShowMessage(modReadingFile::UnreadLinesNotice(opened));
    cmdCalculate_Click();
}

void frmMain::Command1_Click() {
    const auto lookup =
        modWebPages::PrepareLatLongLookup(S(txtCity->text()), S(txtState->text()), S(txtCountry->text()));
    if (lookup.message) {
        ShowMessage(*lookup.message);
        return;
    }
    // A browser that cannot be started is not reported: the user still has the form as it was.
    seams.OpenUrl(modWebPages::LatLongSearchUrl(lookup.strSearchText));
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::mnuAbout_Click() { seams.ShowAbout(); }

void frmMain::OpenPage(modWebPages::WebPage page) { modWebPages::OpenWebPage(page, seams.OpenUrl); }

void frmMain::mnuOnlineHelp_Click() { OpenPage(modWebPages::WebPage::OnlineHelp); }
void frmMain::mnuVisitUs_Click() { OpenPage(modWebPages::WebPage::HomePage); }
void frmMain::mnuUpdate_Click() { OpenPage(modWebPages::WebPage::SoftwareUpdate); }
void frmMain::mnuDonate_Click() { OpenPage(modWebPages::WebPage::Donation); }
void frmMain::mnuMakeMoney_Click() { OpenPage(modWebPages::WebPage::FullBranding); }
void frmMain::lblFullBrand_Click() { OpenPage(modWebPages::WebPage::FullBranding); }
void frmMain::lblCobrand_Click() { OpenPage(modWebPages::WebPage::CoBranding); }
void frmMain::Label8_Click() { OpenPage(modWebPages::WebPage::FullBranding); }

std::optional<modValidation::BoxKind> frmMain::BoxKindOf(const QObject* box) const {
    if (box == txtName || box == txtCity || box == txtState || box == txtCountry)
        return modValidation::BoxKind::Letters;
    if (box == txtLatDeg || box == txtLatMin || box == txtLonDeg || box == txtLonMin)
        return modValidation::BoxKind::Digits;
    return std::nullopt;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (watched == cmpCity->popup())
            return FilterKeyPress(txtCity, modValidation::BoxKind::Letters, *static_cast<QKeyEvent*>(event));
        if (const auto kind = BoxKindOf(watched))
            return FilterKeyPress(static_cast<QLineEdit*>(watched), *kind, *static_cast<QKeyEvent*>(event));
    } else if (event->type() == QEvent::MouseButtonRelease) {
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

// True when the key is swallowed. Only keys that would type a character are judged: keys without
// text (arrows, Home, End), control characters (backspace, delete, tab, enter) and shortcuts
// pass untouched, because the line edit never inserts them as text.
bool frmMain::FilterKeyPress(QLineEdit* box, modValidation::BoxKind kind, const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    for (const char32_t code : text.toUcs4()) {
        if (!QChar::isPrint(code)) continue;
        if (auto refusal = modValidation::FilterKeystroke(kind, code)) {
            // The places list closes first: a message box cannot take the keys from it.
            cmpCity->popup()->hide();
            seams.MsgBox(Q(refusal->strText), refusal->icon);
            box->setFocus();
            return true;
        }
    }
    return false;
}

void frmMain::CleanEditedText(QLineEdit* box) {
    const auto kind = BoxKindOf(box);
    if (!kind) return;
    const QString text = box->text();
    const QString cleaned = Q(modValidation::CleanPastedText(*kind, S(text)));
    if (cleaned == text) return;
    // The caret stays after the same character it followed before the refused ones were dropped.
    const QString before = Q(modValidation::CleanPastedText(*kind, S(text.left(box->cursorPosition()))));
    box->setText(cleaned);
    box->setCursorPosition(static_cast<int>(std::min(before.size(), cleaned.size())));
}

}  // namespace vela
