#pragma once
// TkelLabel: the label control that shows a program object's name under its picture. It
// draws its caption in its font, aligned, optionally word-wrapped and with "&" marking an
// accelerator; it sizes itself to the caption when AutoSize is on.
#include "olvide/controls/control.h"

#include <QFont>
#include <QPointer>
#include <QString>

class QShortcut;

namespace olvide::controls {

class TkelLabel : public TControl {
    Q_OBJECT
    Q_PROPERTY(olvide::controls::TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QWidget* FocusControl READ focusControl WRITE setFocusControl)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(bool ShowAccelChar READ showAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit TkelLabel(QWidget* parent = nullptr);

    // The size a caption takes in a font: an empty caption (or a lone "&" that marks an
    // accelerator) measures as one blank; with word wrap the text is broken to wrapWidth.
    static QSize textExtent(const QString& caption, const QFont& font, bool showAccelChar,
                            bool wordWrap = false, int wrapWidth = 0);

    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QWidget* focusControl() const { return focusControl_; }
    // Alt and the accelerator character focus this control.
    void setFocusControl(QWidget* control);
    bool showAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void appearanceChanged() override;

private:
    int textFlags() const;
    void adjustBounds();
    void updateShortcut();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    QString caption_;
    QPointer<QWidget> focusControl_;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    QShortcut* shortcut_; // owned by the label
    bool adjusting_ = false;
};

} // namespace olvide::controls
