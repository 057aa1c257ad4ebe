// Steps: the display text of every code, the breakpoint test, and the step record with its
// call bindings.
#include "hex_bytes.h"
#include "model_fixture.h"

#include "olvide/model/record_io.h"
#include "olvide/model/steps/operators.h"

namespace olvide::testing {
namespace {

class Steps : public ModelTest {
protected:
    void SetUp() override {
        main = &placeMain();
        x = &place<TprogramNumber>(kind::Number);
        y = &place<TprogramNumber>(kind::Number);
        z = &place<TprogramNumber>(kind::Number);
        x->SetAlias("x1");
        y->SetAlias("y1");
        z->SetAlias("z1");
    }
    std::string text(std::uint8_t kind, const char* code, bool withY = true, bool withX = true) {
        Tstep step(kind, code, withX ? x : nullptr, withY ? y : nullptr, z,
                   space.services().MakeConstant("5"), main, &space);
        return u(step.DisplayText());
    }
    TMaincommander* main = nullptr;
    TprogramNumber* x = nullptr;
    TprogramNumber* y = nullptr;
    TprogramNumber* z = nullptr;
};

struct TextCase {
    std::uint8_t kind;
    const char* code;
    const char* text;
};

class DisplayTexts : public Steps, public ::testing::WithParamInterface<TextCase> {};

TEST_P(DisplayTexts, FollowTheTableOfCodes) {
    EXPECT_EQ(text(GetParam().kind, GetParam().code), GetParam().text) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DisplayTexts,
    ::testing::Values(
        TextCase{1, "x+A", "x1 + 5 => z1"}, TextCase{1, "x|A", "x1 | 5 => z1"},
        TextCase{1, "A%x", "5 % x1 => z1"}, TextCase{1, "A/x", "5 / x1 => z1"},
        TextCase{1, "x>=A", "x1 >= 5 => z1"}, TextCase{1, "x!=A", "x1 != 5 => z1"},
        TextCase{1, "S+A", "x1 + '5' => z1"}, TextCase{1, "A+S", "'5' + x1 => z1"},
        TextCase{1, "S!=A", "x1 != '5' => z1"}, TextCase{1, "S<A", "x1 < '5' => z1"},
        TextCase{1, "S=A", "x1 = '5' => z1"}, TextCase{1, "S_<->A", "x1 replaced by '5' => z1"},
        TextCase{1, "SS..A", "x1 replicate 5 times => z1"}, TextCase{2, "A->x", "5 => x1"},
        TextCase{2, "F->x", "5 => x1"}, TextCase{2, "A->S", "'5' => x1"},
        TextCase{2, "O+A", "'5' add to x1"}, TextCase{3, "logx", "Ln(x1) => z1"},
        TextCase{3, "tgx", "Tg(x1) => z1"}, TextCase{3, "arctgx", "Arctg(x1) => z1"},
        TextCase{3, "Strx", "STR(x1) => z1"}, TextCase{3, "!X", "!x1 => z1"},
        TextCase{3, "A(BC)D", "Substring(x1) => z1"}, TextCase{3, "----", "LEN(x1) => z1"},
        TextCase{3, "_----", "LEN(x1 clip) => z1"}, TextCase{3, "S}8", "Number(x1) => z1"},
        TextCase{3, "S_}8", "Number(x1 clip) => z1"}, TextCase{3, "***", "Clear x1"},
        TextCase{4, "y-x", "y1 - x1 => z1"}, TextCase{4, "x%y", "x1 % y1 => z1"},
        TextCase{4, "x<=y", "x1 <= y1 => z1"}, TextCase{4, "x&&y", "x1 & y1 => z1"},
        TextCase{4, "x||y", "x1 | y1 => z1"}, TextCase{4, "S+x", "x1 + y1 => z1"},
        TextCase{4, "S>=x", "x1 >= y1 => z1"}, TextCase{4, "S_<->x", "x1被y1替换 => z1"},
        TextCase{4, "SS..x", "x1重复y1次 => z1"}, TextCase{4, "O+S", "y1 add to x1"},
        TextCase{5, "x->y", "x1 => y1"}, TextCase{5, "S->x", "x1 => y1"},
        TextCase{5, "S_->x", "x1 clip => y1"}, TextCase{5, "O->x", "x1 => y1"},
        TextCase{8, "DOC", "Do x1"}, TextCase{8, "DOI", "Do x1"}, TextCase{8, "EXF", "退出到x1"},
        TextCase{8, "...", "返回"}, TextCase{7, "Go", "调用x1_Go"},
        TextCase{6, "any comment", "any comment"}, TextCase{0, "head text", "head text"}));

TEST_F(Steps, ExitWithoutATargetLeavesTheNearestLoop) {
    EXPECT_EQ(text(8, "EXF", false, false), "退出最近循环");
}

TEST_F(Steps, TwoLineAliasesShowWithAnUnderscore) {
    x->SetAlias("Iter1\r\nFromer");
    y->SetAlias(fromUtf8("甲\r\n乙"));
    EXPECT_EQ(text(5, "x->y"), "Iter1_Fromer => 甲_乙");
}

TEST_F(Steps, CodesDecodeOnlyInTheirKind) {
    EXPECT_EQ(decodeOp(1, "x+A"), Op::XPlusA);
    EXPECT_EQ(decodeOp(4, "x+A"), Op::Unknown);
    EXPECT_EQ(decodeOp(4, "x|y"), Op::XQuotY);
    EXPECT_EQ(decodeOp(4, "x||y"), Op::Or);
    EXPECT_EQ(decodeOp(0, "x+y"), Op::Head);
    EXPECT_EQ(decodeOp(7, "x+y"), Op::Call);
    EXPECT_EQ(stepKindOf("O+S"), 4);
    EXPECT_EQ(stepKindOf("[X]"), 0);
    EXPECT_EQ(resultKindOf(Op::SGtX), kind::Boolean);
    EXPECT_EQ(resultKindOf(Op::Str), kind::String);
    EXPECT_EQ(resultKindOf(Op::OAddS), 0);
    Tstep step(1, "x+A", x, nullptr, z, nullptr, main, &space);
    step.setCode("x*A");
    EXPECT_EQ(step.op, Op::XTimesA);
    EXPECT_EQ(operatorSign("x|y"), "|");
    EXPECT_EQ(operatorSign("sinx"), "SIN");
    EXPECT_EQ(operatorSign("DOC"), "TF$");
}

TEST_F(Steps, BreakpointsOfTheStepOrOfItsObjects) {
    Tstep step(4, "x+y", x, y, z, nullptr, main, &space);
    EXPECT_FALSE(step.IsBreak());
    z->IsBreakpoint = true;
    EXPECT_TRUE(step.IsBreak());
    z->IsBreakpoint = false;
    step.StepBreak = true;
    EXPECT_TRUE(step.IsBreak());
    // The key "X" on a number toggles its breakpoint attribute.
    click(*y);
    space.keyDown('X', {});
    EXPECT_TRUE(y->IsBreakpoint);
}

TEST_F(Steps, RecordWritesSerialsAndReadsThemBack) {
    Tprogramconstant* constant = space.services().MakeConstant("5");
    Tstep step(1, "x+A", x, nullptr, z, constant, main, &space);
    RecordWriter writer;
    step.WriteTo(writer);
    // kind 1, "x+A", x = element 1, no y, z = element 3, constant 1.
    EXPECT_EQ(hex(writer.bytes()), "02 01 06 03 78 2B 41 02 01 02 00 02 03 02 01");
    const std::string bytes = writer.take();
    RecordReader reader(bytes);
    auto read = Tstep::ReadFrom(reader, main, &space);
    ASSERT_TRUE(reader.ok());
    EXPECT_EQ(read->StepKind, 1);
    EXPECT_EQ(read->op, Op::XPlusA);
    EXPECT_EQ(read->ObjectX, x);
    EXPECT_EQ(read->ObjectY, nullptr);
    EXPECT_EQ(read->ObjectZ, z);
    // The constant is the first step's: the step read back holds a copy of its own.
    ASSERT_NE(read->Constant, nullptr);
    EXPECT_NE(read->Constant, constant);
    EXPECT_EQ(read->constantText(), "5");
}

TEST_F(Steps, SerialsPastTheListReadAsNone) {
    RecordWriter writer;
    writer.writeInteger(5);
    writer.writeString("x->y");
    for (int serial : {3, 99, -1, 0})
        writer.writeInteger(serial);
    const std::string bytes = writer.take();
    RecordReader reader(bytes);
    auto read = Tstep::ReadFrom(reader, main, &space);
    EXPECT_EQ(read->ObjectX, z);
    EXPECT_EQ(read->ObjectY, nullptr);
    EXPECT_EQ(read->ObjectZ, nullptr);
    EXPECT_EQ(read->Constant, nullptr);
}

TEST_F(Steps, CallOfAMissingFunctionKeepsTheFollowingRecordsInPlace) {
    auto& function = place<TprogramFunction>(kind::Function);
    function.SetAlias("Nowhere");
    Tstep call(7, "Go", &function, nullptr, nullptr, nullptr, main, &space);
    call.Parameters = {{x, nullptr, y, nullptr}, {nullptr, x, nullptr, z}};
    Tstep after(2, "A->x", x, nullptr, nullptr, nullptr, main, &space);
    RecordWriter writer;
    call.WriteTo(writer);
    after.WriteTo(writer);
    const std::string bytes = writer.take();
    RecordReader reader(bytes);
    auto first = Tstep::ReadFrom(reader, main, &space);
    EXPECT_EQ(platform.count("warning"), 1u);
    EXPECT_EQ(u(platform.last("warning")->text), "函数装入错误!");
    EXPECT_TRUE(first->Parameters.empty());
    auto second = Tstep::ReadFrom(reader, main, &space);
    ASSERT_TRUE(reader.ok());
    EXPECT_EQ(second->Code, "A->x");
    EXPECT_EQ(second->ObjectX, x);
    EXPECT_TRUE(reader.atEnd());
}

TEST_F(Steps, CallBindingsResolveInBothPrograms) {
    Tprogramspace& library = workspace.newProgram();
    library.fileName = "/some/where/Lib.olv";
    TMaincommander* go = library.placeMainCommander(10, 10);
    auto* input = dynamic_cast<TprogramNumber*>(library.placeElement(kind::Number, 5, 5));
    auto* output = dynamic_cast<TprogramNumber*>(library.placeElement(kind::Number, 5, 5));
    library.activateCommander(go);
    input->Stores[0].StoreInput = true;
    output->Stores[0].StoreOutput = true;
    go->ArgumentList = {input, output};

    auto& function = place<TprogramFunction>(kind::Function);
    function.SetAlias("Lib");
    Tstep call(7, "Olvane1", &function, nullptr, nullptr, nullptr, main, &space);
    call.alignParameters(*go);
    ASSERT_EQ(call.Parameters.size(), 2u);
    EXPECT_EQ(call.Parameters[0].formalInput, input);
    EXPECT_EQ(call.Parameters[0].formalOutput, nullptr);
    EXPECT_EQ(call.Parameters[1].formalOutput, output);
    call.Parameters[0].actualInput = x;
    call.Parameters[1].actualOutput = z;

    RecordWriter writer;
    call.WriteTo(writer);
    const std::string bytes = writer.take();
    RecordReader reader(bytes);
    auto read = Tstep::ReadFrom(reader, main, &space);
    ASSERT_EQ(read->Parameters.size(), 2u);
    EXPECT_EQ(read->Parameters[0].formalInput, input);
    EXPECT_EQ(read->Parameters[0].actualInput, x);
    EXPECT_EQ(read->Parameters[1].formalOutput, output);
    EXPECT_EQ(read->Parameters[1].actualOutput, z);
    EXPECT_EQ(read->calledCommander(), go);

    // Swapping the arguments moves the bindings with them; an argument that stops being an
    // input loses its actual input.
    go->ArgumentList = {output, input};
    input->Stores[0].StoreInput = false;
    read->alignParameters(*go);
    ASSERT_EQ(read->Parameters.size(), 2u);
    EXPECT_EQ(read->Parameters[0].formalOutput, output);
    EXPECT_EQ(read->Parameters[1].formalInput, input);
    EXPECT_EQ(read->Parameters[1].actualInput, nullptr);
    go->ArgumentList = {output};
    read->alignParameters(*go);
    EXPECT_EQ(read->Parameters.size(), 1u);

    // Closing the library drops the bindings that pointed into it.
    main->appendStep(std::move(read));
    const Tstep& kept = *main->Steps.back();
    workspace.closeProgram(library);
    EXPECT_EQ(kept.Parameters[0].formalOutput, nullptr);
    EXPECT_EQ(kept.calledCommander(), nullptr);
}

TEST_F(Steps, DamagedCallRecordEndsReading) {
    RecordWriter writer;
    writer.writeInteger(7);
    writer.writeString("Go");
    for (int serial : {0, 0, 0, 0})
        writer.writeInteger(serial);
    writer.writeInteger(2000000000); // bindings that are not there
    const std::string bytes = writer.take();
    RecordReader reader(bytes);
    auto read = Tstep::ReadFrom(reader, main, &space);
    EXPECT_FALSE(reader.ok());
    EXPECT_TRUE(read->Parameters.empty());
}

} // namespace
} // namespace olvide::testing
