// The built program, started as a person starts it: it comes up on a sample dictionary
// and quits cleanly, leaves no file behind, answers its options without a window, and a
// second start hands its file to the first.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "Progress.h"
#include "ScriptedSeam.h"
#include "private/SecondStart.h"
#include "private/SingleInstance.h"
#include "zantoliceDlg.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Startup : public ::testing::Test {
protected:
    // A private home and runtime folder, so that anything the program writes shows.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.remove(name);
        return env;
    }

    void start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral(ZANTOLI_EXECUTABLE), arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    static QString sample() { return QStringLiteral(ZANTOLI_EXAMPLES "/english-vocabulary.dic"); }

    QTemporaryDir home;
    QTemporaryDir runtime;
};

// The user's runtime folder, for channels opened in this process.
class RuntimeFolder {
public:
    explicit RuntimeFolder(const QString& path) : m_saved(qgetenv("XDG_RUNTIME_DIR"))
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
    }
    ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", m_saved); }
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

private:
    QByteArray m_saved;
};

TEST_F(Startup, ComesUpOnASampleDictionaryAndQuitsCleanly)
{
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcess program;
    start(program, {QStringLiteral("--exit-after-first-paint"), sample()});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().contains("first-paint-epoch-ms"));
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        << "the program keeps nothing between runs";
    EXPECT_TRUE(
        QDir(runtime.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        << "the single-instance channel is gone after exit";
}

// A program whose module of readers is missing still reads dictionaries, without loading
// any library of the readers or looking for libraries anywhere but in the system's folders;
// another program's list is refused with a message that names the module.
TEST_F(Startup, WithoutItsReadersModuleReadsDictionariesAlone)
{
    QTemporaryDir install;
    const QString program = install.filePath(QStringLiteral("bin/zantoli"));
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZANTOLI_EXECUTABLE), program));
    const struct {
        QString list;
        bool loaded;
    } cases[] = {{sample(), true},
                 {QStringLiteral(ZANTOLI_EXAMPLES "/french-kitchen.kvtml"), false}};
    for (const auto& [list, loaded] : cases) {
        SCOPED_TRACE(list.toStdString());
        QProcess process;
        QProcessEnvironment loaderTells = environment();
        loaderTells.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
        process.setProcessEnvironment(loaderTells);
        process.start(program, {QStringLiteral("--exit-after-first-paint"), list});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardOutput().contains("title-change-epoch-ms"), loaded);
        const QByteArray loads = process.readAllStandardError();
#ifndef ZANTOLI_SANITIZED
        // The sanitizers' type checks link the memory's classes, and with them SQLite.
        for (const char* library : {"libzip", "libsqlite3", "libuchardet"})
            EXPECT_FALSE(loads.contains(library)) << library << " was loaded";
#endif
        // A run path would be searched before the system's folders.
        EXPECT_FALSE(loads.contains("RUNPATH")) << "libraries were searched in a run path";
    }
}

TEST_F(Startup, SecondStartDefersToTheRunningOne)
{
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcess first;
    start(first, {});
    // The first instance is ready once its channel shows in the runtime folder.
    const QDir runtimeDir(runtime.path());
    for (int wait = 0; wait < 100 && runtimeDir.isEmpty(QDir::System | QDir::NoDotAndDotDot);
         ++wait)
        QTest::qWait(100);
    ASSERT_FALSE(runtimeDir.isEmpty(QDir::System | QDir::NoDotAndDotDot));

    QProcess second;
    start(second, {QStringLiteral("--exit-after-first-paint"), sample()});
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardOutput().contains("first-paint"))
        << "the second start shows no window of its own";
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    first.waitForFinished(10000);
}

