#include "picture_catalog.h"

#include "form_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>

namespace olvan::pictures {
namespace {

constexpr int kIcon = 32; // object icons on the program space
constexpr int kStep = 24; // operator and function pictures of the step window
constexpr int kFlowW = 9; // flow figures
constexpr int kFlowH = 8;

QFont font(int pixelSize, bool bold = true) {
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void text(QPainter& p, const QRect& box, const QString& s, QColor colour, int pixelSize) {
    p.setPen(colour);
    p.setFont(font(pixelSize));
    p.drawText(box, Qt::AlignCenter, s);
}

// A rounded tile with a light top and a darker rim, the common ground of object icons.
void tile(QPainter& p, int size, QColor fill) {
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, fill.lighter(150));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.setPen(QPen(fill.darker(160), 1.5));
    p.drawRoundedRect(QRectF(2.5, 2.5, size - 5, size - 5), 6, 6);
}

using Draw = std::function<void(QImage&)>;

Draw iconWithText(QColor fill, QString label, int pixelSize) {
    return [=](QImage& img) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        tile(p, kIcon, fill);
        text(p, QRect(0, 0, kIcon, kIcon), label, Qt::white, pixelSize);
    };
}

Draw stepWithText(QColor fill, QString label, int pixelSize = 14) {
    return [=](QImage& img) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        tile(p, kStep, fill);
        text(p, QRect(0, 0, kStep, kStep), label, Qt::white, pixelSize);
    };
}

void drawArray(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    tile(p, kIcon, QColor(120, 70, 170));
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(255, 255, 255, 60));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(7.5 + 6 * c, 7.5 + 6 * r, 6, 6));
}

void drawPicture(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 80, 40), 2));
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 190, 30));
    p.drawEllipse(QPointF(22, 11), 3.5, 3.5);
    p.setBrush(QColor(60, 150, 60));
    p.drawPolygon(QPolygonF(
        {QPointF(4, 26), QPointF(13, 13), QPointF(19, 21), QPointF(23, 17), QPointF(28, 26)}));
}

void drawTemporary(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(235, 235, 235));
    p.setPen(QPen(QColor(120, 120, 120), 1.5, Qt::DashLine));
    p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 6, 6);
    text(p, QRect(0, 0, kIcon, kIcon), QStringLiteral("t"), QColor(90, 90, 90), 18);
}

QPolygonF diamond(QRectF r) {
    return QPolygonF({QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                      QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())});
}

void drawCondition(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, kIcon);
    g.setColorAt(0, QColor(255, 235, 120));
    g.setColorAt(1, QColor(230, 170, 20));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 100, 0), 1.5));
    p.drawPolygon(diamond(QRectF(2, 2, 28, 28)));
    text(p, QRect(0, 0, kIcon, kIcon), QStringLiteral("?"), QColor(120, 60, 0), 15);
}

// A circular arrow, the sign of repetition.
void loopArrow(QPainter& p, QPointF centre, double radius, QColor colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QRectF r(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(r, 60 * 16, 280 * 16);
    const double a = 60 * M_PI / 180;
    QPointF tip(centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a));
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({tip + QPointF(-width * 1.8, -width * 0.8),
                             tip + QPointF(width * 1.2, -width * 1.6),
                             tip + QPointF(width * 0.6, width * 1.6)}));
}

void drawIterationOverlay(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    loopArrow(p, QPointF(16, 16), 7, QColor(200, 0, 0), 2.2);
}

void drawIteration(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    tile(p, kIcon, QColor(0, 140, 160));
    loopArrow(p, QPointF(16, 16), 9, Qt::white, 2.2);
    text(p, QRect(0, 0, kIcon, kIcon), QStringLiteral("i"), Qt::white, 12);
}

void drawOutput(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(40, 50, 70));
    p.drawRoundedRect(QRectF(2.5, 4.5, 27, 19), 2, 2);
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(10.5, 24.5, 11, 3));
    p.setPen(QPen(QColor(120, 255, 140), 1.5));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(6, 9 + 4 * i), QPointF(6 + 16 - 4 * i, 9 + 4 * i));
}

void drawOutputLine(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    tile(p, kIcon, QColor(0, 130, 110));
    text(p, QRect(0, 2, kIcon, 18), QStringLiteral("abc"), Qt::white, 11);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(8, 21), QPointF(24, 21));
    p.drawLine(QPointF(8, 25), QPointF(20, 25));
}

