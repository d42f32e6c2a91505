// The built program, started as a person starts it: it comes up on a sample dictionary
// and quits cleanly, leaves no file behind, and a second start defers to the first.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

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

} // namespace
