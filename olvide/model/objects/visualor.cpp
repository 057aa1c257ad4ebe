#include "olvide/model/objects/visualor.h"

#include "olvide/model/objects/program_services.h"
#include "olvide/model/platform.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

namespace {

// Label widths and how far left of the picture a label may start, per side window.
struct LabelCut {
    int width;
    int leftReach;
};

LabelCut cutFor(ShownIn where) {
    switch (where) {
    case ShownIn::StepWindow:
        return {60, 12};
    case ShownIn::ParameterWindow:
        return {47, 12};
    case ShownIn::ArgumentPanel:
        return {43, 6};
    case ShownIn::ProgramSpace:
        break;
    }
    return {0, 0};
}

} // namespace

std::string oneLine(std::string_view alias) {
    const auto lineBreak = alias.find("\r\n");
    if (lineBreak == std::string_view::npos) return std::string(alias);
    std::string out(alias.substr(0, lineBreak));
    out += '_';
    out += alias.substr(lineBreak + 2);
    return out;
}

TVisualor::TVisualor(ProgramServices* owner)
    : Owner(owner), platform_(owner ? &owner->platform() : &NullPlatform::instance()) {}

TVisualor::~TVisualor() {
    if (hasPicture) platform_->objectDestroyed(*this);
}

void TVisualor::Create(int x, int y, int id, bool isTemp) {
    setTemporaryAtCreation(isTemp);
    VisualorId = id;
    VisualorName = setvisualorname(id);
    VisualorAlias = VisualorName;
    VisualorStyle = setvisualorstyle();
    if (Owner) {
        hasPicture = true;
        const Size size = platform().iconSize("varico.bmp");
        VisualorImage.width = size.width;
        VisualorImage.height = size.height;
        VisualorImage.left = x - size.width / 2;
        VisualorImage.top = y - size.height / 2;
        VisualorImage.icon = iconName();
        VisualorLabel.fontSize = platform().screenWidth() < 800 ? 9 : 11;
        VisualorLabel.height = 10;
        VisualorLabel.width = 0;
        centreLabel();
        Owner->markModified();
    }
    created();
}

std::string TVisualor::setvisualorname(std::int32_t id) const {
    return "Vis" + decimal(id);
}

bool TVisualor::editing() const {
    return !Owner || !Owner->programRunning();
}

void TVisualor::pictureChanged() {
    if (hasPicture) platform().pictureChanged(*this);
}

void TVisualor::labelChanged() {
    if (hasPicture) platform().labelChanged(*this);
}

void TVisualor::centreLabel() {
    const LabelCut cut = cutFor(shownIn);
    int left = VisualorImage.left + (VisualorImage.width - VisualorLabel.width) / 2;
    if (cut.width > 0) left = std::max(left, VisualorImage.left - cut.leftReach);
    VisualorLabel.left = left;
    VisualorLabel.top = VisualorImage.top + VisualorImage.height;
}

void TVisualor::selectdraw() {
    VisualorImage.highlighted = true;
    pictureChanged();
}

void TVisualor::unselectdraw() {
    VisualorImage.highlighted = false;
    VisualorImage.icon = iconName();
    pictureChanged();
}

void TVisualor::Redraw() {
    if (Highlighted) {
        selectdraw();
        VisualorLabel.inverted = true;
    } else {
        unselectdraw();
        VisualorLabel.inverted = false;
    }
    labelChanged();
}

void TVisualor::ShowAlias() {
    VisualorLabel.text = VisualorAlias + labelSuffix();
    VisualorLabel.width = platform().textWidth(VisualorLabel.text, VisualorLabel.fontSize);
    const LabelCut cut = cutFor(shownIn);
    if (cut.width > 0) VisualorLabel.width = cut.width;
    centreLabel();
    labelChanged();
}

void TVisualor::ShowObject(bool visible) {
    if (!hasPicture) return;
    if (visible) {
        Redraw();
        ShowAlias();
    }
    VisualorImage.visible = visible;
    VisualorLabel.visible = visible && VisualorStyle != kind::Operator;
    pictureChanged();
    labelChanged();
}

void TVisualor::SetAlias(std::string_view text) {
    VisualorAlias = std::string(text);
    if (shown()) ShowAlias();
}

void TVisualor::moveCentreTo(int x, int y) {
    placeAt(x - VisualorImage.width / 2, y - VisualorImage.height / 2);
}

void TVisualor::placeAt(int left, int top) {
    VisualorImage.left = left;
    VisualorImage.top = top;
    centreLabel();
    pictureChanged();
    labelChanged();
}

void TVisualor::writedefinewindow(AttributeWindow& window) const {
    window.VisualorAlias = VisualorAlias;
    window.VisualorComment = VisualorComment;
    window.aliasEnabled = editing();
}

void TVisualor::readdefinewindow(const AttributeWindow& window) {
    const std::string alias = trimmed(window.VisualorAlias);
    if (alias != VisualorAlias) SetAlias(alias);
    VisualorComment = window.VisualorComment;
}

void TVisualor::visualorImageMouseMove(int x, int y) {
    if (editing() && Dragging) moveCentreTo(x, y);
}

void TVisualor::visualorImageMouseDown() {
    if (!editing()) return;
    Dragging = true;
    if (DoubleClicked) {
        Dragging = false;
        DoubleClicked = false;
        OpenAttributes = true;
    } else {
        OpenAttributes = false;
    }
    setstatushint();
}

void TVisualor::visualorImageMouseUp() {
    if (editing()) Dragging = false;
}

void TVisualor::visualorImageDoubleClick() {
    DoubleClicked = true;
}

void TVisualor::KeyDown(int key, KeyModifiers) {
    if (key == key::F4) visualorImageDoubleClick();
}

std::int32_t TVisualor::SerialOf(const TVisualor* object) {
    if (!object || !object->Owner) return 0;
    return 1 + object->Owner->IndexOf(object);
}

void TVisualor::save(RecordWriter& writer) const {
    writer.writeInteger(VisualorStyle);
    saveKindPrefix(writer);
    writer.writeInteger(VisualorId);
    writer.writeString(VisualorAlias);
    writer.writeStringList(VisualorComment);
    if (hasPicture) {
        writer.writeInteger(VisualorImage.left);
        writer.writeInteger(VisualorImage.top);
        writer.writeBoolean(VisualorImage.visible);
    }
}

void TVisualor::load(RecordReader& reader) {
    VisualorId = reader.readInteger();
    VisualorName = setvisualorname(VisualorId);
    VisualorAlias = reader.readString();
    VisualorComment = reader.readStringList();
    if (!hasPicture) return;
    const int left = reader.readInteger();
    const int top = reader.readInteger();
    const bool visible = reader.readBoolean();
    placeAt(std::max(left, 0), std::max(top, 0));
    // Flow commanders stay hidden until their condition or iteration shows them.
    if (visible && !kind::isFlowCommander(VisualorStyle)) ShowObject(true);
}

} // namespace olvide
