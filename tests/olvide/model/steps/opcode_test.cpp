// The code table: every code decodes to its own row, every row carries its columns, the
// step-window layout of every code is the one of the layout list, and the flow figures.
#include "../model_fixture.h"

#include "olvide/model/steps/operators.h"

#include <algorithm>
#include <map>

namespace olvide::testing {
namespace {

constexpr std::uint8_t kStepKinds[] = {1, 2, 3, 4, 5, 8};

// The pictures of a layout as words: operands by role, signs as they show.
std::string pictures(const OpInfo& info, bool hasX = true, std::uint8_t callView = 1) {
    std::string out;
    for (const LayoutSlot& slot : info.layout) {
        if (!shown(slot.when, hasX, callView)) continue;
        std::string word;
        switch (slot.slot) {
        case Slot::X:
            word = "x";
            break;
        case Slot::Y:
            word = "y";
            break;
        case Slot::Z:
            word = "z";
            break;
        case Slot::A:
            word = "A";
            break;
        case Slot::Call:
            word = "call";
            break;
        case Slot::ActualInput:
            word = "actual-input";
            break;
        case Slot::FormalInput:
            word = "formal-input";
            break;
        case Slot::FormalOutput:
            word = "formal-output";
            break;
        case Slot::ActualOutput:
            word = "actual-output";
            break;
        case Slot::Comment:
            word = "comment-box";
            break;
        default:
            word = slotSign(slot.slot, info.sign);
        }
        out += out.empty() ? word : " " + word;
    }
    return out;
}

// The layout list of the step window, code by code; op stands for the code's sign.
std::map<std::string, std::string> layoutList() {
    std::map<std::string, std::string> list;
    for (std::string op : {"+", "-", "*", "/", "|", "%"}) {
        list["x" + op + "y"] = "x " + op + " y # z";
        list["y" + op + "x"] = "y " + op + " x # z";
        list["x" + op + "A"] = "x " + op + " A # z";
        list["A" + op + "x"] = "A " + op + " x # z";
    }
    for (std::string op : {">", "<", ">=", "<=", "=", "!="}) {
        list["x" + op + "y"] = "x " + op + " y # z";
        list["x" + op + "A"] = "x " + op + " A # z";
        list["S" + op + "x"] = "x " + op + " y # z";
        list["S" + op + "A"] = "x " + op + " A # z";
    }
    list["x&&y"] = "x & y # z";
    list["x||y"] = "x | y # z";
    list["S+x"] = "x + y # z";
    list["S+A"] = "x + A # z";
    list["A+S"] = "A + x # z";
    list["S_<->x"] = "x <-> y # z";
    list["SS..x"] = "x S.. y # z";
    list["S_<->A"] = "x <-> A # z";
    list["SS..A"] = "x S.. A # z";
    const std::pair<const char*, const char*> functions[] = {
        {"sinx", "SIN"}, {"cosx", "COS"},    {"tgx", "TAN"},  {"arctgx", "ATG"},
        {"intx", "INT"}, {"sqrtx", "SQRT"},  {"logx", "LOG"}, {"expx", "EXP"},
        {"Strx", "STR"}, {"A(BC)D", "(BC)"}, {"----", "|--"}, {"S}8", "}N"}};
    for (const auto& [code, sign] : functions)
        list[code] = std::string(sign) + " x # z";
    list["absx"] = "ABS x ABS # z";
    list["!X"] = "! x # z";
    list["_----"] = "|-- x C-> z";
    list["S_}8"] = "}N x C-> z";
    list["x->y"] = list["O->x"] = list["S->x"] = "x # y";
    list["S_->x"] = "x C-> y";
    list["A->x"] = list["A->S"] = "A # x";
    list["T->x"] = "x T->";
    list["F->x"] = "x F->";
    list["DOC"] = "x TF$";
    list["DOI"] = "x XH$";
    list["EXF"] = "x %";
    list["..."] = "...";
    list["O+A"] = "x |+ A";
    list["O+S"] = "x |+ y";
    list["***"] = "x |*";
    // Not in the list: the editor's picking operations, which copy like "x->y" in a step.
    list["&x"] = list["x@"] = list["@x"] = "x # y";
    return list;
}

TEST(CodeTable, EveryCodeHasTheLayoutOfTheList) {
    const auto list = layoutList();
    std::size_t codes = 0;
    for (const OpInfo& info : opTable()) {
        if (info.code.empty()) continue;
        ++codes;
        const auto expected = list.find(std::string(info.code));
        ASSERT_NE(expected, list.end()) << info.code << " is missing from the layout list";
        EXPECT_EQ(pictures(info), expected->second) << info.code;
    }
    EXPECT_EQ(codes, list.size());
}

TEST(CodeTable, LayoutsThatDependOnTheStep) {
    EXPECT_EQ(pictures(*findCode("EXF"), false), "%");
    const OpInfo& call = opInfo(Op::Call);
    EXPECT_EQ(pictures(call, true, 1), "call x");
    EXPECT_EQ(pictures(call, true, 0), "actual-input @ formal-input");
    EXPECT_EQ(pictures(call, true, 2), "formal-output @ actual-output");
    EXPECT_EQ(pictures(opInfo(Op::Head)), "comment-box");
    EXPECT_EQ(pictures(opInfo(Op::Comment)), "comment-box");
}

TEST(CodeTable, EveryCodeDecodesToItsOwnRowInItsOwnKindOnly) {
    for (const OpInfo& info : opTable()) {
        EXPECT_EQ(&opInfo(info.op), &info);
        if (info.code.empty()) continue;
        EXPECT_EQ(findCode(info.code), &info) << info.code;
        EXPECT_EQ(stepKindOf(info.code), info.stepKind) << info.code;
        for (std::uint8_t kind : kStepKinds)
            EXPECT_EQ(decodeOp(kind, info.code), kind == info.stepKind ? info.op : Op::Unknown)
                << info.code << " in kind " << int(kind);
    }
    // Head, comment and call steps are known by their kind whatever their text.
    EXPECT_EQ(decodeOp(0, "x+A"), Op::Head);
    EXPECT_EQ(decodeOp(6, "DOC"), Op::Comment);
    EXPECT_EQ(decodeOp(7, "main"), Op::Call);
    EXPECT_EQ(findCode(""), nullptr);
    EXPECT_EQ(findCode("[X]"), nullptr);
}

TEST(CodeTable, EveryRowCarriesItsColumns) {
    for (const OpInfo& info : opTable()) {
        if (info.op == Op::Unknown) continue;
        SCOPED_TRACE(info.code.empty() ? "kind " + std::to_string(info.stepKind)
                                       : std::string(info.code));
        EXPECT_FALSE(info.display.empty());
        EXPECT_FALSE(info.layout.empty());
        EXPECT_FALSE(info.figure.plain.empty());
        // A temporary is made for the result exactly when the code writes z.
        EXPECT_EQ(info.result == Role::Z, info.resultKind != 0);
        EXPECT_EQ(resultKindOf(info.op), info.resultKind);
        // The sign is one its picture class shows, and a sign picture has a sign to show.
        if (!info.sign.empty()) {
            const auto signs = signsOf(info.signClass);
            EXPECT_NE(std::find(signs.begin(), signs.end(), info.sign), signs.end()) << info.sign;
        }
        for (const LayoutSlot& slot : info.layout) {
            if (slot.slot == Slot::Sign) {
                EXPECT_FALSE(info.sign.empty());
            }
        }
        EXPECT_EQ(operatorSign(info.code), info.code.empty() ? "" : info.sign);
        // What the interpreter needs to act.
        if (info.action == Action::Arithmetic) {
            const auto add = signsOf(SignClass::Add);
            EXPECT_NE(std::find(add.begin(), add.end(), info.sign), add.end());
        }
        const bool reads = info.action != Action::Nothing && info.action != Action::ClearLines &&
                           info.action != Action::CopyLines && info.action != Action::Return &&
                           info.action != Action::DoCondition &&
                           info.action != Action::DoIteration && info.action != Action::Exit &&
                           info.action != Action::Call;
        EXPECT_EQ(info.left != Role::None, reads);
        EXPECT_EQ(info.constant != ConstantKind::None,
                  info.stepKind == stepkind::WithConstant ||
                      info.stepKind == stepkind::SetFromConstant);
    }
}

TEST(CodeTable, UnlistedCodesKeepTheDefaultOfTheirKind) {
    EXPECT_EQ(opInfo(2, Op::Unknown).action, Action::Assign);
    EXPECT_EQ(opInfo(2, Op::Unknown).left, Role::A);
    EXPECT_EQ(opInfo(2, Op::Unknown).result, Role::X);
    EXPECT_EQ(opInfo(5, Op::Unknown).action, Action::Assign);
    EXPECT_EQ(opInfo(5, Op::Unknown).left, Role::X);
    EXPECT_EQ(opInfo(5, Op::Unknown).result, Role::Y);
    for (std::uint8_t kind : {1, 3, 4, 8, 9})
        EXPECT_EQ(opInfo(kind, Op::Unknown).action, Action::Nothing) << int(kind);
}

TEST(CodeTable, ElementsStartTheCodesOfTheirFamily) {
    EXPECT_EQ(familyOf(kind::Iteration), Family::Number);
    EXPECT_EQ(familyOf(kind::Condition), Family::Boolean);
    EXPECT_EQ(familyOf(kind::OutputLineX), Family::String);
    EXPECT_EQ(familyOf(kind::Output), Family::Output);
    EXPECT_EQ(familyOf(kind::Array), Family::None);
}

class FlowFigures : public ModelTest {
protected:
    Tstep* add(std::uint8_t kind, std::string code, TprogramVaribler* x = nullptr,
               TprogramVaribler* y = nullptr) {
        return space.services().AddStep(kind, std::move(code), x, y, nullptr, nullptr);
    }
    std::string figureOfFirst(TCommander* commander) { return commander->step(1)->flowFigure(); }
};

TEST_F(FlowFigures, FollowTheKindOfStep) {
    TMaincommander& main = placeMain();
    auto& n = place<TprogramNumber>(kind::Number);
    auto& m = place<TprogramNumber>(kind::Number, 220, 200);
    auto& s = place<TprogramString>(kind::String, 240, 200);
    auto& o = place<TprogramOutput>(kind::Output, 260, 200);
    space.activateCommander(&main);
    EXPECT_EQ(add(1, "x+A", &n)->flowFigure(), "binflow.bmp");
    EXPECT_EQ(add(1, "SS..A", &s)->flowFigure(), "binflow.bmp");
    EXPECT_EQ(add(2, "A->x", &n)->flowFigure(), "setFlow.bmp");
    EXPECT_EQ(add(2, "O+A", &o)->flowFigure(), "setFlow.bmp");
    EXPECT_EQ(add(5, "x->y", &n, &m)->flowFigure(), "setFlow.bmp");
    EXPECT_EQ(add(3, "sqrtx", &n)->flowFigure(), "unaFlow.bmp");
    EXPECT_EQ(add(3, "***", &o)->flowFigure(), "unaFlow.bmp");
    EXPECT_EQ(add(4, "x*y", &n, &m)->flowFigure(), "binFlow.bmp");
    EXPECT_EQ(add(6, "a comment")->flowFigure(), "CommFlow.bmp");
    EXPECT_EQ(add(7, "main", &n)->flowFigure(), "funcFlow.bmp");
    EXPECT_EQ(add(8, "EXF")->flowFigure(), "exitFlow.bmp");
    EXPECT_EQ(add(8, "...")->flowFigure(), "retFlow.bmp");
    // A code its kind does not list keeps the kind's figure.
    EXPECT_EQ(add(3, "x+A", &n)->flowFigure(), "unaFlow.bmp");
    EXPECT_EQ(add(8, "x+A")->flowFigure(), "CommFlow.bmp");
    EXPECT_EQ(figureOfFirst(&main), "staFlow.bmp");
}

TEST_F(FlowFigures, ConditionsShowWhetherTheyLoop) {
    TMaincommander& main = placeMain();
    auto& plain = place<Tprogramcondition>(kind::Condition);
    auto& looping = place<Tprogramcondition>(kind::Condition, 220, 200);
    auto& iteration = place<TprogramIteration>(kind::Iteration, 240, 200);
    looping.IsIterator = true;
    space.activateCommander(&main);
    EXPECT_EQ(add(8, "DOC", &plain)->flowFigure(), "ifFlow.bmp");
    EXPECT_EQ(add(8, "DOC", &looping)->flowFigure(), "iForFlow.bmp");
    EXPECT_EQ(add(8, "DOI", &iteration)->flowFigure(), "ForFlow.bmp");
    // The head step of a flow commander shows which one it starts.
    EXPECT_EQ(figureOfFirst(space.services().MakeTrueCommander(plain)), "staFlow4.bmp");
    EXPECT_EQ(figureOfFirst(space.services().MakeFalseCommander(plain)), "staFlow5.bmp");
    EXPECT_EQ(figureOfFirst(space.services().MakeTrueCommander(looping)), "staFlow1.bmp");
    EXPECT_EQ(figureOfFirst(space.services().MakeFalseCommander(looping)), "staFlow2.bmp");
    EXPECT_EQ(figureOfFirst(space.services().MakeForCommander(iteration)), "staFlow3.bmp");
}

} // namespace
} // namespace olvide::testing
