#include "CWnd.h"

#include "CDC.h"
#include "CDataExchange.h"
#include "ModalSeam.h"
#include "clipboard.h"
#include "private/ClientSurface.h"
#include "private/DialogWindow.h"
#include "private/FirstPaintGate.h"
#include "private/FittedLineEdit.h"
#include "private/MessageNesting.h"
#include "private/QtConvert.h"
#include "private/TextFit.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QVariant>

namespace {

COLORREF windowColour()
{
    return toColorRef(QGuiApplication::palette().color(QPalette::Window));
}

// The widget whose origin is the window's client origin: a dialog's client surface,
// below its caption bar.
const QWidget* clientWidget(const QWidget* widget)
{
    if (const auto* dialog = qobject_cast<const DialogWindow*>(widget))
        return dialog->surface();
    return widget;
}

} // namespace

CWnd::~CWnd() = default;

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_end, {nullptr}}};
    static const AFX_MSGMAP messageMap = {&CCmdTarget::GetThisMessageMap, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_pWidget)
        return nullptr;
    auto cached = m_children.find(id);
    if (cached != m_children.end())
        return cached->second.get();
    const QList<QWidget*> widgets = m_pWidget->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget->property(kControlIdProperty).toInt() == id) {
            auto child = std::make_unique<CWnd>();
            child->m_pWidget = widget;
            return m_children.emplace(id, std::move(child)).first->second.get();
        }
    }
    return nullptr;
}

void CWnd::SetWindowText(LPCTSTR text)
{
    const QString value = QString::fromUtf16(text ? text : u"");
    if (auto* dialog = qobject_cast<DialogWindow*>(m_pWidget))
        dialog->setCaption(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(m_pWidget)) {
        button->setText(value);
        fitText(button);
    } else if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget))
        edit->setText(value);
    else if (auto* textEdit = qobject_cast<QPlainTextEdit*>(m_pWidget))
        textEdit->setPlainText(value);
    else if (auto* label = qobject_cast<QLabel*>(m_pWidget)) {
        label->setText(value);
        fitText(label);
    }
}

BOOL CWnd::ShowWindow(int cmdShow)
{
    if (!m_pWidget)
        return FALSE;
    const BOOL wasVisible = !m_pWidget->isHidden();
    m_pWidget->setVisible(cmdShow != SW_HIDE);
    return wasVisible;
}

void CWnd::GetWindowText(CString& text) const
{
    QString value;
    if (auto* dialog = qobject_cast<DialogWindow*>(m_pWidget))
        value = dialog->caption();
    else if (auto* button = qobject_cast<QAbstractButton*>(m_pWidget))
        value = button->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(m_pWidget))
        value = edit->text();
    else if (auto* textEdit = qobject_cast<QPlainTextEdit*>(m_pWidget))
        value = textEdit->toPlainText();
    else if (auto* label = qobject_cast<QLabel*>(m_pWidget))
        value = label->text();
    text = toCString(value);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    // The framework's default caption is the application's title, "Error" when it has none.
    return ModalSeam::Current().MessageBox(this, CString(text),
                                           CString(caption ? caption : u"Error"), type);
}

int CWnd::PickFromList(LPCTSTR caption, const std::vector<CString>& items, int likely, int current)
{
    return ModalSeam::Current().PickFromList(this, CString(caption), items, likely, current);
}

void CWnd::GetClientRect(LPRECT rect) const
{
    QSize size = m_pWidget ? m_pWidget->size() : QSize(0, 0);
    if (auto* dialog = qobject_cast<DialogWindow*>(m_pWidget))
        size = dialog->surface()->clientSize();
    *rect = RECT{0, 0, size.width(), size.height()};
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    const QWidget* client = clientWidget(m_pWidget);
    if (!client)
        return;
    // The program's client coordinates are the handheld's; the surface shows them scaled.
    const auto* surface = qobject_cast<const ClientSurface*>(client);
    const qreal scale = surface ? surface->scale() : 1;
    const QPoint screen = client->mapToGlobal((QPointF(point->x, point->y) * scale).toPoint());
    point->x = screen.x();
    point->y = screen.y();
}

void CWnd::InvalidateRect(LPCRECT, BOOL erase)
{
    if (auto* dialog = qobject_cast<DialogWindow*>(m_pWidget))
        dialog->surface()->invalidate(erase);
    else if (m_pWidget)
        m_pWidget->update();
}

void CWnd::UpdateWindow()
{
    if (auto* dialog = qobject_cast<DialogWindow*>(m_pWidget))
        dialog->surface()->updateNow();
    else if (m_pWidget)
        m_pWidget->repaint();
}

