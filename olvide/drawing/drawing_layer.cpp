#include "olvide/drawing/drawing_layer.h"

#include "olvide/controls/stretch_handle.h"
#include "olvide/drawing/drawing_forms.h"
#include "olvide/drawing/paint_panel.h"
#include "olvide/drawing/picture_loading.h"
#include "olvide/drawing/rubber_band.h"
#include "olvide/drawing/shape_attribute.h"
#include "olvide/editor/forms/control_panel.h"
#include "olvide/model/codepage.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <QMouseEvent>
#include <algorithm>

namespace olvide::drawing {

using controls::TRepeatMode;

namespace {

// Room kept right of and below the farthest element.
constexpr int kMarginX = 72;
constexpr int kMarginY = 120;

TpeMultishape* shapeOf(TpaintElement* element) {
    return dynamic_cast<TpeMultishape*>(element);
}

// Commands that change the element and are ticked again afterwards, as against the colours,
// the font and the stacking order.
bool retick(std::string_view handler) {
    return handler.find("Color") == std::string_view::npos && handler != "TextFontClick" &&
           handler.find("tofront") == std::string_view::npos &&
           handler.find("toBack") == std::string_view::npos;
}

} // namespace

DrawingLayer::DrawingLayer(Tprogramspace& program, QWidget& canvas, DrawingForms& forms)
    : QObject(&canvas), program_(&program), canvas_(canvas), forms_(forms),
      handle_(new controls::TStretchHandle(&canvas)) {
    handle_->setObjectName(QStringLiteral("SHandle"));
    handle_->setGridX(1);
    handle_->setGridY(1);
    handle_->setDrawingPending([this] { return forms_.anyAddDown(); });
    for (int i = 0; i < 5; ++i)
        menus_[static_cast<std::size_t>(i)] =
            buildElementMenu(static_cast<ElementMenu>(i), &canvas_,
                             [this](std::string_view handler) { runCommand(handler); });

    using controls::TControl;
    connect(handle_, &TControl::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
                // A press on the handle while a shape waits to be drawn starts the band.
                if (button == Qt::LeftButton && addingShape() && drawingEnabled())
                    beginBand(onCanvas(handle_, at));
            });
    connect(handle_, &TControl::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) {
                if (bandActive()) stretchBand(onCanvas(handle_, at));
            });
    connect(handle_, &TControl::mouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
                if (bandActive()) finishBand();
            });
    connect(handle_, &TControl::doubleClicked, this, [this] {
        if (selected_ && handle_->AttachedCount() == 1 && drawingEnabled())
            openAttributes(*selected_);
    });
    connect(handle_, &controls::TStretchHandle::keyDown, this,
            [this](int key, Qt::KeyboardModifiers shift) { handleKey(key, shift); });
    canvas_.installEventFilter(this);
}

DrawingLayer::~DrawingLayer() = default;

void DrawingLayer::programClosed() {
    if (handle_) handle_->Detach();
    delete band_;
    selected_ = nullptr;
    program_ = nullptr;
}

bool DrawingLayer::drawingEnabled() const {
    return program_ && program_->drawingEnabled && !program_->workspace().Running;
}

bool DrawingLayer::addingShape() const {
    return forms_.paintPanel().pendingKind().has_value();
}

QPoint DrawingLayer::onCanvas(const QWidget* from, QPoint at) const {
    return from->mapTo(&canvas_, at);
}

void DrawingLayer::modified() {
    if (program_) program_->modified = true;
}

QMenu* DrawingLayer::menuOf(const TpaintElement& element) const {
    return menu(menuOfKind(element.kind()));
}

std::vector<TpaintElement*> DrawingLayer::elements() const {
    std::vector<TpaintElement*> live;
    if (!program_) return live;
    for (const auto& element : program_->objects.paintElements)
        if (auto* e = dynamic_cast<TpaintElement*>(element.get())) live.push_back(e);
    return live;
}

