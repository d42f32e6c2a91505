#include "MessageNesting.h"

#include <QTimer>
#include <deque>

namespace {
int depth = 0;
std::deque<std::function<void()>> waiting;
} // namespace

MessageNesting::MessageNesting()
{
    ++depth;
}

MessageNesting::~MessageNesting()
{
    if (--depth == 0 && !waiting.empty())
        QTimer::singleShot(0, &MessageNesting::runWaiting);
}

bool MessageNesting::handling()
{
    return depth > 0;
}

void MessageNesting::whenIdle(std::function<void()> task)
{
    waiting.push_back(std::move(task));
    runWaiting();
}

void MessageNesting::runWaiting()
{
    while (depth == 0 && !waiting.empty()) {
        const std::function<void()> task = std::move(waiting.front());
        waiting.pop_front();
        task();
    }
}
