#include "DialogWindow.h"

#include "../CWinApp.h"
#include "../CWnd.h"
#include "ClientSurface.h"
#include "DialogTemplate.h"
#include "DropFiles.h"
#include "Resources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr DWORD BS_TYPEMASK = 0x000F;

// Dialog units: a quarter of the dialog font's average character width across, an
// eighth of its height down.
struct DialogUnits {
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        const int alphabetWidth = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        baseX = (alphabetWidth / 26 + 1) / 2;
        baseY = metrics.height();
    }
    int x(int units) const { return units * baseX / 4; }
    int y(int units) const { return units * baseY / 8; }
    int baseX;
    int baseY;
};

QFont dialogFont(const DialogTemplate& dialogTemplate)
{
    QFont font(dialogTemplate.fontFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

} // namespace

DialogWindow::DialogWindow(CWnd* owner, const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_owner(owner)
{
    const QFont font = dialogFont(dialogTemplate);
    setFont(font);
    const DialogUnits units(font);

    // The caption bar is the shell's, in the system font: alike in every dialog.
    auto* captionBar = new QWidget(this);
    captionBar->setObjectName(QStringLiteral("captionBar"));
    captionBar->setFont(QApplication::font());
    m_captionLabel = new QLabel(captionBar);
    QFont captionFont = QApplication::font();
    captionFont.setBold(true);
    m_captionLabel->setFont(captionFont);
    auto* okButton = new QPushButton(tr("OK"), captionBar);
    okButton->setObjectName(QStringLiteral("captionOk"));
    okButton->setAutoDefault(false);
    okButton->setFocusPolicy(Qt::NoFocus);
    okButton->setAccessibleName(tr("OK"));
    connect(okButton, &QPushButton::clicked, this, [this] { sendCommand(IDOK); });
    auto* captionLayout = new QHBoxLayout(captionBar);
    captionLayout->setContentsMargins(4, 2, 2, 2);
    captionLayout->addWidget(m_captionLabel, 1);
    captionLayout->addWidget(okButton);

    m_surface = new ClientSurface(owner, this);
    m_surface->setFixedSize(clientSize(dialogTemplate));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(captionBar);
    layout->addWidget(m_surface);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setCaption(dialogTemplate.caption);
    createControls(dialogTemplate);
    createAccelerators(dialogTemplate);
}

// On the handheld every dialog fills the screen. Here the main window, sized from its
// template, is the screen, and every other dialog takes its place and client size.
DialogWindow* DialogWindow::screenWindow() const
{
    const CWinApp* app = AfxGetApp();
    if (!app || !app->m_pMainWnd || app->m_pMainWnd == m_owner)
        return nullptr;
    return qobject_cast<DialogWindow*>(app->m_pMainWnd->GetHandle());
}

QSize DialogWindow::clientSize(const DialogTemplate& dialogTemplate) const
{
    if (const DialogWindow* screen = screenWindow())
        return screen->surface()->size();
    const DialogUnits units(font());
    return QSize(units.x(dialogTemplate.cx), units.y(dialogTemplate.cy));
}

void DialogWindow::createAccelerators(const DialogTemplate& dialogTemplate)
{
    for (const Accelerator& accelerator : dialogTemplate.accelerators) {
        auto* shortcut = new QShortcut(QKeySequence(accelerator.key), this);
        // A held key sends its command once.
        shortcut->setAutoRepeat(false);
        const int id = accelerator.command;
        connect(shortcut, &QShortcut::activated, this, [this, id] { sendCommand(id); });
    }
    // The system's own keys for the context menu of the window with the focus.
    for (const QKeySequence& key :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this] { sendContextMenu(QPoint(-1, -1)); });
    }
}
void DialogWindow::createControls(const DialogTemplate& dialogTemplate)
{
    const DialogUnits units(font());
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        const bool tabStop = control.style & WS_TABSTOP;
        if (control.className == u"BUTTON" && (control.style & BS_TYPEMASK) == 0) {
            auto* button = new QPushButton(control.text, m_surface);
            // No button of these dialogs is a default button: Enter presses none of them.
            button->setAutoDefault(false);
            const int id = control.id;
            connect(button, &QPushButton::clicked, this, [this, id] { sendCommand(id); });
            widget = button;
        } else if (control.className == u"EDIT") {
            auto* edit = new QLineEdit(control.text, m_surface);
            edit->setReadOnly(control.style & ES_READONLY);
            edit->setFrame(control.style & WS_BORDER);
            // Shows the start of a line longer than the field, not its end.
            connect(edit, &QLineEdit::textChanged, edit, [edit] { edit->setCursorPosition(0); });
            widget = edit;
        } else if (control.className == u"STATIC" && (control.style & SS_TYPEMASK) == SS_ICON) {
            auto* label = new QLabel(m_surface);
            const UINT iconId = control.text.mid(1).toUInt();
            label->setPixmap(iconResource(iconId).pixmap(32, 32));
            widget = label;
        } else {
            widget = new QLabel(control.text, m_surface);
        }
        widget->setProperty(kControlIdProperty, control.id);
        // Read-only fields take no focus, so that the keys always reach the accelerators.
        const bool focusable = !qobject_cast<QLabel*>(widget) &&
                               !(control.className == u"EDIT" && (control.style & ES_READONLY));
        widget->setFocusPolicy(!focusable ? Qt::NoFocus
                               : tabStop  ? Qt::StrongFocus
                                          : Qt::ClickFocus);
        widget->setToolTip(control.toolTip);
        if (!control.accessibleName.isEmpty())
            widget->setAccessibleName(control.accessibleName);
        widget->setGeometry(units.x(control.x), units.y(control.y), units.x(control.cx),
                            units.y(control.cy));
        if (qobject_cast<QLabel*>(widget) && (control.style & SS_TYPEMASK) == SS_ICON)
            widget->resize(32, 32);
        widget->setVisible(control.style & WS_VISIBLE);
    }
    // A screen reader names a button with the text of the line it answers for.
    for (const DialogControl& control : dialogTemplate.controls) {
        if (!control.buddy)
            continue;
        QWidget* widget = findControl(control.id);
        auto* line = qobject_cast<QLineEdit*>(findControl(control.buddy));
        if (!widget || !line)
            continue;
        const QString name = control.accessibleName;
        connect(line, &QLineEdit::textChanged, widget, [widget, name](const QString& text) {
            widget->setAccessibleName(
                text.trimmed().isEmpty() ? name : name + QStringLiteral(": ") + text);
        });
    }
}

