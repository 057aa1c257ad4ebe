#include "olvide/model/space/menus.h"

#include "olvide/model/codepage.h"
#include "olvide/model/elements/function.h"
#include "olvide/model/kinds.h"
#include "olvide/model/objects/program_services.h"

#include <initializer_list>

namespace olvide {

namespace {

MenuItem item(const char* name, const char* caption, const char* handler, const char* code = "") {
    return MenuItem{name, cp(caption), handler, code, true, {}};
}

MenuItem sub(const char* name, const char* caption, std::vector<MenuItem> items) {
    return MenuItem{name, cp(caption), "", "", true, std::move(items)};
}

MenuItem separator() {
    return MenuItem{"", "-", "", "", true, {}};
}

// Top-level items start disabled; the object enables them while it is ready.
Menu menu(const char* name, bool centred, std::vector<MenuItem> items, bool disabled = true) {
    for (MenuItem& i : items)
        if (!i.separator() && disabled) i.enabled = false;
    return Menu{name, centred, std::move(items)};
}

// The six arithmetic items of a sub-menu: + - * / quotient remainder.
std::vector<MenuItem> arithmetic(std::initializer_list<const char*> names,
                                 std::initializer_list<const char*> handlers,
                                 std::initializer_list<const char*> codes,
                                 bool blankBeforeWords = true) {
    static const char* captions[] = {" +", " -", " *", " /", " 商", " 余"};
    static const char* bare[] = {" +", " -", " *", " /", "商", "余"};
    std::vector<MenuItem> items;
    auto n = names.begin();
    auto h = handlers.begin();
    auto c = codes.begin();
    for (int i = 0; i < 6; ++i, ++n, ++h, ++c)
        items.push_back(item(*n, blankBeforeWords ? captions[i] : bare[i], *h, *c));
    return items;
}

std::vector<MenuItem> comparisons(std::initializer_list<const char*> names,
                                  std::initializer_list<const char*> handlers,
                                  std::initializer_list<const char*> codes) {
    static const char* captions[] = {" =", " !=", " >", " >=", " <", " <="};
    std::vector<MenuItem> items;
    auto n = names.begin();
    auto h = handlers.begin();
    auto c = codes.begin();
    for (int i = 0; i < 6; ++i, ++n, ++h, ++c)
        items.push_back(item(*n, captions[i], *h, *c));
    return items;
}

constexpr std::initializer_list<const char*> kXaHandlers = {
    "NumberxplusAClick",   "numberxminusAClick",  "numberxmultipleAClick",
    "numberxdivideAClick", "numberxintdivAClick", "numberxmodAClick"};
constexpr std::initializer_list<const char*> kXaCodes = {"x+A", "x-A", "x*A", "x/A", "x|A", "x%A"};
constexpr std::initializer_list<const char*> kAxHandlers = {
    "numberAplusxClick",   "numberAminusxClick",  "numberAmultiplexClick",
    "numberAdividexClick", "numberAintdivxClick", "numberAmodxClick"};
constexpr std::initializer_list<const char*> kAxCodes = {"A+x", "A-x", "A*x", "A/x", "A|x", "A%x"};
constexpr std::initializer_list<const char*> kCmpAHandlers = {
    "numberxEqualAClick",      "numberxNotequalAClick", "numberxGreatAClick",
    "numberxGreatequalAClick", "numberxLessAClick",     "numberxLessequalAClick"};
constexpr std::initializer_list<const char*> kCmpACodes = {"x=A",  "x!=A", "x>A",
                                                           "x>=A", "x<A",  "x<=A"};
constexpr std::initializer_list<const char*> kXyHandlers = {
    "numberxplusyClick",   "numberxminusyClick",  "numberxmultipleyClick",
    "numberxdivideyClick", "numberxintdivyClick", "numberxmodyClick"};
constexpr std::initializer_list<const char*> kXyCodes = {"x+y", "x-y", "x*y", "x/y", "x|y", "x%y"};
constexpr std::initializer_list<const char*> kYxHandlers = {
    "numberyplusxClick",   "numberyminusxClick",  "numberymultiplexClick",
    "numberydividexClick", "numberyintdivxClick", "numberymodxClick"};
constexpr std::initializer_list<const char*> kYxCodes = {"y+x", "y-x", "y*x", "y/x", "y|x", "y%x"};
constexpr std::initializer_list<const char*> kCmpYHandlers = {
    "numberxequalyClick",      "numberxNotequalyClick", "numberxgreatyClick",
    "numberxgreatequalyClick", "numberxlessyClick",     "numberxlessequalyClick"};
constexpr std::initializer_list<const char*> kCmpYCodes = {"x=y",  "x!=y", "x>y",
                                                           "x>=y", "x<y",  "x<=y"};

// The items of " 其余" with the names of a menu (number or iteration).
std::vector<MenuItem> others(std::initializer_list<const char*> names) {
    static const char* captions[] = {"字符化", "取整", "绝对值", "平方根", "对数",
                                     "指数",   "正弦", "余弦",   "正切",   "反正切"};
    static const char* handlers[] = {"numberstrxClick",        "numberintxClick", "numberAbsxClick",
                                     "numbersquarerootxClick", "numberlogxClick", "numberExpxClick",
                                     "numbersinxClick",        "numbercosxClick", "numbertgxClick",
                                     "numberarctgxClick"};
    static const char* codes[] = {"Strx", "intx", "absx", "sqrtx", "logx",
                                  "expx", "sinx", "cosx", "tgx",   "arctgx"};
    std::vector<MenuItem> items;
    auto n = names.begin();
    for (int i = 0; i < 10; ++i, ++n) {
        items.push_back(item(*n, captions[i], handlers[i], codes[i]));
        if (i == 0) items.push_back(separator());
    }
    return items;
}

Menu buildNumber() {
    return menu(
        "NumberPopupMenu", true,
        {item("numberSet", " 赋值(S)", "NumberSetClick", "x->y"),
         item("numberSetA", " A => x", "numberSetAClick", "A->x"), separator(),
         sub("numberxaddA", " x + A",
             arithmetic({"numberxplusA", "numberxminusA", "numberxmultipleA", "numberxdivideA",
                         "numberxintdivA", "numberxmodA"},
                        kXaHandlers, kXaCodes)),
         sub("numberAaddx", " A + x",
             arithmetic({"numberAplusx", "numberAminusx", "numberAmultiplex", "numberAdividex",
                         "numberAintdivx", "numberAmodx"},
                        kAxHandlers, kAxCodes)),
         sub("numberxcompareA", " x > A",
             comparisons({"numberxEqualA", "numberxNotequalA", "numberxGreatA",
                          "numberxGreatequalA", "numberxLessA", "numberxLessequalA"},
                         kCmpAHandlers, kCmpACodes)),
         sub("numberotheroperation", " 其余",
             others({"numberstrx", "numberintx", "numberAbsx", "numbersquarerootx", "numberlogx",
                     "numberExpx", "numbersinx", "numbercosx", "numbertgx", "numberarctgx"})),
         separator(),
         sub("numberxaddy", " x + y",
             arithmetic({"numberxplusy", "numberxminusy", "numberxmultipley", "numberxdividey",
                         "numberxintdivy", "numberxmody"},
                        kXyHandlers, kXyCodes)),
         sub("numberyaddx", " y + x",
             arithmetic({"numberyplusx", "numberyminusx", "numberymultiplex", "numberydividex",
                         "numberyintdivx", "numberymodx"},
                        kYxHandlers, kYxCodes)),
         sub("numberxcomparey", " x > y",
             comparisons({"numberxequaly", "numberxNotequaly", "numberxgreaty",
                          "numberxgreatequaly", "numberxlessy", "numberxlessequaly"},
                         kCmpYHandlers, kCmpYCodes)),
         separator(), item("numberDelete", " 删除", "numberDeleteClick")});
}

Menu buildIteration() {
    return menu(
        "IterationPopupMenu", true,
        {item("IterationSet", " 赋值", "NumberSetClick", "x->y"), separator(),
         sub("IterationxaddA", " x + A",
             arithmetic({"IterationxplusA", "IterationxminusA", "IterationxmultipleA",
                         "IterationxdivideA", "IterationxintdivA", "IterationxmodA"},
                        kXaHandlers, kXaCodes)),
         sub("IterationAaddX", " A + x",
             arithmetic({"IterationAplusX", "IterationAminusX", "IterationAmultipleX",
                         "IterationAdivideX", "IterationAintdivX", "IterationAmodx"},
                        kAxHandlers, kAxCodes)),
         sub("IterationXcompareA", " x > A",
             comparisons({"IterationXEqualA", "IterationXNotequalA", "IterationXGreatA",
                          "IterationXGreatequalA", "IterationXLessA", "IterationXlessequalA"},
                         kCmpAHandlers, kCmpACodes)),
         sub("Iterationotheroperation", " 其余",
             others({"IterationStrx", "IterationIntx", "IterationAbsx", "IterationSquarerootx",
                     "Iterationlogx", "IterationExpx", "Iterationsinx", "Iterationcosx",
                     "Iterationtgx", "Iterationarctgx"})),
         separator(),
         sub("Iterationxaddy", " x + y",
             arithmetic({"Iterationxplusy", "Iterationxminusy", "Iterationxmultipley",
                         "Iterationxdividey", "Iterationxintdivy", "Iterationxmody"},
                        kXyHandlers, kXyCodes)),
         sub("Iterationyaddx", " y + x",
             arithmetic({"Iterationyplusx", "Iterationyminusx", "Iterationymultiplex",
                         "Iterationydividex", "Iterationyintdivx", "Iterationymodx"},
                        kYxHandlers, kYxCodes, false)),
         sub("Iterationxcomparey", " x > y",
             comparisons({"Iterationxequaly", "IterationxNotequaly", "Iterationxgreaty",
                          "Iterationxgreatequaly", "Iterationxlessy", "Iterationxlessequaly"},
                         kCmpYHandlers, kCmpYCodes)),
         separator(),
         sub("IterationParameter", " 引出",
             {item("IterationShowForman", "循环士(F)", "IterationShowFormanClick"), separator(),
              item("ShowIterationFromer", "起始令", "ShowIterationFromerClick"),
              item("ShowIterationToer", "终止令", "ShowIterationToerClick"),
              item("ShowIterationSteper", "步长令", "ShowIterationSteperClick"), separator(),
              item("Iterationcallback", "收回(C)", "IterationcallbackClick", "/>")}),
         item("IterationDo", " 派遣", "IterationDoClick", "DOI"),
         item("IterationExit", " 退出", "IterationExitClick", "EXF"),
         item("Iterationdelete", " 删除", "IterationdeleteClick")});
}

Menu buildBoolean() {
    return menu("BooleanPopupMenu", true,
                {item("BooleanSet", " 赋值(S)", "BooleanSetClick", "x->y"),
                 sub("BooleanSetA", " A => x",
                     {item("BooleanSetTrue", "真", "BooleanSetTrueClick", "T->x"),
                      item("BooleanSetFalse", "假", "BooleanSetFalseClick", "F->x")}),
                 item("BooleanXAndY", " x && y", "BooleanXAndYClick", "x&&y"),
                 item("BooleanXorY", " x  |  y", "BooleanXorYClick", "x||y"),
                 item("BooleanNotX", "  !  x", "BooleanNotXClick", "!X"),
                 item("BooleanDelete", "  删除", "BooleanDeleteClick")});
}

Menu buildCondition() {
    return menu("ConditionPopupMenu", true,
                {item("ConditionSet", " 赋值", "BooleanSetClick", "x->y"),
                 item("ConditionXandY", " x && y", "BooleanXAndYClick", "x&&y"),
                 item("ConditionXorY", " x  |  y", "BooleanXorYClick", "x||y"),
                 item("ConditionNotX", "  !  x", "BooleanNotXClick", "!X"),
                 sub("ConditionParameter", " 引出",
                     {item("conditionShowTrueman", "真士(T)", "conditionShowTruemanClick"),
                      item("ConditionShowFalseman", "假士(F)", "ConditionShowFalsemanClick")}),
                 item("ConditionDo", " 派遣", "ConditionDoClick", "DOC"),
                 item("ConditionExit", " 退出", "ConditionExitClick", "EXF"),
                 item("conditiondelete", " 删除", "conditiondeleteClick")});
}

Menu buildString() {
    MenuItem fixedLener = item("StringFixedLener", "固定长令", "StringFixedLenerClick");
    fixedLener.enabled = false;
    return menu(
        "StringPopupMenu", false,
        {sub("StringSet", " 赋值(S)",
             {item("StringWholeSet", "整串", "StringWholeSetClick", "S->x"),
              item("StringClipSet", "子串", "StringClipSetClick", "S_->x")}),
         item("StringSetA", " A => x", "StringSetAClick", "A->S"),
         item("StringSubString", " 子串 ", "StringSubStringClick", "A(BC)D"),
         sub("Stringadd", "  S + ",
             {item("StringaddA", " A", "StringaddAClick", "S+A"),
              item("Stringaddx", " x", "StringaddxClick", "S+x")}),
         item("StringAaddS", "  A + S", "StringAaddSClick", "A+S"),
         sub("StringCompareA", "  S > A",
             comparisons({"StringEqualA", "StringnotEqualA", "StringGreatA", "StringGreatEqualA",
                          "StringLessA", "StringLessEqualA"},
                         {"StringEqualAClick", "StringnotEqualAClick", "StringGreatAClick",
                          "StringGreatEqualAClick", "StringLessAClick", "StringLessEqualAClick"},
                         {"S=A", "S!=A", "S>A", "S>=A", "S<A", "S<=A"})),
         sub("StringComparex", "  S > x",
             comparisons({"StringEqualx", "StringnotEqualx", "StringGreatx", "StringGreatequalx",
                          "StringLessx", "StringLessEqualx"},
                         {"StringEqualxClick", "StringnotEqualxClick", "StringGreatxClick",
                          "StringGreatequalxClick", "StringLessxClick", "StringLessEqualxClick"},
                         {"S=x", "S!=x", "S>x", "S>=x", "S<x", "S<=x"})),
         sub("Stringlength", " 串长",
             {item("StringlengthWhole", "整串", "StringlengthWholeClick", "----"),
              item("Stringlengthclip", "子串", "StringlengthclipClick", "_----")}),
         sub("StringReplacedBy", " 被替换",
             {item("StringReplacedByA", " A", "StringReplacedByAClick", "S_<->A"),
              item("StringReplacedByx", " x", "StringReplacedByxClick", "S_<->x")}),
         sub("StringReplicate", " 重复",
             {item("StringReplicateA", "A  次", "StringReplicateAClick", "SS..A"),
              item("StringReplicatex", "x  次", "StringReplicatexClick", "SS..x")}),
         sub("StringtoNumber", " 数字化",
             {item("StringtonumberWhole", "整串", "StringtonumberWholeClick", "S}8"),
              item("StringtoNumberClip", "子串", "StringtoNumberClipClick", "S_}8")}),
         sub("StringParameter", " 引出",
             {item("StringclipLocater", "子串始令", "StringclipLocaterClick"),
              item("StringClipMeasurer", "子串长令", "StringClipMeasurerClick"), fixedLener,
              item("stringcallBack", "收回 C^", "stringcallBackClick", "/>")}),
         item("StringDelete", " 删除", "StringDeleteClick")});
}

Menu buildOutput() {
    return menu("OutputPopupMenu", false,
                {item("OutputSet", " 赋值", "OutputSetClick", "O->x"),
                 sub("OutputAddLine", " 加一行",
                     {item("OutputAddLineS", " S", "OutputAddLineSClick", "O+A"),
                      item("OutputAddLinex", " x", "OutputAddLinexClick", "O+S")}),
                 sub("OutputIndex", " 行索引",
                     {item("OutputIndexA", " A", "OutputIndexAClick", "O[A]"),
                      item("OutputIndexx", " x", "OutputIndexxClick", "O[X]")}),
                 item("outputCallback", " 收回", "outputCallbackClick"),
                 item("OutputClear", " 清空", "OutputClearClick", "***"),
                 item("OutputDelete", " 删除", "OutputDeleteClick")});
}

Menu buildArray() {
    return menu("ArrayPopupMenu", false,
                {sub("IndexArray", "索引",
                     {item("ConstantIndex", "  A", "ConstantIndexClick", "[A]"),
                      item("VariblerIndex", "  x", "VariblerIndexClick", "[X]")}),
                 item("PresentIndex", "代表(P)", "PresentIndexClick", "[P]"),
                 item("ArrayCallback", "收回(C)", "ArrayCallbackClick"),
                 item("ArrayDelete", "删除", "ArrayDeleteClick")});
}

Menu buildFunction() {
    return menu("FunctionPopupMenu", false,
                {sub("functioncall", "调用", {item("", "", "")}), separator(),
                 item("functiondelete", "删除", "functiondeleteClick")});
}

Menu buildMainCommander() {
    Menu built{"MainCommanderPopupMenu",
               false,
               {item("MainCommanderDelete", " 删除", "MainCommanderDeleteClick"),
                item("copy1", " 拷贝", ""), item("N9", "...", "")}};
    built.items[1].enabled = false;
    return built;
}

} // namespace

const Menu& NumberPopupMenu() {
    static const Menu built = buildNumber();
    return built;
}
const Menu& IterationPopupMenu() {
    static const Menu built = buildIteration();
    return built;
}
const Menu& BooleanPopupMenu() {
    static const Menu built = buildBoolean();
    return built;
}
const Menu& ConditionPopupMenu() {
    static const Menu built = buildCondition();
    return built;
}
const Menu& StringPopupMenu() {
    static const Menu built = buildString();
    return built;
}
const Menu& OutputPopupMenu() {
    static const Menu built = buildOutput();
    return built;
}
const Menu& ArrayPopupMenu() {
    static const Menu built = buildArray();
    return built;
}
const Menu& FunctionPopupMenu() {
    static const Menu built = buildFunction();
    return built;
}
const Menu& MainCommanderPopupMenu() {
    static const Menu built = buildMainCommander();
    return built;
}
const Menu& flowCommanderPopupMenu() {
    static const Menu built{"flowCommanderPopupMenu",
                            false,
                            {item("flowCommanderDelete", " 删除", "flowCommanderDeleteClick")}};
    return built;
}
const Menu& VariblerPopupmenu() {
    static const Menu built =
        menu("VariblerPopupmenu", true,
             {item("set0", "赋值", "NumberSetClick", "x->y"), item("Deleteit", "删除", "")});
    return built;
}

Menu functionCallMenu(const TprogramFunction& function) {
    Menu built = FunctionPopupMenu();
    MenuItem& call = built.items.front();
    call.items.clear();
    for (const std::string& alias : function.commanderAliases())
        call.items.push_back(MenuItem{alias, alias, "callCommander", alias, true, {}});
    call.enabled = function.Owner && function.Owner->activeCommander();
    return built;
}

const Menu* menuForKind(std::uint8_t objectKind) {
    switch (objectKind) {
    case kind::Number:
        return &NumberPopupMenu();
    case kind::Iteration:
        return &IterationPopupMenu();
    case kind::Boolean:
        return &BooleanPopupMenu();
    case kind::Condition:
        return &ConditionPopupMenu();
    case kind::String:
    case kind::OutputLineA:
    case kind::OutputLineX:
        return &StringPopupMenu();
    case kind::Output:
        return &OutputPopupMenu();
    case kind::Array:
        return &ArrayPopupMenu();
    case kind::Function:
        return &FunctionPopupMenu();
    case kind::Main:
        return &MainCommanderPopupMenu();
    case kind::True:
    case kind::False:
    case kind::For:
        return &flowCommanderPopupMenu();
    case kind::Varibler:
        return &VariblerPopupmenu();
    default:
        return nullptr;
    }
}

namespace {

const MenuItem* findIn(const std::vector<MenuItem>& items, std::string_view name, bool byHandler) {
    for (const MenuItem& i : items) {
        if (byHandler ? (i.handler == name && !i.code.empty()) : (!name.empty() && i.name == name))
            return &i;
        if (const MenuItem* found = findIn(i.items, name, byHandler)) return found;
    }
    return nullptr;
}

} // namespace

const MenuItem* findItem(const Menu& menu, std::string_view name) {
    return findIn(menu.items, name, false);
}

std::string codeOfHandler(std::string_view handler) {
    for (const Menu* m :
         {&NumberPopupMenu(), &IterationPopupMenu(), &BooleanPopupMenu(), &ConditionPopupMenu(),
          &StringPopupMenu(), &OutputPopupMenu(), &ArrayPopupMenu(), &VariblerPopupmenu()})
        if (const MenuItem* found = findIn(m->items, handler, true)) return found->code;
    return {};
}

} // namespace olvide
