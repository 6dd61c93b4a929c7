#include "app/ui/RoomySpinBoxStyle.h"

#include <algorithm>

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionSpinBox>

namespace tavelo {

RoomySpinBoxStyle::RoomySpinBoxStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

RoomySpinBoxStyle *RoomySpinBoxStyle::instance()
{
    static QPointer<RoomySpinBoxStyle> style;
    if (!style) {
        style = new RoomySpinBoxStyle;
        style->setParent(qApp);
    }
    return style;
}

QRect RoomySpinBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                                        const QWidget *widget) const
{
    const QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
    const auto *spin = qstyleoption_cast<const QStyleOptionSpinBox *>(option);
    if (control != CC_SpinBox || !spin || spin->buttonSymbols == QAbstractSpinBox::NoButtons)
        return rect;
    const QRect up = QProxyStyle::subControlRect(control, option, SC_SpinBoxUp, widget);
    const int grow = std::max(0, kButtonWidth - up.width());
    switch (sub) {
    case SC_SpinBoxUp:
    case SC_SpinBoxDown:
        return rect.adjusted(-grow, 0, 0, 0);
    case SC_SpinBoxEditField:
        return rect.adjusted(0, 0, -grow, 0);
    default:
        return rect;
    }
}

} // namespace tavelo
