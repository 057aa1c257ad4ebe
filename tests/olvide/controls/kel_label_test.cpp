#include "olvide/controls/kel_label.h"
#include "olvide/controls/olvan_font.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace olvide::controls {
namespace {

// A font drawn without smoothing, so that text pixels have exactly the pen's colour.
QFont crispFont() {
    QFont font = olvanFont(QStringLiteral("MS Sans Serif"), 12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

bool hasPixel(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

TEST(KelLabelExtent, EmptyCaptionsAndALoneAccelMarkMeasureAsOneBlank) {
    const QFont font = crispFont();
    const QSize blank = TkelLabel::textExtent(" ", font, true);
    EXPECT_GT(blank.height(), 0);
    EXPECT_EQ(TkelLabel::textExtent("", font, true), blank);
    EXPECT_EQ(TkelLabel::textExtent("&", font, true), blank);
    EXPECT_NE(TkelLabel::textExtent("&", font, false), blank);
    // Prefix processing: "&&" shows one "&", "&F" only the F.
    EXPECT_EQ(TkelLabel::textExtent("a&&b", font, true), TkelLabel::textExtent("a&b", font, false));
    EXPECT_LT(TkelLabel::textExtent("&File", font, true).width(),
              TkelLabel::textExtent("&File", font, false).width());
}

class KelLabel : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        window_->resize(300, 200);
        window_->setPalette(QPalette(Qt::white));
        label_ = new TkelLabel(window_.get());
        label_->setFont(crispFont());
    }
    QImage drawn() const { return label_->grab().toImage(); }
    std::unique_ptr<QWidget> window_;
    TkelLabel* label_ = nullptr;
};

TEST_F(KelLabel, AutoSizeFollowsTheCaptionAndKeepsARightAlignedEdge) {
    label_->setCaption("Num1");
    EXPECT_EQ(label_->size(), TkelLabel::textExtent("Num1", crispFont(), true));
    label_->setAlignment(TAlignment::taRightJustify);
    label_->move(100, 10);
    const int right = label_->x() + label_->width();
    label_->setCaption("a longer name");
    EXPECT_EQ(label_->x() + label_->width(), right);
    EXPECT_GT(label_->width(), TkelLabel::textExtent("Num1", crispFont(), true).width());
}

TEST_F(KelLabel, WordWrapKeepsTheWidthAndGrowsDownwards) {
    label_->setCaption("one two three four five six");
    const int oneLine = label_->height();
    label_->setWordWrap(true);
    label_->resize(60, oneLine);
    label_->setCaption("one two three four five six seven");
    EXPECT_EQ(label_->width(), 60);
    EXPECT_GT(label_->height(), 2 * oneLine);
}

TEST_F(KelLabel, DrawsInItsFontColourOrGreyWhenDisabled) {
    label_->setCaption("WWW");
    label_->setFontColor(Qt::blue);
    EXPECT_TRUE(hasPixel(drawn(), Qt::blue));
    label_->setEnabled(false);
    const QImage disabled = drawn();
    EXPECT_FALSE(hasPixel(disabled, Qt::blue));
    EXPECT_TRUE(hasPixel(disabled, QColor(0x80, 0x80, 0x80)));
}

TEST_F(KelLabel, BackgroundIsTheParentsColourItsOwnOrNone) {
    label_->setCaption("x");
    EXPECT_TRUE(label_->parentColor());
    EXPECT_EQ(drawn().pixelColor(0, 0), QColor(Qt::white));
    window_->setPalette(QPalette(Qt::green));
    EXPECT_EQ(drawn().pixelColor(0, 0), QColor(Qt::green));
    label_->setColor(Qt::blue);
    EXPECT_FALSE(label_->parentColor());
    EXPECT_EQ(drawn().pixelColor(0, 0), QColor(Qt::blue));
    label_->setTransparent(true);
    QImage onRed(label_->size(), QImage::Format_ARGB32);
    onRed.fill(Qt::red);
    label_->render(&onRed, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(onRed.pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(KelLabel, TheAcceleratorFocusesTheFocusControl) {
    auto* edit = new QLineEdit(window_.get());
    auto* other = new QLineEdit(window_.get());
    edit->move(100, 100);
    label_->setCaption("&Value");
    label_->setFocusControl(edit);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    other->setFocus();
    QTest::keyClick(window_.get(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(edit->hasFocus());

    label_->setShowAccelChar(false);
    other->setFocus();
    QTest::keyClick(window_.get(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(other->hasFocus());
}

} // namespace
} // namespace olvide::controls
