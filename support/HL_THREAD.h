// HL_THREAD.h -- the worker pool: one thread per processor waiting on a shared call queue.
// Started by the shell at start-up and stopped at exit. Nothing in the editor posts work; the pool
// matters chiefly to alerts, which on a worker become an XException recorded for the call.
#pragma once
#include "base/XException.h"
#include <list>
#include <mutex>
#include <semaphore.h>

//=== message queue ==========================================================================
// Many producers, many consumers; the semaphore counts queued messages so that each message
// wakes exactly one waiter.
struct triple {
    void* a;
    void* b;
    void* c;
};

struct xqueue {
    sem_t             semaphore;        // one count per queued message, at most 100000
    std::list<triple> items;            // oldest first
    std::mutex        lock;             // guards items
};

int MPCreateQueue(xqueue* q);                               // 0, or -1 when the semaphore fails
int MPDeleteQueue(xqueue& q);                               // 0
int MPNotifyQueue(xqueue& q, void* a, void* b, void* c);    // 0, or -1 when the queue is full
int MPWaitOnQueue(xqueue& q, void** a, void** b, void** c); // blocks; 0, or -1 when the wait fails

//=== the pool ===============================================================================
void THREAD_Init(void);
void THREAD_Cleanup(void);         // stops every worker; a worker stuck in a call is left after 1000 ms
bool THREAD_IsMainThread(void);    // the caller is the thread that ran THREAD_Init
int  THREAD_IsInited(void);

// Run one call on the calling thread and record it under its id: finished, its result, and an
// XException if it raised one (the result entry then holds no meaningful value).
void RunOneCall(int id, int (*fn)(int), int arg);
void* XTaskProc(void* worker);          // a worker's loop; ends on a (0, 0, 0) message

// Posting and collecting, from the main thread. Ids are chosen by the caller and must not be 0.
// The done event is manual-reset and never cleared by the pool: clear it before posting, then wait.
int  THREAD_PostCall(int id, int (*fn)(int), int arg);   // (0, null, 0) stops one worker; 0 or -1
void THREAD_ClearDone(void);
int  THREAD_WaitDone(int timeout_ms);                    // 1 when the event is set
// 1 when call id has finished; then *result (when not null) is its result and *has_exception /
// *ex (when not null) tell whether it raised an XException and which.
int  THREAD_GetCall(int id, int* result, int* has_exception, XException* ex);
int  THREAD_LiveWorkers(void);                           // workers running their loop, any pool
