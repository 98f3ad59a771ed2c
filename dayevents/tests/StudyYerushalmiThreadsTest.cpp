// The Yerushalmi cycle starts are worked out as far as the days asked for reach, and kept
// for every thread. Threads that reach past what is kept at the same time must each see
// whole cycles. This file sorts before the other Yerushalmi tests, so the kept starts stop
// near the present when it runs (a thread sanitizer build also checks the publishing).

#include "dayevents/YerushalmiYomi.h"

#include "calendar/HebrewCalendar.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <thread>
#include <vector>

namespace vessant {
namespace {

constexpr std::int32_t kCycleStudyDays = 1554;
constexpr std::int32_t kPastAnyCycle = 1570; // 1554 days and more than its skip days
constexpr int kCyclesPerThread = 4;

// Cycles that do not hold exactly 1554 study days, from the cycle of a day on.
int BrokenCyclesFrom(std::int32_t day) {
    int broken = 0;
    std::int32_t start = YerushalmiCycleStart(day);
    for (int i = 0; i < kCyclesPerThread; ++i) {
        const std::int32_t next = YerushalmiCycleStart(start + kPastAnyCycle);
        if (next <= start || (next - start) - YerushalmiSkips(start, next) != kCycleStudyDays ||
            YerushalmiCycleStart(next - 1) != start)
            ++broken;
        start = next;
    }
    return broken;
}

TEST(YerushalmiYomi, ThreadsThatExtendTheKeptStartsAtOnceSeeWholeCycles) {
    const std::array<std::int32_t, 4> days = {CivilToDayNumber(2600, 1, 1, false), CivilToDayNumber(4100, 1, 1, false),
                                              CivilToDayNumber(6700, 1, 1, false), CivilToDayNumber(9990, 1, 1, false)};
    std::array<int, days.size()> broken{};
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < days.size(); ++i)
        threads.emplace_back([&, i] { broken[i] = BrokenCyclesFrom(days[i]); });
    for (std::thread& thread : threads)
        thread.join();
    for (std::size_t i = 0; i < days.size(); ++i) {
        EXPECT_EQ(broken[i], 0) << "from day " << days[i];
        // The same cycle, asked again once every start is kept.
        const auto position = YerushalmiYomiPosition(YerushalmiCycleStart(days[i]));
        ASSERT_TRUE(position.has_value());
        EXPECT_EQ(position->index, 0);
    }
}

} // namespace
} // namespace vessant
