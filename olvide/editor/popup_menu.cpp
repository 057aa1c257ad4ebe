#include "popup_menu.h"

#include "olvide/editor/qt_text.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/space/menus.h"
#include "olvide/model/space/programspace.h"

#include <QPointer>

namespace olvide::editor {

namespace {

using Choose = std::function<void(const MenuItem&)>;

void addItems(QMenu& menu, const std::vector<MenuItem>& items, bool topLevel, bool topLevelEnabled,
              const Choose& choose) {
    for (const MenuItem& item : items) {
        if (item.separator()) {
            menu.addSeparator();
            continue;
        }
        // The object enables or disables its top-level items together; sub-items keep the
        // state they were made with.
        const bool enabled = topLevel ? (topLevelEnabled || item.enabled) : item.enabled;
        const QString caption = fromCodePage(item.caption);
        if (!item.items.empty()) {
            QMenu* sub = menu.addMenu(caption);
            sub->setObjectName(QString::fromStdString(item.name));
            sub->setEnabled(enabled);
            addItems(*sub, item.items, false, true, choose);
            continue;
        }
        QAction* action = menu.addAction(caption);
        action->setObjectName(QString::fromStdString(item.name));
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, &menu, [choose, item] { choose(item); });
    }
}

std::uint8_t menuKindOf(const TVisualor& object) {
    // An index shows the menu of the element kind it designates.
    if (object.VisualorStyle == kind::Index)
        if (const auto* index = dynamic_cast<const TprogramVaribler*>(&object))
            return index->operandKind();
    return object.VisualorStyle;
}

} // namespace

QMenu* buildPopupMenu(TVisualor& object, Tprogramspace& program, QWidget* parent) {
    Menu functionMenu;
    const Menu* menu = nullptr;
    Choose choose;
    if (auto* function = dynamic_cast<TprogramFunction*>(&object)) {
        functionMenu = functionCallMenu(*function);
        // "调用" stays a sub-menu when there is nothing to call: one empty item.
        if (MenuItem& call = functionMenu.items.front(); call.items.empty())
            call.items.push_back(MenuItem{"", "", "", "", false, {}});
        menu = &functionMenu;
        // The handlers run after the menu has closed: a deletion may free the object.
        choose = [&program, function](const MenuItem& item) {
            if (item.handler == "callCommander")
                function->callCommander(item.code);
            else if (!item.handler.empty())
                program.runHandler(item.handler);
        };
    } else {
        menu = menuForKind(menuKindOf(object));
        choose = [&program](const MenuItem& item) {
            if (!item.handler.empty()) program.runHandler(item.handler);
        };
    }
    if (!menu) return nullptr;
    auto* qmenu = new QMenu(parent);
    qmenu->setObjectName(QString::fromStdString(menu->name));
    qmenu->setAttribute(Qt::WA_DeleteOnClose);
    qmenu->setProperty(kCentredMenu, menu->centred);
    // The function's menu is made for this click with its states already decided.
    const bool enableAll = menu != &functionMenu && object.menuEnabled;
    addItems(*qmenu, menu->items, true, enableAll, choose);
    return qmenu;
}

} // namespace olvide::editor
