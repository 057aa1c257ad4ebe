// The operation protocol: codes started on an element, constants typed or cancelled, second
// operands accepted or refused, Escape, and the steps each code builds.
#include "model_fixture.h"

namespace olvide::testing {
namespace {

class Protocol : public ModelTest {
protected:
    void SetUp() override { main = &placeMain(); }
    TMaincommander* main = nullptr;
    std::string lastText() const { return u(main->Steps.back()->DisplayText()); }
};

TEST_F(Protocol, CancelledConstantAddsNothing) {
    auto& number = place<TprogramNumber>(kind::Number);
    platform.cancel();
    choose(number, "NumberxplusAClick");
    EXPECT_EQ(main->stepCount(), 1);
    EXPECT_TRUE(space.objects.constants.empty());
    EXPECT_EQ(space.objects.elements.size(), 1u) << "no temporary";
    EXPECT_EQ(space.edit.selected, &number);
    EXPECT_EQ(number.OperationState, opstate::Ready);
    EXPECT_FALSE(number.BlinkTimer.enabled());
    EXPECT_EQ(space.edit.operated, nullptr);
}

TEST_F(Protocol, ConstantWindowsFollowTheCode) {
    auto& number = place<TprogramNumber>(kind::Number);
    platform.enter("3");
    choose(number, "numberxmultipleAClick");
    const auto* asked = platform.last("askNumber");
    ASSERT_NE(asked, nullptr);
    EXPECT_EQ(asked->constant.caption, " x * A ");
    EXPECT_EQ(asked->constant.declaration, " x * ");
    EXPECT_EQ(asked->constant.initialText, "1");
    EXPECT_FALSE(asked->constant.valueFirst);
    EXPECT_EQ(lastText(), "Num1 * 3 => tempNum2");

    platform.enter("7");
    choose(number, "numberAminusxClick");
    EXPECT_TRUE(platform.last("askNumber")->constant.valueFirst);
    EXPECT_EQ(platform.last("askNumber")->constant.initialText, "0");
    EXPECT_EQ(lastText(), "7 - Num1 => tempNum3");

    auto& text = place<TprogramString>(kind::String);
    platform.enter("abc");
    choose(text, "StringGreatEqualAClick");
    EXPECT_EQ(platform.last("askString")->constant.caption, " S >= A ");
    EXPECT_EQ(lastText(), "Str4 >= 'abc' => tempBool5");
}

TEST_F(Protocol, ARefusedOperandLeavesTheOperationWaiting) {
    auto& number = place<TprogramNumber>(kind::Number);
    auto& flag = place<TprogramBoolean>(kind::Boolean);
    auto& other = place<TprogramNumber>(kind::Number);
    choose(number, "numberxplusyClick");
    ASSERT_EQ(number.OperationState, opstate::Operating);
    click(flag);
    EXPECT_EQ(number.OperationState, opstate::Operating);
    EXPECT_TRUE(number.BlinkTimer.enabled());
    EXPECT_EQ(main->stepCount(), 1);
    EXPECT_EQ(space.edit.operated, &number);
    // The blink alternates the picture every tick.
    const bool before = number.VisualorImage.highlighted;
    platform.tickTimers();
    EXPECT_NE(number.VisualorImage.highlighted, before);
    click(other);
    EXPECT_EQ(lastText(), "Num1 + Num3 => tempNum4");
    EXPECT_FALSE(number.BlinkTimer.enabled());
}

TEST_F(Protocol, EscapeCancelsAWaitingOperation) {
    auto& number = place<TprogramNumber>(kind::Number);
    choose(number, "numberxlessyClick");
    space.keyDown(key::Escape, {});
    EXPECT_EQ(number.OperationState, opstate::Ready);
    EXPECT_EQ(space.edit.selected, &number);
    EXPECT_EQ(space.edit.operated, nullptr);
    click(place<TprogramNumber>(kind::Number));
    EXPECT_EQ(main->stepCount(), 1);
}

TEST_F(Protocol, AnOperationBegunDirectlyEndsToo) {
    auto& number = place<TprogramNumber>(kind::Number);
    platform.enter("2");
    number.beginOperation("x-A");
    EXPECT_EQ(lastText(), "Num1 - 2 => tempNum2");
    EXPECT_EQ(number.OperationState, opstate::Ready);
    EXPECT_FALSE(number.BlinkTimer.enabled());
}

TEST_F(Protocol, AMenuEntryWithNothingSelectedDoesNothing) {
    place<TprogramNumber>(kind::Number);
    ASSERT_EQ(space.edit.selected, nullptr);
    EXPECT_TRUE(space.runHandler("NumberxplusAClick"));
    EXPECT_EQ(space.edit.operated, nullptr);
    EXPECT_TRUE(platform.requests.empty() || platform.count("askNumber") == 0);
    EXPECT_FALSE(space.runHandler("NoSuchClick"));
}

TEST_F(Protocol, WithoutACommanderBeingEditedNoStepIsMade) {
    space.edit.activeCommander = nullptr;
    auto& number = place<TprogramNumber>(kind::Number);
    choose(number, "numberintxClick");
    EXPECT_EQ(main->stepCount(), 1);
    EXPECT_EQ(space.objects.elements.size(), 1u);
    EXPECT_EQ(number.OperationState, opstate::Ready);
}

TEST_F(Protocol, StepsOfOneElement) {
    auto& text = place<TprogramString>(kind::String);
    auto& flag = place<TprogramBoolean>(kind::Boolean);
    auto& output = place<TprogramOutput>(kind::Output);
    auto& condition = place<Tprogramcondition>(kind::Condition);
    choose(text, "StringlengthWholeClick");
    EXPECT_EQ(lastText(), "LEN(Str1) => tempNum5");
    choose(text, "StringtoNumberClipClick");
    EXPECT_EQ(lastText(), "Number(Str1 clip) => tempNum6");
    choose(flag, "BooleanSetTrueClick");
    EXPECT_EQ(lastText(), "TRUE => Bool2");
    EXPECT_EQ(platform.count("askNumber") + platform.count("askString"), 0u);
    choose(flag, "BooleanNotXClick");
    EXPECT_EQ(lastText(), "!Bool2 => tempBool7");
    platform.enter("hello");
    choose(output, "OutputAddLineSClick");
    EXPECT_EQ(lastText(), "'hello' add to Output3");
    choose(output, "OutputClearClick");
    EXPECT_EQ(lastText(), "Clear Output3");
    choose(condition, "ConditionDoClick");
    EXPECT_EQ(lastText(), "Do Cond4");
    choose(condition, "ConditionExitClick");
    EXPECT_EQ(lastText(), "退出到Cond4");
    EXPECT_EQ(main->Steps.back()->StepKind, stepkind::Flow);
}

TEST_F(Protocol, StepsOfTwoElements) {
    auto& text = place<TprogramString>(kind::String);
    auto& times = place<TprogramNumber>(kind::Number);
    auto& other = place<TprogramString>(kind::String);
    choose(text, "StringReplicatexClick");
    click(other); // a string is no count
    EXPECT_EQ(main->stepCount(), 1);
    click(times);
    EXPECT_EQ(lastText(), "Str1重复Num2次 => tempStr4");
    choose(text, "StringReplacedByxClick");
    click(other);
    EXPECT_EQ(lastText(), "Str1被Str3替换 => tempStr5");
    choose(text, "StringClipSetClick");
    click(other);
    EXPECT_EQ(lastText(), "Str1 clip => Str3");
    EXPECT_EQ(main->Steps.back()->StepKind, stepkind::Copy);
}

TEST_F(Protocol, OutputsTakeLinesAndStrings) {
    auto& output = place<TprogramOutput>(kind::Output);
    auto& number = place<TprogramNumber>(kind::Number);
    auto& text = place<TprogramString>(kind::String);
    choose(output, "OutputAddLinexClick");
    click(number);
    EXPECT_EQ(main->stepCount(), 1) << "a number is no line";
    click(text);
    EXPECT_EQ(lastText(), "Str3 add to Output1");
    platform.enterIndex(2);
    choose(output, "OutputIndexAClick");
    auto* line = dynamic_cast<TprogramOutputIndexAString*>(space.edit.selected);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->VisualorAlias, "Output1[2]");
    EXPECT_TRUE(line->shown());
    choose(output, "OutputIndexxClick");
    click(number);
    auto* byNumber = dynamic_cast<TProgramOutputIndexxString*>(space.edit.selected);
    ASSERT_NE(byNumber, nullptr);
    EXPECT_EQ(byNumber->LineIndex, &number);
    // A line string takes part in string steps.
    choose(*line, "StringaddxClick");
    click(text);
    EXPECT_EQ(lastText(),
              "Output1[2] + Str3 => tempStr" + std::to_string(space.objects.elementCount));
}

TEST_F(Protocol, KeysSendTheSameCodesAsMenus) {
    auto& a = place<TprogramNumber>(kind::Number);
    auto& b = place<TprogramNumber>(kind::Number);
    click(a);
    space.keyDown(key::Equals, {.shift = true});
    EXPECT_EQ(a.PendingCode, "x+y");
    click(b);
    EXPECT_EQ(lastText(), "Num1 + Num2 => tempNum3");
    click(a);
    platform.enter("4");
    space.keyDown(key::Comma, {.shift = true, .alt = true});
    EXPECT_EQ(lastText(), "Num1 < 4 => tempBool4");
    click(a);
    space.keyDown('S', {});
    EXPECT_EQ(a.PendingCode, "x->y");
}

TEST_F(Protocol, FunctionCallStepsNameTheCalledCommander) {
    Tprogramspace& library = workspace.newProgram();
    library.fileName = "/tmp/Lib.olv";
    TMaincommander* go = library.placeMainCommander(10, 10);
    go->SetAlias("Go");
    auto& function = place<TprogramFunction>(kind::Function);
    function.SetAlias("lib");
    EXPECT_EQ(function.program(), &library);
    EXPECT_EQ(function.commanderAliases(), std::vector<std::string>{"Go"});
    function.callCommander("GO");
    ASSERT_EQ(main->stepCount(), 2);
    const Tstep& call = *main->Steps.back();
    EXPECT_EQ(call.StepKind, stepkind::Call);
    EXPECT_EQ(call.Code, "GO");
    EXPECT_EQ(lastText(), "调用lib_GO");
    EXPECT_EQ(call.calledCommander(), go);
    function.callCommander("Missing");
    EXPECT_EQ(main->stepCount(), 2);
    // Renaming the called commander renames it in the call steps.
    go->SetAlias("Run");
    EXPECT_EQ(call.Code, "Run");
}

} // namespace
} // namespace olvide::testing
