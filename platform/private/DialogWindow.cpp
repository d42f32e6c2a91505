#include "DialogWindow.h"

#include "../CWinApp.h"
#include "../CWnd.h"
#include "../afxres.h"
#include "ChartSlot.h"
#include "ClientSurface.h"
#include "DialogTemplate.h"
#include "DropFiles.h"
#include "FirstPaintGate.h"
#include "FittedLineEdit.h"
#include "Resources.h"
#include "ScaledFont.h"
#include "TextFit.h"

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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QStyle>
#include <cmath>
#include <cstdlib>

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

int scaled(int length, qreal scale)
{
    return qRound(length * scale);
}

// Edges are scaled, not sizes, so that controls that meet still meet.
QRect scaled(const QRect& rect, qreal scale)
{
    const int left = scaled(rect.left(), scale);
    const int top = scaled(rect.top(), scale);
    return QRect(left, top, scaled(rect.left() + rect.width(), scale) - left,
                 scaled(rect.top() + rect.height(), scale) - top);
}

// A template's text in the interface's language.
QString translated(const QString& text)
{
    return text.isEmpty() ? text : QCoreApplication::translate("Dialog", text.toUtf8().constData());
}

// Zooming goes to the next quarter of the dialog's own size that is at least a
// twentieth larger or smaller, so that no step is too small to see.
constexpr qreal kZoomStep = 0.25;
constexpr qreal kLeastZoom = 1.05;

} // namespace

DialogWindow::DialogWindow(CWnd* owner, const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_owner(owner), m_dialogFont(dialogFont(dialogTemplate))
{
    new FirstPaintGate(this);
    // The caption bar is the shell's, in the system font: alike in every dialog.
    m_captionBar = new QWidget(this);
    m_captionBar->setObjectName(QStringLiteral("captionBar"));
    m_captionLabel = new QLabel(m_captionBar);
    auto* okButton = new QPushButton(tr("OK"), m_captionBar);
    okButton->setObjectName(QStringLiteral("captionOk"));
    okButton->setAutoDefault(false);
    okButton->setFocusPolicy(Qt::NoFocus);
    okButton->setAccessibleName(tr("OK"));
    connect(okButton, &QPushButton::clicked, this, [this] { sendCommand(IDOK); });
    m_captionLayout = new QHBoxLayout(m_captionBar);
    m_captionLayout->addWidget(m_captionLabel, 1);
    m_captionLayout->addWidget(okButton);

    m_surface = new ClientSurface(owner, this);

    // On the handheld every dialog fills the screen. Here the main window, sized from its
    // template, is the screen, and every other dialog takes its place, client size and
    // scale; a desktop dialog whose template is larger than the screen keeps its own size.
    const DialogWindow* screen = screenWindow();
    const DialogUnits units(m_dialogFont);
    m_clientSize = QSize(units.x(dialogTemplate.cx), units.y(dialogTemplate.cy));
    if (screen)
        m_clientSize = m_clientSize.expandedTo(screen->m_clientSize);
    m_captionSource = dialogTemplate.caption;
    setCaption(translated(m_captionSource));
    createControls(dialogTemplate);
    createAccelerators(dialogTemplate);
    createZoomKeys();

    scaleCaptionBar();
    m_captionHeight = m_captionBar->sizeHint().height();
    setMinimumSize(scaledSize(1));
    m_openingScale = screen ? screen->m_scale : openingScale();
    setScale(m_openingScale);
}

DialogWindow* DialogWindow::screenWindow() const
{
    const CWinApp* app = AfxGetApp();
    if (!app || !app->m_pMainWnd || app->m_pMainWnd == m_owner)
        return nullptr;
    return qobject_cast<DialogWindow*>(app->m_pMainWnd->GetHandle());
}

QSize DialogWindow::scaledSize(qreal scale) const
{
    return QSize(scaled(m_clientSize.width(), scale),
                 scaled(m_captionHeight, scale) + scaled(m_clientSize.height(), scale));
}

QSize DialogWindow::sizeHint() const
{
    return scaledSize(m_scale);
}

qreal DialogWindow::largestScale() const
{
    const QSize ownSize = scaledSize(1);
    const QSize frame = frameGeometry().size() - size();
    const QSize available = screen()->availableGeometry().size() - frame;
    return qMax(1.0, qMin(qreal(available.width()) / ownSize.width(),
                          qreal(available.height()) / ownSize.height()));
}

qreal DialogWindow::openingScale() const
{
    const qreal halfHeight = screen()->availableGeometry().height() / 2.0;
    return qMin(qMax(1.0, halfHeight / scaledSize(1).height()), largestScale());
}

void DialogWindow::setScale(qreal scale)
{
    m_scale = qBound(1.0, scale, largestScale());
    layOut();
    resize(scaledSize(m_scale));
}

void DialogWindow::zoom(UINT commandId)
{
    if (commandId == ID_VIEW_ZOOM_IN)
        setScale(std::ceil(m_scale * kLeastZoom / kZoomStep) * kZoomStep);
    else if (commandId == ID_VIEW_ZOOM_OUT)
        setScale(std::floor(m_scale / kLeastZoom / kZoomStep) * kZoomStep);
    else if (commandId == ID_VIEW_ZOOM_RESET)
        setScale(m_openingScale);
}

void DialogWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // Dragging an edge rescales the dialog and keeps its proportions: the scale follows
    // the side that moved the most.
    if (size() != scaledSize(m_scale) && event->oldSize().isValid()) {
        const QSize ownSize = scaledSize(1);
        const qreal widthScale = qreal(width()) / ownSize.width();
        const qreal heightScale = qreal(height()) / ownSize.height();
        const QSize old = event->oldSize();
        const bool widthMoved = std::abs(width() - old.width()) * ownSize.height() >=
                                std::abs(height() - old.height()) * ownSize.width();
        m_scale = qBound(1.0, widthMoved ? widthScale : heightScale, largestScale());
        if (size() != scaledSize(m_scale))
            resize(scaledSize(m_scale));
    }
    layOut();
}

