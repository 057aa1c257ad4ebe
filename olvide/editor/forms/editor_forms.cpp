#include "olvide/editor/forms/editor_forms.h"

#include "olvide/editor/forms/about_author.h"
#include "olvide/editor/forms/commander_dialogs.h"
#include "olvide/editor/forms/function_dialog.h"
#include "olvide/editor/forms/index_dialog.h"
#include "olvide/editor/forms/operation_windows.h"
#include "olvide/editor/forms/text_dialogs.h"
#include "olvide/editor/forms/value_dialogs.h"
#include "olvide/editor/forms/yin_dialog.h"

namespace olvide::forms {

struct EditorForms::Forms {
    bool made[3] = {false, false, false};
    // First group.
    std::unique_ptr<TIndexADialog> index;
    std::unique_ptr<TControlPanel> controlPanel;
    std::unique_ptr<TvisualorAttributeDialog> visualor;
    std::unique_ptr<TCommanderAttributeDialog> commander;
    std::unique_ptr<TStringOperationWindow> stringWindow;
    std::unique_ptr<TvariblerAttributeDialog> varibler;
    std::unique_ptr<TBooleanAttributeDialog> boolean;
    std::unique_ptr<TfunctionAttributeDialog> function;
    std::unique_ptr<TnumberAttributeDialog> number;
    std::unique_ptr<TconditionAttributeDialog> condition;
    std::unique_ptr<TIterationAttributeDialog> iteration;
    std::unique_ptr<TOutputStringAttributeDialog> outputString;
    // Second group.
    std::unique_ptr<TOutputAttributeDialog> output;
    std::unique_ptr<TNumberOperationWindow> numberWindow;
    std::unique_ptr<TStringAttributeDialog> string;
    std::unique_ptr<TFalseCommanderAttributeDialog> falseCommander;
    // Third group.
    std::unique_ptr<TTrueCommanderAttributeDialog> trueCommander;
    std::unique_ptr<TforCommanderAttributeDialog> forCommander;
    std::unique_ptr<TMainCommanderAttributeDialog> mainCommander;
    std::unique_ptr<TAboutAuthor> about;
    std::unique_ptr<TYinAttributeDialog> yin;
};

EditorForms::EditorForms(bool allGroups) : forms_(std::make_unique<Forms>()) {
    create(FormGroup::first);
    if (allGroups) {
        create(FormGroup::second);
        create(FormGroup::third);
    }
}

EditorForms::~EditorForms() = default;

void EditorForms::create(FormGroup group) {
    const int g = static_cast<int>(group);
    if (forms_->made[g]) return;
    // The groups come in order: a later one needs the earlier ones.
    if (g > 0) create(static_cast<FormGroup>(g - 1));
    forms_->made[g] = true;
    Forms& f = *forms_;
    switch (group) {
    case FormGroup::first:
        f.index = std::make_unique<TIndexADialog>();
        f.controlPanel = std::make_unique<TControlPanel>();
        f.visualor = std::make_unique<TvisualorAttributeDialog>();
        f.commander = std::make_unique<TCommanderAttributeDialog>();
        f.stringWindow = std::make_unique<TStringOperationWindow>();
        f.varibler = std::make_unique<TvariblerAttributeDialog>();
        f.boolean = std::make_unique<TBooleanAttributeDialog>();
        f.function = std::make_unique<TfunctionAttributeDialog>();
        f.number = std::make_unique<TnumberAttributeDialog>();
        f.condition = std::make_unique<TconditionAttributeDialog>();
        f.iteration = std::make_unique<TIterationAttributeDialog>();
        f.outputString = std::make_unique<TOutputStringAttributeDialog>();
        break;
    case FormGroup::second:
        f.output = std::make_unique<TOutputAttributeDialog>();
        f.numberWindow = std::make_unique<TNumberOperationWindow>();
        f.string = std::make_unique<TStringAttributeDialog>();
        f.falseCommander = std::make_unique<TFalseCommanderAttributeDialog>();
        break;
    case FormGroup::third:
        f.trueCommander = std::make_unique<TTrueCommanderAttributeDialog>();
        f.forCommander = std::make_unique<TforCommanderAttributeDialog>();
        f.mainCommander = std::make_unique<TMainCommanderAttributeDialog>();
        f.about = std::make_unique<TAboutAuthor>();
        f.yin = std::make_unique<TYinAttributeDialog>();
        break;
    }
}

TControlPanel& EditorForms::controlPanel() {
    return *forms_->controlPanel;
}
TIndexADialog& EditorForms::indexDialog() {
    return *forms_->index;
}
TStringOperationWindow& EditorForms::stringWindow() {
    return *forms_->stringWindow;
}
TvisualorAttributeDialog& EditorForms::visualorDialog() {
    return *forms_->visualor;
}
TCommanderAttributeDialog& EditorForms::commanderDialog() {
    return *forms_->commander;
}
TvariblerAttributeDialog& EditorForms::variblerDialog() {
    return *forms_->varibler;
}
TBooleanAttributeDialog& EditorForms::booleanDialog() {
    return *forms_->boolean;
}
TfunctionAttributeDialog& EditorForms::functionDialog() {
    return *forms_->function;
}
TnumberAttributeDialog& EditorForms::numberDialog() {
    return *forms_->number;
}
TconditionAttributeDialog& EditorForms::conditionDialog() {
    return *forms_->condition;
}
TIterationAttributeDialog& EditorForms::iterationDialog() {
    return *forms_->iteration;
}
TOutputStringAttributeDialog& EditorForms::outputStringDialog() {
    return *forms_->outputString;
}
TOutputAttributeDialog& EditorForms::outputDialog() {
    create(FormGroup::second);
    return *forms_->output;
}
TStringAttributeDialog& EditorForms::stringDialog() {
    create(FormGroup::second);
    return *forms_->string;
}
TFalseCommanderAttributeDialog& EditorForms::falseCommanderDialog() {
    create(FormGroup::second);
    return *forms_->falseCommander;
}
TTrueCommanderAttributeDialog& EditorForms::trueCommanderDialog() {
    create(FormGroup::third);
    return *forms_->trueCommander;
}
TforCommanderAttributeDialog& EditorForms::forCommanderDialog() {
    create(FormGroup::third);
    return *forms_->forCommander;
}
TMainCommanderAttributeDialog& EditorForms::mainCommanderDialog() {
    create(FormGroup::third);
    return *forms_->mainCommander;
}
TYinAttributeDialog& EditorForms::yinDialog() {
    create(FormGroup::third);
    return *forms_->yin;
}
TNumberOperationWindow& EditorForms::numberWindow() {
    create(FormGroup::second);
    return *forms_->numberWindow;
}
TAboutAuthor& EditorForms::aboutAuthor() {
    create(FormGroup::third);
    return *forms_->about;
}

std::optional<std::string> EditorForms::askNumber(const ConstantRequest& request) {
    return numberWindow().ask(request);
}

std::optional<std::string> EditorForms::askString(const ConstantRequest& request) {
    return stringWindow().ask(request);
}

std::optional<int> EditorForms::askIndex(std::string_view caption, int low, int high) {
    return indexDialog().ask(caption, low, high);
}

void EditorForms::showAbout() {
    aboutAuthor().exec();
}

} // namespace olvide::forms
