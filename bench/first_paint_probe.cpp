// How long the desktop program takes from its start to a painted main window.
//
// The program's own start-up (desktop/main.cpp) has only a quit-after-N-milliseconds hook, which
// times start to exit, not start to the first shown window. This probe repeats the program's
// start-up steps (application object, names and icon, the single-instance lock, the main window,
// show) and watches for the window's first paint. It prints each step's time in milliseconds since
// the moment given in VELA_PROBE_START_NS (nanoseconds of the system clock, taken by the caller just
// before it started the process, so loading the executable and its libraries is included), or
// since main() when that is not set, and quits once the first paint has been flushed.
//
// Run on the offscreen platform: QT_QPA_PLATFORM=offscreen build-bench/vela_first_paint_probe
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "desktop/app_icon.h"
#include "desktop/main_window.h"
#include "desktop/single_instance.h"
#include "vela_version.h"

namespace {

using SystemClock = std::chrono::system_clock;

std::chrono::nanoseconds Now() { return SystemClock::now().time_since_epoch(); }

class Milestones {
public:
    explicit Milestones(std::chrono::nanoseconds startTime) : start(startTime) {}
    void Mark(const char* step) {
        const double ms = std::chrono::duration<double, std::milli>(Now() - start).count();
        std::printf("%-28s %8.2f ms\n", step, ms);
    }

private:
    std::chrono::nanoseconds start;
};

// Sees the first paint event of any widget of the watched window. Painting and flushing the
// backing store happen in one pass, so a zero timer queued from there runs once the pass is over.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* watchedWindow, Milestones& marks) : window(watchedWindow), milestones(marks) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == window) {
                painted = true;
                milestones.Mark("first paint begins");
                QTimer::singleShot(0, qApp, [this] {
                    milestones.Mark("first paint done");
                    QCoreApplication::quit();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window;
    Milestones& milestones;
    bool painted = false;
};

std::chrono::nanoseconds StartFromEnvironment() {
    const char* text = std::getenv("VELA_PROBE_START_NS");
    if (!text || !*text) return Now();
    return std::chrono::nanoseconds(std::strtoll(text, nullptr, 10));
}

}  // namespace

int main(int argc, char* argv[]) {
    Milestones milestones(StartFromEnvironment());
    milestones.Mark("main entered");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vela-upagrahas"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(vela::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("vela-upagrahas"));
    QApplication::setWindowIcon(vela::desktop::AppIcon());
    milestones.Mark("application ready");

    vela::desktop::SingleInstanceGuard guard;
    if (guard.TryAcquire() == vela::desktop::SingleInstanceGuard::Outcome::AlreadyRunning) {
        std::fprintf(stderr, "another copy holds the lock; set XDG_RUNTIME_DIR to a folder of your own\n");
        return EXIT_FAILURE;
    }
    vela::desktop::MainWindow window;
    milestones.Mark("window built");
    FirstPaintWatch watch(&window, milestones);
    app.installEventFilter(&watch);
    window.show();
    milestones.Mark("show returned");
    // A watchdog: a window that never paints ends the probe with a failure instead of hanging.
    QTimer::singleShot(10'000, qApp, [] {
        std::fprintf(stderr, "no paint within 10 s\n");
        QCoreApplication::exit(EXIT_FAILURE);
    });
    return app.exec();
}
