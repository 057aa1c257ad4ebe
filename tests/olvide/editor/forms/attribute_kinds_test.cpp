// Which dialog each kind of object opens, and the fields that only some kinds have.
#include "modal.h"
#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/commander_dialogs.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/forms/function_dialog.h"
#include "olvide/editor/forms/operation_windows.h"
#include "olvide/editor/forms/text_dialogs.h"
#include "olvide/editor/forms/value_dialogs.h"
#include "olvide/editor/forms/yin_dialog.h"
#include "sample_program.h"
#include "tests/support/scripted_platform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace olvide;
using namespace olvide::forms;

namespace {

class AttributeKinds : public ::testing::Test {
protected:
    olvide::testing::ScriptedPlatform platform;
    EditorForms forms;
    olvide::forms::testing::SampleProgram program{platform};

    template <class Dialog> Dialog* prepared(TVisualor& object) {
        return dynamic_cast<Dialog*>(forms.prepareAttributes(object, program.space));
    }
};

} // namespace

TEST_F(AttributeKinds, EachKindOpensItsOwnDialog) {
    EXPECT_NE(prepared<TIterationAttributeDialog>(*program.iteration), nullptr);
    EXPECT_NE(prepared<TconditionAttributeDialog>(*program.condition), nullptr);
    EXPECT_NE(prepared<TOutputStringAttributeDialog>(*program.outputLine), nullptr);
    EXPECT_NE(prepared<TforCommanderAttributeDialog>(*program.forCommander), nullptr);
    EXPECT_NE(prepared<TfunctionAttributeDialog>(*program.function), nullptr);
    // A number is no iteration, though the iteration's dialog is a number dialog.
    EXPECT_EQ(prepared<TIterationAttributeDialog>(*program.number), nullptr);
    // A constant has no dialog: nothing opens and nothing changes.
    Tprogramconstant* constant = program.space.services().MakeConstant("5");
    EXPECT_EQ(forms.prepareAttributes(*constant, program.space), nullptr);
    EXPECT_FALSE(forms.editAttributes(*constant, program.space));
}

TEST_F(AttributeKinds, HiddenFieldsTakeNoRoom) {
    auto* iteration = prepared<TIterationAttributeDialog>(*program.iteration);
    ASSERT_NE(iteration, nullptr);
    EXPECT_FALSE(iteration->IsArray->isVisibleTo(iteration));
    EXPECT_TRUE(iteration->IsTemp->isVisibleTo(iteration));
    // The value row follows the name row directly.
    EXPECT_LT(iteration->numberValue->y() - iteration->VisualorAlias->y(), 40);

    auto* condition = prepared<TconditionAttributeDialog>(*program.condition);
    ASSERT_NE(condition, nullptr);
    EXPECT_FALSE(condition->IsTemp->isVisibleTo(condition));
    EXPECT_FALSE(condition->IsArray->isVisibleTo(condition));

    auto* line = prepared<TOutputStringAttributeDialog>(*program.outputLine);
    ASSERT_NE(line, nullptr);
    for (QWidget* hidden :
         {static_cast<QWidget*>(line->IsArray), static_cast<QWidget*>(line->IsTemp),
          static_cast<QWidget*>(line->IsInputParameter)})
        EXPECT_FALSE(hidden->isVisibleTo(line));
    EXPECT_EQ(line->fields.StringValue->text(), QStringLiteral("second line"));
    // Nothing lies over anything else.
    const QList<QWidget*> shown = line->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : shown)
        for (QWidget* b : shown)
            if (a != b && a->isVisibleTo(line) && b->isVisibleTo(line))
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->metaObject()->className() << " " << b->metaObject()->className();
}

TEST_F(AttributeKinds, IterationBoundsAndTheLoopOfAConditionReachTheModel) {
    auto* iteration = prepared<TIterationAttributeDialog>(*program.iteration);
    ASSERT_NE(iteration, nullptr);
    EXPECT_EQ(iteration->IterationStepValue->text(), QStringLiteral("1"));
    iteration->IterationFromValue->setText(QStringLiteral("2"));
    iteration->IterationToValue->setText(QStringLiteral("9"));
    ASSERT_TRUE(program.space.applyAttributes(*program.iteration, iteration->edited()));
    AttributeWindow window;
    program.space.fillAttributes(*program.iteration, window);
    EXPECT_EQ(window.IterationFromValue, "2");
    EXPECT_EQ(window.IterationToValue, "9");

    auto* condition = prepared<TconditionAttributeDialog>(*program.condition);
    ASSERT_NE(condition, nullptr);
    condition->IsIterator->setChecked(true);
    ASSERT_TRUE(program.space.applyAttributes(*program.condition, condition->edited()));
    EXPECT_TRUE(program.condition->IsIterator);
}

TEST_F(AttributeKinds, WhileRunningTheValueIsTheRunningValueAndTemporaryIsLocked) {
    program.workspace.Running = true;
    auto* number = prepared<TnumberAttributeDialog>(*program.number);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->valueLabel->text(), QStringLiteral("运行值:"));
    EXPECT_FALSE(number->IsTemp->isEnabled());
    EXPECT_FALSE(number->VisualorAlias->isEnabled());
    program.workspace.Running = false;
}

TEST_F(AttributeKinds, TheFunctionDialogTakesAnOpenProgramAsItsName) {
    Tprogramspace& library = program.workspace.newProgram();
    library.fileName = "/tmp/mathlib.olv";
    TMaincommander* square = library.placeMainCommander(10, 10);
    square->SetAlias("square");
    square->VisualorComment = {cp("求平方")};

    auto* dialog = prepared<TfunctionAttributeDialog>(*program.function);
    ASSERT_NE(dialog, nullptr);
    const auto found =
        dialog->FunctionListBox->findItems(QStringLiteral("mathlib"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    dialog->FunctionListBox->setCurrentItem(found.front());
    EXPECT_TRUE(dialog->SelectBitBtn->isEnabled());
    dialog->selectChosen();
    EXPECT_EQ(dialog->VisualorAlias->text(), QStringLiteral("mathlib"));
    ASSERT_EQ(dialog->activecommander->count(), 1);
    dialog->activecommander->setCurrentRow(0);
    EXPECT_EQ(dialog->commanderComment->toPlainText(), QStringLiteral("求平方"));
}

TEST(EditorFormsGroups, LaterGroupsAreMadeWhenFirstNeeded) {
    EditorForms forms(false);
    // The number window belongs to the second group, the yin dialog to the third.
    forms.numberWindow().prepare({"c", "d", true, "3"});
    EXPECT_EQ(forms.numberWindow().valueText(), "3");
    EXPECT_EQ(forms.yinDialog().windowTitle(), QStringLiteral("印的修改"));
}
