#pragma once
// What the boxes and ties of a program reach of its run: whether it runs, and the engine
// binding through which they send values and take held ones. The program view hands itself to
// every box and tie when it sets the program up, so that none of them looks for the view.
#include <string_view>

namespace vpl {

class ZezBinding;

class RunContext {
public:
    virtual bool IsRunning() const = 0;
    virtual ZezBinding& Binding() = 0;
    // Tells the user of something the program could not do (a value dropped).
    virtual void ReportProblem(std::string_view message) = 0;

protected:
    ~RunContext() = default;
};

// A box or a tie: it knows the run context of the program it was last set up in (none before
// its first setup, when there is no net to send to).
class RunParticipant {
public:
    void SetRunContext(RunContext* context) { context_ = context; }
    RunContext* GetRunContext() const { return context_; }

private:
    RunContext* context_ = nullptr;
};

} // namespace vpl
