// Start-up and shutdown of the desktop program.
//
// One copy per user: a second start shows "Application is already running" and ends before any
// window is built. Otherwise the main window opens and the program ends when it closes. When no
// lock can be made (see single_instance.h) the program starts anyway and says why on standard error.
//
// One hook exists for automated runs: VELA_QUIT_AFTER_MS=<milliseconds> ends the program after that
// time as if every window had been closed, whatever it shows (the main window or the refusal box).
// The GUI tests start two real copies with it; nothing else reads it.
//
// The command line takes --help and --version, which answer before the window system starts, so
// they work on a terminal without a display; --pdf OUT.pdf and --svg OUT.svg, which write the
// reading's printed pages or its chart without any window, on the offscreen platform, so they work
// in scripts and on machines without a display, and --lang en|hi|ta beside them for the reading's
// language; and Qt's own options (-platform, -style ...), which QApplication takes. Any other
// option is refused with a message and status 1. One file argument is a reading (.ved, .vela or a
// .jhd chart, by its name), opened and calculated once the window shows; when a copy already
// runs, the file is handed to it (desktop) and this start ends. Without a display (neither DISPLAY nor
// WAYLAND_DISPLAY, and no platform chosen) a start of the window says how to run it and ends with
// status 1 before Qt would abort.
//
// Arguments are file names as the system gives them (bytes, see file_names.h), so a reading whose
// name is not UTF-8 opens all the same; messages show names printable.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "astro/text.h"
#include "desktop/app_icon.h"
#include "desktop/file_names.h"
#include "desktop/instance_channel.h"
#include "desktop/main_window.h"
#include "desktop/profile_dialog.h"
#include "desktop/reading_print.h"
#include "desktop/single_instance.h"
#include "desktop/translations.h"
#include "desktop/window_settings.h"
#include "reading/calculation_driver.h"
#include "reading/file_output.h"
#include "reading/reading_file.h"
#include "reading/reading_language.h"
#include "reading/vela_file.h"
#include "vela_version.h"

namespace vela::desktop {

// Said instead of Qt's abort when the window has nowhere to show.
const char kNoDisplayMessage[] =
    "vela-upagrahas: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
    "Run it on a virtual display with `xvfb-run -a vela-upagrahas`, or without any display with\n"
    "`QT_QPA_PLATFORM=offscreen vela-upagrahas`; `vela-upagrahas-cli` does every reading on the command line.\n";

// True when the window has somewhere to show: a display, or a platform chosen by the caller.
bool HasDisplay(int argc, char* argv[]);

namespace {

// Unloads every open window; each one's own closing runs as if the user had closed it.
int EndApplication(int exitCode) {
    QApplication::closeAllWindows();
    QCoreApplication::exit(exitCode);
    return exitCode;
}

void ArmQuitTimerForTests() {
    bool ok = false;
    const int milliseconds = qEnvironmentVariableIntValue("VELA_QUIT_AFTER_MS", &ok);
    if (!ok || milliseconds <= 0) return;
    QTimer::singleShot(milliseconds, qApp, [] { EndApplication(EXIT_SUCCESS); });
}

// The start-up's texts kept in constants (marked for the catalogue where they are defined), in the
// language of the user interface once its catalogue is installed.
QString StartUpText(const char* text) { return QCoreApplication::translate("vela::desktop::StartUp", text); }

// Options the program answers itself; Qt's own (-platform, -style ...) are QApplication's.
void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "vela::desktop::StartUp",
        "Vela Upagrahas: the six time-based upagrahas (Kaala, Mrityu, Arthaprahaara, Yamaghantaka,\n"
        "Gulika, Maandi) of a birth, from its date, time, zone and place, in a window.\n"
        "Readings without a window: vela-upagrahas-cli."));
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           QCoreApplication::translate("vela::desktop::StartUp", "Print this help and exit.")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           QCoreApplication::translate("vela::desktop::StartUp", "Print the version and exit.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("pdf"),
        QCoreApplication::translate("vela::desktop::StartUp",
                                    "Write the printed reading of READING.ved to OUT.pdf, without a window."),
        QStringLiteral("OUT.pdf")));
    parser.addOption(
        QCommandLineOption(QStringLiteral("svg"),
                           QCoreApplication::translate("vela::desktop::StartUp",
                                                       "Write the chart of READING.ved to OUT.svg, without a window."),
                           QStringLiteral("OUT.svg")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("vela::desktop::StartUp",
                                    "With --pdf and --svg: the language of the reading, en (English, the default), "
                                    "hi (Hindi) or ta (Tamil)."),
        QStringLiteral("en|hi|ta")));
    parser.addPositionalArgument(
        QStringLiteral("READING.ved"),
        QCoreApplication::translate("vela::desktop::StartUp", "A saved reading to open and calculate (optional)."),
        QStringLiteral("[READING.ved]"));
}

