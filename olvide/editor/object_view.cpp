#include "object_view.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/editor/picture_store.h"
#include "olvide/editor/qt_text.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/objects/varibler.h"
#include "olvide/model/objects/visualor.h"

namespace olvide::editor {

namespace {

const QColor kCanvasColour{255, 255, 255};
const QColor kLabelBlue{0, 0, 255};
// An output shows at most this many of its last lines on the canvas.
constexpr int kShownLines = 12;

bool isCommander(const TVisualor& object) {
    return object.VisualorStyle >= kind::Main && object.VisualorStyle <= kind::For;
}

bool showsValue(const TVisualor& object) {
    switch (object.VisualorStyle) {
    case kind::Number:
    case kind::Boolean:
    case kind::Condition:
    case kind::Iteration:
    case kind::String:
    case kind::OutputLineA:
    case kind::OutputLineX:
    case kind::Output:
        return true;
    default:
        return false;
    }
}

} // namespace

ObjectView::ObjectView(const TVisualor& object, QWidget* canvas)
    : picture_(new controls::TKelImage(canvas)), label_(new controls::TkelLabel(canvas)) {
    picture_->setColor(kCanvasColour);
    picture_->hide();
    label_->hide();
    label_->setShowAccelChar(false);
    if (showsValue(object)) {
        value_ = new QLabel(canvas);
        value_->setFont(controls::olvanFont(QStringLiteral("Courier New"), 9));
        value_->setTextFormat(Qt::PlainText);
        value_->hide();
    }
}

ObjectView::~ObjectView() {
    // Deleted later: the picture may be the one whose event handler led here.
    for (QWidget* w : {static_cast<QWidget*>(picture_), static_cast<QWidget*>(label_),
                       static_cast<QWidget*>(value_)}) {
        if (!w) continue;
        w->hide();
        w->deleteLater();
    }
}

void ObjectView::updatePicture(const TVisualor& object) {
    const PictureControl& p = object.VisualorImage;
    picture_->setGeometry(p.left, p.top, p.width, p.height);
    const std::string key = p.icon + '|' + p.overlay + '|' + char('0' + p.highlighted) +
                            char('0' + p.framed) + char('0' + p.marked);
    if (key != drawnKey_) {
        drawnKey_ = key;
        picture_->drawWhiteTransparent(editor::picture(p.icon));
        if (!p.overlay.empty()) picture_->overlayTransparent(editor::picture(p.overlay), Qt::white);
        if (p.framed) picture_->overlayTransparent(editor::picture("comicod.bmp"), Qt::white);
        if (p.highlighted)
            picture_->overlayTransparent(
                editor::picture(isCommander(object) ? "comicos.bmp" : "varicos.bmp"), Qt::white);
        if (p.marked) picture_->overlayTransparent(editor::picture("Tempico.bmp"), Qt::white);
    }
    picture_->setVisible(p.visible);
    if (p.visible) picture_->raise();
    placeValueBox();
}

void ObjectView::updateLabel(const TVisualor& object) {
    const LabelControl& l = object.VisualorLabel;
    const QFont font = controls::olvanFont(ui("宋体"), l.fontSize);
    if (label_->font() != font) label_->setFont(font);
    label_->setCaption(fromCodePage(l.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Highlighted objects show their name inverted: canvas colour on blue.
    label_->setColor(l.inverted ? kLabelBlue : kCanvasColour);
    label_->setFontColor(l.inverted ? kCanvasColour : kLabelBlue);
    // The label is centred on the picture's centre whatever width the font gives it.
    const int centre = l.left + l.width / 2;
    label_->move(centre - label_->width() / 2, l.top);
    label_->setVisible(l.visible);
    if (l.visible) label_->raise();
    placeValueBox();
}

void ObjectView::updateValue(const TVisualor& object, bool running) {
    if (!value_) return;
    QString text;
    if (const auto* output = dynamic_cast<const TprogramOutput*>(&object)) {
        const auto& lines = output->lines();
        const std::size_t first = lines.size() > kShownLines ? lines.size() - kShownLines : 0;
        QStringList shown;
        for (std::size_t i = first; i < lines.size(); ++i)
            shown << fromCodePage(lines[i]);
        text = shown.join(QLatin1Char('\n'));
    } else if (running) {
        if (const auto* variable = dynamic_cast<const TVaribler*>(&object))
            text = QStringLiteral("= ") + fromCodePage(variable->GetValue());
    }
    if (value_->text() != text) {
        value_->setText(text);
        value_->setStyleSheet(
            dynamic_cast<const TprogramOutput*>(&object)
                ? QStringLiteral("QLabel{background:#fffff0;border:1px solid #a0a0a0;padding:1px}")
                : QStringLiteral("QLabel{color:#006000}"));
        value_->adjustSize();
    }
    value_->setVisible(!text.isEmpty() && picture_->isVisible());
    placeValueBox();
}

void ObjectView::placeValueBox() {
    if (!value_) return;
    const int top =
        label_->isVisible() ? label_->geometry().bottom() + 2 : picture_->geometry().bottom() + 2;
    const int centre = picture_->geometry().center().x();
    value_->move(centre - value_->width() / 2, top);
}

} // namespace olvide::editor
