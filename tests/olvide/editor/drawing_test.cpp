// The drawing elements on a program space as the user makes them: the drawing panel, the
// rubber band, selecting with the stretch handle, its keys and menus, the attribute dialogs,
// and the drawing file through saving and opening.
#include "editor_fixture.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/controls/stretch_handle.h"
#include "olvide/drawing/drawing_forms.h"
#include "olvide/drawing/drawing_layer.h"
#include "olvide/drawing/paint_panel.h"
#include "olvide/drawing/shape_attribute.h"
#include "olvide/editor/file_commands.h"
#include "olvide/model/files/file_store.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>

namespace olvide::editor::testing {
namespace {

namespace fs = std::filesystem;
using drawing::DrawingLayer;
using drawing::TpaintElement;
using drawing::TpeMultishape;

class DrawingTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        program_ = &newProgram();
    }
    Tprogramspace& program() { return *program_; }
    DrawingLayer& layer() { return windowOf(program()).drawingLayer(); }
    QWidget& canvas() { return windowOf(program()).canvas(); }
    controls::TStretchHandle& handle() { return layer().SHandle(); }
    drawing::TPaintpanel& panel() { return frame().drawing().paintPanel(); }

    // Presses the panel's button and drags the band on the canvas.
    TpeMultishape* draw(PaintKind kind, QPoint from, QPoint to) {
        QTest::mouseClick(panel().button(kind), Qt::LeftButton);
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas(), to);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, to);
        const auto elements = layer().elements();
        return elements.empty() ? nullptr : dynamic_cast<TpeMultishape*>(elements.back());
    }
    void press(const TpaintElement& element, Qt::KeyboardModifiers shift = {}) {
        QWidget* control = element.control();
        QTest::mouseClick(control, Qt::LeftButton, shift, control->rect().center());
    }
    void key(int key, Qt::KeyboardModifiers shift = {}) {
        QTest::keyClick(&handle(), static_cast<Qt::Key>(key), shift);
    }
    void save(const std::string& path) {
        frame().files().chooseSavePath = [path] { return std::optional<std::string>(path); };
        ASSERT_TRUE(frame().files().saveAs(windowOf(program())));
    }
    // Closes the program's window without questions.
    void closeAndForget() {
        program().modified = false;
        windowOf(program()).close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program_ = nullptr;
    }
    static std::string contents(const std::string& path) {
        std::string error;
        return readWholeFile(path, error).value_or("<none>");
    }

    Tprogramspace* program_ = nullptr;
};

TEST_F(DrawingTest, TheRubberBandDrawsTheElementOfThePressedButton) {
    program().modified = false;
    TpeMultishape* ellipse = draw(PaintKind::ellipse, {150, 110}, {50, 60});
    ASSERT_NE(ellipse, nullptr);
    EXPECT_EQ(ellipse->kind(), PaintKind::ellipse);
    EXPECT_EQ(ellipse->shape().geometry(), QRect(50, 60, 100, 50));
    EXPECT_TRUE(ellipse->shape().isVisible());
    EXPECT_TRUE(program().modified);
    // The button came up: a further press on the canvas draws nothing.
    EXPECT_FALSE(panel().button(PaintKind::ellipse)->isChecked());
    EXPECT_FALSE(panel().addPending());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, {300, 300});
    EXPECT_EQ(program().objects.paintElements.size(), 1u);
    // A press and release on one point gives 32 x 32.
    TpeMultishape* dot = draw(PaintKind::text, {200, 200}, {200, 200});
    EXPECT_EQ(dot->shape().geometry(), QRect(200, 200, 32, 32));
    EXPECT_EQ(dot->shape().text(), QStringLiteral("Mennel"));
}

TEST_F(DrawingTest, AControlPanelButtonPlacesItsObjectAndDrawsNothing) {
    QTest::mouseClick(panel().button(PaintKind::rectangle), Qt::LeftButton);
    place(program(), AddButton::addNumber, {100, 100});
    EXPECT_EQ(program().objects.elements.size(), 1u);
    EXPECT_TRUE(program().objects.paintElements.empty());
    EXPECT_FALSE(panel().pendingKind());
}

