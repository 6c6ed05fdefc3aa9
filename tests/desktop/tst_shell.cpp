// The shell around the window: the web pages, the coordinate search, and one running copy per
// user, the latter checked with real copies of the program.
#include <QDateTime>
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
#include <thread>

#include "desktop/instance_channel.h"
#include "desktop/single_instance.h"
#include "desktop/web_pages.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "tests/support/reference_forms.h"

using namespace vela;

namespace {

// Points the temporary folder of this process (and of the copies it starts) elsewhere for a test.
class TempFolderOverride {
public:
    explicit TempFolderOverride(const QString& folder)
        : strOld(qEnvironmentVariable("TMPDIR")), blnHad(qEnvironmentVariableIsSet("TMPDIR")) {
        qputenv("TMPDIR", folder.toLocal8Bit());
    }
    ~TempFolderOverride() {
        if (blnHad)
            qputenv("TMPDIR", strOld.toLocal8Bit());
        else
            qunsetenv("TMPDIR");
    }
    TempFolderOverride(const TempFolderOverride&) = delete;
    TempFolderOverride& operator=(const TempFolderOverride&) = delete;

private:
    QString strOld;
    bool blnHad;
};

QProcessEnvironment CopyEnvironment(const QString& tempFolder, int quitAfterMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), tempFolder);
    // The copies keep their settings (recent readings) there too, never in the user's own.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tempFolder);
    env.insert(QStringLiteral("VELA_QUIT_AFTER_MS"), QString::number(quitAfterMs));
    return env;
}

// The readings a copy started with this temporary folder remembers, newest first.
QStringList RecentReadingsOf(const QString& tempFolder) {
    const QSettings settings(tempFolder + QStringLiteral("/vela-upagrahas/vela-upagrahas.conf"), QSettings::IniFormat);
    return settings.value(QStringLiteral("recentReadings")).toStringList();
}

// A saved reading of Asha born in New Delhi; empty when it could not be written.
QString WriteAshaReading(const QString& folder) {
    vela::SharedChartState state;
    if (!vela::modCalculationDriver::RunCalculation(NewDelhiForm(), state).Succeeded()) return {};
    const QString path = folder + QStringLiteral("/asha.ved");
    if (vela::modReadingFile::SaveReadingFile(path.toStdString(), state, state.intZoneRow)) return {};
    return path;
}

struct CopyRun {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray standardError;
};

// Runs one copy of the program to its end; its quit hook bounds how long that takes.
CopyRun RunCopy(const QString& program, const QString& tempFolder, int quitAfterMs, const QStringList& arguments = {}) {
    QProcess copy;
    copy.setProcessEnvironment(CopyEnvironment(tempFolder, quitAfterMs));
    copy.start(program, arguments);
    CopyRun run;
    run.finished = copy.waitForFinished(30000);
    run.status = copy.exitStatus();
    run.exitCode = copy.exitCode();
    run.standardError = copy.readAllStandardError();
    return run;
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
    void a_lock_that_names_no_process_is_taken_only_when_old();
    void a_second_copy_refuses_and_a_killed_copy_blocks_nothing();
    void the_channel_carries_a_path_to_the_running_copy();
    void a_reading_given_at_start_is_opened();
    void a_second_start_hands_its_reading_to_the_running_copy();
    void a_reading_that_cannot_be_handed_over_is_said();
    void pdf_and_svg_are_written_without_a_window_or_a_display();
    void a_refused_reading_writes_no_file_and_says_why();
};

void ShellTest::every_page_has_its_own_address() {
    QSet<QString> addresses;
    for (const auto& entry : modWebPages::kWebPages) {
        const QUrl url(QString::fromUtf8(entry.address.data(), static_cast<qsizetype>(entry.address.size())));
        QVERIFY2(url.isValid() && url.scheme() == QStringLiteral("https"), entry.address.data());
        addresses.insert(url.toString());
        QCOMPARE(modWebPages::WebPageAddressOf(entry.page), entry.address);
    }
    QCOMPARE(addresses.size(), static_cast<qsizetype>(modWebPages::kWebPages.size()));
}

