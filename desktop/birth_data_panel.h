// The birth-data panel: the form a reading starts from, with the atlas under the city box and the
// zone the place's clocks propose.
//
// It stands at the start of the flow: the main window takes a snapshot of the form (a
// reading::BirthForm) when Calculate is asked for, hands it to the core, and writes a reading file's
// form back into it. The panel computes nothing itself: the places, their zones and the proposal
// come from the atlas module, the rules of each box from the core's form rules.
#pragma once

#include <QCompleter>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "atlas/geonames_atlas.h"
#include "atlas/place_name.h"
#include "atlas/zone_proposal.h"
#include "reading/birth_form.h"
#include "reading/ghatis.h"
#include "reading/reference_tables.h"
#include "reading/validation.h"
#include "ui_birth_data_panel.h"
#include "upagraha/profiles.h"

class QLabel;
class QLineEdit;
class QModelIndex;
class QRadioButton;
class QStandardItemModel;

namespace vela::desktop {

// How long typing in the city box pauses before the atlas is searched.
inline constexpr int kPlaceSearchDelayMs = 150;
// A pause in typing digits into a date or time list longer than this starts a new number.
inline constexpr int kTypedNumberPauseMs = 1000;
// The lines kept free for the zone proposal (nearest place, zone at birth, proposed row, and one
// more for a long place name that wraps) and for its warning, shown or not.
inline constexpr int kProposalLinesReserved = 4;
inline constexpr int kWarningLinesReserved = 2;

// What the panel asks of the world outside the window; the main window hands its own seams on.
struct BirthDataSeams {
    // Places matching the typed city, in the order offered.
    std::function<std::vector<atlas::AtlasPlace>(const QString& typed)> findPlaces;
    // The atlas place nearest to typed coordinates (degrees, North and East positive), if one
    // lies within reach.
    std::function<std::optional<atlas::NearbyPlace>(double latitude, double longitude)> findNearestPlace;
    // A short notice beside a box that goes on taking keys (a refused paste).
    std::function<void(QWidget* box, const QString& text)> notify;
    // The original's message box (a refused key).
    std::function<void(const QString& text, reading::MsgIcon icon)> messageBox;
    // The profile a reading is made under now: its sunrise turns ghatis into the clock time.
    std::function<upagraha::ConventionProfile()> profile;
};

class BirthDataPanel : public QGroupBox, private Ui::BirthDataPanel {
    Q_OBJECT

public:
    explicit BirthDataPanel(BirthDataSeams seams, QWidget* parent = nullptr);

    // Fills the lists and selects their first entries. Every step runs on its own.
    void LoadForm();

    // The form as the core sees it, and back.
    reading::BirthForm SnapshotForm() const;
    void ApplyForm(const reading::BirthForm& form);

    // The place picked from the atlas whose zone the proposal follows, if any.
    const std::optional<atlas::AtlasPlace>& PickedPlace() const { return pickedPlace; }

    // After a message about the form: the directions it chooses are chosen, and the focus goes to
    // the box it names.
    void PointAt(const reading::UserMessage& message);
    // The zone list takes the focus (a zone the user did not confirm).
    void FocusZone();
    // The name is ready to be typed over.
    void SelectName();
    // The date and time of birth emptied, for a new reading: nothing of the last birth's moment is
    // kept unseen, and a calculation asks for them first.
    void ClearBirthMoment();

    // The zone list's last entry, after the table's rows: an exact offset typed in the box beside it.
    static constexpr int kOtherOffsetEntry = reading::kZoneCount;
    // A message when that entry is chosen and its box holds no offset; nothing otherwise.
    std::optional<reading::UserMessage> OffsetProblem() const;

