// The torsion solver's worker process: work that runs away, crashes or is cancelled ends
// within its budget with a message, and the program goes on.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "fem/worker.h"
#include "text/cp850.h"

using namespace vak1;

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TorsionInput Square() {
    TorsionInput in;
    in.contour = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    return in;
}

TorsionStatus Endless(const TorsionInput&, const TorsionOptions&, TorsionValues&, std::string&,
                      const std::function<bool(std::size_t, std::size_t)>&) {
    volatile unsigned long spins = 0;
    for (;;)
        spins = spins + 1;
}

TorsionStatus Crashing(const TorsionInput&, const TorsionOptions&, TorsionValues&, std::string&,
                       const std::function<bool(std::size_t, std::size_t)>&) {
    std::abort();
}

TorsionStatus Reporting(const TorsionInput&, const TorsionOptions&, TorsionValues&, std::string&,
                        const std::function<bool(std::size_t, std::size_t)>& report) {
    for (std::size_t i = 0;; ++i)
        report(i % 5, 5);
}

// Runaway work held the program for ever (and a crash in the mesher took it down): each ends
// in its budget with its message.
TEST(TorsionWorker, RunawayWorkEndsWithinItsBudget) {
    struct Case {
        TorsionWork work;
        WorkerEnd end;
        const char* message;
    };
    const Case cases[] = {
        {Endless, WorkerEnd::OutOfTime, "Die Vernetzung kam in 1 s nicht zum Ende"},
        {Crashing, WorkerEnd::Crashed, "Die Vernetzung ist an dieser Kontur gescheitert"},
    };
    for (const Case& c : cases) {
        TorsionValues v;
        v.J = 5;
        std::string message;
        WorkerEnd end = WorkerEnd::Finished;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ComputeTorsionContained(Square(), {}, v, message, {}, {1, 0}, &end, c.work),
                  TorsionStatus::Failed);
        EXPECT_LT(SecondsSince(start), 5);
        EXPECT_EQ(end, c.end);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        EXPECT_EQ(v.J, 0);
    }
}

// "Abbrechen" was never asked while the mesher ran: the worker asks between its messages and
// ends at once.
TEST(TorsionWorker, CancelEndsTheWorkerAtOnce) {
    int asked = 0;
    TorsionValues v;
    std::string message;
    WorkerEnd end = WorkerEnd::Finished;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ComputeTorsionContained(
                  Square(), {}, v, message, [&](std::size_t, std::size_t) { return ++asked < 3; },
                  {60, 0}, &end, Reporting),
              TorsionStatus::Cancelled);
    EXPECT_EQ(end, WorkerEnd::Cancelled);
    EXPECT_LT(SecondsSince(start), 2);
}

// The worker's values are those of the solver run here.
TEST(TorsionWorker, GivesTheSolversValues) {
    TorsionValues here, there;
    std::string m1, m2;
    ASSERT_EQ(ComputeTorsion(Square(), {}, here, m1), TorsionStatus::Ok) << m1;
    std::size_t last = 0;
    ASSERT_EQ(ComputeTorsionContained(Square(), {}, there, m2,
                                      [&](std::size_t done, std::size_t) {
                                          last = done;
                                          return true;
                                      }),
              TorsionStatus::Ok)
        << m2;
    EXPECT_EQ(here.J, there.J);
    EXPECT_EQ(here.Iw, there.Iw);
    EXPECT_EQ(here.elements, there.elements);
    EXPECT_EQ(last, 5u);
}

} // namespace
