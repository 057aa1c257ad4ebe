// The engine binding: net text in, values and ticks in, results out to the receivers.
#include "pendrel/builder/gdata.h"
#include "pendrel/builder/net_text.h"
#include "pendrel/builder/zez_binding.h"
#include "pendrel/engine/engine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Records every result of the outputs it claims, as the path and the first element.
class Recorder : public vpl::ResultReceiver {
public:
    explicit Recorder(std::vector<std::string> outputs) : outputs_(std::move(outputs)) {
        vpl::AddResultReceiver(this);
    }
    ~Recorder() override { vpl::RemoveResultReceiver(this); }
    bool ReceiveResult(std::string_view path, GData& data) override {
        vOBJECT* obj = data.Object();
        if (std::find(outputs_.begin(), outputs_.end(), path) == outputs_.end()) return false;
        const vARRAY* a = vAsArray(obj);
        std::string text(path);
        text += "=";
        if (a != nullptr)
            for (std::uint32_t i = 0; i < a->count; ++i)
                text += (i ? "," : "") + std::to_string(vLongValue(a, i));
        got.push_back(text);
        return true;
    }
    std::vector<std::string> got;

private:
    std::vector<std::string> outputs_;
};

// Runs queued calls the way idle processing does until nothing is left.
void Drain(vpl::ZezBinding& zez, unsigned long now) {
    for (int guard = 0; guard < 1000 && zez.zez_checkque(now); ++guard)
        zez.zez_doidle();
}

class ZezBindingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(zez.zez_main()); }
    vpl::ZezBinding zez;
};

} // namespace

TEST_F(ZezBindingTest, OuterPathHoldsErrorStatusAndMessage) {
    vPATH* uif = zez.UifPath();
    ASSERT_NE(uif, nullptr);
    EXPECT_STREQ(vGetKey(uif), "ProcessToUif");
    EXPECT_NE(vListFindKey(uif, "Error"), nullptr);
    EXPECT_NE(vListFindKey(uif, "Status"), nullptr);
    EXPECT_NE(vListFindKey(uif, "Message"), nullptr);
    EXPECT_STREQ(vGetKey(zez.Process()), "MAIN_Process");
    EXPECT_TRUE(zez.zez_main()); // a second call changes nothing
    EXPECT_EQ(vvListSize(uif), 3);
}

TEST_F(ZezBindingTest, FunctionLookupsByPrefixAndNumber) {
    int inputs = -1;
    EXPECT_EQ(zez.zez_funcfromlabel("S", &inputs), 0); // SUB, SIN, SQRT, SMOOTH...
    EXPECT_EQ(zez.zez_funcfromlabel("SM", &inputs), 82);
    EXPECT_EQ(inputs, 2);
    EXPECT_EQ(zez.zez_funcfromlabel("INS", &inputs), 69);
    EXPECT_EQ(inputs, 3);
    std::string keyword;
    EXPECT_EQ(zez.zez_labelfromfunc(209, &keyword, &inputs), 209);
    EXPECT_EQ(keyword, "RAMP");
    EXPECT_EQ(zez.zez_reportfunctions(0), 0);
    EXPECT_EQ(zez.zez_reportfunctions(1), 2); // xM
    EXPECT_EQ(zez.zez_reportfunctions(2), 65);
    EXPECT_TRUE(vpl::vplglobal_labelfromfunc(161, &keyword, &inputs));
    EXPECT_EQ(keyword, "ADD");
    EXPECT_FALSE(vpl::vplglobal_labelfromfunc(9999, &keyword, &inputs));
}

TEST_F(ZezBindingTest, ValuesFlowThroughAFunctionToARegisteredOutput) {
    Recorder out({"X000003"});
    zez.zez_registerpath("X000003");
    zez.zez_sendcommands("<X000001> <X000002> ADD <X000003>");
    zez.zez_run(0);
    EXPECT_TRUE(zez.zez_runstatus());
    EXPECT_TRUE(zez.zez_send("X000001", "5 40"));
    EXPECT_TRUE(zez.zez_send("X000002", "7 2"));
    Drain(zez, 0);
    EXPECT_EQ(out.got, (std::vector<std::string>{"X000003=12", "X000003=42"}));
}

TEST_F(ZezBindingTest, HaltedProcessQueuesButRunsNothing) {
    Recorder out({"X000002"});
    zez.zez_registerpath("X000002");
    zez.zez_sendcommands("<X000001> ABS <X000002>");
    zez.zez_send("X000001", "-4");
    EXPECT_TRUE(zez.zez_checkque(0));
    zez.zez_doidle();
    EXPECT_TRUE(out.got.empty());
    zez.zez_run(0);
    Drain(zez, 0);
    EXPECT_EQ(out.got, (std::vector<std::string>{"X000002=4"}));
    zez.zez_halt();
    EXPECT_FALSE(zez.zez_runstatus());
}

