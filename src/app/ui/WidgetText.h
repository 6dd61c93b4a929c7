#pragma once

#include <QString>

namespace tavelo {

// Views refresh every tick; an unchanged text must not cost a relayout or a repaint.
template <typename Widget> void setTextIfChanged(Widget *widget, const QString &text)
{
    if (widget->text() != text)
        widget->setText(text);
}

} // namespace tavelo
