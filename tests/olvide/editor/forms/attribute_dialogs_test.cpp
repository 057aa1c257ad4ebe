#include "modal.h"
#include "olvide/controls/kel_image.h"
#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/commander_dialogs.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/forms/operation_windows.h"
#include "olvide/editor/forms/text_dialogs.h"
#include "olvide/editor/forms/value_dialogs.h"
#include "olvide/editor/forms/yin_dialog.h"
#include "olvide/model/files/program_file.h"
#include "sample_program.h"
#include "tests/support/scripted_platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace olvide;
using namespace olvide::forms;
using olvide::forms::testing::onNextModal;

namespace {

// The model asks its constants through the real windows.
class FormsPlatform : public olvide::testing::ScriptedPlatform {
public:
    EditorForms* forms = nullptr;
    std::optional<std::string> askString(const ConstantRequest& request) override {
        return forms->askString(request);
    }
};

class AttributeDialogs : public ::testing::Test {
protected:
    AttributeDialogs() { platform.forms = &forms; }

    // Runs editAttributes with the action driving the open dialog.
    template <class Dialog> bool edit(TVisualor& object, std::function<void(Dialog&)> action) {
        onNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            // Focus moves only within the active window.
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            action(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        return forms.editAttributes(object, program.space);
    }

    static void typeName(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->clear();
        QInputMethodEvent composed;
        composed.setCommitString(text);
        QApplication::sendEvent(box, &composed);
    }

    FormsPlatform platform;
    EditorForms forms;
    olvide::forms::testing::SampleProgram program{platform};
};

} // namespace

TEST_F(AttributeDialogs, ADuplicateOrNumericNameIsRefusedWithTheFocusOnTheName) {
    const std::string before = program.count->VisualorAlias;
    for (const QString& name :
         {QStringLiteral("总和"), QStringLiteral("NUM12"), QStringLiteral("12")}) {
        platform.requests.clear();
        bool stayedOpen = false;
        bool focused = false;
        EXPECT_FALSE(edit<TnumberAttributeDialog>(*program.count, [&](TnumberAttributeDialog& d) {
            typeName(d.VisualorAlias, name);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
            stayedOpen = d.isVisible();
            focused = d.focusWidget() == d.VisualorAlias;
        })) << name.toStdString();
        EXPECT_TRUE(stayedOpen) << name.toStdString();
        EXPECT_TRUE(focused) << name.toStdString();
        ASSERT_NE(platform.last("warning"), nullptr) << name.toStdString();
    }
    EXPECT_EQ(platform.requests.back().text, cp("不允许数字名称"));
    EXPECT_EQ(program.count->VisualorAlias, before);
}

TEST_F(AttributeDialogs, LeavingTheNameBoxWithANumberIsRefusedButCancelIsReachable) {
    edit<TnumberAttributeDialog>(*program.count, [&](TnumberAttributeDialog& d) {
        typeName(d.VisualorAlias, QStringLiteral("3.5"));
        d.numberValue->setFocus();
        EXPECT_EQ(platform.count("warning"), 1u);
        EXPECT_EQ(d.focusWidget(), d.VisualorAlias);
        d.CancelButton->setFocus();
        EXPECT_EQ(platform.count("warning"), 1u);
    });
}

TEST_F(AttributeDialogs, AChineseNameAndCommentReachTheModelAsCodePageBytes) {
    EXPECT_TRUE(edit<TnumberAttributeDialog>(*program.count, [](TnumberAttributeDialog& d) {
        typeName(d.VisualorAlias, QStringLiteral(" 计数 "));
        d.VisualorComment->setPlainText(QStringLiteral("第一行\n2"));
        d.numberValue->setText(QStringLiteral("7"));
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    EXPECT_EQ(program.count->VisualorAlias, "\xBC\xC6\xCA\xFD"); // trimmed, GBK
    EXPECT_EQ(program.count->VisualorComment,
              (std::vector<std::string>{"\xB5\xDA\xD2\xBB\xD0\xD0", "2"}));
    EXPECT_EQ(program.count->StoreValueText(), "7");
}

TEST_F(AttributeDialogs, CancelChangesNothing) {
    const std::string alias = program.string->VisualorAlias;
    EXPECT_FALSE(edit<TStringAttributeDialog>(*program.string, [](TStringAttributeDialog& d) {
        d.VisualorAlias->setText(QStringLiteral("other"));
        d.fields.StringValue->setText(QStringLiteral("x"));
        d.IsArray->setChecked(true);
        QTest::mouseClick(d.CancelButton, Qt::LeftButton);
    }));
    EXPECT_EQ(program.string->VisualorAlias, alias);
    EXPECT_EQ(program.string->StoreValueText(), "");
    EXPECT_EQ(program.string->IndexMode, indexmode::Plain);
}

TEST_F(AttributeDialogs, ArrayValuesAreWalkedWithTheArrowsAndStoredPerIndex) {
    // Make count an array of 1 to 4 (the question answered yes).
    platform.ok();
    EXPECT_TRUE(edit<TnumberAttributeDialog>(*program.count, [](TnumberAttributeDialog& d) {
        EXPECT_FALSE(d.ArrayIndex->isEnabled());
        d.IsArray->setChecked(true);
        d.ArrayLowdimension->setValue(1);
        d.ArrayHighdimension->setValue(4);
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    auto* array = dynamic_cast<TprogramArray*>(program.count->ArrayObject);
    ASSERT_NE(array, nullptr);
    ASSERT_EQ(array->Elements.size(), 4u);

    EXPECT_TRUE(edit<TnumberAttributeDialog>(*array, [](TnumberAttributeDialog& d) {
        EXPECT_TRUE(d.ArrayIndex->isEnabled());
        EXPECT_EQ(d.ArrayIndex->currentText(), QStringLiteral("1"));
        QLineEdit* value = d.numberValue;
        value->setFocus();
        QTest::keyClick(value, Qt::Key_Up); // nothing above the first
        EXPECT_EQ(d.arrayPosition(), 0);
        for (const char* typed : {"10", "20", "30", "40"}) {
            value->selectAll();
            QTest::keyClicks(value, QString::fromLatin1(typed));
            QTest::keyClick(value, Qt::Key_Down); // nothing below the last
        }
        EXPECT_EQ(d.ArrayIndex->currentText(), QStringLiteral("4"));
        QTest::keyClick(value, Qt::Key_Up);
        EXPECT_EQ(value->text(), QStringLiteral("30"));
        // Choosing an index shows its value; leaving the value stores it.
        d.ArrayIndex->setEditText(QStringLiteral("2"));
        EXPECT_EQ(value->text(), QStringLiteral("20"));
        value->selectAll();
        QTest::keyClicks(value, QStringLiteral("25"));
        d.VisualorComment->setFocus();
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    std::vector<std::string> values;
    for (const TprogramVaribler* element : array->Elements)
        values.push_back(element->StoreValueText());
    EXPECT_EQ(values, (std::vector<std::string>{"10", "25", "30", "40"}));
}

TEST_F(AttributeDialogs, BoundsOfMoreThan640ElementsAreRefusedWithTheFocusOnTheBounds) {
    bool focused = false;
    EXPECT_FALSE(edit<TnumberAttributeDialog>(*program.count, [&](TnumberAttributeDialog& d) {
        d.IsArray->setChecked(true);
        d.ArrayLowdimension->setValue(1);
        d.ArrayHighdimension->setValue(641);
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
        focused = d.focusWidget() == d.ArrayHighdimension;
    }));
    EXPECT_TRUE(focused);
    ASSERT_NE(platform.last("warning"), nullptr);
    EXPECT_EQ(platform.last("warning")->text, cp("数组元素不能超过640个!"));
    EXPECT_EQ(program.count->IndexMode, indexmode::Plain);
}

TEST_F(AttributeDialogs, TheBooleanChoiceStartsFalseAndIsTaken) {
    EXPECT_TRUE(edit<TBooleanAttributeDialog>(*program.boolean, [](TBooleanAttributeDialog& d) {
        EXPECT_TRUE(d.falseChoice->isChecked());
        d.trueChoice->setChecked(true);
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    EXPECT_EQ(program.boolean->StoreValueText(), "TRUE");
}

TEST_F(AttributeDialogs, TheFixedLengthFollowsTheStringInCodePageBytes) {
    EXPECT_TRUE(edit<TStringAttributeDialog>(*program.string, [](TStringAttributeDialog& d) {
        EXPECT_FALSE(d.fixedlength->isEnabled());
        d.Isfixed->setChecked(true);
        EXPECT_TRUE(d.fixedlength->isEnabled());
        d.fields.StringValue->setText(QStringLiteral("中文ab"));
        EXPECT_EQ(d.fixedlength->text(), QStringLiteral("6"));
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    EXPECT_TRUE(program.string->Isfixed);
    EXPECT_EQ(program.string->StoreValueText(), "\xD6\xD0\xCE\xC4"
                                                "ab");
}

TEST_F(AttributeDialogs, ReorderingTheParametersReachesTheArgumentOrder) {
    ASSERT_EQ(program.main->ArgumentList,
              (std::vector<TprogramVaribler*>{program.number, program.count}));
    EXPECT_TRUE(
        edit<TMainCommanderAttributeDialog>(*program.main, [&](TMainCommanderAttributeDialog& d) {
            QTest::mouseClick(d.RightBitBtn, Qt::LeftButton); // nothing chosen: nothing moves
            QTest::mouseClick(d.parameterPicture(1), Qt::LeftButton);
            EXPECT_EQ(d.selectedParameter(), 1);
            QTest::mouseClick(d.RightBitBtn, Qt::LeftButton); // already last
            QTest::mouseClick(d.leftBitBtn, Qt::LeftButton);
            EXPECT_EQ(d.selectedParameter(), 0);
            EXPECT_LT(d.parameterPicture(0)->x(), d.parameterPicture(1)->x());
            // An internal reaction shares the other main commander's values.
            d.internalcall->setChecked(true);
            EXPECT_TRUE(d.staticcommander->isEnabled());
            d.staticcommander->setCurrentIndex(0);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        }));
    EXPECT_EQ(program.main->ArgumentList,
              (std::vector<TprogramVaribler*>{program.count, program.number}));
    EXPECT_TRUE(program.main->InternalCall);
    EXPECT_EQ(program.main->StaticCommander, program.second);
}

TEST_F(AttributeDialogs, TheCommanderPictureRunsThroughItsFramesOnlyWhileShown) {
    TTrueCommanderAttributeDialog& dialog = forms.trueCommanderDialog();
    edit<TTrueCommanderAttributeDialog>(*program.trueCommander, [](auto& d) {
        EXPECT_EQ(d.olvaneImageList().size(), 4u);
        EXPECT_TRUE(d.olvaneTimer.isActive());
        EXPECT_EQ(d.olvaneTimer.interval(), 1000);
        const QImage first = d.olvaneImage->canvas();
        // Green is transparent: the silver ground shows in the corner.
        EXPECT_EQ(first.pixelColor(1, 1), QColor(192, 192, 192));
        QTest::qWait(1150);
        EXPECT_EQ(d.frame(), 1);
        EXPECT_NE(d.olvaneImage->canvas(), first);
    });
    EXPECT_FALSE(dialog.olvaneTimer.isActive());
    EXPECT_TRUE(dialog.olvaneImageList().empty());
    EXPECT_EQ(forms.mainCommanderDialog().olvaneTimer.interval(), 800);
}

TEST_F(AttributeDialogs, TheFalseCommanderKeepsItsName) {
    edit<TFalseCommanderAttributeDialog>(*program.falseCommander, [](auto& d) {
        EXPECT_FALSE(d.VisualorAlias->isEnabled());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("假士流程Olvan性质定义窗口"));
    });
}

TEST_F(AttributeDialogs, DefaultPictureAndNameOfAVisualObject) {
    const QString picture = QDir::temp().filePath(QStringLiteral("olvan-forms-yin.bmp"));
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(picture, "BMP"));
    EXPECT_TRUE(edit<TYinAttributeDialog>(*program.yin, [&](TYinAttributeDialog& d) {
        EXPECT_TRUE(d.fileName().isEmpty());
        EXPECT_TRUE(d.loadPicture(picture));
        d.Yinalias->setText(QStringLiteral("印一"));
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    EXPECT_TRUE(program.yin->hasOwnPicture);
    EXPECT_EQ(program.yin->VisualorAlias, cp("印一"));

    EXPECT_TRUE(edit<TYinAttributeDialog>(*program.yin, [&](TYinAttributeDialog& d) {
        EXPECT_EQ(d.fileName(), picture);
        EXPECT_EQ(d.YinImage->picture().size(), QSize(20, 20));
        QTest::mouseClick(d.defaultButton, Qt::LeftButton);
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    EXPECT_FALSE(program.yin->hasOwnPicture);
    EXPECT_TRUE(program.yin->pictureFile.empty());
    EXPECT_EQ(program.yin->VisualorAlias, "Inventor");
    QFile::remove(picture);
}

TEST_F(AttributeDialogs, OutputContentGoesBackLineByLine) {
    EXPECT_TRUE(edit<TOutputAttributeDialog>(*program.output, [](TOutputAttributeDialog& d) {
        EXPECT_EQ(d.OutputContent->toPlainText(), QStringLiteral("第一行\nsecond line"));
        d.OutputContent->setPlainText(QStringLiteral("a\n\n中"));
        QTest::mouseClick(d.OkButton, Qt::LeftButton);
    }));
    EXPECT_EQ(program.output->OutputLines, (std::vector<std::string>{"a", "", "\xD6\xD0"}));
}

TEST(TextFileLines, Utf8IsConvertedAndAnythingElseTakenAsItIs) {
    EXPECT_EQ(textFileLines("\xE4\xB8\xAD\r\nb\n"), (std::vector<std::string>{"\xD6\xD0", "b"}));
    // GBK bytes are no valid UTF-8: kept.
    EXPECT_EQ(textFileLines("\xD6\xD0\nx"), (std::vector<std::string>{"\xD6\xD0", "x"}));
    EXPECT_EQ(textFileLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(textFileLines("").empty());
}

TEST_F(AttributeDialogs, AStringConstantWithQuotesAndBackslashesSurvivesSaveAndOpen) {
    const std::string typed = "\xC4\xE3 'it''s' \"q\" \\n\\";
    program.string->MakeReady();
    onNextModal([](QWidget* modal) {
        auto* window = qobject_cast<TStringOperationWindow*>(modal);
        ASSERT_NE(window, nullptr);
        window->StringValue->clear();
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("你 'it''s' \"q\" \\n\\"));
        QApplication::sendEvent(window->StringValue, &composed);
        QTest::keyClick(window->StringValue, Qt::Key_Return);
    });
    program.string->beginOperation("A->S");
    ASSERT_EQ(program.space.objects.constants.size(), 1u);
    EXPECT_EQ(program.space.objects.constants[0]->ConstantValue, typed);

    RecordWriter writer;
    writeProgramfile(program.space, writer);
    Tprogramspace& reopened = program.workspace.newProgram();
    RecordReader reader(writer.bytes());
    ASSERT_TRUE(readProgramfile(reopened, reader).ok());
    ASSERT_EQ(reopened.objects.constants.size(), 1u);
    EXPECT_EQ(reopened.objects.constants[0]->ConstantValue, typed);
}
