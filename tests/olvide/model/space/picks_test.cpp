// A picture outside the program space (an operand of the step window, an argument of the
// parameter window) waiting with a picking operation takes the next element the user clicks,
// when its kind accepts that element; other operations on such a picture pick nothing.
#include "../model_fixture.h"

#include "olvide/model/steps/step_variables.h"

namespace olvide::testing {
namespace {

class Picks : public ModelTest {
protected:
    void SetUp() override {
        placeMain();
        picture.Create(0, 0, 0);
        picture.OnPick = [this](TprogramVaribler& element) { picked.push_back(&element); };
    }
    void waitFor(const char* code) {
        space.SelectObject(picture);
        ASSERT_EQ(space.edit.selected, &picture);
        space.edit.operate(code);
        ASSERT_EQ(space.edit.operated, &picture);
    }
    TStepNumber picture{nullptr};
    std::vector<TprogramVaribler*> picked;
};

TEST_F(Picks, TheNextAcceptedElementGoesToThePicture) {
    auto& flag = place<TprogramBoolean>(kind::Boolean);
    auto& number = place<TprogramNumber>(kind::Number);
    waitFor("&x");
    click(flag);
    EXPECT_TRUE(picked.empty()) << "a number picture takes no boolean";
    EXPECT_EQ(space.edit.operated, &picture);
    click(number);
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0], &number);
    // The operation has ended and nothing stays selected.
    EXPECT_EQ(space.edit.operated, nullptr);
    EXPECT_EQ(space.edit.selected, nullptr);
    EXPECT_EQ(picture.OperationState, opstate::Idle);
    click(number);
    EXPECT_EQ(picked.size(), 1u);
}

TEST_F(Picks, BindingCodesPickAsWell) {
    auto& number = place<TprogramNumber>(kind::Number);
    for (const char* code : {"x@", "@x"}) {
        waitFor(code);
        click(number);
    }
    EXPECT_EQ(picked.size(), 2u);
}

TEST_F(Picks, OtherOperationsOnAPicturePickNothing) {
    auto& number = place<TprogramNumber>(kind::Number);
    waitFor("x+y");
    click(number);
    EXPECT_TRUE(picked.empty());
    EXPECT_TRUE(space.objects.mainCommander(0)->stepCount() == 1) << "and build no step";
    space.keyDown(key::Escape, {});
    EXPECT_EQ(space.edit.operated, nullptr);

    picture.OnPick = nullptr;
    waitFor("&x");
    click(number);
    EXPECT_EQ(space.edit.operated, &picture) << "a picture without a taker keeps waiting";
}

} // namespace
} // namespace olvide::testing
