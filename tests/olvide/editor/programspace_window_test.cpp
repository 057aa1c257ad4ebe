// The program space window: placing objects from the control panel, the eight-commander
// limit, dragging, blinking while an operation waits, the keyboard, deleting, the attribute
// window on a double click, and the canvas growing with its objects.
#include "editor_fixture.h"

#include "olvide/editor/qt_text.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace olvide::editor::testing {
namespace {

class ProgramSpaceWindowTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        program_ = &newProgram();
    }
    Tprogramspace& program() { return *program_; }
    ProgramCanvas& canvas() { return windowOf(program()).canvas(); }
    void key(int qtKey, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
        QCoreApplication::sendEvent(&canvas(), &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers);
        QCoreApplication::sendEvent(&canvas(), &release);
    }
    ObjectView& view(const TVisualor& object) { return *windowOf(program()).viewOf(object); }

private:
    Tprogramspace* program_ = nullptr;
};

TEST_F(ProgramSpaceWindowTest, PlacedObjectsShowTheirPictureAndCentredNameWhereClicked) {
    place(program(), AddButton::addNumber, {200, 150});
    TVisualor* number = lastElement(program());
    ASSERT_NE(number, nullptr);
    EXPECT_FALSE(controlPanel().button(AddButton::addNumber)->isChecked());
    const QRect picture = view(*number).picture().geometry();
    EXPECT_EQ(picture.topLeft() + QPoint(picture.width() / 2, picture.height() / 2),
              QPoint(200, 150));
    EXPECT_TRUE(view(*number).picture().isVisible());
    const controls::TkelLabel& label = view(*number).label();
    EXPECT_EQ(label.caption(), QStringLiteral("Num1"));
    EXPECT_LE(std::abs(label.geometry().center().x() - picture.center().x()), 1);
    EXPECT_EQ(label.geometry().top(), picture.bottom() + 1);

    // A click with no button down places nothing.
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(program().objects.elements.size(), 1u);
}

TEST_F(ProgramSpaceWindowTest, ANinthMainCommanderIsRefused) {
    for (int i = 0; i < 8; ++i)
        place(program(), AddButton::addMaincommander, {60 + 70 * i, 60});
    ASSERT_EQ(program().objects.mainCommanderTotal(), 8);
    answerBox("确定");
    place(program(), AddButton::addMaincommander, {60, 200});
    EXPECT_EQ(program().objects.mainCommanderTotal(), 8);
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_EQ(boxTexts[0], ui("只允许放置8个流程Olvan!"));
    EXPECT_FALSE(controlPanel().button(AddButton::addMaincommander)->isChecked());
}

TEST_F(ProgramSpaceWindowTest, DraggingAnObjectMovesItsPictureAndLabel) {
    place(program(), AddButton::addString, {100, 100});
    TVisualor& text = *lastElement(program());
    QWidget* picture = &view(text).picture();
    const QPoint grip(picture->width() / 2, picture->height() / 2);
    QTest::mousePress(picture, Qt::LeftButton, {}, grip);
    // A move with the button held: Qt's test move carries no buttons, so the event is sent.
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(150, 80)),
                     picture->mapToGlobal(QPointF(grip + QPoint(150, 80))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, grip + QPoint(150, 80));
    EXPECT_EQ(text.centreX(), 250);
    EXPECT_EQ(text.centreY(), 180);
    EXPECT_EQ(picture->pos() + grip, QPoint(250, 180));
    EXPECT_LE(std::abs(view(text).label().geometry().center().x() - 250), 1);
    EXPECT_FALSE(text.Dragging);
}

TEST_F(ProgramSpaceWindowTest, AnObjectBlinksWhileItsOperationWaitsForTheOperand) {
    place(program(), AddButton::addMaincommander, {300, 40});
    click(*lastMain(program()));
    place(program(), AddButton::addNumber, {100, 100});
    auto* x = dynamic_cast<TVaribler*>(lastElement(program()));
    ASSERT_TRUE(chooseFromMenu(*x, {"numberxaddy", "numberxplusy"}));
    ASSERT_TRUE(x->Blinking);
    const QImage first = view(*x).picture().canvas();
    QTest::qWait(700);
    EXPECT_FALSE(x->Blinking);
    EXPECT_NE(view(*x).picture().canvas(), first);
    QTest::qWait(600);
    EXPECT_TRUE(x->Blinking);
    // Escape ends the wait: the blinking stops.
    key(Qt::Key_Escape);
    EXPECT_NE(x->OperationState, 2);
    const bool phase = x->Blinking;
    QTest::qWait(700);
    EXPECT_EQ(x->Blinking, phase);
}

