#include <cstdio>
#include <fstream>
#include <string>

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
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen")
        return {};
    const std::string path = "/tmp/tavelo-offscreen-" + std::to_string(getpid()) + ".json";
    std::ofstream(path) << R"({"screens": [)"
                           R"({"name": "a", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96},)"
                           R"({"name": "b", "x": 1280, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}]})";
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString("offscreen:configfile=" + path));
    return path;
}

} // namespace

// Tests of the app layer need a QApplication; the platform comes from the environment
// (offscreen for widget tests, xcb inside a private desktop for integration tests).
int main(int argc, char **argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    // Listing tests needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const std::string screenConfig = useTwoOffscreenScreens();
    QApplication app(argc, argv);
    if (!screenConfig.empty())
        std::remove(screenConfig.c_str());
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