TEST_F(Startup, OptionsAreAnsweredWithoutAWindow)
{
    struct Row {
        const char* option;
        int status;
        const char* out;
        const char* err;
    };
    const Row rows[] = {
        {"--help", 0, "Usage: zantoli [OPTION]... [FILE]\n", ""},
        {"--version", 0, "zantoli 1.7\n", ""},
        {"--bogus", 2, "", "zantoli: unknown option '--bogus' (try 'zantoli --help')\n"},
        {"-x", 2, "", "zantoli: unknown option '-x' (try 'zantoli --help')\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.option);
        QProcess program;
        QProcessEnvironment env = environment();
        // Without a display a window could not open at all.
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZANTOLI_EXECUTABLE), {QString::fromLatin1(row.option)});
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), row.status);
        const QByteArray out = program.readAllStandardOutput();
        EXPECT_TRUE(*row.out ? out.startsWith(row.out) : out.isEmpty()) << out.toStdString();
        EXPECT_EQ(program.readAllStandardError().toStdString(), row.err);
    }
}

// `--progress FILE` prints where the learner stands with a list and exits, with no display
// and no window to hand over to; `--progress-folder DIR` merges another machine's answers
// first.
TEST_F(Startup, ProgressIsPrintedWithoutAWindow)
{
    DictionaryWriter files;
    const QString list = QString::fromStdString(files.writeEntries("lesson.dic", 30));
    // Another machine answered the first five entries yesterday, the second one wrongly.
    const QTemporaryDir otherMachine;
    const QTemporaryDir shared;
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(otherMachine.path()));
        std::u16string message;
        const auto memory = progress::Memory::open(u"other-machine", true, message);
        qputenv("XDG_DATA_HOME", saved);
        ASSERT_TRUE(memory);
        std::vector<progress::Entry> entries;
        for (int i = 0; i < 30; ++i) {
            const std::u16string n = QString::number(i).toStdU16String();
            entries.push_back({u"word" + n, u"meaning " + n});
        }
        memory->setList(entries);
        const std::int64_t yesterday = QDateTime::currentSecsSinceEpoch() - 24 * 3600;
        for (int entry = 0; entry < 5; ++entry)
            ASSERT_TRUE(memory->record(entry, progress::Direction::WordToMeaning, entry != 1,
                                       yesterday, message));
        ASSERT_TRUE(memory->writeSnapshot(shared.path().toStdU16String(), message));
    }
    const QString settings = home.filePath(QStringLiteral(".config/zantoli/zantoli.conf"));
    struct Row {
        const char* what;
        const char* settings; // "" for none
        QStringList arguments;
        std::vector<const char*> lines; // among those printed
    };
    const Row rows[] = {
        {"off", "", {"--progress", list}, {"memory is off\n"}},
        {"on, merged",
         "[Progress]\nRemember=1\n",
         {"--progress=" + list, "--progress-folder", shared.path()},
         {"New: 25\n", "Box 1: 1\n", "Box 2: 4\n", "Due today: 1\n", "Due tomorrow: 4\n",
          "Answers today: 0\n"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QDir().mkpath(QFileInfo(settings).path());
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.settings);
        file.close();
        QProcess program;
        QProcessEnvironment env = environment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZANTOLI_EXECUTABLE), row.arguments);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        const QByteArray out = program.readAllStandardOutput();
        for (const char* line : row.lines)
            EXPECT_TRUE(out.startsWith(line) || out.contains(QByteArray("\n") + line))
                << line << " in\n"
                << out.toStdString();
    }
}

// A session manager restarts the program with "-session ID", and users pick a platform or
// a style the way every Qt program takes them: each start comes up as without them.
TEST_F(Startup, TakesQtsOwnOptions)
{
    const QStringList rows[] = {
        {"-platform", "offscreen"},
        {"--platform", "offscreen", "-style", "Fusion"},
        {"-platform", "offscreen", "-style=Fusion", "-reverse"},
        {"-platform", "offscreen", "-session", "1234abcd", "-display", ":7"},
    };
    for (const QStringList& row : rows) {
        SCOPED_TRACE(row.join(u' ').toStdString());
        QProcess program;
        QProcessEnvironment env = environment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ZANTOLI_EXECUTABLE),
                      row + QStringList{QStringLiteral("--exit-after-first-paint")});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_TRUE(program.readAllStandardOutput().contains("first-paint-epoch-ms"));
    }
}

