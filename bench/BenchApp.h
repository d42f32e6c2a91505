// What a benchmark program sets up before it runs: a Qt application on the offscreen
// platform (no display needed, and the same for every run) and the application object
// that the program's dialogs expect, with the chart plugin of the build.
#pragma once

#include "afxwin.h"

#include <QApplication>

class BenchApp {
public:
    BenchApp(int& argc, char** argv) : m_app(offscreen(argc), argv)
    {
        QCoreApplication::addLibraryPath(QStringLiteral(ZANTOLI_PLUGIN_BUILD_FOLDER));
    }

private:
    static int& offscreen(int& argc)
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    QApplication m_app;
    CWinApp m_winApp;
};
