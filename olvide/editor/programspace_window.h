#pragma once
// The window of one program: a maximised child of the main window with a white canvas in a
// scroll area. It holds its Tprogramspace and shows what the model says: every object's
// picture, label and value, the commanders' hint panel. Mouse and keys become one model call
// each: placing the object of the pressed control-panel button, clicking, dragging, opening
// the pop-up menu or the attribute window, and the keyboard of the program space.
#include <QMdiSubWindow>
#include <memory>
#include <unordered_map>

class QLabel;
class QScrollArea;

namespace olvide {
class TVisualor;
class Tprogramspace;
} // namespace olvide

namespace olvide::drawing {
class DrawingLayer;
}

namespace olvide::editor {

class ObjectView;
class Tmainframe;

class ProgramCanvas : public QWidget {
    Q_OBJECT
public:
    ProgramCanvas(Tmainframe& frame, Tprogramspace& program, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Tmainframe& frame_;
    Tprogramspace& program_;
};

class ProgramSpaceWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    ProgramSpaceWindow(Tmainframe& frame, Tprogramspace& program);
    ~ProgramSpaceWindow() override;

    // None once the program has been closed.
    Tprogramspace* program() const { return program_; }
    ProgramCanvas& canvas() const { return *canvas_; }
    QScrollArea& scrollArea() const { return *scroll_; }
    // The program's drawing elements with the stretch handle and the rubber band.
    drawing::DrawingLayer& drawingLayer() const { return *drawing_; }

    // The model changed an object of this program.
    void pictureChanged(const TVisualor& object);
    void labelChanged(const TVisualor& object);
    void objectDestroyed(const TVisualor& object);
    // The views of the object; none when it has never been shown.
    ObjectView* viewOf(const TVisualor& object) const;
    // Takes every object's current value (outputs' lines, running values).
    void refreshValues();
    // The commanders' hint panel follows the model's.
    void refreshHint();
    // Scrolls back to the origin (before saving, so that stored positions are absolute).
    void scrollToOrigin();
    // Shows the caption of the program.
    void refreshCaption();

    // The program is gone: the window closes without asking again.
    void programClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ObjectView& viewFor(const TVisualor& object);
    void connectMouse(ObjectView& view, const TVisualor& object);
    void growCanvas(const TVisualor& object);

    Tmainframe& frame_;
    Tprogramspace* program_;
    QScrollArea* scroll_;
    ProgramCanvas* canvas_;
    QLabel* hintPanel_;
    drawing::DrawingLayer* drawing_; // a child of the canvas
    std::unordered_map<const TVisualor*, std::unique_ptr<ObjectView>> views_;
};

} // namespace olvide::editor
