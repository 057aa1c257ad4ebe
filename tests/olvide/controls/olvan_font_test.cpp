#include "olvide/controls/olvan_font.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace olvide::controls {
namespace {

TEST(OlvanFont, WindowsFontsMapToInstalledFontsWithChineseGlyphs) {
    const QFont song = olvanFont(QStringLiteral("宋体"), 11);
    EXPECT_EQ(QFontInfo(song).family(), QStringLiteral("WenQuanYi Zen Hei"));
    EXPECT_EQ(song.pointSize(), 11);
    const QFont courier = olvanFont(QStringLiteral("courier new"), 9);
    EXPECT_TRUE(QFontInfo(courier).fixedPitch());
    EXPECT_TRUE(courier.families().contains(QStringLiteral("WenQuanYi Zen Hei")));
    EXPECT_EQ(QFontInfo(olvanFont(QStringLiteral("MS Sans Serif"), 8)).family(),
              QStringLiteral("DejaVu Sans"));
    // A negative size is a height in pixels.
    EXPECT_EQ(olvanFont(QStringLiteral("MS Serif"), -8).pixelSize(), 8);
    EXPECT_EQ(olvanFontFamily(QStringLiteral("Unknown Face")), QStringLiteral("Unknown Face"));
}

} // namespace
} // namespace olvide::controls
