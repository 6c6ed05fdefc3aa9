// The shell around the window: the web pages, the coordinate search, and one running copy per
// user, the latter checked with real copies of the program.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <atomic>
#include <filesystem>
#include <thread>

#include "desktop/file_names.h"
#include "desktop/instance_channel.h"
#include "desktop/single_instance.h"
#include "desktop/web_pages.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/reference_forms.h"

using namespace vela;

namespace {

// Sets (or, with a null value, removes) an environment variable of this process for a test.
class EnvOverride {
public:
    EnvOverride(const char* variable, const QString& value, bool remove = false)
        : name(variable), oldValue(qgetenv(variable)), had(qEnvironmentVariableIsSet(variable)) {
        if (remove)
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    }
    ~EnvOverride() {
        if (had)
            qputenv(name, oldValue);
        else
            qunsetenv(name);
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    const char* name;
    QByteArray oldValue;
    bool had;
};

// The environment of a copy: its runtime folder (none when empty), and its cache and home. The
// copy keeps its settings (recent readings) in the runtime folder, or else under the home, never in
// the user's own.
QProcessEnvironment CopyEnvironment(const QString& runtimeFolder, int quitAfterMs, const QString& home = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (runtimeFolder.isEmpty())
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    else
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    if (!home.isEmpty()) {
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    }
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               !runtimeFolder.isEmpty() ? runtimeFolder : home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("VELA_QUIT_AFTER_MS"), QString::number(quitAfterMs));
    return env;
}

struct CopyRun {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray standardError;
};

// Runs one copy of the program to its end; its quit hook bounds how long that takes.
CopyRun RunCopy(const QString& program, const QProcessEnvironment& env, const QString& workingFolder = {},
                const QStringList& arguments = {}) {
    QProcess copy;
    copy.setProcessEnvironment(env);
    if (!workingFolder.isEmpty()) copy.setWorkingDirectory(workingFolder);
    copy.start(program, arguments);
    CopyRun run;
    run.finished = copy.waitForFinished(30000);
    run.status = copy.exitStatus();
    run.exitCode = copy.exitCode();
    run.standardError = copy.readAllStandardError();
    return run;
}

// The readings a copy whose settings live in the folder remembers.
QStringList RecentReadingsOf(const QString& folder) {
    const QSettings settings(folder + QStringLiteral("/vela-upagrahas/vela-upagrahas.conf"), QSettings::IniFormat);
    return settings.value(QStringLiteral("recentReadings")).toStringList();
}

QString WriteAshaReading(const QString& folder) {
    vela::reading::Reading state;
    if (!vela::reading::RunCalculation(NewDelhiForm(), state).Succeeded()) return {};
    const QString path = folder + QStringLiteral("/asha.ved");
    if (vela::reading::SaveReadingFile(path.toStdString(), state, state.zoneRow)) return {};
    return path;
}

using Guard = desktop::SingleInstanceGuard;
using Outcome = desktop::SingleInstanceGuard::Outcome;

// Writes a lock file as another copy would have left it.
void WriteLock(const QString& path, const QByteArray& content, qint64 ageSeconds) {
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write(content);
    QVERIFY(lock.flush());  // written now, so that closing does not move the time set below
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void every_page_has_its_own_address();
    void help_is_our_page_on_disk_with_the_online_copy_as_fallback();
    void the_search_address_carries_the_place_text_intact_data();
    void the_search_address_carries_the_place_text_intact();
    void pages_open_in_the_default_browser();
    void one_guard_per_lock_file();
    void the_lock_lives_in_a_folder_of_the_users_own();
    void a_lock_that_cannot_be_made_lets_the_program_start_data();
    void a_lock_that_cannot_be_made_lets_the_program_start();
    void a_lock_that_names_no_process_is_taken_only_when_old();
    void a_lock_of_another_host_is_taken_only_when_old();
    void a_second_copy_refuses_and_a_killed_copy_blocks_nothing();
    void a_copy_that_cannot_lock_starts_and_says_why();
    void without_a_runtime_folder_the_lock_stays_out_of_the_working_folder();
    void the_channel_carries_a_path_to_the_running_copy();
    void a_reading_given_at_start_is_opened();
    void a_second_start_hands_its_reading_to_the_running_copy();
    void a_reading_that_cannot_be_handed_over_is_said();
    void pdf_and_svg_are_written_without_a_window_or_a_display();
    void a_refused_reading_writes_no_file_and_says_why();
};

void ShellTest::every_page_has_its_own_address() {
    QSet<QString> addresses;
    for (const auto& entry : desktop::kWebPages) {
        const QUrl url(QString::fromUtf8(entry.address.data(), static_cast<qsizetype>(entry.address.size())));
        QVERIFY2(url.isValid() && url.scheme() == QStringLiteral("https"), entry.address.data());
        addresses.insert(url.toString());
        QCOMPARE(desktop::WebPageAddressOf(entry.page), entry.address);
    }
    QCOMPARE(addresses.size(), static_cast<qsizetype>(desktop::kWebPages.size()));
}

void ShellTest::help_is_our_page_on_disk_with_the_online_copy_as_fallback() {
    const QUrl help = desktop::WebPageUrl(desktop::WebPage::OnlineHelp);
    QVERIFY2(help.isLocalFile(), qPrintable(help.toString()));
    QFile page(help.toLocalFile());
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    QVERIFY(html.contains("<title>Vela Upagrahas"));
    QVERIFY(html.contains("screenshot-form.png"));

    // A desktop that opens web addresses but no local files still gets help, from the web.
    QList<QUrl> tried;
    const auto webOnly = [&tried](const QUrl& url) {
        tried << url;
        return !url.isLocalFile();
    };
    QVERIFY(desktop::OpenWebPage(desktop::WebPage::OnlineHelp, webOnly));
    QCOMPARE(tried, QList<QUrl>({help, QUrl(QStringLiteral("https://vela-upagrahas.example/help/"))}));

    // With no browser at all the answer is just false.
    tried.clear();
    QVERIFY(!desktop::OpenWebPage(desktop::WebPage::HomePage, [&tried](const QUrl& url) {
        tried << url;
        return false;
    }));
    QCOMPARE(tried.size(), 1);
}

void ShellTest::the_search_address_carries_the_place_text_intact_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("search");
    QTest::newRow("plain") << "Pune"
                           << "Pune Maharashtra India Latitude Longitude";
    QTest::newRow("characters that mean something in an address")
        << "A&B=C?D#E+F%20"
        << "A&B=C?D#E+F%20 Maharashtra India Latitude Longitude";
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("S\u00e3o Paulo") << QStringLiteral("S\u00e3o Paulo Maharashtra India Latitude Longitude");
}

