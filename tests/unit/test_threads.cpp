// The worker pool and its queue, alerts raised on workers, and the start and stop of the pool and
// the movie layer with the program.
#include <gtest/gtest.h>
#include "support/HL_THREAD.h"
#include "support/HL_MOVIE.h"
#include "shell/Hl_MNW.h"
#include "draw/ren_struct.h"
#include "tests/support/ww_test.h"
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

// Waits for a condition the pool brings about on its own threads. The generous limit only keeps
// a broken pool from hanging the test run; it measures nothing.
template <class F> static bool eventually(F cond)
{
    auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!cond()) {
        if (std::chrono::steady_clock::now() > limit) return false;
        THREAD_WaitDone(10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

static int twice(int x) { return 2 * x; }

static int throws_xexception(int) { throw XException("first", "second", "third", "fourth", "solver.cpp", 77); }

static int s_alert_line;
static int raises_fatal_alert(int)
{
    s_alert_line = __LINE__ + 1;
    MACIBM_alert(0, "Cannot read the airfoil!", "wing.afl", "", "Throw it away.", 17);
    return 1;
}

TEST(ThreadQueue, OldestFirstAndBounded)
{
    xqueue q;
    ASSERT_EQ(MPCreateQueue(&q), 0);
    for (intptr_t i = 1; i <= 3; i++) ASSERT_EQ(MPNotifyQueue(q, (void*)i, (void*)(i * 10), (void*)(i * 100)), 0);
    for (intptr_t i = 1; i <= 3; i++) {
        void *a, *b, *c;
        ASSERT_EQ(MPWaitOnQueue(q, &a, &b, &c), 0);
        EXPECT_EQ((intptr_t)a, i);
        EXPECT_EQ((intptr_t)b, i * 10);
        EXPECT_EQ((intptr_t)c, i * 100);
    }
    // At most 100000 messages wait; the one after is refused and leaves nothing behind.
    for (int i = 0; i < 100000; i++) ASSERT_EQ(MPNotifyQueue(q, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(MPNotifyQueue(q, nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(q.items.size(), 100000u);
    EXPECT_EQ(MPDeleteQueue(q), 0);
}

TEST(ThreadPool, StopMessageEndsExactlyOneWorker)
{
    ASSERT_EQ(THREAD_LiveWorkers(), 0);
    THREAD_Init();
    ASSERT_EQ(THREAD_IsInited(), 1);
    EXPECT_TRUE(THREAD_IsMainThread());
    const int n = THREAD_LiveWorkers();
    ASSERT_EQ(n, (int)std::max(1u, std::thread::hardware_concurrency()));

    ASSERT_EQ(THREAD_PostCall(0, nullptr, 0), 0);
    ASSERT_TRUE(eventually([&] { return THREAD_LiveWorkers() == n - 1; }));
    if (n > 1) {
        // The others still take work, and none of them stopped as well.
        THREAD_ClearDone();
        ASSERT_EQ(THREAD_PostCall(1, twice, 21), 0);
        int result = 0, has_ex = 1;
        ASSERT_TRUE(eventually([&] { return THREAD_GetCall(1, &result, &has_ex, nullptr) == 1; }));
        EXPECT_EQ(result, 42);
        EXPECT_EQ(has_ex, 0);
        EXPECT_EQ(THREAD_LiveWorkers(), n - 1);
    }
    THREAD_Cleanup();
    EXPECT_EQ(THREAD_IsInited(), 0);
    EXPECT_EQ(THREAD_LiveWorkers(), 0);
}

TEST(ThreadPool, CallsAreRecordedWithTheirExceptions)
{
    ww_catch_alerts();
    THREAD_Init();
    THREAD_ClearDone();
    ASSERT_EQ(THREAD_PostCall(7, throws_xexception, 0), 0);
    ASSERT_EQ(THREAD_PostCall(8, twice, 4), 0);
    ASSERT_EQ(THREAD_PostCall(9, raises_fatal_alert, 0), 0);
    ASSERT_TRUE(eventually([] {
        return THREAD_GetCall(7, nullptr, nullptr, nullptr) && THREAD_GetCall(8, nullptr, nullptr, nullptr) &&
               THREAD_GetCall(9, nullptr, nullptr, nullptr);
    }));
    EXPECT_EQ(THREAD_WaitDone(0), 1);

    int result = 0, has_ex = 0;
    XException ex;
    ASSERT_EQ(THREAD_GetCall(7, &result, &has_ex, &ex), 1);
    EXPECT_EQ(has_ex, 1);
    EXPECT_EQ(ex.c1_, "first");
    EXPECT_EQ(ex.c4_, "fourth");
    EXPECT_STREQ(ex.file_, "solver.cpp");
    EXPECT_EQ(ex.line_, 77);

    ASSERT_EQ(THREAD_GetCall(8, &result, &has_ex, &ex), 1);
    EXPECT_EQ(result, 8);
    EXPECT_EQ(has_ex, 0);
    EXPECT_STREQ(ex.file_, "no exception");

    // Even the fatal kind neither shows nor stops anything on a worker: it comes back as the call's
    // exception with the alert's lines and where it was raised.
    ASSERT_EQ(THREAD_GetCall(9, &result, &has_ex, &ex), 1);
    EXPECT_EQ(has_ex, 1);
    EXPECT_EQ(ex.c1_, "Cannot read the airfoil!");
    EXPECT_EQ(ex.c2_, "wing.afl");
    EXPECT_EQ(ex.c3_, "");
    EXPECT_EQ(ex.c4_, "Throw it away.");
    EXPECT_NE(strstr(ex.file_, "test_threads.cpp"), nullptr);
    EXPECT_EQ(ex.line_, s_alert_line);
    EXPECT_TRUE(g_test_alerts.empty());
    EXPECT_EQ(g_done, 0);
    THREAD_Cleanup();

    // Once the pool has stopped, an alert from another thread is an ordinary alert again.
    bool fatal = false;
    std::thread t([&] {
        try {
            MACIBM_alert(0, "after", "", "", "", 17);
        } catch (const ww_fatal&) {
            fatal = true;
        }
    });
    t.join();
    EXPECT_TRUE(fatal);
}

static std::atomic<int> s_stuck_started, s_stuck_release;
static int stuck_call(int)
{
    s_stuck_started = 1;
    auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!s_stuck_release && std::chrono::steady_clock::now() < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 5;
}

TEST(ThreadPool, CleanupReturnsPastAStuckWorker)
{
    THREAD_Init();
    s_stuck_started = s_stuck_release = 0;
    ASSERT_EQ(THREAD_PostCall(20, stuck_call, 0), 0);
    ASSERT_TRUE(eventually([] { return s_stuck_started == 1; }));
    THREAD_Cleanup();
    EXPECT_EQ(THREAD_IsInited(), 0);
    EXPECT_EQ(THREAD_LiveWorkers(), 1);

    // Let go, the worker finishes its call, then ends on the stop message still waiting for it.
    s_stuck_release = 1;
    ASSERT_TRUE(eventually([] { return THREAD_LiveWorkers() == 0; }));
    int result = 0;
    ASSERT_EQ(THREAD_GetCall(20, &result, nullptr, nullptr), 1);
    EXPECT_EQ(result, 5);
}
