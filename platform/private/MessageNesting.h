// Knows whether a window is handling a message, and runs work once none is. A file that a
// later start hands over waits this way: while a handler runs, the message box or dialog
// it put up may be on screen, and the file is opened when that is closed.
#pragma once

#include <functional>

class MessageNesting {
public:
    // Marks a message as being handled for the object's lifetime.
    MessageNesting();
    ~MessageNesting();
    MessageNesting(const MessageNesting&) = delete;
    MessageNesting& operator=(const MessageNesting&) = delete;

    static bool handling();
    // Runs `task` at once when no message is being handled; otherwise from the event loop
    // as soon as none is. Tasks run in the order they came.
    static void whenIdle(std::function<void()> task);

private:
    static void runWaiting();
};
