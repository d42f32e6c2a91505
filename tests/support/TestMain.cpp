// Runs the tests inside a Qt application on the offscreen platform, with the
// application object that the program's dialogs expect and the chart plugin of the build.
// Settings and progress go to a folder of the run's own, never to the user's home; only the
// speech tests reach a speech server.
#include "SoundMonitor.h"
#include "afxwin.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The suite runs in the C locale, where the program shows its original English texts.
    qputenv("LC_ALL", "C");
    qunsetenv("LANGUAGE");
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
#ifndef ZANTOLI_TEST_SPEAKS
    // Opening a list starts the speech server, which would outlive the run.
    qputenv("SPEECHD_ADDRESS", kNoSpeechServer);
#endif
    QApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(ZANTOLI_PLUGIN_BUILD_FOLDER));
    CWinApp testApp(_T("zantoli"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
