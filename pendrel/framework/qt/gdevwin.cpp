#include "pendrel/framework/qt/gdevwin.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gapp.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/qt/back_buffer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <map>

namespace {
constexpr int kIdleIntervalMs = 1;

std::vector<GDevWin*>& DocumentWindows() {
    static std::vector<GDevWin*> windows;
    return windows;
}

// The character a key press stands for: Ctrl+letter is its control character.
int CharacterOf(const QKeyEvent& event) {
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    if (key == Qt::Key_Backspace) return 8;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    return static_cast<unsigned char>(text.toLatin1().at(0));
}
} // namespace

// The frame of a document window: caption, system menu and sizing border. Closing it closes
// the framework's window (which takes the frame with it), once the close event is over.
class GDocFrame : public QMdiSubWindow {
public:
    GDocFrame(GDevWin* window, QWidget* parent) : QMdiSubWindow(parent), window_(window) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        QPointer<QWidget> alive(this);
        GDevWin* window = window_;
        QTimer::singleShot(0, [alive, window] {
            if (alive.isNull()) return;
            if (GApp* app = GApp::Current(); app != nullptr && app->Holds(window))
                app->CloseWindow(window);
        });
    }

private:
    GDevWin* window_;
};

// The client area: shows the back buffer and forwards the platform's events.
class GDevWidget : public QWidget {
public:
    GDevWidget(GDevWin* window, QWidget* parent) : QWidget(parent), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::ClickFocus);
        setMouseTracking(true);
    }

    std::map<int, QAction*> actions;
    QTimer idleTimer;

    // The frame of the main window fits itself around the window's size.
    QSize sizeHint() const override {
        return QSize(static_cast<int>(window_->Width()), static_cast<int>(window_->Height()));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        // Nothing is redrawn: the invalid area comes from the back buffer.
        QPainter painter(this);
        painter.drawImage(event->rect(), window_->Buffer().Picture(), event->rect());
    }
    void resizeEvent(QResizeEvent* event) override {
        window_->WNDSizeChange({event->size().width(), event->size().height()});
    }
    void mousePressEvent(QMouseEvent* event) override { Mouse(gmouse::kPress, event); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() != Qt::NoButton) {
            Mouse(gmouse::kMove, event);
            return;
        }
        // Without a button the mouse only moves: what lies under it is picked for pasting.
        const QPoint p = event->position().toPoint();
        window_->NoteMouse({p.x(), p.y()});
        SetInputWindow(window_);
    }
    void mouseReleaseEvent(QMouseEvent* event) override { Mouse(gmouse::kRelease, event); }
    void moveEvent(QMoveEvent* event) override {
        // A window records where it is; its drawing does not depend on it.
        window_->Place(event->pos().x(), event->pos().y());
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int character = CharacterOf(*event);
        if (character == 0) return;
        if (GSys* system = GSys::Current()) system->HandleKeyHit(window_, character);
    }
    void focusInEvent(QFocusEvent*) override {
        if (window_->Kind() != GWindow::kDocumentWindow) return;
        for (GDevWin* other : DocumentWindows())
            other->SetHighlighted(other == window_);
    }

private:
    void Mouse(int type, QMouseEvent* event) {
        const QPoint p = event->position().toPoint();
        if (type == gmouse::kPress) {
            if (window_->Kind() == GWindow::kDocumentWindow) raise();
            window_->NoteInput({p.x(), p.y()});
        }
        window_->NoteMouse({p.x(), p.y()});
        GEventHandler* focus = FocusedObject();
        if (focus == nullptr) focus = window_;
        focus->MouseEvent(type, p.x(), p.y());
    }

    GDevWin* window_;
};

GDevWin::GDevWin(long kind, long x, long y, long width, long height, GDevWin* main)
    : GWindow(kind, x, y, width, height, std::make_unique<GBackBuffer>(width, height)) {
    if (kind == kMainWindow) {
        auto frame = std::make_unique<QMainWindow>();
        client_ = new GDevWidget(this, frame.get());
        frame->setCentralWidget(client_);
        frame_ = std::move(frame);
        client_->idleTimer.setSingleShot(true);
        QObject::connect(&client_->idleTimer, &QTimer::timeout, client_, [this] { RunIdleTick(); });
        client_->idleTimer.start(kIdleIntervalMs);
    } else if (kind == kDocumentWindow) {
        QWidget* parent = main != nullptr ? main->Client() : nullptr;
        auto frame = std::make_unique<GDocFrame>(this, parent);
        client_ = new GDevWidget(this, nullptr);
        frame->setWidget(client_);
        frame_ = std::move(frame);
        DocumentWindows().push_back(this);
    } else {
        QWidget* parent = main != nullptr ? main->Client() : nullptr;
        auto widget = std::make_unique<GDevWidget>(this, parent);
        client_ = widget.get();
        frame_ = std::move(widget);
    }
    frameAlive_ = frame_.get();
    frame_->setWindowTitle(QString::fromStdString(GetWindowTitle()));
    if (kind == kDocumentWindow) {
        // The size is the whole window's, frame included; the client gets what is inside.
        frame_->move(static_cast<int>(x), static_cast<int>(y));
        frame_->resize(static_cast<int>(width), static_cast<int>(height));
        frame_->show();
        frame_->raise();
        const QSize inside = client_->size();
        WNDSizeChange({inside.width(), inside.height()});
    } else {
        if (kind != kMainWindow) frame_->move(static_cast<int>(x), static_cast<int>(y));
        client_->resize(static_cast<int>(width), static_cast<int>(height));
        if (kind == kMainWindow) frame_->resize(frame_->sizeHint());
    }
    Redraw();
    if (kind == kToolWindow) frame_->show();
    if (kind == kMainWindow) {
        // Idle ticks run only while something asks for idle processing; asking starts them.
        SetIdleWakeUp([this] {
            if (client_ != nullptr && !client_->idleTimer.isActive())
                client_->idleTimer.start(kIdleIntervalMs);
        });
    }
}

