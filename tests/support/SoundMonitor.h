// Sound as a listener hears it, for the tests and benchmarks of speech and recordings: a
// private PulseAudio server with a null sink, whose monitor is recorded, and tones made
// with sox.
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <optional>
#include <utility>

// A speech server address where nothing listens: the speech library starts no server for
// it, and saying a word finds none.
constexpr char kNoSpeechServer[] = "inet_socket:127.0.0.1:1";

// Samples a second of the recording.
constexpr int kMonitorRate = 16000;

// A PulseAudio server of the run's own with one null sink, in a private runtime folder that
// the speech server started for the run also lives in (both are ended with it). The
// environment points the program at it.
class SoundServer {
public:
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool running() const;

private:
    QTemporaryDir m_runtime;
    QProcess m_server;
};

// What the null sink plays, as 16-bit mono samples at kMonitorRate.
class MonitorRecording {
public:
    // Returns once the recording runs.
    MonitorRecording();
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Records on for `ms` milliseconds while the program runs.
    void take(int ms);
    // The sample that the next one recorded will follow.
    qsizetype now();
    // Records until a sound starts after sample `from` and has ended, within `ms`; the
    // sound's first and last loud samples.
    std::optional<std::pair<qsizetype, qsizetype>> soundAfter(qsizetype from, int ms);
    // Waves a second between `first` and `last`, from the times the signal crosses zero.
    double pitch(qsizetype first, qsizetype last) const;

private:
    std::optional<qsizetype> firstLoud(qsizetype from) const;

    QProcess m_recorder;
    QByteArray m_bytes;
    QList<qint16> m_samples;
};

// A sound file that sox makes, of the kind its name tells: a tone of `hertz` for `seconds`.
QByteArray tone(const QString& file, double hertz, double seconds);
