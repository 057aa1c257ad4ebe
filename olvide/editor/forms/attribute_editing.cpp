// Opening the attribute dialog of an object: the program space fills the window, checks it
// on OK and takes it back; the dialog only shows and edits.
#include "olvide/editor/forms/commander_dialogs.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/forms/function_dialog.h"
#include "olvide/editor/forms/text_dialogs.h"
#include "olvide/editor/forms/value_dialogs.h"
#include "olvide/editor/forms/yin_dialog.h"
#include "olvide/model/model.h"

#include <QFile>

namespace olvide::forms {
namespace {

// The kind whose dialog an object opens: an array opens its pattern's, an index the one of
// its array's elements.
std::uint8_t dialogKind(const TVisualor& object) {
    if (const auto* array = dynamic_cast<const TprogramArray*>(&object))
        return array->elementKind();
    if (const auto* index = dynamic_cast<const TprogramIndex*>(&object))
        return index->IndexArray ? index->IndexArray->elementKind() : kind::Number;
    return object.VisualorStyle;
}

bool hasDialog(const TVisualor& object) {
    return dynamic_cast<const TprogramVaribler*>(&object) ||
           dynamic_cast<const TCommander*>(&object) || dynamic_cast<const Tyin*>(&object);
}

// The main commanders of an open program, by alias.
std::vector<const TMaincommander*> mainsOf(const Workspace& workspace, std::string_view program) {
    std::vector<const TMaincommander*> mains;
    if (const Tprogramspace* space = workspace.findProgram(program))
        for (int i = 0; i < space->objects.mainCommanderTotal(); ++i)
            mains.push_back(space->objects.mainCommander(i));
    return mains;
}

void connectFunctionDialog(TfunctionAttributeDialog& dialog, Tprogramspace& space,
                           const std::function<void()>& openProgram) {
    Workspace& workspace = space.workspace();
    dialog.openPrograms = [&space] { return space.services().openProgramNames(); };
    dialog.commandersOf = [&workspace](std::string_view program) {
        std::vector<std::string> aliases;
        for (const TMaincommander* main : mainsOf(workspace, program))
            aliases.push_back(main->VisualorAlias);
        return aliases;
    };
    dialog.commentOf = [&workspace](std::string_view program, std::string_view commander) {
        for (const TMaincommander* main : mainsOf(workspace, program))
            if (oneLine(main->VisualorAlias) == commander) return main->VisualorComment;
        return std::vector<std::string>{};
    };
    dialog.openProgram = openProgram;
}

} // namespace

TvisualorAttributeDialog* EditorForms::prepareAttributes(TVisualor& object, Tprogramspace& space) {
    if (!hasDialog(object)) return nullptr;
    TvisualorAttributeDialog* dialog = nullptr;
    switch (dialogKind(object)) {
    case kind::Number:
        dialog = &numberDialog();
        break;
    case kind::Iteration:
        dialog = &iterationDialog();
        break;
    case kind::Boolean:
        dialog = &booleanDialog();
        break;
    case kind::Condition:
        dialog = &conditionDialog();
        break;
    case kind::String:
        dialog = &stringDialog();
        break;
    case kind::Output:
        dialog = &outputDialog();
        break;
    case kind::OutputLineA:
    case kind::OutputLineX:
        dialog = &outputStringDialog();
        break;
    case kind::Function:
        dialog = &functionDialog();
        break;
    case kind::Main:
        dialog = &mainCommanderDialog();
        break;
    case kind::True:
        dialog = &trueCommanderDialog();
        break;
    case kind::False:
        dialog = &falseCommanderDialog();
        break;
    case kind::For:
        dialog = &forCommanderDialog();
        break;
    case kind::Yin:
        dialog = &yinDialog();
        break;
    default:
        return nullptr;
    }

    dialog->warn = [&space](std::string_view message) { space.platform().warning(message); };
    dialog->check = [&space, &object](const AttributeWindow& window) -> std::optional<Refusal> {
        std::string message = space.checkAttributes(object, window);
        if (message.empty()) return std::nullopt;
        // Refused without the array fields too: the name is at fault.
        AttributeWindow nameOnly = window;
        nameOnly.IsArray = false;
        const bool name = !space.checkAttributes(object, nameOnly).empty();
        return Refusal{std::move(message), name ? RefusedField::alias : RefusedField::bounds};
    };
    if (auto* variable = dynamic_cast<TvariblerAttributeDialog*>(dialog))
        variable->checkAliasOnLeave = [&object](std::string_view alias) {
            // Only the variables of a program are named by the user and checked.
            return dynamic_cast<const TprogramVaribler*>(&object)
                       ? Tprogramspace::checkAliasOnLeave(alias)
                       : std::string();
        };
    if (auto* function = dynamic_cast<TfunctionAttributeDialog*>(dialog))
        connectFunctionDialog(*function, space, openProgram);
    if (const auto* yin = dynamic_cast<const Tyin*>(&object))
        yinDialog().showPicture(yin->hasOwnPicture ? QFile::decodeName(yin->pictureFile.c_str())
                                                   : QString());

    AttributeWindow window;
    space.fillAttributes(object, window);
    dialog->fill(window);
    return dialog;
}

bool EditorForms::editAttributes(TVisualor& object, Tprogramspace& space) {
    TvisualorAttributeDialog* dialog = prepareAttributes(object, space);
    if (!dialog || dialog->exec() != QDialog::Accepted) return false;
    if (!space.applyAttributes(object, dialog->edited())) return false;
    if (auto* yin = dynamic_cast<Tyin*>(&object)) {
        yin->setPictureFile(QFile::encodeName(yinDialog().fileName()).toStdString());
        yin->Redraw();
    }
    return true;
}

} // namespace olvide::forms
