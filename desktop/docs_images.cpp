// Pictures for the documentation and the installation, made by the program itself.
//
//   vela-docs-images --icon <file.png> <size>   the application icon at one size
//   vela-docs-images --screenshots <folder>     both panels of the main window, filled with a
//                                               sample reading: screenshot-form.png,
//                                               screenshot-report.png, screenshot-chart.png,
//                                               screenshot-table.png, screenshot-working.png, the
//                                               atlas offering places under the city box,
//                                               screenshot-atlas.png, and the sample's printed
//                                               reading, sample-reading.pdf (the script turns its
//                                               first page into screenshot-pdf.png)
//
// Screenshots need a platform; without a display run it with QT_QPA_PLATFORM=offscreen
// (docs/take_screenshots.sh does).
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "desktop/app_icon.h"
#include "desktop/main_window.h"

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "vela-docs-images: %s\n", what);
    return EXIT_FAILURE;
}

bool SaveIcon(const QString& path, int size) { return vela::desktop::DrawAppIcon(size).save(path, "PNG"); }

template <typename T>
T* Child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// The sample's name, date and clock: 15 June 1975, 10:30 Indian time.
void FillSampleBirth(QWidget& window) {
    Child<QLineEdit>(window, "nameEdit")->setText(QStringLiteral("Asha"));
    Child<QComboBox>(window, "dayCombo")->setCurrentText(QStringLiteral("15"));
    Child<QComboBox>(window, "monthCombo")->setCurrentIndex(5);
    Child<QComboBox>(window, "yearCombo")->setCurrentText(QStringLiteral("1975"));
    Child<QComboBox>(window, "hourCombo")->setCurrentText(QStringLiteral("10"));
    Child<QComboBox>(window, "minuteCombo")->setCurrentText(QStringLiteral("30"));
    Child<QComboBox>(window, "zoneCombo")->setCurrentIndex(34);
}

// A reading born in Delhi.
void FillSampleReading(QWidget& window) {
    FillSampleBirth(window);
    Child<QLineEdit>(window, "latDegreesEdit")->setText(QStringLiteral("28"));
    Child<QLineEdit>(window, "latMinutesEdit")->setText(QStringLiteral("37"));
    Child<QLineEdit>(window, "lonDegreesEdit")->setText(QStringLiteral("77"));
    Child<QLineEdit>(window, "lonMinutesEdit")->setText(QStringLiteral("13"));
    Child<QRadioButton>(window, "northRadio")->setChecked(true);
    Child<QRadioButton>(window, "eastRadio")->setChecked(true);
    Child<QLineEdit>(window, "cityEdit")->setText(QStringLiteral("Delhi"));
    Child<QLineEdit>(window, "stateEdit")->setText(QStringLiteral("Delhi"));
    Child<QLineEdit>(window, "countryEdit")->setText(QStringLiteral("India"));
}

bool SavePicture(const QPixmap& picture, const QString& folder, const char* name) {
    return picture.save(QDir(folder).filePath(QString::fromLatin1(name)), "PNG");
}

void ProcessEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The window with the places list open over it. The list is a window of its own, so it is drawn
// onto the window's picture where it stands, the picture grown to hold it.
QPixmap GrabWithPopup(QWidget& window, QWidget& popup) {
    const QPixmap base = window.grab();
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    const QRect popupRect(popup.mapToGlobal(QPoint(0, 0)) - origin, popup.size());
    const QRect whole = QRect(QPoint(0, 0), base.size()).united(popupRect);
    QPixmap picture(whole.size());
    picture.fill(window.palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(-whole.topLeft(), base);
    painter.drawPixmap(popupRect.topLeft() - whole.topLeft(), popup.grab());
    return picture;
}

// Types into the city box key by key, as a person does, so the atlas is asked.
void TypeCity(QWidget& window, const QString& text) {
    auto* city = Child<QLineEdit>(window, "cityEdit");
    city->setFocus();
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(city, &press);
    }
}

