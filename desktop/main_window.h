// The main window: the menus, the reading files (open, save, print, export), the recent readings,
// the hand-over from a later start, and the two panels it switches between, the birth-data panel
// and the result view.
//
// The window stands at both ends of the flow of a reading: each handler takes a snapshot of the
// form, hands it to the core, and gives what comes back to the result view (or shows the message).
// It computes nothing itself. Everything that would leave the window (message boxes, file dialogs, the
// browser, the About window, the atlas) goes through WindowSeams, so tests can watch it without a
// modal box ever blocking.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "atlas/geonames_atlas.h"
#include "atlas/place_name.h"
#include "atlas/zone_proposal.h"
#include "desktop/birth_data_panel.h"
#include "desktop/chart_view.h"
#include "desktop/result_view.h"
#include "desktop/web_pages.h"
#include "desktop/window_settings.h"
#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/chart_model.h"
#include "reading/reading_file.h"
#include "reading/validation.h"
#include "ui_main_window.h"
#include "upagraha/language.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"
#include "vela_version.h"

class QCloseEvent;
class QKeyEvent;
class QAction;
class QPrinter;

namespace vela::desktop {

class ProfileChoice;

// The panels' designed size: 9015 x 5535 twips, 15 twips to a pixel at 96 dpi (the window opens larger
// where the screen has room).
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kPanelWidthPixels = 9015 / kTwipsPerPixel;
inline constexpr int kPanelHeightPixels = 5535 / kTwipsPerPixel;

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;         // "Vela Upagrahas (*.ved)"
    QString defaultSuffix;  // "ved", added to a typed name without one
    QString proposedPath;
    QString folder;  // where the dialog starts when no path is proposed: the last folder used
    // A sentence the dialog shows in its body, above its buttons: why Save proposes .vela.
    QString note;
};

// What the user chose for a reading not yet saved when another is about to take its place.
enum class SaveChoice { Save, Discard, Cancel };

struct WindowSeams {
    // A message box with one OK button, the program's title and the icon the core names.
    std::function<void(const QString& text, reading::MsgIcon icon)> messageBox;
    // The chosen path, or an empty text when the user cancelled.
    std::function<QString(const FileDialogRequest& request)> fileDialog;
    // Opens an address in the default browser; false when that failed.
    UrlOpener openUrl;
    // Shows the About window modally.
    std::function<void()> showAbout;
    // Places matching the typed city, in the order offered; the system's atlas by default.
    std::function<std::vector<atlas::AtlasPlace>(const QString& typed)> findPlaces;
    // The atlas place nearest to typed coordinates (degrees, North and East positive), if one
    // lies within reach; the system's atlas by default.
    std::function<std::optional<atlas::NearbyPlace>(double latitude, double longitude)> findNearestPlace;
    // A question with Yes and No; true for Yes.
    std::function<bool(const QString& text)> ask;
    // A question with Save, Discard and Cancel, before an unsaved reading would be lost.
    std::function<SaveChoice(const QString& text)> askToSave;
    // A short notice beside a box that goes on taking keys (a refused key or paste).
    std::function<void(QWidget* box, const QString& text)> notify;
    // The file the window keeps its settings in; empty for the user's own settings.
    QString settingsPath;
    // Print with a preview: `paint` puts the reading onto the printer the user chose.
    std::function<void(const QString& title, const std::function<void(QPrinter& printer)>& paint)> printPreview;
};

