#pragma once
// The drawing side of one program space: its drawing elements on the canvas, the stretch
// handle SHandle that selects, moves and sizes them, the rubber band that draws a new one,
// the elements' pop-up menus with their commands, the keys on the handle and the attribute
// dialogs. The elements themselves belong to the program space (paintElements, in drawing
// order); this layer gives them their controls and answers what the user does with them.
// Nothing is drawn or selected while the program space's drawing switch (Ctrl+W) is off.
#include "olvide/controls/stretch_handle.h"
#include "olvide/drawing/drawing_menus.h"
#include "olvide/drawing/paint_elements.h"
#include "olvide/drawing/rubber_band.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <array>
#include <string_view>
#include <vector>

namespace olvide {
class Tprogramspace;
}

namespace olvide::drawing {

class DrawingForms;

class DrawingLayer : public QObject {
    Q_OBJECT
public:
    DrawingLayer(Tprogramspace& program, QWidget& canvas, DrawingForms& forms);
    ~DrawingLayer() override;

    controls::TStretchHandle& SHandle() const { return *handle_; }
    TpaintElement* selectedPaintElement() const { return selected_; }
    QMenu* menu(ElementMenu which) const { return menus_[static_cast<std::size_t>(which)]; }
    QMenu* menuOf(const TpaintElement& element) const;
    // The elements with their controls, in drawing order.
    std::vector<TpaintElement*> elements() const;
    TpaintElement* elementOf(const QWidget* control) const;

    // Elements read from the drawing file get their controls, behind the program's objects;
    // what could not be shown is said in one message.
    void adoptStoredElements();
    // A new shape over a rectangle of the canvas, with its kind's defaults.
    TpeMultishape& addShape(PaintKind kind, QRect band);
    // A new picture element from a picture file; none, after a message, when it cannot be
    // read.
    TpeImage* addPicture(const QString& path);

    // The rubber band, in canvas coordinates.
    void beginBand(QPoint at);
    void stretchBand(QPoint to);
    void finishBand();
    bool bandActive() const { return band_ != nullptr; }

    // A mouse-down on an element's control (point in canvas coordinates).
    void elementMouseDown(TpaintElement& element, Qt::KeyboardModifiers shift, QPoint at);
    // A command of an element menu on the selected element; false when there is none or the
    // command is not one of its kind.
    bool runCommand(std::string_view handler);
    // The attribute dialog of the element, modal; true when taken.
    bool openAttributes(TpaintElement& element);
    void handleKey(int key, Qt::KeyboardModifiers shift);
    // The handle lets go of everything; no element stays selected.
    void detach();
    // Every element under the handle goes.
    void deleteAttached();
    // The drawing switch may have changed: off lets go of the selection and the band.
    void drawingSwitched();
    // The program space is gone; nothing more is done for it.
    void programClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TpaintElement& adopt(std::unique_ptr<TpaintElement> element);
    void wire(TpaintElement& element);
    bool drawingEnabled() const;
    bool addingShape() const;
    QPoint onCanvas(const QWidget* from, QPoint at) const;
    void growCanvasFor(const QWidget& control);
    void modified();
    void moveInOrder(TpaintElement& element, bool toFront);
    void selectOnly(TpaintElement* element);

    Tprogramspace* program_;
    QWidget& canvas_;
    DrawingForms& forms_;
    QPointer<controls::TStretchHandle> handle_;
    std::array<QMenu*, 5> menus_{};
    TpaintElement* selected_ = nullptr;
    QPointer<Trubberband> band_;
    QPoint anchor_;
};

} // namespace olvide::drawing
