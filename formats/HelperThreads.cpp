#include "HelperThreads.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace formats {

HelperThreads::HelperThreads(unsigned most)
{
    const unsigned threads =
        std::clamp(std::thread::hardware_concurrency(), 2U, std::max(most, 2U));
    m_threads.reserve(threads - 1);
    for (unsigned i = 1; i < threads; ++i) {
        try {
            m_threads.emplace_back([this] { serve(); });
        } catch (const std::system_error&) {
            // The threads that started share the work; with none, the owner does it alone.
            break;
        }
    }
}

HelperThreads::~HelperThreads()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_changed.notify_all();
}

void HelperThreads::share(const std::function<void()>& work)
{
    {
        const std::lock_guard lock(m_mutex);
        m_work = &work;
        m_working = m_threads.size();
        m_thrown = nullptr;
        ++m_part;
    }
    m_changed.notify_all();
    std::exception_ptr thrown;
    try {
        work();
    } catch (...) {
        thrown = std::current_exception();
    }
    // The helpers are done with `work` before it goes.
    waitForHelpers();
    if (!thrown)
        thrown = std::exchange(m_thrown, nullptr);
    if (thrown)
        std::rethrow_exception(thrown);
}

void HelperThreads::waitForHelpers()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_working == 0; });
}

void HelperThreads::serve()
{
    std::size_t part = 0;
    for (;;) {
        const std::function<void()>* work = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_ending || m_part != part; });
            if (m_ending)
                return;
            part = m_part;
            work = m_work;
        }
        std::exception_ptr thrown;
        try {
            (*work)();
        } catch (...) {
            thrown = std::current_exception();
        }
        {
            const std::lock_guard lock(m_mutex);
            if (thrown && !m_thrown)
                m_thrown = thrown;
            --m_working;
        }
        m_changed.notify_all();
    }
}

} // namespace formats
