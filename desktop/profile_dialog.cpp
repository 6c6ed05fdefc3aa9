#include "desktop/profile_dialog.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>

#include <array>
#include <utility>
#include <vector>

#include "desktop/core_text.h"
#include "reading/result_summary.h"

namespace vela::desktop {

namespace {

using namespace upagraha;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr char kProfileKey[] = "conventions/profile";
constexpr char kCustomKey[] = "conventions/custom";
constexpr char kPrintComparisonKey[] = "conventions/printComparison";
// Room a window manager takes around the dialog: its borders and title bar.
constexpr QSize kFrameAllowance(16, 40);
// Maandi's row: the only upagraha that may rise by the ghati rule.
constexpr std::size_t kMaandiIndex = upagraha::kUpagrahaNames.size() - 1;

// A list whose positions are the values of an enumeration, 0 upwards; the core's English words
// for the values, shown in the language of the user interface.
template <class Enum>
QComboBox* EnumList(QWidget* parent, const char* name, const std::vector<std::string_view>& texts, Enum value) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string_view text : texts) list->addItem(ShowCoreText(reading::Say(text, InterfaceLanguage())));
    list->setCurrentIndex(static_cast<int>(value));
    return list;
}

template <class Enum>
Enum EnumOf(const QComboBox* list) {
    return static_cast<Enum>(list->currentIndex());
}

}  // namespace

