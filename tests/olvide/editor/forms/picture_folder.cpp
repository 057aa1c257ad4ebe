// The forms find their pictures by bare name in the working folder first: the tests work in the
// folder where the build draws them.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class PictureFolder : public ::testing::Environment {
public:
    void SetUp() override {
        if (const char* bin = std::getenv("OLVAN_BIN")) std::filesystem::current_path(bin);
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new PictureFolder);

} // namespace