TEST_F(ZezBindingTest, UnknownPathsAreSkipped) {
    EXPECT_FALSE(zez.zez_send("Xnowhere", "1"));
    EXPECT_FALSE(zez.zez_sendobject("Xnowhere", nullptr));
    EXPECT_EQ(zez.zez_getheldobject("Xnowhere"), nullptr);
    EXPECT_EQ(zez.zez_pathsize("Xnowhere"), 0);
}

TEST_F(ZezBindingTest, HeldObjectsAreTheOnesWaitingOnAPublicPath) {
    zez.zez_sendcommands("<!Q> <P> ADD");
    zez.zez_send("Q", "1 2");
    EXPECT_EQ(zez.zez_pathsize("Q"), 2);
    const vARRAY* first = vAsArray(zez.zez_getheldobject("Q"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(vLongValue(first, 0), 1);
}

TEST_F(ZezBindingTest, ATimerCountsElapsedTicksToItsLimit) {
    Recorder out({"X000001"});
    zez.zez_registerpath("X000001");
    zez.zez_sendcommands(vplnet::TimerText(zez.NextTimerNumber(), "5", std::vector<long>{1}));
    zez.zez_run(100);
    Drain(zez, 100); // no time has passed: no tick
    EXPECT_TRUE(out.got.empty());
    Drain(zez, 110);
    Drain(zez, 120);
    EXPECT_TRUE(out.got.empty());
    Drain(zez, 130); // 30 tick units: the limit of a 5-second period
    Drain(zez, 140);
    EXPECT_EQ(out.got, (std::vector<std::string>{"X000001=30"}));
}

TEST_F(ZezBindingTest, ATimerWithoutPeriodEmitsTheRunningCountOnEveryTick) {
    Recorder out({"X000001"});
    zez.zez_registerpath("X000001");
    zez.zez_sendcommands(vplnet::TimerText(zez.NextTimerNumber(), "", std::vector<long>{1}));
    zez.zez_run(0);
    Drain(zez, 1);
    Drain(zez, 3);
    Drain(zez, 4);
    EXPECT_EQ(out.got, (std::vector<std::string>{"X000001=1", "X000001=3", "X000001=4"}));
}

TEST_F(ZezBindingTest, TwoTimersHangOnOneChain) {
    Recorder out({"X000001", "X000002"});
    zez.zez_registerpath("X000001");
    zez.zez_registerpath("X000002");
    zez.zez_sendcommands(vplnet::TimerText(zez.NextTimerNumber(), "1", std::vector<long>{1}));
    zez.zez_sendcommands(vplnet::TimerText(zez.NextTimerNumber(), "2", std::vector<long>{2}));
    EXPECT_EQ(zez.TimerCounter(), 2);
    zez.zez_run(0);
    for (unsigned long t = 6; t <= 24; t += 6)
        Drain(zez, t);
    EXPECT_EQ(out.got, (std::vector<std::string>{"X000001=6", "X000001=6", "X000002=12",
                                                 "X000001=6", "X000001=6", "X000002=12"}));
    zez.zez_reset();
    EXPECT_EQ(zez.TimerCounter(), 0);
}

TEST_F(ZezBindingTest, TicksGoToTheTimerPathWithoutAnyTimer) {
    zez.zez_run(0);
    zez.zez_checkque(2);
    zez.zez_checkque(2); // no time passed: nothing sent
    zez.zez_checkque(5);
    // Ticks nobody takes do not pile up: the timer path keeps the latest.
    EXPECT_EQ(zez.zez_pathsize("Timer"), 1);
    const vARRAY* tick = vAsArray(zez.zez_getheldobject("Timer"));
    ASSERT_NE(tick, nullptr);
    EXPECT_EQ(tick->type, kTypeUL);
    // The one tick array carries the latest elapsed time.
    EXPECT_EQ(vLongValue(tick, 0), 3);
}

TEST_F(ZezBindingTest, ResetThrowsTheNetAway) {
    Recorder out({"X000002"});
    zez.zez_registerpath("X000002");
    zez.zez_sendcommands("<X000001> ABS <X000002>");
    zez.zez_reset();
    zez.zez_run(0);
    EXPECT_FALSE(zez.zez_send("X000001", "-4")); // the path went with the old net
    Drain(zez, 0);
    EXPECT_TRUE(out.got.empty());
    zez.zez_registerpath("X000002"); // registered again: still one path of that name
    EXPECT_EQ(vvListSize(zez.UifPath()), 4);
}
