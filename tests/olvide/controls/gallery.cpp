// Draws every custom control in a few typical states to PNG files, for looking at them:
// olvide_controls_gallery [folder]  (default: build/screenshots/controls).
#include "olvide/controls/hemisphere_button.h"
#include "olvide/controls/kel_image.h"
#include "olvide/controls/kel_label.h"
#include "olvide/controls/multi_shape.h"
#include "olvide/controls/numeric_edit.h"
#include "olvide/controls/olvan_font.h"
#include "olvide/controls/stretch_handle.h"
#include "tools/pictures/picture_catalog.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace olvide::controls;

namespace {

std::unique_ptr<QWidget> panel(int width, int height) {
    auto widget = std::make_unique<QWidget>();
    widget->resize(width, height);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

TMultiShape* shape(QWidget* parent, QRect bounds, TMultiShapeType type, QColor fill) {
    auto* s = new TMultiShape(parent);
    s->setGeometry(bounds);
    s->setShapeType(type);
    s->setRepeatMode(TRepeatMode::rpNone);
    s->setColor(fill);
    return s;
}

QImage picture(const std::string& name) {
    for (const auto& entry : olvan::pictures::pictureCatalog())
        if (entry.name == name) return olvan::pictures::renderPicture(entry);
    return {};
}

// zoom > 1 also writes a blown-up copy with square pixels, for looking at single pixels.
bool save(QWidget& widget, const QDir& folder, const QString& name, int zoom = 1) {
    const QString path = folder.filePath(name);
    const QPixmap shot = widget.grab();
    if (zoom > 1) {
        const QString zoomed = folder.filePath(QStringLiteral("zoom-") + name);
        shot.scaled(shot.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(zoomed);
    }
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

std::unique_ptr<QWidget> shapesScene() {
    auto scene = panel(660, 420);
    const QColor navy(0, 0, 0x80);
    auto* rect = shape(scene.get(), {10, 10, 100, 60}, TMultiShapeType::msRectangle, Qt::white);
    rect->setBorder(true);
    rect->setBorderColor(navy);
    auto* round = shape(scene.get(), {130, 10, 100, 60}, TMultiShapeType::msRoundRect, Qt::white);
    round->setBorder(true);
    round->setBorderColor(QColor(0xD0, 0xA2, 0x3A));
    round->setShadow(true);
    auto* diamond = shape(scene.get(), {250, 10, 100, 60}, TMultiShapeType::msDiamond, Qt::yellow);
    diamond->setBorder(true);
    diamond->setBorderWidth(3);
    auto* ellipse = shape(scene.get(), {370, 10, 100, 60}, TMultiShapeType::msEllipse, Qt::cyan);
    ellipse->setShadow(true);
    ellipse->setShadowX(6);
    ellipse->setShadowY(6);
    auto* hollow = shape(scene.get(), {490, 10, 100, 60}, TMultiShapeType::msEllipse, Qt::cyan);
    hollow->setFilled(false);
    hollow->setBorder(true);
    hollow->setShadow(true);

    for (int i = 0; i < 8; ++i) {
        auto* triangle = shape(scene.get(), {10 + i * 60, 90, 50, 40}, TMultiShapeType::msTriangle,
                               QColor(0x40, 0x80, 0xC0));
        triangle->setAngle(i * 45);
        triangle->setBorder(true);
    }
    for (int i = 0; i < 4; ++i) {
        auto* line = shape(scene.get(), {10 + i * 60, 150, 50, 40}, TMultiShapeType::msLine, navy);
        line->setAngle(i * 45);
        line->setBorderWidth(2);
        line->setShadow(i == 3);
    }
    for (int i = 0; i < 4; ++i) {
        auto* text =
            shape(scene.get(), {260 + i * 100, 140, 95, 95}, TMultiShapeType::msText, navy);
        text->setText(i == 3 ? QStringLiteral("文字") : QStringLiteral("Mennel"));
        text->setFont(olvanFont(QStringLiteral("宋体"), 12));
        text->setAngle(i * 45 + (i == 3 ? 135 : 0));
        text->setShadow(i == 1);
    }
    auto* grid = new TMultiShape(scene.get());
    grid->setGeometry(10, 250, 200, 150);
    grid->setShapeType(TMultiShapeType::msEllipse);
    grid->setColor(Qt::red);
    grid->setShadow(true);
    auto* row = new TMultiShape(scene.get());
    row->setGeometry(230, 260, 200, 40);
    row->setShapeType(TMultiShapeType::msRectangle);
    row->setRepeatMode(TRepeatMode::rpHoriz);
    row->setShapeW(15);
    row->setShapeH(30);
    row->setXSpacing(25);
    row->setYMargin(5);
    row->setColor(QColor(0x3A, 0xA2, 0xD0));
    row->setBorder(true);
    auto* column = new TMultiShape(scene.get());
    column->setGeometry(450, 250, 60, 150);
    column->setShapeType(TMultiShapeType::msTriangle);
    column->setAngle(270);
    column->setRepeatMode(TRepeatMode::rpVert);
    column->setShapeW(40);
    column->setShapeH(20);
    column->setYSpacing(30);
    column->setXMargin(10);
    column->setColor(Qt::darkGreen);
    return scene;
}

std::unique_ptr<QWidget> hemisphereScene() {
    auto scene = panel(520, 140);
    scene->setPalette(QPalette(QColor(0xC0, 0xC0, 0xC0)));
    const auto button = [&](int x, const QString& caption) {
        auto* b = new THemisphereButton(scene.get());
        b->setGeometry(x, 20, 90, 90);
        b->setCaption(caption);
        b->setFont(olvanFont(QStringLiteral("宋体"), 11));
        return b;
    };
    button(10, QStringLiteral("确定"));
    auto* pressed = button(110, QStringLiteral("按下"));
    pressed->setGroupIndex(1);
    pressed->setPressed(true);
    auto* raised = button(210, QStringLiteral("OK"));
    raised->setBevelOuter(THemisphereBevel::hbRaised);
    raised->setBevelWidth(3);
    raised->setColorBright(QColor(0xFF, 0xF0, 0xA0));
    raised->setColorDark(QColor(0xA0, 0x60, 0x00));
    auto* bordered = button(310, QStringLiteral("&Close"));
    bordered->setBorderStyle(TBorderStyle::bsSingle);
    bordered->setBorderColor(Qt::black);
    bordered->setBevelInner(THemisphereBevel::hbRaised);
    auto* disabled = button(410, QStringLiteral("停用"));
    disabled->setEnabled(false);
    return scene;
}

std::unique_ptr<QWidget> handleScene() {
    auto scene = panel(520, 200);
    auto* one = shape(scene.get(), {30, 30, 120, 70}, TMultiShapeType::msRoundRect, Qt::white);
    one->setBorder(true);
    one->setBorderColor(QColor(0xD0, 0xA2, 0x3A));
    auto* single = new TStretchHandle(scene.get());
    single->Attach(one);

    auto* a = shape(scene.get(), {250, 30, 80, 50}, TMultiShapeType::msEllipse, Qt::cyan);
    auto* b = shape(scene.get(), {360, 90, 100, 60}, TMultiShapeType::msRectangle, Qt::white);
    b->setBorder(true);
    auto* c = shape(scene.get(), {270, 120, 60, 50}, TMultiShapeType::msTriangle, Qt::yellow);
    c->setAngle(90);
    auto* several = new TStretchHandle(scene.get());
    several->Attach(a);
    several->Attach(b);
    several->Attach(c);
    return scene;
}

std::unique_ptr<QWidget> editsScene() {
    auto scene = panel(360, 190);
    scene->setPalette(QPalette(QColor(0xC0, 0xC0, 0xC0)));
    scene->setFont(olvanFont(QStringLiteral("宋体"), 9));
    int y = 10;
    const auto row = [&](const QString& caption, TNumericEdit* edit) {
        auto* label = new TkelLabel(scene.get());
        label->setCaption(caption);
        label->move(10, y + 4);
        edit->setParent(scene.get());
        edit->setGeometry(140, y, 200, 24);
        y += 34;
    };
    auto* real = new TRealEdit;
    real->setValue(3.14159265);
    row(QStringLiteral("初始值:"), real);
    auto* formatted = new TRealEdit;
    formatted->setFormatString(QStringLiteral("0.00E+00"));
    formatted->setValue(12345.678);
    row(QStringLiteral("&Format 0.00E+00:"), formatted);
    auto* clamped = new TIntegerEdit;
    clamped->setMinValue(1);
    clamped->setMaxValue(10);
    clamped->setValidate(true);
    clamped->setValue(12);
    row(QStringLiteral("索引 (1~10):"), clamped);
    auto* cardinal = new TCardinalEdit;
    cardinal->setFormatString(QStringLiteral("000"));
    cardinal->setValue(7);
    row(QStringLiteral("从 :"), cardinal);
    auto* disabled = new TkelLabel(scene.get());
    disabled->setCaption(QStringLiteral("停用的标签"));
    disabled->move(10, y + 4);
    disabled->setEnabled(false);
    return scene;
}

std::unique_ptr<QWidget> picturesScene() {
    auto scene = panel(420, 110);
    const QImage numberIcon = picture("numico.bmp");
    const QImage selection = picture("varicos.bmp");
    const auto objectAt = [&](int x, const QString& name, bool selected, bool inverted) {
        auto* image = new TKelImage(scene.get());
        image->setGeometry(x, 10, numberIcon.width(), numberIcon.height());
        image->drawWhiteTransparent(numberIcon);
        if (selected) image->overlayTransparent(selection, Qt::white);
        auto* label = new TkelLabel(scene.get());
        label->setFont(olvanFont(QStringLiteral("宋体"), 11));
        label->setFontColor(inverted ? Qt::white : Qt::blue);
        if (inverted) label->setColor(Qt::blue);
        label->setCaption(name);
        label->move(x + (image->width() - label->width()) / 2, 10 + image->height());
    };
    objectAt(20, QStringLiteral("Num1"), false, false);
    objectAt(120, QStringLiteral("半径"), true, true);
    auto* stretched = new TKelImage(scene.get());
    stretched->setGeometry(220, 10, 80, 80);
    stretched->setStretch(true);
    stretched->setPicture(picture("Yinico.bmp"));
    auto* centred = new TKelImage(scene.get());
    centred->setGeometry(320, 10, 80, 80);
    centred->setColor(QColor(0xFF, 0xFF, 0xE1));
    centred->setCenter(true);
    centred->setPicture(picture("strico.bmp"));
    return scene;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral(OLVAN_SCREENSHOT_DIR));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    bool ok = true;
    ok = save(*shapesScene(), folder, QStringLiteral("shapes.png")) && ok;
    ok = save(*hemisphereScene(), folder, QStringLiteral("hemisphere.png"), 3) && ok;
    ok = save(*handleScene(), folder, QStringLiteral("handle.png"), 3) && ok;
    ok = save(*editsScene(), folder, QStringLiteral("edits.png")) && ok;
    ok = save(*picturesScene(), folder, QStringLiteral("pictures.png")) && ok;
    return ok ? 0 : 1;
}
