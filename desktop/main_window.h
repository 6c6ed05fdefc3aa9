// The main window: the birth form with its atlas, the report and its working, the menus.
//
// The window stands at both ends of that flow: each handler takes a snapshot of the form, hands it to
// the core, and shows what comes back (a message, or the report and its working in the result
// panel). It computes nothing itself: places, their zones and the zone proposal come from the atlas
// module and the core. Everything that would leave the window (message boxes, file dialogs, the
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
#include "desktop/chart_view.h"
#include "desktop/web_pages.h"
#include "desktop/window_settings.h"
#include "reading/birth_data.h"
#include "reading/birth_form.h"
#include "reading/chart_model.h"
#include "reading/reading_file.h"
#include "reading/validation.h"
#include "ui_main_window.h"
#include "upagraha/upagraha.h"
#include "upagraha/upagraha_report.h"
#include "vela_version.h"

class QCompleter;
class QKeyEvent;
class QLineEdit;
class QModelIndex;
class QAction;
class QComboBox;
class QPrinter;
class QRadioButton;
class QStandardItemModel;

namespace vela::desktop {

class ProfileChoice;

// The panels' size when the window opens: 9015 x 5535 twips, 15 twips to a pixel at 96 dpi.
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
};

struct WindowSeams {
    // A message box with one OK button, the program's title and the icon the core names.
    std::function<void(const QString& text, reading::MsgIcon icon)> MsgBox;
    // The chosen path, or an empty text when the user cancelled.
    std::function<QString(const FileDialogRequest& request)> FileDialog;
    // Opens an address in the default browser; false when that failed.
    UrlOpener OpenUrl;
    // Shows the About window modally.
    std::function<void()> ShowAbout;
    // Places matching the typed city, in the order offered; the system's atlas by default.
    std::function<std::vector<atlas::AtlasPlace>(const QString& typed)> FindPlaces;
    // The atlas place nearest to typed coordinates (degrees, North and East positive), if one
    // lies within reach; the system's atlas by default.
    std::function<std::optional<atlas::NearbyPlace>(double latitude, double longitude)> FindNearestPlace;
    // A question with Yes and No; true for Yes.
    std::function<bool(const QString& text)> Ask;
    // A short notice beside a box that goes on taking keys (a refused key or paste).
    std::function<void(QWidget* box, const QString& text)> Notify;
    // The file the window keeps its settings in; empty for the user's own settings.
    QString settingsPath;
    // Print with a preview: `paint` puts the reading onto the printer the user chose.
    std::function<void(const QString& title, const std::function<void(QPrinter& printer)>& paint)> PrintPreview;
};