void ShellTest::the_search_address_carries_the_place_text_intact() {
    QFETCH(QString, city);
    QFETCH(QString, search);
    const auto lookup = desktop::PrepareLatLongLookup(city.toStdString(), "Maharashtra", "India");
    QVERIFY(!lookup.message);
    QCOMPARE(QString::fromStdString(lookup.searchText), search);
    const QUrl url = desktop::LatLongSearchUrl(lookup.searchText);
    QVERIFY(url.isValid());
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 1);
    QCOMPARE(query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), search);
}

void ShellTest::pages_open_in_the_default_browser() {
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        QSKIP("the offscreen platform starts no browser; CTest runs this case again under xvfb-run");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString log = dir.filePath(QStringLiteral("browser.log"));
    const QString stub = dir.filePath(QStringLiteral("browser"));
    QFile script(stub);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(log).toLocal8Bit());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const EnvOverride browser("BROWSER", stub);
    // xdg-open asks the desktop's defaults before $BROWSER: a private default for web links names
    // the stub, so an installed browser (which registers itself for https) is never started.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("data/applications")));
    QFile entry(dir.filePath(QStringLiteral("data/applications/vela-test-browser.desktop")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Test browser\nExec=%1 %u\n"
                               "MimeType=x-scheme-handler/http;x-scheme-handler/https;\n")
                    .arg(stub)
                    .toLocal8Bit());
    entry.close();
    QFile defaults(dir.filePath(QStringLiteral("mimeapps.list")));
    QVERIFY(defaults.open(QIODevice::WriteOnly));
    defaults.write(
        "[Default Applications]\nx-scheme-handler/http=vela-test-browser.desktop\n"
        "x-scheme-handler/https=vela-test-browser.desktop\n");
    defaults.close();
    const EnvOverride config("XDG_CONFIG_HOME", dir.path());
    const EnvOverride data("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")));
    const EnvOverride desktopName("XDG_CURRENT_DESKTOP", QString(), true);

    QVERIFY(desktop::OpenWebPage(desktop::WebPage::HomePage, {}));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(log).size() > 0, 10000);
    QFile written(log);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().trimmed(), QByteArray("https://vela-upagrahas.example/"));
}

