// The top-level window of a dialog: a caption bar with the title and the OK button that
// the handheld's shell adds to every dialog, above the client surface with the controls.
#pragma once

#include "../wintypes.h"

#include <QDialog>
#include <QMargins>
#include <utility>
#include <vector>

class CWnd;
class ClientSurface;
class FittedLineEdit;
class QHBoxLayout;
class QLabel;
struct DialogTemplate;

// The property that holds a control's id.
inline constexpr char kControlIdProperty[] = "controlId";
// The property that holds a control's accessible name before the text of its line is added.
inline constexpr char kAccessibleNameProperty[] = "baseAccessibleName";

class DialogWindow : public QDialog {
    Q_OBJECT

public:
    DialogWindow(CWnd* owner, const DialogTemplate& dialogTemplate, QWidget* parent);

    ClientSurface* surface() const { return m_surface; }
    QString caption() const;
    void setCaption(const QString& caption);
    QWidget* findControl(int id) const;
    void focusFirstTabStop();
    // A line of status text at the foot of the client area, over its free part; empty
    // takes it away.
    void setStatusText(const QString& text);

    // The whole dialog (caption area, controls, fonts and client area) is shown at this
    // many times its own size, as one.
    qreal scale() const { return m_scale; }
    // Carries out ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT or ID_VIEW_ZOOM_RESET.
    void zoom(UINT commandId);
    QSize sizeHint() const override;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    DialogWindow* screenWindow() const;
    void createControls(const DialogTemplate& dialogTemplate);
    void createAccelerators(const DialogTemplate& dialogTemplate);
    void createZoomKeys();
    void sendCommand(int id);
    void sendContextMenu(const QPoint& screenPoint);

    // The window's size at `scale`.
    QSize scaledSize(qreal scale) const;
    // The largest scale at which the window fits the available part of its screen; never
    // less than 1.
    qreal largestScale() const;
    // The scale the window opens at: about half the available screen height.
    qreal openingScale() const;
    // Shows the dialog at `scale` (bounded) and gives the window its size at that scale.
    void setScale(qreal scale);
    // Gives the caption bar its fonts and margins at the current scale.
    void scaleCaptionBar();
    // Places and sizes everything at the current scale, centred in the window.
    void layOut();
    // Shows the template's texts in the interface's language.
    void retranslate();

    CWnd* m_owner;
    QFont m_dialogFont;
    QWidget* m_captionBar;
    QHBoxLayout* m_captionLayout;
    QLabel* m_captionLabel;
    ClientSurface* m_surface;
    // Sizes and places at scale 1, in client pixels.
    QSize m_clientSize;
    int m_captionHeight = 0;
    std::vector<std::pair<QWidget*, QRect>> m_controlGeometry;
    // The room that read-only lines may grow into, at scale 1.
    std::vector<std::pair<FittedLineEdit*, QMargins>> m_controlRoom;
    QLabel* m_statusLine = nullptr;
    qreal m_openingScale = 1;
    qreal m_scale = 1;
    // The template's texts of each control, and the text last shown from it.
    struct TemplateTexts {
        QWidget* widget;
        QString text;
        QString toolTip;
        QString accessibleName;
        QString shown;
    };
    std::vector<TemplateTexts> m_templateTexts;
    QString m_captionSource;
    QString m_captionShown;
};
