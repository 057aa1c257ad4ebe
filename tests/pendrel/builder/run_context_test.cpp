// Boxes and ties reach a program's net only through the run context they were given, and only
// while that context runs.
#include "pendrel/builder/builder_classes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/net_text.h"
#include "pendrel/builder/zez_binding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A context of the test's own: a real engine binding and a running flag the test sets.
class TestRun : public vpl::RunContext {
public:
    TestRun() {
        RegisterBuilderClasses(); // ties know each other through the class tables
        binding.zez_main();
    }
    bool IsRunning() const override { return running; }
    vpl::ZezBinding& Binding() override { return binding; }
    void ReportProblem(std::string_view message) override { problems.emplace_back(message); }

    vpl::ZezBinding binding;
    bool running = false;
    std::vector<std::string> problems;
};

// A net that keeps every value sent to the path waiting there.
void Listen(TestRun& run, const std::string& path) {
    run.binding.zez_sendcommands("<!" + path + "> <Other> ADD");
}

} // namespace

TEST(RunContexts, DepositedValuesReachOnlyARunningContext) {
    TestRun run;
    GVPLInputTie tie;
    const std::string path = vplnet::PathName(tie.OwnLineNo());
    Listen(run, path);
    ASSERT_TRUE(tie.DepositInputValue("5")); // no context yet: kept only
    tie.SetRunContext(&run);
    ASSERT_TRUE(tie.DepositInputValue("6")); // a context that does not run: kept only
    EXPECT_EQ(run.binding.zez_pathsize(path), 0);
    run.running = true;
    ASSERT_TRUE(tie.DepositInputValue("7"));
    EXPECT_EQ(run.binding.zez_pathsize(path), 1);
    // Saving takes a copy of the value waiting in the context's net.
    tie.SetHeldData(std::make_unique<GData>("9"));
    tie.SaveHeldData();
    EXPECT_EQ(tie.HeldValueText(), "7");
    // Restoring sends the held value there again.
    tie.RestoreHeldData();
    EXPECT_EQ(run.binding.zez_pathsize(path), 2);
}

TEST(RunContexts, InputBoxesSendOnlyThroughARunningContext) {
    TestRun run;
    GVPLInputSwitch input(0, 0, 40, 20);
    GVPLInputTie target;
    ASSERT_TRUE(input.OutputTie(1)->CompleteConnection(&target));
    input.SetPathName();
    const std::string path = vplnet::PathName(target.OwnLineNo());
    ASSERT_EQ(input.PathName().Text(), path);
    Listen(run, path);
    input.Toggle(); // no context
    input.SetRunContext(&run);
    input.Toggle(); // not running
    EXPECT_EQ(run.binding.zez_pathsize(path), 0);
    run.running = true;
    input.Toggle();
    EXPECT_EQ(run.binding.zez_pathsize(path), 1);
    EXPECT_TRUE(input.State());
}
