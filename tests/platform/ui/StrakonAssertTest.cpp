// The soft assertion: a holding condition does nothing, a failing one runs its
// action, also a break out of a loop, and the tests' handler fails the test.
#include "platform/ui/StrakonAssert.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

int firstNegative(const int* values, int count) {
    for (int i = 0; i < count; ++i) {
        STRAKON_ASSERT(values[i] >= 0, return i);
    }
    return -1;
}

TEST(StrakonAssert, AHoldingConditionGoesOnAndAFailingOneRunsItsActionAndFailsTheTest) {
    const int ok[] = {1, 2, 3};
    EXPECT_EQ(firstNegative(ok, 3), -1);
    const int bad[] = {1, -2, 3};
    int found = 0;
    EXPECT_NONFATAL_FAILURE(found = firstNegative(bad, 3), "SOFT ASSERT: \"values[i] >= 0\"");
    EXPECT_EQ(found, 1);

    int visited = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            for (int i = 0; i < 5; ++i) {
                STRAKON_ASSERT(i < 2, break);
                ++visited;
            }
        },
        "StrakonAssertTest.cpp");
    EXPECT_EQ(visited, 2) << "break leaves the loop, not the assertion";
}

} // namespace