ProfileDialog::ProfileDialog(const ConventionProfile& initial, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Custom Profile"));
    auto* form = new QFormLayout;
    lordOrderCombo = EnumList(this, "lordOrderCombo",
                              {LordOrderText(LordOrder::EightPlaceCycle), LordOrderText(LordOrder::SevenLords),
                               LordOrderText(LordOrder::EightPlaceNightFourOn)},
                              initial.lordOrder);
    form->addRow(tr("&Lords of the portions"), lordOrderCombo);
    for (std::size_t u = 0; u < pointCombo.size(); ++u) {
        const std::string name = "pointCombo" + std::to_string(u);
        std::vector<std::string_view> points = {PointText(PortionPoint::Start), PointText(PortionPoint::Middle),
                                                PointText(PortionPoint::End)};
        // Maandi alone may also rise by the ghati rule.
        if (u == kMaandiIndex) points.push_back(PointText(PortionPoint::Ghatis));
        pointCombo[u] = EnumList(this, name.c_str(), points, initial.points[u]);
        form->addRow(
            tr("%1 at the").arg(ShowCoreText(upagraha::UpagrahaName(static_cast<int>(u), InterfaceLanguage()))),
            pointCombo[u]);
    }
    sunriseCombo = EnumList(
        this, "sunriseCombo",
        {SunriseText(SunriseEvent::UpperLimbWithRefraction), SunriseText(SunriseEvent::DiscCentreWithoutRefraction),
         SunriseText(SunriseEvent::DiscCentreWithRefraction)},
        initial.sunrise);
    form->addRow(tr("&Sunrise"), sunriseCombo);
    vyatipataCombo =
        EnumList(this, "vyatipataCombo",
                 {VyatipataText(VyatipataChoice::CircleLessDhuma), VyatipataText(VyatipataChoice::DhumaPlus53Deg20)},
                 initial.vyatipata);
    form->addRow(tr("&Vyatipata"), vyatipataCombo);
    ephemerisCombo = new QComboBox(this);
    ephemerisCombo->setObjectName(QStringLiteral("ephemerisCombo"));
    ephemerisCombo->addItems({tr("the original's formulas"), tr("the precise ephemeris")});
    ephemerisCombo->setCurrentIndex(static_cast<int>(initial.ephemeris));
    form->addRow(tr("&Ephemeris"), ephemerisCombo);
    ayanamsaCombo = new QComboBox(this);
    ayanamsaCombo->setObjectName(QStringLiteral("ayanamsaCombo"));
    ayanamsaCombo->addItems({tr("the original's"), tr("Lahiri's")});
    ayanamsaCombo->setCurrentIndex(static_cast<int>(initial.ayanamsa));
    form->addRow(tr("A&yanamsa"), ayanamsaCombo);
    // The vargas' rules, Parashara's or the other school's (docs/conventions.md), side by side on one
    // row: each value's short name in its list, what it means in the value's tooltip.
    auto* vargaRow = new QHBoxLayout;
    vargaRow->setContentsMargins(0, 0, 0, 0);
    const auto vargaList = [this, vargaRow](const char* name, const QString& label,
                                            const std::array<std::pair<QString, QString>, 2>& values, int value) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(name));
        for (const auto& [shortName, meaning] : values) {
            list->addItem(shortName);
            list->setItemData(list->count() - 1, meaning, Qt::ToolTipRole);
        }
        list->setCurrentIndex(value);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(list);
        vargaRow->addWidget(caption);
        vargaRow->addWidget(list);
        return list;
    };
    horaCombo = vargaList("horaCombo", tr("&Hora"),
                          {{{tr("Parashara's"), tr("Parashara's: the Sun's half and the Moon's")},
                            {tr("cyclic"), tr("cyclic: counted on from Aries")}}},
                          static_cast<int>(initial.vargas.hora));
    drekkanaCombo = vargaList("drekkanaCombo", tr("&Drekkana"),
                              {{{tr("Parashara's"), tr("Parashara's: the sign, its 5th and its 9th")},
                                {tr("Jagannatha's"), tr("Jagannatha's: the triplicity from its movable sign")}}},
                              static_cast<int>(initial.vargas.drekkana));
    trimsamsaCombo = vargaList("trimsamsaCombo", tr("&Trimsamsa"),
                               {{{tr("Parashara's"), tr("Parashara's: five unequal parts")},
                                 {tr("cyclic"), tr("cyclic: counted on from Aries")}}},
                               static_cast<int>(initial.vargas.trimsamsa));
    vargaRow->addStretch(1);
    form->addRow(vargaRow);

    descriptionLabel = new QLabel(this);
    descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    descriptionLabel->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The axes and their description scroll above the buttons where the screen is short (a small or
    // highly scaled one); OK and Cancel stay in view.
    auto* axes = new QWidget;
    auto* axesLayout = new QVBoxLayout(axes);
    axesLayout->setContentsMargins(0, 0, 0, 0);
    axesLayout->addLayout(form);
    axesLayout->addWidget(descriptionLabel);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("axesScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(axes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    // All the axes in view where the screen has room for them, else as many as it has room for.
    QSize room = axes->sizeHint() + QSize(scroll->verticalScrollBar()->sizeHint().width(), 0);
    if (const QScreen* display = parent != nullptr ? parent->screen() : screen()) {
        const QMargins margins = layout->contentsMargins();
        const int around = margins.top() + margins.bottom() + layout->spacing() + buttons->sizeHint().height();
        room = room.boundedTo(display->availableGeometry().size() - kFrameAllowance - QSize(0, around));
    }
    scroll->setMinimumSize(room);

    for (QComboBox* list : pointCombo)
        connect(list, &QComboBox::currentIndexChanged, this, &ProfileDialog::ShowDescription);
    for (QComboBox* list : {lordOrderCombo, sunriseCombo, vyatipataCombo, ephemerisCombo, ayanamsaCombo})
        connect(list, &QComboBox::currentIndexChanged, this, &ProfileDialog::ShowDescription);
    ShowDescription();
}

ConventionProfile ProfileDialog::Profile() const {
    ConventionProfile profile = kOriginalProfile;
    profile.lordOrder = EnumOf<LordOrder>(lordOrderCombo);
    for (std::size_t u = 0; u < profile.points.size(); ++u) profile.points[u] = EnumOf<PortionPoint>(pointCombo[u]);
    profile.sunrise = EnumOf<SunriseEvent>(sunriseCombo);
    profile.vyatipata = EnumOf<VyatipataChoice>(vyatipataCombo);
    profile.ephemeris = EnumOf<EphemerisChoice>(ephemerisCombo);
    profile.ayanamsa = EnumOf<AyanamsaChoice>(ayanamsaCombo);
    profile.vargas = {EnumOf<HoraRule>(horaCombo), EnumOf<DrekkanaRule>(drekkanaCombo),
                      EnumOf<TrimsamsaRule>(trimsamsaCombo)};
    // Settings that are a preset's carry its name.
    return Named(profile);
}

void ProfileDialog::ShowDescription() {
    const std::string text = reading::ProfileDescription(Profile(), InterfaceLanguage());
    // Capitalised and closed, as a sentence under the settings.
    QString sentence = ShowCoreText(text);
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
    // Hindi closes a sentence with the danda.
    descriptionLabel->setText(
        sentence + (InterfaceLanguage() == Language::Hindi ? QStringLiteral("\u0964") : QStringLiteral(".")));
}

std::optional<ConventionProfile> EditCustomProfile(QWidget* parent, const ConventionProfile& current) {
    ProfileDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Profile();
}

ProfileChoice::ProfileChoice(QMenuBar& menuBar, QAction* before, QWidget& parentWindow)
    : QObject(&parentWindow),
      window(parentWindow),
      editCustom(EditCustomProfile),
      custom(
          CustomProfile(LordOrder::EightPlaceCycle, kOriginalProfile.points, SunriseEvent::UpperLimbWithRefraction)) {
    setObjectName(QStringLiteral("profileChoice"));
    conventionsMenu = new QMenu(tr("&Conventions"), &menuBar);
    conventionsMenu->setObjectName(QStringLiteral("conventionsMenu"));
    conventionsMenu->setToolTipsVisible(true);
    grpProfiles = new QActionGroup(conventionsMenu);
    grpProfiles->setExclusive(true);
    const auto& named = ListedProfiles();
    for (std::size_t i = 0; i < named.size(); ++i) {
        QAction* action = conventionsMenu->addAction(QString());
        action->setObjectName(QStringLiteral("profileAction_") + Q(named[i].name));
        action->setCheckable(true);
        grpProfiles->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { Choose(ListedProfiles()[i]); });
        namedProfileActions[i] = action;
    }
    conventionsMenu->addSeparator();
    customProfileAction = conventionsMenu->addAction(tr("C&ustom..."));
    customProfileAction->setObjectName(QStringLiteral("profileAction_custom"));
    customProfileAction->setCheckable(true);
    grpProfiles->addAction(customProfileAction);
    connect(customProfileAction, &QAction::triggered, this, &ProfileChoice::ChooseCustomProfile);
    conventionsMenu->addSeparator();
    // Off unless chosen: the printed reading stays as it was.
    includeComparisonAction = conventionsMenu->addAction(tr("&Include the comparison of profiles in print"));
    includeComparisonAction->setObjectName(QStringLiteral("includeComparisonAction"));
    includeComparisonAction->setCheckable(true);
    includeComparisonAction->setToolTip(
        tr("The printed reading and the PDF end with the grid of the upagrahas under every profile."));
    includeComparisonAction->setChecked(Settings().value(QString::fromLatin1(kPrintComparisonKey), false).toBool());
    connect(includeComparisonAction, &QAction::toggled, this,
            [](bool checked) { Settings().setValue(QString::fromLatin1(kPrintComparisonKey), checked); });
    menuBar.insertMenu(before, conventionsMenu);
    ShowProfileNames();

    Recall();
    CheckActionOfProfile();
}

