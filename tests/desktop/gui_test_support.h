// What the window tests share: recorders for every seam, a watchdog against modal windows, and
// hands that fill the form the way a person does.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <memory>

#include "desktop/main_window.h"
#include "upagraha/upagraha_report.h"

namespace vela::guitest {

struct ShownMessage {
    QString text;
    reading::MsgIcon icon;
};

// Stands in for the message boxes, questions, notices, file dialogs, browser and About window. The
// atlas offers nothing unless a test asks for the real one, so typing a city opens no list of
// places and typed coordinates find no nearest place. The window's settings live in a folder of
// the recorder's own, gone with it.
struct SeamRecorder {
    QList<ShownMessage> messages;
    QStringList questions;
    bool answerYes = true;
    // Save, discard or cancel before an unsaved reading is lost: the questions, and the answer.
    QStringList saveQuestions;
    desktop::SaveChoice saveAnswer = desktop::SaveChoice::Discard;
    struct Notice {
        QString box;  // the object name of the box the notice stands beside
        QString text;
    };
    QList<Notice> notices;
    QList<desktop::FileDialogRequest> dialogs;
    QStringList dialogAnswers;  // taken in order; none left means the user cancelled
    QList<QUrl> openedUrls;
    bool browserWorks = true;
    int aboutShown = 0;
    bool realAtlas = false;
    QStringList atlasQueries;
    QTemporaryDir settingsFolder;
    // Print: the titles asked for; with printFile set, the reading is printed into that PDF file
    // as a printer chosen in the preview would have it.
    QStringList printTitles;
    QString printFile;

    desktop::WindowSeams Seams();
    QStringList MessageTexts() const;
    QStringList NoticeTexts() const;
    QString SettingsPath() const { return settingsFolder.filePath(QStringLiteral("settings.ini")); }
};

// Fails a test that leaves a modal window or a popup open: such a window would wait for a person
// forever. It closes what it finds so the run goes on, and remembers what it was.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    void Pause(bool pause) { paused = pause; }
    QString Intruder() const { return intruder; }

private:
    void Check();
    QTimer timer;
    bool paused = false;
    QString intruder;
};

// What a window test holds for each of its cases: a temporary folder, the seams' recorder, the
// window itself (shown and active) and the watchdog. A test class derives from it and calls
// StartWindow from its init() and StopWindow from its cleanup().
class WindowTest : public QObject {
protected:
    QWidget& W() { return *window; }
    // A new temporary folder and recorder, then a window on them.
    void StartWindow();
    // Another window on the same recorder and settings, as a later run of the program.
    void NewWindow();
    // Everything gone; fails the case when a modal window was left open.
    void StopWindow();

    std::unique_ptr<QTemporaryDir> tempDir;
    std::unique_ptr<SeamRecorder> recorder;
    std::unique_ptr<desktop::MainWindow> window;
    std::unique_ptr<ModalWatchdog> watchdog;
};

// Shows the window and makes it the active one, as a person's click would; false when the
// platform never showed it.
bool ShowActive(QWidget& window);

// The window's controls, found by the names the user interface gives them.
template <typename T>
T* Control(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// Types text key by key, as a keyboard does.
void TypeInto(QWidget& window, const char* box, const QString& text);
void ChooseEntry(QWidget& window, const char* list, const QString& text);
void ChoosePosition(QWidget& window, const char* list, int position);
void Press(QWidget& window, const char* button);
void PickRadio(QWidget& window, const char* button);

// The text of a PDF as poppler's pdftotext reads it, page after page; a null text when pdftotext is
// not installed (the caller skips, saying so) or could not read the file.
bool HavePdfToText();
QString PdfText(const QString& path);

// Asha, 15 June 1975, 10:30, Indian Time (row 34), 28 37 North, 77 13 East, Delhi, Delhi, India.
void FillKnownGoodReading(QWidget& window);
reading::BirthForm KnownGoodForm();

// The core's report of a form, calculated outside the window.
upagraha::Report ReportOf(const reading::BirthForm& form);
// A report's text up to and with the heading of the grahas' section, whose lines the pane and the
// paper set in a table: what the pane's plain text and the core's have in common.
QString UpToTheGrahas(const QString& report);

}  // namespace vela::guitest
