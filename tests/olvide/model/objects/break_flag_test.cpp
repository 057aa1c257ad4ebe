// The count of breakpoint flags set: every way a flag is set, cleared, copied or freed keeps
// it in line, since a run that finds it at zero asks no step about breakpoints.
#include "olvide/model/objects/break_flag.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace olvide {
namespace {

TEST(BreakFlagTest, SettingAndClearingCountOnceEach) {
    const std::int64_t before = BreakFlag::setCount();
    BreakFlag flag;
    EXPECT_FALSE(flag);
    flag = true;
    flag = true; // already set: not counted again
    EXPECT_TRUE(flag);
    EXPECT_EQ(BreakFlag::setCount(), before + 1);
    EXPECT_TRUE(BreakFlag::anySet());
    flag = !flag;
    flag = false;
    EXPECT_FALSE(flag);
    EXPECT_EQ(BreakFlag::setCount(), before);
}

TEST(BreakFlagTest, CopiesAndFreedFlagsKeepTheCount) {
    const std::int64_t before = BreakFlag::setCount();
    {
        BreakFlag set = true;
        BreakFlag copy = set; // a second flag set
        EXPECT_EQ(BreakFlag::setCount(), before + 2);
        BreakFlag other;
        other = copy;
        EXPECT_EQ(BreakFlag::setCount(), before + 3);
        BreakFlag cleared;
        copy = cleared; // copying a clear flag over a set one clears it
        EXPECT_FALSE(copy);
        EXPECT_EQ(BreakFlag::setCount(), before + 2);
        BreakFlag& same = set;
        set = same; // self-assignment changes nothing
        EXPECT_EQ(BreakFlag::setCount(), before + 2);
    }
    // Flags freed while set (a deleted step or element) no longer count.
    EXPECT_EQ(BreakFlag::setCount(), before);
    auto many = std::make_unique<std::vector<BreakFlag>>(100, BreakFlag(true));
    EXPECT_EQ(BreakFlag::setCount(), before + 100);
    many->resize(40);
    EXPECT_EQ(BreakFlag::setCount(), before + 40);
    many.reset();
    EXPECT_EQ(BreakFlag::setCount(), before);
}

} // namespace
} // namespace olvide
