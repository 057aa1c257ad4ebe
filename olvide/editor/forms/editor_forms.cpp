#include "olvide/editor/forms/editor_forms.h"

#include "olvide/editor/forms/about_author.h"
#include "olvide/editor/forms/index_dialog.h"
#include "olvide/editor/forms/operation_windows.h"

namespace olvide::forms {

struct EditorForms::Forms {
    bool made[3] = {false, false, false};
    // First group.
    std::unique_ptr<TIndexADialog> index;
    std::unique_ptr<TControlPanel> controlPanel;
    std::unique_ptr<TStringOperationWindow> stringWindow;
    // Second group.
    std::unique_ptr<TNumberOperationWindow> numberWindow;
    // Third group.
    std::unique_ptr<TAboutAuthor> about;
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
        f.stringWindow = std::make_unique<TStringOperationWindow>();
        break;
    case FormGroup::second:
        f.numberWindow = std::make_unique<TNumberOperationWindow>();
        break;
    case FormGroup::third:
        f.about = std::make_unique<TAboutAuthor>();
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
