#include "gui_test_support.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "atlas/geonames_atlas.h"
#include "desktop/zone_clock.h"
#include "tests/support/reference_forms.h"

namespace vela::guitest {

namespace {

// The window remembers choices (the convention profile) in the user's settings. Every window test
// keeps them in a temporary folder of its own instead, removed when the test program ends: a test
// must neither read a person's settings nor leave any behind.
struct SettingsInTemporaryFolder {
    QTemporaryDir folder;
    SettingsInTemporaryFolder() {
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
                QSettings::setPath(format, scope, folder.path());
    }
};
const SettingsInTemporaryFolder settingsFolder;

}  // namespace

WindowSeams SeamRecorder::Seams() {
    WindowSeams seams;
    seams.MsgBox = [this](const QString& text, MsgIcon icon) { messages.append({text, icon}); };
    seams.FileDialog = [this](const FileDialogRequest& request) {
        dialogs.append(request);
        return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
    };
    seams.OpenUrl = [this](const QUrl& url) {
        openedUrls.append(url);
        return browserWorks;
    };
    seams.ShowAbout = [this] { ++aboutShown; };
    seams.FindPlaces = [this](const QString& typed) {
        atlasQueries << typed;
        return realAtlas ? modAtlas::FindPlaces(typed.toStdString()) : std::vector<modPlaceName::AtlasPlace>{};
    };
    seams.FindNearestPlace = [this](double latitude, double longitude) -> std::optional<modAtlas::NearbyPlace> {
        if (!realAtlas) return std::nullopt;
        return modAtlas::FindNearestPlace({latitude, longitude});
    };
    seams.Ask = [this](const QString& text) {
        questions << text;
        return answerYes;
    };
    seams.Notify = [this](QWidget* box, const QString& text) { notices.append({box->objectName(), text}); };
    seams.strSettingsPath = SettingsPath();
    seams.PrintPreview = [this](const QString& title, const std::function<void(QPrinter&)>& paint) {
        printTitles << title;
        if (printFile.isEmpty()) return;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        printer.setDocName(title);
        paint(printer);
    };
    return seams;
}

QStringList SeamRecorder::NoticeTexts() const {
    QStringList texts;
    for (const auto& notice : notices) texts << notice.text;
    return texts;
}

QStringList SeamRecorder::MessageTexts() const {
    QStringList texts;
    for (const auto& message : messages) texts << message.text;
    return texts;
}

ModalWatchdog::ModalWatchdog() {
    timer.setInterval(50);
    connect(&timer, &QTimer::timeout, this, &ModalWatchdog::Check);
    timer.start();
}

void ModalWatchdog::Check() {
    if (blnPaused) return;
    QWidget* intruder = QApplication::activeModalWidget();
    if (intruder == nullptr) intruder = QApplication::activePopupWidget();
    if (intruder == nullptr) return;
    if (strIntruder.isEmpty())
        strIntruder = QStringLiteral("%1 \"%2\"")
                          .arg(QString::fromLatin1(intruder->metaObject()->className()), intruder->windowTitle());
    intruder->close();
}

void WindowTest::StartWindow() {
    tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(tempDir->isValid());
    recorder = std::make_unique<SeamRecorder>();
    NewWindow();
    watchdog = std::make_unique<ModalWatchdog>();
}

void WindowTest::NewWindow() {
    window.reset();
    window = std::make_unique<frmMain>(recorder->Seams());
    QVERIFY(ShowActive(*window));
}

void WindowTest::StopWindow() {
    const QString intruder = watchdog ? watchdog->Intruder() : QString();
    watchdog.reset();
    window.reset();
    recorder.reset();
    tempDir.reset();
    QVERIFY2(intruder.isEmpty(), qPrintable(QStringLiteral("a modal window was left open: ") + intruder));
}

bool ShowActive(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void TypeInto(QWidget& window, const char* box, const QString& text) {
    auto* edit = Control<QLineEdit>(window, box);
    edit->setFocus();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(edit, static_cast<char>(ch.unicode()));
        } else {
            // Beyond ASCII a keyboard still sends the character as the key's text.
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

void ChooseEntry(QWidget& window, const char* list, const QString& text) {
    auto* combo = Control<QComboBox>(window, list);
    combo->setCurrentIndex(combo->findText(text));
}

void ChoosePosition(QWidget& window, const char* list, int position) {
    Control<QComboBox>(window, list)->setCurrentIndex(position);
}

void Press(QWidget& window, const char* button) {
    QTest::mouseClick(Control<QPushButton>(window, button), Qt::LeftButton);
}

void PickRadio(QWidget& window, const char* button) {
    auto* radio = Control<QRadioButton>(window, button);
    // Near the left edge: a layout may stretch the button far beyond its indicator and text.
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
}

bool HavePdfToText() { return QFileInfo(QStringLiteral(VELA_PDFTOTEXT)).isExecutable(); }

QString PdfText(const QString& path) {
    if (!HavePdfToText()) return {};
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(VELA_PDFTOTEXT),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void FillKnownGoodReading(QWidget& window) {
    TypeInto(window, "txtName", QStringLiteral("Asha"));
    ChooseEntry(window, "cboDate", QStringLiteral("15"));
    ChooseEntry(window, "cboMonth", QStringLiteral("June"));
    ChooseEntry(window, "cboYear", QStringLiteral("1975"));
    ChooseEntry(window, "cboHour", QStringLiteral("10"));
    ChooseEntry(window, "cboMinute", QStringLiteral("30"));
    ChoosePosition(window, "cboTimeZone", 34);
    TypeInto(window, "txtLatDeg", QStringLiteral("28"));
    TypeInto(window, "txtLatMin", QStringLiteral("37"));
    TypeInto(window, "txtLonDeg", QStringLiteral("77"));
    TypeInto(window, "txtLonMin", QStringLiteral("13"));
    PickRadio(window, "optLat_0");
    PickRadio(window, "optLong_0");
    TypeInto(window, "txtCity", QStringLiteral("Delhi"));
    TypeInto(window, "txtState", QStringLiteral("Delhi"));
    TypeInto(window, "txtCountry", QStringLiteral("India"));
}

BirthForm KnownGoodForm() {
    BirthForm form = NewDelhiForm();
    form.txtCity = "Delhi";  // as FillKnownGoodForm types it
    return form;
}

}  // namespace vela::guitest
