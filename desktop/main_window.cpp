#include "desktop/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QToolTip>

#include <algorithm>
#include <optional>
#include <tuple>

#include "atlas/geonames_atlas.h"
#include "desktop/about_dialog.h"
#include "desktop/app_icon.h"
#include "desktop/core_text.h"
#include "desktop/day_view.h"
#include "desktop/file_names.h"
#include "desktop/help_window.h"
#include "desktop/profile_dialog.h"
#include "desktop/reading_print.h"
#include "desktop/translations.h"
#include "reading/calculation_driver.h"
#include "reading/day_portions.h"
#include "reading/form_values.h"
#include "reading/jhd_reading.h"
#include "reading/reading_file.h"
#include "reading/validation.h"
#include "reading/vela_file.h"
#include "reading/zone_check.h"

namespace vela::desktop {

namespace {

constexpr int kFontPointSize = 8;
// Room a window manager takes around the window: its borders and title bar.
const QSize kFrameAllowance(16, 40);
// How much larger than the designed panels the window opens, where the screen has room.
constexpr double kOpeningScale = 1.5;

// What the user typed or a file held, as it is.
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

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
    // The note in the dialog's body, whole and wrapped (a title bar would cut it); the program's own
    // dialog, since the desktop's cannot take a line of ours.
    if (!request.note.isEmpty()) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* note = new QLabel(request.note, &dialog);
        note->setObjectName(QStringLiteral("fileDialogNote"));
        note->setWordWrap(true);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (!request.proposedPath.isEmpty()) dialog.selectFile(request.proposedPath);
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        const QFileInfo info(path);
        // Saving replaces the file through a rename, which would get past a read-only file's
        // protection; such a file is refused here, as the user asked for it to stay as it is.
        if (save && info.exists() && !info.isWritable()) {
            QMessageBox::warning(&dialog, request.title,
                                 MainWindow::tr("%1 is read-only.\nPlease choose another name.").arg(path));
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

    InstallSeamDefaults();
    AddPanels();
    profileChoice = new ProfileChoice(*menuBar(), helpMenu->menuAction(), *this);
    // A reading on screen is read again under the profile just chosen.
    connect(profileChoice, &ProfileChoice::ProfileChanged, this, [this] {
        if (PanelInFront() == Panel::Result) Calculate();
    });
    AddLanguageMenu();
    WireEvents();
    // The day's portions at the form's place, under the chosen profile.
    auto* dayPortionsAction = new QAction(tr("Da&y Portions..."), this);
    dayPortionsAction->setObjectName(QStringLiteral("dayPortionsAction"));
    fileMenu->insertAction(quitAction, dayPortionsAction);
    connect(dayPortionsAction, &QAction::triggered, this, &MainWindow::ShowDayPortions);
    birthDataPanel->LoadForm();
    MarkFormKept();
    BringToFront(Panel::PersonalDetails);
    SizePanels();
    // The size and place the window had when it was last closed, on a screen and within the
    // screen's available area.
    if (const QByteArray geometry = windowSettings.Geometry(); !geometry.isEmpty()) {
        restoreGeometry(geometry);
        KeepWithinScreen();
    }
    // The file commands' tips (what Get My Rasi Chart does, a recent reading's whole path) show
    // as the mouse rests on them.
    fileMenu->setToolTipsVisible(true);
    FillRecentMenu();
    EnableReadingCommands(false);
    // A name typed right after the start goes into the name box.
    birthDataPanel->SelectName();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::InstallSeamDefaults() {
    if (!seams.messageBox) {
        seams.messageBox = [this](const QString& text, reading::MsgIcon icon) {
            QMessageBox box(icon == reading::MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                            QString::fromUtf8(kAppTitle), text, QMessageBox::Ok, this);
            // A message may carry an address or a path to copy.
            box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            box.exec();
        };
    }
    if (!seams.ask) {
        seams.ask = [this](const QString& text) {
            QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle), text,
                            QMessageBox::Yes | QMessageBox::No, this);
            box.setDefaultButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes;
        };
    }
    if (!seams.askToSave) {
        seams.askToSave = [this](const QString& text) {
            QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle), text,
                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            const int answer = box.exec();
            return answer == QMessageBox::Save      ? SaveChoice::Save
                   : answer == QMessageBox::Discard ? SaveChoice::Discard
                                                    : SaveChoice::Cancel;
        };
    }
    if (!seams.notify) {
        // A tip under the box: the keys typed next still go into the box, where a message box
        // would take them.
        seams.notify = [](QWidget* box, const QString& text) {
            QApplication::beep();
            QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), text, box);
        };
    }
    if (!seams.fileDialog)
        seams.fileDialog = [this](const FileDialogRequest& request) { return RunFileDialog(this, request); };
    if (!seams.openUrl) seams.openUrl = OpenInDefaultBrowser;
    if (!seams.showAbout) seams.showAbout = [this] { ShowAboutDialog(this); };
    if (!seams.findPlaces)
        seams.findPlaces = [](const QString& typed) { return atlas::FindPlaces(typed.toStdString()); };
    if (!seams.printPreview) {
        seams.printPreview = [this](const QString& title, const std::function<void(QPrinter&)>& paint) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setPageSize(LocalePageSize(QLocale()));
            printer.setDocName(title);
            QPrintPreviewDialog preview(&printer, this);
            preview.setWindowTitle(title);
            // Within the screen's available area, and large enough to show a page; Print leads
            // the tool bar (the dialog puts it last), so that a narrow window, on a small or highly
            // scaled screen, never puts it away behind the tool bar's overflow arrow.
            if (const QScreen* display = screen()) {
                const QRect available = display->availableGeometry();
                preview.resize(preview.sizeHint()
                                   .expandedTo(QSize(kPanelWidthPixels, kPanelHeightPixels) * kOpeningScale)
                                   .boundedTo(available.size() - kFrameAllowance));
                preview.move(available.topLeft());
            }
            if (auto* bar = preview.findChild<QToolBar*>(); bar != nullptr && !bar->actions().isEmpty()) {
                QAction* print = bar->actions().last();
                QAction* first = bar->actions().first();
                bar->removeAction(print);
                bar->insertAction(first, print);
                bar->insertSeparator(first);
            }
            connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                    [&paint](QPrinter* target) { paint(*target); });
            preview.exec();
        };
    }
    if (!seams.findNearestPlace) {
        seams.findNearestPlace = [](double latitude, double longitude) {
            return atlas::FindNearestPlace({latitude, longitude});
        };
    }
}

