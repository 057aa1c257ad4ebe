// The emblem on the main window's client area: centred, 5 pixels above the true centre,
// following every resize.
#include "editor_fixture.h"

#include "olvide/editor/emblem.h"

#include <QTest>

namespace olvide::editor::testing {
namespace {

QRect emblemBounds() {
    QRect all;
    for (const EmblemPicture& picture : emblemPictures())
        all = all.united(picture.design);
    return all;
}

TEST(Emblem, ItsCentreIsFivePixelsAboveTheClientAreasWhateverTheSize) {
    for (const QSize client : {QSize(1000, 700), QSize(600, 601), QSize(455, 455)}) {
        const QRect placed = emblemBounds().translated(emblemOffset(client));
        EXPECT_LE(std::abs(placed.left() - (client.width() - placed.right() - 1)), 1);
        const int above = placed.top();
        const int below = client.height() - placed.bottom() - 1;
        EXPECT_LE(std::abs((below - above) - 10), 1) << client.height();
    }
    // Image9 is the 215 x 215 centre picture.
    EXPECT_EQ(emblemPictures()[8].design.size(), QSize(215, 215));
}

class EmblemPainting : public EditorTest {};

TEST_F(EmblemPainting, TheEmblemIsRepaintedCentredAfterAResize) {
    QWidget* client = frame().mdiArea().viewport();
    const QImage centre = emblemPictures()[8].image;
    const QPoint inCentre(centre.width() / 2, 40); // a point of the picture's drawn ring
    for (const QSize size : {QSize(900, 650), QSize(1200, 800)}) {
        frame().resize(size);
        QTest::qWait(20);
        const QImage shown = client->grab().toImage();
        const QPoint at =
            emblemPictures()[8].design.topLeft() + emblemOffset(client->size()) + inCentre;
        const QColor expected = centre.pixelColor(inCentre);
        const QColor seen = shown.pixelColor(at);
        EXPECT_LE(std::abs(seen.red() - expected.red()) + std::abs(seen.blue() - expected.blue()),
                  12)
            << size.width() << "x" << size.height();
    }
}

} // namespace
} // namespace olvide::editor::testing
