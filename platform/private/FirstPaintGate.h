// Holds the messages posted to a window until the window has been painted once: a dialog
// that posts work to itself while it starts is on screen before that work runs.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

class FirstPaintGate : public QObject {
public:
    explicit FirstPaintGate(QWidget* window);

    // Runs `call` from the event loop, after the window's first paint if it has not had
    // one yet.
    static void post(QWidget* window, std::function<void()> call);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::function<void()>> m_held;
};