void DialogWindow::scaleCaptionBar()
{
    const QFont systemFont = scaledFont(QApplication::font(), m_scale);
    QFont captionFont = systemFont;
    captionFont.setBold(true);
    m_captionBar->setFont(systemFont);
    m_captionLabel->setFont(captionFont);
    m_captionLayout->setContentsMargins(scaled(4, m_scale), scaled(2, m_scale), scaled(2, m_scale),
                                        scaled(2, m_scale));
}

void DialogWindow::layOut()
{
    const QSize content = scaledSize(m_scale);
    const QPoint origin(qMax(0, (width() - content.width()) / 2),
                        qMax(0, (height() - content.height()) / 2));
    scaleCaptionBar();
    const int captionHeight = scaled(m_captionHeight, m_scale);
    m_captionBar->setGeometry(origin.x(), origin.y(), content.width(), captionHeight);

    m_surface->setFont(scaledFont(m_dialogFont, m_scale));
    m_surface->setClientSize(m_clientSize, m_scale);
    m_surface->move(origin.x(), origin.y() + captionHeight);
    // A right-to-left language mirrors the controls, and the caption bar by its layout; the
    // client area keeps its own coordinates, and its background is not mirrored.
    const QRect client(QPoint(0, 0), m_surface->size());
    for (const auto& [widget, geometry] : m_controlGeometry) {
        widget->setGeometry(
            QStyle::visualRect(layoutDirection(), client, scaled(geometry, m_scale)));
        fitText(widget);
    }
    for (const auto& [edit, room] : m_controlRoom)
        edit->setRoom(QMargins(scaled(room.left(), m_scale), scaled(room.top(), m_scale), 0,
                               scaled(room.bottom(), m_scale)));
}

// The template's texts follow the language; a text the program has set in the meantime is
// the program's to set again.
void DialogWindow::retranslate()
{
    if (caption() == m_captionShown)
        setCaption(translated(m_captionSource));
    for (TemplateTexts& texts : m_templateTexts) {
        QWidget* widget = texts.widget;
        const QString text = translated(texts.text);
        if (auto* button = qobject_cast<QPushButton*>(widget);
            button && button->text() == texts.shown)
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->text() == texts.shown)
            label->setText(text);
        texts.shown = text;
        widget->setToolTip(translated(texts.toolTip));
        widget->setProperty(kAccessibleNameProperty, translated(texts.accessibleName));
        if (!texts.accessibleName.isEmpty())
            widget->setAccessibleName(translated(texts.accessibleName));
    }
    layOut();
}

void DialogWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::LayoutDirectionChange)
        layOut();
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

// The zoom keys send the standard zoom commands, as a menu would.
void DialogWindow::createZoomKeys()
{
    const std::pair<const char*, UINT> keys[] = {
        {"Ctrl++", ID_VIEW_ZOOM_IN},       {"Ctrl+=", ID_VIEW_ZOOM_IN},
        {"Ctrl+Num++", ID_VIEW_ZOOM_IN},   {"Ctrl+-", ID_VIEW_ZOOM_OUT},
        {"Ctrl+Num+-", ID_VIEW_ZOOM_OUT},  {"Ctrl+0", ID_VIEW_ZOOM_RESET},
        {"Ctrl+Num+0", ID_VIEW_ZOOM_RESET}};
    for (const auto& [key, command] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), this);
        const int id = static_cast<int>(command);
        connect(shortcut, &QShortcut::activated, this, [this, id] { sendCommand(id); });
    }
}

