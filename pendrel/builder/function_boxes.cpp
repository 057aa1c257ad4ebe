#include "pendrel/builder/function_boxes.h"

#include "pendrel/builder/net_text.h"
#include "pendrel/builder/zez_binding.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>
#include <cctype>

namespace {

std::vector<vplnet::FunctionInput> InputsOf(const GVPLBox& box) {
    std::vector<vplnet::FunctionInput> inputs;
    for (GVPLInputTie* tie : box.InputTies())
        inputs.push_back({tie->GetLineNo(), tie->HoldFlag() > 0});
    return inputs;
}

} // namespace

GVPLBox* TranslatedBox(G0* object) {
    if (auto* function = As<GVPLFunction>(object)) return function;
    return As<GVPLTimer>(object);
}

// ---- GVPLFunction ----

GVPLFunction::GVPLFunction(long x, long y, long width, long height, int function)
    : GVPLBox(x, y, width, height) {
    InitializeOwnedObjects();
    if (function == 0 || !ChooseFunction(function)) {
        InitializeInputs(2);
        InitializeOutputs(1);
    }
}

std::string GVPLFunction::Keyword() const {
    std::string keyword;
    int inputs = 0;
    if (function_ != 0 && vpl::vplglobal_labelfromfunc(function_, &keyword, &inputs))
        return keyword;
    return {};
}

bool GVPLFunction::ChooseFunction(int function) {
    std::string keyword;
    int inputs = 0;
    if (!vpl::vplglobal_labelfromfunc(function, &keyword, &inputs)) return false;
    function_ = static_cast<short>(function);
    SetShownName(keyword);
    InitializeInputs(inputs);
    InitializeOutputs(1);
    return true;
}

void GVPLFunction::SetShownName(std::string_view name) {
    shown_ = name;
    if (nameText_ != nullptr) nameText_->SetText(shown_);
}

void GVPLFunction::KeyEvent(int key) {
    if (function_ != 0 || key <= ' ' || key > 126) return;
    typed_ += static_cast<char>(std::toupper(key));
    SetShownName(typed_);
    int inputs = 0;
    const int function = vpl::vplglobal_funcfromlabel(typed_, &inputs);
    if (function != 0) ChooseFunction(function);
}

void GVPLFunction::BuildCommand(GString& text) {
    const std::string keyword = Keyword();
    if (keyword.empty()) return;
    const std::vector<vplnet::FunctionInput> inputs = InputsOf(*this);
    const std::vector<long> outputs = FirstOutputDeliveries();
    text.Append(vplnet::FunctionText(inputs, keyword, outputs));
}

void GVPLFunction::InitializeOwnedObjects() {
    if (nameText_ == nullptr) nameText_ = AddCentredText(shown_, 50, 50);
    if (function_ != 0) {
        const std::string keyword = Keyword();
        SetShownName(keyword.empty() ? kNoName : keyword);
    }
}

void GVPLFunction::Send(GStream& stream) const {
    stream.SendShort(function_);
    SendBox(stream);
}

bool GVPLFunction::Receive(GStream& stream) {
    function_ = stream.ReceiveShort();
    return GVPLBox::Receive(stream);
}

// ---- GVPLTimer ----

GVPLTimer::GVPLTimer(long x, long y, long width, long height) : GVPLBox(x, y, width, height) {
    InitializeOwnedObjects();
    InitializeInputs(0);
    InitializeOutputs(1);
}

void GVPLTimer::SetPeriod(std::string_view period) {
    period_ = period;
    if (periodText_ != nullptr) periodText_->SetText(period_);
}

void GVPLTimer::KeyEvent(int key) {
    std::string period = period_;
    if (key == gkey::kBackspace) {
        if (!period.empty()) period.pop_back();
    } else if (key >= ' ' && key <= 126) {
        period += static_cast<char>(key);
    } else {
        return;
    }
    SetPeriod(period);
}

void GVPLTimer::BuildCommand(GString& text) {
    vpl::RunContext* run = GetRunContext();
    const std::vector<long> outputs = FirstOutputDeliveries();
    if (run == nullptr || outputs.empty()) return;
    text.Append(vplnet::TimerText(run->Binding().NextTimerNumber(), period_, outputs));
}

void GVPLTimer::InitializeOwnedObjects() {
    if (periodText_ == nullptr) periodText_ = AddCentredText(period_, 50, 50);
}

// ---- GVPLFuncProView ----

void GVPLFuncProView::AcceptDrop(GGraphic* graphic) {
    GVPLProView::AcceptDrop(graphic);
    if (auto* function = As<GVPLUserFunction>(Owner())) function->InitializeAllTies();
}

// ---- GVPLUserFunction ----

GVPLUserFunction::GVPLUserFunction() {
    inside_ = MakeOwned<GVPLFuncProView>(*this, 0, 0, 100, 100);
    // The inside is drawn only when opened; it is stored through the user function's body.
    inside_->SetProperty(gprop::kNotStored);
}

