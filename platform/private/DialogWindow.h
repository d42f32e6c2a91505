// The top-level window of a dialog: a caption bar with the title and the OK button that
// the handheld's shell adds to every dialog, above the client surface with the controls.
#pragma once

#include "../wintypes.h"

#include <QDialog>

class CWnd;
class ClientSurface;
class QLabel;
struct DialogTemplate;

// The property that holds a control's id.
inline constexpr char kControlIdProperty[] = "controlId";

class DialogWindow : public QDialog {
    Q_OBJECT

public:
    DialogWindow(CWnd* owner, const DialogTemplate& dialogTemplate, QWidget* parent);

    ClientSurface* surface() const { return m_surface; }
    QString caption() const;
    void setCaption(const QString& caption);
    QWidget* findControl(int id) const;
    void focusFirstTabStop();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DialogWindow* screenWindow() const;
    QSize clientSize(const DialogTemplate& dialogTemplate) const;
    void createControls(const DialogTemplate& dialogTemplate);
    void createAccelerators(const DialogTemplate& dialogTemplate);
    void sendCommand(int id);
    void sendContextMenu(const QPoint& screenPoint);

    CWnd* m_owner;
    QLabel* m_captionLabel;
    ClientSurface* m_surface;
};
