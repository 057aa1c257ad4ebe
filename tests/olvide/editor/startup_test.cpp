// Start-up: the desktop program's arguments, and the pauses, which wait without using the
// processor.
#include "olvide/editor/startup.h"

#include <QElapsedTimer>
#include <ctime>
#include <gtest/gtest.h>

namespace olvide::editor {
namespace {

TEST(StartOptions, FilesAndTheSplashSwitchAreTakenAndAnUnknownOptionIsRefused) {
    const StartOptions plain = parseStartOptions({});
    EXPECT_TRUE(plain.splash);
    EXPECT_TRUE(plain.files.empty());
    EXPECT_TRUE(plain.error.empty());

    const StartOptions given = parseStartOptions({"a.olv", "--no-splash", "dir/b.olv"});
    EXPECT_FALSE(given.splash);
    EXPECT_EQ(given.files, (std::vector<std::string>{"a.olv", "dir/b.olv"}));
    EXPECT_TRUE(given.error.empty());

    EXPECT_NE(parseStartOptions({"--nosplash"}).error.find("--nosplash"), std::string::npos);
}

TEST(StartUpPause, WaitsItsTimeWithoutSpinning) {
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpu = std::clock();
    waitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(300));
    const double cpuMs = 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC;
    EXPECT_GE(wall.elapsed(), 295);
    EXPECT_LT(cpuMs, 100.0);
    // A time already past does not wait.
    wall.restart();
    waitUntil(std::chrono::steady_clock::now() - std::chrono::seconds(1));
    EXPECT_LT(wall.elapsed(), 50);
}

} // namespace
} // namespace olvide::editor
