// The run log: registered paths and sent commands are appended while it is open.
#include "pendrel/builder/run_log.h"
#include "pendrel/builder/tick_source.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class RunLogTest : public ::testing::Test {
protected:
    olvan_test::TempFolder folder;
    std::string name = folder.File("VRNOviz.log");
};

} // namespace

TEST_F(RunLogTest, ClosedLogWritesNothing) {
    vpl::RunLog log(name);
    log.CommandSent("<X000001> ABS <X000002>");
    EXPECT_FALSE(std::filesystem::exists(name));
}

TEST_F(RunLogTest, LinesAreAppendedAcrossOpenings) {
    { std::ofstream(name, std::ios::binary) << "earlier"; }
    vpl::RunLog log(name);
    log.Open();
    log.RunStarted();
    log.PathRegistered("X000003");
    log.Close();
    log.Open();
    log.Open(); // already open: nothing changes
    log.CommandSent("<X000001> ABS <X000003>");
    log.Close();
    EXPECT_EQ(ReadAll(name), "earlier"
                             "\n---------------STARTING RUN----------------"
                             "\nPathReg>X000003"
                             "\nCommand><X000001> ABS <X000003>");
}

TEST_F(RunLogTest, CloseAndDeleteRemovesTheFile) {
    vpl::RunLog log(name);
    log.Open();
    log.Write("x");
    log.CloseAndDelete();
    EXPECT_FALSE(log.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(name));
}

TEST_F(RunLogTest, UnopenableLogStaysOff) {
    vpl::RunLog log("no/such/folder/VRNOviz.log");
    log.Open();
    EXPECT_FALSE(log.IsOpen());
    log.CommandSent("text"); // no crash, nothing written
}

TEST(TickSource, SimulatedClockMovesOnlyWhenAdvanced) {
    vpl::SimulatedTickSource clock(100);
    EXPECT_EQ(clock.Ticks(), 100u);
    clock.Advance(3);
    EXPECT_EQ(clock.Ticks(), 103u);
    vpl::SystemTickSource system;
    const unsigned long a = system.Ticks();
    EXPECT_GE(system.Ticks(), a);
}
