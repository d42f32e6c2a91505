// CWnd: a window of the framework, backed by a QWidget.
#pragma once

#include "CCmdTarget.h"
#include "CPoint.h"
#include "CRect.h"
#include "CString.h"

#include <map>
#include <memory>
#include <vector>

class QTimer;
class QWidget;
class CDataExchange;
class CDC;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    // The Qt widget behind the window (the framework's window handle); null before the
    // window is created.
    QWidget* GetHandle() const { return m_pWidget; }

    // Returns the child control with that id, or null. The object belongs to this window.
    CWnd* GetDlgItem(int id) const;
    void SetWindowText(LPCTSTR text);
    // SW_SHOW or SW_HIDE; returns whether the window was visible before.
    BOOL ShowWindow(int cmdShow);
    void GetWindowText(CString& text) const;

    // Moves the bound display strings into the controls (FALSE) or back (TRUE).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);
    // Asks for one of `items` in a small list that typing searches; the first `likely`
    // stand apart at the top and the one at `current` (-1: none) is marked. Returns the
    // index of the item chosen, or -1.
    int PickFromList(LPCTSTR caption, const std::vector<CString>& items, int likely, int current);

    // The client area in client coordinates: its origin is (0, 0). A dialog's is its own
    // size, however large the window shows it.
    void GetClientRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    // Marks the client area for repainting, with a background erase when `erase`. Any
    // rectangle stands for the whole client area here.
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    // Carries out a pending repaint at once.
    void UpdateWindow();
    // Desktop addition: erases the background again at once and draws over it what client
    // contexts drew since the last erase, as a change of the window's scale does, so that
    // a new background goes under the stylus's strokes.
    void RedrawBackground();
    // The window's rectangle in screen coordinates, and a screen rectangle in the client
    // coordinates of this window.
    void GetWindowRect(LPRECT rect) const;
    void ScreenToClient(LPRECT rect) const;
    // Sends WM_TIMER with `nIDEvent` every `nElapse` milliseconds until KillTimer; setting
    // a timer again restarts it. Returns `nIDEvent`, or 0 without a window. KillTimer
    // returns FALSE when the timer was not running.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    void SetIcon(HICON icon, BOOL bigIcon);
    // Centres the window on its owner or, without one, on the screen.
    void CenterWindow(CWnd* alternateOwner = nullptr);
    // The desktop is no window of the framework here, as on the handheld: null.
    static CWnd* GetDesktopWindow() { return nullptr; }
    // Lets files dropped onto the window arrive as WM_DROPFILES.
    void DragAcceptFiles(BOOL accept = TRUE);
    // Desktop addition: what a screen reader tells of the window besides its name. The
    // handheld had no screen reader.
    void SetAccessibleDescription(LPCTSTR text);
    // Desktop addition: a dialog's line of status text, at the foot of its free part; an
    // empty text takes it away.
    void SetStatusText(LPCTSTR text);
    // Makes the window the clipboard's owner until CloseClipboard; FALSE when the
    // clipboard is open already.
    BOOL OpenClipboard();

    // Delivers a message through the class's message map, as the system would.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Delivers it once the current message and those before it are handled.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Default processing of the messages the program handles.
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);

    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches through the message map; FALSE when no entry handled the message.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    const AFX_MSGMAP* GetMessageMap() const override;

    void AttachWidget(QWidget* widget) { m_pWidget = widget; }

private:
    QWidget* m_pWidget = nullptr;
    mutable std::map<int, std::unique_ptr<CWnd>> m_children;
    std::map<UINT_PTR, std::shared_ptr<QTimer>> m_timers; // shared: QTimer is incomplete here
};
