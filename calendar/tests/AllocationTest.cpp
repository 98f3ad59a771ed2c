// The month table converts every cell of a month; the conversions must not allocate.
#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "calendar/Molad.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> g_counting{false};
std::atomic<int> g_allocations{0};
} // namespace

void* operator new(std::size_t size) {
    if (g_counting.load(std::memory_order_relaxed))
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using namespace vessant;

TEST(Allocation, ConversionsAndSteppingAllocateNothing) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    g_allocations = 0;
    g_counting = true;
    SetCivilDate(date, 2024, 2, 29);
    SetHebrewDate(date, 5784, kAdarI, 30);
    SetDayNumber(date, 2460204);
    SetCivilMonthStart(date, 1752, 9);
    AddDays(date, 400);
    StepHebrewMonth(date, 1);
    StepHebrewMonth(date, -1);
    AddHebrewYears(date, 3);
    StepCivilMonth(date, 1);
    AddCivilYears(date, -2);
    const int length = HebrewMonthLength(kCheshvan, 5785);
    const MOLAD molad = MoladOfMonth(date);
    const DATE_TRIPLE shown = CivilDateForDisplay(date);
    g_counting = false;
    EXPECT_EQ(g_allocations.load(), 0);
    EXPECT_EQ(length, 30);
    EXPECT_GT(molad.weekday, 0);
    EXPECT_GT(shown.year, 0);
}
