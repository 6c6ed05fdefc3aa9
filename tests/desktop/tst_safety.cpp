// What an attack on the program found, each case as the user or a script meets it: the files that
// --pdf and --svg write, names that are not UTF-8, the one-copy lock, the hand-over channel, the
// settings file, and a start without a display. Real copies of the program run with a cleaned
// environment in a temporary folder.
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <memory>
#include <thread>
#include <vector>

#include "desktop/file_names.h"
#include "desktop/instance_channel.h"
#include "desktop/reading_print.h"
#include "desktop/single_instance.h"
#include "desktop/window_settings.h"
#include "gui_test_support.h"
#include "reading/calculation_driver.h"
#include "reading/file_output.h"
#include "reading/reading_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/reference_forms.h"

using namespace vela;
using Outcome = desktop::SingleInstanceGuard::Outcome;

namespace {

// No display at all, settings and lock in the folder: a script's start.
QProcessEnvironment ScriptEnvironment(const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    return env;
}

struct Run {
    int exitCode = -1;
    QByteArray standardError;
};

Run RunProgram(const QString& folder, const QStringList& arguments) {
    QProcess program;
    program.setProcessEnvironment(ScriptEnvironment(folder));
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(VELA_DESKTOP_EXE), arguments);
    Run run;
    if (!program.waitForFinished(60000)) return run;
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.standardError = program.readAllStandardError();
    return run;
}

QByteArray AshaBytes() {
    reading::Reading state;
    if (!reading::RunCalculation(NewDelhiForm(), state).Succeeded()) return {};
    return QByteArray::fromStdString(reading::ReadingFileText(state, state.zoneRow));
}