int TakeAtlasScreenshot(const vela::desktop::WindowSeams& seams, const QString& folder) {
    vela::desktop::MainWindow window(seams);
    window.show();
    window.activateWindow();
    FillSampleBirth(window);
    ProcessEventsFor(100);
    TypeCity(window, QStringLiteral("Pun"));
    ProcessEventsFor(vela::desktop::kPlaceSearchDelayMs + 300);
    QAbstractItemView* list = window.findChild<QCompleter*>()->popup();
    if (!list->isVisible()) return Fail("the atlas offered no places for \"Pun\"");
    if (!SavePicture(GrabWithPopup(window, *list), folder, "screenshot-atlas.png"))
        return Fail("cannot write screenshot-atlas.png");
    list->hide();
    return EXIT_SUCCESS;
}

int TakeScreenshots(const QString& folder) {
    bool refused = false;
    vela::desktop::WindowSeams seams;
    seams.messageBox = [&refused](const QString& text, vela::reading::MsgIcon) {
        std::fprintf(stderr, "vela-docs-images: the program said: %s\n", qPrintable(text));
        refused = true;
    };
    // Settings of its own: the pictures show the defaults (the South Indian chart), whatever the
    // user chose.
    QTemporaryDir settings;
    seams.settingsPath = settings.filePath(QStringLiteral("settings.ini"));
    // The only file asked for is the sample's PDF.
    QString pdfPath;
    seams.fileDialog = [&pdfPath](const vela::desktop::FileDialogRequest&) { return pdfPath; };
    seams.openUrl = [](const QUrl&) { return false; };
    seams.showAbout = [] {};
    // The sample is let go when the pictures are taken.
    seams.askToSave = [](const QString&) { return vela::desktop::SaveChoice::Discard; };
    vela::desktop::MainWindow window(seams);
    window.show();
    FillSampleReading(window);
    QApplication::processEvents();
    if (!SavePicture(window.grab(), folder, "screenshot-form.png")) return Fail("cannot write screenshot-form.png");

    Child<QPushButton>(window, "calculateButton")->click();
    QApplication::processEvents();
    if (refused || window.PanelInFront() != vela::desktop::MainWindow::Panel::Result)
        return Fail("the sample reading did not produce a report");
    if (!SavePicture(window.grab(), folder, "screenshot-report.png")) return Fail("cannot write screenshot-report.png");

    auto* tabs = Child<QTabWidget>(window, "resultTabs");
    const std::array<std::pair<const char*, const char*>, 4> tabPictures = {{{"chartTab", "screenshot-chart.png"},
                                                                             {"tableTab", "screenshot-table.png"},
                                                                             {"workingTab", "screenshot-working.png"},
                                                                             {"vargaTab", "screenshot-vargas.png"}}};
    for (const auto& [tab, picture] : tabPictures) {
        tabs->setCurrentWidget(Child<QWidget>(window, tab));
        QApplication::processEvents();
        if (!SavePicture(window.grab(), folder, picture)) return Fail("cannot write a screenshot of a result tab");
    }
    // The sample as File > Export PDF writes it.
    const QString pdf = QDir(folder).filePath(QStringLiteral("sample-reading.pdf"));
    pdfPath = pdf;
    Child<QAction>(window, "exportPdfAction")->trigger();
    if (refused || !QFileInfo::exists(pdf)) return Fail("cannot write sample-reading.pdf");
    window.close();
    return TakeAtlasScreenshot(seams, folder);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--icon") {
        bool ok = false;
        const int size = QByteArray(argv[3]).toInt(&ok);
        if (!ok || size < 16 || size > 1024) return Fail("the icon size must be 16 to 1024");
        return SaveIcon(QString::fromLocal8Bit(argv[2]), size) ? EXIT_SUCCESS : Fail("cannot write the icon");
    }
    if (argc == 3 && QByteArray(argv[1]) == "--screenshots") {
        QApplication app(argc, argv);
        return TakeScreenshots(QString::fromLocal8Bit(argv[2]));
    }
    return Fail("usage: vela-docs-images --icon <file.png> <size> | --screenshots <folder>");
}