TpaintElement* DrawingLayer::elementOf(const QWidget* control) const {
    for (TpaintElement* element : elements())
        if (element->control() == control) return element;
    return nullptr;
}

void DrawingLayer::growCanvasFor(const QWidget& control) {
    const QSize need = canvas_.size().expandedTo(
        {control.geometry().right() + kMarginX, control.geometry().bottom() + kMarginY});
    if (need != canvas_.size()) canvas_.resize(need);
}

void DrawingLayer::wire(TpaintElement& element) {
    controls::TControl* control = element.control();
    control->setPopupMenu(menuOf(element));
    using controls::TControl;
    connect(control, &TControl::mouseDown, this,
            [this, control](Qt::MouseButton, Qt::KeyboardModifiers shift, QPoint at) {
                if (TpaintElement* e = elementOf(control))
                    elementMouseDown(*e, shift, onCanvas(control, at));
            });
    connect(control, &TControl::mouseMove, this,
            [this, control](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) {
                if (bandActive()) stretchBand(onCanvas(control, at));
            });
    connect(control, &TControl::mouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
                if (bandActive()) finishBand();
            });
    control->show();
    growCanvasFor(*control);
}

TpaintElement& DrawingLayer::adopt(std::unique_ptr<TpaintElement> element) {
    TpaintElement& adopted = *element;
    wire(adopted);
    program_->objects.paintElements.push_back(std::move(element));
    modified();
    return adopted;
}

void DrawingLayer::adoptStoredElements() {
    if (!program_) return;
    std::vector<QString> problems;
    std::vector<TpaintElement*> adopted;
    for (auto& element : program_->objects.paintElements) {
        if (dynamic_cast<TpaintElement*>(element.get())) continue;
        const DrawingRecord record = element->record();
        std::unique_ptr<TpaintElement> live = makePaintElement(record.kind, &canvas_);
        live->read(record, problems);
        wire(*live);
        adopted.push_back(live.get());
        element = std::move(live);
    }
    // The drawing lies behind the program's objects, in its own order.
    for (auto it = adopted.rbegin(); it != adopted.rend(); ++it)
        (*it)->control()->lower();
    if (problems.empty()) return;
    QString text = QStringLiteral("图形文件读入出错:");
    for (const QString& problem : problems)
        text += QLatin1Char('\n') + problem;
    program_->platform().warning(fromUtf8(text.toStdString()));
}

TpeMultishape& DrawingLayer::addShape(PaintKind kind, QRect band) {
    auto element = makePaintElement(kind, &canvas_);
    auto& shape = static_cast<TpeMultishape&>(*element);
    shape.place(band);
    return static_cast<TpeMultishape&>(adopt(std::move(element)));
}

TpeImage* DrawingLayer::addPicture(const QString& path) {
    if (!program_) return nullptr;
    const LoadedPicture loaded = loadPictureFile(path);
    if (!loaded.error.isEmpty()) {
        program_->platform().warning(fromUtf8(loaded.error.toStdString()));
        return nullptr;
    }
    auto element = std::make_unique<TpeImage>(&canvas_);
    element->setPicture(loaded.bytes, loaded.image);
    element->image().resize(loaded.image.size());
    return static_cast<TpeImage*>(&adopt(std::move(element)));
}

void DrawingLayer::beginBand(QPoint at) {
    delete band_;
    anchor_ = at;
    band_ = new Trubberband(&canvas_);
    band_->setGeometry(QRect(at, QSize(0, 0)));
    band_->show();
    band_->raise();
}

void DrawingLayer::stretchBand(QPoint to) {
    if (band_) band_->setGeometry(bandBetween(anchor_, to));
}

void DrawingLayer::finishBand() {
    if (!band_) return;
    const QRect rect = band_->geometry();
    delete band_;
    const std::optional<PaintKind> kind = forms_.paintPanel().pendingKind();
    forms_.paintPanel().finishAdd();
    if (!kind || !drawingEnabled()) return;
    detach();
    addShape(*kind, rect);
}

