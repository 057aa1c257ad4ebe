// Where the user is in a program space: a temporary that stops being selected is hidden again
// and lives on up to the cursor of its own commander; a going object leaves no pointer behind.
#include "../model_fixture.h"

namespace olvide::testing {
namespace {

class Edit : public ModelTest {
protected:
    void SetUp() override {
        main = &placeMain();
        number = &place<TprogramNumber>(kind::Number);
    }
    // "x+A" on the number; its temporary result is selected afterwards.
    TprogramNumber* addConstant() {
        platform.enter("1");
        choose(*number, "NumberxplusAClick");
        return dynamic_cast<TprogramNumber*>(space.edit.selected);
    }
    void addComments(int count) {
        for (int i = 0; i < count; ++i)
            space.services().AddStep(stepkind::Comment, "note", nullptr, nullptr, nullptr, nullptr);
    }
    TMaincommander* main = nullptr;
    TprogramNumber* number = nullptr;
};

TEST_F(Edit, ADeselectedTemporaryHidesAndLivesUpToTheCursor) {
    TprogramNumber* temp = addConstant();
    ASSERT_TRUE(temp && temp->IsTemp && temp->shown());
    addComments(12);
    ASSERT_GT(main->Position(), temp->TempLastStep);
    space.edit.deselect();
    EXPECT_EQ(space.edit.selected, nullptr);
    EXPECT_FALSE(temp->shown());
    EXPECT_EQ(temp->OperationState, opstate::Idle);
    EXPECT_EQ(temp->TempLastStep, main->Position());
}

TEST_F(Edit, AnotherCommanderLeavesTheTemporarysSpanAlone) {
    TprogramNumber* temp = addConstant();
    ASSERT_NE(temp, nullptr);
    addComments(12);
    const int last = temp->TempLastStep;
    TMaincommander* other = space.placeMainCommander(300, 300);
    space.activateCommander(other); // deselects the temporary while the other one is active
    EXPECT_EQ(space.edit.selected, nullptr);
    EXPECT_FALSE(temp->shown());
    EXPECT_EQ(temp->TempLastStep, last);
}

TEST_F(Edit, AGoingObjectLeavesNoPointerBehind) {
    auto& other = place<TprogramBoolean>(kind::Boolean);
    click(*number);
    space.edit.operate("x+y");
    ASSERT_TRUE(space.edit.operationWaits());
    space.edit.forget(&other);
    EXPECT_EQ(space.edit.selected, number);
    EXPECT_EQ(space.edit.operated, number);
    space.edit.forget(number);
    EXPECT_EQ(space.edit.selected, nullptr);
    EXPECT_EQ(space.edit.operated, nullptr);
    EXPECT_FALSE(space.edit.operationWaits());
    EXPECT_EQ(space.edit.activeCommander, main);
    space.edit.forget(main);
    EXPECT_EQ(space.edit.activeCommander, nullptr);
}

} // namespace
} // namespace olvide::testing
