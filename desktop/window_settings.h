// What the window remembers between runs: the readings opened or saved last, the folder the file
// dialogs start in, the chart's style and the language; and a check of the conventions the Conventions menu
// keeps in the same file.
//
// Kept with QSettings in the user's configuration folder
// (~/.config/vela-upagrahas/vela-upagrahas.conf), or in a file of the caller's choosing, which the
// tests use so that they never touch the user's own. Nothing here is needed for a reading: a
// missing or unreadable file only means an empty list and the home folder.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "reading/chart_model.h"
#include "upagraha/language.h"

namespace vela::desktop {

// How many readings the File menu offers again.
inline constexpr int kRecentReadingCount = 8;

class WindowSettings {
public:
    // An empty path: the user's settings of this program.
    explicit WindowSettings(const QString& path = QString());

    // Newest first, at most kRecentReadingCount, each an absolute path.
    QStringList RecentReadings() const;
    void RememberReading(const QString& path);
    void ForgetReading(const QString& path);

    // The folder of the last reading opened or saved; the home folder before the first.
    QString LastFolder() const;

    // The values of the settings file that the program cannot read (a misspelt word in the custom
    // conventions, an unknown profile or chart style), one printable line each, naming the value,
    // what it holds and what is used instead. Shown at start, so that nothing falls back unseen.
    QStringList UnreadableValues() const;

    // South Indian until the user chooses the North Indian chart.
    reading::ChartStyle ChartStyle() const;
    void SetChartStyle(reading::ChartStyle style);

    // The window's size and place when it was last closed (QWidget::saveGeometry); empty before.
    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);
    // The language chosen in the Language menu; nothing before the first choice (the system's
    // language then), or when the file holds a code the program does not know.
    std::optional<upagraha::Language> Language() const;
    void SetLanguage(upagraha::Language language);

private:
    void StoreRecent(const QStringList& recent);

    std::unique_ptr<QSettings> settings;
};

}  // namespace vela::desktop