void ShellTest::one_guard_per_lock_file() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    {
        Guard first(lock);
        QCOMPARE(first.TryAcquire(), Outcome::Acquired);
        QCOMPARE(first.TryAcquire(), Outcome::Acquired);
        QCOMPARE(first.WhyNot(), QString());
        Guard second(lock);
        QCOMPARE(second.TryAcquire(), Outcome::AlreadyRunning);
        QCOMPARE(second.WhyNot(), QStringLiteral("Application is already running"));
    }
    QVERIFY(!QFile::exists(lock));
    Guard later(lock);
    QCOMPARE(later.TryAcquire(), Outcome::Acquired);
}

void ShellTest::the_lock_lives_in_a_folder_of_the_users_own() {
    QTemporaryDir runtime;
    QTemporaryDir cache;
    QVERIFY(runtime.isValid() && cache.isValid());
    const EnvOverride cacheHome("XDG_CACHE_HOME", cache.path());
    const QString fallback = QDir(cache.path()).filePath(QStringLiteral("vela-upagrahas/vela-upagrahas.lock"));

    // The session's runtime folder, private to the user.
    {
        const EnvOverride env("XDG_RUNTIME_DIR", runtime.path());
        QCOMPARE(desktop::DefaultLockPath(), QDir(runtime.path()).filePath("vela-upagrahas.lock"));
    }
    // A runtime folder that is missing, not absolute, or open to other users is not used: the
    // lock goes to a folder of the program's own under the user's cache, made private to the user.
    const QString open = runtime.filePath(QStringLiteral("open"));
    QVERIFY(QDir().mkdir(open));
    QVERIFY(QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteOther |
                                            QFile::ReadOther | QFile::ExeOther));
    for (const QString& unusable : {runtime.filePath(QStringLiteral("gone")), QStringLiteral("relative"), open}) {
        const EnvOverride env("XDG_RUNTIME_DIR", unusable);
        QCOMPARE(desktop::DefaultLockPath(), fallback);
    }
    {
        const EnvOverride env("XDG_RUNTIME_DIR", QString(), true);
        QCOMPARE(desktop::DefaultLockPath(), fallback);
    }
    const QFileInfo folder(QFileInfo(fallback).path());
    QVERIFY(folder.isDir());
    QCOMPARE(folder.permissions() & (QFile::WriteGroup | QFile::WriteOther | QFile::ReadOther),
             QFileDevice::Permissions());
}

void ShellTest::a_lock_that_cannot_be_made_lets_the_program_start_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder in the lock file's place") << "folder"
                                                       << "is in the lock file's place and is no lock file";
    QTest::newRow("a missing folder") << "missing"
                                      << "could not be made or written";
    QTest::newRow("a full disk") << "full"
                                 << "could not be made or written";
    // The kernel's own folder, where nobody may make a file, root included.
    QTest::newRow("a folder nobody may write to") << "sysfs"
                                                  << "could not be made: permission denied";
    QTest::newRow("no runtime and no cache folder") << "nowhere"
                                                    << "there is no runtime folder";
}

void ShellTest::a_lock_that_cannot_be_made_lets_the_program_start() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString lock = dir.filePath(QStringLiteral("copy.lock"));
    if (kind == QStringLiteral("folder")) QVERIFY(QDir().mkdir(lock));
    if (kind == QStringLiteral("missing")) lock = dir.filePath(QStringLiteral("gone/copy.lock"));
    if (kind == QStringLiteral("sysfs")) {
        if (!QFileInfo(QStringLiteral("/sys/kernel")).isDir()) QSKIP("no /sys on this system");
        lock = QStringLiteral("/sys/kernel/vela-upagrahas.lock");
    }

    Outcome outcome = Outcome::Acquired;
    QString why;
    if (kind == QStringLiteral("full")) {
        // A disk that takes no byte more.
        const FileSizeLimit full(0);
        QVERIFY(full.IsSet());
        Guard guard(lock);
        outcome = guard.TryAcquire();
        why = guard.WhyNot();
    } else if (kind == QStringLiteral("nowhere")) {
        // The runtime folder is missing and the cache folder sits under a regular file.
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const EnvOverride runtime("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("gone")));
        const EnvOverride cache("XDG_CACHE_HOME", dir.filePath(QStringLiteral("file/cache")));
        Guard guard;
        outcome = guard.TryAcquire();
        why = guard.WhyNot();
    } else {
        Guard guard(lock);
        outcome = guard.TryAcquire();
        why = guard.WhyNot();
    }
    QCOMPARE(outcome, Outcome::NoLock);
    QVERIFY2(why.contains(reason), qPrintable(why));
    QVERIFY2(!why.contains(u'\n'), qPrintable(why));
}

