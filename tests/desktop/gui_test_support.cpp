#include "gui_test_support.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "atlas/geonames_atlas.h"
#include "desktop/reading_print.h"
#include "desktop/zone_clock.h"
#include "reading/calculation_driver.h"
#include "reading/sky_around.h"
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

desktop::WindowSeams SeamRecorder::Seams() {
    desktop::WindowSeams seams;
    seams.messageBox = [this](const QString& text, reading::MsgIcon icon) { messages.append({text, icon}); };
    seams.fileDialog = [this](const desktop::FileDialogRequest& request) {
        dialogs.append(request);
        return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
    };
    seams.openUrl = [this](const QUrl& url) {
        openedUrls.append(url);
        return browserWorks;
    };
    seams.showAbout = [this] { ++aboutShown; };
    seams.findPlaces = [this](const QString& typed) {
        atlasQueries << typed;
        return realAtlas ? atlas::FindPlaces(typed.toStdString()) : std::vector<atlas::AtlasPlace>{};
    };
    seams.findNearestPlace = [this](double latitude, double longitude) -> std::optional<atlas::NearbyPlace> {
        if (!realAtlas) return std::nullopt;
        return atlas::FindNearestPlace({latitude, longitude});
    };
    seams.ask = [this](const QString& text) {
        questions << text;
        return answerYes;
    };
    seams.askToSave = [this](const QString& text) {
        saveQuestions << text;
        return saveAnswer;
    };
    seams.notify = [this](QWidget* box, const QString& text) { notices.append({box->objectName(), text}); };
    seams.settingsPath = SettingsPath();
    seams.printPreview = [this](const QString& title, const std::function<void(QPrinter&)>& paint) {
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
    if (paused) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) modal = QApplication::activePopupWidget();
    if (modal == nullptr) return;
    if (intruder.isEmpty())
        intruder = QStringLiteral("%1 \"%2\"")
                       .arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle());
    modal->close();
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
    window = std::make_unique<desktop::MainWindow>(recorder->Seams());
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
    TypeInto(window, "nameEdit", QStringLiteral("Asha"));
    ChooseEntry(window, "dayCombo", QStringLiteral("15"));
    ChoosePosition(window, "monthCombo", 5);  // June, in whatever language the list speaks
    ChooseEntry(window, "yearCombo", QStringLiteral("1975"));
    ChooseEntry(window, "hourCombo", QStringLiteral("10"));
    ChooseEntry(window, "minuteCombo", QStringLiteral("30"));
    ChoosePosition(window, "zoneCombo", 34);
    TypeInto(window, "latDegreesEdit", QStringLiteral("28"));
    TypeInto(window, "latMinutesEdit", QStringLiteral("37"));
    TypeInto(window, "lonDegreesEdit", QStringLiteral("77"));
    TypeInto(window, "lonMinutesEdit", QStringLiteral("13"));
    PickRadio(window, "northRadio");
    PickRadio(window, "eastRadio");
    TypeInto(window, "cityEdit", QStringLiteral("Delhi"));
    TypeInto(window, "stateEdit", QStringLiteral("Delhi"));
    TypeInto(window, "countryEdit", QStringLiteral("India"));
}

reading::BirthForm KnownGoodForm() {
    reading::BirthForm form = NewDelhiForm();
    form.city = "Delhi";  // as FillKnownGoodForm types it
    return form;
}

QString UpToTheGrahas(const QString& report) {
    const QString heading = QString::fromStdString(std::string(reading::kSkyAroundHeading)) + QLatin1Char('\n');
    const qsizetype at = report.indexOf(heading);
    return at < 0 ? report : report.left(at + heading.size());
}

upagraha::Report ReportOf(const reading::BirthForm& form) {
    reading::Reading state;
    return reading::RunCalculation(form, upagraha::kOriginalProfile, state, desktop::kDesktopRequest).report;
}

}  // namespace vela::guitest
