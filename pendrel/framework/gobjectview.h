#pragma once
// GObjectView: a view whose graphics the user edits: rubber-band selection, and the editing
// commands Clear, Copy, Cut and Group on the selection.
#include "pendrel/framework/gview.h"

class GGroup;

class GObjectView : public GView {
public:
    using GView::GView;
    ~GObjectView() override;

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GObjectView>();
    }
    static constexpr GClassID kClassID = gid::kObjectView;
    GClassID GetClassID() const override { return kClassID; }

    const GList& Selection() const { return selection_; }
    void Select(GGraphic* graphic);
    void Deselect(GGraphic* graphic);
    void ClearSelection();
    // Where the rubber band is now, empty when there is none.
    const Grect& RubberBand() const { return band_; }

    // Draws the view and traces the highlights of its selection over what was drawn afresh.
    void Display(GDrawingSurface& surface) override;
    void MouseEvent(int type, long x, long y) override;
    void MenuEvent(int command) override;
    void DoSetupMenus(GEventHandler* focus) override;
    void AcceptDrop(GGraphic* graphic) override;

    // Makes a group of the selected graphics, shows it and gives it the focus.
    GGroup* GroupSelection();
    // Grows the view so that every graphic it holds lies inside its virtual extent.
    void FitToContents();
    // Shrinks the view to the extent that holds its graphics.
    void ShrinkToContents();
    // The virtual right and bottom edges that hold every graphic of the view.
    Gpoint ContentsCorner();
    // Gives the view a new virtual right and bottom edge; its size in its owner follows, so
    // the scale stays.
    void SetExtentKeepingScale(long right, long bottom);

private:
    void Highlight(GGraphic* graphic);
    void DrawBand();
    // Deletes the selected graphics that are not protected.
    void ClearSelected();
    void CopySelection();

    GList selection_;
    Grect band_;
    Gpoint bandStart_;
};
