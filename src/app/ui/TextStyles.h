#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace tavelo {

// The text styles and colours the tour and What's New windows share. Sizes follow the
// desktop's own font: body text is the desktop's size, the others keep their usual
// proportions to it.
class TextStyles {
public:
    enum class Style { title, title2, title3, headline, body, footnote };

    static QFont font(Style style, const QFont &base);
    // Text that supports the main text: the text colour, half strength.
    static QColor secondary(const QPalette &palette);
    // The desktop's accent (selection) colour.
    static QColor accent(const QPalette &palette);
    // A faint fill for grouped rows, visible on light and dark backgrounds.
    static QColor quaternaryFill(const QPalette &palette);
};

} // namespace tavelo