// Writes a file by its very bytes (QFile would re-encode a name that is not UTF-8).
bool Spit(const QByteArray& nativePath, const QByteArray& bytes) {
    const int fd = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = ::write(fd, bytes.constData(), static_cast<std::size_t>(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QByteArray Slurp(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SafetyTest : public guitest::WindowTest {
    Q_OBJECT

private slots:
    void file_names_travel_as_their_bytes_data();
    void file_names_travel_as_their_bytes();
    void outputs_that_clash_or_are_no_files_are_refused_before_writing_data();
    void outputs_that_clash_or_are_no_files_are_refused_before_writing();
    void a_full_disk_fails_the_svg_and_keeps_the_earlier_file();
    void a_full_small_file_system_fails_the_svg_and_keeps_the_earlier_file();
    void an_output_keeps_the_permissions_of_the_file_it_replaces();
    void a_reading_whose_name_is_not_utf8_is_written_out();
    void the_window_opens_and_exports_under_names_that_are_not_utf8_and_says_when_the_disk_is_full();
    void a_lock_that_no_copy_holds_is_taken_whatever_its_permissions_or_date();
    void a_stale_lock_in_a_folder_that_cannot_change_is_named();
    void a_path_with_a_line_break_is_handed_over_whole_and_a_missing_file_is_not_handed_over();
    void the_channel_closes_silent_connections_and_outlives_a_flood_and_a_removed_socket();
    void a_reading_whose_sender_gave_up_is_not_opened_later();
    void a_setting_that_cannot_be_read_is_named();
    void without_a_display_the_window_says_how_to_run_and_exits_1();
};

// ---- File names ---------------------------------------------------------------------------------

void SafetyTest::file_names_travel_as_their_bytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("/home/asha/asha.ved") << QStringLiteral("\"/home/asha/asha.ved\"");
    QTest::newRow("utf-8") << QByteArray("/m\xc3\xbcller.ved") << QStringLiteral("\"/m\u00fcller.ved\"");
    QTest::newRow("latin-1") << QByteArray("/M\xfcller.ved") << QStringLiteral("\"/M?ller.ved\"");
    QTest::newRow("cut utf-8") << QByteArray("/a\xe2\x82.ved") << QStringLiteral("\"/a??.ved\"");
    QTest::newRow("overlong slash") << QByteArray("/a\xc0\xaf.ved") << QStringLiteral("\"/a??.ved\"");
    QTest::newRow("line break and escape") << QByteArray("/a\nb\x1b[31m.ved") << QStringLiteral("\"/a?b?[31m.ved\"");
    QTest::newRow("four-byte letter") << QByteArray("/\xf0\x9f\x8c\x9e.ved") << QStringLiteral("\"/\U0001F31E.ved\"");
}

void SafetyTest::file_names_travel_as_their_bytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = desktop::DecodeFileName(bytes);
    QCOMPARE(desktop::EncodeFileName(name), bytes);
    QCOMPARE(desktop::PrintableFileName(name), shown);
}

// ---- What --pdf and --svg write -------------------------------------------------------------------

void SafetyTest::outputs_that_clash_or_are_no_files_are_refused_before_writing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("the pdf is the reading")
        << QStringList{QStringLiteral("--pdf"), QStringLiteral("asha.ved"), QStringLiteral("asha.ved")}
        << QStringLiteral("is the reading");
    QTest::newRow("pdf and svg the same file")
        << QStringList{QStringLiteral("--pdf"), QStringLiteral("x"), QStringLiteral("--svg"), QStringLiteral("./x"),
                       QStringLiteral("asha.ved")}
        << QStringLiteral("are the same file");
    QTest::newRow("a pipe") << QStringList{QStringLiteral("--svg"), QStringLiteral("pipe"), QStringLiteral("asha.ved")}
                            << QStringLiteral("is not an ordinary file");
    QTest::newRow("a device") << QStringList{QStringLiteral("--pdf"), QStringLiteral("/dev/null"),
                                             QStringLiteral("asha.ved")}
                              << QStringLiteral("is not an ordinary file");
    QTest::newRow("a write-protected file")
        << QStringList{QStringLiteral("--svg"), QStringLiteral("protected.svg"), QStringLiteral("asha.ved")}
        << QStringLiteral("is write-protected");
    QTest::newRow("a hostile name in a missing folder")
        << QStringList{QStringLiteral("--svg"), QStringLiteral("gone\nfolder\x1b[31m/x.svg"),
                       QStringLiteral("asha.ved")}
        << QStringLiteral("\"gone?folder?[31m/x.svg\"");
}

void SafetyTest::outputs_that_clash_or_are_no_files_are_refused_before_writing() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray asha = AshaBytes();
    QVERIFY(Spit(QFile::encodeName(dir.filePath(QStringLiteral("asha.ved"))), asha));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    QVERIFY(Spit(QFile::encodeName(dir.filePath(QStringLiteral("protected.svg"))), "kept"));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("protected.svg")),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    const Run run = RunProgram(dir.path(), arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains(message.toUtf8()), run.standardError.constData());
    // One line per message: no line break or escape of the name reaches the terminal.
    QVERIFY2(!run.standardError.contains('\x1b'), run.standardError.constData());
    QCOMPARE(Slurp(dir.filePath(QStringLiteral("asha.ved"))), asha);
    QCOMPARE(Slurp(dir.filePath(QStringLiteral("protected.svg"))), QByteArray("kept"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("pipe"))).isFile() == false);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
}