// Shown where the user sees it (a box, which closes by itself after a few seconds) and where a
// launcher's log or a test sees it (stderr).
void Say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QTimer::singleShot(kStartMessageMs, &box, &QMessageBox::accept);
    box.exec();
}

// The arguments with every byte kept (Qt's own list turns a byte that is not UTF-8 into U+FFFD).
QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << DecodeFileName(QByteArray(argv[i]));
    return arguments;
}

void PrintError(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

// True when a platform was chosen on the command line (-platform NAME, --platform NAME or
// -platform=NAME), which QApplication then takes.
bool ChoosesPlatform(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" || argument.startsWith("-platform=") ||
            argument.startsWith("--platform="))
            return true;
    }
    return false;
}

}  // namespace

bool HasDisplay(int argc, char* argv[]) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    return ChoosesPlatform(argc, argv);
}

namespace {

// True when the arguments ask for a file to be written (--pdf, --svg): no window is needed then.
bool WritesFilesOnly(int argc, char* argv[]) {
    QCommandLineParser parser;
    DescribeOptions(parser);
    (void)parser.parse(ArgumentsOf(argc, argv));
    return parser.isSet(QStringLiteral("pdf")) || parser.isSet(QStringLiteral("svg"));
}

// --pdf and --svg: the reading calculated as the window would, its warnings and refusals on
// standard error, the files written. 0 when written, 1 for a refused reading or a file not written.
// No output may be the reading itself or the other output: those are refused before anything is
// written.
int WriteFiles(const QCommandLineParser& parser) {
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        std::fputs("vela-upagrahas: --pdf and --svg take one reading: vela-upagrahas --pdf OUT.pdf READING.ved\n",
                   stderr);
        return EXIT_FAILURE;
    }
    const auto say = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
    const QString readingPath = files.front();
    const QString languageCode =
        parser.isSet(QStringLiteral("lang")) ? parser.value(QStringLiteral("lang")) : QStringLiteral("en");
    const auto language = upagraha::LanguageFromCode(languageCode.toStdString());
    if (!language) {
        say("vela-upagrahas: --lang " + astro::QuotedForMessage(languageCode.toStdString()) + ": en, hi or ta");
        return EXIT_FAILURE;
    }
    // The page numbers and section titles of the PDF in the same language as its reading.
    if (*language != InterfaceLanguage() && !SwitchLanguage(*language))
        PrintError(QStringLiteral("vela-upagrahas: the catalogue of %1 was not found; its page titles stay in the "
                                  "language of the system")
                       .arg(languageCode));
    const QString pdf = parser.isSet(QStringLiteral("pdf")) ? parser.value(QStringLiteral("pdf")) : QString();
    const QString svg = parser.isSet(QStringLiteral("svg")) ? parser.value(QStringLiteral("svg")) : QString();
    std::vector<std::string> outputs;
    for (const QString& output : {pdf, svg})
        if (!output.isNull()) outputs.push_back(NativeFileName(output));
    if (auto clash = reading::CheckDistinctOutputs(outputs, {NativeFileName(readingPath)})) {
        say("vela-upagrahas: " + *clash);
        return EXIT_FAILURE;
    }
    reading::BirthForm form;
    reading::OpenedReading opened;
    // A .ved or .vela reading, or a .jhd chart, by the name's ending.
    std::string fileProfile;
    if (auto problem = reading::OpenAnyReadingFile(NativeFileName(readingPath), form, opened, fileProfile)) {
        say(problem->text);
        return EXIT_FAILURE;
    }
    // No form stands behind the file here, so a line that could not be read refuses the reading,
    // as on the command line.
    if (!opened.unreadLines.empty()) {
        say(reading::UnreadLinesRefusal(opened).text);
        return EXIT_FAILURE;
    }
    WindowSettings settings;
    for (const QString& problem : settings.UnreadableValues()) PrintError(problem);
    reading::Reading state;
    // Under the conventions the window was last left with, as the chart in its style.
    reading::CalculationRequest request = kDesktopRequest;
    request.language = *language;
    const auto outcome = reading::RunCalculation(form, ProfileChoice::RememberedProfile(), state, request);
    if (!outcome.Succeeded()) {
        say(reading::MessageIn(outcome.message->text, *language));
        return EXIT_FAILURE;
    }
    for (const std::string& warning : outcome.warnings) say(reading::MessageIn(warning, *language));
    // The chart in the style the window was last left in.
    const auto printed = BuildPrintedReading(form, state, outcome.upagrahas, outcome.report, settings.ChartStyle(),
                                             *language, outcome.farNorth);
    int status = EXIT_SUCCESS;
    QString why;
    if (!pdf.isNull() && !WritePdf(pdf, printed, &why)) {
        PrintError(FailureAboutFile(PdfFailedText(), pdf, why, QStringLiteral(" ")));
        status = EXIT_FAILURE;
    }
    if (!svg.isNull() && !WriteChartImage(svg, printed.chart, ImageFormat::Svg, &why)) {
        PrintError(FailureAboutFile(ImageFailedText(), svg, why, QStringLiteral(" ")));
        status = EXIT_FAILURE;
    }
    return status;
}

