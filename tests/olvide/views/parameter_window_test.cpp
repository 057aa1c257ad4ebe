// The parameter window: a call step drawn in the step window brings its parameters into line
// and shows the called commander's arguments; "输入" and "输出" bind an argument to the object
// picked next, and the step window shows that binding.
#include "windows_fixture.h"

#include "olvide/model/steps/operators.h"

namespace olvide::testing {
namespace {

class ParameterWindowTest : public WindowsTest {
protected:
    Callee callee{workspace, "shapes", "area"};
    TValueVaribler* width = callee.argument(kind::Number, "w", true, false);
    TValueVaribler* height = callee.argument(kind::Number, "h", true, true);
    TValueVaribler* result = callee.argument(kind::Number, "out", false, true);
    TprogramFunction& function = named<TprogramFunction>(kind::Function, "shapes");
    TprogramNumber& length = named(kind::Number, "len");
    Tstep* call = nullptr;

    void SetUp() override {
        WindowsTest::SetUp();
        call = add(stepkind::Call, "area", &function);
        add(stepkind::Comment, "after");
    }
    QAction* item(const char* name) { return parameterWindow.findChild<QAction*>(name); }
    // Presses an argument picture and opens its menu.
    void openMenuOf(std::size_t i) {
        views::StepPictureView& view = *parameterWindow.pictureViews().at(i);
        QTest::mousePress(&view, Qt::RightButton);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                view.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&view, &event);
    }
    std::vector<std::string> stepPictureNames() const {
        std::vector<std::string> out;
        for (const auto& picture : call->Pictures) {
            const auto* op = dynamic_cast<const Toperator*>(picture.get());
            out.push_back(op ? op->Sign : u(picture->VisualorAlias));
        }
        return out;
    }
};

TEST_F(ParameterWindowTest, ACallShowsTheArgumentsOfTheCalledCommander) {
    EXPECT_FALSE(parameterWindow.isVisible());
    show(main, 2);
    ASSERT_TRUE(parameterWindow.isVisible());
    EXPECT_EQ(caption(parameterWindow), "参数窗口");
    EXPECT_EQ(parameterWindow.size(), QSize(200, 60));
    EXPECT_EQ(parameterWindow.pos(), QPoint(1000 - 200 - 2, 132));
    ASSERT_EQ(parameterWindow.pictureViews().size(), 3u);
    const int lefts[] = {25, 73, 121};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(parameterWindow.pictureViews()[i]->pos(), QPoint(lefts[i], 12));
    ASSERT_EQ(call->Parameters.size(), 3u);
    EXPECT_EQ(call->Parameters[2].formalOutput, result);

    // Another step closes it, another call step opens it again.
    show(main, 3);
    EXPECT_FALSE(parameterWindow.isVisible());
    EXPECT_TRUE(parameterWindow.ArgumentPictures().empty());
    show(main, 2);
    EXPECT_TRUE(parameterWindow.isVisible());
}

TEST_F(ParameterWindowTest, InputAndOutputBindTheNextPickedObject) {
    show(main, 2);
    openMenuOf(0);
    EXPECT_TRUE(item("ArgumentInput")->isEnabled());
    EXPECT_FALSE(item("ArgumentOutput")->isEnabled()) << "w is passed in only";
    item("ArgumentInput")->trigger();
    ASSERT_NE(space.edit.operated, nullptr);
    click(length);
    EXPECT_EQ(call->Parameters[0].actualInput, &length);
    EXPECT_EQ(call->Parameters[0].actualOutput, nullptr);
    // The step window shows the binding: actual input, "@", formal input.
    EXPECT_EQ(call->CallView, 0);
    EXPECT_EQ(stepPictureNames(), (std::vector<std::string>{"len", "@", "w"}));
    EXPECT_TRUE(space.modified);

    openMenuOf(2);
    EXPECT_FALSE(item("ArgumentInput")->isEnabled());
    item("ArgumentOutput")->trigger();
    click(length);
    EXPECT_EQ(call->Parameters[2].actualOutput, &length);
    EXPECT_EQ(call->CallView, 2);
    EXPECT_EQ(stepPictureNames(), (std::vector<std::string>{"out", "@", "len"}));
}

TEST_F(ParameterWindowTest, EscapeInTheParameterWindowCancelsABinding) {
    show(main, 2);
    openMenuOf(1);
    item("ArgumentOutput")->trigger();
    QTest::keyClick(&parameterWindow, Qt::Key_Escape);
    EXPECT_EQ(space.edit.operated, nullptr);
    click(length);
    EXPECT_EQ(call->Parameters[1].actualOutput, nullptr);
    ASSERT_FALSE(keys.empty());
    EXPECT_TRUE(keys.back().fromParameterWindow);
}

} // namespace
} // namespace olvide::testing
