// The skinned progress bar's position: held to 0-100, and the open-ended stepping that wraps.
#include <gtest/gtest.h>

#include "SkinnedProgress.h"

namespace {

TEST(SkinnedProgressTest, PositionsAreHeldAndOpenEndedStepsWrap)
{
    SkinnedProgress bar; // without a window: positions only
    const struct {
        int set, shown;
    } cases[] = {{0, 0}, {55, 55}, {100, 100}, {-4, 0}, {250, 100}};
    for (const auto& c : cases) {
        bar.setPosition(c.set);
        EXPECT_EQ(bar.position(), c.shown) << c.set;
    }
    bar.setPosition(98);
    const int expected[] = {99, 100, 0, 1};
    for (int shown : expected) {
        bar.step();
        EXPECT_EQ(bar.position(), shown);
    }
}

} // namespace
