#include "CDialog.h"

#include "CWinApp.h"
#include "ModalSeam.h"
#include "afxres.h"
#include "private/DialogTemplate.h"
#include "private/DialogWindow.h"

#include <QWidget>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, CDialog::OnOK)
ON_COMMAND(IDCANCEL, CDialog::OnCancel)
ON_COMMAND(ID_VIEW_ZOOM_IN, CDialog::OnViewZoomIn)
ON_COMMAND(ID_VIEW_ZOOM_OUT, CDialog::OnViewZoomOut)
ON_COMMAND(ID_VIEW_ZOOM_RESET, CDialog::OnViewZoomReset)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

BOOL CDialog::CreateWindowFromTemplate(CWnd* owner)
{
    const std::optional<DialogTemplate> dialogTemplate = DialogTemplate::load(m_nIDTemplate);
    if (!dialogTemplate)
        return FALSE;
    QWidget* parent = owner ? owner->GetHandle() : nullptr;
    m_pWindow = std::make_unique<DialogWindow>(this, *dialogTemplate, parent);
    AttachWidget(m_pWindow.get());
    m_nModalResult = -1;
    // The initial exchange and focus come before the window is first shown.
    if (OnInitDialog())
        m_pWindow->focusFirstTabStop();
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    // As in the framework, a modal dialog without a parent belongs to the main window,
    // so it opens over it.
    CWnd* owner = m_pParentWnd;
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd != this)
        owner = AfxGetApp()->m_pMainWnd;
    if (!CreateWindowFromTemplate(owner))
        return -1;
    const INT_PTR result = ModalSeam::Current().RunModal(*this);
    AttachWidget(nullptr);
    m_pWindow.reset();
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    if (!CreateWindowFromTemplate(parent))
        return FALSE;
    m_pWindow->show();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_pWindow)
        m_pWindow->done(result);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl && pWndCtrl->GetHandle())
        pWndCtrl->GetHandle()->setFocus();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnViewZoomIn()
{
    if (m_pWindow)
        m_pWindow->zoom(ID_VIEW_ZOOM_IN);
}

void CDialog::OnViewZoomOut()
{
    if (m_pWindow)
        m_pWindow->zoom(ID_VIEW_ZOOM_OUT);
}

void CDialog::OnViewZoomReset()
{
    if (m_pWindow)
        m_pWindow->zoom(ID_VIEW_ZOOM_RESET);
}