void ShellTest::a_lock_that_names_no_process_is_taken_only_when_old() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    // Just created: another copy may be writing it this very moment.
    WriteLock(lock, QByteArray(), 0);
    {
        Guard guard(lock);
        QCOMPARE(guard.TryAcquire(), Outcome::AlreadyRunning);
    }
    // Left over from a crash long ago.
    WriteLock(lock, QByteArray(), 60);
    Guard guard(lock);
    QCOMPARE(guard.TryAcquire(), Outcome::Acquired);
}

void ShellTest::a_lock_of_another_host_is_taken_only_when_old() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    // Its process cannot be looked for here; a young one may belong to a copy that runs there.
    const QByteArray elsewhere = "4242\nvela-upagrahas\nanother-host.invalid\n";
    WriteLock(lock, elsewhere, 5);
    {
        Guard guard(lock);
        QCOMPARE(guard.TryAcquire(), Outcome::AlreadyRunning);
    }
    WriteLock(lock, elsewhere, desktop::kForeignLockSeconds + 60);
    Guard guard(lock);
    QCOMPARE(guard.TryAcquire(), Outcome::Acquired);
}

void ShellTest::a_second_copy_refuses_and_a_killed_copy_blocks_nothing() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("vela-upagrahas.lock"));

    QProcess first;
    first.setProcessEnvironment(CopyEnvironment(dir.path(), 60000));
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lock).size() > 0, 20000);

    // The second copy says so and ends; its quit hook only closes the message box, which waits for
    // a click that never comes.
    const CopyRun second = RunCopy(program, CopyEnvironment(dir.path(), 1500));
    QVERIFY(second.finished);
    QCOMPARE(second.status, QProcess::NormalExit);
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(second.standardError.contains("Application is already running"), second.standardError.constData());
    QCOMPARE(first.state(), QProcess::Running);

    // A copy killed outright leaves its lock behind; the next start takes it over.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(QFile::exists(lock));
    const CopyRun third = RunCopy(program, CopyEnvironment(dir.path(), 1500));
    QVERIFY(third.finished);
    QCOMPARE(third.status, QProcess::NormalExit);
    QCOMPARE(third.exitCode, 0);
    QVERIFY2(!third.standardError.contains("Application is already running"), third.standardError.constData());
    // A copy that ends normally gives its lock back.
    QVERIFY(!QFile::exists(lock));
}

void ShellTest::a_copy_that_cannot_lock_starts_and_says_why() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("vela-upagrahas.lock")));
    const CopyRun copy = RunCopy(program, CopyEnvironment(dir.path(), 500));
    QVERIFY(copy.finished);
    QCOMPARE(copy.status, QProcess::NormalExit);
    QCOMPARE(copy.exitCode, 0);
    QVERIFY2(!copy.standardError.contains("Application is already running"), copy.standardError.constData());
    QVERIFY2(copy.standardError.contains("vela-upagrahas: starting without the one-copy lock: "),
             copy.standardError.constData());
}

void ShellTest::without_a_runtime_folder_the_lock_stays_out_of_the_working_folder() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString home = dir.filePath(QStringLiteral("home"));
    const QString work = dir.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(work));

    QProcess first;
    first.setProcessEnvironment(CopyEnvironment(QString(), 60000, home));
    first.setWorkingDirectory(work);
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    const QString lock = home + QStringLiteral("/.cache/vela-upagrahas/vela-upagrahas.lock");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lock).size() > 0, 20000);

    const CopyRun second = RunCopy(program, CopyEnvironment(QString(), 1500, home), work);
    QVERIFY(second.finished);
    QVERIFY2(second.standardError.contains("Application is already running"), second.standardError.constData());
    QVERIFY(QDir(work).isEmpty());
    first.kill();
    QVERIFY(first.waitForFinished(10000));
}

