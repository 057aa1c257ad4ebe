// Names and their validation: default names and kind codes of every class, the alias rules of
// the attribute windows, renames that rebuild derived names and head steps.
#include "model_fixture.h"

#include "olvide/model/commanders/argument.h"
#include "olvide/model/steps/operators.h"
#include "olvide/model/steps/step_variables.h"
#include "olvide/model/text.h"

namespace olvide::testing {
namespace {

using Names = ModelTest;

TEST_F(Names, ElementsShareOneSerialCounterAndUseTheirPrefixes) {
    std::vector<std::string> aliases;
    for (std::uint8_t k : {kind::Number, kind::Boolean, kind::Condition, kind::Iteration,
                           kind::Function, kind::String, kind::Output})
        aliases.push_back(space.placeElement(k, 50, 50)->VisualorAlias);
    EXPECT_EQ(aliases, (std::vector<std::string>{"Num1", "Bool2", "Cond3", "Iter4", "Func5", "Str6",
                                                 "Output7"}));
    EXPECT_EQ(space.placeElement(kind::Array, 1, 1), nullptr) << "arrays come from variables";
}

TEST_F(Names, TemporariesTakeTheSecondPrefixAndTheNextSerial) {
    auto& number = place<TprogramNumber>(kind::Number);
    EXPECT_EQ(space.services().MakeTempNumber(number)->VisualorAlias, "tempNum2");
    EXPECT_EQ(space.services().MakeTempBoolean(number)->VisualorAlias, "tempBool3");
    EXPECT_EQ(space.services().MakeTempString(number)->VisualorAlias, "tempStr4");
    // A temporary is placed centred at the source's right edge, two heights below its top.
    TprogramNumber* temp = space.services().MakeTempNumber(number);
    EXPECT_EQ(temp->centreX(), number.VisualorImage.left + number.VisualorImage.width);
    EXPECT_EQ(temp->centreY(), number.VisualorImage.top + 2 * number.VisualorImage.height);
    EXPECT_TRUE(temp->shown());
}

TEST_F(Names, KindCodesOfEveryClass) {
    EXPECT_EQ(space.placeElement(kind::Iteration, 0, 0)->VisualorStyle, 11);
    EXPECT_EQ(space.placeElement(kind::Condition, 0, 0)->VisualorStyle, 10);
    EXPECT_EQ(makeObject<TprogramOutputIndexAString>(nullptr, 0, 0, 1)->VisualorStyle, 14);
    EXPECT_EQ(makeObject<TProgramOutputIndexxString>(nullptr, 0, 0, 1)->VisualorStyle, 15);
    EXPECT_EQ(makeObject<TprogramIndex>(nullptr, 0, 0, 1)->VisualorStyle, 6);
    EXPECT_EQ(makeObject<TprogramArray>(nullptr, 0, 0, 1)->VisualorStyle, 5);
    EXPECT_EQ(makeObject<TTruecommander>(nullptr, 0, 0, 1)->VisualorStyle, 17);
    EXPECT_EQ(makeObject<TFalsecommander>(nullptr, 0, 0, 1)->VisualorStyle, 18);
    EXPECT_EQ(makeObject<TForcommander>(nullptr, 0, 0, 1)->VisualorStyle, 19);
    EXPECT_EQ(makeObject<Tyin>(nullptr, 0, 0, 1)->VisualorStyle, 20);
    EXPECT_EQ(makeObject<TAddoperator>(nullptr, 0, 0, 1)->VisualorStyle, 4);
    EXPECT_EQ(makeObject<TStepOIString>(nullptr, 0, 0, 1)->VisualorStyle, 12);
}

TEST_F(Names, StepVariablesArgumentsAndOthers) {
    EXPECT_EQ(makeObject<TStepNumber>(nullptr, 0, 0, 5)->VisualorName, "sNum5");
    EXPECT_EQ(makeObject<TStepNumber>(nullptr, 0, 0, 5, true)->VisualorName, "tempsNum5");
    EXPECT_EQ(makeObject<TStepFunction>(nullptr, 0, 0, 2, true)->VisualorName, "tempsfunc2");
    EXPECT_EQ(makeObject<TstepVaribler>(nullptr, 0, 0, 2, true)->VisualorName, "TempsVar2");
    EXPECT_EQ(makeObject<TArgumentOIString>(nullptr, 0, 0, 3)->VisualorName, "aOIStr3");
    EXPECT_EQ(makeObject<TArgumentCondition>(nullptr, 0, 0, 3, true)->VisualorName, "tempaCond3");
    EXPECT_EQ(makeObject<TprogramVaribler>(nullptr, 0, 0, 4, true)->VisualorName, "TemppVar4");
    EXPECT_EQ(makeObject<TVaribler>(nullptr, 0, 0, 4)->VisualorName, "Var4");
    EXPECT_EQ(makeObject<Tyin>(nullptr, 0, 0, 9)->VisualorName, "Inventor");
    // Iterations and conditions keep their prefix when temporary.
    EXPECT_EQ(makeObject<TprogramIteration>(nullptr, 0, 0, 6, true)->VisualorName, "Iter6");
    EXPECT_EQ(makeObject<Tprogramcondition>(nullptr, 0, 0, 6, true)->VisualorName, "Cond6");
    EXPECT_EQ(space.services().MakeConstant("3.5")->VisualorName, "3.5");
}

TEST_F(Names, NewMainCommanderHasItsHeadStep) {
    space.placeMainCommander(10, 10);
    space.placeMainCommander(10, 10);
    TMaincommander* third = space.placeMainCommander(10, 10);
    EXPECT_EQ(third->VisualorAlias, "Olvane3");
    EXPECT_EQ(texts(*third), std::vector<std::string>{"Olvane3 开始一个流程"});
    // A rename gives the head the renamed form: no leading blank, a full stop at the end.
    third->SetAlias("Main");
    EXPECT_EQ(texts(*third), std::vector<std::string>{"Main开始一个流程."});
}

TEST_F(Names, RenamedConditionRenamesItsCommandersAndTheirHeads) {
    placeMain();
    auto& condition = place<Tprogramcondition>(kind::Condition);
    choose(condition, "conditionShowTruemanClick");
    ASSERT_NE(condition.TrueCommander, nullptr);
    EXPECT_EQ(texts(*condition.TrueCommander),
              std::vector<std::string>{"Cond1_Trueman 开始一个流程"});
    condition.SetAlias("Big");
    EXPECT_EQ(condition.TrueCommander->VisualorAlias, "Big\r\nTrueman");
    EXPECT_EQ(texts(*condition.TrueCommander),
              std::vector<std::string>{"Big_Trueman开始一个流程."});
}

struct AliasCase {
    const char* alias;
    const char* refusal; // UTF-8; empty when accepted
};

class AliasRules : public ModelTest, public ::testing::WithParamInterface<AliasCase> {};

TEST_P(AliasRules, AreCheckedBeforeTheAliasIsTaken) {
    place<TprogramNumber>(kind::Number); // Num1
    auto& number = place<TprogramNumber>(kind::Number);
    number.SetAlias("Count");
    AttributeWindow window;
    space.fillAttributes(number, window);
    window.VisualorAlias = fromUtf8(GetParam().alias);
    EXPECT_EQ(u(space.checkAttributes(number, window)), GetParam().refusal) << GetParam().alias;
}

INSTANTIATE_TEST_SUITE_P(
    Names, AliasRules,
    ::testing::Values(AliasCase{"num9", "非法变量名称."}, AliasCase{"NUM7", "非法变量名称."},
                      AliasCase{"output3", "非法变量名称."}, AliasCase{"Iter2x", "非法变量名称."},
                      AliasCase{"output", ""}, AliasCase{"numa", ""}, AliasCase{"  total ", ""},
                      AliasCase{"Num1x", "非法变量名称."}, AliasCase{"xnum1", ""},
                      AliasCase{"nUm1", "存在一个同名变量."}, AliasCase{"123", "不允许数字名称"},
                      AliasCase{"-1.5e3", "不允许数字名称"}, AliasCase{"COUNT", ""},
                      AliasCase{"计数", ""}));

TEST_F(Names, ANumericAliasIsRefusedWhenTheBoxIsLeft) {
    EXPECT_EQ(u(Tprogramspace::checkAliasOnLeave(" 42 ")), "不允许数字名称");
    EXPECT_EQ(Tprogramspace::checkAliasOnLeave("4x"), "");
}

TEST_F(Names, CaseFoldingLeavesChineseBytesAlone) {
    // The second byte of 寮 (0xC1 0x43) is the letter C; folding it would make two different
    // names equal.
    auto& first = place<TprogramNumber>(kind::Number);
    first.SetAlias(fromUtf8("寮"));
    auto& second = place<TprogramNumber>(kind::Number);
    AttributeWindow window;
    space.fillAttributes(second, window);
    window.VisualorAlias = std::string("\xC1") + "c";
    EXPECT_EQ(space.checkAttributes(second, window), "");
}

TEST_F(Names, ArrayBoundsUpTo640Elements) {
    auto& number = place<TprogramNumber>(kind::Number);
    AttributeWindow window;
    space.fillAttributes(number, window);
    window.IsArray = true;
    window.ArrayLowdimension = 1;
    window.ArrayHighdimension = 640;
    EXPECT_EQ(space.checkAttributes(number, window), "");
    window.ArrayHighdimension = 641;
    EXPECT_EQ(u(space.checkAttributes(number, window)), "数组元素不能超过640个!");
    window.ArrayLowdimension = 5;
    window.ArrayHighdimension = 4;
    EXPECT_FALSE(space.checkAttributes(number, window).empty());
    // A refused window changes nothing.
    window.VisualorAlias = "Other";
    EXPECT_FALSE(space.applyAttributes(number, window));
    EXPECT_EQ(number.VisualorAlias, "Num1");
    EXPECT_EQ(platform.count("warning"), 1u);
}

TEST_F(Names, RenamesRebuildIndexAndOutputLineNames) {
    placeMain();
    auto& output = place<TprogramOutput>(kind::Output);
    auto& line = place<TprogramNumber>(kind::Number);
    TProgramOutputIndexxString* byNumber = space.services().OutputLineX(output, line);
    TprogramOutputIndexAString* byConstant = space.services().OutputLineA(output, 3);
    EXPECT_EQ(byNumber->VisualorAlias, "Output1[Num2]");
    EXPECT_EQ(byConstant->VisualorAlias, "Output1[3]");
    AttributeWindow window;
    space.fillAttributes(line, window);
    window.VisualorAlias = "row";
    ASSERT_TRUE(space.applyAttributes(line, window));
    EXPECT_EQ(byNumber->VisualorAlias, "Output1[row]");
    output.SetAlias("Report");
    EXPECT_EQ(byNumber->VisualorAlias, "Report[row]");
    EXPECT_EQ(byConstant->VisualorAlias, "Report[3]");
    // Finding by name ignores letter case: the same object comes back.
    EXPECT_EQ(space.services().OutputLineA(output, 3), byConstant);
}

TEST_F(Names, PictureAndLabelFollowTheObject) {
    auto& number = place<TprogramNumber>(kind::Number, 101, 101);
    // A 32 x 32 icon centred on (101, 101), halves rounded toward zero; the label under it.
    EXPECT_EQ(number.VisualorImage.left, 85);
    EXPECT_EQ(number.VisualorImage.top, 85);
    EXPECT_EQ(number.VisualorImage.icon, "numico.bmp");
    EXPECT_TRUE(number.VisualorLabel.visible);
    EXPECT_EQ(number.VisualorLabel.text, "Num1");
    EXPECT_EQ(number.VisualorLabel.width, 24);
    EXPECT_EQ(number.VisualorLabel.left, 85 + (32 - 24) / 2);
    EXPECT_EQ(number.VisualorLabel.top, 85 + 32);
    EXPECT_EQ(number.VisualorLabel.fontSize, 11);
    EXPECT_EQ(number.BlinkTimer.interval(), 600);
    number.Highlighted = true;
    number.Redraw();
    EXPECT_TRUE(number.VisualorImage.highlighted);
    EXPECT_TRUE(number.VisualorLabel.inverted);
    number.Dragging = true;
    number.visualorImageMouseMove(200, 50);
    EXPECT_EQ(number.centreX(), 200);
    EXPECT_EQ(number.VisualorLabel.top, number.VisualorImage.top + 32);
    // In the step window the label is cut to 60 pixels and starts at most 12 left of it.
    number.SetAlias("AVeryLongNameForANumber");
    number.shownIn = ShownIn::StepWindow;
    number.ShowAlias();
    EXPECT_EQ(number.VisualorLabel.width, 60);
    EXPECT_EQ(number.VisualorLabel.left, number.VisualorImage.left - 12);
    TMaincommander* main = space.placeMainCommander(10, 10);
    EXPECT_EQ(main->HintTimer.interval(), 2000);
    EXPECT_EQ(main->VisualorImage.icon, "olvan.bmp");
}

TEST_F(Names, StatusLineTexts) {
    TMaincommander& main = placeMain();
    click(main);
    EXPECT_EQ(u(platform.statusHint), "主流程Olvan:Olvane1纪录了1个步骤");
    auto& iteration = place<TprogramIteration>(kind::Iteration);
    click(iteration);
    EXPECT_EQ(u(platform.statusHint), "Iter1 (循环) 从0到0 步长1");
    choose(iteration, "IterationShowFormanClick");
    click(*iteration.ForCommander);
    EXPECT_EQ(u(platform.statusHint), "循环士流程Olvan:Iter1_Forman纪录了1个步骤");
    auto& text = place<TprogramString>(kind::String);
    click(text);
    EXPECT_EQ(u(platform.statusHint), "Str2 (字符串)");
}

} // namespace
} // namespace olvide::testing

