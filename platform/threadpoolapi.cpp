#include "threadpoolapi.h"

#include "private/ThreadPool.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {

struct Pool {
    std::mutex mutex;
    std::condition_variable queued;
    std::deque<std::pair<LPTHREAD_START_ROUTINE, LPVOID>> work;
    unsigned threads = 0;
    unsigned idle = 0;
};

// Never destroyed: its threads still wait on it while the program ends.
Pool& pool()
{
    static Pool* const s_pool = new Pool;
    return *s_pool;
}

// As many threads as cores, and two at least, so that one long task leaves room for another.
unsigned maxThreads()
{
    return std::max(std::thread::hardware_concurrency(), 2U);
}

void serve(Pool& pool)
{
    std::unique_lock lock(pool.mutex);
    for (;;) {
        ++pool.idle;
        pool.queued.wait(lock, [&pool] { return !pool.work.empty(); });
        --pool.idle;
        const auto [function, context] = pool.work.front();
        pool.work.pop_front();
        lock.unlock();
        function(context);
        lock.lock();
    }
}

// With the pool's mutex held: a thread more, unless one waits for work or there are enough.
// False when none waits and none can start.
bool startThreadLocked(Pool& pool)
{
    if (pool.idle > pool.work.size() || pool.threads >= maxThreads())
        return pool.threads > 0;
    try {
        std::thread(serve, std::ref(pool)).detach();
    } catch (const std::system_error&) {
        return pool.threads > 0;
    }
    ++pool.threads;
    return true;
}

} // namespace

void startPoolThread()
{
    Pool& thePool = pool();
    const std::lock_guard lock(thePool.mutex);
    static_cast<void>(startThreadLocked(thePool));
}

BOOL QueueUserWorkItem(LPTHREAD_START_ROUTINE Function, LPVOID Context, ULONG)
{
    Pool& thePool = pool();
    {
        const std::lock_guard lock(thePool.mutex);
        if (!startThreadLocked(thePool))
            return FALSE;
        thePool.work.emplace_back(Function, Context);
    }
    thePool.queued.notify_one();
    return TRUE;
}
