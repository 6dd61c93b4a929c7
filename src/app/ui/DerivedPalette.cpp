#include "app/ui/DerivedPalette.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tavelo {

DerivedPalette::DerivedPalette(QWidget *widget, Derive derive)
    : QObject(widget), m_widget(widget), m_derive(std::move(derive))
{
    widget->installEventFilter(this);
    apply();
}

void DerivedPalette::follow(QWidget *widget, Derive derive)
{
    new DerivedPalette(widget, std::move(derive));
}

void DerivedPalette::fade(QWidget *widget, QPalette::ColorRole role, qreal alpha)
{
    follow(widget, [role, alpha](QPalette &palette) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QColor colour = palette.color(group, role);
            colour.setAlphaF(colour.alphaF() * alpha);
            palette.setColor(group, role, colour);
        }
    });
}

bool DerivedPalette::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool changed =
        type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange || type == QEvent::ParentChange;
    // After the event has gone round every widget, when the parents' palettes are settled.
    if (changed && !m_pending) {
        m_pending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_pending = false;
                apply();
            },
            Qt::QueuedConnection);
    }
    return false;
}

void DerivedPalette::apply()
{
    const QWidget *parent = m_widget->isWindow() ? nullptr : m_widget->parentWidget();
    QPalette palette = parent ? parent->palette() : QApplication::palette(m_widget);
    m_derive(palette);
    if (palette != m_widget->palette())
        m_widget->setPalette(palette);
}

} // namespace tavelo
