// What the sound module does for the speech object: speech through the speech server and
// recordings through Qt Multimedia. Those libraries take time to load and most runs never
// speak, so they live in a module of their own that is loaded on first use.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class SoundEngine {
public:
    // NoVoiceOffered: no voice speaks the language, though the voices that speak the most
    // languages are installed.
    enum class Problem { None, NoModule, NoServer, NoVoice, NoVoiceOffered, NoDevice };

    virtual ~SoundEngine() = default;
    // Starts connecting to the speech server and learning its voices, off the window's
    // thread, so that the first word is said at once. Returns at once.
    virtual void prepare() = 0;
    // Starts speaking `text` in `language` ("de", "en_US") and returns at once; what was
    // being spoken or played stops.
    virtual Problem speak(const QString& text, const QString& language) = 0;
    // The languages that the installed voices speak, as codes ("de_DE"), each once.
    virtual QStringList languages(Problem& problem) = 0;
    // Starts playing the sound file in `sound` (mp3, Ogg, WAV) from memory; what was being
    // spoken or played stops. False when there is no sound device. When the sound turns out
    // to hold nothing that plays, `unplayable` is called from the event loop.
    virtual bool play(const QByteArray& sound, std::function<void()> unplayable) = 0;
    virtual void stop() = 0;

    // The module's engine, loaded on the first call; null when the module is not installed.
    static SoundEngine* instance();
    // The engine if it has been loaded, without loading it.
    static SoundEngine* loaded();
    // Loads the module and the libraries it brings on a thread of the pool, then makes the
    // engine on the application's thread and prepares it: the window goes on meanwhile.
    static void prepareAside();
};

// The module's one entry point.
using CreateSoundEngine = SoundEngine* (*)();
#define CREATE_SOUND_ENGINE "zplatformCreateSoundEngine"
