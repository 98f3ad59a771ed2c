#include "platform/Clock.h"

#include <gtest/gtest.h>

using namespace vessant::platform;

TEST(Clock, ProviderReplacesAndRestoresTheSystemClock) {
    SetNowProvider([] { return LOCAL_TIME{2024, 4, 22, 19, 30, 5, 0}; });
    const LOCAL_TIME fixed = Now();
    EXPECT_EQ(fixed.year, 2024);
    EXPECT_EQ(fixed.hour, 19);
    SetNowProvider({});
    const LOCAL_TIME system = Now();
    EXPECT_GE(system.year, 2024);
    EXPECT_GE(system.month, 1);
    EXPECT_LE(system.month, 12);
}