class MainWindow : public QMainWindow, private Ui::MainWindow {
    Q_OBJECT

public:
    // Seams left empty get the real dialogs and browser.
    explicit MainWindow(WindowSeams seams = {}, QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The reading of the last successful calculation (what a save writes).
    const reading::Reading& ChartState() const { return sharedState; }

    enum class Panel { PersonalDetails, Result };
    Panel PanelInFront() const;

    // The place picked from the atlas whose zone the proposal follows, if any.
    const std::optional<atlas::AtlasPlace>& PickedPlace() const { return birthDataPanel->PickedPlace(); }

    // Opens and calculates a saved reading, as "Open Previously Saved Reading" does with the file
    // chosen (the command line's file, a file handed over by a later start, a recent reading).
    void OpenReadingPath(const QString& path);
    // The same for a file handed over while the window may be busy with a dialog: it waits for the
    // dialog to close, then brings the window to the front.
    void OpenHandedReading(const QString& path);

    // The readings the File menu offers again, newest first.
    QStringList RecentReadings() const { return windowSettings.RecentReadings(); }

    // The chart style of the Chart tab, remembered between runs.
    reading::ChartStyle ChartStyle() const { return resultPanel->ChartStyle(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new catalogue (the Language menu): the menus and the window's own texts are set again.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window (Exit, the title bar's button) asks first for a reading not yet saved.
    void closeEvent(QCloseEvent* event) override;

private:
    void Calculate();
    void OpenReading();
    // True when the reading was written.
    bool SaveReading();
    void BackToForm();
    void NewReading();
    // The form in front, its name selected to be typed over (Escape on the result).
    void StartNewReading();
    void LookUpCoordinates();
    void Quit();
    void ShowAboutWindow();
    // The day's portions at the form's place (File menu).
    void ShowDayPortions();
    void OpenOnlineHelp();
    void VisitWebSite();
    void CheckForUpdates();
    void OpenDonationPage();
    void OpenMakeMoneyPage();
    void OpenCobrandPage();
    void OpenBrandPage();
    void OpenFullBrandingPage();
    void ChartStyleChosen(reading::ChartStyle style);
    // The Language menu: the window and the reading on screen change language at once, and the
    // choice is remembered.
    void LanguageChosen(upagraha::Language language);
    void AddLanguageMenu();
    void PrintReading();
    void ExportPdf();
    void ExportChart();

    void InstallSeamDefaults();
    void AddPanels();
    void WireEvents();
    void SizePanels();
    // The window within the available area of the screen it lies on, with room for its frame.
    void KeepWithinScreen();
    void FillRecentMenu();
    void EnableReadingCommands(bool enabled);
    // An export's file: the save dialog in the last folder, the person's name proposed.
    QString AskExportPath(const QString& title, const QString& filter, const QString& suffix);
    void RememberReading(const QString& path);
    // A reading typed or changed since it was last saved, opened or let go.
    bool HasUnsavedReading() const;
    // The form as it is now counts as kept: it is in a file, or the user let it go.
    void MarkFormKept();
    // Before the form is replaced or the window closes: true when nothing unsaved is lost, because
    // there was nothing, the user saved it (calculated first when the form has changed since), or
    // let it go; false when the user cancelled or the save did not happen.
    bool MayReplaceReading();
    // True when the form may be calculated with its zone: the zone fits the place, or the user
    // said so; No puts the focus on the zone list.
    bool ConfirmZone(const reading::FormValues& values);

    // A message of the core: shown, then the form points at the box it names.
    void ShowMessage(const reading::UserMessage& message);
    // A failure the window itself reports, with the path it concerns.
    void ShowFailure(const QString& text, const QString& path, const QString& why = {});
    // The one place where the panels change places.
    void BringToFront(Panel panel);
    void OpenPage(WebPage page);

    void ShowPageFailure(const QUrl& url);
    // Keys the window takes before its controls: Alt+O on the form opens a reading (before the
    // menu bar's "Make Money &Online" can take it), Escape on the result goes back to the form.
    bool TakesWindowKey(QObject* watched, QEvent* event);

    WindowSeams seams;
    WindowSettings windowSettings;
    reading::Reading sharedState;
    // The two panels, one in front at a time.
    BirthDataPanel* birthDataPanel = nullptr;
    ResultView* resultPanel = nullptr;
    // The Conventions menu: the profile each reading is made under.
    ProfileChoice* profileChoice = nullptr;
    // The Language menu: English, हिन्दी, தமிழ், each in its own name and script.
    QMenu* languageMenu = nullptr;
    std::array<QAction*, upagraha::kLanguages.size()> languageActions{};
    QString savedFileName;  // the last file saved in this run, proposed by the next save of the same person
    QString savedName;      // the person whose reading went into savedFileName
    // The shift of the reading file the form was last filled from: a save writes with it when the
    // program's own shift cannot hold a letter that came from that file.
    int openedShift = reading::kFieldShift;
    // The .jhd chart the reading was opened from, until a new reading starts: a save as a chart
    // starts from it and keeps the lines a reading does not hold.
    std::optional<reading::JhdChart> openedChart;
    QList<QAction*> recentActions;  // the File menu's recent readings, then their separator
    // The form as it was when last saved, opened or let go (at start-up, the empty form).
    reading::BirthForm keptForm;
};

}  // namespace vela::desktop