// The channel between starts, both ends in this process.
class StartChannel : public ::testing::Test {
protected:
    void SetUp() override
    {
        receiver = std::make_unique<SingleInstance>(QStringLiteral("channel-test"));
        receiver->listen([this](const QByteArray& path) { received << path; });
        const QStringList entries = QDir(runtime.path()).entryList(QDir::System);
        ASSERT_EQ(entries.size(), 1);
        pipePath = QFile::encodeName(QDir(runtime.path()).filePath(entries.first()));
    }

    // Waits until the receiver has read everything written so far.
    bool drained() const
    {
        const int fd = ::open(pipePath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        const bool empty = QTest::qWaitFor([fd] {
            int waiting = 0;
            return ::ioctl(fd, FIONREAD, &waiting) == 0 && waiting == 0;
        });
        ::close(fd);
        return empty;
    }

    QTemporaryDir runtime;
    RuntimeFolder runtimeFolder{runtime.path()};
    std::unique_ptr<SingleInstance> receiver;
    QByteArray pipePath;
    QList<QByteArray> received;
};

TEST_F(StartChannel, IsPrivateToTheUserAndCarriesAnyPathWhole)
{
    struct stat status = {};
    ASSERT_EQ(::stat(pipePath.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    const QByteArray paths[] = {
        "",
        "/lists/two words.dic",
        "/lists/two\nlines.dic",
        "/lists/latin-1 \xe9t\xe9.dic",
        "/" + QByteArray(SingleInstance::kMaxPathSize - 1, 'a'),
    };
    SingleInstance sender(QStringLiteral("channel-test"));
    for (const QByteArray& path : paths)
        EXPECT_TRUE(sender.handOver(path)) << path.left(40).toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == std::ssize(paths); }));
    for (qsizetype i = 0; i < std::ssize(paths); ++i)
        EXPECT_EQ(received[i], paths[i]) << "row " << i;
    EXPECT_FALSE(sender.handOver("/" + QByteArray(SingleInstance::kMaxPathSize, 'a')))
        << "a path longer than one message is not cut";
    sender.listen([](const QByteArray&) {});
    EXPECT_TRUE(sender.handOver("/still.dic"))
        << "a start that runs on its own leaves the running instance its channel";
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == std::ssize(paths) + 1; }));
}

TEST_F(StartChannel, IgnoresMalformedMessages)
{
    const QByteArray rows[] = {
        "raise\n",
        QByteArray("XXXX\0\0\0\0", 8),
        QByteArray("Zho1\x10\0\0\0", 8) + "short",
        QByteArray("Zho1\x01\x10\0\0", 8) + QByteArray(0x1001, 'a'),
        QByteArray("Zho1", 4),
    };
    SingleInstance sender(QStringLiteral("channel-test"));
    const int fd = ::open(pipePath.constData(), O_WRONLY | O_CLOEXEC);
    for (const QByteArray& row : rows) {
        SCOPED_TRACE(row.left(12).toStdString());
        ASSERT_EQ(::write(fd, row.constData(), row.size()), row.size());
        ASSERT_TRUE(drained());
        EXPECT_TRUE(received.isEmpty());
        ASSERT_TRUE(sender.handOver("/after.dic"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }));
        EXPECT_EQ(received.takeFirst(), "/after.dic") << "the channel still works";
    }
    ::close(fd);
}

