// The step window's row of pictures: a step of every code family shows the pictures of the
// layout list in order, of the right kinds, with the operands' names, at the slots; call
// steps show the call or a binding; the caption; changing an operator.
#include "views_fixture.h"

#include "olvide/model/objects/constant.h"
#include "olvide/model/steps/operators.h"
#include "olvide/model/steps/step_variables.h"
#include "olvide/views/layout/step_layout.h"

#include <cctype>

namespace olvide::testing {
namespace {

using views::changedOperator;
using views::stepCaption;
using views::stepPictures;

// A picture as a word: a step variable by its name prefix and the operand's name, the
// constant by what it shows, an operator by its class and sign.
std::string word(const TVisualor& picture) {
    if (const auto* constant = dynamic_cast<const TStepconstant*>(&picture))
        return "A:" + toUtf8(constant->shownText());
    if (const auto* op = dynamic_cast<const Toperator*>(&picture)) {
        const char* cls = dynamic_cast<const TAddoperator*>(op)        ? "Add"
                          : dynamic_cast<const TCompareoperator*>(op)  ? "Compare"
                          : dynamic_cast<const TBooleanoperator*>(op)  ? "Boolean"
                          : dynamic_cast<const Tflowoperator*>(op)     ? "Flow"
                          : dynamic_cast<const TFunctionoperator*>(op) ? "Function"
                          : dynamic_cast<const TSetoperator*>(op)      ? "Set"
                          : dynamic_cast<const TCalloperator*>(op)     ? "Call"
                          : dynamic_cast<const TInputoperator*>(op)    ? "Input"
                          : dynamic_cast<const TOutputoperator*>(op)   ? "Output"
                                                                       : "?";
        return std::string(cls) + ":" + op->Sign;
    }
    std::string prefix = picture.VisualorName;
    while (!prefix.empty() && std::isdigit(static_cast<unsigned char>(prefix.back())))
        prefix.pop_back();
    return prefix + ":" + toUtf8(picture.VisualorAlias);
}

std::string words(const Tstep& step, std::size_t parameter = 0) {
    std::string out;
    for (const auto& placed : stepPictures(step, parameter))
        out += (out.empty() ? "" : " ") + word(*placed.object);
    return out;
}

class StepPictures : public ViewsTest {
protected:
    TprogramNumber& a = named(kind::Number, "a");
    TprogramNumber& b = named(kind::Number, "b");
    TprogramNumber& r = named(kind::Number, "r");
    TprogramString& s = named<TprogramString>(kind::String, "s");
    TprogramString& t = named<TprogramString>(kind::String, "t");
    TprogramString& joined = named<TprogramString>(kind::String, "u");
    TprogramBoolean& p = named<TprogramBoolean>(kind::Boolean, "p");
    TprogramBoolean& q = named<TprogramBoolean>(kind::Boolean, "q");
    TprogramOutput& o = named<TprogramOutput>(kind::Output, "o");
};

TEST_F(StepPictures, EveryCodeFamilyShowsTheLayoutOfTheList) {
    using namespace stepkind;
    const struct {
        Tstep* step;
        const char* pictures;
    } cases[] = {
        {add(stepkind::Binary, "x+y", &a, &b, &r), "sNum:a Add:+ sNum:b Set:# sNum:r"},
        {add(stepkind::Binary, "y-x", &a, &b, &r), "sNum:b Add:- sNum:a Set:# sNum:r"},
        {add(stepkind::Binary, "x<=y", &a, &b, &p), "sNum:a Compare:<= sNum:b Set:# sBool:p"},
        {add(stepkind::Binary, "x||y", &p, &q, &p), "sBool:p Boolean:| sBool:q Set:# sBool:p"},
        {add(WithConstant, "x%A", &a, nullptr, &r, "4"), "sNum:a Add:% A:4 Set:# sNum:r"},
        {add(WithConstant, "A|x", &a, nullptr, &r, "7"), "A:7 Add:| sNum:a Set:# sNum:r"},
        {add(WithConstant, "x!=A", &a, nullptr, &p, "0"), "sNum:a Compare:!= A:0 Set:# sBool:p"},
        {add(stepkind::Binary, "S+x", &s, &t, &joined), "sStr:s Add:+ sStr:t Set:# sStr:u"},
        {add(stepkind::Binary, "S>x", &s, &t, &p), "sStr:s Compare:> sStr:t Set:# sBool:p"},
        {add(WithConstant, "S+A", &s, nullptr, &joined, "hi"), "sStr:s Add:+ A:'hi' Set:# sStr:u"},
        {add(WithConstant, "S=A", &s, nullptr, &p, "hi"), "sStr:s Compare:= A:'hi' Set:# sBool:p"},
        {add(WithConstant, "A+S", &s, nullptr, &joined, "hi"), "A:'hi' Add:+ sStr:s Set:# sStr:u"},
        {add(stepkind::Binary, "S_<->x", &s, &t, &joined), "sStr:s Function:<-> sStr:t Set:# sStr:u"},
        {add(stepkind::Binary, "SS..x", &s, &a, &joined), "sStr:s Function:S.. sNum:a Set:# sStr:u"},
        {add(WithConstant, "S_<->A", &s, nullptr, &joined, "x"),
         "sStr:s Function:<-> A:'x' Set:# sStr:u"},
        // The count of a replication is a number: no quotes.
        {add(WithConstant, "SS..A", &s, nullptr, &joined, "3"),
         "sStr:s Function:S.. A:3 Set:# sStr:u"},
        {add(Unary, "sqrtx", &a, nullptr, &r), "Function:SQRT sNum:a Set:# sNum:r"},
        {add(Unary, "absx", &a, nullptr, &r), "Function:ABS sNum:a Function:ABS Set:# sNum:r"},
        {add(Unary, "!X", &p, nullptr, &q), "Boolean:! sBool:p Set:# sBool:q"},
        {add(Unary, "A(BC)D", &s, nullptr, &t), "Function:(BC) sStr:s Set:# sStr:t"},
        {add(Unary, "_----", &s, nullptr, &r), "Function:|-- sStr:s Set:C-> sNum:r"},
        {add(Unary, "S_}8", &s, nullptr, &r), "Function:}N sStr:s Set:C-> sNum:r"},
        {add(Copy, "x->y", &a, &b), "sNum:a Set:# sNum:b"},
        {add(Copy, "O->x", &o, &o), "sOutput:o Set:# sOutput:o"},
        {add(Copy, "S_->x", &s, &t), "sStr:s Set:C-> sStr:t"},
        {add(SetFromConstant, "A->x", &a, nullptr, nullptr, "12"), "A:12 Set:# sNum:a"},
        {add(SetFromConstant, "A->S", &s, nullptr, nullptr, "go"), "A:'go' Set:# sStr:s"},
        {add(SetFromConstant, "F->x", &p, nullptr, nullptr, "FALSE"), "sBool:p Set:F->"},
        {add(SetFromConstant, "O+A", &o, nullptr, nullptr, "line"),
         "sOutput:o Function:|+ A:'line'"},
        {add(stepkind::Binary, "O+S", &o, &s), "sOutput:o Function:|+ sStr:s"},
        {add(Unary, "***", &o), "sOutput:o Function:|*"},
        {add(stepkind::Flow, "EXF"), "Flow:%"},
        {add(stepkind::Flow, "..."), "Flow:..."},
        {add(Comment, "a remark"), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(words(*c.step), c.pictures) << c.step->Code;
    EXPECT_EQ(words(*main.step(1)), "") << "the head step shows its text, no pictures";
}

TEST_F(StepPictures, OperandsShowTheKindOfTheObjectTheyStandFor) {
    auto& c = named<Tprogramcondition>(kind::Condition, "c");
    auto& it = named<TprogramIteration>(kind::Iteration, "it");
    auto* array = makeArray(b, 1, 3);
    ASSERT_NE(array, nullptr);
    TprogramIndex* index = space.services().IndexElement(*array, a);
    TprogramOutputIndexAString* line = space.services().OutputLineA(o, 1);

    EXPECT_EQ(words(*add(stepkind::Flow, "DOC", &c)), "sCond:c Flow:TF$");
    EXPECT_EQ(words(*add(stepkind::Flow, "DOI", &it)), "sIter:it Flow:XH$");
    EXPECT_EQ(words(*add(stepkind::Flow, "EXF", &it)), "sIter:it Flow:%");
    // An index shows as the kind of the element it designates, an output line as a line.
    EXPECT_EQ(words(*add(stepkind::Copy, "x->y", index, &r)), "sNum:b[a] Set:# sNum:r");
    EXPECT_EQ(words(*add(stepkind::Copy, "S->x", line, &s)), "sOIStr:o[1] Set:# sStr:s");
    // A step that lost an object keeps its place in the row, empty.
    EXPECT_EQ(words(*add(stepkind::Binary, "x*y", &a, nullptr, &r)),
              "sNum:a Add:* sVar: Set:# sNum:r");
}

TEST_F(StepPictures, PicturesStandAtTheSlotsOfTheRow) {
    Tstep* step = add(stepkind::Unary, "absx", &a, nullptr, &r);
    const auto placed = stepPictures(*step);
    ASSERT_EQ(placed.size(), 5u);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const PictureControl& image = placed[i].object->VisualorImage;
        EXPECT_EQ(image.left, 33 + 30 * static_cast<int>(i));
        EXPECT_EQ(image.top, 28);
        EXPECT_EQ(image.width, 24);
        EXPECT_TRUE(image.visible);
    }
    EXPECT_EQ(placed[0].slot, Slot::Sign);
    EXPECT_EQ(placed[1].slot, Slot::X);
    EXPECT_EQ(views::roleOf(placed[1].slot), Role::X);
    EXPECT_EQ(views::roleOf(placed[4].slot), Role::Z);
    EXPECT_EQ(views::roleOf(placed[3].slot), Role::None);
    // The operand pictures keep the object they show; the constant picture has its icon.
    EXPECT_EQ(dynamic_cast<TstepVaribler&>(*placed[1].object).Shown, &a);
    const auto constant = stepPictures(*add(stepkind::WithConstant, "x+A", &a, nullptr, &r, "1"));
    EXPECT_EQ(constant[2].object->VisualorImage.icon, "Conico.bmp");
}

TEST_F(StepPictures, ACallShowsTheCallOrOneBinding) {
    Tprogramspace& called = workspace.newProgram();
    called.caption = "callee";
    TMaincommander* twice = called.placeMainCommander(100, 100);
    twice->SetAlias("twice");
    auto* n = dynamic_cast<TprogramNumber*>(called.placeElement(kind::Number, 50, 50));
    auto* m = dynamic_cast<TprogramNumber*>(called.placeElement(kind::Number, 80, 50));
    n->SetAlias("n");
    m->SetAlias("m");
    auto& f = named<TprogramFunction>(kind::Function, "callee");
    Tstep* call = add(stepkind::Call, "twice", &f);

    call->CallView = 1;
    EXPECT_EQ(words(*call), "Call:CALL sFunc:callee");
    // Without a parameter there is no binding to show: the call itself stands there.
    call->CallView = 0;
    EXPECT_EQ(words(*call), "Call:CALL sFunc:callee");

    call->Parameters = {{n, nullptr, &a, nullptr}, {nullptr, m, nullptr, &r}};
    EXPECT_EQ(words(*call, 0), "sNum:a Input:@ sNum:n");
    call->CallView = 2;
    EXPECT_EQ(words(*call, 1), "sNum:m Output:@ sNum:r");
    EXPECT_EQ(words(*call, 0), "sVar: Output:@ sVar:") << "parameter 0 binds no output";
    EXPECT_EQ(words(*call, 7), "Call:CALL sFunc:callee");
}

TEST_F(StepPictures, TheCaptionNamesTheCommanderAndTheStep) {
    main.SetAlias(fromUtf8("求和\r\n第二行"));
    add(stepkind::Comment, "one");
    Tstep* second = add(stepkind::Comment, "two");
    EXPECT_EQ(toUtf8(stepCaption(*second)), "求和_第二行: Step 3");
    EXPECT_EQ(toUtf8(stepCaption(*main.step(1))), "求和_第二行: Step 1");
    EXPECT_EQ(views::stepNumber(*second), 3);
}

TEST(ChangedOperator, TheMenuSignReplacesTheOperatorOfItsFamily) {
    // Arithmetic: the second character, whichever side the constant stands.
    EXPECT_EQ(changedOperator("x+A", "*"), "x*A");
    EXPECT_EQ(changedOperator("A-x", "|"), "A|x");
    EXPECT_EQ(changedOperator("y/x", "%"), "y%x");
    // Comparisons of three and four characters, either way.
    EXPECT_EQ(changedOperator("x=A", ">="), "x>=A");
    EXPECT_EQ(changedOperator("x!=y", "<"), "x<y");
    EXPECT_EQ(changedOperator("x<=A", "!="), "x!=A");
    EXPECT_EQ(changedOperator("x&&y", "||"), "x||y");
    EXPECT_EQ(changedOperator("x||y", "&&"), "x&&y");
    EXPECT_EQ(changedOperator("x+y", "+"), "x+y");
}

TEST(ChangedOperator, OtherCodesAndForeignSignsKeepTheCode) {
    // A sign of another family would change what the step computes into another kind of
    // result than its result object holds.
    EXPECT_EQ(changedOperator("x+A", ">="), std::nullopt);
    EXPECT_EQ(changedOperator("x>y", "+"), std::nullopt);
    EXPECT_EQ(changedOperator("x&&y", "*"), std::nullopt);
    // Codes of no operator menu.
    EXPECT_EQ(changedOperator("S=A", "<"), std::nullopt);
    EXPECT_EQ(changedOperator("S+x", "-"), std::nullopt);
    EXPECT_EQ(changedOperator("sinx", "+"), std::nullopt);
    EXPECT_EQ(changedOperator("!X", "&&"), std::nullopt);
    EXPECT_EQ(changedOperator("", "+"), std::nullopt);
    EXPECT_EQ(changedOperator("x+A", ""), std::nullopt);
}

} // namespace
} // namespace olvide::testing
