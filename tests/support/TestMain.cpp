// Runs the tests inside a Qt application on the offscreen platform, with the
// application object that the program's dialogs expect.
#include "afxwin.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CWinApp testApp;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