void DialogWindow::createControls(const DialogTemplate& dialogTemplate)
{
    const DialogUnits units(m_dialogFont);
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        const bool tabStop = control.style & WS_TABSTOP;
        if (control.className == u"BUTTON" && (control.style & BS_TYPEMASK) == 0) {
            auto* button = new QPushButton(translated(control.text), m_surface);
            // No button of these dialogs is a default button: Enter presses none of them.
            button->setAutoDefault(false);
            const int id = control.id;
            connect(button, &QPushButton::clicked, this, [this, id] { sendCommand(id); });
            widget = button;
        } else if (control.className == u"EDIT" && (control.style & ES_MULTILINE)) {
            auto* edit = new QPlainTextEdit(control.text, m_surface);
            edit->setReadOnly(control.style & ES_READONLY);
            edit->setFrameShape((control.style & WS_BORDER) ? QFrame::StyledPanel
                                                            : QFrame::NoFrame);
            // Lines wrap at the field's edge.
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            widget = edit;
        } else if (control.className == u"CHART") {
            widget = new ChartSlot(m_surface);
        } else if (control.className == u"EDIT") {
            // A read-only line shows a text longer than itself whole, as far as it can.
            auto* edit = (control.style & ES_READONLY)
                             ? new FittedLineEdit(control.text, control.toolTip, m_surface)
                             : new QLineEdit(control.text, m_surface);
            if (auto* fitted = qobject_cast<FittedLineEdit*>(edit);
                fitted && control.roomLeft + control.roomAbove + control.roomBelow > 0)
                m_controlRoom.emplace_back(fitted, QMargins(units.x(control.roomLeft),
                                                            units.y(control.roomAbove), 0,
                                                            units.y(control.roomBelow)));
            edit->setReadOnly(control.style & ES_READONLY);
            edit->setFrame(control.style & WS_BORDER);
            // Shows the start of a line longer than the field, not its end.
            connect(edit, &QLineEdit::textChanged, edit, [edit] { edit->setCursorPosition(0); });
            widget = edit;
        } else if (control.className == u"STATIC" && (control.style & SS_TYPEMASK) == SS_ICON) {
            auto* label = new QLabel(m_surface);
            const UINT iconId = control.text.mid(1).toUInt();
            label->setPixmap(iconResource(iconId).pixmap(32, 32));
            // The icon grows with the dialog.
            label->setScaledContents(true);
            widget = label;
        } else {
            widget = new QLabel(translated(control.text), m_surface);
        }
        widget->setProperty(kControlIdProperty, control.id);
        // Read-only fields take no focus, so that the keys always reach the accelerators.
        const bool focusable = !qobject_cast<QLabel*>(widget) && control.className != u"CHART" &&
                               !(control.className == u"EDIT" && (control.style & ES_READONLY));
        widget->setFocusPolicy(!focusable ? Qt::NoFocus
                               : tabStop  ? Qt::StrongFocus
                                          : Qt::ClickFocus);
        widget->setToolTip(translated(control.toolTip));
        widget->setProperty(kAccessibleNameProperty, translated(control.accessibleName));
        if (!control.accessibleName.isEmpty())
            widget->setAccessibleName(translated(control.accessibleName));
        m_templateTexts.push_back({widget, control.text, control.toolTip, control.accessibleName,
                                   translated(control.text)});
        QRect geometry(units.x(control.x), units.y(control.y), units.x(control.cx),
                       units.y(control.cy));
        if (qobject_cast<QLabel*>(widget) && (control.style & SS_TYPEMASK) == SS_ICON)
            geometry.setSize(QSize(32, 32));
        m_controlGeometry.emplace_back(widget, geometry);
        // Placed before it is shown, so that it is not first sized to fit its text.
        widget->setGeometry(geometry);
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
        connect(line, &QLineEdit::textChanged, widget, [widget](const QString& text) {
            const QString name = widget->property(kAccessibleNameProperty).toString();
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
    if (m_captionShown.isNull() || caption == translated(m_captionSource))
        m_captionShown = caption;
    m_captionLabel->setText(caption);
    setWindowTitle(caption);
}

void DialogWindow::setStatusText(const QString& text)
{
    if (!m_statusLine) {
        m_statusLine = new QLabel(m_surface);
        m_statusLine->setObjectName(QStringLiteral("statusLine"));
        // The pen draws on under it.
        m_statusLine->setAttribute(Qt::WA_TransparentForMouseEvents);
        const int height = QFontMetrics(m_dialogFont).height();
        const int margin = height / 4;
        m_controlGeometry.emplace_back(m_statusLine,
                                       QRect(margin, m_clientSize.height() - height - margin,
                                             m_clientSize.width() - 2 * margin, height));
        layOut();
    }
    m_statusLine->setText(text);
    fitText(m_statusLine);
    m_statusLine->setVisible(!text.isEmpty());
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
    // Over the main window, and on the screen when it is the larger.
    if (const DialogWindow* screen = screenWindow()) {
        QRect frame = frameGeometry();
        frame.moveTopLeft(screen->pos());
        const QRect available = this->screen()->availableGeometry();
        frame.moveRight(qMin(frame.right(), available.right()));
        frame.moveLeft(qMax(frame.left(), available.left()));
        move(frame.topLeft());
    }
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
