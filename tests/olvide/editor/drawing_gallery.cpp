// Draws a program space with one drawing element of every kind (one turned, repeated and
// shadowed, one a picture) and a visual object with a picture of its own, saves it, opens it
// again, and writes PNG files for looking at them: the canvas before and after, the drawing
// panel, the selected element with its menu, and the attribute dialogs:
//   olvide_drawing_gallery [folder]  (default: build/screenshots/drawing)
#include "olvide/controls/stretch_handle.h"
#include "olvide/drawing/drawing_forms.h"
#include "olvide/drawing/drawing_layer.h"
#include "olvide/drawing/paint_panel.h"
#include "olvide/drawing/shape_attribute.h"
#include "olvide/editor/file_commands.h"
#include "olvide/editor/main_window.h"
#include "olvide/editor/programspace_window.h"
#include "olvide/model/model.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <cstdio>
#include <filesystem>

using namespace olvide;
using namespace olvide::drawing;

namespace {

bool save(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    std::printf("%s\n", qPrintable(path));
    return image.save(path);
}

bool saveWindow(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    QTest::qWait(50);
    const bool saved = save(window.grab().toImage(), folder, name);
    window.hide();
    return saved;
}

QString makePicture(const QDir& folder) {
    QImage picture(48, 32, QImage::Format_RGB32);
    picture.fill(QColor(250, 240, 200));
    QPainter p(&picture);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QRect(4, 4, 24, 24));
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(QRect(26, 10, 18, 18));
    p.end();
    const QString path = folder.filePath(QStringLiteral("gallery-picture.bmp"));
    picture.save(path);
    return path;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::error_code error;
    std::filesystem::current_path(OLVAN_PICTURE_FOLDER, error);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral(OLVAN_SCREENSHOT_DIR));
    if (!QDir().mkpath(folder.path())) return 1;

    editor::Tmainframe frame;
    frame.resize(900, 600);
    frame.show();
    Tprogramspace& program = frame.newfileClick();
    editor::ProgramSpaceWindow* window = frame.windowOf(program);
    DrawingLayer& layer = window->drawingLayer();

    layer.addShape(PaintKind::line, {20, 20, 120, 40});
    TpeMultishape& text = layer.addShape(PaintKind::text, {160, 10, 40, 110});
    text.shape().setAngle(90);
    layer.addShape(PaintKind::rectangle, {220, 20, 120, 60});
    TpeMultishape& round = layer.addShape(PaintKind::roundRect, {20, 100, 120, 60});
    round.shape().setShadow(true);
    TpeMultishape& ellipse = layer.addShape(PaintKind::ellipse, {220, 100, 120, 60});
    ellipse.shape().setRepeatMode(controls::TRepeatMode::rpBoth);
    ellipse.shape().setShapeW(14);
    ellipse.shape().setShapeH(14);
    layer.addShape(PaintKind::diamond, {20, 180, 120, 70});
    TpeMultishape& triangle = layer.addShape(PaintKind::triangle, {220, 180, 160, 70});
    triangle.shape().setAngle(45);
    triangle.shape().setShadow(true);
    triangle.shape().setRepeatMode(controls::TRepeatMode::rpHoriz);
    triangle.shape().setShapeW(30);
    triangle.shape().setXSpacing(40);
    const QString picture = makePicture(folder);
    if (TpeImage* image = layer.addPicture(picture)) image->image().setGeometry(400, 20, 96, 64);
    Tyin* yin = program.placeYin(420, 130);
    yin->setPictureFile(QFile::encodeName(picture).toStdString());
    program.placeYin(480, 130);

    const QRect area(0, 0, 560, 270);
    QTest::qWait(50);
    bool ok = save(window->canvas().grab(area).toImage(), folder, "drawing");

    const std::string olv = folder.filePath(QStringLiteral("gallery.olv")).toStdString();
    frame.files().chooseSavePath = [olv] { return std::optional<std::string>(olv); };
    ok = frame.files().saveAs(*window) && ok;
    program.modified = false;
    window->close();
    QTest::qWait(20);
    Tprogramspace* opened = frame.files().open(olv);
    ok = opened && ok;
    if (opened) {
        window = frame.windowOf(*opened);
        QTest::qWait(50);
        ok = save(window->canvas().grab(area).toImage(), folder, "drawing-reopened") && ok;
        // The triangle selected, its menu beside it.
        DrawingLayer& reopened = window->drawingLayer();
        TpaintElement* selected = reopened.elements()[6];
        QTest::mouseClick(selected->control(), Qt::LeftButton, {},
                          selected->control()->rect().center());
        QImage canvas = window->canvas().grab(area).toImage();
        if (QMenu* menu = reopened.SHandle().popupMenu()) {
            menu->adjustSize();
            QPainter p(&canvas);
            p.drawImage(QPoint(400, 110), menu->grab().toImage());
        }
        ok = save(canvas, folder, "drawing-selected") && ok;
        // The dialogs show the elements they belong to.
        DrawingForms& forms = frame.drawing();
        const std::vector<TpaintElement*> elements = reopened.elements();
        elements[0]->loadDialog(forms.lineAttribute());
        elements[1]->loadDialog(forms.textAttribute());
        elements[4]->loadDialog(forms.rectangleAttribute());
        elements[6]->loadDialog(forms.triangleAttribute());
        elements[2]->loadDialog(forms.multiShapeAttribute());
        opened->modified = false;
    }

    DrawingForms& forms = frame.drawing();
    ok = saveWindow(forms.paintPanel(), folder, "paint-panel") && ok;
    ok = saveWindow(forms.lineAttribute(), folder, "line-attribute") && ok;
    ok = saveWindow(forms.rectangleAttribute(), folder, "rectangle-attribute") && ok;
    ok = saveWindow(forms.triangleAttribute(), folder, "triangle-attribute") && ok;
    ok = saveWindow(forms.textAttribute(), folder, "text-attribute") && ok;
    ok = saveWindow(forms.multiShapeAttribute(), folder, "multishape-attribute") && ok;
    return ok ? 0 : 1;
}
