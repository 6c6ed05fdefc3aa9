#include "desktop/window_settings.h"

#include <QDir>
#include <QFileInfo>

namespace vela {

namespace {

const QString kRecentKey = QStringLiteral("recentReadings");
const QString kFolderKey = QStringLiteral("lastFolder");

}  // namespace

WindowSettings::WindowSettings(const QString& path)
    : settings(path.isEmpty()
                   ? std::make_unique<QSettings>(QStringLiteral("vela-upagrahas"), QStringLiteral("vela-upagrahas"))
                   : std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

QStringList WindowSettings::RecentReadings() const {
    QStringList recent = settings->value(kRecentKey).toStringList();
    recent.removeAll(QString());
    while (recent.size() > kRecentReadingCount) recent.removeLast();
    return recent;
}

void WindowSettings::RememberReading(const QString& path) {
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    QStringList recent = RecentReadings();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentReadingCount) recent.removeLast();
    settings->setValue(kRecentKey, recent);
    settings->setValue(kFolderKey, info.absolutePath());
    // Written now, not when the program ends: a second copy handed a file, or a crash, would
    // otherwise lose it.
    settings->sync();
}

void WindowSettings::ForgetReading(const QString& path) {
    QStringList recent = RecentReadings();
    recent.removeAll(QFileInfo(path).absoluteFilePath());
    settings->setValue(kRecentKey, recent);
    settings->sync();
}

QString WindowSettings::LastFolder() const {
    const QString folder = settings->value(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    return QDir::homePath();
}

QString WindowSettings::Value(const QString& key, const QString& fallback) const {
    return settings->value(key, fallback).toString();
}

void WindowSettings::SetValue(const QString& key, const QString& value) {
    settings->setValue(key, value);
    settings->sync();
}

}  // namespace vela
