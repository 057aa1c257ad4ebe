#include "pendrel/framework/gtextbox.h"

#include "pendrel/framework/gstream.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>

GTextBox::GTextBox(long x, long y, long width, long height, double fontSize)
    : GView(x, y, width, height) {
    auto text = std::make_unique<GText>(0, 0, Width(), Height(), "", fontSize);
    text->SetColor(0x000000);
    text->SetProperty(gprop::kShown);
    text_ = text.get();
    textSlot_ = text_;
    InsertOwned(std::move(text));
}

GText* GTextBox::TextGraphic() const {
    return text_ != nullptr && Holds(text_) ? text_ : nullptr;
}

void GTextBox::SetText(std::string text) {
    if (GText* graphic = TextGraphic()) graphic->SetText(text);
}

std::string GTextBox::GetText() const {
    const GText* graphic = TextGraphic();
    return graphic != nullptr ? graphic->Text() : std::string();
}

void GTextBox::AddWord(std::string_view word) {
    if (lineCount_ == 0) {
        SetText(std::string(word));
        lineCount_ = 1;
        lineStart_ = 0;
        return;
    }
    SetText(GetText() + std::string(word));
}

void GTextBox::AddLine(std::string_view line) {
    if (lineCount_ < lineLimit_) {
        ++lineCount_;
        std::string text = GetText() + kLineFeed;
        lineStart_ = text.size();
        SetText(std::move(text));
    } else {
        lineCount_ = 0;
        lineStart_ = 0;
    }
    if (!line.empty()) AddWord(line);
}

void GTextBox::Trim() {
    std::string text = GetText();
    if (text.empty()) return;
    text.pop_back();
    lineStart_ = std::min(lineStart_, text.size());
    SetText(std::move(text));
}

void GTextBox::ClearText() {
    SetText({});
    lineStart_ = 0;
}

void GTextBox::Send(GStream& stream) const {
    GView::Send(stream);
    stream.SendShort(lineLimit_);
    stream.SendShort(lineCount_);
    stream.SendReference(text_);
}

bool GTextBox::Receive(GStream& stream) {
    if (!GView::Receive(stream)) return false;
    lineLimit_ = stream.ReceiveShort();
    lineCount_ = stream.ReceiveShort();
    stream.ReceiveReference(&textSlot_, this);
    FillPlaceholder(&textSlot_, textSlot_);
    return stream.IsOK();
}

void GTextBox::FillPlaceholder(G0** slot, G0* object) {
    if (slot != &textSlot_) return GView::FillPlaceholder(slot, object);
    // Only a text that the box itself holds can be its text.
    textSlot_ = object;
    text_ = Holds(object) ? As<GText>(object) : nullptr;
}

void GTextBox::ForgetPlaceholder(G0** slot) {
    if (slot != &textSlot_) return GView::ForgetPlaceholder(slot);
    textSlot_ = nullptr;
    text_ = nullptr;
}

void GInputBox::KeyEvent(int key) {
    switch (key) {
    case gkey::kBackspace:
        Trim();
        return;
    case gkey::kEnter:
    case gkey::kLineFeed:
        ProcessLine(CurrentLine());
        AddLine({});
        return;
    default:
        if (key < 0 || key > 255) return GTextBox::KeyEvent(key);
        AddWord(std::string(1, static_cast<char>(key)));
    }
}

std::string GInputBox::CurrentLine() const {
    if (LineCount() == 0) return {};
    const std::string text = GetText();
    return text.substr(std::min(LineStart(), text.size()));
}
