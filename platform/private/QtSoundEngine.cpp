// The sound module: speech through the speech server, and recordings through Qt Multimedia.
// Built apart from the program and loaded on first use.
#include "SoundEngine.h"
#include "SpeechServer.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QLocale>
#include <QMediaDevices>
#include <QTemporaryFile>
#include <QUrl>
#include <memory>
#include <optional>
#include <utility>

namespace {

// The speech server's code for a language ("en-US", "cmn") as a locale.
QLocale voiceLocale(const std::string& code)
{
    // Mandarin is written as Chinese is.
    const QString name = QString::fromStdString(code == "cmn" ? "zh" : code);
    return QLocale(name.section(u'-', 0, 1).replace(u'-', u'_'));
}

// The voice for `wanted`: one of the same language and region ("en_US"), or of the
// language's usual region ("de" is de_DE), or else of the language in another region.
std::optional<std::string> bestVoice(const std::vector<std::string>& voices, const QLocale& wanted)
{
    std::optional<std::string> sameLanguage;
    for (const std::string& voice : voices) {
        const QLocale locale = voiceLocale(voice);
        if (locale.language() != wanted.language())
            continue;
        if (locale.territory() == wanted.territory())
            return voice;
        if (!sameLanguage)
            sameLanguage = voice;
    }
    return sameLanguage;
}

// How long the first word waits for the voices to be learnt, which takes a tenth of a
// second once the server runs.
constexpr std::chrono::milliseconds kVoicesWait{500};

class QtSoundEngine final : public SoundEngine {
public:
    void prepare() override { m_server.prepare(); }

    Problem speak(const QString& text, const QString& language) override
    {
        if (!hasOutput())
            return Problem::NoDevice;
        // Text of no known language is read in the desktop's, and English where it has none.
        const QLocale desktop = QLocale::system();
        const QLocale wanted(!language.isEmpty()                ? language
                             : desktop.language() != QLocale::C ? desktop.name()
                                                                : QStringLiteral("en"));
        if (wanted.language() == QLocale::C)
            return m_server.hasModule("espeak-ng") ? Problem::NoVoiceOffered : Problem::NoVoice;
        stopRecording();
        // The voices are learnt while the list is read; where they are not known yet within
        // a moment, the server is asked for the language alone, which its voices name
        // without a region unless they have several.
        std::string voice = wanted.language() == QLocale::Chinese
                                ? std::string("cmn")
                                : wanted.name().section(u'_', 0, 0).toStdString();
        if (const auto known = m_server.languagesWithin(kVoicesWait)) {
            const std::optional<std::string> found = bestVoice(*known, wanted);
            if (!found)
                return m_server.hasModule("espeak-ng") ? Problem::NoVoiceOffered : Problem::NoVoice;
            voice = *found;
        }
        return m_server.say(text.toStdString(), voice) ? Problem::None : Problem::NoServer;
    }

    QStringList languages(Problem& problem) override
    {
        QStringList codes;
        const auto known = m_server.languagesWithin(SpeechServer::kLongestWait);
        problem = known ? Problem::None : Problem::NoServer;
        for (const std::string& code : known.value_or(std::vector<std::string>())) {
            const QLocale locale = voiceLocale(code);
            // A voice of a language that has no code of its own (Klingon, Lojban) is left out.
            if (locale.language() != QLocale::C && !codes.contains(locale.name()))
                codes.append(locale.name());
        }
        return codes;
    }

    bool play(const QByteArray& sound, std::function<void()> unplayable) override
    {
        if (!hasOutput())
            return false;
        stop();
        m_unplayable = std::move(unplayable);
        // GStreamer reads a file on its own threads; a sound in memory would be handed to it
        // piece by piece through the event loop.
        m_sound = std::make_unique<QTemporaryFile>();
        if (!m_sound->open() || m_sound->write(sound) != sound.size() || !m_sound->flush())
            return false;
        // The recording is decoded whole and handed to the sound server from memory: a
        // media player's own output would first fill a fifth of a second of buffer.
        if (!m_decoder) {
            m_decoder = std::make_unique<QAudioDecoder>();
            QObject::connect(m_decoder.get(), &QAudioDecoder::bufferReady, m_decoder.get(),
                             [this] { takeDecoded(); });
            QObject::connect(m_decoder.get(), &QAudioDecoder::finished, m_decoder.get(),
                             [this] { startOutput(); });
            QObject::connect(m_decoder.get(),
                             qOverload<QAudioDecoder::Error>(&QAudioDecoder::error),
                             m_decoder.get(), [this] { startOutput(); });
        }
        m_decoder->setSource(QUrl::fromLocalFile(m_sound->fileName()));
        m_decoder->start();
        return true;
    }

    void stop() override
    {
        m_server.cancel();
        stopRecording();
    }

private:
    void stopRecording()
    {
        ++m_sounds;
        m_unplayable = nullptr;
        m_output.reset();
        m_playing.close();
        m_playing.buffer().clear();
        removeSound();
    }

    // Looked up until one is found: each look asks the sound server.
    bool hasOutput()
    {
        m_hasOutput = m_hasOutput || !QMediaDevices::audioOutputs().isEmpty();
        return m_hasOutput;
    }

    void takeDecoded()
    {
        const QAudioBuffer buffer = m_decoder->read();
        if (!buffer.isValid())
            return;
        QByteArray& samples = m_playing.buffer();
        if (samples.isEmpty())
            m_format = buffer.format();
        // A recording longer than any word's is cut rather than held whole.
        if (buffer.format() != m_format || samples.size() + buffer.byteCount() > kMaxSamples) {
            startOutput();
            return;
        }
        samples.append(buffer.constData<char>(), buffer.byteCount());
    }

    // Plays what was decoded; a recording of which nothing could be decoded is unplayable.
    void startOutput()
    {
        removeSound();
        if (m_output)
            return;
        if (m_playing.buffer().isEmpty()) {
            // Told from the event loop, as the decoder is still inside its signal, unless
            // another sound or a stop came first.
            if (std::function<void()> unplayable = std::exchange(m_unplayable, nullptr))
                QMetaObject::invokeMethod(
                    m_decoder.get(),
                    [this, sound = m_sounds, unplayable = std::move(unplayable)] {
                        if (sound == m_sounds)
                            unplayable();
                    },
                    Qt::QueuedConnection);
            return;
        }
        m_output = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), m_format);
        m_playing.open(QIODevice::ReadOnly);
        m_output->start(&m_playing);
    }

    // The file goes as soon as its samples are in, or could not be had.
    void removeSound()
    {
        if (m_decoder)
            m_decoder->stop();
        m_sound.reset();
    }

    // Two minutes of stereo at 48 kHz in 32-bit samples.
    static constexpr qsizetype kMaxSamples = qsizetype(2) * 60 * 48000 * 2 * 4;

    SpeechServer m_server;
    bool m_hasOutput = false;
    std::function<void()> m_unplayable;
    // Counts the sounds started and stopped, so that word of an old one is dropped.
    quint64 m_sounds = 0;
    // The sound being decoded, in a file that only this user can read, removed with it.
    std::unique_ptr<QTemporaryFile> m_sound;
    std::unique_ptr<QAudioDecoder> m_decoder;
    QAudioFormat m_format;
    // The samples decoded, kept until the next sound or a stop: the server still plays the
    // last of them after the output has read them all.
    QBuffer m_playing;
    std::unique_ptr<QAudioSink> m_output;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundEngine* zplatformCreateSoundEngine()
{
    return new QtSoundEngine;
}
