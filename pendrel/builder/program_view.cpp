#include "pendrel/builder/program_view.h"

#include "pendrel/builder/builder_classes.h"
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/run_log.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>
#include <climits>

namespace {

// The run-mode bits: editable parts take 0x40100, every graphic is protected, run-time
// controls take 0x20001.
constexpr long kRunEditable = 0x40100;
constexpr long kRunProtected = 0x10020;
constexpr long kRunControls = 0x20001;
constexpr int kIdleRounds = 3;

// The outputs that show results: text, image and plot boxes, and animators.
GVPLOutput* ShowingOutput(G0* object) {
    if (As<GVPLOutputBox>(object) == nullptr && As<GVPLAnimator>(object) == nullptr) return nullptr;
    return As<GVPLOutput>(object);
}

} // namespace

std::vector<GGraphic*> GVPLProgramView::SelectedGraphics() const {
    std::vector<GGraphic*> graphics;
    for (G0* object : Selection().Objects())
        if (auto* graphic = As<GGraphic>(object)) graphics.push_back(graphic);
    return graphics;
}

GVPLProgramView::GVPLProgramView() {
    RegisterBuilderClasses();
    binding_.zez_main();
    vpl::AddResultReceiver(this);
}

GVPLProgramView::GVPLProgramView(long x, long y, long width, long height)
    : GVPLProView(x, y, width, height) {
    RegisterBuilderClasses();
    binding_.zez_main();
    vpl::AddResultReceiver(this);
}

GVPLProgramView::~GVPLProgramView() {
    vpl::RemoveResultReceiver(this);
    // Boxes go before the process they send to.
    DeleteAll();
}

void GVPLProgramView::SetTickSource(const vpl::TickSource* ticks) {
    ticks_ = ticks != nullptr ? ticks : &systemTicks_;
}

void GVPLProgramView::SetupProgram() {
    binding_.zez_reset();
    ForEachGraphic(*this, true, [this](G0* object) {
        if (auto* box = As<GVPLBox>(object)) box->SetRunContext(this);
        if (auto* tie = As<GVPLTie>(object)) tie->SetRunContext(this);
    });
    SetAllOutputs();
    SetAllFunctions();
    SetAllInputs();
}

void GVPLProgramView::SetAllOutputs() {
    outputs_.RemoveAll();
    // Outputs are registered before any text is sent, so that the net finds their paths in
    // the outer path instead of making new ones.
    ForEachGraphic(*this, true, [this](G0* object) {
        GVPLOutput* output = ShowingOutput(object);
        if (output == nullptr) return;
        output->SetPathName();
        outputs_.Insert(output);
        binding_.zez_registerpath(output->Key());
    });
}

void GVPLProgramView::SetAllFunctions() {
    ForEachGraphic(*this, false, [this](G0* object) {
        GVPLBox* box = TranslatedBox(object);
        if (box == nullptr) return;
        GString text;
        box->BuildCommand(text);
        binding_.zez_sendcommands(text.Text());
    });
}

void GVPLProgramView::SetAllInputs() {
    ForEachGraphic(*this, true, [this](G0* object) {
        auto* input = As<GVPLInput>(object);
        if (input == nullptr) return;
        input->SetPathName();
        GString text;
        input->BuildCommand(text);
        if (!text.IsEmpty()) binding_.zez_sendcommands(text.Text());
    });
}

void GVPLProgramView::Run() {
    vpl::TheRunLog().RunStarted();
    ClearProgram();
    SetupProgram();
    RunProgram();
}

void GVPLProgramView::RunProgram() {
    RestoreAllHeldData();
    running_ = true;
    EnableDoIdle();
    // Sensors watch their property from idle processing while the program runs.
    ForEachGraphic(*this, true, [](G0* object) {
        if (auto* sensor = As<GVPLPropertySensor>(object)) sensor->EnableDoIdle();
    });
    binding_.zez_run(Now());
    SetPropertyDeepForGroup(kRunEditable, vplgroup::kEditable);
    SetPropertyDeep(kRunProtected);
    SetPropertyDeepForGroup(kRunControls, vplgroup::kRunControls);
}

void GVPLProgramView::Halt() {
    binding_.zez_halt();
    SaveAllHeldData();
    ClearProgram();
}