// True when the arguments ask for the help or the version, which are then printed.
bool AnswerWithoutWindow(int argc, char* argv[]) {
    const QStringList arguments = ArgumentsOf(argc, argv);
    QCommandLineParser parser;
    DescribeOptions(parser);
    // Qt's own options are unknown to this parser; QApplication takes them and the second pass
    // judges what is left, so a failed parse here is no error yet.
    (void)parser.parse(arguments);
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application object Qt cannot name the program in the usage line.
        const QString text =
            parser.helpText().replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("vela-upagrahas %s\n%s\n", kVersion, kLinkedLicenceNote);
        return true;
    }
    return false;
}

// Qt 6.4 notes on standard error, for every run of Hindi or Tamil text, each family of the font's
// list that has no OpenType tables for the script ("OpenType support missing for "DejaVu Sans",
// script 11") before it falls back to one that has (Noto Sans Devanagari, Noto Sans Tamil): the
// text is set right, and the notes (about twenty for one PDF) are noise to the user. Qt writes them
// in the default category, so they are told apart by their own words; every other message goes on
// to the handler before this one.
QtMessageHandler previousMessageHandler = nullptr;

void DropFontFallbackNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.trimmed().startsWith(QStringLiteral("OpenType support missing for "))) return;
    if (previousMessageHandler != nullptr) previousMessageHandler(type, context, message);
}