void drawCommander(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    tile(p, kIcon, QColor(30, 90, 190));
    p.setPen(QPen(Qt::white, 1.3));
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QRectF(10, 5, 12, 6));
    p.drawLine(QPointF(16, 11), QPointF(16, 14));
    p.drawPolygon(diamond(QRectF(10, 14, 12, 8)));
    p.drawLine(QPointF(16, 22), QPointF(16, 24));
    p.drawRect(QRectF(11, 24, 10, 4));
}

Draw selectionFrame(QColor colour, double inset) {
    return [=](QImage& img) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(inset, inset, kIcon - 2 * inset, kIcon - 2 * inset), 7, 7);
    };
}

// Flow figures: tiny, pixel exact, white where the canvas shows through.
Draw flow(std::function<void(QPainter&)> body) {
    return [=](QImage& img) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        body(p);
    };
}

void flowBox(QPainter& p, QColor fill) {
    p.setPen(QColor(0, 0, 0));
    p.setBrush(fill);
    p.drawRect(0, 0, kFlowW - 1, kFlowH - 1);
}

void flowOval(QPainter& p, QColor fill) {
    p.setPen(QColor(0, 0, 0));
    p.setBrush(fill);
    p.drawRoundedRect(QRect(0, 0, kFlowW - 1, kFlowH - 1), 3, 3);
}

void flowDiamond(QPainter& p, QColor fill) {
    p.setPen(QColor(0, 0, 0));
    p.setBrush(fill);
    p.drawPolygon(QPolygon({QPoint(4, 0), QPoint(8, 4), QPoint(4, 7), QPoint(0, 4)}));
}

// Commander animation frames: a small flowchart whose running mark moves one figure a frame.
Draw olvaneFrame(int frame) {
    return [=](QImage& img) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor ink(255, 255, 255);
        const QColor lit(255, 220, 40);
        const QRectF figures[4] = {QRectF(30, 6, 40, 16), QRectF(34, 30, 32, 22),
                                   QRectF(30, 60, 40, 14), QRectF(36, 80, 28, 12)};
        p.setPen(QPen(ink, 2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(50, figures[i].bottom()), QPointF(50, figures[i + 1].top()));
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i == frame ? lit : QColor(70, 130, 230));
            p.setPen(QPen(ink, 2));
            if (i == 0 || i == 3)
                p.drawRoundedRect(figures[i], 7, 7);
            else if (i == 1)
                p.drawPolygon(diamond(figures[i]));
            else
                p.drawRect(figures[i]);
        }
        // The loop back from the diamond turns with the frames.
        p.setPen(QPen(lit, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(66, 26, 26, 40), (90 - frame * 90) * 16, 200 * 16);
    };
}

PictureEntry icon(std::string name, Draw draw) {
    return {std::move(name), kIcon, kIcon, draw};
}
PictureEntry step(std::string name, QColor fill, QString label, int pixelSize = 14) {
    return {std::move(name), kStep, kStep, stepWithText(fill, label, pixelSize)};
}
PictureEntry figure(std::string name, std::function<void(QPainter&)> body) {
    return {std::move(name), kFlowW, kFlowH, flow(std::move(body))};
}