void ShellTest::the_channel_carries_a_path_to_the_running_copy() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    const QString socket = desktop::ChannelPathFor(lock);
    QCOMPARE(socket, dir.filePath(QStringLiteral("copy.socket")));

    // Nobody listening: the start says it could not hand the reading over.
    QVERIFY(!desktop::HandOver(socket, QStringLiteral("asha.ved"), 300));

    // A socket left by a copy that crashed is replaced by the next one that listens.
    QFile stale(socket);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    desktop::InstanceChannel channel;
    QVERIFY(channel.Listen(socket));
    QSignalSpy handed(&channel, &desktop::InstanceChannel::ReadingHandedOver);
    // The later start blocks while it waits for the answer, so it runs beside this event loop.
    std::atomic<int> taken{-1};
    // Only a readable file is handed over; a relative name is made absolute first.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()) && QDir().mkdir(QStringLiteral("readings")));
    QVERIFY(!WriteAshaReading(dir.filePath(QStringLiteral("readings"))).isEmpty());
    std::thread start(
        [&socket, &taken] { taken = desktop::HandOver(socket, QStringLiteral("readings/asha.ved")) ? 1 : 0; });
    QTRY_COMPARE_WITH_TIMEOUT(handed.size(), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(taken != -1, 10000);
    start.join();
    QCOMPARE(taken.load(), 1);
    // The path arrives made absolute against the starting copy's folder.
    QCOMPARE(handed.front().front().toString(), QFileInfo(QStringLiteral("readings/asha.ved")).absoluteFilePath());
    // So does a relative name in bytes that are not UTF-8 ("M\xfcller.ved", written in Latin-1).
    const QByteArray latin1 = QByteArrayLiteral("readings/M\xfcller.ved");
    QVERIFY(std::filesystem::copy_file("readings/asha.ved", latin1.toStdString()));
    taken = -1;
    std::thread relative(
        [&socket, &taken, &latin1] { taken = desktop::HandOver(socket, desktop::DecodeFileName(latin1)) ? 1 : 0; });
    QTRY_COMPARE_WITH_TIMEOUT(handed.size(), 2, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(taken != -1, 10000);
    relative.join();
    QCOMPARE(taken.load(), 1);
    QCOMPARE(desktop::EncodeFileName(handed.back().front().toString()), QFile::encodeName(dir.path()) + '/' + latin1);
    QDir::setCurrent(previous);
}

void ShellTest::a_reading_given_at_start_is_opened() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString reading = WriteAshaReading(dir.path());
    QVERIFY(!reading.isEmpty());
    const CopyRun run = RunCopy(program, CopyEnvironment(dir.path(), 3000), {}, {reading});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(!run.standardError.contains("already running"), run.standardError.constData());
    QCOMPARE(RecentReadingsOf(dir.path()), QStringList(reading));

    // Two files are one too many.
    const CopyRun two = RunCopy(program, CopyEnvironment(dir.path(), 3000), {}, {reading, reading});
    QVERIFY(two.finished);
    QCOMPARE(two.exitCode, 1);
    QVERIFY2(two.standardError.contains("one reading at a time"), two.standardError.constData());
}

void ShellTest::a_second_start_hands_its_reading_to_the_running_copy() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    EnvOverride runtime("XDG_RUNTIME_DIR", dir.path());
    const QString reading = WriteAshaReading(dir.path());
    QVERIFY(!reading.isEmpty());

    QProcess first;
    first.setProcessEnvironment(CopyEnvironment(dir.path(), 60000));
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(desktop::DefaultLockPath()).size() > 0, 20000);

    const CopyRun second = RunCopy(program, CopyEnvironment(dir.path(), 20000), {}, {reading});
    QVERIFY(second.finished);
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(!second.standardError.contains("already running"), second.standardError.constData());
    // The running copy opened it (and remembers it); the second one never showed a window.
    QTRY_COMPARE_WITH_TIMEOUT(RecentReadingsOf(dir.path()), QStringList(reading), 10000);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    QVERIFY(first.waitForFinished(10000));
}

void ShellTest::a_reading_that_cannot_be_handed_over_is_said() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    EnvOverride runtime("XDG_RUNTIME_DIR", dir.path());
    // A copy that holds the lock but takes no readings: this test itself.
    desktop::SingleInstanceGuard holder(desktop::DefaultLockPath());
    QCOMPARE(holder.TryAcquire(), Outcome::Acquired);
    const QString reading = WriteAshaReading(dir.path());
    QVERIFY(!reading.isEmpty());
    // No quit hook: the start gives up, says so, and its message closes by itself.
    const CopyRun run = RunCopy(program, CopyEnvironment(dir.path(), 0), {}, {reading});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains(desktop::kHandOverFailedMessage), run.standardError.constData());
    QVERIFY2(run.standardError.contains(reading.toLocal8Bit()), run.standardError.constData());
}

