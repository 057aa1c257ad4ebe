// Every picture olvide loads by bare name is there after a build and is a real drawing.
#include "olvide/model/picture_files.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

// The names as olvide asks for them, in its loading order, then the commander frames.
const char* const kLoaded[] = {
    "varico.bmp",   "Conico.bmp",   "numico.bmp",   "Boolico.bmp",  "strico.bmp",   "Ostrico.bmp",
    "array.bmp",    "Yinico.bmp",   "Tempico.bmp",  "subico.bmp",   "iforico.bmp",  "funico.bmp",
    "Condico.bmp",  "iteico.bmp",   "outico.bmp",   "olvan.bmp",    "varicos.bmp",  "comicos.bmp",
    "comicod.bmp",  "plusico.bmp",  "minusico.bmp", "multico.bmp",  "divico.bmp",   "idivico.bmp",
    "modico.bmp",   "setico.bmp",   "csetico.bmp",  "Tsetico.bmp",  "Fsetico.bmp",  "greatico.bmp",
    "lessico.bmp",  "equalico.bmp", "nequico.bmp",  "gequico.bmp",  "lequico.bmp",  "andico.bmp",
    "orico.bmp",    "notico.bmp",   "intico.bmp",   "absico.bmp",   "sqrtico.bmp",  "logico.bmp",
    "expico.bmp",   "sinico.bmp",   "cosico.bmp",   "tgico.bmp",    "arctgico.bmp", "NumtoStr.bmp",
    "substr.bmp",   "Lenico.bmp",   "strtoNum.bmp", "replace.bmp",  "replcate.bmp", "TFDoico.bmp",
    "XHDoico.bmp",  "exitico.bmp",  "Retnico.bmp",  "addStr.bmp",   "clearico.bmp", "callico.bmp",
    "faico.bmp",    "afico.bmp",    "Inpico.bmp",   "Outpico.bmp",  "binflow.bmp",  "unaFlow.bmp",
    "binFlow.bmp",  "setFlow.bmp",  "staFlow.bmp",  "staFlow4.bmp", "staFlow5.bmp", "staFlow3.bmp",
    "staFlow1.bmp", "staFlow2.bmp", "CommFlow.bmp", "funcFlow.bmp", "exitFlow.bmp", "retFlow.bmp",
    "ifFlow.bmp",   "ForFlow.bmp",  "iForFlow.bmp", "select.bmp",   "olvane1.bmp",  "olvane2.bmp",
    "olvane3.bmp",  "olvane4.bmp"};

QImage load(const char* name) {
    const char* bin = std::getenv("OLVAN_BIN");
    if (bin == nullptr) return {};
    const auto path = olvide::findPictureFileIn(name, {bin});
    return path ? QImage(QString::fromStdString(path->string()), "BMP") : QImage();
}

int distinctColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(Pictures, EveryLoadedNameIsADrawingOfPlausibleSize) {
    ASSERT_NE(std::getenv("OLVAN_BIN"), nullptr);
    for (const char* name : kLoaded) {
        SCOPED_TRACE(name);
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 8);
        EXPECT_GE(image.height(), 8);
        EXPECT_LE(image.width(), 128);
        EXPECT_LE(image.height(), 128);
        EXPECT_GE(distinctColours(image), 2) << "a blank picture";
    }
}

TEST(Pictures, FlowFiguresAreSmallAndOneSize) {
    for (const char* name : {"binFlow.bmp", "ifFlow.bmp", "staFlow.bmp", "select.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(load(name).size(), QSize(9, 8));
    }
}

TEST(Pictures, TransparentPartsAreWhite) {
    // The diamond leaves its corners to the canvas; overlays are white but for their mark.
    EXPECT_EQ(load("ifFlow.bmp").pixel(0, 0), qRgb(255, 255, 255));
    const QImage overlay = load("iforico.bmp");
    EXPECT_EQ(overlay.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_NE(overlay.pixel(0, 0), overlay.pixel(overlay.width() / 2 - 7, overlay.height() / 2));
}

TEST(Pictures, CommanderFramesDifferAndKeepTheirGreenBackground) {
    const QImage first = load("olvane1.bmp");
    EXPECT_EQ(first.size(), QSize(100, 97));
    EXPECT_EQ(first.pixel(0, 0), qRgb(0, 0x80, 0));
    for (const char* name : {"olvane2.bmp", "olvane3.bmp", "olvane4.bmp"}) {
        const QImage frame = load(name);
        EXPECT_EQ(frame.size(), first.size());
        EXPECT_NE(frame, first) << name;
    }
}

} // namespace
