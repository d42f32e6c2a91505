// Lets one instance of the program run per user and display: a second start asks the
// first to come to the front and ends. They talk through a named pipe in the user's
// private runtime folder (QtCore alone: a local socket would cost the start-up a network
// library and its dependencies).
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& programName);
    ~SingleInstance() override;

    // Asks a running instance to come forward; true when one was there to ask.
    bool activateRunningInstance();
    // Listens for later starts, calling `raise` for each.
    void listen(std::function<void()> raise);

private:
    QByteArray m_path;
    int m_readFd = -1;
    // Keeps the pipe open for writing too, so that a second start closing its end does not
    // leave the reading end signalling an end of file forever.
    int m_keepOpenFd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
