// What a window shows is still there only while an open program holds it; the answer never
// follows a pointer to what has been freed (the sanitizer run would tell).
#include "views_fixture.h"

#include "olvide/views/layout/shown_objects.h"

namespace olvide::testing {
namespace {

using views::programHolding;
using views::stillHolds;

class ShownObjects : public ViewsTest {};

TEST_F(ShownObjects, ADeletedStepOrAClosedProgramIsNoLongerThere) {
    Tstep* step = add(stepkind::Comment, "note");
    EXPECT_EQ(programHolding(&workspace, &main), &space);
    EXPECT_TRUE(stillHolds(&workspace, &main, step));
    main.DeleteStep(2);
    EXPECT_FALSE(stillHolds(&workspace, &main, step));
    EXPECT_TRUE(stillHolds(&workspace, &main, main.step(1)));

    Tprogramspace& other = workspace.newProgram();
    TMaincommander* otherMain = other.placeMainCommander(10, 10);
    const Tstep* head = otherMain->step(1);
    EXPECT_EQ(programHolding(&workspace, otherMain), &other);
    const TCommander& reading = *otherMain;
    EXPECT_EQ(views::heldCommander(&workspace, &reading), otherMain);
    EXPECT_FALSE(stillHolds(&workspace, &main, head)) << "a step of another commander";
    workspace.closeProgram(other);
    EXPECT_EQ(programHolding(&workspace, otherMain), nullptr);
    EXPECT_EQ(views::heldCommander(&workspace, otherMain), nullptr);
    EXPECT_FALSE(stillHolds(&workspace, otherMain, head));
    EXPECT_EQ(programHolding(nullptr, &main), nullptr);
    EXPECT_FALSE(stillHolds(&workspace, &main, nullptr));
}

} // namespace
} // namespace olvide::testing
