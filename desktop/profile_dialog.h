// The window's convention profiles: the Conventions menu, the small dialog that sets up the custom
// profile, and the memory of the choice between runs.
//
// Flow: the menu's choice -> ProfileChoice::Profile() -> the driver (each calculation) and the
// working's side-by-side table. The choice is kept in the user's settings file, never in a reading
// file: a profile is a way of reading a birth, not part of it.
#pragma once

#include <QDialog>
#include <QObject>

#include <array>
#include <functional>
#include <optional>

#include "upagraha/profiles.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QSettings;

namespace vela::desktop {

// The custom profile's settings, one list for every axis: the lord order, the point of the portion
// for each upagraha (Maandi also by the ghatis), the sunrise, Vyatipata, the ephemeris, the
// ayanamsa and the rules of the hora, drekkana and trimsamsa, with a line that says what they
// amount to.
class ProfileDialog : public QDialog {
    Q_OBJECT

public:
    ProfileDialog(const upagraha::ConventionProfile& initial, QWidget* parent = nullptr);
    // The settings as they stand: a preset's name when they are one's, else the custom name.
    upagraha::ConventionProfile Profile() const;

private:
    void ShowDescription();

    QComboBox* lordOrderCombo = nullptr;
    std::array<QComboBox*, upagraha::kUpagrahaCount> pointCombo{};
    QComboBox* sunriseCombo = nullptr;
    QComboBox* vyatipataCombo = nullptr;
    QComboBox* ephemerisCombo = nullptr;
    QComboBox* ayanamsaCombo = nullptr;
    QComboBox* horaCombo = nullptr;
    QComboBox* drekkanaCombo = nullptr;
    QComboBox* trimsamsaCombo = nullptr;
    QLabel* descriptionLabel = nullptr;
};

// Asks for the custom profile's settings, starting from `current` (the profile in use); nothing
// when cancelled.
using CustomProfileEditor = std::function<std::optional<upagraha::ConventionProfile>(
    QWidget* parent, const upagraha::ConventionProfile& current)>;
// The real one: the dialog above, shown modally.
std::optional<upagraha::ConventionProfile> EditCustomProfile(QWidget* parent,
                                                             const upagraha::ConventionProfile& current);

// The "Conventions" menu and the profile it has chosen.
class ProfileChoice : public QObject {
    Q_OBJECT

public:
    // Adds the menu to the bar before `before` (at the end when null) and takes up the choice the
    // settings remember; the original profile when they hold none, or none that reads.
    ProfileChoice(QMenuBar& menuBar, QAction* before, QWidget& window);

    const upagraha::ConventionProfile& Profile() const { return profile; }
    QMenu* Menu() const { return conventionsMenu; }
    // The menu's check "Include the comparison of profiles in print", remembered between runs and
    // off at first: the printed reading and the PDF then end with the comparison grid.
    bool IncludeComparison() const;
    // Sets the menu's texts again in the language of the catalogue installed now.
    void Retranslate();
    // Tests put a recorder here so that no modal dialog opens.
    void SetCustomEditor(CustomProfileEditor editor) { editCustom = std::move(editor); }

    // Where the choice is kept: the user's settings of the program.
    static QSettings Settings();
    // The profile those settings name; the original one when they name none that reads.
    static upagraha::ConventionProfile RememberedProfile();

Q_SIGNALS:
    // The profile changed by the user's hand (not at start).
    void ProfileChanged();

private:
    void Choose(const upagraha::ConventionProfile& chosen);
    void ChooseCustomProfile();
    void CheckActionOfProfile();
    // The presets' titles and descriptions in the language of the user interface.
    void ShowProfileNames();
    void Remember() const;
    void Recall();

    QWidget& window;
    QMenu* conventionsMenu = nullptr;
    QActionGroup* grpProfiles = nullptr;
    std::array<QAction*, upagraha::kListedProfileCount> namedProfileActions{};
    QAction* customProfileAction = nullptr;
    QAction* includeComparisonAction = nullptr;
    CustomProfileEditor editCustom;
    upagraha::ConventionProfile profile = upagraha::kOriginalProfile;
    // The custom settings last made, remembered with the choice.
    upagraha::ConventionProfile custom;
};

}  // namespace vela::desktop
