#pragma once
// GVPLProgramView: one whole drawn program with its engine process. It turns its boxes into net
// text, runs the net from idle processing on ticks from its tick source, and hands results to
// the output box whose key is the path they arrive on.
#include "pendrel/builder/builder_ids.h"
#include "pendrel/builder/pro_view.h"
#include "pendrel/builder/run_context.h"
#include "pendrel/builder/tick_source.h"
#include "pendrel/builder/zez_binding.h"
#include "pendrel/framework/gstring.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class GData;
class GVPLOutput;

class GVPLProgramView : public GVPLProView, public vpl::RunContext, public vpl::ResultReceiver {
public:
    GVPLProgramView();
    GVPLProgramView(long x, long y, long width, long height);
    ~GVPLProgramView() override;

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLProgramView>();
    }
    static constexpr GClassID kClassID = vplid::kProgramView;
    GClassID GetClassID() const override { return kClassID; }

    // The engine process of the program with its paths, and the net text sent to it.
    vpl::ZezBinding& Binding() override { return binding_; }
    const vpl::ZezBinding& Binding() const { return binding_; }

    // Real time in windows; tests and headless runs give a simulated clock (not owned).
    void SetTickSource(const vpl::TickSource* ticks);
    unsigned long Now() const { return ticks_->Ticks(); }

    // Setup: the net thrown away, every box and tie given this view as its run context,
    // outputs registered, then the text of every function, timer and user function, each on
    // its own, then the inputs.
    void SetupProgram();
    void SetAllOutputs();
    void SetAllFunctions();
    void SetAllInputs();
    // Run: setup, held values sent, idle processing on, the run-mode bits set.
    void Run();
    void RunProgram();
    // Halt: held values saved, then everything stopped.
    void Halt();
    void ClearProgram();
    void SaveAllHeldData();
    void RestoreAllHeldData();
    bool IsRunning() const override { return running_; }
    bool IsHidden() const { return hidden_; }

    // Up to three rounds of: ticks in, and two queued calls if any are waiting. However the
    // program behaves, every call returns after those few calls.
    void DoIdle() override;
    // After engine calls: a run that the engine stopped (too many calls waiting, a value beyond
    // the array limit, memory gone) is halted and the user told why. True when it stopped.
    bool HaltIfStopped();

    // "Create User Function": the graphics become the inside of a new user function placed
    // where they were; returns it (none for an empty selection).
    GGraphic* CreateUserFunction(const std::vector<GGraphic*>& selection);
    std::vector<GGraphic*> SelectedGraphics() const;

    void MenuEvent(int command) override;
    void DoSetupMenus(GEventHandler* focus) override;
    // Enables the program commands (save, run, halt, hide, show, create user function) for
    // this program's state.
    void SetupProgramCommands();

    bool ReceiveResult(std::string_view path, GData& data) override;
    // Told of every result an output box of this view has taken.
    void SetResultObserver(std::function<void(GVPLOutput&)> observer) {
        observer_ = std::move(observer);
    }
    // Told of everything the program could not do: the windows show it, headless runs print.
    void SetMessageObserver(std::function<void(std::string_view)> observer) {
        messageObserver_ = std::move(observer);
    }
    void ReportProblem(std::string_view message) override;
    GVPLOutput* FindOutput(std::string_view key) const;
    const GList& Outputs() const { return outputs_; }

    void SetProgramName(std::string_view name) { name_ = name; }
    const std::string& GetProgramName() const { return name_; }
    // Writes the view as a document: held values taken first.
    void SendToStream(GStream& stream);

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;
    // After reading: the stream's references resolved, the tie lines drawn again.
    void FinishReading(GStream& stream);
    bool WasSavedRunning() const { return savedRunning_; }

private:
    bool HasGraphics() const { return Length() > 0; }

    vpl::ZezBinding binding_;
    vpl::SystemTickSource systemTicks_;
    const vpl::TickSource* ticks_ = &systemTicks_;
    GList outputs_;
    bool running_ = false;
    bool hidden_ = false;
    bool savedRunning_ = false;
    std::string name_;
    std::function<void(GVPLOutput&)> observer_;
    std::function<void(std::string_view)> messageObserver_;
};

// The class name of a builder class, as headless runs print it ("GVPLOutputBox").
const char* BuilderClassName(GClassID id);