void GVPLProgramView::ClearProgram() {
    if (running_) {
        binding_.zez_halt();
        outputs_.RemoveAll();
    }
    running_ = false;
    ForEachGraphic(*this, true, [](G0* object) {
        if (auto* sensor = As<GVPLPropertySensor>(object)) sensor->DisableDoIdle();
    });
    DisableDoIdle();
    ResetPropertyDeepForGroup(kRunEditable, vplgroup::kEditable);
    ResetPropertyDeep(kRunProtected);
    ResetPropertyDeepForGroup(kRunControls, vplgroup::kRunControls);
}

void GVPLProgramView::SaveAllHeldData() {
    ForEachGraphic(*this, true, [](G0* object) {
        if (auto* tie = As<GVPLInputTie>(object)) tie->SaveHeldData();
    });
}

void GVPLProgramView::RestoreAllHeldData() {
    ForEachGraphic(*this, true, [](G0* object) {
        if (auto* tie = As<GVPLInputTie>(object)) tie->RestoreHeldData();
    });
}

void GVPLProgramView::DoIdle() {
    if (running_) {
        for (int round = 0; round < kIdleRounds; ++round) {
            if (!binding_.zez_checkque(Now())) break;
            binding_.zez_doidle();
        }
        HaltIfStopped();
    }
    GVPLProView::DoIdle();
}

bool GVPLProgramView::HaltIfStopped() {
    if (binding_.Stopped() == pendrel::NetRunner::Stop::None) return false;
    if (running_) {
        ReportProblem(binding_.StopMessage());
        Halt();
    }
    return true;
}

void GVPLProgramView::ReportProblem(std::string_view message) {
    if (messageObserver_) messageObserver_(message);
}

GGraphic* GVPLProgramView::CreateUserFunction(const std::vector<GGraphic*>& selection) {
    std::vector<G0*> members;
    for (GGraphic* g : selection)
        if (g != nullptr && g->Owner() == this) members.push_back(g);
    if (members.empty()) return nullptr;
    // What goes inside is no longer the view's to select.
    ClearSelection();
    // The view is off the screen while its graphics move, so no half-made state shows.
    const bool wasDrawn = IfDrawnHideAndBatch();
    GGroup* group = GGroup::Gather(*this, members);
    if (group == nullptr) {
        ShowAndEndBatch(wasDrawn);
        return nullptr;
    }
    const long left = group->X();
    const long top = group->Y();
    const long right = left + group->Width() + 32;
    const long bottom = top + group->Height() + 15;
    auto* function = MakeOwned<GVPLUserFunction>(*this, left, top, right - left, bottom - top);
    // The inside counts in the program's own units, so the group keeps its place and size
    // there and gives its members back where they were.
    function->Inside().SetVirtualCoordinates(left, top, right, bottom);
    function->AddInside(group);
    group->Ungroup();
    // Connections to what stayed outside cannot cross the new boundary.
    ForEachGraphic(function->Inside(), true, [](G0* object) {
        if (auto* tie = As<GVPLTie>(object)) tie->CleanupInvalidTies();
    });
    function->InitializeAllTies();
    function->SetProperty(gprop::kShown);
    ShowAndEndBatch(wasDrawn);
    SetFocusedObject(function);
    return function;
}

void GVPLProgramView::MenuEvent(int command) {
    switch (command) {
    case vplcmd::kRun:
        Run();
        return;
    case vplcmd::kHalt:
        Halt();
        return;
    case vplcmd::kHideProgram:
        hidden_ = true;
        ResetPropertyDeepForGroup(gprop::kShown, vplgroup::kEditable);
        return;
    case vplcmd::kShowProgram:
        hidden_ = false;
        SetPropertyDeepForGroup(gprop::kShown, vplgroup::kEditable);
        Redraw();
        return;
    case vplcmd::kCreateUserFunction:
        CreateUserFunction(SelectedGraphics());
        return;
    case vplcmd::kOpenLog:
        vpl::TheRunLog().Open();
        return;
    case vplcmd::kCloseLog:
        vpl::TheRunLog().Close();
        return;
    case vplcmd::kDeleteLog:
        vpl::TheRunLog().CloseAndDelete();
        return;
    default:
        GVPLProView::MenuEvent(command);
    }
}