namespace olvide::testing {
namespace {

// Names compare without regard to the case of ASCII letters; the bytes of a two- or four-byte
// character compare as they are, even when one of them is a letter's code.
TEST(NameComparison, FoldsOnlyWholeAsciiLetters) {
    EXPECT_TRUE(equalsIgnoreCase("Main", "mAIN"));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
    EXPECT_FALSE(equalsIgnoreCase("Main", "Mains"));
    EXPECT_FALSE(equalsIgnoreCase("Ma1n", "Main"));
    EXPECT_FALSE(equalsIgnoreCase("[", "{")) << "only letters differ by 32";
    // "\x81\x41" is one character whose second byte is "A": it is not folded.
    EXPECT_FALSE(equalsIgnoreCase("\x81\x41", "\x81\x61"));
    EXPECT_TRUE(equalsIgnoreCase("x\x81\x41Y", "X\x81\x41y"));
    // A four-byte character hides "A" in its last byte too.
    EXPECT_FALSE(equalsIgnoreCase("\x81\x30\x81\x41", "\x81\x30\x81\x61"));
    for (std::string_view a : {"Num1",
                               "\xca\xfd"
                               "A",
                               "a\xca\xfd", "Z\x81\x30\x81\x30z"})
        for (std::string_view b : {"NUM1",
                                   "\xca\xfd"
                                   "a",
                                   "A\xca\xfd", "z\x81\x30\x81\x30Z"})
            EXPECT_EQ(equalsIgnoreCase(a, b), lowerAscii(a) == lowerAscii(b)) << a << " " << b;
}

} // namespace
} // namespace olvide::testing
