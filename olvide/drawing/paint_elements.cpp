#include "olvide/drawing/paint_elements.h"

#include "olvide/controls/numeric_edit.h"
#include "olvide/drawing/control_records.h"
#include "olvide/drawing/picture_loading.h"
#include "olvide/drawing/shape_attribute.h"

#include <QLineEdit>
#include <QMenu>
#include <array>
#include <utility>

namespace olvide::drawing {

using controls::TAlign;
using controls::TMultiShapeType;
using controls::TRepeatMode;

namespace {

const QColor kNavy(0x00, 0x00, 0x80);       // $800000
const QColor kGoldBorder(0xD0, 0xA2, 0x3A); // $3AA2D0
constexpr int kDefaultSide = 32;

// The menu handlers that stand for a state the menu ticks.
const std::array<std::pair<std::string_view, TAlign>, 12> kAlignHandlers{{
    {"MsalignNoneClick", TAlign::alNone},
    {"MsalignleftClick", TAlign::alLeft},
    {"MsalignRightClick", TAlign::alRight},
    {"MsalignTopClick", TAlign::alTop},
    {"MsalignBottomClick", TAlign::alBottom},
    {"MsalignClientClick", TAlign::alClient},
    {"imageNoneClick", TAlign::alNone},
    {"imageLeftClick", TAlign::alLeft},
    {"imageRightClick", TAlign::alRight},
    {"imageTopClick", TAlign::alTop},
    {"imageBottomClick", TAlign::alBottom},
    {"imageClientClick", TAlign::alClient},
}};

const std::array<std::pair<std::string_view, int>, 10> kAngleHandlers{{
    {"MsAngle0Click", 0},
    {"MsAngle45Click", 45},
    {"Msangle90Click", 90},
    {"Msangle135Click", 135},
    {"Msangle180Click", 180},
    {"Msangle225Click", 225},
    {"Msangle270Click", 270},
    {"Msangle315Click", 315},
    {"textangle180Click", 180},
    {"textangle270Click", 270},
}};

const std::array<std::pair<std::string_view, TRepeatMode>, 4> kRepeatHandlers{{
    {"MsRepeatmodenoneClick", TRepeatMode::rpNone},
    {"MsrepeatModeHorizClick", TRepeatMode::rpHoriz},
    {"MsRepeatModeVertClick", TRepeatMode::rpVert},
    {"MsRepeatModeBothClick", TRepeatMode::rpBoth},
}};

template <class Table> auto lookup(const Table& table, std::string_view handler) {
    using Value = typename Table::value_type::second_type;
    for (const auto& [name, value] : table)
        if (name == handler) return std::optional<Value>(value);
    return std::optional<Value>();
}

void tickAll(QMenu& menu, const TpaintElement& element) {
    for (QAction* action : menu.actions()) {
        if (QMenu* sub = action->menu()) {
            tickAll(*sub, element);
            continue;
        }
        const bool ticked = element.ticks(action->objectName().toStdString());
        action->setCheckable(ticked || action->isCheckable());
        action->setChecked(ticked);
    }
}

} // namespace

std::optional<TAlign> alignOfHandler(std::string_view handler) {
    return lookup(kAlignHandlers, handler);
}

std::optional<int> angleOfHandler(std::string_view handler) {
    return lookup(kAngleHandlers, handler);
}

TpaintElement::TpaintElement(PaintKind kind, controls::TControl* control)
    : kind_(kind), control_(control) {}

TpaintElement::~TpaintElement() {
    // Deleted later: the control may be the one whose event led here.
    if (control_) {
        control_->hide();
        control_->deleteLater();
    }
}

int TpaintElement::getLeft() const {
    return control_ ? control_->x() : 0;
}

int TpaintElement::getTop() const {
    return control_ ? control_->y() : 0;
}

bool TpaintElement::ticks(std::string_view handler) const {
    const std::optional<TAlign> align = alignOfHandler(handler);
    return align && control_ && control_->align() == *align;
}

void TpaintElement::checkMenu(QMenu& menu) const {
    tickAll(menu, *this);
}

bool TpaintElement::keyDown(int, Qt::KeyboardModifiers) {
    return false;
}

// Shapes.

TpeMultishape::TpeMultishape(PaintKind kind, TMultiShapeType type, QWidget* canvas)
    : TpaintElement(kind, new controls::TMultiShape(canvas)) {
    controls::TMultiShape& s = shape();
    s.setShapeType(type);
    s.setRepeatMode(TRepeatMode::rpNone);
    s.resize(kDefaultSide, kDefaultSide);
}

controls::TMultiShape& TpeMultishape::shape() const {
    return *static_cast<controls::TMultiShape*>(control());
}

void TpeMultishape::place(QRect band) {
    if (band.width() == 0 && band.height() == 0) band.setSize({kDefaultSide, kDefaultSide});
    shape().setGeometry(band);
}

DrawingRecord TpeMultishape::record() const {
    return {kind(), shapeComponent(shape()), shapeIntegers(shape())};
}

void TpeMultishape::read(const DrawingRecord& record, std::vector<QString>&) {
    applyShapeComponent(shape(), record.control);
    applyShapeIntegers(shape(), record.shape);
}

void TpeMultishape::loadDialog(TmultiShapeAttribute& dialog) const {
    const controls::TMultiShape& s = shape();
    const auto put = [](QLineEdit* edit, int value) { edit->setText(QString::number(value)); };
    put(dialog.msXmargin, s.xMargin());
    put(dialog.msYmargin, s.yMargin());
    put(dialog.msXSpacing, s.xSpacing());
    put(dialog.msYSpacing, s.ySpacing());
    put(dialog.msShadowX, s.shadowX());
    put(dialog.msShadowY, s.shadowY());
    put(dialog.MsShapeW, s.shapeW());
    put(dialog.MsShapeH, s.shapeH());
    if (dialog.MsBorderwidth) put(dialog.MsBorderwidth, s.borderWidth());
}

void TpeMultishape::applyDialog(const TmultiShapeAttribute& dialog) {
    controls::TMultiShape& s = shape();
    s.setXMargin(dialog.msXmargin->value());
    s.setYMargin(dialog.msYmargin->value());
    s.setXSpacing(dialog.msXSpacing->value());
    s.setYSpacing(dialog.msYSpacing->value());
    s.setShadowX(dialog.msShadowX->value());
    s.setShadowY(dialog.msShadowY->value());
    s.setShapeW(std::max(1, dialog.MsShapeW->value()));
    s.setShapeH(std::max(1, dialog.MsShapeH->value()));
    if (dialog.MsBorderwidth)
        s.setBorderWidth(std::max(dialog.borderMinimum(), dialog.MsBorderwidth->value()));
}

bool TpeMultishape::ticks(std::string_view handler) const {
    const controls::TMultiShape& s = shape();
    if (const std::optional<int> angle = angleOfHandler(handler))
        return ((s.angle() - *angle) % 360 + 360) % 360 == 0;
    if (const std::optional<TRepeatMode> mode = lookup(kRepeatHandlers, handler))
        return s.repeatMode() == *mode;
    if (handler == "MsShadowClick") return s.shadow();
    if (handler == "MsFilledClick") return s.filled();
    if (handler == "MsBorderClick") return s.border();
    return TpaintElement::ticks(handler);
}

Tline::Tline(QWidget* canvas) : TpeMultishape(PaintKind::line, TMultiShapeType::msLine, canvas) {
    shape().setFilled(true);
    shape().setColor(kNavy);
}

TText::TText(QWidget* canvas) : TpeMultishape(PaintKind::text, TMultiShapeType::msText, canvas) {
    controls::TMultiShape& s = shape();
    s.setText(QStringLiteral("Mennel"));
    QFont font = s.font();
    font.setPointSize(12);
    s.setFont(font);
    s.setColor(kNavy);
}

void TText::loadDialog(TmultiShapeAttribute& dialog) const {
    TpeMultishape::loadDialog(dialog);
    if (dialog.MsText) dialog.MsText->setText(shape().text());
}

void TText::applyDialog(const TmultiShapeAttribute& dialog) {
    TpeMultishape::applyDialog(dialog);
    if (dialog.MsText) shape().setText(dialog.MsText->text());
}

TRectangleLike::TRectangleLike(PaintKind kind, TMultiShapeType type, QWidget* canvas)
    : TpeMultishape(kind, type, canvas) {
    controls::TMultiShape& s = shape();
    s.setFilled(true);
    s.setColor(Qt::white);
    s.setBorder(true);
    s.setBorderColor(kGoldBorder);
}

Trectangle::Trectangle(QWidget* canvas)
    : TRectangleLike(PaintKind::rectangle, TMultiShapeType::msRectangle, canvas) {
    shape().setBorderColor(kNavy);
}

TRoundrect::TRoundrect(QWidget* canvas)
    : TRectangleLike(PaintKind::roundRect, TMultiShapeType::msRoundRect, canvas) {}

TEllipse::TEllipse(QWidget* canvas)
    : TRectangleLike(PaintKind::ellipse, TMultiShapeType::msEllipse, canvas) {}

TDiamond::TDiamond(QWidget* canvas)
    : TRectangleLike(PaintKind::diamond, TMultiShapeType::msDiamond, canvas) {}

Ttriangle::Ttriangle(QWidget* canvas)
    : TpeMultishape(PaintKind::triangle, TMultiShapeType::msTriangle, canvas) {
    controls::TMultiShape& s = shape();
    s.setFilled(true);
    s.setColor(Qt::white);
    s.setBorder(true);
    s.setBorderColor(kGoldBorder);
}

bool Ttriangle::keyDown(int key, Qt::KeyboardModifiers shift) {
    if (key != Qt::Key_Q) return false;
    if (shift & Qt::ShiftModifier)
        shape().setAngle((shape().angle() + 45) % 360);
    else if (shift & Qt::ControlModifier)
        shape().setAngle((shape().angle() + 315) % 360);
    else
        return false;
    return true;
}

// Pictures.

TpeImage::TpeImage(QWidget* canvas)
    : TpaintElement(PaintKind::image, new controls::TKelImage(canvas)) {
    image().setStretch(true);
    image().move(0, 0);
}

controls::TKelImage& TpeImage::image() const {
    return *static_cast<controls::TKelImage*>(control());
}

void TpeImage::setPicture(std::string bytes, const QImage& picture) {
    pictureBytes_ = std::move(bytes);
    image().setPicture(picture);
}

DrawingRecord TpeImage::record() const {
    return {kind(), imageComponent(image(), pictureBytes_), {}};
}

void TpeImage::read(const DrawingRecord& record, std::vector<QString>& problems) {
    std::string bytes = applyImageComponent(image(), record.control);
    const QImage picture = decodePicture(bytes);
    if (!bytes.empty() && picture.isNull())
        problems.push_back(QStringLiteral("图片数据已损坏,画不出来 (%1 字节)").arg(bytes.size()));
    // The bytes stay as read even when they show nothing: saving gives them back unchanged.
    setPicture(std::move(bytes), picture);
}

std::unique_ptr<TpaintElement> makePaintElement(PaintKind kind, QWidget* canvas) {
    switch (kind) {
    case PaintKind::line:
        return std::make_unique<Tline>(canvas);
    case PaintKind::text:
        return std::make_unique<TText>(canvas);
    case PaintKind::rectangle:
        return std::make_unique<Trectangle>(canvas);
    case PaintKind::roundRect:
        return std::make_unique<TRoundrect>(canvas);
    case PaintKind::ellipse:
        return std::make_unique<TEllipse>(canvas);
    case PaintKind::diamond:
        return std::make_unique<TDiamond>(canvas);
    case PaintKind::triangle:
        return std::make_unique<Ttriangle>(canvas);
    case PaintKind::image:
        return std::make_unique<TpeImage>(canvas);
    }
    return nullptr;
}

} // namespace olvide::drawing
