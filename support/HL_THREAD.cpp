// HL_THREAD.cpp -- the worker pool and its call queue.
#include "support/HL_THREAD.h"
#include "base/records.h"
#include "base/alert.h"
#include "base/HL_MATH_FUN.h"
#include "base/common.h"
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <cxxabi.h>
#include <memory>
#include <pthread.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

enum { THREAD_QUEUE_MAX = 100000 };

//=== message queue ==========================================================================
int MPCreateQueue(xqueue* q)
{
    if (!q) return -1;
    q->items.clear();
    return sem_init(&q->semaphore, 0, 0) == 0 ? 0 : -1;
}

int MPDeleteQueue(xqueue& q)
{
    {
        std::lock_guard<std::mutex> l(q.lock);
        q.items.clear();
    }
    sem_destroy(&q.semaphore);
    return 0;
}

int MPNotifyQueue(xqueue& q, void* a, void* b, void* c)
{
    std::lock_guard<std::mutex> l(q.lock);
    // The count is checked under the lock so that a full queue refuses the message whole instead
    // of holding an item that no count will ever wake a worker for.
    int count = 0;
    if (sem_getvalue(&q.semaphore, &count) != 0 || count >= THREAD_QUEUE_MAX) return -1;
    q.items.push_back({a, b, c});
    if (sem_post(&q.semaphore) != 0) {
        q.items.pop_back();
        return -1;
    }
    return 0;
}

int MPWaitOnQueue(xqueue& q, void** a, void** b, void** c)
{
    int r;
    do r = sem_wait(&q.semaphore);
    while (r != 0 && errno == EINTR);   // a signal is not a failure of the queue
    if (r != 0) return -1;
    std::lock_guard<std::mutex> l(q.lock);
    if (q.items.empty()) return -1;       // a count without a message: the queue is damaged
    triple t = q.items.front();
    q.items.pop_front();
    if (a) *a = t.a;
    if (b) *b = t.b;
    if (c) *c = t.c;
    return 0;
}

//=== module state ===========================================================================
// A worker stuck in a call outlives THREAD_Cleanup. Everything it may still touch afterwards is
// therefore never destroyed: the lock, the done event and the result maps live for the whole
// process (created once, never freed, so not even exit tears them down under it), and each
// worker shares ownership of its pool's queue, which goes when its last user is done with it.
struct thread_done_event {
    std::mutex              m;
    std::condition_variable cv;
    bool                    set = false;
};

struct thread_results {
    std::unordered_map<int, int>         gFinished;
    std::unordered_map<int, int>         gResults;
    std::unordered_map<int, int>         gHasException;
    std::unordered_map<int, XException>  gExceptions;
};

struct thread_worker_arg {
    int                     number;
    std::shared_ptr<xqueue> queue;
};

static std::mutex&        gLock = *new std::mutex;           // guards the result maps
static thread_done_event& gDoneEvent = *new thread_done_event;
static thread_results&    gRes = *new thread_results;

static std::atomic<int>        gInited;
static pthread_t               gMainThread;
static int                     gCPUCount;
static std::vector<pthread_t>  gWorkerThreads;
static std::shared_ptr<xqueue> gCallQueue;
static std::atomic<int>        gLiveWorkers;

// A scoped hold of a lock.
class StLocker {
public:
    explicit StLocker(std::mutex& m) : m_(m) { m_.lock(); }
    ~StLocker() { m_.unlock(); }
    StLocker(const StLocker&) = delete;
    StLocker& operator=(const StLocker&) = delete;

private:
    std::mutex& m_;
};

static void thread_set_done(void)
{
    std::lock_guard<std::mutex> l(gDoneEvent.m);
    gDoneEvent.set = true;
    gDoneEvent.cv.notify_all();
}

static void thread_delete_queue(xqueue* q)
{
    MPDeleteQueue(*q);
    delete q;
}

//=== running calls ==========================================================================
void RunOneCall(int id, int (*fn)(int), int arg)
{
    int result = 0;
    try {
        if (fn) result = fn(arg);
    } catch (const XException& e) {
        StLocker l(gLock);
        gRes.gHasException[id] = 1;
        gRes.gExceptions[id] = e;
    } catch (abi::__forced_unwind&) {
        throw;                              // thread cancellation must finish unwinding
    } catch (...) {
        // Anything else escaping a worker would end the whole program; record it like an alert.
        StLocker l(gLock);
        gRes.gHasException[id] = 1;
        gRes.gExceptions[id] = XException("A worker call raised an unexpected exception.", "", "", "", __FILE__,
                                          __LINE__);
    }
    StLocker l(gLock);
    gRes.gFinished[id] = 1;
    gRes.gResults[id] = result;
}

