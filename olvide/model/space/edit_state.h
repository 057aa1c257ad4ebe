#pragma once
// EditState: where the user is in one program space: the object last clicked (`selected`),
// the object on which an operation waits for its second element (`operated`), the commander
// whose steps are being edited (`activeCommander`) and the selected visual object
// (`selectedYin`), with the moves between them that every caller makes the same way.
#include <string_view>

namespace olvide {

class TCommander;
class TVaribler;
class TVisualor;
class Tyin;

class EditState {
public:
    TVaribler* selected = nullptr;
    TVaribler* operated = nullptr;
    TCommander* activeCommander = nullptr;
    Tyin* selectedYin = nullptr;

    // An operation was begun and waits for its second element.
    bool operationWaits() const;
    // The operation handler of the menus and keys: operated := selected, which begins the
    // operation; nothing happens without a selected object.
    void operate(std::string_view code);
    // The pending operation ends: its object leaves the operating state; operated is cleared.
    void endOperation();
    // The selected object goes idle and is cleared. A selected temporary is hidden again and
    // kept alive up to the cursor of the commander it was made in.
    void deselect();
    // Only when nothing is selected: the object becomes the selected one.
    void Select(TVaribler* object);
    // The object becomes the selected one; the one selected before goes idle.
    void selectInstead(TVaribler& object);
    // The selected visual object is drawn plain again and cleared.
    void deselectYin();
    // The object is going away: no pointer of the edit state keeps it.
    void forget(const TVisualor* object);
};

} // namespace olvide