// The form and the result, one in front of the other; the form's seams are the window's own.
void MainWindow::AddPanels() {
    birthDataPanel = new BirthDataPanel({seams.findPlaces, seams.findNearestPlace, seams.notify, seams.messageBox,
                                         [this] { return profileChoice->Profile(); }},
                                        panelStack);
    resultPanel = new ResultView(panelStack);
    panelStack->addWidget(birthDataPanel);
    panelStack->addWidget(resultPanel);
    resultPanel->SetChartStyle(windowSettings.ChartStyle());
}

void MainWindow::WireEvents() {
    connect(birthDataPanel, &BirthDataPanel::CalculateAsked, this, &MainWindow::Calculate);
    connect(birthDataPanel, &BirthDataPanel::OpenAsked, this, &MainWindow::OpenReading);
    connect(birthDataPanel, &BirthDataPanel::LookUpAsked, this, &MainWindow::LookUpCoordinates);
    connect(resultPanel, &ResultView::SaveAsked, this, &MainWindow::SaveReading);
    connect(resultPanel, &ResultView::BackAsked, this, &MainWindow::BackToForm);
    connect(resultPanel, &ResultView::ChartStyleChosen, this, &MainWindow::ChartStyleChosen);
    connect(rasiChartAction, &QAction::triggered, this, &MainWindow::Calculate);
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
    connect(printAction, &QAction::triggered, this, &MainWindow::PrintReading);
    connect(exportPdfAction, &QAction::triggered, this, &MainWindow::ExportPdf);
    connect(exportChartAction, &QAction::triggered, this, &MainWindow::ExportChart);
    // The window watches the application's events: the clicks on its link labels, and Alt+O on
    // its way to whichever control has the focus.
    qApp->installEventFilter(this);
}

