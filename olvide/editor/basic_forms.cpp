#include "basic_forms.h"

#include "olvide/editor/picture_store.h"
#include "olvide/editor/qt_text.h"
#include "olvide/model/objects/visualor.h"
#include "olvide/model/space/programspace.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>

namespace olvide::editor {

namespace {

struct ButtonLook {
    AddButton which;
    const char* hint;
    const char* picture;
};

constexpr std::array<ButtonLook, 9> kButtons{{
    {AddButton::addMaincommander, "主流程Olvan", "olvan.bmp"},
    {AddButton::addNumber, "数", "numico.bmp"},
    {AddButton::addBoolean, "真假", "Boolico.bmp"},
    {AddButton::addCondition, "条件", "Condico.bmp"},
    {AddButton::addIteration, "循环", "iteico.bmp"},
    {AddButton::addFunction, "函数", "funico.bmp"},
    {AddButton::addString, "字符串", "strico.bmp"},
    {AddButton::addoutput, "输出", "outico.bmp"},
    {AddButton::addYin, "图片", "Yinico.bmp"},
}};

int slot(AddButton which) {
    return static_cast<int>(which) - 1;
}

} // namespace

BasicControlPanel::BasicControlPanel(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(ui("编程元"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(2);
    grid->setContentsMargins(4, 4, 4, 4);
    for (const ButtonLook& look : kButtons) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setIcon(QPixmap::fromImage(picture(look.picture)));
        b->setIconSize(QSize(32, 32));
        b->setToolTip(ui(look.hint));
        b->setObjectName(QString::fromLatin1(look.picture));
        const int i = slot(look.which);
        // Pressing a button marks an object as waiting to be placed.
        connect(b, &QToolButton::toggled, this, [this](bool on) {
            if (on) addPending = true;
        });
        grid->addWidget(b, i / 3, i % 3);
        buttons_[static_cast<std::size_t>(i)] = b;
    }
    adjustSize();
}

QAbstractButton* BasicControlPanel::button(AddButton which) const {
    if (which == AddButton::none) return nullptr;
    return buttons_[static_cast<std::size_t>(slot(which))];
}

AddButton BasicControlPanel::buttonDown() const {
    for (const ButtonLook& look : kButtons)
        if (button(look.which)->isChecked()) return look.which;
    return AddButton::none;
}

void BasicControlPanel::release(AddButton which) {
    if (QAbstractButton* b = button(which)) b->setChecked(false);
}

BasicForms::BasicForms(QWidget* mainWindow)
    : mainWindow_(mainWindow), panel_(new BasicControlPanel(mainWindow)) {
    // At the right edge of the screen, clear of the objects near the canvas's origin.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int right = screen ? screen->availableGeometry().right() : 1024;
    panel_->move(right - panel_->frameGeometry().width() - 2, 60);
}

namespace {

std::optional<std::string> askConstant(QWidget* parent, const ConstantRequest& request) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, fromCodePage(request.caption),
                                               fromCodePage(request.declaration), QLineEdit::Normal,
                                               fromCodePage(request.initialText), &ok);
    if (!ok) return std::nullopt;
    return toCodePage(text);
}

} // namespace

std::optional<std::string> BasicForms::askNumber(const ConstantRequest& request) {
    return askConstant(mainWindow_, request);
}

std::optional<std::string> BasicForms::askString(const ConstantRequest& request) {
    return askConstant(mainWindow_, request);
}

std::optional<int> BasicForms::askIndex(std::string_view caption, int low, int high) {
    bool ok = false;
    const int value =
        QInputDialog::getInt(mainWindow_, fromCodePage(caption),
                             QStringLiteral("%1 .. %2").arg(low).arg(high), low, low, high, 1, &ok);
    if (!ok) return std::nullopt;
    return value;
}

bool BasicForms::editAttributes(TVisualor& object, Tprogramspace& program) {
    AttributeWindow window;
    program.fillAttributes(object, window);
    for (;;) {
        bool ok = false;
        const QString alias =
            QInputDialog::getText(mainWindow_, fromCodePage(object.VisualorAlias), ui("名称:"),
                                  QLineEdit::Normal, fromCodePage(window.VisualorAlias), &ok);
        if (!ok) return false;
        window.VisualorAlias = toCodePage(alias);
        std::string refusal = Tprogramspace::checkAliasOnLeave(window.VisualorAlias);
        if (refusal.empty()) refusal = program.checkAttributes(object, window);
        if (refusal.empty()) return program.applyAttributes(object, window);
        program.platform().warning(refusal);
    }
}

void BasicForms::showControlPanel() {
    panel_->show();
    panel_->raise();
}

void BasicForms::showAbout() {
    QMessageBox::about(mainWindow_, ui("简    介"), ui("Olvan编程语言之Kestrel版"));
}

} // namespace olvide::editor
