#pragma once

#include <QProxyStyle>

namespace tavelo {

// The desktop's style with spin box arrows wide enough to hit: the stepper column takes
// kButtonWidth pixels, and the arrows are drawn in it as the style draws them.
class RoomySpinBoxStyle final : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 22;

    // One for the whole application, made from its style on first use; it outlives every widget.
    static RoomySpinBoxStyle *instance();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget = nullptr) const override;

private:
    RoomySpinBoxStyle();
};

} // namespace tavelo
