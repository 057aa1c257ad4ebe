#pragma once
// Draws programs the way the tie tools do (boxes made in a program view, ties joined with
// CompleteConnection) and runs them on a simulated clock, collecting what the outputs show.
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/program_view.h"
#include "pendrel/builder/tie_tool.h"
#include "pendrel/builder/zez_runner.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Each program starts numbering its ties at 1, as a fresh pendrel does.
        SetNextLineNumber(1);
        view = std::make_unique<GVPLProgramView>(0, 0, 400, 300);
        Watch(*view);
    }

    void Watch(GVPLProgramView& v) {
        v.SetTickSource(&clock);
        v.SetResultObserver([this](GVPLOutput& out) { results.push_back(vpl::ResultLine(out)); });
    }

    template <class T, class... Args> T* Add(Args&&... args) {
        return MakeOwned<T>(*view, std::forward<Args>(args)...);
    }
    GVPLFunction* Function(const char* keyword, long x = 10, long y = 10) {
        int inputs = 0;
        const int function = vpl::vplglobal_funcfromlabel(keyword, &inputs);
        EXPECT_NE(function, 0) << keyword;
        return Add<GVPLFunction>(x, y, 60, 40, function);
    }
    static void Connect(GVPLBox* from, int output, GVPLBox* to, int input) {
        ASSERT_TRUE(from->OutputTie(output)->CompleteConnection(to->InputTie(input)));
    }
    // Ticks of the clock, each followed by every queued call.
    void Ticks(long n) { vpl::RunTicks(*view, clock, n, 0); }
    // The net text of the whole setup, in the order it is sent.
    std::vector<std::string> NetText() {
        view->SetupProgram();
        return view->Binding().SentCommands();
    }

    vpl::SimulatedTickSource clock;
    std::unique_ptr<GVPLProgramView> view;
    std::vector<std::string> results;
};
