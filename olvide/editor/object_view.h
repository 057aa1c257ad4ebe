#pragma once
// The widgets that show one program object on its program space: the picture (TKelImage) with
// the kind's icon drawn transparently and its selection marks, the name label (TkelLabel)
// centred under it, and a small box with the object's value: an output's lines, or, while a
// program runs, a variable's running value.
#include "olvide/controls/kel_image.h"
#include "olvide/controls/kel_label.h"

#include <QLabel>
#include <string>

namespace olvide {
class TVisualor;
}

namespace olvide::editor {

class ObjectView {
public:
    ObjectView(const TVisualor& object, QWidget* canvas);
    ~ObjectView();
    ObjectView(const ObjectView&) = delete;
    ObjectView& operator=(const ObjectView&) = delete;

    // Takes the model's picture and label state.
    void updatePicture(const TVisualor& object);
    void updateLabel(const TVisualor& object);
    // Takes the object's value (outputs always; other variables while running).
    void updateValue(const TVisualor& object, bool running);

    controls::TKelImage& picture() const { return *picture_; }
    controls::TkelLabel& label() const { return *label_; }
    // The value box; none for objects without one.
    QLabel* valueBox() const { return value_; }

private:
    void placeValueBox();

    controls::TKelImage* picture_;
    controls::TkelLabel* label_;
    QLabel* value_ = nullptr;
    std::string drawnKey_; // what the picture shows, so that unchanged pictures are not redrawn
};

} // namespace olvide::editor