// The commands of a script: no display at all (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset),
// and no lock taken, so they run beside a running copy.
QProcessEnvironment NoDisplayEnvironment(const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    return env;
}

void ShellTest::pdf_and_svg_are_written_without_a_window_or_a_display() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    EnvOverride runtime("XDG_RUNTIME_DIR", dir.path());
    const QString reading = WriteAshaReading(dir.path());
    QVERIFY(!reading.isEmpty());
    desktop::SingleInstanceGuard running(desktop::DefaultLockPath());
    QCOMPARE(running.TryAcquire(), Outcome::Acquired);

    const QString pdf = dir.filePath(QStringLiteral("asha.pdf"));
    const QString svg = dir.filePath(QStringLiteral("asha.svg"));
    QProcess command;
    command.setProcessEnvironment(NoDisplayEnvironment(dir.path()));
    command.start(QStringLiteral(VELA_DESKTOP_EXE),
                  {QStringLiteral("--pdf"), pdf, QStringLiteral("--svg"), svg, reading});
    QVERIFY(command.waitForFinished(60000));
    QCOMPARE(command.exitStatus(), QProcess::NormalExit);
    QCOMPARE(command.exitCode(), 0);
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray drawn = svgFile.readAll();
    QVERIFY(drawn.contains("Ka 10"));
    // The grahas beside the upagrahas: the Moon at 11 degrees of Leo.
    QVERIFY(drawn.contains("Mo 11"));
    QVERIFY(QFileInfo(pdf).size() > 0);
    // In Hindi, without Qt's notes on the fonts it falls back from (DejaVu Sans to Noto) on standard error.
    QProcess hindi;
    hindi.setProcessEnvironment(NoDisplayEnvironment(dir.path()));
    hindi.start(QStringLiteral(VELA_DESKTOP_EXE), {QStringLiteral("--pdf"), dir.filePath(QStringLiteral("hi.pdf")),
                                                   QStringLiteral("--lang"), QStringLiteral("hi"), reading});
    QVERIFY(hindi.waitForFinished(60000));
    QCOMPARE(hindi.exitCode(), 0);
    QCOMPARE(hindi.readAllStandardError(), QByteArray());
    if (!vela::guitest::HavePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    const QString text = vela::guitest::PdfText(pdf);
    for (const char* part :
         {"Asha", "Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka", "Gulika", "Maandi", "Ascendant",
          "New Delhi, Delhi, India", "Janma rasi Leo", "Grahas", "Upagrahas of the Sun", "Dhuma"})
        QVERIFY2(text.contains(QString::fromLatin1(part)), part);
}

void ShellTest::a_refused_reading_writes_no_file_and_says_why() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // 31 April, as a file from elsewhere could hold it.
    vela::reading::BirthForm form = NewDelhiForm();
    vela::reading::Reading state;
    QVERIFY(vela::reading::RunCalculation(form, state).Succeeded());
    state.month = 4;
    state.day = 31;
    const QString reading = dir.filePath(QStringLiteral("april.ved"));
    QVERIFY(!vela::reading::SaveReadingFile(reading.toStdString(), state, state.zoneRow));
    const QString pdf = dir.filePath(QStringLiteral("april.pdf"));
    QProcess command;
    command.setProcessEnvironment(NoDisplayEnvironment(dir.path()));
    command.start(QStringLiteral(VELA_DESKTOP_EXE), {QStringLiteral("--pdf"), pdf, reading});
    QVERIFY(command.waitForFinished(60000));
    QCOMPARE(command.exitCode(), 1);
    QVERIFY2(command.readAllStandardError().contains("Please Enter Correct Date Or Month !"), "the window's message");
    QVERIFY(!QFile::exists(pdf));

    // No reading at all is a usage mistake.
    command.start(QStringLiteral(VELA_DESKTOP_EXE), {QStringLiteral("--svg"), dir.filePath(QStringLiteral("x.svg"))});
    QVERIFY(command.waitForFinished(60000));
    QCOMPARE(command.exitCode(), 1);
    QVERIFY(command.readAllStandardError().contains("--pdf and --svg take one reading"));
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
