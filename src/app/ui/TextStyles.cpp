#include "app/ui/TextStyles.h"

#include <algorithm>

namespace tavelo {

namespace {

// Each style's size relative to body text.
qreal scaleOf(TextStyles::Style style)
{
    switch (style) {
    case TextStyles::Style::title:
        return 22.0 / 13.0;
    case TextStyles::Style::title2:
        return 17.0 / 13.0;
    case TextStyles::Style::title3:
        return 15.0 / 13.0;
    case TextStyles::Style::headline:
    case TextStyles::Style::body:
        return 1.0;
    case TextStyles::Style::footnote:
        return 10.0 / 13.0;
    }
    return 1.0;
}

} // namespace

QFont TextStyles::font(Style style, const QFont &base)
{
    QFont font = base;
    const qreal scale = scaleOf(style);
    // Small styles stay legible however small the desktop's font is.
    const qreal smallest = scale < 1.0 ? 8.0 : 1.0;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(std::max(smallest, base.pointSizeF() * scale));
    else
        font.setPixelSize(std::max(qRound(smallest * 4 / 3), qRound(base.pixelSize() * scale)));
    if (style == Style::headline)
        font.setWeight(QFont::DemiBold);
    return font;
}

QColor TextStyles::secondary(const QPalette &palette)
{
    QColor colour = palette.color(QPalette::WindowText);
    colour.setAlphaF(0.55f);
    return colour;
}

QColor TextStyles::accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

QColor TextStyles::quaternaryFill(const QPalette &palette)
{
    QColor colour = palette.color(QPalette::WindowText);
    colour.setAlphaF(0.06f);
    return colour;
}

} // namespace tavelo
