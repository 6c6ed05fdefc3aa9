// Start-up and shutdown of the desktop program.
//
// One copy per user: a second start shows "Application is already running" and ends before any
// window is built. Otherwise the main window opens and the program ends when it closes.
//
// One hook exists for automated runs: VELA_QUIT_AFTER_MS=<milliseconds> ends the program after that
// time as if every window had been closed, whatever it shows (the main window or the refusal box).
// The GUI tests start two real copies with it; nothing else reads it.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "desktop/app_icon.h"
#include "desktop/frm_main.h"
#include "desktop/single_instance.h"

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

int StartApplication(QApplication& app) {
    ArmQuitTimerForTests();
    modSingleInstance::SingleInstanceGuard guard(modSingleInstance::DefaultLockPath());
    if (!guard.TryAcquire()) {
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
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vela-upagrahas"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(vela::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("vela-upagrahas"));
    QApplication::setWindowIcon(vela::modAppIcon::AppIcon());
    return vela::modStartup::StartApplication(app);
}
