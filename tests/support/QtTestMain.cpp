#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include <QApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

// The offscreen platform shows one 800x800 screen unless given a configuration; overlay
// tests need two displays of different sizes side by side.
// Returns the configuration file to remove once the platform has read it.
std::string useTwoOffscreenScreens()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string_view(platform) != "offscreen")
        return {};
    const std::string path = "/tmp/tavelo-offscreen-" + std::to_string(getpid()) + ".json";
    std::ofstream(path) << R"({"screens": [)"
                           R"({"name": "a", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96},)"
                           R"({"name": "b", "x": 1280, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).c_str(), 1);
    return path;
}

} // namespace

// Tests of the app layer need a QApplication; the platform comes from the environment
// (offscreen for widget tests, xcb inside a private desktop for integration tests).
int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        // Listing tests needs no display.
        if (std::string_view(argv[i]) == "--gtest_list_tests") {
            ::testing::InitGoogleMock(&argc, argv);
            return RUN_ALL_TESTS();
        }
    }
    const std::string screenConfig = useTwoOffscreenScreens();
    QApplication app(argc, argv);
    if (!screenConfig.empty())
        std::remove(screenConfig.c_str());
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
