#include "SoundMonitor.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QtEndian>
#include <cstdlib>
#include <signal.h>

namespace {

// Speech and the test tones reach this easily; the null sink's silence is zero.
constexpr int kLoud = 1000;

} // namespace

SoundServer::SoundServer()
{
    const QByteArray runtime = QFile::encodeName(m_runtime.path());
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The server keeps its cookie and state under HOME.
    environment.insert(QStringLiteral("HOME"), m_runtime.path());
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("-n"),
                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--log-level=error"),
                    QStringLiteral("--load=module-null-sink sink_name=nullsink"),
                    QStringLiteral("--load=module-native-protocol-unix")});
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000 && !QFile::exists(m_runtime.filePath("pulse/native")))
        QTest::qWait(50);
}

SoundServer::~SoundServer()
{
    QFile pidFile(m_runtime.filePath("speech-dispatcher/pid/speech-dispatcher.pid"));
    if (pidFile.open(QIODevice::ReadOnly)) {
        if (const int pid = pidFile.readAll().trimmed().toInt(); pid > 0)
            ::kill(pid, SIGTERM);
    }
    m_server.terminate();
    m_server.waitForFinished(5000);
}

bool SoundServer::running() const
{
    return m_server.state() == QProcess::Running &&
           QFile::exists(m_runtime.filePath("pulse/native"));
}

MonitorRecording::MonitorRecording()
{
    m_recorder.start(QStringLiteral("parecord"),
                     {QStringLiteral("--device=nullsink.monitor"), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"),
                      QStringLiteral("--rate=%1").arg(kMonitorRate), QStringLiteral("--channels=1"),
                      QStringLiteral("--latency-msec=10")});
    m_recorder.waitForStarted(5000);
    // The stream is live once samples come.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000 && m_samples.size() < kMonitorRate / 10)
        take(20);
}

MonitorRecording::~MonitorRecording()
{
    m_recorder.kill();
    m_recorder.waitForFinished(5000);
}

void MonitorRecording::take(int ms)
{
    QElapsedTimer waited;
    waited.start();
    do {
        QTest::qWait(std::min(ms, 10));
        m_bytes += m_recorder.readAllStandardOutput();
    } while (waited.elapsed() < ms);
    const qsizetype count = m_bytes.size() / 2;
    for (qsizetype i = m_samples.size(); i < count; ++i)
        m_samples.push_back(qFromLittleEndian<qint16>(m_bytes.constData() + 2 * i));
}

qsizetype MonitorRecording::now()
{
    take(0);
    return m_samples.size();
}

std::optional<qsizetype> MonitorRecording::firstLoud(qsizetype from) const
{
    for (qsizetype i = from; i < m_samples.size(); ++i) {
        if (std::abs(m_samples[i]) > kLoud)
            return i;
    }
    return std::nullopt;
}

std::optional<std::pair<qsizetype, qsizetype>> MonitorRecording::soundAfter(qsizetype from, int ms)
{
    QElapsedTimer waited;
    waited.start();
    std::optional<qsizetype> start;
    while (waited.elapsed() < ms) {
        take(20);
        start = start ? start : firstLoud(from);
        if (!start)
            continue;
        qsizetype last = *start;
        for (qsizetype i = *start; i < m_samples.size(); ++i)
            last = std::abs(m_samples[i]) > kLoud ? i : last;
        // A third of a second of silence ends it.
        if (m_samples.size() - last > kMonitorRate / 3)
            return std::pair(*start, last);
    }
    return std::nullopt;
}

double MonitorRecording::pitch(qsizetype first, qsizetype last) const
{
    int crossings = 0;
    for (qsizetype i = first + 1; i <= last; ++i)
        crossings += (m_samples[i - 1] < 0) != (m_samples[i] < 0);
    return crossings / 2.0 * kMonitorRate / static_cast<double>(last - first);
}

QByteArray tone(const QString& file, double hertz, double seconds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QProcess sox;
    sox.start(QStringLiteral("sox"),
              {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("22050"),
               QStringLiteral("-c"), QStringLiteral("1"), path, QStringLiteral("synth"),
               QString::number(seconds), QStringLiteral("sine"), QString::number(hertz),
               QStringLiteral("vol"), QStringLiteral("0.5")});
    sox.waitForFinished(30000);
    QFile made(path);
    return made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
}
