#include "desktop/window_settings.h"

#include <QDir>
#include <QFileInfo>

namespace vela::desktop {

namespace {

const QString kRecentKey = QStringLiteral("recentReadings");
const QString kFolderKey = QStringLiteral("lastFolder");
const QString kChartStyleKey = QStringLiteral("chartStyle");
const QString kNorthIndian = QStringLiteral("north");
const QString kSouthIndian = QStringLiteral("south");

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

reading::ChartStyle WindowSettings::ChartStyle() const {
    return settings->value(kChartStyleKey).toString() == kNorthIndian ? reading::ChartStyle::NorthIndian
                                                                      : reading::ChartStyle::SouthIndian;
}

void WindowSettings::SetChartStyle(reading::ChartStyle style) {
    settings->setValue(kChartStyleKey, style == reading::ChartStyle::NorthIndian ? kNorthIndian : kSouthIndian);
    settings->sync();
}

}  // namespace vela::desktop
