// The parameter window's pictures: a call step's parameters follow the called commander's
// arguments, and every argument gets a picture of its kind at 25 + 48 i.
#include "views_fixture.h"

#include "olvide/views/layout/parameter_layout.h"

namespace olvide::testing {
namespace {

class ArgumentPictures : public ViewsTest {
protected:
    Callee callee{workspace, "shapes", "area"};
    TMaincommander* area = callee.commander;
    TValueVaribler* width = callee.argument(kind::Number, "w", true, false);
    TValueVaribler* flag = callee.argument(kind::Boolean, "ok", true, true);
    TValueVaribler* result = callee.argument(kind::String, "out", false, true);
    TprogramFunction& function = named<TprogramFunction>(kind::Function, "shapes");
    TprogramNumber& actual = named(kind::Number, "len");

    Tstep* callStep() { return add(stepkind::Call, "area", &function); }
};

TEST_F(ArgumentPictures, ThreeArgumentsStandAt25And73And121) {
    Tstep* call = callStep();
    const auto pictures = views::argumentPictures(*call);
    ASSERT_EQ(pictures.size(), 3u);
    const int lefts[] = {25, 73, 121};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(pictures[i]->VisualorImage.left, lefts[i]);
        EXPECT_EQ(pictures[i]->VisualorImage.top, 12);
        EXPECT_EQ(pictures[i]->Argument, area->ArgumentList[i]);
        EXPECT_EQ(pictures[i]->VisualorAlias, area->ArgumentList[i]->VisualorAlias);
    }
    EXPECT_EQ(pictures[0]->VisualorStyle, kind::Number);
    EXPECT_EQ(pictures[1]->VisualorStyle, kind::Boolean);
    EXPECT_EQ(pictures[2]->VisualorStyle, kind::String);
    // The flags are those of the called commander, not of the one being edited.
    EXPECT_TRUE(pictures[0]->IsInputParameterFor());
    EXPECT_FALSE(pictures[0]->IsOutputParameterFor());
    EXPECT_TRUE(pictures[1]->IsOutputParameterFor());
    EXPECT_FALSE(pictures[2]->IsInputParameterFor());

    ASSERT_EQ(call->Parameters.size(), 3u);
    EXPECT_EQ(call->Parameters[0].formalInput, width);
    EXPECT_EQ(call->Parameters[0].formalOutput, nullptr);
    EXPECT_EQ(call->Parameters[1].formalInput, flag);
    EXPECT_EQ(call->Parameters[1].formalOutput, flag);
    EXPECT_EQ(call->Parameters[2].formalInput, nullptr);
    EXPECT_EQ(call->Parameters[2].formalOutput, result);
}

TEST_F(ArgumentPictures, BindingsFollowTheirArgumentsAndLoseWhatNoLongerApplies) {
    Tstep* call = callStep();
    // Bindings made for an older order of the arguments, one of them for an argument that
    // is gone and one more than there are arguments.
    auto& gone = named(kind::Number, "gone");
    call->Parameters = {{nullptr, result, nullptr, &actual},
                        {width, nullptr, &actual, &actual},
                        {&gone, nullptr, &actual, nullptr},
                        {&gone, nullptr, &actual, nullptr}};
    const auto pictures = views::argumentPictures(*call);
    ASSERT_EQ(call->Parameters.size(), 3u);
    EXPECT_EQ(call->Parameters[0].formalInput, width);
    EXPECT_EQ(call->Parameters[0].actualInput, &actual);
    EXPECT_EQ(call->Parameters[0].actualOutput, nullptr) << "w is no output parameter";
    EXPECT_EQ(call->Parameters[1].formalInput, flag) << "a fresh binding for ok";
    EXPECT_EQ(call->Parameters[1].actualInput, nullptr);
    EXPECT_EQ(call->Parameters[2].formalOutput, result);
    EXPECT_EQ(call->Parameters[2].actualOutput, &actual);
    EXPECT_EQ(call->Parameters[2].actualInput, nullptr);
}

TEST_F(ArgumentPictures, NoPicturesWithoutACalledCommander) {
    Tstep* call = add(stepkind::Call, "nowhere", &function);
    EXPECT_TRUE(views::argumentPictures(*call).empty());
    EXPECT_TRUE(views::argumentPictures(*add(stepkind::Comment, "area")).empty());
    auto& stranger = named<TprogramFunction>(kind::Function, "not open");
    EXPECT_TRUE(views::argumentPictures(*add(stepkind::Call, "area", &stranger)).empty());
}

} // namespace
} // namespace olvide::testing