QWidget* DialogWindow::findControl(int id) const
{
    for (QWidget* widget : m_surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget->property(kControlIdProperty).toInt() == id)
            return widget;
    }
    return nullptr;
}

QString DialogWindow::caption() const
{
    return m_captionLabel->text();
}

void DialogWindow::setCaption(const QString& caption)
{
    m_captionLabel->setText(caption);
    setWindowTitle(caption);
}

void DialogWindow::focusFirstTabStop()
{
    for (QWidget* widget : m_surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget->focusPolicy() == Qt::StrongFocus) {
            widget->setFocus();
            return;
        }
    }
}

void DialogWindow::sendCommand(int id)
{
    m_owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
}

// The window itself stands for every control that does not have a menu of its own.
void DialogWindow::sendContextMenu(const QPoint& screenPoint)
{
    m_owner->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_owner),
                         MAKELPARAM(screenPoint.x(), screenPoint.y()));
}

// A menu asked for from the keyboard comes with no point, (-1, -1), as the system sends it.
void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    sendContextMenu(event->reason() == QContextMenuEvent::Keyboard ? QPoint(-1, -1)
                                                                   : event->globalPos());
}

// Escape is the framework's cancel command.
void DialogWindow::reject()
{
    sendCommand(IDCANCEL);
}

void DialogWindow::showEvent(QShowEvent* event)
{
    if (const DialogWindow* screen = screenWindow())
        move(screen->pos());
    QDialog::showEvent(event);
}

void DialogWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void DialogWindow::dropEvent(QDropEvent* event)
{
    DropFiles drop;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            drop.paths << url.toLocalFile();
    }
    if (drop.paths.isEmpty())
        return;
    event->acceptProposedAction();
    m_owner->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
}

// Closing the window is the caption's OK, as on the handheld.
void DialogWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    sendCommand(IDOK);
}
