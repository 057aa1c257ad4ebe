#include "pendrel/builder/output_boxes.h"

#include "pendrel/builder/gdata.h"
#include "pendrel/builder/net_text.h"
#include "pendrel/builder/property_choice.h"
#include "pendrel/engine/array.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gtextbox.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

std::string NumberText(double value) {
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

std::vector<double> ValuesOf(const vARRAY* a) {
    std::vector<double> values(a->count);
    for (std::uint32_t i = 0; i < a->count; ++i)
        values[i] = vDoubleVal(a, i);
    return values;
}

} // namespace

// ---- GVPLOutput ----

GVPLOutput::GVPLOutput(long x, long y, long width, long height) : GVPLBox(x, y, width, height) {
    InitializeInputs(1);
    InitializeOutputs(0);
}

void GVPLOutput::SetPathName() {
    SetKey(vplnet::PathName(NumInputs() > 0 ? InputTie(1)->GetLineNo() : 0));
}

// ---- GVPLOutputBox ----

GVPLOutputBox::GVPLOutputBox(long x, long y, long width, long height)
    : GVPLOutput(x, y, width, height) {
    InitializeOwnedObjects();
}

void GVPLOutputBox::InitializeOwnedObjects() {
    if (text_ != nullptr) return;
    text_ = MakeOwned<GTextBox>(*this, 5, 5, 90, 90);
    if (GText* shown = text_->TextGraphic()) shown->SetColor(0x000000);
    text_->SetLineLimit(1);
    text_->SetGroup(vplgroup::kEditable);
    text_->SetProperty(gprop::kShown);
}

void GVPLOutputBox::SendZEZObject(GData* data) {
    vOBJECT* obj = data != nullptr ? data->Object() : nullptr;
    // The box keeps one line: each result starts the text afresh.
    if (text_ != nullptr) text_->AddLine(vpl::EngineObjectText(obj));
}

std::string GVPLOutputBox::ResultText() const {
    if (text_ == nullptr) return {};
    // The first line of a fresh text box starts with the line feed that opened it.
    std::string text = text_->GetText();
    const std::size_t start = text.find_first_not_of('\n');
    return start == std::string::npos ? std::string() : text.substr(start);
}

// ---- GVPLAnimator ----

GVPLAnimator::GVPLAnimator(long x, long y, long width, long height, long property)
    : GVPLOutput(x, y, width, height), property_(property) {}

void GVPLAnimator::SendZEZObject(GData* data) {
    vOBJECT* obj = data != nullptr ? data->Object() : nullptr;
    GList* holder = Owner();
    if (holder == nullptr || obj == nullptr) return;
    const int number = static_cast<int>(property_);
    std::optional<GPropertyInfo> info = holder->GetPropertyInfo(number);
    if (!info) return;
    GPropertyValue value;
    if (info->kind == kPropertyKindText) {
        value.text = vpl::EngineObjectText(obj);
    } else {
        std::unique_ptr<GData> fixed = GData(obj).CallFunction(kFnLong);
        const vARRAY* a = fixed != nullptr ? vAsArray(fixed->Object()) : nullptr;
        if (a == nullptr) return;
        for (int i = 0; i < std::max(info->count, 1); ++i)
            value.numbers.push_back(vLongValue(a, std::min<long>(i, a->count - 1)));
    }
    holder->SetPropertyValue(number, value);
}

void GVPLAnimator::MenuEvent(int command) {
    if (command == vplcmd::kAlterAppearance) {
        ShowPropertyChoices(*this, Owner(), &property_);
        return;
    }
    GVPLOutput::MenuEvent(command);
}

std::string GVPLAnimator::ResultText() const {
    GList* holder = Owner();
    return holder != nullptr ? holder->PropertyValueInASCII(static_cast<int>(property_))
                             : std::string();
}

void GVPLAnimator::Send(GStream& stream) const {
    SendBox(stream);
    stream.SendLong(property_);
}

bool GVPLAnimator::Receive(GStream& stream) {
    if (!ReceiveBox(stream)) return false;
    property_ = stream.ReceiveLong();
    InitializeOwnedObjects();
    return stream.IsOK();
}

// ---- array results ----

std::string ArraySummary(vOBJECT* obj) {
    const vARRAY* a = vAsArray(obj);
    if (a == nullptr) return "not an array";
    std::string text = "(";
    const int dims = std::max<int>(a->ndims, 1);
    for (int d = 0; d < dims; ++d)
        text += (d ? "," : "") + std::to_string(a->dims[d]);
    text += ")";
    if (a->count == 0) return text + " empty";
    const std::vector<double> values = ValuesOf(a);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return text + " min " + NumberText(*low) + " max " + NumberText(*high);
}

