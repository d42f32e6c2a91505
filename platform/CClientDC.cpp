#include "CClientDC.h"

#include "CWnd.h"
#include "private/ClientSurface.h"
#include "private/DialogWindow.h"

CClientDC::CClientDC(CWnd* pWnd)
{
    if (auto* dialog = qobject_cast<DialogWindow*>(pWnd ? pWnd->GetHandle() : nullptr))
        m_pSurface = dialog->surface();
    if (m_pSurface)
        AttachImage(&m_pSurface->image());
}

CClientDC::~CClientDC()
{
    AttachImage(nullptr);
    if (m_pSurface)
        m_pSurface->update();
}
