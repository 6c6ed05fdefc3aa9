#include "desktop/profile_dialog.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QVBoxLayout>

namespace vela {

namespace {

using namespace modConventionProfiles;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr char kProfileKey[] = "conventions/profile";
constexpr char kCustomKey[] = "conventions/custom";

// A list whose positions are the values of an enumeration, 0 upwards.
template <class Enum>
QComboBox* EnumList(QWidget* parent, const char* name, std::initializer_list<std::string_view> texts, Enum value) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string_view text : texts) list->addItem(Q(text));
    list->setCurrentIndex(static_cast<int>(value));
    return list;
}

template <class Enum>
Enum EnumOf(const QComboBox* list) {
    return static_cast<Enum>(list->currentIndex());
}

}  // namespace

ProfileDialog::ProfileDialog(const ConventionProfile& initial, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Custom Profile"));
    auto* form = new QFormLayout;
    cboLordOrder =
        EnumList(this, "cboLordOrder",
                 {LordOrderText(LordOrder::EightPlaceCycle), LordOrderText(LordOrder::SevenLords)}, initial.lordOrder);
    form->addRow(QStringLiteral("&Lords of the portions"), cboLordOrder);
    for (std::size_t u = 0; u < cboPoint.size(); ++u) {
        const std::string name = "cboPoint" + std::to_string(u);
        cboPoint[u] =
            EnumList(this, name.c_str(),
                     {PointText(PortionPoint::Start), PointText(PortionPoint::Middle), PointText(PortionPoint::End)},
                     initial.points[u]);
        form->addRow(Q(modVedicUpagrahas::strUpagrahaNames[u]) + QStringLiteral(" at the"), cboPoint[u]);
    }
    cboSunrise = EnumList(
        this, "cboSunrise",
        {SunriseText(SunriseEvent::UpperLimbWithRefraction), SunriseText(SunriseEvent::DiscCentreWithoutRefraction)},
        initial.sunrise);
    form->addRow(QStringLiteral("&Sunrise"), cboSunrise);

    lblDescription = new QLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblDescription);
    layout->addWidget(buttons);

    for (QComboBox* list : cboPoint)
        connect(list, &QComboBox::currentIndexChanged, this, &ProfileDialog::ShowDescription);
    for (QComboBox* list : {cboLordOrder, cboSunrise})
        connect(list, &QComboBox::currentIndexChanged, this, &ProfileDialog::ShowDescription);
    ShowDescription();
}

ConventionProfile ProfileDialog::Profile() const {
    std::array<PortionPoint, modVedicUpagrahas::kUpagrahaCount> points{};
    for (std::size_t u = 0; u < points.size(); ++u) points[u] = EnumOf<PortionPoint>(cboPoint[u]);
    return CustomProfile(EnumOf<LordOrder>(cboLordOrder), points, EnumOf<SunriseEvent>(cboSunrise));
}

void ProfileDialog::ShowDescription() {
    const std::string text = DescribeProfile(Profile());
    // Capitalised and closed, as a sentence under the settings.
    QString sentence = Q(text);
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
    lblDescription->setText(sentence + QLatin1Char('.'));
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
    mnuConventions = new QMenu(QStringLiteral("&Conventions"), &menuBar);
    mnuConventions->setObjectName(QStringLiteral("mnuConventions"));
    mnuConventions->setToolTipsVisible(true);
    grpProfiles = new QActionGroup(mnuConventions);
    grpProfiles->setExclusive(true);
    const auto& named = NamedProfiles();
    for (std::size_t i = 0; i < named.size(); ++i) {
        QAction* action = mnuConventions->addAction(QStringLiteral("&") + Q(named[i].strTitle));
        action->setObjectName(QStringLiteral("mnuProfile_") + Q(named[i].strName));
        action->setCheckable(true);
        action->setToolTip(Q(DescribeProfile(named[i])));
        grpProfiles->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { Choose(NamedProfiles()[i]); });
        mnuNamed[i] = action;
    }
    mnuConventions->addSeparator();
    mnuCustom = mnuConventions->addAction(QStringLiteral("C&ustom..."));
    mnuCustom->setObjectName(QStringLiteral("mnuProfile_custom"));
    mnuCustom->setCheckable(true);
    grpProfiles->addAction(mnuCustom);
    connect(mnuCustom, &QAction::triggered, this, &ProfileChoice::mnuCustom_Triggered);
    menuBar.insertMenu(before, mnuConventions);

    Recall();
    CheckActionOfProfile();
}

QSettings ProfileChoice::Settings() {
    return QSettings(QStringLiteral("vela-upagrahas"), QStringLiteral("vela-upagrahas"));
}

void ProfileChoice::Choose(const ConventionProfile& chosen) {
    const bool changed = !(chosen == profile);
    profile = chosen;
    if (chosen.strName == kCustomName) custom = chosen;
    CheckActionOfProfile();
    Remember();
    if (changed) Q_EMIT ProfileChanged();
}

void ProfileChoice::mnuCustom_Triggered() {
    // The dialog starts from the custom settings last made; cancelling keeps the profile in use.
    if (const auto edited = editCustom(&window, custom))
        Choose(*edited);
    else
        CheckActionOfProfile();
}

void ProfileChoice::CheckActionOfProfile() {
    const auto& named = NamedProfiles();
    for (std::size_t i = 0; i < named.size(); ++i)
        if (named[i] == profile) mnuNamed[i]->setChecked(true);
    if (profile.strName == kCustomName) mnuCustom->setChecked(true);
    mnuCustom->setToolTip(Q(DescribeProfile(custom)));
}

void ProfileChoice::Remember() const {
    QSettings settings = Settings();
    settings.setValue(QString::fromLatin1(kProfileKey), Q(profile.strName));
    settings.setValue(QString::fromLatin1(kCustomKey), Q(ProfileSettingsText(custom)));
}

void ProfileChoice::Recall() {
    const QSettings settings = Settings();
    const std::string customText = settings.value(QString::fromLatin1(kCustomKey)).toString().toStdString();
    if (const auto remembered = ParseProfileSettings(customText)) custom = *remembered;
    profile = RememberedProfile();
    mnuCustom->setToolTip(Q(DescribeProfile(custom)));
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

}  // namespace vela
