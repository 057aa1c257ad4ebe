// Temporaries: their life span follows inserts and deletes, and they leave the program once no
// step uses them.
#include "model_fixture.h"

#include "olvide/model/record_io.h"

namespace olvide::testing {
namespace {

class Temporaries : public ModelTest {
protected:
    void SetUp() override {
        main = &placeMain();
        number = &place<TprogramNumber>(kind::Number);
    }
    // "x+A" on the number: one step, one temporary (selected afterwards).
    TprogramNumber* addConstant(TVaribler& x, const char* value = "1") {
        platform.enter(value);
        choose(x, "NumberxplusAClick");
        return dynamic_cast<TprogramNumber*>(space.edit.selected);
    }
    TMaincommander* main = nullptr;
    TprogramNumber* number = nullptr;
};

TEST_F(Temporaries, LifeSpanStartsAfterTheCursor) {
    addConstant(*number);
    addConstant(*number);
    TprogramNumber* temp = addConstant(*number);
    ASSERT_NE(temp, nullptr);
    EXPECT_TRUE(temp->IsTemp);
    EXPECT_EQ(temp->TempCommanderId, main->VisualorId);
    EXPECT_EQ(temp->TempFirstStep, 4);
    EXPECT_GE(temp->TempLastStep, 4 + 8);
}

TEST_F(Temporaries, InsertsAndDeletesBeforeItMoveItsSpan) {
    addConstant(*number);
    TprogramNumber* temp = addConstant(*number);
    const int first = temp->TempFirstStep;
    const int last = temp->TempLastStep;
    main->SetPosition(1);
    space.services().AddStep(stepkind::Comment, "note", nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(temp->TempFirstStep, first + 1);
    EXPECT_EQ(temp->TempLastStep, last + 1);
    main->DeleteStep(2);
    EXPECT_EQ(temp->TempFirstStep, first);
    EXPECT_EQ(temp->TempLastStep, last);
    EXPECT_TRUE(listed(temp));
}

TEST_F(Temporaries, OneNoStepUsesLeavesTheProgram) {
    TprogramNumber* temp = addConstant(*number);
    ASSERT_TRUE(listed(temp));
    const std::size_t constants = space.objects.constants.size();
    main->DeleteStep(2);
    EXPECT_FALSE(listed(temp));
    EXPECT_EQ(space.objects.constants.size(), constants - 1) << "the step's constant goes with it";
    EXPECT_EQ(space.edit.selected, nullptr);
    ASSERT_EQ(workspace.pendingRelease.size(), 1u);
    EXPECT_FALSE(platform.destroyed.contains(temp));
    workspace.releasePending();
    EXPECT_TRUE(platform.destroyed.contains(temp));
}

TEST_F(Temporaries, AStillUsedTemporaryStays) {
    TprogramNumber* temp = addConstant(*number);
    addConstant(*temp); // a step that reads the temporary
    main->DeleteStep(2);
    EXPECT_TRUE(listed(temp));
    main->DeleteStep(2);
    EXPECT_FALSE(listed(temp));
}

TEST_F(Temporaries, ATemporaryStringGoesWithItsParts) {
    choose(*number, "numberstrxClick");
    auto* text = dynamic_cast<TprogramString*>(space.edit.selected);
    ASSERT_NE(text, nullptr);
    ASSERT_NE(text->LocatePart, nullptr);
    const std::size_t before = space.objects.elements.size();
    main->DeleteStep(2);
    EXPECT_EQ(space.objects.elements.size(), before - 4);
}

TEST_F(Temporaries, DeselectedTemporaryIsHiddenAgain) {
    TprogramNumber* temp = addConstant(*number);
    EXPECT_TRUE(temp->shown());
    click(*number);
    EXPECT_FALSE(temp->shown());
    EXPECT_EQ(temp->OperationState, opstate::Idle);
}

TEST_F(Temporaries, KeyVHidesAShownTemporaryAndReleasesAnUnusedOne) {
    TprogramNumber* used = addConstant(*number);
    space.keyDown('V', {});
    EXPECT_FALSE(used->shown());
    EXPECT_TRUE(listed(used));
    TprogramNumber* unused = space.services().MakeTempNumber(*number);
    click(*unused);
    space.keyDown('V', {});
    EXPECT_FALSE(listed(unused));
    EXPECT_EQ(space.edit.selected, nullptr);
}

TEST_F(Temporaries, DeletingACommanderFreesItsTemporaries) {
    auto& iteration = place<TprogramIteration>(kind::Iteration);
    choose(iteration, "IterationShowFormanClick");
    TForcommander* body = iteration.ForCommander;
    click(*body);
    TprogramNumber* temp = addConstant(*number);
    ASSERT_EQ(temp->TempCommanderId, 1001);
    click(*body); // activating the commander deselects the temporary
    ASSERT_EQ(space.edit.selected, nullptr);
    platform.ok();
    space.keyDown(key::Delete, {});
    EXPECT_EQ(u(platform.last("confirm")->text), "你确实要删除Iter2_Forman吗?");
    EXPECT_FALSE(listed(temp));
    EXPECT_EQ(iteration.ForCommander, nullptr);
    EXPECT_EQ(space.edit.activeCommander, nullptr);
    EXPECT_EQ(space.objects.commanders.size(), 1u);
}

TEST_F(Temporaries, LifeSpanSurvivesTheObjectRecord) {
    TprogramNumber* temp = addConstant(*number);
    RecordWriter writer;
    temp->save(writer);
    const std::string bytes = writer.take();
    RecordReader reader(bytes);
    ASSERT_EQ(reader.readInteger(), kind::Number);
    auto read = space.objects.createElementForReading(kind::Number);
    read->load(reader);
    ASSERT_TRUE(reader.ok());
    EXPECT_TRUE(read->IsTemp);
    EXPECT_EQ(read->TempFirstStep, temp->TempFirstStep);
    EXPECT_EQ(read->TempLastStep, temp->TempLastStep);
    EXPECT_EQ(read->TempCommanderId, temp->TempCommanderId);
    EXPECT_FALSE(read->shown()) << "temporaries are hidden after reading";
}

} // namespace
} // namespace olvide::testing