GVPLUserFunction::GVPLUserFunction(long x, long y, long width, long height) : GVPLUserFunction() {
    const bool locked = IsSet(gprop::kPositionLocked);
    ResetProperty(gprop::kPositionLocked);
    MoveAbs(x, y);
    if (locked) SetProperty(gprop::kPositionLocked);
    SetSize(width, height);
    InitializeOwnedObjects();
}

void GVPLUserFunction::SetName(std::string_view name) {
    name_ = name;
    SetShownName(name_.empty() ? kNoName : name_);
}

void GVPLUserFunction::KeyEvent(int key) {
    std::string name = name_;
    if (key == gkey::kBackspace) {
        if (!name.empty()) name.pop_back();
    } else if (key >= ' ' && key <= 126) {
        name += static_cast<char>(key);
    } else {
        return;
    }
    SetName(name);
}

void GVPLUserFunction::AddInside(GGraphic* graphic) {
    if (graphic != nullptr) inside_->InsertOwned(graphic);
}

namespace {

// Ties inside that nothing outside the user function feeds or takes: unconnected, or
// connected only by links. Nested user functions count by their outer ties.
void FindProgramTies(GList& list, std::vector<GVPLInputTie*>& inputs,
                     std::vector<GVPLOutputTie*>& outputs) {
    for (G0* object : list.Objects()) {
        auto* graphic = As<GGraphic>(object);
        if (graphic == nullptr || As<GVPLProView>(graphic) != nullptr) continue;
        auto* tie = As<GVPLTie>(graphic);
        if (tie == nullptr) {
            FindProgramTies(*graphic, inputs, outputs);
            continue;
        }
        bool free = true;
        for (GVPLTie* other : tie->Connections())
            if (other->GetClassID() != tie->GetClassID()) free = false;
        if (!free) continue;
        if (auto* input = As<GVPLInputTie>(tie))
            inputs.push_back(input);
        else if (auto* output = As<GVPLOutputTie>(tie))
            outputs.push_back(output);
    }
}

// Ties of one box by their own height, ties of different boxes by their boxes' heights.
bool Above(const GVPLTie* a, const GVPLTie* b) {
    const GVPLBox* boxA = a->Box();
    const GVPLBox* boxB = b->Box();
    if (boxA == boxB || boxA == nullptr || boxB == nullptr) return a->Y() < b->Y();
    return boxA->Y() < boxB->Y();
}

} // namespace

void GVPLUserFunction::InitializeAllTies() {
    std::vector<GVPLInputTie*> inputs;
    std::vector<GVPLOutputTie*> outputs;
    FindProgramTies(*inside_, inputs, outputs);
    // Old links to this user function's own ties go; links inward of nested ones stay.
    auto breakOuterLinks = [this](GVPLTie* tie) {
        for (GVPLTie* other : tie->Connections())
            if (other->Owner() == this) tie->BreakConnection(other);
    };
    for (GVPLTie* tie : inputs)
        breakOuterLinks(tie);
    for (GVPLTie* tie : outputs)
        breakOuterLinks(tie);
    std::stable_sort(inputs.begin(), inputs.end(), Above);
    std::stable_sort(outputs.begin(), outputs.end(), Above);
    InitializeInputs(static_cast<int>(inputs.size()));
    InitializeOutputs(static_cast<int>(outputs.size()));
    for (std::size_t i = 0; i < inputs.size(); ++i)
        InputTie(static_cast<int>(i) + 1)->CompleteConnection(inputs[i]);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        OutputTie(static_cast<int>(i) + 1)->CompleteConnection(outputs[i]);
    PlaceName();
}

void GVPLUserFunction::PlaceName() {
    GText* text = NameText();
    if (text == nullptr) return;
    long x = 50;
    if (NumInputs() == 0 && NumOutputs() > 0) x = 43;
    if (NumOutputs() == 0 && NumInputs() > 0) x = 57;
    const bool locked = text->IsSet(gprop::kPositionLocked);
    text->ResetProperty(gprop::kPositionLocked);
    text->MoveAbs(x, 50);
    if (locked) text->SetProperty(gprop::kPositionLocked);
}

void GVPLUserFunction::BuildCommand(GString& text) {
    ForEachGraphic(*inside_, false, [&text](G0* object) {
        GVPLBox* box = TranslatedBox(object);
        if (box == nullptr) return;
        GString part;
        box->BuildCommand(part);
        text.Append(part);
        text.Append("\n");
    });
}

void GVPLUserFunction::InitializeOwnedObjects() {
    GVPLFunction::InitializeOwnedObjects();
    SetName(name_);
    PlaceName();
}

void GVPLUserFunction::Send(GStream& stream) const {
    SendBox(stream);
    stream.SendString(name_);
    inside_->SendContents(stream);
}

bool GVPLUserFunction::Receive(GStream& stream) {
    if (!ReceiveBox(stream)) return false;
    name_ = stream.ReceiveString();
    if (!inside_->ReceiveContents(stream) || !stream.IsOK()) return false;
    // The links between the outer ties and the inner ones come back with the references.
    stream.ResolveReferences();
    InitializeOwnedObjects();
    InitializeAllTies();
    if (!IsSet(gprop::kShown)) ResetPropertyDeepForGroup(gprop::kShown, vplgroup::kEditable);
    return true;
}