TEST_F(DrawingTest, ShiftClickSelectsTwoAndTheHandleThenHasNoMenu) {
    TpeMultishape* a = draw(PaintKind::rectangle, {20, 20}, {80, 60});
    TpeMultishape* b = draw(PaintKind::diamond, {200, 20}, {260, 60});
    press(*a);
    EXPECT_EQ(handle().AttachedCount(), 1);
    EXPECT_EQ(layer().selectedPaintElement(), a);
    EXPECT_EQ(handle().popupMenu(), layer().menu(drawing::ElementMenu::rectangle));
    EXPECT_EQ(handle().geometry(), a->shape().geometry().adjusted(-5, -5, 5, 5));
    press(*b, Qt::ShiftModifier);
    EXPECT_EQ(handle().AttachedCount(), 2);
    EXPECT_EQ(handle().popupMenu(), nullptr);
    // Shift on one under the handle takes it away again; the other is selected alone.
    press(*a, Qt::ShiftModifier);
    EXPECT_EQ(handle().AttachedCount(), 1);
    EXPECT_EQ(handle().Attached(0), b->control());
    EXPECT_EQ(layer().selectedPaintElement(), b);
    // Without Shift a press selects that one only; a click on the canvas lets go.
    press(*a);
    EXPECT_EQ(handle().AttachedCount(), 1);
    EXPECT_EQ(layer().selectedPaintElement(), a);
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, {400, 300});
    EXPECT_EQ(handle().AttachedCount(), 0);
    EXPECT_FALSE(handle().isVisible());
    EXPECT_EQ(layer().selectedPaintElement(), nullptr);
}

