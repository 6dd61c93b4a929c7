#include "app/ui/DerivedPalette.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tavelo {

DerivedPalette::DerivedPalette(QWidget *widget, Derive derive)
    : QObject(widget), m_widget(widget), m_derive(std::move(derive))
{
    widget->installEventFilter(this);
    // A widget styled by a style sheet hears nothing of its parent's palette: ask the parent.
    if (QWidget *parent = widget->parentWidget())
        parent->installEventFilter(this);
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
    const QPalette base = parent ? parent->palette() : QApplication::palette(m_widget);
    QPalette derived = base;
    m_derive(derived);
    // Only what was derived is the widget's own; the rest it keeps inheriting, so that a
    // change of the inherited palette still reaches it.
    QPalette own;
    own.setResolveMask(0);
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (derived.brush(g, r) != base.brush(g, r))
                own.setBrush(g, r, derived.brush(g, r));
        }
    }
    if (derived != m_widget->palette())
        m_widget->setPalette(own);
}

} // namespace tavelo