void DrawingLayer::selectOnly(TpaintElement* element) {
    selected_ = element;
    const bool one = handle_->AttachedCount() == 1;
    handle_->setPopupMenu(one && element ? menuOf(*element) : nullptr);
    if (one && element) element->checkMenu(*menuOf(*element));
}

void DrawingLayer::elementMouseDown(TpaintElement& element, Qt::KeyboardModifiers shift,
                                    QPoint at) {
    if (!drawingEnabled()) return;
    if (addingShape()) {
        detach();
        beginBand(at);
        return;
    }
    if (forms_.anyAddDown()) return;
    QWidget* control = element.control();
    bool removed = false;
    if (shift & Qt::ShiftModifier) {
        if (handle_->IndexOf(control) >= 0) {
            handle_->ReleaseControl(control);
            removed = true;
        }
    } else {
        handle_->Detach();
    }
    if (!removed) {
        handle_->Attach(control);
        modified();
    }
    // With one control under the handle its element is the selected one; with several the
    // handle has no menu and no dialog.
    if (handle_->AttachedCount() == 1)
        selectOnly(elementOf(handle_->Attached(0)));
    else
        selectOnly(handle_->AttachedCount() == 0 ? nullptr : selected_);
}

void DrawingLayer::detach() {
    if (handle_) handle_->Detach();
    selected_ = nullptr;
}

void DrawingLayer::deleteAttached() {
    std::vector<QWidget*> going;
    for (int i = 0; i < handle_->AttachedCount(); ++i)
        going.push_back(handle_->Attached(i));
    detach();
    if (!program_ || going.empty()) return;
    std::erase_if(program_->objects.paintElements, [&](const auto& element) {
        auto* e = dynamic_cast<TpaintElement*>(element.get());
        return e && std::find(going.begin(), going.end(), e->control()) != going.end();
    });
    modified();
}

void DrawingLayer::moveInOrder(TpaintElement& element, bool toFront) {
    auto& list = program_->objects.paintElements;
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.get() == &element; });
    if (it == list.end()) return;
    std::unique_ptr<olvide::TPaintElement> taken = std::move(*it);
    list.erase(it);
    if (toFront)
        list.push_back(std::move(taken));
    else
        list.insert(list.begin(), std::move(taken));
}

bool DrawingLayer::runCommand(std::string_view handler) {
    TpaintElement* element = selected_;
    if (!element || !program_) return false;
    controls::TControl& control = *element->control();
    TpeMultishape* shapeElement = shapeOf(element);
    controls::TMultiShape* shape = shapeElement ? &shapeElement->shape() : nullptr;
    const auto chooseColor = [this](const QColor& current, auto apply) {
        if (const std::optional<QColor> chosen = forms_.chooseColor(current)) apply(*chosen);
    };

    if (const std::optional<controls::TAlign> align = alignOfHandler(handler)) {
        control.setAlign(*align);
        handle_->Detach();
    } else if (const std::optional<int> angle = angleOfHandler(handler); angle && shape) {
        shape->setAngle(*angle);
    } else if (handler == "MsShadowClick" && shape) {
        shape->setShadow(!shape->shadow());
    } else if (handler == "MsFilledClick" && shape) {
        shape->setFilled(!shape->filled());
    } else if (handler == "MsBorderClick" && shape) {
        shape->setBorder(!shape->border());
    } else if (handler == "MsRepeatmodenoneClick" && shape) {
        shape->setRepeatMode(TRepeatMode::rpNone);
    } else if ((handler == "MsrepeatModeHorizClick" || handler == "MsRepeatModeVertClick" ||
                handler == "MsRepeatModeBothClick") &&
               shape) {
        const bool across = handler != "MsRepeatModeVertClick";
        const bool down = handler != "MsrepeatModeHorizClick";
        shape->setRepeatMode(across && down ? TRepeatMode::rpBoth
                             : across       ? TRepeatMode::rpHoriz
                                            : TRepeatMode::rpVert);
        const int w = shape->width(), h = shape->height();
        if (across) {
            shape->setShapeW(w / 8);
            shape->setXSpacing(w / 8 + 4);
        }
        if (down) {
            shape->setShapeH(h / 8);
            shape->setYSpacing(h / 8 + 4);
        }
    } else if (handler == "MsfillColorClick" && shape) {
        chooseColor(shape->color(), [shape](QColor c) { shape->setColor(c); });
    } else if (handler == "MsBorderColorClick" && shape) {
        chooseColor(shape->borderColor(), [shape](QColor c) { shape->setBorderColor(c); });
    } else if (handler == "MsShadowColorClick" && shape) {
        chooseColor(shape->shadowColor(), [shape](QColor c) { shape->setShadowColor(c); });
    } else if (handler == "TextFontClick" && shape) {
        if (const std::optional<QFont> font = forms_.chooseFont(shape->font()))
            shape->setFont(*font);
    } else if (handler == "MsSendtoBackClick" || handler == "imageSendtoBackClick") {
        handle_->Detach();
        control.lower();
        moveInOrder(*element, false);
    } else if (handler == "MsBringtofrontClick" || handler == "imageBringtofrontClick") {
        handle_->Detach();
        control.raise();
        moveInOrder(*element, true);
    } else {
        return false;
    }
    modified();
    if (retick(handler)) element->checkMenu(*menuOf(*element));
    return true;
}