// The panels open at half as large again as their designed size, so that the chart below the
// result's header has room for type a person reads (at the designed size it gets about 200 pixels
// and sign labels of 6); the layouts take over from there. A hidden window has no laid-out geometry
// yet, so the space around the panels is summed from the same layouts.
void MainWindow::SizePanels() {
    const QMargins margins = layCentral->contentsMargins();
    const int spacing = std::max(layCentral->spacing(), 0);
    const QSize around(
        margins.left() + margins.right(),
        menuBar()->sizeHint().height() + margins.top() + layPromo->sizeHint().height() + spacing + margins.bottom());
    QSize size = around + QSize(kPanelWidthPixels, kPanelHeightPixels) * kOpeningScale;
    // On a small or highly scaled screen the window opens no larger than the screen leaves room
    // for beside a title bar; the form scrolls inside it.
    if (const QScreen* display = screen()) size = size.boundedTo(display->availableGeometry().size() - kFrameAllowance);
    resize(size);
}

// A size remembered on a larger screen, or before the screen's scale was raised, is made to fit
// the screen the window comes back on (restoreGeometry keeps the place on a screen, not the size
// within it), and the window placed so that its frame lies on that screen.
void MainWindow::KeepWithinScreen() {
    const QScreen* display = QGuiApplication::screenAt(geometry().center());
    if (display == nullptr) display = screen();
    if (display == nullptr) return;
    const QRect available = display->availableGeometry();
    const QSize room = available.size() - kFrameAllowance;
    if (width() > room.width() || height() > room.height()) resize(size().boundedTo(room));
    // Its top left corner stays on the screen, even for a window that cannot get small enough.
    const QPoint place(std::max(available.left(), std::min(x(), available.left() + room.width() - width())),
                       std::max(available.top(), std::min(y(), available.top() + room.height() - height())));
    if (place != pos()) move(place);
}

MainWindow::Panel MainWindow::PanelInFront() const {
    return panelStack->currentWidget() == resultPanel ? Panel::Result : Panel::PersonalDetails;
}

void MainWindow::BringToFront(Panel panel) {
    panelStack->setCurrentWidget(panel == Panel::Result ? static_cast<QWidget*>(resultPanel) : birthDataPanel);
    if (panel == Panel::Result) resultPanel->FocusTabInFront();
}

void MainWindow::ShowMessage(const reading::UserMessage& message) {
    seams.messageBox(ShowCoreMessage(message.text), message.icon);
    birthDataPanel->PointAt(message);
}

void MainWindow::ShowFailure(const QString& text, const QString& path, const QString& why) {
    seams.messageBox(FailureAboutFile(text, path, why, QStringLiteral("\n")), reading::MsgIcon::Critical);
}

bool MainWindow::ConfirmZone(const reading::FormValues& values) {
    const auto warning = reading::ZonePlausibilityWarning(values);
    if (!warning) return true;
    if (seams.ask(ShowCoreMessage(*warning) + QLatin1Char(' ') + ShowCoreMessage(reading::kZoneQuestion))) return true;
    BringToFront(Panel::PersonalDetails);
    birthDataPanel->FocusZone();
    return false;
}

void MainWindow::Calculate() {
    const reading::BirthForm form = birthDataPanel->SnapshotForm();
    const reading::FormValues values = reading::ParseForm(form);
    // The form's own faults first, with their messages; the zone is questioned only for a form
    // that could be calculated.
    if (auto problem = birthDataPanel->OffsetProblem()) {
        ShowMessage(*problem);
        return;
    }
    if (auto problem = reading::RefuseForm(values)) {
        ShowMessage(*problem);
        return;
    }
    if (!ConfirmZone(values)) return;
    reading::CalculationRequest request = kDesktopRequest;
    request.language = InterfaceLanguage();
    const auto outcome = reading::RunCalculation(values, profileChoice->Profile(), sharedState, request);
    if (!outcome.Succeeded()) {
        ShowMessage(*outcome.message);
        return;
    }
    resultPanel->ShowReading({sharedState, form, outcome.upagrahas, outcome.report, outcome.farNorth});
    EnableReadingCommands(true);
    BringToFront(Panel::Result);
}

void MainWindow::EnableReadingCommands(bool enabled) {
    for (QAction* command : {saveAction, printAction, exportPdfAction, exportChartAction}) command->setEnabled(enabled);
}

void MainWindow::ChartStyleChosen(reading::ChartStyle style) { windowSettings.SetChartStyle(style); }

