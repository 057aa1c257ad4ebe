#pragma once
// The operation menus of every object kind as data: item (component name), caption, handler,
// the code the handler sends, separators, sub-menus and the initial enabled state. The
// editor builds its pop-up menus from these; a chosen item runs
// Tprogramspace::runHandler(handler).
#include <cstdint>
#include <string>
#include <vector>

namespace olvide {

struct MenuItem {
    std::string name;    // component name; empty for a separator
    std::string caption; // code-page text; "-" for a separator
    std::string handler; // empty for a sub-menu or an item without action
    std::string code;    // the operation code the handler sends; empty for other actions
    bool enabled = true;
    std::vector<MenuItem> items; // a sub-menu's items
    bool separator() const { return caption == "-"; }
};

struct Menu {
    std::string name;
    bool centred = false;
    std::vector<MenuItem> items;
};

const Menu& NumberPopupMenu();
const Menu& IterationPopupMenu();
const Menu& BooleanPopupMenu();
const Menu& ConditionPopupMenu();
const Menu& StringPopupMenu();
const Menu& OutputPopupMenu();
const Menu& ArrayPopupMenu();
const Menu& FunctionPopupMenu();
const Menu& MainCommanderPopupMenu();
const Menu& flowCommanderPopupMenu();
const Menu& VariblerPopupmenu();

class TprogramFunction;

// The function element's menu as it is rebuilt on every click: "调用" with one item per main
// commander of the function's program (caption and code: the commander's alias; choosing one
// calls TprogramFunction::callCommander(code)), enabled only while its program space has a
// commander being edited.
Menu functionCallMenu(const TprogramFunction& function);

// The menu of an object kind; an index uses the menu of the element kind it designates (give
// that kind). None for kinds without a menu.
const Menu* menuForKind(std::uint8_t objectKind);
// The code a handler sends; empty for handlers that send none.
std::string codeOfHandler(std::string_view handler);
// Finds an item by component name anywhere in the menu; none when absent.
const MenuItem* findItem(const Menu& menu, std::string_view name);

} // namespace olvide