Gimage GreyImageOf(vOBJECT* obj) {
    Gimage image;
    const vARRAY* a = vAsArray(obj);
    if (a == nullptr || a->count == 0) return image;
    image.width = a->dims[0];
    image.height = a->ndims >= 2 ? a->dims[1] : 1;
    const std::size_t n = static_cast<std::size_t>(image.width) * image.height;
    image.bytes.assign(n, 0);
    if (a->type == kTypeC || a->type == kTypeUC) {
        GData bytes(vConvertTo(a, nullptr, kTypeUC));
        const vARRAY* b = vAsArray(bytes.Object());
        if (b == nullptr) return {};
        const auto* data = static_cast<const std::uint8_t*>(b->data);
        std::copy(data, data + std::min<std::size_t>(n, b->count), image.bytes.begin());
        return image;
    }
    const std::vector<double> values = ValuesOf(a);
    const double low = *std::min_element(values.begin(), values.end());
    double range = 0;
    for (double v : values)
        range = std::max(range, v - low);
    // A flat result has nothing to scale: it shows black instead of dividing by zero.
    if (range <= 0) return image;
    for (std::size_t i = 0; i < n && i < values.size(); ++i) {
        const float scaled =
            static_cast<float>(values[i] - low) * 255.0f / static_cast<float>(range);
        image.bytes[i] = static_cast<std::uint8_t>(std::clamp(std::trunc(scaled), 0.0f, 255.0f));
    }
    return image;
}

// ---- GVPLImageBox ----

GVPLImageBox::GVPLImageBox(long x, long y, long width, long height)
    : GVPLOutputBox(x, y, width, height) {
    InitializeOwnedObjects();
}

void GVPLImageBox::InitializeOwnedObjects() {
    if (shown_ == nullptr) {
        shown_ = MakeOwned<GImage>(*this, 0, 0, 100, 100);
        shown_->SetProperty(gprop::kShown);
    }
}

void GVPLImageBox::PlaceImage() {
    if (shown_ == nullptr) return;
    const Grect& box = DisplayRect();
    // Small images fill the box; larger ones keep their own size in pixels.
    if (!box.IsEmpty() && image_.width * 2 >= box.Width() && image_.height * 2 >= box.Height()) {
        shown_->SetProperty(gprop::kWidthPixels);
        shown_->SetProperty(gprop::kHeightPixels);
        shown_->SetSize(image_.width, image_.height);
    } else {
        shown_->ResetProperty(gprop::kWidthPixels);
        shown_->ResetProperty(gprop::kHeightPixels);
        shown_->SetSize(100, 100);
    }
    shown_->SetImage(image_);
}

void GVPLImageBox::SendZEZObject(GData* data) {
    vOBJECT* obj = data != nullptr ? data->Object() : nullptr;
    summary_ = ArraySummary(obj);
    Gimage image = GreyImageOf(obj);
    if (!image.IsValid()) return;
    image_ = std::move(image);
    PlaceImage();
}

// ---- GVPLPlottingBox ----

std::vector<Gpoint> PlotPoints(std::span<const double> values) {
    std::vector<Gpoint> points;
    const long n = static_cast<long>(values.size());
    if (n <= 2) return points;
    const double low = *std::min_element(values.begin(), values.end());
    double range = 0;
    for (double v : values)
        range = std::max(range, v - low);
    const long k = n / 400 + 1;
    for (long b = 0; b < n; b += k) {
        const double d = values[b] - low;
        const long y = range > 0 ? static_cast<long>(std::trunc(d * 1000 / range)) : 0;
        points.push_back({(b * 100 / n) * 10, y});
    }
    return points;
}

GVPLPlottingBox::GVPLPlottingBox(long x, long y, long width, long height)
    : GVPLOutputBox(x, y, width, height) {
    InitializeOwnedObjects();
}

void GVPLPlottingBox::InitializeOwnedObjects() {
    if (area_ == nullptr) {
        area_ = MakeOwned<GView>(*this, 0, 0, 100, 100);
        // The y axis grows upward: the top of the area is 1000, its bottom 0.
        area_->SetVirtualCoordinates(0, kArea, kArea, 0);
        area_->SetProperty(gprop::kShown);
    }
}

void GVPLPlottingBox::SendZEZObject(GData* data) {
    vOBJECT* obj = data != nullptr ? data->Object() : nullptr;
    summary_ = ArraySummary(obj);
    const vARRAY* a = vAsArray(obj);
    if (a == nullptr || a->count <= 2) return;
    points_ = PlotPoints(ValuesOf(a));
    if (area_ == nullptr) return;
    area_->DeleteAll();
    auto* line = MakeOwned<GPolyline>(*area_, 0, 0, kArea, kArea);
    line->SetColor(0x000000);
    for (const Gpoint& p : points_)
        line->AddPoint(p.x, p.y);
    line->SetProperty(gprop::kShown);
    // The old line goes from the screen with the new one drawn.
    area_->Redraw();
}
