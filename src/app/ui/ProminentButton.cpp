#include "app/ui/ProminentButton.h"

#include <QEvent>

#include "app/ui/TextStyles.h"

namespace tavelo {

ProminentButton::ProminentButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    // Set on the font rather than in the style sheet, so that size hints measure it.
    QFont bold = font();
    bold.setWeight(QFont::DemiBold);
    setFont(bold);
    applyStyle();
}

void ProminentButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyStyle();
}

void ProminentButton::applyStyle()
{
    const QColor accent = TextStyles::accent(palette());
    const QColor text = palette().color(QPalette::HighlightedText);
    const QString sheet = QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %3;"
                                         " border-radius: 5px; padding: 4px 14px; }"
                                         "QPushButton:hover { background: %4; }"
                                         "QPushButton:pressed { background: %3; }"
                                         "QPushButton:focus { border-color: %2; }")
                              .arg(accent.name(), text.name(), accent.darker(125).name(), accent.lighter(110).name());
    if (styleSheet() != sheet)
        setStyleSheet(sheet);
}

} // namespace tavelo
