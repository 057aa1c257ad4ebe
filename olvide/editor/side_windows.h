#pragma once
// The step window, the parameter window and the flow window as the main window and the
// program spaces use them: shown or hidden by the tool-bar toggles, told which commander is
// edited, refreshed when its steps change, and following the program counter during a run.
// NoSideWindows is what the editor has until the real windows are given to it.
namespace olvide {
class TCommander;
}

namespace olvide::editor {

class SideWindows {
public:
    virtual ~SideWindows() = default;

    virtual bool stepWindowVisible() const = 0;
    virtual void showStepWindow(TCommander* commander) = 0;
    virtual void hideStepWindow() = 0;
    // The commander's steps shown in the step window; none empties it and sets the caption
    // "步骤窗口".
    virtual void showSteps(TCommander* commander) = 0;

    virtual bool flowWindowVisible() const = 0;
    // Shows the flow window with the commander's flowchart ("流程窗口:" + name), or empty.
    virtual void showFlowWindow(TCommander* commander) = 0;
    virtual void hideFlowWindow() = 0;
    virtual void clearFlowWindow() = 0;

    // The steps of a commander changed.
    virtual void stepsChanged(const TCommander& commander) = 0;
    // The run shows step n of the commander (ended: the end signal is red too); none paints
    // both signals grey (a stop).
    virtual void showRunStep(TCommander* commander, int stepNumber, bool ended) = 0;
};

class NoSideWindows final : public SideWindows {
public:
    bool stepWindowVisible() const override { return stepVisible_; }
    void showStepWindow(TCommander*) override { stepVisible_ = true; }
    void hideStepWindow() override { stepVisible_ = false; }
    void showSteps(TCommander*) override {}
    bool flowWindowVisible() const override { return flowVisible_; }
    void showFlowWindow(TCommander*) override { flowVisible_ = true; }
    void hideFlowWindow() override { flowVisible_ = false; }
    void clearFlowWindow() override {}
    void stepsChanged(const TCommander&) override {}
    void showRunStep(TCommander*, int, bool) override {}

private:
    bool stepVisible_ = false;
    bool flowVisible_ = false;
};

} // namespace olvide::editor