TEST_F(DrawingTest, KeysOnTheHandleDeleteTurnRecolourAndRestack) {
    TpeMultishape* a = draw(PaintKind::triangle, {20, 20}, {80, 60});
    TpeMultishape* b = draw(PaintKind::rectangle, {200, 20}, {260, 60});
    press(*a);
    key(Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(a->shape().angle(), 45);
    key(Qt::Key_Q, Qt::ControlModifier);
    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(a->shape().angle(), -45); // 315
    frame().drawing().chooseColor = [](const QColor&) { return std::optional<QColor>(Qt::red); };
    key(Qt::Key_C);
    EXPECT_EQ(a->shape().color(), QColor(Qt::red));
    // End sends it to the back of the drawing order, Home to the front.
    key(Qt::Key_Home);
    EXPECT_EQ(program().objects.paintElements.back().get(), a);
    EXPECT_FALSE(handle().isVisible());
    press(*a);
    key(Qt::Key_End);
    EXPECT_EQ(program().objects.paintElements.front().get(), a);
    press(*a);
    key(Qt::Key_Escape);
    EXPECT_EQ(handle().AttachedCount(), 0);
    EXPECT_EQ(layer().selectedPaintElement(), nullptr);
    press(*a);
    press(*b, Qt::ShiftModifier);
    key(Qt::Key_Delete);
    EXPECT_TRUE(program().objects.paintElements.empty());
    EXPECT_EQ(handle().AttachedCount(), 0);
}

TEST_F(DrawingTest, CtrlWTurnsDrawingAndSelectingOffAndOnAgain) {
    TpeMultishape* a = draw(PaintKind::line, {20, 20}, {80, 60});
    press(*a);
    key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(program().drawingEnabled);
    EXPECT_EQ(handle().AttachedCount(), 0);
    press(*a);
    EXPECT_EQ(handle().AttachedCount(), 0);
    draw(PaintKind::ellipse, {100, 100}, {150, 150});
    EXPECT_EQ(program().objects.paintElements.size(), 1u);
    // The button stays down until it is pressed again.
    EXPECT_EQ(panel().pendingKind(), PaintKind::ellipse);
    QTest::mouseClick(panel().button(PaintKind::ellipse), Qt::LeftButton);
    // On the canvas Ctrl+W turns it on again.
    QTest::keyClick(&canvas(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(program().drawingEnabled);
    press(*a);
    EXPECT_EQ(handle().AttachedCount(), 1);
}

TEST_F(DrawingTest, MenuCommandsChangeTheSelectedShapeAndTickItsMenu) {
    TpeMultishape* r = draw(PaintKind::rectangle, {1, 1}, {161, 81});
    press(*r);
    QMenu* menu = handle().popupMenu();
    ASSERT_NE(menu, nullptr);
    const auto trigger = [&](const char* name) {
        QAction* action = menu->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    };
    ASSERT_EQ(r->shape().size(), QSize(160, 80));
    trigger("MsrepeatModeHorizClick");
    EXPECT_EQ(r->shape().repeatMode(), controls::TRepeatMode::rpHoriz);
    EXPECT_EQ(r->shape().shapeW(), 20);
    EXPECT_EQ(r->shape().xSpacing(), 24);
    EXPECT_TRUE(menu->findChild<QAction*>("MsrepeatModeHorizClick")->isChecked());
    EXPECT_FALSE(menu->findChild<QAction*>("MsRepeatmodenoneClick")->isChecked());
    trigger("MsShadowClick");
    EXPECT_TRUE(r->shape().shadow());
    EXPECT_TRUE(menu->findChild<QAction*>("MsShadowClick")->isChecked());
    frame().drawing().chooseColor = [](const QColor&) { return std::optional<QColor>(); };
    trigger("MsBorderColorClick");
    EXPECT_EQ(r->shape().borderColor(), QColor(0, 0, 128)); // cancelled: unchanged
    trigger("MsalignTopClick");
    EXPECT_EQ(r->shape().align(), controls::TAlign::alTop);
    EXPECT_EQ(r->shape().geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(r->shape().width(), canvas().width());
    EXPECT_EQ(handle().AttachedCount(), 0);
    EXPECT_TRUE(menu->findChild<QAction*>("MsalignTopClick")->isChecked());
}

TEST_F(DrawingTest, ADoubleClickOnTheHandleOpensTheKindsDialogAndOkTakesItBack) {
    TpeMultishape* t = draw(PaintKind::text, {40, 40}, {160, 80});
    press(*t);
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<drawing::TTextAttribute*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->MsShapeW->text(), QStringLiteral("120"));
        dialog->MsText->setText(QStringLiteral("你好"));
        dialog->msXmargin->setText(QStringLiteral("4"));
        dialog->OKBtn->click();
    });
    QTest::mouseDClick(&handle(), Qt::LeftButton, {}, {2, 2});
    EXPECT_EQ(t->shape().text(), QStringLiteral("你好"));
    EXPECT_EQ(t->shape().xMargin(), 4);
    whenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    QTest::mouseDClick(&handle(), Qt::LeftButton, {}, {2, 2});
    EXPECT_EQ(t->shape().text(), QStringLiteral("你好"));
}

// A drawing of every kind, one turned, repeated and shadowed, one a picture.
class DrawingFileTest : public DrawingTest {
protected:
    void drawEverything() {
        draw(PaintKind::line, {10, 10}, {110, 40});
        TpeMultishape* text = draw(PaintKind::text, {130, 10}, {230, 60});
        text->shape().setAngle(90);
        draw(PaintKind::rectangle, {250, 10}, {350, 60});
        TpeMultishape* round = draw(PaintKind::roundRect, {10, 80}, {110, 130});
        round->shape().setShadow(true);
        TpeMultishape* ellipse = draw(PaintKind::ellipse, {130, 80}, {230, 130});
        ellipse->shape().setRepeatMode(controls::TRepeatMode::rpBoth);
        ellipse->shape().setShapeW(12);
        ellipse->shape().setShapeH(12);
        draw(PaintKind::diamond, {250, 80}, {350, 130});
        TpeMultishape* triangle = draw(PaintKind::triangle, {10, 150}, {110, 220});
        triangle->shape().setAngle(225);
        triangle->shape().setShadow(true);
        triangle->shape().setRepeatMode(controls::TRepeatMode::rpHoriz);
        QImage picture(24, 16, QImage::Format_RGB32);
        picture.fill(QColor(30, 120, 200));
        const std::string bmp = temporaryPath("flag.bmp");
        ASSERT_TRUE(picture.save(QString::fromStdString(bmp)));
        panel().choosePicture = [bmp] {
            return std::optional<QString>(QString::fromStdString(bmp));
        };
        QTest::mouseClick(panel().button(PaintKind::image), Qt::LeftButton);
        ASSERT_EQ(program().objects.paintElements.size(), 8u);
        auto* image = dynamic_cast<drawing::TpeImage*>(layer().elements().back());
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->image().size(), QSize(24, 16));
        image->image().move(250, 150);
    }
};

