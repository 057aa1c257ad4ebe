// Objects know their program only as the services it offers; the layers above find the
// program again from an object.
#include "../model_fixture.h"

namespace olvide::testing {
namespace {

using Services = ModelTest;

TEST_F(Services, EveryObjectFindsItsOwnProgram) {
    Tprogramspace& other = workspace.newProgram();
    TMaincommander& main = placeMain();
    auto* number = dynamic_cast<TprogramNumber*>(other.placeElement(kind::Number, 5, 5));
    ASSERT_NE(number, nullptr);
    Tprogramconstant* constant = other.services().MakeConstant("1");

    EXPECT_EQ(main.Owner, &space.services());
    EXPECT_EQ(workspace.programOf(main), &space);
    EXPECT_EQ(workspace.programOf(*number), &other);
    EXPECT_EQ(workspace.programOf(*constant), &other);
    TprogramNumber stranger(nullptr);
    EXPECT_EQ(workspace.programOf(stranger), nullptr);
}

TEST_F(Services, AFunctionFindsItsProgramByNameAmongTheOpenOnes) {
    Tprogramspace& library = workspace.newProgram();
    library.caption = "Lib";
    library.fileName = "/somewhere/Lib.olv";
    auto& function = place<TprogramFunction>(kind::Function);
    function.SetAlias("LIB");
    ASSERT_EQ(function.program(), &library.services());
    EXPECT_EQ(function.program()->programFile(), "/somewhere/Lib.olv");
    function.SetAlias("Nothing");
    EXPECT_EQ(function.program(), nullptr);
}

} // namespace
} // namespace olvide::testing
