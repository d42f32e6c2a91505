// The sound module: speech through Qt's text-to-speech on the speech server, and recordings
// through Qt Multimedia. Built apart from the program and loaded on first use.
#include "SoundEngine.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QLocale>
#include <QMediaDevices>
#include <QTemporaryFile>
#include <QTextToSpeech>
#include <QUrl>
#include <memory>
#include <optional>

namespace {

class QtSoundEngine final : public SoundEngine {
public:
    Problem speak(const QString& text, const QString& language) override
    {
        const Problem problem = prepareSpeech();
        if (problem != Problem::None)
            return problem;
        // Text of no known language is read in the desktop's, and English where it has none.
        const QLocale desktop = QLocale::system();
        const std::optional<QLocale> locale =
            voiceLocale(!language.isEmpty()                ? language
                        : desktop.language() != QLocale::C ? desktop.name()
                                                           : QStringLiteral("en"));
        if (!locale)
            return Problem::NoVoice;
        stop();
        if (m_speech->locale() != *locale)
            m_speech->setLocale(*locale);
        m_speech->say(text);
        return Problem::None;
    }

    QStringList languages(Problem& problem) override
    {
        problem = prepareSpeech();
        QStringList codes;
        if (problem != Problem::None)
            return codes;
        for (const QLocale& locale : m_speech->availableLocales()) {
            if (!codes.contains(locale.name()))
                codes.append(locale.name());
        }
        codes.sort();
        return codes;
    }

    bool play(const QByteArray& sound) override
    {
        if (QMediaDevices::audioOutputs().isEmpty())
            return false;
        stop();
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
                             m_decoder.get(), [this] { removeSound(); });
        }
        m_decoder->setSource(QUrl::fromLocalFile(m_sound->fileName()));
        m_decoder->start();
        return true;
    }

    void stop() override
    {
        // The state turns to speaking only once the server says so: a word just sent is
        // cancelled too.
        if (m_speech && m_speech->state() != QTextToSpeech::Error)
            m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
        m_output.reset();
        m_playing.close();
        m_playing.buffer().clear();
        removeSound();
    }

private:
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

    void startOutput()
    {
        removeSound();
        if (m_output || m_playing.buffer().isEmpty())
            return;
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

    // The speech server is asked once; it is started by its library when it is not running.
    Problem prepareSpeech()
    {
        if (QMediaDevices::audioOutputs().isEmpty())
            return Problem::NoDevice;
        if (!m_speech) {
            const QStringList engines = QTextToSpeech::availableEngines();
            if (engines.isEmpty())
                return Problem::NoServer;
            m_speech = std::make_unique<QTextToSpeech>(engines.contains(QStringLiteral("speechd"))
                                                           ? QStringLiteral("speechd")
                                                           : engines.first());
        }
        return m_speech->state() == QTextToSpeech::Error ? Problem::NoServer : Problem::None;
    }

    // The voice's locale for a code: the same language and region ("en_US"), or the
    // language's usual region ("de" is de_DE), or else the language in another region.
    std::optional<QLocale> voiceLocale(const QString& language) const
    {
        const QLocale wanted(language);
        if (wanted.language() == QLocale::C)
            return std::nullopt;
        std::optional<QLocale> sameLanguage;
        for (const QLocale& locale : m_speech->availableLocales()) {
            if (locale.language() != wanted.language())
                continue;
            if (locale.territory() == wanted.territory())
                return locale;
            if (!sameLanguage)
                sameLanguage = locale;
        }
        return sameLanguage;
    }

    // Two minutes of stereo at 48 kHz in 32-bit samples.
    static constexpr qsizetype kMaxSamples = qsizetype(2) * 60 * 48000 * 2 * 4;

    std::unique_ptr<QTextToSpeech> m_speech;
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
