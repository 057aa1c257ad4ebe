#include "programspace_window.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/drawing/drawing_layer.h"
#include "olvide/editor/forms/control_panel.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/key_codes.h"
#include "olvide/editor/main_window.h"
#include "olvide/editor/object_view.h"
#include "olvide/editor/picture_store.h"
#include "olvide/editor/popup_menu.h"
#include "olvide/editor/qt_text.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace olvide::editor {

namespace {

// Room left right of and below the farthest object, and the scroll step.
constexpr int kMarginX = 72;
constexpr int kMarginY = 120;
constexpr int kScrollStep = 36;

std::uint8_t elementKindOf(forms::AddButton button) {
    using forms::AddButton;
    switch (button) {
    case AddButton::addNumber:
        return kind::Number;
    case AddButton::addBoolean:
        return kind::Boolean;
    case AddButton::addCondition:
        return kind::Condition;
    case AddButton::addIteration:
        return kind::Iteration;
    case AddButton::addFunction:
        return kind::Function;
    case AddButton::addString:
        return kind::String;
    case AddButton::addoutput:
        return kind::Output;
    default:
        return 0;
    }
}

} // namespace

ProgramCanvas::ProgramCanvas(Tmainframe& frame, Tprogramspace& program, QWidget* parent)
    : QWidget(parent), frame_(frame), program_(program) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFocusPolicy(Qt::StrongFocus);
    setFont(controls::olvanFont(QStringLiteral("MS Serif"), -8));
}

void ProgramCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() != Qt::LeftButton) return;
    if (frame_.running()) return;
    forms::TControlPanel& panel = frame_.forms().controlPanel();
    const std::optional<forms::AddButton> down = panel.downButton();
    const QPoint at = event->position().toPoint();
    if (down) {
        // The button comes up before the object is placed (a refusal leaves it up too).
        panel.release(*down);
        if (*down == forms::AddButton::addMaincommander)
            program_.placeMainCommander(at.x(), at.y());
        else if (*down == forms::AddButton::addYin)
            program_.placeYin(at.x(), at.y());
        else
            program_.placeElement(elementKindOf(*down), at.x(), at.y());
    }
    panel.clearAddPending();
}

void ProgramCanvas::keyPressEvent(QKeyEvent* event) {
    const auto key = virtualKeyOf(event->key(), event->modifiers());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    program_.keyDown(key->key, key->modifiers);
    // Ctrl+W may have turned drawing off.
    if (ProgramSpaceWindow* window = frame_.windowOf(program_))
        window->drawingLayer().drawingSwitched();
}

ProgramSpaceWindow::ProgramSpaceWindow(Tmainframe& frame, Tprogramspace& program)
    : frame_(frame), program_(&program), scroll_(new QScrollArea(this)),
      canvas_(new ProgramCanvas(frame, program, scroll_)), hintPanel_(new QLabel(canvas_)),
      drawing_(new drawing::DrawingLayer(program, *canvas_, frame.drawing())) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QPixmap::fromImage(editor::picture("olvan.bmp")));
    // Ctrl+W belongs to the program space (the drawing switch), not to closing the window.
    for (QAction* action : systemMenu()->actions())
        action->setShortcut({});
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(false);
    scroll_->setBackgroundRole(QPalette::Base);
    scroll_->horizontalScrollBar()->setSingleStep(kScrollStep);
    scroll_->verticalScrollBar()->setSingleStep(kScrollStep);
    canvas_->resize(800, 600);
    setWidget(scroll_);
    hintPanel_->setWordWrap(true);
    hintPanel_->setAutoFillBackground(true);
    hintPanel_->setStyleSheet(
        QStringLiteral("QLabel{background:#ffffe1;border:1px solid #808080;padding:2px}"));
    hintPanel_->setText(QStringLiteral("create a temp varibler"));
    hintPanel_->hide();
    refreshCaption();
}

ProgramSpaceWindow::~ProgramSpaceWindow() {
    frame_.windowGone(*this);
}

void ProgramSpaceWindow::refreshCaption() {
    if (program_) setWindowTitle(fromCodePage(program_->programName()));
}

ObjectView* ProgramSpaceWindow::viewOf(const TVisualor& object) const {
    const auto it = views_.find(&object);
    return it == views_.end() ? nullptr : it->second.get();
}