std::vector<PictureEntry> buildCatalog() {
    const QColor arith(40, 110, 200), compare(200, 110, 30), logic(120, 60, 160),
        number(20, 140, 90), text(210, 90, 40), copy(90, 90, 90), flowc(180, 40, 60),
        call(60, 60, 160);
    std::vector<PictureEntry> c = {
        icon("varico.bmp", iconWithText(QColor(90, 110, 140), QStringLiteral("x"), 18)),
        icon("Conico.bmp", iconWithText(QColor(200, 140, 20), QStringLiteral("A"), 18)),
        icon("numico.bmp", iconWithText(QColor(30, 100, 200), QStringLiteral("123"), 12)),
        icon("Boolico.bmp", iconWithText(QColor(40, 150, 60), QStringLiteral("T/F"), 11)),
        icon("strico.bmp", iconWithText(QColor(220, 110, 30), QStringLiteral("abc"), 12)),
        icon("Ostrico.bmp", drawOutputLine),
        icon("array.bmp", drawArray),
        icon("Yinico.bmp", drawPicture),
        icon("Tempico.bmp", drawTemporary),
        icon("subico.bmp", iconWithText(QColor(140, 90, 50), QStringLiteral("[i]"), 13)),
        icon("iforico.bmp", drawIterationOverlay),
        icon("funico.bmp", iconWithText(QColor(60, 60, 160), QStringLiteral("f(x)"), 11)),
        icon("Condico.bmp", drawCondition),
        icon("iteico.bmp", drawIteration),
        icon("outico.bmp", drawOutput),
        icon("olvan.bmp", drawCommander),
        icon("varicos.bmp", selectionFrame(QColor(230, 0, 0), 1.5)),
        icon("comicos.bmp", selectionFrame(QColor(255, 160, 0), 1.5)),
        icon("comicod.bmp", selectionFrame(QColor(0, 60, 160), 3.5)),
        step("plusico.bmp", arith, QStringLiteral("+"), 18),
        step("minusico.bmp", arith, QStringLiteral("−"), 18),
        step("multico.bmp", arith, QStringLiteral("×"), 16),
        step("divico.bmp", arith, QStringLiteral("÷"), 16),
        step("idivico.bmp", arith, QStringLiteral("商")),
        step("modico.bmp", arith, QStringLiteral("余")),
        step("setico.bmp", copy, QStringLiteral("→"), 16),
        step("csetico.bmp", copy, QStringLiteral("A→"), 11),
        step("Tsetico.bmp", copy, QStringLiteral("T→"), 11),
        step("Fsetico.bmp", copy, QStringLiteral("F→"), 11),
        step("greatico.bmp", compare, QStringLiteral(">"), 16),
        step("lessico.bmp", compare, QStringLiteral("<"), 16),
        step("equalico.bmp", compare, QStringLiteral("="), 16),
        step("nequico.bmp", compare, QStringLiteral("≠"), 16),
        step("gequico.bmp", compare, QStringLiteral("≥"), 16),
        step("lequico.bmp", compare, QStringLiteral("≤"), 16),
        step("andico.bmp", logic, QStringLiteral("&&"), 11),
        step("orico.bmp", logic, QStringLiteral("||"), 13),
        step("notico.bmp", logic, QStringLiteral("!"), 16),
        step("intico.bmp", number, QStringLiteral("int"), 9),
        step("absico.bmp", number, QStringLiteral("|x|"), 11),
        step("sqrtico.bmp", number, QStringLiteral("√"), 16),
        step("logico.bmp", number, QStringLiteral("ln"), 12),
        step("expico.bmp", number, QStringLiteral("exp"), 9),
        step("sinico.bmp", number, QStringLiteral("sin"), 9),
        step("cosico.bmp", number, QStringLiteral("cos"), 9),
        step("tgico.bmp", number, QStringLiteral("tg"), 12),
        step("arctgico.bmp", number, QStringLiteral("atg"), 9),
        step("NumtoStr.bmp", text, QStringLiteral("N→S"), 8),
        step("substr.bmp", text, QStringLiteral("S.."), 10),
        step("Lenico.bmp", text, QStringLiteral("len"), 9),
        step("strtoNum.bmp", text, QStringLiteral("S→N"), 8),
        step("replace.bmp", text, QStringLiteral("<->"), 9),
        step("replcate.bmp", text, QStringLiteral("S×n"), 8),
        step("TFDoico.bmp", flowc, QStringLiteral("?"), 15),
        step("XHDoico.bmp", flowc, QStringLiteral("↻"), 15),
        step("exitico.bmp", flowc, QStringLiteral("出"), 14),
        step("Retnico.bmp", flowc, QStringLiteral("↵"), 15),
        step("addStr.bmp", text, QStringLiteral("S+"), 11),
        step("clearico.bmp", copy, QStringLiteral("清"), 14),
        step("callico.bmp", call, QStringLiteral("f()"), 10),
        step("faico.bmp", call, QStringLiteral("→f"), 11),
        step("afico.bmp", call, QStringLiteral("f→"), 11),
        step("Inpico.bmp", call, QStringLiteral("入"), 14),
        step("Outpico.bmp", call, QStringLiteral("出"), 14),
        // "binflow.bmp" of the loading list is this same file: names match without case.
        figure("binFlow.bmp", [](QPainter& p) { flowBox(p, QColor(120, 170, 255)); }),
        figure("unaFlow.bmp",
               [](QPainter& p) {
                   flowBox(p, QColor(160, 230, 160));
                   p.drawPoint(4, 3);
               }),
        figure("setFlow.bmp",
               [](QPainter& p) {
                   flowBox(p, QColor(220, 220, 220));
                   p.drawLine(2, 4, 6, 4);
                   p.drawPoint(5, 3);
                   p.drawPoint(5, 5);
               }),
        figure("staFlow.bmp", [](QPainter& p) { flowOval(p, QColor(60, 200, 60)); }),
        figure("staFlow1.bmp", [](QPainter& p) { flowOval(p, QColor(60, 200, 200)); }),
        figure("staFlow2.bmp", [](QPainter& p) { flowOval(p, QColor(200, 60, 200)); }),
        figure("staFlow3.bmp", [](QPainter& p) { flowOval(p, QColor(240, 200, 40)); }),
        figure("staFlow4.bmp", [](QPainter& p) { flowOval(p, QColor(40, 140, 255)); }),
        figure("staFlow5.bmp", [](QPainter& p) { flowOval(p, QColor(255, 100, 60)); }),
        figure("CommFlow.bmp",
               [](QPainter& p) {
                   p.setPen(QColor(130, 130, 0));
                   p.setBrush(QColor(255, 255, 170));
                   p.drawPolygon(QPolygon(
                       {QPoint(0, 0), QPoint(6, 0), QPoint(8, 2), QPoint(8, 7), QPoint(0, 7)}));
               }),
        figure("funcFlow.bmp",
               [](QPainter& p) {
                   flowBox(p, QColor(180, 180, 255));
                   p.drawLine(2, 0, 2, 7);
                   p.drawLine(6, 0, 6, 7);
               }),
        figure("exitFlow.bmp",
               [](QPainter& p) {
                   p.setPen(QColor(220, 0, 0));
                   p.drawLine(1, 0, 7, 7);
                   p.drawLine(7, 0, 1, 7);
                   p.drawLine(2, 0, 8, 7);
                   p.drawLine(8, 0, 2, 7);
               }),
        figure("retFlow.bmp",
               [](QPainter& p) {
                   p.setPen(QColor(0, 0, 0));
                   p.drawLine(7, 0, 7, 5);
                   p.drawLine(1, 5, 7, 5);
                   p.drawLine(1, 5, 3, 3);
                   p.drawLine(1, 5, 3, 7);
               }),
        figure("ifFlow.bmp", [](QPainter& p) { flowDiamond(p, QColor(255, 220, 60)); }),
        figure("ForFlow.bmp",
               [](QPainter& p) {
                   p.setPen(QColor(0, 0, 0));
                   p.setBrush(QColor(80, 210, 230));
                   p.drawPolygon(
                       QPolygon({QPoint(2, 0), QPoint(6, 0), QPoint(8, 3), QPoint(8, 4),
                                 QPoint(6, 7), QPoint(2, 7), QPoint(0, 4), QPoint(0, 3)}));
               }),
        figure("iForFlow.bmp",
               [](QPainter& p) {
                   flowDiamond(p, QColor(255, 150, 40));
                   p.setPen(QColor(200, 0, 0));
                   p.drawPoint(4, 3);
                   p.drawPoint(4, 4);
               }),
        figure("select.bmp",
               [](QPainter& p) {
                   p.setPen(QColor(0, 0, 128));
                   p.setBrush(QColor(0, 0, 255));
                   p.drawRect(0, 0, kFlowW - 1, kFlowH - 1);
               }),
    };
    for (int i = 0; i < 4; ++i)
        c.push_back({"olvane" + std::to_string(i + 1) + ".bmp", 100, 97, olvaneFrame(i), 0x008000});
    for (PictureEntry& entry : formPictures())
        c.push_back(std::move(entry));
    return c;
}

} // namespace

const std::vector<PictureEntry>& pictureCatalog() {
    static const std::vector<PictureEntry> catalog = buildCatalog();
    return catalog;
}

QImage renderPicture(const PictureEntry& entry) {
    QImage image(entry.width, entry.height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(entry.background));
    entry.draw(image);
    return image;
}

} // namespace olvan::pictures
