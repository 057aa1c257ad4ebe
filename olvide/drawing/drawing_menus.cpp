#include "olvide/drawing/drawing_menus.h"

#include <vector>

namespace olvide::drawing {
namespace {

struct Item {
    const char* caption; // without the leading blank every caption has
    const char* handler;
};

QString caption(const char* text) {
    return QLatin1Char(' ') + QString::fromUtf8(text);
}

void addItems(QMenu* menu, const std::vector<Item>& items,
              const std::function<void(std::string_view)>& command) {
    for (const Item& item : items) {
        QAction* action = menu->addAction(caption(item.caption));
        const std::string handler = item.handler;
        action->setObjectName(QString::fromLatin1(item.handler));
        QObject::connect(action, &QAction::triggered, menu,
                         [command, handler] { command(handler); });
    }
}

QMenu* addSub(QMenu* menu, const char* name, const char* title, const std::vector<Item>& items,
              const std::function<void(std::string_view)>& command) {
    QMenu* sub = menu->addMenu(caption(title));
    sub->setObjectName(QString::fromLatin1(name));
    addItems(sub, items, command);
    return sub;
}

const std::vector<Item> kShapeAlign{{"无", "MsalignNoneClick"},   {"左", "MsalignleftClick"},
                                    {"右", "MsalignRightClick"},  {"上", "MsalignTopClick"},
                                    {"下", "MsalignBottomClick"}, {"满", "MsalignClientClick"}};
const std::vector<Item> kImageAlign{{"无", "imageNoneClick"},   {"左", "imageLeftClick"},
                                    {"右", "imageRightClick"},  {"上", "imageTopClick"},
                                    {"下", "imageBottomClick"}, {"满", "imageClientClick"}};
const std::vector<Item> kRepeat{{"无", "MsRepeatmodenoneClick"},
                                {"水平", "MsrepeatModeHorizClick"},
                                {"垂直", "MsRepeatModeVertClick"},
                                {"纵横", "MsRepeatModeBothClick"}};
const Item kShadow{"阴影", "MsShadowClick"};
const Item kFilled{"填充", "MsFilledClick"};
const Item kBorder{"边界", "MsBorderClick"};
const Item kFillColor{"填充", "MsfillColorClick"};
const Item kBorderColor{"边界", "MsBorderColorClick"};
const Item kShadowColor{"阴影", "MsShadowColorClick"};

} // namespace

ElementMenu menuOfKind(PaintKind kind) {
    switch (kind) {
    case PaintKind::line:
        return ElementMenu::line;
    case PaintKind::text:
        return ElementMenu::text;
    case PaintKind::triangle:
        return ElementMenu::triangle;
    case PaintKind::image:
        return ElementMenu::image;
    default:
        return ElementMenu::rectangle;
    }
}

QMenu* buildElementMenu(ElementMenu which, QWidget* parent,
                        const std::function<void(std::string_view)>& command) {
    auto* menu = new QMenu(parent);
    if (which == ElementMenu::image) {
        menu->setObjectName(QStringLiteral("imagePopupMenu"));
        addSub(menu, "imagealign", "排列", kImageAlign, command);
        addItems(menu, {{"置后", "imageSendtoBackClick"}, {"提前", "imageBringtofrontClick"}},
                 command);
        return menu;
    }
    static const char* const kNames[] = {"LinePopupMenu", "textPopupMenu", "RectanglePopupMenu",
                                         "TrianglePopupMenu"};
    menu->setObjectName(QString::fromLatin1(kNames[static_cast<int>(which)]));
    addSub(menu, "Msalign", "排列", kShapeAlign, command);
    switch (which) {
    case ElementMenu::line:
        addSub(menu, "MsAngle", "角度",
               {{"0", "MsAngle0Click"},
                {"45", "MsAngle45Click"},
                {"90", "Msangle90Click"},
                {"135", "Msangle135Click"}},
               command);
        addSub(menu, "MsFeature", "特征", {kShadow}, command);
        break;
    case ElementMenu::text:
        addSub(menu, "MsAngle", "角度",
               {{"0", "MsAngle0Click"},
                {"90", "Msangle90Click"},
                {"180", "textangle180Click"},
                {"270", "textangle270Click"}},
               command);
        addSub(menu, "MsFeature", "特征", {kShadow}, command);
        break;
    case ElementMenu::triangle:
        addSub(menu, "MsAngle", "角度",
               {{"0", "MsAngle0Click"},
                {"45", "MsAngle45Click"},
                {"90", "Msangle90Click"},
                {"135", "Msangle135Click"},
                {"180", "Msangle180Click"},
                {"225", "Msangle225Click"},
                {"270", "Msangle270Click"},
                {"315", "Msangle315Click"}},
               command);
        [[fallthrough]];
    default:
        addSub(menu, "MsFeature", "特征", {kFilled, kBorder, kShadow}, command);
        break;
    }
    addSub(menu, "MsRepeatmode", "重复", kRepeat, command);
    const bool border = which == ElementMenu::rectangle || which == ElementMenu::triangle;
    addSub(menu, "MsColor", "颜色",
           border ? std::vector<Item>{kFillColor, kBorderColor, kShadowColor}
                  : std::vector<Item>{kFillColor, kShadowColor},
           command);
    if (which == ElementMenu::text) addItems(menu, {{"字模", "TextFontClick"}}, command);
    addItems(menu, {{"置后", "MsSendtoBackClick"}, {"提前", "MsBringtofrontClick"}}, command);
    return menu;
}

} // namespace olvide::drawing