void* XTaskProc(void* worker)
{
    std::unique_ptr<thread_worker_arg> w((thread_worker_arg*)worker);
    intptr_t rc = 0;
    for (;;) {
        void *a = nullptr, *b = nullptr, *c = nullptr;
        if (MPWaitOnQueue(*w->queue, &a, &b, &c) != 0) {
            rc = -1;
            break;
        }
        if (!a && !b && !c) break;
        RunOneCall((int)(intptr_t)a, (int (*)(int))b, (int)(intptr_t)c);
        thread_set_done();
    }
    w.reset();                              // may be the last owner of a retired pool's queue
    gLiveWorkers--;
    return (void*)rc;
}

//=== the pool ===============================================================================
void THREAD_Init(void)
{
    if (gInited) return;
    gMainThread = pthread_self();
    MACIBM_alert_workers(1);
    long n = sysconf(_SC_NPROCESSORS_ONLN);
    gCPUCount = n > 0 ? (int)n : 1;

    THREAD_ClearDone();
    {
        StLocker l(gLock);
        gRes.gFinished.clear();
        gRes.gResults.clear();
        gRes.gHasException.clear();
        gRes.gExceptions.clear();
    }
    xqueue* q = new xqueue;
    if (MPCreateQueue(q) != 0) {
        delete q;
        MACIBM_alert(0, "MPCreateQueue failed.", "", "", "", 17);
        return;
    }
    gCallQueue = std::shared_ptr<xqueue>(q, thread_delete_queue);

    gWorkerThreads.clear();
    for (int i = 0; i < gCPUCount; i++) {
        thread_worker_arg* w = new thread_worker_arg{i, gCallQueue};
        pthread_t t;
        gLiveWorkers++;
        if (pthread_create(&t, nullptr, XTaskProc, w) != 0) {
            gLiveWorkers--;
            delete w;
            MACIBM_alert(0, "CreateThread failed.", "", "", "", 17);
            continue;
        }
        gWorkerThreads.push_back(t);
    }
    gInited = 1;
}

void THREAD_Cleanup(void)
{
    gInited = 0;
    MACIBM_alert_workers(0);
    if (gCallQueue)
        for (size_t i = 0; i < gWorkerThreads.size(); i++) MPNotifyQueue(*gCallQueue, nullptr, nullptr, nullptr);
    for (pthread_t t : gWorkerThreads) {
        timespec deadline;
        clock_gettime(CLOCK_REALTIME, &deadline);
        deadline.tv_sec += 1;                         // 1000 ms per worker
        // A worker still busy then is let go: it ends by itself once its call returns, on the stop
        // message left in its queue.
        if (pthread_timedjoin_np(t, nullptr, &deadline) != 0) pthread_detach(t);
    }
    gWorkerThreads.clear();
    gCallQueue.reset();
}

bool THREAD_IsMainThread(void) { return pthread_equal(pthread_self(), gMainThread) != 0; }

int THREAD_IsInited(void) { return gInited; }

//=== posting and collecting =================================================================
int THREAD_PostCall(int id, int (*fn)(int), int arg)
{
    std::shared_ptr<xqueue> q = gCallQueue;
    if (!q) return -1;
    return MPNotifyQueue(*q, (void*)(intptr_t)id, (void*)fn, (void*)(intptr_t)arg);
}

void THREAD_ClearDone(void)
{
    std::lock_guard<std::mutex> l(gDoneEvent.m);
    gDoneEvent.set = false;
}

int THREAD_WaitDone(int timeout_ms)
{
    std::unique_lock<std::mutex> l(gDoneEvent.m);
    return gDoneEvent.cv.wait_for(l, std::chrono::milliseconds(timeout_ms), [] { return gDoneEvent.set; }) ? 1 : 0;
}

int THREAD_GetCall(int id, int* result, int* has_exception, XException* ex)
{
    StLocker l(gLock);
    if (!gRes.gFinished.count(id)) return 0;
    if (result) *result = gRes.gResults[id];
    int has = gRes.gHasException.count(id) ? gRes.gHasException[id] : 0;
    if (has_exception) *has_exception = has;
    if (ex) *ex = has ? gRes.gExceptions[id] : XException();
    return 1;
}

int THREAD_LiveWorkers(void) { return gLiveWorkers; }
