#include "olvide/views/picture_row.h"

#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/views/step_picture_view.h"

namespace olvide::views {

void PictureRow::add(StepPictureView* view, QWidget* label, const TVisualor* object) {
    views_.push_back(view);
    if (label) labels_.push_back(label);
    objects_.push_back(object);
}

void PictureRow::clear(const Workspace* workspace) {
    // A picture may be the selected object of a program, or wait there for a pick.
    if (workspace)
        for (const auto& program : workspace->programs())
            for (const TVisualor* object : objects_)
                program->edit.forget(object);
    for (QWidget* widget : views_) {
        widget->hide();
        widget->deleteLater();
    }
    for (QWidget* widget : labels_) {
        widget->hide();
        widget->deleteLater();
    }
    views_.clear();
    labels_.clear();
    objects_.clear();
}

} // namespace olvide::views
