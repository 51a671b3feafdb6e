#include "comms/HandOverQueue.h"

#include <gtest/gtest.h>
#include <atomic>
#include <thread>

// One producer fills the queue while the consumer keeps taking: every entry
// must arrive exactly once and in order. Also built under ThreadSanitizer.
TEST (HandOverQueue, NothingLostNothingTwiceUnderContention)
{
    constexpr int count = 200000;
    HandOverQueue<int> queue;
    std::atomic<bool> done { false };

    std::thread producer ([&]
    {
        for (int i = 0; i < count; ++i)
            queue.push (i);
        done = true;
    });

    std::vector<int> received;
    received.reserve (count);
    while (! done.load() || queue.size() > 0)
        for (const int entry : queue.takeAll())
            received.push_back (entry);

    producer.join();
    for (const int entry : queue.takeAll())
        received.push_back (entry);

    ASSERT_EQ (received.size(), (size_t) count);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ (received[(size_t) i], i);
}

TEST (HandOverQueue, TakeAllEmptiesTheQueue)
{
    HandOverQueue<int> queue;
    queue.push (1);
    queue.push (2);
    EXPECT_EQ (queue.takeAll(), (std::vector<int> { 1, 2 }));
    EXPECT_TRUE (queue.takeAll().empty());
    EXPECT_EQ (queue.size(), 0u);
}
