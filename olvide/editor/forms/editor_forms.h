#pragma once
// The small forms of the editor as the rest of the editor uses them: the control panel, the
// constant-entry windows, the index dialog, every attribute dialog and the about box. All are
// made once, in the start-up order, and live until the program ends.
//
// Texts going in and out (captions, declarations, constants, names) are code-page bytes
// (GB18030) exactly as the model keeps them; the forms convert them for the screen.
#include "olvide/editor/forms/add_button.h"
#include "olvide/editor/forms/control_panel.h"
#include "olvide/model/platform.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QAbstractButton;
class QWidget;

namespace olvide {
class TVisualor;
class Tprogramspace;
} // namespace olvide

namespace olvide::forms {

class TControlPanel;
class TNumberOperationWindow;
class TStringOperationWindow;
class TIndexADialog;
class TvisualorAttributeDialog;
class TvariblerAttributeDialog;
class TnumberAttributeDialog;
class TIterationAttributeDialog;
class TBooleanAttributeDialog;
class TconditionAttributeDialog;
class TStringAttributeDialog;
class TOutputAttributeDialog;
class TOutputStringAttributeDialog;
class TfunctionAttributeDialog;
class TCommanderAttributeDialog;
class TMainCommanderAttributeDialog;
class TTrueCommanderAttributeDialog;
class TFalseCommanderAttributeDialog;
class TforCommanderAttributeDialog;
class TYinAttributeDialog;
class TAboutAuthor;

// The forms are made in three groups; the main window pauses between them at start-up and
// makes its own forms in between.
enum class FormGroup { first, second, third };

class EditorForms {
public:
    // Makes the forms of every group now (allGroups), or only the first group; a later group
    // is made by create() or, at the latest, by the first use of one of its forms.
    explicit EditorForms(bool allGroups = true);
    ~EditorForms();
    EditorForms(const EditorForms&) = delete;
    EditorForms& operator=(const EditorForms&) = delete;

    // Makes the forms of a group, in their order; nothing when it exists already.
    void create(FormGroup group);

    // The forms.
    TControlPanel& controlPanel();
    TIndexADialog& indexDialog();
    TNumberOperationWindow& numberWindow();
    TStringOperationWindow& stringWindow();
    TvisualorAttributeDialog& visualorDialog();
    TvariblerAttributeDialog& variblerDialog();
    TnumberAttributeDialog& numberDialog();
    TIterationAttributeDialog& iterationDialog();
    TBooleanAttributeDialog& booleanDialog();
    TconditionAttributeDialog& conditionDialog();
    TStringAttributeDialog& stringDialog();
    TOutputAttributeDialog& outputDialog();
    TOutputStringAttributeDialog& outputStringDialog();
    TfunctionAttributeDialog& functionDialog();
    TCommanderAttributeDialog& commanderDialog();
    TMainCommanderAttributeDialog& mainCommanderDialog();
    TTrueCommanderAttributeDialog& trueCommanderDialog();
    TFalseCommanderAttributeDialog& falseCommanderDialog();
    TforCommanderAttributeDialog& forCommanderDialog();
    TYinAttributeDialog& yinDialog();
    TAboutAuthor& aboutAuthor();

    // The constant windows and the index dialog, modal; none when cancelled. What the editor's
    // platform answers to the model's askNumber, askString and askIndex.
    std::optional<std::string> askNumber(const ConstantRequest& request);
    std::optional<std::string> askString(const ConstantRequest& request);
    std::optional<int> askIndex(std::string_view caption, int low, int high);

    // Opens the attribute dialog of the object's kind modally, filled by the program space.
    // OK and leaving the name field are checked by the program space: a refusal shows its
    // message (through the space's platform), puts the focus on the offending field and keeps
    // the dialog open. On OK the values go back through the program space (which asks about
    // consequential changes); Cancel changes nothing. True when the values were taken.
    // Objects without an attribute dialog (constants, operators, step objects) open nothing.
    bool editAttributes(TVisualor& object, Tprogramspace& space);
    // The dialog editAttributes opens, set up and filled for the object but not shown; none
    // for objects without one.
    TvisualorAttributeDialog* prepareAttributes(TVisualor& object, Tprogramspace& space);

    // The about box, modal.
    void showAbout();

    // The function dialog's "打开函数" runs the main window's open command through this.
    std::function<void()> openProgram;

private:
    struct Forms;
    std::unique_ptr<Forms> forms_;
};
} // namespace olvide::forms
