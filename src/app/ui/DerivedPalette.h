#pragma once

#include <functional>

#include <QObject>
#include <QPalette>

class QWidget;

namespace tavelo {

// Colours of a widget computed from the palette it inherits (text at part strength, the
// accent as a fill), computed again whenever that palette changes, so that they follow a
// switch between light and dark while the window is open.
class DerivedPalette final : public QObject {
public:
    // Adjusts a copy of the inherited palette.
    using Derive = std::function<void(QPalette &)>;

    // Owned by `widget`.
    static void follow(QWidget *widget, Derive derive);
    // The common case: `role` (in every group) at `alpha` of its inherited strength.
    static void fade(QWidget *widget, QPalette::ColorRole role, qreal alpha);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DerivedPalette(QWidget *widget, Derive derive);
    void apply();

    QWidget *m_widget;
    Derive m_derive;
    bool m_pending = false;
};

} // namespace tavelo
