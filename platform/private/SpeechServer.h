// The speech server (speech-dispatcher), spoken to through its client library. Its voices
// can number in the thousands, so connecting and learning them happen on a thread of their
// own as soon as speech may be wanted; saying a word then waits for neither. A server is
// started where none runs, as the first word would start it: starting takes a few tenths of
// a second, which the learner spends reading the first question.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <speech-dispatcher/libspeechd.h>
#include <string>
#include <thread>
#include <vector>

class SpeechServer {
public:
    // A server that is started with its voices answers well within this, even on a busy
    // machine.
    static constexpr std::chrono::milliseconds kConnectWait{10000};
    // Long enough for any server to answer and tell its voices.
    static constexpr std::chrono::milliseconds kLongestWait = 2 * kConnectWait;

    SpeechServer() = default;
    ~SpeechServer();
    SpeechServer(const SpeechServer&) = delete;
    SpeechServer& operator=(const SpeechServer&) = delete;

    // Starts connecting and asking for the voices' languages, unless that is under way or
    // done, starting a server where none runs. Returns at once.
    void prepare();
    // Starts saying `text` in `language` (the server's code, as "de" or "en-US"; empty for
    // its default voice) and cuts off what was being said. Waits only while the connection
    // is being made. False when no server answers.
    bool say(const std::string& text, const std::string& language);
    void cancel();
    // The languages of the installed voices, as the server writes them; waits at most
    // `wait` for them once it answers. Nothing when no server answered or they did not come.
    std::optional<std::vector<std::string>> languagesWithin(std::chrono::milliseconds wait);
    // Whether the server has the output module `name` ("espeak-ng"); false until known.
    bool hasModule(const std::string& name);

private:
    enum class Stage { Idle, Connecting, Listing, Ready };

    void work();
    // Connects and returns the lock held.
    std::unique_lock<std::mutex> connected();
    // Waits until the stage is at least `stage`, at most `wait`; false when it did not come.
    bool waitFor(Stage stage, std::unique_lock<std::mutex>& lock,
                 std::chrono::milliseconds wait = kLongestWait);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Stage m_stage = Stage::Idle;
    SPDConnection* m_connection = nullptr;
    std::vector<std::string> m_languages;
    std::vector<std::string> m_modules;
    std::thread m_thread;
};