void CWnd::RedrawBackground()
{
    if (auto* dialog = qobject_cast<DialogWindow*>(m_pWidget))
        dialog->surface()->redrawBackground();
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    const QRect frame =
        m_pWidget ? QRect(m_pWidget->mapToGlobal(QPoint(0, 0)), m_pWidget->size()) : QRect();
    *rect =
        RECT{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    const QWidget* client = clientWidget(m_pWidget);
    if (!client)
        return;
    const auto* surface = qobject_cast<const ClientSurface*>(client);
    const qreal scale = surface ? surface->scale() : 1;
    const QPointF topLeft = QPointF(client->mapFromGlobal(QPoint(rect->left, rect->top))) / scale;
    const QPointF bottomRight =
        QPointF(client->mapFromGlobal(QPoint(rect->right, rect->bottom))) / scale;
    *rect = RECT{qRound(topLeft.x()), qRound(topLeft.y()), qRound(bottomRight.x()),
                 qRound(bottomRight.y())};
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void*)
{
    if (!m_pWidget)
        return 0;
    std::shared_ptr<QTimer>& timer = m_timers[nIDEvent];
    if (!timer) {
        timer = std::make_shared<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout,
                         [this, nIDEvent] { SendMessage(WM_TIMER, nIDEvent, 0); });
    }
    timer->start(static_cast<int>(nElapse));
    return nIDEvent;
}

// A timer is only stopped: it may be the one whose message is being handled.
BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    const auto timer = m_timers.find(nIDEvent);
    if (timer == m_timers.end() || !timer->second->isActive())
        return FALSE;
    timer->second->stop();
    return TRUE;
}

void CWnd::SetIcon(HICON icon, BOOL)
{
    // Qt picks the size it needs from one icon; large and small are the same here.
    if (m_pWidget && icon)
        m_pWidget->setWindowIcon(*icon);
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (!m_pWidget)
        return;
    QWidget* window = m_pWidget->window();
    QWidget* owner = alternateOwner && alternateOwner->m_pWidget
                         ? alternateOwner->m_pWidget->window()
                         : window->parentWidget();
    const QRect area = owner ? owner->frameGeometry() : window->screen()->availableGeometry();
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void CWnd::DragAcceptFiles(BOOL accept)
{
    if (m_pWidget)
        m_pWidget->window()->setAcceptDrops(accept);
}

void CWnd::SetAccessibleDescription(LPCTSTR text)
{
    const QString description = QString::fromUtf16(text ? text : u"");
    if (auto* fitted = qobject_cast<FittedLineEdit*>(m_pWidget))
        fitted->setOwnDescription(description);
    else if (m_pWidget)
        m_pWidget->setAccessibleDescription(description);
}

void CWnd::SetStatusText(LPCTSTR text)
{
    if (auto* dialog = qobject_cast<DialogWindow*>(m_pWidget))
        dialog->setStatusText(QString::fromUtf16(text ? text : u""));
}

BOOL CWnd::OpenClipboard()
{
    return ::OpenClipboard(this);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_pWidget)
        return FALSE;
    FirstPaintGate::post(m_pWidget->window(),
                         [this, message, wParam, lParam] { SendMessage(message, wParam, lParam); });
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MessageNesting handlingMessage;
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    // Default processing.
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), point);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), point);
        break;
    default:
        break;
    }
    return 0;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const bool isCommand = message == WM_COMMAND;
    const AFX_MSGMAP_ENTRY* entry =
        FindMessageEntry(message, isCommand ? HIWORD(wParam) : 0, isCommand ? LOWORD(wParam) : 0);
    if (!entry)
        return FALSE;
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (entry->nSig) {
    case AfxSig_vv:
        (this->*entry->handler.pfn_vv)();
        *pResult = 0;
        return TRUE;
    case AfxSig_bD:
        *pResult = (this->*entry->handler.pfn_bD)(reinterpret_cast<CDC*>(wParam));
        return TRUE;
    case AfxSig_vwp:
        (this->*entry->handler.pfn_vwp)(static_cast<UINT>(wParam), point);
        *pResult = 0;
        return TRUE;
    case AfxSig_vD:
        (this->*entry->handler.pfn_vD)(reinterpret_cast<HDROP>(wParam));
        *pResult = 0;
        return TRUE;
    case AfxSig_vWp:
        (this->*entry->handler.pfn_vWp)(reinterpret_cast<CWnd*>(wParam), point);
        *pResult = 0;
        return TRUE;
    case AfxSig_vw:
        (this->*entry->handler.pfn_vw)(static_cast<UINT_PTR>(wParam));
        *pResult = 0;
        return TRUE;
    case AfxSig_end:
        break;
    }
    return FALSE;
}

BOOL CWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(client);
    pDC->FillSolidRect(client, windowColour());
    return TRUE;
}

// The system's default handling of the stylus does nothing visible on this platform.
void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
void CWnd::OnTimer(UINT_PTR) {}
