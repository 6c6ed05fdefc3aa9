#include "desktop/window_settings.h"

#include <QDir>
#include <QFileInfo>

#include "astro/text.h"
#include "desktop/file_names.h"
#include "upagraha/profiles.h"

namespace vela::desktop {

namespace {

const QString kRecentKey = QStringLiteral("recentReadings");
const QString kFolderKey = QStringLiteral("lastFolder");
const QString kChartStyleKey = QStringLiteral("chartStyle");
const QString kGeometryKey = QStringLiteral("windowGeometry");
const QString kNorthIndian = QStringLiteral("north");
const QString kSouthIndian = QStringLiteral("south");
const QString kLanguageKey = QStringLiteral("language");
// Kept by the Conventions menu (profile_dialog.cpp).
const QString kProfileKey = QStringLiteral("conventions/profile");
const QString kCustomKey = QStringLiteral("conventions/custom");

QString Shown(const QString& value) { return QString::fromStdString(astro::QuotedForMessage(value.toStdString())); }

}  // namespace

WindowSettings::WindowSettings(const QString& path)
    : settings(path.isEmpty()
                   ? std::make_unique<QSettings>(QStringLiteral("vela-upagrahas"), QStringLiteral("vela-upagrahas"))
                   : std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

QStringList WindowSettings::RecentReadings() const {
    // Names that are UTF-8 are kept as texts; a name that is not is kept as its bytes
    // (@ByteArray), which the settings file keeps unchanged where a text would lose them.
    const QVariant value = settings->value(kRecentKey);
    QStringList recent;
    // One entry is read back as the entry itself, more as a list.
    const bool single = value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
    const QVariantList entries = single ? QVariantList{value} : value.toList();
    for (const QVariant& entry : entries)
        recent << (entry.typeId() == QMetaType::QByteArray ? DecodeFileName(entry.toByteArray()) : entry.toString());
    recent.removeAll(QString());
    while (recent.size() > kRecentReadingCount) recent.removeLast();
    return recent;
}

void WindowSettings::StoreRecent(const QStringList& recent) {
    QVariantList entries;
    bool allTexts = true;
    for (const QString& path : recent) {
        const QByteArray bytes = EncodeFileName(path);
        if (QString::fromUtf8(bytes) == path) {
            entries << path;
        } else {
            entries << bytes;
            allTexts = false;
        }
    }
    // Texts alone are written as the plain list they always were.
    if (allTexts)
        settings->setValue(kRecentKey, recent);
    else
        settings->setValue(kRecentKey, entries);
}

void WindowSettings::RememberReading(const QString& path) {
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    QStringList recent = RecentReadings();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentReadingCount) recent.removeLast();
    StoreRecent(recent);
    settings->setValue(kFolderKey, info.absolutePath());
    // Written now, not when the program ends: a second copy handed a file, or a crash, would
    // otherwise lose it.
    settings->sync();
}

void WindowSettings::ForgetReading(const QString& path) {
    QStringList recent = RecentReadings();
    recent.removeAll(QFileInfo(path).absoluteFilePath());
    StoreRecent(recent);
    settings->sync();
}

QString WindowSettings::LastFolder() const {
    const QString folder = settings->value(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    return QDir::homePath();
}

QStringList WindowSettings::UnreadableValues() const {
    QStringList problems;
    const QString file = Shown(settings->fileName());
    const auto unreadable = [&](const QString& key, const QString& value, const QString& instead) {
        problems
            << QStringLiteral("The setting %1 in %2 cannot be read (%3); %4.").arg(key, file, Shown(value), instead);
    };
    const QString profile = settings->value(kProfileKey).toString();
    const bool custom = profile == QString::fromUtf8(upagraha::kCustomName.data(),
                                                     static_cast<qsizetype>(upagraha::kCustomName.size()));
    if (settings->contains(kProfileKey) && !custom && !upagraha::FindProfile(profile.toStdString()))
        unreadable(kProfileKey, profile, QStringLiteral("the original profile is used"));
    if (settings->contains(kCustomKey) || custom) {
        const QString line = settings->value(kCustomKey).toString();
        if (!upagraha::ParseProfileSettings(line.toStdString()))
            unreadable(kCustomKey, line,
                       custom ? QStringLiteral("the original profile is used")
                              : QStringLiteral("the custom profile starts from the original's settings"));
    }
    if (settings->contains(kChartStyleKey)) {
        const QString style = settings->value(kChartStyleKey).toString();
        if (style != kNorthIndian && style != kSouthIndian)
            unreadable(kChartStyleKey, style, QStringLiteral("the South Indian chart is used"));
    }
    if (settings->contains(kLanguageKey) && !Language())
        unreadable(kLanguageKey, settings->value(kLanguageKey).toString(),
                   QStringLiteral("the system's language is used"));
    return problems;
}

reading::ChartStyle WindowSettings::ChartStyle() const {
    return settings->value(kChartStyleKey).toString() == kNorthIndian ? reading::ChartStyle::NorthIndian
                                                                      : reading::ChartStyle::SouthIndian;
}

void WindowSettings::SetChartStyle(reading::ChartStyle style) {
    settings->setValue(kChartStyleKey, style == reading::ChartStyle::NorthIndian ? kNorthIndian : kSouthIndian);
    settings->sync();
}

QByteArray WindowSettings::Geometry() const { return settings->value(kGeometryKey).toByteArray(); }

void WindowSettings::SetGeometry(const QByteArray& geometry) {
    settings->setValue(kGeometryKey, geometry);
    settings->sync();
}

std::optional<upagraha::Language> WindowSettings::Language() const {
    if (!settings->contains(kLanguageKey)) return std::nullopt;
    return upagraha::LanguageFromCode(settings->value(kLanguageKey).toString().toStdString());
}

void WindowSettings::SetLanguage(upagraha::Language language) {
    settings->setValue(kLanguageKey, QString::fromUtf8(upagraha::LanguageCode(language).data()));
    settings->sync();
}

}  // namespace vela::desktop