TEST_F(ProgramSpaceWindowTest, KeysOfASelectedObjectStartItsOperations) {
    place(program(), AddButton::addMaincommander, {300, 40});
    click(*lastMain(program()));
    place(program(), AddButton::addNumber, {100, 100});
    auto* x = dynamic_cast<TVaribler*>(lastElement(program()));
    click(*x);
    // Shift+= is the plus key: "x+y" waits for y.
    key(Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(x->PendingCode, "x+y");
    key(Qt::Key_Escape);
    click(*x);
    // With Alt it takes a constant, typed at once.
    typeIntoDialog("5");
    key(Qt::Key_Plus, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(lastMain(program())->stepCount(), 2);
    EXPECT_NE(lastMain(program())->step(2)->Code.find("x+A"), std::string::npos);
}

TEST_F(ProgramSpaceWindowTest, CtrlWTwiceRestoresTheDrawingSwitch) {
    ASSERT_TRUE(program().drawingEnabled);
    key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(program().drawingEnabled);
    key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(program().drawingEnabled);
}

TEST_F(ProgramSpaceWindowTest, DeleteAsksForANumberAndDoesNothingForADerivedOne) {
    place(program(), AddButton::addIteration, {100, 100});
    auto* i = dynamic_cast<TprogramIteration*>(lastElement(program()));
    ASSERT_TRUE(chooseFromMenu(*i, {"IterationParameter", "ShowIterationFromer"}));
    click(*i->FromPart);
    const std::size_t count = program().objects.elements.size();
    key(Qt::Key_Delete);
    EXPECT_EQ(program().objects.elements.size(), count);
    EXPECT_TRUE(unexpected.empty());

    place(program(), AddButton::addNumber, {300, 100});
    TVisualor* number = lastElement(program());
    click(*number);
    answerBox("取消");
    key(Qt::Key_Delete);
    EXPECT_EQ(program().objects.elements.size(), count + 1);
    click(*number);
    answerBox("确定");
    key(Qt::Key_Delete);
    ASSERT_EQ(boxTexts.size(), 2u);
    EXPECT_TRUE(boxTexts[1].startsWith(ui("删除Num")));
    EXPECT_EQ(program().objects.elements.size(), count);
    EXPECT_EQ(windowOf(program()).viewOf(*number), nullptr);
}

TEST_F(ProgramSpaceWindowTest, ADoubleClickOpensTheAttributeWindowAndANewNameIsShown) {
    place(program(), AddButton::addNumber, {150, 150});
    TVisualor& number = *lastElement(program());
    typeIntoDialog(ui("总和"));
    doubleClick(number);
    EXPECT_EQ(number.VisualorAlias, toCodePage(ui("总和")));
    EXPECT_EQ(view(number).label().caption(), ui("总和"));
    // A name of the program's own kind-and-number form is refused with the model's message;
    // the window stays, and closing it leaves the old name.
    typeIntoDialog("num5");
    answerBox("确定");
    whenModal([](QWidget* modal) { modal->close(); });
    doubleClick(number);
    EXPECT_EQ(number.VisualorAlias, toCodePage(ui("总和")));
    EXPECT_EQ(boxTexts.size(), 1u);
}

TEST_F(ProgramSpaceWindowTest, TheCanvasGrowsWithItsObjectsAndScrollsInSteps) {
    place(program(), AddButton::addoutput, {1500, 1200});
    TVisualor& far = *lastElement(program());
    const QRect picture = view(far).picture().geometry();
    EXPECT_GE(canvas().width(), picture.right() + 72);
    EXPECT_GE(canvas().height(), picture.bottom() + 120);
    QScrollArea& scroll = windowOf(program()).scrollArea();
    EXPECT_EQ(scroll.horizontalScrollBar()->singleStep(), 36);
    EXPECT_EQ(scroll.verticalScrollBar()->singleStep(), 36);
}

TEST_F(ProgramSpaceWindowTest, ClickingACommanderMakesItEditedAndTheRunButtonsComeOn) {
    place(program(), AddButton::addMaincommander, {100, 60});
    place(program(), AddButton::addMaincommander, {300, 60});
    TMaincommander* first = program().objects.mainCommander(0);
    TMaincommander* second = program().objects.mainCommander(1);
    EXPECT_FALSE(frame().toolButton("ProgramRun")->isEnabled());
    click(*first);
    EXPECT_TRUE(frame().toolButton("ProgramRun")->isEnabled());
    EXPECT_TRUE(frame().toolButton("ProgramStepin")->isEnabled());
    EXPECT_TRUE(view(*first).label().color() == QColor(0, 0, 255));
    click(*second);
    EXPECT_EQ(program().edit.activeCommander, second);
    // The commander no longer edited shows its plain name again.
    EXPECT_TRUE(view(*first).label().color() == QColor(255, 255, 255));
    EXPECT_NE(view(*first).picture().canvas(), view(*second).picture().canvas());
}

} // namespace
} // namespace olvide::editor::testing