void MainWindow::AddLanguageMenu() {
    // The language remembered from the menu wins over the system's, whose catalogue main() put in.
    const auto remembered = windowSettings.Language();
    if (remembered && *remembered != InterfaceLanguage()) SwitchLanguage(*remembered);
    languageMenu = new QMenu(tr("&Language"), this);
    languageMenu->setObjectName(QStringLiteral("languageMenu"));
    menuBar()->insertMenu(helpMenu->menuAction(), languageMenu);
    auto* group = new QActionGroup(languageMenu);
    for (std::size_t i = 0; i < upagraha::kLanguages.size(); ++i) {
        const upagraha::Language language = upagraha::kLanguages[i];
        QAction* action = languageMenu->addAction(ShowCoreText(upagraha::LanguageName(language)));
        action->setObjectName(QStringLiteral("languageAction_") + ShowCoreText(upagraha::LanguageCode(language)));
        action->setCheckable(true);
        action->setChecked(language == InterfaceLanguage());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { LanguageChosen(language); });
        languageActions[i] = action;
    }
}

void MainWindow::LanguageChosen(upagraha::Language language) {
    windowSettings.SetLanguage(language);
    if (language != InterfaceLanguage() && !SwitchLanguage(language))
        seams.messageBox(tr("The catalogue of %1 was not found; the window stays as it is.")
                             .arg(ShowCoreText(upagraha::LanguageName(language))),
                         reading::MsgIcon::Critical);
    for (std::size_t i = 0; i < languageActions.size(); ++i)
        languageActions[i]->setChecked(upagraha::kLanguages[i] == InterfaceLanguage());
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        setWindowTitle(QString::fromUtf8(kWindowCaption));
        if (languageMenu != nullptr) languageMenu->setTitle(tr("&Language"));
        if (profileChoice != nullptr) profileChoice->Retranslate();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::LookUpCoordinates() {
    const reading::BirthForm form = birthDataPanel->SnapshotForm();
    const auto lookup = PrepareLatLongLookup(form.city, form.state, form.country);
    if (lookup.message) {
        ShowMessage(*lookup.message);
        return;
    }
    const QUrl url = LatLongSearchUrl(lookup.searchText);
    if (!seams.openUrl(url)) ShowPageFailure(url);
}

void MainWindow::Quit() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (MayReplaceReading()) {
        windowSettings.SetGeometry(saveGeometry());
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::ShowAboutWindow() { seams.showAbout(); }

void MainWindow::ShowPageFailure(const QUrl& url) {
    seams.messageBox(BrowserFailedText(url), reading::MsgIcon::Information);
}

void MainWindow::OpenPage(WebPage page) {
    if (!OpenWebPage(page, seams.openUrl)) ShowPageFailure(QUrl(Q(WebPageAddressOf(page))));
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
                if (seams.openUrl(url)) return true;
                ShowPageFailure(url);
                return false;
            },
            this);
    } else {
        help->ShowPage(*page);
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
    // Escape only brings the form back, the reading on it as it was: nothing is let go.
    if (altO)
        OpenReading();
    else
        StartNewReading();
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

namespace vela::desktop {

void MainWindow::ShowDayPortions() {
    const reading::BirthForm form = birthDataPanel->SnapshotForm();
    reading::DayPlace place;
    if (auto problem = reading::DayPlaceOf(reading::ParseForm(form), place)) {
        seams.messageBox(ShowCoreMessage(*problem), reading::MsgIcon::Information);
        return;
    }
    auto* view = new DayView(place, profileChoice->Profile(), this);
    const reading::FormValues values = reading::ParseForm(form);
    if (values.year.value && values.day.value)
        view->SetBirthDate(QDate(*values.year.value, values.month + 1, *values.day.value));
    if (const auto& picked = birthDataPanel->PickedPlace()) view->SetZoneHistory(picked->zoneName);
    // The sheets name the city as the form has it, and the month prints with the reading's preview.
    QStringList names;
    for (const std::string* part : {&form.city, &form.state, &form.country})
        if (const QString name = Q(*part).trimmed(); !name.isEmpty()) names << name;
    view->SetPlaceName(names.join(QStringLiteral(", ")));
    view->SetPrintPreview(seams.printPreview);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->show();
}

}  // namespace vela::desktop
