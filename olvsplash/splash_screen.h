#pragma once
// The splash window: a fixed picture with two small animations that closes itself after
// 10.368 seconds, or at once on Esc.
#include "olvsplash/splash_clock.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QLabel;

namespace olvsplash {

class TSplashscreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimerInterval = 125;   // milliseconds
    static constexpr double kShowDays = 0.00012; // 10.368 s

    // Without a clock the splash uses a monotonic one.
    explicit TSplashscreen(std::unique_ptr<SplashClock> clock = nullptr);

    // Draws the current frame of both animations, advances the frame, closes after the time.
    void Timer1Timer();
    // Esc closes at once; other keys do nothing.
    void FormKeyDown(int key);

    int frameIndex() const { return frameIndex_; }
    const QTimer& timer() const { return Timer1; }
    QLabel* taijiAnimator() const { return Taijianimator; }
    QLabel* earthAnimator() const { return earthanimator; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormShow();

    QLabel* Image1 = nullptr;
    QLabel* Taijianimator = nullptr;
    QLabel* earthanimator = nullptr;
    std::vector<QPixmap> TaijiImageList;
    std::vector<QPixmap> earthImageList;
    QTimer Timer1;
    int frameIndex_ = 0;
    double startTime_ = 0; // time of day, fraction of a day
    std::unique_ptr<SplashClock> clock_;
};

} // namespace olvsplash
