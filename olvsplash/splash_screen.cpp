#include "splash_screen.h"

#include "olvsplash/splash_art.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace olvsplash {
namespace {

std::vector<QPixmap> toPixmaps(const std::vector<QImage>& frames) {
    std::vector<QPixmap> pixmaps;
    pixmaps.reserve(frames.size());
    for (const auto& frame : frames)
        pixmaps.push_back(QPixmap::fromImage(frame));
    return pixmaps;
}

} // namespace

TSplashscreen::TSplashscreen(std::unique_ptr<SplashClock> clock)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      clock_(clock ? std::move(clock) : std::make_unique<SteadyDayClock>()) {
    setWindowTitle(QStringLiteral("Splashscreen"));
    setAttribute(Qt::WA_X11NetWmWindowTypeSplash);
    setFixedSize(kSplashWidth, kSplashHeight);
    setPalette(QPalette(Qt::white));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, kSplashWidth, kSplashHeight);
    Image1->setPixmap(QPixmap::fromImage(drawSplashPicture()));
    Taijianimator = new QLabel(this);
    Taijianimator->setGeometry(7, 371, kAnimationSize, kAnimationSize);
    earthanimator = new QLabel(this);
    earthanimator->setGeometry(438, 371, kAnimationSize, kAnimationSize);
    TaijiImageList = toPixmaps(drawTaijiFrames());
    earthImageList = toPixmaps(drawEarthFrames());

    Timer1.setInterval(kTimerInterval);
    connect(&Timer1, &QTimer::timeout, this, &TSplashscreen::Timer1Timer);

    // Centred on the screen the window opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormCreate();
}

void TSplashscreen::FormCreate() {
    frameIndex_ = 0;
    Timer1.start();
}

void TSplashscreen::FormShow() {
    Timer1.start();
    startTime_ = clock_->timeOfDay();
}

void TSplashscreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
    activateWindow();
    setFocus();
}

void TSplashscreen::Timer1Timer() {
    Taijianimator->setPixmap(TaijiImageList[frameIndex_]);
    earthanimator->setPixmap(earthImageList[frameIndex_]);
    frameIndex_ = (frameIndex_ + 1) % kAnimationFrames;
    if (elapsedDays(startTime_, clock_->timeOfDay()) > kShowDays) {
        Timer1.stop();
        close();
    }
}

void TSplashscreen::FormKeyDown(int key) {
    if (key != Qt::Key_Escape) return;
    Timer1.stop();
    close();
}

void TSplashscreen::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key());
}

} // namespace olvsplash