void GVPLProgramView::DoSetupMenus(GEventHandler* focus) {
    GVPLProView::DoSetupMenus(focus);
    SetupProgramCommands();
}

void GVPLProgramView::SetupProgramCommands() {
    const bool graphics = HasGraphics();
    EventEnable(vplcmd::kSave, graphics);
    EventEnable(vplcmd::kSaveAs, graphics);
    EventEnable(vplcmd::kRun, graphics && !running_);
    EventEnable(vplcmd::kHalt, running_);
    EventEnable(vplcmd::kHideProgram, graphics && !hidden_);
    EventEnable(vplcmd::kShowProgram, hidden_);
    EventEnable(vplcmd::kCreateUserFunction, Selection().Length() > 0);
}

GVPLOutput* GVPLProgramView::FindOutput(std::string_view key) const {
    for (G0* object : outputs_.Objects())
        if (auto* output = As<GVPLOutput>(object); output != nullptr && output->IsKey(key))
            return output;
    return nullptr;
}

bool GVPLProgramView::ReceiveResult(std::string_view path, GData& data) {
    GVPLOutput* output = FindOutput(path);
    if (output == nullptr) return false;
    output->SendZEZObject(&data);
    if (observer_) observer_(*output);
    return true;
}

void GVPLProgramView::SendToStream(GStream& stream) {
    // The view is written off the screen, at the size that holds its graphics, and comes back
    // as it was: nothing of the shrunk view is ever drawn.
    const bool wasDrawn = IfDrawnHideAndBatch();
    const long width = Width();
    const long height = Height();
    const long right = VirtualRight();
    const long bottom = VirtualBottom();
    ShrinkToContents();
    SaveAllHeldData();
    stream.SendObject(this);
    SetSize(width, height);
    SetVirtualCoordinates(kUnchanged, kUnchanged, right, bottom);
    CalculatePickArea();
    ShowAndEndBatch(wasDrawn);
}

void GVPLProgramView::Send(GStream& stream) const {
    GVPLProView::Send(stream);
    stream.SendBoolean(hidden_);
    stream.SendBoolean(running_);
}

bool GVPLProgramView::Receive(GStream& stream) {
    if (!GVPLProView::Receive(stream)) return false;
    hidden_ = stream.ReceiveBoolean();
    savedRunning_ = stream.ReceiveBoolean();
    return stream.IsOK();
}

void GVPLProgramView::FinishReading(GStream& stream) {
    stream.ResolveAllReferences();
    ForEachGraphic(*this, true, [](G0* object) {
        if (auto* tie = As<GVPLInputTie>(object)) tie->EnsureTieLines();
    });
}

const char* BuilderClassName(GClassID id) {
    switch (id) {
    case vplid::kTie:
        return "GVPLTie";
    case vplid::kInputTie:
        return "GVPLInputTie";
    case vplid::kOutputTie:
        return "GVPLOutputTie";
    case vplid::kTieLine:
        return "GVPLTieLine";
    case vplid::kProView:
        return "GVPLProView";
    case vplid::kFuncProView:
        return "GVPLFuncProView";
    case vplid::kBox:
        return "GVPLBox";
    case vplid::kFunction:
        return "GVPLFunction";
    case vplid::kTimer:
        return "GVPLTimer";
    case vplid::kUserFunction:
        return "GVPLUserFunction";
    case vplid::kInput:
        return "GVPLInput";
    case vplid::kInputData:
        return "GVPLInputData";
    case vplid::kFileInputData:
        return "GVPLFileInputData";
    case vplid::kPropertySensor:
        return "GVPLPropertySensor";
    case vplid::kInputSlider:
        return "GVPLInputSlider";
    case vplid::kInputSwitch:
        return "GVPLInputSwitch";
    case vplid::kOutput:
        return "GVPLOutput";
    case vplid::kOutputBox:
        return "GVPLOutputBox";
    case vplid::kAnimator:
        return "GVPLAnimator";
    case vplid::kImageBox:
        return "GVPLImageBox";
    case vplid::kPlottingBox:
        return "GVPLPlottingBox";
    case vplid::kProgramView:
        return "GVPLProgramView";
    default:
        return "G0";
    }
}
