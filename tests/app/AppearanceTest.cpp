#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include "app/ui/Appearance.h"
#include "app/ui/CountdownLabel.h"
#include "app/ui/DerivedPalette.h"
#include "app/ui/PanelCountdown.h"
#include "app/ui/StatusIconRenderer.h"
#include "app/ui/SymbolIcon.h"
#include "app/ui/TextStyles.h"
#include "support/FakeColorSchemeSource.h"

using namespace tavelo;

// The desktop's preference switches the palette of open windows; colours computed from it
// (faded text, the countdown's accent) are computed again, and no preference leaves Qt's.
TEST(Appearance, OpenWindowsFollowTheDesktopsPreference)
{
    const QPalette system = QApplication::palette();
    ASSERT_FALSE(Appearance::isDark(system)) << "the offscreen platform starts light";
    test::FakeColorSchemeSource source;
    QWidget window;
    auto *caption = new QLabel(&window);
    DerivedPalette::fade(caption, QPalette::WindowText, 0.5);
    auto *countdown = new PanelCountdown(200, 20, &window);
    countdown->show(StatusSnapshot{}, QStringLiteral("25:00"));
    auto *sparkles = new SymbolIcon(Symbol::sparkles, 16, Qt::black, &window);
    sparkles->followAccent();
    window.show();
    const auto captionColour = [&] { return caption->palette().color(QPalette::WindowText); };
    // The new palette travels down the tree over a few turns of the loop.
    const auto settle = [] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    };
    {
        Appearance appearance(source);
        EXPECT_EQ(QApplication::palette(), system);
        source.set(ColorScheme::light);
        EXPECT_EQ(QApplication::palette(), system) << "already light: Qt's own stays";

        source.set(ColorScheme::dark);
        settle();
        ASSERT_TRUE(Appearance::isDark(QApplication::palette()));
        const QColor darkText = window.palette().color(QPalette::WindowText);
        EXPECT_EQ(std::pair(captionColour().rgb(), qRound(captionColour().alphaF() * 100)),
                  std::pair(darkText.rgb(), 50));
        EXPECT_EQ(countdown->label()->palette().color(QPalette::WindowText),
                  StatusIconRenderer::accent(StatusIconKey::Symbol::focus, true));
        EXPECT_EQ(sparkles->colour(), TextStyles::accent(QApplication::palette()));
        EXPECT_NE(sparkles->colour(), TextStyles::accent(system)) << "dark's accent differs";

        source.set(ColorScheme::noPreference);
        settle();
        EXPECT_EQ(QApplication::palette(), system);
        EXPECT_EQ(captionColour().rgb(), system.color(QPalette::WindowText).rgb());
        EXPECT_EQ(countdown->label()->palette().color(QPalette::WindowText),
                  StatusIconRenderer::accent(StatusIconKey::Symbol::focus, false));
        EXPECT_EQ(sparkles->colour(), TextStyles::accent(system));
    }
    QApplication::setPalette(system);
}
