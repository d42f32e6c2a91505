// Threads that share work with the thread that owns them, kept for as long as the work
// comes in parts. A thread started for each part would run on its starter's core at first,
// as new threads do, and take longer to start than the part takes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace formats {

class HelperThreads {
public:
    // One thread for each core beside the owner's, `most` threads in all at most.
    explicit HelperThreads(unsigned most);
    ~HelperThreads();
    HelperThreads(const HelperThreads&) = delete;
    HelperThreads& operator=(const HelperThreads&) = delete;

    // Runs `work` on every helper and on this thread, and returns once every helper is done
    // with it. What any of them throws is thrown here then.
    void share(const std::function<void()>& work);

private:
    void serve();
    void waitForHelpers();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    const std::function<void()>* m_work = nullptr;
    // Counts the parts handed out, so that a helper takes each one once.
    std::size_t m_part = 0;
    std::size_t m_working = 0;
    // What a helper threw in the current part.
    std::exception_ptr m_thrown;
    bool m_ending = false;
    // Declared last: the threads are joined before what they use goes.
    std::vector<std::jthread> m_threads;
};

} // namespace formats