QSettings ProfileChoice::Settings() {
    return QSettings(QStringLiteral("vela-upagrahas"), QStringLiteral("vela-upagrahas"));
}

void ProfileChoice::Choose(const ConventionProfile& chosen) {
    const bool changed = !(chosen == profile);
    profile = chosen;
    if (chosen.name == kCustomName) custom = chosen;
    CheckActionOfProfile();
    Remember();
    if (changed) Q_EMIT ProfileChanged();
}

void ProfileChoice::ChooseCustomProfile() {
    // The dialog starts from the profile in use; cancelling keeps it.
    if (const auto edited = editCustom(&window, profile))
        Choose(*edited);
    else
        CheckActionOfProfile();
}

void ProfileChoice::CheckActionOfProfile() {
    const auto& named = ListedProfiles();
    for (std::size_t i = 0; i < named.size(); ++i)
        if (named[i] == profile) namedProfileActions[i]->setChecked(true);
    if (profile.name == kCustomName) customProfileAction->setChecked(true);
    customProfileAction->setToolTip(ShowCoreText(reading::ProfileDescription(custom, InterfaceLanguage())));
}

void ProfileChoice::Remember() const {
    QSettings settings = Settings();
    settings.setValue(QString::fromLatin1(kProfileKey), Q(profile.name));
    settings.setValue(QString::fromLatin1(kCustomKey), Q(ProfileSettingsText(custom)));
}

