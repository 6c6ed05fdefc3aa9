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
// The command line takes --help and --version; both answer before the window system starts, so
// they work on a terminal without a display. Any other option is refused with a message.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "desktop/app_icon.h"
#include "desktop/frm_main.h"
#include "desktop/single_instance.h"
#include "vela_version.h"

namespace vela::modStartup {

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

// Options the program answers itself; Qt's own (-platform, -style ...) are QApplication's.
void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Vela Upagrahas: the six time-based upagrahas (Kaala, Mrityu, Arthaprahaara, Yamaghantaka,\n"
                       "Gulika, Maandi) of a birth, from its date, time, zone and place, in a window.\n"
                       "Readings without a window: vela-upagrahas-cli."));
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Print this help and exit.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Print the version and exit.")));
}

// True when the arguments ask for the help or the version, which are then printed.
bool AnswerWithoutWindow(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
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
        std::printf("vela-upagrahas %s\n", kVersion);
        return true;
    }
    return false;
}

int StartApplication(QApplication& app) {
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);  // an unknown option: its message on standard error, exit status 1

    ArmQuitTimerForTests();
    modSingleInstance::SingleInstanceGuard guard;
    const auto lock = guard.TryAcquire();
    if (lock == modSingleInstance::SingleInstanceGuard::Outcome::NoLock) {
        // Without a lock a second copy could start too; that is better than no copy at all.
        std::fprintf(stderr, "vela-upagrahas: starting without the one-copy lock: %s\n",
                     guard.WhyNot().toLocal8Bit().constData());
    } else if (lock == modSingleInstance::SingleInstanceGuard::Outcome::AlreadyRunning) {
        // Also on standard error, where a launcher's log or a test can see it.
        std::fprintf(stderr, "%s\n", modSingleInstance::kAlreadyRunningMessage);
        QMessageBox box(QMessageBox::Information, QString::fromUtf8(kAppTitle),
                        QString::fromUtf8(modSingleInstance::kAlreadyRunningMessage), QMessageBox::Ok);
        box.exec();
        return EndApplication(EXIT_SUCCESS);
    }
    frmMain window;
    window.show();
    return app.exec();
}

}  // namespace

}  // namespace vela::modStartup

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vela-upagrahas"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(vela::kVersion));
    if (vela::modStartup::AnswerWithoutWindow(argc, argv)) return EXIT_SUCCESS;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("vela-upagrahas"));
    QApplication::setWindowIcon(vela::modAppIcon::AppIcon());
    return vela::modStartup::StartApplication(app);
}
