#pragma once
// THemisphereButton: a round, shaded push button, or a toggle button when it has a GroupIndex:
// of the buttons of one parent with the same GroupIndex at most one is pressed, and with
// AllowAllUp a pressed one comes up again when clicked. Only the face ellipse answers presses.
#include "olvide/controls/control.h"
#include "olvide/controls/hemisphere_shading.h"

namespace olvide::controls {

class THemisphereButton : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool AllowAllUp READ allowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(olvide::controls::THemisphereBevel BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(olvide::controls::THemisphereBevel BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(olvide::controls::TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor ColorBright READ colorBright WRITE setColorBright)
    Q_PROPERTY(QColor ColorDark READ colorDark WRITE setColorDark)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(int GroupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool Pressed READ pressed WRITE setPressed)

public:
    explicit THemisphereButton(QWidget* parent = nullptr);

    bool allowAllUp() const { return allowAllUp_; }
    // With a GroupIndex, every button of the group takes the same value.
    void setAllowAllUp(bool on);
    THemisphereBevel bevelInner() const { return look_.bevelInner; }
    void setBevelInner(THemisphereBevel bevel);
    THemisphereBevel bevelOuter() const { return look_.bevelOuter; }
    void setBevelOuter(THemisphereBevel bevel);
    int bevelWidth() const { return look_.bevelWidth; }
    void setBevelWidth(int width);
    QColor borderColor() const { return look_.borderColor; }
    void setBorderColor(const QColor& color);
    TBorderStyle borderStyle() const { return look_.borderStyle; }
    void setBorderStyle(TBorderStyle style);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor colorBright() const { return look_.colorBright; }
    void setColorBright(const QColor& color);
    QColor colorDark() const { return look_.colorDark; }
    void setColorDark(const QColor& color);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    bool pressed() const { return pressed_; }
    // Only a grouped button stays pressed; pressing it raises the others of its group. A
    // pressed button of a group without AllowAllUp comes up only when another goes down.
    void setPressed(bool on);

    // Whether the point lies on the face (inside the bevels).
    bool isInside(QPoint pos) const override;
    // The face bitmap for the current size, released or pressed.
    const QImage& face(bool pressed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    template <class T, class U> void changeLook(T HemisphereLook::*field, U&& value);
    template <class F> void forEachInGroup(F&& action);
    void releaseOthersInGroup();
    bool showsPressed() const { return pressed_ || (held_ && pointerInside_); }

    HemisphereLook look_;
    QString caption_;
    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    bool pressed_ = false;
    bool held_ = false; // the left button went down on the face and is still down
    bool pointerInside_ = false;
    QImage releasedFace_;
    QImage pressedFace_;
    QSize facesSize_; // the size the faces were built for; empty when stale
};

} // namespace olvide::controls