    // Sets the birth time (and, past midnight, the date) from the ghatis and palas in their box,
    // after the birth day's sunrise under the current profile, and tells the conversion beside it.
    void SetTimeFromGhatis();

Q_SIGNALS:
    void CalculateAsked();
    void OpenAsked();
    void LookUpAsked();

protected:
    // A new catalogue (the Language menu): the form's labels are set again; what was typed stays.
    void changeEvent(QEvent* event) override;
    // Digits typed into a date or time list choose the number typed (TakeTypedNumber).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WireEvents();
    void CityEdited();
    void SearchAtlas();
    void PlacePicked(const QModelIndex& index);
    void BirthMomentChanged();
    void CoordinatesChanged();
    void UseProposedZone();
    // The offset box shows with the zone list's last entry only.
    void ZoneEntryChanged();
    // The extra controls the form gets beside its designed ones: the offset box and the ghatis row.
    void AddOffsetBox();
    void AddGhatisRow();
    // Seconds of arc after each minute box, for places given to the second.
    void AddSecondsBoxes();
    void RetranslateAddedControls();
    void ShowMonthNames();
    static QString OtherOffsetText();
    // ApplyPlace writes only the place boxes and directions.
    void ApplyPlace(const reading::BirthForm& form);
    QWidget* FieldWidget(reading::FormField field) const;

    // The zone proposal of the picked place, or else of the atlas place nearest to typed
    // coordinates, at the form's date and time; `apply` sets the zone list and tick to it (a
    // picked place does, typed coordinates never do). The warning and the "use this zone" button
    // follow the list and tick as they are.
    void RefreshZoneProposal(bool apply);
    void RefreshZoneWarning();
    // The typed coordinates (North and East positive) when all four boxes hold a number in range
    // and both directions are chosen.
    std::optional<atlas::GeoPoint> TypedPoint() const;
    // The atlas place nearest to the typed coordinates when all four boxes hold a number.
    std::optional<atlas::NearbyPlace> NearestToTypedPlace() const;
    // A typed city that the atlas knows only far from the typed coordinates is questioned in a
    // line under the boxes; a picked place, or a city the atlas does not know, is not.
    void RefreshCityCheck();
    void ForgetPickedPlace();
    // A digit typed into a date or time list: the digits typed into it without a pause name the
    // entry chosen ("1", "5": 15; "1", "9", "7", "5": 1975); digits that begin no entry start a new
    // number with the last of them; a number no entry has leaves the list as it was. Never the next
    // entry after the typed one, as a list's own search by the first letter would give (15, "1": 16).
    void TakeTypedNumber(QComboBox& list, QChar digit);

    BirthDataSeams seams;
    std::array<QRadioButton*, 2> latRadios{};  // 0 North, 1 South
    std::array<QRadioButton*, 2> lonRadios{};  // 0 East, 1 West

    // The atlas under the city box: its places, the list offering them, and the pause in typing.
    QCompleter* cityCompleter = nullptr;
    QStandardItemModel* placesModel = nullptr;
    std::vector<atlas::AtlasPlace> offeredPlaces;  // one per row of placesModel
    QTimer placeSearchTimer;
    QLabel* cityCheckLabel = nullptr;
    std::optional<atlas::AtlasPlace> pickedPlace;
    // The exact offset beside the zone list, and the offset a reading file put there with its
    // name ("Madras Time"), kept while the box still holds that offset.
    QLineEdit* offsetEdit = nullptr;
    QLineEdit* latSecondsEdit = nullptr;
    QLineEdit* lonSecondsEdit = nullptr;
    std::optional<reading::ExactZone> appliedOffset;
    // Ghatis and palas after sunrise, the button that sets the time from them, and what they gave.
    QLineEdit* ghatisEdit = nullptr;
    QPushButton* ghatisButton = nullptr;
    QLabel* ghatisLabel = nullptr;
    std::optional<reading::GhatiConversion> ghatisShown;
    std::optional<atlas::ZoneAtMoment> zoneAtBirth;  // of the proposing place at the form's moment
    atlas::ZoneProposal zoneProposal;
    // The digits typed into a date or time list so far, the list, and when the last came.
    QString typedNumber;
    QComboBox* typedInto = nullptr;
    int typedLeftAt = -1;  // the list's entry after the last digit
    QElapsedTimer typedAt;
};

}  // namespace vela::desktop
