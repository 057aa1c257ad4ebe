// Pop-up menus built from the model's menu data: captions, separators and sub-menus in the
// model's order, the enabled states the object gives, and items that run the model's
// handlers.
#include "editor_fixture.h"

#include "olvide/editor/popup_menu.h"
#include "olvide/editor/qt_text.h"

#include <QTest>

namespace olvide::editor::testing {
namespace {

class PopupMenuTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        program_ = &newProgram();
    }
    Tprogramspace& program() { return *program_; }

private:
    Tprogramspace* program_ = nullptr;
};

// The captions of a menu as the model gives them, "-" for separators.
QStringList modelCaptions(const std::vector<MenuItem>& items) {
    QStringList captions;
    for (const MenuItem& item : items)
        captions << (item.separator() ? QStringLiteral("-") : fromCodePage(item.caption));
    return captions;
}

QStringList shownCaptions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

TEST_F(PopupMenuTest, AMenuShowsTheModelsItemsAndSubMenusInOrder) {
    place(program(), AddButton::addNumber, {100, 100});
    TVisualor& number = *lastElement(program());
    std::unique_ptr<QMenu> menu(buildPopupMenu(number, program(), nullptr));
    ASSERT_TRUE(menu);
    EXPECT_EQ(shownCaptions(*menu), modelCaptions(NumberPopupMenu().items));
    const MenuItem* others = findItem(NumberPopupMenu(), "numberotheroperation");
    ASSERT_NE(others, nullptr);
    auto* sub = menu->findChild<QMenu*>("numberotheroperation");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(shownCaptions(*sub), modelCaptions(others->items));
    EXPECT_TRUE(menu->property(kCentredMenu).toBool());
}

TEST_F(PopupMenuTest, TopLevelItemsFollowTheObjectAndSubItemsKeepTheirState) {
    place(program(), AddButton::addString, {100, 100});
    auto& text = dynamic_cast<TVaribler&>(*lastElement(program()));
    std::unique_ptr<QMenu> idle(buildPopupMenu(text, program(), nullptr));
    for (QAction* action : idle->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        }
    }

    // A click makes it ready: its menu comes on, except the item made disabled.
    click(text);
    ASSERT_TRUE(text.menuEnabled);
    std::unique_ptr<QMenu> ready(buildPopupMenu(text, program(), nullptr));
    for (QAction* action : ready->actions()) {
        if (!action->isSeparator()) {
            EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
        }
    }
    auto* parts = ready->findChild<QMenu*>("StringParameter");
    ASSERT_NE(parts, nullptr);
    for (QAction* action : parts->actions())
        EXPECT_EQ(action->isEnabled(), action->objectName() != "StringFixedLener");
}

TEST_F(PopupMenuTest, AnItemRunsTheModelsHandlerWithItsCode) {
    place(program(), AddButton::addMaincommander, {300, 40});
    click(*lastMain(program()));
    place(program(), AddButton::addCondition, {100, 100});
    auto& condition = dynamic_cast<TVaribler&>(*lastElement(program()));
    // A condition's " 赋值" sends what a boolean's does.
    ASSERT_TRUE(chooseFromMenu(condition, {"ConditionSet"}));
    EXPECT_EQ(condition.PendingCode, "x->y");
    EXPECT_EQ(program().edit.operated, &condition);
}

TEST_F(PopupMenuTest, AFunctionsMenuIsMadeForTheClickWithItsStates) {
    place(program(), AddButton::addFunction, {100, 100});
    TVisualor& function = *lastElement(program());
    std::unique_ptr<QMenu> menu(buildPopupMenu(function, program(), nullptr));
    ASSERT_TRUE(menu);
    auto* call = menu->findChild<QMenu*>("functioncall");
    ASSERT_NE(call, nullptr);
    // Nothing is edited: there is nothing to call into.
    EXPECT_FALSE(call->isEnabled());
    EXPECT_EQ(shownCaptions(*menu).last(), fromCodePage(FunctionPopupMenu().items.back().caption));
}

TEST_F(PopupMenuTest, ARightClickOpensTheMenuAtTheObjectCentredWhereTheModelSaysSo) {
    place(program(), AddButton::addNumber, {200, 200});
    place(program(), AddButton::addoutput, {300, 300});
    TVisualor& number = *program().objects.elements.front();
    TVisualor& output = *lastElement(program());
    auto clickedAt = [this](const TVisualor& object) {
        const QWidget& picture = windowOf(program()).viewOf(object)->picture();
        return picture.mapToGlobal(QPoint(picture.width() / 2, picture.height() / 2));
    };

    QMenu* centred = openMenu(number);
    ASSERT_NE(centred, nullptr);
    EXPECT_EQ(centred->objectName(), QStringLiteral("NumberPopupMenu"));
    EXPECT_LE(std::abs(centred->geometry().center().x() - clickedAt(number).x()), 2);
    centred->close();

    QMenu* plain = openMenu(output);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->objectName(), QStringLiteral("OutputPopupMenu"));
    EXPECT_LE(std::abs(plain->geometry().left() - clickedAt(output).x()), 2);
    plain->close();
}

} // namespace
} // namespace olvide::editor::testing
