#include "CClientDC.h"

#include "CWnd.h"
#include "private/ClientSurface.h"
#include "private/DialogWindow.h"

#include <QPicture>

CClientDC::CClientDC(CWnd* pWnd)
{
    if (auto* dialog = qobject_cast<DialogWindow*>(pWnd ? pWnd->GetHandle() : nullptr))
        m_pSurface = dialog->surface();
    if (!m_pSurface)
        return;
    m_pDrawing = std::make_unique<QPicture>();
    AttachPicture(m_pDrawing.get());
}

CClientDC::~CClientDC()
{
    AttachImage(nullptr);
    if (m_pSurface)
        m_pSurface->drawRecorded(*m_pDrawing);
}
