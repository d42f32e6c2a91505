#include "CDialog.h"

#include "ModalSeam.h"
#include "private/DialogTemplate.h"
#include "private/DialogWindow.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, CDialog::OnOK)
ON_COMMAND(IDCANCEL, CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

BOOL CDialog::CreateWindowFromTemplate()
{
    const std::optional<DialogTemplate> dialogTemplate = DialogTemplate::load(m_nIDTemplate);
    if (!dialogTemplate)
        return FALSE;
    QWidget* parent = m_pParentWnd ? m_pParentWnd->GetHandle() : nullptr;
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
    if (!CreateWindowFromTemplate())
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
    if (!CreateWindowFromTemplate())
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