// A disk that is full: the copy may write files of at most 64 bytes (RLIMIT_FSIZE, inherited).
void SafetyTest::a_full_disk_fails_the_svg_and_keeps_the_earlier_file() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(Spit(QFile::encodeName(dir.filePath(QStringLiteral("asha.ved"))), AshaBytes()));
    QVERIFY(Spit(QFile::encodeName(dir.filePath(QStringLiteral("asha.svg"))), "the earlier chart"));
    QProcess program;
    program.setProcessEnvironment(ScriptEnvironment(dir.path()));
    program.setWorkingDirectory(dir.path());
    {
        const FileSizeLimit full(64);
        QVERIFY(full.IsSet());
        program.start(QStringLiteral(VELA_DESKTOP_EXE),
                      {QStringLiteral("--svg"), QStringLiteral("asha.svg"), QStringLiteral("asha.ved")});
        QVERIFY(program.waitForStarted());
    }
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
    const QByteArray said = program.readAllStandardError();
    // The reason names the file: the message names it once.
    QVERIFY2(said.contains("The chart image could not be written: Writing \"asha.svg\" failed"), said.constData());
    QVERIFY2(said.contains("File too large"), said.constData());
    QCOMPARE(Slurp(dir.filePath(QStringLiteral("asha.svg"))), QByteArray("the earlier chart"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// The same on a real full disk: a small file system filled to the last block. Mounting one needs
// root.
void SafetyTest::a_full_small_file_system_fails_the_svg_and_keeps_the_earlier_file() {
    if (::geteuid() != 0) QSKIP("mounting a small file system needs root; the file size limit above stands for it");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString disk = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkdir(disk));
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=64k"), QStringLiteral("tmpfs"), disk});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        QSKIP("no small file system could be mounted here (a container without the right)");
    const auto unmount = qScopeGuard([&disk] { QProcess::execute(QStringLiteral("umount"), {disk}); });
    QVERIFY(Spit(QFile::encodeName(disk + QStringLiteral("/asha.ved")), AshaBytes()));
    QVERIFY(Spit(QFile::encodeName(disk + QStringLiteral("/asha.svg")), "the earlier chart"));
    {
        QFile filler(disk + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    const Run run = RunProgram(disk, {QStringLiteral("--svg"), QStringLiteral("asha.svg"), QStringLiteral("asha.ved")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.standardError.contains("No space left on device"), run.standardError.constData());
    QCOMPARE(Slurp(disk + QStringLiteral("/asha.svg")), QByteArray("the earlier chart"));
}

void SafetyTest::an_output_keeps_the_permissions_of_the_file_it_replaces() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(Spit(QFile::encodeName(dir.filePath(QStringLiteral("asha.ved"))), AshaBytes()));
    const QString svg = dir.filePath(QStringLiteral("asha.svg"));
    QVERIFY(Spit(QFile::encodeName(svg), "the earlier chart"));
    QVERIFY(QFile::setPermissions(svg, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::link(svg, dir.filePath(QStringLiteral("link.svg"))));
    const Run run =
        RunProgram(dir.path(), {QStringLiteral("--svg"), QStringLiteral("link.svg"), QStringLiteral("asha.ved")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(Slurp(svg).contains("<svg"));
    QCOMPARE(ModeOf(svg), mode_t(0600));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link.svg"))).isSymLink());
}

// "M\xfcller.ved", as an older program writing Latin-1 names made it. QProcess hands its arguments
// over as UTF-8, so the name reaches the copy through the shell's pattern, byte for byte.
void SafetyTest::a_reading_whose_name_is_not_utf8_is_written_out() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(Spit(QFile::encodeName(dir.path()) + "/M\xfcller.ved", AshaBytes()));
    QProcess shell;
    QProcessEnvironment env = ScriptEnvironment(dir.path());
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("VELA"), QStringLiteral(VELA_DESKTOP_EXE));
    shell.setProcessEnvironment(env);
    shell.setWorkingDirectory(dir.path());
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("exec \"$VELA\" --svg out.svg M?ller.ved")});
    QVERIFY(shell.waitForFinished(60000));
    QVERIFY2(shell.exitCode() == 0, shell.readAllStandardError().constData());
    QVERIFY(Slurp(dir.filePath(QStringLiteral("out.svg"))).contains("Ka 10"));
    // QTemporaryDir cannot name it to remove it.
    QCOMPARE(::unlink((QFile::encodeName(dir.path()) + "/M\xfcller.ved").constData()), 0);
}

void SafetyTest::the_window_opens_and_exports_under_names_that_are_not_utf8_and_says_when_the_disk_is_full() {
    StartWindow();
    const QByteArray folder = QFile::encodeName(tempDir->path());
    const QByteArray reading = folder + "/M\xfcller.ved";
    const QByteArray pdf = folder + "/M\xfcller.pdf";
    QVERIFY(Spit(reading, AshaBytes()));
    window->OpenReadingPath(desktop::DecodeFileName(reading));
    QVERIFY2(recorder->MessageTexts().isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    QCOMPARE(guitest::Control<QLineEdit>(W(), "nameEdit")->text(), QStringLiteral("Asha"));
    // The File menu offers it again, in this run and the next: the settings file keeps its bytes.
    QCOMPARE(window->RecentReadings().value(0), desktop::DecodeFileName(reading));
    QFile written(recorder->SettingsPath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    QVERIFY2(text.contains("/M\\xfcller.ved"), text.constData());  // the byte, escaped, not U+FFFD
    const QString later = tempDir->filePath(QStringLiteral("later.ini"));
    // As the settings file writes a byte that is not UTF-8: escaped.
    const QByteArray escaped = QByteArray(reading).replace("\xfc", "\\xfc");
    QVERIFY(Spit(QFile::encodeName(later), "[General]\nrecentReadings=@ByteArray(" + escaped + ")\n"));
    QCOMPARE(desktop::WindowSettings(later).RecentReadings(), QStringList{desktop::DecodeFileName(reading)});

    recorder->dialogAnswers << desktop::DecodeFileName(pdf);
    guitest::Control<QAction>(W(), "exportPdfAction")->trigger();
    QVERIFY2(recorder->MessageTexts().isEmpty(), qPrintable(recorder->MessageTexts().join(u'|')));
    struct stat info {};
    QCOMPARE(::stat(pdf.constData(), &info), 0);
    QVERIFY(info.st_size > 1000);

    // The disk full at the next export: the window says so and the earlier PDF stays.
    recorder->dialogAnswers << desktop::DecodeFileName(pdf);
    reading::SetWriteCallForTesting([](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    });
    guitest::Control<QAction>(W(), "exportPdfAction")->trigger();
    reading::SetWriteCallForTesting(nullptr);
    QCOMPARE(recorder->messages.size(), 1);
    QVERIFY2(recorder->messages.front().text.startsWith(desktop::PdfFailedText()),
             qPrintable(recorder->messages.front().text));
    struct stat after {};
    QCOMPARE(::stat(pdf.constData(), &after), 0);
    QCOMPARE(after.st_size, info.st_size);
    // QTemporaryDir cannot name them to remove them.
    QCOMPARE(::unlink(reading.constData()), 0);
    QCOMPARE(::unlink(pdf.constData()), 0);
    StopWindow();
}

// ---- The lock -------------------------------------------------------------------------------------

void SafetyTest::a_lock_that_no_copy_holds_is_taken_whatever_its_permissions_or_date() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    const auto write = [&lock](const QByteArray& content, qint64 ageSeconds, bool readOnly) {
        QFile::remove(lock);
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        file.close();
        if (readOnly) QVERIFY(QFile::setPermissions(lock, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    };
    // A copy that crashed, its lock write-protected; pid 2^22+1 is beyond any the system hands out.
    write("4194305\nvela-upagrahas\n" + QSysInfo::machineHostName().toUtf8() + "\n", 60, true);
    {
        desktop::SingleInstanceGuard guard(lock);
        QCOMPARE(guard.TryAcquire(), Outcome::Acquired);
    }
    // An empty lock dated a day ahead: a clock's error, no copy.
    write(QByteArray(), -24 * 3600, false);
    {
        desktop::SingleInstanceGuard guard(lock);
        QCOMPARE(guard.TryAcquire(), Outcome::Acquired);
        // The same date on a lock that a copy holds changes nothing.
        const timespec dayAhead[2] = {{::time(nullptr) + 24 * 3600, 0}, {::time(nullptr) + 24 * 3600, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(lock).constData(), dayAhead, 0), 0);
        desktop::SingleInstanceGuard second(lock);
        QCOMPARE(second.TryAcquire(), Outcome::AlreadyRunning);
    }
}

// A stale lock in a folder this user may not change: the start goes on without the lock and says
// which file blocks it, and where.
void SafetyTest::a_stale_lock_in_a_folder_that_cannot_change_is_named() {
    if (::geteuid() == 0) QSKIP("an administrator may change any folder; the case needs an ordinary user");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lock = dir.filePath(QStringLiteral("copy.lock"));
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("4194305\nvela-upagrahas\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    QVERIFY(QFile::setPermissions(lock, QFile::ReadOwner));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    desktop::SingleInstanceGuard blocked(lock);
    const Outcome outcome = blocked.TryAcquire();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(outcome, Outcome::NoLock);
    QVERIFY2(blocked.WhyNot().contains(QStringLiteral("cannot be removed from its folder")),
             qPrintable(blocked.WhyNot()));
}

// ---- The hand-over --------------------------------------------------------------------------------

void SafetyTest::a_path_with_a_line_break_is_handed_over_whole_and_a_missing_file_is_not_handed_over() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString socket = dir.filePath(QStringLiteral("copy.socket"));
    desktop::InstanceChannel channel;
    QVERIFY(channel.Listen(socket));
    QSignalSpy handed(&channel, &desktop::InstanceChannel::ReadingHandedOver);
    // "asha\n" is a file of its own, and "asha" another: the path must arrive whole.
    const QString broken = dir.filePath(QStringLiteral("asha\n.ved"));
    QVERIFY(Spit(desktop::EncodeFileName(broken), AshaBytes()));
    QVERIFY(Spit(QFile::encodeName(dir.filePath(QStringLiteral("asha"))), AshaBytes()));
    std::atomic<int> taken{-1};
    std::thread start([&] { taken = desktop::HandOver(socket, broken, 5000) ? 1 : 0; });
    QTRY_VERIFY_WITH_TIMEOUT(taken != -1, 10000);
    start.join();
    QCOMPARE(taken.load(), 1);
    QTRY_COMPARE(handed.size(), 1);
    QCOMPARE(handed.front().front().toString(), broken);

    // A file that is not there is refused by the start itself, which says why.
    QString why;
    QVERIFY(!desktop::HandOver(socket, dir.filePath(QStringLiteral("gone.ved")), 1000, &why));
    QVERIFY2(why.contains(QStringLiteral("No such file or directory")), qPrintable(why));
    QTest::qWait(200);
    QCOMPARE(handed.size(), 1);
}

void SafetyTest::the_channel_closes_silent_connections_and_outlives_a_flood_and_a_removed_socket() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString socket = dir.filePath(QStringLiteral("copy.socket"));
    const QString reading = dir.filePath(QStringLiteral("asha.ved"));
    QVERIFY(Spit(QFile::encodeName(reading), AshaBytes()));
    desktop::InstanceChannel channel;
    QVERIFY(channel.Listen(socket));
    QSignalSpy handed(&channel, &desktop::InstanceChannel::ReadingHandedOver);
    const auto handOver = [&] {
        std::atomic<int> taken{-1};
        std::thread start([&] { taken = desktop::HandOver(socket, reading, 5000) ? 1 : 0; });
        // The running copy's events go on while the start waits.
        for (int waited = 0; taken == -1 && waited < 10000; waited += 20) QTest::qWait(20);
        start.join();
        return taken.load() == 1;
    };

    // One silent connection is closed within a second or so.
    {
        QLocalSocket silent;
        silent.connectToServer(socket);
        QVERIFY(silent.waitForConnected(1000));
        QTRY_COMPARE_WITH_TIMEOUT(silent.state(), QLocalSocket::UnconnectedState, 2500);
    }
    // A flood of silent connections, more than the open files a process may have.
    std::vector<std::unique_ptr<QLocalSocket>> flood;
    for (int k = 0; k < 1100; ++k) {
        auto idle = std::make_unique<QLocalSocket>();
        idle->connectToServer(socket);
        flood.push_back(std::move(idle));
        if (k % 50 == 0) QTest::qWait(1);
    }
    QTest::qWait(1500);
    flood.clear();
    QVERIFY(handOver());
    QCOMPARE(handed.size(), 1);

    // The socket removed from under the running copy: it listens again within a second or two.
    QSignalSpy trouble(&channel, &desktop::InstanceChannel::ChannelTrouble);
    QVERIFY(QFile::remove(socket));
    QTRY_VERIFY_WITH_TIMEOUT(trouble.size() == 1, 5000);
    QVERIFY2(trouble.front().front().toString().contains(QStringLiteral("listening again")),
             qPrintable(trouble.front().front().toString()));
    QVERIFY(handOver());
    QCOMPARE(handed.size(), 2);
}

// A running copy that is stopped (SIGSTOP) cannot answer: this test's event loop standing still
// plays it. The start gives up; when the copy goes on, it must not open the reading after all.
void SafetyTest::a_reading_whose_sender_gave_up_is_not_opened_later() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString socket = dir.filePath(QStringLiteral("copy.socket"));
    const QString reading = dir.filePath(QStringLiteral("asha.ved"));
    QVERIFY(Spit(QFile::encodeName(reading), AshaBytes()));
    desktop::InstanceChannel channel;
    QVERIFY(channel.Listen(socket));
    QSignalSpy handed(&channel, &desktop::InstanceChannel::ReadingHandedOver);
    std::atomic<int> taken{-1};
    QString why;
    std::thread start([&] { taken = desktop::HandOver(socket, reading, 500, &why) ? 1 : 0; });
    start.join();  // no events are handled meanwhile: the copy is stopped
    QCOMPARE(taken.load(), 0);
    QVERIFY2(why.contains(QStringLiteral("did not answer")), qPrintable(why));
    QTest::qWait(2500);  // the copy goes on
    QCOMPARE(handed.size(), 0);
}

// ---- Settings and the display ---------------------------------------------------------------------

void SafetyTest::a_setting_that_cannot_be_read_is_named() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("vela-upagrahas")));
    {
        QSettings settings(dir.filePath(QStringLiteral("vela-upagrahas/vela-upagrahas.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("conventions/profile"), QStringLiteral("custom"));
        // "eigth": one misspelt word.
        settings.setValue(
            QStringLiteral("conventions/custom"),
            QStringLiteral("lords=eigth;points=middle,middle,middle,middle,start,middle;sunrise=upper-limb"));
    }
    QVERIFY(Spit(QFile::encodeName(dir.filePath(QStringLiteral("asha.ved"))), AshaBytes()));
    const Run run =
        RunProgram(dir.path(), {QStringLiteral("--svg"), QStringLiteral("asha.svg"), QStringLiteral("asha.ved")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.standardError.contains("The setting conventions/custom in"), run.standardError.constData());
    QVERIFY2(run.standardError.contains("lords=eigth;"), run.standardError.constData());
    QVERIFY2(run.standardError.contains("the original profile is used"), run.standardError.constData());
    // A file without such values says nothing.
    const desktop::WindowSettings clean(dir.filePath(QStringLiteral("clean.conf")));
    QVERIFY(clean.UnreadableValues().isEmpty());
}

void SafetyTest::without_a_display_the_window_says_how_to_run_and_exits_1() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Run run = RunProgram(dir.path(), {});
    QCOMPARE(run.exitCode, 1);
    for (const char* part :
         {"there is no display", "xvfb-run -a vela-upagrahas", "QT_QPA_PLATFORM=offscreen", "vela-upagrahas-cli"})
        QVERIFY2(run.standardError.contains(part), run.standardError.constData());
    // The help needs no display either.
    const Run help = RunProgram(dir.path(), {QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
}

QTEST_MAIN(SafetyTest)
#include "tst_safety.moc"
