// The program's entry point belongs to the framework: it sets up the application around
// the one global CWinApp object and runs its InitInstance, as the framework's own
// start-up does.
#include "CWinApp.h"
#include "CWnd.h"
#include "private/QtConvert.h"
#include "private/SingleInstance.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

// `--exit-after-first-paint`: for start-up measurements and tests, print the time of the
// main window's first paint and end the program as its OK button would.
class FirstPaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        CWinApp* app = AfxGetApp();
        CWnd* mainWnd = app ? app->m_pMainWnd : nullptr;
        if (event->type() != QEvent::Paint || !mainWnd || !mainWnd->GetHandle() ||
            !mainWnd->GetHandle()->isAncestorOf(qobject_cast<QWidget*>(watched)))
            return false;
        std::printf("first-paint-epoch-ms %lld\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        qApp->removeEventFilter(this);
        // A message box may be up (a dictionary named on the command line reports its
        // size): close it first, as a user would, then the main window.
        QTimer::singleShot(0, mainWnd->GetHandle(), [mainWnd] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != mainWnd->GetHandle())
                modal->close();
            mainWnd->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;

    // The program keeps nothing between runs: whatever Qt would store (the file dialog
    // remembers its folders) goes to a folder that is removed at exit.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());

    FirstPaintWatch firstPaintWatch;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--exit-after-first-paint"))
            application.installEventFilter(&firstPaintWatch);
        else if (app->m_lpCmdLine.IsEmpty())
            app->m_lpCmdLine = toCString(argument);
    }

    SingleInstance instance(QCoreApplication::applicationName());
    if (instance.activateRunningInstance())
        return 0;
    instance.listen([app] {
        if (app->m_pMainWnd && app->m_pMainWnd->GetHandle()) {
            QWidget* window = app->m_pMainWnd->GetHandle()->window();
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    });

    if (app->InitInstance())
        return QApplication::exec();
    return app->ExitInstance();
}