// How long typing in the city box pauses before the atlas is searched.
inline constexpr int kPlaceSearchDelayMs = 150;

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
    const std::optional<atlas::AtlasPlace>& PickedPlace() const { return pickedPlace; }

    // Opens and calculates a saved reading, as "Open Previously Saved Reading" does with the file
    // chosen (the command line's file, a file handed over by a later start, a recent reading).
    void OpenReadingPath(const QString& path);
    // The same for a file handed over while the window may be busy with a dialog: it waits for the
    // dialog to close, then brings the window to the front.
    void OpenHandedReading(const QString& path);

    // The readings the File menu offers again, newest first.
    QStringList RecentReadings() const { return windowSettings.RecentReadings(); }

    // The chart style of the Chart tab, remembered between runs.
    reading::ChartStyle ChartStyle() const { return chartStyle; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadForm();
    void Calculate();
    void OpenReading();
    void SaveReading();
    void BackToForm();
    void UseProposedZone();
    void NewReading();
    void LookUpCoordinates();
    void Quit();
    void ShowAboutWindow();
    void OpenOnlineHelp();
    void VisitWebSite();
    void CheckForUpdates();
    void OpenDonationPage();
    void OpenMakeMoneyPage();
    void OpenCobrandPage();
    void OpenBrandPage();
    void OpenFullBrandingPage();
    void CityEdited();
    void SearchAtlas();
    void PlacePicked(const QModelIndex& index);
    void BirthMomentChanged();
    void CoordinatesChanged();
    void ResultTabChanged();
    void ChartStyleChanged();
    void CopyTable();
    void PrintReading();
    void ExportPdf();
    void ExportChart();

    void InstallSeamDefaults();
    void WireEvents();
    void SizePanels();
    void FillRecentMenu();
    // The header, chart and table of the reading on screen.
    void ShowResultView();
    void EnableReadingCommands(bool enabled);
    // An export's file: the save dialog in the last folder, the person's name proposed.
    QString AskExportPath(const QString& title, const QString& filter, const QString& suffix);
    void RememberReading(const QString& path);
    // True when the form may be calculated with its zone: the zone fits the place, or the user
    // said so; No puts the focus on the zone list.
    bool ConfirmZone(const reading::FormValues& values);

    // The form as the core sees it, and back; ApplyPlace writes only the place boxes and directions.
    reading::BirthForm SnapshotForm() const;
    void ApplyForm(const reading::BirthForm& form);
    void ApplyPlace(const reading::BirthForm& form);

    // The zone proposal of the picked place, or else of the atlas place nearest to typed
    // coordinates, at the form's date and time; `apply` sets the zone list and tick to it (a
    // picked place does, typed coordinates never do). The warning and the "use this zone" button
    // follow the list and tick as they are.
    void RefreshZoneProposal(bool apply);
    void RefreshZoneWarning();
    // The atlas place nearest to the typed coordinates when all four boxes hold a number.
    std::optional<atlas::NearbyPlace> NearestToTypedPlace() const;
    void ForgetPickedPlace();
    // The working of the reading on screen, written when its tab is first shown for that reading:
    // the birth-time search behind it runs the whole reading a few thousand times.
    void WriteWorking();

    void ShowMessage(const reading::UserMessage& message);
    QWidget* FieldWidget(reading::FormField field) const;
    void BringToFront(Panel panel);
    void OpenPage(WebPage page);

    void ShowPageFailure(const QUrl& url);
    // Keys the window takes before its controls: Alt+O on the form opens a reading (before the
    // menu bar's "Make Money &Online" can take it), Escape on the result goes back to the form.
    bool TakesWindowKey(QObject* watched, QEvent* event);

    std::array<QRadioButton*, 2> latRadios{};  // 0 North, 1 South
    std::array<QRadioButton*, 2> lonRadios{};  // 0 East, 1 West

    WindowSeams seams;
    WindowSettings windowSettings;
    reading::Reading sharedState;
    // The Conventions menu: the profile each reading is made under.
    ProfileChoice* profileChoice = nullptr;
    QString savedFileName;  // the last file saved in this run, proposed by the next save
    // The shift of the reading file the form was last filled from: a save writes with it when the
    // program's own shift cannot hold a letter that came from that file.
    int openedShift = reading::kFieldShift;

    // The atlas under the city box: its places, the list offering them, and the pause in typing.
    QCompleter* cityCompleter = nullptr;
    QStandardItemModel* placesModel = nullptr;
    std::vector<atlas::AtlasPlace> offeredPlaces;  // one per row of placesModel
    QTimer placeSearchTimer;
    std::optional<atlas::AtlasPlace> pickedPlace;
    std::optional<atlas::ZoneAtMoment> zoneAtBirth;  // of the proposing place at the form's moment
    atlas::ZoneProposal zoneProposal;
    QList<QAction*> recentActions;         // the File menu's recent readings, then their separator
    QComboBox* chartStyleCombo = nullptr;  // beside the result tabs while the Chart tab is in front
    reading::ChartStyle chartStyle = reading::ChartStyle::SouthIndian;

    // What the working view needs of the reading on screen; nothing before the first one.
    struct ReadingOnScreen {
        reading::BirthForm form;
        upagraha::Upagrahas upagrahas;
        upagraha::Report report;
        bool workingWritten = false;
    };
    std::optional<ReadingOnScreen> readingOnScreen;
};

}  // namespace vela::desktop
