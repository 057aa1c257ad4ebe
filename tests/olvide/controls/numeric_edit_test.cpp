#include "olvide/controls/numeric_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace olvide::controls {
namespace {

void typeInto(QLineEdit& edit, const QString& keys) {
    QTest::keyClicks(&edit, keys);
}

TEST(NumericEdit, TypedKeysAreTakenOnlyWhenTheTextStaysANumberOfTheKind) {
    TCardinalEdit cardinal;
    typeInto(cardinal, "-+5-");
    EXPECT_EQ(cardinal.text(), "5");

    TIntegerEdit integer;
    typeInto(integer, "-a");
    EXPECT_EQ(integer.text(), "-");
    typeInto(integer, "12.e");
    EXPECT_EQ(integer.text(), "-12");
    integer.clear();
    typeInto(integer, "2147483647"); // the largest integer
    EXPECT_EQ(integer.text(), "2147483647");
    integer.clear();
    typeInto(integer, "9999999999"); // the tenth nine would leave 32 bits
    EXPECT_EQ(integer.text(), "999999999");

    TRealEdit real;
    typeInto(real, "1e5");
    EXPECT_EQ(real.text(), "1e5");
    typeInto(real, "e.");
    EXPECT_EQ(real.text(), "1e5");
    real.clear();
    typeInto(real, "-.5e-3");
    EXPECT_EQ(real.text(), "-.5e-3");
    EXPECT_DOUBLE_EQ(real.value(), -0.0005);
}

TEST(NumericEdit, BackspaceAndDeleteAreRefusedWhenTheyWouldBreakTheNumber) {
    TRealEdit real;
    real.setText("1e5");
    real.setCursorPosition(1);
    QTest::keyClick(&real, Qt::Key_Backspace); // would leave "e5"
    EXPECT_EQ(real.text(), "1e5");
    real.setCursorPosition(0);
    QTest::keyClick(&real, Qt::Key_Delete);
    EXPECT_EQ(real.text(), "1e5");
    real.setCursorPosition(2);
    QTest::keyClick(&real, Qt::Key_Backspace);
    EXPECT_EQ(real.text(), "15");

    TIntegerEdit integer;
    integer.setText("-5");
    QTest::keyClick(&integer, Qt::Key_Backspace);
    EXPECT_EQ(integer.text(), "-");
    QTest::keyClick(&integer, Qt::Key_Backspace);
    EXPECT_EQ(integer.text(), "");
}

TEST(NumericEdit, ValueWritesAreClampedWhenValidateIsOn) {
    TIntegerEdit integer;
    integer.setMinValue(1);
    integer.setMaxValue(10);
    integer.setValue(12);
    EXPECT_EQ(integer.text(), "12");
    integer.setValidate(true); // rewrites the text from the value
    EXPECT_EQ(integer.text(), "10");
    integer.setValue(-3);
    EXPECT_EQ(integer.text(), "1");

    TRealEdit real;
    real.setMinValue(1);
    real.setMaxValue(10);
    real.setValidate(true);
    real.setValue(12.5);
    EXPECT_EQ(real.text(), "10");
    real.setValue(2.5);
    EXPECT_EQ(real.value(), 2.5);
    real.setFormatString("0.00");
    EXPECT_EQ(real.text(), "2.50");
    real.setValue(std::nan(""));
    EXPECT_EQ(real.text(), "2.50");

    TCardinalEdit cardinal;
    cardinal.setValue(-4);
    EXPECT_EQ(cardinal.text(), "0");
}

TEST(NumericEdit, EmptyTextAndLoneSignsReadAsZero) {
    TRealEdit real;
    TIntegerEdit integer;
    EXPECT_EQ(real.value(), 0);
    EXPECT_EQ(integer.value(), 0);
    real.setText("-");
    integer.setText("+");
    EXPECT_EQ(real.value(), 0);
    EXPECT_EQ(integer.value(), 0);
}

TEST(NumericEdit, NumbersUseAPointWhateverTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TRealEdit real;
    real.setValue(2.5);
    EXPECT_EQ(real.text(), "2.5");
    real.setFormatString("0.00");
    EXPECT_EQ(real.text(), "2.50");
    EXPECT_EQ(real.value(), 2.5);
    QLocale::setDefault(previous);
}

class NumericEditClipboard : public ::testing::Test {
protected:
    static QClipboard& clipboard() { return *QApplication::clipboard(); }
    static void press(QLineEdit& edit, int key) {
        QTest::keyClick(&edit, key, Qt::ControlModifier);
    }
};

TEST_F(NumericEditClipboard, PasteIsTakenOnlyWhenTheResultIsANumber) {
    TIntegerEdit edit;
    edit.setText("12");
    edit.setCursorPosition(1);
    clipboard().setText("-");
    press(edit, Qt::Key_V);
    EXPECT_EQ(edit.text(), "12");
    clipboard().setText("34");
    press(edit, Qt::Key_V);
    EXPECT_EQ(edit.text(), "1342");
    edit.selectAll();
    clipboard().setText("-7");
    press(edit, Qt::Key_V);
    EXPECT_EQ(edit.text(), "-7");
}

TEST_F(NumericEditClipboard, CutIsRefusedWhenTheRestWouldNotBeANumber) {
    TRealEdit edit;
    edit.setText("1e5");
    clipboard().setText("kept");
    edit.setSelection(0, 1);
    press(edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), "1e5");
    EXPECT_EQ(clipboard().text(), "kept");
    edit.setSelection(2, 1);
    press(edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), "1e");
    EXPECT_EQ(clipboard().text(), "5");
    edit.setSelection(0, 2);
    press(edit, Qt::Key_C);
    EXPECT_EQ(clipboard().text(), "1e");
}

TEST_F(NumericEditClipboard, PastingWithoutTextOnTheClipboardSaysSo) {
    TRealEdit edit;
    edit.setText("3");
    clipboard().clear();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    press(edit, Qt::Key_V);
    EXPECT_EQ(shown, TNumericEdit::kNoClipboardText);
    EXPECT_EQ(shown, "No text on the Clipboard");
    EXPECT_EQ(edit.text(), "3");
}

TEST(NumericEdit, DropsAndInputMethodsPassTheSameFilter) {
    TIntegerEdit edit;
    edit.setText("12");
    edit.setCursorPosition(2);
    // Dropped at the left end, before the "1".
    const auto drop = [&edit](const QString& text) {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(QPoint(1, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&edit, &enter);
        QDropEvent event(QPointF(1, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&edit, &event);
    };
    drop("x");
    EXPECT_EQ(edit.text(), "12");
    drop("-");
    EXPECT_EQ(edit.text(), "-12");
    drop("+");
    EXPECT_EQ(edit.text(), "-12");

    const auto compose = [&edit](const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(&edit, &event);
    };
    edit.setCursorPosition(edit.text().size());
    compose("ab");
    EXPECT_EQ(edit.text(), "-12");
    compose("4");
    EXPECT_EQ(edit.text(), "-124");
}

} // namespace
} // namespace olvide::controls