int StartApplication(int argc, char* argv[]) {
    previousMessageHandler = qInstallMessageHandler(DropFontFallbackNotes);
    QCommandLineParser parser;
    DescribeOptions(parser);
    // The arguments as bytes (the application's own list has lost what is not UTF-8); QApplication
    // has taken its own options out of argv by now. An unknown option: its message on standard
    // error, exit status 1.
    parser.process(ArgumentsOf(argc, argv));
    if (parser.isSet(QStringLiteral("pdf")) || parser.isSet(QStringLiteral("svg"))) return WriteFiles(parser);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "vela-upagrahas: one reading at a time, not %lld\n", static_cast<long long>(files.size()));
        return EXIT_FAILURE;
    }
    const QString reading = files.isEmpty() ? QString() : AbsoluteFileName(files.front());

    ArmQuitTimerForTests();
    // The hand-over channel sits beside the lock, in the user's own runtime folder; without that
    // folder there is neither (the program starts alone and says why).
    const QString lockPath = DefaultLockPath();
    const QString channelPath = lockPath.isEmpty() ? QString() : ChannelPathFor(lockPath);
    SingleInstanceGuard guard;  // at DefaultLockPath(), with the reason when there is none
    const auto lock = guard.TryAcquire();
    if (lock == SingleInstanceGuard::Outcome::NoLock) {
        // Without a lock a second copy could start too; that is better than no copy at all.
        std::fprintf(stderr, "vela-upagrahas: starting without the one-copy lock: %s\n",
                     guard.WhyNot().toLocal8Bit().constData());
    } else if (lock == SingleInstanceGuard::Outcome::AlreadyRunning) {
        if (reading.isEmpty()) {
            Say(StartUpText(kAlreadyRunningMessage));
            return EndApplication(EXIT_SUCCESS);
        }
        QString why;
        if (HandOver(channelPath, reading, kHandOverWaitMs, &why)) return EXIT_SUCCESS;
        Say(QStringLiteral("%1\n%2\n%3").arg(StartUpText(kHandOverFailedMessage), PrintableFileName(reading), why));
        return EndApplication(EXIT_FAILURE);
    }
    MainWindow window;
    InstanceChannel channel;
    QObject::connect(&channel, &InstanceChannel::ReadingHandedOver, &window, &MainWindow::OpenHandedReading);
    // The window keeps taking readings when its socket fails or is removed; the log says so.
    QObject::connect(&channel, &InstanceChannel::ChannelTrouble, &channel,
                     [](const QString& what) { PrintError(QStringLiteral("vela-upagrahas: ") + what); });
    if (!channelPath.isEmpty() && !channel.Listen(channelPath))
        PrintError(QStringLiteral("vela-upagrahas: later starts cannot hand readings to this copy: the socket %1 "
                                  "could not be made; trying again each second")
                       .arg(PrintableFileName(channelPath)));
    window.show();
    // Settings that cannot be read are named once, after the window shows; what is used instead
    // is in the message.
    if (const QStringList unreadable = WindowSettings().UnreadableValues(); !unreadable.isEmpty()) {
        for (const QString& problem : unreadable) PrintError(QStringLiteral("vela-upagrahas: ") + problem);
        auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kAppTitle), unreadable.join(u'\n'),
                                    QMessageBox::Ok, &window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
        box->open();
    }
    if (!reading.isEmpty()) QTimer::singleShot(0, &window, [&window, reading] { window.OpenReadingPath(reading); });
    return QApplication::exec();
}

}  // namespace

}  // namespace vela::desktop

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vela-upagrahas"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(vela::kVersion));
    if (vela::desktop::AnswerWithoutWindow(argc, argv)) return EXIT_SUCCESS;
    // Writing files shows nothing, so it needs no display: the offscreen platform serves anywhere.
    if (vela::desktop::WritesFilesOnly(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    } else if (!vela::desktop::HasDisplay(argc, argv)) {
        std::fputs(vela::desktop::kNoDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("vela-upagrahas"));
    QApplication::setWindowIcon(vela::desktop::AppIcon());
    vela::desktop::InstallTranslations(QLocale::system());
    return vela::desktop::StartApplication(argc, argv);
}
