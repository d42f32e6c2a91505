#include "threadpoolapi.h"

#include "private/WorkerThread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {

struct Worker {
    std::mutex mutex;
    std::condition_variable queued;
    std::deque<std::pair<LPTHREAD_START_ROUTINE, LPVOID>> work;
    bool running = false;
};

// Never destroyed: the worker still waits on it while the program ends.
Worker& worker()
{
    static Worker* const s_worker = new Worker;
    return *s_worker;
}

void serve(Worker& worker)
{
    for (;;) {
        std::unique_lock lock(worker.mutex);
        worker.queued.wait(lock, [&worker] { return !worker.work.empty(); });
        const auto [function, context] = worker.work.front();
        worker.work.pop_front();
        lock.unlock();
        function(context);
    }
}

// With the worker's mutex held.
bool startLocked(Worker& worker)
{
    if (worker.running)
        return true;
    try {
        std::thread(serve, std::ref(worker)).detach();
    } catch (const std::system_error&) {
        return false;
    }
    worker.running = true;
    return true;
}

} // namespace

void startWorkerThread()
{
    Worker& theWorker = worker();
    const std::lock_guard lock(theWorker.mutex);
    static_cast<void>(startLocked(theWorker));
}

BOOL QueueUserWorkItem(LPTHREAD_START_ROUTINE Function, LPVOID Context, ULONG)
{
    Worker& theWorker = worker();
    {
        const std::lock_guard lock(theWorker.mutex);
        if (!startLocked(theWorker))
            return FALSE;
        theWorker.work.emplace_back(Function, Context);
    }
    theWorker.queued.notify_one();
    return TRUE;
}