void ShellTest::help_is_our_page_on_disk_with_the_online_copy_as_fallback() {
    const QUrl help = modWebPages::WebPageUrl(modWebPages::WebPage::OnlineHelp);
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
    QVERIFY(modWebPages::OpenWebPage(modWebPages::WebPage::OnlineHelp, webOnly));
    QCOMPARE(tried, QList<QUrl>({help, QUrl(QStringLiteral("https://vela-upagrahas.example/help/"))}));

    // With no browser at all the answer is just false.
    tried.clear();
    QVERIFY(!modWebPages::OpenWebPage(modWebPages::WebPage::HomePage, [&tried](const QUrl& url) {
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
    const auto lookup = modWebPages::PrepareLatLongLookup(city.toStdString(), "Maharashtra", "India");
    QVERIFY(!lookup.message);
    QCOMPARE(QString::fromStdString(lookup.strSearchText), search);
    const QUrl url = modWebPages::LatLongSearchUrl(lookup.strSearchText);
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
    qputenv("BROWSER", stub.toLocal8Bit());

    QVERIFY(modWebPages::OpenWebPage(modWebPages::WebPage::HomePage, {}));
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
        modSingleInstance::SingleInstanceGuard first(lock);
        QVERIFY(first.TryAcquire());
        QVERIFY(first.TryAcquire());
        modSingleInstance::SingleInstanceGuard second(lock);
        QVERIFY(!second.TryAcquire());
    }
    QVERIFY(!QFile::exists(lock));
    modSingleInstance::SingleInstanceGuard later(lock);
    QVERIFY(later.TryAcquire());

    // The default lock is per user and lives in the temporary folder.
    TempFolderOverride temp(dir.path());
    const QFileInfo info(modSingleInstance::DefaultLockPath());
    QCOMPARE(info.absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    QVERIFY(info.fileName().startsWith(QStringLiteral("vela-upagrahas-")));
}

void ShellTest::a_lock_that_names_no_process_is_taken_only_when_old() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    QFile empty(lock);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    // Just created: another copy may be writing it this very moment.
    {
        modSingleInstance::SingleInstanceGuard guard(lock);
        QVERIFY(!guard.TryAcquire());
    }
    // Left over from a crash long ago.
    QVERIFY(empty.open(QIODevice::ReadWrite));
    QVERIFY(empty.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    empty.close();
    modSingleInstance::SingleInstanceGuard guard(lock);
    QVERIFY(guard.TryAcquire());
}

void ShellTest::a_second_copy_refuses_and_a_killed_copy_blocks_nothing() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TempFolderOverride temp(dir.path());
    const QString lock = modSingleInstance::DefaultLockPath();

    QProcess first;
    first.setProcessEnvironment(CopyEnvironment(dir.path(), 60000));
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lock).size() > 0, 20000);

    // The second copy says so and ends; its quit hook only closes the message box, which waits for
    // a click that never comes.
    const CopyRun second = RunCopy(program, dir.path(), 1500);
    QVERIFY(second.finished);
    QCOMPARE(second.status, QProcess::NormalExit);
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(second.standardError.contains("Application is already running"), second.standardError.constData());
    QCOMPARE(first.state(), QProcess::Running);

    // A copy killed outright leaves its lock behind; the next start takes it over.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(QFile::exists(lock));
    const CopyRun third = RunCopy(program, dir.path(), 1500);
    QVERIFY(third.finished);
    QCOMPARE(third.status, QProcess::NormalExit);
    QCOMPARE(third.exitCode, 0);
    QVERIFY2(!third.standardError.contains("Application is already running"), third.standardError.constData());
    // A copy that ends normally gives its lock back.
    QVERIFY(!QFile::exists(lock));
}

void ShellTest::the_channel_carries_a_path_to_the_running_copy() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    const QString socket = modInstanceChannel::ChannelPathFor(lock);
    QCOMPARE(socket, dir.filePath(QStringLiteral("copy.socket")));

    // Nobody listening: the start says it could not hand the reading over.
    QVERIFY(!modInstanceChannel::HandOver(socket, QStringLiteral("asha.ved"), 300));

    // A socket left by a copy that crashed is replaced by the next one that listens.
    QFile stale(socket);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    modInstanceChannel::InstanceChannel channel;
    QVERIFY(channel.Listen(socket));
    QSignalSpy handed(&channel, &modInstanceChannel::InstanceChannel::ReadingHandedOver);
    // The later start blocks while it waits for the answer, so it runs beside this event loop.
    std::atomic<int> taken{-1};
    std::thread start([&socket, &taken] {
        taken = modInstanceChannel::HandOver(socket, QStringLiteral("readings/asha.ved")) ? 1 : 0;
    });
    QTRY_COMPARE_WITH_TIMEOUT(handed.size(), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(taken != -1, 10000);
    start.join();
    QCOMPARE(taken.load(), 1);
    // The path arrives made absolute against the starting copy's folder.
    QCOMPARE(handed.front().front().toString(), QFileInfo(QStringLiteral("readings/asha.ved")).absoluteFilePath());
}

