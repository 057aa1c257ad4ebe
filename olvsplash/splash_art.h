#pragma once
// The splash picture and the two twelve-frame animations, drawn by the program itself.
#include <QImage>
#include <vector>

namespace olvsplash {

inline constexpr int kSplashWidth = 504;
inline constexpr int kSplashHeight = 433;
inline constexpr int kAnimationSize = 64;
inline constexpr int kAnimationFrames = 12;

QImage drawSplashPicture();
// The emblem: a taiji turning a twelfth of a turn each frame.
std::vector<QImage> drawTaijiFrames();
// The globe: a world turning a twelfth of a turn each frame.
std::vector<QImage> drawEarthFrames();

} // namespace olvsplash
