// The window's reading files: new, open, save, the recent ones, and the exports and printing of a
// reading.
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <tuple>

#include "desktop/core_text.h"
#include "desktop/file_names.h"
#include "desktop/main_window.h"
#include "desktop/profile_dialog.h"
#include "desktop/reading_print.h"
#include "reading/calculation_driver.h"
#include "reading/jhd_reading.h"
#include "reading/reading_file.h"
#include "reading/vela_file.h"

namespace vela::desktop {

namespace {

constexpr char kReadingSuffix[] = "ved";
constexpr char kVelaSuffix[] = "vela";
// How often a reading handed over while a dialog is open looks again.
constexpr int kHandedReadingRetryMs = 250;

// What the user typed or a file held, as it is.
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Two forms that hold the same in every box, list and button.
bool SameForm(const reading::BirthForm& a, const reading::BirthForm& b) {
    const auto fields = [](const reading::BirthForm& f) {
        return std::tie(f.name, f.day, f.month, f.year, f.hour, f.minute, f.zoneRow, f.exactZone, f.latDegrees,
                        f.latMinutes, f.latSeconds, f.lonDegrees, f.lonMinutes, f.lonSeconds, f.latDirection,
                        f.lonDirection, f.dst, f.city, f.state, f.country);
    };
    return fields(a) == fields(b);
}

// Paths go to the core as the file system spells them.
std::string NativePath(const QString& path) { return NativeFileName(path); }

// The kinds of reading file the window opens, and saves by the name's ending.
QString ReadingFilters(bool velaFirst) {
    const QString ved = MainWindow::tr("Vela Upagrahas (*.ved)");
    const QString vela = MainWindow::tr("Vela reading, any script (*.vela)");
    const QString jhd = MainWindow::tr("JHD chart (*.jhd)");
    return (velaFirst ? vela + QStringLiteral(";;") + ved : ved + QStringLiteral(";;") + vela) + QStringLiteral(";;") +
           jhd;
}

}  // namespace

QString MainWindow::AskExportPath(const QString& title, const QString& filter, const QString& suffix) {
    const QString name = Q(sharedState.name).trimmed();
    const QString proposed =
        QDir(windowSettings.LastFolder()).filePath((name.isEmpty() ? tr("reading") : name) + QLatin1Char('.') + suffix);
    return seams.fileDialog(
        {FileDialogRequest::Kind::Save, title, filter, suffix, proposed, windowSettings.LastFolder(), QString()});
}

void MainWindow::PrintReading() {
    const auto& shown = resultPanel->OnScreen();
    if (!shown) return;
    auto printed = BuildPrintedReading(shown->form, shown->reading, shown->upagrahas, shown->report,
                                       resultPanel->ChartStyle(), InterfaceLanguage(), shown->farNorth);
    if (profileChoice->IncludeComparison()) printed.comparison = resultPanel->Comparison();
    seams.printPreview(printed.title, [&printed](QPrinter& printer) { PaintReading(printer, printed); });
}

void MainWindow::ExportPdf() {
    const auto& shown = resultPanel->OnScreen();
    if (!shown) return;
    const QString path = AskExportPath(tr("Export PDF"), tr("PDF document (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    auto printed = BuildPrintedReading(shown->form, shown->reading, shown->upagrahas, shown->report,
                                       resultPanel->ChartStyle(), InterfaceLanguage(), shown->farNorth);
    if (profileChoice->IncludeComparison()) printed.comparison = resultPanel->Comparison();
    QString why;
    if (!WritePdf(path, printed, &why)) ShowFailure(PdfFailedText(), path, why);
}

void MainWindow::ExportChart() {
    if (!resultPanel->OnScreen() || !resultPanel->Chart()) return;
    const QString path =
        AskExportPath(tr("Export Chart Image"), tr("PNG image (*.png);;SVG image (*.svg)"), QStringLiteral("png"));
    if (path.isEmpty()) return;
    QString why;
    if (!WriteChartImage(path, *resultPanel->Chart(), ImageFormatOf(path), &why))
        ShowFailure(ImageFailedText(), path, why);
}

void MainWindow::BackToForm() { BringToFront(Panel::PersonalDetails); }

void MainWindow::NewReading() {
    // The name will be typed over: a reading not yet saved is saved or let go first.
    if (!MayReplaceReading()) return;
    // A new birth starts from an empty date and time, never the last one's.
    birthDataPanel->ClearBirthMoment();
    MarkFormKept();
    openedChart.reset();
    StartNewReading();
}

void MainWindow::StartNewReading() {
    // Back to the form with the name ready to be typed over; the rest stays, as a new reading is
    // often for the same place or day.
    BringToFront(Panel::PersonalDetails);
    birthDataPanel->SelectName();
}

bool MainWindow::HasUnsavedReading() const { return !SameForm(birthDataPanel->SnapshotForm(), keptForm); }

void MainWindow::MarkFormKept() { keptForm = birthDataPanel->SnapshotForm(); }

bool MainWindow::MayReplaceReading() {
    if (!HasUnsavedReading()) return true;
    switch (seams.askToSave(tr("The reading on the form has not been saved.\nDo you want to save it?"))) {
        case SaveChoice::Cancel:
            return false;
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Save:
            break;
    }
    // A save writes the reading calculated from the form; a form changed since is calculated
    // first, and a form the core refuses is not saved (its message says why).
    const auto calculatedFromForm = [this] {
        const auto& shown = resultPanel->OnScreen();
        return shown && SameForm(shown->form, birthDataPanel->SnapshotForm());
    };
    if (!calculatedFromForm()) {
        Calculate();
        if (!calculatedFromForm()) return false;
    }
    return SaveReading();
}

bool MainWindow::SaveReading() {
    // The menu's Save reaches here from the form too; there is something to save once a reading
    // has been calculated.
    const auto& shown = resultPanel->OnScreen();
    if (!shown) return false;
    // No file is written that the program could not open again: a text longer than a reading file
    // holds is refused first, whatever the kind of file.
    if (auto tooLong = reading::CheckVelaTexts(reading::FormOfReading(sharedState))) {
        ShowMessage(*tooLong);
        return false;
    }
    // A .ved file when it holds the reading whole; else a .vela file, and the dialog says why.
    const auto whyVela = reading::WhyVelaIsNeeded(sharedState, openedShift);
    const QString suffix = QString::fromUtf8(whyVela ? kVelaSuffix : kReadingSuffix);
    // The file this person's reading was saved in last (with the ending the reading needs now), or
    // else a file named after the person ("Asha.ved"), as the exports propose.
    const QString name = Q(sharedState.name).trimmed();
    QString proposed = !savedFileName.isEmpty() && savedName == name
                           ? savedFileName
                           : QDir(windowSettings.LastFolder())
                                 .filePath((name.isEmpty() ? tr("reading") : name) + QLatin1Char('.') + suffix);
    if (whyVela && reading::HasReadingFileName(NativePath(proposed)))
        proposed = proposed.left(proposed.size() - 3) + suffix;
    const QString note = whyVela ? tr("Saved as .vela: %1").arg(ShowCoreMessage(*whyVela)) : QString();
    const FileDialogRequest request{FileDialogRequest::Kind::Save,
                                    QString::fromUtf8(kAppTitle),
                                    ReadingFilters(whyVela.has_value()),
                                    suffix,
                                    proposed,
                                    windowSettings.LastFolder(),
                                    note};
    const QString path = seams.fileDialog(request);
    if (path.isEmpty()) return false;
    savedFileName = path;
    savedName = name;
    // The file holds the reading on screen, the last one calculated, in the kind its name ends in:
    // a .vela reading, a .jhd chart, else a .ved reading with its zone row (written, when the
    // program's own shift cannot hold a letter, with the shift of the file it was opened from).
    const std::string native = NativePath(path);
    const auto problem = reading::HasVelaFileName(native) ? reading::SaveVelaFile(native, sharedState)
                         : reading::HasJhdFileName(native)
                             ? reading::SaveJhdFile(native, sharedState, openedChart ? &*openedChart : nullptr)
                             : reading::SaveReadingFile(native, sharedState, sharedState.zoneRow, openedShift);
    if (problem) {
        ShowMessage(*problem);
        return false;
    }
    RememberReading(path);
    keptForm = shown->form;
    // A chart holds the name only as its file's name: the user hears when that gives another.
    if (reading::HasJhdFileName(native))
        if (const auto notice = reading::JhdNameNotice(native, sharedState.name))
            ShowMessage(reading::InformationMessage(*notice));
    return true;
}

void MainWindow::OpenReading() {
    if (!MayReplaceReading()) return;
    const FileDialogRequest request{
        FileDialogRequest::Kind::Open,
        tr("Select the source file"),
        tr("Readings and charts (*.ved *.vela *.jhd)") + QStringLiteral(";;") + ReadingFilters(false),
        QString::fromUtf8(kReadingSuffix),
        QString(),
        windowSettings.LastFolder(),
        QString()};
    const QString path = seams.fileDialog(request);
    if (path.isEmpty()) return;
    OpenReadingPath(path);
}

void MainWindow::OpenReadingPath(const QString& path) {
    // Fields the file cannot fill keep what the form holds now; the user is told which they are
    // before the reading is calculated.
    reading::BirthForm form = birthDataPanel->SnapshotForm();
    reading::OpenedReading opened;
    const std::string inUse = upagraha::ProfileSpecText(profileChoice->Profile());
    std::string profileName = inUse;
    if (auto problem = reading::OpenAnyReadingFile(NativePath(path), form, opened, profileName)) {
        // A recent reading that has gone away leaves the menu.
        if (!QFileInfo::exists(path)) {
            windowSettings.ForgetReading(path);
            FillRecentMenu();
        }
        ShowMessage(*problem);
        return;
    }
    RememberReading(path);
    birthDataPanel->ApplyForm(form);
    MarkFormKept();
    openedShift = opened.shift;
    openedChart = std::move(opened.jhdChart);
    // Save proposes the chart itself, which a save as a chart writes back whole.
    if (openedChart) {
        savedFileName = path;
        savedName = Q(form.name).trimmed();
    }
    if (!opened.unreadLines.empty()) ShowMessage(reading::UnreadLinesNotice(opened));
    // A .vela reading names the profile it was made under; the window reads every file under the
    // profile its Conventions menu has chosen, and says so when the two differ.
    if (profileName != inUse)
        seams.messageBox(tr("This reading was saved under the profile \"%1\"; it is read under \"%2\", the profile "
                            "chosen in the Conventions menu.")
                             .arg(Q(profileName), Q(inUse)),
                         reading::MsgIcon::Information);
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
    if (MayReplaceReading()) OpenReadingPath(path);
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
        // "&1 Asha — asha.ved": a digit to choose it by key, the person as the file names them
        // (read now, so a file saved since shows its person) and the file's name; the whole path
        // is the tip. A file that cannot be read shows its name alone.
        QString caption = QFileInfo(path).fileName();
        reading::BirthForm form;
        reading::OpenedReading opened;
        std::string profileName;
        if (!reading::OpenAnyReadingFile(NativePath(path), form, opened, profileName)) {
            const QString person = Q(form.name).trimmed();
            if (!person.isEmpty()) caption = person + QStringLiteral(" \u2014 ") + caption;
        }
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(number).arg(caption.replace(QLatin1Char('&'), QStringLiteral("&&"))), this);
        action->setObjectName(QStringLiteral("recentAction%1").arg(number));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (MayReplaceReading()) OpenReadingPath(path);
        });
        recentActions << action;
    }
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    recentActions << separator;
    fileMenu->insertActions(rasiChartAction, recentActions);
}

}  // namespace vela::desktop
