#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "app/ui/SymbolPainter.h"

namespace tavelo {

// A symbol of a fixed size drawn centred in the widget. Decoration only: screen readers
// pass over it.
class SymbolIcon final : public QWidget {
    Q_OBJECT
public:
    SymbolIcon(Symbol symbol, int size, const QColor &colour, QWidget *parent = nullptr, qreal weight = 1.0);

    Symbol symbol() const { return m_symbol; }
    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);
    // Drawn in the desktop's accent from now on, following a switch of light and dark.
    void followAccent();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Symbol m_symbol;
    int m_size;
    QColor m_colour;
    qreal m_weight;
    bool m_followsAccent = false;
    QImage m_image;
};

} // namespace tavelo
