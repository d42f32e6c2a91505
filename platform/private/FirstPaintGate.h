// Holds the messages posted to a window until the window has been painted once: a dialog
// that posts work to itself while it starts is on screen before that work runs. The work
// held then waits, as a handed-over file does, until no handler or box is running, so
// that what the window posted and what came from outside never run inside one another.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

class FirstPaintGate : public QObject {
    // Without its own meta-object, findChild<FirstPaintGate*> would take any child for it.
    Q_OBJECT

public:
    explicit FirstPaintGate(QWidget* window);

    // Runs `call` from the event loop, after the window's first paint and once no message
    // is being handled if it has not had that paint yet.
    static void post(QWidget* window, std::function<void()> call);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::function<void()>> m_held;
};
