// Draws every form of the editor, filled from a real program, to PNG files for looking at
// them: olvide_editor_forms_gallery [folder]  (default: build/screenshots/forms).
#include "olvide/controls/numeric_edit.h"
#include "olvide/editor/forms/about_author.h"
#include "olvide/editor/forms/commander_dialogs.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/forms/index_dialog.h"
#include "olvide/editor/forms/operation_windows.h"
#include "olvide/editor/forms/value_dialogs.h"
#include "olvide/editor/forms/visualor_dialog.h"
#include "sample_program.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <filesystem>

using namespace olvide;
using namespace olvide::forms;

namespace {

// Says yes to every question, so that a variable can be turned into an array.
class AgreeingPlatform : public NullPlatform {
public:
    bool confirm(std::string_view) override { return true; }
};

bool save(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    QTest::qWait(60); // let the window lay out and the animation draw its first frame
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
    window.hide();
    return saved;
}

bool saveAttributes(EditorForms& forms, TVisualor& object, Tprogramspace& space, const QDir& folder,
                    const char* name) {
    TvisualorAttributeDialog* dialog = forms.prepareAttributes(object, space);
    return dialog && save(*dialog, folder, name);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The pictures lie beside the programs.
    std::error_code error;
    std::filesystem::current_path(OLVAN_PICTURE_FOLDER, error);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral(OLVAN_SCREENSHOT_DIR));
    if (!QDir().mkpath(folder.path())) return 1;

    AgreeingPlatform platform;
    testing::SampleProgram program(platform);
    Tprogramspace& space = program.space;
    EditorForms forms;
    bool ok = save(forms.controlPanel(), folder, "control-panel");

    forms.numberWindow().prepare({cp(" x + A "), cp(" x + "), false, "0"});
    ok &= save(forms.numberWindow(), folder, "number-window");
    forms.numberWindow().prepare({cp(" A - x "), cp(" - x "), true, "1"});
    ok &= save(forms.numberWindow(), folder, "number-window-value-first");
    forms.stringWindow().prepare({cp(" S + A "), cp(" S + "), false, cp("你好")});
    ok &= save(forms.stringWindow(), folder, "string-window");
    forms.indexDialog().prepare(cp("数组索引"), 1, 10);
    ok &= save(forms.indexDialog(), folder, "index-dialog");
    ok &= save(forms.aboutAuthor(), folder, "about");

    ok &= saveAttributes(forms, *program.number, space, folder, "number");
    ok &= saveAttributes(forms, *program.iteration, space, folder, "iteration");
    ok &= saveAttributes(forms, *program.boolean, space, folder, "boolean");
    ok &= saveAttributes(forms, *program.condition, space, folder, "condition");
    ok &= saveAttributes(forms, *program.string, space, folder, "string");
    ok &= saveAttributes(forms, *program.output, space, folder, "output");
    ok &= saveAttributes(forms, *program.outputLine, space, folder, "output-line");
    ok &= saveAttributes(forms, *program.function, space, folder, "function");
    ok &= saveAttributes(forms, *program.main, space, folder, "main-commander");
    ok &= saveAttributes(forms, *program.trueCommander, space, folder, "true-commander");
    ok &= saveAttributes(forms, *program.falseCommander, space, folder, "false-commander");
    ok &= saveAttributes(forms, *program.forCommander, space, folder, "for-commander");
    ok &= saveAttributes(forms, *program.yin, space, folder, "yin");

    // A number array of 1 to 5, its third element chosen.
    AttributeWindow window;
    space.fillAttributes(*program.count, window);
    window.IsArray = true;
    window.ArrayLowdimension = 1;
    window.ArrayHighdimension = 5;
    space.applyAttributes(*program.count, window);
    TvisualorAttributeDialog* array = forms.prepareAttributes(*program.count, space);
    if (array) {
        auto& numbers = static_cast<TnumberAttributeDialog&>(*array);
        numbers.numberValue->setFocus();
        QTest::keyClick(numbers.numberValue, Qt::Key_Down);
        QTest::keyClick(numbers.numberValue, Qt::Key_Down);
    }
    ok &= array && save(*array, folder, "number-array");
    return ok ? 0 : 1;
}