TEST_F(DrawingFileTest, ADrawingSavedAndOpenedGivesTheSameFileAndTheSamePicture) {
    drawEverything();
    const std::string olv = temporaryPath("Every.olv"), peg = temporaryPath("Every.peg");
    save(olv);
    const std::string first = contents(peg);
    const QImage before = canvas().grab(QRect(0, 0, 380, 240)).toImage();
    closeAndForget();
    Tprogramspace* opened = frame().files().open(olv);
    ASSERT_NE(opened, nullptr);
    program_ = opened;
    ASSERT_EQ(opened->objects.paintElements.size(), 8u);
    EXPECT_EQ(layer().elements().size(), 8u);
    QApplication::processEvents();
    const QImage after = canvas().grab(QRect(0, 0, 380, 240)).toImage();
    EXPECT_EQ(before, after);
    save(olv);
    EXPECT_EQ(contents(peg), first);
}

TEST_F(DrawingFileTest, BadPictureDataIsReportedAndTheRestOfTheDrawingKept) {
    drawEverything();
    const std::string olv = temporaryPath("Bad.olv"), peg = temporaryPath("Bad.peg");
    save(olv);
    std::string bytes = contents(peg);
    // Spoil the picture's PNG signature.
    const std::size_t at = bytes.find("PNG");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 3, "XYZ");
    std::string error;
    ASSERT_TRUE(replaceFile(peg, bytes, error));
    closeAndForget();
    answerBox("确定");
    Tprogramspace* opened = frame().files().open(olv);
    ASSERT_NE(opened, nullptr);
    program_ = opened;
    EXPECT_EQ(opened->objects.paintElements.size(), 8u);
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TRUE(boxTexts[0].contains(QStringLiteral("图片数据已损坏")))
        << boxTexts[0].toStdString();
    // The bytes stay as they were: saving gives the same file back.
    save(olv);
    EXPECT_EQ(contents(peg), bytes);
}

TEST_F(DrawingTest, PicturesComeFromBitmapsAndIconsAndAMetafileGetsAMessage) {
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::green);
    const std::string ico = temporaryPath("leaf.ico");
    ASSERT_TRUE(picture.save(QString::fromStdString(ico), "ICO"));
    QString chosen = QString::fromStdString(ico);
    panel().choosePicture = [&chosen] { return std::optional<QString>(chosen); };
    QTest::mouseClick(panel().button(PaintKind::image), Qt::LeftButton);
    ASSERT_EQ(layer().elements().size(), 1u);
    EXPECT_EQ(static_cast<drawing::TpeImage*>(layer().elements()[0])->image().size(),
              QSize(16, 16));
    const std::string wmf = temporaryPath("drawing.wmf");
    std::string error;
    ASSERT_TRUE(replaceFile(wmf, std::string("\xd7\xcd\xc6\x9a\0\0", 6), error));
    chosen = QString::fromStdString(wmf);
    answerBox("确定");
    QTest::mouseClick(panel().button(PaintKind::image), Qt::LeftButton);
    EXPECT_EQ(layer().elements().size(), 1u);
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_TRUE(boxTexts[0].contains(QStringLiteral("WMF")));
}

} // namespace
} // namespace olvide::editor::testing
