// Deleting objects and commanders with their questions, the limits and order of the program
// space's lists, and selection between commanders and visual objects.
#include "model_fixture.h"

namespace olvide::testing {
namespace {

class Deletion : public ModelTest {
protected:
    void SetUp() override { main = &placeMain(); }
    TMaincommander* main = nullptr;
};

TEST_F(Deletion, QuestionsNameTheObjectAndTheConsequence) {
    auto& number = place<TprogramNumber>(kind::Number);
    auto& iteration = place<TprogramIteration>(kind::Iteration);
    auto& condition = place<Tprogramcondition>(kind::Condition);
    auto& output = place<TprogramOutput>(kind::Output);
    EXPECT_EQ(u(space.deleteQuestion(number)),
              "删除Num1将去掉所有与之有关的步骤和索引!\r\n你确实要删除它吗?");
    EXPECT_EQ(u(space.deleteQuestion(iteration)),
              "删除Iter2将去掉所有与之有关的步骤、索引以及子流程Olvan!\r\n你确实要删除它吗?");
    EXPECT_EQ(u(space.deleteQuestion(condition)),
              "删除Cond3将去掉所有与之有关的步骤和子流程Olvan!\r\n你确实要删除它吗?");
    EXPECT_EQ(u(space.deleteQuestion(output)),
              "删除Output4将去掉所有与之有关的步骤!\r\n你确实要删除它吗?");
}

TEST_F(Deletion, CancelKeepsEverything) {
    auto& number = place<TprogramNumber>(kind::Number);
    platform.enter("1");
    choose(number, "numberSetAClick");
    click(number);
    platform.cancel();
    space.keyDown(key::Delete, {});
    EXPECT_EQ(platform.count("confirm"), 1u);
    EXPECT_TRUE(listed(&number));
    EXPECT_EQ(main->stepCount(), 2);
}

TEST_F(Deletion, ANumberTakesItsStepsAndIndexesInEveryCommander) {
    auto& number = place<TprogramNumber>(kind::Number);
    auto& values = place<TprogramNumber>(kind::Number);
    auto& condition = place<Tprogramcondition>(kind::Condition);
    AttributeWindow window;
    space.fillAttributes(values, window);
    window.IsArray = true;
    window.ArrayHighdimension = 3;
    platform.ok();
    ASSERT_TRUE(space.applyAttributes(values, window));
    TprogramIndex* index = space.services().IndexElement(*values.ArrayObject, number);
    platform.enter("2");
    choose(number, "NumberxplusAClick");
    choose(condition, "conditionShowTruemanClick");
    click(*condition.TrueCommander);
    choose(*index, "numberintxClick");
    click(*main);
    platform.ok();
    choose(number, "numberDeleteClick");
    EXPECT_FALSE(listed(&number));
    EXPECT_FALSE(listed(index));
    EXPECT_EQ(main->stepCount(), 1);
    EXPECT_EQ(condition.TrueCommander->stepCount(), 1);
    EXPECT_EQ(space.edit.selected, nullptr);
    EXPECT_TRUE(listed(values.ArrayObject));
    // Every temporary of the removed steps went too; the array's elements stay.
    for (const auto& e : space.objects.elements)
        EXPECT_FALSE(e->IsTemp) << e->VisualorAlias;
}

TEST_F(Deletion, ConditionsAndIterationsTakeTheirCommandersAndParts) {
    auto& condition = place<Tprogramcondition>(kind::Condition);
    auto& iteration = place<TprogramIteration>(kind::Iteration);
    choose(condition, "conditionShowTruemanClick");
    choose(condition, "ConditionShowFalsemanClick");
    choose(iteration, "IterationShowFormanClick");
    ASSERT_EQ(space.objects.commanders.size(), 4u);
    platform.ok();
    choose(condition, "conditiondeleteClick");
    EXPECT_EQ(space.objects.commanders.size(), 2u);
    platform.ok();
    choose(iteration, "IterationdeleteClick");
    EXPECT_EQ(space.objects.commanders.size(), 1u);
    EXPECT_TRUE(space.objects.elements.empty()) << "the parts went with the iteration";
    EXPECT_EQ(space.edit.activeCommander, main) << "the edited commander stays";
}

TEST_F(Deletion, DerivedObjectsAreNeverOffered) {
    auto& iteration = place<TprogramIteration>(kind::Iteration);
    choose(iteration, "ShowIterationToerClick");
    click(*iteration.ToPart);
    space.keyDown(key::Delete, {});
    EXPECT_FALSE(space.deleteElement(*iteration.ToPart));
    EXPECT_EQ(platform.count("confirm"), 0u);
    EXPECT_TRUE(listed(iteration.ToPart));
}

TEST_F(Deletion, AnOutputTakesItsLines) {
    auto& output = place<TprogramOutput>(kind::Output);
    TprogramOutputIndexAString* line = space.services().OutputLineA(output, 1);
    choose(*line, "StringlengthWholeClick");
    platform.ok();
    choose(output, "OutputDeleteClick");
    EXPECT_FALSE(listed(line));
    EXPECT_EQ(main->stepCount(), 1);
}

TEST_F(Deletion, DeletingAMainCommanderMovesTheLaterStoresUp) {
    TMaincommander* second = space.placeMainCommander(50, 50);
    auto& number = place<TprogramNumber>(kind::Number);
    number.Stores[0].StoreValue = "first";
    number.Stores[1].StoreValue = "second";
    click(*main);
    platform.ok();
    space.keyDown(key::Delete, {});
    EXPECT_EQ(u(platform.last("confirm")->text), "你确实要删除Olvane1吗?");
    ASSERT_EQ(space.objects.commanders.size(), 1u);
    EXPECT_EQ(space.objects.commanders[0].get(), second);
    EXPECT_EQ(space.edit.activeCommander, nullptr);
    EXPECT_EQ(number.Stores[0].StoreValue, "second");
    EXPECT_EQ(number.Stores[7].StoreValue, "0");
}

TEST_F(Deletion, AtMostEightMainCommandersAheadOfTheOthers) {
    auto& condition = place<Tprogramcondition>(kind::Condition);
    choose(condition, "conditionShowTruemanClick");
    for (int i = 2; i <= 8; ++i)
        ASSERT_NE(space.placeMainCommander(10, 10), nullptr);
    EXPECT_EQ(space.placeMainCommander(10, 10), nullptr);
    EXPECT_EQ(u(platform.last("warning")->text), "只允许放置8个流程Olvan!");
    EXPECT_EQ(space.objects.mainCommanderCount, 8);
    ASSERT_EQ(space.objects.commanders.size(), 9u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(space.objects.commanders[i]->VisualorStyle, kind::Main);
    EXPECT_EQ(space.objects.commanders[8]->VisualorId, 1001);
    EXPECT_EQ(space.objects.mainCommander(7)->VisualorAlias, "Olvane8");
}

TEST_F(Deletion, VisualObjectsGoWithoutAQuestion) {
    Tyin* yin = space.placeYin(30, 30);
    click(*yin);
    EXPECT_EQ(space.edit.selectedYin, yin);
    EXPECT_EQ(space.edit.activeCommander, nullptr) << "selecting a visual object ends the editing";
    space.keyDown(key::Delete, {});
    EXPECT_TRUE(space.objects.yins.empty());
    EXPECT_EQ(platform.count("confirm"), 0u);
}

TEST(ProgramSpace, NewProgramStartsUnsavedWithItsCounters) {
    ScriptedPlatform platform;
    Workspace workspace(platform);
    Tprogramspace& space = workspace.newProgram();
    EXPECT_TRUE(space.modified) << "a new program closes with the unsaved question";
    EXPECT_TRUE(space.callLinksIntact);
    EXPECT_EQ(space.objects.flowCommanderCount, 1000);
    EXPECT_EQ(space.objects.elementCount + space.objects.constantCount +
                  space.objects.mainCommanderCount,
              0);
    EXPECT_EQ(toUtf8(space.programName()), "Olvan编程语言");
    space.fileName = "/home/a/Sum.olv";
    EXPECT_EQ(space.programName(), "Sum");
    EXPECT_EQ(workspace.findProgram("SUM"), &space);
}

TEST_F(Deletion, CtrlWTwiceRestoresTheDrawingSwitch) {
    space.keyDown('W', {.ctrl = true});
    EXPECT_FALSE(space.drawingEnabled);
    space.keyDown('W', {.ctrl = true});
    EXPECT_TRUE(space.drawingEnabled);
}

TEST_F(Deletion, ATemporaryDeletedByHandIsFreedOnce) {
    auto& number = place<TprogramNumber>(kind::Number);
    platform.enter("1");
    choose(number, "NumberxplusAClick");
    auto* temp = dynamic_cast<TprogramNumber*>(space.edit.selected);
    ASSERT_NE(temp, nullptr);
    platform.ok();
    space.keyDown(key::Delete, {});
    EXPECT_FALSE(listed(temp));
    EXPECT_EQ(main->stepCount(), 1);
    EXPECT_TRUE(workspace.pendingRelease.empty());
    EXPECT_TRUE(platform.destroyed.contains(temp));
}

} // namespace
} // namespace olvide::testing
