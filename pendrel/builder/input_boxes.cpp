#include "pendrel/builder/input_boxes.h"

#include "pendrel/builder/net_text.h"
#include "pendrel/builder/property_choice.h"
#include "pendrel/builder/zez_binding.h"
#include "pendrel/engine/array.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <filesystem>
#include <fstream>

namespace {

// Whether every "[" of the text has been closed.
bool BracketsBalanced(std::string_view text) {
    long depth = 0;
    for (char c : text) {
        if (c == '[') ++depth;
        if (c == ']' && depth > 0) --depth;
    }
    return depth == 0;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

} // namespace

std::unique_ptr<GData> LongArrayOf(std::span<const long> values) {
    const long n =
        static_cast<long>(std::min<std::size_t>(std::max<std::size_t>(values.size(), 1), 4));
    auto array = std::make_unique<GArray>(kTypeL, 1, &n);
    if (array->IsEmpty()) return array;
    auto* data = static_cast<std::int32_t*>(array->Payload());
    for (long i = 0; i < n && i < static_cast<long>(values.size()); ++i)
        data[i] = static_cast<std::int32_t>(values[i]);
    return array;
}

// ---- GVPLInput ----

GVPLInput::GVPLInput(long x, long y, long width, long height) : GVPLBox(x, y, width, height) {
    InitializeInputs(0);
    InitializeOutputs(1);
}

void GVPLInput::SetPathName() {
    pathName_ = vplnet::InputPathName(FirstOutputDeliveries());
}

void GVPLInput::BuildCommand(GString& text) {
    text.Append(vplnet::InputText(FirstOutputDeliveries()));
}

bool GVPLInput::SendText(std::string_view text) {
    vpl::RunContext* run = GetRunContext();
    return run != nullptr && run->IsRunning() && run->Binding().zez_send(pathName_.Text(), text);
}

bool GVPLInput::SendObject(vOBJECT* obj) {
    vpl::RunContext* run = GetRunContext();
    return run != nullptr && run->IsRunning() &&
           run->Binding().zez_sendobject(pathName_.Text(), obj);
}

bool GVPLInput::PathIsBusy() const {
    vpl::RunContext* run = GetRunContext();
    return run != nullptr && run->Binding().zez_pathsize(pathName_.Text()) > 0;
}

void GVPLInput::Send(GStream& stream) const {
    SendBox(stream);
    stream.SendObject(&pathName_);
}

bool GVPLInput::Receive(GStream& stream) {
    if (!ReceiveBox(stream)) return false;
    if (std::unique_ptr<GString> name = As<GString>(stream.ReceiveObject())) pathName_ = *name;
    InitializeOwnedObjects();
    if (!IsSet(gprop::kShown)) ResetPropertyDeepForGroup(gprop::kShown, vplgroup::kEditable);
    return stream.IsOK();
}

// ---- GVPLInputData ----

namespace {

// The typing field of a data input box: an input box whose lines go to the box, and whose
// Enter only breaks the line while a "[" is still open.
class gvplinputdataField : public GInputBox {
public:
    gvplinputdataField(long x, long y, long width, long height) : GInputBox(x, y, width, height) {
        SetProperty(gprop::kNotStored);
    }

