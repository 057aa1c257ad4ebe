#include "olvide/controls/kel_image.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace olvide::controls {
namespace {

// An icon on white with a blue mark at (3, 3) and a red one at (5, 1).
QImage icon(QSize size = {8, 8}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixelColor(3, 3, Qt::blue);
    image.setPixelColor(5, 1, Qt::red);
    return image;
}

TEST(TransparentCopy, LeavesOutTheTransparentColourAndFullyTransparentPixels) {
    QImage target(6, 6, QImage::Format_ARGB32);
    target.fill(Qt::green);
    QImage source = icon({10, 4}); // wider and lower than the target
    source = source.convertToFormat(QImage::Format_ARGB32);
    source.setPixelColor(0, 0, Qt::transparent);
    copyNonTransparent(target, source, Qt::white);
    EXPECT_EQ(target.pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(target.pixelColor(5, 1), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(4, 3), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(3, 5), QColor(Qt::green)); // below the source

    copyNonTransparent(target, icon(), Qt::blue);
    EXPECT_EQ(target.pixelColor(4, 4), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(3, 3), QColor(Qt::blue)); // not copied: the old pixel stays
}

class KelImage : public ::testing::Test {
protected:
    void SetUp() override {
        image_.resize(8, 8);
        image_.setColor(Qt::yellow);
    }
    QColor shown(int x, int y) { return image_.grab().toImage().pixelColor(x, y); }
    TKelImage image_;
};

TEST_F(KelImage, DrawsAnIconTransparentlyOnItsColour) {
    image_.drawWhiteTransparent(icon());
    EXPECT_EQ(shown(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(shown(3, 3), QColor(Qt::blue));
    EXPECT_TRUE(image_.picture().isNull());

    // An overlay adds its marks over what is shown and keeps the rest.
    QImage mark(8, 8, QImage::Format_RGB32);
    mark.fill(Qt::white);
    mark.setPixelColor(0, 0, Qt::red);
    image_.overlayTransparent(mark, Qt::white);
    EXPECT_EQ(shown(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown(3, 3), QColor(Qt::blue));

    // A drawing straight on the canvas stays when the control grows.
    image_.resize(10, 10);
    EXPECT_EQ(shown(3, 3), QColor(Qt::blue));
    EXPECT_EQ(shown(9, 9), QColor(Qt::yellow));
}

TEST_F(KelImage, DrawingOntoThePictureKeepsItThroughChanges) {
    image_.drawTransparent(icon(), Qt::white, TKelImage::Target::picture);
    EXPECT_EQ(image_.picture().size(), QSize(8, 8));
    EXPECT_EQ(image_.picture().pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(image_.picture().pixelColor(0, 0), QColor(Qt::yellow));
    image_.overlayTransparent(icon(), Qt::blue, TKelImage::Target::picture);
    EXPECT_EQ(image_.picture().pixelColor(0, 0), QColor(Qt::white));
    image_.setColor(Qt::cyan);
    EXPECT_EQ(shown(3, 3), QColor(Qt::blue));
}

TEST_F(KelImage, PlacesThePictureAtTheCornerCentredOrStretched) {
    QImage square(4, 4, QImage::Format_RGB32);
    square.fill(Qt::blue);
    image_.setPicture(square);
    EXPECT_EQ(shown(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shown(6, 6), QColor(Qt::yellow));
    image_.setCenter(true);
    EXPECT_EQ(shown(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(shown(4, 4), QColor(Qt::blue));
    image_.setStretch(true);
    EXPECT_EQ(shown(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shown(7, 7), QColor(Qt::blue));
    image_.setAutoSize(true);
    EXPECT_EQ(image_.size(), QSize(4, 4));
}

TEST_F(KelImage, LoadsPictureFilesAndKeepsThePictureWhenAFileCannotBeRead) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("icon.bmp");
    ASSERT_TRUE(icon({5, 7}).save(path));
    EXPECT_TRUE(image_.loadPicture(path));
    EXPECT_EQ(image_.picture().size(), QSize(5, 7));
    EXPECT_FALSE(image_.loadPicture(folder.filePath("missing.bmp")));
    EXPECT_EQ(image_.picture().size(), QSize(5, 7));
}

} // namespace
} // namespace olvide::controls
