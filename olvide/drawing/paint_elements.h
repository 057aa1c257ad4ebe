#pragma once
// The drawing elements of a program space. Each wraps one control on the canvas: a
// TMultiShape for the seven shapes (TpeMultishape and its kinds Tline, TText, Trectangle,
// TRoundrect, TEllipse, TDiamond, Ttriangle), a picture control for TpeImage. An element
// knows its record in the drawing file (write) and takes one (read), fills and takes back its
// attribute dialog, ticks the items of its pop-up menu that match it, and answers keys.
#include "olvide/controls/kel_image.h"
#include "olvide/controls/multi_shape.h"
#include "olvide/model/objects/paint_element.h"

#include <QPointer>
#include <QRect>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMenu;

namespace olvide::drawing {

class TmultiShapeAttribute;

// The dialog a kind opens on a double-click.
enum class AttributeDialogKind { none, line, rectangle, triangle, text };

class TpaintElement : public olvide::TPaintElement {
public:
    ~TpaintElement() override;
    TpaintElement(const TpaintElement&) = delete;
    TpaintElement& operator=(const TpaintElement&) = delete;

    PaintKind kind() const override { return kind_; }
    controls::TControl* control() const { return control_; }

    int getLeft() const;
    int getTop() const;
    virtual AttributeDialogKind attributeDialog() const { return AttributeDialogKind::none; }
    virtual void loadDialog(TmultiShapeAttribute&) const {}
    virtual void applyDialog(const TmultiShapeAttribute&) {}
    // Whether the menu item of this handler is ticked for the element as it is now.
    virtual bool ticks(std::string_view handler) const;
    // Clears every tick of the menu's items, then ticks those that match the element.
    void checkMenu(QMenu& menu) const;
    // A key on the stretch handle that the handle itself does not take; true when used.
    virtual bool keyDown(int key, Qt::KeyboardModifiers shift);

    // Reads the element's record; what could not be taken is added to problems.
    virtual void read(const DrawingRecord& record, std::vector<QString>& problems) = 0;

protected:
    TpaintElement(PaintKind kind, controls::TControl* control);

private:
    PaintKind kind_;
    QPointer<controls::TControl> control_;
};

class TpeMultishape : public TpaintElement {
public:
    controls::TMultiShape& shape() const;

    // The element over a rectangle of the canvas: that size, or 32 x 32 when both are 0;
    // repeat mode rpNone.
    void place(QRect band);

    DrawingRecord record() const override;
    void read(const DrawingRecord& record, std::vector<QString>& problems) override;
    void loadDialog(TmultiShapeAttribute& dialog) const override;
    void applyDialog(const TmultiShapeAttribute& dialog) override;
    bool ticks(std::string_view handler) const override;

protected:
    TpeMultishape(PaintKind kind, controls::TMultiShapeType type, QWidget* canvas);
};

class Tline final : public TpeMultishape {
public:
    explicit Tline(QWidget* canvas);
    AttributeDialogKind attributeDialog() const override { return AttributeDialogKind::line; }
};

class TText final : public TpeMultishape {
public:
    explicit TText(QWidget* canvas);
    AttributeDialogKind attributeDialog() const override { return AttributeDialogKind::text; }
    void loadDialog(TmultiShapeAttribute& dialog) const override;
    void applyDialog(const TmultiShapeAttribute& dialog) override;
};

// Rectangles, rounded rectangles, ellipses and diamonds share their defaults but the colour
// of the border.
class TRectangleLike : public TpeMultishape {
public:
    AttributeDialogKind attributeDialog() const override { return AttributeDialogKind::rectangle; }

protected:
    TRectangleLike(PaintKind kind, controls::TMultiShapeType type, QWidget* canvas);
};

class Trectangle final : public TRectangleLike {
public:
    explicit Trectangle(QWidget* canvas);
};
class TRoundrect final : public TRectangleLike {
public:
    explicit TRoundrect(QWidget* canvas);
};
class TEllipse final : public TRectangleLike {
public:
    explicit TEllipse(QWidget* canvas);
};
class TDiamond final : public TRectangleLike {
public:
    explicit TDiamond(QWidget* canvas);
};

class Ttriangle final : public TpeMultishape {
public:
    explicit Ttriangle(QWidget* canvas);
    AttributeDialogKind attributeDialog() const override { return AttributeDialogKind::triangle; }
    // Q turns it: with Shift by 45 degrees, with Ctrl back by 45.
    bool keyDown(int key, Qt::KeyboardModifiers shift) override;
};

class TpeImage final : public TpaintElement {
public:
    // A picture control at (0, 0) showing the picture stretched, sized to it when given.
    explicit TpeImage(QWidget* canvas);
    controls::TKelImage& image() const;
    // The picture as kept (PNG or whatever bytes the drawing file carried) with its image;
    // a null image leaves the control blank.
    void setPicture(std::string bytes, const QImage& picture);
    const std::string& pictureBytes() const { return pictureBytes_; }

    DrawingRecord record() const override;
    void read(const DrawingRecord& record, std::vector<QString>& problems) override;

private:
    std::string pictureBytes_;
};

// A new element of a kind on the canvas, with its defaults, at (0, 0).
std::unique_ptr<TpaintElement> makePaintElement(PaintKind kind, QWidget* canvas);

// The alignment and angle the menu handlers stand for; none for other handlers.
std::optional<controls::TAlign> alignOfHandler(std::string_view handler);
std::optional<int> angleOfHandler(std::string_view handler);

} // namespace olvide::drawing
