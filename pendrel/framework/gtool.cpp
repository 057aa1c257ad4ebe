#include "pendrel/framework/gtool.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/properties.h"

GTool::GTool() {
    SetProperty(kToolBits);
    SetProperty(gprop::kPassDrop);
}

GTool::GTool(long x, long y, long width, long height) : GGraphic(x, y, width, height) {
    SetProperty(kToolBits);
    SetProperty(gprop::kPassDrop);
}

void GTool::SetToolColor(long color) {
    const bool locked = IsSet(gprop::kColorLocked);
    ResetProperty(gprop::kColorLocked);
    SetColor(color);
    if (locked) SetProperty(gprop::kColorLocked);
}

void GTool::MouseEvent(int type, long x, long y) {
    if (type != gmouse::kPress) return;
    GWindow* input = InputWindow() != nullptr ? InputWindow() : Window();
    GGraphic* picked = input != nullptr ? input->PickAt({x, y}) : nullptr;
    if (picked == nullptr || picked == this) return;
    SetFocusedObject(picked);
    picked->MouseEvent(type, x, y);
}

GGraphic* GTool::PickAt(Gpoint point) {
    return IsShown() && ContainsPoint(point) ? this : nullptr;
}

GCreateTool::GCreateTool(long x, long y, long width, long height,
                         std::unique_ptr<GGraphic> prototype)
    : GTool(x, y, width, height) {
    SetPrototype(std::move(prototype));
}

void GCreateTool::SetPrototype(std::unique_ptr<GGraphic> prototype) {
    prototype_ = std::move(prototype);
    if (!prototype_) return;
    // Copies are made shown; a prototype is too, so that what it holds is read back shown.
    prototype_->SetProperty(gprop::kShown);
    // A prototype without a size of its own gets the default one, in pixels.
    if (prototype_->Width() == 0 || prototype_->Height() == 0) {
        prototype_->SetSize(kDefaultSize, kDefaultSize);
        prototype_->SetProperty(gprop::kWidthPixels);
        prototype_->SetProperty(gprop::kHeightPixels);
    }
}

void GCreateTool::SetColorModel(GGraphic* model) {
    colorModel_.RemoveAll();
    colorModel_.Insert(model);
}

GGraphic* GCreateTool::ColorModel() const {
    return As<GGraphic>(colorModel_.First());
}

long GCreateTool::NewGraphicColor() const {
    if (const GGraphic* model = ColorModel()) return model->Color();
    return prototype_ ? prototype_->Color() : 0;
}

GGraphic* GCreateTool::PickedAt(long x, long y) {
    GWindow* input = InputWindow() != nullptr ? InputWindow() : Window();
    return input != nullptr ? input->PickAt({x, y}) : nullptr;
}

GGraphic* GCreateTool::DropCopyInto(GGraphic& view) {
    std::unique_ptr<GGraphic> copy = As<GGraphic>(prototype_->Clone());
    if (!copy) return nullptr;
    GGraphic* graphic = copy.get();
    graphic->SetProperty(gprop::kShown);
    graphic->SetColor(NewGraphicColor());
    view.ObjectEvent(graphic);
    if (graphic->IsOrphan()) return nullptr; // nobody took it: the copy goes
    (void)copy.release();
    return graphic;
}

void GCreateTool::MouseEvent(int type, long x, long y) {
    // The created graphic is watched through a list, which forgets it if it goes away.
    created_ = createdWatch_.Holds(created_) ? created_ : nullptr;
    if (type == gmouse::kRelease) {
        if (created_ != nullptr) {
            SetFocusedObject(created_);
            createdWatch_.RemoveAll();
            created_ = nullptr;
        } else {
            ++clicks_;
        }
        return;
    }
    if (type != gmouse::kPress) return;
    GGraphic* picked = PickedAt(x, y);
    if (picked == this) return;
    if (picked == nullptr) return;
    if (!IsArmed() || !prototype_ || !picked->IsView() || picked->IsTool()) {
        SetFocusedObject(picked);
        picked->MouseEvent(type, x, y);
        return;
    }
    GGraphic* graphic = DropCopyInto(*picked);
    if (graphic == nullptr) return;
    created_ = graphic;
    createdWatch_.RemoveAll();
    createdWatch_.Insert(graphic);
}

void GCreateTool::Send(GStream& stream) const {
    GTool::Send(stream);
    stream.SendObject(prototype_.get());
    stream.SendLong(clicks_);
}

bool GCreateTool::Receive(GStream& stream) {
    if (!GTool::Receive(stream)) return false;
    auto prototype = stream.ReceiveOwnObject();
    clicks_ = stream.ReceiveLong();
    if (!stream.IsOK()) return false;
    if (prototype && As<GGraphic>(prototype.get()) == nullptr) {
        stream.MarkFailed();
        return false;
    }
    prototype_ = As<GGraphic>(std::move(prototype));
    return true;
}
