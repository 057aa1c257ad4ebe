// Draws the example programs of pendrel with the builder's own calls and saves them, the way a
// user would build them: boxes placed, ties joined with the tie tools (the holding tool sets
// the hold flag), values typed and deposited, then "Save" while the program runs.
// Usage: pendrel_make_examples FOLDER
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/program_view.h"
#include "pendrel/builder/zez_file.h"
#include "pendrel/builder/zez_runner.h"
#include "pendrel/framework/properties.h"

#include <iostream>
#include <memory>
#include <string>

namespace {

vpl::SimulatedTickSource gClock;

std::unique_ptr<GVPLProgramView> NewProgram() {
    SetNextLineNumber(1);
    auto view = std::make_unique<GVPLProgramView>(0, 0, 400, 300);
    view->SetTickSource(&gClock);
    return view;
}

GVPLFunction* Function(GVPLProgramView& view, const char* keyword, long x, long y) {
    int inputs = 0;
    return MakeOwned<GVPLFunction>(view, x, y, 60, 40,
                                   vpl::vplglobal_funcfromlabel(keyword, &inputs));
}

// A tie tool's connection: output tie to input tie, the input taking the tool's hold value.
void Tie(GVPLBox* from, GVPLBox* to, int input, short hold = 0) {
    from->OutputTie(1)->CompleteConnection(to->InputTie(input));
    to->InputTie(input)->SetHoldFlag(hold);
}

void Type(GVPLInputData* box, const std::string& text) {
    for (char c : text)
        box->KeyEvent(c);
}

bool Save(GVPLProgramView& view, const std::string& folder, const char* name) {
    // Every box is on show, as the creation tools leave it.
    for (G0* object : view.OwnedObjects())
        object->SetProperty(gprop::kShown);
    const std::string file = folder + "/" + name;
    std::remove(file.c_str());
    const bool ok = vpl::WriteProgramFile(view, file);
    if (!ok) std::cerr << "cannot write " << file << "\n";
    return ok;
}

// [1,2,3] typed into a data box, times 10, plus 1, into a text box.
bool Arithmetic(const std::string& folder) {
    auto view = NewProgram();
    auto* typed = MakeOwned<GVPLInputData>(*view, 0, 0, 50, 30);
    GVPLFunction* mul = Function(*view, "MUL", 70, 0);
    GVPLFunction* add = Function(*view, "ADD", 150, 0);
    auto* out = MakeOwned<GVPLOutputBox>(*view, 230, 0, 80, 30);
    Tie(typed, mul, 1, 1);
    Tie(mul, add, 1);
    Tie(add, out, 1);
    mul->InputTie(2)->DepositInputValue("10");
    add->InputTie(2)->DepositInputValue("1");
    view->Run();
    Type(typed, "[1,2,3]\r");
    vpl::RunTicks(*view, gClock, 1, 0);
    return Save(*view, folder, "arithmetic.zez");
}

// A one-second timer adds 6 to a sum it feeds back to itself.
bool Counter(const std::string& folder) {
    auto view = NewProgram();
    auto* timer = MakeOwned<GVPLTimer>(*view, 0, 0, 40, 20);
    GVPLFunction* add = Function(*view, "ADD", 70, 0);
    auto* out = MakeOwned<GVPLOutputBox>(*view, 150, 0, 80, 30);
    Tie(timer, add, 1);
    Tie(add, add, 2, 1);
    Tie(add, out, 1);
    add->InputTie(2)->DepositInputValue("0");
    return Save(*view, folder, "counter.zez");
}

// RAMP of 8, made bytes, smoothed by a box mean of 3, shown as an image.
bool Image(const std::string& folder) {
    auto view = NewProgram();
    auto* typed = MakeOwned<GVPLInputData>(*view, 0, 0, 50, 30);
    GVPLFunction* ramp = Function(*view, "RAMP", 70, 0);
    GVPLFunction* totype = Function(*view, "TOTYPE", 150, 0);
    GVPLFunction* smooth = Function(*view, "SMOOTH", 230, 0);
    auto* image = MakeOwned<GVPLImageBox>(*view, 310, 0, 80, 80);
    Tie(typed, ramp, 1, 1);
    Tie(ramp, totype, 1);
    Tie(totype, smooth, 1);
    Tie(smooth, image, 1);
    totype->InputTie(2)->DepositInputValue("50");
    smooth->InputTie(2)->DepositInputValue("3");
    view->Run();
    Type(typed, "8\r");
    vpl::RunTicks(*view, gClock, 1, 0);
    return Save(*view, folder, "image.zez");
}

// A user function that doubles, made from a MUL box and used twice in a row.
bool UserFunction(const std::string& folder) {
    auto view = NewProgram();
    GVPLFunction* mul = Function(*view, "MUL", 0, 0);
    mul->InputTie(2)->DepositInputValue("2");
    auto* twice = static_cast<GVPLUserFunction*>(view->CreateUserFunction({mul}));
    twice->SetName("Double");
    std::unique_ptr<G0> copy = twice->Clone();
    auto* again = static_cast<GVPLUserFunction*>(copy.get());
    view->InsertOwned(std::move(copy));
    again->MoveAbs(120, 0);
    auto* out = MakeOwned<GVPLOutputBox>(*view, 240, 0, 80, 30);
    Tie(twice, again, 1);
    Tie(again, out, 1);
    twice->InputTie(1)->DepositInputValue("[1,2,3]");
    return Save(*view, folder, "user_function.zez");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: pendrel_make_examples FOLDER\n";
        return 1;
    }
    const std::string folder = argv[1];
    const bool ok = Arithmetic(folder) && Counter(folder) && Image(folder) && UserFunction(folder);
    return ok ? 0 : 1;
}