bool DrawingLayer::openAttributes(TpaintElement& element) {
    TmultiShapeAttribute* dialog = forms_.dialogFor(element.attributeDialog());
    if (!dialog) return false;
    element.loadDialog(*dialog);
    if (dialog->exec() != QDialog::Accepted) return false;
    element.applyDialog(*dialog);
    modified();
    return true;
}

void DrawingLayer::handleKey(int key, Qt::KeyboardModifiers shift) {
    if (!program_) return;
    const bool ctrl = shift & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_W) {
        // The drawing switch is the program space's, whichever window has the focus.
        program_->keyDown('W', KeyModifiers{false, false, true});
        drawingSwitched();
        return;
    }
    if (key == Qt::Key_Escape) {
        detach();
        return;
    }
    if (key == Qt::Key_Delete) {
        deleteAttached();
        return;
    }
    if (!selected_) return;
    const bool front = selected_->kind() == PaintKind::image;
    switch (key) {
    case Qt::Key_C:
        if (!ctrl) runCommand("MsfillColorClick");
        return;
    case Qt::Key_F:
        if (!ctrl) runCommand("TextFontClick");
        return;
    case Qt::Key_Home:
        runCommand(front ? "imageBringtofrontClick" : "MsBringtofrontClick");
        return;
    case Qt::Key_End:
        runCommand(front ? "imageSendtoBackClick" : "MsSendtoBackClick");
        return;
    default:
        if (selected_->keyDown(key, shift)) {
            modified();
            selected_->checkMenu(*menuOf(*selected_));
        }
    }
}

void DrawingLayer::drawingSwitched() {
    if (program_ && program_->drawingEnabled) return;
    detach();
    delete band_;
}

bool DrawingLayer::eventFilter(QObject*, QEvent* event) {
    if (!program_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || program_->workspace().Running) return false;
        // A button of the control panel places its object; the canvas does that.
        if (forms_.controlPanel().downButton()) return false;
        if (addingShape() && drawingEnabled()) {
            canvas_.setFocus();
            forms_.controlPanel().clearAddPending();
            beginBand(mouse->position().toPoint());
            return true;
        }
        // A click on the empty canvas lets go of the selection.
        detach();
        return false;
    }
    case QEvent::MouseMove:
        if (!bandActive()) return false;
        stretchBand(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (!bandActive()) return false;
        finishBand();
        return true;
    default:
        return false;
    }
}

} // namespace olvide::drawing
