#pragma once
// The pictures a side window shows for the model's picture objects: their views, the labels
// under them and the objects they draw (compared, never followed, once the objects may be
// gone). Clearing lets every program forget the objects as its selected or waiting one.
#include <cstddef>
#include <vector>

class QWidget;

namespace olvide {
class TVisualor;
class Workspace;
} // namespace olvide

namespace olvide::views {

class StepPictureView;

class PictureRow {
public:
    // A label of none for a picture without a name under it.
    void add(StepPictureView* view, QWidget* label, const TVisualor* object);
    // The views and labels go once the event being handled (maybe one of theirs) is done.
    void clear(const Workspace* workspace);

    std::size_t size() const { return views_.size(); }
    const std::vector<StepPictureView*>& views() const { return views_; }
    StepPictureView& view(std::size_t i) const { return *views_[i]; }
    const TVisualor* object(std::size_t i) const { return objects_[i]; }

private:
    std::vector<StepPictureView*> views_;
    std::vector<QWidget*> labels_;
    std::vector<const TVisualor*> objects_;
};

} // namespace olvide::views
