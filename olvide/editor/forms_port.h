#pragma once
// What the editor asks of the control panel and the dialogs: constant and index entry, the
// attribute windows, the nine add buttons of the control panel and the about box. The forms
// library implements it; BasicForms (basic_forms.h) is the plain stand-in the editor uses
// until it is given the real one.
#include "olvide/model/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace olvide {
class TVisualor;
class Tprogramspace;
} // namespace olvide

namespace olvide::editor {

// The add buttons of the control panel, in the order the program space tests them.
enum class AddButton {
    none,
    addMaincommander,
    addNumber,
    addBoolean,
    addCondition,
    addIteration,
    addFunction,
    addString,
    addoutput,
    addYin,
};

class FormsPort {
public:
    virtual ~FormsPort() = default;

    virtual std::optional<std::string> askNumber(const ConstantRequest& request) = 0;
    virtual std::optional<std::string> askString(const ConstantRequest& request) = 0;
    virtual std::optional<int> askIndex(std::string_view caption, int low, int high) = 0;
    // Opens the attribute window of the object modally; true when OK took the changes.
    virtual bool editAttributes(TVisualor& object, Tprogramspace& program) = 0;

    // The first add button found down, in the order of AddButton; none when all are up.
    virtual AddButton buttonDown() const = 0;
    // Lets that button up again (an object was placed with it).
    virtual void releaseButton(AddButton button) = 0;
    // Clears the control panel's add-pending flag.
    virtual void clearAddPending() = 0;

    virtual void showControlPanel() = 0;
    virtual void showAbout() = 0;
};

} // namespace olvide::editor