void ProfileChoice::Recall() {
    const QSettings settings = Settings();
    const std::string customText = settings.value(QString::fromLatin1(kCustomKey)).toString().toStdString();
    if (const auto remembered = ParseProfileSettings(customText)) custom = *remembered;
    profile = RememberedProfile();
    customProfileAction->setToolTip(ShowCoreText(reading::ProfileDescription(custom, InterfaceLanguage())));
}

ConventionProfile ProfileChoice::RememberedProfile() {
    const QSettings settings = Settings();
    const std::string name = settings.value(QString::fromLatin1(kProfileKey)).toString().toStdString();
    if (name == kCustomName) {
        const std::string customText = settings.value(QString::fromLatin1(kCustomKey)).toString().toStdString();
        if (const auto remembered = ParseProfileSettings(customText)) return *remembered;
    }
    if (const auto named = FindProfile(name)) return *named;
    return kOriginalProfile;
}

void ProfileChoice::Retranslate() {
    conventionsMenu->setTitle(tr("&Conventions"));
    ShowProfileNames();
    customProfileAction->setToolTip(ShowCoreText(reading::ProfileDescription(custom, InterfaceLanguage())));
    customProfileAction->setText(tr("C&ustom..."));
    includeComparisonAction->setText(tr("&Include the comparison of profiles in print"));
    includeComparisonAction->setToolTip(
        tr("The printed reading and the PDF end with the grid of the upagrahas under every profile."));
}

void ProfileChoice::ShowProfileNames() {
    const auto& named = ListedProfiles();
    for (std::size_t i = 0; i < named.size(); ++i) {
        // The English title's first letter is the access key in every language (as "फ़ाइल (&F)").
        const QString title = ShowCoreText(named[i].title);
        // Then, in plain words, every axis on which the preset leaves the original's.
        const std::string differences = reading::ProfileDifferences(named[i], kOriginalProfile, InterfaceLanguage());
        const QString unlike =
            differences.empty()
                ? QString()
                : ShowCoreText(reading::Say(" (unlike Original: %1)", InterfaceLanguage(), {differences}));
        namedProfileActions[i]->setText(
            (InterfaceLanguage() == Language::English
                 ? QStringLiteral("&") + title
                 : ShowCoreText(reading::ProfileTitle(named[i].title, InterfaceLanguage())) + QStringLiteral(" (&") +
                       title.left(1) + QLatin1Char(')')) +
            unlike);
        namedProfileActions[i]->setToolTip(ShowCoreText(reading::ProfileDescription(named[i], InterfaceLanguage())));
    }
}

bool ProfileChoice::IncludeComparison() const { return includeComparisonAction->isChecked(); }

}  // namespace vela::desktop
