#include "olvide/engine/console_platform.h"
#include "olvide/model/codepage.h"

#include <gtest/gtest.h>

#include <sstream>

namespace olvide {
namespace {

TEST(ConsolePlatform, MessagesBecomeOneUtf8LineEach) {
    std::ostringstream err;
    ConsolePlatform p(err);
    p.warning(cp("除零错!"));
    p.warning(cp("函数变量的变化将删除所有与之有关的步骤!\r\n你想继续吗?"));
    EXPECT_EQ(err.str(), "除零错!\n函数变量的变化将删除所有与之有关的步骤!  你想继续吗?\n");
    EXPECT_EQ(p.messageCount(), 2);
}

TEST(ConsolePlatform, QuestionsGetTheirCancellingAnswer) {
    std::ostringstream err;
    ConsolePlatform p(err);
    EXPECT_FALSE(p.confirm("delete?"));
    EXPECT_FALSE(p.askYesNo("save?"));
    EXPECT_EQ(p.askYesNoCancel("save?"), YesNoCancel::Cancel);
    EXPECT_FALSE(p.askNumber({}).has_value());
    EXPECT_EQ(p.messageCount(), 3);
}

} // namespace
} // namespace olvide
