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

#include "desktop/core_text.h"

namespace vela::desktop {

namespace {

using namespace upagraha;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr char kProfileKey[] = "conventions/profile";
constexpr char kCustomKey[] = "conventions/custom";

// A list whose positions are the values of an enumeration, 0 upwards.
template <class Enum>
QComboBox* EnumList(QWidget* parent, const char* name, std::initializer_list<std::string_view> texts, Enum value) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string_view text : texts) list->addItem(ShowCoreText(text));
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
    lordOrderCombo =
        EnumList(this, "lordOrderCombo",
                 {LordOrderText(LordOrder::EightPlaceCycle), LordOrderText(LordOrder::SevenLords)}, initial.lordOrder);
    form->addRow(tr("&Lords of the portions"), lordOrderCombo);
    for (std::size_t u = 0; u < pointCombo.size(); ++u) {
        const std::string name = "pointCombo" + std::to_string(u);
        pointCombo[u] =
            EnumList(this, name.c_str(),
                     {PointText(PortionPoint::Start), PointText(PortionPoint::Middle), PointText(PortionPoint::End)},
                     initial.points[u]);
        form->addRow(tr("%1 at the").arg(ShowCoreText(upagraha::kUpagrahaNames[u])), pointCombo[u]);
    }
    sunriseCombo = EnumList(
        this, "sunriseCombo",
        {SunriseText(SunriseEvent::UpperLimbWithRefraction), SunriseText(SunriseEvent::DiscCentreWithoutRefraction)},
        initial.sunrise);
    form->addRow(tr("&Sunrise"), sunriseCombo);

    descriptionLabel = new QLabel(this);
    descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    descriptionLabel->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(descriptionLabel);
    layout->addWidget(buttons);

    for (QComboBox* list : pointCombo)
        connect(list, &QComboBox::currentIndexChanged, this, &ProfileDialog::ShowDescription);
    for (QComboBox* list : {lordOrderCombo, sunriseCombo})
        connect(list, &QComboBox::currentIndexChanged, this, &ProfileDialog::ShowDescription);
    ShowDescription();
}

ConventionProfile ProfileDialog::Profile() const {
    std::array<PortionPoint, upagraha::kUpagrahaCount> points{};
    for (std::size_t u = 0; u < points.size(); ++u) points[u] = EnumOf<PortionPoint>(pointCombo[u]);
    return CustomProfile(EnumOf<LordOrder>(lordOrderCombo), points, EnumOf<SunriseEvent>(sunriseCombo));
}

void ProfileDialog::ShowDescription() {
    const std::string text = DescribeProfile(Profile());
    // Capitalised and closed, as a sentence under the settings.
    QString sentence = ShowCoreText(text);
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
    descriptionLabel->setText(sentence + QLatin1Char('.'));
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
        QAction* action = conventionsMenu->addAction(QStringLiteral("&") + ShowCoreText(named[i].title));
        action->setObjectName(QStringLiteral("profileAction_") + Q(named[i].name));
        action->setCheckable(true);
        action->setToolTip(ShowCoreText(DescribeProfile(named[i])));
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
    menuBar.insertMenu(before, conventionsMenu);

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
    // The dialog starts from the custom settings last made; cancelling keeps the profile in use.
    if (const auto edited = editCustom(&window, custom))
        Choose(*edited);
    else
        CheckActionOfProfile();
}

void ProfileChoice::CheckActionOfProfile() {
    const auto& named = ListedProfiles();
    for (std::size_t i = 0; i < named.size(); ++i)
        if (named[i] == profile) namedProfileActions[i]->setChecked(true);
    if (profile.name == kCustomName) customProfileAction->setChecked(true);
    customProfileAction->setToolTip(ShowCoreText(DescribeProfile(custom)));
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
    customProfileAction->setToolTip(ShowCoreText(DescribeProfile(custom)));
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
    customProfileAction->setText(tr("C&ustom..."));
}

}  // namespace vela::desktop
