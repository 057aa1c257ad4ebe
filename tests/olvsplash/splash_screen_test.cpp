#include "olvsplash/splash_art.h"
#include "olvsplash/splash_screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace olvsplash {
namespace {

class FakeClock final : public SplashClock {
public:
    explicit FakeClock(double& now) : now_(now) {}
    double timeOfDay() const override { return now_; }

private:
    double& now_;
};

constexpr double kSecond = 1.0 / 86400.0;

class Splash : public ::testing::Test {
protected:
    void SetUp() override {
        splash_ = std::make_unique<TSplashscreen>(std::make_unique<FakeClock>(now_));
    }
    void showAt(double timeOfDay) {
        now_ = timeOfDay;
        splash_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash_.get()));
    }
    double now_ = 0.5;
    std::unique_ptr<TSplashscreen> splash_;
};

TEST_F(Splash, WindowIsAFramelessTopmostClientOf504By433CentredOnTheScreen) {
    showAt(0.5);
    EXPECT_EQ(splash_->size(), QSize(504, 433));
    EXPECT_TRUE(splash_->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash_->windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((splash_->geometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_EQ(splash_->taijiAnimator()->geometry(), QRect(7, 371, 64, 64));
    EXPECT_EQ(splash_->earthAnimator()->geometry(), QRect(438, 371, 64, 64));
    EXPECT_EQ(splash_->timer().interval(), 125);
    EXPECT_TRUE(splash_->timer().isActive());
}

TEST_F(Splash, FramesWrapFromElevenToZero) {
    showAt(0.5);
    for (int i = 0; i < 11; ++i)
        splash_->Timer1Timer();
    EXPECT_EQ(splash_->frameIndex(), 11);
    splash_->Timer1Timer();
    EXPECT_EQ(splash_->frameIndex(), 0);
    EXPECT_TRUE(splash_->isVisible());
}

TEST_F(Splash, EscInTheFirstTickClosesBeforeAnyFrameIsDrawn) {
    showAt(0.5);
    QTest::keyClick(splash_.get(), Qt::Key_Escape);
    EXPECT_FALSE(splash_->isVisible());
    EXPECT_FALSE(splash_->timer().isActive());
    EXPECT_TRUE(splash_->taijiAnimator()->pixmap().isNull());
    EXPECT_EQ(splash_->frameIndex(), 0);
}

TEST_F(Splash, OtherKeysDoNothing) {
    showAt(0.5);
    QTest::keyClick(splash_.get(), Qt::Key_Return);
    QTest::keyClick(splash_.get(), Qt::Key_A);
    EXPECT_TRUE(splash_->isVisible());
}

TEST_F(Splash, ClosesOnTheFirstTickAfter10Point368Seconds) {
    showAt(0.5);
    now_ = 0.5 + 10.3 * kSecond;
    splash_->Timer1Timer();
    EXPECT_TRUE(splash_->isVisible());
    now_ = 0.5 + 10.4 * kSecond;
    splash_->Timer1Timer();
    EXPECT_FALSE(splash_->isVisible());
    EXPECT_FALSE(splash_->timer().isActive());
    // The last tick still drew its frame.
    EXPECT_EQ(splash_->frameIndex(), 2);
}

TEST_F(Splash, TimeCountsFromShowingAndAcrossMidnight) {
    now_ = 0.2; // long before the window is shown: does not count
    showAt(1.0 - 5 * kSecond);
    now_ = 3 * kSecond; // 8 s later, past midnight
    splash_->Timer1Timer();
    EXPECT_TRUE(splash_->isVisible());
    now_ = 6 * kSecond; // 11 s
    splash_->Timer1Timer();
    EXPECT_FALSE(splash_->isVisible());
}

TEST(SplashClock, ElapsedDaysPassMidnight) {
    EXPECT_DOUBLE_EQ(elapsedDays(0.25, 0.5), 0.25);
    EXPECT_NEAR(elapsedDays(0.9, 0.1), 0.2, 1e-12);
    EXPECT_DOUBLE_EQ(elapsedDays(0.4, 0.4), 0.0);
    SteadyDayClock clock;
    const double t = clock.timeOfDay();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 1.0);
}

int distinctColours(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(SplashArt, AnimationsHaveTwelveDistinctFrames) {
    for (const auto& frames : {drawTaijiFrames(), drawEarthFrames()}) {
        ASSERT_EQ(frames.size(), 12u);
        for (size_t i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(frames[i].size(), QSize(64, 64));
            EXPECT_NE(frames[i], frames[(i + 1) % frames.size()]) << "frame " << i;
        }
    }
}

TEST_F(Splash, GrabbedWindowShowsBothAnimations) {
    showAt(0.5);
    const QRect taiji(7, 371, 64, 62), earth(438, 371, 64, 62); // the window ends at 433
    const QImage before = splash_->grab().toImage();
    splash_->Timer1Timer();
    const QImage first = splash_->grab().toImage();
    splash_->Timer1Timer();
    const QImage second = splash_->grab().toImage();
    for (const QRect& area : {taiji, earth}) {
        EXPECT_GT(distinctColours(first, area), 20);
        EXPECT_NE(first.copy(area), before.copy(area)) << "nothing drawn";
        EXPECT_NE(second.copy(area), first.copy(area)) << "not animated";
    }
    // The picture itself is a designed splash, not a plain fill.
    EXPECT_GT(distinctColours(first, QRect(0, 0, 504, 360)), 200);
    if (const char* dir = std::getenv("OLVAN_SCREENSHOT_DIR"))
        second.save(QString::fromLocal8Bit(dir) + "/olvsplash.png");
}

} // namespace
} // namespace olvsplash