// The trainer running in this process; the built program is the second start.
class SecondStart : public Startup {
protected:
    void SetUp() override
    {
        running = std::make_unique<SingleInstance>(QStringLiteral("zantoli"));
        running->listen(answerSecondStart);
        ASSERT_TRUE(dlg.Create(IDD_ZANTOLICE_DIALOG));
        AfxGetApp()->m_pMainWnd = &dlg;
        elsewhere.show();
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    // Starts the program in `folder` and waits until the running window has come forward.
    void startSecond(const QString& folder, const QStringList& arguments)
    {
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        QProcess second;
        second.setWorkingDirectory(folder);
        start(second, arguments);
        ASSERT_TRUE(second.waitForFinished(10000));
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_TRUE(QTest::qWaitFor([this] { return dlg.GetHandle()->isActiveWindow(); }))
            << "the running window comes forward";
    }

    RuntimeFolder runtimeFolder{runtime.path()};
    std::unique_ptr<SingleInstance> running;
    ScriptedSeam seam;
    DictionaryWriter files;
    CZantoliceDlg dlg;
    QWidget elsewhere;
};

TEST_F(SecondStart, OpensTheNamedFileAsOpenWould)
{
    struct Row {
        const char* file; // null: none named
        bool relative;
        bool exists;
    };
    const Row rows[] = {
        {"list.dic", true, true},
        {"two words\nand a line.dic", false, true},
        {"missing.dic", true, false},
        {nullptr, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file ? row.file : "no file");
        seam.messages.clear();
        const std::u16string captionBefore = windowText(dlg);
        if (!row.file) {
            startSecond(home.path(), {});
            QCoreApplication::processEvents();
            EXPECT_TRUE(seam.messages.empty()) << "without a file the window only comes forward";
            EXPECT_EQ(windowText(dlg), captionBefore);
            continue;
        }
        const QFileInfo file(QString::fromStdString(row.exists ? files.writeEntries(row.file, 12)
                                                               : files.path(row.file)));
        startSecond(file.absolutePath(),
                    {row.relative ? file.fileName() : file.absoluteFilePath()});
        ASSERT_TRUE(QTest::qWaitFor([this] { return !seam.messages.empty(); }));
        if (row.exists) {
            EXPECT_EQ(seam.messages[0].text, u"This dictionary contains 12 words.");
            EXPECT_EQ(windowText(dlg), file.fileName().toStdU16String() + u" ");
        } else {
            EXPECT_EQ(seam.messages[0].text, u"Cannot open the file \"" +
                                                 file.absoluteFilePath().toStdU16String() + u"\".");
            EXPECT_EQ(windowText(dlg), captionBefore);
        }
    }
}

TEST_F(SecondStart, WaitsForTheMessageBoxToClose)
{
    seam.answerOpenFile(files.writeEntries("first.dic", 10));
    const QString second = QString::fromStdString(files.writeEntries("second.dic", 9));
    bool handedOver = false;
    seam.onMessage = [&](const RecordedMessage&) {
        if (handedOver)
            return;
        handedOver = true;
        startSecond(home.path(), {second});
        QCoreApplication::processEvents();
        EXPECT_EQ(seam.messages.size(), 1u) << "nothing opens while the box is up";
    };
    clickButton(dlg, IDC_OPEN);
    ASSERT_TRUE(handedOver);
    ASSERT_TRUE(QTest::qWaitFor([this] { return seam.messages.size() == 2; }))
        << "the file opens once the box is closed";
    EXPECT_EQ(seam.messages[1].text, u"This dictionary contains 9 words.");
    EXPECT_EQ(windowText(dlg), u"second.dic ");
}

// A file handed over while the window starts waits behind the file named on the command
// line, and neither loads while the other's message box is up.
TEST_F(SecondStart, HandedOverWhileStartingWaitsForTheNamedFile)
{
    CWinApp* app = AfxGetApp();
    app->m_lpCmdLine = CString(
        QString::fromStdString(files.writeEntries("named.dic", 10)).toStdU16String().c_str());
    const QString handed = QString::fromStdString(files.writeEntries("handed.dic", 9));
    int open = 0;
    int mostOpen = 0;
    seam.onMessage = [&](const RecordedMessage&) {
        mostOpen = std::max(mostOpen, ++open);
        // A real box runs the event loop while it is up.
        QTest::qWait(50);
        --open;
    };
    CZantoliceDlg starting;
    ASSERT_TRUE(starting.Create(IDD_ZANTOLICE_DIALOG));
    app->m_pMainWnd = &starting;
    answerSecondStart(QFile::encodeName(handed));
    const bool bothOpened = QTest::qWaitFor([this] { return seam.messages.size() == 2; });
    app->m_lpCmdLine.Empty();
    ASSERT_TRUE(bothOpened);
    EXPECT_EQ(mostOpen, 1) << "one load at a time";
    EXPECT_EQ(seam.messages[0].text, u"This dictionary contains 10 words.");
    EXPECT_EQ(seam.messages[1].text, u"This dictionary contains 9 words.");
    EXPECT_EQ(windowText(starting), u"handed.dic ");
}

} // namespace
