#include "pendrel/app/program_holder.h"

#include "pendrel/builder/program_view.h"
#include "pendrel/framework/gscrollview.h"
#include "pendrel/framework/properties.h"

namespace {
// The program's width and height count in pixels in the scrolling frame.
constexpr long kPixelSizes = 0x20060;
} // namespace

GVPLProgramHolder::GVPLProgramHolder(long x, long y, long width, long height)
    : GView(x, y, width, height) {
    SetColor(0xFFFFFF);
    SetProperty(gprop::kNotStored);
    CreateProgramFrame(kPlainFrame);
}

GVPLProgramView* GVPLProgramHolder::Program() const {
    return As<GVPLProgramView>(program_.First());
}

GScrollView* GVPLProgramHolder::ScrollFrame() const {
    return As<GScrollView>(frame_.First());
}

void GVPLProgramHolder::AttachProgram(std::unique_ptr<GGraphic> program) {
    auto* view = As<GVPLProgramView>(program.get());
    if (view == nullptr) return;
    if (GVPLProgramView* old = Program()) DeleteObject(old);
    InsertOwned(std::move(program));
    program_.RemoveAll();
    program_.Insert(view);
    CreateProgramFrame(kind_);
}

void GVPLProgramHolder::CreateProgramFrame(unsigned short kind) {
    CalculatePickArea();
    const bool wasDrawn = IfDrawnHideAndBatch();
    GVPLProgramView* program = Program();
    const bool running = program != nullptr && program->WantsIdle();
    // The idle marks follow the program into its new frame.
    if (running) program->DisableDoIdle();
    GGraphic* old = As<GGraphic>(frame_.First());
    const Grect& r = DisplayRect();
    const long width = std::max(r.right - r.left, 1L);
    const long height = std::max(r.bottom - r.top, 1L);
    frame_.RemoveAll();
    if (kind == kScrollingFrame) {
        auto* frame = MakeOwned<GScrollView>(*this, 0, 0, width, height, true, true);
        frame->SetProperty(gprop::kFillOwner);
        frame->SetProperty(gprop::kShown);
        frame_.Insert(frame);
        if (program != nullptr) {
            // The program keeps the size it is shown at, now counted in pixels.
            program->CalculatePickArea();
            const Grect& shown = program->DisplayRect();
            program->ResetProperty(gprop::kFillOwner);
            program->SetProperty(kPixelSizes);
            program->SetSize(std::max(shown.right - shown.left, 1L),
                             std::max(shown.bottom - shown.top, 1L));
            frame->SetContents(program);
        }
    } else {
        auto* frame = MakeOwned<GObjectView>(*this, 0, 0, width, height);
        frame->SetProperty(gprop::kFillOwner);
        frame->SetProperty(gprop::kShown);
        frame->SetColor(0xFFFFFF);
        frame_.Insert(frame);
        if (program != nullptr) {
            frame->InsertOwned(program);
            program->ResetProperty(kPixelSizes);
            program->SetAnchors(0, 0);
            program->SetProperty(gprop::kFillOwner);
            program->SetProperty(gprop::kShown);
        }
    }
    kind_ = kind;
    if (old != nullptr) DeleteObject(old);
    if (running) program->EnableDoIdle();
    ShowAndEndBatch(wasDrawn);
}

void GVPLProgramHolder::MenuEvent(int command) {
    if (command == appcmd::kSwitchFrame) {
        CreateProgramFrame(kind_ == kPlainFrame ? kScrollingFrame : kPlainFrame);
        return;
    }
    GView::MenuEvent(command);
}
