#include "FirstPaintGate.h"

#include "MessageNesting.h"

#include <QEvent>
#include <QWidget>

FirstPaintGate::FirstPaintGate(QWidget* window) : QObject(window)
{
    window->installEventFilter(this);
}

void FirstPaintGate::post(QWidget* window, std::function<void()> call)
{
    if (auto* gate = window->findChild<FirstPaintGate*>(QString(), Qt::FindDirectChildrenOnly))
        gate->m_held.push_back(std::move(call));
    else
        QMetaObject::invokeMethod(window, std::move(call), Qt::QueuedConnection);
}

bool FirstPaintGate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        auto* window = static_cast<QWidget*>(watched);
        // Gone before the calls run, so that they, and whatever they post, are not held.
        setParent(nullptr);
        window->removeEventFilter(this);
        for (std::function<void()>& call : m_held)
            QMetaObject::invokeMethod(
                window, [call = std::move(call)] { MessageNesting::whenIdle(call); },
                Qt::QueuedConnection);
        deleteLater();
    }
    return false;
}