void ShellTest::a_reading_given_at_start_is_opened() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString reading = WriteAshaReading(dir.path());
    QVERIFY(!reading.isEmpty());
    const CopyRun run = RunCopy(program, dir.path(), 3000, {reading});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(!run.standardError.contains("already running"), run.standardError.constData());
    QCOMPARE(RecentReadingsOf(dir.path()), QStringList(reading));

    // Two files are one too many.
    const CopyRun two = RunCopy(program, dir.path(), 3000, {reading, reading});
    QVERIFY(two.finished);
    QCOMPARE(two.exitCode, 1);
    QVERIFY2(two.standardError.contains("one reading at a time"), two.standardError.constData());
}

void ShellTest::a_second_start_hands_its_reading_to_the_running_copy() {
    const QString program = QStringLiteral(VELA_DESKTOP_EXE);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TempFolderOverride temp(dir.path());
    const QString reading = WriteAshaReading(dir.path());
    QVERIFY(!reading.isEmpty());

    QProcess first;
    first.setProcessEnvironment(CopyEnvironment(dir.path(), 60000));
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(modSingleInstance::DefaultLockPath()).size() > 0, 20000);

    const CopyRun second = RunCopy(program, dir.path(), 20000, {reading});
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
    TempFolderOverride temp(dir.path());
    // A copy that holds the lock but takes no readings: this test itself.
    modSingleInstance::SingleInstanceGuard holder(modSingleInstance::DefaultLockPath());
    QVERIFY(holder.TryAcquire());
    const QString reading = dir.filePath(QStringLiteral("asha.ved"));
    const CopyRun run = RunCopy(program, dir.path(), modInstanceChannel::kHandOverWaitMs + 3000, {reading});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains(modInstanceChannel::kHandOverFailedMessage), run.standardError.constData());
    QVERIFY2(run.standardError.contains(reading.toLocal8Bit()), run.standardError.constData());
}

// The commands of a script: no display at all (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset),
// and no lock taken, so they run beside a running copy.
QProcessEnvironment NoDisplayEnvironment(const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("TMPDIR"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    return env;
}

void ShellTest::pdf_and_svg_are_written_without_a_window_or_a_display() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TempFolderOverride temp(dir.path());
    const QString reading = WriteAshaReading(dir.path());
    QVERIFY(!reading.isEmpty());
    modSingleInstance::SingleInstanceGuard running(modSingleInstance::DefaultLockPath());
    QVERIFY(running.TryAcquire());

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
    QVERIFY(svgFile.readAll().contains("Ka 10"));
    QVERIFY(QFileInfo(pdf).size() > 0);
    if (!vela::guitest::HavePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed; the PDF's text goes unread");
    const QString text = vela::guitest::PdfText(pdf);
    for (const char* part : {"Asha", "Kaala", "Mrityu", "Arthaprahaara", "Yamaghantaka", "Gulika", "Maandi",
                             "Ascendant", "New Delhi, Delhi, India"})
        QVERIFY2(text.contains(QString::fromLatin1(part)), part);
}

void ShellTest::a_refused_reading_writes_no_file_and_says_why() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // 31 April, as a file from elsewhere could hold it.
    vela::BirthForm form = NewDelhiForm();
    vela::SharedChartState state;
    QVERIFY(vela::modCalculationDriver::RunCalculation(form, state).Succeeded());
    state.intMonth = 4;
    state.intDay = 31;
    const QString reading = dir.filePath(QStringLiteral("april.ved"));
    QVERIFY(!vela::modReadingFile::SaveReadingFile(reading.toStdString(), state, state.intZoneRow));
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
