#include "SecondStart.h"

#include "../CWinApp.h"
#include "../CWnd.h"
#include "DropFiles.h"
#include "FirstPaintGate.h"
#include "MessageNesting.h"

#include <QFile>
#include <QWidget>

namespace {

QWidget* mainWindow()
{
    const CWinApp* app = AfxGetApp();
    if (!app || !app->m_pMainWnd || !app->m_pMainWnd->GetHandle())
        return nullptr;
    return app->m_pMainWnd->GetHandle()->window();
}

} // namespace

void answerSecondStart(const QByteArray& path)
{
    QWidget* window = mainWindow();
    if (!window)
        return;
    window->showNormal();
    window->raise();
    window->activateWindow();
    if (path.isEmpty())
        return;
    const auto open = [name = QFile::decodeName(path)] {
        QWidget* window = mainWindow();
        if (!window || !window->acceptDrops())
            return;
        DropFiles drop{{name}};
        AfxGetApp()->m_pMainWnd->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
    };
    // A window that is still starting opens what it posted itself first.
    FirstPaintGate::post(window, [open] { MessageNesting::whenIdle(open); });
}
