#include "DialogDriver.h"

#include "FixedClock.h"
#include "resource.h"

#include <QAbstractButton>
#include <QWidget>
#include <stdexcept>

void clickButton(CWnd& dialog, int id)
{
    CWnd* item = dialog.GetDlgItem(id);
    auto* button = item ? qobject_cast<QAbstractButton*>(item->GetHandle()) : nullptr;
    if (!button)
        throw std::logic_error("no button " + std::to_string(id));
    button->click();
}

std::u16string windowText(CWnd& dialog, int id)
{
    CWnd* window = id ? dialog.GetDlgItem(id) : &dialog;
    if (!window)
        throw std::logic_error("no control " + std::to_string(id));
    CString text;
    window->GetWindowText(text);
    return std::u16string(text);
}

void sendCommand(CWnd& dialog, UINT id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
}

void zoomToOwnSize(CWnd& dialog)
{
    for (QSize before; before != dialog.GetHandle()->size();) {
        before = dialog.GetHandle()->size();
        sendCommand(dialog, ID_VIEW_ZOOM_OUT);
    }
}

bool drawUntil(CWnd& dialog, FixedClock& clock, const std::u16string& word)
{
    for (int second = 0; second < 60; ++second) {
        clock.set(second);
        clickButton(dialog, IDC_START);
        if (windowText(dialog, IDC_QUESTION) == word)
            return true;
    }
    return false;
}
