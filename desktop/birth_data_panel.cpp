#include "desktop/birth_data_panel.h"

#include <QEvent>
#include <QKeyEvent>

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>
#include <cmath>

#include "atlas/nearest_place.h"
#include "desktop/box_rules.h"
#include "desktop/core_text.h"
#include "desktop/zone_clock.h"
#include "reading/form_values.h"
#include "reading/reference_tables.h"
#include "reading/vela_file.h"

namespace vela::desktop {

namespace {

// Rows of the form a window at its minimum size still shows, the rest scrolled to.
constexpr int kFormRowsAlwaysShown = 4;

// What the user typed or a file held, as it is.
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string S(const QString& text) { return text.toStdString(); }

template <std::size_t N>
void FillList(QComboBox* list, const std::array<std::string_view, N>& entries) {
    list->clear();
    for (const std::string_view entry : entries) list->addItem(ShowCoreText(entry));
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

}  // namespace

BirthDataPanel::BirthDataPanel(BirthDataSeams panelSeams, QWidget* parent)
    : QGroupBox(parent), seams(std::move(panelSeams)) {
    setupUi(this);
    latRadios = {northRadio, southRadio};
    lonRadios = {eastRadio, westRadio};

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

    // The zone proposal and its warning come and go as the place and moment change: their rows
    // keep their room while empty, so the boxes below them stay where the user's eyes left them.
    const int lineHeight = zoneProposalLabel->fontMetrics().lineSpacing();
    zoneProposalLabel->setMinimumHeight(kProposalLinesReserved * lineHeight);
    zoneWarningLabel->setMinimumHeight(kWarningLinesReserved * lineHeight);
    for (QWidget* comesAndGoes : {static_cast<QWidget*>(zoneProposalLabel), static_cast<QWidget*>(zoneWarningLabel),
                                  static_cast<QWidget*>(useZoneButton)}) {
        QSizePolicy policy = comesAndGoes->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        comesAndGoes->setSizePolicy(policy);
    }

    cityCheckLabel = new QLabel(this);
    cityCheckLabel->setObjectName(QStringLiteral("cityCheckLabel"));
    cityCheckLabel->setWordWrap(true);
    cityCheckLabel->setPalette(warningPalette);
    cityCheckLabel->setVisible(false);
    layFields->addWidget(cityCheckLabel, layFields->rowCount(), 0, 1, layFields->columnCount());

    AddOffsetBox();
    AddSecondsBoxes();
    AddGhatisRow();
    // The letter boxes take no more than a reading file holds of each text.
    for (QLineEdit* letters : {nameEdit, cityEdit, stateEdit, countryEdit})
        letters->setMaxLength(static_cast<int>(reading::kMaxLetterBoxChars));

    // However small the window, the scrolling form keeps room for a few rows of boxes.
    formScrollArea->setMinimumHeight(kFormRowsAlwaysShown * nameEdit->sizeHint().height());
    WireEvents();
}

void BirthDataPanel::AddOffsetBox() {
    offsetEdit = new QLineEdit(this);
    offsetEdit->setObjectName(QStringLiteral("offsetEdit"));
    offsetEdit->setPlaceholderText(QStringLiteral("+05:53:20"));
    offsetEdit->setMaxLength(12);
    offsetEdit->setVisible(false);
    layZone->insertWidget(layZone->indexOf(zoneCombo) + 1, offsetEdit);
    setTabOrder(zoneCombo, offsetEdit);
    setTabOrder(offsetEdit, dstCheck);
}

void BirthDataPanel::AddSecondsBoxes() {
    const auto add = [this](QHBoxLayout* row, QLineEdit* minutes, const char* name) {
        auto* seconds = new QLineEdit(this);
        seconds->setObjectName(QString::fromLatin1(name));
        seconds->setValidator(new QIntValidator(0, 59, seconds));
        seconds->setMaxLength(2);
        seconds->setMaximumWidth(minutes->maximumWidth());
        row->insertWidget(row->indexOf(minutes) + 1, seconds);
        setTabOrder(minutes, seconds);
        return seconds;
    };
    latSecondsEdit = add(layLat, latMinutesEdit, "latSecondsEdit");
    lonSecondsEdit = add(layLon, lonMinutesEdit, "lonSecondsEdit");
}

void BirthDataPanel::AddGhatisRow() {
    // Beside the clock time: the time as ghatis and palas after sunrise, which old horoscopes give.
    auto* caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("ghatisCaption"));
    ghatisEdit = new QLineEdit(this);
    ghatisEdit->setObjectName(QStringLiteral("ghatisEdit"));
    ghatisEdit->setPlaceholderText(QStringLiteral("GG.PP"));
    ghatisEdit->setMaxLength(5);
    ghatisEdit->setMaximumWidth(ghatisEdit->fontMetrics().horizontalAdvance(QStringLiteral("00.00")) * 2);
    // Room for the hint whole: its text, the box's inner margins and frame.
    ghatisEdit->setMinimumWidth(ghatisEdit->fontMetrics().horizontalAdvance(ghatisEdit->placeholderText()) +
                                ghatisEdit->fontMetrics().averageCharWidth() * 2);
    caption->setBuddy(ghatisEdit);
    ghatisButton = new QPushButton(this);
    ghatisButton->setObjectName(QStringLiteral("ghatisButton"));
    const int at = layTime->indexOf(clockFormatLabel) + 1;
    layTime->insertWidget(at, caption);
    layTime->insertWidget(at + 1, ghatisEdit);
    layTime->insertWidget(at + 2, ghatisButton);
    // The row's boxes and labels sit close together; the caption keeps apart from "HH/MM" before it.
    layTime->insertSpacing(at, fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    ghatisLabel = new QLabel(this);
    ghatisLabel->setObjectName(QStringLiteral("ghatisLabel"));
    ghatisLabel->setWordWrap(true);
    ghatisLabel->setVisible(false);
    layFields->addWidget(ghatisLabel, layFields->rowCount(), 1, 1, layFields->columnCount() - 1);
    setTabOrder(minuteCombo, ghatisEdit);
    setTabOrder(ghatisEdit, ghatisButton);
    setTabOrder(ghatisButton, zoneCombo);
    RetranslateAddedControls();
}

void BirthDataPanel::RetranslateAddedControls() {
    offsetEdit->setToolTip(tr("The offset East of Greenwich, +HH:MM or +HH:MM:SS (- for West)"));
    for (QLineEdit* seconds : {latSecondsEdit, lonSecondsEdit})
        seconds->setToolTip(tr("Seconds of arc, 0 to 59; may stay empty"));
    if (auto* caption = findChild<QLabel*>(QStringLiteral("ghatisCaption"))) caption->setText(tr("or ghatis"));
    ghatisEdit->setToolTip(
        tr("Ghatis and palas after the birth day's sunrise, such as 9.38 (1 ghati = 24 minutes, "
           "1 pala = 24 seconds)"));
    ghatisButton->setText(tr("Set Time"));
    if (zoneCombo->count() > kOtherOffsetEntry) zoneCombo->setItemText(kOtherOffsetEntry, OtherOffsetText());
    ShowMonthNames();
}

void BirthDataPanel::ShowMonthNames() {
    // The months in the language of the user interface; the form reads the month by its place.
    const reading::ListEntries& lists = reading::FormListEntries();
    const upagraha::Language language = InterfaceLanguage();
    for (int month = 0; month < monthCombo->count() && month < static_cast<int>(lists.months.size()); ++month)
        monthCombo->setItemText(month, language == upagraha::Language::English
                                           ? ShowCoreText(lists.months[static_cast<std::size_t>(month)])
                                           : ShowCoreText(upagraha::MonthName(month, language)));
}

QString BirthDataPanel::OtherOffsetText() { return tr("Another offset (\u00B1HH:MM:SS)"); }

void BirthDataPanel::WireEvents() {
    for (QComboBox* list : {dayCombo, yearCombo, hourCombo, minuteCombo}) list->installEventFilter(this);
    connect(calculateButton, &QPushButton::clicked, this, &BirthDataPanel::CalculateAsked);
    connect(openButton, &QPushButton::clicked, this, &BirthDataPanel::OpenAsked);
    connect(lookUpCoordinatesButton, &QPushButton::clicked, this, &BirthDataPanel::LookUpAsked);
    connect(useZoneButton, &QPushButton::clicked, this, &BirthDataPanel::UseProposedZone);

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
        // A refused key is told as the original told it, in a message box; a refused paste is
        // told beside the box, which keeps what it held.
        InstallBoxRule(*box, field, [this, edit](const BoxRefusal& refusal) {
            cityCompleter->popup()->hide();
            const QString text = ShowCoreMessage(refusal.message.text);
            if (refusal.paste || !seams.messageBox)
                seams.notify(edit, text);
            else
                seams.messageBox(text, refusal.message.icon);
        });
    }
    connect(cityEdit, &QLineEdit::textEdited, this, &BirthDataPanel::CityEdited);
    // The user's own changes of the coordinates; a picked place or a reading file fills them itself.
    for (QLineEdit* number :
         {latDegreesEdit, latMinutesEdit, latSecondsEdit, lonDegreesEdit, lonMinutesEdit, lonSecondsEdit})
        connect(number, &QLineEdit::textEdited, this, &BirthDataPanel::CoordinatesChanged);
    for (QRadioButton* direction : {latRadios[0], latRadios[1], lonRadios[0], lonRadios[1]})
        connect(direction, &QRadioButton::clicked, this, &BirthDataPanel::CoordinatesChanged);
    // Enter on a focused button presses it, as in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
    connect(&placeSearchTimer, &QTimer::timeout, this, &BirthDataPanel::SearchAtlas);
    connect(cityCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this, &BirthDataPanel::PlacePicked);
    for (QComboBox* list : {dayCombo, monthCombo, yearCombo, hourCombo, minuteCombo})
        connect(list, &QComboBox::currentIndexChanged, this, &BirthDataPanel::BirthMomentChanged);
    connect(zoneCombo, &QComboBox::currentIndexChanged, this, &BirthDataPanel::ZoneEntryChanged);
    connect(ghatisButton, &QPushButton::clicked, this, &BirthDataPanel::SetTimeFromGhatis);
    connect(dstCheck, &QCheckBox::toggled, this, &BirthDataPanel::RefreshZoneWarning);
}

void BirthDataPanel::LoadForm() {
    const reading::ListEntries& lists = reading::FormListEntries();
    FillList(dayCombo, lists.days);
    FillList(monthCombo, lists.months);
    ShowMonthNames();
    FillList(yearCombo, lists.years);
    FillList(hourCombo, lists.hours);
    FillList(minuteCombo, lists.minutes);

    // Each zone row with its exact offset beside its text.
    zoneCombo->clear();
    for (int row = 0; row < reading::kZoneCount; ++row) zoneCombo->addItem(ShowCoreText(reading::ZoneListText(row)));
    // Any other offset, to the second (a town's mean time, a historical zone), typed beside the list.
    zoneCombo->addItem(OtherOffsetText());

    for (QComboBox* list : {dayCombo, monthCombo, yearCombo, hourCombo, minuteCombo, zoneCombo})
        SelectPosition(list, 0);
    SelectDirection(latRadios, 0);
    SelectDirection(lonRadios, 0);
    dstCheck->setChecked(false);
}

void BirthDataPanel::ClearBirthMoment() {
    for (QComboBox* list : {dayCombo, monthCombo, yearCombo, hourCombo, minuteCombo}) list->setCurrentIndex(-1);
}

bool BirthDataPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        auto* list = qobject_cast<QComboBox*>(watched);
        const bool plain = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
        if (list != nullptr && plain && key->text().size() == 1 && key->text().front().isDigit()) {
            TakeTypedNumber(*list, key->text().front());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void BirthDataPanel::TakeTypedNumber(QComboBox& list, QChar digit) {
    // A pause, another list, or a list changed since the last digit (by the mouse, a file) starts anew.
    if (typedInto != &list || !typedAt.isValid() || typedAt.elapsed() > kTypedNumberPauseMs ||
        list.currentIndex() != typedLeftAt)
        typedNumber.clear();
    typedInto = &list;
    typedAt.start();
    // The entries as numbers are written, without leading zeros: "05" names 5.
    const auto written = [](QString typed) {
        while (typed.size() > 1 && typed.front() == QLatin1Char('0')) typed.remove(0, 1);
        return typed;
    };
    const auto begins = [&list](const QString& typed) {
        for (int i = 0; i < list.count(); ++i)
            if (list.itemText(i).startsWith(typed)) return true;
        return false;
    };
    typedNumber += digit;
    // Digits that begin no entry start a new number with the last of them.
    if (!begins(written(typedNumber))) typedNumber = digit;
    const int at = list.findText(written(typedNumber));
    if (at >= 0) list.setCurrentIndex(at);
    typedLeftAt = list.currentIndex();
}

reading::BirthForm BirthDataPanel::SnapshotForm() const {
    reading::BirthForm form;
    form.name = S(nameEdit->text());
    form.day = S(dayCombo->currentText());
    form.month = monthCombo->currentIndex();
    form.year = S(yearCombo->currentText());
    form.hour = S(hourCombo->currentText());
    form.minute = S(minuteCombo->currentText());
    form.zoneRow = zoneCombo->currentIndex();
    if (form.zoneRow == kOtherOffsetEntry) {
        // The offset typed; a box that holds none leaves the form without a zone (OffsetProblem
        // says why before a calculation). An offset a file gave keeps its name while unchanged.
        form.zoneRow = -1;
        form.exactZone = reading::ParseExactOffset(S(offsetEdit->text()));
        if (form.exactZone && appliedOffset && appliedOffset->secondsEast == form.exactZone->secondsEast)
            form.exactZone = appliedOffset;
    }
    form.latDegrees = S(latDegreesEdit->text());
    form.latMinutes = S(latMinutesEdit->text());
    form.lonDegrees = S(lonDegreesEdit->text());
    form.lonMinutes = S(lonMinutesEdit->text());
    form.latSeconds = S(latSecondsEdit->text());
    form.lonSeconds = S(lonSecondsEdit->text());
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

void BirthDataPanel::ApplyForm(const reading::BirthForm& form) {
    // A form from elsewhere (a reading file) is no place picked from the atlas.
    pickedPlace.reset();
    BoxRuleValidator::SetBoxText(*nameEdit, Q(form.name));
    SelectText(dayCombo, form.day);
    SelectPosition(monthCombo, form.month);
    SelectText(yearCombo, form.year);
    SelectText(hourCombo, form.hour);
    SelectText(minuteCombo, form.minute);
    appliedOffset = form.exactZone;
    if (form.exactZone) {
        offsetEdit->setText(Q(reading::OffsetText(form.exactZone->secondsEast)));
        zoneCombo->setCurrentIndex(kOtherOffsetEntry);
    } else {
        // A row the table does not have (a damaged file) leaves the list without a selection.
        SelectPosition(zoneCombo, form.zoneRow < kOtherOffsetEntry ? form.zoneRow : -1);
    }
    ZoneEntryChanged();
    dstCheck->setChecked(form.dst);
    ApplyPlace(form);
    RefreshZoneProposal(false);
    RefreshCityCheck();
}

void BirthDataPanel::ApplyPlace(const reading::BirthForm& form) {
    BoxRuleValidator::SetBoxText(*latDegreesEdit, Q(form.latDegrees));
    BoxRuleValidator::SetBoxText(*latMinutesEdit, Q(form.latMinutes));
    BoxRuleValidator::SetBoxText(*lonDegreesEdit, Q(form.lonDegrees));
    BoxRuleValidator::SetBoxText(*lonMinutesEdit, Q(form.lonMinutes));
    latSecondsEdit->setText(Q(form.latSeconds));
    lonSecondsEdit->setText(Q(form.lonSeconds));
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

QWidget* BirthDataPanel::FieldWidget(reading::FormField field) const {
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
            return zoneCombo->currentIndex() == kOtherOffsetEntry ? static_cast<QWidget*>(offsetEdit) : zoneCombo;
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

void BirthDataPanel::PointAt(const reading::UserMessage& message) {
    if (message.selectLat != reading::LatChoice::None)
        SelectDirection(latRadios, message.selectLat == reading::LatChoice::North ? 0 : 1);
    if (message.selectLong != reading::LonChoice::None)
        SelectDirection(lonRadios, message.selectLong == reading::LonChoice::East ? 0 : 1);
    if (QWidget* field = FieldWidget(message.focus)) field->setFocus();
}

void BirthDataPanel::FocusZone() { zoneCombo->setFocus(); }

void BirthDataPanel::SelectName() {
    nameEdit->setFocus();
    nameEdit->selectAll();
}

std::optional<reading::UserMessage> BirthDataPanel::OffsetProblem() const {
    if (zoneCombo->currentIndex() != kOtherOffsetEntry || reading::ParseExactOffset(S(offsetEdit->text())))
        return std::nullopt;
    return reading::CriticalMessage(reading::kOffsetNotationMessage, reading::FormField::TimeZone);
}

void BirthDataPanel::ZoneEntryChanged() {
    const bool other = zoneCombo->currentIndex() == kOtherOffsetEntry;
    offsetEdit->setVisible(other);
    if (other && zoneCombo->hasFocus() && offsetEdit->text().isEmpty()) offsetEdit->setFocus();
    RefreshZoneWarning();
}

void BirthDataPanel::SetTimeFromGhatis() {
    const auto time = reading::ParseGhatis(S(ghatisEdit->text()));
    if (!time) {
        seams.messageBox(tr("Please enter the ghatis and palas after sunrise as GG.PP, each from 0 to 59 (9.38 is 9 "
                            "ghatis 38 palas)."),
                         reading::MsgIcon::Critical);
        ghatisEdit->setFocus();
        return;
    }
    reading::BirthForm form = SnapshotForm();
    reading::GhatiConversion conversion;
    const upagraha::ConventionProfile profile = seams.profile ? seams.profile() : upagraha::kOriginalProfile;
    if (auto problem = reading::ApplyGhatis(*time, profile, form, conversion)) {
        seams.messageBox(ShowCoreMessage(problem->text), problem->icon);
        PointAt(*problem);
        return;
    }
    // Only the time, and past midnight the date, change; the lists say so at once.
    SelectText(dayCombo, form.day);
    SelectPosition(monthCombo, form.month);
    SelectText(yearCombo, form.year);
    SelectText(hourCombo, form.hour);
    SelectText(minuteCombo, form.minute);
    ghatisShown = conversion;
    ghatisLabel->setText(tr("%1 ghatis %2 palas after sunrise (%3): %4 on the clock%5, set as %6:%7.")
                             .arg(time->ghatis)
                             .arg(time->palas)
                             .arg(Q(reading::ClockTextOfSeconds(conversion.sunriseSeconds)),
                                  Q(reading::ClockTextOfSeconds(conversion.clockSeconds)),
                                  conversion.nextDay ? tr(" of the next day") : QString(),
                                  QStringLiteral("%1").arg(hourCombo->currentText().toInt(), 2, 10, QLatin1Char('0')),
                                  minuteCombo->currentText().rightJustified(2, QLatin1Char('0'))));
    ghatisLabel->setVisible(true);
}

void BirthDataPanel::CityEdited() {
    // A city typed by hand is no longer the place picked; its zone no longer speaks for the form,
    // and its state and country, left as the pick wrote them, would name another place.
    if (pickedPlace) {
        reading::BirthForm picked = SnapshotForm();
        atlas::FillPlace(picked, *pickedPlace);
        if (stateEdit->text() == Q(picked.state)) stateEdit->clear();
        if (countryEdit->text() == Q(picked.country)) countryEdit->clear();
    }
    ForgetPickedPlace();
    placeSearchTimer.start();
}

void BirthDataPanel::SearchAtlas() {
    offeredPlaces = seams.findPlaces(cityEdit->text());
    RefreshCityCheck();
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

void BirthDataPanel::PlacePicked(const QModelIndex& index) {
    QModelIndex row = index;
    if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model())) row = proxy->mapToSource(index);
    if (!row.isValid() || row.row() >= static_cast<int>(offeredPlaces.size())) return;
    const atlas::AtlasPlace place = offeredPlaces[static_cast<std::size_t>(row.row())];
    reading::BirthForm form = SnapshotForm();
    atlas::FillPlace(form, place);
    // The atlas gives the place to the minute: seconds typed for another place go with it.
    form.latSeconds.clear();
    form.lonSeconds.clear();
    ApplyPlace(form);
    pickedPlace = place;
    RefreshZoneProposal(true);
    RefreshCityCheck();
}

void BirthDataPanel::BirthMomentChanged() {
    // A time or date changed since the ghatis set it is no longer theirs.
    if (ghatisShown) {
        ghatisShown.reset();
        ghatisLabel->clear();
        ghatisLabel->setVisible(false);
    }
    RefreshZoneProposal(false);
}

void BirthDataPanel::CoordinatesChanged() {
    // Coordinates changed by hand are no longer the picked place's; the place nearest to them
    // speaks for the zone instead.
    pickedPlace.reset();
    RefreshZoneProposal(false);
    RefreshCityCheck();
}

void BirthDataPanel::ForgetPickedPlace() {
    if (!pickedPlace) return;
    pickedPlace.reset();
    RefreshZoneProposal(false);
}

std::optional<atlas::GeoPoint> BirthDataPanel::TypedPoint() const {
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
    return atlas::GeoPoint{north ? latitude : -latitude, east ? longitude : -longitude};
}

std::optional<atlas::NearbyPlace> BirthDataPanel::NearestToTypedPlace() const {
    const auto point = TypedPoint();
    if (!point) return std::nullopt;
    return seams.findNearestPlace(point->latitude, point->longitude);
}

void BirthDataPanel::RefreshCityCheck() {
    QString text;
    const QString city = cityEdit->text().trimmed();
    const auto point = TypedPoint();
    if (!pickedPlace && point && city.size() >= 2 && seams.findPlaces) {
        // The places of that very name; the question is asked only when every one of them lies
        // far from the coordinates, and names the nearest.
        std::optional<atlas::NearbyPlace> nearest;
        for (const atlas::AtlasPlace& place : seams.findPlaces(city)) {
            if (Q(atlas::FoldPlaceName(place.name)).compare(city, Qt::CaseInsensitive) != 0) continue;
            const double km = atlas::GreatCircleKm(*point, {place.latitude, place.longitude});
            if (!nearest || km < nearest->km) nearest = atlas::NearbyPlace{place, km};
        }
        if (nearest && nearest->km > atlas::kNearestPlaceKm)
            text = tr("The atlas places %1 %2 km from these coordinates: please check the city or the coordinates.")
                       .arg(Q(atlas::PlaceListText(nearest->place)), QLocale().toString(std::lround(nearest->km)));
    }
    cityCheckLabel->setText(text);
    cityCheckLabel->setVisible(!text.isEmpty());
}

void BirthDataPanel::RefreshZoneProposal(bool apply) {
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
            nearestLine = ShowCoreText(atlas::NearestPlaceText(nearby->place, nearby->km, InterfaceLanguage())) +
                          QLatin1Char('\n');
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
                text = ShowCoreText(
                    atlas::ProposalText(*zoneAtBirth, *moment, zoneProposal, applying, InterfaceLanguage()));
            } else {
                text = ShowCoreText(atlas::UnknownZoneText(zone, InterfaceLanguage()));
            }
        } else {
            text = ShowCoreText(atlas::NoDateText(zone, InterfaceLanguage()));
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

void BirthDataPanel::RefreshZoneWarning() {
    std::optional<std::string> warning;
    if (zoneAtBirth)
        warning = atlas::ZoneWarning(*zoneAtBirth, zoneProposal, zoneCombo->currentIndex(), dstCheck->isChecked(),
                                     InterfaceLanguage());
    zoneWarningLabel->setText(warning ? ShowCoreText(*warning) : QString());
    zoneWarningLabel->setVisible(warning.has_value());
    // One click puts the proposal into the form when the form says otherwise.
    useZoneButton->setVisible(warning.has_value() && zoneProposal.row.has_value());
}

void BirthDataPanel::UseProposedZone() {
    if (!zoneProposal.row) return;
    SelectPosition(zoneCombo, *zoneProposal.row);
    dstCheck->setChecked(zoneProposal.dst);
    RefreshZoneWarning();
    zoneCombo->setFocus();
}

void BirthDataPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        if (ghatisButton != nullptr) RetranslateAddedControls();
    }
    QGroupBox::changeEvent(event);
}

}  // namespace vela::desktop
