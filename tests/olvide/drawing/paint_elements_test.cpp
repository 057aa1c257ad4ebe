#include "olvide/controls/numeric_edit.h"
#include "olvide/drawing/drawing_menus.h"
#include "olvide/drawing/paint_elements.h"
#include "olvide/drawing/shape_attribute.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace olvide::drawing {
namespace {

using controls::TAlign;
using controls::TMultiShapeType;
using controls::TRepeatMode;

class PaintElementsTest : public ::testing::Test {
protected:
    QWidget canvas;
    void SetUp() override { canvas.resize(600, 400); }

    std::unique_ptr<TpeMultishape> shape(PaintKind kind) {
        auto element = makePaintElement(kind, &canvas);
        return std::unique_ptr<TpeMultishape>(static_cast<TpeMultishape*>(element.release()));
    }
    // Every action of the menu (sub-menus included) by its handler name.
    static std::map<std::string, QAction*> actions(QMenu& menu) {
        std::map<std::string, QAction*> all;
        for (QAction* a : menu.actions()) {
            if (a->menu())
                all.merge(actions(*a->menu()));
            else
                all[a->objectName().toStdString()] = a;
        }
        return all;
    }
    static std::vector<std::string> ticked(QMenu& menu) {
        std::vector<std::string> names;
        for (const auto& [name, action] : actions(menu))
            if (action->isChecked()) names.push_back(name);
        return names;
    }
};

TEST_F(PaintElementsTest, EveryKindHasItsShapeAndColoursAndStartsFittedToItsControl) {
    const QColor navy(0, 0, 128), gold(0xD0, 0xA2, 0x3A);
    struct Expected {
        PaintKind kind;
        TMultiShapeType type;
        QColor color;
        bool border;
        QColor borderColor;
    };
    const Expected all[] = {
        {PaintKind::line, TMultiShapeType::msLine, navy, false, Qt::black},
        {PaintKind::text, TMultiShapeType::msText, navy, false, Qt::black},
        {PaintKind::rectangle, TMultiShapeType::msRectangle, Qt::white, true, navy},
        {PaintKind::roundRect, TMultiShapeType::msRoundRect, Qt::white, true, gold},
        {PaintKind::ellipse, TMultiShapeType::msEllipse, Qt::white, true, gold},
        {PaintKind::diamond, TMultiShapeType::msDiamond, Qt::white, true, gold},
        {PaintKind::triangle, TMultiShapeType::msTriangle, Qt::white, true, gold},
    };
    for (const Expected& e : all) {
        auto element = shape(e.kind);
        const controls::TMultiShape& s = element->shape();
        SCOPED_TRACE(static_cast<int>(e.kind));
        EXPECT_EQ(element->kind(), e.kind);
        EXPECT_EQ(s.shapeType(), e.type);
        EXPECT_TRUE(s.filled());
        EXPECT_EQ(s.color(), e.color);
        EXPECT_EQ(s.border(), e.border);
        EXPECT_EQ(s.borderColor(), e.borderColor);
        EXPECT_EQ(s.repeatMode(), TRepeatMode::rpNone);
        EXPECT_EQ(s.parentWidget(), &canvas);
    }
    auto text = shape(PaintKind::text);
    EXPECT_EQ(text->shape().text(), QStringLiteral("Mennel"));
    EXPECT_EQ(text->shape().font().pointSize(), 12);
}

TEST_F(PaintElementsTest, APointBandGives32By32AndABandOfNoWidthKeepsIt) {
    auto point = shape(PaintKind::rectangle);
    point->place(QRect(40, 50, 0, 0));
    EXPECT_EQ(point->shape().geometry(), QRect(40, 50, 32, 32));
    EXPECT_EQ(point->shape().shapeW(), 32);
    auto thin = shape(PaintKind::line);
    thin->place(QRect(10, 20, 0, 70));
    EXPECT_EQ(thin->shape().geometry(), QRect(10, 20, 0, 70));
    EXPECT_EQ(thin->getLeft(), 10);
    EXPECT_EQ(thin->getTop(), 20);
}

TEST_F(PaintElementsTest, TheRecordStoresAllElevenIntegersAlsoAtTheirDefaults) {
    auto element = shape(PaintKind::ellipse);
    element->place(QRect(0, 0, 0, 0));
    const DrawingRecord r = element->record();
    EXPECT_EQ(r.kind, PaintKind::ellipse);
    const ShapeIntegers expected{0, 0, 0, 20, 20, 2, 2, 32, 32, 32, 32};
    EXPECT_EQ(r.shape, expected);
    const std::string bytes = drawingFileBytes(std::vector{r});
    const DrawingReadResult back = readDrawingFile(bytes);
    ASSERT_EQ(back.records.size(), 1u);
    EXPECT_EQ(back.records[0].shape, expected);
}

TEST_F(PaintElementsTest, AnElementReadFromItsRecordGivesTheSameRecordForEveryKind) {
    for (int k = 0; k < 7; ++k) {
        const auto kind = static_cast<PaintKind>(k);
        auto original = shape(kind);
        controls::TMultiShape& s = original->shape();
        original->place(QRect(10 + k, 20, 90, 60));
        s.setAngle(135);
        s.setShadow(true);
        s.setShadowColor(QColor(1, 2, 3));
        s.setRepeatMode(TRepeatMode::rpBoth);
        s.setXSpacing(25);
        s.setShapeW(7);
        s.setBorderWidth(3);
        s.setFilled(k % 2 == 0);
        const DrawingRecord written = original->record();
        auto copy = shape(kind);
        std::vector<QString> problems;
        copy->read(written, problems);
        EXPECT_TRUE(problems.empty());
        EXPECT_EQ(copy->record(), written) << k;
        EXPECT_EQ(copy->shape().geometry(), s.geometry()) << k;
        EXPECT_EQ(copy->shape().cells(), s.cells()) << k;
    }
}

TEST_F(PaintElementsTest, ATriangleTurnsBy45WithShiftQAndBackWithCtrlQ) {
    auto element = shape(PaintKind::triangle);
    auto& triangle = static_cast<Ttriangle&>(*element);
    EXPECT_TRUE(triangle.keyDown(Qt::Key_Q, Qt::ShiftModifier));
    EXPECT_EQ(triangle.shape().angle(), 45);
    triangle.shape().setAngle(0);
    EXPECT_TRUE(triangle.keyDown(Qt::Key_Q, Qt::ControlModifier));
    // 315 degrees, kept in the half turn as -45.
    EXPECT_EQ(triangle.shape().angle(), -45);
    EXPECT_TRUE(triangle.ticks("Msangle315Click"));
    EXPECT_FALSE(triangle.keyDown(Qt::Key_Q, Qt::NoModifier));
    EXPECT_FALSE(triangle.keyDown(Qt::Key_R, Qt::ShiftModifier));
    // Other shapes take no keys.
    EXPECT_FALSE(shape(PaintKind::rectangle)->keyDown(Qt::Key_Q, Qt::ShiftModifier));
}

TEST_F(PaintElementsTest, CheckMenuClearsEveryTickThenTicksWhatMatchesTheShape) {
    QMenu* menu = buildElementMenu(ElementMenu::triangle, &canvas, [](std::string_view) {});
    auto element = shape(PaintKind::triangle);
    element->checkMenu(*menu);
    EXPECT_EQ(ticked(*menu),
              (std::vector<std::string>{"MsAngle0Click", "MsBorderClick", "MsFilledClick",
                                        "MsRepeatmodenoneClick", "MsalignNoneClick"}));
    controls::TMultiShape& s = element->shape();
    s.setAngle(270);
    s.setFilled(false);
    s.setShadow(true);
    s.setRepeatMode(TRepeatMode::rpVert);
    s.setAlign(TAlign::alLeft);
    element->checkMenu(*menu);
    EXPECT_EQ(ticked(*menu),
              (std::vector<std::string>{"MsBorderClick", "MsRepeatModeVertClick", "MsShadowClick",
                                        "MsalignleftClick", "Msangle270Click"}));
}

TEST_F(PaintElementsTest, EachMenuHoldsItsCommandsWithALeadingBlank) {
    const auto names = [&](ElementMenu which) {
        QMenu* menu = buildElementMenu(which, &canvas, [](std::string_view) {});
        std::vector<std::string> all;
        for (const auto& [name, action] : actions(*menu)) {
            EXPECT_TRUE(action->text().startsWith(QLatin1Char(' '))) << name;
            all.push_back(name);
        }
        return all;
    };
    const std::vector<std::string> line = names(ElementMenu::line);
    EXPECT_EQ(line.size(), 6u + 4 + 1 + 4 + 2 + 2);
    EXPECT_EQ(std::count(line.begin(), line.end(), "MsBorderClick"), 0);
    EXPECT_EQ(std::count(line.begin(), line.end(), "MsShadowColorClick"), 1);
    const std::vector<std::string> text = names(ElementMenu::text);
    EXPECT_EQ(std::count(text.begin(), text.end(), "TextFontClick"), 1);
    EXPECT_EQ(std::count(text.begin(), text.end(), "textangle270Click"), 1);
    EXPECT_EQ(names(ElementMenu::rectangle).size(), 6u + 3 + 4 + 3 + 2);
    EXPECT_EQ(names(ElementMenu::triangle).size(), 6u + 8 + 3 + 4 + 3 + 2);
    EXPECT_EQ(
        names(ElementMenu::image),
        (std::vector<std::string>{"imageBottomClick", "imageBringtofrontClick", "imageClientClick",
                                  "imageLeftClick", "imageNoneClick", "imageRightClick",
                                  "imageSendtoBackClick", "imageTopClick"}));
}

TEST_F(PaintElementsTest, TheDialogShowsTheShapeAsDecimalTextsAndTakesThemBack) {
    TTriangleAttribute dialog;
    auto element = shape(PaintKind::triangle);
    element->place(QRect(0, 0, 80, 40));
    element->shape().setBorderWidth(2);
    element->loadDialog(dialog);
    EXPECT_EQ(dialog.MsShapeW->text(), QStringLiteral("80"));
    EXPECT_EQ(dialog.MsShapeH->text(), QStringLiteral("40"));
    EXPECT_EQ(dialog.msXSpacing->text(), QStringLiteral("20"));
    EXPECT_EQ(dialog.msShadowX->text(), QStringLiteral("2"));
    EXPECT_EQ(dialog.MsBorderwidth->text(), QStringLiteral("2"));
    dialog.msXmargin->setText(QStringLiteral("5"));
    dialog.MsShapeW->setText(QStringLiteral("30"));
    dialog.MsShapeH->setText(QStringLiteral("0"));
    dialog.MsBorderwidth->setText(QStringLiteral("0"));
    element->applyDialog(dialog);
    const controls::TMultiShape& s = element->shape();
    EXPECT_EQ(s.xMargin(), 5);
    // Fitted: the control takes the shape with its margins; sizes keep their minimum of 1.
    EXPECT_EQ(s.shapeW(), 30);
    EXPECT_EQ(s.width(), 40);
    EXPECT_EQ(s.shapeH(), 1);
    EXPECT_EQ(s.borderWidth(), 1);
    // The rectangle dialog takes a border of 0; the text dialog carries the text.
    TRectangleAttribute rectangleDialog;
    auto rectangle = shape(PaintKind::rectangle);
    rectangle->loadDialog(rectangleDialog);
    rectangleDialog.MsBorderwidth->setText(QStringLiteral("0"));
    rectangle->applyDialog(rectangleDialog);
    EXPECT_EQ(rectangle->shape().borderWidth(), 0);
    TTextAttribute textDialog;
    EXPECT_EQ(textDialog.MsBorderwidth, nullptr);
    auto text = shape(PaintKind::text);
    text->loadDialog(textDialog);
    EXPECT_EQ(textDialog.MsText->text(), QStringLiteral("Mennel"));
    textDialog.MsText->setText(QStringLiteral("标题"));
    text->applyDialog(textDialog);
    EXPECT_EQ(text->shape().text(), QStringLiteral("标题"));
}

TEST_F(PaintElementsTest, TheDialogsCarryTheirCaptionsAndGroups) {
    const std::pair<std::unique_ptr<TmultiShapeAttribute>, const char*> dialogs[] = {
        {std::make_unique<TmultiShapeAttribute>(), "图形性质定义窗口"},
        {std::make_unique<TlineAttribute>(), "线性质定义窗口"},
        {std::make_unique<TRectangleAttribute>(), "正方形性质定义窗口"},
        {std::make_unique<TTriangleAttribute>(), "三角性质定义窗口"},
        {std::make_unique<TTextAttribute>(), "文本性质定义窗口"},
    };
    for (const auto& [dialog, caption] : dialogs) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(caption));
        // Every field and button lies inside the dialog.
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (w->parentWidget() != dialog.get()) continue;
            EXPECT_TRUE(dialog->rect().contains(w->geometry())) << caption;
        }
        EXPECT_EQ(dialog->OKBtn->text(), QStringLiteral("确定"));
    }
}

TEST_F(PaintElementsTest, APictureElementKeepsItsBytesEvenWhenTheyShowNothing) {
    auto element = makePaintElement(PaintKind::image, &canvas);
    auto& image = static_cast<TpeImage&>(*element);
    EXPECT_EQ(image.image().pos(), QPoint(0, 0));
    EXPECT_TRUE(image.image().stretch());
    DrawingRecord damaged;
    damaged.kind = PaintKind::image;
    damaged.control = {"TImage",
                       "",
                       {{"Width", 40}, {"Height", 30}, {"Picture.Data", Binary{"\x89PNG broken"}}},
                       {}};
    std::vector<QString> problems;
    image.read(damaged, problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(image.image().picture().isNull());
    EXPECT_EQ(image.pictureBytes(), "\x89PNG broken");
    EXPECT_EQ(image.record().control.find("Picture.Data") != nullptr, true);
    EXPECT_EQ(image.image().size(), QSize(40, 30));
}

} // namespace
} // namespace olvide::drawing
