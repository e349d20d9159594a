#include "toolkit/scope_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ScopeGuard, RunsOnceOnEveryWayOutUnlessDismissed) {
    int runs = 0;
    auto count = [&]() noexcept { ++runs; };
    { toolkit::ScopeGuard guard(count); }
    EXPECT_EQ(runs, 1);
    try {
        toolkit::ScopeGuard guard(count);
        throw std::runtime_error("leaving early");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, 2);
    {
        toolkit::ScopeGuard guard(count);
        guard.Dismiss();
    }
    EXPECT_EQ(runs, 2);
}

} // namespace
