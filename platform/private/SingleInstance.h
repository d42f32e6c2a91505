// Lets one instance of the program run per user and display: a second start hands the
// file it was given (or none) to the first and ends. They talk through a named pipe in
// the user's private runtime folder (QtCore alone: a local socket would cost the start-up
// a network library and its dependencies).
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <climits>
#include <functional>
#include <memory>

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // A message is a tag, the path's length and its bytes, written at once: the pipe
    // keeps a write of up to PIPE_BUF bytes whole, so starts at the same moment never mix.
    static constexpr qsizetype kHeaderSize = 8;
    static constexpr qsizetype kMaxPathSize = PIPE_BUF - kHeaderSize;

    explicit SingleInstance(const QString& programName);
    ~SingleInstance() override;

    // Hands `path` (the file system's bytes, absolute; empty for none) to a running
    // instance; true when one was there to take it.
    bool handOver(const QByteArray& path);
    // Listens for later starts, calling `received` with the path each one hands over.
    // Messages that are not well formed are dropped unread. Does nothing while another
    // instance listens.
    void listen(std::function<void(const QByteArray& path)> received);

private:
    void readMessages();

    QByteArray m_path;
    int m_readFd = -1;
    // Keeps the pipe open for writing too, so that a second start closing its end does not
    // leave the reading end signalling an end of file forever.
    int m_keepOpenFd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void(const QByteArray&)> m_received;
};