GDevWin::~GDevWin() {
    std::erase(DocumentWindows(), this);
    if (Kind() == kMainWindow) SetIdleWakeUp(nullptr);
    // The graphics go before the widget that shows them.
    DeleteAll();
    if (frameAlive_.isNull()) {
        (void)frame_.release();
        return;
    }
    client_->idleTimer.stop();
    frame_.reset();
}

QWidget* GDevWin::Frame() const {
    return frame_.get();
}
QWidget* GDevWin::Client() const {
    return client_;
}
GBackBuffer& GDevWin::Buffer() const {
    return *static_cast<GBackBuffer*>(Device());
}
QImage GDevWin::Grab() const {
    return client_->grab().toImage();
}

void GDevWin::SetWindowTitle(std::string_view title) {
    SetWindowTitleText(title);
    frame_->setWindowTitle(QString::fromLatin1(title.data(), static_cast<int>(title.size())));
}

void GDevWin::SetMousePosition(Gpoint point) {
    GWindow::SetMousePosition(point);
    QCursor::setPos(
        client_->mapToGlobal(QPoint(static_cast<int>(point.x), static_cast<int>(point.y))));
}

void GDevWin::SetIdleWork(std::function<void()> work) {
    idleWork_ = std::move(work);
}

void GDevWin::RunIdleTick() {
    // The timer stops while the idle work runs, so that slow work never piles up ticks.
    client_->idleTimer.stop();
    bool again = true;
    if (idleWork_) {
        idleWork_();
    } else if (GApp* app = GApp::Current()) {
        app->DoIdle();
        // Without anything that wants idle processing the timer rests until woken.
        again = app->WantsIdle();
    }
    if (again && client_ != nullptr) client_->idleTimer.start(kIdleIntervalMs);
}

bool GDevWin::IdleTimerActive() const {
    return client_ != nullptr && client_->idleTimer.isActive();
}

void GDevWin::InstallMenus() {
    auto* frame = dynamic_cast<QMainWindow*>(frame_.get());
    GSys* system = GSys::Current();
    if (frame == nullptr || system == nullptr) return;
    QMenuBar* bar = frame->menuBar();
    bar->clear();
    client_->actions.clear();
    for (const GPullDown& pullDown : system->PullDowns()) {
        QMenu* menu = bar->addMenu(QString::fromStdString(pullDown.title));
        QObject::connect(menu, &QMenu::aboutToShow, menu, [] {
            if (GSys* current = GSys::Current()) current->SetupMenus();
        });
        for (const GMenuItem& item : pullDown.items) {
            QAction* action = menu->addAction(QString::fromStdString(item.text));
            action->setEnabled(system->MenuItemState(item.command));
            const int command = item.command;
            QObject::connect(action, &QAction::triggered, action, [command] {
                GSys* current = GSys::Current();
                GEventHandler* focus = FocusedObject();
                if (current == nullptr || focus == nullptr) return;
                current->SetupMenus();
                if (current->MenuItemState(command)) focus->MenuEvent(command);
            });
            client_->actions[command] = action;
        }
    }
    frame->resize(frame->sizeHint());
}

void GDevWin::DisplayMenuState(int command, bool on) {
    if (auto it = client_->actions.find(command); it != client_->actions.end())
        it->second->setEnabled(on);
}

void GDevWin::WNDSizeChange(Gpoint size) {
    if (size.x == Width() && size.y == Height() && Buffer().Width() == size.x &&
        Buffer().Height() == size.y)
        return;
    GWindow::WNDSizeChange(size);
}

void GDevWin::Present(const Grect& changed) {
    if (client_ == nullptr) return;
    client_->update(
        QRect(QPoint(static_cast<int>(changed.left), static_cast<int>(changed.top)),
              QPoint(static_cast<int>(changed.right), static_cast<int>(changed.bottom))));
}

void GDevWin::ApplyCursor(short cursor) {
    switch (cursor) {
    case kCross:
        client_->setCursor(Qt::CrossCursor);
        break;
    case kTextBeam:
        client_->setCursor(Qt::IBeamCursor);
        break;
    default:
        client_->setCursor(Qt::ArrowCursor);
    }
}
