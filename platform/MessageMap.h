// Message maps: tables that bind window messages and button commands to member handlers,
// each table chained to its base class's.
#pragma once

#include "wintypes.h"

class CCmdTarget;
class CWnd;
class CDC;
class CPoint;

using AFX_PMSG = void (CCmdTarget::*)();

// How a handler is called.
enum AfxSig : UINT {
    AfxSig_end = 0,
    AfxSig_vv,  // void (void): commands
    AfxSig_bD,  // BOOL (CDC*): WM_ERASEBKGND
    AfxSig_vwp, // void (UINT, CPoint): mouse messages
    AfxSig_vD,  // void (HDROP): WM_DROPFILES
    AfxSig_vWp, // void (CWnd*, CPoint): WM_CONTEXTMENU
    AfxSig_vw,  // void (UINT_PTR): WM_TIMER
};

// The handler, in the member that its signature names.
union AFX_MSG_HANDLER {
    AFX_PMSG pfn_vv;
    BOOL (CWnd::*pfn_bD)(CDC*);
    void (CWnd::*pfn_vwp)(UINT, CPoint);
    void (CWnd::*pfn_vD)(HDROP);
    void (CWnd::*pfn_vWp)(CWnd*, CPoint);
    void (CWnd::*pfn_vw)(UINT_PTR);
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    AfxSig nSig;
    AFX_MSG_HANDLER handler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass; /* a map may have no entries */               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, AfxSig_end,                                                                       \
        {                                                                                          \
            nullptr                                                                                \
        }                                                                                          \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]};          \
    return &messageMap;                                                                            \
    }

// A pointer to member cannot be formed from a parenthesised name.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND,                                                                                   \
     BN_CLICKED,                                                                                   \
     static_cast<UINT>(id),                                                                        \
     AfxSig_vv,                                                                                    \
     {.pfn_vv = static_cast<AFX_PMSG>(static_cast<void (ThisClass::*)()>(&memberFxn))}},
// NOLINTEND(bugprone-macro-parentheses)
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND(id, memberFxn)

#define ON_WM_ERASEBKGND()                                                                         \
    {WM_ERASEBKGND,                                                                                \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_bD,                                                                                    \
     {.pfn_bD = static_cast<BOOL (CWnd::*)(CDC*)>(&ThisClass::OnEraseBkgnd)}},
#define ON_WM_LBUTTONDOWN()                                                                        \
    {WM_LBUTTONDOWN,                                                                               \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vwp,                                                                                   \
     {.pfn_vwp = static_cast<void (CWnd::*)(UINT, CPoint)>(&ThisClass::OnLButtonDown)}},
#define ON_WM_MOUSEMOVE()                                                                          \
    {WM_MOUSEMOVE,                                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vwp,                                                                                   \
     {.pfn_vwp = static_cast<void (CWnd::*)(UINT, CPoint)>(&ThisClass::OnMouseMove)}},
#define ON_WM_DROPFILES()                                                                          \
    {WM_DROPFILES,                                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vD,                                                                                    \
     {.pfn_vD = static_cast<void (CWnd::*)(HDROP)>(&ThisClass::OnDropFiles)}},
#define ON_WM_CONTEXTMENU()                                                                        \
    {WM_CONTEXTMENU,                                                                               \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vWp,                                                                                   \
     {.pfn_vWp = static_cast<void (CWnd::*)(CWnd*, CPoint)>(&ThisClass::OnContextMenu)}},
#define ON_WM_TIMER()                                                                              \
    {WM_TIMER,                                                                                     \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vw,                                                                                    \
     {.pfn_vw = static_cast<void (CWnd::*)(UINT_PTR)>(&ThisClass::OnTimer)}},
