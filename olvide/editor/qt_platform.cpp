#include "qt_platform.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/main_window.h"
#include "olvide/editor/picture_store.h"
#include "olvide/editor/programspace_window.h"
#include "olvide/editor/qt_text.h"
#include "olvide/model/objects/timer.h"
#include "olvide/model/objects/visualor.h"
#include "olvide/views/program_views.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace olvide::editor {

// A modal message box with the Chinese buttons given; answers the index of the button
// pressed, the last one (the cancelling choice) when the box is closed otherwise.
int QtPlatform::messageBox(int icon, std::string_view text,
                           std::initializer_list<const char*> buttons) {
    ++messagesShown_;
    QWidget* parent = &frame_;
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), QApplication::applicationDisplayName(),
                    fromCodePage(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::NoButton, parent);
    std::vector<QPushButton*> made;
    int i = 0;
    for (const char* caption : buttons) {
        const auto role =
            i == 0 ? QMessageBox::AcceptRole
                   : (i + 1 == int(buttons.size()) ? QMessageBox::RejectRole : QMessageBox::NoRole);
        made.push_back(box.addButton(ui(caption), role));
        ++i;
    }
    box.setDefaultButton(made.front());
    box.setEscapeButton(made.back());
    box.exec();
    for (std::size_t b = 0; b < made.size(); ++b)
        if (box.clickedButton() == made[b]) return static_cast<int>(b);
    return static_cast<int>(made.size()) - 1;
}

QtPlatform::QtPlatform(Tmainframe& frame) : frame_(frame) {}

QtPlatform::~QtPlatform() {
    for (auto& [timer, qtimer] : timers_)
        delete qtimer;
}

void QtPlatform::warning(std::string_view text) {
    messageBox(QMessageBox::Warning, text, {"确定"});
}

bool QtPlatform::confirm(std::string_view text) {
    return messageBox(QMessageBox::Warning, text, {"确定", "取消"}) == 0;
}

bool QtPlatform::askYesNo(std::string_view text) {
    return messageBox(QMessageBox::Question, text, {"是", "否"}) == 0;
}

YesNoCancel QtPlatform::askYesNoCancel(std::string_view text) {
    switch (messageBox(QMessageBox::Warning, text, {"是", "否", "取消"})) {
    case 0:
        return YesNoCancel::Yes;
    case 1:
        return YesNoCancel::No;
    default:
        return YesNoCancel::Cancel;
    }
}

std::optional<std::string> QtPlatform::askNumber(const ConstantRequest& request) {
    return frame_.forms().askNumber(request);
}

std::optional<std::string> QtPlatform::askString(const ConstantRequest& request) {
    return frame_.forms().askString(request);
}

std::optional<int> QtPlatform::askIndex(std::string_view caption, int low, int high) {
    return frame_.forms().askIndex(caption, low, high);
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setStatusHint(std::string_view text) {
    frame_.setStatusHint(fromCodePage(text));
}

void QtPlatform::timerChanged(Timer& timer) {
    QTimer*& qtimer = timers_[&timer];
    if (!qtimer) {
        qtimer = new QTimer;
        QObject::connect(qtimer, &QTimer::timeout, [&timer] { timer.tick(); });
    }
    qtimer->setInterval(timer.interval());
    if (timer.enabled() && !qtimer->isActive())
        qtimer->start();
    else if (!timer.enabled())
        qtimer->stop();
}

void QtPlatform::timerDestroyed(Timer& timer) {
    const auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    // A timer may go while its own tick runs: the Qt timer is freed once that has returned.
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

// Pictures shown in the step, parameter and argument windows are drawn by those windows.
void QtPlatform::pictureChanged(const TVisualor& object) {
    if (object.shownIn != ShownIn::ProgramSpace) return;
    if (ProgramSpaceWindow* w = frame_.windowShowing(object)) w->pictureChanged(object);
}

void QtPlatform::labelChanged(const TVisualor& object) {
    if (object.shownIn != ShownIn::ProgramSpace) return;
    if (ProgramSpaceWindow* w = frame_.windowShowing(object)) w->labelChanged(object);
}

void QtPlatform::objectDestroyed(const TVisualor& object) {
    frame_.objectDestroyed(object);
}

Size QtPlatform::iconSize(std::string_view iconFile) {
    const QImage& image = picture(iconFile);
    return {image.width(), image.height()};
}

int QtPlatform::textWidth(std::string_view text, int fontSize) {
    const QFontMetrics metrics(controls::olvanFont(ui("宋体"), fontSize));
    return metrics.horizontalAdvance(fromCodePage(text));
}

int QtPlatform::screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

void QtPlatform::stepsChanged(const TCommander& commander) {
    frame_.views().stepsChanged(commander);
}

void QtPlatform::commanderActivated(const TCommander& commander) {
    frame_.commanderActivated(commander);
}

int QtPlatform::stepsPerEvents() const {
    // Checking the clock costs more than a step; it is read once every this many steps.
    return 64;
}

void QtPlatform::processEvents() {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastEvents_ < kEventInterval) return;
    frame_.refreshValues();
    QApplication::processEvents();
    lastEvents_ = std::chrono::steady_clock::now();
}

} // namespace olvide::editor
