// The cursor of a commander, inserting and deleting steps, and finding steps by object.
#include "model_fixture.h"

namespace olvide::testing {
namespace {

class Cursor : public ModelTest {
protected:
    void SetUp() override {
        main = &placeMain();
        number = &place<TprogramNumber>(kind::Number);
        other = &place<TprogramNumber>(kind::Number);
    }
    Tstep* comment(const char* text) {
        return main->InsertStep(stepkind::Comment, text, nullptr, nullptr, nullptr, nullptr);
    }
    Tstep* using_(TprogramVaribler* x) {
        return main->InsertStep(stepkind::Copy, "x->y", x, other, nullptr, nullptr);
    }
    std::vector<std::string> codes() const {
        std::vector<std::string> out;
        for (const auto& s : main->Steps)
            out.push_back(s->Code);
        return out;
    }
    TMaincommander* main = nullptr;
    TprogramNumber* number = nullptr;
    TprogramNumber* other = nullptr;
};

TEST_F(Cursor, InsertGoesAfterTheCursorOrAtTheEnd) {
    comment("a");
    comment("b");
    EXPECT_EQ(main->Position(), 3);
    main->SetPosition(1);
    comment("c");
    EXPECT_EQ(main->Position(), 2);
    main->last();
    comment("d");
    EXPECT_EQ(main->Position(), 5);
    main->SetPosition(3);
    comment("e");
    EXPECT_EQ(codes(), (std::vector<std::string>{main->Steps[0]->Code, "c", "a", "e", "b", "d"}));
    EXPECT_EQ(main->CurrentStep->Code, "e");
    // The model branch follows the steps.
    ASSERT_EQ(main->Branches.size(), 6u);
    EXPECT_EQ(main->Branches[3].Step, main->CurrentStep);
    EXPECT_EQ(main->Branches[3].Index, 3);
    EXPECT_GE(platform.stepsChangedFor.size(), 5u);
}

// Only the places after a change are renumbered; every one must still match its step.
TEST_F(Cursor, TheModelBranchFollowsEveryInsertionAndDeletion) {
    auto inStep = [this] {
        if (main->Branches.size() != main->Steps.size()) return false;
        for (std::size_t i = 0; i < main->Steps.size(); ++i)
            if (main->Branches[i].Step != main->Steps[i].get() ||
                main->Branches[i].Index != static_cast<int>(i))
                return false;
        return true;
    };
    for (int i = 0; i < 12; ++i) {
        main->SetPosition(i % 3 == 0 ? main->stepCount() : 1 + i % main->stepCount());
        comment(std::to_string(i).c_str());
        ASSERT_TRUE(inStep()) << "insert " << i;
    }
    for (int n : {2, 7, main->stepCount(), 3}) {
        main->DeleteStep(n);
        ASSERT_TRUE(inStep()) << "delete " << n;
    }
}

TEST_F(Cursor, MovesStopAtTheEndsWithABeep) {
    for (const char* text : {"2", "3", "4", "5", "6"})
        comment(text);
    main->SetPosition(3);
    main->forward5();
    EXPECT_EQ(main->Position(), 6);
    main->forward5();
    EXPECT_EQ(main->Position(), 6);
    EXPECT_EQ(platform.beeps, 1);
    main->next();
    EXPECT_EQ(platform.beeps, 2);
    main->back5();
    EXPECT_EQ(main->Position(), 1);
    main->previous();
    main->back5();
    EXPECT_EQ(main->Position(), 1);
    EXPECT_EQ(platform.beeps, 4);
    main->next();
    EXPECT_EQ(main->Position(), 2);
    main->SetPosition(0);
    EXPECT_EQ(main->CurrentStep, nullptr);
    EXPECT_EQ(main->Position(), 0);
}

TEST_F(Cursor, TheHeadStepIsNeverDeleted) {
    comment("2");
    main->DeleteStep(1);
    main->DeleteStep(0);
    main->DeleteStep(-3);
    main->DeleteStep(9);
    EXPECT_EQ(main->stepCount(), 2);
    EXPECT_EQ(main->Steps[0]->StepKind, stepkind::Head);
    main->DeleteStep(2);
    EXPECT_EQ(main->CurrentStep, nullptr) << "the cursor step went";
    EXPECT_EQ(main->stepCount(), 1);
}

TEST_F(Cursor, RemovingTheStepsOfAnObjectLeavesTheCursorOnTheHead) {
    comment("2");
    using_(number);
    comment("4");
    using_(number);
    main->SetPosition(5);
    EXPECT_EQ(main->LastStepUsing(number), 5);
    main->RemoveStepsUsing(other);
    EXPECT_EQ(main->stepCount(), 3);
    EXPECT_EQ(main->Position(), 1);
    EXPECT_EQ(main->LastStepUsing(number), 0);
    EXPECT_FALSE(main->UsesObject(number));
}

TEST_F(Cursor, FindingStepsByObject) {
    comment("2");
    using_(number);
    comment("4");
    using_(number);
    main->SetPosition(1);
    EXPECT_TRUE(main->findNextUsing(number));
    EXPECT_EQ(main->Position(), 3);
    EXPECT_TRUE(main->findNextUsing(number));
    EXPECT_EQ(main->Position(), 5);
    EXPECT_FALSE(main->findNextUsing(number));
    EXPECT_EQ(main->Position(), 5) << "the cursor returns to where it was";
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(main->findPreviousUsing(number));
    EXPECT_EQ(main->Position(), 3);
    EXPECT_TRUE(main->findFirstUsing(other));
    EXPECT_EQ(main->Position(), 3);
    auto& unused = place<TprogramBoolean>(kind::Boolean);
    EXPECT_FALSE(main->findFirstUsing(&unused));
    EXPECT_EQ(main->Position(), 3);
}

TEST_F(Cursor, StatusLineCountsTheHeadStep) {
    comment("2");
    comment("3");
    main->setstatushint();
    EXPECT_EQ(u(platform.statusHint), "主流程Olvan:Olvane1纪录了3个步骤");
}

} // namespace
} // namespace olvide::testing