    void KeyEvent(int key) override {
        if ((key == gkey::kEnter || key == gkey::kLineFeed) && !BracketsBalanced(CurrentLine())) {
            AddWord(std::string(1, kLineFeed));
            return;
        }
        GInputBox::KeyEvent(key);
    }

protected:
    void ProcessLine(std::string_view line) override {
        if (auto* box = FindOwnershipFrom<GVPLInputData>()) box->SendLine(std::string(line));
    }
};

} // namespace

GVPLInputData::GVPLInputData(long x, long y, long width, long height)
    : GVPLInput(x, y, width, height) {
    InitializeOwnedObjects();
}

GInputBox* GVPLInputData::Field() const {
    for (G0* object : OwnedObjects())
        if (auto* field = As<GInputBox>(object)) return field;
    return nullptr;
}

void GVPLInputData::InitializeOwnedObjects() {
    if (Field() != nullptr) return;
    auto field =
        std::make_unique<gvplinputdataField>(50 | ganchor::kCentre, 50 | ganchor::kCentre, 80, 56);
    field->SetColor(0xFFFFFF);
    // Sunken, like a field to type into.
    field->Add3DAdorners(0x808080, 0xFFFFFF);
    field->SetGroup(vplgroup::kRunControls);
    field->SetProperty(gprop::kShown);
    InsertOwned(std::move(field));
}

std::string GVPLInputData::FieldText() const {
    const GInputBox* field = Field();
    return field != nullptr ? field->GetText() : std::string();
}

std::string GVPLInputData::CurrentLine() const {
    const GInputBox* field = Field();
    return field != nullptr ? field->CurrentLine() : std::string();
}

void GVPLInputData::SetFieldText(std::string_view text) {
    GInputBox* field = Field();
    if (field == nullptr) return;
    field->ClearText();
    field->AddWord(text);
    // Shown, not being typed: the next character starts afresh.
    field->AddLine({});
}

void GVPLInputData::KeyEvent(int key) {
    if (GInputBox* field = Field())
        field->KeyEvent(key);
    else
        GVPLInput::KeyEvent(key);
}

void GVPLInputData::ProcessInput() {
    SendLine(CurrentLine());
}

void GVPLInputData::SendLine(const std::string& line) {
    SendText(line);
}

std::string PastedValueText(std::string_view clipboard) {
    std::string text(clipboard);
    const bool hasLineEnd =
        text.find('\r') != std::string::npos || text.find('\n') != std::string::npos;
    if (text.find('\t') != std::string::npos && hasLineEnd &&
        GString(clipboard).PercentDigits() > 40) {
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
            text.pop_back();
        ReplaceAll(text, "\t", ",");
        ReplaceAll(text, "\r\n", "\n");
        ReplaceAll(text, "\r", "\n");
        ReplaceAll(text, "\n", "],\n[");
        return "[[" + text + "]]";
    }
    ReplaceAll(text, "\r\n", "\n");
    return "\"" + text + "\"";
}

void GVPLInputData::PasteText(std::string_view clipboard) {
    const std::string value = PastedValueText(clipboard);
    SendLine(value);
    SetFieldText(value);
}

void GVPLInputData::MenuEvent(int command) {
    if (command == vplcmd::kPaste) {
        if (std::unique_ptr<GString> text = GWindow::GetGlobalClipboardText())
            PasteText(text->Text());
        return;
    }
    GVPLInput::MenuEvent(command);
}

void GVPLInputData::Send(GStream& stream) const {
    SendBox(stream);
    stream.SendString(FieldText());
}

bool GVPLInputData::Receive(GStream& stream) {
    if (!ReceiveBox(stream)) return false;
    const std::string text = stream.ReceiveString();
    InitializeOwnedObjects();
    SetFieldText(text);
    if (!IsSet(gprop::kShown)) ResetPropertyDeepForGroup(gprop::kShown, vplgroup::kEditable);
    return stream.IsOK();
}

// ---- GVPLFileInputData ----

std::string GVPLFileInputData::FileNameFor(std::string_view typed) {
    std::string name(typed);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r' || name.back() == ' '))
        name.pop_back();
    if (name.find('.') == std::string::npos) name += ".zez";
    return name;
}

std::unique_ptr<GData> GVPLFileInputData::ReadFileArray(const std::string& name) {
    std::error_code error;
    const auto size = std::filesystem::file_size(name, error);
    if (error || size > kMaxArrayBytes) return {};
    std::ifstream in(name, std::ios::binary);
    if (!in) return {};
    const long length = static_cast<long>(size);
    auto array = std::make_unique<GArray>(kTypeUC, 1, &length);
    if (array->IsEmpty()) return nullptr;
    in.read(static_cast<char*>(array->Payload()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return {};
    return array;
}

void GVPLFileInputData::SendLine(const std::string& line) {
    std::unique_ptr<GData> array = ReadFileArray(FileNameFor(line));
    if (array != nullptr) SendObject(array->Object());
}

// ---- GVPLInputSwitch ----

GVPLInputSwitch::GVPLInputSwitch(long x, long y, long width, long height)
    : GVPLInput(x, y, width, height) {}

void GVPLInputSwitch::Toggle() {
    state_ = !state_;
    ProcessInput();
}

void GVPLInputSwitch::ProcessInput() {
    const long value = state_ ? 1 : 0;
    SendObject(LongArrayOf(std::span<const long>(&value, 1))->Object());
}

void GVPLInputSwitch::MenuEvent(int command) {
    if (command == vplcmd::kAlterAppearance) {
        style_ = static_cast<char>((style_ + 1) % 2);
        return;
    }
    GVPLInput::MenuEvent(command);
}

void GVPLInputSwitch::Send(GStream& stream) const {
    SendBox(stream);
    stream.SendBoolean(state_);
    stream.SendChar(style_);
}

bool GVPLInputSwitch::Receive(GStream& stream) {
    if (!ReceiveBox(stream)) return false;
    state_ = stream.ReceiveBoolean();
    style_ = stream.ReceiveChar();
    InitializeOwnedObjects();
    return stream.IsOK();
}

// ---- GVPLInputSlider ----

GVPLInputSlider::GVPLInputSlider(long x, long y, long width, long height)
    : GVPLInput(x, y, width, height) {}

bool GVPLInputSlider::MoveKnob(long position) {
    position_ = std::clamp(position, 0L, kMaxPosition);
    if (PathIsBusy()) return false;
    return SendObject(LongArrayOf(std::span<const long>(&position_, 1))->Object());
}

void GVPLInputSlider::ProcessInput() {
    MoveKnob(position_);
}

// ---- GVPLPropertySensor ----

GVPLPropertySensor::GVPLPropertySensor(long x, long y, long width, long height, long property)
    : GVPLInput(x, y, width, height), property_(property) {}

bool GVPLPropertySensor::Poll() {
    GList* holder = Owner();
    if (holder == nullptr) return false;
    std::optional<GPropertyValue> value = holder->GetPropertyValue(static_cast<int>(property_));
    if (!value || value->numbers.empty() || value->numbers == last_ || PathIsBusy()) return false;
    std::vector<long> values = value->numbers;
    if (values.size() > 4) values.resize(4);
    if (!SendObject(LongArrayOf(values)->Object())) return false;
    last_ = value->numbers;
    return true;
}

void GVPLPropertySensor::MenuEvent(int command) {
    if (command == vplcmd::kAlterAppearance) {
        ShowPropertyChoices(*this, Owner(), &property_);
        return;
    }
    GVPLInput::MenuEvent(command);
}

void GVPLPropertySensor::DoIdle() {
    Poll();
    GVPLInput::DoIdle();
}

void GVPLPropertySensor::Send(GStream& stream) const {
    SendBox(stream);
    stream.SendLong(property_);
}

bool GVPLPropertySensor::Receive(GStream& stream) {
    if (!ReceiveBox(stream)) return false;
    property_ = stream.ReceiveLong();
    InitializeOwnedObjects();
    return stream.IsOK();
}
