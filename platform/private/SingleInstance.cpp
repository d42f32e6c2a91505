#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QtEndian>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr char kTag[4] = {'Z', 'h', 'o', '1'};
// More than this waiting at once is a flood, not starts of the program.
constexpr qsizetype kMaxPending = 1 << 20;
// A running instance that does not empty its pipe within this time is hung.
constexpr int kWriteTimeoutMs = 5000;

} // namespace

SingleInstance::SingleInstance(const QString& programName)
{
    // The name tells users, displays and platforms apart.
    const QByteArray session = qgetenv("WAYLAND_DISPLAY") + '|' + qgetenv("DISPLAY") + '|' +
                               QGuiApplication::platformName().toUtf8();
    const QString sessionHash = QString::fromLatin1(
        QCryptographicHash::hash(session, QCryptographicHash::Sha1).toHex().left(12));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_path = QFile::encodeName(
        QStringLiteral("%1/%2-%3-%4").arg(folder, programName).arg(::getuid()).arg(sessionHash));
}

SingleInstance::~SingleInstance()
{
    if (m_readFd < 0)
        return;
    m_notifier.reset();
    ::close(m_keepOpenFd);
    ::close(m_readFd);
    ::unlink(m_path.constData());
}

bool SingleInstance::handOver(const QByteArray& path)
{
    if (path.size() > kMaxPathSize)
        return false;
    // Opening a pipe for writing without waiting succeeds only while someone reads it.
    const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray message(kTag, sizeof kTag);
    const quint32 length = qToLittleEndian(static_cast<quint32>(path.size()));
    message.append(reinterpret_cast<const char*>(&length), sizeof length);
    message.append(path);
    pollfd room = {fd, POLLOUT, 0};
    const bool sent = ::poll(&room, 1, kWriteTimeoutMs) == 1 &&
                      ::write(fd, message.constData(), message.size()) == message.size();
    ::close(fd);
    return sent;
}

void SingleInstance::listen(std::function<void(const QByteArray& path)> received)
{
    // A pipe left by an instance that crashed has no reader and is replaced. One that is
    // read belongs to an instance that could not take this start's file (its path was too
    // long, or the instance hangs): it stays, and this start runs on its own.
    const int reader = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (reader >= 0) {
        ::close(reader);
        return;
    }
    ::unlink(m_path.constData());
    if (::mkfifo(m_path.constData(), S_IRUSR | S_IWUSR) != 0)
        return;
    m_readFd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_readFd < 0) {
        ::unlink(m_path.constData());
        return;
    }
    m_keepOpenFd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    m_received = std::move(received);
    m_notifier = std::make_unique<QSocketNotifier>(m_readFd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SingleInstance::readMessages);
}

void SingleInstance::readMessages()
{
    // Each message was written whole, so once the pipe is empty what was read is whole
    // messages, unless someone else wrote to it: then the rest is dropped.
    QByteArray pending;
    char buffer[PIPE_BUF];
    ssize_t count = 0;
    while ((count = ::read(m_readFd, buffer, sizeof buffer)) > 0) {
        if (pending.size() < kMaxPending)
            pending.append(buffer, count);
    }
    if (pending.size() >= kMaxPending)
        return;
    QList<QByteArray> paths;
    for (qsizetype at = 0; pending.size() - at >= kHeaderSize;) {
        if (QByteArrayView(pending).sliced(at, sizeof kTag) != QByteArrayView(kTag, sizeof kTag))
            break;
        const auto length = qFromLittleEndian<quint32>(pending.constData() + at + sizeof kTag);
        if (length > kMaxPathSize || pending.size() - at - kHeaderSize < length)
            break;
        paths << pending.sliced(at + kHeaderSize, length);
        at += kHeaderSize + length;
    }
    // The calls may open message boxes whose event loops read the pipe again.
    for (const QByteArray& path : std::as_const(paths))
        m_received(path);
}
