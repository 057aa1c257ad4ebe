#include "olvide/controls/kel_label.h"

#include "olvide/controls/store_changed.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <limits>

namespace olvide::controls {
namespace {

// The grey in which disabled text is drawn.
const QColor kGrayText(0x80, 0x80, 0x80);

int flagsFor(TAlignment alignment, bool showAccelChar, bool wordWrap) {
    int flags = Qt::AlignTop;
    switch (alignment) {
    case TAlignment::taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case TAlignment::taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case TAlignment::taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    if (showAccelChar) flags |= Qt::TextShowMnemonic;
    if (wordWrap) flags |= Qt::TextWordWrap;
    return flags;
}

} // namespace

TkelLabel::TkelLabel(QWidget* parent) : TControl(parent), shortcut_(new QShortcut(this)) {
    shortcut_->setEnabled(false);
    connect(shortcut_, &QShortcut::activated, this, [this] {
        if (focusControl_ != nullptr && focusControl_->isEnabled())
            focusControl_->setFocus(Qt::ShortcutFocusReason);
    });
    adjustBounds();
}

QSize TkelLabel::textExtent(const QString& caption, const QFont& font, bool showAccelChar,
                            bool wordWrap, int wrapWidth) {
    const bool blank = caption.isEmpty() || (showAccelChar && caption == QLatin1String("&"));
    const QString measured = blank ? QStringLiteral(" ") : caption;
    const int flags = flagsFor(TAlignment::taLeftJustify, showAccelChar, wordWrap);
    const QFontMetrics metrics(font);
    if (wordWrap)
        return metrics
            .boundingRect(QRect(0, 0, std::max(1, wrapWidth), std::numeric_limits<int>::max() / 2),
                          flags, measured)
            .size();
    return metrics.size(flags, measured);
}

int TkelLabel::textFlags() const {
    return flagsFor(alignment_, showAccelChar_, wordWrap_);
}

void TkelLabel::setAlignment(TAlignment alignment) {
    if (storeChanged(alignment_, alignment)) update();
}

void TkelLabel::setAutoSize(bool on) {
    if (storeChanged(autoSize_, on)) adjustBounds();
}

void TkelLabel::setCaption(const QString& caption) {
    if (!storeChanged(caption_, caption)) return;
    updateShortcut();
    adjustBounds();
    update();
}

void TkelLabel::setFocusControl(QWidget* control) {
    focusControl_ = control;
    updateShortcut();
}

void TkelLabel::setShowAccelChar(bool on) {
    if (!storeChanged(showAccelChar_, on)) return;
    updateShortcut();
    adjustBounds();
    update();
}

void TkelLabel::setTransparent(bool on) {
    if (storeChanged(transparent_, on)) update();
}

void TkelLabel::setWordWrap(bool on) {
    if (!storeChanged(wordWrap_, on)) return;
    adjustBounds();
    update();
}

void TkelLabel::adjustBounds() {
    if (!autoSize_ || adjusting_) return;
    adjusting_ = true;
    const QSize extent = textExtent(caption_, font(), showAccelChar_, wordWrap_, width());
    if (wordWrap_) {
        resize(width(), extent.height());
    } else {
        // A right-aligned label keeps its right edge.
        const int right = x() + width();
        resize(extent);
        if (alignment_ == TAlignment::taRightJustify) move(right - extent.width(), y());
    }
    adjusting_ = false;
}

void TkelLabel::updateShortcut() {
    const QKeySequence sequence =
        showAccelChar_ ? QKeySequence::mnemonic(caption_) : QKeySequence();
    shortcut_->setKey(sequence);
    shortcut_->setEnabled(!sequence.isEmpty() && focusControl_ != nullptr);
}

void TkelLabel::appearanceChanged() {
    adjustBounds();
    update();
}

void TkelLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) painter.fillRect(rect(), color());
    painter.setFont(font());
    painter.setPen(isEnabled() ? fontColor() : kGrayText);
    painter.drawText(rect(), textFlags(), caption_);
}

} // namespace olvide::controls
