// The main window: the birth form, the report, the menus.
//
// Flow of a reading: form -> validation -> driver -> chart angles -> sunrise x3 -> upagrahas -> report.
// The window stands at both ends of that flow: each handler takes a snapshot of the form, hands it to
// the core, and shows what comes back (a message, or the report in the result panel). It computes
// nothing itself. Everything that would leave the window (message boxes, file dialogs, the browser,
// the About window) goes through WindowSeams, so tests can watch it without a modal box ever blocking.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>
#include <optional>

#include "app/birth_data.h"
#include "app/birth_form.h"
#include "app/validation.h"
#include "shell/web_pages.h"
#include "ui_frm_main.h"

class QKeyEvent;
class QLineEdit;
class QRadioButton;

namespace vela {

inline constexpr char kAppTitle[] = "Vela Upagrahas";
inline constexpr char kWindowCaption[] = "Vela Upagrahas v1.20";

// The panels' size when the window opens: 9015 x 5535 twips, 15 twips to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kPanelWidthPixels = 9015 / kTwipsPerPixel;
inline constexpr int kPanelHeightPixels = 5535 / kTwipsPerPixel;

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString strTitle;
    QString strFilter;         // "Vela Upagrahas (*.ved)"
    QString strDefaultSuffix;  // "ved", added to a typed name without one
    QString strProposedPath;
};

struct WindowSeams {
    // A message box with one OK button, the program's title and the icon the core names.
    std::function<void(const QString& text, MsgIcon icon)> MsgBox;
    // The chosen path, or an empty text when the user cancelled.
    std::function<QString(const FileDialogRequest& request)> FileDialog;
    // Opens an address in the default browser; false when that failed.
    modWebPages::UrlOpener OpenUrl;
    // Shows the About window modally.
    std::function<void()> ShowAbout;
};

class frmMain : public QMainWindow, private Ui::frmMain {
    Q_OBJECT

public:
    // Seams left empty get the real dialogs and browser.
    explicit frmMain(WindowSeams seams = {}, QWidget* parent = nullptr);

    // The reading of the last successful calculation (what a save writes).
    const SharedChartState& ChartState() const { return sharedState; }

    enum class Panel { PersonalDetails, Result };
    Panel PanelInFront() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmdCalculate_Click();
    void cmdOpen_Click();
    void cmdSave_Click();
    void cmdBack_Click();
    void Command1_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuOnlineHelp_Click();
    void mnuVisitUs_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void Label8_Click();

    void InstallSeamDefaults();
    void WireEvents();
    void SizePanels();

    // The form as the core sees it, and back.
    BirthForm SnapshotForm() const;
    void ApplyForm(const BirthForm& form);

    void ShowMessage(const UserMessage& message);
    QWidget* FieldWidget(FormField field) const;
    void BringToFront(Panel panel);
    void OpenPage(modWebPages::WebPage page);

    // Keystroke and paste rules of the eight text boxes.
    std::optional<modValidation::BoxKind> BoxKindOf(const QObject* box) const;
    bool FilterKeyPress(QLineEdit* box, modValidation::BoxKind kind, const QKeyEvent& event);
    void CleanEditedText(QLineEdit* box);

    std::array<QRadioButton*, 2> optLat{};   // 0 North, 1 South
    std::array<QRadioButton*, 2> optLong{};  // 0 East, 1 West

    WindowSeams seams;
    SharedChartState sharedState;
    QString strSaveFileName;  // the last file saved in this run, proposed by the next save
};

}  // namespace vela
