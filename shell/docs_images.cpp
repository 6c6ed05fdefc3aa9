// Pictures for the documentation and the installation, made by the program itself.
//
//   vela-docs-images --icon <file.png> <size>   the application icon at one size
//   vela-docs-images --screenshots <folder>     both panels of the main window, filled with a
//                                               sample reading: screenshot-form.png and
//                                               screenshot-report.png
//
// Screenshots need a platform; without a display run it with QT_QPA_PLATFORM=offscreen
// (docs/take_screenshots.sh does).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>

#include "app/frm_main.h"
#include "shell/app_icon.h"

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "vela-docs-images: %s\n", what);
    return EXIT_FAILURE;
}

bool SaveIcon(const QString& path, int size) { return vela::modAppIcon::DrawAppIcon(size).save(path, "PNG"); }

template <typename T>
T* Child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// A reading born in Delhi: 15 June 1975, 10:30 Indian time.
void FillSampleReading(QWidget& window) {
    Child<QLineEdit>(window, "txtName")->setText(QStringLiteral("Asha"));
    Child<QComboBox>(window, "cboDate")->setCurrentText(QStringLiteral("15"));
    Child<QComboBox>(window, "cboMonth")->setCurrentIndex(5);
    Child<QComboBox>(window, "cboYear")->setCurrentText(QStringLiteral("1975"));
    Child<QComboBox>(window, "cboHour")->setCurrentText(QStringLiteral("10"));
    Child<QComboBox>(window, "cboMinute")->setCurrentText(QStringLiteral("30"));
    Child<QComboBox>(window, "cboTimeZone")->setCurrentIndex(34);
    Child<QLineEdit>(window, "txtLatDeg")->setText(QStringLiteral("28"));
    Child<QLineEdit>(window, "txtLatMin")->setText(QStringLiteral("37"));
    Child<QLineEdit>(window, "txtLonDeg")->setText(QStringLiteral("77"));
    Child<QLineEdit>(window, "txtLonMin")->setText(QStringLiteral("13"));
    Child<QRadioButton>(window, "optLat_0")->setChecked(true);
    Child<QRadioButton>(window, "optLong_0")->setChecked(true);
    Child<QLineEdit>(window, "txtCity")->setText(QStringLiteral("Delhi"));
    Child<QLineEdit>(window, "txtState")->setText(QStringLiteral("Delhi"));
    Child<QLineEdit>(window, "txtCountry")->setText(QStringLiteral("India"));
}

int TakeScreenshots(const QString& folder) {
    bool refused = false;
    vela::WindowSeams seams;
    seams.MsgBox = [&refused](const QString& text, vela::MsgIcon) {
        std::fprintf(stderr, "vela-docs-images: the program said: %s\n", qPrintable(text));
        refused = true;
    };
    seams.FileDialog = [](const vela::FileDialogRequest&) { return QString(); };
    seams.OpenUrl = [](const QUrl&) { return false; };
    seams.ShowAbout = [] {};
    vela::frmMain window(seams);
    window.show();
    FillSampleReading(window);
    QApplication::processEvents();
    if (!window.grab().save(QDir(folder).filePath(QStringLiteral("screenshot-form.png")), "PNG"))
        return Fail("cannot write screenshot-form.png");

    Child<QPushButton>(window, "cmdCalculate")->click();
    QApplication::processEvents();
    if (refused || window.PanelInFront() != vela::frmMain::Panel::Result)
        return Fail("the sample reading did not produce a report");
    if (!window.grab().save(QDir(folder).filePath(QStringLiteral("screenshot-report.png")), "PNG"))
        return Fail("cannot write screenshot-report.png");
    return EXIT_SUCCESS;
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
