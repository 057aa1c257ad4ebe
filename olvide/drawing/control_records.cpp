#include "olvide/drawing/control_records.h"

#include "olvide/controls/control.h"
#include "olvide/model/codepage.h"

#include <QMetaEnum>
#include <algorithm>

namespace olvide::drawing {

using controls::TAlign;
using controls::TMultiShape;
using controls::TMultiShapeType;
using controls::TRepeatMode;

std::int32_t colorCode(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor colorOfCode(std::int32_t code) {
    return QColor(code & 0xFF, (code >> 8) & 0xFF, (code >> 16) & 0xFF);
}

namespace {

const char* const kShapeClass = "TMultiShape";
const char* const kImageClass = "TImage";

template <class E> std::string enumName(E value) {
    return QMetaEnum::fromType<E>().valueToKey(static_cast<int>(value));
}

template <class E> std::optional<E> enumOf(const std::string& name) {
    bool ok = false;
    const int value = QMetaEnum::fromType<E>().keyToValue(name.c_str(), &ok);
    return ok ? std::optional<E>(static_cast<E>(value)) : std::nullopt;
}

int bounded(std::int32_t value, int low = 0) {
    return std::clamp<std::int32_t>(value, low, kMaxStoredSize);
}

// Collects the properties that differ from their defaults.
struct Properties {
    std::vector<ComponentProperty> list;
    void add(const char* name, PropertyValue value) { list.push_back({name, std::move(value)}); }
    template <class T> void addIf(bool differs, const char* name, T value) {
        if (differs) add(name, PropertyValue(std::move(value)));
    }
};

void addPlace(Properties& p, const controls::TControl& control) {
    p.add("Left", control.x());
    p.add("Top", control.y());
    p.add("Width", control.width());
    p.add("Height", control.height());
    p.addIf(control.align() != TAlign::alNone, "Align", Ident{enumName(control.align())});
}

// Typed look-ups of one property; none when it is missing or of another type.
template <class T> const T* get(const ComponentRecord& c, std::string_view name) {
    const PropertyValue* value = c.find(name);
    return value ? std::get_if<T>(value) : nullptr;
}

void applyPlace(controls::TControl& control, const ComponentRecord& c) {
    QRect r = control.geometry();
    if (auto* v = get<std::int32_t>(c, "Left")) r.moveLeft(std::clamp(*v, -kMaxStoredSize, 32767));
    if (auto* v = get<std::int32_t>(c, "Top")) r.moveTop(std::clamp(*v, -kMaxStoredSize, 32767));
    if (auto* v = get<std::int32_t>(c, "Width")) r.setWidth(bounded(*v));
    if (auto* v = get<std::int32_t>(c, "Height")) r.setHeight(bounded(*v));
    control.setGeometry(r);
    if (auto* v = get<Ident>(c, "Align"))
        if (auto align = enumOf<TAlign>(v->name)) control.setAlign(*align);
}

std::vector<std::string> fontStyles(const QFont& font) {
    std::vector<std::string> styles;
    if (font.bold()) styles.emplace_back("fsBold");
    if (font.italic()) styles.emplace_back("fsItalic");
    if (font.underline()) styles.emplace_back("fsUnderline");
    if (font.strikeOut()) styles.emplace_back("fsStrikeOut");
    return styles;
}

} // namespace

ComponentRecord shapeComponent(const TMultiShape& shape) {
    const TMultiShape defaults;
    Properties p;
    addPlace(p, shape);
    p.addIf(shape.shapeType() != defaults.shapeType(), "ShapeType",
            Ident{enumName(shape.shapeType())});
    p.addIf(shape.angle() != 0, "Angle", std::int32_t{shape.angle()});
    p.addIf(shape.filled() != defaults.filled(), "Filled", shape.filled());
    p.addIf(!shape.parentColor(), "Color", colorCode(shape.color()));
    p.addIf(shape.border() != defaults.border(), "Border", shape.border());
    p.addIf(shape.borderColor() != defaults.borderColor(), "BorderColor",
            colorCode(shape.borderColor()));
    p.addIf(shape.borderWidth() != defaults.borderWidth(), "BorderWidth",
            std::int32_t{shape.borderWidth()});
    p.addIf(shape.shadow() != defaults.shadow(), "Shadow", shape.shadow());
    p.addIf(shape.shadowColor() != defaults.shadowColor(), "ShadowColor",
            colorCode(shape.shadowColor()));
    p.addIf(!shape.text().isEmpty(), "Text", fromUtf8(shape.text().toStdString()));
    if (!shape.parentFont()) {
        const QFont font = shape.font();
        p.add("Font.Name", fromUtf8(font.family().toStdString()));
        p.add("Font.Size", std::int32_t{font.pointSize()});
        p.add("Font.Style", IdentSet{fontStyles(font)});
    }
    return {kShapeClass, {}, std::move(p.list), {}};
}

void applyShapeComponent(TMultiShape& shape, const ComponentRecord& c) {
    applyPlace(shape, c);
    // The type first: the angle is kept valid for it.
    if (auto* v = get<Ident>(c, "ShapeType"))
        if (auto type = enumOf<TMultiShapeType>(v->name)) shape.setShapeType(*type);
    if (auto* v = get<std::int32_t>(c, "Angle")) shape.setAngle(*v);
    if (auto* v = get<bool>(c, "Filled")) shape.setFilled(*v);
    if (auto* v = get<std::int32_t>(c, "Color")) shape.setColor(colorOfCode(*v));
    if (auto* v = get<bool>(c, "Border")) shape.setBorder(*v);
    if (auto* v = get<std::int32_t>(c, "BorderColor")) shape.setBorderColor(colorOfCode(*v));
    if (auto* v = get<std::int32_t>(c, "BorderWidth")) shape.setBorderWidth(std::clamp(*v, 0, 255));
    if (auto* v = get<bool>(c, "Shadow")) shape.setShadow(*v);
    if (auto* v = get<std::int32_t>(c, "ShadowColor")) shape.setShadowColor(colorOfCode(*v));
    if (auto* v = get<std::string>(c, "Text")) shape.setText(QString::fromStdString(toUtf8(*v)));
    if (auto* name = get<std::string>(c, "Font.Name")) {
        QFont font(QString::fromStdString(toUtf8(*name)));
        if (auto* size = get<std::int32_t>(c, "Font.Size"))
            font.setPointSize(std::clamp(*size, 1, 400));
        if (auto* styles = get<IdentSet>(c, "Font.Style")) {
            const auto has = [&](const char* s) {
                return std::find(styles->members.begin(), styles->members.end(), s) !=
                       styles->members.end();
            };
            font.setBold(has("fsBold"));
            font.setItalic(has("fsItalic"));
            font.setUnderline(has("fsUnderline"));
            font.setStrikeOut(has("fsStrikeOut"));
        }
        shape.setFont(font);
    }
}

ShapeIntegers shapeIntegers(const TMultiShape& shape) {
    ShapeIntegers v{};
    v[siRepeatMode] = static_cast<std::int32_t>(shape.repeatMode());
    v[siXMargin] = shape.xMargin();
    v[siYMargin] = shape.yMargin();
    v[siXSpacing] = shape.xSpacing();
    v[siYSpacing] = shape.ySpacing();
    v[siShadowX] = shape.shadowX();
    v[siShadowY] = shape.shadowY();
    v[siShapeW] = shape.shapeW();
    v[siShapeH] = shape.shapeH();
    v[siWidth] = shape.width();
    v[siHeight] = shape.height();
    return v;
}

void applyShapeIntegers(TMultiShape& shape, const ShapeIntegers& v) {
    const std::int32_t mode = v[siRepeatMode];
    shape.setRepeatMode(mode >= 0 && mode <= 3 ? static_cast<TRepeatMode>(mode)
                                               : TRepeatMode::rpNone);
    shape.setXMargin(std::clamp(v[siXMargin], -kMaxStoredSize, kMaxStoredSize));
    shape.setYMargin(std::clamp(v[siYMargin], -kMaxStoredSize, kMaxStoredSize));
    shape.setXSpacing(bounded(v[siXSpacing]));
    shape.setYSpacing(bounded(v[siYSpacing]));
    shape.setShadowX(std::clamp(v[siShadowX], -kMaxStoredSize, kMaxStoredSize));
    shape.setShadowY(std::clamp(v[siShadowY], -kMaxStoredSize, kMaxStoredSize));
    shape.setShapeW(bounded(v[siShapeW]));
    shape.setShapeH(bounded(v[siShapeH]));
    shape.resize(bounded(v[siWidth]), bounded(v[siHeight]));
}

ComponentRecord imageComponent(const controls::TKelImage& image, const std::string& pictureBytes) {
    Properties p;
    addPlace(p, image);
    p.addIf(image.stretch(), "Stretch", true);
    p.addIf(!pictureBytes.empty(), "Picture.Data", Binary{pictureBytes});
    return {kImageClass, {}, std::move(p.list), {}};
}

std::string applyImageComponent(controls::TKelImage& image, const ComponentRecord& c) {
    applyPlace(image, c);
    if (auto* v = get<bool>(c, "Stretch")) image.setStretch(*v);
    if (auto* v = get<Binary>(c, "Picture.Data")) return v->bytes;
    return {};
}

} // namespace olvide::drawing
