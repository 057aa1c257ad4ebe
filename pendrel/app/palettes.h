#pragma once
// The tool bar of the main window and the palettes of the tool window: the processing, tie,
// animation and sensor tools; the function palette (one prepared box per engine function);
// the input/output palette; the user-function palette, kept in its file from one start to the
// next; and the drawing palette with its pen, bucket and colour cells.
#include "pendrel/app/app_ids.h"
#include "pendrel/app/palette_file.h"
#include "pendrel/framework/gscrollview.h"

#include <memory>
#include <string>
#include <vector>

class GCreateTool;
class GBucketTool;
class GPenTool;
class GPaletteView;
class GTool;
class GVPLUserFunction;

namespace vplapp {

// Gives a tool its face, its frame and a label (or nothing when the label is empty).
void DressTool(GTool& tool, long width, long height, std::string_view label);
// A creation tool of the prototype, dressed, in the owner at (x, y) in pixels.
GCreateTool* AddCreateTool(GGraphic& owner, long x, long y, long width, long height,
                           std::unique_ptr<GGraphic> prototype, std::string_view label);

// The engine's function keywords that the palette offers (those not beginning with "x"),
// sorted, each with its function number.
std::vector<std::pair<std::string, int>> PaletteFunctions();
// Fills a scroll view with one creation tool per function of the palette.
void FillFunctionPalette(GScrollView& palette);
// The input and output boxes, in rows of four.
void FillInputOutputPalette(GGraphic& owner, long x, long y);

struct DrawingPalette {
    std::vector<GCreateTool*> shapes; // the eight drawing buttons, in their two rows
    GBucketTool* bucket = nullptr;
    GPenTool* pen = nullptr;
    GPaletteView* colors = nullptr;
};
// The two rows of drawing buttons, the bucket and the pen below them, and the colour cells
// below those, from (x, y) in pixels, `width` wide.
DrawingPalette AddDrawingPalette(GGraphic& owner, long x, long y, long width);

// The saved user functions, one creation tool each, labelled with the function's name. The
// palette reads its file when it is made and writes it when it goes.
class GVPLUserFunctionPalette : public GScrollView {
public:
    GVPLUserFunctionPalette(long x, long y, long width, long height, PalettePlaces places);
    ~GVPLUserFunctionPalette() override;

    static constexpr GClassID kClassID = appid::kUserFunctionPalette;
    GClassID GetClassID() const override { return kClassID; }

    // A new tool with the prototype (a copy without owner).
    GCreateTool* AddUserFunction(std::unique_ptr<GVPLUserFunction> prototype);
    std::vector<const GVPLUserFunction*> Prototypes() const;
    std::vector<GCreateTool*> Tools() const;
    // Writes the file now; false (with a message to the user) when it cannot be written.
    bool Save();
    const PalettePlaces& Places() const { return places_; }

private:
    void Load();

    PalettePlaces places_;
};

} // namespace vplapp
