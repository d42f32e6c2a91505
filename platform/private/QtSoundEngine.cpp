// The sound module: speech through Qt's text-to-speech on the speech server, and recordings
// through Qt Multimedia. Built apart from the program and loaded on first use.
#include "SoundEngine.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QLocale>
#include <QMediaDevices>
#include <QMediaPlayer>
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
        if (!m_player) {
            m_player = std::make_unique<QMediaPlayer>();
            m_output = std::make_unique<QAudioOutput>();
            m_player->setAudioOutput(m_output.get());
            // The file goes as soon as the sound has played, or could not; the status is
            // read when the news arrives, as another sound may have started since.
            QObject::connect(
                m_player.get(), &QMediaPlayer::mediaStatusChanged, m_player.get(),
                [this] {
                    const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
                    if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                        removeSound();
                },
                Qt::QueuedConnection);
        }
        // GStreamer reads a file on its own threads; a sound in memory would be handed to it
        // piece by piece through the event loop.
        m_sound = std::make_unique<QTemporaryFile>();
        if (!m_sound->open() || m_sound->write(sound) != sound.size() || !m_sound->flush())
            return false;
        m_player->setSource(QUrl::fromLocalFile(m_sound->fileName()));
        m_player->play();
        return true;
    }

    void stop() override
    {
        // The state turns to speaking only once the server says so: a word just sent is
        // cancelled too.
        if (m_speech && m_speech->state() != QTextToSpeech::Error)
            m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
        if (m_player)
            m_player->stop();
        removeSound();
    }

private:
    // The player lets go of the sound before its file is removed.
    void removeSound()
    {
        if (!m_sound)
            return;
        m_player->setSource(QUrl());
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

    std::unique_ptr<QTextToSpeech> m_speech;
    // The sound playing, in a file that only this user can read, removed with it.
    std::unique_ptr<QTemporaryFile> m_sound;
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundEngine* zantoliCreateSoundEngine()
{
    return new QtSoundEngine;
}
