#include "olvide/editor/forms/control_panel.h"

#include "olvide/editor/forms/form_text.h"

#include <QPixmap>
#include <QToolButton>

namespace olvide::forms {
namespace {

struct ButtonPlace {
    AddButton button;
    const char* name;
    const char* hint;
    const char* picture; // the icon of the object the button places
    QRect place;
};

// In the panel's own order, top to bottom, left column first.
constexpr int kSide = 25;
const ButtonPlace kPlaces[] = {
    {AddButton::addMaincommander, "addMaincommander", "流程Olvan", "olvan.bmp",
     QRect(0, 0, 49, 29)},
    {AddButton::addNumber, "addNumber", "数变量", "numico.bmp", QRect(0, 28, kSide, kSide)},
    {AddButton::addBoolean, "addBoolean", "真假变量", "Boolico.bmp", QRect(24, 28, kSide, kSide)},
    {AddButton::addCondition, "addCondition", "条件变量", "Condico.bmp",
     QRect(0, 52, kSide, kSide)},
    {AddButton::addIteration, "addIteration", "循环变量", "iteico.bmp",
     QRect(24, 52, kSide, kSide)},
    {AddButton::addString, "addString", "字符串变量", "strico.bmp", QRect(0, 76, kSide, kSide)},
    {AddButton::addoutput, "addoutput", "输出变量", "outico.bmp", QRect(24, 76, kSide, kSide)},
    {AddButton::addFunction, "addFunction", "函数变量", "funico.bmp", QRect(0, 100, kSide, kSide)},
    {AddButton::addYin, "addYin", "印儿", "Yinico.bmp", QRect(24, 100, kSide, kSide)},
};

int slot(AddButton button) {
    return static_cast<int>(button);
}

} // namespace

TControlPanel::TControlPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ControlPanel"));
    // A tool window on top, with a title bar but no border icons.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("编程元"));
    setFont(formFont());
    for (const ButtonPlace& place : kPlaces) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(place.name));
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setToolTip(QString::fromUtf8(place.hint));
        b->setGeometry(place.place);
        const QImage picture = loadPicture(place.picture);
        if (!picture.isNull()) {
            const int side = place.place.height() - 6;
            b->setIcon(QPixmap::fromImage(picture));
            b->setIconSize(QSize(side, side));
        }
        connect(b, &QToolButton::clicked, this,
                [this, button = place.button] { addClick(button); });
        buttons_[slot(place.button)] = b;
    }
    setFixedSize(49, 125);
    move(5, 50);
}

std::optional<AddButton> TControlPanel::downButton() const {
    for (AddButton button : kAddButtons)
        if (isDown(button)) return button;
    return std::nullopt;
}

bool TControlPanel::isDown(AddButton button) const {
    return buttons_[slot(button)]->isChecked();
}

void TControlPanel::release(AddButton button) {
    buttons_[slot(button)]->setChecked(false);
}

void TControlPanel::releaseAll() {
    if (addPending_)
        for (QToolButton* b : buttons_)
            b->setChecked(false);
    addPending_ = false;
}

QToolButton* TControlPanel::button(AddButton button) const {
    return buttons_[slot(button)];
}

void TControlPanel::addClick(AddButton button) {
    if (isDown(button)) {
        // One group: a button going down puts the others up.
        for (AddButton other : kAddButtons)
            if (other != button) release(other);
        if (releaseDrawingPanel) releaseDrawingPanel();
        addPending_ = true;
        emit buttonDown(button);
    } else {
        addPending_ = false;
    }
}

} // namespace olvide::forms
