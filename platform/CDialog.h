// CDialog: a dialog built from a template in the resources.
#pragma once

#include "CWnd.h"

#include <memory>

class DialogWindow;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window, initialises it and runs it until EndDialog; returns the result,
    // -1 when the window could not be created. The window is gone when it returns.
    virtual INT_PTR DoModal();
    // Creates and shows the window without waiting (a modeless dialog).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);
    // Gives the keyboard focus to the control `pWndCtrl`.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    virtual BOOL OnInitDialog();

protected:
    virtual void OnOK();
    virtual void OnCancel();
    // The standard zoom commands: every dialog scales its whole window without a handler
    // of its own.
    void OnViewZoomIn();
    void OnViewZoomOut();
    void OnViewZoomReset();

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateWindowFromTemplate(CWnd* owner);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::unique_ptr<DialogWindow> m_pWindow;
    int m_nModalResult = -1;
};