ObjectView& ProgramSpaceWindow::viewFor(const TVisualor& object) {
    if (ObjectView* view = viewOf(object)) return *view;
    auto view = std::make_unique<ObjectView>(object, canvas_);
    ObjectView& made = *view;
    views_.emplace(&object, std::move(view));
    connectMouse(made, object);
    return made;
}

void ProgramSpaceWindow::connectMouse(ObjectView& view, const TVisualor& shown) {
    // The model object is the one this view shows; its handlers are the model's.
    auto* object = const_cast<TVisualor*>(&shown);
    controls::TKelImage* picture = &view.picture();
    connect(picture, &controls::TControl::doubleClicked, this, [this, object] {
        if (!viewOf(*object)) return;
        object->visualorImageDoubleClick();
    });
    connect(picture, &controls::TControl::mouseDown, this,
            [this, object](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
                if (!viewOf(*object) || !program_) return;
                canvas_->setFocus();
                object->visualorImageMouseDown();
                if (button == Qt::RightButton) {
                    object->visualorImageMouseUp();
                    return;
                }
                if (object->OpenAttributes) {
                    object->OpenAttributes = false;
                    object->Dragging = false;
                    frame_.forms().editAttributes(*object, *program_);
                }
            });
    connect(picture, &controls::TControl::mouseMove, this,
            [this, object, picture](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPoint pos) {
                if (!(buttons & Qt::LeftButton) || !viewOf(*object)) return;
                const QPoint at = picture->mapToParent(pos);
                object->visualorImageMouseMove(at.x(), at.y());
            });
    connect(picture, &controls::TControl::mouseUp, this,
            [this, object, picture](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
                if (!viewOf(*object) || !program_) return;
                if (button == Qt::LeftButton) {
                    object->visualorImageMouseUp();
                    return;
                }
                if (button != Qt::RightButton || frame_.running()) return;
                QMenu* menu = buildPopupMenu(*object, *program_, this);
                if (!menu) return;
                QPoint at = picture->mapToGlobal(pos);
                if (menu->property(kCentredMenu).toBool()) at.rx() -= menu->sizeHint().width() / 2;
                menu->popup(at);
            });
}

void ProgramSpaceWindow::growCanvas(const TVisualor& object) {
    const PictureControl& p = object.VisualorImage;
    if (!p.visible) return;
    const QSize want(std::max(canvas_->width(), p.left + p.width + kMarginX),
                     std::max(canvas_->height(), p.top + p.height + kMarginY));
    const QSize view = scroll_->viewport()->size();
    const QSize size(std::max(want.width(), view.width()), std::max(want.height(), view.height()));
    if (size != canvas_->size()) canvas_->resize(size);
}

void ProgramSpaceWindow::pictureChanged(const TVisualor& object) {
    ObjectView& view = viewFor(object);
    view.updatePicture(object);
    view.updateValue(object, frame_.workspace().Running);
    growCanvas(object);
    refreshHint();
}

void ProgramSpaceWindow::labelChanged(const TVisualor& object) {
    viewFor(object).updateLabel(object);
    refreshHint();
}

void ProgramSpaceWindow::objectDestroyed(const TVisualor& object) {
    views_.erase(&object);
}

void ProgramSpaceWindow::refreshValues() {
    const bool running = frame_.workspace().Running;
    for (const auto& [object, view] : views_)
        view->updateValue(*object, running);
}

void ProgramSpaceWindow::refreshHint() {
    if (!program_) return;
    const CommanderHint& hint = program_->commanderhint;
    hintPanel_->setText(fromCodePage(hint.text));
    if (hint.shown) {
        hintPanel_->adjustSize();
        hintPanel_->raise();
    }
    hintPanel_->setVisible(hint.shown);
}

void ProgramSpaceWindow::scrollToOrigin() {
    scroll_->horizontalScrollBar()->setValue(0);
    scroll_->verticalScrollBar()->setValue(0);
}

void ProgramSpaceWindow::programClosed() {
    drawing_->programClosed();
    views_.clear();
    program_ = nullptr;
}

void ProgramSpaceWindow::closeEvent(QCloseEvent* event) {
    if (program_ && !frame_.closeProgram(*this)) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace olvide::editor
