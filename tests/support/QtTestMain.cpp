#include <string_view>

#include <QApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
