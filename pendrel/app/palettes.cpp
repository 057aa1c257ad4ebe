#include "pendrel/app/palettes.h"

#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/zez_binding.h"
#include "pendrel/builder/zez_file.h"
#include "pendrel/framework/gdrawing_tools.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>
#include <filesystem>

namespace vplapp {

namespace {

constexpr long kFace = 0xEEEEEE;
constexpr long kFaceLight = 0xFFFFFF;
constexpr long kFaceDark = 0x808080;
constexpr double kLabelSize = 8;
constexpr long kFunctionRow = 13;
constexpr long kButton = 17;
constexpr long kPicture = 16;

// A shown graphic made inside the owner.
template <class T, class... Args> T* Part(GGraphic& owner, long color, Args&&... args) {
    auto* part = MakeOwned<T>(owner, std::forward<Args>(args)...);
    part->SetColor(color);
    part->SetProperty(gprop::kShown);
    return part;
}

} // namespace

void DressTool(GTool& tool, long width, long height, std::string_view label) {
    Part<GRectangle>(tool, kFace, ganchor::Pixels(0), ganchor::Pixels(0), gsize::Pixels(width),
                     gsize::Pixels(height));
    tool.Add3DAdorners(kFaceLight, kFaceDark);
    if (!label.empty())
        Part<GText>(tool, 0x000000, ganchor::Pixels(3), ganchor::Pixels(2),
                    gsize::Pixels(width - 4), gsize::Pixels(height - 3), label, kLabelSize);
    tool.SetProperty(gprop::kShown);
}

GCreateTool* AddCreateTool(GGraphic& owner, long x, long y, long width, long height,
                           std::unique_ptr<GGraphic> prototype, std::string_view label) {
    auto* tool =
        MakeOwned<GCreateTool>(owner, ganchor::Pixels(x), ganchor::Pixels(y), gsize::Pixels(width),
                               gsize::Pixels(height), std::move(prototype));
    DressTool(*tool, width, height, label);
    return tool;
}

namespace {

std::vector<std::pair<std::string, int>> FunctionsOf(const vpl::ZezBinding& binding) {
    std::vector<std::pair<std::string, int>> functions;
    for (int i = 1;; ++i) {
        const int function = binding.zez_reportfunctions(i);
        if (function == 0) break;
        std::string keyword;
        int inputs = 0;
        if (binding.zez_labelfromfunc(function, &keyword, &inputs) == 0) continue;
        if (keyword.empty() || keyword[0] == 'x') continue;
        functions.emplace_back(keyword, function);
    }
    std::sort(functions.begin(), functions.end());
    functions.erase(std::unique(functions.begin(), functions.end(),
                                [](const auto& a, const auto& b) { return a.first == b.first; }),
                    functions.end());
    return functions;
}

} // namespace

std::vector<std::pair<std::string, int>> PaletteFunctions() {
    // The process of a binding knows every function; this one lives only for the question.
    vpl::ZezBinding binding;
    binding.zez_main();
    return FunctionsOf(binding);
}

void FillFunctionPalette(GScrollView& palette) {
    GObjectView* contents = palette.Contents();
    if (contents == nullptr) return;
    // The prototypes look their keywords up in a process while they are made.
    vpl::ZezBinding binding;
    binding.zez_main();
    const long width = contents->Width() - 2;
    for (const auto& [keyword, function] : FunctionsOf(binding)) {
        auto prototype = std::make_unique<GVPLFunction>(0, 0, 60, 40, function);
        auto tool = std::make_unique<GCreateTool>(ganchor::Pixels(1), ganchor::Pixels(0),
                                                  gsize::Pixels(width), gsize::Pixels(kFunctionRow),
                                                  std::move(prototype));
        DressTool(*tool, width, kFunctionRow, keyword);
        palette.Insert(tool.release());
    }
}

void FillInputOutputPalette(GGraphic& owner, long x, long y) {
    struct Entry {
        std::unique_ptr<GGraphic> prototype;
        const char* label;
    };
    Entry entries[] = {
        {std::make_unique<GVPLInputData>(0, 0, 60, 30), "In"},
        {std::make_unique<GVPLFileInputData>(0, 0, 60, 30), "File"},
        {std::make_unique<GVPLInputSwitch>(0, 0, 40, 30), "Sw"},
        {std::make_unique<GVPLInputSlider>(0, 0, 80, 24), "Sl"},
        {std::make_unique<GVPLOutputBox>(0, 0, 90, 30), "Out"},
        {std::make_unique<GVPLImageBox>(0, 0, 80, 80), "Img"},
        {std::make_unique<GVPLPlottingBox>(0, 0, 100, 80), "Plot"},
    };
    constexpr long kWidth = 22; // four to a row inside the 100-pixel tool window
    constexpr long kHeight = 16;
    int i = 0;
    for (Entry& entry : entries) {
        AddCreateTool(owner, x + (i % 4) * (kWidth + 1), y + (i / 4) * (kHeight + 1), kWidth,
                      kHeight, std::move(entry.prototype), entry.label);
        ++i;
    }
}

namespace {

// The little pictures of the drawing buttons, in the button's own pixels.
enum class Picture { kPointer, kText, kLine, kFreehand, kEllipse, kPolygon, kRectangle };

void DrawPicture(GTool& tool, Picture picture) {
    tool.CalculatePickArea();
    // Polylines count their points in the palette's units from their position.
    const long x0 = tool.X() + 3;
    const long y0 = tool.Y() + 3;
    switch (picture) {
    case Picture::kPointer: {
        auto* arrow = Part<GArrow>(tool, 0x000000, x0, y0, 10, 10);
        arrow->AddPoint(10, 10);
        arrow->AddPoint(1, 1);
        arrow->SetHead(5, 0);
        break;
    }
    case Picture::kText:
        Part<GText>(tool, 0x000000, ganchor::Pixels(4), ganchor::Pixels(1), gsize::Pixels(10),
                    gsize::Pixels(12), "A", 11.0);
        break;
    case Picture::kLine:
        Part<GLine>(tool, 0x000000, ganchor::Pixels(3), ganchor::Pixels(3), gsize::Pixels(10),
                    gsize::Pixels(10));
        break;
    case Picture::kFreehand: {
        auto* line = Part<GPolyline>(tool, 0x000000, x0, y0, 10, 10);
        for (auto [px, py] : {std::pair{0L, 8L}, {3L, 2L}, {5L, 7L}, {8L, 1L}, {10L, 6L}})
            line->AddPoint(px, py);
        break;
    }
    case Picture::kEllipse:
        Part<GEllipse>(tool, 0x000000, ganchor::Pixels(3), ganchor::Pixels(4), gsize::Pixels(10),
                       gsize::Pixels(8));
        break;
    case Picture::kPolygon: {
        auto* shape = Part<GPolygon>(tool, 0x000000, x0, y0, 10, 10);
        for (auto [px, py] : {std::pair{5L, 0L}, {10L, 9L}, {0L, 9L}})
            shape->AddPoint(px, py);
        break;
    }
    case Picture::kRectangle:
        Part<GRectangle>(tool, 0x000000, ganchor::Pixels(3), ganchor::Pixels(4), gsize::Pixels(10),
                         gsize::Pixels(8));
        break;
    }
}

template <class Tool>
Tool* DrawingButton(GGraphic& owner, long x, long y, std::unique_ptr<GGraphic> prototype,
                    Picture picture) {
    auto* tool =
        MakeOwned<Tool>(owner, ganchor::Pixels(x), ganchor::Pixels(y), gsize::Pixels(kButton),
                        gsize::Pixels(kButton), std::move(prototype));
    DressTool(*tool, kPicture, kPicture, {});
    DrawPicture(*tool, picture);
    return tool;
}

} // namespace

DrawingPalette AddDrawingPalette(GGraphic& owner, long x, long y, long width) {
    DrawingPalette palette;
    const long step = kButton + 1;
    auto& shapes = palette.shapes;
    shapes.push_back(DrawingButton<GDrawingTool>(owner, x, y, nullptr, Picture::kPointer));
    shapes.push_back(DrawingButton<GDrawingTool>(
        owner, x + step, y, std::make_unique<GText>(0, 0, 40, 14, "Text", 10.0), Picture::kText));
    shapes.push_back(DrawingButton<GDrawingTool>(
        owner, x + 2 * step, y, std::make_unique<GLine>(0, 0, 0, 0), Picture::kLine));
    shapes.push_back(DrawingButton<GContPolyDrawingTool>(
        owner, x + 3 * step, y, std::make_unique<GPolyline>(0, 0, 1, 1), Picture::kFreehand));
    const long y2 = y + step;
    shapes.push_back(DrawingButton<GDrawingTool>(
        owner, x, y2, std::make_unique<GEllipse>(0, 0, 0, 0), Picture::kEllipse));
    shapes.push_back(DrawingButton<GDrawingTool>(owner, x + step, y2, nullptr, Picture::kPointer));
    shapes.push_back(DrawingButton<GPolyDrawingTool>(
        owner, x + 2 * step, y2, std::make_unique<GPolygon>(0, 0, 1, 1), Picture::kPolygon));
    shapes.push_back(DrawingButton<GDrawingTool>(
        owner, x + 3 * step, y2, std::make_unique<GRectangle>(0, 0, 0, 0), Picture::kRectangle));
    const long y3 = y2 + step + 2;
    const long sampleWidth = (width - 4) / 2;
    palette.bucket = MakeOwned<GBucketTool>(owner, ganchor::Pixels(x), ganchor::Pixels(y3),
                                            gsize::Pixels(sampleWidth), gsize::Pixels(kButton));
    palette.pen =
        MakeOwned<GPenTool>(owner, ganchor::Pixels(x + sampleWidth + 4), ganchor::Pixels(y3),
                            gsize::Pixels(sampleWidth), gsize::Pixels(kButton));
    for (GTool* tool : {static_cast<GTool*>(palette.bucket), static_cast<GTool*>(palette.pen)}) {
        tool->Add3DAdorners(kFaceLight, kFaceDark);
        tool->SetProperty(gprop::kShown);
    }
    // Shapes are filled with the bucket's colour, lines drawn with the pen's.
    palette.bucket->SetSampleColor(0xFFE0C0);
    palette.pen->SetSampleColor(0x000000);
    GGraphic* fill = palette.bucket->Sample();
    GGraphic* line = palette.pen->Sample();
    shapes[1]->SetColorModel(fill);
    shapes[2]->SetColorModel(line);
    shapes[3]->SetColorModel(line);
    shapes[4]->SetColorModel(fill);
    shapes[6]->SetColorModel(fill);
    shapes[7]->SetColorModel(fill);
    const long y4 = y3 + kButton + 3;
    palette.colors = MakeOwned<GPaletteView>(owner, ganchor::Pixels(x), ganchor::Pixels(y4),
                                             gsize::Pixels(width), gsize::Pixels(44));
    palette.colors->SetVirtualCoordinates(0, 0, width, 44);
    palette.colors->SetColor(0xFFFFFF);
    palette.colors->SetProperty(gprop::kShown);
    palette.colors->SetAllColors();
    return palette;
}

// ---- GVPLUserFunctionPalette ----

GVPLUserFunctionPalette::GVPLUserFunctionPalette(long x, long y, long width, long height,
                                                 PalettePlaces places)
    : GScrollView(x, y, width, height, true, false), places_(std::move(places)) {
    SetProperty(gprop::kNotStored);
    Load();
}

GVPLUserFunctionPalette::~GVPLUserFunctionPalette() {
    Save();
}

void GVPLUserFunctionPalette::Load() {
    if (places_.read.empty()) return;
    bool damaged = false;
    auto functions = vpl::ReadUserFunctionPalette(places_.read, &damaged);
    if (damaged) {
        if (GSys* system = GSys::Current())
            system->ShowMessage("The user-function palette \"" + places_.read +
                                "\" is damaged and was not read; it will be written again "
                                "with the functions saved from now on.");
    }
    for (auto& function : functions)
        AddUserFunction(std::move(function));
}

GCreateTool* GVPLUserFunctionPalette::AddUserFunction(std::unique_ptr<GVPLUserFunction> prototype) {
    GObjectView* contents = Contents();
    if (prototype == nullptr || contents == nullptr) return nullptr;
    const std::string name = prototype->Name();
    const long width = std::max(contents->Width() - 2, 10L);
    auto tool =
        std::make_unique<GCreateTool>(ganchor::Pixels(1), ganchor::Pixels(0), gsize::Pixels(width),
                                      gsize::Pixels(kFunctionRow), std::move(prototype));
    DressTool(*tool, width, kFunctionRow, name);
    GCreateTool* raw = tool.get();
    Insert(tool.release());
    raw->Show();
    return raw;
}

std::vector<GCreateTool*> GVPLUserFunctionPalette::Tools() const {
    std::vector<GCreateTool*> tools;
    if (GObjectView* contents = Contents())
        for (G0* object : contents->OwnedObjects())
            if (auto* tool = As<GCreateTool>(object)) tools.push_back(tool);
    return tools;
}

std::vector<const GVPLUserFunction*> GVPLUserFunctionPalette::Prototypes() const {
    std::vector<const GVPLUserFunction*> prototypes;
    for (GCreateTool* tool : Tools())
        if (auto* function = As<GVPLUserFunction>(tool->Prototype()))
            prototypes.push_back(function);
    return prototypes;
}

bool GVPLUserFunctionPalette::Save() {
    const std::vector<const GVPLUserFunction*> prototypes = Prototypes();
    // A palette that never held anything leaves the file as it is.
    if (prototypes.empty() && places_.read.empty()) return true;
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(places_.write).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    std::string error;
    if (vpl::WriteUserFunctionPalette(prototypes, places_.write, &error)) return true;
    if (GSys* system = GSys::Current())
        system->ShowMessage("The user-function palette could not be written to \"" + places_.write +
                            "\" (" + error + "); the previous file is unchanged.");
    return false;
}

} // namespace vplapp
