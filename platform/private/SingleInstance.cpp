#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

bool SingleInstance::activateRunningInstance()
{
    // Opening a pipe for writing without waiting succeeds only while someone reads it.
    const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool asked = ::write(fd, "raise\n", 6) == 6;
    ::close(fd);
    return asked;
}

void SingleInstance::listen(std::function<void()> raise)
{
    // A pipe left by an instance that crashed has no reader; it is replaced.
    ::unlink(m_path.constData());
    if (::mkfifo(m_path.constData(), S_IRUSR | S_IWUSR) != 0)
        return;
    m_readFd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_readFd < 0) {
        ::unlink(m_path.constData());
        return;
    }
    m_keepOpenFd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    m_notifier = std::make_unique<QSocketNotifier>(m_readFd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this, raise = std::move(raise)] {
        char buffer[256];
        bool asked = false;
        while (::read(m_readFd, buffer, sizeof buffer) > 0)
            asked = true;
        if (asked)
            raise();
    });
}
