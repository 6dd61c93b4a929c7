#include "app/ui/Appearance.h"

#include <QApplication>
#include <QStyle>

namespace tavelo {

namespace {

QPalette darkPalette()
{
    const QColor window(0x2b, 0x2b, 0x2d);
    const QColor text(0xe8, 0xe8, 0xea);
    const QColor base(0x1f, 0x1f, 0x21);
    const QColor button(0x3a, 0x3a, 0x3d);
    const QColor highlight(0x3d, 0x8b, 0xe8);
    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window.lighter(110));
    palette.setColor(QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3d));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x8c, 0x8c, 0x90));
    palette.setColor(QPalette::Light, QColor(0x4a, 0x4a, 0x4e));
    palette.setColor(QPalette::Midlight, QColor(0x42, 0x42, 0x46));
    palette.setColor(QPalette::Mid, QColor(0x33, 0x33, 0x36));
    palette.setColor(QPalette::Dark, QColor(0x1a, 0x1a, 0x1c));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x7a, 0xb4, 0xf5));
    palette.setColor(QPalette::LinkVisited, QColor(0xb3, 0x9d, 0xf0));
    const QColor disabledText(0x7c, 0x7c, 0x80);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Button, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x4a, 0x4a, 0x4e));
    return palette;
}

} // namespace

Appearance::Appearance(ColorSchemeSource &source) : m_source(source), m_system(QApplication::palette())
{
    m_source.setChangeHandler([this] { apply(); });
    apply();
}

Appearance::~Appearance()
{
    m_source.setChangeHandler(nullptr);
}

QPalette Appearance::paletteFor(ColorScheme scheme, const QPalette &system)
{
    if (scheme == ColorScheme::noPreference || (scheme == ColorScheme::dark) == isDark(system))
        return system;
    if (scheme == ColorScheme::dark)
        return darkPalette();
    // The style's own light palette; a dark desktop theme leaves nothing else to go by.
    return QApplication::style()->standardPalette();
}

bool Appearance::isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

void Appearance::apply()
{
    const QPalette palette = paletteFor(m_source.scheme(), m_system);
    if (palette != QApplication::palette())
        QApplication::setPalette(palette);
}

} // namespace tavelo
