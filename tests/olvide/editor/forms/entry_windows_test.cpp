#include "modal.h"
#include "olvide/controls/hemisphere_button.h"
#include "olvide/controls/kel_image.h"
#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/about_author.h"
#include "olvide/editor/forms/index_dialog.h"
#include "olvide/editor/forms/operation_windows.h"
#include "olvide/model/codepage.h"

#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace olvide::forms;
using olvide::forms::testing::closeNextMessageBox;
using olvide::forms::testing::onNextModal;

namespace {

olvide::ConstantRequest request(const char* caption, const char* declaration, bool valueFirst,
                                const char* initial) {
    return {olvide::fromUtf8(caption), olvide::fromUtf8(declaration), valueFirst, initial};
}

// Types into the focused value box of the next modal window, Chinese first as an input
// method commits it, then the keys, then presses the key.
void typeInto(const QString& chinese, const QString& keys, Qt::Key key) {
    onNextModal([=](QWidget* window) {
        QWidget* box = window->focusWidget();
        ASSERT_NE(box, nullptr);
        qobject_cast<QLineEdit*>(box)->clear();
        if (!chinese.isEmpty()) {
            QInputMethodEvent composed;
            composed.setCommitString(chinese);
            QApplication::sendEvent(box, &composed);
        }
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, key);
    });
}

} // namespace

TEST(NumberOperationWindow, PlacesTheValueBoxBeforeOrAfterTheOperationText) {
    TNumberOperationWindow window;
    window.prepare(request(" A - x ", " - x ", true, "0"));
    const int bevelLeft = window.Bevel1->x();
    EXPECT_EQ(window.NumberValue->x(), bevelLeft + 8);
    EXPECT_EQ(window.Operationdeclaration->x(),
              window.NumberValue->x() + window.NumberValue->width() + 1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" A - x "));
    EXPECT_EQ(window.NumberValue->text(), QStringLiteral("0"));
    EXPECT_EQ(window.pos(), QPoint(200, 200));

    window.prepare(request(" x + A ", " x + ", false, "1"));
    EXPECT_EQ(window.Operationdeclaration->x(), bevelLeft + 8);
    EXPECT_EQ(window.NumberValue->x(),
              window.Operationdeclaration->x() + window.Operationdeclaration->width() + 1);
    EXPECT_EQ(window.Operationdeclaration->text(), QStringLiteral(" x + "));
    // Both arrangements stay inside the bevel.
    EXPECT_LE(window.NumberValue->geometry().right(), window.Bevel1->geometry().right());
}

TEST(NumberOperationWindow, EnterTakesTheTypedNumberAndCancelTakesNothing) {
    TNumberOperationWindow window;
    typeInto({}, QStringLiteral("-12.5e3x"), Qt::Key_Return); // the letter is refused
    EXPECT_EQ(window.ask(request(" x * A ", " x * ", false, "1")),
              std::optional<std::string>("-12.5e3"));

    typeInto({}, QStringLiteral("7"), Qt::Key_Escape);
    EXPECT_FALSE(window.ask(request(" x * A ", " x * ", false, "1")));
}

TEST(StringOperationWindow, FramesTheValueWithNavyQuotes) {
    TStringOperationWindow window;
    window.prepare(request(" S + A ", " S + ", false, ""));
    const QRect edit = window.StringValue->geometry();
    EXPECT_EQ(window.Operationdeclaration->x(), window.Bevel1->x() + 10);
    EXPECT_EQ(edit.x(),
              window.Operationdeclaration->x() + window.Operationdeclaration->width() + 8);
    EXPECT_EQ(window.Label1->x(), edit.x() - 4);
    EXPECT_EQ(window.Label2->x(), edit.x() + edit.width() + 4);
    EXPECT_EQ(window.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    window.prepare(request(" A + S ", " + S ", true, ""));
    EXPECT_EQ(window.StringValue->x(), window.Bevel1->x() + 10);
    EXPECT_EQ(window.Label1->x(), window.StringValue->x() - 4);
    EXPECT_GT(window.Operationdeclaration->x(), window.Label2->x());
}

TEST(StringOperationWindow, ChineseQuotesAndBackslashesComeBackAsCodePageBytes) {
    TStringOperationWindow window;
    typeInto(QStringLiteral("你好"), QStringLiteral(" 'a\"\\b"), Qt::Key_Enter);
    const auto text = window.ask(request(" A->S ", " -> S ", true, ""));
    ASSERT_TRUE(text);
    // GB18030 (GBK) bytes of the two characters, then the rest unchanged.
    EXPECT_EQ(*text, std::string("\xC4\xE3\xBA\xC3 'a\"\\b"));

    // A code-page initial text is shown as the characters it stands for.
    window.prepare({"c", "d", false, std::string("\xD6\xD0")});
    EXPECT_EQ(window.StringValue->text(), QStringLiteral("中"));
}

TEST(IndexDialog, AnIndexOutsideTheLimitsIsRefusedAndKeepsTheFocus) {
    TIndexADialog dialog;
    QString message;
    bool stayedOpen = false;
    bool focusKept = false;
    onNextModal([&](QWidget*) {
        EXPECT_EQ(dialog.Lowlimit->text(), QStringLiteral("1"));
        EXPECT_EQ(dialog.Highlimit->text(), QStringLiteral("10"));
        EXPECT_TRUE(dialog.IndexValue->text().isEmpty());
        QTest::keyClicks(dialog.IndexValue, QStringLiteral("0"));
        closeNextMessageBox(message, &dialog);
        QTest::keyClick(dialog.IndexValue, Qt::Key_Return);
        // After the message the dialog is still up with the box focused; now a good value.
        onNextModal([&](QWidget* modal) {
            stayedOpen = modal == &dialog && dialog.isVisible();
            focusKept = dialog.focusWidget() == dialog.IndexValue;
            dialog.IndexValue->clear();
            QTest::keyClicks(dialog.IndexValue, QStringLiteral("10"));
            QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        });
    });
    EXPECT_EQ(dialog.ask(olvide::fromUtf8("数组索引"), 1, 10), std::optional<int>(10));
    EXPECT_EQ(message, TIndexADialog::kOutOfRange);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusKept);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("数组索引"));
}

TEST(IndexDialog, CancelGivesNoIndex) {
    TIndexADialog dialog;
    onNextModal([&](QWidget*) { QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton); });
    EXPECT_FALSE(dialog.ask(" ", 3, 5));
}

TEST(AboutAuthor, ShowsItsPictureAndTheRoundButtonClosesIt) {
    TAboutAuthor about;
    EXPECT_EQ(about.size(), QSize(540, 397));
    EXPECT_EQ(about.Image1->picture().size(), QSize(540, 397));
    onNextModal([&](QWidget*) {
        QTest::mouseClick(about.CloseButton, Qt::LeftButton, {},
                          about.CloseButton->rect().center());
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}
