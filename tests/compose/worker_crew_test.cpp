// The crew's scans must give what a plain loop gives, however the tests
// are shared out and however long each takes.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "compose/worker_crew.h"

TEST(WorkerCrew, FirstPassingIsThePlainLoopsAnswer)
{
    for (int workers : {1, 2, 4}) {
        SCOPED_TRACE(testing::Message() << workers << " workers");
        TWorkerCrew crew(workers);
        // Candidates that pass at 341, 438, ...; some tests take longer, so
        // the workers finish out of order.
        auto passes = [](size_t k) { return k > 300 && k % 97 == 50; };
        for (size_t from : {size_t{0}, size_t{341}, size_t{342}, size_t{900}}) {
            std::vector<std::atomic<int>> tested(1000);
            std::vector<int> byWorker(1000, -1);
            int winner = -1;
            const size_t found = FirstPassing(crew, from, 1000, [&](int worker, size_t k) {
                if (k % 7 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
                ++tested[k];
                byWorker[k] = worker;
                return passes(k);
            }, winner);
            size_t expected = from;
            while (expected < 1000 && !passes(expected)) ++expected;
            ASSERT_EQ(found, expected) << "from " << from;
            for (size_t k = from; k < found; ++k) {
                ASSERT_EQ(tested[k].load(), 1) << "candidate " << k;
            }
            for (size_t k = 0; k < from; ++k) {
                ASSERT_EQ(tested[k].load(), 0);
            }
            if (found < 1000) {
                EXPECT_EQ(byWorker[found], winner);
            }
        }
    }
}

// A test told it is late gives up, so only tests past the answer may be
// told so; and no flag may stay set for the tests that come after.
TEST(WorkerCrew, OnlyTestsPastTheAnswerAreToldTheyAreLate)
{
    for (int workers : {1, 2, 4}) {
        SCOPED_TRACE(testing::Message() << workers << " workers");
        TWorkerCrew crew(workers);
        std::vector<std::atomic<bool>> late(static_cast<size_t>(workers));
        for (size_t answer : {size_t{3}, size_t{40}, size_t{200}}) {
            std::vector<std::atomic<bool>> toldLate(200);
            int winner = -1;
            const size_t found = FirstPassing(crew, 0, 200, [&](int worker, size_t k) {
                // Slow tests, so that others are under way when one passes;
                // the one just before the answer slowest of all.
                const int waits = k + 1 == answer ? 60 : 10;
                for (int wait = 0; wait < waits; ++wait) {
                    if (late[static_cast<size_t>(worker)].load()) toldLate[k] = true;
                    std::this_thread::sleep_for(std::chrono::microseconds(50));
                }
                return k == answer;
            }, winner, late.data());
            ASSERT_EQ(found, answer);
            for (size_t k = 0; k < found; ++k) {
                ASSERT_FALSE(toldLate[k].load()) << "candidate " << k;
            }
            for (const std::atomic<bool>& flag : late) EXPECT_FALSE(flag.load());
        }
    }
}
